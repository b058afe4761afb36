// The heavy paths of the stock figures on a large shared database: 10,000 products and 1,000,000
// movements (half entries, half exits, spread over four years).
#include "BuyukVeritabani.h"
#include "platform/Database.h"
#include "platform/KayitliSorgular.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using bench::ÜrünSayısı;

platform::Database& veritabanı() { return *bench::büyükVeritabanı(); }

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
