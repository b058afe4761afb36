#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "stock_lists/FirmaHareketListesi.h"
#include "stock_movements/Tohum.h"
#include "support/Ortam.h"

#include <gtest/gtest.h>

using namespace firma_hareketleri;

namespace {

QStringList görünen(const Hareket& h)
{
    QStringList l;
    for (const ListeDeğeri& d : h.hücreler) l << d.görünen();
    return l;
}

QStringList adlar(const QList<ListeGirdisi>& girdiler)
{
    QStringList l;
    for (const auto& g : girdiler) l << g.metin;
    l.sort();
    return l;
}

}  // namespace

TEST(FirmaHareketleri, KipVeBaşlıklar)
{
    EXPECT_EQ(firmaListesiTürü(AlıcıFirmaTablosuAdı), FirmaTürü::Alıcı);
    EXPECT_EQ(firmaListesiTürü(SatıcıFirmaTablosuAdı), FirmaTürü::Satıcı);
    EXPECT_EQ(firmaListesiTürü("AliciFirmalarTablosu"), FirmaTürü::Satıcı);  // only the name with its blank
    EXPECT_EQ(hareketTürü("0"), FirmaTürü::Satıcı);
    EXPECT_EQ(hareketTürü("1"), FirmaTürü::Alıcı);
    EXPECT_EQ(hareketTürü("2"), FirmaTürü::Alıcı);
    EXPECT_EQ(hareketTürü(""), FirmaTürü::Satıcı);
    EXPECT_EQ(sayfaAdı(FirmaTürü::Satıcı), "Satıcı Firma Stok Hareketleri");
    EXPECT_EQ(sayfaAdı(FirmaTürü::Alıcı), "Alıcı Firma Stok Hareketleri");
    EXPECT_EQ(aktarımBaşlığı("ABC"), "ABC Adlı Firmanın Stok Hareketleri");
    EXPECT_EQ(yazdırmaBaşlığı("ABC"), "ABC ADLI FİRMANIN STOK HAREKETLERİ");
}

TEST(FirmaHareketleri, SatıcınınGirişleriAlıcınınÇıkışları)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int acar = tohum::satıcı(db, "ACAR GIDA");
    const int beyaz = tohum::satıcı(db, "BEYAZ TİCARET");
    const int çınar = tohum::alıcı(db, "ÇINAR MARKET");
    const int şeker = tohum::ürün(db, "S-01", "ŞEKER", "Kg", 8.0, 12.5);
    const int un = tohum::ürün(db, "U-03", "UN", QVariant(), QVariant(), 9.0);
    const int çay = tohum::ürün(db, "C-02", "ÇAY", "Paket", 0.0, 40.0);

    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, ?, ?, ?, ?)",
            {şeker, acar, "2026-03-04", 1000.0, 10.0});
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, ?, ?, ?, ?)",
            {un, acar, "2025-11-30", 2.0, 1.25});
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (?, ?, ?, ?, ?)",
            {çay, beyaz, "2026-01-01", 5.0, 30.0});
    // An exit to buyer number acar: a seller's list never shows exits, whatever the numbers.
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) VALUES (?, ?, ?, ?, ?, 4)",
            {şeker, acar, "2026-03-05", 1.0, 1.0});
    for (int neden = 0; neden < 6; ++neden)
        db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) VALUES (?, ?, ?, ?, ?, ?)",
                {çay, çınar, "2026-04-0" + QString::number(neden + 1), 1.0 + neden, 45.0, neden});
    // The product's list price changes afterwards: the list keeps the movement's price.
    db.exec("UPDATE UrunBilgileriTablosu SET Fiyati = 99");

    const QList<Hareket> girişler = hareketler(db, FirmaTürü::Satıcı, acar);
    ASSERT_EQ(girişler.size(), 2);
    EXPECT_EQ(görünen(girişler[0]), (QStringList{"S-01", "ŞEKER", "04.03.2026", "1.000,00", "Kg", "8,00", "10,00", "10.000,00"}));
    // No unit: empty; no VAT rate: "0"; 2 × 1,25 = 2,50.
    EXPECT_EQ(görünen(girişler[1]), (QStringList{"U-03", "UN", "30.11.2025", "2,00", "", "0", "1,25", "2,50"}));
    EXPECT_TRUE(girişler[1].hücreler[Birimi].boşMu());
    EXPECT_EQ(girişler[1].hücreler[KDV].tür(), ListeDeğeri::Tür::Sayı);
    EXPECT_EQ(girişler[1].hücreler[Tarihi].tür(), ListeDeğeri::Tür::Tarih);

    const QList<Hareket> çıkışlar = hareketler(db, FirmaTürü::Alıcı, çınar);
    ASSERT_EQ(çıkışlar.size(), 6);  // every reason
    EXPECT_EQ(görünen(çıkışlar[5]), (QStringList{"C-02", "ÇAY", "06.04.2026", "6,00", "Paket", "0,00", "45,00", "270,00"}));

    EXPECT_EQ(hareketler(db, FirmaTürü::Satıcı, beyaz).size(), 1);
    EXPECT_TRUE(hareketler(db, FirmaTürü::Alıcı, 12345).isEmpty());
    // A firm that has been deleted lists nothing, even if movements still carry its number.
    db.exec("DELETE FROM SaticiFirmalarTablosu WHERE Nosu = ?", {acar});
    EXPECT_TRUE(hareketler(db, FirmaTürü::Satıcı, acar).isEmpty());
}

TEST(FirmaHareketleri, FirmaListeleriVeBulma)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    tohum::satıcı(db, "ACAR GIDA");
    tohum::satıcı(db, "O'NEİL LTD");
    tohum::satıcı(db, "%50 İNDİRİM");
    tohum::satıcı(db, "A_B TİCARET");
    tohum::satıcı(db, "ABC TİCARET");
    tohum::satıcı(db, "ılgaz yapı");
    tohum::alıcı(db, "ÇINAR MARKET");
    EXPECT_EQ(adlar(firmalar(db, FirmaTürü::Satıcı)).size(), 6);
    // The reserved buyer of receipt sales is never offered.
    EXPECT_EQ(adlar(firmalar(db, FirmaTürü::Alıcı)), QStringList{"ÇINAR MARKET"});

    SıralıListeKutusu kutu;
    kutu.doldur(firmalar(db, FirmaTürü::Satıcı));
    auto bul = [&](const QString& metin) {
        const int satır = AlanGirişiKuralları::listedeÖnEkleBul(&kutu, metin);
        return satır < 0 ? QString() : kutu.metin(satır);
    };
    EXPECT_EQ(bul("O'N"), "O'NEİL LTD");
    EXPECT_EQ(bul("%"), "%50 İNDİRİM");
    EXPECT_EQ(bul("A_"), "A_B TİCARET");   // the underscore is a plain letter, not "any letter"
    EXPECT_EQ(bul("AB"), "ABC TİCARET");
    EXPECT_EQ(bul("A*"), QString());        // nor is the star "anything"
    EXPECT_EQ(bul("?"), QString());
    EXPECT_EQ(bul("ILG"), "ılgaz yapı");    // Turkish letter case: I and ı are one letter
    EXPECT_EQ(bul("İLG"), QString());       // İ is the capital of i, not of ı
    EXPECT_EQ(bul("acar"), "ACAR GIDA");
}
