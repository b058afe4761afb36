#pragma once
// Reading and writing the seller and buyer firm tables. The table is one of a fixed pair, chosen by
// FirmaTürü; no statement is ever built from a table name that came from elsewhere. Every check and
// the write it guards run in one transaction.
#include "platform/Database.h"

#include <QList>
#include <QString>
#include <optional>

namespace firma {

enum class FirmaTürü { Satıcı, Alıcı };

// The kind named by the table name the windows hand each other (with or without its trailing
// blank); nothing for any other text.
std::optional<FirmaTürü> türüBul(const QString& tabloAdı);
// The window's Tag for the kind: "0" seller firms, "1" buyer firms.
QString etiketi(FirmaTürü tür);

// One row of either firm table. Empty optional columns are empty texts.
struct FirmaBilgisi {
    qint64 nosu = 0;
    QString adı;
    QString telefonu;
    QString faksı;
    QString vergiDairesi;
    QString vergiNumarası;
    QString adresi;
};

struct FirmaListeÖğesi {
    qint64 nosu = 0;
    QString adı;
};

// The firms of the table in the order the database returns them (the list box sorts); the reserved
// buyer of receipt sales is never among them.
QList<FirmaListeÖğesi> firmalar(platform::Database& db, FirmaTürü tür);

// The firm with the number, or nothing when it is not there (removed meanwhile, or the reserved buyer).
std::optional<FirmaBilgisi> firmaOku(platform::Database& db, FirmaTürü tür, qint64 nosu);

// The stored form of what the boxes hold: free texts with apostrophes replaced by ’ and trimmed,
// telephone, fax and tax number formatted. Applied by the save whatever the boxes did.
FirmaBilgisi saklanacakBiçim(const FirmaBilgisi& bilgi);

struct KayıtSonucu {
    enum class Durum {
        Kaydedildi,
        AdTekrarı,   // another firm of the table bears the name, in any letter case
        AdBoş,
        AdresBoş,
        FirmaYok,    // the changed firm is no longer in the table
    };
    Durum durum = Durum::Kaydedildi;
    qint64 nosu = 0;             // the saved firm's number (the new one after an add)
    bool çıkışVar = false;       // a changed buyer firm has exits, so printed invoices may need checking
    FirmaBilgisi kaydedilen;     // what was written, in its stored form
};

// Adds the firm (değiştirilenNo empty) or changes the firm with that number. The checks, in this
// order: the name is not another firm's, the name is not empty, the address is not empty. Throws
// DbError when the database fails; then nothing is written.
KayıtSonucu firmaKaydet(platform::Database& db, FirmaTürü tür, const FirmaBilgisi& bilgi,
                        std::optional<qint64> değiştirilenNo);

enum class SilmeSonucu {
    Silindi,
    HareketVar,  // stock entries name the seller firm, or stock exits the buyer firm
    FirmaYok,    // no longer in the table, or the reserved buyer
};

// Whether movements name the firm: entries for a seller firm, exits for a buyer firm.
bool hareketiVar(platform::Database& db, FirmaTürü tür, qint64 nosu);
// Deletes the firm unless movements name it. Throws DbError when the database fails.
SilmeSonucu firmaSil(platform::Database& db, FirmaTürü tür, qint64 nosu);

}  // namespace firma
