// The exits-by-reason and daily-movements windows on a real database: their lists, totals, refresh,
// prints through the recorder and as PDF, and exports read back.
#include "movement_reports/CikisNedenineGoreStokListesiFormu.h"
#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"
#include "movement_reports/HareketRaporlariKayit.h"
#include "RaporOrtami.h"

#include "core/Acicilar.h"
#include "platform/TurkceMetin.h"
#include "support/XlsxOkuyucu.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTest>

using namespace raporTest;

namespace {

void göster(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    (void)QTest::qWaitForWindowActive(w, 2000);
}

// F5 as the user presses it, wherever the focus is in the window (which a message box may have left
// inactive on the offscreen platform).
void f5(QWidget* w)
{
    göster(w);
    QWidget* odak = QApplication::focusWidget();
    QTest::keyClick(odak && odak->window() == w ? odak : w, Qt::Key_F5);
}

}  // namespace

TEST_F(RaporTesti, NedenPenceresiListeToplamYazdırmaVeAktarım)
{
    const int çay = ürün("C-1", "ÇAY", QVariant(), QVariant());
    const int şeker = ürün("S-1", "ŞEKER", "Kg", 8.0);
    const int a = firma(true, "ARDA MARKET");
    çıkış(çay, a, Gün1, 1234.56, 10, 2);
    çıkış(çay, 1, Gün2, 2.4, 1.5, 2);
    çıkış(çay, 99, Gün2, 1, 1, 2);  // firm gone: counted in the total, not listed
    çıkış(şeker, a, Gün1, 3, 4, 0);

    test::MesajYanıtlayıcı mesajlar;
    ÇıkışNedenineGöreStokListesiFormu p;
    göster(&p);
    EXPECT_EQ(p.windowTitle(), "Çıkış Nedenine Göre Stok Listesi");
    EXPECT_EQ(p.NedeniKutusu->currentText(), "Faturalı Satış");
    EXPECT_EQ(p.ÜrünListesi->count(), 1);  // ŞEKER
    EXPECT_EQ(p.ÜrünListesi->currentRow(), -1);

    p.NedeniKutusu->setCurrentIndex(2);  // Emanet
    ASSERT_EQ(p.ÜrünListesi->count(), 1);
    p.ÜrünListesi->setCurrentRow(0);
    ASSERT_EQ(p.HareketListesi->satırSayısı(), 2);
    // Sorted by firm as the rows came in.
    EXPECT_EQ(satır(p.HareketListesi, 0), (QStringList{"ARDA MARKET", "07.03.2026", "1.234,56", "", "0", "10,00", "12.345,60"}));
    EXPECT_EQ(satır(p.HareketListesi, 1), (QStringList{"Fişli Satış", "31.03.2026", "2,40", "", "0", "1,50", "3,60"}));
    EXPECT_EQ(p.ÇıkışToplamıKutusu->text(), "1.237,96");

    // The print: the product and reason in the title, quantities as whole numbers when the preference is off.
    OndalıklıMiktar = 0;
    yazdır(p.YazdırDüğmesi);
    ASSERT_EQ(kayıtlar->sayı(), 1);
    const yazdırma::KaydedilenBelge& b = kayıtlar->son();
    EXPECT_TRUE(b.bitti());
    ASSERT_TRUE(b.metinBul("ÇAY ADLI ÜRÜNDEN EMANET VERİLENLER"));
    EXPECT_EQ(BaşlıkMetni, "ÇAY ADLI ÜRÜNDEN EMANET VERİLENLER");
    const auto* miktar = b.metinBul("1235");
    ASSERT_TRUE(miktar);
    EXPECT_NEAR(miktar->x + miktar->genişlik, 100, 1e-6);
    EXPECT_EQ(yazılanSatır(b, 1, miktar->y), (QStringList{"ARDA MARKET", "07.03.2026", "1235", "", "0", "10,00", "12.345,60"}));
    EXPECT_DOUBLE_EQ(b.metinBul("Firma Adı")->x, 15);
    EXPECT_NEAR(b.metinBul("KDV")->x + b.metinBul("KDV")->genişlik, 130, 1e-6);

    // The export: the reason in the title, numbers as numbers (a missing VAT rate as 0).
    p.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);
    const test::XlsxSayfa s = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(s.sayfaAdı, "Çıkış Nedenine Göre Hareketler");
    EXPECT_EQ(s.metin("A1"), "Çıkış Nedeni \"Emanet\" Olan Stok Hareketleri");
    EXPECT_EQ(s.birleşikler, QList<QString>{"A1:G1"});
    EXPECT_EQ(s.metin("A3"), "ARDA MARKET");
    EXPECT_FALSE(s.hücre("B3").sayı);
    EXPECT_TRUE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "1234.56");
    EXPECT_TRUE(s.hücre("E3").sayı);
    EXPECT_EQ(s.metin("E3"), "0");
    EXPECT_EQ(s.metin("G4"), "3.6");
    EXPECT_EQ(s.sonSatır, 4);

    // A find text that matches no product unchooses it; F5 reloads the products with none chosen.
    p.ÜrünBulKutusu->setText("Z");
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(p.ÇıkışToplamıKutusu->text(), "");
    p.ÜrünListesi->setCurrentRow(0);
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 2);
    f5(&p);
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(p.ÇıkışToplamıKutusu->text(), "");
    EXPECT_EQ(p.ÜrünListesi->count(), 1);
    EXPECT_EQ(p.ÜrünListesi->currentRow(), -1);
    EXPECT_EQ(mesajlar.sayı(), 0);
}

TEST_F(RaporTesti, GünlükPencereGünTümüVeYenileme)
{
    const QString bugün = turkce::tarihSaklama(QDate::currentDate());
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    giriş(çay, s, bugün, 2.5, 10);
    giriş(çay, 77, bugün, 1, 4);  // its firm row is gone: an empty cell, no message
    giriş(çay, s, Gün1, 3, 2);
    çıkış(çay, 1, Gün1, 1, 12, 1);

    test::MesajYanıtlayıcı mesajlar({"Tamam", "Tamam"});
    ListelerMenüsüTag = "1";
    GünlükGirişÇıkışHareketleriFormu p;
    p.İlkYükleme();
    EXPECT_EQ(p.windowTitle(), "Günlük Giriş Hareketleri");
    EXPECT_EQ(sütun(p.HareketListesi, 3), (QStringList{"BORA GIDA", ""}));
    EXPECT_EQ(p.ToplamMiktarKutusu->text(), "3,50");
    EXPECT_EQ(p.ToplamFiyatKutusu->text(), "14,00");
    EXPECT_EQ(p.ToplamTutarKutusu->text(), "29,00");
    EXPECT_EQ(mesajlar.sayı(), 0);
    // The totals stand on their panel, in the frame.
    const QWidget* altlık = p.findChild<QWidget*>("Altlık");
    ASSERT_TRUE(altlık && altlık->isAncestorOf(p.ToplamTutarKutusu));
    EXPECT_TRUE(p.findChild<QGroupBox*>("Çerçeve")->isAncestorOf(altlık));
    göster(&p);

    p.TarihKutusu->setDate(QDate(2026, 3, 7));
    p.SeçilenTariheGöreListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Günlük Giriş Hareketleri (07.03.2026 Tarihi İtabariyle...)");
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 1);

    p.TarihKutusu->setDate(QDate(2026, 3, 8));
    p.SeçilenTariheGöreListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Günlük Giriş Hareketleri");
    EXPECT_EQ(mesajlar.sonMetin(), "Seçilen tarihte HAREKET bulunamadı!");
    EXPECT_EQ(p.ToplamTutarKutusu->text(), "0,00");

    // Every day; a refresh lists every day again, so the caption still matches, and sees a new movement.
    p.TümünüListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Günlük Giriş Hareketleri (Tümü)");
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 3);
    giriş(çay, s, Gün2, 1, 1);
    f5(&p);
    EXPECT_EQ(p.windowTitle(), "Günlük Giriş Hareketleri (Tümü)");
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 4);
    EXPECT_EQ(p.ToplamMiktarKutusu->text(), "7,50");
    EXPECT_EQ(mesajlar.sayı(), 1);

    // The exit mode is read again at the next listing: the menu's Tag names the mode.
    ListelerMenüsüTag = "2";
    p.TümünüListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Günlük Çıkış Hareketleri (Tümü)");
    EXPECT_EQ(satır(p.HareketListesi, 0), (QStringList{"07.03.2026", "C-1", "ÇAY", "Fişli Satış", "1,00", "12,00", "12,00"}));
    p.close();
}

TEST_F(RaporTesti, GünlükYazdırmaAktarımVePdf)
{
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    for (int i = 0; i < 90; ++i) giriş(çay, s, Gün1, 1.5 + i, 2);

    ListelerMenüsüTag = "1";
    GünlükGirişÇıkışHareketleriFormu p;
    p.TarihKutusu->setDate(QDate(2026, 3, 7));
    p.SeçilenTariheGöreListeleDüğmesi->click();
    const QString başlık = "Günlük Giriş Hareketleri (07.03.2026 Tarihi İtabariyle...)";
    ASSERT_EQ(p.windowTitle(), başlık);

    OndalıklıMiktar = 0;
    yazdır(p.YazdırDüğmesi);
    ASSERT_EQ(kayıtlar->sayı(), 1);
    const yazdırma::KaydedilenBelge& b = kayıtlar->son();
    ASSERT_EQ(b.sayfaSayısı(), 2);
    // Page 2: the running header and the rule, no header row; every row printed once.
    const QList<yazdırma::YazıcıÇağrısı> ikinci = b.metinler(2);
    EXPECT_EQ(ikinci[0].metin, başlık);
    EXPECT_DOUBLE_EQ(ikinci[0].x, 10);
    EXPECT_EQ(ikinci[1].metin, "Sayfa - 2");
    EXPECT_EQ(b.çizgiler(2).size(), 1);
    EXPECT_FALSE(std::any_of(ikinci.begin(), ikinci.end(), [](const auto& m) { return m.metin == "Kodu"; }));
    int satırlar = 0;
    for (const auto& m : b.metinler()) satırlar += m.metin == "ÇAY";
    EXPECT_EQ(satırlar, 90);
    // The last row on page 1 stands above the bottom margin of 20 mm.
    double sonY = 0;
    for (const auto& m : b.metinler(1)) sonY = std::max(sonY, m.y);
    EXPECT_LT(sonY + 20, 297);
    // The totals line straight after the last row, bold: quantities whole, prices and amounts with decimals.
    const auto* toplam = b.metinBul("TOPLAM :");
    ASSERT_TRUE(toplam);
    EXPECT_EQ(toplam->sayfa, 2);
    EXPECT_TRUE(toplam->yazıTipi.kalın);
    EXPECT_DOUBLE_EQ(toplam->x, 100);
    // 90 × 1,5 + 0 + 1 + ... + 89 = 4140; 90 × 2 = 180; 4140 × 2 = 8280.
    EXPECT_EQ(yazılanSatır(b, 2, toplam->y), (QStringList{"TOPLAM :", "4140", "180,00", "8.280,00"}));
    const auto* tutar = b.metinBul("8.280,00");
    EXPECT_NEAR(tutar->x + tutar->genişlik, 185, 1e-6);

    // The export has the same title, no totals row, and fits the page width when a printer is there.
    p.ListeyiMSExceleGönderMenüsü->trigger();
    ASSERT_EQ(açılanlar.sayı(), 1);
    const test::XlsxSayfa x = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(x.sayfaAdı, "Günlük Giriş Hareketleri");
    EXPECT_EQ(x.metin("A1"), başlık);
    EXPECT_EQ(x.birleşikler, QList<QString>{"A1:G1"});
    EXPECT_EQ(x.metin("A3"), "07.03.2026");
    EXPECT_FALSE(x.hücre("D3").sayı);
    EXPECT_TRUE(x.hücre("E3").sayı);
    EXPECT_EQ(x.sonSatır, 92);
    EXPECT_TRUE(x.sayfaGenişliğineSığar);

    // As a PDF through the "PDF" printer: every row is there, on two pages.
    yazdırma::kaydediciyeYönlendir(nullptr);
    ASSERT_TRUE(yazdırma::geçerliYazıcıyıDeğiştir(yazdırma::PdfYazıcısıAdı));
    yazdır(p.YazdırDüğmesi);
    ASSERT_EQ(açılanlar.sayı(), 2);
    ASSERT_TRUE(açılanlar[1].endsWith(".pdf"));
    QProcess pdf;
    pdf.start("pdftotext", {"-layout", açılanlar[1], "-"});
    ASSERT_TRUE(pdf.waitForFinished(30000));
    const QString metin = QString::fromUtf8(pdf.readAllStandardOutput());
    EXPECT_EQ(metin.count("BORA GIDA"), 90);
    EXPECT_EQ(metin.count(QChar('\f')), 2);
    EXPECT_TRUE(metin.contains("Sayfa - 2"));
}

TEST_F(RaporTesti, AnaPencereninÖğeleriPencereleriAçar)
{
    HareketRaporlarınıKaydet();
    for (const char* ad : {"ÇıkışNedenineGöreStokListesiMenüsü", "GünlükGirişİşlemleriListesi", "GünlükÇıkışİşlemleriListesi",
                           "GirişÇıkışYapanlaraGöreStokHareketleriMenüsü", "StoğaİadeEdilenÜrünlerListesiMenüsü"})
        EXPECT_TRUE(açıcılar::varMı(QString::fromUtf8(ad))) << ad;
    // The daily exits: the main window has set the mode before the opener runs.
    ListelerMenüsüTag = "2";
    QString başlık;
    test::Görününce kapat("GünlükGirişÇıkışHareketleriFormu", [&başlık](QWidget* w) {
        başlık = w->windowTitle();
        w->close();
    });
    açıcılar::aç("GünlükÇıkışİşlemleriListesi", nullptr);
    EXPECT_EQ(başlık, "Günlük Çıkış Hareketleri");
}

TEST_F(RaporTesti, OkunamayanListeBirKezBildirilirİlerlemePenceresiKapanır)
{
    const int çay = ürün("C-1", "ÇAY");
    giriş(çay, 1, turkce::tarihSaklama(QDate::currentDate()), 1, 1);
    db().exec("DROP TABLE SaticiFirmalarTablosu");

    test::MesajYanıtlayıcı mesajlar({"Evet", "Evet"});
    ListelerMenüsüTag = "1";
    GünlükGirişÇıkışHareketleriFormu p;
    p.İlkYükleme();
    EXPECT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(p.ToplamMiktarKutusu->text(), "0,00");
    EXPECT_EQ(test::pencere("ListeleniyorFormu"), nullptr);
    // The window stays usable: the next listing fails the same way, once.
    p.TümünüListeleDüğmesi->click();
    EXPECT_EQ(mesajlar.sayı(), 2);
    EXPECT_TRUE(p.TümünüListeleDüğmesi->isEnabled());
}
