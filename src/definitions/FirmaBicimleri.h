#pragma once
// The stored forms of a firm's telephone, fax and tax number, and the bare digits their boxes hold
// while the user types in them.
//
// The "value" of a box's text is the number its leading digits form, blanks between the digits
// skipped; any other character ends it, and a text without leading digits has the value 0. Digits
// are handled as text, so a long pasted number never overflows.
#include <QString>

namespace firma {

// The leading digits of the text as typed (leading zeros kept), blanks between them skipped.
QString öndekiRakamlar(const QString& metin);

// Telephone and fax. On entering the box: the value as plain digits ("0532 123 45 67" gives
// "5321234567"); a text whose value is 0 stays as it is.
QString telefonBiçiminiKaldır(const QString& metin);
// On leaving: "0### ### ## ##" from the value ("5321234567" gives "0532 123 45 67"); a place
// without a digit shows nothing ("2125550" gives "0 212 55 50"); a value of eleven digits or more
// keeps its first ten digits behind the 0 ("12345678901" gives "0123 456 78 90"); a value of 0
// gives an empty text.
QString telefonBiçimi(const QString& metin);

// Tax number. On entering the box: the digits as typed, leading zeros included ("012 345 6789"
// gives "0123456789"); a text whose value is 0 stays as it is.
QString vergiNumarasıBiçiminiKaldır(const QString& metin);
// On leaving: the digits as typed, grouped from the right by four, then three, the rest in front
// ("1234567890" gives "123 456 7890", "12345678901" gives "1234 567 8901", "0123456789" gives
// "012 345 6789"); a value of 0 gives an empty text.
QString vergiNumarasıBiçimi(const QString& metin);

// The longest texts the boxes take while focused (bare digits) and otherwise (formatted).
inline constexpr int RakamUzunluğu = 11;
inline constexpr int TelefonUzunluğu = 14;
inline constexpr int VergiNumarasıUzunluğu = 13;

}  // namespace firma
