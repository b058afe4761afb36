#include "core/StokKurallari.h"

#include "platform/Yuzdelik.h"

#include <cmath>

namespace stok {

double paraDeğeri(double değer)
{
    if (!std::isfinite(değer) || std::fabs(değer) > yüzdelik::HesapSınırı) return değer;
    return double(std::llround(değer * 10000.0)) / 10000.0;
}

double kuruşDeğeri(double değer)
{
    const auto y = yüzdelik::yüzdeliğeÇevir(değer);
    return y ? double(*y) / 100.0 : değer;
}

bool satışMı(int neden) { return neden == 0 || neden == FişliSatışNedeni; }

bool satışFiyatıAlıştanDüşükMü(int neden, double fiyat, std::optional<double> enDüşükAlış)
{
    if (!satışMı(neden) || !enDüşükAlış) return false;
    // The lowest price as the box shows it, against the price as the list keeps it.
    return paraDeğeri(fiyat) < kuruşDeğeri(*enDüşükAlış);
}

}  // namespace stok
