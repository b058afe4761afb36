// The two print buttons: the extra details, the printer choice, the document and the invoiced marks.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "FaturaTohumu.h"
#include "invoicing/FaturaBaskisi.h"
#include "invoicing/FaturaYazdirFormu.h"
#include "invoicing/YaziTipiSecmeFormu.h"
#include "invoicing/YaziyaCevir.h"
#include "movement_history/HareketIslemleri.h"
#include "platform/Ayarlar.h"
#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/ProgramSonu.h"
#include "platform/TurkceMetin.h"
#include "platform/YazdirmaSunucusu.h"
#include "platform/Yazicilar.h"
#include "support/AksakBaskiSunucusu.h"
#include "support/BaskiSunucusu.h"
#include "support/Ortam.h"
#include "support/PdfOkuyucu.h"

#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <mutex>
#include <cerrno>
#include <csignal>
#include <optional>
#include <tuple>

#include <cups/cups.h>

#include <gtest/gtest.h>

using namespace fatura;
using namespace yazdırma;

namespace {

class FaturaYazdırma : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ayarlarıTemizle();
        belgeKlasörü_ = kabuk::belgeKlasörü();
        sunucu_ = std::make_unique<test::SunucuKlasörü>();
        auto& db = sunucu_->db();
        db.exec("INSERT INTO AliciFirmalarTablosu (Adi, Adresi) VALUES ('ÖZKAN YAPI', 'Atatürk Cad. No 5')");
        firma_ = int(db.lastInsertId());
        db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani) VALUES ('K-1', 'Çivi', 'Adet', 18)");
        ürün_ = int(db.lastInsertId());
        for (const char* gün : {"2026-03-07", "2026-03-07", "2026-03-07", "2026-03-08"}) {
            db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
                    "VALUES (?, ?, ?, 3, 12.5, 0, 0)",
                    {ürün_, firma_, QString::fromLatin1(gün)});
            nolar_.append(db.lastInsertId());
        }
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{"Ofis", "Kat 1", {210, 297}, true}});
        kayıtlar_ = std::make_shared<YazıcıKayıtları>();
        kaydediciyeYönlendir(kayıtlar_);
        YazıcıVar = true;
        OndalıklıMiktar = 1;
        FaturaBoşKağıdaGöre = 0;
        FaturaYazıTipiAdı.clear();
        FaturaYazıTipiBoyutu = 0;
        düğme_ = new QPushButton(QStringLiteral("&Fatura Yazdır..."), &pencere_);
        pencere_.show();
    }
    void TearDown() override
    {
        sistemYazıcılarınıDeğiştir(std::nullopt);
        kaydediciyeYönlendir(nullptr);
        kabuk::belgeKlasörünüDeğiştir(belgeKlasörü_);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        YazdırmaİptalEdildi = false;
        FaturaBoşKağıdaGöre = 1;
        sunucu_.reset();
    }

    // The three exits of 7 March, as the invoicing window shows them.
    FaturaVerisi veri(int satırSayısı = 3) const
    {
        FaturaVerisi v;
        v.firmaAdı = QStringLiteral("ÖZKAN YAPI");
        v.adresi = QStringLiteral("Atatürk Cad. No 5");
        v.vergiDairesi = QStringLiteral("KADIKÖY");
        v.vergiNumarası = QStringLiteral("1234567890");
        v.tarih = QDate(2026, 3, 7);
        v.firmaNo = firma_;
        for (int i = 0; i < satırSayısı; ++i)
            v.satırlar.append({nolar_[i % 3], QStringLiteral("K-1"), QStringLiteral("Çivi"), 3, QStringLiteral("Adet"), 18,
                               125000, 375000, 67500, ürün_});
        v.toplam = 375000 * satırSayısı;
        v.kdvToplamı = 67500 * satırSayısı;
        v.genelToplam = v.toplam + v.kdvToplamı;
        return v;
    }

    // The recorded documents that went to the printer.
    int giden() const
    {
        return int(std::count_if(kayıtlar_->belgeler().begin(), kayıtlar_->belgeler().end(),
                                 [](const auto& b) { return b->bitti(); }));
    }

    int işaretli() const
    {
        return AçıkVeritabanı->scalar("SELECT count(*) FROM CikisIslemleriTablosu WHERE Fatura <> 0").toInt();
    }

    // Answers the extra invoice details with a number (typed as a user types it) and Tamam.
    static std::unique_ptr<test::Görününce> faturaBilgileri(const QString& no)
    {
        return std::make_unique<test::Görününce>("EkFaturaBilgileriFormu", [no](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("İrsaliyeNoKutusu"), no);
            w->findChild<QPushButton*>("TamamDüğmesi")->click();
        });
    }
    static std::unique_ptr<test::Görününce> irsaliyeBilgileri()
    {
        return std::make_unique<test::Görününce>("EkİrsaliyeBilgileriFormu", [](QWidget* w) {
            w->findChild<QPushButton*>("TamamDüğmesi")->click();
        });
    }
    // Answers the printer choice with Tamam or İptal.
    static std::unique_ptr<test::Görününce> yazıcı(bool tamam = true)
    {
        return std::make_unique<test::Görününce>("YazıcıSeçmeFormu", [tamam](QWidget* w) {
            w->findChild<QPushButton*>(tamam ? "TamamDüğmesi" : "İptalDüğmesi")->click();
        });
    }

    // Shows the invoicing window and in it the day whose node reads `gün`; gives the window's tree.
    static QTreeWidget* günüGöster(FaturaYazdırFormu& f, const QString& gün)
    {
        f.show();
        auto* ağaç = f.findChild<QTreeWidget*>("FirmaListesi");
        const QList<QTreeWidgetItem*> düğümler = ağaç->findItems(gün, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(düğümler.size(), 1) << gün.toStdString();
        f.FirmaListesi_NodeClick(düğümler.value(0));
        return ağaç;
    }

    void düğmeKullanılabilir(bool odaklı)
    {
        EXPECT_TRUE(düğme_->isEnabled());
        if (odaklı) {
            EXPECT_EQ(pencere_.focusWidget(), düğme_);
        }
    }

    QString belgeKlasörü_;
    std::unique_ptr<test::SunucuKlasörü> sunucu_;
    int firma_ = 0;
    int ürün_ = 0;
    QList<qint64> nolar_;
    std::shared_ptr<YazıcıKayıtları> kayıtlar_;
    QWidget pencere_;
    QPushButton* düğme_ = nullptr;
};

}  // namespace

TEST_F(FaturaYazdırma, YazdırılanFaturanınÇıkışlarıİşaretlenir)
{
    // The document is laid out and readied with the database free: another workstation writes meanwhile
    // at once. It goes out once the marks are committed: the other reads them, and may write at once.
    const auto öteki = platform::Database::open(sunucu_->veritabanıYolu());
    öteki->setBusyTimeout(0);
    QStringList adımlar;
    kayıtlar_->hazırlanırken = [&] {
        EXPECT_NO_THROW(öteki->exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES ('B')"));
        adımlar << "hazırla";
    };
    kayıtlar_->gönderilirken = [&] {
        EXPECT_EQ(öteki->scalar("SELECT count(*) FROM CikisIslemleriTablosu WHERE Fatura <> 0").toInt(), 3);
        EXPECT_NO_THROW(öteki->execScript("BEGIN IMMEDIATE; ROLLBACK"));
        adımlar << "gönder";
    };
    test::MesajYanıtlayıcı mesajlar;
    auto ek = faturaBilgileri(QStringLiteral("a-17 "));
    auto seçim = yazıcı();
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırıldı);
    EXPECT_EQ(adımlar, (QStringList{"hazırla", "gönder"}));
    ASSERT_EQ(kayıtlar_->sayı(), 1);
    const KaydedilenBelge& b = kayıtlar_->son();
    EXPECT_TRUE(b.bitti());
    EXPECT_EQ(b.yazıcı, "Ofis");
    // The number as typed, upper-cased and trimmed; the stored font, or its default; the total in words.
    ASSERT_TRUE(b.metinBul("A-17"));
    EXPECT_EQ(b.metinBul("A-17")->yazıTipi, (YazıTipi{VarsayılanFaturaYazıTipi, 10}));
    EXPECT_TRUE(b.metinBul(YazıyaÇevir(QStringLiteral("132,75"))));
    EXPECT_EQ(işaretli(), 3);
    EXPECT_EQ(AçıkVeritabanı->scalar("SELECT Fatura FROM CikisIslemleriTablosu WHERE HareketNo = ?", {nolar_[3]}).toInt(), 0);
    EXPECT_EQ(mesajlar.sayı(), 0);
    düğmeKullanılabilir(false);

    // An invoiced day is printed again from the view of invoiced exits; nothing new is marked, and no write
    // lock is held while it is sent.
    kayıtlar_->gönderilirken = [&] { EXPECT_NO_THROW(öteki->execScript("BEGIN IMMEDIATE; ROLLBACK")); };
    auto ek2 = faturaBilgileri(QStringLiteral("B-1"));
    auto seçim2 = yazıcı();
    FaturaVerisi yeniden = veri();
    yeniden.yazdırılanlar = true;
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, yeniden), FaturaSonucu::Yazdırıldı);
    EXPECT_EQ(kayıtlar_->sayı(), 2);
    EXPECT_TRUE(kayıtlar_->son().metinBul("B-1"));
    EXPECT_EQ(işaretli(), 3);
    EXPECT_EQ(mesajlar.sayı(), 0);
}

TEST_F(FaturaYazdırma, SığmayanFaturaHiçYazdırılmazVeİşaretlenmez)
{
    test::MesajYanıtlayıcı mesajlar;
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri(60)), FaturaSonucu::Yazdırılmadı);
    ASSERT_EQ(kayıtlar_->sayı(), 1);
    EXPECT_TRUE(kayıtlar_->son().vazgeçildi());
    EXPECT_FALSE(kayıtlar_->son().bitti());
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.görülenler()[0].metin, SığmıyorMetni);
    EXPECT_EQ(mesajlar.görülenler()[0].simge, mesaj::Simge::Kritik);
    EXPECT_EQ(mesajlar.görülenler()[0].başlık, "Kavrenta");
    EXPECT_EQ(işaretli(), 0);
    düğmeKullanılabilir(true);
}

TEST_F(FaturaYazdırma, EkBilgilerdenVazgeçmekHiçbirŞeyYapmaz)
{
    test::MesajYanıtlayıcı mesajlar;
    const QList<std::function<void(QWidget*)>> vazgeçişler = {
        [](QWidget* w) { w->findChild<QPushButton*>("VazgeçDüğmesi")->click(); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](QWidget* w) { w->close(); },
    };
    for (const auto& vazgeç : vazgeçişler) {
        test::Görününce ek("EkFaturaBilgileriFormu", [&](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("İrsaliyeNoKutusu"), "A-17");
            vazgeç(w);
        });
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
        EXPECT_TRUE(ek.olduMu());
        EXPECT_FALSE(seçim->olduMu());
        düğmeKullanılabilir(true);
    }
    EXPECT_EQ(kayıtlar_->sayı(), 0);
    EXPECT_EQ(işaretli(), 0);
}

TEST_F(FaturaYazdırma, YazıcıSeçimindenVazgeçmekHiçbirŞeyYapmazSonrakiBaskıYenidenSorar)
{
    test::MesajYanıtlayıcı mesajlar;
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı(false);
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
    EXPECT_TRUE(seçim->olduMu());
    EXPECT_FALSE(YazdırmaİptalEdildi);
    EXPECT_EQ(kayıtlar_->sayı(), 0);
    EXPECT_EQ(işaretli(), 0);
    düğmeKullanılabilir(true);

    // The next print starts with an empty number; closing the details now is a cancel.
    QString görülenNo = QStringLiteral("?");
    test::Görününce ek2("EkFaturaBilgileriFormu", [&](QWidget* w) {
        görülenNo = w->findChild<QLineEdit*>("İrsaliyeNoKutusu")->text();
        w->close();
    });
    auto seçim2 = yazıcı();
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
    EXPECT_EQ(görülenNo, "");
    EXPECT_FALSE(seçim2->olduMu());
}

TEST_F(FaturaYazdırma, YazdırılamayanBelgeİşaretlemez)
{
    // The PDF printer: its folder below a file, or a disk that fills up while the document is written.
    kaydediciyeYönlendir(nullptr);
    QTemporaryFile dosya;
    ASSERT_TRUE(dosya.open());
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    int açılan = 0;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) { return ++açılan, true; });
    const QString altında = dosya.fileName() + QStringLiteral("/Kavrenta");
    struct Durum {
        QString klasör;
        std::optional<dosya::YazmaSınırı> sınır;
        QString neden;
    };
    for (const Durum& d : {Durum{altında, {}, "Klasör bulunamadı."},
                           Durum{belgeKlasörü_, dosya::YazmaSınırı{4096, ENOSPC}, "Diskte yeterli boş yer yok."}}) {
        kabuk::belgeKlasörünüDeğiştir(d.klasör);
        dosya::yazmaSınırınıDeğiştir(d.sınır);
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
        dosya::yazmaSınırınıDeğiştir(std::nullopt);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains("PDF dosyası yazılamadı: " + d.klasör + "/Fatura - ÖZKAN YAPI - 07.03.2026.pdf\n\n" + d.neden))
            << mesajlar.sonMetin().toStdString();
        EXPECT_TRUE(QDir(d.klasör).entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_EQ(açılan, 0);
        EXPECT_EQ(işaretli(), 0);
        düğmeKullanılabilir(true);
    }
}

// A database that refuses the marks stops the invoice before anything goes out: a trigger that rejects
// one exit's mark, a file that has become read-only.
TEST_F(FaturaYazdırma, İşaretlenemeyenFaturaGönderilmez)
{
    const QString tetik = QStringLiteral("CREATE TRIGGER Kilit BEFORE UPDATE OF Fatura ON CikisIslemleriTablosu "
                                         "WHEN NEW.HareketNo = %1 BEGIN SELECT RAISE(ABORT, 'kilitli'); END")
                              .arg(nolar_[2]);
    const QList<std::tuple<QString, QString, QString>> durumlar = {
        {tetik, "DROP TRIGGER Kilit", "kilitli"},
        {"PRAGMA query_only = 1", "PRAGMA query_only = 0", "salt okunur"},
    };
    for (const auto& [boz, onar, neden] : durumlar) {
        AçıkVeritabanı->execScript(boz);
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
        AçıkVeritabanı->execScript(onar);
        EXPECT_TRUE(kayıtlar_->son().vazgeçildi());
        EXPECT_EQ(giden(), 0);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains(neden)) << mesajlar.sonMetin().toStdString();
        EXPECT_FALSE(AçıkVeritabanı->inTransaction());
        EXPECT_EQ(işaretli(), 0);
        düğmeKullanılabilir(true);
    }
}

// Another workstation holds the marks of the same lines in an open transaction and commits them while this
// print waits for the lock: the lines are read again inside the lock, so the print is refused and sends
// nothing.
TEST_F(FaturaYazdırma, KilitBeklenirkenFaturalananSatırlarGönderilmez)
{
    const auto öteki = platform::Database::open(sunucu_->veritabanıYolu());
    öteki->execScript("BEGIN IMMEDIATE");
    for (int i = 0; i < 3; ++i) öteki->exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE HareketNo = ?", {nolar_[i]});
    bool bekledi = false;
    const test::BeklemeKaydı bekleme([&](bool bekliyor) {
        if (!bekliyor || bekledi) return;
        bekledi = true;
        öteki->execScript("COMMIT");
    });
    test::MesajYanıtlayıcı mesajlar;
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::SatırlarDeğişmiş);
    EXPECT_TRUE(bekledi);
    EXPECT_EQ(giden(), 0);
    EXPECT_EQ(mesajlar.sonMetin(), SatırlarDeğişmişMetni);
}

// The document goes out only once the marks are committed. A commit that fails (here a constraint checked
// only then) takes it back, a PDF and a paper printer's alike: no file, no page, nothing marked, the
// database's message. Once committed, a paper job that the server does not release leaves the exits
// marked, and the user is told that the invoice did not go out and where to print it again; a reprint's
// is told as any print's.
TEST_F(FaturaYazdırma, BelgeYalnızİşaretlerKaydedilinceGider)
{
    AçıkVeritabanı->execScript(
        "CREATE TABLE Ana (No INTEGER PRIMARY KEY);"
        "CREATE TABLE Bağlı (AnaNo INTEGER REFERENCES Ana (No) DEFERRABLE INITIALLY DEFERRED);"
        "CREATE TRIGGER Bağla AFTER UPDATE OF Fatura ON CikisIslemleriTablosu BEGIN INSERT INTO Bağlı VALUES (7); END;"
        "PRAGMA foreign_keys = 1;");
    kaydediciyeYönlendir(nullptr);
    int açılan = 0;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) { return ++açılan, true; });
    for (const bool pdf : {true, false}) {
        if (!pdf) kaydediciyeYönlendir(kayıtlar_);
        geçerliYazıcıyıDeğiştir(pdf ? PdfYazıcısıAdı : QStringLiteral("Ofis"));
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains("FOREIGN KEY")) << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(işaretli(), 0);
        EXPECT_FALSE(AçıkVeritabanı->inTransaction());
        EXPECT_TRUE(QDir(kabuk::belgeKlasörü()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        EXPECT_EQ(açılan, 0);
        EXPECT_EQ(giden(), 0);
        if (!pdf) {
            ASSERT_EQ(kayıtlar_->sayı(), 1);
            EXPECT_TRUE(kayıtlar_->son().vazgeçildi());
        }
        düğmeKullanılabilir(true);
    }
    AçıkVeritabanı->execScript("DROP TRIGGER Bağla");

    // Not sent after the commit: the exits stay marked, and the user is told where to print it again. A
    // failure of any other kind there leaves unknown whether it went out.
    const QString gönderilemedi =
        "Faturadaki satırlar faturalandı olarak işaretlendi, ancak fatura yazıcıya gönderilemedi: Ofis\n\n"
        "Yazdırma sunucusu yanıt vermedi.\n\n"
        "Faturayı, \"Sadece yazdırılan faturaları göster\" seçeneğiyle bulup yeniden yazdırabilirsiniz.";
    const QList<std::pair<std::function<void()>, QString>> gönderilemeyenler = {
        {[] { throw YazdırmaHatası(QStringLiteral("Ofis"), SunucuYanıtVermediMetni); }, gönderilemedi},
        {[] { throw std::runtime_error("Resource temporarily unavailable"); },
         DoğrulanamadıMetni.arg(QStringLiteral("Ofis"), QStringLiteral("Resource temporarily unavailable"))},
    };
    for (const auto& [atan, metin] : gönderilemeyenler) {
        AçıkVeritabanı->exec("UPDATE CikisIslemleriTablosu SET Fatura = 0");
        kayıtlar_->gönderilirken = atan;
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Tamam")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::İşaretlendi);
        EXPECT_EQ(işaretli(), 3);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_EQ(mesajlar.sonMetin(), metin);
        EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Ünlem);
        düğmeKullanılabilir(false);
    }
    // The reprint of the invoiced day: its print error, or any other failure, told as an error, nothing else.
    for (const auto& [atan, metin] : {std::pair{gönderilemeyenler[0].first,
                                                QStringLiteral("Belge yazıcıya gönderilemedi: Ofis\n\nYazdırma sunucusu yanıt vermedi.")},
                                      std::pair{gönderilemeyenler[1].first, QStringLiteral("Resource temporarily unavailable")}}) {
        kayıtlar_->gönderilirken = atan;
        FaturaVerisi yeniden = veri();
        yeniden.yazdırılanlar = true;
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, yeniden), FaturaSonucu::Yazdırılmadı);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains(metin)) << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(mesajlar.görülenler().last().simge, mesaj::Simge::Kritik);
        EXPECT_EQ(işaretli(), 3);
    }
}

TEST_F(FaturaYazdırma, PencereBaskıSürerkenDüğmesiniKapatır)
{
    test::MesajYanıtlayıcı mesajlar;
    FaturaYazdırFormu f;
    günüGöster(f, "07.03.2026");
    auto* düğme = f.findChild<QPushButton*>("FaturaYazdırDüğmesi");
    ASSERT_EQ(f.gösterilenSatırlar().size(), 3);
    std::optional<bool> açıkken;
    test::Görününce ek("EkFaturaBilgileriFormu", [&](QWidget* w) {
        açıkken = düğme->isEnabled();
        w->findChild<QPushButton*>("VazgeçDüğmesi")->click();
    });
    düğme->click();
    ASSERT_TRUE(açıkken.has_value());
    EXPECT_FALSE(*açıkken);
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_EQ(f.focusWidget(), düğme);
    EXPECT_EQ(kayıtlar_->sayı(), 0);
}

TEST_F(FaturaYazdırma, BaşkaBilgisayardaDeğişenFaturaReddedilirVeAğaçYenilenir)
{
    // Nine lines of one day; the second at 0,99.
    auto& db = *AçıkVeritabanı;
    const int firma = faturaTohumu::alıcı(db, "BETA");
    QList<qint64> satırlar;
    for (int i = 1; i <= 9; ++i) satırlar.append(faturaTohumu::çıkış(db, firma, ürün_, "2026-03-10", i, i == 2 ? 0.99 : 10));

    test::MesajYanıtlayıcı mesajlar;
    FaturaYazdırFormu f;
    QTreeWidget* ağaç = günüGöster(f, "10.03.2026");
    ASSERT_EQ(f.gösterilenSatırlar().size(), 9);

    // Meanwhile, on another workstation: line 1 wholly returned, line 2 at 7,99 and no sale any more, and
    // a new exit of another day.
    const auto öteki = platform::Database::open(sunucu_->veritabanıYolu());
    // A whole return deletes the exit and writes no return row.
    öteki->exec("DELETE FROM CikisIslemleriTablosu WHERE HareketNo = ?", {satırlar[0]});
    öteki->exec("UPDATE CikisIslemleriTablosu SET Fiyati = 7.99, Nedeni = 2 WHERE HareketNo = ?", {satırlar[1]});
    faturaTohumu::çıkış(*öteki, firma_, ürün_, "2026-03-09");

    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    f.findChild<QPushButton*>("FaturaYazdırDüğmesi")->click();
    EXPECT_TRUE(seçim->olduMu());
    EXPECT_EQ(giden(), 0);
    EXPECT_EQ(işaretli(), 0);
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.sonMetin(), SatırlarDeğişmişMetni);
    EXPECT_EQ(mesajlar.görülenler()[0].simge, mesaj::Simge::Ünlem);
    // The tree is read again and the day shown as it is now.
    EXPECT_EQ(ağaç->findItems("09.03.2026", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    EXPECT_EQ(f.gösterilenGün(), (FaturaYazdırFormu::Gün{firma, QDate(2026, 3, 10)}));
    EXPECT_EQ(f.gösterilenSatırlar().size(), 7);
    EXPECT_TRUE(f.findChild<QPushButton*>("FaturaYazdırDüğmesi")->isEnabled());

    // Printed now, the seven lines as they are.
    auto ek2 = faturaBilgileri(QStringLiteral("A-18"));
    auto seçim2 = yazıcı();
    f.findChild<QPushButton*>("FaturaYazdırDüğmesi")->click();
    EXPECT_EQ(giden(), 1);
    EXPECT_EQ(işaretli(), 7);
    EXPECT_EQ(mesajlar.sayı(), 1);
}

namespace {

// What another workstation did meanwhile to the day the window shows: invoiced it, or returned every line
// of it to stock; and whether the firm keeps another day in the tree.
struct KapananGün {
    const char* ad;
    bool faturalandı;
    bool firmaKalır;
};
void PrintTo(const KapananGün& durum, std::ostream* çıktı) { *çıktı << durum.ad; }

class ReddedilenFatura : public FaturaYazdırma, public ::testing::WithParamInterface<KapananGün> {};

}  // namespace

TEST_P(ReddedilenFatura, GünüKapanmışsaBaşkaFirmanınGünüGösterilmez)
{
    // The tree: ÖZKAN YAPI 07.03, 08.03; SINIR OTUZİKİ 01.12, 02.12; SINIR OTUZÜÇ 03.12. The shown 02.12 is node
    // 5; once it closes together with a node before it (ÖZKAN YAPI's 08.03, or the firm's 01.12 and so the
    // firm itself), SINIR OTUZÜÇ's 03.12 is node 5 or the last node.
    const KapananGün durum = GetParam();
    auto& db = *AçıkVeritabanı;
    const int otuzİki = faturaTohumu::alıcı(db, "SINIR OTUZİKİ");
    const int otuzÜç = faturaTohumu::alıcı(db, "SINIR OTUZÜÇ");
    const qint64 ilkGün = faturaTohumu::çıkış(db, otuzİki, ürün_, "2026-12-01");
    QList<qint64> kapanan = {faturaTohumu::çıkış(db, otuzİki, ürün_, "2026-12-02", 2),
                             faturaTohumu::çıkış(db, otuzİki, ürün_, "2026-12-02", 5)};
    kapanan.append(durum.firmaKalır ? nolar_[3] : ilkGün);
    for (int i = 1; i <= 3; ++i) faturaTohumu::çıkış(db, otuzÜç, ürün_, "2026-12-03", i);

    test::MesajYanıtlayıcı mesajlar;
    FaturaYazdırFormu f;
    QTreeWidget* ağaç = günüGöster(f, "02.12.2026");
    ASSERT_EQ(f.gösterilenSatırlar().size(), 2);

    // Meanwhile, on another workstation: the lines invoiced there, or each wholly returned to stock through
    // the routine of the return window.
    const auto öteki = platform::Database::open(sunucu_->veritabanıYolu());
    for (const qint64 no : kapanan) {
        if (durum.faturalandı) {
            öteki->exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE HareketNo = ?", {no});
            continue;
        }
        platform::Statement s = öteki->prepare(
            "SELECT UrunNo, FirmaNo, Tarihi, Miktari, Fiyati FROM CikisIslemleriTablosu WHERE HareketNo = ?");
        s.bind(1, no);
        ASSERT_TRUE(s.next());
        const hareket::GörülenHareket görülen{int(s.integer(0)), int(s.integer(1)),
                                              QDate::fromString(s.text(2), Qt::ISODate), s.real(3), s.real(4), 0};
        s.reset();
        ASSERT_EQ(hareket::stoğaİadeEt(*öteki, int(no), görülen, QDate(2026, 12, 20), görülen.miktar, true),
                  hareket::Sonuç::Tamam);
    }
    const int işaretlenen = işaretli();

    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    auto* yazdır = f.findChild<QPushButton*>("FaturaYazdırDüğmesi");
    yazdır->click();
    EXPECT_EQ(giden(), 0);
    ASSERT_EQ(mesajlar.sayı(), 1);
    EXPECT_EQ(mesajlar.sonMetin(), SatırlarDeğişmişMetni);
    // The tree is read again; the firm's node is selected while the firm is in it, else no node; nothing shown.
    EXPECT_EQ(ağaç->findItems("03.12.2026", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    QTreeWidgetItem* seçili = ağaç->currentItem();
    EXPECT_EQ(seçili ? seçili->text(0) : QString(), durum.firmaKalır ? "SINIR OTUZİKİ" : "");
    EXPECT_FALSE(f.gösterilenGün().has_value());
    for (const char* kutu : {"FirmaAdıKutusu", "VergiDairesiKutusu", "VergiNumarasıKutusu", "ToplamKutusu",
                             "KDVToplamıKutusu", "GenelToplamKutusu"})
        EXPECT_EQ(f.findChild<QLineEdit*>(kutu)->text(), "") << kutu;
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("AdresiKutusu")->toPlainText(), "");
    EXPECT_EQ(dynamic_cast<ListeGörünümü*>(f.findChild<QTableView*>("ÜrünListesi"))->satırSayısı(), 0);
    EXPECT_TRUE(f.faturaVerisi().satırlar.isEmpty());

    // The press the message asks for finds no lines: nothing is asked, printed or marked.
    auto ek2 = faturaBilgileri(QStringLiteral("A-18"));
    auto seçim2 = yazıcı();
    yazdır->click();
    EXPECT_FALSE(ek2->olduMu());
    EXPECT_EQ(kayıtlar_->sayı(), 1);
    EXPECT_EQ(işaretli(), işaretlenen);
    EXPECT_EQ(mesajlar.sayı(), 1);
}

INSTANTIATE_TEST_SUITE_P(BaşkaBilgisayarda, ReddedilenFatura,
                         ::testing::Values(KapananGün{"FaturalandiFirmaKalir", true, true},
                                           KapananGün{"FaturalandiFirmaGitti", true, false},
                                           KapananGün{"IadeFirmaKalir", false, true},
                                           KapananGün{"IadeFirmaGitti", false, false}),
                         [](const auto& bilgi) { return std::string(bilgi.param.ad); });

TEST_F(FaturaYazdırma, SatırYoksaVeyaYazıcıYoksaBaşlamaz)
{
    test::MesajYanıtlayıcı mesajlar;
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri(0)), FaturaSonucu::Yazdırılmadı);
    EXPECT_FALSE(İrsaliyeYazdır(&pencere_, düğme_, veri(0)));
    EXPECT_EQ(mesajlar.sayı(), 0);
    YazıcıVar = false;
    EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
    EXPECT_FALSE(İrsaliyeYazdır(&pencere_, düğme_, veri()));
    ASSERT_EQ(mesajlar.sayı(), 2);
    EXPECT_EQ(mesajlar.sonMetin(), YazıcıYokMetni);
    EXPECT_EQ(mesajlar.görülenler()[0].simge, mesaj::Simge::Ünlem);
    test::bekle([] { return false; }, 50);
    EXPECT_FALSE(ek->olduMu());
    EXPECT_TRUE(düğme_->isEnabled());
    EXPECT_EQ(kayıtlar_->sayı(), 0);
}

TEST_F(FaturaYazdırma, İrsaliyeYazdırılırAmaİşaretlemez)
{
    test::MesajYanıtlayıcı mesajlar;
    {
        auto ek = irsaliyeBilgileri();
        auto seçim = yazıcı();
        EXPECT_TRUE(İrsaliyeYazdır(&pencere_, düğme_, veri()));
    }
    ASSERT_EQ(kayıtlar_->sayı(), 1);
    EXPECT_TRUE(kayıtlar_->son().bitti());
    EXPECT_TRUE(kayıtlar_->son().metinBul(turkce::tarihBiçimi(QDate::currentDate())));
    EXPECT_TRUE(kayıtlar_->son().metinBul("ÖZKAN YAPI"));
    EXPECT_EQ(işaretli(), 0);
    düğmeKullanılabilir(true);

    // Esc in the details, or İptal at the printer: nothing printed.
    {
        test::Görününce ek("EkİrsaliyeBilgileriFormu", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        auto seçim = yazıcı();
        EXPECT_FALSE(İrsaliyeYazdır(&pencere_, düğme_, veri()));
        EXPECT_FALSE(seçim->olduMu());
    }
    {
        auto ek = irsaliyeBilgileri();
        auto seçim = yazıcı(false);
        EXPECT_FALSE(İrsaliyeYazdır(&pencere_, düğme_, veri()));
    }
    EXPECT_EQ(kayıtlar_->sayı(), 1);
    düğmeKullanılabilir(true);

    // Too many lines: dropped with the message.
    EXPECT_EQ(mesajlar.sayı(), 0);
    auto ek = irsaliyeBilgileri();
    auto seçim = yazıcı();
    EXPECT_FALSE(İrsaliyeYazdır(&pencere_, düğme_, veri(60)));
    EXPECT_TRUE(kayıtlar_->son().vazgeçildi());
    EXPECT_EQ(mesajlar.sonMetin(), SığmıyorMetni);
    düğmeKullanılabilir(true);
}

TEST_F(FaturaYazdırma, PdfYazıcısındaHerBlokKayıtlıKonumunda)
{
    test::MesajYanıtlayıcı mesajlar;
    kaydediciyeYönlendir(nullptr);
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    QString pdf;
    bool açılırkenKilitli = true;  // the viewer opens after the lock of the marking is let go
    kabuk::açıcıyıDeğiştir([&](const QUrl& u) {
        pdf = u.toLocalFile();
        açılırkenKilitli = AçıkVeritabanı->inTransaction();
        return true;
    });
    FaturaBoşKağıdaGöre = 1;
    ayarlar::yaz(FaturaBölümü, "YaziTipiAdi", "Liberation Sans");
    ayarlar::yaz(FaturaBölümü, "YaziTipiBoyutu", "10");
    // Positions away from the factory ones, one of them no number (its factory value stands).
    const QList<QPair<const char*, const char*>> kayıtlı = {
        {"Musteri Adi Ust", "60"}, {"Musteri Adi Sol", "30"}, {"Vergi Ust", "95"},  {"Vergi Sol", "40"},
        {"Tarih Ust", "50"},       {"Tarih Sol", "150"},      {"Icerik Ust", "125"}, {"Adi Sol", "45"},
        {"Miktar Sol", "100"},     {"Fiyat Sol", "135"},      {"Tutar Sol", "175"},  {"Rakam Ust", "240"},
        {"Rakam Sol", "180"},      {"Yazi Ust", "265"},       {"Yazi Sol", "25x"}};
    for (const auto& [anahtar, değer] : kayıtlı) ayarlar::yaz(FaturaBölümü, anahtar, değer);
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    ASSERT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırıldı);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_FALSE(açılırkenKilitli);
    EXPECT_EQ(QFileInfo(pdf).fileName(), "Fatura - ÖZKAN YAPI - 07.03.2026.pdf");

    const QList<test::PdfSözcüğü> sözcükler = test::pdfSözcükleri(pdf);
    auto bul = [&](const QString& m) -> test::PdfSözcüğü {
        for (const test::PdfSözcüğü& s : sözcükler)
            if (s.metin == m) return s;
        ADD_FAILURE() << "not in the PDF: " << m.toStdString();
        return {};
    };
    struct Blok {
        QString sözcük;
        double x, y;  // y < 0: not checked
        bool sağ;     // x is the right edge
    };
    const QList<Blok> bloklar = {
        {"A-17", 150, 50, false},     {"SAYIN", 30, 60, false},   {"KADIKÖY", 40, 95, false},
        {"Kodu", 15, 125, false},     {"Çivi", 45, -1, false},     {"3,00", 100, -1, false},
        {"12,50", 135, -1, true},     {"37,50", 175, -1, true},    {"112,50", 180, 240, true},
        {"132,75", 180, -1, true},    {"Yalnız", 30, 265, false},
    };
    for (const Blok& b : bloklar) {
        const test::PdfSözcüğü s = bul(b.sözcük);
        EXPECT_NEAR(b.sağ ? s.x + s.genişlik : s.x, b.x, 0.5) << b.sözcük.toStdString();
        if (b.y >= 0) {
            EXPECT_NEAR(s.y, b.y, 0.5) << b.sözcük.toStdString();
        }
    }
    EXPECT_EQ(bul(YazıyaÇevir("132,75")).y, bul("Yalnız").y);
    EXPECT_GT(bul("20,25").y, bul("112,50").y);
    EXPECT_EQ(işaretli(), 3);
}

TEST_F(FaturaYazdırma, FaturalamaPenceresindenYazdırılanGünAğaçtanÇıkar)
{
    test::MesajYanıtlayıcı mesajlar;
    FaturaYazdırFormu f;
    QTreeWidget* ağaç = günüGöster(f, "07.03.2026");
    auto ek = faturaBilgileri(QStringLiteral("A-17"));
    auto seçim = yazıcı();
    f.findChild<QPushButton*>("FaturaYazdırDüğmesi")->click();
    ASSERT_EQ(kayıtlar_->sayı(), 1);
    EXPECT_TRUE(kayıtlar_->son().metinBul("07.03.2026"));
    EXPECT_EQ(işaretli(), 3);
    EXPECT_TRUE(ağaç->findItems("07.03.2026", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    EXPECT_EQ(ağaç->findItems("08.03.2026", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
}

namespace {

// The invoice on the paper printers of a print server of the tests' own.
class KağıtFaturası : public test::BaskıSunucululuSınama<FaturaYazdırma, test::BaskıSunucusu> {
protected:
    void SetUp() override
    {
        BaskıSunucululuSınama::SetUp();
        kaydediciyeYönlendir(nullptr);
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{
            {"Kabul", {}, {210, 297}, true}, {"Durmuş", {}, {210, 297}, false}, {"Red", {}, {210, 297}, false}});
    }
    // Prints the invoice of 7 March.
    FaturaSonucu yazdır()
    {
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        return FaturaYazdır(&pencere_, düğme_, veri());
    }
};

}  // namespace

TEST_F(KağıtFaturası, FaturaYalnızSunucuAlıncaİşaretlenir)
{
    // A queue that accepts no jobs: nothing is marked, and the user is told which printer and why.
    geçerliYazıcıyıDeğiştir(QStringLiteral("Red"));
    {
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        EXPECT_EQ(yazdır(), FaturaSonucu::Yazdırılmadı);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains("Belge yazıcıya gönderilemedi: Red\n\nYazıcı şu anda iş kabul etmiyor."))
            << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(işaretli(), 0);
        EXPECT_TRUE(baskı_->işler().isEmpty());
    }

    // Marks the database refuses: the job made for the invoice is cancelled before it has a page.
    geçerliYazıcıyıDeğiştir(QStringLiteral("Kabul"));
    AçıkVeritabanı->execScript(
        QStringLiteral("CREATE TRIGGER Kilit BEFORE UPDATE OF Fatura ON CikisIslemleriTablosu BEGIN "
                       "SELECT RAISE(ABORT, 'kilitli'); END"));
    {
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        EXPECT_EQ(yazdır(), FaturaSonucu::Yazdırılmadı);
        EXPECT_TRUE(mesajlar.sonMetin().contains("kilitli")) << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(işaretli(), 0);
        const auto işler = baskı_->işler();
        ASSERT_EQ(işler.size(), 1);
        EXPECT_EQ(baskı_->bitmesiniBekle(işler[0].numara), 7);  // cancelled
    }
    AçıkVeritabanı->execScript("DROP TRIGGER Kilit");

    // The commit fails (a constraint checked only then) once the document is in the job of a paused
    // printer: the job is cancelled before it prints, nothing is marked, and the database's error is told.
    AçıkVeritabanı->execScript(
        "CREATE TABLE Ana (No INTEGER PRIMARY KEY);"
        "CREATE TABLE Bağlı (AnaNo INTEGER REFERENCES Ana (No) DEFERRABLE INITIALLY DEFERRED);"
        "CREATE TRIGGER Bağla AFTER UPDATE OF Fatura ON CikisIslemleriTablosu BEGIN INSERT INTO Bağlı VALUES (7); END;"
        "PRAGMA foreign_keys = 1;");
    geçerliYazıcıyıDeğiştir(QStringLiteral("Durmuş"));
    {
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        EXPECT_EQ(yazdır(), FaturaSonucu::Yazdırılmadı);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains("FOREIGN KEY")) << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(işaretli(), 0);
        const auto işler = baskı_->işler();
        ASSERT_EQ(işler.size(), 2);
        EXPECT_EQ(işler[1].kuyruk, "Durmuş");
        EXPECT_EQ(baskı_->bitmesiniBekle(işler[1].numara), 7);  // cancelled
    }
    AçıkVeritabanı->execScript("DROP TRIGGER Bağla");
    geçerliYazıcıyıDeğiştir(QStringLiteral("Kabul"));

    // Taken by the server: the job holds the invoice, and its lines are marked.
    test::MesajYanıtlayıcı mesajlar;
    EXPECT_EQ(yazdır(), FaturaSonucu::Yazdırıldı);
    EXPECT_EQ(mesajlar.sayı(), 0);
    EXPECT_EQ(işaretli(), 3);
    const auto işler = baskı_->işler();
    ASSERT_EQ(işler.size(), 3);
    EXPECT_EQ(işler[2].ad, "Fatura - ÖZKAN YAPI - 07.03.2026");
    ASSERT_EQ(baskı_->bitmesiniBekle(işler[2].numara), 9);  // printed
    QStringList sözcükler;
    for (const test::PdfSözcüğü& s : test::pdfSözcükleri(baskı_->çıktı("Kabul"))) sözcükler << s.metin;
    EXPECT_TRUE(sözcükler.contains("A-17") && sözcükler.contains("Çivi")) << sözcükler.join(' ').toStdString();
}

// A printer chosen in the printer window, then deleted from the server or the server stopped before
// Tamam: the print goes nowhere (no job, no PDF), nothing is marked, the user is told, and the current
// printer stays.
TEST_F(KağıtFaturası, SeçilenYazıcıGittiyseHiçbirYereBasılmaz)
{
    test::BaskıSunucusu yerel;  // stopped for good below
    ASSERT_TRUE(yerel.hazır()) << yerel.hata().toStdString();
    sistemYazıcılarınıDeğiştir(std::nullopt);
    ASSERT_TRUE(geçerliYazıcıyıDeğiştir(QStringLiteral("Kabul")));
    struct Durum {
        QString yazıcı;
        std::function<void()> boz;
        QString neden;
    };
    const QList<Durum> durumlar = {
        {"Silinecek", [&] { ASSERT_TRUE(yerel.kuyruğuSil(QStringLiteral("Silinecek"))); },
         "Yazıcı, yazdırma sunucusunda bulunamadı."},
        {"Red", [&] { yerel.kapat(); }, "Yazdırma sunucusuna ulaşılamıyor."},
    };
    const auto belgeler = [] { return QDir(kabuk::belgeKlasörü()).entryList(QDir::Files | QDir::Hidden); };
    const QStringList önceki = belgeler();
    for (const Durum& d : durumlar) {
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        test::Görününce seçim("YazıcıSeçmeFormu", [&](QWidget* w) {
            auto* kutu = w->findChild<QComboBox*>("YazıcıAdlarıKutusu");
            kutu->setCurrentIndex(kutu->findText(d.yazıcı));
            ASSERT_EQ(kutu->currentText(), d.yazıcı);
            d.boz();
            w->findChild<QPushButton*>("TamamDüğmesi")->click();
        });
        EXPECT_EQ(FaturaYazdır(&pencere_, düğme_, veri()), FaturaSonucu::Yazdırılmadı);
        ASSERT_EQ(mesajlar.sayı(), 1);
        EXPECT_TRUE(mesajlar.sonMetin().contains("Belge yazıcıya gönderilemedi: " + d.yazıcı + "\n\n" + d.neden))
            << mesajlar.sonMetin().toStdString();
        EXPECT_EQ(işaretli(), 0);
        EXPECT_EQ(geçerliYazıcı().ad, "Kabul");
        EXPECT_EQ(belgeler(), önceki);
        düğmeKullanılabilir(true);
        if (d.yazıcı == "Silinecek") {
            EXPECT_TRUE(yerel.işler().isEmpty());
        }
    }
    cupsSetServer(baskı_->adres().toUtf8().constData());  // the suite's own server again
}

namespace {

// The invoice on a print server that limps once the job exists; the program gives up on it after a second
// of silence.
class AksakFatura : public test::BaskıSunucululuSınama<FaturaYazdırma, test::AksakBaskıSunucusu> {
protected:
    void SetUp() override
    {
        BaskıSunucululuSınama::SetUp();
        baskı_->hepsiniYanıtla();
        kaydediciyeYönlendir(nullptr);
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{"Aksak", {}, {210, 297}, true}});
        sunucuSüresiniDeğiştir(1000);
    }
    void TearDown() override
    {
        baskı_->gelince(nullptr);
        parolaSorucusunuDeğiştir({});
        sunucuSüresiniDeğiştir(std::nullopt);
        FaturaYazdırma::TearDown();
    }
    FaturaSonucu yazdır(const FaturaVerisi& v)
    {
        auto ek = faturaBilgileri(QStringLiteral("A-17"));
        auto seçim = yazıcı();
        return FaturaYazdır(&pencere_, düğme_, v);
    }
    static int sonDurum()
    {
        const auto işler = baskı_->işler();
        return işler.isEmpty() ? 0 : işler.last().durum;
    }
};

}  // namespace

// While the program waits on the print server, the database is free: another workstation reads and saves
// at once, however slow the server. The job is released only once the marks are committed, and a reprint
// holds no lock while its job is made and released. The wait cursor shows meanwhile, and the program's
// event loop goes on: a server that takes 0.6 s over each request never stops it for long.
TEST_F(AksakFatura, SunucuBeklenirkenVeritabanıSerbesttir)
{
    const auto öteki = platform::Database::open(sunucu_->veritabanıYolu());
    öteki->setBusyTimeout(0);
    struct Gözlem {
        ipp_op_t işlem;
        int işaretli;
        bool kaydetti;
        bool beklemeİmleci;
        bool operator==(const Gözlem&) const = default;
    };
    QList<Gözlem> gözlemler;
    std::mutex kilit;
    std::atomic<bool> yavaş = true;
    baskı_->gelince([&](ipp_op_t işlem) {
        Gözlem g{işlem, -1, false, false};
        try {
            g.işaretli = öteki->scalar("SELECT count(*) FROM CikisIslemleriTablosu WHERE Fatura <> 0").toInt();
            öteki->exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES ('B')");
            g.kaydetti = true;
        } catch (const platform::DbError&) {
        }
        // The test's thread waits in the request meanwhile.
        const QCursor* imleç = QGuiApplication::overrideCursor();
        g.beklemeİmleci = imleç && imleç->shape() == Qt::WaitCursor;
        {
            const std::lock_guard k(kilit);
            gözlemler << g;
        }
        if (yavaş) std::this_thread::sleep_for(std::chrono::milliseconds(600));
    });
    test::MesajYanıtlayıcı mesajlar;
    QElapsedTimer saat;
    qint64 sonTık = 0, enUzunDuruş = 0;
    QTimer tıklayan;
    QObject::connect(&tıklayan, &QTimer::timeout, [&] {
        enUzunDuruş = std::max(enUzunDuruş, saat.elapsed() - sonTık);
        sonTık = saat.elapsed();
    });
    tıklayan.start(10);
    saat.start();
    EXPECT_EQ(yazdır(veri()), FaturaSonucu::Yazdırıldı);
    tıklayan.stop();
    enUzunDuruş = std::max(enUzunDuruş, saat.elapsed() - sonTık);
    yavaş = false;
    EXPECT_GE(saat.elapsed(), 4 * 600);
    EXPECT_LT(enUzunDuruş, 400);
    EXPECT_EQ(gözlemler, (QList<Gözlem>{{IPP_OP_CREATE_JOB, 0, true, true},
                                        {IPP_OP_SEND_DOCUMENT, 0, true, true},
                                        {IPP_OP_GET_JOB_ATTRIBUTES, 0, true, true},
                                        {IPP_OP_RELEASE_JOB, 3, true, true}}));
    EXPECT_EQ(sonDurum(), 9);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    gözlemler.clear();
    FaturaVerisi yeniden = veri();
    yeniden.yazdırılanlar = true;
    EXPECT_EQ(yazdır(yeniden), FaturaSonucu::Yazdırıldı);
    EXPECT_EQ(gözlemler, (QList<Gözlem>{{IPP_OP_CREATE_JOB, 3, true, true},
                                        {IPP_OP_SEND_DOCUMENT, 3, true, true},
                                        {IPP_OP_GET_JOB_ATTRIBUTES, 3, true, true},
                                        {IPP_OP_RELEASE_JOB, 3, true, true}}));
    EXPECT_EQ(mesajlar.sayı(), 0);
}

// A server that refuses, stays silent or cuts the connection: before the commit nothing is marked, and the
// job is cancelled; after it, the exits stay marked and the user is told that the invoice did not go out
// and where to print it again. The cause is the server's own answer, or that it gave none. A release
// whose answer is lost counts as printed when the job's state, asked first, says that it is printing or
// printed (it is never cancelled then); when the server no longer knows the job or answers nothing more,
// the user is told that the invoice may still print. The program told to end during the wait (SIGTERM)
// ends once the user has answered the message, which stays open until then.
TEST_F(AksakFatura, AksayanSunucudaFaturaBasılmışSayılmaz)
{
    using D = test::AksakBaskıSunucusu::Davranış;
    struct Aksama {
        ipp_op_t işlem;
        D davranış;
        QString neden;  // empty: printed, with no message
        ipp_status_t durum = IPP_STATUS_ERROR_NOT_POSSIBLE;
        int sonDurum = 7;  // the job's state afterwards: cancelled
        bool belirsiz = false;  // told as an invoice that may still print
        std::optional<ipp_op_t> sonraSusan = std::nullopt;  // a request silent once the release comes
        test::AksakBaskıSunucusu::YazıcıAyarı yazıcı = {};  // the state a released job takes, the job history
        int iptalde = 0;  // the state the job has moved on to when its cancel comes (the release overtook it)
        int salınınca = 0;  // ... when the release comes (someone else released it)
        int sorulunca = 0;  // ... when its state is asked after the release (aborted, cancelled at the server)
        bool parolalı = false;  // the release wants a password, which the user does not give
        bool sigterm = false;  // SIGTERM given once the server has the document
    };
    const QString reddetti = QStringLiteral("Yazdırma sunucusunun yanıtı: client-error-not-possible");
    const QList<Aksama> aksamalar = {
        {IPP_OP_SEND_DOCUMENT, D::Reddet, reddetti},
        {IPP_OP_SEND_DOCUMENT, D::Sus, SunucuYanıtVermediMetni},
        {IPP_OP_SEND_DOCUMENT, D::Sus, SunucuYanıtVermediMetni, IPP_STATUS_ERROR_NOT_POSSIBLE, 7, false, std::nullopt,
         {}, 0, 0, 0, false, true},
        {IPP_OP_SEND_DOCUMENT, D::BağlantıyıKes, BağlantıKoptuMetni},
        {IPP_OP_SEND_DOCUMENT, D::Damla, SunucuYanıtVermediMetni},  // an answer trickling in past the limit
        {IPP_OP_RELEASE_JOB, D::Reddet, reddetti},
        {IPP_OP_RELEASE_JOB, D::Reddet, İşBulunamadıMetni, IPP_STATUS_ERROR_NOT_FOUND},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, BağlantıKoptuMetni},
        // The release's answer in pieces, its body after its headers: printed.
        {IPP_OP_RELEASE_JOB, D::Parçalı, QString(), IPP_STATUS_ERROR_NOT_POSSIBLE, 9},
        // The release went out, but its answer came too late: the job's state says that it printed, or is
        // printing (never cancelled then); when the server no longer knows the job or answers nothing more,
        // the invoice may still print.
        {IPP_OP_RELEASE_JOB, D::Sus, QString(), IPP_STATUS_ERROR_NOT_POSSIBLE, 9},
        {IPP_OP_RELEASE_JOB, D::Sus, QString(), IPP_STATUS_ERROR_NOT_POSSIBLE, 5, false, std::nullopt, {.salınanİş = 5}},
        {IPP_OP_RELEASE_JOB, D::Sus, İşBulunamadıMetni, IPP_STATUS_ERROR_NOT_POSSIBLE, 9, true, std::nullopt,
         {.geçmişYok = true}},
        {IPP_OP_RELEASE_JOB, D::Sus, SunucuYanıtVermediMetni, IPP_STATUS_ERROR_NOT_POSSIBLE, 9, true,
         IPP_OP_GET_JOB_ATTRIBUTES},
        // Found held, and then cancelled once the late release had set it printing: it may have printed.
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, QStringLiteral("Yazdırma işi, iptal edilmeden önce yazdırılmaya başlamıştı."),
         IPP_STATUS_ERROR_NOT_POSSIBLE, 7, true, std::nullopt, {}, 5},
        // Aborted by a printer that failed once it had taken the data: it may have printed.
        {IPP_OP_RELEASE_JOB, D::Sus, DurdurulmadanÖnceBaşlamıştıMetni, IPP_STATUS_ERROR_NOT_POSSIBLE, 8, true,
         std::nullopt, {.salınanİş = 5}, 0, 0, 8},
        // Refused as not held, someone else having released it meanwhile: printed, and never cancelled.
        {IPP_OP_RELEASE_JOB, D::Reddet, QString(), IPP_STATUS_ERROR_NOT_POSSIBLE, 9, false, std::nullopt, {}, 0, 9},
        // The release wants a password that the user does not give: the invoice did not go, and the message
        // names the printer and the cause.
        {IPP_OP_RELEASE_JOB, D::Yanıtla, ParolaGerekiyorMetni, IPP_STATUS_ERROR_NOT_POSSIBLE, 7, false, std::nullopt,
         {}, 0, 0, 0, true},
    };
    for (const Aksama& a : aksamalar) {
        SCOPED_TRACE(testing::Message() << ippOpString(a.işlem) << " " << int(a.davranış) << " " << a.sonDurum);
        AçıkVeritabanı->exec("UPDATE CikisIslemleriTablosu SET Fatura = 0");
        baskı_->hepsiniYanıtla();
        baskı_->yazıcı(a.yazıcı);
        baskı_->davranış(a.işlem, a.davranış, a.durum, 3000, 2000);
        test::AksakBaskıSunucusu::Parola parola;
        parola.kullanıcı = QStringLiteral("muhasebe");
        parola.parola = QStringLiteral("gizli");
        parola.işlemler = {IPP_OP_RELEASE_JOB};
        baskı_->parolaİste(a.parolalı ? parola : test::AksakBaskıSunucusu::Parola{});
        parolaSorucusunuDeğiştir([](ParolaSorusu&) -> std::optional<QString> { return std::nullopt; });
        bool salındı = false;
        baskı_->gelince([&](ipp_op_t işlem) {
            if (işlem == IPP_OP_RELEASE_JOB) {
                salındı = true;
                if (a.sonraSusan) baskı_->davranış(*a.sonraSusan, D::Sus, a.durum, 3000);
                if (a.salınınca) baskı_->sonİşinDurumu(a.salınınca);
            }
            if (işlem == IPP_OP_CANCEL_JOB && a.iptalde) baskı_->sonİşinDurumu(a.iptalde);
            if (işlem == IPP_OP_GET_JOB_ATTRIBUTES && salındı && a.sorulunca) baskı_->sonİşinDurumu(a.sorulunca);
            if (işlem == IPP_OP_SEND_DOCUMENT && a.sigterm) {
                QMetaObject::invokeMethod(qApp, [] { ::raise(SIGTERM); }, Qt::QueuedConnection);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            }
        });
        const qsizetype işler = baskı_->işler().size();
        if (a.sigterm) {
            // In the program's event loop, which the end ends; the message answered "Evet" a second after
            // it opened, if it is still open then.
            program::sonlandırmaSinyaliniAl();
            QString görülen;
            bool açıkKaldı = false;
            test::Görününce mesajı("MesajKutusu", [&](QWidget* w) {
                görülen = qobject_cast<QMessageBox*>(w)->text();
                QTimer::singleShot(1000, w, [&, w] {
                    açıkKaldı = w->isVisible();
                    w->findChild<QPushButton*>("Evet")->click();
                });
            });
            std::optional<FaturaSonucu> sonuç;
            QTimer::singleShot(0, [&] {
                try {
                    sonuç = yazdır(veri());
                } catch (const test::ProgramBitti&) {  // the message closed unanswered counts as "Hayır"
                }
            });
            QTimer takılma;
            QObject::connect(&takılma, &QTimer::timeout, [] { QCoreApplication::exit(2); });
            takılma.start(10000);
            EXPECT_EQ(QCoreApplication::exec(), 0);
            ::signal(SIGTERM, SIG_DFL);
            EXPECT_TRUE(açıkKaldı);
            EXPECT_TRUE(görülen.contains("Belge yazıcıya gönderilemedi: Aksak\n\n" + a.neden)) << görülen.toStdString();
            EXPECT_EQ(sonuç, FaturaSonucu::Yazdırılmadı);
            EXPECT_FALSE(pencere_.isVisible());
            EXPECT_EQ(işaretli(), 0);
            EXPECT_EQ(sonDurum(), a.sonDurum);
            pencere_.show();
            continue;
        }
        test::MesajYanıtlayıcı mesajlar({QStringLiteral("Evet")});
        const bool işaretlenir = a.işlem == IPP_OP_RELEASE_JOB;
        const FaturaSonucu sonuç = a.neden.isEmpty() ? FaturaSonucu::Yazdırıldı
                                   : işaretlenir     ? FaturaSonucu::İşaretlendi
                                                     : FaturaSonucu::Yazdırılmadı;
        EXPECT_EQ(yazdır(veri()), sonuç);
        EXPECT_EQ(işaretli(), işaretlenir ? 3 : 0);
        EXPECT_EQ(baskı_->işler().size(), işler + 1);
        EXPECT_EQ(sonDurum(), a.sonDurum);
        if (a.neden.isEmpty()) {
            EXPECT_EQ(mesajlar.sayı(), 0);
            continue;
        }
        ASSERT_EQ(mesajlar.sayı(), 1);
        if (a.belirsiz)
            EXPECT_EQ(mesajlar.sonMetin(), DoğrulanamadıMetni.arg(QStringLiteral("Aksak"), a.neden));
        else if (işaretlenir)
            EXPECT_EQ(mesajlar.sonMetin(), GönderilemediMetni.arg(QStringLiteral("Aksak"), a.neden));
        else
            EXPECT_TRUE(mesajlar.sonMetin().contains("Belge yazıcıya gönderilemedi: Aksak\n\n" + a.neden))
                << mesajlar.sonMetin().toStdString();
    }
}
