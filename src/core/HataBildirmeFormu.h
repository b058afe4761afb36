#pragma once
// The error-report window: asks the user to tell the maker of errors, through its web page or by e-mail.
// Saves nothing.
#include <QDialog>
#include <QList>

class BağlantıEtiketi;
class QLabel;
class QPushButton;

class HataBildirmeFormu : public QDialog {
public:
    // The maker's error-report page (the product's name as "ProgramAdi") and mail address.
    static inline const QString HataBildirmeSayfası =
        QStringLiteral("https://www.example.com/asp/mesaj/mesaj.asp?ProgramAdi=Kavrenta");
    static inline const QString EPostaAdresi = QStringLiteral("mailto:destek@example.com");

    explicit HataBildirmeFormu(QWidget* sahip = nullptr);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Form_Load();
    void TamamDüğmesi_Click();

    QWidget* Altlık;
    QLabel* SimgeKutusu;
    QList<QLabel*> Etiket;
    BağlantıEtiketi* WebEtiketi;
    BağlantıEtiketi* EPostaEtiketi;
    QPushButton* TamamDüğmesi;
};
