#include "platform/TurkceMetin.h"

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
    for (const char* kötü : {",", "", "1,2,3", "1.2a", "abc", "1..2", ".5", "-"}) {
        turkce::sayıOku(kötü, &ok);
        EXPECT_FALSE(ok) << kötü;
    }
    EXPECT_DOUBLE_EQ(turkce::sayıOku("-5", &ok), -5);
    EXPECT_EQ(turkce::tutarBiçimi(1234.5), "1.234,50");
    EXPECT_EQ(turkce::tutarBiçimi(7), "7,00");
    EXPECT_EQ(turkce::tutarBiçimi(1234567.891), "1.234.567,89");
    EXPECT_EQ(turkce::tutarBiçimi(-0.001), "0,00");
    EXPECT_EQ(turkce::tamSayıBiçimi(1234.5), "1235");
    EXPECT_EQ(turkce::tarihBiçimi(QDate(2026, 3, 7)), "07.03.2026");
    EXPECT_EQ(turkce::saklananTarih("2026-03-07 10:11:12"), QDate(2026, 3, 7));
}
