#pragma once
// The saved queries of the shared database. The two totals are views in the file (the upgrade writes
// their texts into an older file); the period query of exits takes two dates, which a view cannot, so it
// is held here by name and run through prepare() with the dates bound.
#include "platform/Database.h"

#include <QDate>
#include <QString>

namespace sorgular {

// Entry totals per product that has entries: UrunNo, Kodu, Adi, GirisToplami (sum of quantities),
// GirisTutari (sum of quantity times price). The totals are taken per product first and then given the
// product's code and name, so that the sum needs no sort of the entry rows.
inline const QString GirisToplamiSorgusu = QStringLiteral(
    "CREATE VIEW GirisToplamiSorgusu AS\n"
    "SELECT Girisler.UrunNo AS UrunNo, UrunBilgileriTablosu.Kodu AS Kodu, UrunBilgileriTablosu.Adi AS Adi,\n"
    "       Girisler.GirisToplami AS GirisToplami, Girisler.GirisTutari AS GirisTutari\n"
    "FROM (SELECT UrunNo, Sum(Miktari) AS GirisToplami, Sum(Miktari*Fiyati) AS GirisTutari\n"
    "      FROM GirisIslemleriTablosu GROUP BY UrunNo) AS Girisler\n"
    "LEFT JOIN UrunBilgileriTablosu ON Girisler.UrunNo = UrunBilgileriTablosu.UrunNo");

// Exit totals per product that has exits: UrunNo, CikisToplami (sum of quantities), CikisTutari (sum of
// quantity times price).
inline const QString CikisToplamiSorgusu = QStringLiteral(
    "CREATE VIEW CikisToplamiSorgusu AS\n"
    "SELECT CikisIslemleriTablosu.UrunNo AS UrunNo, Sum(CikisIslemleriTablosu.Miktari) AS CikisToplami,\n"
    "       Sum(CikisIslemleriTablosu.Miktari*CikisIslemleriTablosu.Fiyati) AS CikisTutari\n"
    "FROM CikisIslemleriTablosu\n"
    "GROUP BY CikisIslemleriTablosu.UrunNo");

// Exits of a period, both days included, one row per product: UrunNo, Adi, CikisToplami (sum of the
// quantities), CikisTutari (sum of quantity times price), OrtalamaFiyat (the product's purchase price
// averaged over all its entries, weighted by quantity; 0 when it has none). Parameters by position:
// first the start, then the end of the period.
inline const QString CikisIslemleriSorgusu = QStringLiteral(
    "SELECT CikisIslemleriTablosu.UrunNo AS UrunNo, UrunBilgileriTablosu.Adi AS Adi,\n"
    "       Sum(CikisIslemleriTablosu.Miktari) AS CikisToplami,\n"
    "       Sum(CikisIslemleriTablosu.Miktari*CikisIslemleriTablosu.Fiyati) AS CikisTutari,\n"
    "       IFNULL((SELECT Sum(G.Miktari*G.Fiyati)/NULLIF(Sum(G.Miktari), 0) FROM GirisIslemleriTablosu AS G\n"
    "               WHERE G.UrunNo = CikisIslemleriTablosu.UrunNo), 0) AS OrtalamaFiyat\n"
    "FROM CikisIslemleriTablosu LEFT JOIN UrunBilgileriTablosu\n"
    "     ON CikisIslemleriTablosu.UrunNo = UrunBilgileriTablosu.UrunNo\n"
    "WHERE CikisIslemleriTablosu.Tarihi >= date(?1) AND CikisIslemleriTablosu.Tarihi < date(?2, '+1 day')\n"
    "GROUP BY CikisIslemleriTablosu.UrunNo, UrunBilgileriTablosu.Adi");

// The period query, prepared with its two dates bound; step it with next().
platform::Statement çıkışİşlemleri(platform::Database& db, const QDate& başlangıç, const QDate& bitiş);

}  // namespace sorgular
