// The line checks, texts and totals of the two working lists, without windows.
#include "stock_movements/StokSatirlari.h"

#include <gtest/gtest.h>

using namespace stok;

namespace {

GirişSatırı girişSatırı(int ürün, int firma)
{
    GirişSatırı s;
    s.ürünNo = ürün;
    s.firmaNo = firma;
    return s;
}

GirişGirdisi iyiGiriş(int ürün = 7, int firma = 3)
{
    return {firma, ürün, QDate(2026, 3, 1), "5,00", "12,50"};
}

ÇıkışGirdisi iyiÇıkış(int neden = 0, int ürün = 7)
{
    return {neden, 4, ürün, 10.0, QDate(2026, 3, 1), "2,00", "12,50"};
}

QString refMetni(const std::optional<Ret>& r) { return r ? r->metin : QString(); }

}  // namespace

TEST(GirişDenetimi, SıraylaİlkEksikReddedilir)
{
    GirişGirdisi g;
    auto r = girişSatırınıDenetle(g, {});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->metin, "Lütfen listeden bir FİRMA seçiniz.");
    EXPECT_EQ(r->odak, Alan::FirmaListesi);

    g.firmaNo = 3;
    r = girişSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen listeden bir ÜRÜN seçiniz.");
    EXPECT_EQ(r->odak, Alan::ÜrünListesi);

    g.ürünNo = 7;
    r = girişSatırınıDenetle(g, {girişSatırı(7, 3)});
    EXPECT_EQ(refMetni(r), "Bu ÜRÜN listeye daha önce eklenmiş!\n\nLütfen, ürünü ya da firmayı değiştiriniz.");
    EXPECT_EQ(r->odak, Alan::Yok);

    r = girişSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir TARİH giriniz.");
    EXPECT_EQ(r->odak, Alan::TarihiKutusu);

    g.tarih = QDate(2026, 3, 1);
    r = girişSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir MİKTAR giriniz.");
    EXPECT_EQ(r->odak, Alan::MiktarıKutusu);

    g.miktarMetni = "0,01";
    r = girişSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir FİYAT giriniz.");
    EXPECT_EQ(r->odak, Alan::FiyatıKutusu);

    g.fiyatMetni = "0,01";
    EXPECT_FALSE(girişSatırınıDenetle(g, {}));
}

TEST(GirişDenetimi, MiktarVeFiyatSayıOlarakSıfırınÜstündeOlmalı)
{
    // Texts that are no number (a pasted "1.5" too), and numbers too large to be written.
    for (const char* kötü : {"", "0", "0,00", "0,001", "-5", "-5,00", "abc", ",", "1e308", "NaN", "12,3,4", "1.5",
                             "1.000.000.000.000,01"}) {
        auto g = iyiGiriş();
        g.miktarMetni = kötü;
        EXPECT_EQ(refMetni(girişSatırınıDenetle(g, {})), metin::MiktarGiriniz) << kötü;
        g = iyiGiriş();
        g.fiyatMetni = kötü;
        EXPECT_EQ(refMetni(girişSatırınıDenetle(g, {})), metin::FiyatGiriniz) << kötü;
    }
    auto g = iyiGiriş();
    g.miktarMetni = "1.234,50";
    EXPECT_FALSE(girişSatırınıDenetle(g, {}));
}

TEST(GirişDenetimi, TekrarÜrünVeFirmayıHerhangiBirSatırdaArar)
{
    const QList<GirişSatırı> liste = {girişSatırı(1, 10), girişSatırı(2, 20)};  // A from X, B from Y
    EXPECT_EQ(refMetni(girişSatırınıDenetle(iyiGiriş(1, 20), liste)), metin::GirişTekrarı);  // A from Y
    EXPECT_EQ(refMetni(girişSatırınıDenetle(iyiGiriş(1, 10), liste)), metin::GirişTekrarı);  // A from X
    EXPECT_FALSE(girişSatırınıDenetle(iyiGiriş(1, 30), liste));                              // A from Z
    EXPECT_FALSE(girişSatırınıDenetle(iyiGiriş(3, 10), liste));                              // C from X
}

TEST(ÇıkışDenetimi, SıraylaİlkEksikReddedilir)
{
    ÇıkışGirdisi g;
    auto r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen ÇIKIŞ NEDENİ'ni belirtiniz.");
    EXPECT_EQ(r->odak, Alan::NedeniKutusu);

    g.neden = 2;
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen listeden bir FİRMA seçiniz.");
    EXPECT_EQ(r->odak, Alan::FirmaListesi);

    g.neden = 1;  // a receipt sale needs no firm
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen listeden bir ÜRÜN seçiniz.");
    EXPECT_EQ(r->odak, Alan::ÜrünListesi);

    g.ürünNo = 7;
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Bu ürünün stokta MEVCUDU kalmamış!\n\nLütfen, başka bir ürün seçiniz.");
    EXPECT_EQ(r->odak, Alan::ÜrünListesi);

    g.stok = 3;
    ÇıkışSatırı aynı;
    aynı.ürünNo = 7;
    r = çıkışSatırınıDenetle(g, {aynı});
    EXPECT_EQ(refMetni(r), "Bu ÜRÜN listeye daha önce eklenmiş!\n\nLütfen, ÜRÜNÜ değiştiriniz.");

    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir TARİH giriniz.");

    g.tarih = QDate(2026, 3, 1);
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir MİKTAR giriniz.");

    g.miktarMetni = "3,01";
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!");
    EXPECT_TRUE(r->stokMiktaraYazılsın);
    EXPECT_EQ(r->odak, Alan::MiktarıKutusu);

    g.miktarMetni = "3,00";  // equal to the stock passes
    r = çıkışSatırınıDenetle(g, {});
    EXPECT_EQ(refMetni(r), "Lütfen geçerli bir FİYAT giriniz.");
    EXPECT_EQ(r->odak, Alan::FiyatıKutusu);

    g.fiyatMetni = "0,01";
    EXPECT_FALSE(çıkışSatırınıDenetle(g, {}));
}

TEST(ÇıkışDenetimi, SıfırVeEksiStokAynıMesajlaReddedilir)
{
    for (double stok : {0.0, -5.0, 0.004}) {
        auto g = iyiÇıkış();
        g.stok = stok;
        EXPECT_EQ(refMetni(çıkışSatırınıDenetle(g, {})), metin::MevcutKalmamış) << stok;
    }
    // A stock that reads as 0,01 passes; a sum of many small entries keeps its binary error away.
    auto g = iyiÇıkış();
    g.stok = 0.1 + 0.2 - 0.3 + 0.01;
    g.miktarMetni = "0,01";
    EXPECT_FALSE(çıkışSatırınıDenetle(g, {}));
}

TEST(ÇıkışDenetimi, FiyatSatıştaZorunluÖtekileriSıfırYadaÜstü)
{
    for (int neden : {0, 1}) {
        for (const char* kötü : {"", "0", "0,00", "-5"}) {
            auto g = iyiÇıkış(neden);
            g.fiyatMetni = kötü;
            EXPECT_EQ(refMetni(çıkışSatırınıDenetle(g, {})), metin::FiyatGiriniz) << neden << kötü;
        }
    }
    for (int neden : {2, 3, 4, 5}) {
        for (const char* iyi : {"", "0", "0,00", "4,00"}) {
            auto g = iyiÇıkış(neden);
            g.fiyatMetni = iyi;
            EXPECT_FALSE(çıkışSatırınıDenetle(g, {})) << neden << iyi;
        }
        auto g = iyiÇıkış(neden);
        g.fiyatMetni = "-5";
        EXPECT_EQ(refMetni(çıkışSatırınıDenetle(g, {})), metin::FiyatGiriniz);
    }
    auto g = iyiÇıkış(3);
    g.miktarMetni = "-1";
    EXPECT_EQ(refMetni(çıkışSatırınıDenetle(g, {})), metin::MiktarGiriniz);
}

TEST(ÇalışmaListesi, SütunMetinleriDeğerlerdenTürkçeYazılır)
{
    GirişSatırı g;
    g.ürünNo = 12;
    g.firmaNo = 4;
    g.firmaAdı = "ACAR LTD";
    g.tarih = QDate(2026, 12, 7);
    g.miktar = 1234.5;
    g.birimi = "Kg";
    g.kodu = "K-1";
    g.adı = "ŞEKER";
    g.fiyat = 12.5;
    g.girişiYapan = 3;
    EXPECT_EQ(sütunMetinleri(g), QStringList({"12", "4", "ACAR LTD", "07.12.2026", "1.234,50", "Kg", "K-1", "ŞEKER",
                                               "", "12,50", "3"}));
    g.kdvOranı = 8;
    EXPECT_EQ(sütunMetinleri(g)[8], "8,00");

    ÇıkışSatırı ç;
    ç.ürünNo = 12;
    ç.firmaNo = 1;
    ç.tarih = QDate(2026, 1, 2);
    ç.miktar = 2;
    ç.fiyat = 12.5;
    ç.kdvOranı = 18;
    ç.nedeni = 1;
    ç.adı = "ŞEKER";
    const QStringList m = sütunMetinleri(ç);
    ASSERT_EQ(m.size(), 13);
    EXPECT_EQ(m[2], "02.01.2026");
    EXPECT_EQ(m[3], "2,00");
    EXPECT_EQ(m[7], "18");
    EXPECT_EQ(m[8], "12,50");
    EXPECT_EQ(m[9], "25,00");
    EXPECT_EQ(m[10], "4,5");
    EXPECT_EQ(m[11], "1");
    EXPECT_EQ(m[12], "0");
    ç.kdvOranı = 8.5;
    EXPECT_EQ(sütunMetinleri(ç)[7], "8,5");
    // Small VAT amounts stay readable as numbers, never in exponent form.
    ç.kdvOranı = 8;
    ç.miktar = 0.01;
    ç.fiyat = 0.01;
    EXPECT_EQ(sütunMetinleri(ç)[10], "0,000008");
    EXPECT_EQ(kısaSayı(0.1 + 0.2), "0,3");
    EXPECT_EQ(kısaSayı(1234567.25), "1234567,25");
    EXPECT_EQ(kısaSayı(0), "0");
}

TEST(ÇalışmaListesi, ToplamlarTutarıGösterildiğiGibiKdvyiYuvarlamadanToplar)
{
    ÇıkışSatırı s;
    s.miktar = 2;
    s.fiyat = 12.5;
    s.kdvOranı = 18;
    Toplamlar t = toplamlarıHesapla({s});
    EXPECT_DOUBLE_EQ(t.tutar, 25.0);
    EXPECT_DOUBLE_EQ(t.kdv, 4.5);
    EXPECT_DOUBLE_EQ(t.genel, 29.5);

    // Three lines of 0,004 VAT each: rounded per line they would add up to nothing.
    ÇıkışSatırı küçük;
    küçük.miktar = 1;
    küçük.fiyat = 0.05;
    küçük.kdvOranı = 8;
    t = toplamlarıHesapla({küçük, küçük, küçük});
    EXPECT_NEAR(t.kdv, 0.012, 1e-12);
    EXPECT_DOUBLE_EQ(t.tutar, 0.15);
    EXPECT_NEAR(t.genel, 0.162, 1e-12);

    t = toplamlarıHesapla({});
    EXPECT_EQ(t.tutar, 0);
    EXPECT_EQ(t.genel, 0);
}
