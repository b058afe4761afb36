#pragma once
// The small behaviours that every entry window gives its boxes: the caption highlight, select-all on
// focus, Enter as Tab, Turkish upper-casing, the number and digit filters, the format on leaving, the
// prefix search in a list and the confirm button that a user's change enables.
//
// A window attaches them in one line per box:
//
//     using K = AlanGirişiKuralları::Kural;
//     AlanGirişiKuralları::uygula(MiktarıKutusu, K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan
//                                 | K::SayıTuşSüzgeci | K::SayıOlmayanıSil | K::TutarBiçimi, Etiket[10]);
//     AlanGirişiKuralları::uygula(ÜrünBulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf,
//                                 Etiket[3]);
//     AlanGirişiKuralları::listedeBul(ÜrünBulKutusu, ÜrünListesi);
//
// The boxes: QLineEdit, an editable QComboBox (or its line edit), QPlainTextEdit, QTextEdit, QListWidget,
// QComboBox, QAbstractSpinBox (QDateEdit). Attaching to the same box again adds to what it has. Make a
// combo box editable before attaching, so that its line edit is found.
//
// Order of the steps inside one event:
//   focus in:   TümünüSeç, then the caption highlight;
//   key:        EnterİleSonrakiAlan, then one of RakamTuşSüzgeci, SayıTuşSüzgeci, TürkçeBüyükHarf
//               (in this priority when a box is given more than one);
//   change:     SayıOlmayanıSil, then the prefix search of listedeBul;
//   focus out:  the caption back to the window's text colour, then TutarBiçimi, KesmeİşaretiniDeğiştir
//               or KırpmaBiçimi.
// A focus change caused by a popup (a combo box's drop-down list, a menu), or by the window losing and
// regaining its activation (a message box, another program), is no focus change here.
//
// Text that arrives otherwise than by a key (pasted, dropped, from an input method) goes through the same
// key filters: a number box never holds a letter, an upper-casing box never a lower-case letter that the
// user brought in; a paste that the filters change stays one step of the undo history. Text that the
// window itself sets is left as it is (only SayıOlmayanıSil looks at every change). A multi-line box
// cannot tell who changed it: what comes in while it has the focus counts as the user's.
//
// The list's "click": the windows react to QListWidget::currentRowChanged(int) (QComboBox::
// currentIndexChanged(int) for a combo box). The prefix search sets the current row, so the window's
// handler runs exactly as when the user picks the entry; a search that finds nothing leaves the list with
// no current row and no selection (row -1), which runs the handler too. SıralıListeKutusu raises the same
// signal and keeps it quiet while it is filled or cleared.
#include <QColor>
#include <QFlags>
#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace AlanGirişiKuralları {

enum class Kural : unsigned {
    Yok = 0,
    TümünüSeç = 1u << 0,              // focus in: the whole text is selected
    EtiketVurgusu = 1u << 1,          // focus in: caption in VurguRengi; focus out: the window's text colour
    EnterİleSonrakiAlan = 1u << 2,    // Enter moves the focus to the next control; the box never gets it
    TürkçeBüyükHarf = 1u << 3,        // every typed letter upper-cased by the Turkish rule (i -> İ, ı -> I)
    SayıTuşSüzgeci = 1u << 4,         // only digits, the decimal comma and Backspace pass
    RakamTuşSüzgeci = 1u << 5,        // only digits and Backspace pass
    SayıOlmayanıSil = 1u << 6,        // change: a text that is no number loses the character before the caret
    TutarBiçimi = 1u << 7,            // focus out: the text is written "##,##0.00" (1234,5 -> 1.234,50)
    KesmeİşaretiniDeğiştir = 1u << 8, // focus out: ' becomes ’ and the blanks at both ends go
    KırpmaBiçimi = 1u << 9,           // focus out: the blanks at both ends go
};
Q_DECLARE_FLAGS(Kurallar, Kural)
Q_DECLARE_OPERATORS_FOR_FLAGS(Kurallar)

// The colour &H40C0 of a caption label while its box has the focus.
inline const QColor VurguRengi{192, 64, 0};

// Attaches the behaviours to the box; etiket is its caption label (used by EtiketVurgusu).
void uygula(QWidget* kutu, Kurallar kurallar, QLabel* etiket = nullptr);

// The find box serves the list: on each change of its text, unless the text is empty or blank, the list's
// current row becomes its first entry that begins with the text (compared without regard to letter case),
// or -1 when none does.
void listedeBul(QLineEdit* bulKutusu, QListWidget* liste);
// The search itself: first entry that begins with the text without regard to letter case, or -1.
int listedeÖnEkleBul(const QListWidget* liste, const QString& metin);

// The first entry whose whole text equals the text without regard to letter case, or -1.
int listedeTamBul(const QListWidget* liste, const QString& metin);
int listedeTamBul(const QComboBox* kutu, const QString& metin);

// On each change of the box made while the box is its window's active control (the user's change, not
// the window filling it), the button is enabled. Boxes: QLineEdit, QComboBox, QPlainTextEdit, QTextEdit,
// QAbstractSpinBox, a checkable QAbstractButton, or any widget with a textChanged(QString) signal.
void kaydetDüğmesiniEtkinleştir(QWidget* kutu, QAbstractButton* düğme);

// The single steps, for windows and tests that need one on its own.
QString türkçeBüyükHarfSüz(const QString& metin);  // upper-cases the letters
QString sayıTuşlarınıSüz(const QString& metin);    // keeps digits and commas
QString rakamTuşlarınıSüz(const QString& metin);   // keeps digits
QString tutarBiçiminde(const QString& metin);      // "1234,5" -> "1.234,50"; "" and non-numbers unchanged
QString kesmeİşaretiniDeğiştir(const QString& metin);  // ' -> ’, then blanks at both ends removed
QString kırp(const QString& metin);                     // blanks (spaces) at both ends removed

}  // namespace AlanGirişiKuralları
