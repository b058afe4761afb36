// Writing a long list into a workbook: 100,000 rows of 9 columns (texts and Turkish number texts, as a
// list window hands them) in the common export layout. Reports the time per workbook and the peak
// resident memory of the process (tepeRSS_MB) and its growth while writing (artışRSS_MB).
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double tepeRssMB()
{
    rusage k{};
    getrusage(RUSAGE_SELF, &k);
    return double(k.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

platform::ListeTablosu büyükListe(int satırSayısı)
{
    using platform::ListeSütunu;
    using Tür = ListeSütunu::Tür;
    platform::ListeTablosu t;
    t.sayfaAdı = QStringLiteral("Çıkışı Yapılacak Ürünler");
    t.başlık = QStringLiteral("Çıkış Yapılacak Ürünler Listesi");
    t.sayfaDüzeni = true;
    t.sayfaGenişliğineSığdır = true;
    t.sütunlar = {{QStringLiteral("Tarihi"), 1200, Tür::Metin, {}, {}},
                  {QStringLiteral("Miktarı"), 1100, Tür::Sayı, {}, {}},
                  {QStringLiteral("Birimi"), 900, Tür::Metin, {}, {}},
                  {QStringLiteral("Kodu"), 1100, Tür::Metin, {}, {}},
                  {QStringLiteral("Adı"), 3000, Tür::Metin, {}, {}},
                  {QStringLiteral("KDV"), 700, Tür::Metin, {}, {}},
                  {QStringLiteral("Fiyatı"), 1200, Tür::Sayı, {}, QStringLiteral("#,##0.00")},
                  {QStringLiteral("Tutarı"), 1300, Tür::Sayı, {}, QStringLiteral("#,##0.00")},
                  {QStringLiteral("KDV Miktarı"), 0, Tür::Sayı, {}, {}}};
    const QStringList birimler{QStringLiteral("Adet"), QStringLiteral("Kutu"), QStringLiteral("Kilogram")};
    t.satırSayısı = satırSayısı;
    t.satır = [birimler](int i) {
        const double miktar = 1 + i % 250, fiyat = 12.5 + (i % 977) * 3.25;
        return QStringList{QStringLiteral("%1.%2.2026")
                               .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                               .arg(1 + i % 12, 2, 10, QLatin1Char('0')),
                           QStringLiteral("%1,00").arg(int(miktar)),
                           birimler[i % 3],
                           QStringLiteral("K-%1").arg(i % 10000, 5, 10, QLatin1Char('0')),
                           QStringLiteral("Çelik vida ğöşü %1 mm, paslanmaz").arg(i % 500),
                           QStringLiteral("%1").arg(i % 2 ? 18 : 8),
                           QString::number(fiyat, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')),
                           QString::number(fiyat * miktar, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')),
                           QString::number(fiyat * miktar * 0.18, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','))};
    };
    return t;
}

void BM_ListeyiYaz(benchmark::State& durum)
{
    QTemporaryDir dizin;
    kabuk::belgeKlasörünüDeğiştir(dizin.path());
    const int satırSayısı = int(durum.range(0));
    const platform::ListeTablosu liste = büyükListe(satırSayısı);
    const double önce = tepeRssMB();
    qint64 boyut = 0;
    for (auto _ : durum) {
        const QString yol = platform::listeyiYaz(liste);
        durum.PauseTiming();
        boyut = QFile(yol).size();
        QFile::remove(yol);
        durum.ResumeTiming();
    }
    durum.counters["tepeRSS_MB"] = tepeRssMB();
    durum.counters["artışRSS_MB"] = tepeRssMB() - önce;
    durum.counters["dosya_MB"] = double(boyut) / (1024.0 * 1024.0);
    durum.SetItemsProcessed(durum.iterations() * satırSayısı);
    kabuk::belgeKlasörünüDeğiştir(QString());
}

// The part of the above that stands for the list window reading its rows: without the workbook.
void BM_SatırlarıOku(benchmark::State& durum)
{
    const platform::ListeTablosu liste = büyükListe(int(durum.range(0)));
    for (auto _ : durum)
        for (int i = 0; i < liste.satırSayısı; ++i) benchmark::DoNotOptimize(liste.satır(i));
}

}  // namespace

BENCHMARK(BM_SatırlarıOku)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListeyiYaz)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
