// The movements-by-firm window on a real database: both modes, the find box, refresh, export and print.
#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"
#include "ListePencereOrtami.h"

#include "core/Acicilar.h"
#include "core/SiraliListe.h"
#include "stock_lists/StokListeleriKayit.h"

#include <QLineEdit>

using namespace listeTest;

namespace {

class FirmaPenceresi : public ListePenceresiTesti {
protected:
    void SetUp() override
    {
        ListePenceresiTesti::SetUp();
        auto& d = db();
        acar = tohum::satıcı(d, "ACAR GIDA");
        oneil = tohum::satıcı(d, "O'NEİL LTD");
        tohum::satıcı(d, "%50 İNDİRİM");
        tohum::satıcı(d, "A_B TİCARET");
        çınar = tohum::alıcı(d, "ÇINAR MARKET");
        şeker = tohum::ürün(d, "S-01", "ŞEKER", "Kg", 8.0, 12.5);
        un = tohum::ürün(d, "U-03", "UN", QVariant(), QVariant(), 9.0);
        giriş(şeker, acar, "2026-03-04", 1234, 10.0);
        giriş(un, acar, "2025-11-30", 2, 1.25);
        giriş(un, oneil, "2026-01-01", 5, 30.0);
        // Exits to the buyer and to the receipt-sale buyer; one carries the seller's number.
        çıkış(şeker, çınar, "2026-04-01", 3, 15.0, 0);
        çıkış(un, çınar, "2026-04-02", 1, 11.0, 4);
        çıkış(şeker, FişliSatışFirması, "2026-04-03", 1, 15.0, 1);
        çıkış(şeker, acar, "2026-04-04", 1, 15.0, 5);
    }
    void giriş(int ürün, int firma, const char* tarih, double miktar, double fiyat)
    {
        db().exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, ?, ?, ?, ?)",
                  {ürün, firma, tarih, miktar, fiyat});
    }
    void çıkış(int ürün, int firma, const char* tarih, double miktar, double fiyat, int neden)
    {
        db().exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) "
                  "VALUES (?, ?, ?, ?, ?, ?)",
                  {ürün, firma, tarih, miktar, fiyat, neden});
    }
    // The window as its menu item opens it (without the modal show).
    std::unique_ptr<AlıcıSatıcıFirmayaGöreStokListesiFormu> pencere(bool satıcı)
    {
        SeçiliFirmaTablosu = satıcı ? SatıcıFirmaTablosuAdı : AlıcıFirmaTablosuAdı;
        auto p = std::make_unique<AlıcıSatıcıFirmayaGöreStokListesiFormu>();
        p->Tag = satıcı ? "0" : "1";
        p->show();
        etkinleştir(p.get());
        return p;
    }
    static void seç(SıralıListeKutusu* l, const QString& metin)
    {
        for (int i = 0; i < l->count(); ++i)
            if (l->metin(i) == metin) return l->setCurrentRow(i);
        ADD_FAILURE() << "no firm " << metin.toStdString();
    }
    // The offscreen platform gives the activation back to no window when the progress window closes.
    static void etkinleştir(QWidget* p)
    {
        QApplication::setActiveWindow(p);
        p->activateWindow();
        (void)QTest::qWaitForWindowActive(p, 2000);
    }
    static void bulYaz(AlıcıSatıcıFirmayaGöreStokListesiFormu& p, const QString& metin)
    {
        etkinleştir(&p);
        p.BulKutusu->setFocus();
        p.BulKutusu->selectAll();
        QTest::keyClick(p.BulKutusu, Qt::Key_Backspace);
        QTest::keyClicks(p.BulKutusu, metin);
    }

    int acar = 0, oneil = 0, çınar = 0, şeker = 0, un = 0;
};

QStringList girdiler(const SıralıListeKutusu* l)
{
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->metin(i);
    return s;
}

}  // namespace

TEST_F(FirmaPenceresi, SatıcınınGirişleriAlıcınınÇıkışları)
{
    auto satıcı = pencere(true);
    EXPECT_EQ(girdiler(satıcı->FirmaListesi), (QStringList{"%50 İNDİRİM", "A_B TİCARET", "ACAR GIDA", "O'NEİL LTD"}));
    EXPECT_EQ(satıcı->HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(satıcı->focusWidget(), satıcı->FirmaListesi);
    seç(satıcı->FirmaListesi, "ACAR GIDA");
    // Only its entries, sorted by code; the exit that carries the same number is not one of them.
    ASSERT_EQ(satıcı->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(satır(satıcı->HareketListesi, 0),
              (QStringList{"S-01", "ŞEKER", "04.03.2026", "1.234,00", "Kg", "8,00", "10,00", "12.340,00"}));
    EXPECT_EQ(satır(satıcı->HareketListesi, 1), (QStringList{"U-03", "UN", "30.11.2025", "2,00", "", "0", "1,25", "2,50"}));
    EXPECT_FALSE(test::pencere("ListeleniyorFormu"));
    seç(satıcı->FirmaListesi, "%50 İNDİRİM");
    EXPECT_EQ(satıcı->HareketListesi->satırSayısı(), 0);

    auto alıcı = pencere(false);
    // The receipt-sale buyer is never offered.
    EXPECT_EQ(girdiler(alıcı->FirmaListesi), QStringList{"ÇINAR MARKET"});
    seç(alıcı->FirmaListesi, "ÇINAR MARKET");
    EXPECT_EQ(sütun(alıcı->HareketListesi, 2), (QStringList{"01.04.2026", "02.04.2026"}));  // whatever the reason
    EXPECT_EQ(sütun(alıcı->HareketListesi, 7), (QStringList{"45,00", "11,00"}));
}

TEST_F(FirmaPenceresi, BulmaKutusuVeYenileme)
{
    auto p = pencere(true);
    // Typed letters are upper-cased; an apostrophe and the wildcard characters are plain letters.
    bulYaz(*p, "o'n");
    EXPECT_EQ(p->BulKutusu->text(), "O'N");
    EXPECT_EQ(p->FirmaListesi->metin(p->FirmaListesi->seçiliSatır()), "O'NEİL LTD");
    EXPECT_EQ(sütun(p->HareketListesi, 1), QStringList{"UN"});
    bulYaz(*p, "a_");
    EXPECT_EQ(p->FirmaListesi->metin(p->FirmaListesi->seçiliSatır()), "A_B TİCARET");
    bulYaz(*p, "%");
    EXPECT_EQ(p->FirmaListesi->metin(p->FirmaListesi->seçiliSatır()), "%50 İNDİRİM");
    bulYaz(*p, "acar");
    EXPECT_EQ(p->HareketListesi->satırSayısı(), 2);
    // Blanks change nothing; a text no firm begins with clears the choice and the list.
    bulYaz(*p, "  ");
    EXPECT_EQ(p->HareketListesi->satırSayısı(), 2);
    bulYaz(*p, "A*");
    EXPECT_EQ(p->FirmaListesi->seçiliSatır(), -1);
    EXPECT_EQ(p->HareketListesi->satırSayısı(), 0);

    bulYaz(*p, "acar");
    tohum::satıcı(db(), "YENİ FİRMA");
    etkinleştir(p.get());
    ASSERT_TRUE(p->BulKutusu->hasFocus());
    QTest::keyClick(p->windowHandle(), Qt::Key_F5);  // F5 from the find box refreshes too
    EXPECT_EQ(p->FirmaListesi->girdiSayısı(), 5);
    EXPECT_EQ(p->FirmaListesi->seçiliSatır(), -1);
    EXPECT_EQ(p->HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(p->BulKutusu->text(), "ACAR");
}

TEST_F(FirmaPenceresi, MenüdenAçılır)
{
    açıcılar::temizle();
    StokListeleriniKaydet();
    QString başlık;
    QStringList firmalar;
    test::Görününce açılınca("AlıcıSatıcıFirmayaGöreStokListesiFormu", [&](QWidget* w) {
        auto* p = dynamic_cast<AlıcıSatıcıFirmayaGöreStokListesiFormu*>(w);
        başlık = p->windowTitle();
        firmalar = girdiler(p->FirmaListesi);
        QTest::keyClick(p->HareketListesi, Qt::Key_Escape);
    });
    SeçiliFirmaTablosu = AlıcıFirmaTablosuAdı;
    EXPECT_TRUE(açıcılar::aç("AlıcıFirmalaraGöreStokListesi", nullptr));
    EXPECT_EQ(başlık, "Alıcı Firmaların (Müşterilerin) Stok Hareketleri");
    EXPECT_EQ(firmalar, QStringList{"ÇINAR MARKET"});
    açıcılar::temizle();
}

TEST_F(FirmaPenceresi, ExceleAktarım)
{
    auto p = pencere(true);
    EXPECT_TRUE(aktar(p.get()).isEmpty());  // an empty list: nothing at all
    seç(p->FirmaListesi, "ACAR GIDA");
    const QString dosya = aktar(p.get());
    ASSERT_FALSE(dosya.isEmpty());
    const test::XlsxSayfa s = test::xlsxOku(dosya);
    EXPECT_EQ(s.sayfaAdı, "Satıcı Firma Stok Hareketleri");
    EXPECT_EQ(s.metin("A1"), "ACAR GIDA Adlı Firmanın Stok Hareketleri");
    EXPECT_EQ(s.birleşikler, QList<QString>{"A1:H1"});
    EXPECT_EQ(s.metin("H2"), "Tutarı");
    // Date and unit as texts; quantity, VAT (also the "0" of a missing rate), price and amount as numbers.
    EXPECT_FALSE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "04.03.2026");
    EXPECT_TRUE(s.hücre("D3").sayı);
    EXPECT_EQ(s.metin("D3"), "1234");
    EXPECT_TRUE(s.hücre("F4").sayı);
    EXPECT_EQ(s.metin("F4"), "0");
    EXPECT_EQ(s.metin("H4"), "2.5");
    EXPECT_FALSE(s.var("E4"));
    EXPECT_EQ(s.sonSatır, 4);
    sütunGenişlikleri(s, {11, 18, 11, 11, 11, 10, 11, 11});

    auto alıcı = pencere(false);
    seç(alıcı->FirmaListesi, "ÇINAR MARKET");
    EXPECT_EQ(test::xlsxOku(aktar(alıcı.get())).sayfaAdı, "Alıcı Firma Stok Hareketleri");
}

TEST_F(FirmaPenceresi, YazdırmaKDVBirimdenÖnce)
{
    auto p = pencere(true);
    seç(p->FirmaListesi, "ACAR GIDA");
    OndalıklıMiktar = 0;
    ASSERT_TRUE(yazdır(p.get()));
    const auto& b = belge();
    EXPECT_EQ(b.sayfaSayısı(), 1);
    const auto* başlık = b.metinBul("ACAR GIDA ADLI FİRMANIN STOK HAREKETLERİ");
    ASSERT_TRUE(başlık);
    EXPECT_NEAR(başlık->x, (210 - başlık->genişlik) / 2, 0.01);
    const auto* kdvBaşlığı = b.metinBul("KDV");
    ASSERT_TRUE(kdvBaşlığı);
    EXPECT_EQ(kdvBaşlığı->yazıTipi.boyut, 10);
    EXPECT_TRUE(kdvBaşlığı->yazıTipi.kalın && kdvBaşlığı->yazıTipi.altıÇizili);
    // Row 1: the quantity alone is formatted again (whole number), ending at 115; the VAT ends at 125,
    // the unit starts at 130; price and amount as listed.
    EXPECT_NEAR(sağUç(b, "1234"), 115, 0.01);
    EXPECT_NEAR(sağUç(b, "8,00"), 125, 0.01);
    EXPECT_NEAR(solUç(b, "Kg"), 130, 0.01);
    EXPECT_NEAR(b.metinBul("Kg")->y, b.metinBul("1234")->y, 0.01);
    EXPECT_NEAR(sağUç(b, "10,00"), 155, 0.01);
    EXPECT_NEAR(sağUç(b, "12.340,00"), 180, 0.01);
    EXPECT_NEAR(sağUç(b, "0"), 125, 0.01);  // the missing VAT rate
    EXPECT_EQ(b.metinBul("0")->yazıTipi.boyut, 8);
}

TEST_F(FirmaPenceresi, UzunListeSayfalaraBölünürVePdfOlur)
{
    for (int i = 0; i < 120; ++i) giriş(şeker, oneil, "2026-02-01", 1 + i, 2.0);
    auto p = pencere(true);
    seç(p->FirmaListesi, "O'NEİL LTD");
    ASSERT_EQ(p->HareketListesi->satırSayısı(), 121);
    ASSERT_TRUE(yazdır(p.get()));
    const auto& b = belge();
    ASSERT_GE(b.sayfaSayısı(), 2);
    for (int sayfa = 2; sayfa <= b.sayfaSayısı(); ++sayfa) {
        const auto metinler = b.metinler(sayfa);
        ASSERT_GE(metinler.size(), 3);
        EXPECT_EQ(metinler[0].metin, "O'NEİL LTD ADLI FİRMANIN STOK HAREKETLERİ");
        EXPECT_DOUBLE_EQ(metinler[0].x, 10);
        EXPECT_DOUBLE_EQ(metinler[0].y, 5);
        EXPECT_EQ(metinler[1].metin, "Sayfa - " + QString::number(sayfa));
        EXPECT_NEAR(metinler[1].x + metinler[1].genişlik, 200, 0.01);
        EXPECT_DOUBLE_EQ(metinler[2].y, 15);  // the rows go on at once: no header row
        EXPECT_EQ(b.çizgiler(sayfa).size(), 1);
    }
    // Every row is printed once: 121 amounts.
    int tutarlar = 0;
    for (const auto& m : b.metinler())
        if (m.metin.endsWith(",00") && m.x + m.genişlik > 179.99 && m.x + m.genişlik < 180.01) ++tutarlar;
    EXPECT_EQ(tutarlar, 121);

    const QString pdf = pdfeYazdır(p.get());
    ASSERT_FALSE(pdf.isEmpty());
    const QStringList sayfalar = pdfSayfaları(pdf);
    EXPECT_EQ(sayfalar.size(), b.sayfaSayısı());
    EXPECT_TRUE(sayfalar.value(0).contains("O'NEİL LTD ADLI FİRMANIN STOK HAREKETLERİ"));
    EXPECT_TRUE(sayfalar.value(1).contains("Sayfa - 2"));
}
