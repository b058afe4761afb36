// The stock list on a real database: its rows in both modes, refresh, the start-up warning.
#include "stock_lists/StokListesiFormu.h"
#include "StokListesiOrtami.h"

#include "core/Acicilar.h"
#include "stock_lists/StokListeleriKayit.h"

#include "core/ListeYazdirma.h"
#include "platform/Ayarlar.h"
#include "platform/Kabuk.h"
#include "platform/Yazicilar.h"
#include "support/AcilanDosyalar.h"
#include "support/XlsxOkuyucu.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace stokTest;

TEST(StokListesiSatırı, TutarlarVeKazanç)
{
    using stokListesi::Kaynak;
    auto metinler = [](const Kaynak& k) {
        QStringList l;
        for (const ListeDeğeri& d : stokListesi::satırı(k)) l << d.görünen();
        return l;
    };
    // No exits: the exit figures and the gain are 0, the entries remain.
    EXPECT_EQ(metinler({"K1", "KALEM", 12.0, 1234.5, {}, {}}),
              QStringList({"K1", "KALEM", "12,00", "1.234,50", "0,00", "0,00", "12,00", "1.234,50", "0,00"}));
    // Without exits the entry total remains even when it is not positive.
    EXPECT_EQ(metinler({"K4", "", 1.0, -5.0, {}, {}}).mid(7), QStringList({"-5,00", "0,00"}));
    // More went out (in money) than came in: the excess is the gain.
    EXPECT_EQ(metinler({"K2", "SİLGİ", 10.0, 100.0, 4.0, 160.0}),
              QStringList({"K2", "SİLGİ", "10,00", "100,00", "4,00", "160,00", "6,00", "0,00", "60,00"}));
    // Equal totals: both 0.
    EXPECT_EQ(metinler({"K3", "", 2.0, 50.0, 2.0, 50.0}).mid(6), QStringList({"0,00", "0,00", "0,00"}));
    // A product row that is gone: its code and name are empty, the figures stand.
    EXPECT_EQ(metinler({QVariant(), QVariant(), 1.0, 1.0, QVariant(), QVariant()}).mid(0, 3),
              QStringList({"", "", "1,00"}));

    EXPECT_TRUE(stokListesi::azalıyorMu({"", "", 12.0, 0.0, 7.0, 0.0}, 5));   // exactly at the threshold
    EXPECT_FALSE(stokListesi::azalıyorMu({"", "", 12.0, 0.0, 6.0, 0.0}, 5));
    EXPECT_TRUE(stokListesi::azalıyorMu({"", "", 1.0, 0.0, 3.0, 0.0}, 5));    // below zero
    EXPECT_TRUE(stokListesi::azalıyorMu({"", "", 8.3, 0.0, 3.3, 0.0}, 5));     // 5,00 on the list is 5
    EXPECT_FALSE(stokListesi::azalıyorMu({"", "", 5.01, 0.0, {}, 0.0}, 5));
    EXPECT_EQ(stokListesi::başlık(0, 12), "Stok Listesi (Toplam : 12)");
    EXPECT_EQ(stokListesi::başlık(1, 0), "Mevcudu Azalan Ürünler (Toplam : 0)");
}

TEST_F(StokListesiTesti, İkiKipteSatırlarVeBaşlık)
{
    örnekStok(db());
    UyarılacakSayı = 5;

    StokListesiTürü = 0;
    StokListesiFormu p;
    EXPECT_EQ(p.windowTitle(), "");
    p.StokListesiYükle();
    EXPECT_EQ(p.windowTitle(), "Stok Listesi (Toplam : 4)");
    // Sorted by code as the rows come in; the product with exits only is never listed.
    EXPECT_EQ(sütun(p.StokListesi, 0), QStringList({"A1", "B2", "C3", "D4"}));
    EXPECT_EQ(satır(p.StokListesi, 0),
              QStringList({"A1", "KALEM", "12,00", "120,00", "7,00", "84,00", "5,00", "36,00", "0,00"}));

    StokListesiTürü = 1;
    StokListesiFormu azalan;
    azalan.StokListesiYükle();
    EXPECT_EQ(azalan.windowTitle(), "Mevcudu Azalan Ürünler (Toplam : 3)");
    EXPECT_EQ(sütun(azalan.StokListesi, 0), QStringList({"A1", "C3", "D4"}));  // 5 (at the threshold), 0, −2
}

TEST_F(StokListesiTesti, ÜrünüSilinmişHareketBoşHücreyleGörünür)
{
    giriş(db(), 999, 3, 2);  // no product 999
    test::MesajYanıtlayıcı yanıtlayıcı;
    StokListesiFormu p;
    p.StokListesiYükle();
    ASSERT_EQ(p.StokListesi->satırSayısı(), 1);
    EXPECT_EQ(satır(p.StokListesi, 0).mid(0, 4), QStringList({"", "", "3,00", "6,00"}));
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
}

TEST_F(StokListesiTesti, F5BaşkaBağlantınınHareketiniGösterir)
{
    örnekStok(db());
    StokListesiTürü = 1;
    StokListesiFormu p;
    p.StokListesiYükle();
    p.show();
    QApplication::setActiveWindow(&p);
    ASSERT_EQ(p.StokListesi->satırSayısı(), 3);

    // Another workstation takes 95 of DEFTER out: 5 remain, at the threshold.
    auto öbürü = platform::Database::open(sunucu_->veritabanıYolu());
    çıkış(*öbürü, int(öbürü->scalar("SELECT UrunNo FROM UrunBilgileriTablosu WHERE Kodu = 'B2'").toInt()), 95, 3);
    öbürü.reset();

    QTest::keyClick(p.StokListesi, Qt::Key_F5);
    EXPECT_EQ(sütun(p.StokListesi, 0), QStringList({"A1", "B2", "C3", "D4"}));
    EXPECT_EQ(p.windowTitle(), "Mevcudu Azalan Ürünler (Toplam : 4)");
    EXPECT_TRUE(p.ListeyiYenileDüğmesi->isEnabled());
    p.StokListesi->sütunGenişliğiniAyarla(1, 3000);
    p.close();
    EXPECT_EQ(ayarlar::oku("Listeler\\Liste-7", "Genislik-2"), "3000");
    EXPECT_EQ(ayarlar::oku("Listeler\\Liste-7", "Konum-9"), "9");
}

TEST_F(StokListesiTesti, AçılışUyarısıYalnızSatırVarsaGösterilir)
{
    açıcılar::temizle();
    StokListeleriniKaydet();
    int gösterilen = 0;
    QString başlık;
    auto kapat = [&](QWidget* w) {
        ++gösterilen;
        başlık = w->windowTitle();
        w->close();
    };
    {
        test::Görününce görününce("StokListesiFormu", kapat);
        StokListesiTürü = 0;
        EXPECT_TRUE(açıcılar::aç("StokListesiUyarısı", nullptr));  // an empty database: nothing shown
        EXPECT_EQ(StokListesiTürü, 1);
    }
    EXPECT_EQ(gösterilen, 0);

    örnekStok(db());
    UyarılacakSayı = 2;  // only C3 (0) and D4 (−2)
    {
        test::Görününce görününce("StokListesiFormu", kapat);
        açıcılar::aç("StokListesiUyarısı", nullptr);
    }
    EXPECT_EQ(gösterilen, 1);
    EXPECT_EQ(başlık, "Mevcudu Azalan Ürünler (Toplam : 2)");

    // The menu item shows the window even when it has nothing to list.
    UyarılacakSayı = -5;
    {
        test::Görününce görününce("StokListesiFormu", kapat);
        açıcılar::aç("MevcuduAzalanÜrünlerListesiMenüsü", nullptr);
    }
    EXPECT_EQ(gösterilen, 2);
    EXPECT_EQ(başlık, "Mevcudu Azalan Ürünler (Toplam : 0)");
    açıcılar::temizle();
}

TEST_F(StokListesiTesti, ExceleAktarım)
{
    test::AçılanDosyalar açılanlar;
    örnekStok(db());
    YazıcıVar = true;

    StokListesiTürü = 0;
    StokListesiFormu p;
    p.StokListesiYükle();
    p.StokListesi->sütunKonumunuAyarla(8, 0);
    p.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);
    test::XlsxSayfa s = test::xlsxOku(açılanlar[0]);
    ASSERT_TRUE(s.okundu);
    EXPECT_EQ(s.sayfaAdı, "Stok Listesi");
    EXPECT_EQ(s.metin("A1"), "Stok Listesi");
    EXPECT_EQ(s.birleşikler, QList<QString>({"A1:H1"}));  // one column short of the nine
    const QStringList başlıklar = {"Kodu", "Ürün Adı", "Giren Miktar", "Giren Tutar", "Çıkan Miktar",
                                   "Çıkan Tutar", "Kalan Miktar", "Kalan Tutar", "Kazanç"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(s.metin(QString(QChar('A' + i)) + "2"), başlıklar[i]);
    EXPECT_DOUBLE_EQ(s.sütunlar.value(1).genişlik, test::yazılanGenişlik(10));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(2).genişlik, test::yazılanGenişlik(22));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(9).genişlik, test::yazılanGenişlik(11));
    // A1 KALEM: 12 in for 120, 7 out for 84.
    EXPECT_EQ(s.metin("A3"), "A1");
    EXPECT_TRUE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "12");
    EXPECT_EQ(s.metin("I3"), "0");
    EXPECT_EQ(s.metin("D4"), "250");  // B2 DEFTER: 100 at 2.5
    EXPECT_EQ(s.sonSatır, 6);
    EXPECT_TRUE(s.sayfaGenişliğineSığar);

    StokListesiTürü = 1;
    StokListesiFormu azalan;
    azalan.StokListesiYükle();
    azalan.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 2);
    s = test::xlsxOku(açılanlar[1]);
    EXPECT_EQ(s.sayfaAdı, "Mevcudu Azalanlar");
    EXPECT_EQ(s.metin("A1"), "Mevcudu Azalan Ürünler");
    EXPECT_EQ(s.sonSatır, 5);

}

TEST_F(StokListesiTesti, PdfYazıcısındaHerSatırVarSayfaSayısıDoğru)
{
    test::AçılanDosyalar açılanlar;
    yazdırma::sistemYazıcılarınıDeğiştir(QList<yazdırma::Yazıcı>{});
    yazdırma::geçerliYazıcıyıDeğiştir(yazdırma::PdfYazıcısıAdı);

    {
        platform::Transaction t(db());
        for (int i = 1; i <= 200; ++i) giriş(db(), ürün(db(), QStringLiteral("U%1").arg(i, 3, 10, QChar('0')), "ÜRÜN"), i, 1);
        t.commit();
    }
    StokListesiFormu p;
    p.StokListesiYükle();
    YazıcıVar = true;
    test::Görününce tamam("YazıcıSeçmeFormu",
                          [](QWidget* w) { w->findChild<QPushButton*>("TamamDüğmesi")->click(); });
    p.YazdırDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);

    // The same layout on the recorder tells how many pages it takes.
    yazdırma::YazıcıKaydedici kayıt(210, 297);
    listeyiÇiz(kayıt, p.yazdırmaDüzeni(), *p.StokListesi);

    QProcess metin;
    metin.start("pdftotext", {"-layout", açılanlar[0], "-"});
    ASSERT_TRUE(metin.waitForFinished(30000));
    const QString yazı = QString::fromUtf8(metin.readAllStandardOutput());
    const QStringList sayfalar = yazı.split(QChar('\f'), Qt::SkipEmptyParts);
    EXPECT_EQ(sayfalar.size(), kayıt.belge().sayfaSayısı());
    EXPECT_GE(sayfalar.size(), 3);
    EXPECT_TRUE(sayfalar[0].contains("Stok Listesi (Toplam : 200)"));
    EXPECT_TRUE(sayfalar[1].contains("Sayfa - 2"));
    for (int i = 1; i <= 200; ++i) EXPECT_TRUE(yazı.contains(QStringLiteral("U%1").arg(i, 3, 10, QChar('0')))) << i;
    EXPECT_TRUE(yazı.contains("200,00"));

    yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
}

// "Kalan Miktar" is a quantity: with whole-number quantities it prints as the other quantities do,
// ending at its column's right edge.
TEST_F(StokListesiTesti, KalanMiktarMiktarOlarakYazdırılır)
{
    const int a = ürün(db(), "A1", "KALEM");
    giriş(db(), a, 12, 3);
    çıkış(db(), a, 2, 4);
    OndalıklıMiktar = 0;
    StokListesiFormu p;
    p.StokListesiYükle();
    yazdırma::YazıcıKaydedici kayıt(210, 297);
    listeyiÇiz(kayıt, p.yazdırmaDüzeni(), *p.StokListesi);
    const yazdırma::KaydedilenBelge& b = kayıt.belge();
    const auto* kalan = b.metinBul("10");
    ASSERT_TRUE(kalan);
    EXPECT_NEAR(kalan->x + kalan->genişlik, 155, 0.01);
    EXPECT_FALSE(b.metinBul("10,00"));
    EXPECT_TRUE(b.metinBul("12") && b.metinBul("2"));
}

// At the first start on an older file the warning comes before the start-up's upgrade: it brings the file up
// to date itself instead of failing on the older total views.
TEST(StokListesiUyarısı, EskiDosyadaHataVermez)
{
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Eski);
    test::MesajYanıtlayıcı yanıtlayıcı;
    UyarılacakSayı = 5;
    EXPECT_FALSE(AzalanStokUyarısı(nullptr));  // nothing runs low in an empty file
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
}
