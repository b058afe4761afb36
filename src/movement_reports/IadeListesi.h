#pragma once
// The returns to stock, one row per return, each with the exit it came back from: the list of one day or
// of every day, the window's caption (also the printed and exported title), and the printed columns'
// positions, which follow the page width.
#include "core/ListeGorunumu.h"
#include "movement_reports/RaporOrtak.h"

#include <array>
#include <optional>

namespace rapor {

inline const QString İadeListesiGörevi = QStringLiteral("7");
inline const QString İadeAktarımGörevi = QStringLiteral("8");
inline const QString İadeDüzenBölümü = QStringLiteral("Listeler\\Liste-9");

// Çıkış Yapılan Firma, Çıkış Yapılan Ürün, Çıkış Tarihi, Çıkış Miktarı, Çıkış Fiyatı, Çıkış Nedeni,
// İade Tarihi, İade Miktarı.
const QList<ListeSütunu>& iadeSütunları();

// Creates the returns table when the database lacks it. Raises platform::DbError when it cannot.
void iadeTablosunuHazırla(platform::Database& db);

// The returns of the day (every return when none is given) whose exit is still there. Numbers show as
// they read ("12,5"); a missing firm or product, or a reason outside the six, gives an empty cell. A
// database without the returns table has none.
int iadeler(platform::Database& db, std::optional<QDate> gün, const SatırAlıcı& alıcı);

inline const QString İadeDüzBaşlık = QStringLiteral("Stoğa İade Edilen Ürün Bilgileri");
QString iadeBaşlığı(Listeleme tür, const QDate& gün, bool satırVar);
inline const QString İadeTarihteYokMetni = QStringLiteral("Seçilen tarihte İADENİZ bulunmuyor!");
inline const QString İadeHiçYokMetni = QStringLiteral("Hiçbir İADENİZ bulunmuyor!");
inline const QString İadeSayfaAdı = QStringLiteral("Stoğa İade Hareketleri");

// The X (mm) of the eight printed columns on a page `genişlik` mm wide: 15, then steps of a sixth, 1/6.5,
// 1/7.5 and 1/13 of the width, 5 mm, a tenth and a fifth, each taken to the nearest whole mm (a half to
// the even one). 210 mm give 15, 50, 82, 110, 126, 131, 152, 194.
std::array<int, 8> iadeSütunKonumları(int genişlik);

}  // namespace rapor
