#pragma once
// The connection window: finds the server folder (a remembered one, or one the user browses to), opens
// the shared database in it, and reports a failure in its own label, from where the user tries again or
// gives up (which ends the program). After the connection it asks the login password when one is set,
// or shows the running-low list when the warning is on.
#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;

class VeritabanınaBağlanFormu : public QDialog {
public:
    inline static const QString BağlanılıyorMetni = QStringLiteral("Veritabanına bağlanılıyor. Lütfen, bekleyiniz!");
    inline static const QString BağlantıTamamMetni = QStringLiteral("   Veritabanı bağlantısı tamam!");
    inline static const QString BağlantıYokMetni = QStringLiteral("   Veritabanı bağlantısı yapılamıyor!");
    inline static const QString GenelHataMetni = QStringLiteral("Bir hata dolayısıyla veritabanına bağlanılamadı!");
    inline static const QString SunucuSorusu =
        QStringLiteral("Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?");
    inline static const QString VeritabanıYokMetni = QStringLiteral(
        "Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\nLütfen, farklı bir SUNUCU seçip yeniden deneyiniz.");
    inline static const QString ÇıkışSorusu = QStringLiteral(
        "Veritabanına bağlanmadan programı kullanamazsınız!\nŞimdi, programdan çıkmak istiyor musunuz?");
    inline static const QString GözatBaşlığı = QStringLiteral("Sunucu programın bulunduğu yeri seçiniz!");

    explicit VeritabanınaBağlanFormu(QWidget* sahip = nullptr);

    // The folder browser, also lent to the server change window: the chosen folder, or empty text when
    // the user cancelled. Sets KlasörKimliği: not 0 when a folder was chosen.
    static QString AğaGözat(QWidget* sahip);
    inline static int KlasörKimliği = 0;

    // The text that the label (and the server change window's message) shows for an error of the open;
    // empty for errors without a text of their own.
    static QString AçmaHatasıMetni(int numara);

    // Finds the server, opens the database and goes on to the login password or the warning list.
    void VeritabanınaBağlan();
    void YenidenDeneDüğmesi_Click();
    void VazgeçDüğmesi_Click();

protected:
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    void reject() override;

private:
    void bağlantıOlmadı(int numara, const QString& açıklama);
    void çıkışYolu();

    QLabel* SimgeKutusu;
    QLabel* Etiket;
    QPushButton* YenidenDeneDüğmesi;
    QPushButton* VazgeçDüğmesi;
    QStringList sunucuListesi_;
    bool listeYüklendi_ = false;
    bool etkinleşti_ = false;
    bool çıkıyor_ = false;
};
