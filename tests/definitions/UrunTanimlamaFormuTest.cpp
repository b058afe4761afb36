// The product window driven as a user drives it, against a real database and server folder.
#include "UrunTestYardimcilari.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "definitions/DegerGecmisi.h"
#include "definitions/FotografKutusu.h"
#include "definitions/FotografSecFormu.h"
#include "definitions/UrunFotograflari.h"
#include "definitions/UrunTanimlamaFormu.h"
#include "platform/Ayarlar.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

using namespace ürünTest;

namespace {

class ÜrünPenceresi : public ::testing::Test {
protected:
    test::SunucuKlasörü sunucu;
    QTemporaryDir resimler;  // the folder the user picks photos from
    std::unique_ptr<ÜrünTanımlamaFormu> p;

    void SetUp() override
    {
        test::ayarlarıTemizle();
        çerçeveliResim({400, 200}, Qt::red).save(resimler.filePath("geniş.jpg"), "JPG");
        çerçeveliResim({300, 400}, Qt::blue).save(resimler.filePath("uzun.bmp"), "BMP");
        çerçeveliResim({220, 200}, Qt::green).save(resimler.filePath("o'brien.jpg"), "JPG");
    }
    void TearDown() override { p.reset(); }

    ÜrünTanımlamaFormu& aç()
    {
        p = std::make_unique<ÜrünTanımlamaFormu>();
        göster(p.get());
        return *p;
    }

    qint64 ürün(const QString& kodu, const QString& adı, const QVariant& kdv = 18, const QString& foto = {})
    {
        sunucu.db().exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama, "
                         "UreticiKodu, Markasi, Fotografi) VALUES (?, ?, 'ADET', 12.5, ?, '', '', '', ?)",
                         {kodu, adı, kdv, foto});
        return sunucu.db().lastInsertId();
    }
    QVariant sütun(qint64 no, const QString& ad)
    {
        return sunucu.db().scalar("SELECT " + ad + " FROM UrunBilgileriTablosu WHERE UrunNo=?", {no});
    }
    int ürünSayısı() { return sunucu.db().scalar("SELECT count(*) FROM UrunBilgileriTablosu").toInt(); }
    QString imagesDosyası(const QString& ad) { return sunucu.yol() + "/Images/" + ad; }

    SıralıListeKutusu* liste() { return bul<SıralıListeKutusu>(p.get(), "ÜrünListesi"); }
    QLineEdit* satır(const char* ad) { return bul<QLineEdit>(p.get(), ad); }
    QPlainTextEdit* metin(const char* ad) { return bul<QPlainTextEdit>(p.get(), ad); }
    QComboBox* combo(const char* ad) { return bul<QComboBox>(p.get(), ad); }
    QPushButton* düğme(const char* ad) { return bul<QPushButton>(p.get(), ad); }
    QGroupBox* çerçeve(int i) { return bul<QGroupBox>(p.get(), QString("Çerçeve(%1)").arg(i)); }
    FotoğrafKutusu* fotoğrafKutusu() { return bul<FotoğrafKutusu>(p.get(), "ÜrünFotoğrafıKutusu"); }
    void tıkla(const char* ad)
    {
        QPushButton* d = düğme(ad);
        ASSERT_TRUE(d->isEnabled()) << ad;
        QTest::mouseClick(d, Qt::LeftButton);
    }
    void seç(const QString& ad)
    {
        const auto bulunan = liste()->findItems(ad, Qt::MatchExactly);
        ASSERT_FALSE(bulunan.isEmpty()) << ad.toStdString();
        liste()->setCurrentItem(bulunan.first());
    }
    // The photo picker, driven inside its exec(): shows the pictures folder, clicks the file, confirms.
    void fotoğrafSeç(const QString& dosya)
    {
        const QString klasör = resimler.path();
        modaldaÇalıştır("FotoğrafSeçFormu", [klasör, dosya](QWidget* m) {
            dynamic_cast<FotoğrafSeçFormu*>(m)->klasörüAyarla(klasör);
            auto* dosyalar = m->findChild<QListWidget*>("DosyaListesi");
            dosyalar->setCurrentItem(dosyalar->findItems(dosya, Qt::MatchExactly).value(0));
            m->findChild<QPushButton*>("TamamDüğmesi")->click();
        });
        tıkla("FotoğrafEkleDüğmesi");
    }
    void yeniÜrünYaz(const QString& kodu, const QString& adı, const QString& birim = {})
    {
        tıkla("EkleDüğmesi");
        yaz(satır("ÜrünKoduKutusu"), kodu);
        yaz(metin("ÜrünAdıKutusu"), adı);
        if (!birim.isEmpty()) yaz(combo("MiktarBirimiKutusu"), birim);
    }
    bool düzenlemede() { return çerçeve(1)->isEnabled(); }
};

}  // namespace

TEST_F(ÜrünPenceresi, AçılıştaAdSırasıylaListelenirHiçbiriSeçiliDeğil)
{
    const qint64 çivi = ürün("1", "ÇİVİ", QVariant());
    ürün("2", "vida");
    ürün("3", "CIVATA");
    ürün("4", "ÇİVİ");
    aç();
    ASSERT_EQ(liste()->count(), 4);
    EXPECT_EQ(liste()->metin(0), "CIVATA");
    EXPECT_EQ(liste()->metin(1), "ÇİVİ");
    EXPECT_EQ(liste()->metin(2), "ÇİVİ");
    EXPECT_EQ(liste()->metin(3), "vida");
    EXPECT_EQ(liste()->currentRow(), -1);
    EXPECT_FALSE(düğme("DeğiştirDüğmesi")->isEnabled());
    EXPECT_FALSE(düğme("SilKaydetDüğmesi")->isEnabled());
    EXPECT_EQ(düğme("SilKaydetDüğmesi")->text(), "Ürünü &Sil");
    EXPECT_EQ(düğme("KapatVazgeçDüğmesi")->text(), "Kapat (Esc)");
    EXPECT_FALSE(düzenlemede());
    EXPECT_TRUE(çerçeve(0)->isEnabled());

    // The find box picks the first name that begins with the typed text and shows it at once.
    yaz(satır("BulKutusu"), "çi");
    EXPECT_EQ(satır("BulKutusu")->text(), "Çİ");
    EXPECT_EQ(liste()->currentRow(), 1);
    EXPECT_EQ(liste()->seçiliNumara(), çivi);
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "1");
    EXPECT_EQ(combo("KDVOranıKutusu")->currentText(), "");  // no VAT rate stored
    EXPECT_EQ(satır("FiyatıKutusu")->text(), "12,50");
    EXPECT_TRUE(düğme("DeğiştirDüğmesi")->isEnabled());
    yaz(satır("BulKutusu"), "X");
    EXPECT_EQ(liste()->currentRow(), -1);
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "");
    EXPECT_FALSE(düğme("SilKaydetDüğmesi")->isEnabled());
    seç("vida");
    EXPECT_EQ(combo("KDVOranıKutusu")->currentText(), "18,00");
}

TEST_F(ÜrünPenceresi, BoşTablodaYalnızcaEklenipKapatılır)
{
    aç();
    EXPECT_EQ(liste()->count(), 0);
    EXPECT_FALSE(düğme("DeğiştirDüğmesi")->isEnabled());
    EXPECT_FALSE(düğme("SilKaydetDüğmesi")->isEnabled());
    EXPECT_TRUE(düğme("EkleDüğmesi")->isEnabled());
    EXPECT_TRUE(düğme("KapatVazgeçDüğmesi")->isEnabled());
}

TEST_F(ÜrünPenceresi, EklemeReddedilenKayıttaDüzenlemeAçıkKalır)
{
    ürün("ABC", "VİDA");
    aç();
    test::MesajYanıtlayıcı mesajlar;
    tıkla("EkleDüğmesi");
    EXPECT_TRUE(düzenlemede());
    EXPECT_FALSE(çerçeve(0)->isEnabled());
    EXPECT_EQ(düğme("SilKaydetDüğmesi")->text(), "Kaydet");
    EXPECT_EQ(düğme("KapatVazgeçDüğmesi")->text(), "Vazgeç");
    EXPECT_FALSE(düğme("EkleDüğmesi")->isEnabled());
    EXPECT_TRUE(odakta(satır("ÜrünKoduKutusu")));

    tıkla("SilKaydetDüğmesi");
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.sonMetin(), "Ürün KODU boş bırakılamaz!");
    EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Bilgi);
    EXPECT_TRUE(odakta(satır("ÜrünKoduKutusu")));

    // A code that exists, in another letter case, with an empty name: the code is checked first.
    yaz(satır("ÜrünKoduKutusu"), "abc");
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "ABC");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sonMetin(), "Girmeye çalıştığınız ÜRÜN KODU daha önce girilmiş!\n\nLütfen değiştirip yeniden deneyiniz.");

    satır("ÜrünKoduKutusu")->clear();
    yaz(satır("ÜrünKoduKutusu"), "X'1 ");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sonMetin(), "Ürün ADI boş bırakılamaz!");
    EXPECT_TRUE(odakta(metin("ÜrünAdıKutusu")));
    EXPECT_EQ(mesajlar.sayı(), 3);
    EXPECT_TRUE(düzenlemede());
    EXPECT_EQ(ürünSayısı(), 1);

    // Enter moves on and adds no line break; the name is upper-cased as it is typed.
    yaz(metin("ÜrünAdıKutusu"), "somun\n");
    EXPECT_EQ(metin("ÜrünAdıKutusu")->toPlainText(), "SOMUN");
    EXPECT_TRUE(odakta(combo("MarkasıKutusu")));
    yaz(combo("KDVOranıKutusu"), "8a.-");
    yaz(satır("FiyatıKutusu"), "");
    EXPECT_EQ(combo("KDVOranıKutusu")->currentText(), "8,00");
    // A pasted price whose dot is no thousands group is refused, never stored as 0.
    satır("FiyatıKutusu")->setText("1.5");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sonMetin(), "Lütfen geçerli bir FİYAT giriniz.");
    EXPECT_TRUE(odakta(satır("FiyatıKutusu")));
    EXPECT_EQ(ürünSayısı(), 1);
    satır("FiyatıKutusu")->clear();
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sayı(), 4);
    EXPECT_FALSE(düzenlemede());
    EXPECT_EQ(ürünSayısı(), 2);
    const qint64 no = liste()->seçiliNumara();
    EXPECT_EQ(liste()->metin(liste()->currentRow()), "SOMUN");
    EXPECT_EQ(sütun(no, "Kodu").toString(), "X’1");
    EXPECT_EQ(sütun(no, "Fiyati").toDouble(), 0.0);  // an empty price is stored as 0
    EXPECT_EQ(sütun(no, "KDVOrani").toDouble(), 8.0);
    EXPECT_EQ(satır("FiyatıKutusu")->text(), "0,00");
    EXPECT_EQ(düğme("SilKaydetDüğmesi")->text(), "Ürünü &Sil");
    EXPECT_TRUE(çerçeve(0)->isEnabled());
    EXPECT_TRUE(odakta(liste()));
}

TEST_F(ÜrünPenceresi, AynıAdlıÜrünEklenincekendisiSeçilir)
{
    const qint64 eski = ürün("1", "VİDA");
    aç();
    yeniÜrünYaz("2", "vida");
    tıkla("SilKaydetDüğmesi");
    ASSERT_EQ(liste()->count(), 2);
    EXPECT_NE(liste()->seçiliNumara(), eski);
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "2");
}

TEST_F(ÜrünPenceresi, DeğişiklikKendiKodunuKorurBaşkasınınkiniAlamaz)
{
    const qint64 a = ürün("A1", "ANAHTAR");
    ürün("B1", "BURGU");
    ürün("C1", "CIVATA");
    aç();
    test::MesajYanıtlayıcı mesajlar;
    seç("ANAHTAR");
    tıkla("DeğiştirDüğmesi");
    EXPECT_TRUE(düzenlemede());
    EXPECT_FALSE(düğme("DeğiştirDüğmesi")->isEnabled());
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "A1");  // the values stay
    metin("ÜrünAdıKutusu")->selectAll();
    yaz(metin("ÜrünAdıKutusu"), "zımba");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sayı(), 0);
    EXPECT_EQ(sütun(a, "Adi").toString(), "ZIMBA");
    // The renamed product moves to its sorted place and stays selected.
    EXPECT_EQ(liste()->metin(2), "ZIMBA");
    EXPECT_EQ(liste()->currentRow(), 2);
    EXPECT_EQ(liste()->seçiliNumara(), a);

    tıkla("DeğiştirDüğmesi");
    satır("ÜrünKoduKutusu")->selectAll();
    yaz(satır("ÜrünKoduKutusu"), "b1");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sayı(), 1);
    EXPECT_TRUE(mesajlar.sonMetin().startsWith("Girmeye çalıştığınız ÜRÜN KODU"));
    EXPECT_EQ(sütun(a, "Kodu").toString(), "A1");

    // Esc cancels: the stored values come back.
    QTest::keyClick(satır("ÜrünKoduKutusu"), Qt::Key_Escape);
    EXPECT_FALSE(düzenlemede());
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "A1");
    EXPECT_TRUE(düğme("DeğiştirDüğmesi")->isEnabled());
    EXPECT_TRUE(p->isVisible());
    // Esc in browse mode closes the window.
    QTest::keyClick(liste(), Qt::Key_Escape);
    EXPECT_FALSE(p->isVisible());
}

TEST_F(ÜrünPenceresi, VazgeçilenEklemeÖncekiÜrünüGeriGetirir)
{
    ürün("A1", "ANAHTAR");
    aç();
    seç("ANAHTAR");
    tıkla("EkleDüğmesi");
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "");
    yaz(satır("ÜrünKoduKutusu"), "YENİ");
    tıkla("KapatVazgeçDüğmesi");
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "A1");
    EXPECT_EQ(ürünSayısı(), 1);
    EXPECT_TRUE(çerçeve(0)->isEnabled());
    EXPECT_FALSE(düğme("FotoğrafEkleDüğmesi")->isEnabled());
}

TEST_F(ÜrünPenceresi, SilmeHareketliÜrünüReddederKomşuyuSeçer)
{
    QList<qint64> no;
    for (const char* ad : {"A", "B", "C", "D", "E", "F", "G"}) no.append(ürün(ad, ad));
    sunucu.db().exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, 1, '2024-05-01', 3, 2)",
                     {no[1]});
    aç();
    test::MesajYanıtlayıcı mesajlar({"Tamam", "Hayır"});

    seç("B");
    tıkla("SilKaydetDüğmesi");
    ASSERT_EQ(mesajlar.sayı(), 1);  // no question is asked
    EXPECT_EQ(mesajlar.sonMetin(), "Bu üründen GİRİŞ yapıldığı için, önce bu giriş işlemlerini silmeniz gerekir!");
    EXPECT_EQ(ürünSayısı(), 7);

    seç("F");
    tıkla("SilKaydetDüğmesi");  // answered "Hayır"
    EXPECT_EQ(mesajlar.sonMetin(), "\"F\" adlı bu ürünü silmek istediğinizden emin misiniz?");
    EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Soru);
    EXPECT_EQ(ürünSayısı(), 7);

    tıkla("SilKaydetDüğmesi");  // "Evet", the default
    EXPECT_EQ(ürünSayısı(), 6);
    EXPECT_EQ(liste()->count(), 6);
    EXPECT_EQ(liste()->metin(liste()->currentRow()), "E");  // the row above
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "E");

    seç("A");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(liste()->currentRow(), 0);
    EXPECT_EQ(liste()->metin(0), "B");
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "B");
}

TEST_F(ÜrünPenceresi, SonÜrünSilinincePencereBoşalır)
{
    const qint64 a = ürün("A", "TEK", 18, "tek.jpg");
    QDir(sunucu.yol()).mkdir("Images");
    çerçeveliResim(ürün::FotoğrafKutusuİçBoyutu).save(imagesDosyası("tek.jpg"), "BMP");
    aç();
    test::MesajYanıtlayıcı mesajlar;
    seç("TEK");
    EXPECT_FALSE(fotoğrafKutusu()->resim().isNull());
    tıkla("SilKaydetDüğmesi");
    EXPECT_FALSE(sütun(a, "Adi").isValid());
    EXPECT_FALSE(QFile::exists(imagesDosyası("tek.jpg")));
    EXPECT_EQ(liste()->count(), 0);
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "");
    EXPECT_EQ(combo("MiktarBirimiKutusu")->currentText(), "");
    EXPECT_TRUE(fotoğrafKutusu()->resim().isNull());
    EXPECT_FALSE(çerçeve(0)->isEnabled());
    EXPECT_FALSE(düğme("DeğiştirDüğmesi")->isEnabled());
    EXPECT_FALSE(düğme("SilKaydetDüğmesi")->isEnabled());
}

TEST_F(ÜrünPenceresi, DeğerGeçmişleriEnYenisiÜsteKullanıcıBaşınaSaklanır)
{
    aç();
    const char* birimler[] = {"adet", "kg", "metre"};
    for (int i = 0; i < 3; ++i) {
        yeniÜrünYaz(QString("K%1").arg(i), QString("ÜRÜN %1").arg(i), birimler[i]);
        yaz(combo("KDVOranıKutusu"), "18");
        yaz(combo("MarkasıKutusu"), i == 2 ? "" : "acme");
        tıkla("SilKaydetDüğmesi");
    }
    QComboBox* birim = combo("MiktarBirimiKutusu");
    ASSERT_EQ(birim->count(), 3);
    EXPECT_EQ(birim->itemText(0), "METRE");
    EXPECT_EQ(birim->itemText(2), "ADET");
    EXPECT_EQ(combo("KDVOranıKutusu")->count(), 1);  // 18,00 once
    EXPECT_EQ(combo("KDVOranıKutusu")->itemText(0), "18,00");
    EXPECT_EQ(combo("MarkasıKutusu")->count(), 1);
    EXPECT_EQ(ayarlar::oku("Listelenecekler\\Miktar Birimi", "Birim-1"), "METRE");
    EXPECT_EQ(ayarlar::oku("Listelenecekler\\Markasi", "Marka-1"), "ACME");
    EXPECT_EQ(ayarlar::oku("Listelenecekler\\KDV Orani", "Oran-1"), "18,00");

    // Eleven units: the oldest falls off, and a new window shows the same order.
    for (int i = 3; i < 11; ++i) {
        yeniÜrünYaz(QString("K%1").arg(i), QString("ÜRÜN %1").arg(i), QString("B%1").arg(i));
        tıkla("SilKaydetDüğmesi");
    }
    ASSERT_EQ(birim->count(), 10);
    EXPECT_EQ(birim->itemText(0), "B10");
    EXPECT_EQ(birim->itemText(9), "KG");
    QStringList önceki;
    for (int i = 0; i < 10; ++i) önceki.append(birim->itemText(i));
    aç();
    QStringList sonraki;
    for (int i = 0; i < combo("MiktarBirimiKutusu")->count(); ++i) sonraki.append(combo("MiktarBirimiKutusu")->itemText(i));
    EXPECT_EQ(sonraki, önceki);
    // Choosing a value of the history saves it without adding it twice.
    seç("ÜRÜN 1");
    tıkla("DeğiştirDüğmesi");
    combo("MiktarBirimiKutusu")->setCurrentIndex(9);
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(combo("MiktarBirimiKutusu")->count(), 10);
    EXPECT_EQ(combo("MiktarBirimiKutusu")->currentText(), "KG");
}

TEST_F(ÜrünPenceresi, FotoğrafEklenirDeğiştirilirKaldırılır)
{
    aç();
    test::MesajYanıtlayıcı mesajlar;
    yeniÜrünYaz("F1", "FOTOLU");
    fotoğrafSeç("o'brien.jpg");
    EXPECT_EQ(FotoğrafAdı, "o'brien.jpg");
    const QImage gösterilen = fotoğrafKutusu()->resim();
    ASSERT_EQ(gösterilen.size(), ürün::FotoğrafKutusuİçBoyutu);
    EXPECT_FALSE(QFileInfo::exists(imagesDosyası("o'brien.jpg")));  // nothing is written before the save
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sayı(), 0);
    const qint64 no = liste()->seçiliNumara();
    EXPECT_EQ(sütun(no, "Fotografi").toString(), "o'brien.jpg");
    QFile dosya(imagesDosyası("o'brien.jpg"));
    ASSERT_TRUE(dosya.open(QIODevice::ReadOnly));
    EXPECT_EQ(dosya.read(2), QByteArray("BM"));  // a bitmap under the picked .jpg name
    dosya.close();
    EXPECT_EQ(ürün::resmiOku(dosya.fileName()), gösterilen);
    EXPECT_EQ(fotoğrafKutusu()->resim(), gösterilen);  // shown again from the file

    // Another photo replaces it: new file in, old file out.
    tıkla("DeğiştirDüğmesi");
    fotoğrafSeç("uzun.bmp");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(sütun(no, "Fotografi").toString(), "uzun.bmp");
    EXPECT_TRUE(QFile::exists(imagesDosyası("uzun.bmp")));
    EXPECT_FALSE(QFile::exists(imagesDosyası("o'brien.jpg")));

    // A removal that is cancelled forgets itself.
    tıkla("DeğiştirDüğmesi");
    tıkla("FotoğrafıSilDüğmesi");
    EXPECT_TRUE(fotoğrafKutusu()->resim().isNull());
    tıkla("KapatVazgeçDüğmesi");
    EXPECT_FALSE(fotoğrafKutusu()->resim().isNull());
    EXPECT_EQ(FotoğrafAdı, "uzun.bmp");

    tıkla("DeğiştirDüğmesi");
    tıkla("FotoğrafıSilDüğmesi");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(sütun(no, "Fotografi").toString(), "");
    EXPECT_FALSE(QFile::exists(imagesDosyası("uzun.bmp")));
    EXPECT_TRUE(fotoğrafKutusu()->resim().isNull());
    EXPECT_EQ(mesajlar.sayı(), 0);
}

TEST_F(ÜrünPenceresi, AynıAdlıFotoğrafBaşkaÜrününkiniEzmez)
{
    aç();
    yeniÜrünYaz("A", "BİRİNCİ");
    fotoğrafSeç("geniş.jpg");
    tıkla("SilKaydetDüğmesi");
    const qint64 a = liste()->seçiliNumara();
    const QImage birinci = ürün::resmiOku(imagesDosyası("geniş.jpg"));

    // Another picture picked under the same file name from another folder.
    QTemporaryDir başka;
    çerçeveliResim({200, 200}, Qt::yellow).save(başka.filePath("GENİŞ.JPG"), "JPG");
    resimler.remove();
    ASSERT_TRUE(QDir().mkpath(resimler.path()));
    QFile::copy(başka.filePath("GENİŞ.JPG"), resimler.filePath("GENİŞ.JPG"));
    yeniÜrünYaz("B", "İKİNCİ");
    fotoğrafSeç("GENİŞ.JPG");
    tıkla("SilKaydetDüğmesi");
    const qint64 b = liste()->seçiliNumara();
    EXPECT_EQ(sütun(b, "Fotografi").toString(), "GENİŞ-2.JPG");
    EXPECT_EQ(ürün::resmiOku(imagesDosyası("geniş.jpg")), birinci);

    // Deleting the second takes only its own file.
    test::MesajYanıtlayıcı mesajlar;
    tıkla("SilKaydetDüğmesi");
    EXPECT_FALSE(QFile::exists(imagesDosyası("GENİŞ-2.JPG")));
    EXPECT_TRUE(QFile::exists(imagesDosyası("geniş.jpg")));
    EXPECT_EQ(sütun(a, "Fotografi").toString(), "geniş.jpg");
}

TEST_F(ÜrünPenceresi, SilinmişFotoğrafBirKezBildirilirReferansıTemizlenir)
{
    QDir(sunucu.yol()).mkdir("Images");
    çerçeveliResim({400, 300}).save(imagesDosyası("VAR.JPG"), "JPG");  // put there by hand
    const qint64 a = ürün("A", "AAA", 18, "var.jpg");  // found whatever its letter case
    const qint64 b = ürün("B", "BBB", 18, "yok.jpg");
    aç();
    test::MesajYanıtlayıcı mesajlar;
    seç("AAA");
    EXPECT_EQ(fotoğrafKutusu()->resim().size(), ürün::FotoğrafKutusuİçBoyutu);  // fitted into the box
    // Saving a change of its neighbour neither shows it nor touches its reference.
    tıkla("DeğiştirDüğmesi");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(mesajlar.sayı(), 0);
    EXPECT_EQ(sütun(b, "Fotografi").toString(), "yok.jpg");
    seç("BBB");
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.sonMetin(), "Bu ürünün FOTOĞRAF dosyası silinmiş!\nLütfen, yeniden yükleyiniz.");
    EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Ünlem);
    EXPECT_TRUE(fotoğrafKutusu()->resim().isNull());
    EXPECT_EQ(sütun(b, "Fotografi").toString(), "");
    EXPECT_EQ(FotoğrafAdı, "");
    EXPECT_TRUE(düğme("DeğiştirDüğmesi")->isEnabled());
    seç("AAA");
    seç("BBB");
    EXPECT_EQ(mesajlar.sayı(), 1);

    // The "Images" folder cannot be reached: the message, but the reference stays.
    QDir(sunucu.yol() + "/Images").removeRecursively();
    seç("AAA");
    EXPECT_EQ(mesajlar.sayı(), 2);
    EXPECT_EQ(sütun(a, "Fotografi").toString(), "var.jpg");
    EXPECT_EQ(FotoğrafAdı, "var.jpg");
}

TEST_F(ÜrünPenceresi, YazılamayanFotoğraftaDüzenlemeAçıkKalır)
{
    // A file where the "Images" folder should be: no picture can be written.
    QFile engel(sunucu.yol() + "/Images");
    ASSERT_TRUE(engel.open(QIODevice::WriteOnly));
    engel.close();
    aç();
    yeniÜrünYaz("A", "AAA");
    modaldaÇalıştır("FotoğrafSeçFormu", [this](QWidget* m) {
        dynamic_cast<FotoğrafSeçFormu*>(m)->klasörüAyarla(resimler.path());
        auto* dosyalar = m->findChild<QListWidget*>("DosyaListesi");
        dosyalar->setCurrentRow(0);
        m->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    tıkla("FotoğrafEkleDüğmesi");
    test::MesajYanıtlayıcı mesajlar({"Evet"});  // go on after the error
    tıkla("SilKaydetDüğmesi");
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Kritik);
    EXPECT_TRUE(mesajlar.sonMetin().contains("Fotoğraf klasörü oluşturulamadı"));
    EXPECT_TRUE(düzenlemede());
    EXPECT_EQ(satır("ÜrünKoduKutusu")->text(), "A");
    EXPECT_EQ(ürünSayısı(), 0);
}

// With KAVRENTA_EKRAN_GORUNTUSU set to a folder, the window with a product and its photo is drawn into it,
// for a look by eye.
TEST_F(ÜrünPenceresi, EkranGörüntüsü)
{
    const QString hedef = qEnvironmentVariable("KAVRENTA_EKRAN_GORUNTUSU");
    if (hedef.isEmpty()) GTEST_SKIP();
    ürün("VD-M8", "VİDA M8 X 40 GALVANİZ");
    ürün("SM-M8", "SOMUN M8");
    ürün("PL-08", "PUL 8 MM");
    aç();
    yeniÜrünYaz("MKN-120", "MATKAP UCU SETİ 120 PARÇA", "kutu");
    yaz(bul<QLineEdit>(p.get(), "ÜreticiKoduKutusu"), "bs-2608");
    yaz(combo("MarkasıKutusu"), "bosch");
    yaz(combo("KDVOranıKutusu"), "20");
    yaz(satır("FiyatıKutusu"), "1249,9");
    yaz(metin("AçıklamaKutusu"), "metal ve ahşap için");
    fotoğrafSeç("geniş.jpg");
    tıkla("SilKaydetDüğmesi");
    p->grab().save(hedef + "/urun-penceresi.png");
    tıkla("DeğiştirDüğmesi");
    p->grab().save(hedef + "/urun-penceresi-degisiklik.png");
    FotoğrafSeçFormu f;
    f.klasörüAyarla(resimler.path());
    auto* dosyalar = bul<QListWidget>(&f, "DosyaListesi");
    dosyalar->setCurrentItem(dosyalar->findItems("uzun.bmp", Qt::MatchExactly).value(0));
    göster(&f);
    f.grab().save(hedef + "/fotograf-sec.png");
}
