#pragma once
// The exits of one product that carry one exit reason: the products that have such exits, the exits
// themselves as the list shows them, their total quantity, and the titles of the printed list and of the
// exported sheet.
#include "core/ListeGorunumu.h"
#include "core/SiraliListe.h"
#include "movement_reports/RaporOrtak.h"

namespace rapor {

// Task codes of the list and of the export behind the progress window; the column layout's section.
inline const QString NedenListesiGörevi = QStringLiteral("3");
inline const QString NedenAktarımGörevi = QStringLiteral("4");
inline const QString NedenDüzenBölümü = QStringLiteral("Listeler\\Liste-2");

// Firması, Tarihi, Miktarı, Birimi, KDV, Fiyatı, Tutarı.
const QList<ListeSütunu>& nedenSütunları();

// The products (name and UrunNo) that have at least one exit with the reason. A product whose row is
// missing, or that has no name, is not offered.
QList<ListeGirdisi> nedenÜrünleri(platform::Database& db, int neden);

// The product's exits with the reason whose buyer firm is there. The unit is empty when the product has
// none; a product without VAT rate shows "0"; the amount is the quantity times the price taken to four
// decimals.
int nedenHareketleri(platform::Database& db, int ürünNo, int neden, const SatırAlıcı& alıcı);

// The total quantity of every exit of the product with the reason (those the list leaves out for a
// missing firm included), "##,##0.00"; "0" when it has none.
QString çıkışToplamı(platform::Database& db, int ürünNo, int neden);

// The printed title: the product's name and the reason's words (" ADLI ÜRÜNÜN FATURALI SATIŞ HAREKETLERİ").
QString nedenYazdırmaBaşlığı(const QString& ürünAdı, int neden);
// The exported title: Çıkış Nedeni "Emanet" Olan Stok Hareketleri.
QString nedenAktarımBaşlığı(int neden);
inline const QString NedenSayfaAdı = QStringLiteral("Çıkış Nedenine Göre Hareketler");

}  // namespace rapor
