#pragma once
// What the benchmarks share: the peak memory of the process, a fresh database file, the numbers table
// and the products and firms their generated data starts from, and the main() of a benchmark program
// that shows windows.
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Database.h"
#include "platform/Kabuk.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <functional>
#include <memory>
#include <vector>

namespace bench {

// The peak resident memory of the process so far, in MB.
inline double tepeRssMB()
{
    rusage k{};
    getrusage(RUSAGE_SELF, &k);
    return double(k.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

// A fresh database file of the current layout, named `ad`, in a temporary folder of its own that lives as
// long as the program; opened. A second call never meets the file of the first.
inline std::shared_ptr<platform::Database> yeniVeritabanı(const QString& ad = QStringLiteral("Stok.vtb"))
{
    static std::vector<std::unique_ptr<QTemporaryDir>> dizinler;
    dizinler.push_back(std::make_unique<QTemporaryDir>());
    const QString dosya = dizinler.back()->path() + QLatin1Char('/') + ad;
    test::yeniVeritabanı(dosya);
    return platform::Database::open(dosya);
}

// The start of an INSERT ... SELECT over the numbers 1 to `n` (the table n, its column i).
inline QString sayılar(int n)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ").arg(n);
}

// Products 1 to `n`: code "K<i>", name "Ürün <i>", unit "Adet", price 10, VAT 18.
inline void ürünleriEkle(platform::Database& d, int n)
{
    d.execScript(sayılar(n)
                 + QStringLiteral("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani, Aciklama) "
                                  "SELECT 'K' || i, 'Ürün ' || i, 'Adet', 10, 18, '' FROM n;"));
}

// Firms 1 to `n` ("FİRMA <i>") in the seller or buyer table (a fixed table name, never user text).
inline void firmalarıEkle(platform::Database& d, const char* tablo, int n)
{
    d.execScript(sayılar(n)
                 + QStringLiteral("INSERT INTO %1 (Adi, Adresi) SELECT 'FİRMA ' || i, '' FROM n;").arg(QLatin1String(tablo)));
}

// The main() of a benchmark program with windows: offscreen, settings in a temporary folder, `hazırla` run
// before the benchmarks, the program's database closed after them.
inline int çalıştır(int argc, char** argv, const std::function<void()>& hazırla = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ayarlar;
    qputenv("XDG_CONFIG_HOME", ayarlar.path().toUtf8());
    QApplication uygulama(argc, argv);
    // Written files are taken as opened by a viewer: no benchmark waits on a message about them.
    kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
    kabuk::işleyiciDenetiminiDeğiştir([](const QString&) { return true; });
    platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
    benchmark::Initialize(&argc, argv);
    if (hazırla) hazırla();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AçıkVeritabanı.reset();
    return 0;
}

}  // namespace bench
