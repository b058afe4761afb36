#pragma once
// The returns table StogaIadeBilgileriTablosu: one row per partial return of the goods of a stock exit
// (IadeNo, CikisHareketiNo, IadeTarihi, IadeMiktari). An older shared file need not have it: the first
// return creates it. Used by the movement history, the return window and the returned-products list.
#include <QString>

namespace platform {
class Database;
}

inline const QString İadeTablosuAdı = QStringLiteral("StogaIadeBilgileriTablosu");

// Whether the database has the returns table. The name is compared without regard to letter case, as the
// database itself compares table names. Any error gives false, with no message.
bool TabloVar(platform::Database& db);
// The same on the open database (false when none is open).
bool TabloVar();

// Creates the returns table unless it is there (so two workstations making their first return together
// both succeed). Raises platform::DbError on failure.
void İadeTablosunuOluştur(platform::Database& db);
