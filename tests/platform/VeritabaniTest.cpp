#include "platform/Database.h"
#include "support/Ortam.h"

#include <QFile>
#include <QGuiApplication>

using platform::Database;
using platform::DbError;
using platform::Statement;

TEST(Veritabanı, AçmaHatalarıNumaralarıylaGelir)
{
    QTemporaryDir dizin;
    try {
        Database::open(dizin.path() + "/Stok.vtb");
        FAIL() << "a missing file must not open";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), platform::hata::DosyaBulunamadı);
    }
    try {
        Database::open(dizin.path() + "/yok/Stok.vtb");
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), platform::hata::YolGeçersiz);
    }
    // A file that is not a database takes the general path.
    QFile f(dizin.path() + "/Bozuk.vtb");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    try {
        Database::open(f.fileName());
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), platform::hata::Genel);
        EXPECT_EQ(e.text(), "Açılan dosya bir veritabanı dosyası değil.");
    }
    // The program never creates a database.
    EXPECT_FALSE(QFile::exists(dizin.path() + "/Stok.vtb"));
}

TEST(Veritabanı, DeğerlerBağlanırVeNullGüvenliOkunur)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, Fiyati) VALUES (?, ?, ?)", {"K'1", "O'BRİEN", 12.5});
    const qint64 no = db.lastInsertId();
    auto s = db.prepare("SELECT Kodu, Adi, Fiyati, Aciklama FROM UrunBilgileriTablosu WHERE UrunNo = ?");
    s.bind(1, no);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text(0), "K'1");
    EXPECT_EQ(s.text(1), "O'BRİEN");
    EXPECT_DOUBLE_EQ(s.real(2), 12.5);
    EXPECT_TRUE(s.isNull(3));
    EXPECT_EQ(s.text(3), "");
    EXPECT_FALSE(s.value(3).isValid());
}

TEST(Veritabanı, TürkçeKatlamaVeSıralama)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    for (const char* ad : {"ışık", "IRMAK", "iğne", "Zeytin", "çay", "Cam"})
        db.exec("INSERT INTO SaticiFirmalarTablosu (Adi) VALUES (?)", {QString::fromUtf8(ad)});
    EXPECT_EQ(db.scalar("SELECT count(*) FROM SaticiFirmalarTablosu WHERE TR_KATLA(Adi) = TR_KATLA(?)", {"IŞIK"})
                  .toInt(),
              1);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM SaticiFirmalarTablosu WHERE TR_KATLA(Adi) = TR_KATLA(?)", {"İĞNE"})
                  .toInt(),
              1);
    QStringList sıra;
    auto s = db.prepare("SELECT Adi FROM SaticiFirmalarTablosu ORDER BY Adi COLLATE TURKCE");
    while (s.next()) sıra << s.text(0);
    EXPECT_EQ(sıra, QStringList({"Cam", "çay", "IRMAK", "ışık", "iğne", "Zeytin"}));
}

TEST(Veritabanı, İşlemGeriAlınırYaDaYazılır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    {
        platform::Transaction t(db);
        db.exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?)", {"A"});
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM GirisCikisYapanlarTablosu").toInt(), 0);
    {
        platform::Transaction t(db);
        db.exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?)", {"B"});
        t.commit();
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM GirisCikisYapanlarTablosu").toInt(), 1);
}

namespace {
DbError hatası(const std::function<void()>& iş)
{
    try {
        iş();
    } catch (const DbError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return DbError(0, {});
}
}  // namespace

TEST(Veritabanı, YazmaHatalarıTürkçeAçıklanırKomutGösterilmez)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const auto ekle = [&db] {
        db.exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?)", {QString(20000, QChar(u'x'))});
    };

    db.execScript("PRAGMA query_only=1");
    DbError e = hatası(ekle);
    EXPECT_EQ(e.number(), platform::hata::Genel);
    EXPECT_TRUE(e.text().startsWith("Veritabanı dosyası salt okunur")) << e.text().toStdString();
    EXPECT_FALSE(e.text().contains("INSERT"));
    db.execScript("PRAGMA query_only=0");

    db.execScript(QStringLiteral("PRAGMA max_page_count=%1").arg(db.scalar("PRAGMA page_count").toInt()));
    e = hatası(ekle);
    EXPECT_EQ(e.number(), platform::hata::Genel);
    EXPECT_TRUE(e.text().startsWith("Disk dolu")) << e.text().toStdString();
    db.execScript("PRAGMA max_page_count=1073741823");

    // Another workstation holds the write lock: the wait shows the busy indicator, then gives up.
    auto öteki = Database::open(sunucu.veritabanıYolu());
    öteki->execScript("BEGIN IMMEDIATE");
    db.setBusyTimeout(30);
    QList<bool> gösterge;
    {
        const test::BeklemeKaydı kayıt([&gösterge](bool bekliyor) { gösterge << bekliyor; });
        e = hatası(ekle);
    }
    EXPECT_EQ(e.number(), platform::hata::Genel);
    EXPECT_EQ(e.text(), "Veritabanı, başka bir bilgisayar onu kullandığı için şu anda kilitli. Lütfen, biraz sonra tekrar deneyiniz.");
    EXPECT_EQ(gösterge, QList<bool>({true, false}));
    // The busy cursor is put back after the wait.
    EXPECT_THROW(platform::Transaction{db}, DbError);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    öteki->execScript("ROLLBACK");
    EXPECT_NO_THROW(ekle());
}

// Another program's database put in the file's place, or its tables changed by another program: what a
// statement names but the file lacks is told in Turkish, with the general number.
TEST(Veritabanı, EksikTabloVeAlanTürkçeAnlatılır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    Statement hazır = db.prepare("SELECT Miktari FROM GirisIslemleriTablosu");
    auto öteki = Database::open(sunucu.veritabanıYolu());
    öteki->execScript("DROP TABLE GirisIslemleriTablosu; DROP TABLE UrunBilgileriTablosu;"
                      "CREATE TABLE UrunBilgileriTablosu (Baska TEXT)");
    const auto hata = [](const std::function<void()>& iş) {
        try {
            iş();
        } catch (const DbError& e) {
            return QString::number(e.number()) + " " + e.text();
        }
        return QString();
    };
    EXPECT_EQ(hata([&] { hazır.next(); }), "3000 Tablo bulunamadı: GirisIslemleriTablosu");
    EXPECT_EQ(hata([&] { db.scalar("SELECT count(*) FROM CikisIslemleriTablosu c JOIN GirisIslemleriTablosu g"); }),
              "3000 Tablo bulunamadı: GirisIslemleriTablosu");
    EXPECT_EQ(hata([&] { db.prepare("SELECT Kodu FROM UrunBilgileriTablosu"); }), "3000 Alan bulunamadı: Kodu");
    EXPECT_EQ(hata([&] { db.exec("INSERT INTO UrunBilgileriTablosu (Kodu) VALUES (?)", {"A"}); }),
              "3000 Alan bulunamadı: UrunBilgileriTablosu.Kodu");
    EXPECT_EQ(hata([&] { db.execScript("UPDATE UrunBilgileriTablosu SET Adi = 1"); }), "3000 Alan bulunamadı: Adi");
}
