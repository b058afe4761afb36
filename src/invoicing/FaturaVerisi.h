#pragma once
// What the invoice and the delivery note take from the invoicing window (FaturaYazdırFormu): the buyer
// firm as its customer boxes show it, the day of the selected tree node, the exit lines in the list's
// current order and the three totals. Neither print reads the database for what it prints; the invoice
// reads its lines again before it prints them (another workstation may have changed, returned or
// invoiced them meanwhile) and marks its exits as invoiced before the page goes out.
//
// Money is para::Para (core/Para.h), whole ten-thousandths: 12,50 is 125000.
#include "core/Para.h"

#include <QDate>
#include <QList>
#include <QString>

class QAbstractButton;
class QWidget;

namespace fatura {

using para::Para;

// One exit line as the window lists it.
struct FaturaSatırı {
    qint64 hareketNo = 0;  // HareketNo of the exit row: the invoice marks it
    QString kodu;
    QString adı;
    double miktarı = 0;    // the stored quantity; the prints format it by "Ondalikli Miktar"
    QString birimi;        // empty when the product has none
    double kdvOranı = 0;   // percent; 0 when the product has none
    Para fiyatı = 0;       // unit price
    Para tutarı = 0;       // line amount (printed with two decimals)
    Para kdvMiktarı = 0;   // VAT of the line
    int ürünNo = 0;        // UrunNo of the exit row
};

struct FaturaVerisi {
    // The customer boxes: FirmaAdıKutusu, AdresiKutusu, VergiDairesiKutusu, VergiNumarasıKutusu.
    QString firmaAdı;
    QString adresi;
    QString vergiDairesi;
    QString vergiNumarası;
    // The day of the selected tree node: the invoice date; the firm of its parent node.
    QDate tarih;
    int firmaNo = 0;
    // The lines come from the view of exits already invoiced ("Sadece yazdırılan faturaları göster"):
    // a reprint, which marks nothing.
    bool yazdırılanlar = false;
    // The rows of ÜrünListesi, in the list's current order.
    QList<FaturaSatırı> satırlar;
    // ToplamKutusu, KDVToplamıKutusu, GenelToplamKutusu.
    Para toplam = 0;
    Para kdvToplamı = 0;
    Para genelToplam = 0;
};

// The print buttons of the invoicing window. `pencere` is the invoicing window (owner of the extra
// details and of the printer choice); `düğme` is the button pressed: it is disabled while the print
// runs and enabled again when it ends, whichever way.
//
// FaturaYazdır: with no lines it does nothing; without a printer it says so; otherwise it asks the
// extra invoice details and the printer, and lays out and readies the invoice (a PDF written whole, or a
// paper printer's job held by the print server with the whole document). Then, in one exclusive
// transaction, it reads the lines again: when one is gone or no longer as shown (or already invoiced,
// outside a reprint), nothing is printed or marked and the user is told (SatırlarDeğişmiş: the window
// reloads its tree); otherwise it marks every printed exit as invoiced and commits, and only then the
// invoice goes out. Yazdırıldı when it went out; İşaretlendi when the exits were marked but the print
// server did not release the job (a message said so, and that the invoice can be printed again from the
// view of printed invoices). After either the window reloads its tree and shows a neighbouring node.
enum class FaturaSonucu { Yazdırılmadı, Yazdırıldı, İşaretlendi, SatırlarDeğişmiş };
FaturaSonucu FaturaYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& veri);

// İrsaliyeYazdır: the same for the delivery note, which asks its own extra details and changes nothing
// in the database. True when the delivery note was printed.
bool İrsaliyeYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& veri);

}  // namespace fatura
