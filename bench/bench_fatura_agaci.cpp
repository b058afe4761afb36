// The firm tree of the invoicing window on a large shared database: 1,000 buyer firms and 200,000 exits
// over one year, half of them already invoiced. Two mixes: exits of every reason (a sixth of them invoiced
// sales, the usual case), and every exit an invoiced sale (the largest tree: about 85,000 days).
#include "BenchOrtami.h"
#include "invoicing/FaturaSatirlari.h"
#include "invoicing/FaturaYazdirFormu.h"

#include <QTreeWidget>

namespace {

constexpr int FirmaSayısı = 1000;
constexpr int ÇıkışSayısı = 200000;

std::shared_ptr<platform::Database> veritabanıYap(int nedenSayısı)
{
    auto d = bench::yeniVeritabanı(QStringLiteral("Stok%1.vtb").arg(nedenSayısı));
    platform::Transaction işlem(*d);
    bench::ürünleriEkle(*d, 500);
    bench::firmalarıEkle(*d, "AliciFirmalarTablosu", FirmaSayısı);
    d->execScript(bench::sayılar(ÇıkışSayısı)
                  + QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, Fatura, CikisiYapan) "
                                   "SELECT abs(random()) % 500 + 1, abs(random()) % %1 + 2, "
                                   "date('2026-01-01', '+' || (abs(random()) % 365) || ' days'), abs(random()) % 20 + 1, 12.5, "
                                   "abs(random()) % %2, abs(random()) % 2, 0 FROM n;")
                        .arg(FirmaSayısı)
                        .arg(nedenSayısı));
    işlem.commit();
    return d;
}

// The database of the mix: exits of every reason (6), or invoiced sales only (1).
platform::Database& veritabanı(int nedenSayısı)
{
    static std::shared_ptr<platform::Database> karışık = veritabanıYap(6);
    static std::shared_ptr<platform::Database> satışlar = veritabanıYap(1);
    return nedenSayısı == 1 ? *satışlar : *karışık;
}

// The query and the reading of its rows into firms and days.
void AğaçSorgusu(benchmark::State& durum)
{
    platform::Database& db = veritabanı(int(durum.range(0)));
    for (auto _ : durum) {
        const auto ağaç = fatura::firmaAğacınıOku(db, false);
        benchmark::DoNotOptimize(ağaç.size());
    }
}
BENCHMARK(AğaçSorgusu)->Arg(6)->Arg(1)->Unit(benchmark::kMillisecond);

// The window's whole fill: the query and the tree of firm and day nodes.
void AğacıDoldur(benchmark::State& durum)
{
    AçıkVeritabanı = std::shared_ptr<platform::Database>(&veritabanı(int(durum.range(0))), [](platform::Database*) {});
    FaturaYazdırFormu pencere;
    auto* ağaç = pencere.findChild<QTreeWidget*>(QStringLiteral("FirmaListesi"));
    int düğüm = 0;
    for (auto _ : durum) {
        pencere.FirmaListesiniYükle();
        düğüm = ağaç->topLevelItemCount();
        for (int i = 0; i < ağaç->topLevelItemCount(); ++i) düğüm += ağaç->topLevelItem(i)->childCount();
    }
    durum.counters["düğümler"] = düğüm;
    AçıkVeritabanı.reset();
}
BENCHMARK(AğacıDoldur)->Arg(6)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv); }
