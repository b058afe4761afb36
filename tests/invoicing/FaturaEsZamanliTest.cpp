// The invoice and a second workstation on the same file: the lines are read again and marked in one
// transaction that no other workstation enters, and an exit is invoiced by one workstation only.
#include "invoicing/FaturaBaskisi.h"
#include "invoicing/FaturaSatirlari.h"
#include "FaturaTohumu.h"

#include "support/Ortam.h"

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>

using namespace fatura;
using platform::Database;
namespace t = faturaTohumu;

namespace {

// What the invoicing window hands to the print for the firm's day, read on one workstation.
FaturaVerisi gösterilen(Database& db, int firmaNo, const QDate& gün, bool yazdırılanlar = false)
{
    FaturaVerisi v;
    v.firmaNo = firmaNo;
    v.tarih = gün;
    v.yazdırılanlar = yazdırılanlar;
    for (const FaturaKalemi& k : satırlarıOku(db, firmaNo, gün, yazdırılanlar))
        v.satırlar.append({k.hareketNo, k.kodu, k.adı, k.miktar, k.birimi, k.kdvOranı.value_or(0), k.fiyat,
                           para::kuruşaYuvarla(k.tutar), k.kdv, k.ürünNo});
    return v;
}

int faturalı(Database& db)
{
    return db.scalar("SELECT count(*) FROM CikisIslemleriTablosu WHERE Fatura <> 0").toInt();
}

}  // namespace

TEST(FaturaEşZamanlı, AynıGünüİkiBilgisayarFaturalandıramaz)
{
    test::SunucuKlasörü sunucu;
    Database& a = sunucu.db();
    const auto ikinci = Database::open(sunucu.veritabanıYolu());
    const int ü = t::ürün(a, "K1", "Kalem");
    const int firma = t::alıcı(a, "ALFA");
    const QDate gün(2026, 3, 7);
    for (int i = 0; i < 3; ++i) t::çıkış(a, firma, ü, "2026-03-07", 1 + i);
    t::çıkış(a, firma, ü, "2026-03-08");

    // Both workstations show the day.
    const FaturaVerisi va = gösterilen(a, firma, gün), vb = gösterilen(*ikinci, firma, gün);
    ASSERT_EQ(va.satırlar.size(), 3);

    // While A marks the lines, B (on a thread of its own) can neither read nor begin: it waits until A's
    // transaction is over, then reads the lines marked and finds them invoiced. A goes on only once B waits.
    std::promise<void> bBekliyor;
    std::once_flag birKez, başla;
    const test::BeklemeKaydı bekleme([&](bool bekliyor) {
        if (bekliyor) std::call_once(birKez, [&] { bBekliyor.set_value(); });
    });
    std::future<std::pair<int, bool>> b;
    {
        const test::GüncellemeKancası içeride(a, "CikisIslemleriTablosu", "Fatura", [&] {
            std::call_once(başla, [&] {
                b = std::async(std::launch::async, [&] {
                    const int okunan = faturalı(*ikinci);
                    return std::pair(okunan, faturalandır(*ikinci, vb));
                });
                EXPECT_EQ(bBekliyor.get_future().wait_for(std::chrono::seconds(9)), std::future_status::ready);
            });
        });
        EXPECT_TRUE(faturalandır(a, va));
    }
    EXPECT_EQ(b.get(), std::pair(3, false));
    EXPECT_EQ(faturalı(a), 3);

    // A reprint from the view of invoiced exits marks nothing new, and holds no lock once its lines are
    // compared: another workstation may begin to write at once.
    const FaturaVerisi yeniden = gösterilen(*ikinci, firma, gün, true);
    ASSERT_EQ(yeniden.satırlar.size(), 3);
    EXPECT_TRUE(faturalandır(*ikinci, yeniden));
    a.setBusyTimeout(0);
    EXPECT_NO_THROW(a.execScript("BEGIN IMMEDIATE; ROLLBACK"));
    EXPECT_EQ(faturalı(a), 3);
    EXPECT_EQ(a.scalar("SELECT Fatura FROM CikisIslemleriTablosu WHERE Tarihi = '2026-03-08'").toInt(), 0);
}

TEST(FaturaEşZamanlı, BaşkaBilgisayardaDeğişenSatırYazdırılmaz)
{
    test::SunucuKlasörü sunucu;
    Database& a = sunucu.db();
    const auto b = Database::open(sunucu.veritabanıYolu());
    const int ü = t::ürün(a, "K1", "Kalem", "Adet", 8.0);
    const int başkaÜrün = t::ürün(a, "K2", "Silgi");
    const int firma = t::alıcı(a, "ALFA");
    const int başkaFirma = t::alıcı(a, "BETA");
    const QDate gün(2026, 3, 7);
    const qint64 no = t::çıkış(a, firma, ü, "2026-03-07", 1, 0.99);
    t::çıkış(a, firma, ü, "2026-03-07", 2, 5);
    const FaturaVerisi v = gösterilen(a, firma, gün);
    ASSERT_EQ(v.satırlar.size(), 2);
    ASSERT_TRUE(satırlarGösterildiğiGibi(a, v));

    // Each change on the other workstation alone refuses the lines; undone, they are as shown again.
    struct Değişiklik {
        const char* sql;  // ?1 the value, ?2 the row
        QVariant yeni, eski, satır;
    };
    const char* const çıkış = "UPDATE CikisIslemleriTablosu SET %1 = ?1 WHERE HareketNo = ?2";
    const char* const ürün = "UPDATE UrunBilgileriTablosu SET %1 = ?1 WHERE UrunNo = ?2";
    const QList<std::pair<QString, Değişiklik>> değişiklikler = {
        {"Fiyati", {çıkış, 7.99, 0.99, no}},
        {"Fiyati", {çıkış, 0.9901, 0.99, no}},  // shows 0,99 but is priced at 0,9901
        {"Nedeni", {çıkış, 2, 0, no}},
        {"Miktari", {çıkış, 1.5, 1, no}},
        {"FirmaNo", {çıkış, başkaFirma, firma, no}},
        {"UrunNo", {çıkış, başkaÜrün, ü, no}},
        {"Tarihi", {çıkış, "2026-03-08", "2026-03-07", no}},
        {"Fatura", {çıkış, 1, 0, no}},
        {"KDVOrani", {ürün, 18, 8, ü}},
        {"Adi", {ürün, "Kurşun Kalem", "Kalem", ü}},
        {"Kodu", {ürün, "K1-A", "K1", ü}},
    };
    for (const auto& [sütun, d] : değişiklikler) {
        const QString sql = QString::fromUtf8(d.sql).arg(sütun);
        b->exec(sql, {d.yeni, d.satır});
        EXPECT_FALSE(satırlarGösterildiğiGibi(a, v)) << sütun.toStdString() << " " << d.yeni.toString().toStdString();
        b->exec(sql, {d.eski, d.satır});
        EXPECT_TRUE(satırlarGösterildiğiGibi(a, v)) << sütun.toStdString();
    }
    // A price is compared as it is priced, to four decimals: 0,990001 is 0,9900.
    b->exec(QString::fromUtf8(çıkış).arg("Fiyati"), {0.990001, no});
    EXPECT_TRUE(satırlarGösterildiğiGibi(a, v));

    // An invoiced line may be printed again from the view of invoiced exits.
    b->exec("UPDATE CikisIslemleriTablosu SET Fatura = 1");
    FaturaVerisi yeniden = v;
    yeniden.yazdırılanlar = true;
    EXPECT_TRUE(satırlarGösterildiğiGibi(a, yeniden));

    // A line gone.
    b->exec("DELETE FROM CikisIslemleriTablosu WHERE HareketNo = ?", {no});
    EXPECT_FALSE(satırlarGösterildiğiGibi(a, yeniden));
}
