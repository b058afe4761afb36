#include "stock_movements/StokGirisiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/ExcelAktarimi.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "stock_movements/StokExcelAktarimi.h"
#include "stock_movements/StokPencereOrtak.h"

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

const QList<ListeSütunu>& girişSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("ÜrünNo"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("FirmaNo"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Firması"), 1600, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Birimi"), 1000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Kodu"), 1000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Girişi Yapan"), 0, Qt::AlignLeft, SütunTürü::Metin},
    };
    return sütunlar;
}

}  // namespace

StokGirişiFormu::StokGirişiFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("StokGirişiFormu"));
    setWindowTitle(QStringLiteral("Stoğa Giriş İşlemleri"));
    setWindowIcon(QIcon(QStringLiteral(":/GIRIS.png")));
    pencereyiKur();

    StoğaGirilecekÜrünListesi_->sütunlarıKur(girişSütunları());
    StoğaGirilecekÜrünListesi_->düzeniOku(DüzenBölümü);
    listeleriDoldur();
    TarihiKutusu_->setDate(QDate::currentDate());
    ÜrünListesi_Click();
    listeDurumu();
}

StokGirişiFormu::~StokGirişiFormu() = default;

void StokGirişiFormu::pencereyiKur()
{
    // --- The choice and entry controls ---------------------------------------------------------------
    Çerçeve0_ = new QGroupBox(QStringLiteral("Girişi Yapılacak Ürünü Seç "), this);
    Çerçeve0_->setObjectName(QStringLiteral("Çerçeve(0)"));

    FirmaListesi_ = new SıralıListeKutusu(Çerçeve0_);
    FirmaListesi_->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaBulKutusu_ = new QLineEdit(Çerçeve0_);
    FirmaBulKutusu_->setObjectName(QStringLiteral("FirmaBulKutusu"));
    ÜrünListesi_ = new SıralıListeKutusu(Çerçeve0_);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu_ = new QLineEdit(Çerçeve0_);
    ÜrünBulKutusu_->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    ÜrünKoduKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("ÜrünKoduKutusu"), false);
    MiktarBirimiKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("MiktarBirimiKutusu"), false);
    KDVOranıKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("KDVOranıKutusu"));
    KalanKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("KalanKutusu"));
    GirişiYapanKutusu_ = new QComboBox(Çerçeve0_);
    GirişiYapanKutusu_->setObjectName(QStringLiteral("GirişiYapanKutusu"));
    GirişiYapanKutusu_->setEditable(true);
    GirişiYapanKutusu_->setInsertPolicy(QComboBox::NoInsert);
    GirişiYapanKutusu_->setCompleter(nullptr);
    Altlık_ = altlıkYap(Çerçeve0_, QStringLiteral("Altlık"));
    TarihiKutusu_ = tarihKutusu(Altlık_);
    MiktarıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("MiktarıKutusu"));
    FiyatıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("FiyatıKutusu"));
    ListeyeEkleDüğmesi_ = düğmeYap(Çerçeve0_, QStringLiteral("ListeyeEkleDüğmesi"), QStringLiteral("Listeye &Ekle"));

    Etiket_ = {
        etiketYap(Çerçeve0_, 0, QStringLiteral("Firm&alar (Satıcılar)"), FirmaListesi_),
        etiketYap(Çerçeve0_, 1, QStringLiteral("Firma B&ul"), FirmaBulKutusu_),
        etiketYap(Çerçeve0_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve0_, 3, QStringLiteral("Ürün &Bul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve0_, 4, QStringLiteral("Kodu :")),
        etiketYap(Çerçeve0_, 5, QStringLiteral("Birimi :")),
        etiketYap(Çerçeve0_, 6, QStringLiteral("KDV :")),
        etiketYap(Çerçeve0_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve0_, 8, QStringLiteral("&Girişi Yapan :"), GirişiYapanKutusu_),
        etiketYap(Çerçeve0_, 9, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve0_, 10, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve0_, 11, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
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
    const QList<QWidget*> kutular = {ÜrünKoduKutusu_, MiktarBirimiKutusu_, KDVOranıKutusu_, KalanKutusu_,
                                     GirişiYapanKutusu_, Altlık_, MiktarıKutusu_, FiyatıKutusu_};
    for (int i = 0; i < kutular.size(); ++i) {
        alanlar->addWidget(Etiket_[4 + i], i, 0, Qt::AlignRight);
        alanlar->addWidget(kutular[i], i, 1);
    }
    alanlar->addWidget(ListeyeEkleDüğmesi_, int(kutular.size()), 1);
    alanlar->setRowStretch(int(kutular.size()) + 1, 1);
    auto* üstDüzen = new QHBoxLayout(Çerçeve0_);
    üstDüzen->addLayout(firmaSütunu, 3);
    üstDüzen->addLayout(ürünSütunu, 3);
    üstDüzen->addLayout(alanlar, 3);
    FirmaListesi_->setMinimumHeight(150);

    // --- The working list ----------------------------------------------------------------------------
    Çerçeve1_ = new QGroupBox(QStringLiteral("Girişi Yapılacak Ürün Listesi "), this);
    Çerçeve1_->setObjectName(QStringLiteral("Çerçeve(1)"));
    StoğaGirilecekÜrünListesi_ = new ListeGörünümü(Çerçeve1_);
    StoğaGirilecekÜrünListesi_->setObjectName(QStringLiteral("StoğaGirilecekÜrünListesi"));
    ListeyiStoğaEkleDüğmesi_ =
        düğmeYap(Çerçeve1_, QStringLiteral("ListeyiStoğaEkleDüğmesi"), QStringLiteral("Listeyi Stoğa E&kle"));
    ÜrünüListedenÇıkarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ÜrünüListedenÇıkarDüğmesi"),
                                       QStringLiteral("&Seçili Ürünü Listeden Çıkar"));
    ListeyiTemizleDüğmesi_ =
        düğmeYap(Çerçeve1_, QStringLiteral("ListeyiTemizleDüğmesi"), QStringLiteral("Listeyi Temi&zle"));
    ListeyiExceleAktarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ListeyiExceleAktarDüğmesi"),
                                       QStringLiteral("Listeyi Microsoft E&xcel'e Aktar"));
    auto* listeDüğmeleri = new QHBoxLayout;
    for (QPushButton* d :
         {ListeyiStoğaEkleDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_, ListeyiExceleAktarDüğmesi_})
        listeDüğmeleri->addWidget(d);
    auto* altDüzen = new QVBoxLayout(Çerçeve1_);
    altDüzen->addWidget(StoğaGirilecekÜrünListesi_, 1);
    altDüzen->addLayout(listeDüğmeleri);

    KapatDüğmesi_ = düğmeYap(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    auto* kapatSırası = new QHBoxLayout;
    kapatSırası->addStretch(1);
    kapatSırası->addWidget(KapatDüğmesi_);

    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Çerçeve0_, 5);
    düzen->addWidget(Çerçeve1_, 6);
    düzen->addLayout(kapatSırası);
    boyutuAyarla(this, 760, 600);

    // --- Focus order and box behaviours --------------------------------------------------------------
    QWidget* önceki = nullptr;
    for (QWidget* w : QList<QWidget*>{FirmaListesi_, FirmaBulKutusu_, ÜrünListesi_, ÜrünBulKutusu_, GirişiYapanKutusu_,
                                      TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_, ListeyeEkleDüğmesi_,
                                      StoğaGirilecekÜrünListesi_, ListeyiStoğaEkleDüğmesi_, ÜrünüListedenÇıkarDüğmesi_,
                                      ListeyiTemizleDüğmesi_, ListeyiExceleAktarDüğmesi_, KapatDüğmesi_}) {
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
    uygula(GirişiYapanKutusu_, odak | K::TürkçeBüyükHarf, Etiket_[8]);
    AlanGirişiKuralları::listedeBul(FirmaBulKutusu_, FirmaListesi_);
    AlanGirişiKuralları::listedeBul(ÜrünBulKutusu_, ÜrünListesi_);

    // --- Events --------------------------------------------------------------------------------------
    connect(ÜrünListesi_, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    connect(ListeyeEkleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
    connect(ListeyiStoğaEkleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiStoğaEkleDüğmesi_Click(); });
    connect(ÜrünüListedenÇıkarDüğmesi_, &QPushButton::clicked, this, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(ListeyiTemizleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiTemizleDüğmesi_Click(); });
    connect(ListeyiExceleAktarDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
    çiftTıklamada(StoğaGirilecekÜrünListesi_, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { reject(); });
}

void StokGirişiFormu::listeleriDoldur()
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
        FirmaListesi_->doldur(girdiler(satıcıFirmalar(*AçıkVeritabanı)));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    try {
        for (const AdNo& k : kişiler(*AçıkVeritabanı)) GirişiYapanKutusu_->addItem(k.ad, k.no);
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    GirişiYapanKutusu_->setCurrentIndex(-1);
    GirişiYapanKutusu_->setEditText(QString());
}

void StokGirişiFormu::ÜrünListesi_Click()
{
    const qint64 no = ÜrünListesi_->seçiliNumara();
    // Emptied first, so that a read that fails shows no figures of the product chosen before.
    seçiliÜrün_.reset();
    ÜrünKoduKutusu_->clear();
    MiktarBirimiKutusu_->clear();
    KDVOranıKutusu_->clear();
    FiyatıKutusu_->clear();
    KalanKutusu_->setText(QStringLiteral("0"));
    if (no < 0) return;
    try {
        seçiliÜrün_ = ürünBilgisi(*AçıkVeritabanı, int(no));
        const ÜrünBilgisi b = seçiliÜrün_.value_or(ÜrünBilgisi{});
        ÜrünKoduKutusu_->setText(b.kodu);
        MiktarBirimiKutusu_->setText(b.birimi);
        KDVOranıKutusu_->setText(b.kdvOranı ? turkce::tutarBiçimi(*b.kdvOranı) : QString());
        // The product's price is offered as the unit price of the entry.
        FiyatıKutusu_->setText(turkce::tutarBiçimi(b.fiyatı.value_or(0)));
        const StokDurumu d = ürünStoğu(*AçıkVeritabanı, int(no));
        GirişMiktarıToplamı = d.giriş;
        ÇıkışMiktarıToplamı = d.çıkış;
        KalanKutusu_->setText(turkce::tutarBiçimi(d.kalan()));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
}

void StokGirişiFormu::ListeyeEkleDüğmesi_Click()
{
    GirişGirdisi g;
    if (FirmaListesi_->seçiliNumara() >= 0) g.firmaNo = int(FirmaListesi_->seçiliNumara());
    if (ÜrünListesi_->seçiliNumara() >= 0) g.ürünNo = int(ÜrünListesi_->seçiliNumara());
    g.tarih = TarihiKutusu_->date();
    g.miktarMetni = MiktarıKutusu_->text();
    g.fiyatMetni = FiyatıKutusu_->text();
    if (const auto ret = girişSatırınıDenetle(g, satırlar())) {
        mesaj::göster(ret->metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam);
        odakla(ret->odak);
        return;
    }

    // The person: found in the box without regard to letter case, or added to the people table first.
    int kişiNo = 0;
    const QString kişi = GirişiYapanKutusu_->currentText().trimmed();
    if (!kişi.isEmpty()) {
        const int sıra = AlanGirişiKuralları::listedeTamBul(GirişiYapanKutusu_, kişi);
        if (sıra >= 0) {
            kişiNo = GirişiYapanKutusu_->itemData(sıra).toInt();
        } else {
            try {
                kişiNo = kişiEkle(*AçıkVeritabanı, kişi);
            } catch (const std::exception& e) {
                hatayıBildir(e);
                return;  // no line for a person that was not written
            }
            GirişiYapanKutusu_->addItem(kişi, kişiNo);
            GirişiYapanKutusu_->setCurrentIndex(GirişiYapanKutusu_->count() - 1);
        }
    }

    GirişSatırı s;
    s.ürünNo = *g.ürünNo;
    s.firmaNo = *g.firmaNo;
    s.firmaAdı = FirmaListesi_->metin(FirmaListesi_->seçiliSatır());
    s.tarih = g.tarih;
    s.miktar = turkce::sayıOku(g.miktarMetni);
    s.fiyat = paraDeğeri(turkce::sayıOku(g.fiyatMetni));
    if (seçiliÜrün_) {
        s.birimi = seçiliÜrün_->birimi;
        s.kodu = seçiliÜrün_->kodu;
        s.kdvOranı = seçiliÜrün_->kdvOranı;
    }
    s.adı = ÜrünListesi_->metin(ÜrünListesi_->seçiliSatır());
    s.girişiYapan = kişiNo;
    const qint64 no = ++sonSatırNo_;
    satırlar_.insert(no, s);
    StoğaGirilecekÜrünListesi_->satırEkle(sütunMetinleri(s), no);

    // Ready for the next line: the date and the person stay.
    ÜrünListesi_->setCurrentRow(-1);
    ÜrünListesi_->clearSelection();
    FirmaListesi_->setCurrentRow(-1);
    FirmaListesi_->clearSelection();
    MiktarıKutusu_->clear();
    FiyatıKutusu_->clear();
    listeDurumu();
    ÜrünListesi_->setFocus();
}

QList<GirişSatırı> StokGirişiFormu::satırlar() const
{
    QList<GirişSatırı> liste;
    const int n = StoğaGirilecekÜrünListesi_->satırSayısı();
    liste.reserve(n);
    for (int i = 0; i < n; ++i) liste.append(satırlar_.value(StoğaGirilecekÜrünListesi_->satırDeğeri(i)));
    return liste;
}

void StokGirişiFormu::ListeyiStoğaEkleDüğmesi_Click()
{
    const QList<GirişSatırı> liste = satırlar();
    if (liste.isEmpty()) return;
    try {
        if (const auto ret = girişleriKaydet(*AçıkVeritabanı, liste)) {
            StoğaGirilecekÜrünListesi_->satırıSeç(ret->satır);
            mesaj::göster(ret->metin, mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
            return;
        }
    } catch (const std::exception& e) {
        hatayıBildir(e);  // nothing was written; the list stays for another try
        return;
    }
    ListeyiTemizleDüğmesi_Click();
}

void StokGirişiFormu::ÜrünüListedenÇıkarDüğmesi_Click()
{
    ListeGörünümü* liste = StoğaGirilecekÜrünListesi_;
    const int satır = liste->seçiliSatır();
    if (satır < 0) return;
    SeçiliSıra = satır + 1;
    satırlar_.remove(liste->satırDeğeri(satır));
    liste->satırSil(satır);
    if (liste->satırSayısı() == 0) {
        listeDurumu();
        return;
    }
    liste->satırıSeç(SeçiliSıra > 1 ? SeçiliSıra - 2 : 0);
    liste->setFocus();
}

void StokGirişiFormu::ListeyiTemizleDüğmesi_Click()
{
    StoğaGirilecekÜrünListesi_->temizle();
    satırlar_.clear();
    listeDurumu();
}

void StokGirişiFormu::ListeyiExceleAktarDüğmesi_Click()
{
    ExcelAktarmayıBaşlat(this, GirişListesiGörevi, StoğaGirilecekÜrünListesi_->satırSayısı(), [this](QProgressBar& çubuk) { MSExceleAktar(çubuk); });
}

void StokGirişiFormu::MSExceleAktar(QProgressBar& çubuk) { ListeyiExceleAktar(çubuk, girişListesiTablosu(*StoğaGirilecekÜrünListesi_)); }

void StokGirişiFormu::listeDurumu()
{
    const bool dolu = StoğaGirilecekÜrünListesi_->satırSayısı() > 0;
    Çerçeve1_->setEnabled(dolu);
    for (QPushButton* d :
         {ListeyiStoğaEkleDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_, ListeyiExceleAktarDüğmesi_})
        d->setEnabled(dolu);
}

void StokGirişiFormu::odakla(Alan alan)
{
    switch (alan) {
    case Alan::FirmaListesi: FirmaListesi_->setFocus(); break;
    case Alan::ÜrünListesi: ÜrünListesi_->setFocus(); break;
    case Alan::TarihiKutusu: TarihiKutusu_->setFocus(); break;
    case Alan::MiktarıKutusu: MiktarıKutusu_->setFocus(); break;
    case Alan::FiyatıKutusu: FiyatıKutusu_->setFocus(); break;
    default: break;
    }
}

bool StokGirişiFormu::kapanabilirMi()
{
    if (StoğaGirilecekÜrünListesi_->satırSayısı() > 0
        && mesaj::göster(metin::GirişListesiUyarısı, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır)
        return false;
    StoğaGirilecekÜrünListesi_->düzeniYaz(DüzenBölümü);
    return true;
}

void StokGirişiFormu::reject()
{
    if (kapanabilirMi()) QDialog::reject();
}
