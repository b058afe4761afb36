// The invoice layout window, its stored positions and the invoice font window.
#include "core/Acicilar.h"
#include "core/AyarliKutu.h"
#include "invoicing/FaturaAyarlariFormu.h"
#include "invoicing/FaturaBaskiKayit.h"
#include "invoicing/YaziTipiSecmeFormu.h"
#include "invoicing/YaziTipleriModulu.h"
#include "platform/Ayarlar.h"
#include "platform/Yazicilar.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTest>

#include <gtest/gtest.h>

using namespace fatura;

namespace {

class FaturaAyarları : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ayarlarıTemizle();
        yazdırma::sistemYazıcılarınıDeğiştir(
            QList<yazdırma::Yazıcı>{{"Ofis", "Kat 1", {210, 297}, true}, {"Geniş", "Kat 2", {297, 210}, false}});
        FaturaYazıTipiAdı.clear();
        FaturaYazıTipiBoyutu = 0;
    }
    void TearDown() override
    {
        yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
        açıcılar::temizle();
    }

    static QString kayıtlı(Konum k) { return ayarlar::oku(FaturaBölümü, QString::fromUtf8(tanım(k).anahtar)); }
    static QPushButton* düğme(QWidget* w, const char* ad) { return w->findChild<QPushButton*>(QString::fromUtf8(ad)); }
    static QString etiket(QWidget* w, const char* ad) { return w->findChild<QLabel*>(QString::fromUtf8(ad))->text(); }
};

}  // namespace

TEST_F(FaturaAyarları, KayıtlıKonumlarVeFabrikaDeğerleri)
{
    EXPECT_EQ(konumOku(Konum::MüşteriÜst), 65);
    EXPECT_EQ(konumOku(Konum::YazıSol), 30);
    ayarlar::yaz(FaturaBölümü, "Tarih Sol", " 150 ");
    ayarlar::yaz(FaturaBölümü, "Tarih Ust", "85 mm");
    ayarlar::yaz(FaturaBölümü, "Vergi Ust", "70000");
    // Numbers outside the box's bounds (a hand-edited file) print at the factory place, as the window
    // shows them; the bounds themselves are kept.
    ayarlar::yaz(FaturaBölümü, "Rakam Ust", "300");
    ayarlar::yaz(FaturaBölümü, "Musteri Adi Sol", "-500");
    ayarlar::yaz(FaturaBölümü, "Icerik Ust", "32767");
    ayarlar::yaz(FaturaBölümü, "Yazi Sol", "19");
    ayarlar::yaz(FaturaBölümü, "Yazi Ust", "270");
    ayarlar::yaz(FaturaBölümü, "Adres Genisligi", "40");
    EXPECT_EQ(konumOku(Konum::TarihSol), 150);
    EXPECT_EQ(konumOku(Konum::TarihÜst), 85);
    EXPECT_EQ(konumOku(Konum::VergiÜst), 100);
    const FaturaDüzeni d = FaturaDüzeni::kayıtlı();
    EXPECT_EQ(d[Konum::TarihSol], 150);
    EXPECT_EQ(d[Konum::RakamÜst], 255);
    EXPECT_EQ(d[Konum::MüşteriSol], 35);
    EXPECT_EQ(d[Konum::İçerikÜst], 120);
    EXPECT_EQ(d[Konum::YazıSol], 30);
    EXPECT_EQ(d[Konum::YazıÜst], 270);
    EXPECT_EQ(d[Konum::AdresGenişliği], 40);
    FaturaAyarlarıFormu p;
    for (int i = 0; i < KonumSayısı; ++i) EXPECT_EQ(p.kutu(Konum(i))->Value(), d[Konum(i)]) << tanım(Konum(i)).anahtar;
}

TEST_F(FaturaAyarları, PencereYazıcıyıVeKonumlarıGösterirKaydedilmezseHiçbirŞeyYazmaz)
{
    ayarlar::yaz(FaturaBölümü, "Adi Sol", "50");
    ayarlar::yaz(FaturaBölümü, "Miktar Sol", "doksan");  // not a number: factory value, no message
    ayarlar::yaz(FaturaBölümü, "Rakam Ust", "300");      // beyond the box: factory value
    test::MesajYanıtlayıcı mesajlar;
    {
        FaturaAyarlarıFormu p;
        EXPECT_EQ(p.windowTitle(), "Fatura Ayarları");
        EXPECT_EQ(etiket(&p, "YazıcıAdıEtiketi"), "Ofis");
        EXPECT_EQ(etiket(&p, "YazdırmaYönüEtiketi"), "Dikey");
        EXPECT_EQ(etiket(&p, "KağıtBoyutuEtiketi"), "210 x 297 mm");
        EXPECT_EQ(p.kutu(Konum::AdıSol)->Value(), 50);
        EXPECT_EQ(p.kutu(Konum::MiktarSol)->Value(), 95);
        EXPECT_EQ(p.kutu(Konum::RakamÜst)->Value(), 255);
        EXPECT_EQ(p.kutu(Konum::MüşteriÜst)->Text(), "65 mm");
        EXPECT_EQ(p.kutu(Konum::YazıSol)->EnDusuk(), 20);
        EXPECT_EQ(p.kutu(Konum::YazıSol)->EnYuksek(), 50);
        EXPECT_FALSE(düğme(&p, "TamamDüğmesi")->isEnabled());
        // The factory positions, then İptal: nothing stored.
        p.show();
        düğme(&p, "İlkAyarlarDüğmesi")->click();
        EXPECT_EQ(p.kutu(Konum::AdıSol)->Value(), 40);
        EXPECT_TRUE(düğme(&p, "TamamDüğmesi")->isEnabled());
        EXPECT_EQ(p.focusWidget(), p.kutu(Konum::MüşteriÜst)->değerKutusu());
        düğme(&p, "İptalDüğmesi")->click();
    }
    EXPECT_EQ(kayıtlı(Konum::AdıSol), "50");
    EXPECT_EQ(kayıtlı(Konum::MiktarSol), "doksan");
    EXPECT_EQ(kayıtlı(Konum::MüşteriÜst), "");
    EXPECT_EQ(mesajlar.sayı(), 0);

    // Each opening reads the printer anew: a landscape page, wider than the preview's frame.
    yazdırma::geçerliYazıcıyıDeğiştir("Geniş");
    FaturaAyarlarıFormu p;
    EXPECT_EQ(etiket(&p, "YazdırmaYönüEtiketi"), "Yatay");
    EXPECT_EQ(etiket(&p, "KağıtBoyutuEtiketi"), "297 x 210 mm");
    EXPECT_EQ(kağıtBoyutuMetni({215.9, 279.4}), "216 x 279 mm");  // whole millimetres
    QWidget* önizleme = p.findChild<QWidget*>("ÖnizlemeKutusu");
    EXPECT_LT(önizleme->x(), 0);
    EXPECT_GT(önizleme->width(), p.findChild<QGroupBox*>("Çerçeve(5)")->width());
}

TEST_F(FaturaAyarları, KullanıcınınDeğişikliğiTamamıAçarVeÖnizlemeyiÇizer)
{
    test::MesajYanıtlayıcı mesajlar;
    FaturaAyarlarıFormu p;
    p.show();
    QApplication::setActiveWindow(&p);
    QWidget* önizleme = p.findChild<QWidget*>("ÖnizlemeKutusu");
    const QImage önce = önizleme->grab().toImage();

    // Typed into the width box: Tamam on, but the width is not drawn.
    QLineEdit* genişlik = p.kutu(Konum::AdresGenişliği)->değerKutusu();
    genişlik->setFocus();
    genişlik->selectAll();
    QTest::keyClicks(genişlik, "60");
    EXPECT_TRUE(düğme(&p, "TamamDüğmesi")->isEnabled());
    EXPECT_EQ(önizleme->grab().toImage(), önce);

    QLineEdit* tarih = p.kutu(Konum::TarihSol)->değerKutusu();
    tarih->setFocus();
    tarih->selectAll();
    QTest::keyClicks(tarih, "10");
    EXPECT_NE(önizleme->grab().toImage(), önce);
    EXPECT_EQ(önizlemeÖğeleri(p.düzen())[0].x, 2);  // 10 mm at 1:5
    düğme(&p, "TamamDüğmesi")->click();
    EXPECT_EQ(p.result(), QDialog::Accepted);
    for (int i = 0; i < KonumSayısı; ++i) EXPECT_FALSE(kayıtlı(Konum(i)).isEmpty()) << tanım(Konum(i)).anahtar;
    EXPECT_EQ(kayıtlı(Konum::TarihSol), "10");
    EXPECT_EQ(kayıtlı(Konum::AdresGenişliği), "60");
    EXPECT_EQ(kayıtlı(Konum::TutarSol), "160");
    EXPECT_EQ(mesajlar.sayı(), 0);
}

TEST_F(FaturaAyarları, SınırDışıSayıSınıraGetirilirÖnizlemeyeYansırKaydedilmez)
{
    // The preview of the bounds the corrections below bring the boxes to.
    ayarlar::yaz(FaturaBölümü, "Yazi Sol", "50");
    ayarlar::yaz(FaturaBölümü, "Tarih Sol", "10");
    QImage beklenen;
    {
        FaturaAyarlarıFormu p;
        p.show();
        beklenen = p.findChild<QWidget*>("ÖnizlemeKutusu")->grab().toImage();
    }
    test::ayarlarıTemizle();

    FaturaAyarlarıFormu p;
    p.show();
    QApplication::setActiveWindow(&p);
    test::MesajYanıtlayıcı mesajlar;
    auto yaz = [&](Konum k, const char* sayı) {
        QLineEdit* kutu = p.kutu(k)->değerKutusu();
        kutu->setFocus();
        kutu->selectAll();
        QTest::keyClicks(kutu, sayı);
    };
    // Left with Tab: the message, then the bound with its unit, the focus back in the box.
    yaz(Konum::TarihSol, "5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(test::bekle([&] { return mesajlar.sayı() == 1; }, 2000));
    EXPECT_EQ(mesajlar.sonMetin(), "Belirlediğiniz değer, 10 ile 180 arasında olmalıdır!");
    EXPECT_EQ(p.kutu(Konum::TarihSol)->Text(), "10 mm");
    EXPECT_EQ(p.focusWidget(), p.kutu(Konum::TarihSol)->değerKutusu());
    // Tamam checks the box it is pressed from; nothing is written.
    yaz(Konum::YazıSol, "90");
    düğme(&p, "TamamDüğmesi")->click();
    ASSERT_TRUE(test::bekle([&] { return mesajlar.sayı() == 2; }, 2000));
    EXPECT_EQ(mesajlar.sonMetin(), "Belirlediğiniz değer, 20 ile 50 arasında olmalıdır!");
    EXPECT_EQ(kayıtlı(Konum::YazıSol), "");
    EXPECT_EQ(p.kutu(Konum::YazıSol)->Value(), 50);
    EXPECT_EQ(p.kutu(Konum::YazıSol)->Text(), "50 mm");
    EXPECT_EQ(p.findChild<QWidget*>("ÖnizlemeKutusu")->grab().toImage(), beklenen);
}

TEST_F(FaturaAyarları, YazıTipiSeçimiKaydedilirVeTamamıAçar)
{
    // Only scalable families that hold the Turkish letters, each once, none vertical.
    const QStringList aileler = türkçeYazıTipleri();
    EXPECT_TRUE(aileler.contains("Liberation Sans"));
    EXPECT_EQ(aileler.size(), QSet<QString>(aileler.begin(), aileler.end()).size());
    for (const QString& a : aileler) {
        EXPECT_FALSE(a.startsWith('@'));
        EXPECT_TRUE(QRawFont::fromFont(QFont(a)).supportsCharacter(QChar(0x011F))) << a.toStdString();
    }

    FaturaAyarlarıFormu p;
    p.show();
    test::Görününce seç("YazıTipiSeçmeFormu", [](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Yazı Tipi Seçimi");
        auto* ad = w->findChild<QComboBox*>("YazıTipiAdıListesi");
        auto* boyut = w->findChild<QComboBox*>("YazıTipiBoyutuListesi");
        // "Arial Tur" is not installed here: the family its invoices print in, its metric twin, is
        // selected; the printer's size, 10.
        EXPECT_EQ(ad->currentText(), "Liberation Sans");
        EXPECT_EQ(boyut->currentText(), "10");
        ad->setCurrentIndex(ad->findText("Liberation Serif"));
        boyut->setCurrentIndex(boyut->findText("12"));
        const QFont örnek = w->findChild<QLabel*>("ÖrnekEtiketi")->font();
        EXPECT_EQ(örnek.family(), "Liberation Serif");
        EXPECT_EQ(örnek.pointSize(), 12);
        düğme(w, "TamamDüğmesi")->click();
    });
    düğme(&p, "YazıTipiSeçDüğmesi")->click();
    EXPECT_TRUE(seç.olduMu());
    EXPECT_TRUE(düğme(&p, "TamamDüğmesi")->isEnabled());
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiAdi"), "Liberation Serif");
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiBoyutu"), "12");
    EXPECT_EQ(FaturaYazıTipiAdı, "Liberation Serif");
    EXPECT_EQ(FaturaYazıTipiBoyutu, 12);
    // The layout window's İptal does not undo the font, and the next opening selects it.
    düğme(&p, "İptalDüğmesi")->click();
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiAdi"), "Liberation Serif");
    test::Görününce yeniden("YazıTipiSeçmeFormu", [](QWidget* w) {
        EXPECT_EQ(w->findChild<QComboBox*>("YazıTipiAdıListesi")->currentText(), "Liberation Serif");
        EXPECT_EQ(w->findChild<QComboBox*>("YazıTipiBoyutuListesi")->currentText(), "12");
        düğme(w, "İptalDüğmesi")->click();
    });
    YazıTipiSeçmeFormu(&p).exec();
    EXPECT_TRUE(yeniden.olduMu());
}

TEST_F(FaturaAyarları, YazıTipiSeçilmedenTamamKayıtlıOlanıKorurİptalYazmaz)
{
    auto aç = [](const std::function<void(QWidget*)>& iş) {
        test::Görününce g("YazıTipiSeçmeFormu", iş);
        YazıTipiSeçmeFormu f;
        return f.exec();
    };
    EXPECT_EQ(aç([](QWidget* w) { düğme(w, "TamamDüğmesi")->click(); }), QDialog::Accepted);
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiAdi"), VarsayılanFaturaYazıTipi);
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiBoyutu"), "10");

    // A face the system does not know at all has no stand-in: no name is selected, and Tamam keeps it.
    ayarlar::yaz(FaturaBölümü, "YaziTipiAdi", "Olmayan Yazı Tipi");
    int seçili = 0;
    EXPECT_EQ(aç([&](QWidget* w) {
                  seçili = w->findChild<QComboBox*>("YazıTipiAdıListesi")->currentIndex();
                  düğme(w, "TamamDüğmesi")->click();
              }),
              QDialog::Accepted);
    EXPECT_EQ(seçili, -1);
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiAdi"), "Olmayan Yazı Tipi");

    ayarlar::yaz(FaturaBölümü, "YaziTipiBoyutu", "büyük");
    for (auto vazgeç : {+[](QWidget* w) { düğme(w, "İptalDüğmesi")->click(); },
                        +[](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, +[](QWidget* w) { w->close(); }})
        EXPECT_EQ(aç([&](QWidget* w) {
                      w->findChild<QComboBox*>("YazıTipiBoyutuListesi")->setCurrentIndex(0);
                      vazgeç(w);
                  }),
                  QDialog::Rejected);
    EXPECT_EQ(ayarlar::oku(FaturaBölümü, "YaziTipiBoyutu"), "büyük");
    // A size that is no number reads as the printer's.
    FaturaYazıTipiniYükle();
    EXPECT_EQ(FaturaYazıTipiBoyutu, 10);
}

TEST_F(FaturaAyarları, AnaPencereninMenüsündenAçılır)
{
    FaturaBaskıPencereleriniKaydet();
    QWidget sahip;
    test::Görününce g("FaturaAyarlarıFormu", [&](QWidget* w) {
        EXPECT_EQ(w->parentWidget(), &sahip);
        düğme(w, "İptalDüğmesi")->click();
    });
    EXPECT_TRUE(açıcılar::aç("FaturaAyarlarıMenüsü", &sahip));
    EXPECT_TRUE(g.olduMu());
}
