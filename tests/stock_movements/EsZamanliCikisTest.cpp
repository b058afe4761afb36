// Two workstations committing exits against one file at the same time: separate processes, each with
// its own connection, in a loop for a few seconds. The test program starts itself twice as the
// workstations (the disabled test below is their loop).
#include "stock_movements/StokVeritabani.h"
#include "support/Ortam.h"
#include "support/Tohum.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <iostream>

using namespace stok;
using platform::Database;

namespace {
constexpr int ÜrünSayısı = 5;
constexpr int SatırSayısı = 3;
constexpr qint64 ListeBölümü = 1000000;  // a list's number, kept in the price of its lines
const char* const İşçiDeğişkeni = "KAVRENTA_CIKIS_ISCISI";
}  // namespace

// The loop of one workstation; runs only when the test below starts the program as a workstation.
TEST(CikisIscisi, DISABLED_Dongu)
{
    const QStringList parçalar = qEnvironmentVariable(İşçiDeğişkeni).split(QLatin1Char('|'));
    ASSERT_EQ(parçalar.size(), 3);
    auto db = Database::open(parçalar[0]);
    const int işçi = parçalar[1].toInt();
    const int süre = parçalar[2].toInt();
    QRandomGenerator rastgele(quint32(işçi * 7919));
    int kaydedilen = 0, reddedilen = 0, hatalı = 0;
    QElapsedTimer saat;
    saat.start();
    for (int n = 1; saat.elapsed() < süre; ++n) {
        // Goods keep coming in, so that both workstations go on meeting a stock near its end.
        if (n % 3 == 0) {
            GirişSatırı g;
            g.ürünNo = 1 + rastgele.bounded(ÜrünSayısı);
            g.firmaNo = 1;
            g.tarih = QDate(2026, 4, 1);
            g.miktar = 6;
            g.fiyat = 1;
            try {
                girişleriKaydet(*db, {g});
            } catch (const platform::DbError& e) {
                ++hatalı;
                std::cerr << "hata: " << e.text().toStdString() << "\n";
            }
        }
        QList<ÇıkışSatırı> liste;
        QList<int> ürünler = {1, 2, 3, 4, 5};
        for (int i = 0; i < SatırSayısı; ++i) {
            ÇıkışSatırı s;
            s.ürünNo = ürünler.takeAt(rastgele.bounded(int(ürünler.size())));
            s.firmaNo = 1;
            s.adı = QStringLiteral("ÜRÜN %1").arg(s.ürünNo);
            s.tarih = QDate(2026, 4, 1);
            s.miktar = 1 + rastgele.bounded(4);
            s.fiyat = double(işçi * ListeBölümü + n);
            s.nedeni = 1;
            s.çıkışıYapan = işçi;
            liste.append(s);
        }
        try {
            if (çıkışlarıKaydet(*db, liste)) ++reddedilen;
            else ++kaydedilen;
        } catch (const platform::DbError& e) {
            ++hatalı;
            std::cerr << "hata: " << e.text().toStdString() << "\n";
        }
        // A user takes a moment between two lists; without it one process would hold the file all along.
        QThread::usleep(500 + rastgele.bounded(2500));
    }
    std::cout << "SONUC " << kaydedilen << " " << reddedilen << " " << hatalı << std::endl;
}

TEST(EşZamanlıÇıkış, İkiSüreçStoğuEksiyeDüşürmezVeListelerBütünKalır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    tohum::satıcı(db, "SATICI");
    // Every moment at which a product's stock stood below zero is written down by the file itself.
    db.execScript("CREATE TABLE EksiStok (UrunNo INTEGER, Kalan REAL);"
                  "CREATE TRIGGER EksiStokGözcüsü AFTER INSERT ON CikisIslemleriTablosu BEGIN "
                  "INSERT INTO EksiStok SELECT NEW.UrunNo, k FROM (SELECT "
                  "(SELECT IFNULL(Sum(Miktari), 0) FROM GirisIslemleriTablosu WHERE UrunNo = NEW.UrunNo) - "
                  "(SELECT IFNULL(Sum(Miktari), 0) FROM CikisIslemleriTablosu WHERE UrunNo = NEW.UrunNo) AS k) "
                  "WHERE k < 0; END;");
    for (int i = 1; i <= ÜrünSayısı; ++i) {
        tohum::ürün(db, QStringLiteral("K%1").arg(i), QStringLiteral("ÜRÜN %1").arg(i));
        tohum::giriş(db, i, 20, 1);
    }

    QList<QProcess*> süreçler;
    for (int işçi = 1; işçi <= 2; ++işçi) {
        auto* p = new QProcess;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(İşçiDeğişkeni, QStringLiteral("%1|%2|%3").arg(sunucu.veritabanıYolu()).arg(işçi).arg(3000));
        p->setProcessEnvironment(ortam);
        p->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests", "--gtest_filter=CikisIscisi.DISABLED_Dongu"});
        süreçler.append(p);
    }
    QMap<int, int> kaydedilen;
    int toplamRet = 0;
    for (int işçi = 1; işçi <= 2; ++işçi) {
        QProcess* p = süreçler[işçi - 1];
        ASSERT_TRUE(p->waitForFinished(60000));
        const QString çıktı = QString::fromUtf8(p->readAllStandardOutput());
        const auto eş = QRegularExpression(QStringLiteral("SONUC (\\d+) (\\d+) (\\d+)")).match(çıktı);
        ASSERT_TRUE(eş.hasMatch()) << çıktı.toStdString() << p->readAllStandardError().toStdString();
        std::cout << "işçi " << işçi << ": " << eş.captured(0).toStdString() << std::endl;
        kaydedilen[işçi] = eş.captured(1).toInt();
        toplamRet += eş.captured(2).toInt();
        EXPECT_EQ(eş.captured(3).toInt(), 0) << p->readAllStandardError().toStdString();
        delete p;
    }
    // Both workstations got lists through, and the stock ran out under them.
    EXPECT_GT(kaydedilen[1], 0);
    EXPECT_GT(kaydedilen[2], 0);
    EXPECT_GT(toplamRet, 0);

    for (int i = 1; i <= ÜrünSayısı; ++i) EXPECT_GE(tohum::stok(db, i), 0) << "ürün " << i;
    EXPECT_EQ(tohum::sayı(db, "EksiStok"), 0);
    // Every list that a workstation counted as committed is there with all its lines, and no other.
    auto s = db.prepare("SELECT CikisiYapan, count(*) FROM (SELECT CikisiYapan, Fiyati, count(*) AS n "
                        "FROM CikisIslemleriTablosu GROUP BY CikisiYapan, Fiyati HAVING n = ?1) GROUP BY CikisiYapan");
    s.bind(1, SatırSayısı);
    QMap<int, int> bütünListeler;
    while (s.next()) bütünListeler[int(s.integer(0))] = int(s.integer(1));
    EXPECT_EQ(bütünListeler.value(1), kaydedilen[1]);
    EXPECT_EQ(bütünListeler.value(2), kaydedilen[2]);
    EXPECT_EQ(tohum::sayı(db, "CikisIslemleriTablosu"), (kaydedilen[1] + kaydedilen[2]) * SatırSayısı);
}
