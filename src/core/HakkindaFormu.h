#pragma once
// The about window: the program's title, version and legal notice, the user and organisation it runs
// for, and the maker with a link to its home page. Esc closes it; it saves nothing.
#include <QDialog>
#include <QList>

class BağlantıEtiketi;
class QLabel;

class HakkındaFormu : public QDialog {
public:
    // The maker's home page.
    static inline const QString AnaSayfa = QStringLiteral("https://www.example.com");

    explicit HakkındaFormu(QWidget* sahip = nullptr);

    // "Sürüm 1.25" for 1.2.5: the minor version and the revision written one after the other.
    static QString SürümMetni(int ana, int alt, int düzeltme);
    // The organisation of the user: the ORGANIZATION setting of the user's environment, or empty.
    static QString KuruluşAdı();

protected:
    bool event(QEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;

private:
    void Form_Load();
    void Form_Activate();

    QWidget* Altlık;
    QList<QLabel*> Etiket;
    QLabel* KullanıcıAdıEtiketi;
    QLabel* KuruluşAdıEtiketi;
    QLabel* SimgeKutusu;
    BağlantıEtiketi* VELNAROEtiketi;
};
