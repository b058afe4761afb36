#pragma once
// The login password: the window that sets, changes or removes it, and the prompt that asks it at
// start-up. The password is digits only, 4 to 10 of them, stored per user in "Ayarlar" / "Giris Sifresi"
// scrambled by ŞifreDönüştür, with "Giris Sifresi Sor" telling whether one is set.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace girişŞifresi {

inline const QString BoşMetni = QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!");
inline const QString KısaMetni = QStringLiteral("Şifre en az 4 rakam olmalıdır!");
inline constexpr int EnKısa = 4;
inline constexpr int EnUzun = 10;

// The stored (scrambled) form of a password.
QString saklananBiçim(const QString& şifre);
// Saves a password, or removes it (empty text): the two settings and GirişŞifresiSor.
void kaydet(const QString& şifre);
// True when the password matches the stored one.
bool doğruMu(const QString& şifre);

}  // namespace girişŞifresi

class GirişŞifresiBelirleDeğiştirFormu : public QDialog {
public:
    inline static const QString DoğrulaBoşMetni =
        QStringLiteral("Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!");
    inline static const QString FarklıMetni =
        QStringLiteral("Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen kontrol ediniz.");
    inline static const QString KaldırSorusu = QStringLiteral("GİRİŞ ŞİFRE'sini kaldırmak istiyor musunuz?");
    inline static const QString BelirlemeSorusu = QStringLiteral("GİRİŞ ŞİFRE'si belirlemek istemiyor musunuz?");

    explicit GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip);

    void Form_Activate();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

protected:
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    void reject() override;

private:
    void kaldır();

    QLabel* Etiket[2];
    QLineEdit* ŞifreKutusu;
    QLineEdit* ŞifreDoğrulaKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};

class GirişŞifresiSorFormu : public QDialog {
public:
    inline static const QString YanlışMetni = QStringLiteral("Şifre yanlış!");
    inline static const QString KapanışMetni = QStringLiteral("3 kez yanlış şifre girildiği için program kapatılacak!");

    explicit GirişŞifresiSorFormu(QWidget* sahip);

    void TamamDüğmesi_Click();
    // Also Esc and the third wrong password: the main window is unloaded, which ends the program.
    void İptalDüğmesi_Click();
    int YanlışŞifreSayısı = 0;

protected:
    void closeEvent(QCloseEvent* olay) override;
    void reject() override;

private:
    QLabel* Etiket;
    QLineEdit* ŞifreKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};
