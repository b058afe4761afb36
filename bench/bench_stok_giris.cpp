// Committing a stock-entry working list of 1,000 lines in one transaction. Target: under 200 ms.
#include "core/OrtakDegiskenler.h"
#include "stock_movements/StokVeritabani.h"
#include "support/Ortam.h"

#include <benchmark/benchmark.h>

namespace {

void StokGirişListesiKaydı(benchmark::State& durum)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const int satırSayısı = int(durum.range(0));
    db.exec("INSERT INTO SaticiFirmalarTablosu (Adi) VALUES ('SATICI')");
    {
        platform::Transaction t(db);
        for (int i = 1; i <= satırSayısı; ++i)
            db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi) VALUES (?, ?)",
                    {QStringLiteral("K%1").arg(i), QStringLiteral("ÜRÜN %1").arg(i)});
        t.commit();
    }
    QList<stok::GirişSatırı> liste;
    for (int i = 1; i <= satırSayısı; ++i) {
        stok::GirişSatırı s;
        s.ürünNo = i;
        s.firmaNo = 1;
        s.firmaAdı = QStringLiteral("SATICI");
        s.adı = QStringLiteral("ÜRÜN %1").arg(i);
        s.tarih = QDate(2026, 5, 1);
        s.miktar = 1 + i % 17;
        s.fiyat = 2.5 + i % 11;
        s.girişiYapan = 1;
        liste.append(s);
    }
    for (auto _ : durum) {
        if (stok::girişleriKaydet(db, liste)) durum.SkipWithError("commit refused");
    }
    durum.SetItemsProcessed(durum.iterations() * satırSayısı);
}
BENCHMARK(StokGirişListesiKaydı)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
