#include "platform/KitapDenetimi.h"

#include <QByteArray>
#include <QFile>
#include <QXmlStreamReader>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The parts the library writes for every workbook of ours: one sheet whose texts stand in its cells
// (constant memory), so no shared strings. A part beyond these is checked as the others are.
constexpr std::array<std::string_view, 9> Parçalar = {
    "[Content_Types].xml", "_rels/.rels",      "docProps/app.xml",     "docProps/core.xml",       "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels", "xl/styles.xml", "xl/theme/theme1.xml", "xl/worksheets/sheet1.xml"};
constexpr std::string_view SayfaParçası = "xl/worksheets/sheet1.xml";

constexpr size_t OkumaBoyu = 256 * 1024;  // compressed bytes read at a time
constexpr size_t AçmaBoyu = 1024 * 1024;  // inflated bytes gone through at a time
constexpr size_t EnUzunEtiket = 64 * 1024;

constexpr uint32_t DizinSonuİmzası = 0x06054b50, DizinGirdisiİmzası = 0x02014b50, YerelBaşlıkİmzası = 0x04034b50;
constexpr size_t DizinSonuBoyu = 22, DizinGirdisiBoyu = 46, YerelBaşlıkBoyu = 30;

uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool boşluk(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

// Two element names alike; names are a few letters, for which a call to memcmp costs more than this.
bool aynıAd(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The written file, read at given places; a read that does not get every byte asked for fails.
class Dosya {
public:
    explicit Dosya(const QString& yol) : fd_(::open(QFile::encodeName(yol).constData(), O_RDONLY | O_CLOEXEC)) {}
    ~Dosya()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Dosya(const Dosya&) = delete;
    Dosya& operator=(const Dosya&) = delete;

    qint64 boy() const
    {
        struct stat bilgi {};
        return fd_ >= 0 && ::fstat(fd_, &bilgi) == 0 ? qint64(bilgi.st_size) : -1;
    }
    bool oku(unsigned char* hedef, size_t n, uint64_t yer) const
    {
        while (n > 0) {
            const ssize_t okunan = ::pread(fd_, hedef, n, off_t(yer));
            if (okunan < 0 && errno == EINTR) continue;
            if (okunan <= 0) return false;
            hedef += okunan;
            n -= size_t(okunan);
            yer += uint64_t(okunan);
        }
        return true;
    }

private:
    int fd_;
};

// A part as the zip's directory gives it.
struct Girdi {
    std::string ad;
    uint16_t yöntem;
    uint32_t crc, sıkışıkBoy, açıkBoy, yerelBaşlık;
};

// Reads the zip's directory (at its end) into `girdiler`; `dizinYeri` is where it starts, before which
// every part's data ends.
bool dizinOku(const Dosya& d, std::vector<Girdi>& girdiler, uint64_t& dizinYeri)
{
    const qint64 boy = d.boy();
    if (boy < qint64(DizinSonuBoyu)) return false;
    // The end record is the last thing in the file but for a comment of up to 64 KiB.
    const size_t kuyrukBoyu = size_t(std::min<qint64>(boy, DizinSonuBoyu + 0xFFFF));
    std::vector<unsigned char> kuyruk(kuyrukBoyu);
    if (!d.oku(kuyruk.data(), kuyrukBoyu, uint64_t(boy) - kuyrukBoyu)) return false;
    size_t i = kuyrukBoyu - DizinSonuBoyu + 1;
    do {
        if (i-- == 0) return false;
    } while (le32(&kuyruk[i]) != DizinSonuİmzası);
    const unsigned char* son = &kuyruk[i];
    const uint16_t sayı = le16(son + 10);
    const uint32_t dizinBoyu = le32(son + 12);
    dizinYeri = le32(son + 16);
    // One disk, every part in this directory, the directory before its end record.
    if (le16(son + 4) != 0 || le16(son + 6) != 0 || le16(son + 8) != sayı
        || dizinYeri + dizinBoyu > uint64_t(boy) - kuyrukBoyu + i)
        return false;
    std::vector<unsigned char> dizin(dizinBoyu);
    if (!d.oku(dizin.data(), dizinBoyu, dizinYeri)) return false;
    size_t yer = 0;
    for (int n = 0; n < sayı; ++n) {
        if (yer + DizinGirdisiBoyu > dizin.size() || le32(&dizin[yer]) != DizinGirdisiİmzası) return false;
        const unsigned char* g = &dizin[yer];
        const size_t adBoyu = le16(g + 28), uzunluk = DizinGirdisiBoyu + adBoyu + le16(g + 30) + le16(g + 32);
        if (yer + uzunluk > dizin.size()) return false;
        girdiler.push_back({std::string(reinterpret_cast<const char*>(g + DizinGirdisiBoyu), adBoyu), le16(g + 10),
                            le32(g + 16), le32(g + 20), le32(g + 24), le32(g + 42)});
        yer += uzunluk;
    }
    return true;
}

// Goes through the sheet's XML piece by piece as it is inflated, as fast as a scan of its bytes (an XML
// reader took a second over the sheet of a 100,000-row list, as long as writing it): every tag closes
// before the next one opens and no text holds a bracket (the library escapes them); every end tag
// matches its start tag; one root, worksheet, closed after its sheetData, with nothing but white space
// around it. The rows of the sheetData are counted, and their numbers must rise. What the library never
// writes into a sheet (comments, CDATA, a DOCTYPE) is refused too.
class SayfaTarayıcı {
public:
    // false once the sheet is malformed.
    bool ekle(const char* p, const char* son);
    // The whole sheet went through and was closed.
    bool kapandı() const { return !bozuk_ && !etikette_ && kökKapandı_ && veriKapandı_; }
    qint64 satırSayısı() const { return satırSayısı_; }
    qint64 sonSatır() const { return sonSatır_; }

private:
    bool etiket(const char* baş, const char* son);
    bool satırıSay(const char* p, const char* son);
    bool bozul()
    {
        bozuk_ = true;
        return false;
    }

    std::string yarım_;  // a tag cut by the end of a piece, from its '<'
    bool etikette_ = false;
    std::vector<std::string> yığın_;  // the names of the open elements, the first `derinlik_` of them
    size_t derinlik_ = 0;
    bool kökAçıldı_ = false, kökKapandı_ = false, veriKapandı_ = false, bozuk_ = false;
    qint64 satırSayısı_ = 0, sonSatır_ = 0;
};

bool SayfaTarayıcı::ekle(const char* p, const char* son)
{
    if (bozuk_) return false;
    while (p < son) {
        if (!etikette_) {
            const char* q = p;
            while (q < son && *q != '<' && *q != '>') ++q;
            if (derinlik_ == 0 && std::any_of(p, q, [](char c) { return !boşluk(c); })) return bozul();
            if (q == son) return true;
            if (*q == '>') return bozul();
            etikette_ = true;
            p = q;
        }
        // At the '<' of a tag, or at the rest of one that the last piece cut.
        const char* q = yarım_.empty() ? p + 1 : p;
        while (q < son && *q != '>' && *q != '<') ++q;
        if (q == son) {
            if (yarım_.size() + size_t(son - p) > EnUzunEtiket) return bozul();
            yarım_.append(p, son);
            return true;
        }
        if (*q == '<') return bozul();
        ++q;
        bool iyi;
        if (yarım_.empty()) {
            iyi = etiket(p, q);
        } else {
            yarım_.append(p, q);
            iyi = etiket(yarım_.data(), yarım_.data() + yarım_.size());
            yarım_.clear();
        }
        if (!iyi) return bozul();
        etikette_ = false;
        p = q;
    }
    return true;
}

// One tag, from its '<' to its '>'.
bool SayfaTarayıcı::etiket(const char* baş, const char* son)
{
    if (son - baş < 3) return false;
    if (baş[1] == '?') return !kökAçıldı_ && son - baş >= 4 && son[-2] == '?';  // the XML declaration
    if (baş[1] == '!') return false;
    const bool bitiş = baş[1] == '/';
    const char* ad = baş + (bitiş ? 2 : 1);
    const char* adSonu = ad;
    while (adSonu < son - 1 && !boşluk(*adSonu) && *adSonu != '/') ++adSonu;
    const std::string_view adı(ad, size_t(adSonu - ad));
    if (adı.empty()) return false;
    if (bitiş) {
        if (std::any_of(adSonu, son - 1, [](char c) { return !boşluk(c); })) return false;
        if (derinlik_ == 0 || !aynıAd(yığın_[derinlik_ - 1], adı)) return false;
        --derinlik_;
        if (derinlik_ == 1 && adı == "sheetData") veriKapandı_ = true;
        if (derinlik_ == 0) kökKapandı_ = true;
        return true;
    }
    if (kökKapandı_) return false;
    if (derinlik_ == 0) {
        if (adı != "worksheet") return false;
        kökAçıldı_ = true;
    }
    if (derinlik_ == 2 && adı == "row" && yığın_[1] == "sheetData" && !satırıSay(adSonu, son)) return false;
    if (son[-2] == '/') {  // an empty element
        if (derinlik_ == 0) kökKapandı_ = true;
        return true;
    }
    if (yığın_.size() == derinlik_) yığın_.emplace_back();
    if (!aynıAd(yığın_[derinlik_], adı)) yığın_[derinlik_].assign(adı);  // mostly the same name as last time
    ++derinlik_;
    return true;
}

// A row's number from its r attribute (the library gives every row one), after the one before it.
bool SayfaTarayıcı::satırıSay(const char* p, const char* son)
{
    const std::string_view öznitelikler(p, size_t(son - p));
    const size_t yer = öznitelikler.find(" r=\"");
    if (yer == std::string_view::npos) return false;
    qint64 no = 0;
    int basamak = 0;
    const char* c = p + yer + 4;
    for (; c < son && *c >= '0' && *c <= '9' && basamak < 9; ++c, ++basamak) no = no * 10 + (*c - '0');
    if (basamak == 0 || c == son || *c != '"' || no <= sonSatır_) return false;
    ++satırSayısı_;
    sonSatır_ = no;
    return true;
}

// The buffers of the reading, made once for every part.
struct Tamponlar {
    std::vector<unsigned char> giriş = std::vector<unsigned char>(OkumaBoyu);
    std::vector<unsigned char> çıkış = std::vector<unsigned char>(AçmaBoyu);
};

// Inflates the part and hands what it holds, piece by piece, to `al`, which returns false to refuse it.
// The compressed data must end where the part's deflate stream ends (the library deflates every part)
// and give its stored size and CRC-32.
KitapKusuru parçayıAç(const Dosya& d, const Girdi& g, uint64_t dizinYeri, Tamponlar& t,
                      const std::function<bool(const char*, size_t)>& al)
{
    unsigned char yerel[YerelBaşlıkBoyu];
    if (!d.oku(yerel, sizeof yerel, g.yerelBaşlık) || le32(yerel) != YerelBaşlıkİmzası) return KitapKusuru::ParçaBozuk;
    const uint64_t veriYeri = uint64_t(g.yerelBaşlık) + YerelBaşlıkBoyu + le16(yerel + 26) + le16(yerel + 28);
    if (veriYeri + g.sıkışıkBoy > dizinYeri || g.yöntem != Z_DEFLATED) return KitapKusuru::ParçaBozuk;

    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return KitapKusuru::Okunamadı;
    const std::unique_ptr<z_stream, int (*)(z_stream*)> bitir(&z, inflateEnd);
    uLong crc = crc32(0, nullptr, 0);
    uint64_t okunan = 0, açılan = 0;
    for (int durum = Z_OK; durum != Z_STREAM_END;) {
        if (z.avail_in == 0) {
            if (okunan == g.sıkışıkBoy) return KitapKusuru::ParçaBozuk;  // the data ends within the stream
            const size_t n = size_t(std::min<uint64_t>(OkumaBoyu, g.sıkışıkBoy - okunan));
            if (!d.oku(t.giriş.data(), n, veriYeri + okunan)) return KitapKusuru::Okunamadı;
            okunan += n;
            z.next_in = t.giriş.data();
            z.avail_in = uInt(n);
        }
        z.next_out = t.çıkış.data();
        z.avail_out = uInt(t.çıkış.size());
        durum = inflate(&z, Z_NO_FLUSH);
        if (durum != Z_OK && durum != Z_STREAM_END) return KitapKusuru::ParçaBozuk;
        const size_t n = t.çıkış.size() - z.avail_out;
        açılan += n;
        if (açılan > g.açıkBoy) return KitapKusuru::ParçaBozuk;
        crc = crc32_z(crc, t.çıkış.data(), n);
        if (n > 0 && !al(reinterpret_cast<const char*>(t.çıkış.data()), n)) return KitapKusuru::XmlBozuk;
    }
    if (z.avail_in != 0 || okunan != g.sıkışıkBoy || açılan != g.açıkBoy || crc != g.crc)
        return KitapKusuru::ParçaBozuk;
    return KitapKusuru::Yok;
}

bool xmlParçasıMı(std::string_view ad) { return ad.ends_with(".xml") || ad.ends_with(".rels"); }

bool xmlDoğruMu(const QByteArray& xml)
{
    QXmlStreamReader r(xml);
    while (!r.atEnd()) r.readNext();
    return !r.hasError();
}

}  // namespace

KitapKusuru yazılanKitabıDenetle(const QString& yol, qint64 satırSayısı, int sonSatır)
{
    const Dosya d(yol);
    std::vector<Girdi> girdiler;
    uint64_t dizinYeri = 0;
    if (!dizinOku(d, girdiler, dizinYeri)) return KitapKusuru::Okunamadı;
    for (std::string_view ad : Parçalar)
        if (std::none_of(girdiler.begin(), girdiler.end(), [&](const Girdi& g) { return g.ad == ad; }))
            return KitapKusuru::ParçaEksik;

    Tamponlar t;
    for (const Girdi& g : girdiler) {
        if (g.açıkBoy == 0) return KitapKusuru::ParçaBoş;
        KitapKusuru kusur;
        if (g.ad == SayfaParçası) {
            SayfaTarayıcı sayfa;
            kusur = parçayıAç(d, g, dizinYeri, t, [&](const char* p, size_t n) { return sayfa.ekle(p, p + n); });
            if (kusur == KitapKusuru::Yok && !sayfa.kapandı()) kusur = KitapKusuru::XmlBozuk;
            if (kusur == KitapKusuru::Yok && (sayfa.satırSayısı() != satırSayısı || sayfa.sonSatır() != sonSatır))
                kusur = KitapKusuru::SatırlarEksik;
        } else {
            // The other parts are small: each is read whole and goes through an XML reader.
            QByteArray içerik;
            kusur = parçayıAç(d, g, dizinYeri, t, [&](const char* p, size_t n) {
                içerik.append(p, qsizetype(n));
                return true;
            });
            if (kusur == KitapKusuru::Yok && xmlParçasıMı(g.ad) && !xmlDoğruMu(içerik)) kusur = KitapKusuru::XmlBozuk;
        }
        if (kusur != KitapKusuru::Yok) return kusur;
    }
    return KitapKusuru::Yok;
}

}  // namespace platform
