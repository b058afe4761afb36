// The daily movements window listing every day ("Tümünü Listele") over 1,000,000 entries of 10,000
// products from 100 seller firms: the query, the rows and their totals, up to the filled list view, as
// the button runs it behind the progress window. Reports the time per listing and the peak resident
// memory of the process (tepeRSS_MB), and the listing against its raw baseline (the same SQL stepped with
// the SQLite C API into typed rows, the totals, a minimal table model in a plain view).
#include "BenchOrtami.h"
#include "HamListe.h"
#include "core/StokKurallari.h"
#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"
#include "platform/TurkceMetin.h"

#include <QHash>
#include <cmath>

namespace {

constexpr int ÜrünSayısı = 10000;
constexpr int HareketSayısı = 1000000;

// Every movement an entry, from one of 100 sellers.
void veritabanınıKur()
{
    AçıkVeritabanı = bench::yeniVeritabanı();
    auto& d = *AçıkVeritabanı;
    platform::Transaction işlem(d);
    bench::ürünleriEkle(d, ÜrünSayısı);
    bench::firmalarıEkle(d, "SaticiFirmalarTablosu", 100);
    d.execScript(bench::sayılar(HareketSayısı)
                 + QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                                  "SELECT abs(random()) % %1 + 1, abs(random()) % 100 + 1, "
                                  "date('2021-01-01', '+' || (abs(random()) % 1460) || ' days'), "
                                  "(abs(random()) % 2000) / 100.0 + 1, 7.5 + (abs(random()) % 500) / 100.0, 0 FROM n;")
                       .arg(ÜrünSayısı));
    işlem.commit();
}

void GünlükListeTümü(benchmark::State& durum)
{
    ListelerMenüsüTag = QStringLiteral("1");
    for (auto _ : durum) {
        auto pencere = std::make_unique<GünlükGirişÇıkışHareketleriFormu>();
        pencere->TümünüListeleDüğmesi_Click();
        if (pencere->HareketListesi->satırSayısı() != HareketSayısı) durum.SkipWithError("not every movement was listed");
        durum.PauseTiming();  // the window and its rows are dropped outside the measure
        pencere.reset();
        durum.ResumeTiming();
    }
    durum.counters["tepeRSS_MB"] = bench::tepeRssMB();
}
BENCHMARK(GünlükListeTümü)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The query and the rows' values alone, without the list view.
void GünlükSorgusuTümü(benchmark::State& durum)
{
    for (auto _ : durum) {
        int n = 0;
        rapor::günlükHareketler(*AçıkVeritabanı, rapor::GünlükMod::Giriş, std::nullopt,
                                {[](int) {}, [&n](rapor::Satır&& s) { n += s.size(); }});
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(GünlükSorgusuTümü)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The baseline's row: the day, the product and the firm by number (their names read once), the figures.
struct HamSatır {
    qint64 gün;
    qint64 ürün, firma;
    double miktar, fiyat, tutar;
};

// The names each row's numbers stand for, read once each.
struct HamAdlar {
    QHash<qint64, std::pair<QString, QString>> ürünler;
    QHash<qint64, QString> firmalar;
};

// The window's SQL for every day's entries.
const QString GünlükSql = QStringLiteral(
    "SELECT GirisIslemleriTablosu.Tarihi, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
    "SaticiFirmalarTablosu.Adi, GirisIslemleriTablosu.Miktari, GirisIslemleriTablosu.Fiyati, "
    "UrunBilgileriTablosu.UrunNo, SaticiFirmalarTablosu.Nosu"
    " FROM (GirisIslemleriTablosu CROSS JOIN UrunBilgileriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = GirisIslemleriTablosu.UrunNo) "
    "LEFT JOIN SaticiFirmalarTablosu ON GirisIslemleriTablosu.FirmaNo = SaticiFirmalarTablosu.Nosu");

// The baseline's listing: rows, names, totals and the shown view, kept until the next listing.
struct HamGünlükListe {
    HamAdlar adlar;
    qint64 miktarToplamı = 0, fiyatToplamı = 0, tutarToplamı = 0;  // in hundredths
    std::unique_ptr<bench::HamListe<HamSatır>> liste;

    int listele()
    {
        bench::HamSorgu s(*AçıkVeritabanı, GünlükSql);
        std::vector<HamSatır> satırlar;
        while (s.adım()) {
            const qint64 ürün = sqlite3_column_int64(*s, 6);
            if (!adlar.ürünler.contains(ürün)) adlar.ürünler.insert(ürün, {s.metin(1), s.metin(2)});
            const bool firmaVar = sqlite3_column_type(*s, 7) != SQLITE_NULL;
            const qint64 firma = firmaVar ? sqlite3_column_int64(*s, 7) : -1;
            if (firmaVar && !adlar.firmalar.contains(firma)) adlar.firmalar.insert(firma, s.metin(3));
            // The figures rounded as the window shows them (the same rounding routines).
            const double miktar = stok::kuruşDeğeri(sqlite3_column_double(*s, 4));
            const double fiyat = stok::kuruşDeğeri(sqlite3_column_double(*s, 5));
            const double tutar = stok::kuruşDeğeri(miktar * stok::paraDeğeri(fiyat));
            miktarToplamı += std::llround(miktar * 100.0);
            fiyatToplamı += std::llround(fiyat * 100.0);
            tutarToplamı += std::llround(tutar * 100.0);
            satırlar.push_back({s.gün(0), ürün, firma, miktar, fiyat, tutar});
        }
        liste = std::make_unique<bench::HamListe<HamSatır>>(
            QStringList{"Tarihi", "Kodu", "Ürün Adı", "Firma Adı", "Miktarı", "Fiyatı", "Tutarı"},
            [this](const HamSatır& r, int c) -> QVariant {
                switch (c) {
                case 0: return turkce::tarihBiçimi(QDate::fromJulianDay(r.gün));
                case 1: return adlar.ürünler.value(r.ürün).first;
                case 2: return adlar.ürünler.value(r.ürün).second;
                case 3: return adlar.firmalar.value(r.firma);
                case 4: return turkce::tutarBiçimi(r.miktar);
                case 5: return turkce::tutarBiçimi(r.fiyat);
                default: return turkce::tutarBiçimi(r.tutar);
                }
            });
        liste->göster(std::move(satırlar));
        return liste->model.rowCount();
    }
};

// The listing and its baseline in turn: the ratio of the best of each, over 15 rounds, as a single round of
// either may come out a third slower on a busy machine. What each made is dropped outside the measure.
void GünlükListeTümüOranı(benchmark::State& durum)
{
    ListelerMenüsüTag = QStringLiteral("1");
    std::unique_ptr<GünlükGirişÇıkışHareketleriFormu> pencere;
    std::unique_ptr<HamGünlükListe> ham;
    bench::oranıÖlç(
        durum,
        [&] {
            pencere = std::make_unique<GünlükGirişÇıkışHareketleriFormu>();
            pencere->show();
            pencere->TümünüListeleDüğmesi_Click();
            QCoreApplication::processEvents();
            pencere->HareketListesi->repaint();
            if (pencere->HareketListesi->satırSayısı() != HareketSayısı) durum.SkipWithError("not every movement was listed");
        },
        [&] {
            ham = std::make_unique<HamGünlükListe>();
            if (ham->listele() != HareketSayısı) durum.SkipWithError("the baseline missed rows");
        },
        [&] {
            pencere.reset();
            ham.reset();
        });
}
BENCHMARK(GünlükListeTümüOranı)->Unit(benchmark::kMillisecond)->Iterations(15)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::çalıştır(argc, argv, veritabanınıKur); }
