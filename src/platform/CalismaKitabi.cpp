#include "platform/CalismaKitabi.h"

#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/KitapDenetimi.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int EnÇokSatır = 1048576;
constexpr int EnÇokSütun = 16384;
constexpr int SayfaAdıUzunluğu = 31;
const QString XlsxTürü = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

std::function<bool()>& denetimYeri()
{
    static std::function<bool()> d;
    return d;
}

// Raises the library's error; the text of what failed is made only then.
template <typename Metin>
void denetle(lxw_error hata, Metin ne)
{
    if (hata != LXW_NO_ERROR)
        throw ÇalışmaKitabıHatası(ne() + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(hata)));
}

// A workbook that could not be written, told as a PDF's failure is: the file it was to be, and why.
ÇalışmaKitabıHatası yazılamadı(const QString& dosyaAdı, const QString& neden)
{
    return ÇalışmaKitabıHatası(
        QStringLiteral("Çalışma kitabı yazılamadı: %1\n\n%2").arg(QDir::toNativeSeparators(dosyaAdı), neden));
}

// The room the library needs in its temporary folder, when the workbook is closed, beyond the copy of
// the sheet it has written there so far: the rest of the sheet (its head, its last rows, its page
// setup) and, one at a time, the other parts of the file, each a few kilobytes.
constexpr qint64 GeçiciPay = 64 * 1024;

std::function<qint64(const QString&)>& geçiciBoşYerYeri()
{
    static std::function<qint64(const QString&)> ö;
    return ö;
}

// The bytes on the disk of `klasör` that an ordinary user may still fill; -1 when they cannot be read.
qint64 boşYer(const QString& klasör)
{
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(klasör).constData(), &disk) != 0) return -1;
    return qint64(disk.f_bavail) * qint64(disk.f_frsize);
}

// Whether the disk of `klasör` has no room left.
bool diskDoluMu(const QString& klasör) { return boşYer(klasör) == 0; }

// The folder where the library makes its temporary files, as it picks it (it sets none of its own for
// our workbooks): $TMPDIR, else /tmp, else the current folder, the first that is a folder it can write in.
QString kitabınGeçiciKlasörü()
{
    for (QByteArray klasör : {qgetenv("TMPDIR"), QByteArray(P_tmpdir), QByteArray(".")}) {
        struct stat bilgi {};
        if (!klasör.isEmpty() && ::stat(klasör.constData(), &bilgi) == 0 && S_ISDIR(bilgi.st_mode)
            && ::access(klasör.constData(), W_OK | X_OK) == 0)
            return QDir::cleanPath(QFileInfo(QFile::decodeName(klasör)).absoluteFilePath());
    }
    return QDir::currentPath();
}

qint64 geçiciKlasörünBoşYeri(const QString& klasör)
{
    if (const std::function<qint64(const QString&)>& ölçüm = geçiciBoşYerYeri()) return ölçüm(klasör);
    return boşYer(klasör);
}

// How much of the sheet the library has written so far into its temporary file, where it keeps every
// row but the one being written (constant memory); 0 when that cannot be told.
qint64 geçiciSayfaBoyu(const lxw_worksheet* sayfa)
{
    if (!sayfa || !sayfa->optimize_tmpfile) return 0;
    const int fd = ::fileno(sayfa->optimize_tmpfile);
    struct stat bilgi {};
    return fd >= 0 && ::fstat(fd, &bilgi) == 0 ? qint64(bilgi.st_size) : 0;
}

// Whether the temporary folder cannot take the sheet when the workbook is closed: the library then
// copies the `sayfaBoyu` bytes it has written there into a second file there, and adds the rest, while
// the folder's disk has `boşYer` bytes free (-1: unknown).
bool geçiciKlasörYetmez(qint64 boşYer, qint64 sayfaBoyu) { return boşYer >= 0 && boşYer < sayfaBoyu + GeçiciPay; }

QString geçiciKlasörDoluMetni(const QString& klasör)
{
    return QStringLiteral("Geçici klasörün diskinde yeterli boş yer yok: %1").arg(QDir::toNativeSeparators(klasör));
}

// Why the library could not write the workbook into `klasör`. Where its failure is one of the system's,
// it leaves that call's error number (`sistemHatası`, read at once); a failure with its own temporary
// files for want of room names their folder (`geçiciKlasör`; `geçiciYetmez`: it was short of room for
// the sheet); otherwise a disk without room is told as such, and only then the library's own text.
QString kitapHatasınınNedeni(lxw_error hata, int sistemHatası, const QString& klasör, const QString& geçiciKlasör,
                             bool geçiciYetmez)
{
    switch (hata) {
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        if (sistemHatası == ENOSPC || geçiciYetmez) return geçiciKlasörDoluMetni(geçiciKlasör);
        [[fallthrough]];
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
        if (sistemHatası != 0) return dosya::yazmaHatasıMetni(sistemHatası);
        break;
    default: break;
    }
    if (diskDoluMu(klasör)) return dosya::yazmaHatasıMetni(ENOSPC);
    return QString::fromUtf8(lxw_strerror(hata));
}

// Why a workbook that the library wrote without an error came out incomplete when read back. Its
// temporary folder's disk was full: short of room for the sheet before the library began to close the
// workbook (`geçiciYetmez`; read then, for the library frees its files before it returns), or without
// any room left now; then that folder is named, as the message otherwise stands under the workbook's
// own folder. Else a write that failed for want of room (the workbook's disk), or no cause that can be
// told.
QString eksikKitabınNedeni(int sistemHatası, const QString& geçiciKlasör, bool geçiciYetmez)
{
    if (geçiciYetmez || geçiciKlasörünBoşYeri(geçiciKlasör) == 0) return geçiciKlasörDoluMetni(geçiciKlasör);
    if (sistemHatası == ENOSPC) return dosya::yazmaHatasıMetni(ENOSPC);
    return QStringLiteral("Yazılan kitap geri okunduğunda eksik çıktı.");
}

auto hücreHatası(int satır, int sütun)
{
    return [=] { return QStringLiteral("Hücreye yazılamadı (satır %1, sütun %2)").arg(satır).arg(sütun); };
}

QString geçerliSayfaAdı(const QString& ad)
{
    QString s = ad;
    for (QChar& c : s)
        if (QStringLiteral("[]:*?/\\").contains(c) || c.unicode() < 0x20) c = QLatin1Char('-');
    s = s.left(SayfaAdıUzunluğu);
    while (s.startsWith(QLatin1Char('\''))) s.remove(0, 1);
    while (s.endsWith(QLatin1Char('\''))) s.chop(1);
    if (s.trimmed().isEmpty()) s = QStringLiteral("Sayfa1");
    return s;
}

// Width in pixels of a character of the spreadsheet's default font (11 pt, 96 dpi), close enough to
// fit a column the way the spreadsheet program itself would.
int karakterGenişliği(QChar c)
{
    static const QString üçPiksel = QStringLiteral(" .,:;'!|iljıIİ");
    static const QString dörtPiksel = QStringLiteral("frt-()/J");
    if (c.unicode() >= u'0' && c.unicode() <= u'9') return 7;
    if (üçPiksel.contains(c)) return 3;
    if (dörtPiksel.contains(c)) return 4;
    if (c == u'm' || c == u'%') return 11;
    if (c == u'w') return 10;
    if (c == u'M' || c == u'W') return 12;
    return c.isUpper() ? 8 : 7;
}

int metinPikseli(const QString& metin, bool kalın)
{
    int toplam = 0;
    for (QChar c : metin) toplam += karakterGenişliği(c);
    return kalın ? int(std::ceil(toplam * 1.07)) : toplam;
}

// Column width (characters of the maximum digit width, 7 px) that shows a value of the given pixels
// with the padding the spreadsheet program adds.
double pikseldenGenişlik(int piksel)
{
    const int dolgu = 7;
    return std::max(0.0, double(piksel + dolgu - 5) / 7.0);
}

// The text a number shows in its format, for fitting the column.
QString görünenSayı(double değer, const QString& sayıBiçimi)
{
    if (sayıBiçimi.isEmpty()) return QLocale::c().toString(değer, 'g', 10);
    const qsizetype nokta = sayıBiçimi.indexOf(QLatin1Char('.'));
    int ondalık = 0;
    if (nokta >= 0)
        for (qsizetype i = nokta + 1; i < sayıBiçimi.size() && (sayıBiçimi[i] == u'0' || sayıBiçimi[i] == u'#'); ++i)
            ++ondalık;
    QLocale yerel(QLocale::English);
    if (!sayıBiçimi.contains(QLatin1Char(','))) yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    return yerel.toString(değer, 'f', ondalık);
}

uint8_t hizaKodu(YatayHiza h)
{
    switch (h) {
    case YatayHiza::Sol: return LXW_ALIGN_LEFT;
    case YatayHiza::Orta: return LXW_ALIGN_CENTER;
    case YatayHiza::Sağ: return LXW_ALIGN_RIGHT;
    case YatayHiza::Genel: break;
    }
    return LXW_ALIGN_NONE;
}

}  // namespace

ÇalışmaKitabıHatası::ÇalışmaKitabıHatası(const QString& metin) : std::runtime_error(metin.toStdString()) {}

double twipsGenişliği(int twips) { return double(float(twips) / 100.0f); }

ÇalışmaKitabı::ÇalışmaKitabı(const QString& sayfaAdı) : sayfaAdı_(geçerliSayfaAdı(sayfaAdı))
{
    // The workbook is built in a hidden file beside the final one and takes its name only when it is
    // complete, so that no half-written workbook ever stands under a name the user sees.
    // It is created with the permissions the user's umask gives a new file (not only the owner's, as a
    // temporary file would have), so that a colleague on the share can open the exported list.
    klasör_ = kabuk::belgeKlasörü();
    const int fd = dosya::geçiciDosyaYap(klasör_, QStringLiteral(".xlsx"), geçiciYol_);
    if (fd < 0) {
        const int hata = errno;
        throw yazılamadı(dosyaKökü() + QStringLiteral(".xlsx"), dosya::yazmaHatasıMetni(hata));
    }
    ::close(fd);  // the library writes the file by its name

    lxw_workbook_options seçenekler{};
    seçenekler.constant_memory = LXW_TRUE;
    const QByteArray yol = QFile::encodeName(geçiciYol_);
    kitap_ = workbook_new_opt(yol.constData(), &seçenekler);
    if (!kitap_) {
        QFile::remove(geçiciYol_);
        throw ÇalışmaKitabıHatası(QStringLiteral("Çalışma kitabı oluşturulamadı."));
    }
    sayfa_ = workbook_add_worksheet(kitap_, sayfaAdı_.toUtf8().constData());
    if (!sayfa_) {
        lxw_workbook_free(kitap_);
        kitap_ = nullptr;
        QFile::remove(geçiciYol_);
        throw ÇalışmaKitabıHatası(QStringLiteral("Çalışma sayfası oluşturulamadı: ") + sayfaAdı_);
    }
}

ÇalışmaKitabı::~ÇalışmaKitabı()
{
    if (kitap_) lxw_workbook_free(kitap_);
    if (!geçiciYol_.isEmpty()) QFile::remove(geçiciYol_);
}

void ÇalışmaKitabı::satıraGeç(int satır, int sütun)
{
    if (!kitap_) throw ÇalışmaKitabıHatası(QStringLiteral("Çalışma kitabı kaydedildikten sonra değiştirilemez."));
    if (satır < 1 || satır > EnÇokSatır || sütun < 1 || sütun > EnÇokSütun)
        throw ÇalışmaKitabıHatası(
            QStringLiteral("Hücre, çalışma sayfasının dışında: satır %1, sütun %2.").arg(satır).arg(sütun));
    if (satır < sonSatır_)
        throw ÇalışmaKitabıHatası(QStringLiteral("Satır %1, daha sonraki bir satırdan sonra yazılamaz.").arg(satır));
    sonSatır_ = satır;
}

void ÇalışmaKitabı::satırYazıldı(int satır)
{
    if (satır == sonYazılanSatır_) return;
    ++yazılanSatırSayısı_;
    sonYazılanSatır_ = satır;
}

lxw_format* ÇalışmaKitabı::biçimi(const HücreBiçimi& biçim)
{
    if (biçim == HücreBiçimi{}) return nullptr;
    for (const BiçimKaydı& k : biçimler_)
        if (k.biçim == biçim) return k.format;
    lxw_format* f = workbook_add_format(kitap_);
    if (!f) throw ÇalışmaKitabıHatası(QStringLiteral("Hücre biçimi oluşturulamadı."));
    if (biçim.kalın) format_set_bold(f);
    if (biçim.yatay != YatayHiza::Genel) format_set_align(f, hizaKodu(biçim.yatay));
    if (biçim.dikeyOrta) format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    if (biçim.kaydır) format_set_text_wrap(f);
    if (!biçim.sayıBiçimi.isEmpty()) format_set_num_format(f, biçim.sayıBiçimi.toUtf8().constData());
    biçimler_.append({biçim, f});
    return f;
}

bool ÇalışmaKitabı::sığdırılacakMı(int sütun) const
{
    return sütun <= sığdırılacak_.size() && sığdırılacak_[sütun - 1];
}

void ÇalışmaKitabı::genişliğiÖlç(int sütun, const QString& görünen, bool kalın)
{
    if (sütun > enGenişPiksel_.size()) enGenişPiksel_.resize(sütun, 0.0);
    const int piksel = metinPikseli(görünen, kalın);
    if (piksel > enGenişPiksel_[sütun - 1]) enGenişPiksel_[sütun - 1] = piksel;
}

void ÇalışmaKitabı::metniYaz(int satır, int sütun, QStringView değer, lxw_format* format, bool kalın)
{
    satıraGeç(satır, sütun);
    utf8_.resize(kodlayıcı_.requiredSpace(değer.size()) + 1);
    char* son = kodlayıcı_.appendToBuffer(utf8_.data(), değer);
    *son = '\0';
    denetle(worksheet_write_string(sayfa_, lxw_row_t(satır - 1), lxw_col_t(sütun - 1), utf8_.constData(), format),
            hücreHatası(satır, sütun));
    if (!değer.isEmpty() || format) satırYazıldı(satır);  // an empty text without a look writes no cell
    if (sığdırılacakMı(sütun)) genişliğiÖlç(sütun, değer.toString(), kalın);
}

void ÇalışmaKitabı::sayıyıYaz(int satır, int sütun, double değer, lxw_format* format, const QString& sayıBiçimi,
                              bool kalın)
{
    satıraGeç(satır, sütun);
    if (!std::isfinite(değer))
        throw ÇalışmaKitabıHatası(
            QStringLiteral("Hücreye sayı olmayan bir değer yazılamaz (satır %1, sütun %2).").arg(satır).arg(sütun));
    denetle(worksheet_write_number(sayfa_, lxw_row_t(satır - 1), lxw_col_t(sütun - 1), değer, format),
            hücreHatası(satır, sütun));
    satırYazıldı(satır);
    if (sığdırılacakMı(sütun)) genişliğiÖlç(sütun, görünenSayı(değer, sayıBiçimi), kalın);
}

void ÇalışmaKitabı::tarihiYaz(int satır, int sütun, const QDate& değer, lxw_format* format, bool kalın)
{
    satıraGeç(satır, sütun);
    if (!değer.isValid()) return;
    if (değer.year() < 1900 || değer.year() > 9999) {  // no date of the spreadsheet's: its text
        metniYaz(satır, sütun, değer.toString(QStringLiteral("dd.MM.yyyy")), format, kalın);
        return;
    }
    lxw_datetime t{};
    t.year = değer.year();
    t.month = değer.month();
    t.day = değer.day();
    denetle(worksheet_write_datetime(sayfa_, lxw_row_t(satır - 1), lxw_col_t(sütun - 1), &t, format),
            hücreHatası(satır, sütun));
    satırYazıldı(satır);
    if (sığdırılacakMı(sütun)) genişliğiÖlç(sütun, değer.toString(QStringLiteral("dd.MM.yyyy")), kalın);
}

HücreBiçimi ÇalışmaKitabı::tarihBiçimi(HücreBiçimi biçim)
{
    if (biçim.sayıBiçimi.isEmpty()) biçim.sayıBiçimi = QStringLiteral("dd.mm.yyyy");
    return biçim;
}

void ÇalışmaKitabı::metin(int satır, int sütun, const QString& değer, const HücreBiçimi& biçim)
{
    satıraGeç(satır, sütun);
    metniYaz(satır, sütun, değer, biçimi(biçim), biçim.kalın);
}

void ÇalışmaKitabı::sayı(int satır, int sütun, double değer, const HücreBiçimi& biçim)
{
    satıraGeç(satır, sütun);
    sayıyıYaz(satır, sütun, değer, biçimi(biçim), biçim.sayıBiçimi, biçim.kalın);
}

void ÇalışmaKitabı::tarih(int satır, int sütun, const QDate& değer, const HücreBiçimi& biçim)
{
    satıraGeç(satır, sütun);
    tarihiYaz(satır, sütun, değer, biçimi(tarihBiçimi(biçim)), biçim.kalın);
}

void ÇalışmaKitabı::birleştir(int satır, int ilkSütun, int sonSütun, const QString& değer, const HücreBiçimi& biçim)
{
    satıraGeç(satır, std::max(ilkSütun, sonSütun));
    satıraGeç(satır, ilkSütun);
    if (sonSütun <= ilkSütun) {
        metin(satır, ilkSütun, değer, biçim);
        return;
    }
    lxw_format* format = biçimi(biçim);
    denetle(worksheet_merge_range(sayfa_, lxw_row_t(satır - 1), lxw_col_t(ilkSütun - 1), lxw_row_t(satır - 1),
                                  lxw_col_t(sonSütun - 1), değer.toUtf8().constData(), format),
            [&] { return QStringLiteral("Hücreler birleştirilemedi (satır %1)").arg(satır); });
    if (!değer.isEmpty() || format) satırYazıldı(satır);  // as for a text: no cell when empty without a look
}

void ÇalışmaKitabı::satırYüksekliği(int satır, double punto)
{
    satıraGeç(satır, 1);
    denetle(worksheet_set_row(sayfa_, lxw_row_t(satır - 1), punto, nullptr),
            [&] { return QStringLiteral("Satır yüksekliği verilemedi (satır %1)").arg(satır); });
    satırYazıldı(satır);
}

void ÇalışmaKitabı::satırBiçimi(int satır, double punto, const HücreBiçimi& biçim)
{
    satıraGeç(satır, 1);
    denetle(worksheet_set_row(sayfa_, lxw_row_t(satır - 1), punto, biçimi(biçim)),
            [&] { return QStringLiteral("Satır biçimlendirilemedi (satır %1)").arg(satır); });
    satırYazıldı(satır);
}

void ÇalışmaKitabı::sütunGenişliği(int sütun, double genişlik)
{
    if (!kitap_) throw ÇalışmaKitabıHatası(QStringLiteral("Çalışma kitabı kaydedildikten sonra değiştirilemez."));
    if (sütun < 1 || sütun > EnÇokSütun) throw ÇalışmaKitabıHatası(QStringLiteral("Geçersiz sütun: %1").arg(sütun));
    lxw_row_col_options seçenek{};
    if (genişlik <= 0) {
        seçenek.hidden = LXW_TRUE;
        genişlik = 0;
    }
    denetle(worksheet_set_column_opt(sayfa_, lxw_col_t(sütun - 1), lxw_col_t(sütun - 1), genişlik, nullptr, &seçenek),
            [&] { return QStringLiteral("Sütun genişliği verilemedi (sütun %1)").arg(sütun); });
    if (sütun <= sığdırılacak_.size()) sığdırılacak_[sütun - 1] = false;
}

void ÇalışmaKitabı::sütunuSığdır(int sütun)
{
    if (sütun < 1 || sütun > EnÇokSütun) throw ÇalışmaKitabıHatası(QStringLiteral("Geçersiz sütun: %1").arg(sütun));
    if (sütun > sığdırılacak_.size()) sığdırılacak_.resize(sütun, false);
    sığdırılacak_[sütun - 1] = true;
}

void ÇalışmaKitabı::kenarBoşlukları(double solİnç, double sağİnç, double üstİnç, double altİnç)
{
    if (sayfa_) worksheet_set_margins(sayfa_, solİnç, sağİnç, üstİnç, altİnç);
}

void ÇalışmaKitabı::yatayYazdır(bool yatay)
{
    if (!sayfa_) return;
    if (yatay)
        worksheet_set_landscape(sayfa_);
    else
        worksheet_set_portrait(sayfa_);
}

void ÇalışmaKitabı::yataydaOrtala()
{
    if (sayfa_) worksheet_center_horizontally(sayfa_);
}

void ÇalışmaKitabı::sayfaGenişliğineSığdır()
{
    if (sayfa_) worksheet_fit_to_pages(sayfa_, 1, 0);
}

void ÇalışmaKitabı::kılavuzÇizgileriniYazdır()
{
    if (sayfa_) worksheet_gridlines(sayfa_, LXW_SHOW_ALL_GRIDLINES);
}

QString ÇalışmaKitabı::dosyaKökü() const
{
    QString ad = sayfaAdı_;
    while (ad.startsWith(QLatin1Char('.'))) ad.remove(0, 1);
    return klasör_ + QLatin1Char('/') + ad + QLatin1Char(' ')
           + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
}

void ÇalışmaKitabı::kapat(const QString& dosyaAdı)
{
    if (!kitap_) throw ÇalışmaKitabıHatası(QStringLiteral("Çalışma kitabı zaten kaydedildi."));
    for (int i = 0; i < sığdırılacak_.size(); ++i) {
        if (!sığdırılacak_[i]) continue;
        const double piksel = i < enGenişPiksel_.size() ? enGenişPiksel_[i] : 0;
        if (piksel > 0)
            worksheet_set_column(sayfa_, lxw_col_t(i), lxw_col_t(i), pikseldenGenişlik(int(piksel)), nullptr);
    }
    // Whether the temporary folder has room for the sheet is read now, while the library's file there
    // still takes its room: closing, it copies that file into another one there and frees both.
    const QString geçiciKlasör = kitabınGeçiciKlasörü();
    const bool geçiciYetmez = geçiciKlasörYetmez(geçiciKlasörünBoşYeri(geçiciKlasör), geçiciSayfaBoyu(sayfa_));
    lxw_workbook* kitap = kitap_;
    kitap_ = nullptr;
    sayfa_ = nullptr;
    errno = 0;
    const lxw_error hata = workbook_close(kitap);  // writes the file and frees the workbook
    const int sistemHatası = errno;
    if (hata != LXW_NO_ERROR) {
        QFile::remove(geçiciYol_);
        geçiciYol_.clear();
        throw yazılamadı(dosyaAdı, kitapHatasınınNedeni(hata, sistemHatası, klasör_, geçiciKlasör, geçiciYetmez));
    }
    // On the disk before it is named, as a PDF is.
    if (!dosya::eşitle(geçiciYol_)) {
        const int eşitlemeHatası = errno;
        QFile::remove(geçiciYol_);
        geçiciYol_.clear();
        throw yazılamadı(dosyaAdı, dosya::yazmaHatasıMetni(eşitlemeHatası));
    }
    // Read back whole before it is named: the library writes every part through temporary files of its
    // own and does not notice a failed write to them, so that a file with empty parts or rows missing
    // would otherwise take its name as saved.
    if (yazılanKitabıDenetle(geçiciYol_, yazılanSatırSayısı_, sonYazılanSatır_) != KitapKusuru::Yok) {
        QFile::remove(geçiciYol_);
        geçiciYol_.clear();
        throw yazılamadı(dosyaAdı, eksikKitabınNedeni(sistemHatası, geçiciKlasör, geçiciYetmez));
    }
}

QString ÇalışmaKitabı::kaydet()
{
    const QString kök = dosyaKökü();
    kapat(kök + QStringLiteral(".xlsx"));
    const QString verilen = dosya::adVer(geçiciYol_, [&](int sıra) {
        return kök + (sıra == 1 ? QString() : QStringLiteral(" (%1)").arg(sıra)) + QStringLiteral(".xlsx");
    });
    // A whole workbook that cannot take its name stays where it is, and the user is told where.
    if (verilen.isEmpty()) {
        const int hata = errno;
        const QString yer = geçiciYol_;
        geçiciYol_.clear();
        throw ÇalışmaKitabıHatası(
            QStringLiteral("Çalışma kitabı adıyla kaydedilemedi: %1\n\n%2\n\nKitabın tamamı şu dosyada:\n%3\n\n%4")
                .arg(QDir::toNativeSeparators(kök + QStringLiteral(".xlsx")), dosya::yazmaHatasıMetni(hata),
                     QDir::toNativeSeparators(yer), dosya::SaklamaSüresiMetni));
    }
    geçiciYol_.clear();
    return verilen;
}

bool hesapTablosuProgramıVarMı()
{
    if (denetimYeri()) return denetimYeri()();
    return kabuk::işleyiciVarMı(XlsxTürü);
}

void hesapTablosuDenetiminiDeğiştir(std::function<bool()> denetim) { denetimYeri() = std::move(denetim); }

void geçiciKlasörünBoşYeriniDeğiştir(std::function<qint64(const QString& klasör)> ölçüm)
{
    geçiciBoşYerYeri() = std::move(ölçüm);
}

bool çalışmaKitabınıAçmayıDene(const QString& yol)
{
    return hesapTablosuProgramıVarMı() && kabuk::aç(QUrl::fromLocalFile(yol));
}

void açılamayanKitabıBildir(const QString& yol)
{
    const QString dosya = QDir::toNativeSeparators(yol);
    if (!hesapTablosuProgramıVarMı())
        mesaj::göster(HesapTablosuProgramıYokMetni + QStringLiteral("\n\nListe şu dosyaya kaydedildi:\n") + dosya,
                      mesaj::Simge::Bilgi);
    else
        mesaj::göster(QStringLiteral("Çalışma kitabı kaydedildi, ancak açılamadı. Dosya:\n\n") + dosya,
                      mesaj::Simge::Bilgi);
}

void çalışmaKitabınıAç(const QString& yol)
{
    if (!çalışmaKitabınıAçmayıDene(yol)) açılamayanKitabıBildir(yol);
}

QString listeyiYaz(const ListeTablosu& liste, const std::function<void(int)>& ilerleme)
{
    ÇalışmaKitabı kitap(liste.sayfaAdı);

    HücreBiçimi başlıkBiçimi;
    başlıkBiçimi.kalın = true;
    başlıkBiçimi.yatay = YatayHiza::Orta;
    başlıkBiçimi.dikeyOrta = true;
    kitap.satırBiçimi(1, liste.başlıkYüksekliği, başlıkBiçimi);
    kitap.birleştir(1, 1, std::max(1, liste.başlıkSütunSayısı), liste.başlık, başlıkBiçimi);

    HücreBiçimi sütunBaşlığı = başlıkBiçimi;
    sütunBaşlığı.kaydır = true;
    kitap.satırYüksekliği(2, liste.sütunBaşlığıYüksekliği);
    // Each column's looks, made once: for its texts, its numbers and its dates.
    struct Sütun {
        ListeSütunu::Tür tür = ListeSütunu::Tür::Metin;
        lxw_format* metin = nullptr;
        lxw_format* sayı = nullptr;
        lxw_format* tarih = nullptr;
        QString sayıBiçimi;
    };
    QList<Sütun> sütunlar;
    for (int i = 0; i < liste.sütunlar.size(); ++i) {
        const ListeSütunu& s = liste.sütunlar[i];
        kitap.metin(2, i + 1, s.başlık, sütunBaşlığı);
        kitap.sütunGenişliği(i + 1, twipsGenişliği(s.genişlikTwips));
        HücreBiçimi b;
        b.yatay = s.hiza;
        Sütun sütun;
        sütun.tür = s.tür;
        sütun.metin = kitap.biçimi(b);
        b.sayıBiçimi = s.sayıBiçimi;
        sütun.sayıBiçimi = s.sayıBiçimi;
        sütun.sayı = kitap.biçimi(b);
        if (s.tür != ListeSütunu::Tür::Tarih) b.sayıBiçimi.clear();
        sütun.tarih = kitap.biçimi(ÇalışmaKitabı::tarihBiçimi(b));
        sütunlar.append(sütun);
    }

    if (liste.sayfaDüzeni) {
        kitap.kenarBoşlukları(ListeKenarBoşluğuİnç, ListeKenarBoşluğuİnç, ListeKenarBoşluğuİnç, ListeKenarBoşluğuİnç);
        kitap.yataydaOrtala();
        kitap.kılavuzÇizgileriniYazdır();
    }
    if (liste.sayfaGenişliğineSığdır) kitap.sayfaGenişliğineSığdır();

    const Sütun düz;
    const int satırSayısı = liste.kaçSatır();
    QList<ListeDeğeri> okunan;
    for (int r = 0; r < satırSayısı; ++r) {
        if (ilerleme) ilerleme(r + 1);
        if (liste.satır) okunan = liste.satır(r);
        const QList<ListeDeğeri>& hücreler = liste.satır ? okunan : liste.satırlar[r];
        const int satır = r + 3;
        for (int c = 0; c < hücreler.size(); ++c) {
            const ListeDeğeri& değer = hücreler[c];
            const Sütun& sütun = c < sütunlar.size() ? sütunlar[c] : düz;
            if (sütun.tür == ListeSütunu::Tür::Metin) {
                if (değer.tür() == ListeDeğeri::Tür::Metin)
                    kitap.metniYaz(satır, c + 1, değer.metinGörünümü(), sütun.metin, false);
                else
                    kitap.metniYaz(satır, c + 1, değer.görünen(), sütun.metin, false);
                continue;
            }
            switch (değer.tür()) {
            case ListeDeğeri::Tür::Sayı:
                kitap.sayıyıYaz(satır, c + 1, değer.gösterilenSayı(), sütun.sayı, sütun.sayıBiçimi, false);
                continue;
            case ListeDeğeri::Tür::Tarih:
                kitap.tarihiYaz(satır, c + 1, değer.tarih(), sütun.tarih, false);
                continue;
            case ListeDeğeri::Tür::Metin:
                if (!değer.metinGörünümü().trimmed().isEmpty())
                    throw ÇalışmaKitabıHatası(
                        QStringLiteral("\"%1\" bir %2 değil (satır %3, sütun \"%4\").")
                            .arg(değer.metin(),
                                 sütun.tür == ListeSütunu::Tür::Tarih ? QStringLiteral("tarih") : QStringLiteral("sayı"),
                                 QString::number(r + 1), liste.sütunlar[c].başlık));
                break;
            case ListeDeğeri::Tür::Boş:
                break;
            }
            if (sütun.tür == ListeSütunu::Tür::SayıBoşsaSıfır)
                kitap.sayıyıYaz(satır, c + 1, 0, sütun.sayı, sütun.sayıBiçimi, false);
        }
    }
    // The totals row, bold: numbers as numbers, anything else as its text.
    for (int c = 0; c < liste.toplamSatırı.size(); ++c) {
        const ListeDeğeri& değer = liste.toplamSatırı[c];
        HücreBiçimi b;
        b.kalın = true;
        if (c < liste.sütunlar.size()) b.yatay = liste.sütunlar[c].hiza;
        if (değer.tür() == ListeDeğeri::Tür::Sayı) {
            if (c < liste.sütunlar.size()) b.sayıBiçimi = liste.sütunlar[c].sayıBiçimi;
            kitap.sayı(satırSayısı + 3, c + 1, değer.gösterilenSayı(), b);
        } else if (!değer.boşMu()) {
            kitap.metin(satırSayısı + 3, c + 1, değer.görünen(), b);
        }
    }
    return kitap.kaydet();
}

}  // namespace platform
