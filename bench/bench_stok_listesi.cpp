// The stock list on a large shared database (10,000 products, 1,000,000 movements): the window filled
// from the query, and its 10,000 rows printed to a PDF file and exported to a spreadsheet. The print is
// measured beside QPdfWriter drawing the same texts in the same fonts at the same places.
#include "BuyukVeritabani.h"
#include "core/ListeAktarimi.h"
#include "core/ListeYazdirma.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"
#include "platform/YaziciKaydedici.h"
#include "stock_lists/StokListesiFormu.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
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

// For comparison: the pages of the print as the recorder keeps them (texts with their places and fonts,
// rules, page breaks), drawn with QPdfWriter alone, on the same paper at the same resolution. The fonts,
// their baselines and the texts are ready before the clock runs; the painter's font is set when it
// changes.
void QPdfWriterİleAynıSayfalar(benchmark::State& durum)
{
    StokListesiFormu& p = dolu();
    QTemporaryDir klasör;
    const QSizeF kağıt(210, 297);  // the paper of the PDF print above
    yazdırma::YazıcıKaydedici kaydedici(kağıt.width(), kağıt.height());
    listeyiÇiz(kaydedici, p.yazdırmaDüzeni(), *p.StokListesi);

    constexpr double nokta = 1200 / 25.4;  // dots per mm
    struct Yazı {
        QFont qt;
        double taban;  // mm from a text's top to its baseline
    };
    QList<yazdırma::YazıTipi> tipler;
    QList<Yazı> yazılar;
    struct Çağrı {
        yazdırma::YazıcıÇağrısı::Tür tür;
        int yazı;
        QPointF a, b;
        QString metin;
    };
    std::vector<Çağrı> çağrılar;
    {
        QPdfWriter ölçüYazarı(klasör.filePath(QStringLiteral("olcu.pdf")));
        ölçüYazarı.setResolution(1200);
        for (const yazdırma::YazıcıÇağrısı& ç : kaydedici.belge().çağrılar) {
            using T = yazdırma::YazıcıÇağrısı::Tür;
            int yazı = -1;
            if (ç.tür == T::Metin) {
                yazı = int(tipler.indexOf(ç.yazıTipi));
                if (yazı < 0) {
                    const QFont qt = yazdırma::YazıcıYüzeyi::qtYazıTipi(ç.yazıTipi);
                    tipler.append(ç.yazıTipi);
                    yazılar.append({qt, QFontMetricsF(qt, &ölçüYazarı).ascent() / nokta});
                    yazı = int(yazılar.size()) - 1;
                }
            }
            const double taban = yazı < 0 ? 0 : yazılar[yazı].taban;
            çağrılar.push_back({ç.tür, yazı, QPointF(ç.x * nokta, (ç.y + taban) * nokta),
                                QPointF(ç.x2 * nokta, ç.y2 * nokta), ç.metin});
        }
    }

    for (auto _ : durum) {
        QPdfWriter yazar(klasör.filePath(QStringLiteral("QPdfWriter.pdf")));
        yazar.setResolution(1200);
        yazar.setPageSize(QPageSize(kağıt, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
        yazar.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter boya(&yazar);
        const QPen metinKalemi(Qt::black);
        QPen çizgiKalemi(Qt::black);
        çizgiKalemi.setWidth(0);
        int yazı = -1;
        enum { Yok, Metin, Çizgi } kalem = Yok;
        for (const Çağrı& ç : çağrılar) {
            switch (ç.tür) {
            case yazdırma::YazıcıÇağrısı::Tür::Metin:
                if (ç.yazı != yazı) {
                    boya.setFont(yazılar[ç.yazı].qt);
                    yazı = ç.yazı;
                }
                if (kalem != Metin) boya.setPen(metinKalemi);
                kalem = Metin;
                boya.drawText(ç.a, ç.metin);
                break;
            case yazdırma::YazıcıÇağrısı::Tür::Çizgi:
                if (kalem != Çizgi) boya.setPen(çizgiKalemi);
                kalem = Çizgi;
                boya.drawLine(ç.a, ç.b);
                break;
            case yazdırma::YazıcıÇağrısı::Tür::YeniSayfa:
                yazar.newPage();
                break;
            default:
                break;
            }
        }
        boya.end();
        benchmark::DoNotOptimize(çağrılar.size());
    }
}
BENCHMARK(QPdfWriterİleAynıSayfalar)->Unit(benchmark::kMillisecond)->Iterations(3);

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
    return bench::çalıştır(argc, argv, [] { AçıkVeritabanı = bench::büyükVeritabanı(); });
}
