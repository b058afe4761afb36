#pragma once
// The movements of one firm, as the movements-by-firm window lists them: the firms to choose from, and
// every stock entry bought from a seller firm or every stock exit made to a buyer firm, whatever its date.
//
// The firm table and the movement table are chosen from a fixed pair; the firm number goes into the
// statement as a bound value.
#include "core/ListeDegeri.h"
#include "core/SiraliListe.h"
#include "platform/Database.h"

#include <QList>
#include <QString>
#include <functional>

class QProgressBar;

namespace firma_hareketleri {

// Task codes of the progress window: the fill and the spreadsheet export.
inline const QString DoldurmaGörevi = QStringLiteral("1");
inline const QString AktarmaGörevi = QStringLiteral("2");
// The window's column store.
inline const QString AyarBölümü = QStringLiteral("Listeler\\Liste-1");

enum class FirmaTürü { Satıcı, Alıcı };

// The firms offered: the buyer list when the firm table in use is "AliciFirmalarTablosu " (with its
// blank), the seller list for any other name.
FirmaTürü firmaListesiTürü(const QString& seçiliFirmaTablosu);
// The movements listed: entries for the tag "0" (or one that is no number), exits for any other tag.
FirmaTürü hareketTürü(const QString& tag);

// The window's caption and the sheet name of its export, by mode.
QString pencereBaşlığı(FirmaTürü tür);
QString sayfaAdı(FirmaTürü tür);
// The title of the export ("ABC Adlı Firmanın Stok Hareketleri") and of the print ("ABC ADLI FİRMANIN
// STOK HAREKETLERİ").
QString aktarımBaşlığı(const QString& firmaAdı);
QString yazdırmaBaşlığı(const QString& firmaAdı);

// Every seller firm, or every buyer firm but the reserved buyer of receipt sales: name and number,
// unsorted (the list box sorts).
QList<ListeGirdisi> firmalar(platform::Database& db, FirmaTürü tür);

// The list's columns, by number from 0: Kodu, Ürün Adı, Tarihi, Miktarı, Birimi, KDV, Fiyatı, Tutarı.
enum Sütun { Kodu, ÜrünAdı, Tarihi, Miktarı, Birimi, KDV, Fiyatı, Tutarı, SütunSayısı };

// One listed movement: its cells in column order and its movement number.
struct Hareket {
    QList<ListeDeğeri> hücreler;
    qint64 hareketNo = 0;
};

// The movements of the firm (entries of a seller, exits of a buyer) in the database's order. A value
// missing from the database leaves its cell empty, except a missing VAT rate, which shows "0".
// The bar, when given, gets the number of movements as its maximum and the number of each row as its
// value before the row is handed on.
void hareketleriOku(platform::Database& db, FirmaTürü tür, qint64 firmaNo,
                    const std::function<void(Hareket&&)>& satır, QProgressBar* çubuk = nullptr);
QList<Hareket> hareketler(platform::Database& db, FirmaTürü tür, qint64 firmaNo);

// The amount of a movement: the unit price taken to four decimals, times the quantity.
double tutar(double miktar, double fiyat);

}  // namespace firma_hareketleri
