// Filling and sorting the list view with 100,000 rows of 9 columns, as the largest lists do.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/TurkceMetin.h"

#include <QApplication>
#include <QDate>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

constexpr int SatırSayısı = 100000;

const QList<ListeSütunu> sütunlar = {
    {QStringLiteral("HareketNo"), 0, Qt::AlignLeft, SütunTürü::Sayı},
    {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
    {QStringLiteral("Kodu"), 1000, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Adı"), 2400, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Firması"), 2400, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
    {QStringLiteral("Birimi"), 800, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
    {QStringLiteral("Tutarı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
};

// The rows as a list routine has them after reading and formatting the database's values.
const std::vector<QStringList>& satırlar()
{
    static const std::vector<QStringList> hepsi = [] {
        QRandomGenerator üreteç(7);
        const QStringList adlar = {"ÇİVİ", "ışık", "Şemsiye", "Ölçü", "Ürün", "Ağaç", "igne", "İP"};
        std::vector<QStringList> s;
        s.reserve(SatırSayısı);
        const QDate başlangıç(2020, 1, 1);
        for (int i = 0; i < SatırSayısı; ++i) {
            const double miktar = üreteç.bounded(100000) / 100.0;
            const double fiyat = üreteç.bounded(1000000) / 100.0;
            s.push_back({QString::number(i + 1), turkce::tarihBiçimi(başlangıç.addDays(üreteç.bounded(2000))),
                         QStringLiteral("K%1").arg(üreteç.bounded(10000)),
                         adlar[int(üreteç.bounded(adlar.size()))] + QString::number(üreteç.bounded(1000)),
                         QStringLiteral("FİRMA %1").arg(üreteç.bounded(500)), turkce::tutarBiçimi(miktar),
                         QStringLiteral("Adet"), turkce::tutarBiçimi(fiyat), turkce::tutarBiçimi(miktar * fiyat)});
        }
        return s;
    }();
    return hepsi;
}

void hazırla(ListeGörünümü& liste)
{
    liste.resize(1000, 600);
    liste.sütunlarıKur(sütunlar);
    liste.show();
}

// Adding the rows with updates suspended, and the view's first paint.
void BM_Doldurma(benchmark::State& durum)
{
    const auto& veri = satırlar();
    for (auto _ : durum) {
        ListeGörünümü liste;
        hazırla(liste);
        {
            ListeGörünümü::Doldurma doldurma(&liste);
            for (int i = 0; i < SatırSayısı; ++i) liste.satırEkle(veri[size_t(i)], i);
        }
        liste.repaint();
        benchmark::DoNotOptimize(liste.satırSayısı());
    }
}
BENCHMARK(BM_Doldurma)->Unit(benchmark::kMillisecond);

// The same, with each row's texts formatted from the values on the way in, as a list routine does.
void BM_DoldurmaBiçimleyerek(benchmark::State& durum)
{
    for (auto _ : durum) {
        QRandomGenerator üreteç(7);
        const QDate başlangıç(2020, 1, 1);
        ListeGörünümü liste;
        hazırla(liste);
        {
            ListeGörünümü::Doldurma doldurma(&liste);
            for (int i = 0; i < SatırSayısı; ++i) {
                const double miktar = üreteç.bounded(100000) / 100.0;
                const double fiyat = üreteç.bounded(1000000) / 100.0;
                liste.satırEkle({QString::number(i + 1), turkce::tarihBiçimi(başlangıç.addDays(i % 2000)),
                                 QStringLiteral("K%1").arg(i % 10000), QStringLiteral("ÜRÜN %1").arg(i % 1000),
                                 QStringLiteral("FİRMA %1").arg(i % 500), turkce::tutarBiçimi(miktar),
                                 QStringLiteral("Adet"), turkce::tutarBiçimi(fiyat),
                                 turkce::tutarBiçimi(miktar * fiyat)},
                                i);
            }
        }
        liste.repaint();
        benchmark::DoNotOptimize(liste.satırSayısı());
    }
}
BENCHMARK(BM_DoldurmaBiçimleyerek)->Unit(benchmark::kMillisecond);

// One header click on a column of each kind.
void BM_Sıralama(benchmark::State& durum)
{
    const auto& veri = satırlar();
    ListeGörünümü liste;
    hazırla(liste);
    {
        ListeGörünümü::Doldurma doldurma(&liste);
        for (int i = 0; i < SatırSayısı; ++i) liste.satırEkle(veri[size_t(i)], i);
    }
    const int sütun = int(durum.range(0));
    for (auto _ : durum) {
        SıralamaSütunu = -1;
        liste.sütunaTıklandı(sütun);
        benchmark::DoNotOptimize(liste.hücre(0, sütun));
    }
}
BENCHMARK(BM_Sıralama)->Arg(1)->Arg(3)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
