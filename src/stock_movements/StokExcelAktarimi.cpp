#include "stock_movements/StokExcelAktarimi.h"

#include "core/ListeGorunumu.h"

namespace stok {

namespace {

using Tür = platform::ListeSütunu::Tür;

// The list's columns from `ilk` (from 0) on, in their created order, each with its current width; the
// columns from `yazılanSon` on get a header but no data.
platform::ListeTablosu tablo(const ListeGörünümü& liste, const QString& sayfa, const QString& başlık, int ilk,
                             int yazılanSon, const QList<Tür>& türler)
{
    platform::ListeTablosu t;
    t.sayfaAdı = sayfa;
    t.başlık = başlık;
    t.başlıkSütunSayısı = 8;  // "A1:H1" in both lists
    t.sayfaGenişliğineSığdır = true;
    for (int c = ilk; c < liste.sütunSayısı(); ++c) {
        platform::ListeSütunu s;
        s.başlık = liste.sütunBaşlığı(c);
        s.genişlikTwips = liste.sütunGenişliğiTwips(c);
        s.tür = türler.value(c - ilk, Tür::Metin);
        t.sütunlar.append(s);
    }
    t.satırSayısı = liste.satırSayısı();
    const ListeGörünümü* l = &liste;
    t.satır = [l, ilk, yazılanSon](int r) {
        QList<ListeDeğeri> hücreler;
        hücreler.reserve(yazılanSon - ilk);
        for (int c = ilk; c < yazılanSon; ++c) hücreler.append(l->hücreDeğeri(r, c));
        return hücreler;
    };
    return t;
}

}  // namespace

platform::ListeTablosu girişListesiTablosu(const ListeGörünümü& liste)
{
    // Firması, Tarihi, Miktarı, Birimi, Kodu, Adı, KDV (none: 0), Fiyatı; "Girişi Yapan" only as a header.
    return tablo(liste, QStringLiteral("Girişi Yapılacak Ürünler"), QStringLiteral("Giriş Yapılacak Ürünler Listesi"),
                 2, 10,
                 {Tür::Metin, Tür::Metin, Tür::Sayı, Tür::Metin, Tür::Metin, Tür::Metin, Tür::SayıBoşsaSıfır,
                  Tür::Sayı});
}

platform::ListeTablosu çıkışListesiTablosu(const ListeGörünümü& liste)
{
    // Tarihi, Miktarı, Birimi, Kodu, Adı, KDV (as text), Fiyatı, Tutarı, KDV Miktarı; "Nedeni" and
    // "Çıkışı Yapan" only as headers.
    return tablo(liste, QStringLiteral("Çıkışı Yapılacak Ürünler"), QStringLiteral("Çıkış Yapılacak Ürünler Listesi"),
                 2, 11,
                 {Tür::Metin, Tür::Sayı, Tür::Metin, Tür::Metin, Tür::Metin, Tür::Metin, Tür::Sayı, Tür::Sayı,
                  Tür::Sayı});
}

}  // namespace stok
