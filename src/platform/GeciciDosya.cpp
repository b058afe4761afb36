#include "platform/GeciciDosya.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dosya {

namespace {

// What the buffer gathers before it goes to the file: the PDF engine writes in many small pieces.
constexpr qsizetype TamponBoyu = 64 * 1024;
// The names tried before a name is given up.
constexpr int EnÇokAd = 1000;

// How old a temporary file of ours is before it counts as left over by a program that stopped.
constexpr time_t EskiDosyaYaşı = 24 * 60 * 60;
constexpr char GeçiciÖnEk[] = ".kavrenta-";

std::optional<YazmaSınırı>& sınırYeri()
{
    static std::optional<YazmaSınırı> s;
    return s;
}

std::optional<AdVermeSınaması>& sınamaYeri()
{
    static std::optional<AdVermeSınaması> s;
    return s;
}

std::function<void(int)>& yeniDosyaSınamasıYeri()
{
    static std::function<void(int)> s;
    return s;
}

// ::write(), or what the test limit lets through of it.
ssize_t writeSome(int fd, const char* veri, qint64 uzunluk, qint64 yazılan)
{
    if (const std::optional<YazmaSınırı>& sınır = sınırYeri()) {
        const qint64 kalan = std::max<qint64>(sınır->bayt - yazılan, 0);
        if (kalan == 0) {
            if (sınır->hata == 0) return 0;
            errno = sınır->hata;
            return -1;
        }
        uzunluk = std::min(uzunluk, kalan);
    }
    return ::write(fd, veri, size_t(uzunluk));
}

// ::fsync() and ::close(), or the failures the test limit plants in them.
int syncFile(int fd)
{
    if (const std::optional<YazmaSınırı>& sınır = sınırYeri(); sınır && sınır->eşitlemeHatası) {
        errno = sınır->eşitlemeHatası;
        return -1;
    }
    return ::fsync(fd);
}

int closeFile(int fd)
{
    const int sonuç = ::close(fd);
    if (const std::optional<YazmaSınırı>& sınır = sınırYeri(); sınır && sınır->kapanışHatası) {
        errno = sınır->kapanışHatası;
        return -1;
    }
    return sonuç;
}

// Whether `ad` is exactly a name that geçiciDosyaYap makes: the prefix, eight lowercase hex digits, and an
// extension of letters and digits.
bool geçiciAdMı(const char* ad)
{
    const size_t önEk = sizeof(GeçiciÖnEk) - 1;
    if (std::strncmp(ad, GeçiciÖnEk, önEk) != 0) return false;
    const char* p = ad + önEk;
    for (int i = 0; i < 8; ++i, ++p)
        if (!((*p >= '0' && *p <= '9') || (*p >= 'a' && *p <= 'f'))) return false;
    if (*p++ != '.' || *p == '\0') return false;
    for (; *p; ++p)
        if (!((*p >= '0' && *p <= '9') || (*p >= 'a' && *p <= 'z'))) return false;
    return true;
}

// Removes from the folder our temporary files more than a day older than the one just made there
// (`yeniFd`, named `yeniAd`). Their age is judged by the folder's own clock, never this machine's: the
// disk or the server of the folder set the times of them all, the new file's too, while a workstation
// whose clock runs ahead would take a file that another one is still writing, or about to name, for one
// left over. Not a symlink, a folder or anything else of that name, nor the new file; a file that cannot
// be read or removed is left, as the folder's own failures are: the new file does not depend on this.
void eskiGeçiciDosyalarıSil(const QString& klasör, int yeniFd, const QByteArray& yeniAd)
{
    struct stat yeni {};
    if (::fstat(yeniFd, &yeni) != 0) return;  // no time of the folder's to judge by
    DIR* dizin = ::opendir(QFile::encodeName(klasör).constData());
    if (!dizin) return;
    const time_t sınır = yeni.st_mtime - EskiDosyaYaşı;
    const int dfd = ::dirfd(dizin);
    while (const dirent* girdi = ::readdir(dizin)) {
        if (!geçiciAdMı(girdi->d_name) || yeniAd == girdi->d_name) continue;
        struct stat bilgi {};
        if (::fstatat(dfd, girdi->d_name, &bilgi, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(bilgi.st_mode) && bilgi.st_mtime < sınır) ::unlinkat(dfd, girdi->d_name, 0);
    }
    ::closedir(dizin);
}

// A rename or link that the file system does not have.
bool yokMu(int hata) { return hata == EINVAL || hata == ENOSYS || hata == EOPNOTSUPP; }

// Gives the file at `eski` the name `yeni`, never replacing a file of that name. 0 when it took the name;
// otherwise the error number of the call that failed (EEXIST: the name is taken).
int adıAl(const QByteArray& eski, const QByteArray& yeni, const QString& aday)
{
    const std::optional<AdVermeSınaması>& sınama = sınamaYeri();
    if (sınama && sınama->önce)
        if (const int hata = sınama->önce(aday)) return hata;
    if (!(sınama && sınama->renameat2Yok)) {
        if (::renameat2(AT_FDCWD, eski.constData(), AT_FDCWD, yeni.constData(), RENAME_NOREPLACE) == 0) return 0;
        if (!yokMu(errno)) return errno;
    }
    // No rename that refuses to replace (an older share): a second name for the file, which fails on a
    // taken name, then the temporary one goes. Should that fail, the file stands under both names, and
    // the temporary one is removed as left over a day later.
    if (!(sınama && sınama->bağYok)) {
        if (::link(eski.constData(), yeni.constData()) == 0) {
            ::unlink(eski.constData());
            return 0;
        }
        if (errno != EPERM && !yokMu(errno)) return errno;
    }
    // No links either (a FAT disk, some shares): the name is claimed by making it, which fails on a taken
    // name, and the rename replaces only that empty claim of ours.
    const int fd = ::open(yeni.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    ::close(fd);
    if (::rename(eski.constData(), yeni.constData()) == 0) return 0;
    const int hata = errno;
    ::unlink(yeni.constData());
    return hata;
}

// Writes out to the disk the folder of a file just named, so that the name survives a power cut. Done
// where it can be: a folder that cannot be opened for reading or whose file system does not sync folders
// is left as it is, and so is one whose sync fails, since the file already stands whole under its name.
void klasörünüEşitle(const QString& yol)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(yol).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int geçiciDosyaYap(const QString& klasör, const QString& uzantı, QString& yol)
{
    for (int deneme = 0; deneme < 100; ++deneme) {
        const QString ad = QLatin1String(GeçiciÖnEk)
                           + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                           + uzantı;
        const QString aday = klasör + QLatin1Char('/') + ad;
        // 0666: the umask takes away what the user does not share.
        const int fd = ::open(QFile::encodeName(aday).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (const std::function<void(int)>& sınama = yeniDosyaSınamasıYeri()) sınama(fd);
            eskiGeçiciDosyalarıSil(klasör, fd, QFile::encodeName(ad));
            yol = aday;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

QString adVer(const QString& yol, const std::function<QString(int)>& ad)
{
    const QByteArray eski = QFile::encodeName(yol);
    for (int sıra = 1; sıra <= EnÇokAd; ++sıra) {
        const QString aday = ad(sıra);
        const int hata = adıAl(eski, QFile::encodeName(aday), aday);
        if (hata == 0) {
            klasörünüEşitle(aday);
            return aday;
        }
        if (hata != EEXIST) {
            errno = hata;
            return {};
        }
    }
    errno = EEXIST;
    return {};
}

bool eşitle(const QString& yol)
{
    const int fd = ::open(QFile::encodeName(yol).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    if (syncFile(fd) != 0) {
        const int hata = errno;
        ::close(fd);
        errno = hata;
        return false;
    }
    return closeFile(fd) == 0;
}

QString yazmaHatasıMetni(int hata)
{
    switch (hata) {
    case 0: return QStringLiteral("Dosya eksik yazıldı.");
    case ENOSPC: return QStringLiteral("Diskte yeterli boş yer yok.");
    case EDQUOT: return QStringLiteral("Diskteki kotanız doldu.");
    case EACCES:
    case EPERM: return QStringLiteral("Bu klasöre yazma izniniz yok.");
    case EROFS: return QStringLiteral("Klasör, yalnızca okunabilen bir diskte.");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Klasör bulunamadı.");
    case EIO: return QStringLiteral("Diske yazılırken bir giriş/çıkış hatası oluştu.");
    case EFBIG: return QStringLiteral("Dosya, diskin alabileceğinden büyük.");
    case ENAMETOOLONG: return QStringLiteral("Dosyanın adı çok uzun.");
    default: return QStringLiteral("Sistem hatası %1: %2").arg(hata).arg(QString::fromLocal8Bit(std::strerror(hata)));
    }
}

GeçiciDosya::GeçiciDosya() = default;

GeçiciDosya::~GeçiciDosya()
{
    if (fd_ >= 0) ::close(fd_);
    if (!kalıcı_ && !yol_.isEmpty()) QFile::remove(yol_);
}

bool GeçiciDosya::oluştur(const QString& klasör, const QString& uzantı)
{
    fd_ = geçiciDosyaYap(klasör, uzantı, yol_);
    if (fd_ < 0) {
        başarısızOl(errno);
        return false;
    }
    tampon_.reserve(TamponBoyu);
    return open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void GeçiciDosya::başarısızOl(int hata)
{
    if (başarısız_) return;
    başarısız_ = true;
    hata_ = hata;
}

qint64 GeçiciDosya::writeData(const char* veri, qint64 uzunluk)
{
    if (başarısız_ || fd_ < 0) return -1;
    tampon_.append(veri, uzunluk);
    if (tampon_.size() >= TamponBoyu && !boşalt()) return -1;
    return uzunluk;
}

bool GeçiciDosya::boşalt()
{
    const char* p = tampon_.constData();
    qint64 kalan = tampon_.size();
    while (kalan > 0 && !başarısız_) {
        const ssize_t n = writeSome(fd_, p, kalan, yazılan_);
        if (n < 0) {
            if (errno == EINTR) continue;
            başarısızOl(errno);
            break;
        }
        if (n == 0) {  // the disk takes no more, and says nothing of why
            başarısızOl(0);
            break;
        }
        p += n;
        kalan -= n;
        yazılan_ += n;
    }
    tampon_.resize(0);  // keeps its room
    return !başarısız_;
}

bool GeçiciDosya::kapat()
{
    if (fd_ < 0) return false;
    boşalt();
    struct stat bilgi {};
    if (!başarısız_ && ::fstat(fd_, &bilgi) != 0) başarısızOl(errno);
    if (!başarısız_ && bilgi.st_size != yazılan_) başarısızOl(0);
    // On the disk before it is named: after a power cut the name never stands for a file not yet written.
    if (!başarısız_ && syncFile(fd_) != 0) başarısızOl(errno);
    // A share on the network may tell of a failed write only when the file is closed.
    if (closeFile(fd_) != 0) başarısızOl(errno);
    fd_ = -1;
    QIODevice::close();
    return !başarısız_;
}

QByteArray GeçiciDosya::sonBaytlar(int n) const
{
    QFile f(yol_);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const qint64 boy = f.size();
    f.seek(std::max<qint64>(boy - n, 0));
    return f.read(n);
}

bool GeçiciDosya::adVer(const std::function<QString(int)>& ad)
{
    kalıcı_ = true;
    const QString verilen = dosya::adVer(yol_, ad);
    if (verilen.isEmpty()) {
        hata_ = errno;
        return false;
    }
    yol_ = verilen;
    return true;
}

void yazmaSınırınıDeğiştir(std::optional<YazmaSınırı> sınır) { sınırYeri() = sınır; }

void adVermeSınamasınıDeğiştir(std::optional<AdVermeSınaması> sınama) { sınamaYeri() = std::move(sınama); }

void yeniDosyaSınamasınıDeğiştir(std::function<void(int fd)> sınama) { yeniDosyaSınamasıYeri() = std::move(sınama); }

}  // namespace dosya
