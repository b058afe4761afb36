// The stock list on a real database: its rows in both modes, refresh, the start-up warning.
#include "stock_lists/StokListesiFormu.h"
#include "StokListesiOrtami.h"

#include "core/Acicilar.h"
#include "stock_lists/StokListeleriKayit.h"

#include <QPushButton>
#include <QTest>

using namespace stokTest;

TEST(StokListesiSatırı, TutarlarVeKazanç)
{
    using stokListesi::Kaynak;
    auto metinler = [](const Kaynak& k) {
        QStringList l;
        for (const ListeDeğeri& d : stokListesi::satırı(k)) l << d.görünen();
        return l;
    };
    // No exits: the exit figures and the gain are 0, the entries remain.
    EXPECT_EQ(metinler({"K1", "KALEM", 12.0, 1234.5, {}, {}}),
              QStringList({"K1", "KALEM", "12,00", "1.234,50", "0,00", "0,00", "12,00", "1.234,50", "0,00"}));
    // More went out (in money) than came in: the excess is the gain.
    EXPECT_EQ(metinler({"K2", "SİLGİ", 10.0, 100.0, 4.0, 160.0}),
              QStringList({"K2", "SİLGİ", "10,00", "100,00", "4,00", "160,00", "6,00", "0,00", "60,00"}));
    // Equal totals: both 0.
    EXPECT_EQ(metinler({"K3", "", 2.0, 50.0, 2.0, 50.0}).mid(6), QStringList({"0,00", "0,00", "0,00"}));
    // A product row that is gone: its code and name are empty, the figures stand.
    EXPECT_EQ(metinler({QVariant(), QVariant(), 1.0, 1.0, QVariant(), QVariant()}).mid(0, 3),
              QStringList({"", "", "1,00"}));

    EXPECT_TRUE(stokListesi::azalıyorMu({"", "", 12.0, 0.0, 7.0, 0.0}, 5));   // exactly at the threshold
    EXPECT_FALSE(stokListesi::azalıyorMu({"", "", 12.0, 0.0, 6.0, 0.0}, 5));
    EXPECT_TRUE(stokListesi::azalıyorMu({"", "", 1.0, 0.0, 3.0, 0.0}, 5));    // below zero
    EXPECT_EQ(stokListesi::başlık(0, 12), "Stok Listesi (Toplam : 12)");
    EXPECT_EQ(stokListesi::başlık(1, 0), "Mevcudu Azalan Ürünler (Toplam : 0)");
}

TEST_F(StokListesiTesti, İkiKipteSatırlarVeBaşlık)
{
    tohum(db());
    UyarılacakSayı = 5;

    StokListesiTürü = 0;
    StokListesiFormu p;
    EXPECT_EQ(p.windowTitle(), "");
    p.StokListesiYükle();
    EXPECT_EQ(p.windowTitle(), "Stok Listesi (Toplam : 4)");
    // Sorted by code as the rows come in; the product with exits only is never listed.
    EXPECT_EQ(sütun(p.StokListesi, 0), QStringList({"A1", "B2", "C3", "D4"}));
    EXPECT_EQ(satır(p.StokListesi, 0),
              QStringList({"A1", "KALEM", "12,00", "120,00", "7,00", "84,00", "5,00", "36,00", "0,00"}));

    StokListesiTürü = 1;
    StokListesiFormu azalan;
    azalan.StokListesiYükle();
    EXPECT_EQ(azalan.windowTitle(), "Mevcudu Azalan Ürünler (Toplam : 3)");
    EXPECT_EQ(sütun(azalan.StokListesi, 0), QStringList({"A1", "C3", "D4"}));  // 5 (at the threshold), 0, −2
}
