// Filling and sorting the list view with 100,000 rows of 9 columns, as the largest lists do, and a header
// click on a text column of 1,000,000 rows. The rows come as a list routine reads them from the database
// (numbers, dates and texts) and go in as values; the view formats only the cells it shows.
#include "BenchOrtami.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/TurkceMetin.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDate>
#include <QLocale>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <numeric>
#include <span>

namespace {

constexpr int SatırSayısı = 100000;
constexpr int BüyükSatırSayısı = 1000000;

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

// One row as a query hands it over: each text a string of its own.
struct Kayıt {
    int no;
    QDate tarih;
    QString kodu, adı, firması;
    double miktar;
    QString birimi;
    double fiyat;
};

// The rows of the large list; the others take the first SatırSayısı of them.
const std::vector<Kayıt>& tümKayıtlar()
{
    static const std::vector<Kayıt> hepsi = [] {
        QRandomGenerator üreteç(7);
        const QStringList adlar = {"ÇİVİ", "ışık", "Şemsiye", "Ölçü", "Ürün", "Ağaç", "igne", "İP"};
        std::vector<Kayıt> k;
        k.reserve(BüyükSatırSayısı);
        const QDate başlangıç(2020, 1, 1);
        for (int i = 0; i < BüyükSatırSayısı; ++i) {
            k.push_back({i + 1, başlangıç.addDays(üreteç.bounded(2000)), QStringLiteral("K%1").arg(üreteç.bounded(10000)),
                         adlar[int(üreteç.bounded(adlar.size()))] + QString::number(üreteç.bounded(1000)),
                         QStringLiteral("FİRMA %1").arg(üreteç.bounded(500)), üreteç.bounded(100000) / 100.0,
                         QString::fromUtf8("Adet"), üreteç.bounded(1000000) / 100.0});
        }
        return k;
    }();
    return hepsi;
}

std::span<const Kayıt> kayıtlar(int adet = SatırSayısı) { return std::span(tümKayıtlar()).first(size_t(adet)); }

void hazırla(ListeGörünümü& liste)
{
    liste.resize(1000, 600);
    liste.sütunlarıKur(sütunlar);
    liste.show();
}

// The rows go in as values, as a list routine adds them.
void doldur(ListeGörünümü& liste, int adet)
{
    using B = ListeDeğeri::Biçim;
    ListeGörünümü::Doldurma doldurma(&liste);
    for (const Kayıt& k : kayıtlar(adet))
        liste.satırEkle({ListeDeğeri::sayı(k.no, B::TamSayı), ListeDeğeri::tarih(k.tarih), k.kodu, k.adı, k.firması,
                         ListeDeğeri::sayı(k.miktar), k.birimi, ListeDeğeri::sayı(k.fiyat),
                         ListeDeğeri::sayı(k.miktar * k.fiyat)},
                        k.no);
}

void doldur(ListeGörünümü& liste) { doldur(liste, SatırSayısı); }

size_t ayrılanBayt()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// One filling of a new view by `doldurma` and the view's first paint, each time; reports the memory the
// filled list holds (bellek_MB) and per row (satırBaşınaBayt).
void doldurmayıÖlç(benchmark::State& durum, void (*doldurma)(ListeGörünümü&))
{
    kayıtlar();
    double bellek = 0;
    for (auto _ : durum) {
        const size_t önce = ayrılanBayt();
        ListeGörünümü liste;
        hazırla(liste);
        doldurma(liste);
        liste.repaint();
        bellek = double(ayrılanBayt() - önce);
        benchmark::DoNotOptimize(liste.satırSayısı());
    }
    durum.counters["bellek_MB"] = bellek / (1024.0 * 1024.0);
    durum.counters["satırBaşınaBayt"] = bellek / SatırSayısı;
}

// Adding the rows as values with updates suspended.
void BM_Doldurma(benchmark::State& durum) { doldurmayıÖlç(durum, doldur); }
BENCHMARK(BM_Doldurma)->Unit(benchmark::kMillisecond);

// For comparison: the same rows formatted to texts on the way in and added as texts.
void BM_DoldurmaMetinOlarak(benchmark::State& durum)
{
    doldurmayıÖlç(durum, [](ListeGörünümü& liste) {
        ListeGörünümü::Doldurma doldurma(&liste);
        for (const Kayıt& k : kayıtlar())
            liste.satırEkle(QStringList{QString::number(k.no), turkce::tarihBiçimi(k.tarih), k.kodu, k.adı, k.firması,
                                        turkce::tutarBiçimi(k.miktar), k.birimi, turkce::tutarBiçimi(k.fiyat),
                                        turkce::tutarBiçimi(k.miktar * k.fiyat)},
                            k.no);
    });
}
BENCHMARK(BM_DoldurmaMetinOlarak)->Unit(benchmark::kMillisecond);

// One header click on a column of each kind over 100,000 rows: 1 the date, 3 a text, 7 a number; and on
// the text column over 1,000,000 rows (the second argument: the rows).
void BM_Sıralama(benchmark::State& durum)
{
    ListeGörünümü liste;
    hazırla(liste);
    doldur(liste, int(durum.range(1)));
    const int sütun = int(durum.range(0));
    for (auto _ : durum) {
        // Each click finds the rows in the order they were filled (by movement number).
        durum.PauseTiming();
        SıralamaSütunu = -1;
        liste.sütunaTıklandı(0);
        durum.ResumeTiming();
        SıralamaSütunu = -1;
        liste.sütunaTıklandı(sütun);
        benchmark::DoNotOptimize(liste.hücreDeğeri(0, sütun));
    }
}
BENCHMARK(BM_Sıralama)
    ->Args({1, SatırSayısı})
    ->Args({3, SatırSayısı})
    ->Args({7, SatırSayısı})
    ->Args({3, BüyükSatırSayısı})
    ->Unit(benchmark::kMillisecond);

// For comparison: the same 1,000,000 texts in the order a plain collation gives them, one ICU sort key per
// row and a stable sort on the keys, with no list around them.
void BM_SatırBaşınaAnahtarlaSıralama(benchmark::State& durum)
{
    std::vector<QString> metinler;
    for (const Kayıt& k : kayıtlar(BüyükSatırSayısı)) metinler.push_back(k.adı);
    QCollator sıralayıcı(QLocale(QLocale::Turkish, QLocale::Turkey));
    sıralayıcı.setCaseSensitivity(Qt::CaseInsensitive);
    for (auto _ : durum) {
        std::vector<QCollatorSortKey> anahtar;
        anahtar.reserve(metinler.size());
        for (const QString& m : metinler) anahtar.push_back(sıralayıcı.sortKey(m));
        std::vector<int> sıra(metinler.size());
        std::iota(sıra.begin(), sıra.end(), 0);
        std::stable_sort(sıra.begin(), sıra.end(),
                         [&](int a, int b) { return anahtar[size_t(a)].compare(anahtar[size_t(b)]) < 0; });
        benchmark::DoNotOptimize(sıra.front());
    }
}
BENCHMARK(BM_SatırBaşınaAnahtarlaSıralama)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv); }
