#include "CekirdekOrtami.h"

#include "core/BaslangicModulu.h"
#include "core/VeritabaninaBaglanFormu.h"
#include "platform/Ayarlar.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class BağlanTesti : public ÇekirdekTesti {
protected:
    void SetUp() override
    {
        ÇekirdekTesti::SetUp();
        ana = new AnaForm();
        ana->show();
    }

    QString etiket() const { return form.findChild<QLabel*>("Etiket")->text(); }
    QPushButton* yenidenDene() const { return form.findChild<QPushButton*>("YenidenDeneDüğmesi"); }
    QPushButton* vazgeç() const { return form.findChild<QPushButton*>("VazgeçDüğmesi"); }
    QStringList sunucularAyarı() const
    {
        QStringList l;
        for (const auto& [anahtar, değer] : ayarlar::tümü("Sunucular")) l << anahtar + "=" + değer;
        return l;
    }

    AnaForm* ana = nullptr;
    VeritabanınaBağlanFormu form;
};

}  // namespace

TEST_F(BağlanTesti, HatırlananSunucuyaBağlanır)
{
    test::SunucuKlasörü birinci(test::SunucuKlasörü::Düzen::Güncel, false);
    test::SunucuKlasörü ikinci(test::SunucuKlasörü::Düzen::Güncel, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", birinci.yol());
    ayarlar::yaz("Sunucular", "Sunucu-2", ikinci.yol());
    ayarlar::yaz("Ayarlar", "Veritabani", "1");
    test::MesajYanıtlayıcı yanıt;
    form.show();
    ASSERT_TRUE(test::bekle([] { return bool(AçıkVeritabanı); }));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(yanıt.sayı(), 0);
    EXPECT_EQ(SunucuYolu, ikinci.yol());
    EXPECT_EQ(AçıkVeritabanı->path(), ikinci.veritabanıYolu());
    EXPECT_EQ(ana->DurumPaneli(2)->text(), "   Veritabanı bağlantısı tamam!");
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "1");
}

TEST_F(BağlanTesti, GeçersizSıraİlkSunucuyuSeçer)
{
    test::SunucuKlasörü birinci(test::SunucuKlasörü::Düzen::Güncel, false);
    test::SunucuKlasörü ikinci(test::SunucuKlasörü::Düzen::Güncel, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", birinci.yol());
    ayarlar::yaz("Sunucular", "Sunucu-2", ikinci.yol());
    for (const char* sıra : {"2", "-1", "abc"}) {
        ayarlar::yaz("Ayarlar", "Veritabani", sıra);
        AçıkVeritabanı.reset();
        VeritabanınaBağlanFormu f;
        f.VeritabanınaBağlan();
        ASSERT_TRUE(AçıkVeritabanı) << sıra;
        EXPECT_EQ(SunucuYolu, birinci.yol()) << sıra;
        EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "0") << sıra;
    }
}

TEST_F(BağlanTesti, BulunamayınGözatılırYanlışKlasörTekrarSorulur)
{
    test::SunucuKlasörü boş(test::SunucuKlasörü::Düzen::Yok, false);
    test::SunucuKlasörü doğru(test::SunucuKlasörü::Düzen::Güncel, false);
    klasörSeçimleri({boş.yol(), doğru.yol() + "/"});
    test::MesajYanıtlayıcı yanıt({"Evet"});
    form.VeritabanınaBağlan();
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_EQ(yanıt.görülenler()[0].metin, "Veritabanının ağ üzerindeki yeri bulunamadı.\nŞimdi, bulmak ister misiniz?");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Soru);
    EXPECT_EQ(yanıt.görülenler()[1].metin, "Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\n"
                                           "Lütfen, farklı bir SUNUCU seçip yeniden deneyiniz.");
    EXPECT_EQ(yanıt.görülenler()[1].simge, mesaj::Simge::Ünlem);
    ASSERT_TRUE(AçıkVeritabanı);
    EXPECT_EQ(SunucuYolu, doğru.yol());
    EXPECT_EQ(sunucularAyarı(), QStringList({"Sunucu-1=" + doğru.yol()}));
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "0");
    EXPECT_EQ(VeritabanınaBağlanFormu::KlasörKimliği, 1);
}

TEST_F(BağlanTesti, GözatmaİptalVeyaHayırProgramıBitirir)
{
    // "Hayır" to the question, and "Evet" followed by a cancelled browser, both unload the main window.
    for (const char* cevap : {"Hayır", "Evet"}) {
        SetUp();
        VeritabanınaBağlanFormu::KlasörKimliği = -1;
        klasörSeçimleri({});
        test::MesajYanıtlayıcı yanıt({cevap});
        VeritabanınaBağlanFormu f;
        f.show();
        ASSERT_TRUE(test::bekle([&] { return !ana->isVisible(); })) << cevap;
        EXPECT_FALSE(f.isVisible());
        EXPECT_FALSE(AçıkVeritabanı);
        EXPECT_EQ(yanıt.sayı(), 1) << cevap;
        EXPECT_TRUE(ayarlar::anahtarlar("Sunucular").isEmpty());
        EXPECT_EQ(VeritabanınaBağlanFormu::KlasörKimliği, QString(cevap) == "Evet" ? 0 : -1);
        // The main window saved its placement on the way out, without asking.
        EXPECT_EQ(ayarlar::oku("Ayarlar", "Baslama Konumu"), "0");
    }
}

TEST_F(BağlanTesti, UlaşılamayanSunucuUnutulurYenidenDeneSorar)
{
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Güncel, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", sunucu.yol() + "/paylaşım-yok");
    ayarlar::yaz("Sunucular", "Sunucu-2", sunucu.yol());
    ayarlar::yaz("Ayarlar", "Veritabani", "0");
    test::MesajYanıtlayıcı yanıt;
    form.VeritabanınaBağlan();
    EXPECT_EQ(yanıt.sayı(), 0);
    EXPECT_EQ(etiket(), "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_TRUE(yenidenDene()->isEnabled());
    EXPECT_FALSE(AçıkVeritabanı);
    EXPECT_TRUE(sunucularAyarı().isEmpty());
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "0");
    EXPECT_EQ(SunucuYolu, sunucu.yol() + "/paylaşım-yok");

    // Retry: nothing is remembered now, so it asks; the user browses to the right folder.
    klasörSeçimleri({sunucu.yol()});
    yanıt.ekle("Evet");
    yenidenDene()->click();
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), VeritabanınaBağlanFormu::SunucuSorusu);
    ASSERT_TRUE(AçıkVeritabanı);
    EXPECT_EQ(sunucularAyarı(), QStringList({"Sunucu-1=" + sunucu.yol()}));
}

TEST_F(BağlanTesti, AçmaHatalarıEtikettegösterilir)
{
    test::SunucuKlasörü dosyasız(test::SunucuKlasörü::Düzen::Yok, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", dosyasız.yol());
    form.VeritabanınaBağlan();
    EXPECT_EQ(etiket(), "Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(VeritabanınaBağlanFormu::AçmaHatasıMetni(3051), "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(VeritabanınaBağlanFormu::AçmaHatasıMetni(3055), "Dosya adı geçersiz. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(VeritabanınaBağlanFormu::AçmaHatasıMetni(3043), VeritabanınaBağlanFormu::AçmaHatasıMetni(3044));

    // A file that is not a database: the general text and the reporter's question; "Evet" leaves the window
    // in its failed state.
    QFile bozuk(dosyasız.veritabanıYolu());
    ASSERT_TRUE(bozuk.open(QIODevice::WriteOnly));
    bozuk.write(QByteArray(8192, 'x'));
    bozuk.close();
    ayarlar::yaz("Sunucular", "Sunucu-1", dosyasız.yol());
    {
        VeritabanınaBağlanFormu f;
        test::MesajYanıtlayıcı yanıt({"Evet"});
        f.VeritabanınaBağlan();
        EXPECT_EQ(f.findChild<QLabel*>("Etiket")->text(), "Bir hata dolayısıyla veritabanına bağlanılamadı!");
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.görülenler()[0].başlık, "Hata oluştu!");
        EXPECT_TRUE(f.findChild<QPushButton*>("YenidenDeneDüğmesi")->isEnabled());
        EXPECT_FALSE(AçıkVeritabanı);
        EXPECT_TRUE(sunucularAyarı().isEmpty());
    }

    // "Hayır" ends the program.
    ayarlar::yaz("Sunucular", "Sunucu-1", dosyasız.yol());
    VeritabanınaBağlanFormu g;
    test::MesajYanıtlayıcı hayır({"Hayır"});
    EXPECT_THROW(g.VeritabanınaBağlan(), test::ProgramBitti);
}

TEST_F(BağlanTesti, VazgeçSorarHayırKalırEvetÇıkar)
{
    test::SunucuKlasörü dosyasız(test::SunucuKlasörü::Düzen::Yok, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", dosyasız.yol());
    form.show();
    ASSERT_TRUE(test::bekle([&] { return yenidenDene()->isEnabled(); }));
    {
        test::MesajYanıtlayıcı yanıt({"Hayır"});
        vazgeç()->click();
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(),
                  "Veritabanına bağlanmadan programı kullanamazsınız!\nŞimdi, programdan çıkmak istiyor musunuz?");
        EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Soru);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(ana->isVisible());
    }
    // Esc is the same button.
    test::MesajYanıtlayıcı yanıt({"Evet"});
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(yanıt.sayı(), 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(ana->isVisible());
}

TEST_F(BağlanTesti, ŞifreYokUyarıAçıkkenUyarıListesiAçılır)
{
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Güncel, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", sunucu.yol());
    int açıldı = 0;
    açıcılar::kaydet("StokListesiUyarısı", [&](QWidget* sahip) {
        ++açıldı;
        EXPECT_EQ(sahip, ana);
        EXPECT_EQ(StokListesiTürü, 1);
        EXPECT_TRUE(AçıkVeritabanı);
    });
    form.VeritabanınaBağlan();
    EXPECT_EQ(açıldı, 0);  // the warning is off

    AçıkVeritabanı.reset();
    UyarıVar = 1;
    VeritabanınaBağlanFormu f;
    f.VeritabanınaBağlan();
    EXPECT_EQ(açıldı, 1);
}
