#include "invoicing/YaziTipiSecmeFormu.h"

#include "invoicing/FaturaDuzeni.h"
#include "invoicing/YaziTipleriModulu.h"
#include "platform/Ayarlar.h"
#include "platform/YaziciYuzeyi.h"

#include <QComboBox>
#include <QFontInfo>
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

// The entry of the family that the system's font matching prints for a face name ("Arial Tur": the
// family, or its metric twin); -1 when not listed, and for a face the system does not know at all, which
// only falls to the default family.
int yazdırılanAile(const QComboBox* liste, const QString& ad)
{
    const auto aile = [](const QString& a) { return QFontInfo(yazdırma::YazıcıYüzeyi::qtYazıTipi({a, 10})).family(); };
    const QString yazdırılan = aile(ad);
    QString istenen = ad;
    if (istenen.endsWith(QStringLiteral(" Tur"))) istenen.chop(4);
    const QString varsayılan = aile(QStringLiteral("Kavrenta Olmayan Yazı Tipi"));
    if (yazdırılan.compare(varsayılan, Qt::CaseInsensitive) == 0 && istenen.compare(yazdırılan, Qt::CaseInsensitive) != 0)
        return -1;
    return liste->findText(yazdırılan, Qt::MatchFixedString);
}
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

    // The frame holds its backing panel, and the panel the lists and the sample.
    Çerçeve = new QGroupBox(this);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Altlık = new QWidget(Çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    auto* çerçeveDüzeni = new QVBoxLayout(Çerçeve);
    çerçeveDüzeni->setContentsMargins(6, 6, 6, 6);
    çerçeveDüzeni->addWidget(Altlık);
    YazıTipiAdıListesi = new QComboBox(Altlık);
    YazıTipiAdıListesi->setObjectName(QStringLiteral("YazıTipiAdıListesi"));
    YazıTipiAdıListesi->setMinimumWidth(200);
    YazıTipiAdıListesi->setMaxVisibleItems(16);
    YazıTipiBoyutuListesi = new QComboBox(Altlık);
    YazıTipiBoyutuListesi->setObjectName(QStringLiteral("YazıTipiBoyutuListesi"));
    for (int b = 8; b <= 16; ++b) YazıTipiBoyutuListesi->addItem(QString::number(b), 0);
    YazıTipiBoyutuListesi->setCurrentIndex(-1);
    auto* adEtiketi = new QLabel(QStringLiteral("Yazı Tipi:"), Altlık);
    adEtiketi->setBuddy(YazıTipiAdıListesi);
    auto* boyutEtiketi = new QLabel(QStringLiteral("Boyut:"), Altlık);
    boyutEtiketi->setBuddy(YazıTipiBoyutuListesi);
    ÖrnekEtiketi = new QLabel(QStringLiteral("Örnek Metin"), Altlık);
    ÖrnekEtiketi->setObjectName(QStringLiteral("ÖrnekEtiketi"));
    ÖrnekEtiketi->setAlignment(Qt::AlignCenter);
    ÖrnekEtiketi->setFrameShape(QFrame::StyledPanel);
    ÖrnekEtiketi->setFixedHeight(48);
    auto* ızgara = new QGridLayout(Altlık);
    ızgara->setContentsMargins(0, 0, 0, 0);
    ızgara->addWidget(adEtiketi, 0, 0);
    ızgara->addWidget(boyutEtiketi, 0, 1);
    ızgara->addWidget(YazıTipiAdıListesi, 1, 0);
    ızgara->addWidget(YazıTipiBoyutuListesi, 1, 1);
    ızgara->addWidget(ÖrnekEtiketi, 2, 0, 1, 2);
    ızgara->setColumnStretch(0, 1);

    auto düğme = [&](const char* ad, const QString& başlık) {
        auto* d = new QPushButton(başlık, this);
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
    auto* düzen = new QVBoxLayout(this);
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
    // A stored face that the system lacks ("Arial Tur", the default) selects the family the invoice is
    // printed in instead. A size outside the list leaves that list without a selection; the stored font
    // stands until another is chosen.
    int ad = YazıTipiAdıListesi->findText(FaturaYazıTipiAdı, Qt::MatchFixedString);
    if (ad < 0 && !FaturaYazıTipiAdı.isEmpty())
        ad = yerineSeçilen_ = yazdırılanAile(YazıTipiAdıListesi, FaturaYazıTipiAdı);
    YazıTipiAdıListesi->setCurrentIndex(ad);
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
    // A list left without a choice, or at the family that stands in for a missing stored face, keeps the
    // stored value.
    const int ad = YazıTipiAdıListesi->currentIndex();
    if (ad >= 0 && ad != yerineSeçilen_) FaturaYazıTipiAdı = YazıTipiAdıListesi->currentText();
    if (YazıTipiBoyutuListesi->currentIndex() >= 0)
        FaturaYazıTipiBoyutu = YazıTipiBoyutuListesi->currentText().toInt();
    ayarlar::yaz(fatura::FaturaBölümü, AdAnahtarı, FaturaYazıTipiAdı);
    ayarlar::yaz(fatura::FaturaBölümü, BoyutAnahtarı, QString::number(FaturaYazıTipiBoyutu));
    accept();
}
