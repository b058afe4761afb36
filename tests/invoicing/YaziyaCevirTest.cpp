#include "core/Para.h"
#include "invoicing/YaziyaCevir.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Örnek {
    const char* tutar;
    const char* yazı;
};

void hepsiniDene(std::initializer_list<Örnek> örnekler)
{
    for (const auto& ö : örnekler)
        EXPECT_EQ(YazıyaÇevir(QString::fromUtf8(ö.tutar)), QString::fromUtf8(ö.yazı)) << ö.tutar;
}

}  // namespace

TEST(YaziyaCevir, WorkedAmounts)
{
    hepsiniDene({
        {"1.234,56", "BinİkiYüzOtuzDörtTLElliAltıKuruş"},
        {"1234,56", "BinİkiYüzOtuzDörtTLElliAltıKuruş"},
        {"100,00", "YüzTL"},
        {"1.001,01", "BinBirTLBirKuruş"},
        {"2.001,10", "İkiBinBirTLOnKuruş"},
        {"11.111,11", "OnBirBinYüzOnBirTLOnBirKuruş"},
        {"101.000,00", "YüzBirBinTL"},
        {"1.000.000,05", "BirMilyonTLBeşKuruş"},
        {"1.000.000.000.000,00", "BirTrilyonTL"},
        {"15,5", "OnBeşTLElliKuruş"},
        {"0,75", "TLYetmişBeşKuruş"},
        {"0,00", "TL"},
        {"12", "OnİkiTL"},
        {"5,", "BeşTL"},
    });
}

TEST(YaziyaCevir, EveryUnitBoundary)
{
    hepsiniDene({
        {"1,00", "BirTL"},
        {"10,00", "OnTL"},
        {"99,99", "DoksanDokuzTLDoksanDokuzKuruş"},
        {"200,00", "İkiYüzTL"},
        {"1.000,00", "BinTL"},
        {"1.001,00", "BinBirTL"},
        {"2.000,00", "İkiBinTL"},
        {"10.000,00", "OnBinTL"},
        {"100.000,00", "YüzBinTL"},
        {"999.999,00", "DokuzYüzDoksanDokuzBinDokuzYüzDoksanDokuzTL"},
        {"1.000.000,00", "BirMilyonTL"},
        {"1.001.000,00", "BirMilyonBinTL"},
        {"1.000.000.000,00", "BirMilyarTL"},
        {"0,01", "TLBirKuruş"},
        {"0,10", "TLOnKuruş"},
        {"0,05", "TLBeşKuruş"},
    });
}

TEST(YaziyaCevir, LargestAmountTheLinesCanReach)
{
    // The largest sum of ten-thousandths, as the window shows it.
    const QString enBüyük = para::biçimle(std::numeric_limits<para::Para>::max());
    EXPECT_EQ(enBüyük, "922.337.203.685.477,58");
    EXPECT_EQ(YazıyaÇevir(enBüyük),
              "DokuzYüzYirmiİkiTrilyonÜçYüzOtuzYediMilyarİkiYüzÜçMilyonAltıYüzSeksenBeşBin"
              "DörtYüzYetmişYediTLElliSekizKuruş");
}

TEST(YaziyaCevir, NegativeAmountKeepsItsSign)
{
    EXPECT_EQ(YazıyaÇevir("-1.234,56"), "EksiBinİkiYüzOtuzDörtTLElliAltıKuruş");
    EXPECT_EQ(YazıyaÇevir("-0,50"), "EksiTLElliKuruş");
    EXPECT_EQ(YazıyaÇevir("-0,00"), "TL");
}
