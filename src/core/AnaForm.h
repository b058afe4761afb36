#pragma once
// The main window: menus, toolbar and status bar. Every item opens one other window modally, with the
// main window as owner, through the table of openers; the window itself does no work of its own.
// Closing it ends the program: it asks first when the user closes it, and saves its placement.
// (No Q_OBJECT in the program's window classes: moc does not read identifiers with Turkish letters.)
#include <QMainWindow>
#include <QPixmap>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

class AnaForm : public QMainWindow {
public:
    inline static const QString ÇıkışSorusu = QStringLiteral("Programdan çıkmak istiyor musunuz?");
    inline static const QString YazıcıYokMetni =
        QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen bir yazıcı yükleyip tekrar deneyiniz.");
    inline static const QString ŞifreBelirleBaşlığı = QStringLiteral("Giriş Şifresi Belirle...");
    inline static const QString ŞifreDeğiştirBaşlığı = QStringLiteral("Giriş Şifresi Değiştir...");

    AnaForm();
    ~AnaForm() override;

    // The one main window, or null before it is loaded and after it is gone.
    static AnaForm* örnek();

    // The load: toolbar icons, caption, the saved placement, visible, splash gone.
    void Form_Load();
    // On every activation: the caption of the login-password item follows GirişŞifresiSor.
    void Form_Activate();

    // Unloads the main window without the question (the exit item, the connection window's and the
    // login prompt's cancel): the placement is saved and every window closes.
    void Boşalt();
    static void AnaFormuBoşalt();

    // The printer check before an invoice window: true when a printer is installed, otherwise the
    // message and false.
    bool YazıcıDenetimi();

    // A toolbar button by its index (1 to 10; separators do nothing).
    void DüğmeÇubuğu_ButtonClick(int sıra);
    // A menu item by its name: sets the values its row names and runs its opener.
    void MenüdenAç(const QString& ad);

    QAction* menüÖğesi(const QString& ad) const;
    QLabel* DurumPaneli(int sıra) const;  // 1 to 5
    static void DurumPaneliniYaz(int sıra, const QString& metin);

    // Runs when the window has been unloaded: the program has no window left.
    void boşaltılınca(std::function<void()> iş) { boşaltılınca_ = std::move(iş); }

    // The column-header sort arrows of every list view: 0 up, 1 down (16 x 16).
    static const QList<QPixmap>& ListeSütunuSimgeleri();

protected:
    bool event(QEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;

private:
    void menüleriKur();
    void düğmeÇubuğunuKur();
    void durumÇubuğunuKur();
    void yerleşimiGeriYükle();
    void yerleşimiKaydet();
    void durumlarıTazele();

    enum class BoşaltmaModu { Kullanıcı, Program };
    BoşaltmaModu boşaltmaModu_ = BoşaltmaModu::Kullanıcı;
    bool kapanıyor_ = false;
    QToolBar* DüğmeÇubuğu = nullptr;
    QList<QLabel*> paneller_;
    QMenu* ListelerMenüsü = nullptr;
    std::function<void()> boşaltılınca_;
};
