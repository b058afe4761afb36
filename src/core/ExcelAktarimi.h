#pragma once
// What every list window's spreadsheet export shares: the start (nothing for an empty list, otherwise
// the progress window dressed for an export), and the routine that writes the window's list in the common
// layout. The workbook is opened with the desktop's spreadsheet program once the progress window has
// closed; without one, a message gives the file's path.
#include "platform/CalismaKitabi.h"

#include <QString>
#include <functional>

class QProgressBar;
class QWidget;

// Starts an export: does nothing when the list has no rows; otherwise runs `MSExceleAktar` behind the
// progress window dressed for an export, with the task code as its tag, over `sahip`, then opens the
// workbook it wrote. True when the routine ran to its end.
bool ExcelAktarmayıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                          std::function<void(QProgressBar&)> MSExceleAktar);

// The body of an export routine: sets the bar's maximum to the number of rows and advances it per row,
// sets the page setup (and the fitting to the page width, when the list asks for it) only when a printer
// is installed, writes the workbook and opens it (after the progress window, when run from
// ExcelAktarmayıBaşlat). Returns the file's path. Raises on any error, which the
// progress window reports; then no file is left.
QString ListeyiExceleAktar(QProgressBar& çubuk, platform::ListeTablosu liste);
