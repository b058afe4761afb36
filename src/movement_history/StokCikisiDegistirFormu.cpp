#include "movement_history/StokCikisiDegistirFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/StokKurallari.h"
#include "core/StokPencereYardimcilari.h"
#include "core/StokSorgulari.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace hareket;

namespace {
QString fiyatMetni(const std::optional<double>& değer)
{
    return değer ? turkce::tutarBiçimi(*değer) : QStringLiteral("0");
}

// A price that a write takes and that is not below 0.
bool sıfırVeyaÜstüMü(const QString& metin)
{
    bool tamam = false;
    const auto yazılacak = yüzdelik::yazılacakDeğer(turkce::sayıOku(metin, &tamam));
    return tamam && yazılacak && *yazılacak >= 0;
}
}  // namespace

StokÇıkışıDeğiştirFormu::StokÇıkışıDeğiştirFormu(QWidget* sahip, HareketGeçmişi& geçmiş)
    : DeğiştirPenceresi(sahip, geçmiş, QStringLiteral("Değiştirilecek Çıkış Hareketi "))
{
    setObjectName(QStringLiteral("StokÇıkışıDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Stok Çıkışı Değıiştir"));
    EnDüşükAlışKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("EnDüşükAlışKutusu"));
    OrtalamaAlışKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("OrtalamaAlışKutusu"));
    EnYüksekAlışKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("EnYüksekAlışKutusu"));
    nedenAltlığı_ = stok::altlıkYap(Çerçeve_, QStringLiteral("NedenAltlığı"));
    NedeniKutusu_ = new QComboBox(nedenAltlığı_);
    NedeniKutusu_->setObjectName(QStringLiteral("NedeniKutusu"));
    NedeniKutusu_->addItems(ÇıkışNedenleri);
    NedeniKutusu_->setCurrentIndex(-1);
    nedenAltlığı_->layout()->addWidget(NedeniKutusu_);
    using stok::etiketYap;
    Etiket_ = {
        etiketYap(Çerçeve_, 0, QStringLiteral("Firm&alar (Müşteriler)"), FirmaListesi_),
        etiketYap(Çerçeve_, 1, QStringLiteral("Firma &Bul"), FirmaBulKutusu_),
        etiketYap(Çerçeve_, 2, QStringLiteral("Ürü&nler"), ÜrünListesi_),
        etiketYap(Çerçeve_, 3, QStringLiteral("Ürün B&ul"), ÜrünBulKutusu_),
        etiketYap(Çerçeve_, 4, QStringLiteral("Min. Fiyat :")),
        etiketYap(Çerçeve_, 5, QStringLiteral("Ort. Fiyat :")),
        etiketYap(Çerçeve_, 6, QStringLiteral("Max. Fiyat :")),
        etiketYap(Çerçeve_, 7, QStringLiteral("Mevcut :")),
        etiketYap(Çerçeve_, 8, QStringLiteral("&Tarihi :"), TarihiKutusu_),
        etiketYap(Çerçeve_, 9, QStringLiteral("&Miktarı :"), MiktarıKutusu_),
        etiketYap(Çerçeve_, 10, QStringLiteral("&Fiyatı :"), FiyatıKutusu_),
        etiketYap(Çerçeve_, 11, QStringLiteral("Ne&deni :"), NedeniKutusu_),
    };
    AlanGirişiKuralları::uygula(NedeniKutusu_, AlanGirişiKuralları::Kural::EnterİleSonrakiAlan);
    // A reason the user picks enables the save, also the one that was already chosen.
    connect(NedeniKutusu_, &QComboBox::activated, this, [this](int) { KaydetDüğmesi_->setEnabled(true); });
    kur({{Etiket_[4], EnDüşükAlışKutusu_}, {Etiket_[5], OrtalamaAlışKutusu_}, {Etiket_[6], EnYüksekAlışKutusu_},
         {Etiket_[7], KalanKutusu_}, {Etiket_[8], tarihAltlığı_}, {Etiket_[9], MiktarıKutusu_},
         {Etiket_[10], FiyatıKutusu_}, {Etiket_[11], nedenAltlığı_}},
        {TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_, NedeniKutusu_},
        {TarihiKutusu_, MiktarıKutusu_, FiyatıKutusu_, NedeniKutusu_});
}

StokÇıkışıDeğiştirFormu::~StokÇıkışıDeğiştirFormu() = default;

QList<ListeGirdisi> StokÇıkışıDeğiştirFormu::firmalar()
{
    QList<ListeGirdisi> g;
    for (const stok::AdNo& a : stok::alıcıFirmalar(*AçıkVeritabanı)) g.append({a.ad, a.no});
    return g;
}

void StokÇıkışıDeğiştirFormu::satırdanDoldur(const SeçiliHareket& satır)
{
    NedeniKutusu_->setCurrentIndex(satır.nedeni >= 0 && satır.nedeni < NedeniKutusu_->count() ? satır.nedeni : -1);
}

QWidget* StokÇıkışıDeğiştirFormu::nedenKutusu() const { return NedeniKutusu_; }

void StokÇıkışıDeğiştirFormu::ÜrünListesi_Click()
{
    const qint64 no = ÜrünListesi_->seçiliNumara();
    // Another product than the history's, however chosen, enables the save.
    if (!KaydetDüğmesi_->isEnabled() && no != satır_.ürünNo) KaydetDüğmesi_->setEnabled(true);
    enDüşükAlış_.reset();
    if (no < 0) {
        for (QLineEdit* k : {EnDüşükAlışKutusu_, OrtalamaAlışKutusu_, EnYüksekAlışKutusu_, KalanKutusu_})
            k->setText(QStringLiteral("0"));
        return;
    }
    try {
        const stok::AlışFiyatları f = stok::alışFiyatları(*AçıkVeritabanı, int(no));
        enDüşükAlış_ = f.enDüşük;
        EnDüşükAlışKutusu_->setText(fiyatMetni(f.enDüşük));
        OrtalamaAlışKutusu_->setText(fiyatMetni(f.ortalama));
        EnYüksekAlışKutusu_->setText(fiyatMetni(f.enYüksek));
        const stok::StokDurumu d = stok::ürünStoğu(*AçıkVeritabanı, int(no));
        GirişMiktarıToplamı = d.giriş;
        ÇıkışMiktarıToplamı = d.çıkış;
        KalanKutusu_->setText(turkce::tutarBiçimi(d.kalan()));
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
    }
}

void StokÇıkışıDeğiştirFormu::KaydetDüğmesi_Click()
{
    const int neden = NedeniKutusu_->currentIndex();
    if (neden < 0) {
        reddet(stok::metin::NedenBelirtiniz, NedeniKutusu_);
        return;
    }
    // A receipt sale goes to the reserved buyer: the firm chosen loses its selection.
    if (neden == stok::FişliSatışNedeni) stok::seçimiKaldır(FirmaListesi_);
    else if (!firmaDenetle()) return;
    if (!ürünDenetle() || !tarihVeMiktarDenetle()) return;
    const QString fiyatMetni = FiyatıKutusu_->text().trimmed();
    if (stok::satışMı(neden)) {
        if (!sıfırdanBüyükMü(fiyatMetni)) {
            reddet(stok::metin::FiyatGiriniz, FiyatıKutusu_);
            return;
        }
        if (stok::satışFiyatıAlıştanDüşükMü(neden, turkce::sayıOku(fiyatMetni), enDüşükAlış_)
            && mesaj::göster(stok::metin::AlıştanDüşükSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
                   == mesaj::Yanıt::Hayır) {
            FiyatıKutusu_->setFocus();
            return;
        }
    } else if (!fiyatMetni.isEmpty() && !sıfırVeyaÜstüMü(fiyatMetni)) {
        // Any price, also none or 0, is taken for a non-sale exit; a text that is no price is not.
        reddet(stok::metin::FiyatGiriniz, FiyatıKutusu_);
        return;
    }
    if (fiyatMetni.isEmpty()) FiyatıKutusu_->setText(QStringLiteral("0"));

    SeçiliFirmaNo = neden == stok::FişliSatışNedeni ? FişliSatışFirması : int(FirmaListesi_->seçiliNumara());
    ÇıkışDeğişikliği d;
    d.ürünNo = int(ÜrünListesi_->seçiliNumara());
    d.firmaNo = SeçiliFirmaNo;
    d.tarih = TarihiKutusu_->date();
    d.miktar = turkce::sayıOku(MiktarıKutusu_->text());
    d.fiyat = turkce::sayıOku(FiyatıKutusu_->text());
    d.nedeni = neden;
    try {
        sonucuİşle(çıkışıDeğiştir(*AçıkVeritabanı, SeçiliHareketNo, satır_.görülen(), d), true);
    } catch (const std::exception& e) {
        hatayıİşle(e, true);
    }
}
