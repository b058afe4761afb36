#pragma once
// List boxes and combo boxes whose entries stay sorted by the Turkish alphabet (without regard to letter
// case) whatever the machine's locale, each entry carrying the number of its record (UrunNo, Nosu).
//
// The window's "click" is QListWidget::currentRowChanged(int) (QComboBox::currentIndexChanged(int)):
// it runs when the user picks an entry, when the find box of AlanGirişiKuralları::listedeBul picks one,
// and when the window sets or clears the selection. It does not run while entries are added, filled or
// cleared: an entry added before the selected one moves the selection with it, quietly.
// The classes have no meta-object of their own (moc takes no Turkish names): findChild<SıralıListeKutusu*>
// works as for a QListWidget; cast with dynamic_cast, not qobject_cast.
#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QString>

// One entry: the text shown and its record number.
struct ListeGirdisi {
    QString metin;
    qint64 numara = 0;
};

class SıralıListeKutusu : public QListWidget {
public:
    explicit SıralıListeKutusu(QWidget* üst = nullptr);

    // Adds an entry at its sorted place (after entries of equal text); returns its row.
    int ekle(const QString& metin, qint64 numara);
    // Replaces all entries by these, sorted (fast for many entries); nothing is selected afterwards.
    void doldur(QList<ListeGirdisi> girdiler);
    // Removes every entry; nothing is selected afterwards.
    void temizle();
    // Removes the entry of the row.
    void satırıSil(int satır);

    int girdiSayısı() const { return count(); }
    qint64 numara(int satır) const;    // record number of the row; 0 outside the list
    QString metin(int satır) const;     // text of the row; "" outside the list
    int seçiliSatır() const { return currentRow(); }
    qint64 seçiliNumara() const;        // record number of the selected entry, -1 when none
    int numarayıBul(qint64 numara) const;  // row of the entry with the number, -1 when none
    // Selects the entry with the number (-1 when none: then nothing is selected); raises the click.
    int numarayıSeç(qint64 numara);

private:
    int yeriniBul(const QString& metin) const;
};

class SıralıAçılırKutu : public QComboBox {
public:
    explicit SıralıAçılırKutu(QWidget* üst = nullptr);

    int ekle(const QString& metin, qint64 numara);
    void doldur(QList<ListeGirdisi> girdiler);
    void temizle();

    qint64 numara(int sıra) const;
    qint64 seçiliNumara() const;  // -1 when nothing is selected
    int numarayıBul(qint64 numara) const;
    int numarayıSeç(qint64 numara);

private:
    int yeriniBul(const QString& metin) const;
};

// Sorts the entries by the Turkish alphabet without regard to letter case, keeping the order of equal
// texts (used by both boxes; public for windows that fill other controls in the same order).
void türkçeSırala(QList<ListeGirdisi>& girdiler);
