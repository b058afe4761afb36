#pragma once
// Products of UrunBilgileriTablosu: the list, one product, and the save and delete with their checks, each
// checked and written in one transaction together with the product's photo file.
#include "platform/Database.h"

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

namespace ürün {

struct ListeSatırı {
    qint64 urunNo = 0;
    QString adı;
};
// Every product's number and name, in table order (the list box sorts).
QList<ListeSatırı> ürünListesi(platform::Database& db);

// One product as the window shows it: numbers already in the display format ("##,##0.00"), an empty text
// for a missing value.
struct ÜrünBilgileri {
    QString kodu;
    QString üreticiKodu;
    QString adı;
    QString markası;
    QString miktarBirimi;
    QString kdvOranı;
    QString fiyatı;
    QString açıklama;
    QString fotoğrafı;
};
std::optional<ÜrünBilgileri> ürünOku(platform::Database& db, qint64 urunNo);

// What happened to the photo during the edit.
enum class FotoğrafDeğişikliği {
    Yok,        // untouched: the stored photo stays as it is
    Yeni,       // a picture was picked: `resim` is stored under a free name derived from `fotoğrafı`
    Kaldırıldı  // the photo was removed: the product keeps none
};

struct Kayıtİsteği {
    std::optional<qint64> urunNo;  // the product changed; empty when one is added
    ÜrünBilgileri bilgiler;        // texts of the boxes; `fotoğrafı` is the picked name for a new photo
    FotoğrafDeğişikliği fotoğraf = FotoğrafDeğişikliği::Yok;
    QImage resim;  // the preview picture of a new photo
};

enum class KayıtDurumu {
    Kaydedildi,
    KodBoş,    // "Ürün KODU boş bırakılamaz!"
    KodVar,    // another product has the code (letter case ignored)
    AdBoş,     // "Ürün ADI boş bırakılamaz!"
    FiyatGeçersiz,     // the price is not empty and not a number of 0 to 10^12
    KDVOranıGeçersiz,  // the VAT rate is not empty and not a number of 0 to 10^12
    KayıtYok   // the changed product is gone (another workstation deleted it)
};

struct KayıtSonucu {
    KayıtDurumu durum = KayıtDurumu::Kaydedildi;
    qint64 urunNo = 0;   // the saved product's number (the database's own for a new one)
    QString fotoğrafı;   // the photo name the row now holds
    QString adı;         // the name as written
    // A file operation that failed after the row was written (the old photo could not be removed, say):
    // the save stands, but the user is told.
    QString sonrakiHata;
};

// Saves the product: the checks (code, its uniqueness without the changed row, name, price, VAT rate), the
// photo file and the row, in one transaction. The price (0 when empty) and the VAT rate (none when empty)
// are stored rounded to hundredths, as their boxes show them. A new photo's name must be a plain file name. A new photo file is written before the row and removed again when the row cannot be
// written; the photo file it replaces is removed after the row, and only when no other product names it.
// Throws platform::DbError or FotoğrafHatası; then nothing is written and no file is left behind.
KayıtSonucu ürünüKaydet(platform::Database& db, const QString& sunucuYolu, const Kayıtİsteği& istek);

// True when the product has stock entries or exits: such a product is not deleted.
bool hareketiVarMı(platform::Database& db, qint64 urunNo);

enum class SilmeDurumu { Silindi, HareketVar, KayıtYok };
struct SilmeSonucu {
    SilmeDurumu durum = SilmeDurumu::Silindi;
    QString sonrakiHata;  // the photo file could not be removed; the row is deleted all the same
};
// Deletes the product (checked again for movements inside the transaction) and then its photo file when no
// other product names that file.
SilmeSonucu ürünüSil(platform::Database& db, const QString& sunucuYolu, qint64 urunNo);

// The photo shown for a product.
enum class FotoğrafDurumu {
    Yok,                   // the product has no photo
    Gösterildi,            // `resim` holds it
    DosyaYok,              // the "Images" folder is there but the file is not
    KlasöreUlaşılamıyor,   // the server folder or its "Images" folder cannot be reached
    Okunamadı              // the file is there but holds no picture that can be read
};
struct GösterilenFotoğraf {
    FotoğrafDurumu durum = FotoğrafDurumu::Yok;
    QImage resim;
    QString yol;
};
GösterilenFotoğraf fotoğrafıOku(const QString& sunucuYolu, const QString& ad);

// Clears the photo reference of a product whose file is missing, as long as the row still names that file.
void fotoğrafReferansınıTemizle(platform::Database& db, qint64 urunNo, const QString& ad);

}  // namespace ürün
