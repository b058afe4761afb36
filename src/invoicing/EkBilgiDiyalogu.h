#pragma once
// The common shape of the two windows that ask the extra details of an invoice or a delivery note before
// it is printed: three captioned fields in a frame, Tamam above Vazgeç at the right, no default button
// (Enter presses neither). The result is explicit: accepted only by Tamam once its checks pass; Vazgeç,
// Esc and the close box are a cancel. Each opening starts from the window's own defaults.
#include <QDialog>
#include <QList>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

class EkBilgiDiyaloğu : public QDialog {
public:
    explicit EkBilgiDiyaloğu(QWidget* sahip);

protected:
    // A plain date picker: a date is always there, from 1 January 1601 to 31 December 9999.
    static QDateEdit* tarihKutusu(const char* ad);
    // Puts a field with its caption on the next row; the caption's access key moves to the field.
    void alanEkle(const QString& etiket, QWidget* alan);
    // Finishes the layout once the fields are in.
    void tamamla();
    // Tamam: checks the fields and, when they pass, takes the values and accepts.
    virtual void TamamDüğmesi_Click() = 0;
    // Accepts: the window hides and pending window events run before the caller goes on.
    void kabulEt();

    QWidget* Altlık;
    QGroupBox* Çerçeve;
    QList<QLabel*> Etiket;
    QPushButton* TamamDüğmesi;
    QPushButton* VazgeçDüğmesi;
};
