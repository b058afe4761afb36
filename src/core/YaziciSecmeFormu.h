#pragma once
// The printer choice every print shows before it prints. The list holds the printers of the collection
// (platform/Yazicilar.h) with the current one selected; Tamam makes the selected printer the current one
// for this print and every later one. The print server is asked for its printers once, when the window
// opens; when it cannot list them, the window says why and offers the PDF printer alone. İptal, Esc and
// the close box set YazdırmaİptalEdildi, and the caller prints nothing; so does Tamam on a printer that
// the print server no longer has, or while the server cannot be asked, after telling the user why. A
// window closed, or the program ended, while the server is asked for its printers ends the print before
// the window shows; the program ended while Tamam asks it about the printer chosen, before the print
// starts.
//
// A print routine:
//
//     if (!YazıcıSeçmeFormu::YazıcıSeçimi(this)) {   // sets YazdırmaİptalEdildi false, shows the window
//         YazdırmaİptalEdildi = false;
//         return;
//     }
//     auto belge = yazdırma::belgeAç(...);
#include "platform/Yazicilar.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class YazıcıSeçmeFormu : public QDialog {
public:
    explicit YazıcıSeçmeFormu(QWidget* sahip = nullptr);

    // The exchange of a print routine with the window: clears YazdırmaİptalEdildi, shows the window
    // modally over the owner, and tells whether to print (false: cancelled).
    static bool YazıcıSeçimi(QWidget* sahip);

    // Under the list when the print server's printers could not be listed: %1 the cause.
    static inline const QString SunucuListelemediMetni =
        QStringLiteral("Yazdırma sunucusunun yazıcıları listelenemedi: %1\nYalnızca PDF yazıcısı gösteriliyor.");

    void reject() override;

private:
    void Form_Load();
    void YazıcıAdlarıKutusu_Click();
    void TamamDüğmesi_Click();

    QList<yazdırma::Yazıcı> yazıcılar_;
    QWidget* Altlık;
    QLabel* SunucuEtiketi;
    QComboBox* YazıcıAdlarıKutusu;
    QLineEdit* BağlantıNoktasıKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};
