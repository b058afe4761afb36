#pragma once
// What the invoicing window reads and computes without a widget: the buyer firms that have invoiced-sale
// exits with their days (the firm tree), the shown firm's details, the exit lines of one firm and day with
// their amounts and VAT, and the totals.
//
// Money follows core/Para.h: a line's amount is the unit price in ten-thousandths times the quantity, kept
// in ten-thousandths and shown with two decimals; the amount total counts each line as shown (whole
// kuruş), the VAT total counts each line's VAT to four decimals, and the grand total is their sum. Since
// the amount total is whole kuruş, Toplam + KDV = Genel Toplam holds also as printed.
#include "core/Para.h"
#include "platform/Database.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace fatura {

// One root of the firm tree with its days, oldest first.
struct AğaçFirması {
    int firmaNo = 0;
    QString adı;  // empty when the firm row holds no name
    QList<QDate> günler;
};

// The buyer firms that have invoiced-sale exits (reason 0) of the given invoiced state, by firm number,
// each with its distinct days in date order. Exits whose firm row is missing are left out. With a find
// text, only the firms whose name begins with it (without regard to letter case, by the Turkish rule; the
// text is taken letter for letter, with no wildcard). Throws platform::DbError.
QList<AğaçFirması> firmaAğacınıOku(platform::Database& db, bool yazdırılanlar, const QString& bulMetni = {});

// The details of a buyer firm; nothing when its row is missing. NULL columns give empty texts.
struct MüşteriBilgileri {
    QString adı, adresi, vergiDairesi, vergiNumarası;
};
std::optional<MüşteriBilgileri> müşteriOku(platform::Database& db, int firmaNo);

// One exit line of an invoice.
struct FaturaKalemi {
    qint64 hareketNo = 0;
    QString kodu, adı, birimi;        // product code, name and unit (empty when NULL or no product)
    double miktar = 0;                 // the stored quantity
    std::optional<double> kdvOranı;    // VAT rate in percent; none when the product has none
    para::Para fiyat = 0;              // unit price
    para::Para tutar = 0;              // price × quantity, to four decimals
    double kdvMiktarı = 0;             // VAT of the line (rate / 100 × the amount), 0 without a rate
    para::Para kdv = 0;                // the same to four decimals, as the VAT total counts it
    int ürünNo = 0;                    // UrunNo of the exit row (set by satırlarıOku)
};

// Computes a line's amount and VAT from its stored values.
FaturaKalemi satırıHesapla(qint64 hareketNo, const QString& kodu, const QString& adı, const QString& birimi,
                           double miktar, double fiyat, std::optional<double> kdvOranı);

// The invoiced-sale exits of the firm on the day, of the given invoiced state, by movement number.
// Throws platform::DbError.
QList<FaturaKalemi> satırlarıOku(platform::Database& db, int firmaNo, const QDate& gün, bool yazdırılanlar);

struct Toplamlar {
    para::Para toplam = 0;  // sum of the amounts as shown (whole kuruş)
    para::Para kdv = 0;     // sum of the line VATs to four decimals
    para::Para genel = 0;   // toplam + kdv
};
Toplamlar toplamlarıHesapla(const QList<FaturaKalemi>& satırlar);

// The texts of a line's cells.
// A quantity as plain number text, no grouping and only the decimals it has: 2.5 -> "2,5", 12 -> "12".
QString sayıMetni(double değer);
QString kdvOranıMetni(const FaturaKalemi& s);    // "18,00"; "0" without a rate
QString kdvMiktarıMetni(const FaturaKalemi& s);  // "6,75", "0,0792"; "0" without a rate

}  // namespace fatura
