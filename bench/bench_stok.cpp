// The heavy paths of the stock figures on a large shared database: 10,000 products and 1,000,000
// movements (half entries, half exits, spread over four years).
#include "platform/Database.h"
#include "platform/KayitliSorgular.h"
#include "support/Ortam.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int ÜrünSayısı = 10000;
constexpr int HareketSayısı = 1000000;

platform::Database& veritabanı()
{
    static QTemporaryDir dizin;
    static std::shared_ptr<platform::Database> db = [] {
        const QString dosya = dizin.path() + QStringLiteral("/Stok.vtb");
        test::yeniVeritabanı(dosya);
        auto d = platform::Database::open(dosya);
        platform::Transaction işlem(*d);
        d->execScript(QStringLiteral(
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama) "
                          "SELECT 'K' || i, 'Ürün ' || i, 'Adet', 10, 18, '' FROM n;")
                          .arg(ÜrünSayısı));
        for (const char* tablo : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"}) {
            const bool giriş = QByteArray(tablo).startsWith("Giris");
            d->execScript(QStringLiteral(
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                              "INSERT INTO %2 (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati%3) "
                              "SELECT abs(random()) % %4 + 1, 2, date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                              "abs(random()) % 20 + 1, %5%6 FROM n;")
                              .arg(HareketSayısı / 2)
                              .arg(QString::fromLatin1(tablo))
                              .arg(giriş ? QStringLiteral(", GirisiYapan") : QStringLiteral(", Nedeni, CikisiYapan"))
                              .arg(ÜrünSayısı)
                              .arg(giriş ? QStringLiteral("7.5 + abs(random()) % 5") : QStringLiteral("12.5"))
                              .arg(giriş ? QStringLiteral(", 0") : QStringLiteral(", abs(random()) % 6, 0")));
        }
        işlem.commit();
        return d;
    }();
    return *db;
}

// The stock on hand of one product, as the entry and exit windows ask it.
void BirÜrününStoğu(benchmark::State& durum)
{
    platform::Database& db = veritabanı();
    platform::Statement s = db.prepare(QStringLiteral(
        "SELECT (SELECT IFNULL(Sum(Miktari), 0) FROM GirisIslemleriTablosu WHERE UrunNo = ?1) - "
        "(SELECT IFNULL(Sum(Miktari), 0) FROM CikisIslemleriTablosu WHERE UrunNo = ?1)"));
    int ürün = 1;
    for (auto _ : durum) {
        s.reset();
        s.bind(1, ürün);
        s.next();
        benchmark::DoNotOptimize(s.real(0));
        ürün = ürün % ÜrünSayısı + 1;
    }
}
BENCHMARK(BirÜrününStoğu)->Unit(benchmark::kMicrosecond);

// The stock list: the entry totals joined with the exit totals, every row read.
void StokListesiBirleşimi(benchmark::State& durum)
{
    platform::Database& db = veritabanı();
    for (auto _ : durum) {
        platform::Statement s = db.prepare(QStringLiteral(
            "SELECT GirisToplamiSorgusu.UrunNo, GirisToplamiSorgusu.Kodu, GirisToplamiSorgusu.Adi, "
            "GirisToplamiSorgusu.GirisToplami, IFNULL(CikisToplamiSorgusu.CikisToplami, 0), "
            "GirisToplamiSorgusu.GirisToplami - IFNULL(CikisToplamiSorgusu.CikisToplami, 0) "
            "FROM GirisToplamiSorgusu LEFT JOIN CikisToplamiSorgusu "
            "ON GirisToplamiSorgusu.UrunNo = CikisToplamiSorgusu.UrunNo"));
        int satır = 0;
        while (s.next()) ++satır;
        benchmark::DoNotOptimize(satır);
    }
}
BENCHMARK(StokListesiBirleşimi)->Unit(benchmark::kMillisecond);

// The period query of the profit list over one month.
void AylıkÇıkışİşlemleri(benchmark::State& durum)
{
    platform::Database& db = veritabanı();
    for (auto _ : durum) {
        platform::Statement s = sorgular::çıkışİşlemleri(db, QDate(2023, 3, 1), QDate(2023, 3, 31));
        int satır = 0;
        while (s.next()) ++satır;
        benchmark::DoNotOptimize(satır);
    }
}
BENCHMARK(AylıkÇıkışİşlemleri)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    veritabanı();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
