#pragma once
// A large shared database for the benchmarks: 10,000 products and 1,000,000 movements (half entries,
// half exits, spread over four years), made once per program in a temporary folder.
#include "platform/Database.h"
#include "support/Ortam.h"

#include <QTemporaryDir>
#include <memory>

namespace bench {

inline constexpr int ÜrünSayısı = 10000;
inline constexpr int HareketSayısı = 1000000;

inline std::shared_ptr<platform::Database> büyükVeritabanı()
{
    static QTemporaryDir dizin;
    static std::shared_ptr<platform::Database> db = [] {
        const QString dosya = dizin.path() + QStringLiteral("/Stok.vtb");
        test::yeniVeritabanı(dosya);
        auto d = platform::Database::open(dosya);
        platform::Transaction işlem(*d);
        d->execScript(QStringLiteral(
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama) "
                          "SELECT 'K' || i, 'Ürün ' || i, 'Adet', 10, 18, '' FROM n;")
                          .arg(ÜrünSayısı));
        for (const char* tablo : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"}) {
            const bool giriş = QByteArray(tablo).startsWith("Giris");
            d->execScript(QStringLiteral(
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                              "INSERT INTO %2 (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati%3) "
                              "SELECT abs(random()) % %4 + 1, 2, date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                              "abs(random()) % 20 + 1, %5%6 FROM n;")
                              .arg(HareketSayısı / 2)
                              .arg(QString::fromLatin1(tablo))
                              .arg(giriş ? QStringLiteral(", GirisiYapan") : QStringLiteral(", Nedeni, CikisiYapan"))
                              .arg(ÜrünSayısı)
                              .arg(giriş ? QStringLiteral("7.5 + abs(random()) % 5") : QStringLiteral("12.5"))
                              .arg(giriş ? QStringLiteral(", 0") : QStringLiteral(", abs(random()) % 6, 0")));
        }
        işlem.commit();
        return d;
    }();
    return db;
}

}  // namespace bench
