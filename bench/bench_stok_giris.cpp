// Committing a stock working list of 1,000 lines in one transaction: entries into a new file, and exits
// into a file that already holds 200,000 exits of every reason, with and without the invoice index of the
// exits (what that index costs each committed exit line). Target: under 200 ms.
#include "BenchOrtami.h"
#include "stock_movements/StokVeritabani.h"

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

// A list of invoiced sales to one buyer on one day, one line per product; every product has ample stock.
// Argument 1 keeps the invoice index of the exits, 0 drops it.
void StokÇıkışListesiKaydı(benchmark::State& durum)
{
    constexpr int SatırSayısı = 1000;
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    {
        platform::Transaction t(db);
        bench::ürünleriEkle(db, SatırSayısı);
        bench::firmalarıEkle(db, "SaticiFirmalarTablosu", 1);
        bench::firmalarıEkle(db, "AliciFirmalarTablosu", 1000);
        db.execScript(bench::sayılar(SatırSayısı)
                      + QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                                       "SELECT i, 1, '2026-01-01', 10000000, 2, 0 FROM n;"));
        db.execScript(bench::sayılar(200000)
                      + QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, Fatura, CikisiYapan) "
                                       "SELECT abs(random()) % %1 + 1, abs(random()) % 1000 + 2, "
                                       "date('2026-01-01', '+' || (abs(random()) % 365) || ' days'), abs(random()) % 20 + 1, 12.5, "
                                       "abs(random()) % 6, abs(random()) % 2, 0 FROM n;")
                            .arg(SatırSayısı));
        if (durum.range(0) == 0) db.execScript(QStringLiteral("DROP INDEX CikisIslemleriFaturaDizini"));
        t.commit();
    }
    QList<stok::ÇıkışSatırı> liste;
    for (int i = 1; i <= SatırSayısı; ++i) {
        stok::ÇıkışSatırı s;
        s.ürünNo = i;
        s.firmaNo = 500;
        s.firmaAdı = QStringLiteral("FİRMA 499");
        s.adı = QStringLiteral("Ürün %1").arg(i);
        s.tarih = QDate(2026, 5, 1);
        s.miktar = 1 + i % 17;
        s.fiyat = 2.5 + i % 11;
        s.nedeni = 0;
        s.çıkışıYapan = 1;
        liste.append(s);
    }
    for (auto _ : durum) {
        if (stok::çıkışlarıKaydet(db, liste)) durum.SkipWithError("commit refused");
    }
    durum.SetItemsProcessed(durum.iterations() * SatırSayısı);
}
BENCHMARK(StokÇıkışListesiKaydı)->ArgName("faturaDizini")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
