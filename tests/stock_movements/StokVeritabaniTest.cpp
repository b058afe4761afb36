// What the stock windows read and write, against a real database file, without windows.
#include "stock_movements/StokVeritabani.h"
#include "support/Ortam.h"
#include "support/Tohum.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Yuzdelik.h"

#include <limits>

using namespace stok;
using platform::Database;

namespace {

GirişSatırı girişSatırı(int ürün, int firma, double miktar, double fiyat, int kişi = 0)
{
    GirişSatırı s;
    s.ürünNo = ürün;
    s.firmaNo = firma;
    s.firmaAdı = "FİRMA";
    s.adı = "ÜRÜN";
    s.tarih = QDate(2026, 2, 14);
    s.miktar = miktar;
    s.fiyat = fiyat;
    s.girişiYapan = kişi;
    return s;
}

ÇıkışSatırı çıkışSatırı(int ürün, double miktar, const QString& adı = "ÜRÜN", int firma = 1, int neden = 1)
{
    ÇıkışSatırı s;
    s.ürünNo = ürün;
    s.firmaNo = firma;
    s.adı = adı;
    s.tarih = QDate(2026, 2, 15);
    s.miktar = miktar;
    s.fiyat = 3.25;
    s.nedeni = neden;
    s.çıkışıYapan = 2;
    return s;
}

}  // namespace

TEST(StokVeritabanı, YeniKişiVeritabanınınNumarasınıAlırVeYazıldığıGibiSaklanır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    db.exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES ('ESKİ')");
    db.exec("DELETE FROM GirisCikisYapanlarTablosu");  // numbers are never given twice
    const int no = kişiEkle(db, "AYŞE O'NEİL");
    EXPECT_EQ(no, 2);
    EXPECT_EQ(db.scalar("SELECT AdiSoyadi FROM GirisCikisYapanlarTablosu WHERE Nosu = ?", {no}).toString(),
              "AYŞE O'NEİL");
    // Another workstation's connection adding at once gets its own number.
    auto öteki = Database::open(sunucu.veritabanıYolu());
    const int ötekiNo = kişiEkle(*öteki, "ALİ");
    EXPECT_EQ(ötekiNo, 3);
    const QList<AdNo> k = kişiler(db);
    ASSERT_EQ(k.size(), 2);
    EXPECT_EQ(k[0].no, 2);
    EXPECT_EQ(k[1].ad, "ALİ");
}

TEST(StokVeritabanı, GirişListesiTekİşlemdeDeğerleriyleYazılır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int b = tohum::ürün(db, "B", "BETA");
    const int x = tohum::satıcı(db, "X");
    EXPECT_FALSE(girişleriKaydet(db, {girişSatırı(a, x, 1234.5, 12.5, 4), girişSatırı(b, x, 0.01, 3, 0)}));
    auto s = db.prepare("SELECT UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan FROM GirisIslemleriTablosu "
                        "ORDER BY HareketNo");
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.integer(0), a);
    EXPECT_EQ(s.integer(1), x);
    EXPECT_EQ(s.text(2), "2026-02-14");
    EXPECT_DOUBLE_EQ(s.real(3), 1234.5);
    EXPECT_DOUBLE_EQ(s.real(4), 12.5);
    EXPECT_EQ(s.integer(5), 4);
    ASSERT_TRUE(s.next());
    EXPECT_DOUBLE_EQ(s.real(3), 0.01);
    EXPECT_EQ(s.integer(5), 0);
    EXPECT_FALSE(s.next());
    EXPECT_FALSE(db.inTransaction());
}

TEST(StokVeritabanı, OrtasındaBozulanKayıtHiçbirSatırıYazmaz)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int b = tohum::ürün(db, "B", "BETA");
    const int c = tohum::ürün(db, "C", "GAMA");
    const int x = tohum::satıcı(db, "X");
    tohum::giriş(db, a, 50, 1);
    tohum::giriş(db, b, 50, 1);
    // The third line of each list fails as a disk or a changed file would make it fail.
    db.execScript(QStringLiteral(
        "CREATE TRIGGER Bozuk1 BEFORE INSERT ON GirisIslemleriTablosu WHEN NEW.UrunNo = %1 "
        "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;"
        "CREATE TRIGGER Bozuk2 BEFORE INSERT ON CikisIslemleriTablosu WHEN NEW.Miktari = 7 "
        "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;")
                      .arg(c));
    EXPECT_THROW(girişleriKaydet(db, {girişSatırı(a, x, 1, 1), girişSatırı(b, x, 1, 1), girişSatırı(c, x, 1, 1)}),
                 platform::DbError);
    EXPECT_THROW(çıkışlarıKaydet(db, {çıkışSatırı(a, 1), çıkışSatırı(b, 7)}), platform::DbError);
    EXPECT_EQ(tohum::sayı(db, "GirisIslemleriTablosu"), 2);
    EXPECT_EQ(tohum::sayı(db, "CikisIslemleriTablosu"), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST(StokVeritabanı, BaşkaBilgisayardaSilinenÜrünVeFirmaKaydıDurdurur)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int b = tohum::ürün(db, "B", "BETA");
    const int x = tohum::satıcı(db, "X");
    const int m = tohum::alıcı(db, "MÜŞTERİ");
    tohum::giriş(db, a, 10, 1);
    tohum::giriş(db, b, 10, 1);
    auto öteki = Database::open(sunucu.veritabanıYolu());
    öteki->exec("DELETE FROM UrunBilgileriTablosu WHERE UrunNo = ?", {b});

    auto ret = girişleriKaydet(db, {girişSatırı(a, x, 1, 1), girişSatırı(b, x, 1, 1)});
    ASSERT_TRUE(ret);
    EXPECT_EQ(ret->satır, 1);
    EXPECT_TRUE(ret->metin.contains("silinmiş")) << ret->metin.toStdString();
    ret = çıkışlarıKaydet(db, {çıkışSatırı(a, 1), çıkışSatırı(b, 1, "BETA")});
    ASSERT_TRUE(ret);
    EXPECT_TRUE(ret->metin.contains("“BETA”"));

    öteki->exec("DELETE FROM AliciFirmalarTablosu WHERE Nosu = ?", {m});
    ret = çıkışlarıKaydet(db, {çıkışSatırı(a, 1, "ALFA", m, 2)});
    ASSERT_TRUE(ret);
    EXPECT_TRUE(ret->metin.contains("firması")) << ret->metin.toStdString();
    EXPECT_EQ(tohum::sayı(db, "GirisIslemleriTablosu"), 2);
    EXPECT_EQ(tohum::sayı(db, "CikisIslemleriTablosu"), 0);
}

TEST(StokVeritabanı, İkiBilgisayarBirlikteStoktanFazlasınıÇıkamaz)
{
    test::SunucuKlasörü sunucu;
    auto& birinci = sunucu.db();
    auto ikinci = Database::open(sunucu.veritabanıYolu());
    const int a = tohum::ürün(birinci, "A", "ALFA");
    const int b = tohum::ürün(birinci, "B", "BETA");
    tohum::giriş(birinci, a, 10, 1);
    tohum::giriş(birinci, b, 10, 1);
    // Each list is within the stock that both workstations saw when they chose the products.
    const QList<ÇıkışSatırı> liste1 = {çıkışSatırı(a, 6, "ALFA"), çıkışSatırı(b, 2, "BETA")};
    const QList<ÇıkışSatırı> liste2 = {çıkışSatırı(b, 1, "BETA"), çıkışSatırı(a, 5, "ALFA")};
    EXPECT_FALSE(çıkışlarıKaydet(birinci, liste1));
    const auto ret = çıkışlarıKaydet(*ikinci, liste2);
    ASSERT_TRUE(ret);
    EXPECT_EQ(ret->satır, 1);
    EXPECT_TRUE(ret->metin.startsWith("Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!"));
    EXPECT_TRUE(ret->metin.contains("ALFA"));
    EXPECT_TRUE(ret->metin.contains("4,00"));
    EXPECT_EQ(tohum::sayı(birinci, "CikisIslemleriTablosu"), 2);
    EXPECT_DOUBLE_EQ(tohum::stok(birinci, a), 4);
    EXPECT_DOUBLE_EQ(tohum::stok(birinci, b), 8);
    // Exactly the stock left goes through.
    EXPECT_FALSE(çıkışlarıKaydet(*ikinci, {çıkışSatırı(a, 4, "ALFA")}));
    EXPECT_DOUBLE_EQ(tohum::stok(birinci, a), 0);
}

TEST(StokVeritabanı, YazılamayacakMiktarVeFiyatHiçbirSatırıYazmaz)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int x = tohum::satıcı(db, "X");
    const auto reddedildi = [](const std::optional<KayıtRet>& r, const QString& metin, int satır) {
        return r && r->metin == metin && r->satır == satır && r->neden == KayıtRet::Neden::GeçersizDeğer;
    };
    for (double kötü : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 0.004,
                        -1.0, 1e12 + 1, 5e16}) {
        EXPECT_TRUE(reddedildi(girişleriKaydet(db, {girişSatırı(a, x, 1, 1), girişSatırı(a, x, kötü, 1)}),
                               metin::MiktarGiriniz, 1))
            << kötü;
        EXPECT_TRUE(reddedildi(girişleriKaydet(db, {girişSatırı(a, x, 1, kötü)}), metin::FiyatGiriniz, 0)) << kötü;
        EXPECT_TRUE(reddedildi(çıkışlarıKaydet(db, {çıkışSatırı(a, kötü), çıkışSatırı(a, kötü)}), metin::MiktarGiriniz, 0))
            << kötü;
    }
    // A sale needs a price above 0; the other reasons take 0, never less.
    auto satış = çıkışSatırı(a, 1);
    satış.fiyat = 0.004;
    EXPECT_TRUE(reddedildi(çıkışlarıKaydet(db, {satış}), metin::FiyatGiriniz, 0));
    auto hediye = çıkışSatırı(a, 1, "ALFA", tohum::alıcı(db, "Y"), 3);
    hediye.fiyat = -0.01;
    EXPECT_TRUE(reddedildi(çıkışlarıKaydet(db, {hediye}), metin::FiyatGiriniz, 0));
    EXPECT_EQ(tohum::sayı(db, "GirisIslemleriTablosu"), 0);
    EXPECT_EQ(tohum::sayı(db, "CikisIslemleriTablosu"), 0);
    EXPECT_FALSE(db.inTransaction());

    tohum::giriş(db, a, 1, 1);
    hediye.fiyat = 0;
    EXPECT_FALSE(çıkışlarıKaydet(db, {hediye}));
}

TEST(StokVeritabanı, KayıtListeGibiYüzdeliklerleDenetlerVeYuvarlayarakYazar)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int a = tohum::ürün(db, "A", "ALFA");
    const int b = tohum::ürün(db, "B", "BETA");
    const int x = tohum::satıcı(db, "X");
    const auto kuruşStok = [&](int ürün) { return *yüzdelik::yüzdeliğeÇevir(tohum::stok(db, ürün)); };

    // Stored as the list shows them: 1,004 as 1,00 and 2,005 as 2,01.
    ASSERT_FALSE(girişleriKaydet(db, {girişSatırı(a, x, 1.004, 2.005)}));
    EXPECT_EQ(db.scalar("SELECT Miktari FROM GirisIslemleriTablosu").toDouble(), 1.0);
    EXPECT_EQ(db.scalar("SELECT Fiyati FROM GirisIslemleriTablosu").toDouble(), 2.01);
    ASSERT_FALSE(çıkışlarıKaydet(db, {çıkışSatırı(a, 1.004)}));
    EXPECT_EQ(tohum::stok(db, a), 0.0);
    EXPECT_TRUE(çıkışlarıKaydet(db, {çıkışSatırı(a, 0.01)}));

    // Entry 1, exit 0,55: the 0,45 left passes the line check and the commit alike.
    ASSERT_FALSE(girişleriKaydet(db, {girişSatırı(b, x, 1, 1)}));
    ASSERT_FALSE(çıkışlarıKaydet(db, {çıkışSatırı(b, 0.55, "BETA")}));
    ÇıkışGirdisi g{1, std::nullopt, b, ürünStoğu(db, b).kalan(), QDate(2026, 3, 1), "0,45", "3,25"};
    EXPECT_FALSE(çıkışSatırınıDenetle(g, {}));
    EXPECT_FALSE(çıkışlarıKaydet(db, {çıkışSatırı(b, 0.45, "BETA")}));
    EXPECT_EQ(kuruşStok(b), 0);

    // Several lines of one product are added up before they meet its stock.
    ASSERT_FALSE(girişleriKaydet(db, {girişSatırı(b, x, 1, 1)}));
    const auto ret2 = çıkışlarıKaydet(db, {çıkışSatırı(b, 0.6, "BETA"), çıkışSatırı(b, 0.6, "BETA")});
    ASSERT_TRUE(ret2);
    EXPECT_EQ(ret2->neden, KayıtRet::Neden::StokYetmiyor);
    EXPECT_EQ(ret2->satır, 0);
    EXPECT_TRUE(ret2->metin.contains("Listedeki miktar: 1,20")) << ret2->metin.toStdString();
    EXPECT_FALSE(çıkışlarıKaydet(db, {çıkışSatırı(b, 0.5, "BETA"), çıkışSatırı(b, 0.5, "BETA")}));
    EXPECT_EQ(kuruşStok(b), 0);
}
