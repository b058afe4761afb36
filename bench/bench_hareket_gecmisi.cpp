// The movement history of one product with 100,000 entries: choosing the product reads its movements
// and totals and fills the list behind the progress window.
#include "BenchOrtami.h"
#include "core/SiraliListe.h"
#include "movement_history/StokHareketleriFormu.h"

namespace {

constexpr int HareketSayısı = 100000;

// Two products, 500 sellers; every entry is the first product's.
void veritabanınıKur()
{
    auto d = bench::yeniVeritabanı();
    {
        platform::Transaction işlem(*d);
        d->execScript(QStringLiteral(
            "INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani) VALUES ('K1', 'KALEM', 'Adet', 2, 18);"
            "INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, Fiyati, KDVOrani) VALUES ('K2', 'SİLGİ', 'Adet', 2, 18);"));
        bench::firmalarıEkle(*d, "SaticiFirmalarTablosu", 500);
        d->execScript(bench::sayılar(HareketSayısı)
                      + QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                                       "SELECT 1, abs(random()) % 500 + 1, "
                                       "date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                                       "(abs(random()) % 10000) / 100.0, (abs(random()) % 100000) / 100.0, 0 FROM n;"));
        işlem.commit();
    }
    AçıkVeritabanı = d;
}

// The data is made once, before any benchmark runs, so that repetitions measure the same file.
void BM_ÜrününHareketleri(benchmark::State& durum)
{
    StokHareketleriFormu p;
    p.show();
    auto* ürünler = p.findChild<QListWidget*>(QStringLiteral("ÜrünListesi"));
    for (auto _ : durum) {
        durum.PauseTiming();
        ürünler->setCurrentRow(1);  // SİLGİ: no movements; the list is emptied
        durum.ResumeTiming();
        ürünler->setCurrentRow(0);  // KALEM: all of them
        p.liste()->repaint();
        benchmark::DoNotOptimize(p.liste()->satırSayısı());
    }
    if (p.liste()->satırSayısı() != HareketSayısı) durum.SkipWithError("not every movement is shown");
}
BENCHMARK(BM_ÜrününHareketleri)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv, veritabanınıKur); }
