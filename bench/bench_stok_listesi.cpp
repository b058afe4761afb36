// The stock list on a large shared database (10,000 products, 1,000,000 movements): the window filled
// from the query, and its 10,000 rows printed to a PDF file and exported to a spreadsheet. The print is
// measured against QPdfWriter laying out and drawing the same pages itself (StokListesiYazdırmaOranı).
#include "BuyukVeritabani.h"
#include "HamListe.h"
#include "core/ListeAktarimi.h"
#include "core/ListeGorunumu.h"
#include "core/ListeYazdirma.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"
#include "platform/YaziciKaydedici.h"
#include "stock_lists/StokListesiFormu.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

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

// Every file in the folder removed: what one print wrote never makes the next one pick another name.
void klasörüBoşalt(const QString& klasör)
{
    QDir d(klasör);
    for (const QString& ad : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) d.remove(ad);
}

// The stock list printed to a PDF file in `klasör` as the print button does it: the layout, the document,
// the pages. Gives the file's name.
QString pdfeYazdır(StokListesiFormu& p, const QString& klasör)
{
    auto belge = yazdırma::YazıcıBelgesi::pdfDosyasında(klasör, p.windowTitle(), {210, 297});
    listeyiÇiz(*belge, p.yazdırmaDüzeni(), *p.StokListesi);
    return belge->pdfDosyası();
}

void StokListesiPdfYazdırma(benchmark::State& durum)
{
    StokListesiFormu& p = dolu();
    QTemporaryDir klasör;
    for (auto _ : durum) {
        pdfeYazdır(p, klasör.path());
        durum.PauseTiming();
        klasörüBoşalt(klasör.path());
        durum.ResumeTiming();
    }
}
BENCHMARK(StokListesiPdfYazdırma)->Unit(benchmark::kMillisecond)->Iterations(3);

// The texts of the stock list's print as the list gives them: the title, the header row and each row's cells
// in the layout's column order, formatted as the print formats them.
struct YazdırmaMetinleri {
    QString başlık;
    QList<YazdırmaSütunu> sütunlar;
    std::vector<QString> hücreler;  // row by row, a text per column
};

YazdırmaMetinleri yazdırmaMetinleri(const StokListesiFormu& p)
{
    const YazdırmaDüzeni düzen = p.yazdırmaDüzeni();
    const ListeGörünümü& liste = *p.StokListesi;
    YazdırmaMetinleri m{düzen.başlık, düzen.sütunlar, {}};
    m.hücreler.reserve(size_t(liste.satırSayısı()) * size_t(düzen.sütunlar.size()));
    for (int r = 0; r < liste.satırSayısı(); ++r)
        for (const YazdırmaSütunu& s : düzen.sütunlar) {
            const ListeDeğeri& d = liste.hücreDeğeri(r, s.hücre);
            m.hücreler.push_back(yazdırmaMetni(
                d.tür() == ListeDeğeri::Tür::Sayı ? ListeDeğeri::sayı(d.gösterilenSayı(), d.biçim()) : d, s.biçim));
        }
    return m;
}

// The list print's fonts: the title; the header row; the rows and the running header of further pages.
const yazdırma::YazıTipi BaşlıkYazısı{.boyut = 14, .kalın = true, .altıÇizili = true};
const yazdırma::YazıTipi SütunBaşlığıYazısı{.boyut = 9, .kalın = true, .altıÇizili = true};
const yazdırma::YazıTipi SatırYazısı{.boyut = 8};

// For comparison: the pages of the stock list's print laid out and drawn by QPdfWriter alone, into
// `dosya`: A4 at 1200 dpi without margins, the print's fonts, the title centred, the header row, a line per
// row, a new page with its running header (the title, "Sayfa - N" ending 10 mm before the right edge, a
// rule) whenever a row would come within 15 mm of the bottom. Every width a place depends on is measured
// with QFontMetricsF on the writer as the page is laid out: the title, the right-aligned headers and cells,
// the page number. The painter's font is set when it changes; one black hairline pen draws texts and rules.
// With `kayıt`, every text, rule and page break is also kept, as the recorder keeps the print's.
void qPdfWriterİleÇiz(const QString& dosya, const YazdırmaMetinleri& m,
                      QList<yazdırma::YazıcıÇağrısı>* kayıt = nullptr)
{
    using Tür = yazdırma::YazıcıÇağrısı::Tür;
    constexpr int genişlik = 210, yükseklik = 297;    // mm
    constexpr double üstBoşluk = 15, altBoşluk = 15;  // mm
    constexpr double nokta = 1200 / 25.4;             // dots per mm
    QPdfWriter yazar(dosya);
    yazar.setResolution(1200);
    yazar.setPageSize(QPageSize(QSizeF(genişlik, yükseklik), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    yazar.setPageMargins(QMarginsF(0, 0, 0, 0));
    yazar.setTitle(m.başlık);
    yazar.setCreator(QStringLiteral("Kavrenta"));
    QPainter boya(&yazar);
    QPen kalem(Qt::black);
    kalem.setWidth(0);
    boya.setPen(kalem);

    struct Yazı {
        const yazdırma::YazıTipi& tip;
        QFont qt;
        QFontMetricsF ölçü;
        double taban;  // dots from a text's top to its baseline
        double satır;  // mm, a line's height
        Yazı(const yazdırma::YazıTipi& t, QPaintDevice* aygıt)
            : tip(t), qt(yazdırma::YazıcıYüzeyi::qtYazıTipi(t)), ölçü(qt, aygıt), taban(ölçü.ascent()),
              satır(ölçü.height() / nokta)
        {
        }
        double genişlik(const QString& metin) const { return ölçü.horizontalAdvance(metin) / nokta; }
    };
    const Yazı başlıkYazısı(BaşlıkYazısı, &yazar), sütunBaşlığıYazısı(SütunBaşlığıYazısı, &yazar),
        satırYazısı(SatırYazısı, &yazar);

    int sayfa = 1;
    auto kaydet = [kayıt, &sayfa](Tür tür, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0) {
        yazdırma::YazıcıÇağrısı ç;
        ç.tür = tür;
        ç.sayfa = sayfa;
        ç.x = x1;
        ç.y = y1;
        ç.x2 = x2;
        ç.y2 = y2;
        kayıt->append(ç);
        return &kayıt->last();
    };
    const Yazı* güncel = nullptr;
    auto yaz = [&](const Yazı& yazı, double xMm, double yMm, const QString& metin) {
        if (güncel != &yazı) {
            boya.setFont(yazı.qt);
            güncel = &yazı;
        }
        boya.drawText(QPointF(xMm * nokta, yMm * nokta + yazı.taban), metin);
        if (kayıt) {
            yazdırma::YazıcıÇağrısı* ç = kaydet(Tür::Metin, xMm, yMm);
            ç->metin = metin;
            ç->yazıTipi = yazı.tip;
        }
    };

    double y = üstBoşluk;
    yaz(başlıkYazısı, (genişlik - başlıkYazısı.genişlik(m.başlık)) / 2, y, m.başlık);
    y += başlıkYazısı.satır + 5;
    for (const YazdırmaSütunu& s : m.sütunlar)
        yaz(sütunBaşlığıYazısı, s.sağa ? s.x - sütunBaşlığıYazısı.genişlik(s.başlık) : s.x, y, s.başlık);
    y += sütunBaşlığıYazısı.satır + 1;

    const size_t sütunSayısı = size_t(m.sütunlar.size());
    for (size_t i = 0; i < m.hücreler.size(); i += sütunSayısı) {
        if (y + altBoşluk >= yükseklik) {
            yazar.newPage();
            if (kayıt) kaydet(Tür::YeniSayfa);
            ++sayfa;
            yaz(satırYazısı, 10, 5, m.başlık);
            const QString sayfaNo = QStringLiteral("Sayfa - ") + QString::number(sayfa);
            yaz(satırYazısı, genişlik - (satırYazısı.genişlik(sayfaNo) + 10), 5, sayfaNo);
            boya.drawLine(QPointF(10 * nokta, 10 * nokta), QPointF((genişlik - 10) * nokta, 10 * nokta));
            if (kayıt) kaydet(Tür::Çizgi, 10, 10, genişlik - 10, 10);
            y = üstBoşluk;
        }
        for (size_t c = 0; c < sütunSayısı; ++c) {
            const YazdırmaSütunu& s = m.sütunlar[qsizetype(c)];
            const QString& metin = m.hücreler[i + c];
            yaz(satırYazısı, s.sağa ? s.x - satırYazısı.genişlik(metin) : s.x, y, metin);
        }
        y += satırYazısı.satır;
    }
    boya.end();
    if (kayıt) kaydet(Tür::Bitir);
}

// The page count and the first page's size of a PDF file Qt wrote (one "/Type /Page" object a page).
std::string pdfSayfaları(const QString& dosya)
{
    QFile f(dosya);
    if (!f.open(QIODevice::ReadOnly)) return "no file";
    const QByteArray pdf = f.readAll();
    const qsizetype boyut = pdf.indexOf("/MediaBox");
    const std::string kağıt =
        boyut < 0 ? std::string("no /MediaBox") : pdf.mid(boyut, pdf.indexOf(']', boyut) + 1 - boyut).toStdString();
    return std::to_string(pdf.count("/Type /Page\n")) + " pages, " + kağıt;
}

// Whether the QPdfWriter pages are the print's: the same texts in the same fonts at the same places (within a
// millionth of a millimetre), the same rules and page breaks as the recorder keeps them, and PDF files of as
// many pages of the same size. Made once; empty when they are, else what differs.
const std::string& aynıBelgeDenetimi()
{
    static const std::string sonuç = []() -> std::string {
        using Çağrı = yazdırma::YazıcıÇağrısı;
        StokListesiFormu& p = dolu();
        yazdırma::YazıcıKaydedici kaydedici(210, 297);
        listeyiÇiz(kaydedici, p.yazdırmaDüzeni(), *p.StokListesi);
        const QList<Çağrı>& beklenen = kaydedici.belge().çağrılar;
        QTemporaryDir klasör;
        const QString tabanDosyası = klasör.filePath(QStringLiteral("QPdfWriter.pdf"));
        QList<Çağrı> çizilen;
        qPdfWriterİleÇiz(tabanDosyası, yazdırmaMetinleri(p), &çizilen);
        if (çizilen.size() != beklenen.size())
            return "QPdfWriter made " + std::to_string(çizilen.size()) + " texts, rules and page breaks, the print "
                   + std::to_string(beklenen.size());
        const auto yakın = [](double a, double b) { return std::abs(a - b) <= 1e-6; };
        const auto yeri = [](const Çağrı& ç) {
            return "\"" + ç.metin.toStdString() + "\" at " + std::to_string(ç.x) + ", " + std::to_string(ç.y)
                   + " mm on page " + std::to_string(ç.sayfa);
        };
        for (qsizetype i = 0; i < beklenen.size(); ++i) {
            const Çağrı &b = beklenen[i], &ç = çizilen[i];
            if (b.tür != ç.tür || b.sayfa != ç.sayfa || !yakın(b.x, ç.x) || !yakın(b.y, ç.y) || !yakın(b.x2, ç.x2)
                || !yakın(b.y2, ç.y2) || b.metin != ç.metin
                || (b.tür == Çağrı::Tür::Metin && !(b.yazıTipi == ç.yazıTipi)))
                return "QPdfWriter differs from the print at call " + std::to_string(i) + ": " + yeri(b)
                       + " printed, " + yeri(ç) + " drawn";
        }
        const std::string sayfalar = std::to_string(kaydedici.belge().sayfaSayısı()) + " pages";
        const std::string taban = pdfSayfaları(tabanDosyası), yazdırılan = pdfSayfaları(pdfeYazdır(p, klasör.path()));
        if (taban != yazdırılan || !taban.starts_with(sayfalar + ","))
            return "the PDF files differ: the print's " + yazdırılan + ", QPdfWriter's " + taban + ", recorded "
                   + sayfalar;
        return {};
    }();
    return sonuç;
}

void QPdfWriterİleAynıSayfalar(benchmark::State& durum)
{
    if (const std::string& fark = aynıBelgeDenetimi(); !fark.empty()) {
        durum.SkipWithError(fark.c_str());
        return;
    }
    const YazdırmaMetinleri metinler = yazdırmaMetinleri(dolu());
    QTemporaryDir klasör;
    const QString dosya = klasör.filePath(QStringLiteral("QPdfWriter.pdf"));
    for (auto _ : durum) qPdfWriterİleÇiz(dosya, metinler);
}
BENCHMARK(QPdfWriterİleAynıSayfalar)->Unit(benchmark::kMillisecond)->Iterations(3);

// The print and its QPdfWriter baseline in turn: the ratio of the best of each. The written files are
// removed before each of them, outside the measure.
void StokListesiYazdırmaOranı(benchmark::State& durum)
{
    if (const std::string& fark = aynıBelgeDenetimi(); !fark.empty()) {
        durum.SkipWithError(fark.c_str());
        return;
    }
    StokListesiFormu& p = dolu();
    const YazdırmaMetinleri metinler = yazdırmaMetinleri(p);
    QTemporaryDir klasör;
    const QString dosya = klasör.filePath(QStringLiteral("QPdfWriter.pdf"));
    bench::oranıÖlç(
        durum, [&] { pdfeYazdır(p, klasör.path()); }, [&] { qPdfWriterİleÇiz(dosya, metinler); },
        [&] { klasörüBoşalt(klasör.path()); });
}
BENCHMARK(StokListesiYazdırmaOranı)->Unit(benchmark::kMillisecond)->Iterations(10);

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
