#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(TürkçeMetin, BüyükVeKüçükHarf)
{
    EXPECT_EQ(turkce::büyükHarf("istanbul ılık çğöşü"), "İSTANBUL ILIK ÇĞÖŞÜ");
    EXPECT_EQ(turkce::küçükHarf("IŞIK İNCE"), "ışık ince");
    EXPECT_TRUE(turkce::eşit("ılık", "ILIK"));
    EXPECT_FALSE(turkce::eşit("ilik", "ILIK"));
    EXPECT_TRUE(turkce::ileBaşlar("İstanbul", "is"));
}

TEST(TürkçeMetin, SayıOkumaVeBiçimler)
{
    bool ok = false;
    EXPECT_DOUBLE_EQ(turkce::sayıOku("1.234,5", &ok), 1234.5);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(turkce::sayıOku(" 7 ", &ok), 7);
    EXPECT_DOUBLE_EQ(turkce::sayıOku("12,", &ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(turkce::sayıOku("12.345.678,9", &ok), 12345678.9);
    EXPECT_TRUE(ok);
    // A dot stands only between thousands groups; a number being edited may hold it anywhere in the whole part.
    for (const char* kötü : {",", "", "1,2,3", "1.2a", "abc", "1..2", ".5", "-", "1.5", "1.23,4", "1234.567", "12.3456",
                             "1,234.5", "1e308", "NaN", "inf", "12,3,4"}) {
        turkce::sayıOku(kötü, &ok);
        EXPECT_FALSE(ok) << kötü;
    }
    EXPECT_TRUE(turkce::yazılırkenSayıMı("1.23,50"));
    EXPECT_FALSE(turkce::yazılırkenSayıMı("1,2,3"));
    EXPECT_DOUBLE_EQ(turkce::sayıOku("-5", &ok), -5);
    EXPECT_EQ(turkce::tutarBiçimi(1234.5), "1.234,50");
    EXPECT_EQ(turkce::tutarBiçimi(7), "7,00");
    EXPECT_EQ(turkce::tutarBiçimi(1234567.891), "1.234.567,89");
    EXPECT_EQ(turkce::tutarBiçimi(-0.001), "0,00");
    EXPECT_EQ(turkce::tamSayıBiçimi(1234.5), "1235");
    EXPECT_EQ(turkce::tarihBiçimi(QDate(2026, 3, 7)), "07.03.2026");
    EXPECT_EQ(turkce::saklananTarih("2026-03-07 10:11:12"), QDate(2026, 3, 7));
    // Read from the engine's bytes, a day reads as from a string, also one that is no day.
    for (const char* m : {"2026-03-07", "2026-03-07 10:11:12", "2026-02-30", "2026-3-7", "07.03.2026", "", "2026-0a-07"})
        EXPECT_EQ(turkce::saklananTarihUtf8(QByteArrayView(m)), turkce::saklananTarih(QString::fromUtf8(m))) << m;
}

TEST(Yüzdelik, KutularınGösterdiğiGibiYuvarlarSınırıAşanıReddeder)
{
    using namespace yüzdelik;
    // Each value in hundredths exactly as "##,##0.00" shows it, half-way values away from zero.
    for (double d : {1.005, 2.675, 1.115, 0.545, 1234.565, 0.45, 1 - 0.55, -0.005, -2.675, 1e12, 123456789.125}) {
        bool ok = false;
        const double gösterilen = turkce::sayıOku(turkce::tutarBiçimi(d), &ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(yüzdeliğeÇevir(d), qint64(std::llround(gösterilen * 100))) << d;
    }
    EXPECT_EQ(yüzdeliğeÇevir(1 - 0.55), 45);
    EXPECT_EQ(yüzdeliğeÇevir(-0.005), -1);
    for (double d : {std::nan(""), double(INFINITY), -double(INFINITY), 1e15 + 1, -5e16}) EXPECT_FALSE(yüzdeliğeÇevir(d)) << d;
    EXPECT_EQ(stokYüzdeliği(1e17), std::numeric_limits<qint64>::max());
    EXPECT_EQ(stokYüzdeliği(std::nan("")), 0);
    EXPECT_EQ(yazılacakDeğer(1.004), 1.0);
    EXPECT_EQ(yazılacakDeğer(1e12), 1e12);
    EXPECT_FALSE(yazılacakDeğer(1e12 + 0.01));
    EXPECT_FALSE(yazılacakDeğer(std::nan("")));
}
