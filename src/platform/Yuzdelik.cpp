#include "platform/Yuzdelik.h"

#include <QString>
#include <cmath>
#include <limits>

namespace yüzdelik {

qint64 ondalıkYuvarla(double y)
{
    // Quick way: a value that is clearly not half-way rounds to its nearest whole number.
    const double taban = std::floor(y);
    const double kesir = y - taban;
    if (std::fabs(kesir - 0.5) > y * 1e-14 + 1e-9) return static_cast<qint64>(kesir > 0.5 ? taban + 1 : taban);
    return static_cast<qint64>(std::round(QString::number(y, 'g', 15).toDouble()));
}

std::optional<qint64> yüzdeliğeÇevir(double değer)
{
    if (!std::isfinite(değer) || std::fabs(değer) > HesapSınırı) return std::nullopt;
    const qint64 y = ondalıkYuvarla(std::fabs(değer) * 100.0);
    return değer < 0 ? -y : y;
}

qint64 stokYüzdeliği(double stok)
{
    if (const auto y = yüzdeliğeÇevir(stok)) return *y;
    if (std::isnan(stok)) return 0;
    return stok > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

std::optional<double> yazılacakDeğer(double değer)
{
    if (!std::isfinite(değer) || std::fabs(değer) > EnBüyükDeğer) return std::nullopt;
    return double(*yüzdeliğeÇevir(değer)) / 100.0;
}

}  // namespace yüzdelik
