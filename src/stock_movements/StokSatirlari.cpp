#include "stock_movements/StokSatirlari.h"

#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <algorithm>
#include <cmath>

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

QString kısaSayı(double değer)
{
    // Up to 15 significant digits, never in exponent form (a spreadsheet or a reader of the list must be
    // able to read it back as a number): 0,000008 rather than 8e-06.
    const double mutlak = std::fabs(değer);
    const int tamBasamak = mutlak < 1 ? 1 : int(std::floor(std::log10(mutlak))) + 1;
    QString m = QString::number(değer, 'f', std::clamp(15 - tamBasamak, 0, 15));
    if (m.contains(QLatin1Char('.'))) {
        while (m.endsWith(QLatin1Char('0'))) m.chop(1);
        if (m.endsWith(QLatin1Char('.'))) m.chop(1);
    }
    if (m == QLatin1String("-0")) m = QStringLiteral("0");
    m.replace(QLatin1Char('.'), QLatin1Char(','));
    return m;
}

double paraDeğeri(double değer)
{
    if (!std::isfinite(değer) || std::fabs(değer) > yüzdelik::HesapSınırı) return değer;
    return double(std::llround(değer * 10000.0)) / 10000.0;
}

double kuruşDeğeri(double değer)
{
    const auto y = yüzdelik::yüzdeliğeÇevir(değer);
    return y ? double(*y) / 100.0 : değer;
}

bool satışMı(int neden) { return neden == 0 || neden == FişliSatışNedeni; }

QStringList sütunMetinleri(const GirişSatırı& s)
{
    return {QString::number(s.ürünNo),
            QString::number(s.firmaNo),
            s.firmaAdı,
            turkce::tarihBiçimi(s.tarih),
            turkce::tutarBiçimi(s.miktar),
            s.birimi,
            s.kodu,
            s.adı,
            s.kdvOranı ? turkce::tutarBiçimi(*s.kdvOranı) : QString(),
            turkce::tutarBiçimi(s.fiyat),
            QString::number(s.girişiYapan)};
}

QStringList sütunMetinleri(const ÇıkışSatırı& s)
{
    return {QString::number(s.ürünNo),
            QString::number(s.firmaNo),
            turkce::tarihBiçimi(s.tarih),
            turkce::tutarBiçimi(s.miktar),
            s.birimi,
            s.kodu,
            s.adı,
            kısaSayı(s.kdvOranı),
            turkce::tutarBiçimi(s.fiyat),
            turkce::tutarBiçimi(s.tutar()),
            kısaSayı(s.kdvMiktarı()),
            QString::number(s.nedeni),
            QString::number(s.çıkışıYapan)};
}

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

bool satışFiyatıAlıştanDüşükMü(int neden, double fiyat, std::optional<double> enDüşükAlış)
{
    if (!satışMı(neden) || !enDüşükAlış) return false;
    // The lowest price as the box shows it, against the price as the list keeps it.
    return paraDeğeri(fiyat) < kuruşDeğeri(*enDüşükAlış);
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
