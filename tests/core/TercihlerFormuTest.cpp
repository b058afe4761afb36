#include "core/Acicilar.h"
#include "core/AyarliKutu.h"
#include "core/OrtakDegiskenler.h"
#include "core/TercihlerFormu.h"
#include "platform/Ayarlar.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

namespace A = TercihAnahtarları;

QString ayar(const QString& anahtar) { return ayarlar::oku(A::Bölüm, anahtar, QStringLiteral("(yok)")); }

QStringList kayıtlılar()
{
    return {ayar(A::ÇizgiliListeler), ayar(A::OndalıklıMiktar), ayar(A::UyarıVar), ayar(A::UyarılacakSayı),
            ayar(A::FaturaBoşKağıdaGöre)};
}

QList<int> genelDeğişkenler()
{
    return {ÇizgiliListeler, OndalıklıMiktar, UyarıVar, UyarılacakSayı, FaturaBoşKağıdaGöre};
}

void kaydet(const QStringList& değerler)
{
    const QStringList anahtarlar = {A::ÇizgiliListeler, A::OndalıklıMiktar, A::UyarıVar, A::UyarılacakSayı,
                                    A::FaturaBoşKağıdaGöre};
    for (int i = 0; i < anahtarlar.size(); ++i) ayarlar::yaz(A::Bölüm, anahtarlar[i], değerler[i]);
}

// The window shown and active, with its controls at hand.
class Tercihler : public ::testing::Test {
protected:
    void SetUp() override { test::ayarlarıTemizle(); }
    void TearDown() override { pencere.reset(); }

    void aç()
    {
        pencere = std::make_unique<TercihlerFormu>();
        pencere->show();
        pencere->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pencere.get()));
    }
    QCheckBox* onay(const char* ad) { return pencere->findChild<QCheckBox*>(QString::fromUtf8(ad)); }
    QCheckBox* çizgili() { return onay("TümListelerÇizgiliOlsunOnayı"); }
    QCheckBox* ondalıklı() { return onay("MiktarlarOndalıklıOlsunOnayı"); }
    QCheckBox* uyarı() { return onay("MevcutAzalıncaUyarılsınOnayı"); }
    QCheckBox* boşKağıt() { return onay("FaturaBoşKağıdaGöreYazdırılsınOnayı"); }
    AyarliKutu* eşik() { return pencere->findChild<AyarliKutu*>("UyarılacakSayıKutusu"); }
    QLabel* etiket() { return pencere->findChild<QLabel*>("Etiket"); }
    QPushButton* düğme(const char* ad) { return pencere->findChild<QPushButton*>(QString::fromUtf8(ad)); }
    QPushButton* tamam() { return düğme("TamamDüğmesi"); }
    void tıkla(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    std::unique_ptr<TercihlerFormu> pencere;
};

}  // namespace

TEST_F(Tercihler, İlkBaşlangıçtaVarsayılanlarGösterilir)
{
    ÇizgiliListeler = OndalıklıMiktar = UyarıVar = UyarılacakSayı = FaturaBoşKağıdaGöre = 7;
    TercihlerFormu::tercihleriOku();
    EXPECT_EQ(genelDeğişkenler(), (QList<int>{1, 1, 1, 5, 0}));

    aç();
    EXPECT_EQ(pencere->windowTitle(), "Tercihler");
    EXPECT_TRUE(çizgili()->isChecked());
    EXPECT_TRUE(ondalıklı()->isChecked());
    EXPECT_TRUE(uyarı()->isChecked());
    EXPECT_FALSE(boşKağıt()->isChecked());
    EXPECT_TRUE(eşik()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "5");
    EXPECT_EQ(eşik()->EnDusuk(), 2);
    EXPECT_EQ(eşik()->EnYuksek(), 100);
    EXPECT_TRUE(etiket()->isEnabled());
    EXPECT_FALSE(tamam()->isEnabled());
    EXPECT_TRUE(ayarlar::anahtarlar(A::Bölüm).isEmpty());  // loading writes nothing
}

TEST_F(Tercihler, KayıtlıEşikVeKapalıUyarıGösterilir)
{
    kaydet({"0", "1", "1", "12", "1"});
    aç();
    EXPECT_FALSE(çizgili()->isChecked());
    EXPECT_TRUE(boşKağıt()->isChecked());
    EXPECT_TRUE(eşik()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "12");
    EXPECT_EQ(eşik()->Value(), 12);
    EXPECT_FALSE(tamam()->isEnabled());

    // A stored "off" leaves the threshold box disabled at its first 5, which confirming stores.
    kaydet({"1", "1", "0", "0", "0"});
    aç();
    EXPECT_FALSE(uyarı()->isChecked());
    EXPECT_FALSE(eşik()->isEnabled());
    EXPECT_FALSE(etiket()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "5");
    EXPECT_FALSE(tamam()->isEnabled());
    tıkla(çizgili());
    tıkla(tamam());
    EXPECT_EQ(kayıtlılar(), (QStringList{"0", "1", "0", "5", "0"}));
}

TEST_F(Tercihler, UyarıOnayıEşiğiYönetir)
{
    kaydet({"1", "1", "1", "12", "0"});
    aç();
    tıkla(uyarı());
    EXPECT_FALSE(uyarı()->isChecked());
    EXPECT_FALSE(etiket()->isEnabled());
    EXPECT_FALSE(eşik()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "0");
    EXPECT_TRUE(tamam()->isEnabled());
    tıkla(tamam());
    EXPECT_FALSE(pencere->isVisible());
    EXPECT_EQ(pencere->result(), QDialog::Accepted);
    EXPECT_EQ(kayıtlılar(), (QStringList{"1", "1", "0", "0", "0"}));
    EXPECT_EQ(genelDeğişkenler(), (QList<int>{1, 1, 0, 0, 0}));

    // Switching it on again offers 5, whatever was stored.
    aç();
    tıkla(uyarı());
    EXPECT_TRUE(eşik()->isEnabled());
    EXPECT_TRUE(etiket()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "5");
    EXPECT_EQ(eşik()->Value(), 5);
}

TEST_F(Tercihler, İkiTıklamaTamamıAçıkBırakırVeAynıDeğerleriYazar)
{
    aç();
    tıkla(çizgili());
    tıkla(çizgili());
    EXPECT_TRUE(çizgili()->isChecked());
    EXPECT_TRUE(tamam()->isEnabled());
    tıkla(tamam());
    EXPECT_EQ(kayıtlılar(), (QStringList{"1", "1", "1", "5", "0"}));
}

TEST_F(Tercihler, YazılanEşikKaydedilirSınırDışıOnaylanamaz)
{
    test::MesajYanıtlayıcı yanıtlayıcı;
    aç();
    QLineEdit* kutu = eşik()->değerKutusu();
    tıkla(kutu);
    kutu->selectAll();
    QTest::keyClicks(kutu, "150");
    EXPECT_TRUE(tamam()->isEnabled());  // the user's typing counts as a change
    tıkla(tamam());
    ASSERT_TRUE(test::bekle([&] { return yanıtlayıcı.sayı() == 1; }));
    EXPECT_EQ(yanıtlayıcı.sonMetin(), "Belirlediğiniz değer, 2 ile 100 arasında olmalıdır!");
    QTest::qWait(20);
    EXPECT_EQ(yanıtlayıcı.sayı(), 1);  // told once
    EXPECT_TRUE(pencere->isVisible());
    EXPECT_EQ(eşik()->Text(), "100");
    EXPECT_EQ(ayar(A::UyarılacakSayı), "(yok)");

    tıkla(tamam());
    EXPECT_FALSE(pencere->isVisible());
    EXPECT_EQ(ayar(A::UyarılacakSayı), "100");
    EXPECT_EQ(UyarılacakSayı, 100);
}

TEST_F(Tercihler, SınırDışıEşikUyarıKapanıncaSorulmaz)
{
    test::MesajYanıtlayıcı yanıtlayıcı;
    aç();
    QLineEdit* kutu = eşik()->değerKutusu();
    tıkla(kutu);
    kutu->selectAll();
    QTest::keyClicks(kutu, "150");
    tıkla(uyarı());  // the warning goes off: the threshold no longer counts
    QTest::qWait(30);
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
    EXPECT_EQ(eşik()->Text(), "0");
    tıkla(tamam());
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
    EXPECT_EQ(kayıtlılar(), (QStringList{"1", "1", "0", "0", "0"}));
}

TEST_F(Tercihler, İlkAyarlarSonraTamam)
{
    kaydet({"0", "0", "0", "0", "1"});
    aç();
    tıkla(düğme("İlkAyarlarDüğmesi"));
    EXPECT_TRUE(uyarı()->isChecked());
    EXPECT_TRUE(eşik()->isEnabled());
    EXPECT_EQ(eşik()->Text(), "5");
    EXPECT_FALSE(boşKağıt()->isChecked());
    EXPECT_TRUE(tamam()->isEnabled());
    EXPECT_EQ(kayıtlılar(), (QStringList{"0", "0", "0", "0", "1"}));  // nothing stored yet
    tıkla(tamam());
    EXPECT_EQ(kayıtlılar(), (QStringList{"1", "1", "1", "5", "0"}));
    EXPECT_EQ(genelDeğişkenler(), (QList<int>{1, 1, 1, 5, 0}));
}

TEST_F(Tercihler, İptalEscVeKapatmaHiçbirŞeyYazmaz)
{
    const QStringList önce = {"0", "1", "1", "12", "1"};
    kaydet(önce);
    for (int yol = 0; yol < 3; ++yol) {
        aç();
        const QList<int> genel = genelDeğişkenler();
        tıkla(çizgili());
        tıkla(uyarı());
        tıkla(boşKağıt());
        if (yol == 0) tıkla(düğme("İptalDüğmesi"));
        else if (yol == 1) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else pencere->close();
        EXPECT_FALSE(pencere->isVisible()) << yol;
        EXPECT_EQ(pencere->result(), QDialog::Rejected) << yol;
        EXPECT_EQ(kayıtlılar(), önce) << yol;
        EXPECT_EQ(genelDeğişkenler(), genel) << yol;
    }
}

TEST_F(Tercihler, OkunamayanAyarBildirilirDeğişkenEskisiKalır)
{
    kaydet({"abc", "1", "1", "300", "0"});
    ÇizgiliListeler = 0;
    UyarılacakSayı = 9;
    test::MesajYanıtlayıcı yanıtlayıcı({"Evet", "Evet"});
    TercihlerFormu::tercihleriOku();
    ASSERT_EQ(yanıtlayıcı.sayı(), 2);
    EXPECT_TRUE(yanıtlayıcı.görülenler()[0].metin.contains("Hata Kodu: 13"));
    EXPECT_TRUE(yanıtlayıcı.görülenler()[1].metin.contains("Hata Kodu: 6"));
    EXPECT_EQ(ÇizgiliListeler, 0);
    EXPECT_EQ(UyarılacakSayı, 9);
    EXPECT_EQ(OndalıklıMiktar, 1);
}

TEST_F(Tercihler, AçıcılarKayıtlı)
{
    açıcılar::temizle();
    TercihPencereleriniKaydet();
    for (const char* ad : {"TercihleriOku", "TercihlerMenüsü", "HakkındaMenüsü", "HataBildirmeMenüsü"})
        EXPECT_TRUE(açıcılar::varMı(QString::fromUtf8(ad))) << ad;

    kaydet({"0", "0", "1", "7", "1"});
    açıcılar::aç("TercihleriOku", nullptr);
    EXPECT_EQ(genelDeğişkenler(), (QList<int>{0, 0, 1, 7, 1}));

    // The menu item shows the window modally over its owner.
    QWidget sahip;
    sahip.show();
    QPointer<QWidget> görülen;
    QWidget* görülenSahip = nullptr;
    QString görülenAd;
    QTimer::singleShot(50, [&] {
        görülen = QApplication::activeModalWidget();
        if (görülen) {
            görülenSahip = görülen->parentWidget();
            görülenAd = görülen->objectName();
        }
        if (auto* d = qobject_cast<QDialog*>(görülen.data())) d->reject();
    });
    açıcılar::aç("TercihlerMenüsü", &sahip);
    EXPECT_TRUE(görülen.isNull());  // gone with the opener
    EXPECT_EQ(görülenAd, "TercihlerFormu");
    EXPECT_EQ(görülenSahip, &sahip);
    açıcılar::temizle();
}
