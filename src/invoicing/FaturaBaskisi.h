#pragma once
// The invoice and the delivery note laid out on a printing surface, and the reading again and marking of
// the exits an invoice prints. The print buttons (FaturaVerisi.h) wrap these in the extra details, the
// printer choice, the document and the messages; here is what goes where on the page, and what the
// invoice's transaction does with the database.
#include "invoicing/EkFaturaBilgileriFormu.h"
#include "invoicing/EkIrsaliyeBilgileriFormu.h"
#include "invoicing/FaturaDuzeni.h"
#include "invoicing/FaturaVerisi.h"
#include "platform/Database.h"
#include "platform/YaziciYuzeyi.h"

#include <functional>
#include <optional>

namespace fatura {

inline const QString YazıcıYokMetni =
    QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
inline const QString SığmıyorMetni =
    QStringLiteral("Ürün listeniz faturaya sığmayacak kadar uzun!\n\nBu nedenle fatura yazdırılamıyor!");
// The exits are marked, but the print server did not release the invoice's job to the printer: %1 the
// printer, %2 the cause.
inline const QString GönderilemediMetni =
    QStringLiteral("Faturadaki satırlar faturalandı olarak işaretlendi, ancak fatura yazıcıya gönderilemedi: %1\n\n%2\n\n"
                   "Faturayı, \"Sadece yazdırılan faturaları göster\" seçeneğiyle bulup yeniden yazdırabilirsiniz.");
// The exits are marked, but nothing tells whether the invoice went to the printer (the print server did not
// answer the release and then answered nothing more, or no longer knows the job), so that it may still
// print: %1 the printer, %2 the cause.
inline const QString DoğrulanamadıMetni = QStringLiteral(
    "Faturadaki satırlar faturalandı olarak işaretlendi, ancak yazdırma sunucusu faturanın yazıcıya "
    "gönderildiğini doğrulamadı: %1\n\n%2\n\nFatura, yazdırma sunucusu yeniden yanıt verdiğinde yine de "
    "yazdırılabilir. Faturayı, \"Sadece yazdırılan faturaları göster\" seçeneğiyle bulup yeniden yazdırmadan "
    "önce yazıcıyı kontrol ediniz.");
inline const QString SatırlarDeğişmişMetni = QStringLiteral(
    "Faturadaki satırlar başka bir bilgisayarda değiştirilmiş, silinmiş veya faturalandırılmış!\n\n"
    "Bu nedenle fatura yazdırılmadı. Lütfen, yenilenen listeyi kontrol edip tekrar deneyiniz.");

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

// Reads the invoice's lines again: true while each is still an invoiced-sale exit of the invoice's firm
// and day, with the product (number, code, name and VAT rate), quantity and price it was shown with, and,
// unless the lines come from the view of invoiced exits, not yet invoiced. Run it in the transaction that
// prints and marks them. Throws platform::DbError.
bool satırlarGösterildiğiGibi(platform::Database& db, const FaturaVerisi& veri);

// The invoice's one transaction, once its document is laid out, written whole and, for a paper printer,
// held by the print server with the whole document in its job: reads the lines again
// (satırlarGösterildiğiGibi) and, when they are still as shown, marks them and commits. Nothing in it
// waits on the network, the user or a file other than the database: the document goes out only after the
// commit. The transaction is exclusive, so that its commit waits on no other workstation's read. A
// reprint from the view of invoiced exits marks nothing: its lines are compared in a read transaction
// that ends before the document goes out. False, with nothing marked, when the lines are no longer as
// shown. Throws platform::DbError, with nothing marked, when the database refuses the marks or the commit.
bool faturalandır(platform::Database& db, const FaturaVerisi& veri);

// Marks the exits as invoiced, all or none: in the caller's transaction when one is open, else in one of
// its own. Throws platform::DbError, also when an exit is no longer there to be marked.
void çıkışlarıFaturalandır(platform::Database& db, const QList<qint64>& hareketNolar);

}  // namespace fatura
