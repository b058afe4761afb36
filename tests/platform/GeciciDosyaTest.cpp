#include "platform/GeciciDosya.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static void PrintTo(const QString& metin, std::ostream* os) { *os << '"' << metin.toStdString() << '"'; }

namespace {

// Each test writes into a folder of its own; the test seams are taken back however it ends.
class GeçiciDosyaTesti : public ::testing::Test {
protected:
    void TearDown() override
    {
        dosya::yazmaSınırınıDeğiştir(std::nullopt);
        dosya::adVermeSınamasınıDeğiştir(std::nullopt);
        dosya::yeniDosyaSınamasınıDeğiştir({});
    }
    QString yol(const QString& ad) const { return dizin_.path() + QLatin1Char('/') + ad; }
    // Every name in the folder: hidden ones, folders and symlinks that lead nowhere too.
    QStringList adlar() const
    {
        return QDir(dizin_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Gives the name in the folder the time `saniye` seconds before this machine's clock.
    void yaşlandır(const QString& ad, time_t saniye)
    {
        const timespec zaman[2] = {{std::time(nullptr) - saniye, 0}, {std::time(nullptr) - saniye, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(yol(ad)).constData(), zaman, AT_SYMLINK_NOFOLLOW), 0);
    }
    // A small file of that name and age.
    void dosyaYap(const QString& ad, time_t saniye)
    {
        QFile f(yol(ad));
        ASSERT_TRUE(f.open(QIODevice::NewOnly));
        f.write("eski");
        f.close();
        yaşlandır(ad, saniye);
    }
    // A file written whole and closed, under its temporary name.
    void yazılmış(dosya::GeçiciDosya& f, const QByteArray& veri)
    {
        ASSERT_TRUE(f.oluştur(dizin_.path(), QStringLiteral(".pdf")));
        ASSERT_EQ(f.write(veri), veri.size());
        ASSERT_TRUE(f.kapat()) << f.hata();
    }

    QTemporaryDir dizin_;
};

QByteArray içerik(const QString& yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(okunamadı)");
}

const QByteArray Veri = QByteArray("%PDF-1.4 ") + QByteArray(5000, 'x') + "%%EOF";

}  // namespace

// Another program makes the name at the last moment, just before the file takes it: a file, or a symlink
// that leads nowhere (whose target a copy over it would make). Whichever way the file system lets the file
// be named, the other program's name stays as it was and the file takes the next name.
TEST_F(GeçiciDosyaTesti, SonAndaAlınanAdBütünKalır)
{
    struct Yol {
        const char* ad;
        bool renameat2Yok;
        bool bağYok;
    };
    for (const Yol& y : {Yol{"renameat2", false, false}, Yol{"bağ", true, false}, Yol{"sahiplenme", true, true}}) {
        for (const bool bağlantı : {false, true}) {
            SCOPED_TRACE(std::string(y.ad) + (bağlantı ? " symlink" : " dosya"));
            const QString ilk = yol("Liste.pdf"), ikinci = yol("Liste (2).pdf"), hedef = yol("hedef");
            dosya::GeçiciDosya f;
            yazılmış(f, Veri);
            const QString geçici = f.yol();
            QStringList sorulanlar;
            dosya::adVermeSınamasınıDeğiştir(dosya::AdVermeSınaması{y.renameat2Yok, y.bağYok, [&](const QString& aday) {
                sorulanlar << aday;
                if (aday == ilk) {
                    if (bağlantı) {
                        EXPECT_EQ(::symlink("hedef", QFile::encodeName(ilk).constData()), 0);
                    } else {
                        QFile başkası(ilk);
                        EXPECT_TRUE(başkası.open(QIODevice::NewOnly));
                        başkası.write("başka bir programın");
                    }
                }
                return 0;
            }});
            EXPECT_TRUE(f.adVer([&](int sıra) { return sıra == 1 ? ilk : yol(QStringLiteral("Liste (%1).pdf").arg(sıra)); }));
            dosya::adVermeSınamasınıDeğiştir(std::nullopt);
            EXPECT_EQ(sorulanlar, (QStringList{ilk, ikinci}));
            EXPECT_EQ(f.yol(), ikinci);
            EXPECT_EQ(içerik(ikinci), Veri);
            if (bağlantı) {
                EXPECT_TRUE(QFileInfo(ilk).isSymLink());
                EXPECT_FALSE(QFileInfo::exists(hedef));
            } else {
                EXPECT_EQ(içerik(ilk), "başka bir programın");
            }
            EXPECT_FALSE(QFileInfo::exists(geçici));
            EXPECT_EQ(adlar(), (QStringList{"Liste (2).pdf", "Liste.pdf"}));
            QFile::remove(ilk);
            QFile::remove(ikinci);
        }
    }
}

// A name that cannot be given leaves the whole file where it was written, also once the object goes,
// and tells the cause of the call that failed.
TEST_F(GeçiciDosyaTesti, AdVerilemeyenDosyaYerindeKalır)
{
    QString geçici;
    {
        dosya::GeçiciDosya f;
        yazılmış(f, Veri);
        geçici = f.yol();
        dosya::adVermeSınamasınıDeğiştir(dosya::AdVermeSınaması{false, false, [](const QString&) { return EROFS; }});
        EXPECT_FALSE(f.adVer([&](int) { return yol("Liste.pdf"); }));
        EXPECT_EQ(f.hata(), EROFS);
        EXPECT_EQ(f.yol(), geçici);
    }
    EXPECT_EQ(içerik(geçici), Veri);
    EXPECT_EQ(adlar(), QStringList{QFileInfo(geçici).fileName()});
}

// Every way a write can fail makes the file fail with its cause and leaves nothing: a full disk, a disk
// that takes nothing and says nothing (write() returning 0), a sync or a close that fails, as a share on
// the network tells of a lost write only then.
TEST_F(GeçiciDosyaTesti, YazılamayanDosyaNedeniyleBaşarısızOlur)
{
    struct Durum {
        dosya::YazmaSınırı sınır;
        int hata;
    };
    for (const Durum& d : {Durum{{.bayt = 100, .hata = ENOSPC}, ENOSPC}, Durum{{.bayt = 100, .hata = 0}, 0},
                           Durum{{.eşitlemeHatası = EIO}, EIO}, Durum{{.kapanışHatası = EDQUOT}, EDQUOT}}) {
        SCOPED_TRACE(d.hata);
        {
            dosya::GeçiciDosya f;
            ASSERT_TRUE(f.oluştur(dizin_.path(), QStringLiteral(".pdf")));
            dosya::yazmaSınırınıDeğiştir(d.sınır);
            f.write(Veri);
            EXPECT_FALSE(f.kapat());
            dosya::yazmaSınırınıDeğiştir(std::nullopt);
            EXPECT_EQ(f.hata(), d.hata);
        }
        EXPECT_TRUE(adlar().isEmpty()) << adlar().join(", ").toStdString();
    }
    EXPECT_EQ(dosya::yazmaHatasıMetni(0), "Dosya eksik yazıldı.");
}

// A program stopped while writing leaves its temporary file. The next file made in that folder takes away
// those older than a day, and nothing else: not a fresh one (another copy may be writing it), nor any name
// that is not exactly ours, nor a folder or a symlink of our name.
TEST_F(GeçiciDosyaTesti, GünlükGeçiciDosyalarSilinir)
{
    const time_t gün = 24 * 60 * 60;
    dosyaYap(".kavrenta-0123abcd.pdf", gün + 60);
    dosyaYap(".kavrenta-89abcdef.xlsx", 30 * gün);
    dosyaYap(".kavrenta-fedcba98.pdf", gün - 60);
    dosyaYap(".kavrenta-x.pdf", 30 * gün);
    dosyaYap(".kavrenta-0123ABCD.pdf", 30 * gün);
    dosyaYap(".kavrenta-0123abcd.pdf.yedek", 30 * gün);
    dosyaYap(".kavrenta-0123abcd", 30 * gün);
    dosyaYap("Liste.pdf", 30 * gün);
    ASSERT_EQ(::symlink("Liste.pdf", QFile::encodeName(yol(".kavrenta-00000000.pdf")).constData()), 0);
    yaşlandır(".kavrenta-00000000.pdf", 30 * gün);
    ASSERT_TRUE(QDir().mkdir(yol(".kavrenta-11111111.pdf")));
    yaşlandır(".kavrenta-11111111.pdf", 30 * gün);

    QString yeni;
    const int fd = dosya::geçiciDosyaYap(dizin_.path(), QStringLiteral(".pdf"), yeni);
    ASSERT_GE(fd, 0);
    ::close(fd);
    QStringList kalanlar{".kavrenta-fedcba98.pdf", ".kavrenta-x.pdf",        ".kavrenta-0123ABCD.pdf",
                         ".kavrenta-0123abcd.pdf.yedek", ".kavrenta-0123abcd", "Liste.pdf",
                         ".kavrenta-00000000.pdf", ".kavrenta-11111111.pdf", QFileInfo(yeni).fileName()};
    kalanlar.sort();
    EXPECT_EQ(adlar(), kalanlar);
    EXPECT_EQ(içerik(yol("Liste.pdf")), "eski");
}

// A left-over file's age is told by the clock of its folder, which gave it its time, never by this
// machine's: a workstation whose clock runs ahead must not take another one's fresh file for a left-over.
// The folder here runs three days behind this machine (the new file gets the time that such a server
// would give it): another workstation's file written there a minute before is three days old by this
// machine's clock, and stays; one written a day and a minute before the new file goes. Judged by this
// machine's clock, both would go.
TEST_F(GeçiciDosyaTesti, GeçiciDosyalarınYaşıKlasörünSaatiyleÖlçülür)
{
    const time_t gün = 24 * 60 * 60, geride = 3 * gün;
    dosyaYap(".kavrenta-22222222.pdf", geride + 60);
    dosyaYap(".kavrenta-33333333.xlsx", geride + gün + 60);
    dosya::yeniDosyaSınamasınıDeğiştir([&](int fd) {
        const timespec zaman[2] = {{std::time(nullptr) - geride, 0}, {std::time(nullptr) - geride, 0}};
        EXPECT_EQ(::futimens(fd, zaman), 0);
    });
    QString yeni;
    const int fd = dosya::geçiciDosyaYap(dizin_.path(), QStringLiteral(".pdf"), yeni);
    dosya::yeniDosyaSınamasınıDeğiştir({});
    ASSERT_GE(fd, 0);
    ::close(fd);
    QStringList kalanlar{".kavrenta-22222222.pdf", QFileInfo(yeni).fileName()};
    kalanlar.sort();
    EXPECT_EQ(adlar(), kalanlar);
}
