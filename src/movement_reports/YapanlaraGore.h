#pragma once
// The entries or the exits that one person recorded: the people, the list, and the exported title.
#include "core/ListeGorunumu.h"
#include "core/SiraliListe.h"
#include "movement_reports/RaporOrtak.h"

namespace rapor {

inline const QString YapanListesiGörevi = QStringLiteral("15");
inline const QString YapanAktarımGörevi = QStringLiteral("16");
inline const QString YapanDüzenBölümü = QStringLiteral("Listeler\\Liste-10");

// Ürün Adı, Firması, Tarihi, Miktarı, Fiyatı, Tutarı.
const QList<ListeSütunu>& yapanSütunları();

// The people (name and Nosu) in the order the table gives them; a person without a name shows empty.
QList<ListeGirdisi> yapanlar(platform::Database& db);

// The person's entries (or exits), of every reason, with the product and firm names (empty when their
// row is missing); the amount is the quantity times the price taken to four decimals.
int yapanHareketleri(platform::Database& db, int kişiNo, bool giriş, const SatırAlıcı& alıcı);

// "AYŞE KARA Adlı Personelin Giriş Hareketleri".
QString yapanAktarımBaşlığı(const QString& kişiAdı, bool giriş);
inline const QString YapanSayfaAdı = QStringLiteral("Stok Hareketleri");

}  // namespace rapor
