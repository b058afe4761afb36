#pragma once
// The remembered server folders: settings section "Sunucular", keys "Sunucu-1" to "Sunucu-4" in list
// order, and "Ayarlar" / "Veritabani", the list position of the server connected last.
#include <QString>
#include <QStringList>

namespace sunucular {

inline const QString Bölüm = QStringLiteral("Sunucular");
inline constexpr int EnÇok = 4;

// The folders in the order of their key numbers.
QStringList oku();
// Writes the folder at list position `sıra` (from 0) as "Sunucu-" followed by sıra + 1.
void yaz(int sıra, const QString& klasör);
// Forgets every remembered server.
void hepsiniSil();

// The position saved in "Veritabani"; a value that is negative or not a number counts as 0.
int sonSıra();
void sonSırayıYaz(int sıra);

}  // namespace sunucular
