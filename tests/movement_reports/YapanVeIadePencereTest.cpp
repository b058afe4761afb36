// The movements-by-person and returned-products windows on a real database.
#include "movement_reports/GirisCikisYapanlaraGoreStokHareketleriFormu.h"
#include "movement_reports/StogaIadeEdilenUrunlerListesiFormu.h"
#include "RaporOrtami.h"

#include "core/IadeTablosu.h"
#include "platform/Ayarlar.h"
#include "platform/TurkceMetin.h"
#include "support/PencereOrtami.h"
#include "support/XlsxOkuyucu.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace raporTest;

TEST_F(RaporTesti, KişininGirişVeÇıkışları)
{
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    const int a = firma(true, "ARDA MARKET");
    const int ayşe = kişi("AYŞE KARA");
    const int ali = kişi("ALİ VELİ");
    giriş(çay, s, Gün1, 2.5, 10, ayşe);
    giriş(çay, s, Gün2, 4, 1, ali);
    giriş(çay, s, Gün2, 9, 1, 0);  // made by nobody: under no person
    çıkış(çay, a, Gün1, 1, 12, 0, ayşe);
    çıkış(çay, 1, Gün2, 2, 13, 1, ayşe);

    GirişÇıkışYapanlaraGöreStokHareketleriFormu p;
    EXPECT_EQ(p.windowTitle(), "Giriş-Çıkış Yapanlara Göre Stok Hareketleri...");
    EXPECT_EQ(p.YazdırDüğmesi, nullptr);  // the one report without a print
    ASSERT_EQ(p.GirişÇıkışYapanlarListesi->count(), 2);
    EXPECT_EQ(p.GirişÇıkışYapanlarListesi->item(0)->text(), "AYŞE KARA");  // the table's order
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    EXPECT_TRUE(p.GirişÇıkışSeçeneği[0]->isChecked());

    // With no person chosen a change of kind only empties the list.
    p.GirişÇıkışSeçeneği[1]->setChecked(true);
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    p.GirişÇıkışSeçeneği[0]->setChecked(true);

    p.GirişÇıkışYapanBulKutusu->setText("AY");
    EXPECT_EQ(p.GirişÇıkışYapanlarListesi->currentRow(), 0);
    EXPECT_EQ(satır(p.HareketListesi, 0), (QStringList{"ÇAY", "BORA GIDA", "07.03.2026", "2,50", "10,00", "25,00"}));
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 1);

    p.GirişÇıkışSeçeneği[1]->setChecked(true);
    EXPECT_EQ(sütun(p.HareketListesi, 1), (QStringList{"ARDA MARKET", "Fişli Satış"}));

    p.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);
    const test::XlsxSayfa x = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(x.sayfaAdı, "Stok Hareketleri");
    EXPECT_EQ(x.metin("A1"), "AYŞE KARA Adlı Personelin Çıkış Hareketleri");
    EXPECT_EQ(x.birleşikler, QList<QString>{"A1:F1"});
    EXPECT_FALSE(x.hücre("C3").sayı);
    EXPECT_TRUE(x.hücre("D3").sayı);
    EXPECT_EQ(x.metin("F4"), "26");
    EXPECT_EQ(x.sonSatır, 4);
    EXPECT_FALSE(x.kılavuzÇizgileriYazdırılır);  // no printer: the sheet keeps its own page setup

    p.GirişÇıkışYapanBulKutusu->setText("Z");
    EXPECT_EQ(p.GirişÇıkışYapanlarListesi->currentRow(), -1);
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    p.ListeyiExceleAktarDüğmesi->click();  // an empty list exports nothing
    EXPECT_EQ(açılanlar.sayı(), 1);
}

// Shown as the user sees it: the person list has the focus, and nothing is listed until a person is chosen.
TEST_F(RaporTesti, KişiPenceresiKimseSeçilmedenAçılır)
{
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    const int ayşe = kişi("AYŞE KARA");
    const int ali = kişi("ALİ VELİ");
    giriş(çay, s, Gün1, 2.5, 10, ayşe);
    giriş(çay, s, Gün2, 4, 1, ali);
    giriş(çay, s, Gün2, 5, 1, ali);

    GirişÇıkışYapanlaraGöreStokHareketleriFormu p;
    pencere::göster(&p);
    QCoreApplication::processEvents();
    QListWidget* kişiler = p.GirişÇıkışYapanlarListesi;
    EXPECT_TRUE(kişiler->hasFocus());
    EXPECT_EQ(kişiler->currentRow(), -1);
    EXPECT_TRUE(kişiler->selectedItems().isEmpty());
    EXPECT_EQ(p.HareketListesi->satırSayısı(), 0);
    p.ListeyiExceleAktarDüğmesi->click();
    EXPECT_EQ(açılanlar.sayı(), 0);

    // A click on a person lists that person's movements; from none chosen, the arrow down picks the first.
    QTest::mouseClick(kişiler->viewport(), Qt::LeftButton, {}, kişiler->visualItemRect(kişiler->item(1)).center());
    EXPECT_EQ(sütun(p.HareketListesi, 3), (QStringList{"4,00", "5,00"}));
    kişiler->setCurrentRow(-1);
    QTest::keyClick(kişiler, Qt::Key_Down);
    EXPECT_EQ(kişiler->currentRow(), 0);
    EXPECT_EQ(sütun(p.HareketListesi, 3), QStringList{"2,50"});
}

// With KAVRENTA_EKRAN_GORUNTUSU set to a folder, the person window as it opens is drawn into it.
TEST_F(RaporTesti, KişiPenceresiEkranGörüntüsü)
{
    const QString hedef = qEnvironmentVariable("KAVRENTA_EKRAN_GORUNTUSU");
    if (hedef.isEmpty()) GTEST_SKIP();
    pencere::programGörünümü();
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    const int ayşe = kişi("AYŞE KARA");
    kişi("ALİ VELİ");
    kişi("MEHMET YILMAZ");
    giriş(çay, s, Gün1, 2.5, 10, ayşe);
    GirişÇıkışYapanlaraGöreStokHareketleriFormu p;
    pencere::göster(&p);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.grab().save(hedef + "/shot-person-window.png"));
}

TEST_F(RaporTesti, İadeListesiTablosuzVeriTabanında)
{
    ASSERT_FALSE(TabloVar(db()));
    test::MesajYanıtlayıcı mesajlar({"Tamam"});
    StoğaİadeEdilenÜrünlerListesiFormu p;
    p.İlkYükleme();
    EXPECT_TRUE(TabloVar(db()));
    EXPECT_EQ(p.İadeBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri");
    EXPECT_EQ(mesajlar.sayı(), 0);
    p.TümünüListeleDüğmesi->click();
    EXPECT_EQ(mesajlar.sonMetin(), "Hiçbir İADENİZ bulunmuyor!");
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri");
}

TEST_F(RaporTesti, İadeListesiGünTümüYazdırmaVeAktarım)
{
    İadeTablosunuOluştur(db());
    const int çay = ürün("C-1", "ÇAY");
    const int a = firma(true, "ARDA MARKET");
    const int ç = çıkış(çay, a, Gün1, 12.5, 10, 2);
    iade(ç, Gün2, 3);
    iade(ç, Gün2, 1.5);
    iade(ç, turkce::tarihSaklama(QDate::currentDate()), 1);

    test::MesajYanıtlayıcı mesajlar({"Tamam"});
    StoğaİadeEdilenÜrünlerListesiFormu p;
    p.İlkYükleme();
    EXPECT_EQ(p.İadeBilgileriListesi->satırSayısı(), 1);  // today's
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri");

    p.TarihKutusu->setDate(QDate(2026, 3, 31));
    p.SeçilenTariheGöreListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri (31.03.2026 Tarihi İtabariyle...)");
    EXPECT_EQ(sütun(p.İadeBilgileriListesi, 7), (QStringList{"3", "1,5"}));
    EXPECT_EQ(satır(p.İadeBilgileriListesi, 0),
              (QStringList{"ARDA MARKET", "ÇAY", "07.03.2026", "12,5", "10", "Emanet", "31.03.2026", "3"}));

    p.TümünüListeleDüğmesi->click();
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri (Tüm İadeler)");
    EXPECT_EQ(p.İadeBilgileriListesi->satırSayısı(), 3);
    p.ListeyiYenileDüğmesi->click();  // repeats the list of every day under its caption
    EXPECT_EQ(p.windowTitle(), "Stoğa İade Edilen Ürün Bilgileri (Tüm İadeler)");
    EXPECT_EQ(p.İadeBilgileriListesi->satırSayısı(), 3);
    EXPECT_EQ(mesajlar.sayı(), 0);

    // The print: columns spread over the page width; the exit quantity follows the preference, the
    // returned quantity always has two decimals.
    OndalıklıMiktar = 0;
    yazdır(p.YazdırDüğmesi);
    ASSERT_EQ(kayıtlar->sayı(), 1);
    const yazdırma::KaydedilenBelge& b = kayıtlar->son();
    ASSERT_TRUE(b.metinBul("Stoğa İade Edilen Ürün Bilgileri (Tüm İadeler)"));
    EXPECT_DOUBLE_EQ(b.metinBul("Firma Adı")->x, 15);
    EXPECT_DOUBLE_EQ(b.metinBul("Ürün Adı")->x, 50);
    EXPECT_DOUBLE_EQ(b.metinBul("Nedeni")->x, 131);
    const auto* iadeMiktarı = b.metinBul("3,00");
    ASSERT_TRUE(iadeMiktarı);
    EXPECT_NEAR(iadeMiktarı->x + iadeMiktarı->genişlik, 194, 1e-6);
    EXPECT_EQ(yazılanSatır(b, 1, iadeMiktarı->y),
              (QStringList{"ARDA MARKET", "ÇAY", "07.03.2026", "13", "10,00", "Emanet", "31.03.2026", "3,00"}));

    p.ListeyiMSExceleGönderMenüsü->trigger();
    ASSERT_EQ(açılanlar.sayı(), 1);
    const test::XlsxSayfa x = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(x.sayfaAdı, "Stoğa İade Hareketleri");
    EXPECT_EQ(x.metin("A1"), "Stoğa İade Edilen Ürün Bilgileri (Tüm İadeler)");
    EXPECT_EQ(x.birleşikler, QList<QString>{"A1:H1"});
    EXPECT_DOUBLE_EQ(x.satırYükseklikleri.value(2), 30);
    EXPECT_TRUE(x.hücre("D3").sayı);
    EXPECT_EQ(x.metin("D3"), "12.5");
    EXPECT_FALSE(x.hücre("F3").sayı);
    EXPECT_TRUE(x.hücre("H3").sayı);
    EXPECT_TRUE(x.sayfaGenişliğineSığar);
}

// The date box takes a typed day after a click anywhere in it, and the by-date list lists that day.
TEST_F(RaporTesti, İadeListesininTarihiYazılır)
{
    İadeTablosunuOluştur(db());
    const int ç = çıkış(ürün("C-1", "ÇAY"), firma(true, "ARDA MARKET"), Gün1, 12.5, 10, 2);
    iade(ç, Gün2, 3);

    test::MesajYanıtlayıcı mesajlar({"Tamam"});
    StoğaİadeEdilenÜrünlerListesiFormu p;
    p.İlkYükleme();
    pencere::göster(&p);
    p.TarihKutusu->setDate(QDate(2026, 1, 15));
    QLineEdit* metin = p.TarihKutusu->findChild<QLineEdit*>();
    QTest::mouseClick(metin, Qt::LeftButton, {}, QPoint(metin->width() - 4, metin->height() / 2));  // on the year
    ASSERT_TRUE(p.TarihKutusu->hasFocus());
    QTest::keyClicks(p.TarihKutusu, "31032026");
    EXPECT_EQ(p.TarihKutusu->date().toString(Qt::ISODate).toStdString(), "2026-03-31");
    p.SeçilenTariheGöreListeleDüğmesi->click();
    EXPECT_EQ(mesajlar.sayı(), 0);
    EXPECT_EQ(sütun(p.İadeBilgileriListesi, 6), QStringList{"31.03.2026"});
}

TEST_F(RaporTesti, SütunDüzeniPencereninKendiBölümünde)
{
    ayarlar::yaz("Listeler\\Liste-10", "Genislik-2", "2000");
    ayarlar::yaz("Listeler\\Liste-9", "Konum-1", "2");
    ayarlar::yaz("Listeler\\Liste-9", "Konum-2", "1");
    {
        GirişÇıkışYapanlaraGöreStokHareketleriFormu p;
        EXPECT_EQ(p.HareketListesi->sütunGenişliğiTwips(1), 2000);
        EXPECT_EQ(p.HareketListesi->sütunGenişliğiTwips(0), 1500);
    }
    StoğaİadeEdilenÜrünlerListesiFormu p;
    EXPECT_EQ(p.İadeBilgileriListesi->sütunKonumu(0), 1);
    EXPECT_EQ(p.İadeBilgileriListesi->sütunGenişliğiTwips(5), 1400);
}

TEST_F(RaporTesti, KişilerOkunamazsaBildirilirPencereAçılır)
{
    db().exec("DROP TABLE GirisCikisYapanlarTablosu");
    test::MesajYanıtlayıcı mesajlar({"Evet"});
    GirişÇıkışYapanlaraGöreStokHareketleriFormu p;
    EXPECT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(p.GirişÇıkışYapanlarListesi->count(), 0);
}
