#include "invoicing/YaziTipiSecmeFormu.h"

#include "invoicing/FaturaDuzeni.h"
#include "invoicing/YaziTipleriModulu.h"
#include "platform/Ayarlar.h"
#include "platform/YaziciYuzeyi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString AdAnahtarı = QStringLiteral("YaziTipiAdi");
const QString BoyutAnahtarı = QStringLiteral("YaziTipiBoyutu");

// The size a print starts with on the printer, in whole points.
int yazıcınınYazıTipiBoyutu() { return int(std::floor(yazdırma::YazıTipi{}.boyut)); }
}  // namespace

void FaturaYazıTipiniYükle()
{
    FaturaYazıTipiAdı = ayarlar::oku(fatura::FaturaBölümü, AdAnahtarı, VarsayılanFaturaYazıTipi);
    bool tamam = false;
    const int boyut = ayarlar::oku(fatura::FaturaBölümü, BoyutAnahtarı).trimmed().toInt(&tamam);
    FaturaYazıTipiBoyutu = tamam && boyut >= 1 && boyut <= 255 ? boyut : yazıcınınYazıTipiBoyutu();
}

YazıTipiSeçmeFormu::YazıTipiSeçmeFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("YazıTipiSeçmeFormu"));
    setWindowTitle(QStringLiteral("Yazı Tipi Seçimi"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    auto* pencereDüzeni = new QVBoxLayout(this);
    pencereDüzeni->setContentsMargins(0, 0, 0, 0);
    pencereDüzeni->addWidget(Altlık);

    Çerçeve = new QGroupBox(Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    YazıTipiAdıListesi = new QComboBox(Çerçeve);
    YazıTipiAdıListesi->setObjectName(QStringLiteral("YazıTipiAdıListesi"));
    YazıTipiAdıListesi->setMinimumWidth(200);
    YazıTipiAdıListesi->setMaxVisibleItems(16);
    YazıTipiBoyutuListesi = new QComboBox(Çerçeve);
    YazıTipiBoyutuListesi->setObjectName(QStringLiteral("YazıTipiBoyutuListesi"));
    for (int b = 8; b <= 16; ++b) YazıTipiBoyutuListesi->addItem(QString::number(b), 0);
    YazıTipiBoyutuListesi->setCurrentIndex(-1);
    auto* adEtiketi = new QLabel(QStringLiteral("Yazı Tipi:"), Çerçeve);
    adEtiketi->setBuddy(YazıTipiAdıListesi);
    auto* boyutEtiketi = new QLabel(QStringLiteral("Boyut:"), Çerçeve);
    boyutEtiketi->setBuddy(YazıTipiBoyutuListesi);
    ÖrnekEtiketi = new QLabel(QStringLiteral("Örnek Metin"), Çerçeve);
    ÖrnekEtiketi->setObjectName(QStringLiteral("ÖrnekEtiketi"));
    ÖrnekEtiketi->setAlignment(Qt::AlignCenter);
    ÖrnekEtiketi->setFrameShape(QFrame::StyledPanel);
    ÖrnekEtiketi->setFixedHeight(48);
    auto* ızgara = new QGridLayout(Çerçeve);
    ızgara->addWidget(adEtiketi, 0, 0);
    ızgara->addWidget(boyutEtiketi, 0, 1);
    ızgara->addWidget(YazıTipiAdıListesi, 1, 0);
    ızgara->addWidget(YazıTipiBoyutuListesi, 1, 1);
    ızgara->addWidget(ÖrnekEtiketi, 2, 0, 1, 2);
    ızgara->setColumnStretch(0, 1);

    auto düğme = [&](const char* ad, const QString& başlık) {
        auto* d = new QPushButton(başlık, Altlık);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);  // no button is the default one
        d->setMinimumWidth(84);
        return d;
    };
    TamamDüğmesi = düğme("TamamDüğmesi", QStringLiteral("Tamam"));
    İptalDüğmesi = düğme("İptalDüğmesi", QStringLiteral("İptal (Esc)"));
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    auto* düzen = new QVBoxLayout(Altlık);
    düzen->setContentsMargins(10, 10, 10, 10);
    düzen->setSpacing(10);
    düzen->addWidget(Çerçeve);
    düzen->addLayout(düğmeler);

    Form_Load();
    connect(YazıTipiAdıListesi, &QComboBox::currentIndexChanged, this, &YazıTipiSeçmeFormu::YazıTipiAdıListesi_Click);
    connect(YazıTipiBoyutuListesi, &QComboBox::currentIndexChanged, this,
            &YazıTipiSeçmeFormu::YazıTipiBoyutuListesi_Click);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &YazıTipiSeçmeFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

void YazıTipiSeçmeFormu::Form_Load()
{
    Altlık->setAutoFillBackground(true);
    QPalette p = Altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    Altlık->setPalette(p);

    YazıTipleriniListele(YazıTipiAdıListesi);
    FaturaYazıTipiniYükle();
    // A stored face that the system lacks, or a size outside the list, leaves its list without a
    // selection; the stored font stands until another is chosen.
    YazıTipiAdıListesi->setCurrentIndex(YazıTipiAdıListesi->findText(FaturaYazıTipiAdı, Qt::MatchFixedString));
    YazıTipiBoyutuListesi->setCurrentIndex(
        YazıTipiBoyutuListesi->findText(QString::number(FaturaYazıTipiBoyutu), Qt::MatchFixedString));
    YazıTipiAdıListesi_Click();
    if (YazıTipiBoyutuListesi->currentIndex() >= 0) YazıTipiBoyutuListesi_Click();
}

void YazıTipiSeçmeFormu::YazıTipiAdıListesi_Click()
{
    QFont f = ÖrnekEtiketi->font();
    if (YazıTipiAdıListesi->currentIndex() >= 0) f.setFamily(YazıTipiAdıListesi->currentText());
    if (!YazıTipiBoyutuListesi->currentText().isEmpty())
        f.setPointSize(YazıTipiBoyutuListesi->currentText().toInt());
    ÖrnekEtiketi->setFont(f);
}

void YazıTipiSeçmeFormu::YazıTipiBoyutuListesi_Click() { YazıTipiAdıListesi_Click(); }

void YazıTipiSeçmeFormu::TamamDüğmesi_Click()
{
    // A list left without a choice keeps the stored value.
    if (YazıTipiAdıListesi->currentIndex() >= 0) FaturaYazıTipiAdı = YazıTipiAdıListesi->currentText();
    if (YazıTipiBoyutuListesi->currentIndex() >= 0)
        FaturaYazıTipiBoyutu = YazıTipiBoyutuListesi->currentText().toInt();
    ayarlar::yaz(fatura::FaturaBölümü, AdAnahtarı, FaturaYazıTipiAdı);
    ayarlar::yaz(fatura::FaturaBölümü, BoyutAnahtarı, QString::number(FaturaYazıTipiBoyutu));
    accept();
}
