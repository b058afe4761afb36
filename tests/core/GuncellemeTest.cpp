#include "CekirdekOrtami.h"

#include "core/BaslangicModulu.h"
#include "platform/KayitliSorgular.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <future>
#include <thread>

using namespace BaşlangıçModülü;

namespace {

QString görünüşMetni(platform::Database& db, const QString& ad)
{
    return db.scalar("SELECT sql FROM sqlite_master WHERE name = ?", {ad}).toString();
}

int alanSayısı(platform::Database& db, const QString& görünüş)
{
    return db.prepare("SELECT * FROM " + görünüş).columnCount();
}

// The indexes with their definitions (the engine keeps them without "IF NOT EXISTS").
QStringList dizinler(platform::Database& db)
{
    QStringList l;
    auto s = db.prepare("SELECT sql FROM sqlite_master WHERE type = 'index' AND name NOT LIKE 'sqlite_%' ORDER BY name");
    while (s.next()) l << s.text(0);
    return l;
}

QByteArray özet(const QString& dosya)
{
    QFile f(dosya);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

}  // namespace

using GüncellemeTesti = ÇekirdekTesti;

TEST_F(GüncellemeTesti, EskiDosyaGüncelDüzeneGetirilir)
{
    test::SunucuKlasörü güncel;
    const QString girişMetni = görünüşMetni(güncel.db(), "GirisToplamiSorgusu");
    const QString çıkışMetni = görünüşMetni(güncel.db(), "CikisToplamiSorgusu");
    const QStringList güncelDizinler = dizinler(güncel.db());

    test::SunucuKlasörü eski(test::SunucuKlasörü::Düzen::Eski);
    auto& db = eski.db();
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi) VALUES ('A1', 'Vida')");
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (1, 1, '2024-01-02', 10, 75)");
    EXPECT_FALSE(AlanVarMı("UrunBilgileriTablosu", "UreticiKodu"));
    EXPECT_FALSE(TabloVarMı("GirisCikisYapanlarTablosu"));

    test::MesajYanıtlayıcı yanıt;
    VeritabanınıGüncelle();
    EXPECT_EQ(yanıt.sayı(), 0) << yanıt.sonMetin().toStdString();

    for (const char* alan : {"UreticiKodu", "Markasi", "Fotografi"})
        EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", alan)) << alan;
    EXPECT_TRUE(AlanVarMı("GirisIslemleriTablosu", "GirisiYapan"));
    EXPECT_TRUE(AlanVarMı("CikisIslemleriTablosu", "CikisiYapan"));
    EXPECT_TRUE(TabloVarMı("GirisCikisYapanlarTablosu"));
    db.exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES ('Ayşe')");
    // The views are those of a new file, word for word; existing rows get no value in the new columns.
    EXPECT_EQ(görünüşMetni(db, "GirisToplamiSorgusu"), girişMetni);
    EXPECT_EQ(görünüşMetni(db, "CikisToplamiSorgusu"), çıkışMetni);
    EXPECT_EQ(alanSayısı(db, "GirisToplamiSorgusu"), 5);
    EXPECT_EQ(alanSayısı(db, "CikisToplamiSorgusu"), 3);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT GirisTutari FROM GirisToplamiSorgusu WHERE UrunNo = 1").toDouble(), 750);
    EXPECT_TRUE(db.scalar("SELECT UreticiKodu FROM UrunBilgileriTablosu").isNull());
    EXPECT_EQ(dizinler(db), güncelDizinler);
}

TEST_F(GüncellemeTesti, YarımKalmışGüncellemeTamamlanır)
{
    test::SunucuKlasörü eski(test::SunucuKlasörü::Düzen::Eski);
    auto& db = eski.db();
    // An earlier start got as far as the first product column and the entries' person, and the entry view
    // already has its five fields while the exit view still has two.
    db.execScript("ALTER TABLE UrunBilgileriTablosu ADD COLUMN UreticiKodu VARCHAR(128);"
                  "ALTER TABLE GirisIslemleriTablosu ADD COLUMN GirisiYapan SMALLINT;"
                  "DROP VIEW GirisToplamiSorgusu;"
                  "CREATE VIEW GirisToplamiSorgusu AS SELECT UrunNo, 'k' AS Kodu, 'a' AS Adi, Sum(Miktari) AS GirisToplami,"
                  " Sum(Fiyati) AS GirisTutari FROM GirisIslemleriTablosu GROUP BY UrunNo;"
                  "CREATE INDEX GirisIslemleriTarihiDizini ON GirisIslemleriTablosu (Tarihi);");
    test::MesajYanıtlayıcı yanıt;
    VeritabanınıGüncelle();
    EXPECT_EQ(yanıt.sayı(), 0) << yanıt.sonMetin().toStdString();
    for (const char* alan : {"UreticiKodu", "Markasi", "Fotografi"})
        EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", alan)) << alan;
    EXPECT_TRUE(AlanVarMı("CikisIslemleriTablosu", "CikisiYapan"));
    EXPECT_TRUE(TabloVarMı("GirisCikisYapanlarTablosu"));
    // Both texts are written when either view has its older layout.
    EXPECT_EQ(görünüşMetni(db, "GirisToplamiSorgusu"), sorgular::GirisToplamiSorgusu);
    EXPECT_EQ(görünüşMetni(db, "CikisToplamiSorgusu"), sorgular::CikisToplamiSorgusu);
    EXPECT_EQ(dizinler(db).size(), 7);
}

TEST_F(GüncellemeTesti, BaşkaAlanSayılarıOlanGörünüşlereDokunulmaz)
{
    test::SunucuKlasörü eski(test::SunucuKlasörü::Düzen::Eski);
    auto& db = eski.db();
    db.execScript("DROP VIEW GirisToplamiSorgusu; DROP VIEW CikisToplamiSorgusu;"
                  "CREATE VIEW GirisToplamiSorgusu AS SELECT UrunNo, 1 AS A, 2 AS B, 3 AS C FROM GirisIslemleriTablosu;"
                  "CREATE VIEW CikisToplamiSorgusu AS SELECT UrunNo, 1 AS A, 2 AS B FROM CikisIslemleriTablosu;");
    const QString önce = görünüşMetni(db, "GirisToplamiSorgusu");
    VeritabanınıGüncelle();
    EXPECT_EQ(görünüşMetni(db, "GirisToplamiSorgusu"), önce);
    EXPECT_EQ(alanSayısı(db, "CikisToplamiSorgusu"), 3);
    EXPECT_TRUE(görünüşMetni(db, "CikisToplamiSorgusu").contains("2 AS B"));
}

TEST_F(GüncellemeTesti, GüncelDosyaBaytıBaytınaAynıKalır)
{
    test::SunucuKlasörü güncel(test::SunucuKlasörü::Düzen::Güncel, false);
    const QByteArray önce = özet(güncel.veritabanıYolu());
    const QDateTime değişme = QFileInfo(güncel.veritabanıYolu()).lastModified();
    AçıkVeritabanı = VeritabanınıAç(güncel.yol());
    test::MesajYanıtlayıcı yanıt;
    VeritabanınıGüncelle();
    AçıkVeritabanı.reset();
    EXPECT_EQ(yanıt.sayı(), 0);
    EXPECT_EQ(özet(güncel.veritabanıYolu()), önce);
    EXPECT_EQ(QFileInfo(güncel.veritabanıYolu()).lastModified(), değişme);
    EXPECT_FALSE(QFile::exists(güncel.veritabanıYolu() + "-journal"));
}

TEST_F(GüncellemeTesti, HarfBüyüklüğüFarklıAlanHataBildiricisineGider)
{
    test::SunucuKlasörü eski(test::SunucuKlasörü::Düzen::Eski);
    eski.db().execScript("ALTER TABLE UrunBilgileriTablosu ADD COLUMN ureticikodu TEXT");
    EXPECT_FALSE(AlanVarMı("UrunBilgileriTablosu", "UreticiKodu"));
    EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", "ureticikodu"));
    {
        // The engine refuses the duplicate name; the user goes on and the other steps still run.
        test::MesajYanıtlayıcı yanıt({"Evet"});
        VeritabanınıGüncelle();
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.görülenler()[0].başlık, "Hata oluştu!");
        EXPECT_TRUE(yanıt.sonMetin().contains("Hata Kodu: 3000"));
        EXPECT_TRUE(yanıt.sonMetin().contains("ureticikodu", Qt::CaseInsensitive));
        EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", "Markasi"));
        EXPECT_TRUE(TabloVarMı("GirisCikisYapanlarTablosu"));
    }
    // Answering No ends the program.
    test::MesajYanıtlayıcı yanıt({"Hayır"});
    EXPECT_THROW(VeritabanınıGüncelle(), test::ProgramBitti);
}

TEST_F(GüncellemeTesti, AynıAndaBaşlayanİkinciİstasyonAynıAlanıEklemez)
{
    test::SunucuKlasörü eski(test::SunucuKlasörü::Düzen::Eski);
    eski.db().execScript("DROP VIEW CikisToplamiSorgusu; DROP VIEW GirisToplamiSorgusu;");
    eski.db().execScript(sorgular::GirisToplamiSorgusu);
    eski.db().execScript(sorgular::CikisToplamiSorgusu);
    ASSERT_FALSE(AlanVarMı("UrunBilgileriTablosu", "UreticiKodu"));

    // Another workstation is adding the first product column and has not finished when this one looks.
    std::promise<void> eklendi;
    std::thread öteki([&, yol = eski.veritabanıYolu()] {
        auto db = platform::Database::open(yol);
        platform::Transaction işlem(*db);
        db->execScript("ALTER TABLE UrunBilgileriTablosu ADD COLUMN UreticiKodu VARCHAR(128)");
        eklendi.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        işlem.commit();
    });
    eklendi.get_future().wait();
    test::MesajYanıtlayıcı yanıt({"Evet"});
    VeritabanınıGüncelle();
    öteki.join();
    EXPECT_EQ(yanıt.sayı(), 0) << yanıt.sonMetin().toStdString();
    for (const char* alan : {"UreticiKodu", "Markasi", "Fotografi"})
        EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", alan)) << alan;
}

TEST_F(GüncellemeTesti, BaşkaİstasyonYazarkenGüncelDosyaBeklemedenAçılır)
{
    test::SunucuKlasörü güncel;
    auto öteki = platform::Database::open(güncel.veritabanıYolu());
    öteki->execScript("BEGIN IMMEDIATE");
    AçıkVeritabanı->setBusyTimeout(50);  // a step that wanted to write would fail at once, with a message
    QList<bool> bekleme;
    test::MesajYanıtlayıcı yanıt;
    {
        const test::BeklemeKaydı kayıt([&bekleme](bool b) { bekleme << b; });
        VeritabanınıGüncelle();
    }
    öteki->execScript("ROLLBACK");
    EXPECT_EQ(yanıt.sayı(), 0) << yanıt.sonMetin().toStdString();
    EXPECT_TRUE(bekleme.isEmpty());
}

TEST_F(GüncellemeTesti, AlanVeTabloSınamaları)
{
    EXPECT_THROW(AlanVarMı("UrunBilgileriTablosu", "Adi"), platform::DbError);  // no database open
    test::SunucuKlasörü güncel;
    EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", "Adi"));
    EXPECT_FALSE(AlanVarMı("UrunBilgileriTablosu", "adi"));
    EXPECT_THROW(AlanVarMı("YokTablosu", "Adi"), platform::DbError);
    EXPECT_TRUE(TabloVarMı("GirisCikisYapanlarTablosu"));
    EXPECT_FALSE(TabloVarMı("giriscikisyapanlartablosu"));
    EXPECT_FALSE(TabloVarMı("GirisToplamiSorgusu"));  // a view is not a table
}

TEST_F(GüncellemeTesti, ToplamlarVeDönemÇıkışlarıÖrnekÜzerinde)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    db.execScript(
        "INSERT INTO UrunBilgileriTablosu (UrunNo, Kodu, Adi) VALUES (1, 'V1', 'Vida'), (2, 'S1', 'Somun'), (3, 'P1', 'Pul');"
        "INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES"
        " (1, 1, '2024-03-01', 10, 75), (1, 1, '2024-03-05', 30, 85), (3, 1, '2024-03-02', 5, 2);"
        "INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) VALUES"
        " (1, 2, '2024-03-10', 4, 100, 0), (1, 1, '2024-03-31 17:45:00', 6, 110, 1), (1, 2, '2024-04-01', 1, 120, 0),"
        " (2, 2, '2024-03-10', 2, 50, 5), (3, 2, '2024-02-29', 1, 9, 0);");

    auto g = db.prepare("SELECT UrunNo, Kodu, Adi, GirisToplami, GirisTutari FROM GirisToplamiSorgusu ORDER BY UrunNo");
    ASSERT_TRUE(g.next());
    EXPECT_EQ(g.integer(0), 1);
    EXPECT_EQ(g.text(1), "V1");
    EXPECT_EQ(g.text(2), "Vida");
    EXPECT_DOUBLE_EQ(g.real(3), 40);
    EXPECT_DOUBLE_EQ(g.real(4), 3300);  // 10 x 75 + 30 x 85, not 75 + 85
    ASSERT_TRUE(g.next());
    EXPECT_EQ(g.integer(0), 3);
    EXPECT_FALSE(g.next());  // Somun has no entries

    auto c = db.prepare("SELECT UrunNo, CikisToplami, CikisTutari FROM CikisToplamiSorgusu ORDER BY UrunNo");
    ASSERT_TRUE(c.next());
    EXPECT_DOUBLE_EQ(c.real(1), 11);
    EXPECT_DOUBLE_EQ(c.real(2), 4 * 100 + 6 * 110 + 1 * 120);

    // March, both days included: the exit of the 31st at a quarter to six counts, April's and February's not.
    auto d = sorgular::çıkışİşlemleri(db, QDate(2024, 3, 1), QDate(2024, 3, 31));
    ASSERT_EQ(d.columnCount(), 5);
    EXPECT_EQ(QStringList({d.columnName(0), d.columnName(1), d.columnName(2), d.columnName(3), d.columnName(4)}),
              QStringList({"UrunNo", "Adi", "CikisToplami", "CikisTutari", "OrtalamaFiyat"}));
    ASSERT_TRUE(d.next());
    EXPECT_EQ(d.integer(0), 1);
    EXPECT_EQ(d.text(1), "Vida");
    EXPECT_DOUBLE_EQ(d.real(2), 10);
    EXPECT_DOUBLE_EQ(d.real(3), 1060);
    EXPECT_DOUBLE_EQ(d.real(4), 82.5);  // 3.300,00 over 40
    ASSERT_TRUE(d.next());
    EXPECT_EQ(d.integer(0), 2);
    EXPECT_DOUBLE_EQ(d.real(2), 2);
    EXPECT_DOUBLE_EQ(d.real(4), 0);  // no entries: no purchase price
    EXPECT_FALSE(d.next());

    // One day.
    auto tekGün = sorgular::çıkışİşlemleri(db, QDate(2024, 2, 29), QDate(2024, 2, 29));
    ASSERT_TRUE(tekGün.next());
    EXPECT_EQ(tekGün.integer(0), 3);
    EXPECT_DOUBLE_EQ(tekGün.real(4), 2);
    EXPECT_FALSE(tekGün.next());
}
