#include "stock_movements/StokCikisiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/ExcelAktarimi.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "stock_movements/StokExcelAktarimi.h"
#include "stock_movements/StokPencereOrtak.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace stok;
using K = AlanGirişiKuralları::Kural;

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

}  // namespace

StokÇıkışıFormu::StokÇıkışıFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("StokÇıkışıFormu"));
    setWindowTitle(QStringLiteral("Stoktan Çıkış İşlemleri"));
    setWindowIcon(QIcon(QStringLiteral(":/CIKIS.png")));
    pencereyiKur();

    StoktanÇıkılacakÜrünListesi_->sütunlarıKur(çıkışSütunları());
    StoktanÇıkılacakÜrünListesi_->düzeniOku(DüzenBölümü);
    listeleriDoldur();
    FiyatlarGizlensinSeçeneği_->setChecked(
        ayarlar::oku(AyarlarBölümü, FiyatlarGizlensinAnahtarı, QStringLiteral("1")).toInt() != 0);
    FiyatlarGizlensinSeçeneği_Click();
    TarihiKutusu_->setDate(QDate::currentDate());
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
    // --- The choice and entry controls ---------------------------------------------------------------
    Çerçeve0_ = new QGroupBox(QStringLiteral("Çıkışı Yapılacak Ürünü Seç "), this);
    Çerçeve0_->setObjectName(QStringLiteral("Çerçeve(0)"));

    FirmaListesi_ = new SıralıListeKutusu(Çerçeve0_);
    FirmaListesi_->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaBulKutusu_ = new QLineEdit(Çerçeve0_);
    FirmaBulKutusu_->setObjectName(QStringLiteral("FirmaBulKutusu"));
    ÜrünListesi_ = new SıralıListeKutusu(Çerçeve0_);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu_ = new QLineEdit(Çerçeve0_);
    ÜrünBulKutusu_->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    FiyatlarGizlensinSeçeneği_ = new QCheckBox(QStringLiteral("Fiyatları &Gizle "), Çerçeve0_);
    FiyatlarGizlensinSeçeneği_->setObjectName(QStringLiteral("FiyatlarGizlensinSeçeneği"));
    EnDüşükAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("EnDüşükAlışKutusu"));
    OrtalamaAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("OrtalamaAlışKutusu"));
    EnYüksekAlışKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("EnYüksekAlışKutusu"));
    KalanKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("KalanKutusu"));
    ÇıkışıYapanKutusu_ = new QComboBox(Çerçeve0_);
    ÇıkışıYapanKutusu_->setObjectName(QStringLiteral("ÇıkışıYapanKutusu"));
    ÇıkışıYapanKutusu_->setEditable(true);
    ÇıkışıYapanKutusu_->setInsertPolicy(QComboBox::NoInsert);
    ÇıkışıYapanKutusu_->setCompleter(nullptr);
    Altlık0_ = altlıkYap(Çerçeve0_, QStringLiteral("Altlık(0)"));
    TarihiKutusu_ = tarihKutusu(Altlık0_);
    MiktarıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("MiktarıKutusu"));
    FiyatıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("FiyatıKutusu"));
    Altlık1_ = altlıkYap(Çerçeve0_, QStringLiteral("Altlık(1)"));
    NedeniKutusu_ = new QComboBox(Altlık1_);
    NedeniKutusu_->setObjectName(QStringLiteral("NedeniKutusu"));
    NedeniKutusu_->addItems(ÇıkışNedenleri);
    Altlık1_->layout()->addWidget(NedeniKutusu_);
    ListeyeEkleDüğmesi_ = düğmeYap(Çerçeve0_, QStringLiteral("ListeyeEkleDüğmesi"), QStringLiteral("Listeye &Ekle"));

    // --- The working list and its totals -------------------------------------------------------------
    Çerçeve1_ = new QGroupBox(QStringLiteral("Çıkışı Yapılacak Ürün Listesi "), this);
    Çerçeve1_->setObjectName(QStringLiteral("Çerçeve(1)"));
    StoktanÇıkılacakÜrünListesi_ = new ListeGörünümü(Çerçeve1_);
    StoktanÇıkılacakÜrünListesi_->setObjectName(QStringLiteral("StoktanÇıkılacakÜrünListesi"));
    ToplamKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("ToplamKutusu"));
    KDVToplamıKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("KDVToplamıKutusu"));
    GenelToplamKutusu_ = göstergeKutusu(Çerçeve1_, QStringLiteral("GenelToplamKutusu"));
    ListeyiStoktanÇıkDüğmesi_ =
        düğmeYap(Çerçeve1_, QStringLiteral("ListeyiStoktanÇıkDüğmesi"), QStringLiteral("Listeyi Stoktan Çı&k"));
    ÜrünüListedenÇıkarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ÜrünüListedenÇıkarDüğmesi"),
                                          QStringLiteral("&Seçili Ürünü Listeden Çıkar"));
    ListeyiTemizleDüğmesi_ =
        düğmeYap(Çerçeve1_, QStringLiteral("ListeyiTemizleDüğmesi"), QStringLiteral("Listeyi Temi&zle"));
    ListeyiExceleAktarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ListeyiExceleAktarDüğmesi"),
                                          QStringLiteral("Listeyi Microsoft E&xcel'e Aktar"));

    Etiket_ = {
        etiketYap(Çerçeve0_, 0, QStringLiteral("Firm&alar (Müşteriler)"), FirmaListesi_),
        etiketYap(Çerçeve0_, 1, QStringLiteral("Firma &Bul"), FirmaBulKutusu_),
        etiketYap(Çerçeve0_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve0_, 3, QStringLiteral("Ürün B&ul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve0_, 4, QStringLiteral("Min. Fiyat :")),
        etiketYap(Çerçeve0_, 5, QStringLiteral("Ort. Fiyat :")),
        etiketYap(Çerçeve0_, 6, QStringLiteral("Max. Fiyat :")),
        etiketYap(Çerçeve0_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve0_, 8, QStringLiteral("Çıkışı &Yapan :"), ÇıkışıYapanKutusu_),
        etiketYap(Çerçeve0_, 9, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve0_, 10, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve0_, 11, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
        etiketYap(Çerçeve0_, 12, QStringLiteral("Ne&deni :"), NedeniKutusu_),
        etiketYap(Çerçeve1_, 13, QStringLiteral("Toplam :")),
        etiketYap(Çerçeve1_, 14, QStringLiteral("Kdv Toplamı :")),
        etiketYap(Çerçeve1_, 15, QStringLiteral("Genel Toplam :")),
    };

    auto* firmaSütunu = new QVBoxLayout;
    firmaSütunu->addWidget(Etiket_[0]);
    firmaSütunu->addWidget(FirmaListesi_, 1);
    firmaSütunu->addWidget(Etiket_[1]);
    firmaSütunu->addWidget(FirmaBulKutusu_);
    auto* ürünSütunu = new QVBoxLayout;
    ürünSütunu->addWidget(Etiket_[2]);
    ürünSütunu->addWidget(ÜrünListesi_, 1);
    ürünSütunu->addWidget(Etiket_[3]);
    ürünSütunu->addWidget(ÜrünBulKutusu_);
    auto* alanlar = new QGridLayout;
    alanlar->addWidget(FiyatlarGizlensinSeçeneği_, 0, 1);
    const QList<QPair<int, QWidget*>> kutular = {
        {4, EnDüşükAlışKutusu_}, {5, OrtalamaAlışKutusu_}, {6, EnYüksekAlışKutusu_}, {7, KalanKutusu_},
        {8, ÇıkışıYapanKutusu_}, {9, Altlık0_},           {10, MiktarıKutusu_},     {11, FiyatıKutusu_},
        {12, Altlık1_}};
    int sıra = 1;
    for (const auto& [etiket, kutu] : kutular) {
        alanlar->addWidget(Etiket_[etiket], sıra, 0, Qt::AlignRight);
        alanlar->addWidget(kutu, sıra++, 1);
    }
    alanlar->addWidget(ListeyeEkleDüğmesi_, sıra, 1);
    alanlar->setRowStretch(sıra + 1, 1);
    auto* üstDüzen = new QHBoxLayout(Çerçeve0_);
    üstDüzen->addLayout(firmaSütunu, 3);
    üstDüzen->addLayout(ürünSütunu, 3);
    üstDüzen->addLayout(alanlar, 3);
    FirmaListesi_->setMinimumHeight(150);

    auto* toplamlar = new QHBoxLayout;
    toplamlar->addStretch(1);
    for (const auto& [etiket, kutu] :
         QList<QPair<int, QLineEdit*>>{{13, ToplamKutusu_}, {14, KDVToplamıKutusu_}, {15, GenelToplamKutusu_}}) {
        toplamlar->addWidget(Etiket_[etiket]);
        toplamlar->addWidget(kutu);
        kutu->setFixedWidth(110);
    }
    auto* listeDüğmeleri = new QHBoxLayout;
    for (QPushButton* d : {ListeyiStoktanÇıkDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_,
                           ListeyiExceleAktarDüğmesi_})
        listeDüğmeleri->addWidget(d);
    auto* altDüzen = new QVBoxLayout(Çerçeve1_);
    altDüzen->addWidget(StoktanÇıkılacakÜrünListesi_, 1);
    altDüzen->addLayout(toplamlar);
    altDüzen->addLayout(listeDüğmeleri);

    KapatDüğmesi_ = düğmeYap(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    auto* kapatSırası = new QHBoxLayout;
    kapatSırası->addStretch(1);
    kapatSırası->addWidget(KapatDüğmesi_);

    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Çerçeve0_, 5);
    düzen->addWidget(Çerçeve1_, 6);
    düzen->addLayout(kapatSırası);
    boyutuAyarla(this, 780, 660);

    // --- Focus order and box behaviours --------------------------------------------------------------
    QWidget* önceki = nullptr;
    for (QWidget* w : QList<QWidget*>{FirmaListesi_, FirmaBulKutusu_, ÜrünListesi_, ÜrünBulKutusu_,
                                      FiyatlarGizlensinSeçeneği_, ÇıkışıYapanKutusu_, TarihiKutusu_, MiktarıKutusu_,
                                      FiyatıKutusu_, NedeniKutusu_, ListeyeEkleDüğmesi_, StoktanÇıkılacakÜrünListesi_,
                                      ListeyiStoktanÇıkDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_,
                                      ListeyiExceleAktarDüğmesi_, KapatDüğmesi_}) {
        if (önceki) setTabOrder(önceki, w);
        önceki = w;
    }
    using AlanGirişiKuralları::uygula;
    const auto odak = K::EtiketVurgusu | K::EnterİleSonrakiAlan;
    const auto tutar = K::TümünüSeç | odak | K::SayıTuşSüzgeci | K::SayıOlmayanıSil | K::TutarBiçimi;
    uygula(FirmaListesi_, odak, Etiket_[0]);
    uygula(FirmaBulKutusu_, odak | K::TürkçeBüyükHarf, Etiket_[1]);
    uygula(ÜrünListesi_, odak, Etiket_[2]);
    uygula(ÜrünBulKutusu_, odak | K::TürkçeBüyükHarf, Etiket_[3]);
    uygula(TarihiKutusu_, K::EtiketVurgusu, Etiket_[9]);
    uygula(MiktarıKutusu_, tutar, Etiket_[10]);
    uygula(FiyatıKutusu_, tutar, Etiket_[11]);
    uygula(ÇıkışıYapanKutusu_, odak | K::TürkçeBüyükHarf, Etiket_[8]);
    uygula(NedeniKutusu_, K::EnterİleSonrakiAlan);
    AlanGirişiKuralları::listedeBul(FirmaBulKutusu_, FirmaListesi_);
    AlanGirişiKuralları::listedeBul(ÜrünBulKutusu_, ÜrünListesi_);

    // --- Events --------------------------------------------------------------------------------------
    connect(ÜrünListesi_, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    connect(FiyatlarGizlensinSeçeneği_, &QCheckBox::toggled, this, [this](bool) { FiyatlarGizlensinSeçeneği_Click(); });
    connect(ListeyeEkleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
    connect(ListeyiStoktanÇıkDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiStoktanÇıkDüğmesi_Click(); });
    connect(ÜrünüListedenÇıkarDüğmesi_, &QPushButton::clicked, this, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(ListeyiTemizleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiTemizleDüğmesi_Click(); });
    connect(ListeyiExceleAktarDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
    çiftTıklamada(StoktanÇıkılacakÜrünListesi_, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { reject(); });
}

void StokÇıkışıFormu::listeleriDoldur()
{
    if (!AçıkVeritabanı) return;
    auto girdiler = [](const QList<AdNo>& liste) {
        QList<ListeGirdisi> g;
        g.reserve(liste.size());
        for (const AdNo& a : liste) g.append({a.ad, a.no});
        return g;
    };
    try {
        ÜrünListesi_->doldur(girdiler(ürünler(*AçıkVeritabanı)));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    try {
        FirmaListesi_->doldur(girdiler(alıcıFirmalar(*AçıkVeritabanı)));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    try {
        for (const AdNo& k : kişiler(*AçıkVeritabanı)) ÇıkışıYapanKutusu_->addItem(k.ad, k.no);
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    ÇıkışıYapanKutusu_->setCurrentIndex(-1);
    ÇıkışıYapanKutusu_->setEditText(QString());
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
    if (g.neden == FişliSatışNedeni) {
        FirmaListesi_->setCurrentRow(-1);
        FirmaListesi_->clearSelection();
    }
    if (FirmaListesi_->seçiliNumara() >= 0) g.firmaNo = int(FirmaListesi_->seçiliNumara());
    if (ÜrünListesi_->seçiliNumara() >= 0) g.ürünNo = int(ÜrünListesi_->seçiliNumara());
    g.stok = kalan_;
    g.tarih = TarihiKutusu_->date();
    g.miktarMetni = MiktarıKutusu_->text();
    g.fiyatMetni = FiyatıKutusu_->text();
    if (const auto ret = çıkışSatırınıDenetle(g, satırlar())) {
        mesaj::göster(ret->metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam);
        if (ret->stokMiktaraYazılsın) MiktarıKutusu_->setText(KalanKutusu_->text());
        odakla(ret->odak);
        return;
    }
    const double fiyat = paraDeğeri(turkce::sayıOku(g.fiyatMetni));
    if (satışFiyatıAlıştanDüşükMü(g.neden, fiyat, alış_.enDüşük)
        && mesaj::göster(metin::AlıştanDüşükSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır) {
        FiyatıKutusu_->setFocus();
        return;
    }
    if (FiyatıKutusu_->text().trimmed().isEmpty()) FiyatıKutusu_->setText(QStringLiteral("0"));

    // The person: found in the box without regard to letter case, or added to the people table first.
    int kişiNo = 0;
    const QString kişi = ÇıkışıYapanKutusu_->currentText().trimmed();
    if (!kişi.isEmpty()) {
        const int sıra = AlanGirişiKuralları::listedeTamBul(ÇıkışıYapanKutusu_, kişi);
        if (sıra >= 0) {
            kişiNo = ÇıkışıYapanKutusu_->itemData(sıra).toInt();
        } else {
            try {
                kişiNo = kişiEkle(*AçıkVeritabanı, kişi);
            } catch (const std::exception& e) {
                hatayıBildir(e);
                return;  // no line for a person that was not written
            }
            ÇıkışıYapanKutusu_->addItem(kişi, kişiNo);
            ÇıkışıYapanKutusu_->setCurrentIndex(ÇıkışıYapanKutusu_->count() - 1);
        }
    }

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
    s.çıkışıYapan = kişiNo;
    const qint64 no = ++sonSatırNo_;
    satırlar_.insert(no, s);
    StoktanÇıkılacakÜrünListesi_->satırEkle(sütunMetinleri(s), no);
    ToplamlarıHesapla();

    // Ready for the next line, with the same reason and firm: the date and the person stay.
    ÜrünListesi_->setCurrentRow(-1);
    ÜrünListesi_->clearSelection();
    MiktarıKutusu_->clear();
    FiyatıKutusu_->clear();
    listeDurumu();
    ÜrünListesi_->setFocus();
}

QList<ÇıkışSatırı> StokÇıkışıFormu::satırlar() const
{
    QList<ÇıkışSatırı> liste;
    const int n = StoktanÇıkılacakÜrünListesi_->satırSayısı();
    liste.reserve(n);
    for (int i = 0; i < n; ++i) liste.append(satırlar_.value(StoktanÇıkılacakÜrünListesi_->satırDeğeri(i)));
    return liste;
}

void StokÇıkışıFormu::ListeyiStoktanÇıkDüğmesi_Click()
{
    const QList<ÇıkışSatırı> liste = satırlar();
    if (liste.isEmpty()) return;
    try {
        if (const auto ret = çıkışlarıKaydet(*AçıkVeritabanı, liste)) {
            StoktanÇıkılacakÜrünListesi_->satırıSeç(ret->satır);
            mesaj::göster(ret->metin,
                          ret->neden == KayıtRet::Neden::StokYetmiyor ? mesaj::Simge::Bilgi : mesaj::Simge::Ünlem,
                          mesaj::Düğmeler::Tamam);
            return;
        }
    } catch (const std::exception& e) {
        hatayıBildir(e);  // nothing was written; the list stays for another try
        return;
    }
    toplamlarıBoşalt();
    ListeyiTemizleDüğmesi_Click();
}

void StokÇıkışıFormu::ÜrünüListedenÇıkarDüğmesi_Click()
{
    ListeGörünümü* liste = StoktanÇıkılacakÜrünListesi_;
    const int satır = liste->seçiliSatır();
    if (satır < 0) return;
    SeçiliSıra = satır + 1;
    satırlar_.remove(liste->satırDeğeri(satır));
    liste->satırSil(satır);
    if (liste->satırSayısı() == 0) {
        listeDurumu();
    } else {
        liste->satırıSeç(SeçiliSıra > 1 ? SeçiliSıra - 2 : 0);
        liste->setFocus();
    }
    ToplamlarıHesapla();
}

void StokÇıkışıFormu::ListeyiTemizleDüğmesi_Click()
{
    StoktanÇıkılacakÜrünListesi_->temizle();
    satırlar_.clear();
    listeDurumu();
    toplamlarıBoşalt();
}

void StokÇıkışıFormu::ListeyiExceleAktarDüğmesi_Click()
{
    ExcelAktarmayıBaşlat(this, ÇıkışListesiGörevi, StoktanÇıkılacakÜrünListesi_->satırSayısı(), [this](QProgressBar& çubuk) { MSExceleAktar(çubuk); });
}

void StokÇıkışıFormu::MSExceleAktar(QProgressBar& çubuk) { ListeyiExceleAktar(çubuk, çıkışListesiTablosu(*StoktanÇıkılacakÜrünListesi_)); }

void StokÇıkışıFormu::listeDurumu()
{
    const bool dolu = StoktanÇıkılacakÜrünListesi_->satırSayısı() > 0;
    Çerçeve1_->setEnabled(dolu);
    for (QPushButton* d : {ListeyiStoktanÇıkDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_,
                           ListeyiExceleAktarDüğmesi_})
        d->setEnabled(dolu);
    // Every line of one list has the reason and the firm of the first.
    for (QWidget* w : QList<QWidget*>{NedeniKutusu_, FirmaListesi_, FirmaBulKutusu_}) w->setEnabled(!dolu);
}

void StokÇıkışıFormu::odakla(Alan alan)
{
    switch (alan) {
    case Alan::NedeniKutusu: NedeniKutusu_->setFocus(); break;
    case Alan::FirmaListesi: FirmaListesi_->setFocus(); break;
    case Alan::ÜrünListesi: ÜrünListesi_->setFocus(); break;
    case Alan::TarihiKutusu: TarihiKutusu_->setFocus(); break;
    case Alan::MiktarıKutusu: MiktarıKutusu_->setFocus(); break;
    case Alan::FiyatıKutusu: FiyatıKutusu_->setFocus(); break;
    default: break;
    }
}

bool StokÇıkışıFormu::kapanabilirMi()
{
    if (StoktanÇıkılacakÜrünListesi_->satırSayısı() > 0
        && mesaj::göster(metin::ÇıkışListesiUyarısı, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır)
        return false;
    StoktanÇıkılacakÜrünListesi_->düzeniYaz(DüzenBölümü);
    ayarlar::yaz(AyarlarBölümü, FiyatlarGizlensinAnahtarı,
                 QString::number(FiyatlarGizlensinSeçeneği_->isChecked() ? 1 : 0));
    ayarlar::yaz(AyarlarBölümü, SonÇıkışAnahtarı, QString::number(NedeniKutusu_->currentIndex()));
    return true;
}

void StokÇıkışıFormu::reject()
{
    if (kapanabilirMi()) QDialog::reject();
}
