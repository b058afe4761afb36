#pragma once
// The entries or the exits of one day, or of every day: the list as the window shows it, its totals, and
// the window's caption, which is also the title of the printed list and of the exported sheet.
#include "core/ListeGorunumu.h"
#include "movement_reports/RaporOrtak.h"

#include <optional>

namespace rapor {

inline const QString GünlükListeGörevi = QStringLiteral("5");
inline const QString GünlükAktarımGörevi = QStringLiteral("6");
inline const QString GünlükDüzenBölümü = QStringLiteral("Listeler\\Liste-8");

// The mode comes from the main window's lists menu: "1" entries, anything else exits.
enum class GünlükMod { Giriş, Çıkış };
GünlükMod günlükMod(const QString& menüEtiketi);

// Tarihi, Kodu, Ürün Adı, Firma Adı, Miktarı, Fiyatı, Tutarı.
const QList<ListeSütunu>& günlükSütunları();

// The movements of the mode on the day (every day when none is given). The quantity and the price are
// those their two-decimal texts show, and the amount is their product.
int günlükHareketler(platform::Database& db, GünlükMod mod, std::optional<QDate> gün, const SatırAlıcı& alıcı);

// The totals of the listed rows, each added from what its column shows: the quantities, the unit prices
// and the amounts.
struct GünlükToplamlar {
    qint64 miktar = 0;  // hundredths
    qint64 fiyat = 0;
    qint64 tutar = 0;
    void ekle(const Satır& satır);
    QString miktarMetni() const;
    QString fiyatMetni() const;
    QString tutarMetni() const;
};

// "Günlük Giriş Hareketleri", "Günlük Çıkış Hareketleri": the plain caption and the sheet's name.
QString günlükDüzBaşlık(GünlükMod mod);
// The caption after a listing of the kind that found rows or not.
QString günlükBaşlık(GünlükMod mod, Listeleme tür, const QDate& gün, bool satırVar);
inline const QString GünlükTarihteYokMetni = QStringLiteral("Seçilen tarihte HAREKET bulunamadı!");
inline const QString GünlükHiçYokMetni = QStringLiteral("Hiçbir HAREKET bulunamadı!");

}  // namespace rapor
