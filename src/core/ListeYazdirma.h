#pragma once
// The print of a list window: a plain columnar report in millimetres from the paper's edge.
//
// Page 1: the title centred at Y 15 (14 pt, bold, underlined), 5 mm lower the header row (the layout's
// size, bold, underlined), 1 mm lower the rows (8 pt, plain), one line each. Before each row: when
// Y + the bottom margin reaches the page height, a new page starts with the running header (the title at
// X 10, Y 5 and "Sayfa - N" ending 10 mm before the right edge, in 8 pt; a rule from (10, 10) to
// (width − 10, 10)); the rows go on from Y 15; the header row is not repeated. After the last row come
// the layout's closing lines (a totals line), with no page-break test before them.
//
// A window hands the routine its layout (YazdırmaDüzeni): the title, the bottom margin, the header size
// and its columns (YazdırmaSütunu: header, list column, X, alignment, format). Columns are taken by their
// number in the list, whatever order the user has dragged them into; rows in the order shown.
#include "core/ListeDegeri.h"

#include <QList>
#include <QString>
#include <functional>

class ListeGörünümü;
class QPushButton;
class QWidget;

namespace yazdırma {
class YazıcıYüzeyi;
}

// How a cell is written on paper.
enum class YazdırmaBiçimi {
    Listelendiği,  // the text the list shows
    Miktar,        // a number: "##,##0.00" when OndalıklıMiktar is 1, else "###0"
    Tutar,         // a number: "##,##0.00"
};

struct YazdırmaSütunu {
    QString başlık;      // printed in the header row
    int hücre = 0;       // the list column (from 0; 0 is the row's first column)
    double x = 0;        // mm from the paper's left edge
    bool sağa = false;   // false: the text starts at X; true: it ends at X
    YazdırmaBiçimi biçim = YazdırmaBiçimi::Listelendiği;
};

// One text of a closing line (the totals line of some lists).
struct KapanışHücresi {
    double x = 0;
    bool sağa = false;
    ListeDeğeri değer;   // a text ("TOPLAM :") or a number, written in `biçim`
    YazdırmaBiçimi biçim = YazdırmaBiçimi::Listelendiği;
};

// A line printed after the last row: Y moves down by `boşluk` mm, then its texts in the row font,
// bold when asked.
struct KapanışSatırı {
    double boşluk = 1;
    bool kalın = true;
    QList<KapanışHücresi> hücreler;
};

struct YazdırmaDüzeni {
    QString başlık;                 // the report title (also on the running header)
    int üstBoşluk = 15;             // mm: Y of the title and of the first row on further pages
    int altBoşluk = 15;             // mm: the page-break test's margin
    double sütunBaşlığıPuntosu = 9; // the header row's size
    QList<YazdırmaSütunu> sütunlar; // printed left to right in this order
    QList<KapanışSatırı> kapanış;   // after the last row; none for most lists
    // Called once the page width is known (whole mm), before anything is printed; a window whose column
    // positions follow the page width sets them here.
    std::function<void(YazdırmaDüzeni&, int sayfaGenişliği)> sayfayaGöre;
};

// The text of a value in a print format (an empty value gives "", a text stays as it is).
QString yazdırmaMetni(const ListeDeğeri& değer, YazdırmaBiçimi biçim);

// Lays the list out on the surface and ends the document. `hücre(satır, sütun)` gives a row's cell
// (rows from 0). Raises what the surface raises (yazdırma::YazdırmaHatası).
void listeyiÇiz(yazdırma::YazıcıYüzeyi& yüzey, YazdırmaDüzeni düzen, int satırSayısı,
                const std::function<ListeDeğeri(int, int)>& hücre);
void listeyiÇiz(yazdırma::YazıcıYüzeyi& yüzey, const YazdırmaDüzeni& düzen, const ListeGörünümü& liste);

// The routine behind a list window's YazdırDüğmesi_Click:
//   1. an empty list: nothing at all;
//   2. no printer installed at start-up (YazıcıVar): the message YazıcıYokMetni, nothing else;
//   3. the printer choice over `pencere`; cancelled: nothing printed, YazdırmaİptalEdildi false again;
//   4. the print button disabled and the busy pointer while printing;
//   5. BaşlıkMetni = the layout's title; the document on the current printer (listeyiÇiz);
//   6. the button enabled, the pointer back, the focus on the list.
// A failing document is reported once through the common error reporter and dropped; step 6 runs all
// the same. True when the document went out.
bool ListeYazdırma(QWidget* pencere, ListeGörünümü& liste, const YazdırmaDüzeni& düzen, QPushButton* YazdırDüğmesi);

// "Bilgisayarınızda yüklü bir YAZICI yok!" and the request to install one.
QString YazıcıYokMetni();
