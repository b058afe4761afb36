#include "platform/ListeDegeri.h"

#include <QList>

#include <gtest/gtest.h>

#include <utility>

// A text cell's buffer is shared by its copies: each copy, assignment and move must leave every cell
// holding its own text, whatever happens to the others.
TEST(ListeDeğeri, KopyalarVeTaşımalarMetniKorur)
{
    QList<ListeDeğeri> satır;
    {
        ListeDeğeri ilk(QStringLiteral("Çelik vida ğöşü"));
        satır = {ilk, ilk, ListeDeğeri::sayı(3)};
        ListeDeğeri taşınan(std::move(ilk));
        EXPECT_TRUE(ilk.boşMu());  // NOLINT: a moved-from cell is empty
        EXPECT_EQ(taşınan.metin(), "Çelik vida ğöşü");
    }
    EXPECT_EQ(satır[0].metin(), "Çelik vida ğöşü");
    satır[1] = satır[2];  // a text given up for a number
    satır[2] = satır[0];
    satır[0] = std::as_const(satır[0]);  // onto itself
    satır[0] = std::move(satır[0]);
    EXPECT_EQ(satır[0].metin(), "Çelik vida ğöşü");
    EXPECT_EQ(satır[1], ListeDeğeri::sayı(3));
    EXPECT_EQ(satır[2], satır[0]);
    satır.clear();

    const ListeDeğeri boşMetin(QString{});
    EXPECT_EQ(boşMetin.tür(), ListeDeğeri::Tür::Metin);
    EXPECT_EQ(boşMetin.görünen(), "");
    EXPECT_NE(boşMetin, ListeDeğeri());
    EXPECT_EQ(ListeDeğeri("ışık"), ListeDeğeri(QStringLiteral("ışık")));
    EXPECT_EQ(sizeof(ListeDeğeri), 16u);
}

// What each kind shows, and the number an export writes for it: the shown figure, never more digits.
TEST(ListeDeğeri, GörünenVeYazılanSayı)
{
    using B = ListeDeğeri::Biçim;
    EXPECT_EQ(ListeDeğeri::sayı(1234.5).görünen(), "1.234,50");
    EXPECT_EQ(ListeDeğeri::sayı(1.005).görünen(), "1,01");
    EXPECT_DOUBLE_EQ(ListeDeğeri::sayı(1.005).gösterilenSayı(), 1.01);
    EXPECT_DOUBLE_EQ(ListeDeğeri::sayı(-2.675).gösterilenSayı(), -2.68);
    EXPECT_EQ(ListeDeğeri::sayı(1234.5, B::TamSayı).görünen(), "1235");
    EXPECT_DOUBLE_EQ(ListeDeğeri::sayı(-2.5, B::TamSayı).gösterilenSayı(), -3);
    EXPECT_EQ(ListeDeğeri::sayı(8.5, B::Kısa).görünen(), "8,5");
    EXPECT_EQ(ListeDeğeri::sayı(0.1 + 0.2, B::Kısa).görünen(), "0,3");
    EXPECT_EQ(ListeDeğeri::sayı(0.000008, B::Kısa).görünen(), "0,000008");
    EXPECT_EQ(ListeDeğeri::tarih(QDate(2026, 1, 2)).görünen(), "02.01.2026");
    EXPECT_EQ(ListeDeğeri::tarih(QDate(2026, 1, 2)).tarih(), QDate(2026, 1, 2));
    EXPECT_TRUE(ListeDeğeri::tarih(QDate()).boşMu());
    EXPECT_EQ(ListeDeğeri().görünen(), "");
    // Each kind answers only for itself.
    EXPECT_EQ(ListeDeğeri("12").sayı(), 0);
    EXPECT_EQ(ListeDeğeri::sayı(12).metin(), "");
    EXPECT_FALSE(ListeDeğeri::sayı(2461043).tarih().isValid());
}
