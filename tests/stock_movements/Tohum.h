#pragma once
// Seeds the tables that the stock windows read: products, firms, entries and exits, straight in SQL.
#include "platform/Database.h"

#include <QString>
#include <QVariant>

namespace tohum {

inline int ürün(platform::Database& db, const QString& kodu, const QString& adı, const QVariant& birimi = "Adet",
                const QVariant& kdv = 18.0, const QVariant& fiyat = 10.0)
{
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani, Fiyati) VALUES (?, ?, ?, ?, ?)",
            {kodu, adı, birimi, kdv, fiyat});
    return int(db.lastInsertId());
}

inline int satıcı(platform::Database& db, const QString& adı)
{
    db.exec("INSERT INTO SaticiFirmalarTablosu (Adi, Adresi) VALUES (?, 'Adres')", {adı});
    return int(db.lastInsertId());
}

inline int alıcı(platform::Database& db, const QString& adı)
{
    db.exec("INSERT INTO AliciFirmalarTablosu (Adi, Adresi) VALUES (?, 'Adres')", {adı});
    return int(db.lastInsertId());
}

inline void giriş(platform::Database& db, int ürünNo, double miktar, double fiyat, int firmaNo = 1)
{
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
            "VALUES (?, ?, '2026-01-05', ?, ?, 0)",
            {ürünNo, firmaNo, miktar, fiyat});
}

inline void çıkış(platform::Database& db, int ürünNo, double miktar, double fiyat = 1, int firmaNo = 1)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
            "VALUES (?, ?, '2026-01-06', ?, ?, 1, 0)",
            {ürünNo, firmaNo, miktar, fiyat});
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
