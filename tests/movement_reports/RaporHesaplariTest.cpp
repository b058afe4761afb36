// The reports' figures and queries, without their windows.
#include "movement_reports/CikisNedenineGore.h"
#include "movement_reports/GunlukHareketler.h"
#include "movement_reports/IadeListesi.h"
#include "movement_reports/YapanlaraGore.h"
#include "RaporOrtami.h"

#include "core/IadeTablosu.h"
#include "platform/TurkceMetin.h"
#include "stock_lists/FirmaHareketListesi.h"
#include "support/SorguPlani.h"

using namespace raporTest;

namespace {

QList<QStringList> oku(const std::function<int(const rapor::SatırAlıcı&)>& sorgu, int* sayım = nullptr)
{
    QList<QStringList> satırlar;
    rapor::SatırAlıcı alıcı{[sayım](int n) {
                                if (sayım) *sayım = n;
                            },
                            [&satırlar](rapor::Satır&& s) {
                                QStringList m;
                                for (const ListeDeğeri& d : s) m << d.görünen();
                                satırlar << m;
                            }};
    sorgu(alıcı);
    // The queries give the rows in the database's order, which the tests do not rely on.
    std::sort(satırlar.begin(), satırlar.end());
    return satırlar;
}

}  // namespace

TEST(RaporHesapları, GösterilenMetinGibiYuvarlar)
{
    // Hundredths as the "##,##0.00" text shows them, also where the binary value lies just below the half.
    for (double d : {1.005, 2.675, 0.125, -1.005, 1234.565, 0.004999, 99.995, 1e-9, 12.5})
        EXPECT_EQ(turkce::tutarBiçimi(rapor::kuruşDeğeri(d)), turkce::tutarBiçimi(d)) << d;
    EXPECT_EQ(rapor::kuruş(1.005), 101);
    EXPECT_EQ(rapor::kuruş(-2.675), -268);

    // The daily totals add what each row shows: 2,5 × 10 = 25; 1,005 shows 1,01 and its amount 1,01 × 3,33.
    rapor::GünlükToplamlar t;
    t.ekle({{}, {}, {}, {}, ListeDeğeri::sayı(2.5), ListeDeğeri::sayı(10), ListeDeğeri::sayı(25)});
    t.ekle({{}, {}, {}, {}, ListeDeğeri::sayı(1.01), ListeDeğeri::sayı(3.33), ListeDeğeri::sayı(3.3633)});
    EXPECT_EQ(t.miktarMetni(), "3,51");
    EXPECT_EQ(t.fiyatMetni(), "13,33");
    EXPECT_EQ(t.tutarMetni(), "28,36");

}

// A price stored with five decimals counts as the four-decimal currency value before it is multiplied:
// 1000 at 1,23456 makes 1.234,60 (not 1.234,56) in the by-person and by-reason reports and in the by-firm list.
TEST_F(RaporTesti, FiyatDörtOndalığaYuvarlanıpÇarpılır)
{
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    const int a = firma(true, "ARDA MARKET");
    const int ayşe = kişi("AYŞE KARA");
    giriş(çay, s, Gün1, 1000, 1.23456, ayşe);
    çıkış(çay, a, Gün1, 1000, 1.23456, 2, ayşe);

    for (bool girişMi : {true, false}) {
        const auto satırlar = oku([&](const rapor::SatırAlıcı& al) { return rapor::yapanHareketleri(db(), ayşe, girişMi, al); });
        EXPECT_EQ(satırlar.value(0).value(5), "1.234,60") << girişMi;
    }
    const auto neden = oku([&](const rapor::SatırAlıcı& al) { return rapor::nedenHareketleri(db(), çay, 2, al); });
    EXPECT_EQ(neden.value(0).value(6), "1.234,60");
    using namespace firma_hareketleri;
    for (auto [tür, no] : {std::pair{FirmaTürü::Satıcı, s}, std::pair{FirmaTürü::Alıcı, a}})
        EXPECT_EQ(hareketler(db(), tür, no).value(0).hücreler.value(Tutarı).görünen(), "1.234,60") << no;
}

TEST(RaporHesapları, İadeSütunlarıSayfaGenişliğineGöre)
{
    EXPECT_EQ(rapor::iadeSütunKonumları(210), (std::array<int, 8>{15, 50, 82, 110, 126, 131, 152, 194}));
    EXPECT_EQ(rapor::iadeSütunKonumları(200), (std::array<int, 8>{15, 48, 79, 106, 121, 126, 146, 186}));
    // 64,5 goes to the even 64.
    EXPECT_EQ(rapor::iadeSütunKonumları(297), (std::array<int, 8>{15, 64, 110, 150, 173, 178, 208, 267}));
}

TEST_F(RaporTesti, NedenListesiVeToplamı)
{
    const int çay = ürün("C-1", "ÇAY", QVariant(), QVariant());  // no unit, no VAT rate
    const int şeker = ürün("S-1", "ŞEKER");
    const int adsız = ürün("X-1", QVariant());
    const int a = firma(true, "ARDA MARKET");
    const int adsızFirma = firma(true, QVariant());
    çıkış(çay, a, Gün1, 2.5, 10, 2);
    çıkış(çay, 1, Gün2, 1.234, 3.3333, 2);  // the receipt buyer
    çıkış(çay, 99, Gün2, 4, 1, 2);          // its firm row is gone
    çıkış(çay, adsızFirma, Gün2, 1, 1, 2);
    çıkış(çay, a, Gün1, 7, 1, 0);
    çıkış(şeker, a, Gün1, 1, 1, 0);
    çıkış(adsız, a, Gün1, 1, 1, 2);
    çıkış(77, a, Gün1, 1, 1, 2);  // its product row is gone

    const QList<ListeGirdisi> ürünler = rapor::nedenÜrünleri(db(), 2);
    ASSERT_EQ(ürünler.size(), 1);
    EXPECT_EQ(ürünler[0].metin, "ÇAY");
    EXPECT_EQ(ürünler[0].numara, çay);
    EXPECT_TRUE(rapor::nedenÜrünleri(db(), 3).isEmpty());

    int sayım = -1;
    const auto satırlar = oku([&](const rapor::SatırAlıcı& al) { return rapor::nedenHareketleri(db(), çay, 2, al); }, &sayım);
    EXPECT_EQ(sayım, 3);
    EXPECT_EQ(satırlar, (QList<QStringList>{{"", "31.03.2026", "1,00", "", "0", "1,00", "1,00"},
                                             {"ARDA MARKET", "07.03.2026", "2,50", "", "0", "10,00", "25,00"},
                                             {"Fişli Satış", "31.03.2026", "1,23", "", "0", "3,33", "4,11"}}));
    // The total counts the exit whose firm is gone as well.
    EXPECT_EQ(rapor::çıkışToplamı(db(), çay, 2), "8,73");
    EXPECT_EQ(rapor::çıkışToplamı(db(), çay, 4), "0");
    const auto şekerSatırı = oku([&](const rapor::SatırAlıcı& al) { return rapor::nedenHareketleri(db(), şeker, 0, al); });
    EXPECT_EQ(şekerSatırı.value(0).mid(3, 2), (QStringList{"Adet", "18,00"}));
}

TEST_F(RaporTesti, NedenListesiÜrününÇıkışlarınıÜrünDizinindenOkur)
{
    // One product's exits of a reason are a handful among all exits of that reason: they are found through
    // the product index for every reason, never through an index that leads with the reason.
    const auto planlar = test::sorguPlanları(db(), "CikisIslemleriTablosu", [&] {
        for (int neden : {0, 2}) {
            oku([&](const rapor::SatırAlıcı& al) { return rapor::nedenHareketleri(db(), 1, neden, al); });
            rapor::çıkışToplamı(db(), 1, neden);
        }
    });
    ASSERT_EQ(planlar.size(), 6);  // the count, the rows and the total, twice
    for (const QStringList& plan : planlar)
        EXPECT_EQ(plan.join('\n').toStdString(),
                  "SEARCH CikisIslemleriTablosu USING INDEX CikisIslemleriUrunNoDizini (UrunNo=?)");
}

TEST_F(RaporTesti, GünlükVeKişiHareketleri)
{
    const int çay = ürün("C-1", "ÇAY");
    const int s = firma(false, "BORA GIDA");
    const int a = firma(true, "ARDA MARKET");
    const int ayşe = kişi("AYŞE KARA");
    const int ali = kişi("ALİ VELİ");
    giriş(çay, s, Gün1, 2.5, 10, ayşe);
    giriş(çay, s, Gün1, 2.5, 10, ali);   // the same product twice on one day: two rows
    giriş(çay, 42, Gün2, 1.005, 3.335, ayşe);  // its firm row is gone
    giriş(55, s, Gün1, 1, 1, ayşe);      // its product row is gone
    // More movements that list no row: below the lowest product number, in a gap between two products,
    // without a product number. The products next to the gap keep their movements.
    const int şeker = ürün("S-1", "ŞEKER");
    const int tuz = ürün("T-1", "TUZ");
    giriş(tuz, s, Gün2, 1, 1, ali);
    db().exec("DELETE FROM UrunBilgileriTablosu WHERE UrunNo = ?", {şeker});
    giriş(şeker, s, Gün2, 1, 1, ali);
    giriş(0, s, Gün2, 1, 1, ali);
    db().exec("UPDATE GirisIslemleriTablosu SET UrunNo = NULL WHERE HareketNo = ?", {giriş(çay, s, Gün2, 1, 1, ali)});
    çıkış(çay, 1, Gün1, 1, 12, 1, ayşe);
    çıkış(çay, a, Gün2, 2, 13, 4, ayşe);

    using M = rapor::GünlükMod;
    const auto girişler = oku([&](const rapor::SatırAlıcı& al) {
        return rapor::günlükHareketler(db(), M::Giriş, QDate(2026, 3, 7), al);
    });
    EXPECT_EQ(girişler, (QList<QStringList>{{"07.03.2026", "C-1", "ÇAY", "BORA GIDA", "2,50", "10,00", "25,00"},
                                             {"07.03.2026", "C-1", "ÇAY", "BORA GIDA", "2,50", "10,00", "25,00"}}));
    int sayım = 0;
    const auto tümü = oku([&](const rapor::SatırAlıcı& al) { return rapor::günlükHareketler(db(), M::Giriş, {}, al); },
                          &sayım);
    EXPECT_EQ(sayım, 4);
    ASSERT_EQ(tümü.size(), 4);
    EXPECT_EQ(tümü[2], (QStringList{"31.03.2026", "C-1", "ÇAY", "", "1,01", "3,34", "3,37"}));  // 1,01 × 3,34
    EXPECT_EQ(tümü[3], (QStringList{"31.03.2026", "T-1", "TUZ", "BORA GIDA", "1,00", "1,00", "1,00"}));
    const auto çıkışlar = oku([&](const rapor::SatırAlıcı& al) {
        return rapor::günlükHareketler(db(), M::Çıkış, QDate(2026, 3, 7), al);
    });
    EXPECT_EQ(çıkışlar, (QList<QStringList>{{"07.03.2026", "C-1", "ÇAY", "Fişli Satış", "1,00", "12,00", "12,00"}}));
    EXPECT_TRUE(oku([&](const rapor::SatırAlıcı& al) {
                    return rapor::günlükHareketler(db(), M::Çıkış, QDate(2026, 3, 8), al);
                }).isEmpty());

    // One person's entries, also those whose product or firm is gone, and exits of every reason.
    const auto ayşeGiriş = oku([&](const rapor::SatırAlıcı& al) { return rapor::yapanHareketleri(db(), ayşe, true, al); });
    EXPECT_EQ(ayşeGiriş, (QList<QStringList>{{"", "BORA GIDA", "07.03.2026", "1,00", "1,00", "1,00"},
                                              {"ÇAY", "", "31.03.2026", "1,01", "3,34", "3,35"},
                                              {"ÇAY", "BORA GIDA", "07.03.2026", "2,50", "10,00", "25,00"}}));
    const auto ayşeÇıkış = oku([&](const rapor::SatırAlıcı& al) { return rapor::yapanHareketleri(db(), ayşe, false, al); });
    ASSERT_EQ(ayşeÇıkış.size(), 2);
    EXPECT_EQ(ayşeÇıkış[0][1], "ARDA MARKET");
    EXPECT_EQ(ayşeÇıkış[1][1], "Fişli Satış");
    EXPECT_EQ(rapor::yapanlar(db()).value(1).metin, "ALİ VELİ");  // the table's order

    // With no product left, no movement is listed, and none is counted.
    db().exec("DELETE FROM UrunBilgileriTablosu");
    EXPECT_TRUE(oku([&](const rapor::SatırAlıcı& al) { return rapor::günlükHareketler(db(), M::Giriş, {}, al); },
                    &sayım).isEmpty());
    EXPECT_EQ(sayım, 0);
}

TEST_F(RaporTesti, İadeler)
{
    // A database without the returns table lists none, and the table is made when asked for.
    EXPECT_TRUE(oku([&](const rapor::SatırAlıcı& al) { return rapor::iadeler(db(), {}, al); }).isEmpty());
    rapor::iadeTablosunuHazırla(db());
    EXPECT_TRUE(TabloVar(db()));
    rapor::iadeTablosunuHazırla(db());  // a second time changes nothing

    const int çay = ürün("C-1", "ÇAY");
    const int a = firma(true, "ARDA MARKET");
    const int ç1 = çıkış(çay, a, Gün1, 12.5, 10, 2);
    const int ç2 = çıkış(çay, 99, Gün1, 10, 7.25, 9);  // firm gone, reason unknown
    iade(ç1, Gün2, 3);
    iade(ç1, Gün1, 0.5);
    iade(ç2, Gün2, 1);
    iade(12345, Gün2, 1);  // its exit is gone

    const auto gününkiler = oku([&](const rapor::SatırAlıcı& al) { return rapor::iadeler(db(), QDate(2026, 3, 31), al); });
    EXPECT_EQ(gününkiler, (QList<QStringList>{{"", "ÇAY", "07.03.2026", "10", "7,25", "", "31.03.2026", "1"},
                                               {"ARDA MARKET", "ÇAY", "07.03.2026", "12,5", "10", "Emanet", "31.03.2026", "3"}}));
    int sayım = 0;
    EXPECT_EQ(oku([&](const rapor::SatırAlıcı& al) { return rapor::iadeler(db(), {}, al); }, &sayım).size(), 3);
    EXPECT_EQ(sayım, 3);
}

TEST_F(RaporTesti, HerNedeninÜrünleriToplamıVeBaşlığı)
{
    const QStringList ekler = {" ADLI ÜRÜNÜN FATURALI SATIŞ HAREKETLERİ", " ADLI ÜRÜNÜN FİŞLİ SATIŞ HAREKETLERİ",
                               " ADLI ÜRÜNDEN EMANET VERİLENLER",        " ADLI ÜRÜNDEN HEDİYE VERİLENLER",
                               " ADLI ÜRÜNDEN İMHA EDİLENLER",           " ADLI ÜRÜNDEN DİĞER NEDENLE STOKTAN ÇIKANLAR"};
    const int a = firma(true, "ARDA MARKET");
    for (int neden = 0; neden < 6; ++neden) {
        const int no = ürün(QString::number(neden), QStringLiteral("ÜRÜN %1").arg(neden));
        çıkış(no, a, Gün1, neden + 1, 2, neden);
        çıkış(no, a, Gün2, 0.5, 2, neden);
    }
    for (int neden = 0; neden < 6; ++neden) {
        const QList<ListeGirdisi> ürünler = rapor::nedenÜrünleri(db(), neden);
        ASSERT_EQ(ürünler.size(), 1) << neden;
        EXPECT_EQ(ürünler[0].metin, QStringLiteral("ÜRÜN %1").arg(neden));
        EXPECT_EQ(rapor::çıkışToplamı(db(), int(ürünler[0].numara), neden), turkce::tutarBiçimi(neden + 1.5));
        EXPECT_EQ(rapor::nedenYazdırmaBaşlığı("ÇAY", neden), "ÇAY" + ekler[neden]);
        EXPECT_EQ(rapor::nedenAktarımBaşlığı(neden), "Çıkış Nedeni \"" + ÇıkışNedenleri[neden] + "\" Olan Stok Hareketleri");
    }
}
