// Corrections on one workstation while another commits exits of the same products: two processes, each
// with its own connection to one file and a fixed number of operations, so that a slow machine only makes
// the run longer. The file itself writes down every moment at which a product's stock stood below zero.
// The test program starts itself twice as the workstations (the disabled tests below are their loops).
#include "core/IadeTablosu.h"
#include "movement_history/HareketIslemleri.h"
#include "stock_movements/StokVeritabani.h"
#include "support/Tohum.h"
#include "support/Ortam.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <iostream>
#include <optional>

using namespace hareket;
using platform::Database;

namespace {
constexpr int ÜrünSayısı = 3;
// Operations per workstation: enough for many meetings of the two, however slowly the machine runs them.
constexpr int İşlemSayısı = 150;
const char* const İşçiDeğişkeni = "KAVRENTA_DUZELTME_ISCISI";

// A random movement of the product with its values, as a window opened on it would show them; nothing
// when the product has none.
struct Hareket {
    int no = 0;
    GörülenHareket görülen;
};
std::optional<Hareket> rastgeleHareket(Database& db, const char* tablo, int ürün)
{
    const bool giriş = QLatin1String(tablo) == QLatin1String("GirisIslemleriTablosu");
    auto s = db.prepare(QStringLiteral("SELECT HareketNo, UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, %2 FROM %1 "
                                       "WHERE UrunNo = ?1 ORDER BY random() LIMIT 1")
                            .arg(QLatin1String(tablo), giriş ? QStringLiteral("-1") : QStringLiteral("Nedeni")));
    s.bind(1, ürün);
    if (!s.next()) return std::nullopt;
    return Hareket{int(s.integer(0)),
                   {int(s.integer(1)), int(s.integer(2)), QDate::fromString(s.text(3), Qt::ISODate), s.real(4),
                    s.real(5), int(s.integer(6))}};
}
}  // namespace

// One workstation: exits (and now and then an entry) committed as the stock-exit window commits them.
TEST(DuzeltmeIscisi, DISABLED_Cikislar)
{
    const QStringList p = qEnvironmentVariable(İşçiDeğişkeni).split(QLatin1Char('|'));
    ASSERT_EQ(p.size(), 2);
    auto db = Database::open(p[0]);
    QRandomGenerator r(17);
    int yazılan = 0, reddedilen = 0, hatalı = 0;
    for (int n = 1; n <= p[1].toInt(); ++n) {
        try {
            if (n % 4 == 0) {
                stok::GirişSatırı g{1 + int(r.bounded(ÜrünSayısı)), 1, {}, QDate(2026, 4, 1), 3, {}, {}, {}, {}, 1, 0};
                stok::girişleriKaydet(*db, {g});
            }
            stok::ÇıkışSatırı s;
            s.ürünNo = 1 + int(r.bounded(ÜrünSayısı));
            s.firmaNo = 1;
            s.tarih = QDate(2026, 4, 1);
            s.miktar = 0.5 * (1 + r.bounded(4));
            s.fiyat = 1;
            s.nedeni = 1;
            if (stok::çıkışlarıKaydet(*db, {s})) ++reddedilen;
            else ++yazılan;
        } catch (const platform::DbError& e) {
            ++hatalı;
            std::cerr << "hata: " << e.text().toStdString() << "\n";
        }
        QThread::usleep(300 + r.bounded(1500));
    }
    std::cout << "SONUC " << yazılan << " " << reddedilen << " " << hatalı << std::endl;
}

// The other: changes of entries and exits, deletes of entries and returns, at random.
TEST(DuzeltmeIscisi, DISABLED_Duzeltmeler)
{
    const QStringList p = qEnvironmentVariable(İşçiDeğişkeni).split(QLatin1Char('|'));
    ASSERT_EQ(p.size(), 2);
    auto db = Database::open(p[0]);
    QRandomGenerator r(29);
    int yazılan = 0, reddedilen = 0, hatalı = 0;
    for (int n = 1; n <= p[1].toInt(); ++n) {
        const int ürün = 1 + int(r.bounded(ÜrünSayısı));
        Sonuç s = Sonuç::Silinmiş;
        try {
            switch (r.bounded(5)) {
            case 0:
                if (auto g = rastgeleHareket(*db, "GirisIslemleriTablosu", ürün))
                    s = girişiDeğiştir(*db, g->no, g->görülen, {ürün, 1, QDate(2026, 4, 2), 0.5 * r.bounded(6), 1});
                break;
            case 1:
                if (auto g = rastgeleHareket(*db, "GirisIslemleriTablosu", ürün)) s = girişiSil(*db, g->no);
                break;
            case 2:
                if (auto c = rastgeleHareket(*db, "CikisIslemleriTablosu", ürün))
                    s = çıkışıDeğiştir(*db, c->no, c->görülen,
                                       {1 + int(r.bounded(ÜrünSayısı)), 1, QDate(2026, 4, 2), 0.5 * (1 + r.bounded(6)), 1, 1});
                break;
            default:
                if (auto c = rastgeleHareket(*db, "CikisIslemleriTablosu", ürün)) {
                    const double m = c->görülen.miktar;
                    s = stoğaİadeEt(*db, c->no, c->görülen, QDate(2026, 4, 3), m > 0.5 ? 0.5 : m, m <= 0.5);
                }
                break;
            }
            if (s == Sonuç::Tamam) ++yazılan;
            else ++reddedilen;
        } catch (const platform::DbError& e) {
            ++hatalı;
            std::cerr << "hata: " << e.text().toStdString() << "\n";
        }
        QThread::usleep(300 + r.bounded(1500));
    }
    std::cout << "SONUC " << yazılan << " " << reddedilen << " " << hatalı << std::endl;
}

TEST(EşZamanlıDüzeltme, ÇıkışlarınYanındaDüzeltmelerStoğuEksiyeDüşürmez)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    tohum::satıcı(db, "SATICI");
    İadeTablosunuOluştur(db);
    const QString bak = QStringLiteral(
        "INSERT INTO EksiStok SELECT u, k FROM (SELECT %1 AS u, "
        "(SELECT IFNULL(Sum(Miktari), 0) FROM GirisIslemleriTablosu WHERE UrunNo = %1) - "
        "(SELECT IFNULL(Sum(Miktari), 0) FROM CikisIslemleriTablosu WHERE UrunNo = %1) AS k) WHERE k < -0.001;");
    db.execScript("CREATE TABLE EksiStok (UrunNo INTEGER, Kalan REAL);"
                  "CREATE TRIGGER G1 AFTER INSERT ON CikisIslemleriTablosu BEGIN " + bak.arg("NEW.UrunNo") + " END;"
                  "CREATE TRIGGER G2 AFTER UPDATE ON CikisIslemleriTablosu BEGIN " + bak.arg("NEW.UrunNo") + " END;"
                  "CREATE TRIGGER G3 AFTER UPDATE ON GirisIslemleriTablosu BEGIN " + bak.arg("OLD.UrunNo") + " END;"
                  "CREATE TRIGGER G4 AFTER DELETE ON GirisIslemleriTablosu BEGIN " + bak.arg("OLD.UrunNo") + " END;");
    for (int i = 1; i <= ÜrünSayısı; ++i) {
        tohum::ürün(db, QStringLiteral("K%1").arg(i), QStringLiteral("ÜRÜN %1").arg(i));
        for (int j = 0; j < 4; ++j) tohum::giriş(db, i, 3, 1);
    }

    QList<QProcess*> süreçler;
    for (const char* döngü : {"DuzeltmeIscisi.DISABLED_Cikislar", "DuzeltmeIscisi.DISABLED_Duzeltmeler"}) {
        auto* p = new QProcess;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(İşçiDeğişkeni, QStringLiteral("%1|%2").arg(sunucu.veritabanıYolu()).arg(İşlemSayısı));
        p->setProcessEnvironment(ortam);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests", QStringLiteral("--gtest_filter=%1").arg(döngü)});
        süreçler.append(p);
    }
    for (QProcess* p : süreçler) {
        ASSERT_TRUE(p->waitForFinished(-1));
        const QString çıktı = QString::fromUtf8(p->readAllStandardOutput());
        const auto eş = QRegularExpression(QStringLiteral("SONUC (\\d+) (\\d+) (\\d+)")).match(çıktı);
        ASSERT_TRUE(eş.hasMatch()) << çıktı.toStdString() << p->readAllStandardError().toStdString();
        std::cout << eş.captured(0).toStdString() << std::endl;
        EXPECT_GT(eş.captured(1).toInt(), 0);   // both got work through
        EXPECT_EQ(eş.captured(3).toInt(), 0);   // and met no error
        delete p;
    }
    EXPECT_EQ(tohum::sayı(db, "EksiStok"), 0);
    for (int i = 1; i <= ÜrünSayısı; ++i) EXPECT_GE(tohum::stok(db, i), -0.001) << "ürün " << i;
    // A return never raised an exit.
    EXPECT_EQ(db.scalar("SELECT count(*) FROM StogaIadeBilgileriTablosu WHERE IadeMiktari <= 0").toInt(), 0);
}
