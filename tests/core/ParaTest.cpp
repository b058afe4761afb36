// Money in whole ten-thousandths: its two-decimal text and its reading, fixed to Turkish.
#include "core/Para.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Para, ShownWithTwoDecimalsHalfAwayFromZero)
{
    EXPECT_EQ(para::biçimle(0), "0,00");
    EXPECT_EQ(para::biçimle(12345000), "1.234,50");
    EXPECT_EQ(para::biçimle(50), "0,01");     // 0,0050
    EXPECT_EQ(para::biçimle(49), "0,00");     // 0,0049
    EXPECT_EQ(para::biçimle(-50), "-0,01");
    EXPECT_EQ(para::biçimle(-49), "0,00");    // no sign on a zero
    EXPECT_EQ(para::biçimle(1234567891234500), "123.456.789.123,45");
    EXPECT_EQ(para::paraya(1.00005), 10001);  // the decimal half, not its binary form
    EXPECT_EQ(para::paraya(-0.00005), -1);
    EXPECT_EQ(para::paraya(12.5), 125000);
}

TEST(Para, ReadsTurkishTextExactly)
{
    bool tamam = false;
    EXPECT_EQ(para::oku("1.234,56", &tamam), 12345600);
    EXPECT_TRUE(tamam);
    EXPECT_EQ(para::oku("-0,0792"), -792);
    EXPECT_EQ(para::oku(" 15,5 "), 155000);
    EXPECT_EQ(para::oku("0,00005"), 1);        // decimals after the fourth round half away
    EXPECT_EQ(para::oku("0,000049"), 0);
    EXPECT_EQ(para::oku("922.337.203.685.477,5807"), std::numeric_limits<para::Para>::max());
    for (const char* bozuk : {"", "abc", "1.2.3,4,5", "12a", ",", "922.337.203.685.477,5808", "1e5"}) {
        EXPECT_EQ(para::oku(bozuk, &tamam), 0) << bozuk;
        EXPECT_FALSE(tamam) << bozuk;
    }
}
