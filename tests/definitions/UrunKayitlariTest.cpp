// Product save and delete without the window: checks, transaction, photo files, value histories, preview.
#include "core/OrtakDegiskenler.h"
#include "definitions/DegerGecmisi.h"
#include "definitions/UrunFotograflari.h"
#include "definitions/UrunKayitlari.h"
#include "platform/Ayarlar.h"
#include "support/Ortam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace ürün;

namespace {

QImage düzResim(QColor renk, QSize boyut = FotoğrafKutusuİçBoyutu)
{
    QImage r(boyut, QImage::Format_RGB32);
    r.fill(renk);
    return r;
}

Kayıtİsteği yeni(const QString& kodu, const QString& adı)
{
    Kayıtİsteği i;
    i.bilgiler.kodu = kodu;
    i.bilgiler.adı = adı;
    return i;
}

Kayıtİsteği fotoğraflı(Kayıtİsteği i, const QString& ad, QColor renk)
{
    i.bilgiler.fotoğrafı = ad;
    i.fotoğraf = FotoğrafDeğişikliği::Yeni;
    i.resim = düzResim(renk);
    return i;
}

class ÜrünKayıtları : public ::testing::Test {
protected:
    test::SunucuKlasörü sunucu;
    QString klasör() const { return sunucu.yol() + "/Images"; }
    QString dosya(const QString& ad) const { return klasör() + "/" + ad; }
    QString fotoğrafı(qint64 no) { return sunucu.db().scalar("SELECT Fotografi FROM UrunBilgileriTablosu WHERE UrunNo=?", {no}).toString(); }
    QColor renk(const QString& ad) { return resmiOku(dosya(ad)).pixelColor(5, 5); }
    qint64 ekle(const Kayıtİsteği& i)
    {
        const auto s = ürünüKaydet(sunucu.db(), sunucu.yol(), i);
        EXPECT_EQ(s.durum, KayıtDurumu::Kaydedildi);
        EXPECT_TRUE(s.sonrakiHata.isEmpty()) << s.sonrakiHata.toStdString();
        return s.urunNo;
    }
    Kayıtİsteği değişiklik(qint64 no)
    {
        Kayıtİsteği i;
        i.urunNo = no;
        i.bilgiler = *ürünOku(sunucu.db(), no);
        return i;
    }
};

}  // namespace

TEST_F(ÜrünKayıtları, ZorunluAlanlarVeBenzersizKodSırayla)
{
    auto& db = sunucu.db();
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni("  ", "VİDA")).durum, KayıtDurumu::KodBoş);
    const qint64 vida = ekle(yeni("ABC-1", "VİDA"));
    // The code is compared without regard to letter case (Turkish rule), before the name.
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni("abc-1", "")).durum, KayıtDurumu::KodVar);
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni("ABC-2", " ")).durum, KayıtDurumu::AdBoş);
    const qint64 somun = ekle(yeni("ıi-5", "SOMUN"));
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni("Iİ-5", "X")).durum, KayıtDurumu::KodVar);

    // A change keeps its own code; taking another product's code is refused.
    auto d = değişiklik(vida);
    d.bilgiler.adı = "VİDA 2";
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), d).durum, KayıtDurumu::Kaydedildi);
    d.bilgiler.kodu = "Iİ-5";
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), d).durum, KayıtDurumu::KodVar);
    EXPECT_EQ(ürünOku(db, vida)->kodu, "ABC-1");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(), 2);
    EXPECT_FALSE(db.inTransaction());
    Q_UNUSED(somun);
}

TEST_F(ÜrünKayıtları, DeğerlerBağlanırSayılarSayıOlarakSaklanır)
{
    auto& db = sunucu.db();
    auto i = yeni("K'1", "O’BRİEN'S \"ÖZEL\"; DROP TABLE X");
    i.bilgiler.fiyatı = "";
    i.bilgiler.kdvOranı = "";
    i.bilgiler.markası = "ACME";
    const qint64 a = ekle(i);
    EXPECT_EQ(db.scalar("SELECT Fiyati FROM UrunBilgileriTablosu WHERE UrunNo=?", {a}).toDouble(), 0.0);
    EXPECT_FALSE(db.scalar("SELECT KDVOrani FROM UrunBilgileriTablosu WHERE UrunNo=?", {a}).isValid());
    auto o = ürünOku(db, a);
    EXPECT_EQ(o->adı, i.bilgiler.adı);
    EXPECT_EQ(o->kodu, "K'1");
    EXPECT_EQ(o->fiyatı, "0,00");
    EXPECT_EQ(o->kdvOranı, "");

    auto j = yeni("K2", "İKİ");
    j.bilgiler.fiyatı = "1.234,5";
    j.bilgiler.kdvOranı = "18";
    const qint64 b = ekle(j);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT Fiyati FROM UrunBilgileriTablosu WHERE UrunNo=?", {b}).toDouble(), 1234.5);
    EXPECT_EQ(ürünOku(db, b)->kdvOranı, "18,00");
    EXPECT_EQ(ürünOku(db, b)->fiyatı, "1.234,50");

    // The new key is the database's own: never a number that was used before.
    db.exec("DELETE FROM UrunBilgileriTablosu WHERE UrunNo=?", {b});
    const qint64 c = ekle(yeni("K3", "ÜÇ"));
    EXPECT_GT(c, b);
    EXPECT_EQ(ürünOku(db, c)->kodu, "K3");
}

TEST_F(ÜrünKayıtları, DeğişiklikHerAlanıKendiSütununaYazar)
{
    auto& db = sunucu.db();
    auto i = yeni("K1", "BİR");
    i.bilgiler = {"K1", "Ü1", "BİR", "M1", "ADET", "8", "12,5", "A1", ""};
    const qint64 no = ekle(i);
    auto d = değişiklik(no);
    const ÜrünBilgileri yeniDeğerler{"K2", "Ü2", "İKİ", "M2", "KG", "18,00", "1.234,56", "A2", ""};
    d.bilgiler = yeniDeğerler;
    ASSERT_EQ(ürünüKaydet(db, sunucu.yol(), d).durum, KayıtDurumu::Kaydedildi);
    const auto o = ürünOku(db, no);
    ASSERT_TRUE(o);
    const auto alanlar = [](const ÜrünBilgileri& b) {
        return QStringList{b.kodu, b.üreticiKodu, b.adı, b.markası, b.miktarBirimi, b.kdvOranı, b.fiyatı, b.açıklama,
                           b.fotoğrafı};
    };
    EXPECT_EQ(alanlar(*o), alanlar(yeniDeğerler));
}

TEST_F(ÜrünKayıtları, SayıOlmayanFiyatVeKdvReddedilirSayılarKuruşaYuvarlanır)
{
    auto& db = sunucu.db();
    // Texts that do not read as a number, negative ones, and ones above 10^12: refused, nothing written.
    for (const QString kötü : {"1e308", "NaN", "12,3,4", "1.5", "-5", "1.000.000.000.000,01", "inf"}) {
        auto i = yeni("K", "AD");
        i.bilgiler.fiyatı = kötü;
        EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), i).durum, KayıtDurumu::FiyatGeçersiz) << kötü.toStdString();
        i.bilgiler.fiyatı = "5";
        i.bilgiler.kdvOranı = kötü;
        EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), i).durum, KayıtDurumu::KDVOranıGeçersiz) << kötü.toStdString();
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(), 0);
    EXPECT_FALSE(db.inTransaction());

    // Stored as the boxes show them, in hundredths.
    auto i = yeni("K", "AD");
    i.bilgiler.fiyatı = "1.000.000.000.000";
    i.bilgiler.kdvOranı = "1,005";
    const qint64 no = ekle(i);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT Fiyati FROM UrunBilgileriTablosu WHERE UrunNo=?", {no}).toDouble(), 1e12);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT KDVOrani FROM UrunBilgileriTablosu WHERE UrunNo=?", {no}).toDouble(), 1.01);
    auto d = değişiklik(no);
    d.bilgiler.fiyatı = "0,004";
    ASSERT_EQ(ürünüKaydet(db, sunucu.yol(), d).durum, KayıtDurumu::Kaydedildi);
    EXPECT_EQ(db.scalar("SELECT Fiyati FROM UrunBilgileriTablosu WHERE UrunNo=?", {no}).toDouble(), 0.0);
}

TEST_F(ÜrünKayıtları, KodunİçindekiNulKarakteriKarşılaştırmayaGirer)
{
    auto& db = sunucu.db();
    const QString nullu = QStringLiteral("Z") + QChar(u'\0') + QStringLiteral("A");
    ekle(yeni(nullu, "BİR"));
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni("Z", "İKİ")).durum, KayıtDurumu::Kaydedildi);
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni(QStringLiteral("Z") + QChar(u'\0') + "B", "ÜÇ")).durum,
              KayıtDurumu::Kaydedildi);
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), yeni(QStringLiteral("z") + QChar(u'\0') + "a", "DÖRT")).durum,
              KayıtDurumu::KodVar);
}

TEST_F(ÜrünKayıtları, KlasörAdıTaşıyanFotoğrafAdıYazılmaz)
{
    auto& db = sunucu.db();
    for (const QString ad : {"../x.bmp", "alt/x.bmp", "..", "a\\b.bmp"}) {
        EXPECT_THROW(ürünüKaydet(db, sunucu.yol(), fotoğraflı(yeni("K", "AD"), ad, Qt::red)), FotoğrafHatası)
            << ad.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sunucu.yol() + "/x.bmp"));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(ÜrünKayıtları, SilinmişÜrünDeğiştirilemezDosyaBırakılmaz)
{
    auto& db = sunucu.db();
    const qint64 no = ekle(yeni("A", "A"));
    auto d = fotoğraflı(değişiklik(no), "yeni.jpg", Qt::red);
    db.exec("DELETE FROM UrunBilgileriTablosu WHERE UrunNo=?", {no});  // another workstation
    EXPECT_EQ(ürünüKaydet(db, sunucu.yol(), d).durum, KayıtDurumu::KayıtYok);
    EXPECT_FALSE(QFile::exists(dosya("yeni.jpg")));
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), no).durum, SilmeDurumu::KayıtYok);
}

TEST_F(ÜrünKayıtları, FotoğrafBitmapOlarakSeçilenAdlaKlasörAçılarakYazılır)
{
    ASSERT_FALSE(QFileInfo::exists(klasör()));
    const qint64 no = ekle(fotoğraflı(yeni("A", "A"), "o'brien.jpg", Qt::red));
    EXPECT_EQ(fotoğrafı(no), "o'brien.jpg");
    QFile f(dosya("o'brien.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    EXPECT_EQ(resmiOku(f.fileName()).size(), FotoğrafKutusuİçBoyutu);
    EXPECT_EQ(renk("o'brien.jpg"), QColor(Qt::red));
}

TEST_F(ÜrünKayıtları, İkiÜrünBirFotoğrafDosyasınıPaylaşmaz)
{
    const qint64 a = ekle(fotoğraflı(yeni("A", "A"), "foto.jpg", Qt::red));
    // Another product names the file (in another letter case): a derived name.
    const qint64 b = ekle(fotoğraflı(yeni("B", "B"), "FOTO.JPG", Qt::blue));
    EXPECT_EQ(fotoğrafı(b), "FOTO-2.JPG");
    const qint64 c = ekle(fotoğraflı(yeni("C", "C"), "Foto.jpg", Qt::green));
    EXPECT_EQ(fotoğrafı(c), "Foto-3.jpg");
    EXPECT_EQ(renk("foto.jpg"), QColor(Qt::red));
    // A file nobody names but that is there is not written over either.
    QFile yabancı(dosya("sahipsiz.bmp"));
    ASSERT_TRUE(yabancı.open(QIODevice::WriteOnly));
    yabancı.write("x");
    yabancı.close();
    const qint64 d = ekle(fotoğraflı(yeni("D", "D"), "Sahipsiz.BMP", Qt::yellow));
    EXPECT_EQ(fotoğrafı(d), "Sahipsiz-2.BMP");
    EXPECT_EQ(QFileInfo(dosya("sahipsiz.bmp")).size(), 1);
    // A name without extension.
    EXPECT_EQ(türetilmişAd("resim", 4), "resim-4");
    EXPECT_EQ(türetilmişAd("a.b.jpg", 2), "a.b-2.jpg");
    Q_UNUSED(a);
}

TEST_F(ÜrünKayıtları, DeğişikliktenYeniDosyaSonraSatırSonraEskiSilinir)
{
    auto& db = sunucu.db();
    const qint64 a = ekle(fotoğraflı(yeni("A", "A"), "eski.jpg", Qt::red));

    // The product's own name picked again: the file is written anew in place.
    ekle(fotoğraflı(değişiklik(a), "ESKI.jpg", Qt::blue));
    EXPECT_EQ(fotoğrafı(a), "eski.jpg");
    EXPECT_EQ(renk("eski.jpg"), QColor(Qt::blue));

    // Another name: the new file comes, the old goes.
    ekle(fotoğraflı(değişiklik(a), "yeni.jpg", Qt::green));
    EXPECT_EQ(fotoğrafı(a), "yeni.jpg");
    EXPECT_EQ(renk("yeni.jpg"), QColor(Qt::green));
    EXPECT_FALSE(QFile::exists(dosya("eski.jpg")));

    // An untouched photo stays whatever the window held.
    auto d = değişiklik(a);
    d.bilgiler.fiyatı = "5";
    ekle(d);
    EXPECT_EQ(fotoğrafı(a), "yeni.jpg");
    EXPECT_TRUE(QFile::exists(dosya("yeni.jpg")));

    // Removed: the row holds no name and the file goes.
    d = değişiklik(a);
    d.bilgiler.fotoğrafı.clear();
    d.fotoğraf = FotoğrafDeğişikliği::Kaldırıldı;
    ekle(d);
    EXPECT_EQ(fotoğrafı(a), "");
    EXPECT_FALSE(QFile::exists(dosya("yeni.jpg")));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(), 1);
}

TEST_F(ÜrünKayıtları, BaşkasınınAdlandırdığıDosyaSilinmez)
{
    auto& db = sunucu.db();
    const qint64 a = ekle(fotoğraflı(yeni("A", "A"), "ortak.jpg", Qt::red));
    const qint64 b = ekle(yeni("B", "B"));
    // Older data: two products name one file.
    db.exec("UPDATE UrunBilgileriTablosu SET Fotografi='ORTAK.JPG' WHERE UrunNo=?", {b});

    // Re-picking the shared name does not write over the other product's picture.
    ekle(fotoğraflı(değişiklik(b), "ortak.jpg", Qt::blue));
    EXPECT_EQ(fotoğrafı(b), "ortak-2.jpg");
    EXPECT_EQ(renk("ortak.jpg"), QColor(Qt::red));

    db.exec("UPDATE UrunBilgileriTablosu SET Fotografi='ORTAK.JPG' WHERE UrunNo=?", {b});
    QFile::remove(dosya("ortak-2.jpg"));
    auto d = değişiklik(b);
    d.bilgiler.fotoğrafı.clear();
    d.fotoğraf = FotoğrafDeğişikliği::Kaldırıldı;
    ekle(d);
    EXPECT_TRUE(QFile::exists(dosya("ortak.jpg")));

    db.exec("UPDATE UrunBilgileriTablosu SET Fotografi='Ortak.jpg' WHERE UrunNo=?", {b});
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), b).durum, SilmeDurumu::Silindi);
    EXPECT_TRUE(QFile::exists(dosya("ortak.jpg")));
    // The last user takes the file with it, found whatever its letter case.
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), a).durum, SilmeDurumu::Silindi);
    EXPECT_FALSE(QFile::exists(dosya("ortak.jpg")));

    // A name that reaches out of the folder names no photo: the database stays where it is.
    const qint64 c = ekle(yeni("C", "C"));
    db.exec("UPDATE UrunBilgileriTablosu SET Fotografi='../Stok.vtb' WHERE UrunNo=?", {c});
    EXPECT_EQ(fotoğrafıOku(sunucu.yol(), "../Stok.vtb").durum, FotoğrafDurumu::DosyaYok);
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), c).durum, SilmeDurumu::Silindi);
    EXPECT_TRUE(QFile::exists(sunucu.yol() + "/Stok.vtb"));
}

TEST_F(ÜrünKayıtları, SatırYazılamazsaYeniDosyaKaldırılırEskisiKalır)
{
    auto& db = sunucu.db();
    const qint64 a = ekle(fotoğraflı(yeni("A", "A"), "eski.jpg", Qt::red));
    db.execScript("CREATE TRIGGER Engel BEFORE UPDATE ON UrunBilgileriTablosu BEGIN SELECT RAISE(ABORT, 'kilitli'); END;");
    auto d = fotoğraflı(değişiklik(a), "yeni.jpg", Qt::blue);
    d.bilgiler.adı = "DEĞİŞTİ";
    EXPECT_THROW(ürünüKaydet(db, sunucu.yol(), d), platform::DbError);
    EXPECT_FALSE(QFile::exists(dosya("yeni.jpg")));
    EXPECT_EQ(renk("eski.jpg"), QColor(Qt::red));
    // Re-picking the own name: the file is replaced only after the row.
    EXPECT_THROW(ürünüKaydet(db, sunucu.yol(), fotoğraflı(değişiklik(a), "eski.jpg", Qt::blue)), platform::DbError);
    EXPECT_EQ(renk("eski.jpg"), QColor(Qt::red));
    EXPECT_EQ(QDir(klasör()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(ürünOku(db, a)->adı, "A");
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(ÜrünKayıtları, FotoğrafYazılamazsaHiçbirŞeyYazılmaz)
{
    auto& db = sunucu.db();
    // "Images" cannot be made: a file stands in its place.
    QFile engel(klasör());
    ASSERT_TRUE(engel.open(QIODevice::WriteOnly));
    engel.close();
    EXPECT_THROW(ürünüKaydet(db, sunucu.yol(), fotoğraflı(yeni("A", "A"), "a.jpg", Qt::red)), FotoğrafHatası);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(ÜrünKayıtları, HareketiOlanÜrünSilinmez)
{
    auto& db = sunucu.db();
    const qint64 a = ekle(fotoğraflı(yeni("A", "A"), "a.jpg", Qt::red));
    const qint64 b = ekle(yeni("B", "B"));
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, 1, '2024-01-02', 5, 1)", {a});
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) VALUES (?, 1, '2024-01-02', 5, 1, 1)", {b});
    EXPECT_TRUE(hareketiVarMı(db, a));
    EXPECT_TRUE(hareketiVarMı(db, b));
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), a).durum, SilmeDurumu::HareketVar);
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), b).durum, SilmeDurumu::HareketVar);
    EXPECT_TRUE(QFile::exists(dosya("a.jpg")));
    db.exec("DELETE FROM GirisIslemleriTablosu");
    EXPECT_EQ(ürünüSil(db, sunucu.yol(), a).durum, SilmeDurumu::Silindi);
    EXPECT_FALSE(QFile::exists(dosya("a.jpg")));
    EXPECT_FALSE(ürünOku(db, a).has_value());
}

TEST_F(ÜrünKayıtları, GösterilecekFotoğrafHarfBüyüklüğüneBakmadanBulunur)
{
    EXPECT_EQ(fotoğrafıOku(sunucu.yol(), "").durum, FotoğrafDurumu::Yok);
    EXPECT_EQ(fotoğrafıOku(sunucu.yol(), "a.jpg").durum, FotoğrafDurumu::KlasöreUlaşılamıyor);
    EXPECT_EQ(fotoğrafıOku(sunucu.yol() + "/yok", "a.jpg").durum, FotoğrafDurumu::KlasöreUlaşılamıyor);
    QDir(sunucu.yol()).mkdir("Images");
    EXPECT_EQ(fotoğrafıOku(sunucu.yol(), "a.jpg").durum, FotoğrafDurumu::DosyaYok);
    düzResim(Qt::red).save(dosya("RESİM.JPG"), "BMP");  // a bitmap under a .jpg name
    const auto g = fotoğrafıOku(sunucu.yol(), "resim.jpg");
    EXPECT_EQ(g.durum, FotoğrafDurumu::Gösterildi);
    EXPECT_EQ(g.resim.pixelColor(1, 1), QColor(Qt::red));
    QFile bozuk(dosya("bozuk.jpg"));
    ASSERT_TRUE(bozuk.open(QIODevice::WriteOnly));
    bozuk.write("not a picture");
    bozuk.close();
    EXPECT_EQ(fotoğrafıOku(sunucu.yol(), "bozuk.jpg").durum, FotoğrafDurumu::Okunamadı);

    // Clearing a missing photo's reference leaves a row alone that names another file by now.
    auto& db = sunucu.db();
    const qint64 a = ekle(yeni("A", "A"));
    db.exec("UPDATE UrunBilgileriTablosu SET Fotografi='x.jpg' WHERE UrunNo=?", {a});
    fotoğrafReferansınıTemizle(db, a, "y.jpg");
    EXPECT_EQ(fotoğrafı(a), "x.jpg");
    fotoğrafReferansınıTemizle(db, a, "x.jpg");
    EXPECT_EQ(fotoğrafı(a), "");
}

TEST(ÜrünÖnizleme, ResminTamamıBeyazÜzerindeOrtalanır)
{
    const QSize kutu = FotoğrafKutusuİçBoyutu;  // 116 x 87
    // Wide: the full width, white bands above and below (29 / 2 = 14.5 goes to 14).
    EXPECT_EQ(önizlemeAlanı({400, 200}, kutu), QRect(0, 14, 116, 58));
    // Tall: the full height, bands at the sides (65.25 -> 65, 25.5 -> 26).
    EXPECT_EQ(önizlemeAlanı({300, 400}, kutu), QRect(26, 0, 65, 87));
    // Nearly square, slightly wider than high: still all of it, within the height.
    EXPECT_EQ(önizlemeAlanı({220, 200}, kutu), QRect(10, 0, 96, 87));
    EXPECT_EQ(önizlemeAlanı({100, 100}, kutu), QRect(14, 0, 87, 87));
    // As wide as the box is: exactly the box.
    EXPECT_EQ(önizlemeAlanı({232, 174}, kutu), QRect(0, 0, 116, 87));
    EXPECT_EQ(önizlemeAlanı({5000, 1}, kutu).height(), 1);

    const QImage ö = önizlemeResmi(düzResim(Qt::black, {400, 200}));
    EXPECT_EQ(ö.size(), kutu);
    EXPECT_EQ(ö.pixelColor(58, 5), QColor(Qt::white));
    EXPECT_EQ(ö.pixelColor(58, 43), QColor(Qt::black));
    EXPECT_EQ(ö.pixelColor(58, 80), QColor(Qt::white));
    EXPECT_EQ(ö.pixelColor(0, 43), QColor(Qt::black));
}

TEST(DeğerGeçmişi, SonOnDeğerEnYenisiÜstteSaklanır)
{
    using namespace değerGeçmişi;
    test::ayarlarıTemizle();
    QStringList birimler = oku(MiktarBirimi);
    EXPECT_TRUE(birimler.isEmpty());
    for (const char* b : {"ADET", "KG", "METRE"}) EXPECT_TRUE(ekle(birimler, b, MiktarBirimi));
    EXPECT_EQ(birimler, QStringList({"METRE", "KG", "ADET"}));
    EXPECT_FALSE(ekle(birimler, "kg", MiktarBirimi));   // already there, in another case
    EXPECT_FALSE(ekle(birimler, "  ", MiktarBirimi));
    EXPECT_TRUE(ekle(birimler, "LİTRE", MiktarBirimi));
    EXPECT_EQ(ayarlar::oku(MiktarBirimi.bölüm, "Birim-1"), "LİTRE");
    EXPECT_EQ(ayarlar::oku(MiktarBirimi.bölüm, "Birim-4"), "ADET");
    for (int i = 5; i <= 12; ++i) ekle(birimler, QString("B%1").arg(i), MiktarBirimi);
    ASSERT_EQ(birimler.size(), 10);
    EXPECT_EQ(birimler.first(), "B12");
    EXPECT_EQ(birimler.last(), "METRE");  // ADET and KG, the oldest, fell off
    // After a restart the order is the same: by the key's number, "Birim-10" after "Birim-2".
    EXPECT_EQ(oku(MiktarBirimi), birimler);
    // One more after the restart drops the oldest, not the newest.
    QStringList okunan = oku(MiktarBirimi);
    ekle(okunan, "YENİ", MiktarBirimi);
    EXPECT_EQ(okunan.first(), "YENİ");
    EXPECT_EQ(okunan.last(), "LİTRE");
    EXPECT_TRUE(okunan.contains("B12"));
    // Each history keeps to its own section.
    EXPECT_TRUE(oku(Markası).isEmpty());
    EXPECT_TRUE(oku(KDVOranı).isEmpty());

    // A store written by the older scheme (key number = order of first writing) still reads in key order.
    ayarlar::bölümüSil(Markası.bölüm);
    for (int i = 1; i <= 10; ++i) ayarlar::yaz(Markası.bölüm, QString("Marka-%1").arg(i), QString("M%1").arg(i));
    EXPECT_EQ(oku(Markası).at(1), "M2");
    EXPECT_EQ(oku(Markası).last(), "M10");
}
