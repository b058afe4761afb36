// The movements of one firm and the profit list of one year on a large shared database: 10,000 products,
// 1,000 seller and 1,000 buyer firms, 1,000,000 movements (half entries, half exits, recorded day by day
// over four years, so that the rows of a year lie together as they do in a real file); one seller firm has
// every fifth entry, 100,000 of them, spread over the whole file.
#include "BenchOrtami.h"
#include "core/SiraliListe.h"
#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"
#include "stock_lists/KarListesiFormu.h"

#include <QProgressBar>

namespace {

constexpr int ÜrünSayısı = 10000;
constexpr int FirmaSayısı = 1000;
constexpr int HareketSayısı = 1000000;
constexpr int BüyükFirmanınHareketleri = 100000;

void veritabanınıHazırla()
{
    AçıkVeritabanı = bench::yeniVeritabanı();
    auto& d = *AçıkVeritabanı;
    platform::Transaction işlem(d);
    bench::ürünleriEkle(d, ÜrünSayısı);
    for (const char* tablo : {"SaticiFirmalarTablosu", "AliciFirmalarTablosu"}) bench::firmalarıEkle(d, tablo, FirmaSayısı);
    // Seller 1 gets every fifth entry (100,000); the rest go to the other sellers, the exits to the buyers.
    d.execScript(bench::sayılar(HareketSayısı / 2)
                 + QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                                  "SELECT abs(random()) % %1 + 1, CASE WHEN i % 5 = 0 THEN 1 ELSE abs(random()) % %2 + 2 END, "
                                  "date('2021-01-01', '+' || (i * 1460 / %3) || ' days'), abs(random()) % 20 + 1, "
                                  "7.5 + abs(random()) % 5, 0 FROM n;")
                       .arg(ÜrünSayısı)
                       .arg(FirmaSayısı - 1)
                       .arg(HareketSayısı / 2));
    d.execScript(bench::sayılar(HareketSayısı / 2)
                 + QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
                                  "SELECT abs(random()) % %1 + 1, abs(random()) % %2 + 1, "
                                  "date('2021-01-01', '+' || (i * 1460 / %3) || ' days'), abs(random()) % 20 + 1, "
                                  "12.5, abs(random()) % 6, 0 FROM n;")
                       .arg(ÜrünSayısı)
                       .arg(FirmaSayısı)
                       .arg(HareketSayısı / 2));
    işlem.commit();
}

// The movements of the seller firm with 100,000 entries: read, formatted and in the window's list, sorted
// by code as the window keeps it.
void BirFirmanınHareketleri(benchmark::State& durum)
{
    SeçiliFirmaTablosu = SatıcıFirmaTablosuAdı;
    AlıcıSatıcıFirmayaGöreStokListesiFormu pencere;
    pencere.Tag = QStringLiteral("0");
    pencere.show();
    pencere.FirmaListesi->blockSignals(true);
    pencere.FirmaListesi->setCurrentRow(pencere.FirmaListesi->numarayıBul(1));
    QProgressBar çubuk;
    for (auto _ : durum) {
        durum.PauseTiming();
        pencere.HareketListesi->temizle();
        durum.ResumeTiming();
        pencere.HareketleriGöster(çubuk);
        QCoreApplication::processEvents();  // the view's first paint
        benchmark::DoNotOptimize(pencere.HareketListesi->satırSayısı());
    }
    if (pencere.HareketListesi->satırSayısı() != BüyükFirmanınHareketleri) durum.SkipWithError("wrong row count");
}
BENCHMARK(BirFirmanınHareketleri)->Unit(benchmark::kMillisecond)->UseRealTime();

// The profit list of one year (about 125,000 exits): the saved query, the rows in the window's list, the
// total and the count.
void BirYılınKârListesi(benchmark::State& durum)
{
    KarListesiFormu pencere;
    pencere.show();
    pencere.BaşlangıçTarihi = QDate(2023, 1, 1);
    pencere.BitişTarihi = QDate(2023, 12, 31);
    QProgressBar çubuk;
    for (auto _ : durum) {
        pencere.ListeyiYükle(çubuk);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(pencere.KarListesi->satırSayısı());
    }
}
BENCHMARK(BirYılınKârListesi)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv, veritabanınıHazırla); }
