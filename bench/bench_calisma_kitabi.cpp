// Writing a long list into a workbook: 100,000 rows of 9 columns (texts, numbers and dates, as a list
// view holds them) in the common export layout, beside a baseline that writes the same cells with
// libxlsxwriter directly. BM_Oran runs both in turn and reports their ratio (oran: list export time /
// baseline time). Also the peak resident memory of the process (tepeRSS_MB) and its growth while
// writing (artışRSS_MB). BM_KitabıDenetle measures alone the reading back of the written file that the
// export does before the file takes its name (part of BM_ListeyiYaz and BM_Oran).
#include "BenchOrtami.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/KitapDenetimi.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <algorithm>

namespace {

constexpr int SatırSayısı = 100000;

using bench::tepeRssMB;

using platform::ListeSütunu;
using Tür = ListeSütunu::Tür;

const QList<ListeSütunu> sütunlar = {{QStringLiteral("Tarihi"), 1200, Tür::Tarih, {}, {}},
                                     {QStringLiteral("Miktarı"), 1100, Tür::Sayı, {}, {}},
                                     {QStringLiteral("Birimi"), 900, Tür::Metin, {}, {}},
                                     {QStringLiteral("Kodu"), 1100, Tür::Metin, {}, {}},
                                     {QStringLiteral("Adı"), 3000, Tür::Metin, {}, {}},
                                     {QStringLiteral("KDV"), 700, Tür::Sayı, {}, {}},
                                     {QStringLiteral("Fiyatı"), 1200, Tür::Sayı, {}, QStringLiteral("#,##0.00")},
                                     {QStringLiteral("Tutarı"), 1300, Tür::Sayı, {}, QStringLiteral("#,##0.00")},
                                     {QStringLiteral("KDV Miktarı"), 0, Tür::Sayı, {}, {}}};

// The rows as a list view holds them.
const QList<QList<ListeDeğeri>>& satırlar()
{
    static const QList<QList<ListeDeğeri>> hepsi = [] {
        const QStringList birimler{QStringLiteral("Adet"), QStringLiteral("Kutu"), QStringLiteral("Kilogram")};
        QList<QList<ListeDeğeri>> s;
        s.reserve(SatırSayısı);
        for (int i = 0; i < SatırSayısı; ++i) {
            const double miktar = 1 + i % 250, fiyat = 12.5 + (i % 977) * 3.25, kdv = i % 2 ? 18 : 8;
            s.append({ListeDeğeri::tarih(QDate(2026, 1 + i % 12, 1 + i % 28)), ListeDeğeri::sayı(miktar),
                      ListeDeğeri(birimler[i % 3]),
                      ListeDeğeri(QStringLiteral("K-%1").arg(i % 10000, 5, 10, QLatin1Char('0'))),
                      ListeDeğeri(QStringLiteral("Çelik vida ğöşü %1 mm, paslanmaz").arg(i % 500)),
                      ListeDeğeri::sayı(kdv, ListeDeğeri::Biçim::Kısa), ListeDeğeri::sayı(fiyat),
                      ListeDeğeri::sayı(fiyat * miktar), ListeDeğeri::sayı(fiyat * miktar * kdv / 100)});
        }
        return s;
    }();
    return hepsi;
}

platform::ListeTablosu büyükListe()
{
    platform::ListeTablosu t;
    t.sayfaAdı = QStringLiteral("Çıkışı Yapılacak Ürünler");
    t.başlık = QStringLiteral("Çıkış Yapılacak Ürünler Listesi");
    t.sayfaDüzeni = true;
    t.sayfaGenişliğineSığdır = true;
    t.sütunlar = sütunlar;
    t.satırSayısı = SatırSayısı;
    t.satır = [](int i) { return satırlar()[i]; };  // one row at a time, as from a list view
    return t;
}

// The export of the program, into the documents folder.
QString listeyiYaz()
{
    const QString yol = platform::listeyiYaz(büyükListe());
    QFile::remove(yol);
    return yol;
}

// The same sheet written with the library directly: the same layout, looks and cells.
void doğrudanYaz(const QString& klasör)
{
    const QByteArray yol = QFile::encodeName(klasör + QStringLiteral("/doğrudan.xlsx"));
    lxw_workbook_options seçenekler{};
    seçenekler.constant_memory = LXW_TRUE;
    lxw_workbook* kitap = workbook_new_opt(yol.constData(), &seçenekler);
    lxw_worksheet* sayfa = workbook_add_worksheet(kitap, "Çıkışı Yapılacak Ürünler");
    lxw_format* başlık = workbook_add_format(kitap);
    format_set_bold(başlık);
    format_set_align(başlık, LXW_ALIGN_CENTER);
    format_set_align(başlık, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* sütunBaşlığı = workbook_add_format(kitap);
    format_set_bold(sütunBaşlığı);
    format_set_align(sütunBaşlığı, LXW_ALIGN_CENTER);
    format_set_align(sütunBaşlığı, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(sütunBaşlığı);
    lxw_format* tutar = workbook_add_format(kitap);
    format_set_num_format(tutar, "#,##0.00");
    lxw_format* tarih = workbook_add_format(kitap);
    format_set_num_format(tarih, "dd.mm.yyyy");
    worksheet_set_row(sayfa, 0, 30, başlık);
    worksheet_merge_range(sayfa, 0, 0, 0, 7, "Çıkış Yapılacak Ürünler Listesi", başlık);
    worksheet_set_row(sayfa, 1, 20, nullptr);
    QList<lxw_format*> biçimler;
    for (int c = 0; c < sütunlar.size(); ++c) {
        worksheet_write_string(sayfa, 1, lxw_col_t(c), sütunlar[c].başlık.toUtf8().constData(), sütunBaşlığı);
        const double genişlik = platform::twipsGenişliği(sütunlar[c].genişlikTwips);
        lxw_row_col_options gizli{};
        gizli.hidden = genişlik <= 0;
        worksheet_set_column_opt(sayfa, lxw_col_t(c), lxw_col_t(c), genişlik, nullptr, &gizli);
        biçimler.append(sütunlar[c].tür == Tür::Tarih ? tarih : sütunlar[c].sayıBiçimi.isEmpty() ? nullptr : tutar);
    }
    worksheet_set_margins(sayfa, platform::ListeKenarBoşluğuİnç, platform::ListeKenarBoşluğuİnç,
                          platform::ListeKenarBoşluğuİnç, platform::ListeKenarBoşluğuİnç);
    worksheet_center_horizontally(sayfa);
    worksheet_gridlines(sayfa, LXW_SHOW_ALL_GRIDLINES);
    worksheet_fit_to_pages(sayfa, 1, 0);

    QStringEncoder kodlayıcı(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    QByteArray utf8;
    for (int r = 0; r < SatırSayısı; ++r) {
        const QList<ListeDeğeri>& satır = satırlar()[r];
        for (int c = 0; c < satır.size(); ++c) {
            const ListeDeğeri& d = satır[c];
            const lxw_row_t y = lxw_row_t(r + 2);
            switch (d.tür()) {
            case ListeDeğeri::Tür::Metin: {
                const QStringView m = d.metinGörünümü();
                utf8.resize(kodlayıcı.requiredSpace(m.size()) + 1);
                *kodlayıcı.appendToBuffer(utf8.data(), m) = '\0';
                worksheet_write_string(sayfa, y, lxw_col_t(c), utf8.constData(), biçimler[c]);
                break;
            }
            case ListeDeğeri::Tür::Sayı:
                worksheet_write_number(sayfa, y, lxw_col_t(c), d.sayı(), biçimler[c]);
                break;
            case ListeDeğeri::Tür::Tarih: {
                const QDate g = d.tarih();
                lxw_datetime t{g.year(), g.month(), g.day(), 0, 0, 0};
                worksheet_write_datetime(sayfa, y, lxw_col_t(c), &t, biçimler[c]);
                break;
            }
            case ListeDeğeri::Tür::Boş:
                break;
            }
        }
    }
    workbook_close(kitap);
    QFile::remove(QFile::decodeName(yol));
}

class Klasör {
public:
    Klasör() { kabuk::belgeKlasörünüDeğiştir(dizin_.path()); }
    ~Klasör() { kabuk::belgeKlasörünüDeğiştir(QString()); }
    QString yol() const { return dizin_.path(); }

private:
    QTemporaryDir dizin_;
};

void BM_ListeyiYaz(benchmark::State& durum)
{
    Klasör klasör;
    satırlar();
    const double önce = tepeRssMB();
    for (auto _ : durum) benchmark::DoNotOptimize(listeyiYaz());
    durum.counters["tepeRSS_MB"] = tepeRssMB();
    durum.counters["artışRSS_MB"] = tepeRssMB() - önce;
    durum.SetItemsProcessed(durum.iterations() * SatırSayısı);
}

void BM_DoğrudanLibxlsxwriter(benchmark::State& durum)
{
    Klasör klasör;
    satırlar();
    for (auto _ : durum) doğrudanYaz(klasör.yol());
    durum.SetItemsProcessed(durum.iterations() * SatırSayısı);
}

// The reading back alone, of the file the export wrote: its title row, its header row and the rows.
void BM_KitabıDenetle(benchmark::State& durum)
{
    Klasör klasör;
    const QString yol = platform::listeyiYaz(büyükListe());
    const int satır = SatırSayısı + 2;
    for (auto _ : durum)
        if (platform::yazılanKitabıDenetle(yol, satır, satır) != platform::KitapKusuru::Yok)
            durum.SkipWithError("the written workbook was refused");
    durum.SetItemsProcessed(durum.iterations() * SatırSayısı);
}

// Both in turn, the best of each: the export's time over the baseline's.
void BM_Oran(benchmark::State& durum)
{
    Klasör klasör;
    satırlar();
    double liste = 1e300, doğrudan = 1e300;
    for (auto _ : durum) {
        QElapsedTimer saat;
        saat.start();
        doğrudanYaz(klasör.yol());
        doğrudan = std::min(doğrudan, double(saat.nsecsElapsed()));
        saat.restart();
        benchmark::DoNotOptimize(listeyiYaz());
        liste = std::min(liste, double(saat.nsecsElapsed()));
    }
    durum.counters["liste_ms"] = liste / 1e6;
    durum.counters["doğrudan_ms"] = doğrudan / 1e6;
    durum.counters["oran"] = liste / doğrudan;
}

}  // namespace

BENCHMARK(BM_ListeyiYaz)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DoğrudanLibxlsxwriter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_KitabıDenetle)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Oran)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
