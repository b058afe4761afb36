#pragma once
// The program-wide state that the windows hand each other, under the names the program gives it.
// Everything here lives for the whole run and is touched only on the user-interface thread.
#include "platform/Database.h"

#include <QString>
#include <memory>

// Set once at start-up.
inline QString BaşlıkMetni;
inline QString ProgramKlasörü;
inline QString AyarlarUygulamaAdı;
inline bool YazıcıVar = false;
inline bool WindowsNT = true;

// The one open database; replaced by the server change.
inline std::shared_ptr<platform::Database> AçıkVeritabanı;
// The server folder of the open database (the connection window's public member).
inline QString SunucuYolu;

// A login password is set.
inline bool GirişŞifresiSor = false;

// Preferences, read at start-up and written by the preferences window.
inline int ÇizgiliListeler = 1;
inline int OndalıklıMiktar = 1;
inline int UyarıVar = 0;
inline int UyarılacakSayı = 5;
inline int FaturaBoşKağıdaGöre = 0;

// Entry and exit totals of the product last chosen in a window that shows stock on hand.
inline double GirişMiktarıToplamı = 0;
inline double ÇıkışMiktarıToplamı = 0;

// Scratch state of one operation: the row a loop handles and the list row last selected.
inline int Sayaç = 0;
inline int SeçiliSıra = 0;

// Sort state of the list views: column from 0; 0 ascending, 1 descending; 0 dates, 1 numbers.
inline int SıralamaSütunu = 0;
inline int SıralamaYönü = 0;
inline int SayısalSıralama = 0;

// Set by the printer choice's cancel button; true abandons the print.
inline bool YazdırmaİptalEdildi = false;

// The definition windows: the photo file of the product shown, and add (false) or change (true).
inline QString FotoğrafAdı;
inline bool DeğişiklikModu = false;

// The firm table in use ("SaticiFirmalarTablosu " or "AliciFirmalarTablosu ", with the trailing blank).
// Only handed between windows: no statement is ever built from it (the firm window maps it onto a
// fixed pair of tables, see definitions/FirmaIslemleri.h).
inline QString SeçiliFirmaTablosu;
inline const QString SatıcıFirmaTablosuAdı = QStringLiteral("SaticiFirmalarTablosu ");
inline const QString AlıcıFirmaTablosuAdı = QStringLiteral("AliciFirmalarTablosu ");

// The stock list's mode: 0 current stock, 1 running low.
inline int StokListesiTürü = 0;

// The daily movements' mode ("1" entries, "2" exits): the Tag of the main window's lists menu.
inline QString ListelerMenüsüTag;

// The exit reasons; the stored code is the position.
inline const QStringList ÇıkışNedenleri = {QStringLiteral("Faturalı Satış"), QStringLiteral("Fişli Satış"),
                                           QStringLiteral("Emanet"),         QStringLiteral("Hediye"),
                                           QStringLiteral("İmha"),           QStringLiteral("Diğer")};
// The reserved buyer of every receipt sale.
inline constexpr int FişliSatışFirması = 1;

// The movement history's hand-over to its change and return windows and to its delete: the selected
// movement's number, and the product's total of the shown movement type less that movement's quantity.
inline int SeçiliHareketNo = 0;
inline double DiğerHareketlerToplamı = 0;
// The buyer firm that a changed exit is written with.
inline int SeçiliFirmaNo = 0;
