#pragma once
// The periodic profit list: the periods to choose from, and per product the quantity and amount of its
// exits in the period and the profit on them (the amount less the quantity times the product's average
// purchase price), from the saved query CikisIslemleriSorgusu.
#include "core/ListeDegeri.h"
#include "platform/Database.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kar_listesi {

// Task codes of the progress window: the fill and the spreadsheet export.
inline const QString DoldurmaGörevi = QStringLiteral("17");
inline const QString AktarmaGörevi = QStringLiteral("18");
// The window's column store.
inline const QString AyarBölümü = QStringLiteral("Listeler\\Liste-11");
inline const QString PencereBaşlığı = QStringLiteral("Kâr Listesi");

// The period choices, by place: the current week (Monday to Sunday), month, year, or a range of days.
enum Dönem { Haftalık = 0, Aylık = 1, Yıllık = 2, TarihBelirle = 3 };
QStringList dönemSeçenekleri();  // "HAFTALIK LİSTE", "AYLIK LİSTE", "YILLIK LİSTE", "TARİH BELİRLE"

// A period, both days included.
struct TarihAralığı {
    QDate başlangıç;
    QDate bitiş;
    bool operator==(const TarihAralığı&) const = default;
};

// The range that the choice at `yer` gives on the day `bugün`; a range of days starts and ends today.
TarihAralığı dönemAralığı(int yer, const QDate& bugün);

// From the day of the earliest to that of the latest exit ever recorded; none when there is no exit.
std::optional<TarihAralığı> tümTarihler(platform::Database& db);

// The list's columns, by number from 0.
enum Sütun { ÜrünKodu, ÜrünAdı, ÇıkanMiktar, ÇıkanTutar, KârMiktarı, SütunSayısı };

struct KarListesi {
    QList<QList<ListeDeğeri>> satırlar;  // cells in column order, in the query's order
    qint64 toplamKuruş = 0;              // the sum of the profit cells, in hundredths
    double toplam() const { return double(toplamKuruş) / 100.0; }
};

// A value as it is shown with two decimals: rounded to hundredths, half away from zero.
qint64 kuruşa(double değer);

// The list of the period. Numbers are held as they are shown (to hundredths); the profit is computed
// from the values before rounding. A value the query gives as NULL (a product that is gone, an exit
// without a price) leaves its cell empty, and a profit that cannot be computed leaves its cell empty and
// adds nothing to the total.
KarListesi karListesi(platform::Database& db, const TarihAralığı& dönem);

}  // namespace kar_listesi
