#pragma once
// What the two stock windows write to the shared database: a new person, and the commit of a working
// list. What they read comes from core/StokSorgulari.h.
#include "core/StokSorgulari.h"
#include "platform/Database.h"
#include "stock_movements/StokSatirlari.h"

#include <QList>
#include <QString>
#include <optional>

namespace stok {

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
