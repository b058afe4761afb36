// The invoicing window's reading and arithmetic, without the window: the firm tree, the lines, the totals.
#include "invoicing/FaturaSatirlari.h"
#include "FaturaTohumu.h"

#include "support/Ortam.h"
#include "support/SorguPlani.h"

using namespace fatura;
namespace t = faturaTohumu;

namespace {

QString gösterilen(const Toplamlar& t)
{
    return para::biçimle(t.toplam) + " " + para::biçimle(t.kdv) + " " + para::biçimle(t.genel);
}

QStringList ağaçMetni(const QList<AğaçFirması>& ağaç)
{
    QStringList s;
    for (const auto& f : ağaç) {
        QString satır = QString::number(f.firmaNo) + ":" + f.adı;
        for (const QDate& g : f.günler) satır += " " + g.toString(Qt::ISODate);
        s << satır;
    }
    return s;
}

}  // namespace

TEST(FaturaToplamları, ElleHesaplananSatırlar)
{
    // 3 × 12,50 at 18 %: 37,50 and 6,75. 1 × 0,99 at 8 %: 0,99 and 0,0792.
    const QList<FaturaKalemi> satırlar = {satırıHesapla(1, "A", "a", "Adet", 3, 12.5, 18.0),
                                          satırıHesapla(2, "B", "b", "Adet", 1, 0.99, 8.0)};
    EXPECT_EQ(para::biçimle(satırlar[0].tutar), "37,50");
    EXPECT_EQ(kdvMiktarıMetni(satırlar[0]), "6,75");
    EXPECT_EQ(kdvMiktarıMetni(satırlar[1]), "0,0792");
    EXPECT_EQ(gösterilen(toplamlarıHesapla(satırlar)), "38,49 6,83 45,32");

    // The VAT total counts each line to four decimals: 2 × 0,004 gives 0,01, not 0,00.
    const auto küçük = satırıHesapla(3, "C", "c", "", 1, 0.05, 8.0);
    EXPECT_EQ(gösterilen(toplamlarıHesapla({küçük, küçük})), "0,10 0,01 0,11");

    // Half a kuruş rounds away from zero, and each amount counts as shown: 0,25 × 0,5 = 0,125 shows 0,13;
    // 1,005 (held as 1,00499...) shows 1,01. VAT 10 % of 0,125 = 0,0125.
    const QList<FaturaKalemi> yarım = {satırıHesapla(4, "D", "d", "", 0.5, 0.25, 10.0),
                                       satırıHesapla(5, "E", "e", "", 1, 1.005, std::nullopt)};
    EXPECT_EQ(para::biçimle(yarım[0].tutar), "0,13");
    EXPECT_EQ(para::biçimle(yarım[1].tutar), "1,01");
    EXPECT_EQ(kdvOranıMetni(yarım[1]), "0");
    EXPECT_EQ(kdvMiktarıMetni(yarım[1]), "0");
    const Toplamlar t = toplamlarıHesapla(yarım);
    EXPECT_EQ(gösterilen(t), "1,14 0,01 1,15");
    // As printed, Toplam + KDV is Genel Toplam: 0,0125 VAT rounds to 0,01 in both.
    EXPECT_EQ(para::kuruşa(t.toplam) + para::kuruşa(t.kdv), para::kuruşa(t.genel));

    EXPECT_EQ(gösterilen(toplamlarıHesapla({})), "0,00 0,00 0,00");
    EXPECT_EQ(sayıMetni(2.5), "2,5");
    EXPECT_EQ(sayıMetni(12), "12");
    EXPECT_EQ(kdvOranıMetni(satırlar[0]), "18,00");
}

TEST(FirmaAğacı, FirmalarGünleriVeFaturaDurumu)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int ü = t::ürün(db, "K1", "Kalem");
    const int zeta = t::alıcı(db, "ZETA");
    const int alfa = t::alıcı(db, "ALFA");
    const int adsız = t::alıcı(db, QVariant());
    t::çıkış(db, zeta, ü, "2026-03-07");
    t::çıkış(db, alfa, ü, "2026-03-09");
    t::çıkış(db, zeta, ü, "2026-03-05");
    t::çıkış(db, zeta, ü, "2026-03-07 14:30:00");  // the same day, in another run of the table
    t::çıkış(db, zeta, ü, "2026-03-06", 1, 10, 2);   // another reason
    t::çıkış(db, alfa, ü, "2026-03-01", 1, 10, 0, true);
    t::çıkış(db, zeta, ü, "2026-03-07", 1, 10, 0, true);  // partly invoiced day
    t::çıkış(db, 999, ü, "2026-03-02");                    // its firm row is missing
    t::çıkış(db, adsız, ü, "2026-03-03");

    // By firm number, then by date; each day once.
    EXPECT_EQ(ağaçMetni(firmaAğacınıOku(db, false)),
              QStringList({QString("%1:ZETA 2026-03-05 2026-03-07").arg(zeta), QString("%1:ALFA 2026-03-09").arg(alfa),
                           QString("%1: 2026-03-03").arg(adsız)}));
    EXPECT_EQ(ağaçMetni(firmaAğacınıOku(db, true)),
              QStringList({QString("%1:ZETA 2026-03-07").arg(zeta), QString("%1:ALFA 2026-03-01").arg(alfa)}));

    // The lines of one day: reason 0 of that state only, a stored time of day included.
    EXPECT_EQ(satırlarıOku(db, zeta, QDate(2026, 3, 7), false).size(), 2);
    EXPECT_EQ(satırlarıOku(db, zeta, QDate(2026, 3, 7), true).size(), 1);
    EXPECT_TRUE(satırlarıOku(db, zeta, QDate(2026, 3, 6), false).isEmpty());
    EXPECT_FALSE(müşteriOku(db, 999).has_value());
    EXPECT_EQ(müşteriOku(db, adsız)->adı, "");
}

TEST(FirmaAğacı, FişliSatışFaturalanmaz)
{
    // A sale with a receipt (reason 1) has had its paper: no node, no line, in either view.
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int firma = t::alıcı(db, "ZETA");
    t::çıkış(db, firma, t::ürün(db, "K1", "Kalem"), "2026-03-07", 1, 10, 1);
    EXPECT_TRUE(firmaAğacınıOku(db, false).isEmpty());
    EXPECT_TRUE(firmaAğacınıOku(db, true).isEmpty());
    EXPECT_TRUE(firmaAğacınıOku(db, false, "Z").isEmpty());
    EXPECT_TRUE(satırlarıOku(db, firma, QDate(2026, 3, 7), false).isEmpty());
}

TEST(FirmaAğacı, BulmaAdınBaşınıHarfHarfArar)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int ü = t::ürün(db, "K1", "Kalem");
    for (const char* ad : {"O'NEIL GIDA", "ONUR %50 TİCARET", "ONURLU_A", "İZMİR YAPI", "IŞIK LTD", "ŞAHİN"})
        t::çıkış(db, t::alıcı(db, QString::fromUtf8(ad)), ü, "2026-03-07");

    const auto bul = [&](const QString& metin) {
        QStringList adlar;
        for (const auto& f : firmaAğacınıOku(db, false, metin)) adlar << f.adı;
        return adlar;
    };
    EXPECT_EQ(bul("O'N"), QStringList({"O'NEIL GIDA"}));
    EXPECT_EQ(bul("ONUR %"), QStringList({"ONUR %50 TİCARET"}));
    EXPECT_EQ(bul("ONUR_"), QStringList());  // "_" is a letter, not a wildcard
    EXPECT_EQ(bul("%"), QStringList());
    EXPECT_EQ(bul("ONUR"), QStringList({"ONUR %50 TİCARET", "ONURLU_A"}));
    EXPECT_EQ(bul("izm"), QStringList({"İZMİR YAPI"}));  // the Turkish i is İ
    EXPECT_EQ(bul("ış"), QStringList({"IŞIK LTD"}));
    EXPECT_EQ(bul("ONURLU_A VE"), QStringList());
}

TEST(FirmaAğacı, ÇıkışlarYalnızFaturaDizinindenOkunur)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const auto planlar = test::sorguPlanları(db, "CikisIslemleriTablosu", [&] {
        firmaAğacınıOku(db, false);
        firmaAğacınıOku(db, true);
        firmaAğacınıOku(db, false, "A");
    });
    // Every exit is read from the index of reason, invoiced mark, firm and date alone: one search on the
    // reason, no exit row looked up, whatever the invoiced state and the find text.
    ASSERT_EQ(planlar.size(), 3);
    for (const QStringList& plan : planlar) {
        ASSERT_EQ(plan.size(), 1) << plan.join('\n').toStdString();
        EXPECT_TRUE(plan[0].startsWith("SEARCH CikisIslemleriTablosu USING COVERING INDEX CikisIslemleriFaturaDizini"))
            << plan[0].toStdString();
    }
    // The lines of one firm's day are found by the firm, not among all sales.
    const auto satırlar = test::sorguPlanları(db, "CikisIslemleriTablosu",
                                              [&] { satırlarıOku(db, 2, QDate(2026, 3, 7), false); });
    EXPECT_EQ(satırlar,
              QList<QStringList>({{"SEARCH CikisIslemleriTablosu USING INDEX CikisIslemleriFirmaNoDizini (FirmaNo=?)"}}));
}
