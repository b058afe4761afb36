#include "core/TercihlerFormu.h"

#include "core/Acicilar.h"
#include "core/AlanGirisiKurallari.h"
#include "core/AyarliKutu.h"
#include "core/HakkindaFormu.h"
#include "core/HataBildirmeFormu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "platform/Ayarlar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

namespace A = TercihAnahtarları;

// Error numbers of a stored text that does not read as the number it should be.
constexpr int TürUyuşmazlığı = 13;
constexpr int Taşma = 6;

// Reads a whole number between the limits from a text; on failure hands the error to the reporter and
// returns false (the caller keeps what it held).
bool tamSayıOku(const QString& metin, qint64 enAz, qint64 enÇok, int& hedef)
{
    bool tamam = false;
    const qint64 n = metin.trimmed().toLongLong(&tamam);
    if (!tamam) {
        OrtakHataİşleyici(TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı"));
        return false;
    }
    if (n < enAz || n > enÇok) {
        OrtakHataİşleyici(Taşma, QStringLiteral("Taşma"));
        return false;
    }
    hedef = int(n);
    return true;
}

constexpr qint64 UzunEnAz = std::numeric_limits<qint32>::min();
constexpr qint64 UzunEnÇok = std::numeric_limits<qint32>::max();

void uzunOku(const QString& anahtar, const QString& varsayılan, int& hedef)
{
    tamSayıOku(ayarlar::oku(A::Bölüm, anahtar, varsayılan), UzunEnAz, UzunEnÇok, hedef);
}

int onayDeğeri(const QCheckBox* onay) { return onay->isChecked() ? 1 : 0; }

}  // namespace

void TercihlerFormu::tercihleriOku()
{
    uzunOku(A::ÇizgiliListeler, QStringLiteral("1"), ÇizgiliListeler);
    uzunOku(A::OndalıklıMiktar, QStringLiteral("1"), OndalıklıMiktar);
    uzunOku(A::UyarıVar, QStringLiteral("1"), UyarıVar);
    tamSayıOku(ayarlar::oku(A::Bölüm, A::UyarılacakSayı, QStringLiteral("5")), 0, 255, UyarılacakSayı);
    uzunOku(A::FaturaBoşKağıdaGöre, QStringLiteral("0"), FaturaBoşKağıdaGöre);
}

TercihlerFormu::TercihlerFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("TercihlerFormu"));
    setWindowTitle(QStringLiteral("Tercihler"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    auto* pencereDüzeni = new QVBoxLayout(this);
    pencereDüzeni->setContentsMargins(0, 0, 0, 0);
    pencereDüzeni->addWidget(Altlık);

    auto* Çerçeve = new QGroupBox(Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    auto onay = [&](const char* ad, const QString& başlık) {
        auto* o = new QCheckBox(başlık, Çerçeve);
        o->setObjectName(QString::fromUtf8(ad));
        return o;
    };
    TümListelerÇizgiliOlsunOnayı =
        onay("TümListelerÇizgiliOlsunOnayı", QStringLiteral("&Tüm listeler çizgili (ızgaralı) olsun "));
    MiktarlarOndalıklıOlsunOnayı =
        onay("MiktarlarOndalıklıOlsunOnayı", QStringLiteral("&Yazdırılırken miktarlar ondalıklı olsun "));
    MevcutAzalıncaUyarılsınOnayı =
        onay("MevcutAzalıncaUyarılsınOnayı", QStringLiteral("&Başlangıçta, mevcudu azalanlar gösterilsin "));
    UyarılacakSayıKutusu = new AyarliKutu(Çerçeve);
    UyarılacakSayıKutusu->setObjectName(QStringLiteral("UyarılacakSayıKutusu"));
    UyarılacakSayıKutusu->setEnDusuk(2);
    UyarılacakSayıKutusu->setEnYuksek(100);
    UyarılacakSayıKutusu->setValue(5);
    UyarılacakSayıKutusu->setText(QStringLiteral("5"));
    UyarılacakSayıKutusu->setBirim(QString());
    UyarılacakSayıKutusu->setFixedWidth(56);
    Etiket = new QLabel(QStringLiteral("biri&min altına düşenler listelensin"), Çerçeve);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setBuddy(UyarılacakSayıKutusu);
    Etiket->setEnabled(false);
    FaturaBoşKağıdaGöreYazdırılsınOnayı =
        onay("FaturaBoşKağıdaGöreYazdırılsınOnayı", QStringLiteral("&Fatura boş kağıda göre yazdırılsın "));

    auto* çerçeveDüzeni = new QVBoxLayout(Çerçeve);
    çerçeveDüzeni->setSpacing(8);
    çerçeveDüzeni->addWidget(TümListelerÇizgiliOlsunOnayı);
    çerçeveDüzeni->addWidget(MiktarlarOndalıklıOlsunOnayı);
    çerçeveDüzeni->addWidget(MevcutAzalıncaUyarılsınOnayı);
    auto* eşikDüzeni = new QHBoxLayout;
    eşikDüzeni->setContentsMargins(22, 0, 0, 0);
    eşikDüzeni->addWidget(UyarılacakSayıKutusu);
    eşikDüzeni->addWidget(Etiket);
    eşikDüzeni->addStretch();
    çerçeveDüzeni->addLayout(eşikDüzeni);
    çerçeveDüzeni->addWidget(FaturaBoşKağıdaGöreYazdırılsınOnayı);

    auto düğme = [&](const char* ad, const QString& başlık) {
        auto* d = new QPushButton(başlık, Altlık);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);  // Enter confirms nothing here: it moves between the boxes
        d->setMinimumWidth(84);
        return d;
    };
    İlkAyarlarDüğmesi = düğme("İlkAyarlarDüğmesi", QStringLiteral("İlk Ayarlar"));
    TamamDüğmesi = düğme("TamamDüğmesi", QStringLiteral("Tamam"));
    TamamDüğmesi->setEnabled(false);
    İptalDüğmesi = düğme("İptalDüğmesi", QStringLiteral("İptal"));
    auto* düğmeDüzeni = new QHBoxLayout;
    düğmeDüzeni->addWidget(İlkAyarlarDüğmesi);
    düğmeDüzeni->addStretch();
    düğmeDüzeni->addWidget(TamamDüğmesi);
    düğmeDüzeni->addWidget(İptalDüğmesi);

    auto* altlıkDüzeni = new QVBoxLayout(Altlık);
    altlıkDüzeni->setContentsMargins(10, 10, 10, 10);
    altlıkDüzeni->setSpacing(10);
    altlıkDüzeni->addWidget(Çerçeve);
    altlıkDüzeni->addLayout(düğmeDüzeni);

    setTabOrder(TümListelerÇizgiliOlsunOnayı, MiktarlarOndalıklıOlsunOnayı);
    setTabOrder(MiktarlarOndalıklıOlsunOnayı, MevcutAzalıncaUyarılsınOnayı);
    setTabOrder(MevcutAzalıncaUyarılsınOnayı, UyarılacakSayıKutusu->değerKutusu());
    setTabOrder(UyarılacakSayıKutusu->değerKutusu(), FaturaBoşKağıdaGöreYazdırılsınOnayı);
    setTabOrder(FaturaBoşKağıdaGöreYazdırılsınOnayı, İlkAyarlarDüğmesi);
    setTabOrder(İlkAyarlarDüğmesi, TamamDüğmesi);
    setTabOrder(TamamDüğmesi, İptalDüğmesi);

    // A change the user makes enables Tamam; the window's own settings of the boxes do not.
    using AlanGirişiKuralları::kaydetDüğmesiniEtkinleştir;
    kaydetDüğmesiniEtkinleştir(TümListelerÇizgiliOlsunOnayı, TamamDüğmesi);
    kaydetDüğmesiniEtkinleştir(MiktarlarOndalıklıOlsunOnayı, TamamDüğmesi);
    kaydetDüğmesiniEtkinleştir(MevcutAzalıncaUyarılsınOnayı, TamamDüğmesi);
    kaydetDüğmesiniEtkinleştir(UyarılacakSayıKutusu, TamamDüğmesi);
    kaydetDüğmesiniEtkinleştir(FaturaBoşKağıdaGöreYazdırılsınOnayı, TamamDüğmesi);
    connect(MevcutAzalıncaUyarılsınOnayı, &QCheckBox::toggled, this,
            &TercihlerFormu::MevcutAzalıncaUyarılsınOnayı_Click);
    connect(İlkAyarlarDüğmesi, &QPushButton::clicked, this, &TercihlerFormu::İlkAyarlarDüğmesi_Click);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &TercihlerFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &TercihlerFormu::İptalDüğmesi_Click);

    Form_Load();
    setFixedSize(sizeHint());
}

void TercihlerFormu::Form_Load()
{
    Altlık->setAutoFillBackground(true);
    QPalette p = Altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    Altlık->setPalette(p);

    tercihleriOku();
    TümListelerÇizgiliOlsunOnayı->setChecked(ÇizgiliListeler != 0);
    MiktarlarOndalıklıOlsunOnayı->setChecked(OndalıklıMiktar != 0);
    // The check box starts clear, so a stored warning applies the rule here. A stored "off" leaves it
    // alone: the label stays disabled, and the threshold box, disabled too, keeps its first 5, which
    // confirming stores.
    MevcutAzalıncaUyarılsınOnayı->setChecked(UyarıVar != 0);
    if (UyarıVar != 0) UyarılacakSayıKutusu->setValue(UyarılacakSayı);
    else UyarılacakSayıKutusu->setEnabled(false);
    FaturaBoşKağıdaGöreYazdırılsınOnayı->setChecked(FaturaBoşKağıdaGöre != 0);
}

void TercihlerFormu::MevcutAzalıncaUyarılsınOnayı_Click() { bağımlılıkKuralı(); }

void TercihlerFormu::bağımlılıkKuralı()
{
    const bool açık = MevcutAzalıncaUyarılsınOnayı->isChecked();
    Etiket->setEnabled(açık);
    UyarılacakSayıKutusu->setEnabled(açık);
    UyarılacakSayıKutusu->setText(açık ? QStringLiteral("5") : QStringLiteral("0"));
}

void TercihlerFormu::İlkAyarlarDüğmesi_Click()
{
    TümListelerÇizgiliOlsunOnayı->setChecked(true);
    MiktarlarOndalıklıOlsunOnayı->setChecked(true);
    MevcutAzalıncaUyarılsınOnayı->setChecked(true);
    UyarılacakSayıKutusu->setValue(5);
    UyarılacakSayıKutusu->setText(QStringLiteral("5"));
    FaturaBoşKağıdaGöreYazdırılsınOnayı->setChecked(false);
    TamamDüğmesi->setEnabled(true);
}

void TercihlerFormu::TamamDüğmesi_Click()
{
    // A threshold outside its bounds is refused before anything is stored.
    if (!UyarılacakSayıKutusu->doğrula()) return;
    auto yaz = [](const QString& anahtar, int değer) { ayarlar::yaz(A::Bölüm, anahtar, QString::number(değer)); };
    ÇizgiliListeler = onayDeğeri(TümListelerÇizgiliOlsunOnayı);
    yaz(A::ÇizgiliListeler, ÇizgiliListeler);
    OndalıklıMiktar = onayDeğeri(MiktarlarOndalıklıOlsunOnayı);
    yaz(A::OndalıklıMiktar, OndalıklıMiktar);
    UyarıVar = onayDeğeri(MevcutAzalıncaUyarılsınOnayı);
    yaz(A::UyarıVar, UyarıVar);
    tamSayıOku(UyarılacakSayıKutusu->Text(), 0, 255, UyarılacakSayı);
    yaz(A::UyarılacakSayı, UyarılacakSayı);
    FaturaBoşKağıdaGöre = onayDeğeri(FaturaBoşKağıdaGöreYazdırılsınOnayı);
    yaz(A::FaturaBoşKağıdaGöre, FaturaBoşKağıdaGöre);
    ayarlar::kaydet();
    accept();
}

// Nothing is stored and the globals keep their values; Esc and the close box come here too.
void TercihlerFormu::İptalDüğmesi_Click() { reject(); }

void TercihPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("TercihleriOku"), [](QWidget*) { TercihlerFormu::tercihleriOku(); });
    açıcılar::kaydet(QStringLiteral("TercihlerMenüsü"), [](QWidget* sahip) {
        TercihlerFormu pencere(sahip);
        pencere.exec();
    });
    açıcılar::kaydet(QStringLiteral("HakkındaMenüsü"), [](QWidget* sahip) {
        HakkındaFormu pencere(sahip);
        pencere.exec();
    });
    açıcılar::kaydet(QStringLiteral("HataBildirmeMenüsü"), [](QWidget* sahip) {
        HataBildirmeFormu pencere(sahip);
        pencere.exec();
    });
}
