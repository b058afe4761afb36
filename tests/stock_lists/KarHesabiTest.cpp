#include "stock_lists/KarHesabi.h"
#include "stock_movements/Tohum.h"
#include "support/Ortam.h"

#include <gtest/gtest.h>

using namespace kar_listesi;

namespace {

void çıkış(platform::Database& db, const QVariant& ürün, const QString& tarih, double miktar, const QVariant& fiyat,
           int neden = 0)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) "
            "VALUES (?, 2, ?, ?, ?, ?)",
            {ürün, tarih, miktar, fiyat, neden});
}

QStringList görünen(const QList<ListeDeğeri>& hücreler)
{
    QStringList l;
    for (const ListeDeğeri& d : hücreler) l << d.görünen();
    return l;
}

const QDate Gün(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

}  // namespace

TEST(KarDönemi, HaftaAyVeYılınUçları)
{
    const TarihAralığı aralık2_8{Gün("2026-11-30"), Gün("2026-12-06")};
    EXPECT_EQ(dönemAralığı(Haftalık, Gün("2026-12-02")), aralık2_8);  // a Wednesday
    EXPECT_EQ(dönemAralığı(Haftalık, Gün("2026-12-06")), aralık2_8);  // the Sunday of the same week
    EXPECT_EQ(dönemAralığı(Haftalık, Gün("2026-12-07")), (TarihAralığı{Gün("2026-12-07"), Gün("2026-12-13")}));
    EXPECT_EQ(dönemAralığı(Haftalık, Gün("2027-01-01")), (TarihAralığı{Gün("2026-12-28"), Gün("2027-01-03")}));

    EXPECT_EQ(dönemAralığı(Aylık, Gün("2024-02-10")), (TarihAralığı{Gün("2024-02-01"), Gün("2024-02-29")}));
    EXPECT_EQ(dönemAralığı(Aylık, Gün("2026-02-28")), (TarihAralığı{Gün("2026-02-01"), Gün("2026-02-28")}));
    EXPECT_EQ(dönemAralığı(Aylık, Gün("2026-12-31")), (TarihAralığı{Gün("2026-12-01"), Gün("2026-12-31")}));
    EXPECT_EQ(dönemAralığı(Aylık, Gün("2026-04-01")), (TarihAralığı{Gün("2026-04-01"), Gün("2026-04-30")}));
    // A year divisible by 4 but not a leap year: February has 28 days.
    EXPECT_EQ(dönemAralığı(Aylık, Gün("2100-02-15")), (TarihAralığı{Gün("2100-02-01"), Gün("2100-02-28")}));

    EXPECT_EQ(dönemAralığı(Yıllık, Gün("2026-07-15")), (TarihAralığı{Gün("2026-01-01"), Gün("2026-12-31")}));
    EXPECT_EQ(dönemAralığı(TarihBelirle, Gün("2026-07-15")), (TarihAralığı{Gün("2026-07-15"), Gün("2026-07-15")}));
}

TEST(KarListesi, ElleHesaplananÖrnek)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int vida = tohum::ürün(db, "V-1", "VİDA");
    const int somun = tohum::ürün(db, "S-2", "SOMUN");
    const int pul = tohum::ürün(db, "P-3", "PUL");
    // Vida: 10 at 5,00 and 30 at 7,00, so the average purchase price is (50 + 210) / 40 = 6,50.
    tohum::giriş(db, vida, 10, 5.0);
    tohum::giriş(db, vida, 30, 7.0);
    // Somun: 3 at 100 and 1 at 120: average 420 / 4 = 105.
    tohum::giriş(db, somun, 3, 100.0);
    tohum::giriş(db, somun, 1, 120.0);
    // Pul has no entries: its average is 0.

    // March 2026. Vida: 4 at 9 (invoiced sale) on the first day, 1 given away on the 15th, 2 at 8,50 (receipt
    // sale) on the last day in the afternoon; outside: the day before and the day after.
    çıkış(db, vida, "2026-03-01", 4, 9.0, 0);
    çıkış(db, vida, "2026-03-15", 1, 0.0, 3);
    çıkış(db, vida, "2026-03-31 17:45:00", 2, 8.5, 1);
    çıkış(db, vida, "2026-02-28", 5, 10.0, 0);
    çıkış(db, vida, "2026-04-01", 3, 10.0, 0);
    çıkış(db, somun, "2026-03-10", 2, 100.0, 2);
    çıkış(db, pul, "2026-03-20", 1, 20.0, 5);

    const KarListesi liste = karListesi(db, dönemAralığı(Aylık, Gün("2026-03-18")));
    ASSERT_EQ(liste.satırlar.size(), 3);
    QMap<QString, QStringList> satırlar;
    for (const auto& s : liste.satırlar) satırlar[s[ÜrünKodu].görünen()] = görünen(s);
    // Vida: 7 out for 36 + 0 + 17 = 53; profit 53 - 7 × 6,50 = 7,50.
    EXPECT_EQ(satırlar[QString::number(vida)], (QStringList{QString::number(vida), "VİDA", "7,00", "53,00", "7,50"}));
    // Somun: 200 - 2 × 105 = -10.
    EXPECT_EQ(satırlar[QString::number(somun)], (QStringList{QString::number(somun), "SOMUN", "2,00", "200,00", "-10,00"}));
    EXPECT_EQ(satırlar[QString::number(pul)], (QStringList{QString::number(pul), "PUL", "1,00", "20,00", "20,00"}));
    EXPECT_EQ(liste.toplamKuruş, 750 - 1000 + 2000);

    // The code column holds texts; the number columns numbers.
    EXPECT_EQ(liste.satırlar[0][ÜrünKodu].tür(), ListeDeğeri::Tür::Metin);
    EXPECT_EQ(liste.satırlar[0][KârMiktarı].tür(), ListeDeğeri::Tür::Sayı);

    // All dates: from the earliest to the latest exit, the time of day dropped.
    const auto tümü = tümTarihler(db);
    ASSERT_TRUE(tümü);
    EXPECT_EQ(*tümü, (TarihAralığı{Gün("2026-02-28"), Gün("2026-04-01")}));
    // Vida over all its dates: 15 out for 53 + 50 + 30 = 133; 133 - 15 × 6,5 = 35,50.
    const KarListesi hepsi = karListesi(db, *tümü);
    EXPECT_EQ(hepsi.satırlar.size(), 3);
    EXPECT_EQ(hepsi.toplamKuruş, 3550 - 1000 + 2000);

    // One day: the first of March only.
    const KarListesi birGün = karListesi(db, {Gün("2026-03-01"), Gün("2026-03-01")});
    ASSERT_EQ(birGün.satırlar.size(), 1);
    EXPECT_EQ(görünen(birGün.satırlar[0]).mid(2), (QStringList{"4,00", "36,00", "10,00"}));
}

TEST(KarListesi, BoşDeğerlerVeYuvarlananToplam)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    EXPECT_FALSE(tümTarihler(db));
    EXPECT_TRUE(karListesi(db, {Gün("2026-01-01"), Gün("2026-12-31")}).satırlar.isEmpty());

    const int a = tohum::ürün(db, "A", "A");
    const int b = tohum::ürün(db, "B", "B");
    const int fiyatsız = tohum::ürün(db, "F", "FİYATSIZ");
    // Two profits of 0,004 each show 0,00 and add up to 0,00, not 0,01.
    çıkış(db, a, "2026-05-05", 1, 0.004);
    çıkış(db, b, "2026-05-05", 1, 0.004);
    // A product row that is gone: the name stays empty, the rest is listed.
    çıkış(db, 999, "2026-05-06", 2, 3.0);
    // An exit without a price: no amount and no profit, and nothing added to the total.
    çıkış(db, fiyatsız, "2026-05-07", 4, QVariant());
    // An exit without a product number.
    çıkış(db, QVariant(), "2026-05-08", 1, 5.0);

    const KarListesi liste = karListesi(db, {Gün("2026-05-01"), Gün("2026-05-31")});
    ASSERT_EQ(liste.satırlar.size(), 5);
    QMap<QString, QStringList> satırlar;
    for (const auto& s : liste.satırlar) satırlar[s[ÜrünKodu].görünen()] = görünen(s);
    EXPECT_EQ(satırlar[QString::number(a)].mid(2), (QStringList{"1,00", "0,00", "0,00"}));
    EXPECT_EQ(satırlar["999"], (QStringList{"999", "", "2,00", "6,00", "6,00"}));
    EXPECT_EQ(satırlar[QString::number(fiyatsız)], (QStringList{QString::number(fiyatsız), "FİYATSIZ", "4,00", "", ""}));
    EXPECT_EQ(satırlar[""], (QStringList{"", "", "1,00", "5,00", "5,00"}));
    for (const auto& s : liste.satırlar)
        if (s[ÜrünKodu].görünen() == QString::number(fiyatsız)) EXPECT_TRUE(s[KârMiktarı].boşMu());
    EXPECT_EQ(liste.toplamKuruş, 600 + 500);
}

TEST(KarListesi, KuruşaYuvarlamaGösterilenMetinleAynı)
{
    EXPECT_EQ(kuruşa(0.004), 0);
    EXPECT_EQ(kuruşa(0.005), 1);
    EXPECT_EQ(kuruşa(1.005), 101);   // held as 1.00499999..., shown as 1,01
    EXPECT_EQ(kuruşa(-0.005), -1);   // half away from zero
    EXPECT_EQ(kuruşa(-50), -5000);
    EXPECT_EQ(kuruşa(1234567.891), 123456789);
}
