// The stock list on a large shared database (10,000 products, 1,000,000 movements): the window filled
// from the query, and its 10,000 rows printed to a PDF file and exported to a spreadsheet.
#include "BuyukVeritabani.h"
#include "core/ListeAktarimi.h"
#include "core/ListeYazdirma.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"
#include "stock_lists/StokListesiFormu.h"

#include <QDir>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

namespace {

// Query to filled view, as the progress window runs it.
void StokListesiDoldurma(benchmark::State& durum)
{
    StokListesiTürü = 0;
    for (auto _ : durum) {
        durum.PauseTiming();
        auto pencere = std::make_unique<StokListesiFormu>();
        QProgressBar çubuk;
        durum.ResumeTiming();
        pencere->ListeyiYükle(çubuk);
        benchmark::DoNotOptimize(pencere->StokListesi->satırSayısı());
        durum.PauseTiming();
        pencere.reset();
        durum.ResumeTiming();
    }
}
BENCHMARK(StokListesiDoldurma)->Unit(benchmark::kMillisecond);

StokListesiFormu& dolu()
{
    static StokListesiFormu* p = [] {
        StokListesiTürü = 0;
        auto* f = new StokListesiFormu;
        QProgressBar çubuk;
        f->ListeyiYükle(çubuk);
        return f;
    }();
    return *p;
}

void StokListesiPdfYazdırma(benchmark::State& durum)
{
    StokListesiFormu& p = dolu();
    QTemporaryDir klasör;
    for (auto _ : durum) {
        auto belge = yazdırma::YazıcıBelgesi::pdfDosyasında(klasör.path(), p.windowTitle(), {210, 297});
        listeyiÇiz(*belge, p.yazdırmaDüzeni(), *p.StokListesi);
        benchmark::DoNotOptimize(belge->sayfaNo());
    }
}
BENCHMARK(StokListesiPdfYazdırma)->Unit(benchmark::kMillisecond)->Iterations(3);

void StokListesiAktarımı(benchmark::State& durum)
{
    StokListesiFormu& p = dolu();
    QTemporaryDir klasör;
    kabuk::belgeKlasörünüDeğiştir(klasör.path());
    QProgressBar çubuk;
    for (auto _ : durum) benchmark::DoNotOptimize(MSExceleAktar(çubuk, *p.StokListesi, p.aktarımTablosu()));
}
BENCHMARK(StokListesiAktarımı)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return bench::çalıştır(argc, argv, [] {
        // The written files are taken as opened: no viewer, no message.
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
        AçıkVeritabanı = bench::büyükVeritabanı();
    });
}
