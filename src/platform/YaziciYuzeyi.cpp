#include "platform/YaziciYuzeyi.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace yazdırma {

namespace {

// Texts are measured at a fixed, fine resolution, whatever the printer, so that a layout comes out the
// same on every printer, on the PDF printer and on the recorder. At this resolution no hinting bends
// the widths.
constexpr int ÖlçüÇözünürlüğü = 1200;
constexpr double MmBaşınaNokta = ÖlçüÇözünürlüğü / 25.4;

class ÖlçüAygıtı : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight: return 10000;
        case PdmWidthMM:
        case PdmHeightMM: return int(10000 / MmBaşınaNokta);
        case PdmNumColors: return 2;
        case PdmDepth: return 1;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return ÖlçüÇözünürlüğü;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }
};

const QPaintDevice& ölçüAygıtı()
{
    static const ÖlçüAygıtı aygıt;
    return aygıt;
}

// Fonts kept measured at once.
constexpr size_t SaklananÖlçüm = 8;

// A family named for its Turkish character set ("Arial Tur") is that family. Where no face of that name
// is installed, the family's own name is asked for, which the system's font matching answers with the
// family or its metric twin, so that texts keep the widths a layout was made for.
QString aileAdı(const QString& ad)
{
    static const QString TürkçeEki = QStringLiteral(" Tur");
    if (ad.endsWith(TürkçeEki) && !QFontDatabase::hasFamily(ad)) return ad.chopped(TürkçeEki.size());
    return ad;
}

}  // namespace

struct YazıcıYüzeyi::Ölçüm {
    YazıTipi yazıTipi;
    QFont qt;
    QFontMetricsF ölçü;
    double satırYüksekliği;  // mm
    double taban;            // mm

    explicit Ölçüm(const YazıTipi& y)
        : yazıTipi(y),
          qt(YazıcıYüzeyi::qtYazıTipi(y)),
          ölçü(qt, &ölçüAygıtı()),
          satırYüksekliği(ölçü.height() / MmBaşınaNokta),
          taban(ölçü.ascent() / MmBaşınaNokta)
    {
    }
    double genişlik(const QString& metin) const { return ölçü.horizontalAdvance(metin) / MmBaşınaNokta; }
};

YazdırmaHatası::YazdırmaHatası(const QString& metin) : std::runtime_error(metin.toStdString()), metin_(metin) {}

YazıcıYüzeyi::YazıcıYüzeyi(double genişlik, double yükseklik) : genişlik_(genişlik), yükseklik_(yükseklik) {}

YazıcıYüzeyi::~YazıcıYüzeyi() = default;

QFont YazıcıYüzeyi::qtYazıTipi(const YazıTipi& yazıTipi)
{
    QFont f(aileAdı(yazıTipi.ad));
    f.setPointSizeF(yazıTipi.boyut > 0 ? yazıTipi.boyut : 1);
    f.setBold(yazıTipi.kalın);
    f.setUnderline(yazıTipi.altıÇizili);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

const YazıcıYüzeyi::Ölçüm& YazıcıYüzeyi::ölçüm() const
{
    if (!ölçümler_.empty() && ölçümler_.back()->yazıTipi == yazıTipi_) return *ölçümler_.back();
    for (auto i = ölçümler_.begin(); i != ölçümler_.end(); ++i)
        if ((*i)->yazıTipi == yazıTipi_) {
            std::rotate(i, i + 1, ölçümler_.end());
            return *ölçümler_.back();
        }
    if (ölçümler_.size() == SaklananÖlçüm) ölçümler_.erase(ölçümler_.begin());
    ölçümler_.push_back(std::make_shared<const Ölçüm>(yazıTipi_));
    return *ölçümler_.back();
}

const QFont& YazıcıYüzeyi::güncelQtYazıTipi() const { return ölçüm().qt; }

double YazıcıYüzeyi::metinGenişliği(const QString& metin) const { return ölçüm().genişlik(metin); }

double YazıcıYüzeyi::metinYüksekliği() const { return ölçüm().satırYüksekliği; }

double YazıcıYüzeyi::tabanUzaklığı() const { return ölçüm().taban; }

void YazıcıYüzeyi::ilerle() const
{
    x_ += bekleyenÖlçüm_->genişlik(bekleyenMetin_);
    bekliyor_ = false;
}

void YazıcıYüzeyi::yaz(const QString& metin, Satır satır)
{
    if (kapandı_) return;
    metinÇiz(x(), y_, metin);
    if (satır == Satır::Sürdür) {
        // The width is measured when the position after the text is read, in the text's own font.
        if (bekleyenÖlçüm_.get() != &ölçüm()) bekleyenÖlçüm_ = ölçümler_.back();
        bekleyenMetin_ = metin;
        bekliyor_ = true;
    } else {
        x_ = 0;
        y_ += metinYüksekliği();
    }
}

void YazıcıYüzeyi::çizgi(double x1, double y1, double x2, double y2)
{
    if (kapandı_) return;
    çizgiÇiz(x1, y1, x2, y2);
}

void YazıcıYüzeyi::yeniSayfa()
{
    if (kapandı_) return;
    sayfaEkle();
    ++sayfa_;
    setX(0);
    y_ = 0;
}

void YazıcıYüzeyi::bitir()
{
    if (kapandı_) return;
    kapandı_ = true;
    belgeyiBitir();
}

void YazıcıYüzeyi::vazgeç()
{
    if (kapandı_) return;
    kapandı_ = true;
    belgeyiAt();
}

}  // namespace yazdırma
