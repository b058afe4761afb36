// The corrections as plain functions on a real database: the stock guards in whole hundredths, totals
// read again inside the transaction, and what is written (or not) in each case.
#include "movement_history/HareketIslemleri.h"

#include "core/IadeTablosu.h"
#include "support/Tohum.h"
#include "support/Ortam.h"

#include <functional>

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
    // The rows of giriş() and çıkış() as a window opened on them shows them.
    GörülenHareket girişGörülen(int ürün, double miktar) { return {ürün, satıcı, QDate(2026, 1, 5), miktar, 2.5}; }
    GörülenHareket çıkışGörülen(int ürün, double miktar) { return {ürün, alıcı, QDate(2026, 1, 6), miktar, 4, 1}; }
    double miktar(const char* tablo, int no)
    {
        return db.scalar(QStringLiteral("SELECT Miktari FROM %1 WHERE HareketNo = ?1").arg(tablo), {no}).toDouble();
    }
    bool var(const char* tablo, int no)
    {
        return db.scalar(QStringLiteral("SELECT 1 FROM %1 WHERE HareketNo = ?1").arg(tablo), {no}).isValid();
    }
};

// While it lives, the first wait of a statement for a lock held elsewhere runs `iş`, from inside the
// waiting connection's busy handler (so `iş` may use another connection, never the waiting one). The
// default wait indicator is back afterwards, however the test ends.
struct BeklemeBaşlayınca {
    explicit BeklemeBaşlayınca(std::function<void()> iş)
        : kayıt([this, iş = std::move(iş)](bool bekliyor) {
              if (!bekliyor || oldu) return;
              oldu = true;
              try {
                  iş();
              } catch (const platform::DbError& e) {  // never through the engine's frames
                  ADD_FAILURE() << e.text().toStdString();
              }
          })
    {
    }
    bool oldu = false;
    const test::BeklemeKaydı kayıt;
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

TEST_F(İşlemTesti, StokDenetimiYüzdeBirlereYuvarlarKesmez)
{
    // 0,29 is held just below its hundredth: cut, it would count one short and its delete would seem to
    // leave exactly 0 instead of -0,01.
    giriş(kalem, 1);
    const int e = giriş(kalem, 0.29);
    çıkış(kalem, 1.01);
    EXPECT_EQ(girişiSil(db, e), Sonuç::StokEksiyeDüşer);
    EXPECT_TRUE(var("GirisIslemleriTablosu", e));
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
    const GörülenHareket görülen = girişGörülen(silgi, 5);
    EXPECT_EQ(girişiDeğiştir(db, e, görülen, {kalem, satıcı, QDate(2026, 3, 4), 100, 1}), Sonuç::StokEksiyeDüşer);
    db.exec("UPDATE CikisIslemleriTablosu SET Miktari = 8 WHERE HareketNo = ?1", {c});
    EXPECT_EQ(girişiDeğiştir(db, e, görülen, {kalem, satıcı, QDate(2026, 3, 4), 100, 3.25}), Sonuç::Tamam);
    EXPECT_EQ(db.scalar("SELECT UrunNo || '/' || Tarihi || '/' || Fiyati || '/' || GirisiYapan FROM "
                        "GirisIslemleriTablosu WHERE HareketNo = ?1",
                        {e})
                  .toString(),
              QStringLiteral("%1/2026-03-04/3.25/0").arg(kalem));

    // A product or firm that is gone: nothing written.
    const GörülenHareket şimdi{kalem, satıcı, QDate(2026, 3, 4), 100, 3.25};
    EXPECT_EQ(girişiDeğiştir(db, e, şimdi, {9999, satıcı, QDate(2026, 3, 4), 2, 1}), Sonuç::ÜrünYok);
    EXPECT_EQ(girişiDeğiştir(db, e, şimdi, {kalem, 9999, QDate(2026, 3, 4), 2, 1}), Sonuç::FirmaYok);
    EXPECT_DOUBLE_EQ(miktar("GirisIslemleriTablosu", e), 100);
    db.exec("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e});
    EXPECT_EQ(girişiDeğiştir(db, e, şimdi, {kalem, satıcı, QDate(2026, 3, 4), 2, 1}), Sonuç::Silinmiş);
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
    EXPECT_EQ(çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 2), d), Sonuç::StokEksiyeDüşer);
    d.miktar = 9;
    EXPECT_EQ(çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 2), d), Sonuç::Tamam);
    EXPECT_EQ(db.scalar("SELECT Fatura || '/' || CikisiYapan || '/' || Nedeni || '/' || Tarihi FROM "
                        "CikisIslemleriTablosu WHERE HareketNo = ?1",
                        {c})
                  .toString(),
              "1/3/0/2026-05-06");
}

// A window open on a movement while another workstation changes it: the save finds the stored row no
// longer as shown and writes nothing; the other workstation's values stay.
TEST_F(İşlemTesti, BaşkaYerdeDeğişenHareketÜzerineYazılmaz)
{
    İadeTablosunuOluştur(db);
    auto öbür = Database::open(sunucu.veritabanıYolu());
    giriş(kalem, 20);
    const int e = giriş(silgi, 3);
    const int c = çıkış(kalem, 1);

    // The exit of 1,00 is open in the change window; the other workstation returns 0,40 of it.
    ASSERT_EQ(stoğaİadeEt(*öbür, c, çıkışGörülen(kalem, 1), QDate(2026, 2, 1), 0.4, false), Sonuç::Tamam);
    EXPECT_EQ(çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 1), {kalem, alıcı, QDate(2026, 1, 6), 1, 5, 1}),
              Sonuç::Değişmiş);
    EXPECT_DOUBLE_EQ(miktar("CikisIslemleriTablosu", c), 0.6);
    EXPECT_DOUBLE_EQ(tohum::stok(db, kalem), 19.4);
    // Nor may a return measured against the 1,00 go on: 0,50 of it would leave 0,10.
    EXPECT_EQ(stoğaİadeEt(db, c, çıkışGörülen(kalem, 1), QDate(2026, 2, 2), 0.5, false), Sonuç::Değişmiş);
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);

    // Each value of the row changed elsewhere refuses the save; changed back, the same save goes through.
    struct Durum {
        const char* tablo;
        const char* sütun;
        QVariant başka;
        QVariant eski;
    };
    const QList<Durum> durumlar = {
        {"GirisIslemleriTablosu", "FirmaNo", tohum::satıcı(db, "BORA"), satıcı},
        {"GirisIslemleriTablosu", "UrunNo", kalem, silgi},
        {"GirisIslemleriTablosu", "Tarihi", "2026-01-04", "2026-01-05"},
        {"GirisIslemleriTablosu", "Miktari", 1, 3},
        {"GirisIslemleriTablosu", "Fiyati", 2.51, 2.5},
        {"CikisIslemleriTablosu", "FirmaNo", tohum::alıcı(db, "KAYA"), alıcı},
        {"CikisIslemleriTablosu", "UrunNo", silgi, kalem},
        {"CikisIslemleriTablosu", "Tarihi", "2026-01-07", "2026-01-06"},
        {"CikisIslemleriTablosu", "Miktari", 0.61, 0.6},
        {"CikisIslemleriTablosu", "Fiyati", 4.0001, 4},
        {"CikisIslemleriTablosu", "Nedeni", 0, 1},
    };
    for (const Durum& d : durumlar) {
        const bool girişMi = QLatin1String(d.tablo) == QLatin1String("GirisIslemleriTablosu");
        const int no = girişMi ? e : c;
        const auto değiştir = [&] {
            return girişMi ? girişiDeğiştir(db, e, girişGörülen(silgi, 3), {silgi, satıcı, QDate(2026, 1, 5), 3, 9})
                           : çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 0.6), {kalem, alıcı, QDate(2026, 1, 6), 0.6, 9, 1});
        };
        const QString sql = QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE HareketNo = ?2").arg(d.tablo, d.sütun);
        öbür->exec(sql, {d.başka, no});
        EXPECT_EQ(değiştir(), Sonuç::Değişmiş) << d.tablo << " " << d.sütun;
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE HareketNo = ?1").arg(d.sütun, d.tablo), {no}),
                  d.başka)
            << d.sütun;
        // Written again with the values the window shows: nothing changed for it, the save goes through.
        öbür->exec(sql, {d.eski, no});
        EXPECT_EQ(değiştir(), Sonuç::Tamam) << d.tablo << " " << d.sütun;
        öbür->exec(QStringLiteral("UPDATE %1 SET Fiyati = ?1 WHERE HareketNo = ?2").arg(d.tablo), {girişMi ? 2.5 : 4, no});
    }

    // A delete acts on the row the history showed too: changed elsewhere, it is kept.
    öbür->exec("UPDATE GirisIslemleriTablosu SET Miktari = 2 WHERE HareketNo = ?1", {e});
    EXPECT_EQ(girişiSil(db, e, girişGörülen(silgi, 3)), Sonuç::Değişmiş);
    öbür->exec("UPDATE CikisIslemleriTablosu SET Nedeni = 0 WHERE HareketNo = ?1", {c});
    EXPECT_EQ(çıkışıSil(db, c, çıkışGörülen(kalem, 0.6)), Sonuç::Değişmiş);
    EXPECT_EQ(tohum::sayı(db, "CikisIslemleriTablosu"), 1);
    öbür->exec("UPDATE GirisIslemleriTablosu SET Miktari = 3 WHERE HareketNo = ?1", {e});

    // Gone meanwhile: said so, nothing written.
    öbür->exec("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e});
    EXPECT_EQ(girişiDeğiştir(db, e, girişGörülen(silgi, 3), {silgi, satıcı, QDate(2026, 1, 5), 3, 9}), Sonuç::Silinmiş);
}

// The stored row is read and compared only once this save holds the write lock: another workstation that
// holds a change of the same row in an open write transaction, and commits it while this save waits for
// the lock, is not overwritten.
TEST_F(İşlemTesti, KilitBeklenirkenYazılanDeğişiklikÜzerineYazılmaz)
{
    İadeTablosunuOluştur(db);
    auto öbür = Database::open(sunucu.veritabanıYolu());
    giriş(kalem, 20);
    const int e = giriş(silgi, 3);
    const int c1 = çıkış(kalem, 2);
    const int c2 = çıkış(kalem, 2);
    struct Durum {
        const char* tablo;
        int no;
        const char* başkası;  // the other workstation's change of the row
        std::function<Sonuç()> kaydet;
        const char* sonra;    // the row's quantity and price afterwards
    };
    const QList<Durum> durumlar = {
        {"GirisIslemleriTablosu", e, "Fiyati = 2.75",
         [&] { return girişiDeğiştir(db, e, girişGörülen(silgi, 3), {silgi, satıcı, QDate(2026, 1, 5), 3, 9}); },
         "3.0/2.75"},
        {"CikisIslemleriTablosu", c1, "Miktari = 1.5",
         [&] { return çıkışıDeğiştir(db, c1, çıkışGörülen(kalem, 2), {kalem, alıcı, QDate(2026, 1, 6), 2, 9, 1}); },
         "1.5/4.0"},
        {"CikisIslemleriTablosu", c2, "Miktari = 1.2",
         [&] { return stoğaİadeEt(db, c2, çıkışGörülen(kalem, 2), QDate(2026, 2, 1), 0.5, false); }, "1.2/4.0"},
    };
    for (const Durum& d : durumlar) {
        platform::Transaction başkaİşlem(*öbür);
        öbür->exec(QStringLiteral("UPDATE %1 SET %2 WHERE HareketNo = ?1").arg(d.tablo, d.başkası), {d.no});
        const BeklemeBaşlayınca bekleme([&] { başkaİşlem.commit(); });
        EXPECT_EQ(d.kaydet(), Sonuç::Değişmiş) << d.başkası;
        EXPECT_TRUE(bekleme.oldu) << d.başkası;  // the save did wait for the other workstation
        EXPECT_FALSE(öbür->inTransaction());
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT Miktari || '/' || Fiyati FROM %1 WHERE HareketNo = ?1").arg(d.tablo),
                            {d.no})
                      .toString(),
                  d.sonra)
            << d.başkası;
    }
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 0);
    EXPECT_FALSE(db.inTransaction());
}

// What the windows refuse is refused by the functions too, before anything is read or written.
TEST_F(İşlemTesti, PencereninReddettiğiDeğerlerYazılmaz)
{
    İadeTablosunuOluştur(db);
    giriş(kalem, 10);
    const int e = giriş(kalem, 3);
    const int c = çıkış(kalem, 2);
    const QDate gün(2026, 3, 4), geçersiz, uzakYıl(10000, 1, 1);
    struct Giriş {
        QDate tarih;
        double miktar, fiyat;
        Sonuç sonuç;
    };
    for (const Giriş& g : QList<Giriş>{{geçersiz, 1, 1, Sonuç::TarihGeçersiz},
                                        {uzakYıl, 1, 1, Sonuç::TarihGeçersiz},
                                        {gün, 0.004, 1, Sonuç::MiktarGeçersiz},
                                        {gün, 2e12, 1, Sonuç::MiktarGeçersiz},
                                        {gün, 1, 0, Sonuç::FiyatGeçersiz},
                                        {gün, 1, 0.004, Sonuç::FiyatGeçersiz},
                                        {gün, 1, 2e12, Sonuç::FiyatGeçersiz}})
        EXPECT_EQ(girişiDeğiştir(db, e, girişGörülen(kalem, 3), {kalem, satıcı, g.tarih, g.miktar, g.fiyat}), g.sonuç)
            << g.tarih.year() << " " << g.miktar << " " << g.fiyat;

    struct Çıkış {
        QDate tarih;
        double fiyat;
        int nedeni;
        Sonuç sonuç;
    };
    for (const Çıkış& ç : QList<Çıkış>{{gün, 1, 6, Sonuç::NedenGeçersiz},
                                        {gün, 1, 99, Sonuç::NedenGeçersiz},
                                        {gün, 1, -1, Sonuç::NedenGeçersiz},
                                        {uzakYıl, 1, 0, Sonuç::TarihGeçersiz},
                                        {geçersiz, 1, 0, Sonuç::TarihGeçersiz},
                                        {gün, 0, 0, Sonuç::FiyatGeçersiz},
                                        {gün, 0, 1, Sonuç::FiyatGeçersiz},
                                        {gün, -0.01, 3, Sonuç::FiyatGeçersiz}})
        EXPECT_EQ(çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 2), {kalem, alıcı, ç.tarih, 1, ç.fiyat, ç.nedeni}), ç.sonuç)
            << ç.nedeni << " " << ç.fiyat;
    EXPECT_EQ(stoğaİadeEt(db, c, çıkışGörülen(kalem, 2), uzakYıl, 1, false), Sonuç::TarihGeçersiz);
    EXPECT_EQ(stoğaİadeEt(db, c, çıkışGörülen(kalem, 2), geçersiz, 1, false), Sonuç::TarihGeçersiz);
    EXPECT_EQ(stoğaİadeEt(db, c, çıkışGörülen(kalem, 2), gün, 0, false), Sonuç::MiktarGeçersiz);

    EXPECT_EQ(db.scalar("SELECT Tarihi || '/' || Miktari || '/' || Fiyati FROM GirisIslemleriTablosu "
                        "WHERE HareketNo = ?1",
                        {e})
                  .toString(),
              "2026-01-05/3.0/2.5");
    EXPECT_EQ(db.scalar("SELECT Tarihi || '/' || Miktari || '/' || Fiyati || '/' || Nedeni FROM "
                        "CikisIslemleriTablosu WHERE HareketNo = ?1",
                        {c})
                  .toString(),
              "2026-01-06/2.0/4.0/1");
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 0);
    // A gift at 0 is taken, as the exit window takes it.
    EXPECT_EQ(çıkışıDeğiştir(db, c, çıkışGörülen(kalem, 2), {kalem, alıcı, gün, 2, 0, 3}), Sonuç::Tamam);
}

TEST_F(İşlemTesti, KısmiVeTamİade)
{
    giriş(kalem, 20);
    const int c = çıkış(kalem, 10);
    İadeTablosunuOluştur(db);
    EXPECT_EQ(stoğaİadeEt(db, c, çıkışGörülen(kalem, 10), QDate(2020, 3, 4), 2.5, false), Sonuç::Tamam);
    EXPECT_DOUBLE_EQ(miktar("CikisIslemleriTablosu", c), 7.5);
    auto s = db.prepare("SELECT CikisHareketiNo, IadeTarihi, IadeMiktari FROM StogaIadeBilgileriTablosu");
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.integer(0), c);
    EXPECT_EQ(s.text(1), "2020-03-04");
    EXPECT_DOUBLE_EQ(s.real(2), 2.5);
    EXPECT_FALSE(s.next());

    // Measured against a quantity that is not the stored one: nothing written.
    const GörülenHareket görülen = çıkışGörülen(kalem, 7.5);
    EXPECT_EQ(stoğaİadeEt(db, c, görülen, QDate(2020, 3, 5), 10, true), Sonuç::Değişmiş);
    EXPECT_EQ(stoğaİadeEt(db, c, görülen, QDate(2020, 3, 5), 7.5, false), Sonuç::Değişmiş);
    EXPECT_EQ(stoğaİadeEt(db, c, görülen, QDate(2020, 3, 5), -2, false), Sonuç::MiktarGeçersiz);
    EXPECT_DOUBLE_EQ(miktar("CikisIslemleriTablosu", c), 7.5);
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);

    // The whole of it: the exit goes, the earlier return row stays, no new one.
    EXPECT_EQ(stoğaİadeEt(db, c, görülen, QDate(2020, 3, 6), 7.5, true), Sonuç::Tamam);
    EXPECT_FALSE(var("CikisIslemleriTablosu", c));
    EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);
    EXPECT_EQ(stoğaİadeEt(db, c, görülen, QDate(2020, 3, 6), 1, false), Sonuç::Silinmiş);
    EXPECT_DOUBLE_EQ(tohum::stok(db, kalem), 20);
}
