#include "stock_movements/StokGirisiFormu.h"

#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "platform/TurkceMetin.h"
#include "stock_movements/StokExcelAktarimi.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace stok;

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

StokGirişiFormu::Tanım girişTanımı()
{
    return {
        .seçimÇerçevesi = QStringLiteral("Girişi Yapılacak Ürünü Seç "),
        .kişiKutusu = QStringLiteral("GirişiYapanKutusu"),
        .tarihAltlığı = QStringLiteral("Altlık"),
        .listeÇerçevesi = QStringLiteral("Girişi Yapılacak Ürün Listesi "),
        .liste = QStringLiteral("StoğaGirilecekÜrünListesi"),
        .kaydetDüğmesi = QStringLiteral("ListeyiStoğaEkleDüğmesi"),
        .kaydetMetni = QStringLiteral("Listeyi Stoğa E&kle"),
        .boyut = QSize(760, 600),
        .sütunlar = &girişSütunları(),
        .düzenBölümü = StokGirişiFormu::DüzenBölümü,
        .kapanışUyarısı = metin::GirişListesiUyarısı,
        .firmalar = satıcıFirmalar,
        .kaydet = girişleriKaydet,
        .excelGörevi = GirişListesiGörevi,
        .excelTablosu = girişListesiTablosu,
    };
}

}  // namespace

StokGirişiFormu::StokGirişiFormu(QWidget* sahip) : HareketPenceresi(sahip, girişTanımı())
{
    setObjectName(QStringLiteral("StokGirişiFormu"));
    setWindowTitle(QStringLiteral("Stoğa Giriş İşlemleri"));
    setWindowIcon(QIcon(QStringLiteral(":/GIRIS.png")));
    pencereyiKur();
    ÜrünListesi_Click();
    listeDurumu();
}

StokGirişiFormu::~StokGirişiFormu() = default;

void StokGirişiFormu::pencereyiKur()
{
    ÜrünKoduKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("ÜrünKoduKutusu"), false);
    MiktarBirimiKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("MiktarBirimiKutusu"), false);
    KDVOranıKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("KDVOranıKutusu"));
    Etiket_ = {
        etiketYap(Çerçeve0_, 0, QStringLiteral("Firm&alar (Satıcılar)"), FirmaListesi_),
        etiketYap(Çerçeve0_, 1, QStringLiteral("Firma B&ul"), FirmaBulKutusu_),
        etiketYap(Çerçeve0_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve0_, 3, QStringLiteral("Ürün &Bul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve0_, 4, QStringLiteral("Kodu :")),
        etiketYap(Çerçeve0_, 5, QStringLiteral("Birimi :")),
        etiketYap(Çerçeve0_, 6, QStringLiteral("KDV :")),
        etiketYap(Çerçeve0_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve0_, 8, QStringLiteral("&Girişi Yapan :"), kişiKutusu_),
        etiketYap(Çerçeve0_, 9, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve0_, 10, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve0_, 11, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
    };
    kur({{Etiket_[4], ÜrünKoduKutusu_}, {Etiket_[5], MiktarBirimiKutusu_}, {Etiket_[6], KDVOranıKutusu_},
         {Etiket_[7], KalanKutusu_}, {Etiket_[8], kişiKutusu_}, {Etiket_[9], tarihAltlığı_},
         {Etiket_[10], MiktarıKutusu_}, {Etiket_[11], FiyatıKutusu_}},
        {kişiKutusu_, TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_});
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
    g.firmaNo = seçiliKayıt(FirmaListesi_);
    g.ürünNo = seçiliKayıt(ÜrünListesi_);
    g.tarih = TarihiKutusu_->date();
    g.miktarMetni = MiktarıKutusu_->text();
    g.fiyatMetni = FiyatıKutusu_->text();
    if (reddedildi(girişSatırınıDenetle(g, satırlar()))) return;
    const std::optional<int> kişiNo = kişiNumarası();
    if (!kişiNo) return;  // no line for a person that was not written

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
    s.girişiYapan = *kişiNo;
    satırıEkle(s);
    seçimiKaldır(FirmaListesi_);  // each line of an entry list names its own firm
}
