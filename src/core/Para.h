#pragma once
// Money: a whole number of ten-thousandths of a lira in a 64-bit integer. Sums are exact; a value is
// rounded half away from zero only where it is shown with two decimals, so a sum of shown parts and
// the shown sum never disagree by a kuruş.
#include <QString>
#include <QtGlobal>

namespace para {

using Para = qint64;
inline constexpr Para BİR_LİRA = 10000;

// A double (a stored price, a computed amount) to ten-thousandths, rounded half away from zero as the
// decimal number the double stands for (0,00005 gives 1, not 0 from its binary form).
Para paraya(double değer);
double doubleOlarak(Para p);

// The nearest whole hundredths (kuruş), half away from zero: 0,0050 -> 1 kuruş, -0,0050 -> -1 kuruş.
qint64 kuruşa(Para p);
// The value shown with two decimals, p rounded to whole kuruş (still in ten-thousandths).
Para kuruşaYuvarla(Para p);

// "##,##0.00" in the Turkish form whatever the machine's locale: 1234,5 -> "1.234,50".
QString biçimle(Para p);

// Reads a Turkish amount text ("1.234,56", "-0,0792", "12", "15,5") exactly into ten-thousandths;
// decimals after the fourth round half away from zero. Blanks at both ends are ignored. A text that is
// no amount, or an amount beyond the range, gives 0 and *tamam false.
Para oku(const QString& metin, bool* tamam = nullptr);

}  // namespace para
