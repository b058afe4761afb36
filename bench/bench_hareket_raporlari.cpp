// The daily movements window listing every day ("Tümünü Listele") over 1,000,000 entries of 10,000
// products from 100 seller firms: the query, the rows and their totals, up to the filled list view, as
// the button runs it behind the progress window. Reports the time per listing and the peak resident
// memory of the process (tepeRSS_MB).
#include "BenchOrtami.h"
#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"

namespace {

constexpr int ÜrünSayısı = 10000;
constexpr int HareketSayısı = 1000000;

// Every movement an entry, from one of 100 sellers.
void veritabanınıKur()
{
    AçıkVeritabanı = bench::yeniVeritabanı();
    auto& d = *AçıkVeritabanı;
    platform::Transaction işlem(d);
    bench::ürünleriEkle(d, ÜrünSayısı);
    bench::firmalarıEkle(d, "SaticiFirmalarTablosu", 100);
    d.execScript(bench::sayılar(HareketSayısı)
                 + QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                                  "SELECT abs(random()) % %1 + 1, abs(random()) % 100 + 1, "
                                  "date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                                  "(abs(random()) % 2000) / 100.0 + 1, 7.5 + (abs(random()) % 500) / 100.0, 0 FROM n;")
                       .arg(ÜrünSayısı));
    işlem.commit();
}

void GünlükListeTümü(benchmark::State& durum)
{
    ListelerMenüsüTag = QStringLiteral("1");
    for (auto _ : durum) {
        auto pencere = std::make_unique<GünlükGirişÇıkışHareketleriFormu>();
        pencere->TümünüListeleDüğmesi_Click();
        if (pencere->HareketListesi->satırSayısı() != HareketSayısı) durum.SkipWithError("not every movement was listed");
        durum.PauseTiming();  // the window and its rows are dropped outside the measure
        pencere.reset();
        durum.ResumeTiming();
    }
    durum.counters["tepeRSS_MB"] = bench::tepeRssMB();
}
BENCHMARK(GünlükListeTümü)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The query and the rows' values alone, without the list view.
void GünlükSorgusuTümü(benchmark::State& durum)
{
    for (auto _ : durum) {
        int n = 0;
        rapor::günlükHareketler(*AçıkVeritabanı, rapor::GünlükMod::Giriş, std::nullopt,
                                {[](int) {}, [&n](rapor::Satır&& s) { n += s.size(); }});
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(GünlükSorgusuTümü)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv, veritabanınıKur); }
