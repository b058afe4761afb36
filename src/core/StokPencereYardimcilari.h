#pragma once
// The control makers and steps that the stock windows and the movement change windows share: caption
// labels, buttons, display boxes, the date box on its panel, the designed size, the box behaviours of
// the firm and product choice, and the double-click on a list.
#include <QString>
#include <functional>

class QAbstractItemView;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
class SıralıListeKutusu;

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

// The boxes that the stock windows and the movement change windows have alike, with their caption labels.
struct SeçimKutuları {
    QWidget* firmaListesi;
    QLabel* firmaEtiketi;
    QLineEdit* firmaBul;
    QLabel* firmaBulEtiketi;
    QWidget* ürünListesi;
    QLabel* ürünEtiketi;
    QLineEdit* ürünBul;
    QLabel* ürünBulEtiketi;
    QWidget* tarih;
    QLabel* tarihEtiketi;
    QLineEdit* miktar;
    QLabel* miktarEtiketi;
    QLineEdit* fiyat;
    QLabel* fiyatEtiketi;
};
// Gives them their behaviours: caption highlight, Enter as Tab, Turkish upper case in the find boxes and
// their search in the lists, the number filters and format of the quantity and price.
void kutuKurallarınıUygula(const SeçimKutuları& k);
// A column of a list with its caption above and its find box (with caption) below.
QVBoxLayout* listeSütunu(QLabel* etiket, QWidget* liste, QLabel* bulEtiketi, QWidget* bulKutusu);

// Leaves the list with no entry selected (this runs its click).
void seçimiKaldır(SıralıListeKutusu* liste);

}  // namespace stok
