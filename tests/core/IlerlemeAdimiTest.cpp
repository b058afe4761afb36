#include "core/IlerlemeAdimi.h"

#include <QProgressBar>

#include <gtest/gtest.h>

namespace {

// The values the bar was set to while `satır` rows went through a stepper counted for `sayım` rows.
struct Kayıt {
    QList<int> değerler;
    int enÇok = 0;
    int son = 0;
};

Kayıt adımla(int sayım, int satır)
{
    QProgressBar çubuk;
    Kayıt k;
    İlerlemeAdımı adım(çubuk, sayım);
    k.enÇok = çubuk.maximum();
    QObject::connect(&çubuk, &QProgressBar::valueChanged, [&k](int d) { k.değerler << d; });
    for (int i = 0; i < satır; ++i) adım.ilerle();
    adım.bitir();
    k.son = çubuk.value();
    return k;
}

}  // namespace

TEST(İlerlemeAdımı, ÇubukBindeBirlerleİlerlerVeSondaDolar)
{
    // 10,000 rows: every tenth row, a thousand sets, the last one the counted last row.
    const Kayıt on = adımla(10000, 10000);
    ASSERT_EQ(on.değerler.size(), 1000);
    EXPECT_EQ(on.değerler.mid(0, 3), (QList<int>{10, 20, 30}));
    EXPECT_EQ(on.değerler.last(), 10000);
    EXPECT_EQ(on.enÇok, 10000);

    // 2,500 rows: the first row of each thousandth (2.5 rows each), still a thousand sets.
    const Kayıt yarım = adımla(2500, 2500);
    ASSERT_EQ(yarım.değerler.size(), 1000);
    EXPECT_EQ(yarım.değerler.mid(0, 4), (QList<int>{3, 5, 8, 10}));
    EXPECT_EQ(yarım.değerler.last(), 2500);

    // Fewer rows than a thousand: each row is a step of its own.
    EXPECT_EQ(adımla(5, 5).değerler, (QList<int>{1, 2, 3, 4, 5}));
}

TEST(İlerlemeAdımı, SayımdanAzYaDaÇokSatırBoşListeVeAralıklar)
{
    // Fewer rows came than were counted: the bar ends at the last row that came.
    EXPECT_EQ(adımla(100, 60).son, 60);
    EXPECT_EQ(adımla(5000, 2501).son, 2501);  // a row between two thousandth steps
    // More rows than counted: the bar stays at its end.
    const Kayıt çok = adımla(5, 8);
    EXPECT_EQ(çok.değerler, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(çok.son, 5);
    // No row: a range of one (an empty range would show the busy bar), left at 0.
    const Kayıt boş = adımla(0, 0);
    EXPECT_EQ(boş.enÇok, 1);
    EXPECT_TRUE(boş.değerler.isEmpty());
    EXPECT_EQ(boş.son, 0);

    // The profit list's range is one more than its rows; a list that keeps an untouched bar when empty.
    QProgressBar çubuk;
    çubuk.setRange(0, 100);
    {
        İlerlemeAdımı adım(çubuk, 3, İlerlemeAdımı::Aralık::SayıArtıBir);
        EXPECT_EQ(çubuk.maximum(), 4);
        for (int i = 0; i < 3; ++i) adım.ilerle();
        adım.bitir();
        EXPECT_EQ(çubuk.value(), 3);
    }
    çubuk.setRange(0, 100);
    çubuk.setValue(0);
    İlerlemeAdımı(çubuk, 0, İlerlemeAdımı::Aralık::SayıArtıBir);
    EXPECT_EQ(çubuk.maximum(), 1);
    çubuk.setRange(0, 100);
    İlerlemeAdımı(çubuk, 0, İlerlemeAdımı::Aralık::BoşsaDokunma).bitir();
    EXPECT_EQ(çubuk.maximum(), 100);
    EXPECT_EQ(çubuk.value(), 0);
    İlerlemeAdımı(çubuk, 7, İlerlemeAdımı::Aralık::BoşsaDokunma);
    EXPECT_EQ(çubuk.maximum(), 7);

    // No bar at all: nothing to set, nothing fails.
    İlerlemeAdımı adım(nullptr, 3);
    adım.ilerle();
    adım.bitir();
}
