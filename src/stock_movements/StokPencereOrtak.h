#pragma once
// What the stock-entry and stock-exit windows build alike: caption labels, buttons, display boxes, the date
// box on its panel, the double-click of a working list, and the reporting of a database error.
#include <QString>
#include <exception>
#include <functional>

class QAbstractItemView;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace stok {

// A caption label of the window's label array ("Etiket(7)"); with a buddy, its access key moves there.
QLabel* etiketYap(QWidget* pencere, int sıra, const QString& metin, QWidget* ortak = nullptr);

// A button of a stock window. Enter on it presses it, as Space does; an Enter typed in a box presses no
// button (the boxes move on to the next control with it).
QPushButton* düğmeYap(QWidget* pencere, const QString& ad, const QString& metin);

// A read-only box that the focus skips (code, unit, VAT, stock, prices, totals).
QLineEdit* göstergeKutusu(QWidget* pencere, const QString& ad, bool sağaYaslı = true);

// An entry box for a quantity or a price, right-aligned.
QLineEdit* tutarKutusu(QWidget* pencere, const QString& ad);

// The date box, today's date, shown "dd.MM.yyyy" with a calendar to pick from, on its panel.
QDateEdit* tarihKutusu(QWidget* altlık);
QWidget* altlıkYap(QWidget* pencere, const QString& ad);

// Runs the action on a double-click anywhere in the list's rows area: on a row, or below the last one.
void çiftTıklamada(QAbstractItemView* liste, std::function<void()> iş);

// Gives the window its designed size, or less where the screen is smaller (the program runs on screens from
// 600 pixels high), never less than its layout needs.
void boyutuAyarla(QWidget* pencere, int genişlik, int yükseklik);

// Reports the error of a database operation once through the common reporter.
void hatayıBildir(const std::exception& hata);

}  // namespace stok
