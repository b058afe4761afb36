// What the stock windows and the movement change windows read, against a real database file, without windows.
#include "core/StokSorgulari.h"
#include "support/Tohum.h"
#include "support/Ortam.h"

using namespace stok;

TEST(StokSorguları, ÜrününStoğuVeAlışFiyatları)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int b = tohum::ürün(db, "B", "BETA");
    EXPECT_EQ(ürünStoğu(db, a).kalan(), 0);
    const AlışFiyatları yok = alışFiyatları(db, a);
    EXPECT_FALSE(yok.enDüşük || yok.ortalama || yok.enYüksek);

    tohum::giriş(db, a, 1, 10);
    tohum::giriş(db, a, 100, 20);  // the average is not weighted by quantity
    tohum::çıkış(db, a, 30);
    tohum::çıkış(db, b, 5);
    const StokDurumu d = ürünStoğu(db, a);
    EXPECT_DOUBLE_EQ(d.giriş, 101);
    EXPECT_DOUBLE_EQ(d.çıkış, 30);
    EXPECT_DOUBLE_EQ(d.kalan(), 71);
    EXPECT_DOUBLE_EQ(ürünStoğu(db, b).kalan(), -5);
    const AlışFiyatları f = alışFiyatları(db, a);
    EXPECT_DOUBLE_EQ(*f.enDüşük, 10);
    EXPECT_DOUBLE_EQ(*f.ortalama, 15);
    EXPECT_DOUBLE_EQ(*f.enYüksek, 20);
}

TEST(StokSorguları, ÜrünBilgisiBoşAlanlarıAyırır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A1", "ALFA", QVariant(), QVariant(), 12.5);
    auto b = ürünBilgisi(db, a);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->kodu, "A1");
    EXPECT_EQ(b->birimi, "");
    EXPECT_FALSE(b->kdvOranı);
    EXPECT_DOUBLE_EQ(*b->fiyatı, 12.5);
    EXPECT_FALSE(ürünBilgisi(db, a + 1));
}

TEST(StokSorguları, ListelerVeAyrılmışAlıcı)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    tohum::alıcı(db, "MÜŞTERİ");
    tohum::satıcı(db, "SATICI");
    const QList<AdNo> alıcılar = alıcıFirmalar(db);
    ASSERT_EQ(alıcılar.size(), 1);
    EXPECT_EQ(alıcılar[0].ad, "MÜŞTERİ");
    EXPECT_EQ(satıcıFirmalar(db).size(), 1);
}
