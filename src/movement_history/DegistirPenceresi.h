#pragma once
// What the entry change and exit change windows have alike: the firm and product lists with their find
// boxes, the stock on hand, the date, quantity and price boxes, the save and close buttons, the filling
// from the history's selected row, the save button that only a user's change enables, and what follows a
// save (the history reloads and reselects its row, the window closes).
#include "movement_history/HareketGecmisi.h"
#include "movement_history/HareketIslemleri.h"
#include "core/SiraliListe.h"

#include <QDialog>
#include <QList>
#include <QPair>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hareket {

class DeğiştirPenceresi : public QDialog {
public:
    ~DeğiştirPenceresi() override;

    virtual void ÜrünListesi_Click() = 0;
    virtual void KaydetDüğmesi_Click() = 0;
    void KapatDüğmesi_Click() { reject(); }

protected:
    // Makes the shared controls; the window then makes its own, its labels Etiket(0) to Etiket(3) and the
    // others, and calls kur().
    DeğiştirPenceresi(QWidget* sahip, HareketGeçmişi& geçmiş, const QString& çerçeveBaşlığı);

    // Lays out the window: the firm and the product column, then `alanlar` (a label and its box, a row
    // each), the buttons below; the focus runs through `girdiler` after the product find box. Then the
    // box behaviours, the lists' entries, and the fields from the history's row.
    void kur(const QList<QPair<QLabel*, QWidget*>>& alanlar, const QList<QWidget*>& girdiler,
             const QList<QWidget*>& etkinleştirenler);

    virtual QList<ListeGirdisi> firmalar() = 0;
    // Fills the window's own fields from the row (after firm, product, date, quantity and price).
    virtual void satırdanDoldur(const SeçiliHareket&) {}
    // The reason box, for the exit window; none for the entry window.
    virtual QWidget* nedenKutusu() const { return nullptr; }

    // The first input checks of both windows: a firm (unless `firmaGerekmez`), a product, a date, a
    // quantity. Shows the refusal and moves the focus; true when all passed.
    bool firmaDenetle();
    bool ürünDenetle();
    bool tarihVeMiktarDenetle();
    // Shows the refusal for a value box and gives it the focus; false.
    bool reddet(const QString& metin, QWidget* odak);
    // What follows the save function's result: reload and close, or a message and the window stays.
    void sonucuİşle(Sonuç sonuç, bool görünürYap);
    // A database error of the save: reported once, then the history reloads and the window closes.
    void hatayıİşle(const std::exception& hata, bool görünürYap);

    HareketGeçmişi& geçmiş_;
    SeçiliHareket satır_;  // the history row the window was opened for
    QGroupBox* Çerçeve_ = nullptr;
    QWidget* Altlık_ = nullptr;
    SıralıListeKutusu* FirmaListesi_ = nullptr;
    QLineEdit* FirmaBulKutusu_ = nullptr;
    SıralıListeKutusu* ÜrünListesi_ = nullptr;
    QLineEdit* ÜrünBulKutusu_ = nullptr;
    QLineEdit* KalanKutusu_ = nullptr;
    QWidget* tarihAltlığı_ = nullptr;
    QDateEdit* TarihiKutusu_ = nullptr;
    QLineEdit* MiktarıKutusu_ = nullptr;
    QLineEdit* FiyatıKutusu_ = nullptr;
    QPushButton* KaydetDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
    QList<QLabel*> Etiket_;
    bool dolduruluyor_ = false;  // while the fields are filled from the history's row

private:
    void yenileVeKapat(bool görünürYap);
};

}  // namespace hareket
