#pragma once
// What the four movement reports share: reading a cell of a query row into a list value, the rounding by
// which a figure is read back from its shown two-decimal text, and the listing kinds of the two windows
// that list one day or every day.
#include "core/ListeDegeri.h"
#include "core/StokKurallari.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

namespace platform {
class Database;
class Statement;
}

namespace rapor {

// One row of a report, in the order of the window's columns.
using Satır = QList<ListeDeğeri>;
// Told the number of rows once, before the first row (for the progress bar: it may count more rows than
// come); then each row in turn; then that the last row is in.
struct SatırAlıcı {
    std::function<void(int)> başla;
    std::function<void(Satır&&)> satır;
    std::function<void()> bitti = {};
};

// Cells of a query row; a NULL gives an empty cell.
ListeDeğeri metinHücresi(const platform::Statement& s, int sütun);
ListeDeğeri tarihHücresi(const platform::Statement& s, int sütun);  // a stored day ("2026-12-07")
inline ListeDeğeri tutarHücresi(double değer) { return ListeDeğeri::sayı(değer); }  // shown "##,##0.00"

// A figure as its "##,##0.00" text shows it, in hundredths (half away from zero, as the text rounds); 0 for
// one that is no number or beyond reckoning.
qint64 kuruş(double değer);
// A figure as its two-decimal text reads back, and a price as the four-decimal currency value: the stock
// rules' own, so that a report shows a figure as the stock windows do.
using stok::kuruşDeğeri;
using stok::paraDeğeri;
// A row's amount as the lists show it: the quantity times the price as the lists keep it, to the hundredth.
double satırTutarı(double miktar, double fiyat);

// The exit reason's text; empty for a code outside 0 to 5.
QString nedenMetni(qint64 kod);

// How the list of a one-day window was last made: the first load (the date box's day under the plain
// caption), by the date box's day, or every day. A refresh repeats it, so the caption, which is also the
// printed and exported title, always matches the rows.
enum class Listeleme { Açılış, Tarihe, Tümü };
inline const QString TarihYokMetni = QStringLiteral("Lütfen, önce TARİHİ doğru biçimde giriniz.");

// The caption of a listing: plain after the first load or when nothing was found, otherwise the plain
// caption with the day (" (07.12.2026 Tarihi İtabariyle...)") or with `tümüEki`.
QString listelemeBaşlığı(const QString& düz, const QString& tümüEki, Listeleme tür, const QDate& gün,
                         bool satırVar);

// Runs the query with its parameters bound, telling `alıcı` the row count first (from the count query)
// and then every row as `satırYap` makes it. Returns the number of rows.
int oku(platform::Database& db, const QString& sayımSql, const QString& sql, const QVariantList& parametreler,
        const std::function<Satır(const platform::Statement&)>& satırYap, const SatırAlıcı& alıcı);
// The same, each row made in one list that is handed to `alıcı` again and again: `satırıDoldur` sets every
// cell of it. A receiver that takes the cells (a list view's fill moves them out) leaves the list's room
// for the next row, so that a long list allocates no list of its own per row; one that takes the whole
// list leaves an empty one, which the next row fills anew.
int oku(platform::Database& db, const QString& sayımSql, const QString& sql, const QVariantList& parametreler,
        const std::function<void(const platform::Statement&, Satır&)>& satırıDoldur, const SatırAlıcı& alıcı);

}  // namespace rapor
