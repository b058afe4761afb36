// The movements-by-firm window on a real database: both modes, the find box, refresh, export and print.
#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"
#include "ListePencereOrtami.h"

#include "core/Acicilar.h"
#include "core/SiraliListe.h"
#include "stock_lists/FirmaHareketListesi.h"
#include "stock_lists/StokListeleriKayit.h"

#include <QLineEdit>

using namespace listeTest;

namespace {

class FirmaPenceresi : public ListePenceresiTesti {
protected:
    void SetUp() override
    {
        ListePenceresiTesti::SetUp();
        for (const char* ad : {"ACAR GIDA", "O'NEİL LTD", "%50 İNDİRİM", "A_B TİCARET", "ılgaz yapı"})
            tohum::satıcı(db(), ad);  // numbers 1 to 5
        tohum::alıcı(db(), "ÇINAR MARKET");  // buyer 2
        const int şeker = tohum::ürün(db(), "S-01", "ŞEKER", "Kg", 8.0, 12.5);
        const int un = tohum::ürün(db(), "U-03", "UN", QVariant(), QVariant(), 9.0);
        hareket("GirisIslemleriTablosu", şeker, 1, "2026-03-04", 1234, 10.0);
        hareket("GirisIslemleriTablosu", un, 1, "2025-11-30", 2, 1.25);
        hareket("GirisIslemleriTablosu", un, 2, "2026-01-01", 5, 30.0);
        // Exits of two reasons to the buyer, one to the receipt-sale buyer, one carrying seller 1's number.
        hareket("CikisIslemleriTablosu", şeker, 2, "2026-04-01", 3, 15.0, 4);
        hareket("CikisIslemleriTablosu", un, 2, "2026-04-02 17:45:00", 1, 11.0, 0);
        hareket("CikisIslemleriTablosu", şeker, FişliSatışFirması, "2026-04-03", 1, 15.0);
        hareket("CikisIslemleriTablosu", şeker, 1, "2026-04-04", 1, 15.0);
        db().exec("UPDATE UrunBilgileriTablosu SET Fiyati = 99");  // the list keeps the movement's price
    }
    void hareket(const char* tablo, int ürün, int firma, const char* tarih, double miktar, double fiyat, int neden = 1)
    {
        const bool çıkış = QByteArray(tablo).startsWith("Cikis");
        db().exec(QStringLiteral("INSERT INTO %1 (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati%2) VALUES (?, ?, ?, ?, ?%3)")
                      .arg(QString::fromLatin1(tablo), çıkış ? ", Nedeni" : "", çıkış ? ", ?" : ""),
                  çıkış ? std::initializer_list<QVariant>{ürün, firma, tarih, miktar, fiyat, neden}
                        : std::initializer_list<QVariant>{ürün, firma, tarih, miktar, fiyat});
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
    static void seç(SıralıListeKutusu* l, const QString& metin) { l->setCurrentRow(girdiler(l).indexOf(metin)); }
    static QStringList girdiler(const SıralıListeKutusu* l)
    {
        QStringList s;
        for (int i = 0; i < l->count(); ++i) s << l->metin(i);
        return s;
    }
    static QString seçili(const AlıcıSatıcıFirmayaGöreStokListesiFormu& p)
    {
        return p.FirmaListesi->metin(p.FirmaListesi->seçiliSatır());
    }
    static void bulYaz(AlıcıSatıcıFirmayaGöreStokListesiFormu& p, const QString& metin)
    {
        etkinleştir(&p);
        p.BulKutusu->setFocus();
        p.BulKutusu->selectAll();
        QTest::keyClick(p.BulKutusu, Qt::Key_Backspace);
        QTest::keyClicks(p.BulKutusu, metin);
    }
};

}  // namespace

TEST_F(FirmaPenceresi, SatıcınınGirişleriAlıcınınÇıkışları)
{
    auto satıcı = pencere(true);
    EXPECT_EQ(girdiler(satıcı->FirmaListesi),
              (QStringList{"%50 İNDİRİM", "A_B TİCARET", "ACAR GIDA", "ılgaz yapı", "O'NEİL LTD"}));
    EXPECT_EQ(satıcı->focusWidget(), satıcı->FirmaListesi);
    seç(satıcı->FirmaListesi, "ACAR GIDA");
    // Only its entries, sorted by code; the exit that carries the same number is not one of them. No unit:
    // empty; no VAT rate: "0"; 2 × 1,25 = 2,50.
    ASSERT_EQ(satıcı->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(satır(satıcı->HareketListesi, 0),
              (QStringList{"S-01", "ŞEKER", "04.03.2026", "1.234,00", "Kg", "8,00", "10,00", "12.340,00"}));
    EXPECT_EQ(satır(satıcı->HareketListesi, 1), (QStringList{"U-03", "UN", "30.11.2025", "2,00", "", "0", "1,25", "2,50"}));
    EXPECT_FALSE(test::pencere("ListeleniyorFormu"));
    seç(satıcı->FirmaListesi, "%50 İNDİRİM");
    EXPECT_EQ(satıcı->HareketListesi->satırSayısı(), 0);
    // A firm deleted meanwhile lists nothing, though movements still carry its number.
    db().exec("DELETE FROM SaticiFirmalarTablosu WHERE Nosu = 1");
    seç(satıcı->FirmaListesi, "ACAR GIDA");
    EXPECT_EQ(satıcı->HareketListesi->satırSayısı(), 0);

    auto alıcı = pencere(false);
    EXPECT_EQ(girdiler(alıcı->FirmaListesi), QStringList{"ÇINAR MARKET"});  // never the receipt-sale buyer
    seç(alıcı->FirmaListesi, "ÇINAR MARKET");
    EXPECT_EQ(sütun(alıcı->HareketListesi, 7), (QStringList{"45,00", "11,00"}));  // whatever the reason
    // A time of day kept with a movement is shown after its day, and the column still sorts by date.
    EXPECT_EQ(sütun(alıcı->HareketListesi, 2), (QStringList{"01.04.2026", "02.04.2026 17:45:00"}));
    alıcı->HareketListesi->sütunaTıklandı(2);
    alıcı->HareketListesi->sütunaTıklandı(2);
    EXPECT_EQ(sütun(alıcı->HareketListesi, 2), (QStringList{"02.04.2026 17:45:00", "01.04.2026"}));
    // The unit price is taken as a currency value: to four decimals, a half to the even neighbour.
    EXPECT_DOUBLE_EQ(firma_hareketleri::tutar(1000, 0.03125), 31.2);
}

TEST_F(FirmaPenceresi, BulmaKutusuVeYenileme)
{
    auto p = pencere(true);
    // Typed letters are upper-cased the Turkish way; an apostrophe and the wildcard characters are plain
    // letters; I finds ı.
    bulYaz(*p, "o'n");
    EXPECT_EQ(p->BulKutusu->text(), "O'N");
    EXPECT_EQ(seçili(*p), "O'NEİL LTD");
    EXPECT_EQ(sütun(p->HareketListesi, 1), QStringList{"UN"});
    bulYaz(*p, "a_");
    EXPECT_EQ(seçili(*p), "A_B TİCARET");
    bulYaz(*p, "%");
    EXPECT_EQ(seçili(*p), "%50 İNDİRİM");
    bulYaz(*p, "ILG");
    EXPECT_EQ(seçili(*p), "ılgaz yapı");
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
    QTest::keyClick(p->windowHandle(), Qt::Key_F5);  // from the find box
    EXPECT_EQ(p->FirmaListesi->girdiSayısı(), 6);
    EXPECT_EQ(p->FirmaListesi->seçiliSatır(), -1);
    EXPECT_EQ(p->HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(p->BulKutusu->text(), "ACAR");
    // Reached by Tab, the find box keeps its text unselected.
    QTest::keyClick(p->FirmaListesi, Qt::Key_Tab);
    ASSERT_EQ(p->focusWidget(), p->BulKutusu);
    EXPECT_FALSE(p->BulKutusu->hasSelectedText());
}

TEST_F(FirmaPenceresi, MenüdenAçılırVeAktarılır)
{
    açıcılar::temizle();
    StokListeleriniKaydet();
    QString başlık, dosya;
    test::Görününce açılınca("AlıcıSatıcıFirmayaGöreStokListesiFormu", [&](QWidget* w) {
        auto* p = dynamic_cast<AlıcıSatıcıFirmayaGöreStokListesiFormu*>(w);
        başlık = p->windowTitle();
        seç(p->FirmaListesi, "ÇINAR MARKET");
        dosya = aktar(p);
        p->KapatDüğmesi->click();
    });
    SeçiliFirmaTablosu = AlıcıFirmaTablosuAdı;
    EXPECT_TRUE(açıcılar::aç("AlıcıFirmalaraGöreStokListesi", nullptr));
    açıcılar::temizle();
    EXPECT_EQ(başlık, "Alıcı Firmaların (Müşterilerin) Stok Hareketleri");
    EXPECT_EQ(test::xlsxOku(dosya).sayfaAdı, "Alıcı Firma Stok Hareketleri");

    auto p = pencere(true);
    EXPECT_TRUE(aktar(p.get()).isEmpty());  // an empty list: nothing at all
    seç(p->FirmaListesi, "ACAR GIDA");
    const test::XlsxSayfa s = test::xlsxOku(aktar(p.get()));
    EXPECT_EQ(s.sayfaAdı, "Satıcı Firma Stok Hareketleri");
    EXPECT_EQ(s.metin("A1"), "ACAR GIDA Adlı Firmanın Stok Hareketleri");
    EXPECT_EQ(s.birleşikler, QList<QString>{"A1:H1"});
    // Date and unit as texts; quantity, VAT (also the "0" of a missing rate), price and amount as numbers.
    EXPECT_FALSE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "04.03.2026");
    EXPECT_TRUE(s.hücre("D3").sayı && s.hücre("F4").sayı);
    EXPECT_EQ(s.metin("F4"), "0");
    EXPECT_EQ(s.metin("H4"), "2.5");
    EXPECT_FALSE(s.var("E4"));
    EXPECT_EQ(s.sonSatır, 4);
    sütunGenişlikleri(s, {11, 18, 11, 11, 11, 10, 11, 11});
}

TEST_F(FirmaPenceresi, YazdırmaKDVBirimdenÖnceVeSayfalar)
{
    auto p = pencere(true);
    seç(p->FirmaListesi, "ACAR GIDA");
    OndalıklıMiktar = 0;
    ASSERT_TRUE(yazdır(p.get()));
    {
        const auto& b = belge();
        EXPECT_EQ(b.sayfaSayısı(), 1);
        ASSERT_TRUE(b.metinBul("ACAR GIDA ADLI FİRMANIN STOK HAREKETLERİ"));
        EXPECT_EQ(b.metinBul("KDV")->yazıTipi.boyut, 10);
        // The quantity alone is formatted again, ending at 115; the VAT ends at 125 and the unit starts at
        // 130 on the same line; price and amount as listed.
        EXPECT_NEAR(sağUç(b, "1234"), 115, 0.01);
        EXPECT_NEAR(sağUç(b, "8,00"), 125, 0.01);
        EXPECT_NEAR(solUç(b, "Kg"), 130, 0.01);
        EXPECT_NEAR(b.metinBul("Kg")->y, b.metinBul("1234")->y, 0.01);
        EXPECT_NEAR(sağUç(b, "10,00"), 155, 0.01);
        EXPECT_NEAR(sağUç(b, "12.340,00"), 180, 0.01);
        EXPECT_NEAR(sağUç(b, "0"), 125, 0.01);  // the missing VAT rate
    }

    for (int i = 0; i < 170; ++i) hareket("GirisIslemleriTablosu", 1, 2, "2026-02-01", 1 + i, 2.0);
    seç(p->FirmaListesi, "O'NEİL LTD");
    ASSERT_TRUE(yazdır(p.get()));
    const auto& b = belge();
    ASSERT_EQ(b.sayfaSayısı(), 3);
    for (int sayfa = 2; sayfa <= 3; ++sayfa) {
        const auto metinler = b.metinler(sayfa);
        EXPECT_EQ(metinler[0].metin, "O'NEİL LTD ADLI FİRMANIN STOK HAREKETLERİ");
        EXPECT_EQ(metinler[1].metin, "Sayfa - " + QString::number(sayfa));
        EXPECT_DOUBLE_EQ(metinler[2].y, 15);  // the rows go on at once: no header row
    }
    const QStringList sayfalar = pdfSayfaları(pdfeYazdır(p.get()));
    EXPECT_EQ(sayfalar.size(), 3);
    EXPECT_TRUE(sayfalar.value(0).contains("O'NEİL LTD ADLI FİRMANIN STOK HAREKETLERİ"));
    EXPECT_TRUE(sayfalar.value(2).contains("Sayfa - 3"));
}
