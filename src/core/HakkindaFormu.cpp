#include "core/HakkindaFormu.h"

#include "core/BaglantiEtiketi.h"
#include "platform/Kabuk.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#ifndef KAVRENTA_SURUM_ANA
#define KAVRENTA_SURUM_ANA 1
#define KAVRENTA_SURUM_ALT 0
#define KAVRENTA_SURUM_DUZELTME 0
#endif

namespace {
const QString ProgramınAdı = QStringLiteral("Kavrenta");
const QString YasalUyarı = QStringLiteral(
    "Telif Hakkı © Velnaro. Tüm hakları saklıdır. Bu program telif hakkı yasalarıyla korunmaktadır; "
    "izinsiz çoğaltılamaz ve dağıtılamaz.");
constexpr int ResimGenişliği = 160;
}  // namespace

QString HakkındaFormu::SürümMetni(int ana, int alt, int düzeltme)
{
    return QStringLiteral("Sürüm %1.%2%3").arg(ana).arg(alt).arg(düzeltme);
}

QString HakkındaFormu::KuruluşAdı() { return qEnvironmentVariable("ORGANIZATION").trimmed(); }

HakkındaFormu::HakkındaFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("HakkındaFormu"));
    setWindowTitle(QStringLiteral("Hakkında"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(500, 240);

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setGeometry(ResimGenişliği, 0, width() - ResimGenişliği, height());
    Altlık->setMouseTracking(true);
    Altlık->installEventFilter(this);

    auto etiket = [&](int i, const QString& metin, QRect yer) {
        auto* e = new QLabel(metin, Altlık);
        e->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        e->setGeometry(yer);
        return e;
    };
    const int g = Altlık->width();
    for (int i = 0; i < 8; ++i) Etiket.append(nullptr);
    SimgeKutusu = new QLabel(Altlık);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setGeometry(16, 16, 32, 32);
    const QIcon simge = QApplication::windowIcon();
    SimgeKutusu->setPixmap(simge.isNull() ? QPixmap(QStringLiteral(":/LISTE.png")) : simge.pixmap(32, 32));
    Etiket[0] = etiket(0, QString(), QRect(60, 12, g - 76, 26));
    QFont büyük = Etiket[0]->font();
    büyük.setPointSizeF(büyük.pointSizeF() * 1.6);
    büyük.setBold(true);
    Etiket[0]->setFont(büyük);
    Etiket[1] = etiket(1, QString(), QRect(60, 38, g - 76, 18));
    Etiket[2] = etiket(2, QString(), QRect(16, 64, g - 32, 44));
    Etiket[2]->setWordWrap(true);
    Etiket[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* Kenarlık = new QFrame(Altlık);
    Kenarlık->setObjectName(QStringLiteral("Kenarlık"));
    Kenarlık->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Kenarlık->setGeometry(10, 116, g - 20, 60);
    Kenarlık->lower();
    Etiket[3] = etiket(3, QStringLiteral("Kullanıcı Adı"), QRect(20, 126, 84, 18));
    Etiket[4] = etiket(4, QStringLiteral(":"), QRect(104, 126, 8, 18));
    KullanıcıAdıEtiketi = new QLabel(Altlık);
    KullanıcıAdıEtiketi->setObjectName(QStringLiteral("KullanıcıAdıEtiketi"));
    KullanıcıAdıEtiketi->setGeometry(114, 126, g - 134, 18);
    Etiket[5] = etiket(5, QStringLiteral("Kuruluş Adı"), QRect(20, 148, 84, 18));
    Etiket[6] = etiket(6, QStringLiteral(":"), QRect(104, 148, 8, 18));
    KuruluşAdıEtiketi = new QLabel(Altlık);
    KuruluşAdıEtiketi->setObjectName(QStringLiteral("KuruluşAdıEtiketi"));
    KuruluşAdıEtiketi->setGeometry(114, 148, g - 134, 18);
    Etiket[7] = etiket(7, QStringLiteral("Velnaro"), QRect(16, 190, g - 32, 18));
    QFont kalın = Etiket[7]->font();
    kalın.setBold(true);
    Etiket[7]->setFont(kalın);
    VELNAROEtiketi = new BağlantıEtiketi(QStringLiteral("www.example.com"), QUrl(AnaSayfa), Altlık);
    VELNAROEtiketi->setObjectName(QStringLiteral("VELNAROEtiketi"));
    VELNAROEtiketi->setGeometry(16, 208, VELNAROEtiketi->sizeHint().width(), 18);
    VELNAROEtiketi->üzerineGelince = [this] { VELNAROEtiketi->setAltıÇizili(true); };

    Form_Load();
}

void HakkındaFormu::Form_Load()
{
    Etiket[0]->setText(ProgramınAdı);
    Etiket[1]->setText(SürümMetni(KAVRENTA_SURUM_ANA, KAVRENTA_SURUM_ALT, KAVRENTA_SURUM_DUZELTME));
    Etiket[2]->setText(YasalUyarı);
}

// The user and the organisation are read anew whenever the window becomes the active one.
void HakkındaFormu::Form_Activate()
{
    KullanıcıAdıEtiketi->setText(kabuk::kullanıcınınTamAdı());
    KuruluşAdıEtiketi->setText(KuruluşAdı());
}

bool HakkındaFormu::event(QEvent* olay)
{
    if (olay->type() == QEvent::WindowActivate || olay->type() == QEvent::Show) Form_Activate();
    return QDialog::event(olay);
}

bool HakkındaFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == Altlık && olay->type() == QEvent::MouseMove) VELNAROEtiketi->setAltıÇizili(false);
    return QDialog::eventFilter(nesne, olay);
}

void HakkındaFormu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, QPixmap(QStringLiteral(":/HAKKINDA.png")));
}
