// The profit list's periods and rows, on a real database.
#include "stock_lists/KarHesabi.h"
#include "support/Tohum.h"
#include "support/Ortam.h"

#include <gtest/gtest.h>

using namespace kar_listesi;

namespace {

void çıkış(platform::Database& db, const QVariant& ürün, const QString& tarih, double miktar, const QVariant& fiyat,
           int neden = 0)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) VALUES (?, 2, ?, ?, ?, ?)",
            {ürün, tarih, miktar, fiyat, neden});
}

QDate gün(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// The rows as shown, by their first cell.
QMap<QString, QStringList> satırlar(const KarListesi& liste)
{
    QMap<QString, QStringList> m;
    for (const auto& s : liste.satırlar) {
        QStringList l;
        for (const ListeDeğeri& d : s) l << d.görünen();
        m[l[0]] = l;
    }
    return m;
}

}  // namespace

TEST(KarDönemi, HaftaAyVeYılınUçları)
{
    const TarihAralığı hafta{gün("2026-11-30"), gün("2026-12-06")};
    EXPECT_EQ(dönemAralığı(Haftalık, gün("2026-12-02")), hafta);  // a Wednesday
    EXPECT_EQ(dönemAralığı(Haftalık, gün("2026-12-06")), hafta);  // its Sunday
    EXPECT_EQ(dönemAralığı(Haftalık, gün("2026-12-07")), (TarihAralığı{gün("2026-12-07"), gün("2026-12-13")}));
    EXPECT_EQ(dönemAralığı(Haftalık, gün("2027-01-01")), (TarihAralığı{gün("2026-12-28"), gün("2027-01-03")}));
    EXPECT_EQ(dönemAralığı(Aylık, gün("2024-02-10")), (TarihAralığı{gün("2024-02-01"), gün("2024-02-29")}));
    EXPECT_EQ(dönemAralığı(Aylık, gün("2026-02-28")), (TarihAralığı{gün("2026-02-01"), gün("2026-02-28")}));
    EXPECT_EQ(dönemAralığı(Aylık, gün("2026-12-31")), (TarihAralığı{gün("2026-12-01"), gün("2026-12-31")}));
    EXPECT_EQ(dönemAralığı(Aylık, gün("2026-04-01")), (TarihAralığı{gün("2026-04-01"), gün("2026-04-30")}));
    // Divisible by 4 but no leap year: February has 28 days.
    EXPECT_EQ(dönemAralığı(Aylık, gün("2100-02-15")), (TarihAralığı{gün("2100-02-01"), gün("2100-02-28")}));
    EXPECT_EQ(dönemAralığı(Yıllık, gün("2026-07-15")), (TarihAralığı{gün("2026-01-01"), gün("2026-12-31")}));
    EXPECT_EQ(dönemAralığı(TarihBelirle, gün("2026-07-15")), (TarihAralığı{gün("2026-07-15"), gün("2026-07-15")}));
}

TEST(KarListesi, ElleHesaplananÖrnek)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int vida = tohum::ürün(db, "V-1", "VİDA");
    const int somun = tohum::ürün(db, "S-2", "SOMUN");
    const int pul = tohum::ürün(db, "P-3", "PUL");
    // Vida: 10 at 5,00 and 30 at 7,00: average purchase price (50 + 210) / 40 = 6,50.
    tohum::giriş(db, vida, 10, 5.0);
    tohum::giriş(db, vida, 30, 7.0);
    // Somun: 3 at 100 and 1 at 120: average 105. Pul has no entries: average 0.
    tohum::giriş(db, somun, 3, 100.0);
    tohum::giriş(db, somun, 1, 120.0);
    // March 2026. Vida: 4 at 9 (invoiced sale) on the first day, 1 given away, 2 at 8,50 (receipt sale) on
    // the last day in the afternoon; outside: the day before and the day after.
    çıkış(db, vida, "2026-03-01", 4, 9.0, 0);
    çıkış(db, vida, "2026-03-15", 1, 0.0, 3);
    çıkış(db, vida, "2026-03-31 17:45:00", 2, 8.5, 1);
    çıkış(db, vida, "2026-02-28", 5, 10.0, 0);
    çıkış(db, vida, "2026-04-01", 3, 10.0, 0);
    çıkış(db, somun, "2026-03-10", 2, 100.0, 2);
    çıkış(db, pul, "2026-03-20", 1, 20.0, 5);

    const KarListesi mart = karListesi(db, dönemAralığı(Aylık, gün("2026-03-18")));
    const auto m = satırlar(mart);
    ASSERT_EQ(m.size(), 3);
    const QString v = QString::number(vida), s = QString::number(somun), p = QString::number(pul);
    // Vida: 7 out for 36 + 0 + 17 = 53; 53 - 7 × 6,50 = 7,50. Somun: 200 - 2 × 105 = -10. Pul: 20 - 0.
    EXPECT_EQ(m[v], (QStringList{v, "VİDA", "7,00", "53,00", "7,50"}));
    EXPECT_EQ(m[s], (QStringList{s, "SOMUN", "2,00", "200,00", "-10,00"}));
    EXPECT_EQ(m[p], (QStringList{p, "PUL", "1,00", "20,00", "20,00"}));
    EXPECT_EQ(mart.toplamKuruş, 750 - 1000 + 2000);
    EXPECT_EQ(mart.satırlar[0][ÜrünKodu].tür(), ListeDeğeri::Tür::Metin);  // the number sorts as a text

    // All dates: from the earliest to the latest exit, without the time of day. Vida: 15 out for
    // 53 + 50 + 30 = 133; 133 - 15 × 6,5 = 35,50.
    const auto tümü = tümTarihler(db);
    ASSERT_TRUE(tümü);
    EXPECT_EQ(*tümü, (TarihAralığı{gün("2026-02-28"), gün("2026-04-01")}));
    EXPECT_EQ(karListesi(db, *tümü).toplamKuruş, 3550 - 1000 + 2000);
}

TEST(KarListesi, BoşDeğerlerVeYuvarlananToplam)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    EXPECT_FALSE(tümTarihler(db));
    const int a = tohum::ürün(db, "A", "A");
    const int b = tohum::ürün(db, "B", "B");
    const int f = tohum::ürün(db, "F", "FİYATSIZ");
    // Two profits of 0,004 each show 0,00 and add up to 0,00, not 0,01.
    çıkış(db, a, "2026-05-05", 1, 0.004);
    çıkış(db, b, "2026-05-05", 1, 0.004);
    çıkış(db, 999, "2026-05-06", 2, 3.0);          // a product row that is gone
    çıkış(db, f, "2026-05-07", 4, QVariant());      // no price: no amount, no profit
    çıkış(db, QVariant(), "2026-05-08", 1, 5.0);    // no product number

    const KarListesi liste = karListesi(db, {gün("2026-05-01"), gün("2026-05-31")});
    const auto m = satırlar(liste);
    ASSERT_EQ(m.size(), 5);
    EXPECT_EQ(m[QString::number(a)].mid(2), (QStringList{"1,00", "0,00", "0,00"}));
    EXPECT_EQ(m["999"], (QStringList{"999", "", "2,00", "6,00", "6,00"}));
    EXPECT_EQ(m[QString::number(f)], (QStringList{QString::number(f), "FİYATSIZ", "4,00", "", ""}));
    EXPECT_EQ(m[""], (QStringList{"", "", "1,00", "5,00", "5,00"}));
    EXPECT_EQ(liste.toplamKuruş, 600 + 500);

    EXPECT_EQ(kuruşa(1.005), 101);  // held as 1.00499999..., shown as 1,01
    EXPECT_EQ(kuruşa(-0.005), -1);  // half away from zero
}
