#include "CekirdekOrtami.h"

#include "platform/Ayarlar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolBar>

namespace {

class AnaFormTesti : public ÇekirdekTesti {
protected:
    AnaForm* yükle()
    {
        BaşlıkMetni = "Velnaro - Kavrenta 1.00 (İstemci)";
        auto* a = new AnaForm();
        a->Form_Load();
        return a;
    }
    static QSize ekran() { return QGuiApplication::primaryScreen()->geometry().size(); }
    // Records which opener ran, with the globals its row sets.
    QStringList açılanlar;
    void hepsiniKaydet()
    {
        for (const char* ad :
             {"GirişŞifresiBelirleDeğiştirMenüsü", "TercihlerMenüsü", "FaturaAyarlarıMenüsü", "FaturaYazdırMenüsü",
              "SunucuDeğiştirMenüsü", "ÜrünTanımlaMenüsü", "SatıcıFirmaTanımlaMenüsü", "AlıcıFirmaTanımlaMenüsü",
              "StoğaGirişYapMenüsü", "StoktanÇıkışYapMenüsü", "ÜrünlereGöreStokHareketleriMenüsü",
              "GirişÇıkışYapanlaraGöreStokHareketleriMenüsü", "GüncelStokListesiMenüsü",
              "ÇıkışNedenineGöreStokListesiMenüsü", "SatıcıFirmalaraGöreStokListesi", "AlıcıFirmalaraGöreStokListesi",
              "MevcuduAzalanÜrünlerListesiMenüsü", "GünlükGirişİşlemleriListesi", "GünlükÇıkışİşlemleriListesi",
              "StoğaİadeEdilenÜrünlerListesiMenüsü", "KarListesiMenüsü", "HataBildirmeMenüsü", "HakkındaMenüsü",
              "TanımlamaSeçFormu"}) {
            const QString ad_ = QString::fromUtf8(ad);
            açıcılar::kaydet(ad_, [this, ad_](QWidget* sahip) {
                EXPECT_EQ(sahip, AnaForm::örnek()) << ad_.toStdString();
                açılanlar << ad_;
            });
        }
    }
};

}  // namespace

TEST_F(AnaFormTesti, MenülerKısayollarıylaKurulur)
{
    AnaForm* ana = yükle();
    const QList<std::pair<const char*, QKeySequence>> beklenen = {
        {"GirişŞifresiBelirleDeğiştirMenüsü", QKeySequence("Ctrl+G")},
        {"TercihlerMenüsü", QKeySequence("Ctrl+T")},
        {"FaturaAyarlarıMenüsü", QKeySequence("Ctrl+R")},
        {"FaturaYazdırMenüsü", QKeySequence("Ctrl+Y")},
        {"SunucuDeğiştirMenüsü", QKeySequence()},
        {"ÇıkışMenüsü", QKeySequence()},
        {"ÜrünTanımlaMenüsü", QKeySequence("Ctrl+F1")},
        {"SatıcıFirmaTanımlaMenüsü", QKeySequence("Ctrl+F2")},
        {"AlıcıFirmaTanımlaMenüsü", QKeySequence("Ctrl+F3")},
        {"StoğaGirişYapMenüsü", QKeySequence("F2")},
        {"StoktanÇıkışYapMenüsü", QKeySequence("F3")},
        {"ÜrünlereGöreStokHareketleriMenüsü", QKeySequence("F4")},
        {"GirişÇıkışYapanlaraGöreStokHareketleriMenüsü", QKeySequence()},
        {"GüncelStokListesiMenüsü", QKeySequence("F5")},
        {"ÇıkışNedenineGöreStokListesiMenüsü", QKeySequence("F6")},
        {"SatıcıFirmalaraGöreStokListesi", QKeySequence("F7")},
        {"AlıcıFirmalaraGöreStokListesi", QKeySequence("F8")},
        {"MevcuduAzalanÜrünlerListesiMenüsü", QKeySequence("F9")},
        {"GünlükGirişİşlemleriListesi", QKeySequence("Ctrl+I")},
        {"GünlükÇıkışİşlemleriListesi", QKeySequence("Ctrl+K")},
        {"StoğaİadeEdilenÜrünlerListesiMenüsü", QKeySequence("Ctrl+L")},
        {"KarListesiMenüsü", QKeySequence("Ctrl+D")},
        {"HataBildirmeMenüsü", QKeySequence()},
        {"HakkındaMenüsü", QKeySequence()},
    };
    for (const auto& [ad, kısayol] : beklenen) {
        QAction* öğe = ana->menüÖğesi(QString::fromUtf8(ad));
        ASSERT_NE(öğe, nullptr) << ad;
        EXPECT_EQ(öğe->shortcut(), kısayol) << ad;
    }
    EXPECT_EQ(ana->menüÖğesi("KarListesiMenüsü")->text(), "Dönemsel Kâr Listesi");
    EXPECT_EQ(ana->menüÖğesi("AlıcıFirmaTanımlaMenüsü")->text(), "&Alıcı (Müşteri) Firma Tanımla...");
    EXPECT_EQ(ana->menüÖğesi("GirişŞifresiBelirleDeğiştirMenüsü")->text(), "Giriş Şifresi Belirle...");
    QStringList üstMenüler;
    for (QAction* a : ana->menuBar()->actions()) üstMenüler << a->text();
    EXPECT_EQ(üstMenüler, QStringList({"&Program", "&Stok İşlemleri", "&Listeler", "&Yardım"}));
    EXPECT_EQ(ana->findChild<QMenu*>("StokHareketleriMenüsü")->title(), "Stok &Hareketleri");
}

TEST_F(AnaFormTesti, KısayollarAçıcılarıDeğerleriyleÇalıştırır)
{
    hepsiniKaydet();
    AnaForm* ana = yükle();
    ana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ana));

    QTest::keyClick(ana, Qt::Key_F7);
    EXPECT_EQ(SeçiliFirmaTablosu, "SaticiFirmalarTablosu ");
    QTest::keyClick(ana, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(SeçiliFirmaTablosu, "AliciFirmalarTablosu ");
    StokListesiTürü = 7;
    QTest::keyClick(ana, Qt::Key_F5);
    EXPECT_EQ(StokListesiTürü, 0);
    QTest::keyClick(ana, Qt::Key_F9);
    EXPECT_EQ(StokListesiTürü, 1);
    QTest::keyClick(ana, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(ListelerMenüsüTag, "2");
    EXPECT_EQ(ana->findChild<QMenu*>("ListelerMenüsü")->property("Tag").toString(), "2");
    QTest::keyClick(ana, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(ListelerMenüsüTag, "1");
    QTest::keyClick(ana, Qt::Key_F2);
    QTest::keyClick(ana, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(açılanlar, QStringList({"SatıcıFirmalaraGöreStokListesi", "AlıcıFirmaTanımlaMenüsü", "GüncelStokListesiMenüsü",
                                      "MevcuduAzalanÜrünlerListesiMenüsü", "GünlükÇıkışİşlemleriListesi",
                                      "GünlükGirişİşlemleriListesi", "StoğaGirişYapMenüsü", "KarListesiMenüsü"}));

    // An item without an opener does nothing.
    açıcılar::temizle();
    EXPECT_NO_THROW(ana->menüÖğesi("HakkındaMenüsü")->trigger());
    EXPECT_TRUE(ana->isVisible());
}

TEST_F(AnaFormTesti, DüğmeÇubuğuVeYazıcıDenetimi)
{
    hepsiniKaydet();
    AnaForm* ana = yükle();
    auto* çubuk = ana->findChild<QToolBar*>("DüğmeÇubuğu");
    ASSERT_NE(çubuk, nullptr);
    const QList<QAction*> düğmeler = çubuk->actions();
    ASSERT_EQ(düğmeler.size(), 10);
    QStringList başlıklar;
    for (QAction* d : düğmeler) başlıklar << (d->isSeparator() ? "-" : d->text());
    EXPECT_EQ(başlıklar, QStringList({"-", "Tanımlamalar", "-", " Stoğa Giriş", " Stoktan Çıkış", "Hareketler", "-",
                                      "Fatura Yazdır", "-", "Tercihler"}));
    EXPECT_EQ(düğmeler[9]->toolTip(), "Programı kişisel tercihlere göre ayarlama");
    EXPECT_FALSE(düğmeler[1]->icon().isNull());

    for (int i = 1; i <= 10; ++i) ana->DüğmeÇubuğu_ButtonClick(i);
    EXPECT_EQ(açılanlar, QStringList({"TanımlamaSeçFormu", "StoğaGirişYapMenüsü", "StoktanÇıkışYapMenüsü",
                                      "ÜrünlereGöreStokHareketleriMenüsü", "FaturaYazdırMenüsü", "TercihlerMenüsü"}));

    // No printer: button 8 and the invoice settings show the message and open nothing; the invoice
    // printing item opens without the check.
    açılanlar.clear();
    YazıcıVar = false;
    test::MesajYanıtlayıcı yanıt;
    ana->DüğmeÇubuğu_ButtonClick(8);
    ana->menüÖğesi("FaturaAyarlarıMenüsü")->trigger();
    ana->menüÖğesi("FaturaYazdırMenüsü")->trigger();
    EXPECT_EQ(açılanlar, QStringList({"FaturaYazdırMenüsü"}));
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_EQ(yanıt.sonMetin(), "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen bir yazıcı yükleyip tekrar deneyiniz.");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Ünlem);
}

TEST_F(AnaFormTesti, DurumÇubuğuVeŞifreMenüsüBaşlığı)
{
    AnaForm* ana = yükle();
    for (int i = 1; i <= 5; ++i) ASSERT_NE(ana->DurumPaneli(i), nullptr) << i;
    EXPECT_EQ(ana->DurumPaneli(3)->text(), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(ana->DurumPaneli(1)->text(), "");
    AnaForm::DurumPaneliniYaz(2, "   Veritabanı bağlantısı tamam!");
    EXPECT_EQ(ana->DurumPaneli(2)->text(), "   Veritabanı bağlantısı tamam!");

    // The caption follows the password as soon as a window opened from here closes.
    açıcılar::kaydet("GirişŞifresiBelirleDeğiştirMenüsü", [](QWidget*) { GirişŞifresiSor = true; });
    ana->menüÖğesi("GirişŞifresiBelirleDeğiştirMenüsü")->trigger();
    EXPECT_EQ(ana->menüÖğesi("GirişŞifresiBelirleDeğiştirMenüsü")->text(), "Giriş Şifresi Değiştir...");
    GirişŞifresiSor = false;
    ana->Form_Activate();
    EXPECT_EQ(ana->menüÖğesi("GirişŞifresiBelirleDeğiştirMenüsü")->text(), "Giriş Şifresi Belirle...");

    const QList<QPixmap>& oklar = AnaForm::ListeSütunuSimgeleri();
    ASSERT_EQ(oklar.size(), 2);
    EXPECT_EQ(oklar[0].size(), QSize(16, 16));
    EXPECT_NE(oklar[0].toImage(), oklar[1].toImage());
}

TEST_F(AnaFormTesti, İlkBaşlangıçYerleşimi)
{
    AnaForm* ana = yükle();
    EXPECT_FALSE(ana->isMaximized());
    EXPECT_EQ(ana->windowTitle(), "Velnaro - Kavrenta 1.00 (İstemci)");
    // The whole screen width from the left edge, the screen height less 400 twips, the top edge at 0.
    EXPECT_EQ(ana->x(), 0);
    EXPECT_EQ(ana->y(), 0);
    EXPECT_EQ(ana->width(), ekran().width());
    EXPECT_EQ(ana->height(), qRound((ekran().height() * 15 - 400) / 15.0));
}

TEST_F(AnaFormTesti, YerleşimGidipGelir)
{
    AnaForm* ana = yükle();
    ana->setGeometry(30, 45, 600, 420);
    ana->Boşalt();  // the exit item: no question
    EXPECT_FALSE(ana->isVisible());
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Yukseklik"), "6300");
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Genislik"), "9000");
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Sol Bosluk"), QString::number(ana->x() * 15));
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Ust Bosluk"), QString::number(ana->y() * 15));
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Baslama Konumu"), "0");
    const QPoint konum = ana->pos();
    delete ana;

    AnaForm* yeni = yükle();
    EXPECT_EQ(yeni->size(), QSize(600, 420));
    EXPECT_EQ(yeni->pos(), konum);
    delete yeni;

    // Values written with a decimal comma or point are read alike; "2" maximises and reads nothing else.
    ayarlar::yaz("Ayarlar", "Yukseklik", "6000,4");
    ayarlar::yaz("Ayarlar", "Genislik", "7500.2");
    yeni = yükle();
    EXPECT_EQ(yeni->size(), QSize(500, 400));
    delete yeni;
    ayarlar::yaz("Ayarlar", "Baslama Konumu", "2");
    ayarlar::yaz("Ayarlar", "Yukseklik", "abc");
    test::MesajYanıtlayıcı yanıt;
    yeni = yükle();
    EXPECT_TRUE(yeni->isMaximized());
    EXPECT_EQ(yanıt.sayı(), 0);
}

TEST_F(AnaFormTesti, OkunamayanYerleşimDeğeriBildirilirTasarımDeğeriKalır)
{
    ayarlar::yaz("Ayarlar", "Yukseklik", "yüksek");
    test::MesajYanıtlayıcı yanıt({"Evet"});
    AnaForm* ana = yükle();
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_TRUE(yanıt.sonMetin().contains("Yukseklik"));
    EXPECT_EQ(yanıt.görülenler()[0].başlık, "Hata oluştu!");
    EXPECT_EQ(ana->height(), 600);  // the designed height
    EXPECT_EQ(ana->width(), ekran().width());
    EXPECT_TRUE(ana->isVisible());
}

TEST_F(AnaFormTesti, ÇıkışSorusu)
{
    AnaForm* ana = yükle();
    ana->setGeometry(10, 20, 500, 400);
    {
        test::MesajYanıtlayıcı yanıt({"Hayır"});
        ana->close();  // the close box
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(), "Programdan çıkmak istiyor musunuz?");
        EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Soru);
        EXPECT_TRUE(ana->isVisible());
        EXPECT_TRUE(ayarlar::anahtarlar("Ayarlar").isEmpty());
    }
    // Closing while maximised keeps the normal-state geometry stored before.
    ayarlar::yaz("Ayarlar", "Yukseklik", "1234");
    ana->showMaximized();
    bool boşaltıldı = false;
    ana->boşaltılınca([&] { boşaltıldı = true; });
    test::MesajYanıtlayıcı yanıt({"Evet"});
    ana->close();
    EXPECT_EQ(yanıt.sayı(), 1);
    EXPECT_FALSE(ana->isVisible());
    EXPECT_TRUE(boşaltıldı);
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Baslama Konumu"), "2");
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Yukseklik"), "1234");
    EXPECT_EQ(ayarlar::anahtarlar("Ayarlar").size(), 2);
}

TEST_F(AnaFormTesti, KüçültülmüşkenKapatmaYerleşimYazmaz)
{
    AnaForm* ana = yükle();
    ana->showMinimized();
    ASSERT_TRUE(test::bekle([&] { return ana->isMinimized(); }));
    test::MesajYanıtlayıcı yanıt({"Evet"});
    ana->close();
    EXPECT_EQ(yanıt.sayı(), 1);
    EXPECT_FALSE(ana->isVisible());
    EXPECT_TRUE(ayarlar::anahtarlar("Ayarlar").isEmpty());
}

TEST_F(AnaFormTesti, ÇıkışMenüsüDiğerPencereleriKapatır)
{
    AnaForm* ana = yükle();
    QWidget başka;
    başka.show();
    test::MesajYanıtlayıcı yanıt;
    ana->menüÖğesi("ÇıkışMenüsü")->trigger();
    EXPECT_EQ(yanıt.sayı(), 0);
    EXPECT_FALSE(ana->isVisible());
    EXPECT_FALSE(başka.isVisible());
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Baslama Konumu"), "0");
}

TEST(Kaynaklar, SimgelerVeResimlerYüklenir)
{
    for (const char* ad : {"KARSILAMA", "TANIMLA", "GIRIS", "CIKIS", "HAREKET", "YAZICI", "AYARLAR", "BAGLAN", "BAGLANMA"})
        EXPECT_FALSE(QPixmap(QStringLiteral(":/%1.png").arg(ad)).isNull()) << ad;
}
