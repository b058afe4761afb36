#include "platform/YaziciBelgesi.h"

#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/Mesaj.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <optional>

namespace yazdırma {

struct YazıcıBelgesi::Veri {
    // A system printer's document is drawn on its QPrinter; a PDF on a QPdfWriter that writes into a
    // temporary file, both made when the first thing is drawn.
    std::unique_ptr<QPrinter> yazıcı;
    std::unique_ptr<dosya::GeçiciDosya> dosya;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter boya;
    QString yazıcıAdı;
    // The PDF's folder, document name and paper; the file's name to be (or taken, once shown).
    QString klasör;
    QString belgeAdı;
    QPageLayout sayfa;
    QString pdfDosyası;
    bool başladı = false;
    bool bozuk = false;
    double mmNokta = 0;  // printer dots per millimetre
    // What the painter holds now, so that it is set only when it changes.
    enum class Kalem { Yok, Metin, Çizgi } kalem = Kalem::Yok;
    std::optional<YazıTipi> yazıTipi;

    bool pdfMi() const { return !klasör.isEmpty(); }
    QPagedPaintDevice* cihaz() const
    {
        if (pdf) return pdf.get();
        return yazıcı.get();
    }
    // The failure of a PDF file, with its name and the cause.
    YazdırmaHatası pdfHatası(int sistemHatası) const
    {
        return YazdırmaHatası(QStringLiteral("PDF dosyası yazılamadı: %1\n\n%2")
                                  .arg(QDir::toNativeSeparators(pdfDosyası), dosya::yazmaHatasıMetni(sistemHatası)));
    }
};

namespace {

// The longest file name, in bytes, that the file systems the documents folder lies on take.
constexpr qsizetype EnUzunDosyaAdı = 255;

// The start of `ad` that ends on a whole character (a letter with its accents, or a character made of two
// UTF-16 units, is never cut apart) and holds at most `enÇokKarakter` UTF-16 units and `enÇokBayt`
// bytes in the file system's encoding.
QString bütünKarakterlerle(const QString& ad, qsizetype enÇokKarakter, qsizetype enÇokBayt)
{
    if (ad.size() <= enÇokKarakter && QFile::encodeName(ad).size() <= enÇokBayt) return ad;
    QTextBoundaryFinder sınırlar(QTextBoundaryFinder::Grapheme, ad);
    qsizetype son = 0, bayt = 0;
    for (qsizetype sınır = sınırlar.toNextBoundary(); sınır > 0; sınır = sınırlar.toNextBoundary()) {
        const qsizetype ekBayt = QFile::encodeName(ad.mid(son, sınır - son)).size();
        if (sınır > enÇokKarakter || bayt + ekBayt > enÇokBayt) break;
        bayt += ekBayt;
        son = sınır;
    }
    return ad.left(son);
}

// The PDF printer's resolution (dots per inch).
constexpr int PdfÇözünürlüğü = 1200;

QString pdfDosyaYolu(const QString& klasör, const QString& belgeAdı, int sıra)
{
    return QDir(klasör).filePath(pdfDosyaAdı(belgeAdı, sıra));
}

}  // namespace

QString belgeDosyaAdı(const QString& belgeAdı)
{
    QString ad;
    for (const QChar c : belgeAdı) {
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) ad += QLatin1Char('-');
        else ad += c;
    }
    ad = ad.trimmed();
    while (ad.startsWith(QLatin1Char('.'))) ad.remove(0, 1);
    ad = bütünKarakterlerle(ad, 100, EnUzunDosyaAdı - 4).trimmed();  // room for ".pdf"
    return ad.isEmpty() ? QStringLiteral("Kavrenta") : ad;
}

QString pdfDosyaAdı(const QString& belgeAdı, int sıra)
{
    const QString ek = (sıra > 1 ? QStringLiteral(" (%1)").arg(sıra) : QString()) + QStringLiteral(".pdf");
    const QString kök = belgeDosyaAdı(belgeAdı);
    const QString ad = bütünKarakterlerle(kök, kök.size(), EnUzunDosyaAdı - QFile::encodeName(ek).size()).trimmed();
    return (ad.isEmpty() ? QStringLiteral("Kavrenta") : ad) + ek;
}

YazıcıBelgesi::YazıcıBelgesi(std::unique_ptr<Veri> veri, QSizeF kağıt)
    : YazıcıYüzeyi(kağıt.width(), kağıt.height()), d_(std::move(veri))
{
    d_->mmNokta = d_->yazıcı ? d_->yazıcı->resolution() / 25.4 : PdfÇözünürlüğü / 25.4;
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::sistemYazıcısında(const QString& yazıcıAdı, const QString& belgeAdı)
{
    auto v = std::make_unique<Veri>();
    v->yazıcıAdı = yazıcıAdı;
    v->yazıcı = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& y = *v->yazıcı;
    y.setPrinterName(yazıcıAdı);
    const QPageSize kağıt = QPrinterInfo::printerInfo(yazıcıAdı).defaultPageSize();
    if (kağıt.isValid()) y.setPageSize(kağıt);
    y.setFullPage(true);
    y.setPageOrientation(QPageLayout::Portrait);
    y.setDocName(belgeAdı);
    y.setCreator(QStringLiteral("Kavrenta"));
    const QSizeF boyut = y.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                            QSizeF kağıt)
{
    auto v = std::make_unique<Veri>();
    v->yazıcıAdı = QStringLiteral("PDF");
    v->klasör = QDir(klasör).absolutePath();
    v->belgeAdı = belgeAdı;
    // The name the file is to take: the first that is free now (another may take it before this one is
    // written; the file then takes the next).
    v->pdfDosyası = pdfDosyaYolu(v->klasör, belgeAdı, 1);
    for (int n = 2; QFile::exists(v->pdfDosyası); ++n) v->pdfDosyası = pdfDosyaYolu(v->klasör, belgeAdı, n);
    // The paper from its edge: no margins.
    v->sayfa = QPageLayout(QPageSize(kağıt, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const QSizeF boyut = v->sayfa.fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

YazıcıBelgesi::~YazıcıBelgesi()
{
    if (!kapandı()) at();
}

QString YazıcıBelgesi::pdfDosyası() const { return d_->pdfDosyası; }

bool YazıcıBelgesi::geriAlınabilir() const { return d_->pdfMi(); }

bool YazıcıBelgesi::başlat()
{
    if (d_->başladı) return true;
    if (d_->bozuk) return false;
    if (d_->pdfMi()) {
        d_->dosya = std::make_unique<dosya::GeçiciDosya>();
        QDir().mkpath(d_->klasör);  // a folder that cannot be made is told of by the file's making
        if (!d_->dosya->oluştur(d_->klasör, QStringLiteral(".pdf"))) {
            const int hata = d_->dosya->hata();
            d_->bozuk = true;
            d_->dosya.reset();
            throw d_->pdfHatası(hata);
        }
        d_->pdf = std::make_unique<QPdfWriter>(d_->dosya.get());
        d_->pdf->setResolution(PdfÇözünürlüğü);
        d_->pdf->setPageLayout(d_->sayfa);
        d_->pdf->setTitle(d_->belgeAdı);
        d_->pdf->setCreator(QStringLiteral("Kavrenta"));
    }
    if (!d_->boya.begin(d_->cihaz())) {
        d_->bozuk = true;
        if (d_->pdfMi()) {
            const int hata = d_->dosya->hata();
            at();
            throw d_->pdfHatası(hata);
        }
        throw YazdırmaHatası(QStringLiteral("Yazıcıya yazdırılamıyor: ") + d_->yazıcıAdı);
    }
    d_->başladı = true;
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
    if (d_->yazıcı) d_->mmNokta = d_->yazıcı->resolution() / 25.4;
    return true;
}

void YazıcıBelgesi::metinÇiz(double x, double y, const QString& metin)
{
    if (!başlat()) return;
    const double k = d_->mmNokta;
    if (d_->yazıTipi != yazıTipi()) {
        d_->boya.setFont(güncelQtYazıTipi());
        d_->yazıTipi = yazıTipi();
    }
    if (d_->kalem != Veri::Kalem::Metin) {
        d_->boya.setPen(QPen(Qt::black));
        d_->kalem = Veri::Kalem::Metin;
    }
    d_->boya.drawText(QPointF(x * k, (y + tabanUzaklığı()) * k), metin);
}

void YazıcıBelgesi::çizgiÇiz(double x1, double y1, double x2, double y2)
{
    if (!başlat()) return;
    const double k = d_->mmNokta;
    if (d_->kalem != Veri::Kalem::Çizgi) {
        QPen kalem(Qt::black);
        kalem.setWidth(0);
        d_->boya.setPen(kalem);
        d_->kalem = Veri::Kalem::Çizgi;
    }
    d_->boya.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
}

void YazıcıBelgesi::sayfaEkle()
{
    if (!başlat()) return;
    if (!d_->cihaz()->newPage()) {
        d_->bozuk = true;
        at();
        throw YazdırmaHatası(QStringLiteral("Yazıcıda yeni sayfaya geçilemiyor: ") + d_->yazıcıAdı);
    }
    // Each page is given its font and pen again.
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
}

void YazıcıBelgesi::belgeyiBitir()
{
    if (!d_->başladı) return;  // nothing was drawn: no job, no file
    d_->başladı = false;
    const bool bitti = d_->boya.end();
    if (d_->pdfMi()) {
        d_->pdf.reset();
        dosya::GeçiciDosya& f = *d_->dosya;
        // Whole: the engine ended the document, every byte reached the file and it closed, and the file
        // ends with the PDF's end mark.
        const bool bütün = f.kapat() && bitti && f.sonBaytlar(16).trimmed().endsWith("%%EOF");
        if (!bütün) {
            const int hata = f.hata();
            d_->dosya.reset();
            throw d_->pdfHatası(hata);
        }
    } else if (!bitti || d_->yazıcı->printerState() == QPrinter::Error) {
        throw YazdırmaHatası(QStringLiteral("Belge yazıcıya gönderilemedi: ") + d_->yazıcıAdı);
    }
}

void YazıcıBelgesi::belgeyiGöster()
{
    if (!d_->dosya) return;  // a paper printer's, or a PDF of which nothing was drawn or that was taken back
    // The whole file takes its name now; should the folder refuse the name, the file is left where it
    // was written and the user is told so.
    const QString klasör = d_->klasör, ad = d_->belgeAdı;
    if (d_->dosya->adVer([&](int sıra) { return pdfDosyaYolu(klasör, ad, sıra); }))
        d_->pdfDosyası = d_->dosya->yol();
    const QString yol = d_->dosya->yol();
    // Without a PDF viewer the desktop's opener takes the file and shows nothing: the user is told where
    // the file is instead.
    if (yol != d_->pdfDosyası || !kabuk::işleyiciVarMı(QStringLiteral("application/pdf"))
        || !kabuk::aç(QUrl::fromLocalFile(yol)))
        mesaj::göster(QStringLiteral("Belge PDF dosyası olarak kaydedildi, ancak açılamadı:\n\n") + yol,
                      mesaj::Simge::Bilgi);
}

void YazıcıBelgesi::belgeyiAt() { at(); }

void YazıcıBelgesi::at()
{
    if (d_->başladı) {
        if (d_->yazıcı) d_->yazıcı->abort();
        if (d_->boya.isActive()) d_->boya.end();
        d_->başladı = false;
    }
    d_->pdf.reset();
    d_->dosya.reset();  // the temporary file goes with it
}

}  // namespace yazdırma
