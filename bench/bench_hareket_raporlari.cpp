// The daily movements window listing every day ("Tümünü Listele") over 1,000,000 entries of 10,000
// products from 100 seller firms: the query, the rows and their totals, up to the filled list view, as
// the button runs it behind the progress window. Reports the time per listing and the peak resident
// memory of the process (tepeRSS_MB).
#include "core/OrtakDegiskenler.h"
#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int ÜrünSayısı = 10000;
constexpr int HareketSayısı = 1000000;

double tepeRssMB()
{
    rusage k{};
    getrusage(RUSAGE_SELF, &k);
    return double(k.ru_maxrss) / 1024.0;  // KiB on Linux
}

void veritabanınıKur(const QString& dosya)
{
    test::yeniVeritabanı(dosya);
    auto d = platform::Database::open(dosya);
    platform::Transaction işlem(*d);
    d->execScript(QStringLiteral(
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                      "INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama) "
                      "SELECT 'K' || i, 'Ürün ' || i, 'Adet', 10, 18, '' FROM n;"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                      "INSERT INTO SaticiFirmalarTablosu (Adi, Adresi) SELECT 'Satıcı Firma ' || i, '' FROM n;"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                      "INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                      "SELECT abs(random()) % %1 + 1, abs(random()) % 100 + 1, "
                      "date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                      "(abs(random()) % 2000) / 100.0 + 1, 7.5 + (abs(random()) % 500) / 100.0, 0 FROM n;")
                      .arg(ÜrünSayısı)
                      .arg(HareketSayısı));
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
    durum.counters["tepeRSS_MB"] = tepeRssMB();
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ayarlar;
    qputenv("XDG_CONFIG_HOME", ayarlar.path().toUtf8());
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dizin;
    const QString dosya = dizin.path() + QStringLiteral("/Stok.vtb");
    veritabanınıKur(dosya);
    AçıkVeritabanı = platform::Database::open(dosya);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AçıkVeritabanı.reset();
    return 0;
}
