#pragma once
// What the two stock windows read from and write to the shared database: the lists they offer, one
// product's figures and stock, the people table, and the commit of a working list.
#include "platform/Database.h"
#include "stock_movements/StokSatirlari.h"

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

// Lowest, plain average and highest unit price of a product's entries; empty without entries.
struct AlışFiyatları {
    std::optional<double> enDüşük;
    std::optional<double> ortalama;
    std::optional<double> enYüksek;
};
AlışFiyatları alışFiyatları(platform::Database& db, int ürünNo);

// Adds a person under the name as typed and returns the number the database gave the row.
int kişiEkle(platform::Database& db, const QString& adıSoyadı);

// Why a commit wrote nothing, and the line (from 0) it concerns.
struct KayıtRet {
    enum class Neden { Silinmiş, StokYetmiyor, GeçersizDeğer };
    QString metin;
    int satır = -1;
    Neden neden = Neden::Silinmiş;
};

// Writes all lines in one transaction, or none. A quantity or price that could not be written as the
// list shows it refuses the commit before anything is read (a quantity, and the price of an entry or a
// sale, must be above 0 in hundredths; the price of any other exit 0 or more; none above 10^12 or not a
// number); so does a product or firm that is gone, and for exits a product whose lines together ask for
// more than its stock, both compared in whole hundredths. Quantities and prices are stored rounded to
// hundredths. Database errors are thrown as platform::DbError after the transaction was rolled back.
std::optional<KayıtRet> girişleriKaydet(platform::Database& db, const QList<GirişSatırı>& liste);
std::optional<KayıtRet> çıkışlarıKaydet(platform::Database& db, const QList<ÇıkışSatırı>& liste);

namespace metin {
QString ürünSilinmiş(const QString& ürünAdı, bool giriş);
QString firmaSilinmiş(const QString& firmaAdı, bool giriş);
QString stokYetmiyor(const QString& ürünAdı, double mevcut, double istenen);
}  // namespace metin

}  // namespace stok
