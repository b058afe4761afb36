// The photo picker: folders and files, the preview fitted into the photo box, the hand-over and the folder
// it remembers.
#include "UrunTestYardimcilari.h"
#include "core/OrtakDegiskenler.h"
#include "definitions/FotografKutusu.h"
#include "definitions/FotografSecFormu.h"
#include "definitions/UrunFotograflari.h"
#include "platform/Ayarlar.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>

using namespace ürünTest;

namespace {

// A picture with a thick black edge, so that a cropped side shows.
QImage kenarlıResim(QSize boyut, QColor renk)
{
    QImage r(boyut, QImage::Format_RGB32);
    r.fill(Qt::black);
    QPainter p(&r);
    p.fillRect(QRect(QPoint(12, 12), boyut - QSize(24, 24)), renk);
    return r;
}

bool beyaz(const QImage& r, int x, int y) { return r.pixelColor(x, y) == QColor(Qt::white); }
bool koyu(const QImage& r, int x, int y)
{
    const QColor c = r.pixelColor(x, y);
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

class FotoğrafSeçici : public ::testing::Test {
protected:
    test::SunucuKlasörü sunucu;
    QTemporaryDir klasör;
    void SetUp() override
    {
        test::ayarlarıTemizle();
        FotoğrafAdı = "önceki.jpg";
        kenarlıResim({400, 200}, Qt::red).save(klasör.filePath("geniş.jpg"), "JPG");
        kenarlıResim({300, 400}, Qt::blue).save(klasör.filePath("uzun.BMP"), "BMP");
        kenarlıResim({220, 200}, Qt::green).save(klasör.filePath("kare.jpg"), "JPG");
        QFile bozuk(klasör.filePath("bozuk.jpg"));
        bozuk.open(QIODevice::WriteOnly);
        bozuk.write("no picture here");
        bozuk.close();
        QFile metin(klasör.filePath("not.txt"));
        metin.open(QIODevice::WriteOnly);
        metin.close();
        QDir(klasör.path()).mkdir("Alt");
    }
    void tıklaDosya(FotoğrafSeçFormu& f, const QString& ad)
    {
        auto* dosyalar = bul<QListWidget>(&f, "DosyaListesi");
        const auto öğeler = dosyalar->findItems(ad, Qt::MatchExactly);
        ASSERT_EQ(öğeler.size(), 1) << ad.toStdString();
        dosyalar->setCurrentItem(öğeler.first());
    }
    QImage önizleme(FotoğrafSeçFormu& f) { return bul<FotoğrafKutusu>(&f, "ÖrnekKutusu")->resim(); }
};

}  // namespace

TEST_F(FotoğrafSeçici, ÖnizlemeResminTamamınıBeyazÜzerindeOrtalar)
{
    FotoğrafSeçFormu f;
    ASSERT_TRUE(f.klasörüAyarla(klasör.path()));
    ASSERT_EQ(bul<FotoğrafKutusu>(&f, "ÖrnekKutusu")->içBoyut(), ürün::FotoğrafKutusuİçBoyutu);

    // Wide, 400 x 200: the full width, white bands above and below (drawn at 0, 14, 116 x 58).
    tıklaDosya(f, "geniş.jpg");
    QImage r = önizleme(f);
    ASSERT_EQ(r.size(), ürün::FotoğrafKutusuİçBoyutu);
    EXPECT_TRUE(beyaz(r, 58, 12));
    EXPECT_TRUE(koyu(r, 58, 15));
    EXPECT_GT(r.pixelColor(58, 43).red(), 240);
    EXPECT_TRUE(koyu(r, 58, 70));
    EXPECT_TRUE(beyaz(r, 58, 73));
    EXPECT_TRUE(koyu(r, 0, 43));
    EXPECT_TRUE(koyu(r, 115, 43));

    // Tall, 300 x 400: the full height, bands at the sides (drawn at 26, 0, 65 x 87).
    tıklaDosya(f, "uzun.BMP");
    r = önizleme(f);
    EXPECT_TRUE(beyaz(r, 24, 43));
    EXPECT_TRUE(koyu(r, 27, 43));
    EXPECT_GT(r.pixelColor(58, 43).blue(), 240);
    EXPECT_TRUE(koyu(r, 89, 43));
    EXPECT_TRUE(beyaz(r, 92, 43));
    EXPECT_TRUE(koyu(r, 58, 0));
    EXPECT_TRUE(koyu(r, 58, 86));

    // Nearly square, 220 x 200: slightly wider than high, yet none of it is cut (drawn at 10, 0, 96 x 87).
    tıklaDosya(f, "kare.jpg");
    r = önizleme(f);
    EXPECT_TRUE(beyaz(r, 8, 43));
    EXPECT_TRUE(beyaz(r, 107, 43));
    EXPECT_TRUE(koyu(r, 58, 0));
    EXPECT_TRUE(koyu(r, 58, 86));
    EXPECT_TRUE(koyu(r, 11, 43));
    EXPECT_TRUE(koyu(r, 104, 43));
}

TEST_F(FotoğrafSeçici, KlasörVeDosyaListeleri)
{
    FotoğrafSeçFormu f;
    ASSERT_TRUE(f.klasörüAyarla(klasör.path()));
    auto* dosyalar = bul<QListWidget>(&f, "DosyaListesi");
    QStringList adlar;
    for (int i = 0; i < dosyalar->count(); ++i) adlar.append(dosyalar->item(i)->text());
    // Pictures only, whatever the letter case of their extension.
    EXPECT_EQ(adlar, QStringList({"bozuk.jpg", "geniş.jpg", "kare.jpg", "uzun.BMP"}));

    auto* klasörler = bul<QListWidget>(&f, "KlasörListesi");
    const auto alt = klasörler->findItems("Alt", Qt::MatchEndsWith);
    ASSERT_EQ(alt.size(), 1);
    EXPECT_EQ(klasörler->currentItem()->data(Qt::UserRole).toString(), QDir::cleanPath(klasör.path()));
    emit klasörler->itemActivated(alt.first());
    EXPECT_EQ(f.klasör(), QDir::cleanPath(klasör.filePath("Alt")));
    EXPECT_EQ(dosyalar->count(), 0);
    EXPECT_FALSE(f.klasörüAyarla(klasör.filePath("yok")));
    EXPECT_EQ(f.klasör(), QDir::cleanPath(klasör.filePath("Alt")));

    // The drive list shows the drive of the folder shown, also one that is not among the listed drives
    // (a temporary folder may lie on a mount of its own, e.g. a tmpfs).
    auto* sürücüler = bul<QComboBox>(&f, "SürücüListesi");
    EXPECT_EQ(sürücüler->currentText(), QStorageInfo(klasör.path()).rootPath());

    // A drive that cannot be read: the message, then the drive of the program's folder (the test program's
    // here), which need not be the drive of the folder shown before.
    const QString programSürücüsü = QStorageInfo(QCoreApplication::applicationDirPath()).rootPath();
    ASSERT_FALSE(programSürücüsü.isEmpty());
    sürücüler->addItem(klasör.filePath("çıkarılmış"));
    test::MesajYanıtlayıcı mesajlar;
    sürücüler->setCurrentIndex(sürücüler->count() - 1);
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.sonMetin(), "Seçtiğiniz sürücüye ulaşılamıyor!");
    EXPECT_EQ(sürücüler->currentText(), programSürücüsü);
    EXPECT_EQ(f.klasör(), QDir::cleanPath(programSürücüsü));
}

TEST_F(FotoğrafSeçici, TamamSeçilmemişDosyadaUyarırGösterilenResminAdınıVerir)
{
    FotoğrafSeçFormu f;
    göster(&f);
    f.klasörüAyarla(klasör.path());
    {
        test::MesajYanıtlayıcı mesajlar;
        bul<QPushButton>(&f, "TamamDüğmesi")->click();
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_EQ(mesajlar.sonMetin(), "Lütfen, listeden bir fotoğraf dosyası seçiniz!");
        EXPECT_EQ(mesajlar.görülenler().first().simge, mesaj::Simge::Bilgi);
    }
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(FotoğrafAdı, "önceki.jpg");
    EXPECT_TRUE(odakta(bul<QListWidget>(&f, "DosyaListesi")));

    // A file that is no picture keeps the preview of the one before, and its name goes with it.
    tıklaDosya(f, "bozuk.jpg");
    {
        test::MesajYanıtlayıcı mesajlar;
        bul<QPushButton>(&f, "TamamDüğmesi")->click();
        EXPECT_EQ(mesajlar.sayı(), 1);
    }
    tıklaDosya(f, "geniş.jpg");
    const QImage geniş = f.önizleme();
    tıklaDosya(f, "bozuk.jpg");
    EXPECT_EQ(f.önizleme(), geniş);
    bul<QPushButton>(&f, "TamamDüğmesi")->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(FotoğrafAdı, "geniş.jpg");
}

TEST_F(FotoğrafSeçici, SonKlasörHerKapanıştaHatırlanır)
{
    // The user's pictures folder, as the desktop names it.
    const QString resimler = klasör.filePath("Alt");
    QFile adlar(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs");
    ASSERT_TRUE(adlar.open(QIODevice::WriteOnly));
    adlar.write(("XDG_PICTURES_DIR=\"" + resimler + "\"\n").toUtf8());
    adlar.close();
    {
        FotoğrafSeçFormu f;
        EXPECT_EQ(f.klasör(), QDir::cleanPath(resimler));  // nothing remembered yet
        f.klasörüAyarla(klasör.path());
        tıklaDosya(f, "kare.jpg");
        bul<QPushButton>(&f, "İptalDüğmesi")->click();
        EXPECT_EQ(f.result(), QDialog::Rejected);
    }
    EXPECT_EQ(FotoğrafAdı, "önceki.jpg");  // cancelled: nothing handed over
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Son Klasor"), QDir::cleanPath(klasör.path()));
    {
        FotoğrafSeçFormu f;
        EXPECT_EQ(f.klasör(), QDir::cleanPath(klasör.path()));
        QDir(klasör.filePath("Alt")).mkdir("Silinecek");
        f.klasörüAyarla(klasör.filePath("Alt/Silinecek"));
        f.reject();
    }
    QDir(klasör.filePath("Alt/Silinecek")).removeRecursively();
    FotoğrafSeçFormu f;
    EXPECT_EQ(f.klasör(), QDir::cleanPath(resimler));  // the remembered folder is gone
    // Opening the picker makes the server folder's photo folder when it is missing.
    EXPECT_TRUE(QFileInfo(sunucu.yol() + "/Images").isDir());
    adlar.remove();
}
