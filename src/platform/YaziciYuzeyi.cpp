#include "platform/YaziciYuzeyi.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>

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

QFontMetricsF ölçü(const YazıTipi& yazıTipi)
{
    static const ÖlçüAygıtı aygıt;
    return QFontMetricsF(YazıcıYüzeyi::qtYazıTipi(yazıTipi), &aygıt);
}

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

double YazıcıYüzeyi::metinGenişliği(const QString& metin) const
{
    return ölçü(yazıTipi_).horizontalAdvance(metin) / MmBaşınaNokta;
}

double YazıcıYüzeyi::metinYüksekliği() const { return ölçü(yazıTipi_).height() / MmBaşınaNokta; }

double YazıcıYüzeyi::tabanUzaklığı() const { return ölçü(yazıTipi_).ascent() / MmBaşınaNokta; }

void YazıcıYüzeyi::yaz(const QString& metin, Satır satır)
{
    if (kapandı_) return;
    metinÇiz(x_, y_, metin);
    if (satır == Satır::Sürdür) {
        x_ += metinGenişliği(metin);
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
    x_ = 0;
    y_ = 0;
}

void YazıcıYüzeyi::bitir()
{
    gönder();
    göster();
}

void YazıcıYüzeyi::gönder()
{
    if (kapandı_) return;
    kapandı_ = true;
    belgeyiBitir();
    gönderildi_ = true;
}

void YazıcıYüzeyi::göster()
{
    if (!gönderildi_) return;
    gönderildi_ = false;
    belgeyiGöster();
}

void YazıcıYüzeyi::vazgeç()
{
    if (kapandı_) return;
    kapandı_ = true;
    belgeyiAt();
}

}  // namespace yazdırma
