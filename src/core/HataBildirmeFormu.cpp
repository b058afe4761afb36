#include "core/HataBildirmeFormu.h"

#include "core/BaglantiEtiketi.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

HataBildirmeFormu::HataBildirmeFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("HataBildirmeFormu"));
    setWindowTitle(QStringLiteral("Hata Bildirme"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setMouseTracking(true);
    Altlık->installEventFilter(this);
    auto* pencereDüzeni = new QVBoxLayout(this);
    pencereDüzeni->setContentsMargins(0, 0, 0, 0);
    pencereDüzeni->addWidget(Altlık);

    SimgeKutusu = new QLabel(Altlık);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setFixedSize(32, 32);
    auto etiket = [&](int i, const QString& metin) {
        auto* e = new QLabel(metin, Altlık);
        e->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        Etiket.append(e);
        return e;
    };
    QLabel* başlık = etiket(0, QStringLiteral("Hataları Bildirin!"));
    QFont kalın = başlık->font();
    kalın.setBold(true);
    kalın.setPointSizeF(kalın.pointSizeF() * 1.2);
    başlık->setFont(kalın);
    QLabel* açıklama = etiket(1, QStringLiteral("Lütfen, programda gördüğünüz hataları aşağıdaki yollardan biri ile "
                                                "bize iletiniz.\nİlginiz için şimdiden teşekkürler..."));
    açıklama->setWordWrap(true);

    auto* Çerçeve = new QGroupBox(Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Çerçeve->setMouseTracking(true);
    Çerçeve->installEventFilter(this);
    WebEtiketi = new BağlantıEtiketi(QStringLiteral("Mesaj Gönder"), QUrl(HataBildirmeSayfası), Çerçeve);
    WebEtiketi->setObjectName(QStringLiteral("WebEtiketi"));
    EPostaEtiketi = new BağlantıEtiketi(QStringLiteral("E-Posta Gönder"), QUrl(EPostaAdresi), Çerçeve);
    EPostaEtiketi->setObjectName(QStringLiteral("EPostaEtiketi"));
    auto* çerçeveDüzeni = new QHBoxLayout(Çerçeve);
    çerçeveDüzeni->addStretch();
    çerçeveDüzeni->addWidget(WebEtiketi);
    çerçeveDüzeni->addStretch();
    çerçeveDüzeni->addWidget(EPostaEtiketi);
    çerçeveDüzeni->addStretch();

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), Altlık);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    TamamDüğmesi->setMinimumWidth(84);

    auto* üst = new QHBoxLayout;
    üst->setSpacing(12);
    üst->addWidget(SimgeKutusu, 0, Qt::AlignTop);
    auto* metinler = new QVBoxLayout;
    metinler->addWidget(başlık);
    metinler->addWidget(açıklama);
    üst->addLayout(metinler, 1);
    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(TamamDüğmesi);
    auto* düzen = new QVBoxLayout(Altlık);
    düzen->setContentsMargins(14, 14, 14, 12);
    düzen->setSpacing(12);
    düzen->addLayout(üst);
    düzen->addWidget(Çerçeve);
    düzen->addLayout(alt);

    // The pointer on a link underlines it alone; on the background it underlines none.
    WebEtiketi->üzerineGelince = [this] {
        WebEtiketi->setAltıÇizili(true);
        EPostaEtiketi->setAltıÇizili(false);
    };
    EPostaEtiketi->üzerineGelince = [this] {
        EPostaEtiketi->setAltıÇizili(true);
        WebEtiketi->setAltıÇizili(false);
    };
    connect(TamamDüğmesi, &QPushButton::clicked, this, &HataBildirmeFormu::TamamDüğmesi_Click);

    Form_Load();
    setFixedSize(380, sizeHint().height());
}

void HataBildirmeFormu::Form_Load()
{
    SimgeKutusu->setPixmap(QPixmap(QStringLiteral(":/HATABILDIRME.png")));
    Altlık->setAutoFillBackground(true);
    QPalette p = Altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    Altlık->setPalette(p);
}

void HataBildirmeFormu::TamamDüğmesi_Click() { accept(); }

bool HataBildirmeFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (olay->type() == QEvent::MouseMove && nesne->isWidgetType() && !dynamic_cast<BağlantıEtiketi*>(nesne)) {
        WebEtiketi->setAltıÇizili(false);
        EPostaEtiketi->setAltıÇizili(false);
    }
    return QDialog::eventFilter(nesne, olay);
}
