#include "stock_movements/StokSatirlari.h"

#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <algorithm>

namespace stok {

namespace {

// A quantity or price box's text in whole hundredths, as the box shows it; nothing when the text is not a
// number or the number is too large to be written.
std::optional<qint64> yüzdelikOku(const QString& metin)
{
    bool tamam = false;
    const double değer = turkce::sayıOku(metin, &tamam);
    if (!tamam || !yüzdelik::yazılacakDeğer(değer)) return std::nullopt;
    return yüzdelik::yüzdeliğeÇevir(değer);
}

}  // namespace

QString kısaSayı(double değer) { return turkce::kısaSayıBiçimi(değer); }

QList<ListeDeğeri> sütunDeğerleri(const GirişSatırı& s)
{
    using B = ListeDeğeri::Biçim;
    return {ListeDeğeri::sayı(s.ürünNo, B::TamSayı),
            ListeDeğeri::sayı(s.firmaNo, B::TamSayı),
            s.firmaAdı,
            ListeDeğeri::tarih(s.tarih),
            ListeDeğeri::sayı(s.miktar),
            s.birimi,
            s.kodu,
            s.adı,
            s.kdvOranı ? ListeDeğeri::sayı(*s.kdvOranı) : ListeDeğeri(),
            ListeDeğeri::sayı(s.fiyat),
            ListeDeğeri::sayı(s.girişiYapan, B::TamSayı)};
}

QList<ListeDeğeri> sütunDeğerleri(const ÇıkışSatırı& s)
{
    using B = ListeDeğeri::Biçim;
    return {ListeDeğeri::sayı(s.ürünNo, B::TamSayı),
            ListeDeğeri::sayı(s.firmaNo, B::TamSayı),
            ListeDeğeri::tarih(s.tarih),
            ListeDeğeri::sayı(s.miktar),
            s.birimi,
            s.kodu,
            s.adı,
            ListeDeğeri::sayı(s.kdvOranı, B::Kısa),
            ListeDeğeri::sayı(s.fiyat),
            ListeDeğeri::sayı(s.tutar()),
            ListeDeğeri::sayı(s.kdvMiktarı(), B::Kısa),
            ListeDeğeri::sayı(s.nedeni, B::TamSayı),
            ListeDeğeri::sayı(s.çıkışıYapan, B::TamSayı)};
}

template <class Satır>
QStringList sütunMetinleri(const Satır& s)
{
    QStringList metinler;
    for (const ListeDeğeri& d : sütunDeğerleri(s)) metinler.append(d.görünen());
    return metinler;
}
template QStringList sütunMetinleri(const GirişSatırı&);
template QStringList sütunMetinleri(const ÇıkışSatırı&);

std::optional<Ret> girişSatırınıDenetle(const GirişGirdisi& g, const QList<GirişSatırı>& liste)
{
    if (!g.firmaNo) return Ret{metin::FirmaSeçiniz, Alan::FirmaListesi};
    if (!g.ürünNo) return Ret{metin::ÜrünSeçiniz, Alan::ÜrünListesi};
    // The product and the firm are looked for each on any line, not on the same one.
    bool ürünVar = false, firmaVar = false;
    for (const GirişSatırı& s : liste) {
        ürünVar = ürünVar || s.ürünNo == *g.ürünNo;
        firmaVar = firmaVar || s.firmaNo == *g.firmaNo;
    }
    if (ürünVar && firmaVar) return Ret{metin::GirişTekrarı, Alan::Yok};
    if (!g.tarih.isValid()) return Ret{metin::TarihGiriniz, Alan::TarihiKutusu};
    const auto miktar = yüzdelikOku(g.miktarMetni);
    if (!miktar || *miktar <= 0) return Ret{metin::MiktarGiriniz, Alan::MiktarıKutusu};
    const auto fiyat = yüzdelikOku(g.fiyatMetni);
    if (!fiyat || *fiyat <= 0) return Ret{metin::FiyatGiriniz, Alan::FiyatıKutusu};
    return std::nullopt;
}

std::optional<Ret> çıkışSatırınıDenetle(const ÇıkışGirdisi& g, const QList<ÇıkışSatırı>& liste)
{
    if (g.neden < 0) return Ret{metin::NedenBelirtiniz, Alan::NedeniKutusu};
    if (g.neden != FişliSatışNedeni && !g.firmaNo) return Ret{metin::FirmaSeçiniz, Alan::FirmaListesi};
    if (!g.ürünNo) return Ret{metin::ÜrünSeçiniz, Alan::ÜrünListesi};
    const qint64 stok = yüzdelik::stokYüzdeliği(g.stok);
    if (stok <= 0) return Ret{metin::MevcutKalmamış, Alan::ÜrünListesi};
    for (const ÇıkışSatırı& s : liste)
        if (s.ürünNo == *g.ürünNo) return Ret{metin::ÇıkışTekrarı, Alan::Yok};
    if (!g.tarih.isValid()) return Ret{metin::TarihGiriniz, Alan::TarihiKutusu};
    const auto miktar = yüzdelikOku(g.miktarMetni);
    if (!miktar || *miktar <= 0) return Ret{metin::MiktarGiriniz, Alan::MiktarıKutusu};
    if (*miktar > stok) return Ret{metin::MiktarStoktanFazla, Alan::MiktarıKutusu, true};
    if (satışMı(g.neden)) {
        const auto fiyat = yüzdelikOku(g.fiyatMetni);
        if (!fiyat || *fiyat <= 0) return Ret{metin::FiyatGiriniz, Alan::FiyatıKutusu};
    } else if (!g.fiyatMetni.trimmed().isEmpty()) {
        const auto fiyat = yüzdelikOku(g.fiyatMetni);
        if (!fiyat || *fiyat < 0) return Ret{metin::FiyatGiriniz, Alan::FiyatıKutusu};
    }
    return std::nullopt;
}

Toplamlar toplamlarıHesapla(const QList<ÇıkışSatırı>& liste)
{
    qint64 tutarKuruş = 0;
    double sınırÖtesi = 0;  // amounts too large to count in hundredths
    double kdv = 0;
    for (const ÇıkışSatırı& s : liste) {
        // Each amount as its column shows it.
        if (const auto k = yüzdelik::yüzdeliğeÇevir(s.tutar())) tutarKuruş += *k;
        else sınırÖtesi += s.tutar();
        kdv += s.kdvMiktarı();  // the VAT of each line as it is, not rounded
    }
    Toplamlar t;
    t.tutar = double(tutarKuruş) / 100.0 + sınırÖtesi;
    t.kdv = kdv;
    t.genel = t.tutar + t.kdv;
    return t;
}

}  // namespace stok
