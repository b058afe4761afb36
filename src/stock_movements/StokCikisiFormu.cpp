#include "stock_movements/StokCikisiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "stock_movements/StokExcelAktarimi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace stok;

namespace {

const QString AyarlarBölümü = QStringLiteral("Ayarlar");
const QString FiyatlarGizlensinAnahtarı = QStringLiteral("Fiyatlar Gizlensin");
const QString SonÇıkışAnahtarı = QStringLiteral("Son Cikis");

const QList<ListeSütunu>& çıkışSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("ÜrünNo"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("FirmaNo"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Birimi"), 1100, Qt::AlignHCenter, SütunTürü::Metin},
        {QStringLiteral("Kodu"), 1100, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Adı"), 2100, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("KDV Miktarı"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Nedeni"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Çıkışı Yapan"), 0, Qt::AlignLeft, SütunTürü::Metin},
    };
    return sütunlar;
}

QString fiyatMetni(const std::optional<double>& değer)
{
    return değer ? turkce::tutarBiçimi(*değer) : QStringLiteral("0");
}

StokÇıkışıFormu::Tanım çıkışTanımı()
{
    return {
        .seçimÇerçevesi = QStringLiteral("Çıkışı Yapılacak Ürünü Seç "),
        .kişiKutusu = QStringLiteral("ÇıkışıYapanKutusu"),
        .tarihAltlığı = QStringLiteral("Altlık(0)"),
        .listeÇerçevesi = QStringLiteral("Çıkışı Yapılacak Ürün Listesi "),
        .liste = QStringLiteral("StoktanÇıkılacakÜrünListesi"),
        .kaydetDüğmesi = QStringLiteral("ListeyiStoktanÇıkDüğmesi"),
        .kaydetMetni = QStringLiteral("Listeyi Stoktan Çı&k"),
        .boyut = QSize(780, 660),
        .sütunlar = &çıkışSütunları(),
        .düzenBölümü = StokÇıkışıFormu::DüzenBölümü,
        .kapanışUyarısı = metin::ÇıkışListesiUyarısı,
        .firmalar = alıcıFirmalar,
        .kaydet = çıkışlarıKaydet,
        .excelGörevi = ÇıkışListesiGörevi,
        .excelTablosu = çıkışListesiTablosu,
    };
}

}  // namespace

StokÇıkışıFormu::StokÇıkışıFormu(QWidget* sahip) : HareketPenceresi(sahip, çıkışTanımı())
{
    setObjectName(QStringLiteral("StokÇıkışıFormu"));
    setWindowTitle(QStringLiteral("Stoktan Çıkış İşlemleri"));
    setWindowIcon(QIcon(QStringLiteral(":/CIKIS.png")));
    pencereyiKur();
    FiyatlarGizlensinSeçeneği_->setChecked(
        ayarlar::oku(AyarlarBölümü, FiyatlarGizlensinAnahtarı, QStringLiteral("1")).toInt() != 0);
    FiyatlarGizlensinSeçeneği_Click();
    // The reason of the last close, once, while the list is still empty.
    bool tamam = false;
    int neden = ayarlar::oku(AyarlarBölümü, SonÇıkışAnahtarı, QStringLiteral("0")).toInt(&tamam);
    if (!tamam || neden < -1 || neden >= NedeniKutusu_->count()) neden = -1;
    NedeniKutusu_->setCurrentIndex(neden);
    // The boxes start empty; a choice of the product fills them.
    for (QLineEdit* k : {EnDüşükAlışKutusu_, OrtalamaAlışKutusu_, EnYüksekAlışKutusu_, KalanKutusu_}) k->clear();
    listeDurumu();
}

StokÇıkışıFormu::~StokÇıkışıFormu() = default;

void StokÇıkışıFormu::pencereyiKur()
{
    FiyatlarGizlensinSeçeneği_ = new QCheckBox(QStringLiteral("Fiyatları &Gizle "), Çerçeve0_);
    FiyatlarGizlensinSeçeneği_->setObjectName(QStringLiteral("FiyatlarGizlensinSeçeneği"));
    EnDüşükAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("EnDüşükAlışKutusu"));
    OrtalamaAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("OrtalamaAlışKutusu"));
    EnYüksekAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("EnYüksekAlışKutusu"));
    Altlık1_ = altlıkYap(Çerçeve0_, QStringLiteral("Altlık(1)"));
    NedeniKutusu_ = new QComboBox(Altlık1_);
    NedeniKutusu_->setObjectName(QStringLiteral("NedeniKutusu"));
    NedeniKutusu_->addItems(ÇıkışNedenleri);
    Altlık1_->layout()->addWidget(NedeniKutusu_);
    ToplamKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("ToplamKutusu"));
    KDVToplamıKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("KDVToplamıKutusu"));
    GenelToplamKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("GenelToplamKutusu"));

    Etiket_ = {
        etiketYap(Çerçeve0_, 0, QStringLiteral("Firm&alar (Müşteriler)"), FirmaListesi_),
        etiketYap(Çerçeve0_, 1, QStringLiteral("Firma &Bul"), FirmaBulKutusu_),
        etiketYap(Çerçeve0_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve0_, 3, QStringLiteral("Ürün B&ul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve0_, 4, QStringLiteral("Min. Fiyat :")),
        etiketYap(Çerçeve0_, 5, QStringLiteral("Ort. Fiyat :")),
        etiketYap(Çerçeve0_, 6, QStringLiteral("Max. Fiyat :")),
        etiketYap(Çerçeve0_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve0_, 8, QStringLiteral("Çıkışı &Yapan :"), kişiKutusu_),
        etiketYap(Çerçeve0_, 9, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve0_, 10, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve0_, 11, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
        etiketYap(Çerçeve0_, 12, QStringLiteral("Ne&deni :"), NedeniKutusu_),
        etiketYap(Çerçeve1_, 13, QStringLiteral("Toplam :")),
        etiketYap(Çerçeve1_, 14, QStringLiteral("Kdv Toplamı :")),
        etiketYap(Çerçeve1_, 15, QStringLiteral("Genel Toplam :")),
    };

    auto* toplamlar = new QHBoxLayout;
    toplamlar->addStretch(1);
    for (const auto& [etiket, kutu] :
         QList<QPair<int, QLineEdit*>>{{13, ToplamKutusu_}, {14, KDVToplamıKutusu_}, {15, GenelToplamKutusu_}}) {
        toplamlar->addWidget(Etiket_[etiket]);
        toplamlar->addWidget(kutu);
        kutu->setFixedWidth(110);
    }
    kur({{nullptr, FiyatlarGizlensinSeçeneği_}, {Etiket_[4], EnDüşükAlışKutusu_}, {Etiket_[5], OrtalamaAlışKutusu_},
         {Etiket_[6], EnYüksekAlışKutusu_}, {Etiket_[7], KalanKutusu_}, {Etiket_[8], kişiKutusu_},
         {Etiket_[9], tarihAltlığı_}, {Etiket_[10], MiktarıKutusu_}, {Etiket_[11], FiyatıKutusu_},
         {Etiket_[12], Altlık1_}},
        {FiyatlarGizlensinSeçeneği_, kişiKutusu_, TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_, NedeniKutusu_},
        toplamlar);
    AlanGirişiKuralları::uygula(NedeniKutusu_, AlanGirişiKuralları::Kural::EnterİleSonrakiAlan);
    connect(FiyatlarGizlensinSeçeneği_, &QCheckBox::toggled, this, [this](bool) { FiyatlarGizlensinSeçeneği_Click(); });
}

void StokÇıkışıFormu::ÜrünListesi_Click()
{
    // Nothing of the product chosen before stays: a figure that cannot be read counts as none, so that
    // no line takes another product's stock, name or prices.
    seçiliÜrün_.reset();
    alış_ = {};
    kalan_ = 0;
    QString kalanMetni = QStringLiteral("0");
    if (const qint64 no = ÜrünListesi_->seçiliNumara(); no >= 0) {
        try {
            seçiliÜrün_ = ürünBilgisi(*AçıkVeritabanı, int(no));
            alış_ = alışFiyatları(*AçıkVeritabanı, int(no));
            const StokDurumu d = ürünStoğu(*AçıkVeritabanı, int(no));
            GirişMiktarıToplamı = d.giriş;
            ÇıkışMiktarıToplamı = d.çıkış;
            kalan_ = d.kalan();
            kalanMetni = turkce::tutarBiçimi(kalan_);
        } catch (const std::exception& e) {
            seçiliÜrün_.reset();
            alış_ = {};
            kalan_ = 0;
            hatayıBildir(e);
        }
    }
    fiyatMetinleri_[0] = fiyatMetni(alış_.enDüşük);
    fiyatMetinleri_[1] = fiyatMetni(alış_.ortalama);
    fiyatMetinleri_[2] = fiyatMetni(alış_.enYüksek);
    FiyatlarGizlensinSeçeneği_Click();
    KalanKutusu_->setText(kalanMetni);
}

void StokÇıkışıFormu::FiyatlarGizlensinSeçeneği_Click()
{
    // Only what the boxes show changes; the add reads the lowest price from the product choice.
    const bool gizli = FiyatlarGizlensinSeçeneği_->isChecked();
    QLineEdit* kutular[3] = {EnDüşükAlışKutusu_, OrtalamaAlışKutusu_, EnYüksekAlışKutusu_};
    for (int i = 0; i < 3; ++i) {
        if (kutular[i]->text().isEmpty() && fiyatMetinleri_[i].isEmpty()) continue;
        kutular[i]->setText(gizli ? QString(fiyatMetinleri_[i].size(), QLatin1Char('*')) : fiyatMetinleri_[i]);
    }
}

void StokÇıkışıFormu::ToplamlarıHesapla()
{
    const Toplamlar t = toplamlarıHesapla(satırlar());
    ToplamKutusu_->setText(turkce::tutarBiçimi(t.tutar));
    KDVToplamıKutusu_->setText(turkce::tutarBiçimi(t.kdv));
    GenelToplamKutusu_->setText(turkce::tutarBiçimi(t.genel));
}

void StokÇıkışıFormu::toplamlarıBoşalt()
{
    ToplamKutusu_->clear();
    KDVToplamıKutusu_->clear();
    GenelToplamKutusu_->clear();
}

void StokÇıkışıFormu::ListeyeEkleDüğmesi_Click()
{
    ÇıkışGirdisi g;
    g.neden = NedeniKutusu_->currentIndex();
    // A receipt sale goes to the reserved buyer: a firm that was chosen loses its selection.
    if (g.neden == FişliSatışNedeni) seçimiKaldır(FirmaListesi_);
    g.firmaNo = seçiliKayıt(FirmaListesi_);
    g.ürünNo = seçiliKayıt(ÜrünListesi_);
    g.stok = kalan_;
    g.tarih = TarihiKutusu_->date();
    g.miktarMetni = MiktarıKutusu_->text();
    g.fiyatMetni = FiyatıKutusu_->text();
    if (reddedildi(çıkışSatırınıDenetle(g, satırlar()))) return;
    const double fiyat = paraDeğeri(turkce::sayıOku(g.fiyatMetni));
    if (satışFiyatıAlıştanDüşükMü(g.neden, fiyat, alış_.enDüşük)
        && mesaj::göster(metin::AlıştanDüşükSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır) {
        FiyatıKutusu_->setFocus();
        return;
    }
    if (FiyatıKutusu_->text().trimmed().isEmpty()) FiyatıKutusu_->setText(QStringLiteral("0"));
    const std::optional<int> kişiNo = kişiNumarası();
    if (!kişiNo) return;  // no line for a person that was not written

    ÇıkışSatırı s;
    s.ürünNo = *g.ürünNo;
    if (g.neden == FişliSatışNedeni) {
        s.firmaNo = FişliSatışFirması;
        s.firmaAdı = ÇıkışNedenleri.value(FişliSatışNedeni);
    } else {
        s.firmaNo = *g.firmaNo;
        s.firmaAdı = FirmaListesi_->metin(FirmaListesi_->seçiliSatır());
    }
    s.tarih = g.tarih;
    s.miktar = turkce::sayıOku(g.miktarMetni);
    s.fiyat = fiyat;
    const ÜrünBilgisi ürün = seçiliÜrün_.value_or(ÜrünBilgisi{});
    s.birimi = ürün.birimi;
    s.kodu = ürün.kodu;
    s.adı = seçiliÜrün_ ? ürün.adı : ÜrünListesi_->metin(ÜrünListesi_->seçiliSatır());
    s.kdvOranı = kuruşDeğeri(ürün.kdvOranı.value_or(0));
    s.nedeni = g.neden;
    s.çıkışıYapan = *kişiNo;
    satırıEkle(s);  // the reason and the firm stay for the next line
}

void StokÇıkışıFormu::listeDurumu()
{
    HareketPenceresi::listeDurumu();
    const bool dolu = liste_->satırSayısı() > 0;
    for (QWidget* w : QList<QWidget*>{NedeniKutusu_, FirmaListesi_, FirmaBulKutusu_}) w->setEnabled(!dolu);
}

void StokÇıkışıFormu::odakla(Alan alan)
{
    if (alan == Alan::NedeniKutusu) NedeniKutusu_->setFocus();
    else HareketPenceresi::odakla(alan);
}

void StokÇıkışıFormu::ayarlarıYaz()
{
    ayarlar::yaz(AyarlarBölümü, FiyatlarGizlensinAnahtarı,
                 QString::number(FiyatlarGizlensinSeçeneği_->isChecked() ? 1 : 0));
    ayarlar::yaz(AyarlarBölümü, SonÇıkışAnahtarı, QString::number(NedeniKutusu_->currentIndex()));
}
