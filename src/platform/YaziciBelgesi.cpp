#include "platform/YaziciBelgesi.h"

#include "platform/Kabuk.h"
#include "platform/Mesaj.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <optional>

namespace yazdırma {

struct YazıcıBelgesi::Veri {
    QPrinter yazıcı{QPrinter::HighResolution};
    QPainter boya;
    QString yazıcıAdı;
    QString pdfDosyası;
    bool başladı = false;
    bool bozuk = false;
    bool yazıldı = false;  // the document went out whole
    double mmNokta = 0;  // printer dots per millimetre
    // What the painter holds now, so that it is set only when it changes.
    enum class Kalem { Yok, Metin, Çizgi } kalem = Kalem::Yok;
    std::optional<YazıTipi> yazıTipi;
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
    d_->mmNokta = d_->yazıcı.resolution() / 25.4;
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::sistemYazıcısında(const QString& yazıcıAdı, const QString& belgeAdı)
{
    auto v = std::make_unique<Veri>();
    v->yazıcıAdı = yazıcıAdı;
    v->yazıcı.setPrinterName(yazıcıAdı);
    const QPageSize kağıt = QPrinterInfo::printerInfo(yazıcıAdı).defaultPageSize();
    if (kağıt.isValid()) v->yazıcı.setPageSize(kağıt);
    v->yazıcı.setFullPage(true);
    v->yazıcı.setPageOrientation(QPageLayout::Portrait);
    v->yazıcı.setDocName(belgeAdı);
    v->yazıcı.setCreator(QStringLiteral("Kavrenta"));
    const QSizeF boyut = v->yazıcı.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                            QSizeF kağıt)
{
    auto v = std::make_unique<Veri>();
    v->yazıcıAdı = QStringLiteral("PDF");
    QDir().mkpath(klasör);
    QString dosya = QDir(klasör).filePath(pdfDosyaAdı(belgeAdı, 1));
    for (int n = 2; QFile::exists(dosya); ++n) dosya = QDir(klasör).filePath(pdfDosyaAdı(belgeAdı, n));
    // Holds the name against a second document opened before this one draws.
    {
        QFile ayır(dosya);
        if (ayır.open(QIODevice::WriteOnly)) ayır.close();
    }
    v->pdfDosyası = dosya;
    v->yazıcı.setOutputFormat(QPrinter::PdfFormat);
    v->yazıcı.setOutputFileName(dosya);
    v->yazıcı.setResolution(1200);
    v->yazıcı.setPageSize(QPageSize(kağıt, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    v->yazıcı.setPageOrientation(QPageLayout::Portrait);
    v->yazıcı.setFullPage(true);
    v->yazıcı.setDocName(belgeAdı);
    v->yazıcı.setCreator(QStringLiteral("Kavrenta"));
    const QSizeF boyut = v->yazıcı.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

YazıcıBelgesi::~YazıcıBelgesi()
{
    if (!kapandı()) at();
}

QString YazıcıBelgesi::pdfDosyası() const { return d_->pdfDosyası; }

bool YazıcıBelgesi::başlat()
{
    if (d_->başladı) return true;
    if (d_->bozuk) return false;
    if (!d_->boya.begin(&d_->yazıcı)) {
        d_->bozuk = true;
        if (!d_->pdfDosyası.isEmpty())
            throw YazdırmaHatası(QStringLiteral("PDF dosyası yazılamıyor: ") + d_->pdfDosyası);
        throw YazdırmaHatası(QStringLiteral("Yazıcıya yazdırılamıyor: ") + d_->yazıcıAdı);
    }
    d_->başladı = true;
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
    d_->mmNokta = d_->yazıcı.resolution() / 25.4;
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
    if (!d_->yazıcı.newPage()) {
        d_->bozuk = true;
        d_->boya.end();
        d_->başladı = false;
        throw YazdırmaHatası(QStringLiteral("Yazıcıda yeni sayfaya geçilemiyor: ") + d_->yazıcıAdı);
    }
    // Each page is given its font and pen again.
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
}

void YazıcıBelgesi::belgeyiBitir()
{
    const bool pdf = !d_->pdfDosyası.isEmpty();
    if (!d_->başladı) {
        // Nothing was drawn: no job, no file.
        if (pdf) QFile::remove(d_->pdfDosyası);
        return;
    }
    d_->başladı = false;
    if (!d_->boya.end() || d_->yazıcı.printerState() == QPrinter::Error) {
        if (pdf) throw YazdırmaHatası(QStringLiteral("PDF dosyası yazılamıyor: ") + d_->pdfDosyası);
        throw YazdırmaHatası(QStringLiteral("Belge yazıcıya gönderilemedi: ") + d_->yazıcıAdı);
    }
    d_->yazıldı = true;
}

void YazıcıBelgesi::belgeyiGöster()
{
    if (!d_->yazıldı || d_->pdfDosyası.isEmpty()) return;
    // Without a PDF viewer the desktop's opener takes the file and shows nothing: the user is told where
    // the file is instead.
    if (!kabuk::işleyiciVarMı(QStringLiteral("application/pdf")) || !kabuk::aç(QUrl::fromLocalFile(d_->pdfDosyası)))
        mesaj::göster(QStringLiteral("Belge PDF dosyası olarak kaydedildi, ancak açılamadı:\n\n") + d_->pdfDosyası,
                      mesaj::Simge::Bilgi);
}

void YazıcıBelgesi::belgeyiAt() { at(); }

void YazıcıBelgesi::at()
{
    if (d_->başladı) {
        d_->yazıcı.abort();
        if (d_->boya.isActive()) d_->boya.end();
        d_->başladı = false;
    }
    if (!d_->pdfDosyası.isEmpty()) QFile::remove(d_->pdfDosyası);
}

}  // namespace yazdırma
