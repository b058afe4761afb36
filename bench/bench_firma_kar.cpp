// The movements of one firm and the profit list of one year on a large shared database: 10,000 products,
// 1,000 seller and 1,000 buyer firms, 1,000,000 movements (half entries, half exits, recorded day by day
// over four years, so that the rows of a year lie together as they do in a real file); one seller firm has
// every fifth entry, 100,000 of them, spread over the whole file.
#include "BenchOrtami.h"
#include "HamListe.h"
#include "core/SiraliListe.h"
#include "platform/TurkceMetin.h"
#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"
#include "stock_lists/KarListesiFormu.h"

#include <QCollator>
#include <QHash>
#include <QProgressBar>

#include <cmath>
#include <numeric>

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

// The seller window shown, with the firm of 100,000 entries chosen but not yet listed.
void büyükFirmayıSeç(AlıcıSatıcıFirmayaGöreStokListesiFormu& pencere)
{
    pencere.Tag = QStringLiteral("0");
    pencere.show();
    pencere.FirmaListesi->blockSignals(true);
    pencere.FirmaListesi->setCurrentRow(pencere.FirmaListesi->numarayıBul(1));
}

// The movements of the seller firm with 100,000 entries: read, formatted and in the window's list, sorted
// by code as the window keeps it.
void BirFirmanınHareketleri(benchmark::State& durum)
{
    SeçiliFirmaTablosu = SatıcıFirmaTablosuAdı;
    AlıcıSatıcıFirmayaGöreStokListesiFormu pencere;
    büyükFirmayıSeç(pencere);
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

// The baseline's row, as the firm's SQL gives it.
struct HamSatır {
    qint64 no;
    QString kodu, adı, birimi;
    qint64 gün;
    double miktar, kdv, fiyat, tutar;
};

// The window's SQL for a seller firm's movements.
const QString FirmaSql = QStringLiteral(
    "SELECT H.HareketNo, U.Kodu, U.Adi, H.Tarihi, H.Miktari, U.MiktarBirimi, U.KDVOrani, H.Fiyati "
    "FROM SaticiFirmalarTablosu AS F JOIN GirisIslemleriTablosu AS H ON F.Nosu = H.FirmaNo "
    "LEFT JOIN UrunBilgileriTablosu AS U ON H.UrunNo = U.UrunNo "
    "WHERE H.FirmaNo = ?1");

// The baseline: the rows stepped into typed rows, ordered by code in the Turkish alphabet without regard to
// case (one sort key per distinct code, a stable sort on their ranks), in a plain view.
std::unique_ptr<bench::HamListe<HamSatır>> hamFirmaHareketleri()
{
    bench::HamSorgu s(*AçıkVeritabanı, FirmaSql);
    sqlite3_bind_int64(*s, 1, 1);
    std::vector<HamSatır> satırlar;
    while (s.adım()) {
        const double miktar = sqlite3_column_double(*s, 4);
        const double fiyat = sqlite3_column_double(*s, 7);
        satırlar.push_back({sqlite3_column_int64(*s, 0), s.metin(1), s.metin(2), s.metin(5), s.gün(3), miktar,
                            sqlite3_column_double(*s, 6), fiyat, miktar * (std::nearbyint(fiyat * 10000.0) / 10000.0)});
    }
    QHash<QString, int> kodlar;
    for (const HamSatır& r : satırlar) kodlar.insert(r.kodu, 0);
    QCollator sıralayıcı(QLocale(QLocale::Turkish, QLocale::Turkey));
    sıralayıcı.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, QString>> anahtarlar;
    anahtarlar.reserve(size_t(kodlar.size()));
    for (auto k = kodlar.cbegin(); k != kodlar.cend(); ++k) anahtarlar.emplace_back(sıralayıcı.sortKey(k.key()), k.key());
    std::sort(anahtarlar.begin(), anahtarlar.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (size_t i = 0; i < anahtarlar.size(); ++i) kodlar[anahtarlar[i].second] = int(i);
    std::vector<int> sıra(satırlar.size());
    std::iota(sıra.begin(), sıra.end(), 0);
    std::vector<int> derece(satırlar.size());
    for (size_t i = 0; i < satırlar.size(); ++i) derece[i] = kodlar.value(satırlar[i].kodu);
    std::stable_sort(sıra.begin(), sıra.end(), [&derece](int a, int b) { return derece[size_t(a)] < derece[size_t(b)]; });
    std::vector<HamSatır> sıralı;
    sıralı.reserve(satırlar.size());
    for (int i : sıra) sıralı.push_back(std::move(satırlar[size_t(i)]));

    auto liste = std::make_unique<bench::HamListe<HamSatır>>(
        QStringList{"HareketNo", "Ürün Kodu", "Ürün Adı", "Tarihi", "Miktarı", "Birimi", "KDV", "Fiyatı", "Tutarı"},
        [](const HamSatır& r, int c) -> QVariant {
            switch (c) {
            case 0: return QString::number(r.no);
            case 1: return r.kodu;
            case 2: return r.adı;
            case 3: return turkce::tarihBiçimi(QDate::fromJulianDay(r.gün));
            case 4: return turkce::tutarBiçimi(r.miktar);
            case 5: return r.birimi;
            case 6: return turkce::tutarBiçimi(r.kdv);
            case 7: return turkce::tutarBiçimi(r.fiyat);
            default: return turkce::tutarBiçimi(r.tutar);
            }
        });
    liste->göster(std::move(sıralı));
    return liste;
}

// The firm's movements and their baseline in turn: the ratio of the best of each.
void BirFirmanınHareketleriOranı(benchmark::State& durum)
{
    SeçiliFirmaTablosu = SatıcıFirmaTablosuAdı;
    AlıcıSatıcıFirmayaGöreStokListesiFormu pencere;
    büyükFirmayıSeç(pencere);
    QProgressBar çubuk;
    std::unique_ptr<bench::HamListe<HamSatır>> ham;
    bench::oranıÖlç(
        durum,
        [&] {
            pencere.HareketleriGöster(çubuk);
            QCoreApplication::processEvents();
        },
        [&] {
            ham = hamFirmaHareketleri();
            if (ham->model.rowCount() != BüyükFirmanınHareketleri) durum.SkipWithError("the baseline missed rows");
        },
        [&] {
            pencere.HareketListesi->temizle();
            ham.reset();
        });
    if (pencere.HareketListesi->satırSayısı() != BüyükFirmanınHareketleri) durum.SkipWithError("wrong row count");
}
BENCHMARK(BirFirmanınHareketleriOranı)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

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
