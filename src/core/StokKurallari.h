#pragma once
// The rules of a stock line that the stock windows and the movement change windows share: a price as the
// lists keep it, a figure as its two-decimal text reads back, which exit reasons are sales, the question
// about a sale below the lowest purchase price, and the texts of the refusals they have alike.
#include <QString>
#include <optional>

namespace stok {

// A price as the fixed-point currency value the lists keep (four decimals).
double paraDeğeri(double değer);
// A figure as it reads back from its "##,##0.00" text (two decimals).
double kuruşDeğeri(double değer);

// The exit reasons that are sales: they need a price and are compared with the lowest purchase price.
bool satışMı(int neden);
inline constexpr int FişliSatışNedeni = 1;

// True when a sale must ask before it goes below the lowest purchase price.
bool satışFiyatıAlıştanDüşükMü(int neden, double fiyat, std::optional<double> enDüşükAlış);

namespace metin {
inline const QString FirmaSeçiniz = QStringLiteral("Lütfen listeden bir FİRMA seçiniz.");
inline const QString ÜrünSeçiniz = QStringLiteral("Lütfen listeden bir ÜRÜN seçiniz.");
inline const QString TarihGiriniz = QStringLiteral("Lütfen geçerli bir TARİH giriniz.");
inline const QString MiktarGiriniz = QStringLiteral("Lütfen geçerli bir MİKTAR giriniz.");
inline const QString FiyatGiriniz = QStringLiteral("Lütfen geçerli bir FİYAT giriniz.");
inline const QString NedenBelirtiniz = QStringLiteral("Lütfen ÇIKIŞ NEDENİ'ni belirtiniz.");
inline const QString AlıştanDüşükSorusu =
    QStringLiteral("Bu ürünü, en düşük alışınızdan da daha aşağı bir FİYAT'a satmak istiyor musunuz?");
}  // namespace metin

}  // namespace stok
