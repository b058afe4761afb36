// Where the invoice and the delivery note put their texts, on the recorder.
#include "invoicing/FaturaBaskisi.h"
#include "invoicing/YaziTipiSecmeFormu.h"
#include "platform/YaziciKaydedici.h"

#include <gtest/gtest.h>

using namespace fatura;
using yazdırma::KaydedilenBelge;
using yazdırma::YazıcıÇağrısı;
using yazdırma::YazıcıKaydedici;

namespace {

FaturaVerisi örnekFatura(int satırSayısı = 2)
{
    FaturaVerisi v;
    v.firmaAdı = QStringLiteral("ÖZKAN YAPI");
    v.adresi = QStringLiteral("Atatürk Cad. No 5 Kadıköy");
    v.vergiDairesi = QStringLiteral("KADIKÖY");
    v.vergiNumarası = QStringLiteral("1234567890");
    v.tarih = QDate(2026, 3, 7);
    for (int i = 0; i < satırSayısı; ++i) {
        FaturaSatırı r;
        r.hareketNo = 10 + i;
        r.kodu = QStringLiteral("K-%1").arg(i + 1);
        r.adı = i == 0 ? QStringLiteral("Çivi") : QStringLiteral("Vida %1").arg(i);
        r.miktarı = i == 0 ? 3 : 2.5;
        r.fiyatı = 125000;
        r.tutarı = i == 0 ? 375000 : 312500;
        v.satırlar.append(r);
    }
    v.toplam = 384900;
    v.kdvToplamı = 68292;
    v.genelToplam = 453192;
    return v;
}

const EkFaturaBilgileri Ek{QStringLiteral("A-17"), QDate(2026, 3, 6)};
const QString Yazıyla = QStringLiteral("KırkBeşTLOtuzİkiKuruş");

KaydedilenBelge diz(const FaturaBaskıAyarları& a, const FaturaVerisi& v = örnekFatura(), bool* sığdı = nullptr)
{
    YazıcıKaydedici k;
    const bool s = faturayıDiz(k, v, Ek, Yazıyla, a);
    if (sığdı) *sığdı = s;
    return k.belge();
}

const YazıcıÇağrısı& metin(const KaydedilenBelge& b, const QString& m)
{
    static const YazıcıÇağrısı yok;
    const YazıcıÇağrısı* ç = b.metinBul(m);
    EXPECT_TRUE(ç) << m.toStdString();
    return ç ? *ç : yok;
}

double satırYüksekliği(const yazdırma::YazıTipi& yt)
{
    YazıcıKaydedici k;
    k.setYazıTipi(yt);
    return k.metinYüksekliği();
}

// What a position places: a text of the invoice and which of its measures it sets.
enum class Ölçü { Sol, Üst, Sağ };
struct Yoklama {
    Konum konum;
    QString metin;
    Ölçü ölçü;
    int blok;  // texts of one block move together
};

double ölç(const YazıcıÇağrısı& ç, Ölçü ö)
{
    return ö == Ölçü::Sol ? ç.x : ö == Ölçü::Üst ? ç.y : ç.x + ç.genişlik;
}

const EkİrsaliyeBilgileri İrsaliyeEki{QDate(2026, 3, 8), QDate(2026, 3, 9), QTime(14, 5)};

// Where the last of n item lines ends (where a next one would begin), laid out on a page long enough.
double kalemlerinSonu(FaturaBaskıAyarları a, int n, bool irsaliye = false)
{
    YazıcıKaydedici k(210, 10000);
    a.düzen.set(Konum::RakamÜst, 80);  // the totals out of the items' way
    a.düzen.set(Konum::YazıÜst, 80);
    if (irsaliye) irsaliyeyiDiz(k, örnekFatura(n), İrsaliyeEki, a.düzen, true);
    else faturayıDiz(k, örnekFatura(n), Ek, Yazıyla, a);
    const YazıcıÇağrısı* son = k.belge().metinBul(QStringLiteral("K-%1").arg(n));
    EXPECT_TRUE(son);
    k.setYazıTipi(son ? son->yazıTipi : a.yazıTipi);
    return son ? son->y + k.metinYüksekliği() : 0;
}

// The most item lines that end at or above y.
int sığanSatır(const FaturaBaskıAyarları& a, double y)
{
    int n = 0;
    while (kalemlerinSonu(a, n + 1) <= y) ++n;
    return n;
}

}  // namespace

TEST(FaturaBaskısı, HerKonumKendiBloğunuTamDeğişimKadarKaydırır)
{
    const QList<Yoklama> yoklamalar = {
        {Konum::MüşteriÜst, "SAYIN ", Ölçü::Üst, 0},     {Konum::MüşteriSol, "SAYIN ", Ölçü::Sol, 0},
        {Konum::VergiÜst, "KADIKÖY", Ölçü::Üst, 1},      {Konum::VergiSol, "KADIKÖY", Ölçü::Sol, 1},
        {Konum::TarihÜst, "A-17", Ölçü::Üst, 2},         {Konum::TarihSol, "A-17", Ölçü::Sol, 2},
        {Konum::İçerikÜst, "K-1", Ölçü::Üst, 3},         {Konum::AdıSol, "Çivi", Ölçü::Sol, 3},
        {Konum::MiktarSol, "3,00", Ölçü::Sol, 3},        {Konum::FiyatSol, "12,50", Ölçü::Sağ, 3},
        {Konum::TutarSol, "37,50", Ölçü::Sağ, 3},        {Konum::RakamÜst, "38,49", Ölçü::Üst, 4},
        {Konum::RakamSol, "45,32", Ölçü::Sağ, 4},        {Konum::YazıÜst, "Yalnız " + Yazıyla, Ölçü::Üst, 5},
        {Konum::YazıSol, "Yalnız " + Yazıyla, Ölçü::Sol, 5},
    };
    FaturaBaskıAyarları a;
    a.boşKağıt = true;
    const KaydedilenBelge önce = diz(a);
    for (const Yoklama& y : yoklamalar) {
        const QString ad = QString::fromUtf8(tanım(y.konum).anahtar);
        FaturaBaskıAyarları b = a;
        b.düzen.set(y.konum, a.düzen[y.konum] + 7);
        const KaydedilenBelge sonra = diz(b);
        EXPECT_NEAR(ölç(metin(sonra, y.metin), y.ölçü) - ölç(metin(önce, y.metin), y.ölçü), 7, 1e-9)
            << ad.toStdString();
        // The other blocks stay where they were.
        for (const Yoklama& öbür : yoklamalar)
            if (öbür.blok != y.blok) {
                const YazıcıÇağrısı& ö = metin(önce, öbür.metin);
                const YazıcıÇağrısı& s = metin(sonra, öbür.metin);
                EXPECT_DOUBLE_EQ(ö.x, s.x) << ad.toStdString() << " moved " << öbür.metin.toStdString();
                EXPECT_DOUBLE_EQ(ö.y, s.y) << ad.toStdString() << " moved " << öbür.metin.toStdString();
            }
    }

    // The sixteenth, the address width, moves the wrap: every line but the last has just grown past it.
    const QString adres =
        QStringLiteral("Bağdat Caddesi Kazım Özalp Sokak Numara 12 Daire 4 Kat 3 Suadiye Kadıköy İstanbul");
    for (int genişlik : {40, 55, 70}) {
        FaturaBaskıAyarları b = a;
        b.düzen.set(Konum::AdresGenişliği, genişlik);
        FaturaVerisi v = örnekFatura();
        v.adresi = adres;
        YazıcıKaydedici k;
        ASSERT_TRUE(faturayıDiz(k, v, Ek, Yazıyla, b));
        const double adresY = metin(k.belge(), "ÖZKAN YAPI").y;
        QList<YazıcıÇağrısı> satırlar;
        for (const YazıcıÇağrısı& ç : k.belge().metinler())
            if (ç.y > adresY && ç.y < b.düzen[Konum::VergiÜst] && ç.x == b.düzen[Konum::MüşteriSol]) satırlar.append(ç);
        ASSERT_GE(satırlar.size(), 2) << genişlik;
        EXPECT_NEAR(satırlar[0].y, adresY + k.metinYüksekliği() + 2, 1e-9);
        QStringList sözcükler;
        for (int i = 0; i < satırlar.size(); ++i) {
            sözcükler << satırlar[i].metin.trimmed();
            if (i + 1 == satırlar.size()) break;
            EXPECT_GT(satırlar[i].genişlik, genişlik);
            const QString kısa = satırlar[i].metin.left(satırlar[i].metin.lastIndexOf(' '));
            EXPECT_LE(k.metinGenişliği(kısa), genişlik) << satırlar[i].metin.toStdString();
        }
        EXPECT_EQ(sözcükler.join(' '), adres);
    }
}

TEST(FaturaBaskısı, BoşKağıttaBaşlıklarFormdaYalnızDeğerler)
{
    FaturaBaskıAyarları a;
    a.yazıTipi = {QStringLiteral("Liberation Serif"), 11};
    const double h = satırYüksekliği(a.yazıTipi);
    const FaturaDüzeni& d = a.düzen;

    const KaydedilenBelge form = diz(a);
    for (const char* başlık : {"İrsaliye No :", "VD :", "Kodu", "Ürün Adı", "Toplam", "Yekün"})
        EXPECT_FALSE(form.metinBul(QString::fromUtf8(başlık))) << başlık;
    EXPECT_DOUBLE_EQ(metin(form, "K-1").y, d[Konum::İçerikÜst]);
    EXPECT_TRUE(form.metinBul(Yazıyla));
    // Every value in the invoice font; the dates a line plus 4 mm apart.
    for (const YazıcıÇağrısı& ç : form.metinler()) EXPECT_EQ(ç.yazıTipi, a.yazıTipi) << ç.metin.toStdString();
    EXPECT_NEAR(metin(form, "06.03.2026").y, d[Konum::TarihÜst] + h + 4, 1e-9);
    EXPECT_NEAR(metin(form, "07.03.2026").y, d[Konum::TarihÜst] + 2 * (h + 4), 1e-9);
    EXPECT_NEAR(metin(form, "1234567890").y, d[Konum::VergiÜst] + h, 1e-9);
    EXPECT_NEAR(metin(form, "6,83").y, d[Konum::RakamÜst] + h + 2, 1e-9);
    EXPECT_NEAR(metin(form, "45,32").y, d[Konum::RakamÜst] + 2 * (h + 2), 1e-9);
    EXPECT_NEAR(metin(form, "ÖZKAN YAPI").x, d[Konum::MüşteriSol] + metin(form, "SAYIN ").genişlik, 1e-9);

    a.boşKağıt = true;
    const KaydedilenBelge boş = diz(a);
    const double L = d[Konum::TarihSol];
    EXPECT_DOUBLE_EQ(metin(boş, "İrsaliye No :").x, L - 21);
    EXPECT_DOUBLE_EQ(metin(boş, "İrsaliye No :").y, d[Konum::TarihÜst]);
    EXPECT_DOUBLE_EQ(metin(boş, "İrsaliye Tarihi :").x, L - 25);
    EXPECT_DOUBLE_EQ(metin(boş, "Fatura Tarihi :").x, L - 24);
    EXPECT_DOUBLE_EQ(metin(boş, "VD :").x, d[Konum::VergiSol] - 8);
    EXPECT_DOUBLE_EQ(metin(boş, "Yekün").x, d[Konum::RakamSol] - 45);
    EXPECT_TRUE(metin(boş, "Yekün").yazıTipi.kalın);
    EXPECT_FALSE(metin(boş, "Yekün").yazıTipi.altıÇizili);
    const YazıcıÇağrısı& başlık = metin(boş, "Ürün Adı");
    EXPECT_TRUE(başlık.yazıTipi.kalın && başlık.yazıTipi.altıÇizili);
    EXPECT_DOUBLE_EQ(başlık.y, d[Konum::İçerikÜst]);
    EXPECT_NEAR(metin(boş, "Fiyatı").x + metin(boş, "Fiyatı").genişlik, d[Konum::FiyatSol], 1e-9);
    EXPECT_NEAR(metin(boş, "K-1").y, d[Konum::İçerikÜst] + h + 1, 1e-9);
    EXPECT_FALSE(metin(boş, "K-1").yazıTipi.kalın || metin(boş, "K-1").yazıTipi.altıÇizili);
    EXPECT_DOUBLE_EQ(metin(boş, "Yalnız " + Yazıyla).x, d[Konum::YazıSol]);

    // In the default invoice font the captions end before the values they stand beside.
    a.yazıTipi = {VarsayılanFaturaYazıTipi, 10};
    const KaydedilenBelge varsayılan = diz(a);
    for (const char* başlık : {"İrsaliye No :", "İrsaliye Tarihi :", "Fatura Tarihi :"}) {
        const YazıcıÇağrısı& ç = metin(varsayılan, QString::fromUtf8(başlık));
        EXPECT_LE(ç.x + ç.genişlik, L) << başlık;
    }
    const YazıcıÇağrısı& vd = metin(varsayılan, "VD :");
    EXPECT_LE(vd.x + vd.genişlik, d[Konum::VergiSol]);
    EXPECT_EQ(vd.yazıTipi.ad, VarsayılanFaturaYazıTipi);
}

TEST(FaturaBaskısı, AdresSözcüklerleSarılır)
{
    auto adres = [](const QString& a, double genişlik = 55) {
        YazıcıKaydedici k;
        adresiYaz(k, a, 35, genişlik);
        QStringList satırlar;
        for (const YazıcıÇağrısı& ç : k.belge().metinler()) {
            EXPECT_DOUBLE_EQ(ç.x, 35);
            satırlar << ç.metin;
        }
        return satırlar;
    };
    EXPECT_EQ(adres("Kadıköy"), QStringList{" Kadıköy"});
    EXPECT_EQ(adres("Atatürk Cad. - No 5"), QStringList{"Atatürk Cad. No 5"});
    EXPECT_EQ(adres("A  B"), QStringList{"A B"});
    // A first word wider than the width stands alone, after a blank, when two words follow it.
    const QString uzun = QStringLiteral("Çokuzunmahallesiadıbirsözcükolarak");
    EXPECT_EQ(adres(uzun + " Cad. 5", 40), (QStringList{" " + uzun, "Cad. 5"}));
    EXPECT_EQ(adres(uzun + " Cad.", 40), QStringList{uzun + " Cad."});
    // A line break inside a word is printed as a blank.
    EXPECT_EQ(adres("No 5\nKadıköy"), QStringList{"No 5 Kadıköy"});
}

TEST(FaturaBaskısı, MiktarlarTercihleBiçimlenir)
{
    FaturaBaskıAyarları a;
    a.ondalıklıMiktar = false;
    const KaydedilenBelge b = diz(a);
    EXPECT_TRUE(b.metinBul("3"));
    EXPECT_TRUE(b.metinBul("3") && b.metinBul("3")->x == a.düzen[Konum::MiktarSol]);
    EXPECT_FALSE(b.metinBul("2,50"));
    EXPECT_TRUE(b.metinBul("12,50"));  // prices keep their decimals
}

TEST(FaturaBaskısı, SonSatırSayfaSonunaBeşMilimetredenYakınsaSığmaz)
{
    FaturaBaskıAyarları a;
    // The totals above the items: only the page's end limits them.
    a.düzen.set(Konum::RakamÜst, 80);
    a.düzen.set(Konum::YazıÜst, 80);
    for (bool irsaliye : {false, true}) {
        const double son = kalemlerinSonu(a, 10, irsaliye);
        auto sığar = [&](double sayfa) {
            YazıcıKaydedici k(210, sayfa);
            return irsaliye ? irsaliyeyiDiz(k, örnekFatura(10), İrsaliyeEki, a.düzen, true)
                            : faturayıDiz(k, örnekFatura(10), Ek, Yazıyla, a);
        };
        EXPECT_FALSE(sığar(son + AltPay)) << irsaliye;  // ends exactly 5 mm above the page's end
        EXPECT_TRUE(sığar(son + AltPay + 0.01)) << irsaliye;
    }
}

TEST(FaturaBaskısı, KalemlerToplamlaraUlaşırsaSığmaz)
{
    for (bool boşKağıt : {false, true}) {
        FaturaBaskıAyarları a;
        a.boşKağıt = boşKağıt;
        const int sığan = sığanSatır(a, a.düzen[Konum::RakamÜst]);
        bool sığdı = false;
        KaydedilenBelge b = diz(a, örnekFatura(sığan), &sığdı);
        EXPECT_TRUE(sığdı) << boşKağıt;
        EXPECT_TRUE(b.metinBul("45,32"));
        b = diz(a, örnekFatura(sığan + 1), &sığdı);
        EXPECT_FALSE(sığdı) << boşKağıt;
        EXPECT_FALSE(b.metinBul("38,49"));  // nothing after the items
        // Forty lines would still end above the page's reserve, over the totals.
        EXPECT_LT(kalemlerinSonu(a, 40), 297 - AltPay);
        diz(a, örnekFatura(40), &sığdı);
        EXPECT_FALSE(sığdı) << boşKağıt;
    }

    // The words line above the totals limits the items alone; a block above the first item line does not.
    FaturaBaskıAyarları a;
    a.düzen.set(Konum::YazıÜst, 200);
    const int sığan = sığanSatır(a, 200);
    bool sığdı = false;
    diz(a, örnekFatura(sığan), &sığdı);
    EXPECT_TRUE(sığdı);
    diz(a, örnekFatura(sığan + 1), &sığdı);
    EXPECT_FALSE(sığdı);
    a.düzen.set(Konum::YazıÜst, 100);
    a.düzen.set(Konum::RakamÜst, int(a.düzen[Konum::İçerikÜst]));
    diz(a, örnekFatura(40), &sığdı);
    EXPECT_TRUE(sığdı);

    // The delivery note has no totals: forty lines fit its page.
    YazıcıKaydedici k;
    EXPECT_TRUE(irsaliyeyiDiz(k, örnekFatura(40), İrsaliyeEki, FaturaDüzeni::fabrika(), true));
}

TEST(İrsaliyeBaskısı, TarihlerMüşteriVeKalemlerYalnızcaİlkOnKonumla)
{
    FaturaDüzeni d = FaturaDüzeni::fabrika();
    d.set(Konum::TarihSol, 150);
    d.set(Konum::MiktarSol, 100);
    // The invoice-only positions are not used.
    d.set(Konum::FiyatSol, 60);
    d.set(Konum::RakamÜst, 80);
    YazıcıKaydedici k;
    ASSERT_TRUE(irsaliyeyiDiz(k, örnekFatura(), İrsaliyeEki, d, false));
    const KaydedilenBelge& b = k.belge();
    const double h = k.metinYüksekliği();
    EXPECT_EQ(metin(b, "08.03.2026").x, 150);
    EXPECT_EQ(metin(b, "08.03.2026").y, d[Konum::TarihÜst]);
    EXPECT_NEAR(metin(b, "09.03.2026").y, d[Konum::TarihÜst] + h + 4, 1e-9);
    EXPECT_NEAR(metin(b, "14:05:00").y, d[Konum::TarihÜst] + 2 * (h + 4), 1e-9);
    EXPECT_EQ(metin(b, "SAYIN ").y, d[Konum::MüşteriÜst]);
    EXPECT_EQ(metin(b, "KADIKÖY").x, d[Konum::VergiSol]);
    EXPECT_EQ(metin(b, "K-1").x, 15);
    EXPECT_EQ(metin(b, "K-1").y, d[Konum::İçerikÜst]);
    EXPECT_EQ(metin(b, "3").x, 100);
    // No prices, totals, words or captions; the surface's own font.
    for (const YazıcıÇağrısı& ç : b.metinler()) {
        EXPECT_FALSE(ç.metin.contains(',')) << ç.metin.toStdString();
        EXPECT_EQ(ç.yazıTipi, yazdırma::YazıTipi{});
    }
    EXPECT_FALSE(b.metinBul("Kodu"));
}
