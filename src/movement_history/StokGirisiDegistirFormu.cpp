#include "movement_history/StokGirisiDegistirFormu.h"

#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/StokKurallari.h"
#include "core/StokPencereYardimcilari.h"
#include "core/StokSorgulari.h"
#include "platform/TurkceMetin.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace hareket;

StokGirişiDeğiştirFormu::StokGirişiDeğiştirFormu(QWidget* sahip, HareketGeçmişi& geçmiş)
    : DeğiştirPenceresi(sahip, geçmiş, QStringLiteral("Değiştirilecek Giriş Hareketi "))
{
    setObjectName(QStringLiteral("StokGirişiDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Stok Girişi Değiştir"));
    ÜrünKoduKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("ÜrünKoduKutusu"), false);
    MiktarBirimiKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("MiktarBirimiKutusu"), false);
    KDVOranıKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("KDVOranıKutusu"));
    using stok::etiketYap;
    Etiket_ = {
        etiketYap(Çerçeve_, 0, QStringLiteral("Firm&alar (Satıcılar)"), FirmaListesi_),
        etiketYap(Çerçeve_, 1, QStringLiteral("Firma B&ul"), FirmaBulKutusu_),
        etiketYap(Çerçeve_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve_, 3, QStringLiteral("Ürün &Bul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve_, 4, QStringLiteral("Kodu :")),
        etiketYap(Çerçeve_, 5, QStringLiteral("Birimi :")),
        etiketYap(Çerçeve_, 6, QStringLiteral("KDV :")),
        etiketYap(Çerçeve_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve_, 8, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve_, 9, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve_, 10, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
    };
    // A product picked in the product list itself enables the save once its code changes; one reached
    // only through the find box does not, nor does the filling from the history's row. The find box
    // searches the list in a handler that kur() connects: the two around it mark its search.
    connect(ÜrünKoduKutusu_, &QLineEdit::textChanged, this, [this] {
        if (!dolduruluyor_ && !bulKutusuArıyor_) KaydetDüğmesi_->setEnabled(true);
    });
    connect(ÜrünBulKutusu_, &QLineEdit::textChanged, this, [this] { bulKutusuArıyor_ = true; });
    kur({{Etiket_[4], ÜrünKoduKutusu_}, {Etiket_[5], MiktarBirimiKutusu_}, {Etiket_[6], KDVOranıKutusu_},
         {Etiket_[7], KalanKutusu_}, {Etiket_[8], tarihAltlığı_}, {Etiket_[9], MiktarıKutusu_},
         {Etiket_[10], FiyatıKutusu_}},
        {TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_}, {TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_});
    connect(ÜrünBulKutusu_, &QLineEdit::textChanged, this, [this] { bulKutusuArıyor_ = false; });
}

StokGirişiDeğiştirFormu::~StokGirişiDeğiştirFormu() = default;

QList<ListeGirdisi> StokGirişiDeğiştirFormu::firmalar()
{
    QList<ListeGirdisi> g;
    for (const stok::AdNo& a : stok::satıcıFirmalar(*AçıkVeritabanı)) g.append({a.ad, a.no});
    return g;
}

void StokGirişiDeğiştirFormu::ÜrünListesi_Click()
{
    const qint64 no = ÜrünListesi_->seçiliNumara();
    if (no < 0) {
        for (QLineEdit* k : {ÜrünKoduKutusu_, MiktarBirimiKutusu_, KDVOranıKutusu_, FiyatıKutusu_}) k->clear();
        KalanKutusu_->setText(QStringLiteral("0"));
        return;
    }
    try {
        const auto ürün = stok::ürünBilgisi(*AçıkVeritabanı, int(no));
        const stok::ÜrünBilgisi b = ürün.value_or(stok::ÜrünBilgisi{});
        ÜrünKoduKutusu_->setText(b.kodu);
        MiktarBirimiKutusu_->setText(b.birimi);
        KDVOranıKutusu_->setText(b.kdvOranı ? turkce::tutarBiçimi(*b.kdvOranı) : QString());
        FiyatıKutusu_->setText(b.fiyatı ? turkce::tutarBiçimi(*b.fiyatı) : QString());
        const stok::StokDurumu d = stok::ürünStoğu(*AçıkVeritabanı, int(no));
        GirişMiktarıToplamı = d.giriş;
        ÇıkışMiktarıToplamı = d.çıkış;
        KalanKutusu_->setText(turkce::tutarBiçimi(d.kalan()));
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
    }
}

void StokGirişiDeğiştirFormu::KaydetDüğmesi_Click()
{
    if (!firmaDenetle() || !ürünDenetle() || !tarihVeMiktarDenetle()) return;
    if (!sıfırdanBüyükMü(FiyatıKutusu_->text())) {
        reddet(stok::metin::FiyatGiriniz, FiyatıKutusu_);
        return;
    }
    GirişDeğişikliği d;
    d.ürünNo = int(ÜrünListesi_->seçiliNumara());
    d.firmaNo = int(FirmaListesi_->seçiliNumara());
    d.tarih = TarihiKutusu_->date();
    d.miktar = turkce::sayıOku(MiktarıKutusu_->text());
    d.fiyat = turkce::sayıOku(FiyatıKutusu_->text());
    try {
        sonucuİşle(girişiDeğiştir(*AçıkVeritabanı, SeçiliHareketNo, satır_.görülen(), d), false);
    } catch (const std::exception& e) {
        hatayıİşle(e, false);
    }
}
