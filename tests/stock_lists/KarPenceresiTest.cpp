// The profit list window on a real database: its period states, the listing, export and print.
#include "stock_lists/KarListesiFormu.h"
#include "ListePencereOrtami.h"

#include "platform/TurkceMetin.h"
#include "stock_lists/KarHesabi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

using namespace listeTest;

namespace {

class KarPenceresi : public ListePenceresiTesti {
protected:
    void çıkış(int ürün, const QDate& tarih, double miktar, double fiyat)
    {
        tohum::çıkış(db(), ürün, miktar, fiyat, 2, 0, turkce::tarihSaklama(tarih));
    }
    std::unique_ptr<KarListesiFormu> pencere()
    {
        auto p = std::make_unique<KarListesiFormu>();
        p->show();
        etkinleştir(p.get());
        return p;
    }
    // Clicks "Listele" and answers the message it may show; the message's text, or "".
    static QString listele(KarListesiFormu& p)
    {
        test::MesajYanıtlayıcı yanıt;
        p.ListeleDüğmesi->click();
        return yanıt.sonMetin();
    }
    const QDate bugün = QDate::currentDate();
    const QDate sıfır{1899, 12, 30};
};

}  // namespace

TEST_F(KarPenceresi, DönemDurumları)
{
    auto p = pencere();
    EXPECT_EQ(p->windowTitle(), "Kâr Listesi");
    EXPECT_TRUE(p->TümTarihleriGösterOnayı->isChecked());
    EXPECT_EQ(p->focusWidget(), p->TümTarihleriGösterOnayı);
    EXPECT_EQ(p->DönemSeçKutusu->currentIndex(), -1);
    EXPECT_FALSE(p->DönemSeçKutusu->isEnabled());
    EXPECT_FALSE(p->BaşlangıçTarihiKutusu->isEnabled() || p->Etiket[2]->isEnabled());
    EXPECT_EQ(p->BitişTarihiKutusu->date(), bugün);
    EXPECT_EQ(p->ToplamKarKutusu->text(), "");

    // No exit at all: an empty list, 0,00 and (Toplam: 0); the dates keep what they had.
    EXPECT_EQ(listele(*p), "");
    EXPECT_EQ(p->ToplamKarKutusu->text(), "0,00");
    EXPECT_EQ(p->Etiket[4]->text(), "(Toplam: 0)");
    EXPECT_EQ(p->BaşlangıçTarihi, sıfır);

    // Cleared: a period is to be chosen first.
    p->TümTarihleriGösterOnayı->click();
    EXPECT_TRUE(p->DönemSeçKutusu->isEnabled());
    EXPECT_EQ(listele(*p), KarListesiFormu::DönemSeçinizMetni);

    // A fixed period shows its range in the disabled boxes; a range of days starts at today, enabled.
    p->DönemSeçKutusu->setCurrentIndex(kar_listesi::Yıllık);
    EXPECT_EQ(p->BaşlangıçTarihiKutusu->date(), QDate(bugün.year(), 1, 1));
    EXPECT_EQ(p->BitişTarihiKutusu->date(), QDate(bugün.year(), 12, 31));
    EXPECT_FALSE(p->BitişTarihiKutusu->isEnabled());
    p->DönemSeçKutusu->setCurrentIndex(kar_listesi::TarihBelirle);
    EXPECT_TRUE(p->BitişTarihiKutusu->isEnabled() && p->Etiket[1]->isEnabled());
    EXPECT_EQ(p->BaşlangıçTarihiKutusu->date(), bugün);

    // A reversed range is refused: the end becomes the start and takes the focus; nothing is listed.
    p->BitişTarihiKutusu->setDate(bugün.addDays(-1));
    EXPECT_EQ(listele(*p), KarListesiFormu::BitişKüçükMetni);
    EXPECT_EQ(p->BitişTarihiKutusu->date(), bugün);
    etkinleştir(p.get());
    EXPECT_EQ(p->focusWidget(), p->BitişTarihiKutusu);
    EXPECT_EQ(p->BaşlangıçTarihi, sıfır);

    // Ticked again: all dates, no period.
    p->TümTarihleriGösterOnayı->click();
    EXPECT_EQ(p->DönemSeçKutusu->currentIndex(), -1);
    EXPECT_FALSE(p->DönemSeçKutusu->isEnabled() || p->BitişTarihiKutusu->isEnabled());
}

TEST_F(KarPenceresi, DönemlerListelenir)
{
    const int vida = tohum::ürün(db(), "V", "VİDA");
    const int somun = tohum::ürün(db(), "S", "SOMUN");
    tohum::giriş(db(), vida, 10, 5.0);
    tohum::giriş(db(), vida, 30, 7.0);  // average 6,50
    tohum::giriş(db(), somun, 4, 105.0);
    const auto ay = kar_listesi::dönemAralığı(kar_listesi::Aylık, bugün);
    çıkış(vida, ay.başlangıç, 4, 9.0);
    çıkış(vida, ay.bitiş, 2, 8.5);
    çıkış(vida, ay.başlangıç.addDays(-1), 5, 10.0);
    çıkış(somun, ay.bitiş.addDays(1), 2, 100.0);

    auto p = pencere();
    listele(*p);  // all dates
    EXPECT_EQ(p->Etiket[4]->text(), "(Toplam: 2)");
    EXPECT_EQ(p->BaşlangıçTarihi, ay.başlangıç.addDays(-1));
    EXPECT_EQ(p->BitişTarihi, ay.bitiş.addDays(1));
    // Vida: 11 out for 103; 103 - 11 × 6,5 = 31,50. Somun: 200 - 210 = -10,00.
    EXPECT_EQ(p->ToplamKarKutusu->text(), "21,50");
    // The progress bar runs to one more than the rows, and stops at the last row.
    QProgressBar çubuk;
    p->ListeyiYükle(çubuk);
    EXPECT_EQ(çubuk.maximum(), 3);
    EXPECT_EQ(çubuk.value(), 2);

    p->TümTarihleriGösterOnayı->click();
    p->DönemSeçKutusu->setCurrentIndex(kar_listesi::Aylık);
    EXPECT_EQ(p->KarListesi->satırSayısı(), 2);  // changing the period leaves the list until it is listed
    listele(*p);
    ASSERT_EQ(p->KarListesi->satırSayısı(), 1);
    EXPECT_EQ(satır(p->KarListesi, 0), (QStringList{QString::number(vida), "VİDA", "6,00", "53,00", "14,00"}));
    EXPECT_EQ(p->ToplamKarKutusu->text(), "14,00");
    EXPECT_EQ(p->Etiket[4]->text(), "(Toplam: 1)");

    // One day as its own range.
    p->DönemSeçKutusu->setCurrentIndex(kar_listesi::TarihBelirle);
    p->BaşlangıçTarihiKutusu->setDate(ay.bitiş.addDays(1));
    p->BitişTarihiKutusu->setDate(ay.bitiş.addDays(1));
    listele(*p);
    EXPECT_EQ(sütun(p->KarListesi, 4), QStringList{"-10,00"});
}

TEST_F(KarPenceresi, AktarımVeYazdırma)
{
    // Products 1 to 10 with exits of 12; product 3 sold below its price.
    for (int i = 1; i <= 10; ++i) {
        const int ü = tohum::ürün(db(), QString("K%1").arg(i), QString("ÜRÜN %1").arg(i));
        tohum::giriş(db(), ü, 100, 10.0);
        çıkış(ü, bugün, 12, i == 3 ? 5.0 : 11.0);
    }
    auto p = pencere();
    listele(*p);
    ASSERT_EQ(p->KarListesi->satırSayısı(), 10);
    EXPECT_EQ(p->KarListesi->okluSütun(), -1);  // nothing sorted until a header is clicked
    p->KarListesi->sütunaTıklandı(0);
    EXPECT_EQ(sütun(p->KarListesi, 0).mid(0, 3), (QStringList{"1", "10", "2"}));  // numbers as texts

    const test::XlsxSayfa s = test::xlsxOku(aktar(p.get()));
    EXPECT_EQ(s.sayfaAdı, "Kâr Listesi");
    EXPECT_EQ(s.metin("A1"), "Kâr Listesi");
    EXPECT_EQ(s.birleşikler, QList<QString>{"A1:E1"});
    EXPECT_FALSE(s.hücre("A3").sayı);
    EXPECT_TRUE(s.hücre("C3").sayı);
    EXPECT_EQ(s.sonSatır, 12);  // no totals row
    sütunGenişlikleri(s, {14, 40, 15, 15, 15});

    OndalıklıMiktar = 0;
    ASSERT_TRUE(yazdır(p.get()));
    const auto& b = belge();
    EXPECT_EQ(b.metinBul("Kâr Listesi")->yazıTipi.boyut, 14);
    EXPECT_EQ(b.metinBul("Kâr")->yazıTipi.boyut, 9);
    EXPECT_NEAR(sağUç(b, "Kâr"), 190, 0.01);
    EXPECT_NEAR(solUç(b, "ÜRÜN 3"), 35, 0.01);
    // The quantity follows the preference; the loss of product 3 (60 - 12 × 10) keeps its sign at 190.
    EXPECT_NEAR(sağUç(b, "12"), 135, 0.01);
    EXPECT_NEAR(sağUç(b, "132,00"), 170, 0.01);
    EXPECT_NEAR(sağUç(b, "-60,00"), 190, 0.01);
    // Neither the period nor the total is printed.
    EXPECT_FALSE(b.metinBul(p->ToplamKarKutusu->text()));
    EXPECT_FALSE(b.metinBul(turkce::tarihBiçimi(bugün)));

    const QStringList sayfalar = pdfSayfaları(pdfeYazdır(p.get()));
    ASSERT_EQ(sayfalar.size(), 1);
    EXPECT_TRUE(sayfalar[0].contains("Kâr Listesi") && sayfalar[0].contains("-60,00"));
}
