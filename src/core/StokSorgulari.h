#pragma once
// What the stock windows and the movement change windows read from the shared database: the lists they
// offer, one product's figures, its stock and its purchase prices.
#include "platform/Database.h"

#include <QList>
#include <QString>
#include <optional>

namespace stok {

// A name with its record number, as the list boxes and the people combo carry them.
struct AdNo {
    QString ad;
    int no = 0;
};

QList<AdNo> ürünler(platform::Database& db);
QList<AdNo> satıcıFirmalar(platform::Database& db);
// The buyer firms without the reserved buyer of receipt sales.
QList<AdNo> alıcıFirmalar(platform::Database& db);
// The people in the order the table gives them.
QList<AdNo> kişiler(platform::Database& db);

struct ÜrünBilgisi {
    QString kodu;
    QString adı;
    QString birimi;                     // empty when none
    std::optional<double> kdvOranı;
    std::optional<double> fiyatı;
};
// Nothing when the product is no longer there.
std::optional<ÜrünBilgisi> ürünBilgisi(platform::Database& db, int ürünNo);

// The sums of a product's entries and exits; its stock is their difference.
struct StokDurumu {
    double giriş = 0;
    double çıkış = 0;
    double kalan() const { return giriş - çıkış; }
};
StokDurumu ürünStoğu(platform::Database& db, int ürünNo);

// Reads the stock of one product after another with two prepared statements, reused across products.
class StokOkuyucu {
public:
    explicit StokOkuyucu(platform::Database& db);
    StokDurumu oku(int ürünNo);

private:
    platform::Statement giriş_;
    platform::Statement çıkış_;
};

// Lowest, plain average and highest unit price of a product's entries; empty without entries.
struct AlışFiyatları {
    std::optional<double> enDüşük;
    std::optional<double> ortalama;
    std::optional<double> enYüksek;
};
AlışFiyatları alışFiyatları(platform::Database& db, int ürünNo);

}  // namespace stok
