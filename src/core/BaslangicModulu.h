#pragma once
// Start-up: the program title, the single-instance test, the splash, the operating-system check, the
// globals, the connection and the upgrade of the shared database. Main() is the program's start routine.
#include "platform/Database.h"

#include <QString>
#include <memory>

namespace BaşlangıçModülü {

inline const QString ProgramAdıMetni = QStringLiteral("Velnaro - Kavrenta");
inline const QString ÜrünAdı = QStringLiteral("Kavrenta");
// The connect string of the shared file. SQLite files carry no password; it is kept in this one place
// and handed to the open call, which ignores it.
inline const QString BağlantıMetni = QStringLiteral(";Pwd=QmWrt4817");
inline const QString VeritabanıDosyası = QStringLiteral("Stok.vtb");

// Prepares the look every window shares: the style and the default font (a sans face that renders
// Turkish, 8 points). Called before any window is made.
void OrtakDenetimleriHazırla();

// "Velnaro - Kavrenta 1.83 (İstemci)" for 1.8.3: the minor version and the revision written one after
// the other.
QString BaşlıkMetniOluştur(int ana, int alt, int düzeltme);
// The title of this build.
QString ProgramınBaşlığı();

// What the operating system says of itself.
struct SürümBilgisi {
    bool alındı = false;       // the query answered
    int platformKimliği = 0;   // 2: the NT family
    int anaSürüm = 0;
    int altSürüm = 0;
    QString servisPaketi;      // text of the installed service pack, empty when none
};
inline constexpr int NTPlatformu = 2;
inline const QString İşletimSistemiUyarısı = QStringLiteral(
    "Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis Pack 3\" veya daha yüksek bir "
    "sürümün yüklü olması gerekiyor.");

// The running system's record. Linux answers as a current member of the NT family, which passes.
SürümBilgisi İşletimSistemiSürümü();
// True when the program runs on the system of this record: not when the query failed, not on NT before
// version 4, not on NT 4 with service pack 1 or 2.
bool İşletimSistemiUygun(const SürümBilgisi& sürüm);
// Sets WindowsNT from the record, or shows the warning and ends the program.
void İşletimSisteminiDenetle(const SürümBilgisi& sürüm);
void İşletimSisteminiDenetle();

// The shared database in a server folder, opened shared for reading and writing. Throws DbError.
std::shared_ptr<platform::Database> VeritabanınıAç(const QString& sunucuKlasörü);

// True when the table of the open database has a column of exactly this name (letter case counts).
// Throws when no database is open or the table does not exist.
bool AlanVarMı(const QString& tablo, const QString& alan);
// True when the open database has a table of exactly this name (letter case counts).
bool TabloVarMı(const QString& tablo);

// Brings the open database up to date: the texts of the two total views, the added product and person
// columns, the people table and the indexes. Each step tests its own condition, so an up-to-date file is
// not written to, and a half-upgraded one is completed. A failing step goes to the error reporter and,
// when the user goes on, the next step follows.
void VeritabanınıGüncelle();

// The start routine. Returns with the main window shown and a database open, or with no window left
// (the program should then end).
void Main();

}  // namespace BaşlangıçModülü
