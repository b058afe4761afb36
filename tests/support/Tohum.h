#pragma once
// Seeds the tables that the stock windows read: products, firms, entries and exits, straight in SQL.
#include "platform/Database.h"

#include <QString>
#include <QVariant>

namespace tohum {

// A name may be null (a QVariant()), as an old file can have it.
inline int ürün(platform::Database& db, const QString& kodu, const QVariant& adı, const QVariant& birimi = "Adet",
                const QVariant& kdv = 18.0, const QVariant& fiyat = 10.0)
{
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani, Fiyati) VALUES (?, ?, ?, ?, ?)",
            {kodu, adı, birimi, kdv, fiyat});
    return int(db.lastInsertId());
}

inline int satıcı(platform::Database& db, const QVariant& adı)
{
    db.exec("INSERT INTO SaticiFirmalarTablosu (Adi, Adresi) VALUES (?, 'Adres')", {adı});
    return int(db.lastInsertId());
}

inline int alıcı(platform::Database& db, const QVariant& adı)
{
    db.exec("INSERT INTO AliciFirmalarTablosu (Adi, Adresi) VALUES (?, 'Adres')", {adı});
    return int(db.lastInsertId());
}

// An entry or an exit (by default a sale with receipt) straight into the file, by the person `kişiNo`;
// returns its number.
inline int giriş(platform::Database& db, int ürünNo, double miktar, double fiyat, int firmaNo = 1,
                 const QString& tarih = "2026-01-05", int kişiNo = 0)
{
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
            "VALUES (?, ?, ?, ?, ?, ?)",
            {ürünNo, firmaNo, tarih, miktar, fiyat, kişiNo});
    return int(db.lastInsertId());
}

inline int çıkış(platform::Database& db, int ürünNo, double miktar, double fiyat = 1, int firmaNo = 1, int neden = 1,
                 const QString& tarih = "2026-01-06", int kişiNo = 0)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)",
            {ürünNo, firmaNo, tarih, miktar, fiyat, neden, kişiNo});
    return int(db.lastInsertId());
}

inline double stok(platform::Database& db, int ürünNo)
{
    return db.scalar("SELECT IFNULL((SELECT Sum(Miktari) FROM GirisIslemleriTablosu WHERE UrunNo = ?1), 0) - "
                     "IFNULL((SELECT Sum(Miktari) FROM CikisIslemleriTablosu WHERE UrunNo = ?1), 0)",
                     {ürünNo})
        .toDouble();
}

inline int sayı(platform::Database& db, const QString& tablo)
{
    // Only the fixed table names of the tests reach here.
    return db.scalar("SELECT count(*) FROM " + tablo).toInt();
}

}  // namespace tohum
