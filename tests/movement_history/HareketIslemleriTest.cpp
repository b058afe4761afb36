// The corrections as plain functions on a real database: the stock guards in whole hundredths, totals
// read again inside the transaction, and what is written (or not) in each case.
#include "movement_history/HareketIslemleri.h"

#include "core/IadeTablosu.h"
#include "support/Tohum.h"
#include "support/Ortam.h"

using namespace hareket;
using platform::Database;

namespace {

struct İşlemTesti : ::testing::Test {
    test::SunucuKlasörü sunucu;
    Database& db = sunucu.db();
    int satıcı = tohum::satıcı(db, "ACAR GIDA");
    int alıcı = tohum::alıcı(db, "ÇINAR MARKET");
    int kalem = tohum::ürün(db, "K1", "KALEM");
    int silgi = tohum::ürün(db, "S1", "SİLGİ");

    int giriş(int ürün, double miktar)
    {
        tohum::giriş(db, ürün, miktar, 2.5, satıcı);
        return int(db.lastInsertId());
    }
    int çıkış(int ürün, double miktar)
    {
        tohum::çıkış(db, ürün, miktar, 4, alıcı);
        return int(db.lastInsertId());
    }
    double miktar(const char* tablo, int no)
    {
        return db.scalar(QStringLiteral("SELECT Miktari FROM %1 WHERE HareketNo = ?1").arg(tablo), {no}).toDouble();
    }
    bool var(const char* tablo, int no)
    {
        return db.scalar(QStringLiteral("SELECT 1 FROM %1 WHERE HareketNo = ?1").arg(tablo), {no}).isValid();
    }
};

}  // namespace

TEST(HareketDeğeri, SıfırdanBüyükMüYüzdeBirlerle)
{
    for (const char* m : {"", "0", "0,00", "0,0", "0,004", "-1", "-0,5", "abc", "1,2,3", "1.5", "2.000.000.000.000"})
        EXPECT_FALSE(sıfırdanBüyükMü(m)) << m;
    for (const char* m : {"0,01", "0,005", "1", "1.234,50"}) EXPECT_TRUE(sıfırdanBüyükMü(m)) << m;
}

TEST_F(İşlemTesti, GirişSilmeSıfırdaDururKesirHatasıylaReddedilmez)
{
    // 0,01 + 0,02 in, 0,01 out: without the 0,02 entry the stock is exactly 0.
    giriş(kalem, 0.01);
    const int iki = giriş(kalem, 0.02);
    çıkış(kalem, 0.01);
    EXPECT_EQ(girişiSil(db, iki), Sonuç::Tamam);
    EXPECT_FALSE(var("GirisIslemleriTablosu", iki));

    // 10 in (4 + 6), 4 out: the 6 may go (0 left); with 6,5 it may not, and nothing is deleted.
    giriş(silgi, 4);
    const int altı = giriş(silgi, 6);
    çıkış(silgi, 4);
    const int altıBuçuk = giriş(silgi, 0.5);  // makes the next case 10,5 in
    EXPECT_EQ(girişiSil(db, altı), Sonuç::Tamam);
    çıkış(silgi, 0.5);                         // 4,5 in, 4,5 out
    EXPECT_EQ(girişiSil(db, altıBuçuk), Sonuç::StokEksiyeDüşer);
    EXPECT_TRUE(var("GirisIslemleriTablosu", altıBuçuk));
    EXPECT_FALSE(db.inTransaction());

    // A movement already deleted elsewhere: nothing to do, and said so.
    EXPECT_EQ(girişiSil(db, altı), Sonuç::Silinmiş);
}

TEST_F(İşlemTesti, SilmeBaşkaBağlantınınSonÇıkışınıSayar)
{
    giriş(kalem, 10);
    const int beş = giriş(kalem, 5);
    çıkış(kalem, 4);
    // Another workstation takes 7 more after this one loaded the history (its totals said 15 and 4).
    auto öbür = Database::open(sunucu.veritabanıYolu());
    tohum::çıkış(*öbür, kalem, 7, 4, alıcı);
    EXPECT_EQ(girişiSil(db, beş), Sonuç::StokEksiyeDüşer);
    EXPECT_TRUE(var("GirisIslemleriTablosu", beş));
    EXPECT_DOUBLE_EQ(tohum::stok(db, kalem), 4);
}

TEST_F(İşlemTesti, İadesiOlanÇıkışSilinmez)
{
    const int a = çıkış(kalem, 3);
    const int b = çıkış(kalem, 2);
    EXPECT_FALSE(iadeVarMı(db, a));  // no returns table yet
    İadeTablosunuOluştur(db);
    db.exec("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) VALUES (?1, '2026-02-01', 1)",
            {a});
    EXPECT_TRUE(iadeVarMı(db, a));
    EXPECT_EQ(çıkışıSil(db, a), Sonuç::İadeVar);
    EXPECT_TRUE(var("CikisIslemleriTablosu", a));
    // An exit is deleted whatever the stock (it only raises it).
    EXPECT_EQ(çıkışıSil(db, b), Sonuç::Tamam);
    EXPECT_EQ(çıkışıSil(db, b), Sonuç::Silinmiş);
}

TEST_F(İşlemTesti, GirişDeğişikliği)
{
    // Moving an entry away: the product it leaves must not go below zero (8 − 9), whatever the quantity;
    // the product that gains it is not limited. The person who made it stays.
    const int e = giriş(silgi, 5);
    giriş(silgi, 8);
    const int c = çıkış(silgi, 9);
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, satıcı, QDate(2026, 3, 4), 100, 1}), Sonuç::StokEksiyeDüşer);
    db.exec("UPDATE CikisIslemleriTablosu SET Miktari = 8 WHERE HareketNo = ?1", {c});
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, satıcı, QDate(2026, 3, 4), 100, 3.25}), Sonuç::Tamam);
    EXPECT_EQ(db.scalar("SELECT UrunNo || '/' || Tarihi || '/' || Fiyati || '/' || GirisiYapan FROM "
                        "GirisIslemleriTablosu WHERE HareketNo = ?1",
                        {e})
                  .toString(),
              QStringLiteral("%1/2026-03-04/3.25/0").arg(kalem));

    // A product or firm that is gone, a value that cannot be written as shown: nothing written.
    EXPECT_EQ(girişiDeğiştir(db, e, {9999, satıcı, QDate(2026, 3, 4), 2, 1}), Sonuç::ÜrünYok);
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, 9999, QDate(2026, 3, 4), 2, 1}), Sonuç::FirmaYok);
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, satıcı, QDate(2026, 3, 4), 2e12, 1}), Sonuç::DeğerGeçersiz);
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, satıcı, QDate(2026, 3, 4), 0.004, 1}), Sonuç::DeğerGeçersiz);
    EXPECT_DOUBLE_EQ(miktar("GirisIslemleriTablosu", e), 100);
    db.exec("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e});
    EXPECT_EQ(girişiDeğiştir(db, e, {kalem, satıcı, QDate(2026, 3, 4), 2, 1}), Sonuç::Silinmiş);
}

TEST_F(İşlemTesti, ÇıkışDeğişikliğiFaturaİşaretiniVeSonÇıkışlarıSayar)
{
    giriş(kalem, 10);
    const int c = çıkış(kalem, 2);
    db.exec("UPDATE CikisIslemleriTablosu SET Fatura = 1, CikisiYapan = 3 WHERE HareketNo = ?1", {c});
    ÇıkışDeğişikliği d{kalem, alıcı, QDate(2026, 5, 6), 9, 4, 0};
    // Another workstation took 1 since the history was loaded: 9 still fits (exactly 0), 9,01 no more.
    auto öbür = Database::open(sunucu.veritabanıYolu());
    tohum::çıkış(*öbür, kalem, 1, 4, alıcı);
    d.miktar = 9.01;
    EXPECT_EQ(çıkışıDeğiştir(db, c, d), Sonuç::StokEksiyeDüşer);
    d.miktar = 9;
    EXPECT_EQ(çıkışıDeğiştir(db, c, d), Sonuç::Tamam);
    EXPECT_EQ(db.scalar("SELECT Fatura || '/' || CikisiYapan || '/' || Nedeni || '/' || Tarihi FROM "
                        "CikisIslemleriTablosu WHERE HareketNo = ?1",
                        {c})
                  .toString(),
              "1/3/0/2026-05-06");
}

TEST_F(İşlemTesti, KısmiVeTamİade)
{
    giriş(kalem, 20);
    const int c = çıkış(kalem, 10);
    İadeTablosunuOluştur(db);
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 4), 2.5, false), Sonuç::Tamam);
    EXPECT_DOUBLE_EQ(miktar("CikisIslemleriTablosu", c), 7.5);
    auto s = db.prepare("SELECT CikisHareketiNo, IadeTarihi, IadeMiktari FROM StogaIadeBilgileriTablosu");
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.integer(0), c);
    EXPECT_EQ(s.text(1), "2020-03-04");
    EXPECT_DOUBLE_EQ(s.real(2), 2.5);
    EXPECT_FALSE(s.next());

    // Measured against a quantity that is no longer the stored one: nothing written.
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 5), 10, true), Sonuç::Değişmiş);
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 5), 7.5, false), Sonuç::Değişmiş);
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 5), -2, false), Sonuç::DeğerGeçersiz);
    EXPECT_DOUBLE_EQ(miktar("CikisIslemleriTablosu", c), 7.5);
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);

    // The whole of it: the exit goes, the earlier return row stays, no new one.
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 6), 7.5, true), Sonuç::Tamam);
    EXPECT_FALSE(var("CikisIslemleriTablosu", c));
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);
    EXPECT_EQ(stoğaİadeEt(db, c, QDate(2020, 3, 6), 1, false), Sonuç::Silinmiş);
    EXPECT_DOUBLE_EQ(tohum::stok(db, kalem), 20);
}
