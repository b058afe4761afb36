#include "CekirdekOrtami.h"

#include "core/BaslangicModulu.h"
#include "core/CekirdekPencereler.h"
#include "core/GirisSifresiFormlari.h"
#include "core/OrtakYordamlar.h"
#include "platform/Ayarlar.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

class ŞifreTesti : public ÇekirdekTesti {
protected:
    void SetUp() override
    {
        ÇekirdekTesti::SetUp();
        BaşlıkMetni = "Velnaro - Kavrenta 1.00 (İstemci)";
        ana = new AnaForm();
        ana->Form_Load();
    }
    static QLineEdit* kutu(QWidget* w, const char* ad) { return w->findChild<QLineEdit*>(ad); }
    static QPushButton* düğme(QWidget* w, const char* ad) { return w->findChild<QPushButton*>(ad); }
    static QString ayar(const char* anahtar) { return ayarlar::oku("Ayarlar", anahtar); }
    // Types the password and its confirmation and presses Enter (the default button).
    static void yaz(QWidget* w, const QString& şifre, const QString& doğrula)
    {
        kutu(w, "ŞifreKutusu")->clear();
        kutu(w, "ŞifreDoğrulaKutusu")->clear();
        QTest::keyClicks(kutu(w, "ŞifreKutusu"), şifre);
        QTest::keyClicks(kutu(w, "ŞifreDoğrulaKutusu"), doğrula);
        QTest::keyClick(kutu(w, "ŞifreDoğrulaKutusu"), Qt::Key_Return);
    }
    AnaForm* ana = nullptr;
};

}  // namespace

TEST(ŞifreDönüştür, SaklananBiçimVeGeriDönüş)
{
    EXPECT_EQ(ŞifreDönüştür("1234", ŞifreTablosu, ŞifreAnahtarı), "4465");
    EXPECT_EQ(ŞifreDönüştür("", ŞifreTablosu, ŞifreAnahtarı), "");
    QRandomGenerator üreteç(7);
    for (int i = 0; i < 200; ++i) {
        QString şifre;
        const int uzunluk = 4 + int(üreteç.bounded(7));
        for (int j = 0; j < uzunluk; ++j) şifre += QChar('0' + int(üreteç.bounded(10)));
        const QString saklanan = ŞifreDönüştür(şifre, ŞifreTablosu, ŞifreAnahtarı);
        EXPECT_EQ(saklanan.size(), şifre.size());
        EXPECT_EQ(ŞifreDönüştür(saklanan, ŞifreTablosu, ŞifreAnahtarı), şifre);
    }
    // A character outside the table gives nothing, and the key still moves on.
    EXPECT_EQ(ŞifreDönüştür("1x34", ŞifreTablosu, ŞifreAnahtarı), "465");
}

TEST_F(ŞifreTesti, ŞifreBelirlenirDenetimleriyle)
{
    GirişŞifresiBelirleDeğiştirFormu f(ana);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Giriş Şifresi Belirle");
    EXPECT_EQ(f.findChild<QLabel*>("Etiket(0)")->text(), "Şifre :");
    EXPECT_EQ(düğme(&f, "İptalDüğmesi")->text(), "İptal");
    EXPECT_EQ(kutu(&f, "ŞifreKutusu")->echoMode(), QLineEdit::Password);

    struct Durum {
        QString şifre, doğrula, mesaj;
        const char* odak;
    };
    const Durum durumlar[] = {
        {"", "", "Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!", "ŞifreKutusu"},
        {"123", "123", "Şifre en az 4 rakam olmalıdır!", "ŞifreKutusu"},
        {"1234", "", "Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!", "ŞifreDoğrulaKutusu"},
        {"1234", "1243", "Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen kontrol ediniz.", "ŞifreDoğrulaKutusu"},
    };
    for (const Durum& d : durumlar) {
        test::MesajYanıtlayıcı yanıt;
        yaz(&f, d.şifre, d.doğrula);
        ASSERT_EQ(yanıt.sayı(), 1) << d.mesaj.toStdString();
        EXPECT_EQ(yanıt.sonMetin(), d.mesaj);
        EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Bilgi);
        EXPECT_EQ(f.focusWidget(), kutu(&f, d.odak)) << d.odak;
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(ayarlar::anahtarlar("Ayarlar").filter("Giris").isEmpty());
    }

    test::MesajYanıtlayıcı yanıt;
    yaz(&f, "1234", "1234");
    EXPECT_EQ(yanıt.sayı(), 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(GirişŞifresiSor);
    EXPECT_EQ(ayar("Giris Sifresi Sor"), "-1");
    EXPECT_EQ(ayar("Giris Sifresi"), "4465");
}

TEST_F(ŞifreTesti, KutularYalnızRakamVeEnÇokOnKarakterAlır)
{
    GirişŞifresiBelirleDeğiştirFormu f(ana);
    f.show();
    QLineEdit* şifre = kutu(&f, "ŞifreKutusu");
    QTest::keyClicks(şifre, "12ab,3 4-");
    EXPECT_EQ(şifre->text(), "1234");
    QTest::keyClick(şifre, Qt::Key_Backspace);
    EXPECT_EQ(şifre->text(), "123");
    şifre->clear();
    QTest::keyClicks(şifre, "123456789012");
    EXPECT_EQ(şifre->text(), "1234567890");

    // Pasted text goes through the same filter: "12ab34" can never be stored as a password the prompt
    // cannot take.
    QApplication::clipboard()->setText("12ab34");
    şifre->clear();
    şifre->paste();
    QLineEdit* doğrula = kutu(&f, "ŞifreDoğrulaKutusu");
    doğrula->paste();
    EXPECT_EQ(şifre->text(), "1234");
    EXPECT_EQ(doğrula->text(), "1234");
    düğme(&f, "TamamDüğmesi")->click();
    EXPECT_EQ(ayar("Giris Sifresi"), "4465");
}

TEST_F(ŞifreTesti, ŞifreDeğiştirilirVeKaldırılır)
{
    girişŞifresi::kaydet("1234");
    {
        GirişŞifresiBelirleDeğiştirFormu f(ana);
        f.show();
        EXPECT_EQ(f.windowTitle(), "Giriş Şifresi Değiştir");
        EXPECT_EQ(f.findChild<QLabel*>("Etiket(0)")->text(), "Yeni Şifre :");
        EXPECT_EQ(düğme(&f, "İptalDüğmesi")->text(), "Şifreyi Kaldır");
        yaz(&f, "9876543210", "9876543210");
        EXPECT_EQ(ayar("Giris Sifresi"), ŞifreDönüştür("9876543210", ŞifreTablosu, ŞifreAnahtarı));
        EXPECT_TRUE(girişŞifresi::doğruMu("9876543210"));
    }
    {
        // "Hayır" (the default) to the removal closes the window and keeps the password.
        GirişŞifresiBelirleDeğiştirFormu f(ana);
        f.show();
        test::MesajYanıtlayıcı yanıt({"Hayır"});
        düğme(&f, "İptalDüğmesi")->click();
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(), "GİRİŞ ŞİFRE'sini kaldırmak istiyor musunuz?");
        EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Soru);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(ayar("Giris Sifresi Sor"), "-1");
    }
    {
        GirişŞifresiBelirleDeğiştirFormu f(ana);
        f.show();
        test::MesajYanıtlayıcı yanıt({"Evet"});
        QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_EQ(yanıt.sayı(), 1);
        EXPECT_FALSE(f.isVisible());
        EXPECT_FALSE(GirişŞifresiSor);
        EXPECT_EQ(ayar("Giris Sifresi Sor"), "0");
        EXPECT_EQ(ayar("Giris Sifresi"), "");
    }
}

TEST_F(ŞifreTesti, ŞifreYokkenİptalSorarKapatmaKutusuDeğiştirmez)
{
    GirişŞifresiBelirleDeğiştirFormu f(ana);
    f.show();
    {
        test::MesajYanıtlayıcı yanıt({"Hayır"});
        düğme(&f, "İptalDüğmesi")->click();
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(), "GİRİŞ ŞİFRE'si belirlemek istemiyor musunuz?");
        EXPECT_TRUE(f.isVisible());  // left open for a password
        EXPECT_TRUE(ayar("Giris Sifresi Sor").isEmpty());
    }
    {
        test::MesajYanıtlayıcı yanıt;
        f.close();
        EXPECT_EQ(yanıt.sayı(), 0);
        EXPECT_FALSE(f.isVisible());
        EXPECT_TRUE(ayar("Giris Sifresi Sor").isEmpty());
    }
    f.show();
    test::MesajYanıtlayıcı yanıt({"Evet"});
    düğme(&f, "İptalDüğmesi")->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(ayar("Giris Sifresi Sor"), "0");
}

TEST_F(ŞifreTesti, AnaMenüPencereyiAçarBaşlıkŞifreyiİzler)
{
    ÇekirdekPencereleriniKaydet();
    QAction* öğe = ana->menüÖğesi("GirişŞifresiBelirleDeğiştirMenüsü");
    EXPECT_EQ(öğe->text(), "Giriş Şifresi Belirle...");
    {
        test::Görününce belirle("GirişŞifresiBelirleDeğiştirFormu", [](QWidget* w) {
            EXPECT_EQ(w->parentWidget(), AnaForm::örnek());
            yaz(w, "4321", "4321");
        });
        öğe->trigger();
        EXPECT_TRUE(belirle.olduMu());
    }
    EXPECT_EQ(öğe->text(), "Giriş Şifresi Değiştir...");
    {
        test::MesajYanıtlayıcı yanıt({"Evet"});
        test::Görününce kaldır("GirişŞifresiBelirleDeğiştirFormu",
                               [](QWidget* w) { düğme(w, "İptalDüğmesi")->click(); });
        öğe->trigger();
    }
    EXPECT_EQ(öğe->text(), "Giriş Şifresi Belirle...");
}

TEST_F(ŞifreTesti, İstemİkiYanlıştanSonraDoğruyuKabulEder)
{
    girişŞifresi::kaydet("1234");
    UyarıVar = 1;
    int liste = 0;
    açıcılar::kaydet("StokListesiUyarısı", [&](QWidget* sahip) {
        EXPECT_EQ(sahip, ana);
        EXPECT_EQ(StokListesiTürü, 1);
        ++liste;
    });
    GirişŞifresiSorFormu istem(ana);
    istem.show();
    EXPECT_EQ(istem.windowTitle(), "Giriş Şifresi");
    QLineEdit* şifre = kutu(&istem, "ŞifreKutusu");
    test::MesajYanıtlayıcı yanıt;
    for (const char* yanlış : {"12", "1111", "", "4465"}) {
        şifre->clear();
        QTest::keyClicks(şifre, yanlış);
        QTest::keyClick(şifre, Qt::Key_Return);
    }
    QStringList görülen;
    for (const auto& m : yanıt.görülenler()) görülen << m.metin;
    EXPECT_EQ(görülen, QStringList({"Şifre en az 4 rakam olmalıdır!", "Şifre yanlış!",
                                    "Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!", "Şifre yanlış!"}));
    EXPECT_EQ(istem.YanlışŞifreSayısı, 2);
    EXPECT_EQ(şifre->text(), "");
    EXPECT_EQ(liste, 0);
    QTest::keyClicks(şifre, "1234");
    QTest::keyClick(şifre, Qt::Key_Return);
    EXPECT_EQ(istem.result(), QDialog::Accepted);
    EXPECT_FALSE(istem.isVisible());
    EXPECT_TRUE(ana->isVisible());
    EXPECT_EQ(liste, 1);
}

TEST_F(ŞifreTesti, ÜçYanlışŞifreProgramıKapatır)
{
    girişŞifresi::kaydet("1234");
    GirişŞifresiSorFormu istem(ana);
    istem.show();
    test::MesajYanıtlayıcı yanıt;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(kutu(&istem, "ŞifreKutusu"), "0000");
        düğme(&istem, "TamamDüğmesi")->click();
    }
    ASSERT_EQ(yanıt.sayı(), 3);
    EXPECT_EQ(yanıt.sonMetin(), "3 kez yanlış şifre girildiği için program kapatılacak!");
    EXPECT_EQ(yanıt.görülenler()[2].simge, mesaj::Simge::Ünlem);
    EXPECT_FALSE(istem.isVisible());
    EXPECT_FALSE(ana->isVisible());
    EXPECT_EQ(ayar("Baslama Konumu"), "0");  // closed without the question, placement saved
}

TEST_F(ŞifreTesti, BaşlangıçtaİstemBağlantıdanSonraGüncellemedenÖnce)
{
    delete ana;
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Eski, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", sunucu.yol());
    girişŞifresi::kaydet("1234");
    GirişŞifresiSor = false;  // read again at the connection
    açıcılar::kaydet("TercihleriOku", [](QWidget*) { UyarıVar = 1; });
    QStringList sıra;
    açıcılar::kaydet("StokListesiUyarısı", [&](QWidget*) { sıra << "liste"; });
    test::Görününce istem("GirişŞifresiSorFormu", [&](QWidget* w) {
        sıra << "istem";
        EXPECT_EQ(test::pencere("VeritabanınaBağlanFormu"), nullptr);
        EXPECT_EQ(w->parentWidget(), AnaForm::örnek());
        EXPECT_FALSE(BaşlangıçModülü::AlanVarMı("UrunBilgileriTablosu", "Markasi"));
        QTest::keyClicks(kutu(w, "ŞifreKutusu"), "1234");
        düğme(w, "TamamDüğmesi")->click();
    });
    BaşlangıçModülü::Main();
    EXPECT_EQ(sıra, QStringList({"istem", "liste"}));
    ASSERT_NE(AnaForm::örnek(), nullptr);
    EXPECT_TRUE(AnaForm::örnek()->isVisible());
    EXPECT_TRUE(BaşlangıçModülü::AlanVarMı("UrunBilgileriTablosu", "Markasi"));
}

TEST_F(ŞifreTesti, BaşlangıçtaİstemİptalProgramıBitirirGüncellemeYineÇalışır)
{
    delete ana;
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Eski, false);
    ayarlar::yaz("Sunucular", "Sunucu-1", sunucu.yol());
    girişŞifresi::kaydet("1234");
    test::Görününce istem("GirişŞifresiSorFormu", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    test::MesajYanıtlayıcı yanıt;
    BaşlangıçModülü::Main();
    EXPECT_TRUE(istem.olduMu());
    EXPECT_EQ(yanıt.sayı(), 0);
    ASSERT_NE(AnaForm::örnek(), nullptr);
    EXPECT_FALSE(AnaForm::örnek()->isVisible());
    ASSERT_TRUE(AçıkVeritabanı);
    EXPECT_TRUE(BaşlangıçModülü::AlanVarMı("UrunBilgileriTablosu", "Markasi"));
}
