#pragma once
// Quantities and prices in whole hundredths: the one rounding that every stock check and every write of a
// quantity or a price uses, so that what is compared and stored is what the boxes show ("##,##0.00").
#include <QtGlobal>
#include <optional>

namespace yüzdelik {

// The largest quantity or price (in size) that a write accepts; its hundredths fit in 64 bits many times
// over, so sums of such values cannot overflow.
inline constexpr double EnBüyükDeğer = 1e12;
// Beyond this size no hundredths are worked out (a stock that adds up many large entries stays below it).
inline constexpr double HesapSınırı = 1e15;

// A value already scaled (|value| × 100, say) rounded to a whole number, half away from zero by the
// decimal number that the value stands for: read to 15 significant digits first, so that 1,005 × 100
// (held as 100.4999...) gives 101. For 0 <= ölçekli < 10^15.
qint64 ondalıkYuvarla(double ölçekli);

// The value in whole hundredths, rounded as "##,##0.00" shows it (1,005 gives 101, -0,005 gives -1);
// nothing when the value is not finite or is larger in size than HesapSınırı.
std::optional<qint64> yüzdeliğeÇevir(double değer);

// A stock on hand in hundredths, for a comparison with a quantity: as yüzdeliğeÇevir, but a stock larger
// than HesapSınırı gives the largest (or smallest) number and one that is not a number gives 0.
qint64 stokYüzdeliği(double stok);

// The value as a write stores it: rounded to hundredths. Nothing when it is not finite or is larger in
// size than EnBüyükDeğer.
std::optional<double> yazılacakDeğer(double değer);

}  // namespace yüzdelik
