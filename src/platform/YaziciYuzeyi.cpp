#include "platform/YaziciYuzeyi.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

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

// The characters numbers are written with. Where a font sets each of them alone, with no kerning
// between any two of them, a text of them is exactly as wide as its characters together, as the font
// would measure it as a whole; most texts a list prints on the right of a column are such.
constexpr char16_t SayıKarakterleri[] = u"0123456789.,-";
constexpr int SayıKarakteriSayısı = int(std::size(SayıKarakterleri)) - 1;

int sayıKarakteri(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c == u'.') return 10;
    if (c == u',') return 11;
    if (c == u'-') return 12;
    return -1;
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

    double genişlik(const QString& metin) const
    {
        if (const std::optional<double> g = sayıyla(metin)) return *g / MmBaşınaNokta;
        return ölçü.horizontalAdvance(metin) / MmBaşınaNokta;
    }

private:
    // The width of a text of number characters as the sum of theirs (in dots), when the font allows it.
    std::optional<double> sayıyla(const QString& metin) const
    {
        if (metin.isEmpty() || sayıKarakteri(metin.front().unicode()) < 0) return std::nullopt;
        if (!sayıGenişlikleri_) sayıGenişlikleriniÖlç();
        if (!*sayıGenişlikleri_) return std::nullopt;
        const auto& g = **sayıGenişlikleri_;
        double toplam = 0;
        for (const QChar c : metin) {
            const int i = sayıKarakteri(c.unicode());
            if (i < 0) return std::nullopt;
            toplam += g[size_t(i)];
        }
        return toplam;
    }

    // Each character alone, then every pair of them: any difference (kerning, a joined glyph) and the
    // font measures every text as a whole.
    void sayıGenişlikleriniÖlç() const
    {
        std::array<double, SayıKarakteriSayısı> g{};
        for (int i = 0; i < SayıKarakteriSayısı; ++i)
            g[size_t(i)] = ölçü.horizontalAdvance(QString(QChar(SayıKarakterleri[i])));
        for (int i = 0; i < SayıKarakteriSayısı; ++i)
            for (int j = 0; j < SayıKarakteriSayısı; ++j) {
                const QString ikili = QString(QChar(SayıKarakterleri[i])) + QChar(SayıKarakterleri[j]);
                if (ölçü.horizontalAdvance(ikili) != g[size_t(i)] + g[size_t(j)]) {
                    sayıGenişlikleri_.emplace(std::nullopt);
                    return;
                }
            }
        sayıGenişlikleri_.emplace(g);
    }

    // Not measured yet; measured but the font kerns them (nullopt); or their widths.
    mutable std::optional<std::optional<std::array<double, SayıKarakteriSayısı>>> sayıGenişlikleri_;
};

YazdırmaHatası::YazdırmaHatası(const QString& metin) : std::runtime_error(metin.toStdString()), metin_(metin) {}

YazdırmaHatası::YazdırmaHatası(const QString& yazıcı, const QString& neden, bool belirsiz)
    : YazdırmaHatası(belirsiz ? belirsizMetni(yazıcı, neden) : gönderilemediMetni(yazıcı, neden))
{
    yazıcı_ = yazıcı;
    neden_ = neden;
    belirsiz_ = belirsiz;
}

YazdırmaHatası YazdırmaHatası::parolaVerilmedi(const QString& yazıcı, const QString& not_)
{
    const QString ek = not_.isEmpty() ? QString() : QStringLiteral("\n\n") + not_;
    YazdırmaHatası h(ParolaVerilmediMetni.arg(yazıcı) + ek);
    h.yazıcı_ = yazıcı;
    h.neden_ = ParolaGerekiyorMetni + ek;
    h.vazgeçildi_ = true;
    return h;
}

QString gönderilemediMetni(const QString& yazıcıAdı, const QString& neden)
{
    return QStringLiteral("Belge yazıcıya gönderilemedi: %1\n\n%2").arg(yazıcıAdı, neden);
}

QString belirsizMetni(const QString& yazıcıAdı, const QString& neden)
{
    return QStringLiteral("Yazdırma sunucusu, belgenin yazıcıya gönderildiğini doğrulamadı: %1\n\n%2\n\n"
                          "Belge, yazdırma sunucusu yeniden yanıt verdiğinde yine de yazdırılabilir. Belgeyi "
                          "yeniden yazdırmadan önce yazıcıyı kontrol ediniz.")
        .arg(yazıcıAdı, neden);
}

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
    if (aşama_ != Aşama::Çiziliyor) return;
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
    if (aşama_ != Aşama::Çiziliyor) return;
    çizgiÇiz(x1, y1, x2, y2);
}

void YazıcıYüzeyi::yeniSayfa()
{
    if (aşama_ != Aşama::Çiziliyor) return;
    sayfaEkle();
    ++sayfa_;
    setX(0);
    y_ = 0;
}

void YazıcıYüzeyi::bitir()
{
    hazırla();
    gönder();
    göster();
}

void YazıcıYüzeyi::hazırla()
{
    if (aşama_ != Aşama::Çiziliyor) return;
    aşama_ = Aşama::Bitti;  // what fails has cleaned up after itself: nothing more is done
    atıldı_ = true;
    belgeyiHazırla();
    aşama_ = Aşama::Hazır;
    atıldı_ = false;
}

void YazıcıYüzeyi::gönder()
{
    hazırla();
    if (aşama_ != Aşama::Hazır) return;
    aşama_ = Aşama::Bitti;
    atıldı_ = true;
    belgeyiGönder();
    aşama_ = Aşama::Gönderildi;
    atıldı_ = false;
}

void YazıcıYüzeyi::göster()
{
    gönder();
    if (aşama_ != Aşama::Gönderildi) return;
    aşama_ = Aşama::Bitti;
    belgeyiGöster();
}

bool YazıcıYüzeyi::vazgeç()
{
    switch (aşama_) {
    case Aşama::Çiziliyor:
    case Aşama::Hazır: belgeyiAt(); break;
    case Aşama::Gönderildi:
        if (!belgeyiGeriAl()) {
            aşama_ = Aşama::Bitti;
            return false;
        }
        break;
    case Aşama::Bitti: return atıldı_;
    }
    aşama_ = Aşama::Bitti;
    atıldı_ = true;
    return true;
}

}  // namespace yazdırma
