// The rules of a stock line that the stock windows and the movement change windows share.
#include "core/StokKurallari.h"

#include <gtest/gtest.h>

using namespace stok;

TEST(ÇıkışDenetimi, EnDüşükAlıştanAşağıSatışSorulur)
{
    EXPECT_TRUE(satışFiyatıAlıştanDüşükMü(0, 9.99, 10.0));
    EXPECT_TRUE(satışFiyatıAlıştanDüşükMü(1, 9.99, 10.0));
    EXPECT_FALSE(satışFiyatıAlıştanDüşükMü(0, 10.0, 10.0));
    EXPECT_FALSE(satışFiyatıAlıştanDüşükMü(2, 1.0, 10.0));        // not a sale
    EXPECT_FALSE(satışFiyatıAlıştanDüşükMü(0, 1.0, std::nullopt));  // no entries: nothing asked
    // The lowest price as the box shows it: 9,996 shows as 10,00.
    EXPECT_TRUE(satışFiyatıAlıştanDüşükMü(0, 9.99, 9.996));
    EXPECT_FALSE(satışFiyatıAlıştanDüşükMü(0, 10.0, 9.996));
}
