#pragma once
// Seeds products, buyer firms and exits for the invoicing tests, straight in SQL.
#include "platform/Database.h"

#include <QString>
#include <QVariant>

namespace faturaTohumu {

inline int ürün(platform::Database& db, const QString& kodu, const QString& adı, const QVariant& birimi = "Adet",
                const QVariant& kdv = 18.0)
{
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani) VALUES (?, ?, ?, ?)",
            {kodu, adı, birimi, kdv});
    return int(db.lastInsertId());
}

inline int alıcı(platform::Database& db, const QVariant& adı, const QString& adresi = "Adres")
{
    db.exec("INSERT INTO AliciFirmalarTablosu (Adi, Adresi, VergiDairesi, VergiNumarasi) VALUES (?, ?, 'Merkez', '123')",
            {adı, adresi});
    return int(db.lastInsertId());
}

// An exit; reason 0 (invoiced sale) and not invoiced unless told otherwise. Returns its movement number.
inline qint64 çıkış(platform::Database& db, int firmaNo, int ürünNo, const QString& tarih, double miktar = 1,
                    double fiyat = 10, int nedeni = 0, bool fatura = false)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, Fatura, CikisiYapan) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, 0)",
            {ürünNo, firmaNo, tarih, miktar, fiyat, nedeni, fatura ? 1 : 0});
    return db.lastInsertId();
}

}  // namespace faturaTohumu
