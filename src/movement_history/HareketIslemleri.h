#pragma once
// The corrections of a recorded movement, as plain functions over the database: the delete of an entry or
// an exit, the change of an entry or an exit, and the return of an exit's goods to stock.
//
// Each one runs in one BEGIN IMMEDIATE transaction: the movement and the product's totals are read again
// inside it, so that what other workstations wrote since the history was loaded is counted, and the check
// and the write cannot be parted. Stock figures are compared in whole hundredths (every operand rounded to
// 0,01 first, platform/Yuzdelik.h), so a result of exactly 0 is never refused through floating-point error. On a refusal
// nothing is written. Database errors are raised as platform::DbError after the rollback.
#include "platform/Database.h"
#include "platform/Yuzdelik.h"

#include <QDate>
#include <QString>
#include <optional>

namespace hareket {

// True when the text of a quantity or price box reads as a value that a write takes and that is at least
// 0,01 (platform/Yuzdelik.h).
bool sıfırdanBüyükMü(const QString& metin);

enum class Sonuç {
    Tamam,
    StokEksiyeDüşer,  // the product's stock on hand would go below zero
    İadeVar,          // an exit with a return cannot be deleted
    Silinmiş,         // the movement is no longer there (deleted on another workstation)
    Değişmiş,         // the stored movement is no longer the one the window was opened on
    ÜrünYok,          // the chosen product is no longer there
    FirmaYok,         // the chosen firm is no longer there
    TarihGeçersiz,    // no date, or one that cannot be stored (a year beyond 9999)
    MiktarGeçersiz,   // a quantity not above 0, or one that cannot be written
    FiyatGeçersiz,    // a price below what the movement needs (above 0 for an entry or a sale), or unwritable
    NedenGeçersiz,    // an exit reason outside 0 to 5
};

// A movement as the window that acts on it showed it when it opened: the history's row, with the product
// chosen in the history. A change or a return is carried out only while the stored row still has these
// values (the quantity compared in hundredths, the price in ten-thousandths); `nedeni` is -1 for an entry
// or an exit without a reason.
struct GörülenHareket {
    int ürünNo = 0;
    int firmaNo = 0;
    QDate tarih;
    double miktar = 0;
    double fiyat = 0;
    int nedeni = -1;
};

struct GirişDeğişikliği {
    int ürünNo = 0;
    int firmaNo = 0;
    QDate tarih;
    double miktar = 0;
    double fiyat = 0;
};

struct ÇıkışDeğişikliği {
    int ürünNo = 0;
    int firmaNo = 0;
    QDate tarih;
    double miktar = 0;
    double fiyat = 0;
    int nedeni = 0;
};

// Whether the exit has at least one return row (false while there is no returns table).
bool iadeVarMı(platform::Database& db, int hareketNo);

// Deletes an entry unless the product's stock would go below zero without it. With `görülen`, the stored
// entry must still be as the history showed it (else Değişmiş, nothing deleted).
Sonuç girişiSil(platform::Database& db, int hareketNo, const std::optional<GörülenHareket>& görülen = std::nullopt);
// Deletes an exit unless goods of it were returned to stock; with `görülen`, as for an entry.
Sonuç çıkışıSil(platform::Database& db, int hareketNo, const std::optional<GörülenHareket>& görülen = std::nullopt);

// Writes the entry's product, firm, date, quantity and price (never the person). The values are checked
// first, as the window checks them: a date that can be stored, a quantity and a price above 0. Then,
// inside the transaction, the stored entry must still be `görülen` (else Değişmiş, or Silinmiş when it is
// gone), and the stock of the entry's present product must not go below zero; the product that gains the
// entry is not limited.
Sonuç girişiDeğiştir(platform::Database& db, int hareketNo, const GörülenHareket& görülen, GirişDeğişikliği d);
// Writes the exit's product, firm, date, quantity, price and reason (never the person nor the invoice
// mark). The values are checked first: a reason 0 to 5, a date that can be stored, a quantity above 0, a
// price above 0 for a sale and not below 0 otherwise. Then the stored exit must still be `görülen`, and
// the stock of the product that has the exit afterwards must not go below zero.
Sonuç çıkışıDeğiştir(platform::Database& db, int hareketNo, const GörülenHareket& görülen, ÇıkışDeğişikliği d);

// Returns goods of an exit to stock, on a date that can be stored. The stored exit must still be
// `görülen` (else Değişmiş, or Silinmiş when it is gone). A whole return (`tümü`) deletes the exit and
// writes no return row; it is carried out only while `miktar` equals the exit's quantity. A partial
// return lowers the exit's quantity by `miktar` and writes one return row; it is carried out only while
// `miktar` is below the quantity. Otherwise the result is Değişmiş and nothing is written. The returns
// table must exist (İadeTablosunuOluştur).
Sonuç stoğaİadeEt(platform::Database& db, int hareketNo, const GörülenHareket& görülen, const QDate& tarih,
                  double miktar, bool tümü);

// The texts the windows show.
namespace metin {
inline const QString İadeVarDeğiştirilsinMi =
    QStringLiteral("Bu hareket için İADE işlemi yapılmış, yine de değişiklik yapmak ister misiniz?");
inline const QString İadeVarSilinemez = QStringLiteral("İADE işlemi yapıldığı için bu hareketi silemezsiniz!");
inline const QString SilinsinMi = QStringLiteral("Bu hareketi SİLMEK istediğinizden emin misiniz?");
inline const QString SilmeStokEksi =
    QStringLiteral("Bu hareket silinirse stok mevcudunuz NEGATİF olacağı için işlem yapılamıyor!");
inline const QString DeğişiklikStokEksi =
    QStringLiteral("Bu değişiklik sonucunda stok mevcudunuz NEGATİF olacağı için değişiklik yapılamıyor!");
inline const QString HareketSilinmiş = QStringLiteral("Bu hareket başka bir bilgisayarda silinmiş!");
inline const QString HareketDeğişmiş =
    QStringLiteral("Bu hareket başka bir bilgisayarda değiştirilmiş!\n\nLütfen, hareketi yeniden seçiniz.");
inline const QString ÜrünSilinmiş = QStringLiteral("Seçtiğiniz ÜRÜN başka bir bilgisayarda silinmiş!");
inline const QString FirmaSilinmiş = QStringLiteral("Seçtiğiniz FİRMA başka bir bilgisayarda silinmiş!");
inline const QString İadeTarihiGiriniz = QStringLiteral("Lütfen, iade TARİHİ giriniz!");
inline const QString İadeMiktarıGiriniz = QStringLiteral("Stoğa iade edilecek MİKTARI giriniz!");
inline const QString İadeÇıkıştanFazla = QStringLiteral("Stoğa iade edilecek miktar, ÇIKIŞ miktarını geçemez!");
inline const QString TümüİadeEdilsinMi =
    QStringLiteral("Çıkış miktarının TÜMÜNÜ stoğa iade etmek istediğinizden emin misiniz?");
}  // namespace metin

}  // namespace hareket
