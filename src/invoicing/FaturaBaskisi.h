#pragma once
// The invoice and the delivery note laid out on a printing surface, and the marking of printed exits.
// The print buttons (FaturaVerisi.h) wrap these in the extra details, the printer choice, the document
// and the messages; here is only what goes where on the page.
#include "invoicing/EkFaturaBilgileriFormu.h"
#include "invoicing/EkIrsaliyeBilgileriFormu.h"
#include "invoicing/FaturaDuzeni.h"
#include "invoicing/FaturaVerisi.h"
#include "platform/YaziciYuzeyi.h"

namespace platform {
class Database;
}

namespace fatura {

inline const QString YazıcıYokMetni =
    QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
inline const QString SığmıyorMetni =
    QStringLiteral("Ürün listeniz faturaya sığmayacak kadar uzun!\n\nBu nedenle fatura yazdırılamıyor!");
inline const QString İşaretlenemediMetni =
    QStringLiteral("Fatura yazdırıldı, ancak faturadaki satırlar faturalandı olarak işaretlenemedi!");

// The blank kept below the last item line: a list that ends this close to the bottom or closer does
// not fit.
inline constexpr double AltPay = 5;

struct FaturaBaskıAyarları {
    FaturaDüzeni düzen = FaturaDüzeni::fabrika();
    yazdırma::YazıTipi yazıTipi;  // the invoice font
    bool boşKağıt = false;        // captions and a header row for blank paper
    bool ondalıklıMiktar = true;  // quantities with two decimals
};

// The customer's address from the current position down, wrapped at blanks against `genişlik`: a line
// is printed once it has grown wider than that, so a line may run past it by one word.
void adresiYaz(yazdırma::YazıcıYüzeyi& s, const QString& adres, double sol, double genişlik);

// Lays out the invoice; false when the item lines do not fit: they reach the bottom reserve of the page,
// or run past the top of the totals in figures or in words where these stand below the first item line
// (nothing after them is laid out, and the caller drops the document). `yazıyla` is the grand total in
// words.
bool faturayıDiz(yazdırma::YazıcıYüzeyi& s, const FaturaVerisi& veri, const EkFaturaBilgileri& ek,
                 const QString& yazıyla, const FaturaBaskıAyarları& ayarlar);

// Lays out the delivery note in the surface's current font; false when the lines reach the bottom
// reserve of the page (it has no totals).
bool irsaliyeyiDiz(yazdırma::YazıcıYüzeyi& s, const FaturaVerisi& veri, const EkİrsaliyeBilgileri& ek,
                   const FaturaDüzeni& düzen, bool ondalıklıMiktar);

// Marks the exits as invoiced, all or none (one transaction). Throws platform::DbError.
void çıkışlarıFaturalandır(platform::Database& db, const QList<qint64>& hareketNolar);

}  // namespace fatura
