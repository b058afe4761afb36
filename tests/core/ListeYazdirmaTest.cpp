// The list print laid out on the recorder: positions in mm, fonts, page breaks and what each further
// page repeats; and the routine around it (empty list, no printer, a cancelled choice, a failing document).
#include "core/ListeGorunumu.h"
#include "core/ListeYazdirma.h"
#include "core/OrtakDegiskenler.h"
#include "core/YaziciSecmeFormu.h"
#include "platform/Kabuk.h"
#include "platform/Mesaj.h"
#include "platform/Yazicilar.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace yazdırma;

namespace {

YazdırmaDüzeni düzen()
{
    YazdırmaDüzeni d;
    d.başlık = "Stok Listesi (Toplam : 3)";
    d.sütunlar = {{"Kodu", 0, 15, false, YazdırmaBiçimi::Listelendiği},
                  {"Giren Miktar", 1, 75, true, YazdırmaBiçimi::Miktar},
                  {"Giren Tutar", 2, 95, true, YazdırmaBiçimi::Tutar}};
    return d;
}

// Row r: code "K<r+1>", quantity 1234.5 + r, amount 10 × r.
ListeDeğeri hücre(int r, int c)
{
    if (c == 0) return QStringLiteral("K%1").arg(r + 1);
    return ListeDeğeri::sayı(c == 1 ? 1234.5 + r : 10.0 * r);
}

KaydedilenBelge çiz(const YazdırmaDüzeni& d, int satırlar, double yükseklik = 297)
{
    YazıcıKaydedici k(210, yükseklik);
    listeyiÇiz(k, d, satırlar, hücre);
    return k.belge();
}

double satırYüksekliği(double punto)
{
    YazıcıKaydedici k;
    k.setYazıTipiBoyutu(punto);
    return k.metinYüksekliği();
}

class ListeYazdırmaTesti : public ::testing::Test {
protected:
    void TearDown() override
    {
        OndalıklıMiktar = 1;
        YazıcıVar = false;
        YazdırmaİptalEdildi = false;
        sistemYazıcılarınıDeğiştir(std::nullopt);
        kaydediciyeYönlendir(nullptr);
    }
};

}  // namespace

TEST_F(ListeYazdırmaTesti, TekSayfaKonumlarVeYazıTipleri)
{
    const KaydedilenBelge b = çiz(düzen(), 3);
    ASSERT_TRUE(b.bitti());
    EXPECT_EQ(b.sayfaSayısı(), 1);
    EXPECT_TRUE(b.çizgiler().isEmpty());

    const YazıcıÇağrısı* başlık = b.metinBul("Stok Listesi (Toplam : 3)");
    ASSERT_TRUE(başlık);
    EXPECT_NEAR(başlık->x, (210 - başlık->genişlik) / 2, 1e-9);
    EXPECT_DOUBLE_EQ(başlık->y, 15);
    EXPECT_EQ(başlık->yazıTipi.boyut, 14);
    EXPECT_TRUE(başlık->yazıTipi.kalın && başlık->yazıTipi.altıÇizili);

    const double başlıkSatırı = 15 + satırYüksekliği(14) + 5;
    const YazıcıÇağrısı* kodu = b.metinBul("Kodu");
    const YazıcıÇağrısı* miktar = b.metinBul("Giren Miktar");
    ASSERT_TRUE(kodu && miktar);
    EXPECT_NEAR(kodu->y, başlıkSatırı, 1e-9);
    EXPECT_DOUBLE_EQ(kodu->x, 15);
    EXPECT_NEAR(miktar->x + miktar->genişlik, 75, 1e-9);  // right-aligned: ends at X
    EXPECT_EQ(miktar->yazıTipi.boyut, 9);
    EXPECT_TRUE(miktar->yazıTipi.kalın && miktar->yazıTipi.altıÇizili);

    const YazıcıÇağrısı* ilk = b.metinBul("K1");
    ASSERT_TRUE(ilk);
    EXPECT_NEAR(ilk->y, başlıkSatırı + satırYüksekliği(9) + 1, 1e-9);
    EXPECT_EQ(ilk->yazıTipi, (YazıTipi{"Liberation Sans", 8, false, false}));
    const YazıcıÇağrısı* ikinci = b.metinBul("K2");
    EXPECT_NEAR(ikinci->y - ilk->y, satırYüksekliği(8), 1e-9);
    const YazıcıÇağrısı* tutar = b.metinBul("20,00");
    ASSERT_TRUE(tutar);
    EXPECT_NEAR(tutar->x + tutar->genişlik, 95, 1e-9);
    EXPECT_TRUE(b.metinBul("1.236,50"));

    // Quantity preference off: quantities whole and without groups, amounts with two decimals.
    OndalıklıMiktar = 0;
    const KaydedilenBelge tam = çiz(düzen(), 2);
    EXPECT_TRUE(tam.metinBul("1235"));  // 1234.5
    EXPECT_TRUE(tam.metinBul("10,00"));
    EXPECT_FALSE(tam.metinBul("1.234,50"));
    // A cell prints the number it shows: 2,4951 shows as "2,50", so as a whole number it is 3.
    YazıcıKaydedici k(210, 297);
    listeyiÇiz(k, düzen(), 1, [](int, int c) { return c == 0 ? ListeDeğeri("K") : ListeDeğeri::sayı(2.4951); });
    EXPECT_TRUE(k.belge().metinBul("3"));
    EXPECT_FALSE(k.belge().metinBul("2"));
}

TEST_F(ListeYazdırmaTesti, SayfaSonlarıVeHerSayfadaTekrarlananlar)
{
    const int satırlar = 200;
    const KaydedilenBelge b = çiz(düzen(), satırlar);
    ASSERT_GE(b.sayfaSayısı(), 3);
    const double lh = satırYüksekliği(8);

    for (int sayfa = 2; sayfa <= b.sayfaSayısı(); ++sayfa) {
        const QList<YazıcıÇağrısı> metinler = b.metinler(sayfa);
        ASSERT_GE(metinler.size(), 3);
        // The running header: the title at (10, 5) in the row font, the page number ending 10 mm
        // before the right edge, the rule; then the rows from Y 15, without the header row.
        EXPECT_EQ(metinler[0].metin, "Stok Listesi (Toplam : 3)");
        EXPECT_DOUBLE_EQ(metinler[0].x, 10);
        EXPECT_DOUBLE_EQ(metinler[0].y, 5);
        EXPECT_EQ(metinler[0].yazıTipi.boyut, 8);
        EXPECT_FALSE(metinler[0].yazıTipi.kalın);
        EXPECT_EQ(metinler[1].metin, QStringLiteral("Sayfa - %1").arg(sayfa));
        EXPECT_NEAR(metinler[1].x + metinler[1].genişlik, 200, 1e-9);
        EXPECT_DOUBLE_EQ(metinler[1].y, 5);
        const QList<YazıcıÇağrısı> çizgiler = b.çizgiler(sayfa);
        ASSERT_EQ(çizgiler.size(), 1);
        EXPECT_DOUBLE_EQ(çizgiler[0].x, 10);
        EXPECT_DOUBLE_EQ(çizgiler[0].y, 10);
        EXPECT_DOUBLE_EQ(çizgiler[0].x2, 200);
        EXPECT_DOUBLE_EQ(çizgiler[0].y2, 10);
        EXPECT_DOUBLE_EQ(metinler[2].y, 15);
        for (const YazıcıÇağrısı& m : metinler) EXPECT_NE(m.metin, "Kodu");
    }
    EXPECT_FALSE(b.metinBul("Sayfa - 1"));

    // Each page takes rows while the row's top plus the 15 mm margin stays below the page height.
    QList<double> sonlar;
    for (int sayfa = 1; sayfa <= b.sayfaSayısı(); ++sayfa) {
        double son = -1;
        for (const YazıcıÇağrısı& m : b.metinler(sayfa))
            if (m.metin.startsWith('K') && m.metin != "Kodu") son = std::max(son, m.y);
        if (sayfa < b.sayfaSayısı()) {
            EXPECT_LT(son + 15, 297);
            EXPECT_GE(son + lh + 15, 297);
        }
    }
    int yazılan = 0;
    for (const YazıcıÇağrısı& m : b.metinler())
        if (m.metin.startsWith('K') && m.metin != "Kodu") ++yazılan;
    EXPECT_EQ(yazılan, satırlar);
}

TEST_F(ListeYazdırmaTesti, İlkSatırSığmayanKısaSayfaVeKapanışSatırı)
{
    YazdırmaDüzeni d = düzen();
    d.kapanış = {{1, true, {{40, false, "TOPLAM :"}, {75, true, ListeDeğeri::sayı(2470), YazdırmaBiçimi::Miktar}}}};
    // A page so short that the first row already goes to page 2.
    const KaydedilenBelge b = çiz(d, 1, 45);
    ASSERT_EQ(b.sayfaSayısı(), 2);
    EXPECT_TRUE(b.metinBul("Kodu")->sayfa == 1);
    EXPECT_EQ(b.metinBul("K1")->sayfa, 2);
    EXPECT_DOUBLE_EQ(b.metinBul("K1")->y, 15);
    // The closing line follows the last row, bold, 1 mm lower than a row would be.
    const YazıcıÇağrısı* toplam = b.metinBul("TOPLAM :");
    ASSERT_TRUE(toplam);
    EXPECT_NEAR(toplam->y, 15 + satırYüksekliği(8) + 1, 1e-9);
    EXPECT_TRUE(toplam->yazıTipi.kalın);
    const YazıcıÇağrısı* miktar = b.metinBul("2.470,00");
    ASSERT_TRUE(miktar);
    EXPECT_NEAR(miktar->x + miktar->genişlik, 75, 1e-9);

    // A title wider than the page starts left of it.
    d.başlık = QString(200, QChar('W'));
    const KaydedilenBelge geniş = çiz(d, 1);
    EXPECT_LT(geniş.metinBul(d.başlık)->x, 0);
}

TEST_F(ListeYazdırmaTesti, OtuzİkiBindenUzunListe)
{
    const int satırlar = 33000;
    const KaydedilenBelge b = çiz(düzen(), satırlar);
    EXPECT_TRUE(b.metinBul("K33000"));
    EXPECT_EQ(Sayaç, satırlar);
    EXPECT_TRUE(b.metinBul(QStringLiteral("Sayfa - %1").arg(b.sayfaSayısı())));
}

TEST_F(ListeYazdırmaTesti, YordamBoşListeYazıcısızlıkVeİptal)
{
    auto kayıtlar = std::make_shared<YazıcıKayıtları>();
    kaydediciyeYönlendir(kayıtlar);
    sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{"Depo", "Kat 1", {210, 297}, true}});
    QWidget pencere;
    ListeGörünümü liste(&pencere);
    liste.sütunlarıKur({{"Kodu", 1000}, {"Giren Miktar", 1100, Qt::AlignRight, SütunTürü::Sayı}});
    QPushButton düğme(&pencere);
    test::MesajYanıtlayıcı yanıtlayıcı;

    // An empty list: nothing, not even the message of a missing printer.
    EXPECT_FALSE(ListeYazdırma(&pencere, liste, düzen(), &düğme));
    liste.satırEkle({"K1", "5,00"});
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);

    // No printer at start-up: the message, and no choice.
    YazıcıVar = false;
    EXPECT_FALSE(ListeYazdırma(&pencere, liste, düzen(), &düğme));
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_EQ(yanıtlayıcı.sonMetin(),
              "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
    EXPECT_EQ(yanıtlayıcı.görülenler().last().simge, mesaj::Simge::Ünlem);

    // The choice closed with Esc: nothing printed, the flag down again, the button enabled.
    YazıcıVar = true;
    test::Görününce esc("YazıcıSeçmeFormu", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(ListeYazdırma(&pencere, liste, düzen(), &düğme));
    EXPECT_TRUE(esc.olduMu());
    EXPECT_FALSE(YazdırmaİptalEdildi);
    EXPECT_TRUE(düğme.isEnabled());
    EXPECT_EQ(kayıtlar->sayı(), 0);

    // Tamam: the document goes out; BaşlıkMetni holds the title.
    test::Görününce tamam("YazıcıSeçmeFormu",
                          [](QWidget* w) { w->findChild<QPushButton*>("TamamDüğmesi")->click(); });
    EXPECT_TRUE(ListeYazdırma(&pencere, liste, düzen(), &düğme));
    ASSERT_EQ(kayıtlar->sayı(), 1);
    EXPECT_TRUE(kayıtlar->son().bitti());
    EXPECT_TRUE(kayıtlar->son().metinBul("5,00"));
    EXPECT_EQ(BaşlıkMetni, "Stok Listesi (Toplam : 3)");
    EXPECT_TRUE(düğme.isEnabled());
}

TEST_F(ListeYazdırmaTesti, YazılamayanBelgeBirKezBildirilir)
{
    sistemYazıcılarınıDeğiştir(QList<Yazıcı>{});
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    const QString eski = kabuk::belgeKlasörü();
    kabuk::belgeKlasörünüDeğiştir("/proc/kavrenta-yok/belgeler");
    QWidget pencere;
    ListeGörünümü liste(&pencere);
    liste.sütunlarıKur({{"Kodu", 1000}});
    for (int i = 0; i < 100; ++i) liste.satırEkle({QString::number(i)});
    QPushButton düğme(&pencere);
    YazıcıVar = true;

    test::MesajYanıtlayıcı yanıtlayıcı({"Evet"});
    test::Görününce tamam("YazıcıSeçmeFormu",
                          [](QWidget* w) { w->findChild<QPushButton*>("TamamDüğmesi")->click(); });
    EXPECT_FALSE(ListeYazdırma(&pencere, liste, düzen(), &düğme));
    EXPECT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(düğme.isEnabled());
    kabuk::belgeKlasörünüDeğiştir(eski);
}
