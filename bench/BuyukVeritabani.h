#pragma once
// A large shared database for the benchmarks: 10,000 products and 1,000,000 movements (half entries,
// half exits, spread over four years), made once per program in a temporary folder.
#include "BenchOrtami.h"

namespace bench {

inline constexpr int ÜrünSayısı = 10000;
inline constexpr int HareketSayısı = 1000000;

inline std::shared_ptr<platform::Database> büyükVeritabanı()
{
    static std::shared_ptr<platform::Database> db = [] {
        auto d = yeniVeritabanı(QStringLiteral("Buyuk.vtb"));
        platform::Transaction işlem(*d);
        ürünleriEkle(*d, ÜrünSayısı);
        for (const char* tablo : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"}) {
            const bool giriş = QByteArray(tablo).startsWith("Giris");
            d->execScript(sayılar(HareketSayısı / 2)
                          + QStringLiteral(
                              "INSERT INTO %1 (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati%2) "
                              "SELECT abs(random()) % %3 + 1, 2, date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                              "abs(random()) % 20 + 1, %4%5 FROM n;")
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
