// The returns table: found in any letter case, made once even when two connections make it.
#include "core/IadeTablosu.h"
#include "support/Ortam.h"

TEST(İadeTablosu, VarlığıVeOluşturulması)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    EXPECT_FALSE(TabloVar(db));

    auto ikinci = platform::Database::open(sunucu.veritabanıYolu());
    İadeTablosunuOluştur(db);
    İadeTablosunuOluştur(*ikinci);  // the other workstation's first return: no error
    EXPECT_TRUE(TabloVar(db));
    EXPECT_TRUE(TabloVar(*ikinci));

    db.exec(QStringLiteral("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) "
                           "VALUES (7, '2026-12-07', 2.5)"));
    db.exec(QStringLiteral("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) "
                           "VALUES (7, '2026-12-07', 1)"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT max(IadeNo) FROM StogaIadeBilgileriTablosu")).toInt(), 2);
}

TEST(İadeTablosu, AdıHarfBüyüklüğüneBakmadanBulunur)
{
    test::SunucuKlasörü sunucu;
    sunucu.db().exec(QStringLiteral("CREATE TABLE stogaiadebilgileritablosu (IadeNo INTEGER PRIMARY KEY)"));
    EXPECT_TRUE(TabloVar(sunucu.db()));
}
