#pragma once
// The spreadsheet export of a list window (its MSExceleAktar), in the common layout: the title in A1,
// merged over the table's title range, row 1 centred both ways, bold and 30 high; the column headers in
// row 2 (20 high unless the table says otherwise), centred, wrapped, bold, each sheet column as wide as
// its list column is now (twips / 100); list row r in sheet row r + 2, in the order shown; then the
// totals row, when the table has one. With a printer installed (YazıcıVar) the page gets margins of
// 1.5 cm, horizontal centring and printed grid lines, and, when the table asks for it, all columns on one
// page width.
//
// Cells are written from the list's values, never from its texts read back: a text column takes the
// text the list shows (also of a number or a date), a number column the number (a date as a date); an
// empty cell stays empty. A text in a number column is an error, reported once by the progress window.
//
// The workbook is written into the documents folder and opened with the desktop's spreadsheet program;
// without one, a message gives the file's path. The export never refuses for want of a program.
#include "core/ListeDegeri.h"

#include <QList>
#include <QString>
#include <functional>

class ListeGörünümü;
class QProgressBar;
class QWidget;

struct AktarımSütunu {
    enum class Tür {
        Metin,  // the text the list shows
        Sayı,   // the value as a number
    };
    int listeSütunu = 0;  // the list column (from 0) whose header, width and cells this sheet column takes
    Tür tür = Tür::Metin;
    QString sayıBiçimi;   // the spreadsheet's format of the number cells ("#,##0.00"); empty: General
};

struct ListeAktarımTablosu {
    QString sayfaAdı;
    QString başlık;                    // A1
    int başlıkSütunSayısı = 0;         // merged A1 over this many columns ("A1:H1" is 8); 0: every column
    double sütunBaşlığıYüksekliği = 20;
    // The sheet's columns in order. Empty: every list column in its created order, text columns as
    // texts and number and date columns as their kind says (numbers as numbers, dates as texts).
    QList<AktarımSütunu> sütunlar;
    bool sayfaGenişliğineSığdır = false;  // with a printer: every column on one page width
    QList<ListeDeğeri> toplamSatırı;      // cells of a bold row after the last one, in the sheet's order
};

// The export body a window's MSExceleAktar runs behind the progress window: the bar's maximum is the
// number of rows and it advances per row. Returns the written file's path. Raises on any error (the
// progress window closes and reports it once); then no file is left.
QString MSExceleAktar(QProgressBar& çubuk, const ListeGörünümü& liste, const ListeAktarımTablosu& tablo);

// Starts an export from a window's button (ExcelAktarmayıBaşlat): nothing for an empty list; otherwise
// the progress window, dressed for an export with the task code as its tag, over `sahip`, runs `aktar`;
// a workbook that cannot be opened is told of once the progress window has closed. True when it ran to
// its end.
bool ListeAktarımınıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                           std::function<void(QProgressBar&)> aktar);
