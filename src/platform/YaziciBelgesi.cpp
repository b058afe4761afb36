#include "platform/YaziciBelgesi.h"

#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/Mesaj.h"
#include "platform/YazdirmaSunucusu.h"
#include "platform/Yazicilar.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <cerrno>
#include <optional>
#include <utility>

namespace yazdırma {

struct YazıcıBelgesi::Veri {
    // The printer: the PDF printer, or a paper printer whose job is made once the document is whole.
    Yazıcı yazıcı;
    bool pdfYazıcısı = false;
    QString belgeAdı;
    QPageLayout sayfa;
    // The PDF printer's folder, and the file name to be, or taken once shown.
    QString klasör;
    QString pdfDosyası;
    // Made when the first thing is drawn: where the document is written (the PDF printer's temporary
    // file, or a paper printer's memory) and the writer drawing into it.
    std::unique_ptr<dosya::GeçiciDosya> dosya;
    QBuffer bellek;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter boya;
    // A paper printer's job, held by the server until it is released (işGitti).
    std::unique_ptr<Sunucuİşi> iş;
    bool işGitti = false;
    bool başladı = false;
    bool bozuk = false;
    // What the painter holds now, so that it is set only when it changes.
    enum class Kalem { Yok, Metin, Çizgi } kalem = Kalem::Yok;
    std::optional<YazıTipi> yazıTipi;

    // The document could not be written: with its name and the cause.
    YazdırmaHatası yazılamadı(int sistemHatası) const
    {
        // A paper printer's document is drawn in memory: only its drawing can fail.
        if (!pdfYazıcısı) return YazdırmaHatası(yazıcı.ad, QStringLiteral("Belge çizilirken yarım kaldı."));
        const QString neden = dosya::yazmaHatasıMetni(sistemHatası);
        return YazdırmaHatası(
            QStringLiteral("PDF dosyası yazılamadı: %1\n\n%2").arg(QDir::toNativeSeparators(pdfDosyası), neden));
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

// The resolution documents are drawn at (dots per inch), and its dots in a millimetre.
constexpr int PdfÇözünürlüğü = 1200;
constexpr double MmNokta = PdfÇözünürlüğü / 25.4;

QString pdfDosyaYolu(const QString& klasör, const QString& belgeAdı, int sıra)
{
    return QDir(klasör).filePath(pdfDosyaAdı(belgeAdı, sıra));
}

// The paper from its edge: no margins.
QPageLayout kağıtDüzeni(QSizeF kağıt)
{
    return QPageLayout(QPageSize(kağıt, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
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

QString belgeAdıKısaltarak(const QString& baş, const QString& kısaltılabilir, const QString& son)
{
    // belgeDosyaAdı() keeps 100 characters; the bytes are counted with room for the longest number a name
    // takes (dosya::adVer tries a thousand).
    const qsizetype bayt = QFile::encodeName(baş + son).size();
    const qsizetype sayıylaEk = QFile::encodeName(QStringLiteral(" (1000).pdf")).size();
    const QString kısa = bütünKarakterlerle(kısaltılabilir, std::max<qsizetype>(100 - baş.size() - son.size(), 0),
                                            std::max<qsizetype>(EnUzunDosyaAdı - sayıylaEk - bayt, 0));
    return baş + kısa.trimmed() + son;
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
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::sistemYazıcısında(const Yazıcı& yazıcı, const QString& belgeAdı)
{
    auto v = std::make_unique<Veri>();
    v->yazıcı = yazıcı;
    v->belgeAdı = belgeAdı;
    v->sayfa = kağıtDüzeni(yazıcı.kağıt);
    const QSizeF boyut = v->sayfa.fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

std::unique_ptr<YazıcıBelgesi> YazıcıBelgesi::pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                            QSizeF kağıt)
{
    auto v = std::make_unique<Veri>();
    v->yazıcı.ad = PdfYazıcısıAdı;
    v->pdfYazıcısı = true;
    v->klasör = QDir(klasör).absolutePath();
    v->belgeAdı = belgeAdı;
    // The name the file is to take: the first that is free now (another may take it before this one is
    // written; the file then takes the next).
    v->pdfDosyası = pdfDosyaYolu(v->klasör, belgeAdı, 1);
    for (int n = 2; QFile::exists(v->pdfDosyası); ++n) v->pdfDosyası = pdfDosyaYolu(v->klasör, belgeAdı, n);
    v->sayfa = kağıtDüzeni(kağıt);
    const QSizeF boyut = v->sayfa.fullRect(QPageLayout::Millimeter).size();
    return std::unique_ptr<YazıcıBelgesi>(new YazıcıBelgesi(std::move(v), boyut));
}

YazıcıBelgesi::~YazıcıBelgesi() { at(); }

QString YazıcıBelgesi::pdfDosyası() const { return d_->pdfDosyası; }

bool YazıcıBelgesi::başlat()
{
    if (d_->başladı) return true;
    if (d_->bozuk) return false;
    QIODevice* hedef = &d_->bellek;
    if (d_->pdfYazıcısı) {
        QDir().mkpath(d_->klasör);  // a folder that cannot be made is told of by the file's making
        d_->dosya = std::make_unique<dosya::GeçiciDosya>();
        if (!d_->dosya->oluştur(d_->klasör, QStringLiteral(".pdf"))) {
            const int hata = d_->dosya->hata();
            d_->bozuk = true;
            d_->dosya.reset();
            throw d_->yazılamadı(hata);
        }
        hedef = d_->dosya.get();
    } else {
        d_->bellek.open(QIODevice::WriteOnly);
    }
    d_->pdf = std::make_unique<QPdfWriter>(hedef);
    d_->pdf->setResolution(PdfÇözünürlüğü);
    d_->pdf->setPageLayout(d_->sayfa);
    d_->pdf->setTitle(d_->belgeAdı);
    d_->pdf->setCreator(QStringLiteral("Kavrenta"));
    if (!d_->boya.begin(d_->pdf.get())) {
        const int hata = d_->dosya ? d_->dosya->hata() : 0;
        d_->bozuk = true;
        at();
        throw d_->yazılamadı(hata);
    }
    d_->başladı = true;
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
    return true;
}

void YazıcıBelgesi::metinÇiz(double x, double y, const QString& metin)
{
    if (!başlat()) return;
    if (d_->yazıTipi != yazıTipi()) {
        d_->boya.setFont(güncelQtYazıTipi());
        d_->yazıTipi = yazıTipi();
    }
    if (d_->kalem != Veri::Kalem::Metin) {
        d_->boya.setPen(QPen(Qt::black));
        d_->kalem = Veri::Kalem::Metin;
    }
    d_->boya.drawText(QPointF(x * MmNokta, (y + tabanUzaklığı()) * MmNokta), metin);
}

void YazıcıBelgesi::çizgiÇiz(double x1, double y1, double x2, double y2)
{
    if (!başlat()) return;
    if (d_->kalem != Veri::Kalem::Çizgi) {
        QPen kalem(Qt::black);
        kalem.setWidth(0);
        d_->boya.setPen(kalem);
        d_->kalem = Veri::Kalem::Çizgi;
    }
    d_->boya.drawLine(QPointF(x1 * MmNokta, y1 * MmNokta), QPointF(x2 * MmNokta, y2 * MmNokta));
}

void YazıcıBelgesi::sayfaEkle()
{
    if (!başlat()) return;
    if (!d_->pdf->newPage()) {
        const int hata = d_->dosya ? d_->dosya->hata() : 0;
        d_->bozuk = true;
        at();
        throw d_->yazılamadı(hata);
    }
    // Each page is given its font and pen again.
    d_->kalem = Veri::Kalem::Yok;
    d_->yazıTipi.reset();
}

void YazıcıBelgesi::belgeyiHazırla()
{
    if (!d_->başladı) return;  // nothing was drawn: no file, no job
    d_->başladı = false;
    const bool bitti = d_->boya.end();
    d_->pdf.reset();
    // Whole: the engine ended the document, every byte reached the file and it closed, and the document
    // ends with the PDF's end mark.
    if (d_->pdfYazıcısı) {
        dosya::GeçiciDosya& f = *d_->dosya;
        if (!(f.kapat() && bitti && f.sonBaytlar(16).trimmed().endsWith("%%EOF"))) {
            const int hata = f.hata();
            d_->dosya.reset();
            throw d_->yazılamadı(hata);
        }
        return;
    }
    d_->bellek.close();
    const QByteArray belge = std::exchange(d_->bellek.buffer(), QByteArray());
    if (!bitti || !belge.right(16).trimmed().endsWith("%%EOF")) throw d_->yazılamadı(0);
    d_->iş = Sunucuİşi::hazırla(d_->yazıcı, d_->belgeAdı, d_->sayfa.fullRect(QPageLayout::Millimeter).size(), belge);
}

void YazıcıBelgesi::belgeyiGönder()
{
    if (!d_->iş) return;  // the PDF printer's, or a document on which nothing was drawn
    try {
        d_->iş->serbestBırak();  // a job that the server did not release is cancelled where it can be
    } catch (...) {
        d_->iş.reset();
        throw;
    }
    d_->işGitti = true;
    d_->iş.reset();
}

void YazıcıBelgesi::belgeyiGöster()
{
    d_->iş.reset();
    if (!d_->dosya) return;  // a paper printer's, or a PDF of which nothing was drawn
    // The whole file takes its name now. Should the folder refuse every name, the file stays where it was
    // written and the user is told where and why.
    const QString klasör = d_->klasör, ad = d_->belgeAdı;
    if (!d_->dosya->adVer([&](int sıra) { return pdfDosyaYolu(klasör, ad, sıra); })) {
        mesaj::göster(QStringLiteral("PDF dosyası adıyla kaydedilemedi: %1\n\n%2\n\nBelgenin tamamı şu dosyada:\n%3\n\n%4")
                          .arg(QDir::toNativeSeparators(d_->pdfDosyası), dosya::yazmaHatasıMetni(d_->dosya->hata()),
                               QDir::toNativeSeparators(d_->dosya->yol()), dosya::SaklamaSüresiMetni),
                      mesaj::Simge::Ünlem);
        return;
    }
    d_->pdfDosyası = d_->dosya->yol();
    // Without a PDF viewer the desktop's opener takes the file and shows nothing: the user is told where
    // the file is instead.
    if (!kabuk::işleyiciVarMı(QStringLiteral("application/pdf")) || !kabuk::aç(QUrl::fromLocalFile(d_->pdfDosyası)))
        mesaj::göster(QStringLiteral("Belge PDF dosyası olarak kaydedildi, ancak açılamadı:\n\n") + d_->pdfDosyası,
                      mesaj::Simge::Bilgi);
}

void YazıcıBelgesi::belgeyiAt() { at(); }

bool YazıcıBelgesi::belgeyiGeriAl()
{
    if (!d_->pdfYazıcısı) return !d_->işGitti;  // released to the printer: gone
    at();  // a PDF not yet named: removed
    return true;
}

void YazıcıBelgesi::at()
{
    if (d_->başladı) {
        if (d_->boya.isActive()) d_->boya.end();
        d_->başladı = false;
    }
    d_->pdf.reset();
    d_->dosya.reset();  // the temporary file goes with it
    d_->bellek.close();
    d_->bellek.setData(QByteArray());
    // A job still held gets cancelled; held, it would not have printed anyway.
    if (d_->iş && !d_->işGitti) d_->iş->iptalEt();
    d_->iş.reset();
}

}  // namespace yazdırma
