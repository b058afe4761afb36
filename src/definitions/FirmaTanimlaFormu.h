#pragma once
// The one window in which the seller firms or the buyer firms are listed, found, added, changed and
// deleted. The table is the one named by SeçiliFirmaTablosu when the window is made; the opener then
// sets Tag ("0" seller firms, "1" buyer firms) and the caption and shows it modally.
//
// Modes: browse (with or without a selected firm), adding, changing. The details frame Çerçeve(1) is
// enabled only while an add or a change is open; DeğişiklikModu tells the two apart.
#include "definitions/FirmaIslemleri.h"

#include <QDialog>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SıralıListeKutusu;

// No meta-object of its own (moc takes no Turkish names): its handlers are connected as plain
// member functions.
class FirmaTanımlaFormu : public QDialog {
public:
    explicit FirmaTanımlaFormu(QWidget* sahip = nullptr);

    QString Tag;

    QGroupBox* Çerçeve[2] = {};
    QWidget* Altlık[2] = {};
    QLabel* Etiket[7] = {};
    SıralıListeKutusu* FirmaListesi = nullptr;
    QLineEdit* BulKutusu = nullptr;
    QPlainTextEdit* FirmaAdıKutusu = nullptr;
    QLineEdit* TelefonuKutusu = nullptr;
    QLineEdit* FaksıKutusu = nullptr;
    QLineEdit* VergiDairesiKutusu = nullptr;
    QLineEdit* VergiNumarasıKutusu = nullptr;
    QPlainTextEdit* AdresiKutusu = nullptr;
    QPushButton* EkleDüğmesi = nullptr;
    QPushButton* DeğiştirDüğmesi = nullptr;
    QPushButton* SilKaydetDüğmesi = nullptr;
    QPushButton* KapatVazgeçDüğmesi = nullptr;

    // The table the window shows; nothing when SeçiliFirmaTablosu named no firm table.
    std::optional<firma::FirmaTürü> türü() const { return tür_; }

    // The handlers, also run directly by the window itself and by tests.
    void FirmaListesi_Click();
    void EkleDüğmesi_Click();
    void DeğiştirDüğmesi_Click();
    void SilKaydetDüğmesi_Click();
    void KapatVazgeçDüğmesi_Click();

    // Esc runs the close-or-cancel button.
    void reject() override;

protected:
    // The title bar's close box closes the window in any mode, without saving.
    void closeEvent(QCloseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void denetimleriKur();
    void Form_Load();
    void kutularıBoşalt();
    void kutularıDoldur(const firma::FirmaBilgisi& f);
    firma::FirmaBilgisi kutulardakiFirma() const;
    void düzenlemeyiAç(bool değişiklik);
    void gezinmeyeDön();
    void satırıSeç(int satır);
    void kaydet();
    void sil();

    std::optional<firma::FirmaTürü> tür_;
    qint64 seçiliFirmaNo_ = 0;
};
