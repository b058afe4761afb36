#pragma once
// The value histories of the product window's unit, VAT-rate and brand boxes: the last ten values the user
// saved, newest first, kept per user in the settings store under "Listelenecekler".
#include <QString>
#include <QStringList>

namespace değerGeçmişi {

struct Tanım {
    QString bölüm;  // settings section
    QString önEk;   // key prefix, followed by the position from 1 (1 the newest)
};

inline const Tanım MiktarBirimi{QStringLiteral("Listelenecekler\\Miktar Birimi"), QStringLiteral("Birim-")};
inline const Tanım KDVOranı{QStringLiteral("Listelenecekler\\KDV Orani"), QStringLiteral("Oran-")};
inline const Tanım Markası{QStringLiteral("Listelenecekler\\Markasi"), QStringLiteral("Marka-")};

inline constexpr int EnÇokDeğer = 10;

// The stored values, ordered by the number in their key.
QStringList oku(const Tanım& tanım);

// Puts a saved value at the top of the history (liste, newest first) and stores the history: a value already
// in it (letter case ignored) or an empty one changes nothing; the oldest falls off beyond ten values.
// True when the history changed.
bool ekle(QStringList& liste, const QString& değer, const Tanım& tanım);

}  // namespace değerGeçmişi
