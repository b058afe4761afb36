#include "definitions/FirmaBicimleri.h"

#include <gtest/gtest.h>

using namespace firma;

TEST(FirmaBiçimleri, TelefonVeFaks)
{
    EXPECT_EQ(telefonBiçimi("5321234567"), "0532 123 45 67");
    EXPECT_EQ(telefonBiçimi("05321234567"), "0532 123 45 67");
    // Eleven digits without the 0: the first ten digits behind a 0.
    EXPECT_EQ(telefonBiçimi("12345678901"), "0123 456 78 90");
    EXPECT_EQ(telefonBiçimi("2125551234"), "0212 555 12 34");
    // A shorter number gets no made-up zeros: only the 0 in front, the blanks of the pattern kept.
    EXPECT_EQ(telefonBiçimi("1234"), "0  12 34");
    EXPECT_EQ(telefonBiçimi("2125550"), "0 212 55 50");
    EXPECT_EQ(telefonBiçimi("0 212 55 50"), "0 212 55 50");
    EXPECT_EQ(telefonBiçiminiKaldır("0  12 34"), "1234");
    EXPECT_EQ(telefonBiçimi("0"), "");
    EXPECT_EQ(telefonBiçimi("00000"), "");
    EXPECT_EQ(telefonBiçimi(""), "");
    // A formatted text formats to itself, so leaving the box twice changes nothing.
    EXPECT_EQ(telefonBiçimi("0532 123 45 67"), "0532 123 45 67");
    EXPECT_EQ(telefonBiçimi("0123 456 78 90"), "0123 456 78 90");
    // Pasted text: the leading digits count, anything after them is dropped; no digits, nothing.
    EXPECT_EQ(telefonBiçimi("532 123 45 67 dahili 12"), "0532 123 45 67");
    EXPECT_EQ(telefonBiçimi("tel"), "");
    EXPECT_EQ(telefonBiçimi("-5321234567"), "");
    EXPECT_EQ(telefonBiçimi("99999999999999999999999"), "0999 999 99 99");

    EXPECT_EQ(telefonBiçiminiKaldır("0532 123 45 67"), "5321234567");
    EXPECT_EQ(telefonBiçiminiKaldır("0123 456 78 90"), "1234567890");
    EXPECT_EQ(telefonBiçiminiKaldır(""), "");
    EXPECT_EQ(telefonBiçiminiKaldır("tel"), "tel");
}

TEST(FirmaBiçimleri, VergiNumarasıBaştakiSıfırıKorur)
{
    EXPECT_EQ(vergiNumarasıBiçimi("1234567890"), "123 456 7890");
    EXPECT_EQ(vergiNumarasıBiçimi("12345678901"), "1234 567 8901");
    EXPECT_EQ(vergiNumarasıBiçimi("0123456789"), "012 345 6789");
    EXPECT_EQ(vergiNumarasıBiçimi("012 345 6789"), "012 345 6789");
    EXPECT_EQ(vergiNumarasıBiçimi("123456"), "12 3456");
    EXPECT_EQ(vergiNumarasıBiçimi("1234567"), "123 4567");
    EXPECT_EQ(vergiNumarasıBiçimi("12345678"), "1 234 5678");
    EXPECT_EQ(vergiNumarasıBiçiminiKaldır("12 3456"), "123456");
    EXPECT_EQ(vergiNumarasıBiçiminiKaldır("123 4567"), "1234567");
    EXPECT_EQ(vergiNumarasıBiçimi("12345"), "1 2345");
    EXPECT_EQ(vergiNumarasıBiçimi("123"), "123");
    EXPECT_EQ(vergiNumarasıBiçimi("0"), "");
    EXPECT_EQ(vergiNumarasıBiçimi("0000"), "");
    EXPECT_EQ(vergiNumarasıBiçimi(""), "");

    EXPECT_EQ(vergiNumarasıBiçiminiKaldır("012 345 6789"), "0123456789");
    EXPECT_EQ(vergiNumarasıBiçiminiKaldır("1234 567 8901"), "12345678901");
    EXPECT_EQ(vergiNumarasıBiçiminiKaldır("0"), "0");
}
