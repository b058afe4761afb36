#pragma once
// What the change and return windows read from the movement history window that opens them, and how
// they make it reload. The history window implements it; the windows keep a reference while they are open.
#include "movement_history/HareketIslemleri.h"

#include <QDate>
#include <QString>
#include <optional>

// The movement of the history's selected row, with the product the history shows.
struct SeçiliHareket {
    bool giriş = true;      // the history shows entries (false: exits)
    int hareketNo = 0;
    int sıra = 0;           // the row, counted from 1
    int ürünNo = 0;
    QString ürünAdı;
    int firmaNo = 0;
    QString firmaAdı;
    QDate tarih;
    QString tarihMetni;     // as the row shows it
    double miktar = 0;
    double fiyat = 0;
    int nedeni = -1;        // exits: the reason code 0 to 5
    double girişToplamı = 0;  // the product's totals as of the last reload
    double çıkışToplamı = 0;

    // The movement as this row shows it, for the change or return that must find it unchanged.
    hareket::GörülenHareket görülen() const
    {
        return {ürünNo, firmaNo, tarih, miktar, fiyat, giriş ? -1 : nedeni};
    }
};

class HareketGeçmişi {
public:
    virtual ~HareketGeçmişi() = default;
    // The selected row; nothing when no row is selected.
    virtual std::optional<SeçiliHareket> seçiliHareket() const = 0;
    // Reloads the list and the totals for the product chosen in the history.
    virtual void ÜrünListesi_Click() = 0;
    // After a reload: selects row SeçiliSıra, or the one before it when the list has become shorter;
    // nothing in an empty list. `görünürYap` also scrolls the row into view.
    virtual void satırıYenidenSeç(bool görünürYap) = 0;
};
