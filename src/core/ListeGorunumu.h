#pragma once
// The list view of every list window: rows of values (ListeDeğeri: texts, numbers, dates) under column
// headers. A cell is formatted to its Turkish text only when the view shows it.
//
// Columns come from a table (title, width in twips, alignment, kind) and keep their numbers (0 = the
// first column of the table) whatever place the user drags them to. Each row carries a value of the
// window's own (a movement number, an index into the window's own records), which stays with the row
// when it is sorted.
//
// Sorting by a click on a column header follows one protocol for the whole program, with its state in
// the globals SıralamaSütunu, SıralamaYönü and SayısalSıralama (core/OrtakDegiskenler.h):
//   - a click on another column sorts it ascending; a further click on the same column reverses it;
//   - text columns sort by the Turkish alphabet without regard to letter case, and stay sorted while rows
//     are added (at their sorted place) until a date or number column is clicked;
//   - date and number columns sort by value (a text cell in them by the date or number its text reads
//     as: dd.MM.yyyy, "1.234,50"); empty cells come first in ascending order and last in descending order;
//   - a text column sorts the cells' shown texts;
//   - the sort is stable: rows of equal value keep the order they had;
//   - the sorted column's header shows the arrow ListeSütunuSimgeleri()[SıralamaYönü], right of the
//     caption, or left of it in a right-aligned column; once an arrow has been shown the captions of all
//     but the right-aligned columns are drawn left-aligned.
// A window that sorts when it opens calls ilkSıralama() after filling the list; the working lists of the
// stock windows do not, and their first click finds the state the last list window left.
//
// Column layout store: keys "Konum-N" (display position from 1) and "Genislik-N" (width in twips), N the
// column number from 1, in the window's section ("Listeler\Liste-5"): düzeniOku() right after
// sütunlarıKur(), düzeniYaz() when the window closes.
//
// Filling many rows: between doldurmayaBaşla() and doldurmayıBitir() (or inside a ListeGörünümü::Doldurma
// scope) rows are added without any update of the view; the view takes them all at the end.
#include "core/ListeDegeri.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <concepts>

// The two sort arrows, 16 × 16 hollow triangles with a dark grey (128, 128, 128) left edge and a white
// right edge: image 0 points up (ascending), image 1 points down (descending).
const QList<QPixmap>& ListeSütunuSimgeleri();

enum class SütunTürü { Metin, Tarih, Sayı };

struct ListeSütunu {
    QString başlık;
    int genişlikTwips = 1000;  // 0: present but hidden
    Qt::Alignment hizalama = Qt::AlignLeft;  // AlignLeft, AlignRight or AlignHCenter
    SütunTürü tür = SütunTürü::Metin;
};

class ListeModeli;
class ListeBaşlığı;

// Signals: the double-click on a row is QAbstractItemView::doubleClicked(QModelIndex) (its row()), a
// change of the selected row is selectionModel()'s selectionChanged (then seçiliSatır()). The class has
// no meta-object of its own (moc takes no Turkish names): find it with findChild<ListeGörünümü*>(name)
// and cast with dynamic_cast, not qobject_cast.
class ListeGörünümü : public QTableView {
public:
    explicit ListeGörünümü(QWidget* üst = nullptr);
    ~ListeGörünümü() override;

    // --- Columns -----------------------------------------------------------------------------------
    // Creates the columns (removes every row and column there was).
    void sütunlarıKur(const QList<ListeSütunu>& sütunlar);
    int sütunSayısı() const;
    const ListeSütunu& sütun(int sütun) const;  // as created
    QString sütunBaşlığı(int sütun) const;
    Qt::Alignment sütunHizalaması(int sütun) const;
    SütunTürü sütunTürü(int sütun) const;
    int sütunGenişliğiTwips(int sütun) const;  // current width; 0 when hidden
    void sütunGenişliğiniAyarla(int sütun, int twips);
    int sütunKonumu(int sütun) const;           // display position from 0
    void sütunKonumunuAyarla(int sütun, int konum);  // moves the column to the position (from 0)
    QList<int> görünümSırası() const;           // the column numbers in display order

    // --- Column layout store -----------------------------------------------------------------------
    void düzeniOku(const QString& bölüm);
    void düzeniYaz(const QString& bölüm) const;

    // --- Grid lines: shown when ÇizgiliListeler is not 0. Runs on its own each time the window becomes
    // active; a window may call it after changing the preference.
    void çizgileriAyarla();

    // --- Rows --------------------------------------------------------------------------------------
    // Adds a row (cells from column 0; missing cells are empty, cells beyond the last column are
    // dropped); returns its row index. While a text column is the sort, the row goes to its sorted
    // place; otherwise to the end. A QStringList adds text cells (a braced list of texts makes
    // ListeDeğeri cells, which are the same).
    int satırEkle(const QList<ListeDeğeri>& hücreler, qint64 değer = 0);
    int satırEkle(QList<ListeDeğeri>&& hücreler, qint64 değer = 0);  // the cells moved in
    template <class Metinler>
        requires std::same_as<Metinler, QStringList>
    int satırEkle(const Metinler& hücreler, qint64 değer = 0)
    {
        return metinSatırıEkle(hücreler, değer);
    }
    void satırSil(int satır);
    void temizle();
    int satırSayısı() const;
    // The cell's value; an empty value for a row or column that is not there.
    const ListeDeğeri& hücreDeğeri(int satır, int sütun) const;
    void hücreDeğeriniDeğiştir(int satır, int sütun, const ListeDeğeri& değer);
    QList<ListeDeğeri> satırDeğerleri(int satır) const;  // one cell per column
    // The shown texts.
    QString hücre(int satır, int sütun) const;
    void hücreyiDeğiştir(int satır, int sütun, const QString& metin);  // puts a text cell
    QStringList satır(int satır) const;
    qint64 satırDeğeri(int satır) const;
    void satırDeğeriniDeğiştir(int satır, qint64 değer);
    int değerleBul(qint64 değer) const;  // first row carrying the value, -1 when none
    // First row whose cell in the column shows the text exactly, -1 when none.
    int hücreyleBul(int sütun, const QString& metin) const;

    int seçiliSatır() const;  // -1 when none
    void satırıSeç(int satır);  // -1 clears the selection

    void doldurmayaBaşla();
    void doldurmayıBitir();
    // During a fill whose row count is known beforehand: room for that many more rows at once.
    void satırYeriAyır(int adet);
    class Doldurma {
    public:
        explicit Doldurma(ListeGörünümü* liste) : liste_(liste) { liste_->doldurmayaBaşla(); }
        ~Doldurma() { liste_->doldurmayıBitir(); }
        Doldurma(const Doldurma&) = delete;
        Doldurma& operator=(const Doldurma&) = delete;

    private:
        ListeGörünümü* liste_;
    };

    // --- Sorting -----------------------------------------------------------------------------------
    // The column-click protocol; a click on a header runs it.
    void sütunaTıklandı(int sütun);
    // The sort a list window does when it opens: ascending on the first column.
    void ilkSıralama();
    // Sorts by the column, read as its kind says, ascending (yön 0) or descending (1), stable.
    void sırala(int sütun, int yön);
    // The column whose arrow is shown, -1 when none.
    int okluSütun() const;

protected:
    bool event(QEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

private:
    int metinSatırıEkle(const QStringList& hücreler, qint64 değer);
    void okuGöster(int sütun);
    void genişliğiKur(int sütun, int twips);

    ListeModeli* model_;
    ListeBaşlığı* başlık_;
    QList<ListeSütunu> sütunlar_;
    // The width last given to each column in twips, and in pixels: while the pixels stand, the twips
    // are told back as given (1100 twips are 73 pixels, which would be 1095).
    QList<int> twips_;
    QList<int> piksel_;
};
