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

// Each test writes into a folder of its own; the test seam is taken back however it ends.
class GeçiciDosyaTesti : public ::testing::Test {
protected:
    void TearDown() override
    {
        dosya::yazmaSınırınıDeğiştir(std::nullopt);
    }
    QString yol(const QString& ad) const { return dizin_.path() + QLatin1Char('/') + ad; }
    // Every name in the folder: hidden ones, folders and symlinks that lead nowhere too.
    QStringList adlar() const
    {
        return QDir(dizin_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    QTemporaryDir dizin_;
};

const QByteArray Veri = QByteArray("%PDF-1.4 ") + QByteArray(5000, 'x') + "%%EOF";

}  // namespace

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
