#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/Mesaj.h"
#include "platform/ProgramSonu.h"
#include "platform/TurkceMetin.h"
#include "platform/YazdirmaSunucusu.h"
#include "platform/YaziciBelgesi.h"
#include "platform/YaziciKaydedici.h"
#include "platform/YaziciParolasiFormu.h"
#include "platform/Yazicilar.h"
#include "support/AksakBaskiSunucusu.h"
#include "support/BaskiSunucusu.h"
#include "support/Ortam.h"
#include "support/PencereOrtami.h"
#include "support/PdfOkuyucu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <limits>
#include <thread>
#include <tuple>

#include <cups/cups.h>

using namespace yazdırma;
using test::PdfSözcüğü;
using test::pdfSözcükleri;

namespace {

// A small list page: a centred, bold, underlined title; a header row whose cells follow each other on the
// line; two rows; a rule; and a second page with a running title and a page number.
void örnekSayfaÇiz(YazıcıYüzeyi& s)
{
    s.setYazıTipiBoyutu(14);
    s.setKalın(true);
    s.setAltıÇizili(true);
    s.setY(15);
    s.setX((s.sayfaGenişliği() - s.metinGenişliği("Stok Listesi")) / 2);
    s.yaz("Stok Listesi");
    s.setYazıTipiBoyutu(9);
    s.setY(s.y() + 5);
    s.setX(15);
    s.yaz("Kodu", Satır::Sürdür);
    s.setX(40);
    s.yaz("Adı", Satır::Sürdür);
    s.setX(120 - s.metinGenişliği("Miktar"));
    s.yaz("Miktar");
    s.setYazıTipiBoyutu(8);
    s.setKalın(false);
    s.setAltıÇizili(false);
    s.setY(s.y() + 1);
    s.setX(15);
    s.yaz("A-100", Satır::Sürdür);
    s.setX(40);
    s.yaz("Çivi ışık", Satır::Sürdür);
    s.setX(120 - s.metinGenişliği("1.234,50"));
    s.yaz("1.234,50");
    s.çizgi(10, 60, 200, 60);
    s.yeniSayfa();
    s.setY(5);
    s.setX(10);
    s.yaz("Stok Listesi", Satır::Sürdür);
    s.setX(s.sayfaGenişliği() - (s.metinGenişliği("Sayfa - 2") + 10));
    s.yaz("Sayfa - 2");
    s.çizgi(10, 10, s.sayfaGenişliği() - 10, 10);
    s.setY(15);
    s.setX(15);
    s.yaz("B-7");
    s.bitir();
}

// Ends the document: the text of the error that stopped it, empty when it went out.
QString bitirHatası(YazıcıYüzeyi& belge)
{
    try {
        belge.bitir();
    } catch (const YazdırmaHatası& h) {
        return h.metin();
    }
    return {};
}

// How many of the recorded texts stand in the PDF where the recorder put them (their first word, within
// half a millimetre); the PDF must hold every one of them.
int yerindeOlanlar(const QString& pdf, const KaydedilenBelge& kayıt)
{
    const QList<PdfSözcüğü> sözcükler = pdfSözcükleri(pdf);
    EXPECT_FALSE(sözcükler.isEmpty()) << "pdftotext found no text in " << pdf.toStdString();
    int bulunan = 0;
    for (const YazıcıÇağrısı& m : kayıt.metinler()) {
        const QString ilk = m.metin.section(QLatin1Char(' '), 0, 0);
        const PdfSözcüğü* s = nullptr;
        for (const PdfSözcüğü& p : sözcükler)
            if (p.sayfa == m.sayfa && p.metin == ilk && std::abs(p.y - m.y) < 2) s = &p;
        EXPECT_TRUE(s) << m.metin.toStdString() << " on page " << m.sayfa;
        if (!s) continue;
        EXPECT_NEAR(s->x, m.x, 0.5) << m.metin.toStdString();
        EXPECT_NEAR(s->y, m.y, 0.5) << m.metin.toStdString();
        if (ilk == m.metin) {
            EXPECT_NEAR(s->genişlik, m.genişlik, 0.5) << m.metin.toStdString();
        }
        ++bulunan;
    }
    int sayfalar = 0;
    for (const PdfSözcüğü& p : sözcükler) sayfalar = std::max(sayfalar, p.sayfa);
    EXPECT_EQ(sayfalar, kayıt.sayfaSayısı());
    return bulunan;
}

class Yazdırma : public ::testing::Test {
protected:
    void SetUp() override
    {
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{});
        kaydediciyeYönlendir(nullptr);
        QDir(kabuk::belgeKlasörü()).removeRecursively();
    }
    void TearDown() override
    {
        sistemYazıcılarınıDeğiştir(std::nullopt);
        kaydediciyeYönlendir(nullptr);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        kabuk::işleyiciDenetiminiDeğiştir([](const QString&) { return true; });
    }
};

}  // namespace

TEST_F(Yazdırma, KaydediciKonumlarıVeSayfaSonunuTutar)
{
    YazıcıKaydedici k(210, 297);
    örnekSayfaÇiz(k);
    const KaydedilenBelge& b = k.belge();
    ASSERT_EQ(b.sayfaSayısı(), 2);
    EXPECT_TRUE(b.bitti());
    EXPECT_FALSE(b.vazgeçildi());

    const YazıcıÇağrısı* başlık = b.metinBul("Stok Listesi");
    ASSERT_TRUE(başlık);
    EXPECT_EQ(başlık->sayfa, 1);
    EXPECT_NEAR(başlık->x + başlık->genişlik / 2, 105, 1e-9);  // centred
    EXPECT_DOUBLE_EQ(başlık->y, 15);
    EXPECT_EQ(başlık->yazıTipi, (YazıTipi{QStringLiteral("Liberation Sans"), 14, true, true}));

    // Ending a line goes down by one line of the font; staying on it moves right by the text's width.
    const YazıcıÇağrısı* kodu = b.metinBul("Kodu");
    ASSERT_TRUE(kodu);
    EXPECT_GT(başlık->genişlik, 20);
    YazıcıKaydedici ölçü;
    ölçü.setYazıTipi(başlık->yazıTipi);
    EXPECT_NEAR(kodu->y, 15 + ölçü.metinYüksekliği() + 5, 1e-9);
    EXPECT_DOUBLE_EQ(kodu->x, 15);
    const YazıcıÇağrısı* miktar = b.metinBul("Miktar");
    EXPECT_NEAR(miktar->x + miktar->genişlik, 120, 1e-9);
    EXPECT_EQ(miktar->yazıTipi.boyut, 9);
    const YazıcıÇağrısı* satır = b.metinBul("A-100");
    EXPECT_GT(satır->y, kodu->y + 3);
    EXPECT_FALSE(satır->yazıTipi.kalın);

    ASSERT_EQ(b.çizgiler(1).size(), 1);
    EXPECT_DOUBLE_EQ(b.çizgiler(1)[0].x2, 200);
    EXPECT_DOUBLE_EQ(b.çizgiler(1)[0].y, 60);

    // Page 2 starts at the top-left corner with its own texts.
    const QList<YazıcıÇağrısı> ikinci = b.metinler(2);
    ASSERT_EQ(ikinci.size(), 3);
    EXPECT_EQ(ikinci[1].metin, "Sayfa - 2");
    EXPECT_NEAR(ikinci[1].x + ikinci[1].genişlik, 200, 1e-9);
    EXPECT_EQ(ikinci[2].metin, "B-7");
    EXPECT_EQ(b.çizgiler(2).size(), 1);
    EXPECT_EQ(k.sayfaNo(), 2);
    const auto sayfaSonu = std::find_if(b.çağrılar.begin(), b.çağrılar.end(),
                                        [](const YazıcıÇağrısı& ç) { return ç.tür == YazıcıÇağrısı::Tür::YeniSayfa; });
    ASSERT_NE(sayfaSonu, b.çağrılar.end());
    EXPECT_EQ((sayfaSonu + 1)->tür, YazıcıÇağrısı::Tür::Metin);
    EXPECT_EQ((sayfaSonu + 1)->sayfa, 2);

    // After the end nothing more is recorded.
    const auto sayı = b.çağrılar.size();
    k.yaz("sonra");
    k.yeniSayfa();
    k.vazgeç();
    EXPECT_EQ(b.çağrılar.size(), sayı);
}

TEST_F(Yazdırma, KonumlarYazıTipiDeğişseDeOkunsaDaOkunmasaDaAynıdır)
{
    const YazıTipi kalın{QStringLiteral("Liberation Sans"), 12, true, false};
    const YazıTipi ince{QStringLiteral("Liberation Sans"), 8, false, false};
    auto genişlik = [](const YazıTipi& t, const QString& m) {
        YazıcıKaydedici ölçü;
        ölçü.setYazıTipi(t);
        return ölçü.metinGenişliği(m);
    };
    YazıcıKaydedici ölçü;
    ölçü.setYazıTipi(kalın);
    const double kalınSatır = ölçü.metinYüksekliği();

    YazıcıKaydedici k;
    k.setYazıTipi(kalın);
    k.setX(10);
    k.setY(20);
    k.yaz("Kodu", Satır::Sürdür);
    k.setYazıTipi(ince);  // the next text starts after "Kodu" as wide as it was printed
    k.yaz("Adı", Satır::Sürdür);
    const double okunan = k.x();
    k.setY(30);  // X stays
    k.yaz("Miktar", Satır::Sürdür);
    k.setX(50);  // X given: the width of "Miktar" plays no part
    k.setYazıTipi(kalın);
    k.yaz("Birim");
    k.setYazıTipi(ince);
    k.yaz("Son", Satır::Sürdür);  // the line ended in the bold font
    k.yaz("x", Satır::Sürdür);
    k.setKalın(true);
    const double sonX = k.x();

    const double adıX = 10 + genişlik(kalın, "Kodu");
    EXPECT_DOUBLE_EQ(okunan, adıX + genişlik(ince, "Adı"));
    EXPECT_DOUBLE_EQ(sonX, genişlik(ince, "Son") + genişlik(ince, "x"));
    const QList<YazıcıÇağrısı> m = k.belge().metinler();
    ASSERT_EQ(m.size(), 6);
    const QList<std::tuple<QString, double, double>> beklenen = {
        {"Kodu", 10, 20}, {"Adı", adıX, 20}, {"Miktar", okunan, 30}, {"Birim", 50, 30},
        {"Son", 0, 30 + kalınSatır}, {"x", genişlik(ince, "Son"), 30 + kalınSatır}};
    for (int i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].metin, std::get<0>(beklenen[i]));
        EXPECT_DOUBLE_EQ(m[i].x, std::get<1>(beklenen[i])) << i;
        EXPECT_DOUBLE_EQ(m[i].y, std::get<2>(beklenen[i])) << i;
    }
}

TEST_F(Yazdırma, MetinGenişliğiYazıTipininÖlçtüğüdür)
{
    // The surface measures at 1200 dots per inch; so does this image.
    QImage ölçüYeri(1, 1, QImage::Format_Mono);
    ölçüYeri.setDotsPerMeterX(47244);
    ölçüYeri.setDotsPerMeterY(47244);
    ASSERT_EQ(ölçüYeri.logicalDpiY(), 1200);
    for (const YazıTipi& t : {YazıTipi{QStringLiteral("Liberation Sans"), 8, false, false},
                              YazıTipi{QStringLiteral("Liberation Sans"), 9, true, true},
                              YazıTipi{QStringLiteral("DejaVu Sans"), 11, false, false},
                              YazıTipi{QStringLiteral("Liberation Serif"), 10, true, false}}) {
        YazıcıKaydedici k;
        k.setYazıTipi(t);
        const QFontMetricsF ölçü(YazıcıYüzeyi::qtYazıTipi(t), &ölçüYeri);
        QStringList metinler = {"1.234.567,89", "-0,01", "10", "7", "1,1", "11.111", "--", "Sayfa - 12", "AVAVA 1",
                                "Toplam", "1 234", "12a"};
        for (int i = 0; i < 500; ++i) metinler << turkce::tutarBiçimi(i * 4321.987 - 90000) << QString::number(i * 37);
        for (const QString& m : metinler)
            EXPECT_EQ(k.metinGenişliği(m), ölçü.horizontalAdvance(m) / (1200 / 25.4))
                << m.toStdString() << " " << t.ad.toStdString() << " " << t.boyut;
    }
}

TEST_F(Yazdırma, PdfYazıcısıAynıSayfayıAynıYerlereYazar)
{
    QString açılan;
    kabuk::açıcıyıDeğiştir([&](const QUrl& u) {
        açılan = u.toLocalFile();
        return true;
    });
    ASSERT_TRUE(geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı));
    auto belge = belgeAç(QStringLiteral("Stok Listesi"));
    örnekSayfaÇiz(*belge);
    ASSERT_FALSE(açılan.isEmpty()) << "the PDF was not opened";
    EXPECT_EQ(QFileInfo(açılan).absolutePath(), QFileInfo(kabuk::belgeKlasörü()).absoluteFilePath());
    EXPECT_EQ(QFileInfo(açılan).fileName(), "Stok Listesi.pdf");

    YazıcıKaydedici k(belge->sayfaGenişliği(), belge->sayfaYüksekliği());
    örnekSayfaÇiz(k);
    EXPECT_EQ(yerindeOlanlar(açılan, k.belge()), 10);

    // A second document of the same name does not overwrite the first.
    auto ikinci = belgeAç(QStringLiteral("Stok Listesi"));
    ikinci->yaz("x");
    ikinci->bitir();
    EXPECT_EQ(QFileInfo(açılan).fileName(), "Stok Listesi (2).pdf");
    EXPECT_TRUE(QFile::exists(kabuk::belgeKlasörü() + "/Stok Listesi.pdf"));

    // Ended in steps: hazırla() writes the file whole, but under a hidden name, and gönder() leaves it
    // there; göster() gives it its name and opens it, once. Taken back before that, it leaves nothing.
    const QString üçüncüAd = kabuk::belgeKlasörü() + "/Stok Listesi (3).pdf";
    const auto dosyalar = [] { return QDir(kabuk::belgeKlasörü()).entryList(QDir::Files | QDir::Hidden).size(); };
    for (const bool gösterilir : {false, true}) {
        açılan.clear();
        auto üçüncü = belgeAç(QStringLiteral("Stok Listesi"));
        üçüncü->yaz("x");
        üçüncü->hazırla();
        EXPECT_EQ(dosyalar(), 3);
        üçüncü->gönder();
        EXPECT_EQ(açılan, "");
        EXPECT_FALSE(QFile::exists(üçüncüAd));
        EXPECT_EQ(dosyalar(), 3);
        if (!gösterilir) {
            EXPECT_TRUE(üçüncü->vazgeç());
            EXPECT_EQ(dosyalar(), 2);
            üçüncü->göster();
            EXPECT_EQ(açılan, "");
            continue;
        }
        üçüncü->göster();
        EXPECT_EQ(açılan, üçüncüAd);
        açılan.clear();
        üçüncü->göster();
        EXPECT_FALSE(üçüncü->vazgeç());
        üçüncü->bitir();
        EXPECT_EQ(açılan, "");
        EXPECT_GT(QFileInfo(üçüncüAd).size(), 0);
        EXPECT_EQ(dosyalar(), 3);
    }
}

// A PDF that cannot be written whole is not left behind, under its name or another: a full disk at the
// start or in the middle, no permission. The message names the file and the cause.
TEST_F(Yazdırma, YazılamayanPdfHiçDosyaBırakmaz)
{
    int açılış = 0;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) { return ++açılış, true; });
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    // The last: every write goes through, and the share tells of the failure only at the close.
    struct Sınırı {
        dosya::YazmaSınırı sınır;
        const char* neden;
    };
    for (const Sınırı& s : {Sınırı{{0, ENOSPC}, "Diskte yeterli boş yer yok."}, Sınırı{{4096, ENOSPC}, "Diskte yeterli boş yer yok."},
                            Sınırı{{8192, EACCES}, "Bu klasöre yazma izniniz yok."},
                            Sınırı{{std::numeric_limits<qint64>::max(), 0, 0, EIO},
                                   "Diske yazılırken bir giriş/çıkış hatası oluştu."}}) {
        dosya::yazmaSınırınıDeğiştir(s.sınır);
        auto belge = belgeAç(QStringLiteral("Stok Listesi"));
        QString metin;
        try {
            örnekSayfaÇiz(*belge);
            for (int i = 0; i < 30; ++i) {  // pages enough to pass the buffer
                belge->yeniSayfa();
                belge->yaz(QString(200, QLatin1Char('x')));
            }
            belge->bitir();
        } catch (const YazdırmaHatası& h) {
            metin = h.metin();
        }
        dosya::yazmaSınırınıDeğiştir(std::nullopt);
        EXPECT_EQ(metin, "PDF dosyası yazılamadı: " + kabuk::belgeKlasörü() + "/Stok Listesi.pdf\n\n" + s.neden) << s.neden;
        EXPECT_TRUE(QDir(kabuk::belgeKlasörü()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << s.neden;
    }
    EXPECT_EQ(açılış, 0);

    // While the document is written, nothing stands under its name: a program stopped meanwhile leaves no
    // broken file that a user would take for the document.
    auto belge = belgeAç(QStringLiteral("Stok Listesi"));
    for (int i = 0; i < 30; ++i) {
        belge->yaz(QString(200, QLatin1Char('y')));
        belge->yeniSayfa();
    }
    EXPECT_FALSE(QFile::exists(kabuk::belgeKlasörü() + "/Stok Listesi.pdf"));
    belge->bitir();
    EXPECT_TRUE(QFile::exists(kabuk::belgeKlasörü() + "/Stok Listesi.pdf"));
}

TEST_F(Yazdırma, BoşVeyaAtılanBelgeDosyaBırakmaz)
{
    int açılış = 0;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) {
        ++açılış;
        return true;
    });
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    belgeAç(QStringLiteral("Boş"))->bitir();
    {
        auto boş = belgeAç(QStringLiteral("Boş"));
        boş->gönder();
        boş->göster();
    }
    {
        auto atılan = belgeAç(QStringLiteral("Atılan"));
        atılan->yaz("bir");
        atılan->vazgeç();
    }
    {
        auto yarım = belgeAç(QStringLiteral("Yarım"));  // dropped without being ended
        yarım->yaz("bir");
    }
    EXPECT_EQ(açılış, 0);
    EXPECT_TRUE(QDir(kabuk::belgeKlasörü()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(belgeDosyaAdı(QStringLiteral("Stok/Liste: \"A\"")), "Stok-Liste- -A-");
    EXPECT_EQ(belgeDosyaAdı(QStringLiteral("  ")), "Kavrenta");
}

TEST_F(Yazdırma, YazıcılarPdfİleVeGeçerliYazıcı)
{
    Yazıcı a{QStringLiteral("Muhasebe"), QStringLiteral("Kat 1"), {210, 297}, false};
    Yazıcı b{QStringLiteral("Depo"), QStringLiteral("Depo"), {216, 279}, true};
    Yazıcı sistemPdf{QStringLiteral("PDF"), QStringLiteral("cups-pdf:/"), {210, 297}, false};
    sistemYazıcılarınıDeğiştir(QList<Yazıcı>{a, b, sistemPdf});
    QStringList adlar;
    for (const Yazıcı& y : yazıcılar()) adlar << y.ad;
    EXPECT_EQ(adlar, (QStringList{"Muhasebe", "Depo", "PDF"}));
    EXPECT_EQ(yazıcılar().last().bağlantıYeri, kabuk::belgeKlasörü());
    EXPECT_EQ(geçerliYazıcı().ad, "Depo");  // the system's default

    EXPECT_TRUE(geçerliYazıcıyıDeğiştir("Muhasebe"));
    EXPECT_FALSE(geçerliYazıcıyıDeğiştir("Yok"));
    EXPECT_EQ(geçerliYazıcı().ad, "Muhasebe");

    // Documents go to the current printer, on its paper.
    auto kayıtlar = std::make_shared<YazıcıKayıtları>();
    kaydediciyeYönlendir(kayıtlar);
    geçerliYazıcıyıDeğiştir("Depo");
    auto belge = belgeAç(QStringLiteral("Fatura"));
    EXPECT_DOUBLE_EQ(belge->sayfaGenişliği(), 216);
    belge->yaz("x");
    belge->bitir();
    ASSERT_EQ(kayıtlar->sayı(), 1);
    EXPECT_EQ(kayıtlar->son().yazıcı, "Depo");
    EXPECT_EQ(kayıtlar->son().belgeAdı, "Fatura");
    EXPECT_TRUE(kayıtlar->son().bitti());

    // No system printer at all: the PDF printer is still there and is the current one.
    sistemYazıcılarınıDeğiştir(QList<Yazıcı>{});
    ASSERT_EQ(yazıcılar().size(), 1);
    EXPECT_EQ(geçerliYazıcı().ad, "PDF");
}

TEST_F(Yazdırma, PdfGörüntüleyicisiYoksaDosyanınYeriSöylenir)
{
    // The desktop has a spreadsheet program but nothing for PDF files: its opener would take the file and
    // show nothing.
    QStringList sorulanlar;
    kabuk::işleyiciDenetiminiDeğiştir([&](const QString& tür) {
        sorulanlar << tür;
        return tür != "application/pdf";
    });
    int açılış = 0;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) { return ++açılış, true; });
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    test::MesajYanıtlayıcı yanıt({"Tamam", "Tamam"});
    auto belge = belgeAç(QStringLiteral("Stok Listesi"));
    belge->yaz("bir");
    belge->bitir();
    const QString dosya = kabuk::belgeKlasörü() + "/Stok Listesi.pdf";
    EXPECT_EQ(sorulanlar, QStringList{"application/pdf"});
    EXPECT_EQ(açılış, 0);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Belge PDF dosyası olarak kaydedildi, ancak açılamadı:\n\n" + dosya);
    EXPECT_TRUE(QFile::exists(dosya));

    // A folder that refuses the name (here a disk that has turned read-only): the whole file stays where it
    // was written, and the user is told where and why.
    dosya::adVermeSınamasınıDeğiştir(dosya::AdVermeSınaması{false, false, [](const QString&) { return EROFS; }});
    {
        auto ikinci = belgeAç(QStringLiteral("Stok Listesi"));
        ikinci->yaz("iki");
        ikinci->bitir();
    }
    dosya::adVermeSınamasınıDeğiştir(std::nullopt);
    const QStringList gizli = QDir(kabuk::belgeKlasörü()).entryList({".kavrenta-*.pdf"}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(gizli.size(), 1);
    const QString yer = kabuk::belgeKlasörü() + "/" + gizli[0];
    QFile yazılan(yer);
    ASSERT_TRUE(yazılan.open(QIODevice::ReadOnly));
    EXPECT_TRUE(yazılan.readAll().trimmed().endsWith("%%EOF"));
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_EQ(yanıt.sonMetin(), "PDF dosyası adıyla kaydedilemedi: " + kabuk::belgeKlasörü()
                                    + "/Stok Listesi (2).pdf\n\nKlasör, yalnızca okunabilen bir diskte.\n\n"
                                      "Belgenin tamamı şu dosyada:\n" + yer + "\n\n" + dosya::SaklamaSüresiMetni);
    EXPECT_EQ(yanıt.görülenler().last().simge, mesaj::Simge::Ünlem);
    EXPECT_EQ(açılış, 0);
}

// A file name holds at most 255 bytes (UTF-8): a long name is cut between whole characters, keeping
// the number that tells documents of one name apart and the ".pdf".
TEST_F(Yazdırma, UzunAdlıBelgeDosyaAdınaSığar)
{
    geçerliYazıcıyıDeğiştir(PdfYazıcısıAdı);
    const QString avro = QString(120, QChar(0x20AC));  // 3 bytes each
    const QString uzun = QString(300, QLatin1Char('a'));
    QString gülen = QStringLiteral("a");  // characters of two UTF-16 units, the 100th unit in the middle of one
    for (int i = 0; i < 80; ++i) gülen += QString::fromUtf8("\xF0\x9F\x98\x80");
    for (const QString& ad : {avro, QStringLiteral("Fatura - ") + avro, uzun, gülen}) {
        for (const QString ek : {".pdf", " (2).pdf"}) {
            auto belge = belgeAç(ad);
            belge->yaz("x");
            belge->bitir();
            const auto* pdf = dynamic_cast<YazıcıBelgesi*>(belge.get());
            ASSERT_TRUE(pdf);
            const QString dosyaAdı = QFileInfo(pdf->pdfDosyası()).fileName();
            const QByteArray bayt = QFile::encodeName(dosyaAdı);
            EXPECT_TRUE(QFile::exists(pdf->pdfDosyası())) << bayt.toStdString();
            EXPECT_LE(bayt.size(), 255) << bayt.toStdString();
            EXPECT_TRUE(dosyaAdı.endsWith(ek)) << bayt.toStdString();
            const QString kök = dosyaAdı.chopped(ek.size());
            EXPECT_TRUE(ad.startsWith(kök)) << bayt.toStdString();
            EXPECT_EQ(QString::fromUtf8(bayt), dosyaAdı);  // no character cut in half
            EXPECT_FALSE(kök.back().isHighSurrogate());
        }
    }
    // Cut only as far as needed: 83 and 82 euro signs, where one more would make 256 bytes.
    EXPECT_EQ(pdfDosyaAdı(avro, 1), avro.left(83) + ".pdf");
    EXPECT_EQ(pdfDosyaAdı(avro, 2), avro.left(82) + " (2).pdf");
    EXPECT_EQ(pdfDosyaAdı(uzun, 2), uzun.left(100) + " (2).pdf");

    // A firm's long name gives way to the document's type and date, whatever number the file takes.
    const QString baş = QStringLiteral("Fatura - "), son = QStringLiteral(" - 07.03.2026");
    EXPECT_EQ(belgeAdıKısaltarak(baş, QStringLiteral("ÖZKAN YAPI"), son), "Fatura - ÖZKAN YAPI - 07.03.2026");
    for (const QString& firma : {uzun, avro, gülen}) {
        const QString ad = belgeAdıKısaltarak(baş, firma, son);
        EXPECT_TRUE(firma.startsWith(ad.mid(baş.size()).chopped(son.size()))) << ad.toStdString();
        for (const int sıra : {1, 1000}) {
            const QString dosyaAdı = pdfDosyaAdı(ad, sıra);
            EXPECT_TRUE(dosyaAdı.startsWith(baş + firma.front())) << dosyaAdı.toStdString();
            EXPECT_TRUE(dosyaAdı.endsWith(son + (sıra > 1 ? " (1000).pdf" : ".pdf"))) << dosyaAdı.toStdString();
            EXPECT_LE(QFile::encodeName(dosyaAdı).size(), 255);
        }
    }
}

namespace {

// Paper printers, on a print server of the tests' own.
class KağıtYazıcısı : public test::BaskıSunucululuSınama<Yazdırma, test::BaskıSunucusu> {
protected:
    // Makes the printer of that name the current one, on the given paper.
    static void yazıcı(const QString& ad, QSizeF kağıt = {210, 297})
    {
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{ad, {}, kağıt, true}});
    }
    static int sonİş()
    {
        int no = 0;
        for (const test::BaskıSunucusu::İş& iş : baskı_->işler()) no = std::max(no, iş.numara);
        return no;
    }

};

constexpr int İptalEdildi = 7;
constexpr int Basıldı = 9;

}  // namespace

// The job holds the document as drawn: on its own paper (a 240 × 280 mm form, on a queue whose paper is
// A4) and unscaled, each text where the recorder puts it. It is held by the server until it is sent.
TEST_F(KağıtYazıcısı, SunucununAldığıBelgeKendiKağıdındaBasılır)
{
    yazıcı(QStringLiteral("Kabul"), {240, 280});
    auto belge = belgeAç(QStringLiteral("Stok Listesi"));
    örnekSayfaÇiz(*belge);
    const int no = sonİş();
    ASSERT_GT(no, 0);
    EXPECT_EQ(baskı_->öznitelik(no, "media"), "custom_240x280mm_240x280mm");
    EXPECT_EQ(baskı_->öznitelik(no, "print-scaling"), "none");
    ASSERT_EQ(baskı_->bitmesiniBekle(no), Basıldı);
    YazıcıKaydedici k(240, 280);
    örnekSayfaÇiz(k);
    EXPECT_EQ(yerindeOlanlar(baskı_->çıktı(QStringLiteral("Kabul")), k.belge()), 10);

    // Readied and then dropped: the job made for it is cancelled, and nothing is left.
    auto bırakılan = belgeAç(QStringLiteral("Bırakılan"));
    bırakılan->yaz("bir");
    bırakılan->hazırla();
    const int bırakılanNo = sonİş();
    EXPECT_GT(bırakılanNo, no);
    EXPECT_TRUE(bırakılan->vazgeç());
    EXPECT_EQ(baskı_->bitmesiniBekle(bırakılanNo), İptalEdildi);
}

// What the server refuses goes nowhere and is told once, with the printer and the cause; no job is left
// and no file.
TEST_F(KağıtYazıcısı, SunucununReddettiğiBelgeGitmezNedeniSöylenir)
{
    struct Ret {
        QString kuyruk;
        QString neden;  // empty: the user cancels the password, and is told that nothing was printed
        bool ulaşılamaz = false;
    };
    const QList<Ret> retler = {
        {"Red", "Yazıcı şu anda iş kabul etmiyor."},
        {"Yasak", "Bu yazıcıya yazdırma izniniz yok."},
        {"Parola", ""},
        {"Sökülmüş Yazıcı", "Yazıcı, yazdırma sunucusunda bulunamadı."},
        {"Kabul", "Yazdırma sunucusuna ulaşılamıyor.", true},
    };
    parolaSorucusunuDeğiştir([](ParolaSorusu&) { return std::nullopt; });
    const int işler = int(baskı_->işler().size());
    for (const Ret& r : retler) {
        yazıcı(r.kuyruk);
        if (r.ulaşılamaz) cupsSetServer(QStringLiteral("127.0.0.1:%1").arg(1).toUtf8().constData());
        auto belge = belgeAç(QStringLiteral("Liste"));
        belge->yaz("bir");
        const QString metin = bitirHatası(*belge);
        cupsSetServer(baskı_->adres().toUtf8().constData());
        const QString beklenen = r.neden.isEmpty() ? ParolaVerilmediMetni.arg(r.kuyruk) : gönderilemediMetni(r.kuyruk, r.neden);
        EXPECT_EQ(metin.toStdString(), beklenen.toStdString());
        EXPECT_NO_THROW(belge->yaz("iki"));
        EXPECT_NO_THROW(belge->bitir());
    }
    parolaSorucusunuDeğiştir({});
    EXPECT_EQ(baskı_->işler().size(), işler);
}

// The printers come from the print server: every queue and the instance saved for one, each with its paper,
// and the PDF printer last. Listing them, choosing one and printing on it ask for no password while another
// queue is protected, and the options saved for the instance reach the job. The protected queue asks only
// when it is printed on, naming the printer and the user, and says when the password given was wrong.
TEST_F(KağıtYazıcısı, YazıcılarSunucudanGelirParolaYalnızBasılanaSorulur)
{
    sistemYazıcılarınıDeğiştir(std::nullopt);
    // The instance's own scaling and paper are the document's business, not the job's; a second instance
    // keeps a paper of its own.
    ASSERT_TRUE(test::kayıtlıSeçenekleriYaz(
        "Dest Kabul/ozel copies=3 fit-to-page=true scaling=50 PageSize=Letter\nDest Kabul/a5 media=iso_a5_148x210mm\n"));
    QList<ParolaSorusu> sorulanlar;
    parolaSorucusunuDeğiştir([&](ParolaSorusu& s) -> std::optional<QString> {
        sorulanlar << s;
        if (sorulanlar.size() == 1) return QStringLiteral("yanlış");
        return std::nullopt;
    });
    QStringList adlar;
    for (const Yazıcı& y : yazıcılar()) adlar << y.ad;
    EXPECT_EQ(adlar, (QStringList{"Durmuş", "Kabul", "Kabul/a5", "Kabul/ozel", "Korumalı", "lp", "Parola", "Red",
                                  "Silinecek", "Yasak", "PDF"}));
    const Yazıcı kabul = yazıcılar()[1];
    EXPECT_EQ(kabul.kağıt, QSizeF(210, 297));
    EXPECT_EQ(yazıcılar()[2].kağıt, QSizeF(148, 210));

    // Before any choice, the current printer is the one `lp` prints on: the server's default, whatever
    // options are saved for it; a "Default" line of the saved options over it, the user's own file over
    // the system's; LPDEST over them all, and PRINTER too, unless it says "lp" (which names no printer, not
    // even the queue "lp"). Names are taken case-blind,
    // and a name that no printer has is passed over for the next.
    struct Varsayılan {
        QByteArray lpoptions, lpdest, printer;
        QString ad;
        QByteArray kullanıcının = {};  // the user's own saved options
    };
    const QList<Varsayılan> varsayılanlar = {
        {"Dest Kabul copies=1\n", {}, {}, "Kabul"},
        {"Dest Kabul/ozel copies=3\nDest Durmuş copies=2\n", {}, {}, "Kabul"},
        {"Default Kabul/ozel copies=3\n", {}, {}, "Kabul/ozel"},
        {"Default Durmuş\nDest Kabul copies=1\ndefault  Kabul/ozel copies=3\n", {}, "lp", "Kabul/ozel"},
        {"Default Kabul/ozel\n", "Durmuş", "Red", "Durmuş"},
        {"Dest Kabul copies=1\n", {}, "Red", "Red"},
        {"Default Durmuş\n", {}, {}, "Kabul/ozel", "Dest Red\nDefault Kabul/ozel\n"},
        {{}, "durmuş", {}, "Durmuş"},
        {"Default Yok\n", {}, {}, "Kabul"},
        {"Default Durmuş\n", {}, {}, "Durmuş", "Default Yok\n"},
        {"Default Durmuş\n", "Yok", "Red", "Red"},
    };
    for (const Varsayılan& v : varsayılanlar) {
        SCOPED_TRACE(v.lpoptions.toStdString() + " / " + v.kullanıcının.toStdString() + " / " + v.lpdest.toStdString());
        ASSERT_TRUE(test::kayıtlıSeçenekleriYaz(v.lpoptions, v.kullanıcının));
        qputenv("LPDEST", v.lpdest);
        qputenv("PRINTER", v.printer);
        if (v.lpdest.isEmpty()) qunsetenv("LPDEST");
        if (v.printer.isEmpty()) qunsetenv("PRINTER");
        EXPECT_EQ(geçerliYazıcı().ad, v.ad);
    }
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    ASSERT_TRUE(test::kayıtlıSeçenekleriYaz(
        "Dest Kabul/ozel copies=3 fit-to-page=true scaling=50 PageSize=Letter\nDest Kabul/a5 media=iso_a5_148x210mm\n"));

    ASSERT_TRUE(geçerliYazıcıyıDeğiştir(QStringLiteral("Kabul/ozel")));
    auto belge = belgeAç(QStringLiteral("Liste"));
    belge->yaz("bir");
    belge->bitir();
    EXPECT_TRUE(sorulanlar.isEmpty());
    const int no = sonİş();
    EXPECT_EQ(baskı_->öznitelik(no, "copies"), "3");
    EXPECT_EQ(baskı_->öznitelik(no, "media"), "iso_a4_210x297mm");
    for (const char* belgenin : {"fit-to-page", "scaling", "PageSize"})
        EXPECT_EQ(baskı_->öznitelik(no, belgenin), "") << belgenin;
    EXPECT_EQ(baskı_->bitmesiniBekle(no), Basıldı);

    ASSERT_TRUE(geçerliYazıcıyıDeğiştir(QStringLiteral("Korumalı")));
    EXPECT_TRUE(sorulanlar.isEmpty());

    // The program's own window asks, with the normal pointer: a wrong password, then İptal.
    parolaSorucusunuDeğiştir({});
    const QString kullanıcı = QString::fromUtf8(cupsUser());
    QStringList görülen;
    std::unique_ptr<test::Görününce> ikinci;
    const auto gör = [&](QWidget* w) {
        görülen << w->findChild<QLabel*>("Etiket")->text() + " / " + w->findChild<QLineEdit*>("KullanıcıKutusu")->text();
        görülen << (w->findChild<QLabel*>("UyarıEtiketi")->isVisible() ? "uyarı" : "");
        görülen << (QGuiApplication::overrideCursor() ? QString::number(QGuiApplication::overrideCursor()->shape()) : "");
    };
    test::Görününce ilk("YazıcıParolasıFormu", [&](QWidget* w) {
        gör(w);
        ikinci = std::make_unique<test::Görününce>("YazıcıParolasıFormu", [&](QWidget* w) {
            gör(w);
            w->findChild<QPushButton*>("İptalDüğmesi")->click();
        });
        QTest::keyClicks(w->findChild<QLineEdit*>("ParolaKutusu"), "yanlis");
        w->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    auto korunan = belgeAç(QStringLiteral("Liste"));
    korunan->yaz("bir");
    EXPECT_EQ(bitirHatası(*korunan), ParolaVerilmediMetni.arg("Korumalı"));
    const QString soru = "\"Korumalı\" yazıcısına yazdırmak için parola gerekiyor. / " + kullanıcı;
    const QString ok = QString::number(Qt::ArrowCursor);
    EXPECT_EQ(görülen, (QStringList{soru, "", ok, soru, "uyarı", ok}));
    EXPECT_EQ(sonİş(), no);
}

namespace {

using Aksak = test::AksakBaskıSunucusu;

// Paper printers on a print server that misbehaves once the job exists. The program gives up on it after
// a second of silence.
class AksakSunucu : public test::BaskıSunucululuSınama<Yazdırma, Aksak> {
protected:
    void SetUp() override
    {
        BaskıSunucululuSınama::SetUp();
        baskı_->hepsiniYanıtla();
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{"Aksak", {}, {210, 297}, true}});
        sunucuSüresiniDeğiştir(1000);
    }
    void TearDown() override
    {
        sunucuSüresiniDeğiştir(std::nullopt);
        Yazdırma::TearDown();
    }
    static int sonDurum()
    {
        const auto işler = baskı_->işler();
        return işler.isEmpty() ? 0 : işler.last().durum;
    }

};

constexpr int Sırada = 3;       // pending
constexpr int Bekletilen = 4;  // held
constexpr int Basılıyor = 5;
constexpr int Duraklatıldı = 6;  // stopped
constexpr int Durduruldu = 8;  // aborted

}  // namespace

// The job is held with the whole document, unscaled on its paper, and goes to the printer only when sent.
// What the server refuses, leaves unanswered past the limit or cuts off at any step is told with its cause,
// never as printed and never with a success as its cause; the job is cancelled where the server still
// answers, and otherwise stays held, which never prints.
TEST_F(AksakSunucu, SunucununYanıtlamadığıBelgeBasılmışSayılmaz)
{
    auto belge = belgeAç(QStringLiteral("Liste"));
    belge->yaz("bir");
    belge->hazırla();
    const auto işler = baskı_->işler();
    ASSERT_EQ(işler.size(), 1);
    EXPECT_EQ(işler[0].durum, Bekletilen);
    EXPECT_EQ(işler[0].öznitelikler.value("job-hold-until"), "indefinite");
    EXPECT_EQ(işler[0].öznitelikler.value("media"), "iso_a4_210x297mm");
    EXPECT_EQ(işler[0].öznitelikler.value("print-scaling"), "none");
    EXPECT_EQ(işler[0].öznitelikler.value("position"), "top-left");
    EXPECT_TRUE(işler[0].belgeGeldi);
    EXPECT_TRUE(işler[0].belge.trimmed().endsWith("%%EOF"));
    belge->gönder();
    EXPECT_EQ(sonDurum(), Basıldı);

    using D = Aksak::Davranış;
    // Another request that misbehaves too once the release (or the request named) comes: refused (as not
    // possible, unless said), or silent past the limit.
    struct Ayrıca {
        ipp_op_t işlem;
        D davranış;
        ipp_status_t durum = IPP_STATUS_ERROR_NOT_POSSIBLE;
        ipp_op_t gelince = IPP_OP_RELEASE_JOB;
    };
    struct Aksama {
        ipp_op_t işlem;
        D davranış;
        qint64 kesme;
        QString neden;  // empty: printed
        int sonra;  // the job's state afterwards (0: none was made)
        QList<Ayrıca> ayrıca = {};
        bool belirsiz = false;  // told as a job that may still print
        std::optional<Aksak::Ayar> ayar = std::nullopt;  // instead of the status, silence and cut above
        QStringList yaDa = {};  // other causes that may come instead, as the server's answer and the
                                // client's writes cross
        Aksak::YazıcıAyarı yazıcı = {};  // the state a released job takes, the job history
        std::optional<std::pair<ipp_op_t, int>> ilerler = std::nullopt;  // the job moves on to that state
                                                                         // when that request comes (from
                                                                         // the release on)
        int kapalı = 0;  // the server goes down for so many ms when the release comes (restarting)
        int kopanDurum = 0;  // so many state requests after the release have their connection broken off
        bool sıfırla = false;  // ... reset rather than closed
    };
    const QString sessiz = SunucuYanıtVermediMetni, kopuk = BağlantıKoptuMetni;
    const QString reddetti = QStringLiteral("Yazdırma sunucusunun yanıtı: client-error-not-possible");
    const auto ayar = [](http_status_t http, qint64 kesme, bool kapat) {
        Aksak::Ayar a;
        a.http = http;
        a.kesmeBaytı = kesme;
        a.kapat = kapat;
        return a;
    };
    // An answer trickling in a byte every 0.3 s, or its body held 3 s after its headers: each request ends
    // at the limit of 1 s, and the server counts as silent.
    Aksak::Ayar damla;
    damla.araMs = 300;
    Aksak::Ayar gövdesiz;
    gövdesiz.araMs = 0;
    gövdesiz.gövdeMs = 3000;
    const QString başlamıştı = QStringLiteral("Yazdırma işi, iptal edilmeden önce yazdırılmaya başlamıştı.");
    const QList<Aksama> aksamalar = {
        // A job made without saying its number cannot be followed: no print, and it stays held.
        {IPP_OP_CREATE_JOB, D::NumarasızYanıtla, 0, "Yazdırma sunucusunun yanıtı: İşin numarası verilmedi.", Bekletilen},
        // Refused in HTTP's terms at the document's start: told at once, not after the limit.
        {IPP_OP_SEND_DOCUMENT, D::HttpİleReddet, 0, "Yazdırma sunucusunun yanıtı: Request Entity Too Large",
         İptalEdildi, {}, false, ayar(HTTP_STATUS_REQUEST_TOO_LARGE, 0, false)},
        {IPP_OP_SEND_DOCUMENT, D::HttpİleReddet, 0, "Bu yazıcıya yazdırma izniniz yok.", İptalEdildi, {}, false,
         ayar(HTTP_STATUS_FORBIDDEN, 0, true)},
        // A success answered before the server had the whole document counts for nothing.
        {IPP_OP_SEND_DOCUMENT, D::ErkenYanıtla, 0, ErkenYanıtMetni, İptalEdildi, {}, false, ayar(HTTP_STATUS_OK, 0, false)},
        {IPP_OP_SEND_DOCUMENT, D::ErkenYanıtla, 0, ErkenYanıtMetni, İptalEdildi, {}, false, ayar(HTTP_STATUS_OK, 0, true),
         {kopuk}},
        {IPP_OP_SEND_DOCUMENT, D::ErkenYanıtla, 1000, ErkenYanıtMetni, İptalEdildi, {}, false,
         ayar(HTTP_STATUS_OK, 1000, false), {BelgeEksikMetni}},
        {IPP_OP_SEND_DOCUMENT, D::ErkenYanıtla, 1000, ErkenYanıtMetni, İptalEdildi, {}, false,
         ayar(HTTP_STATUS_OK, 1000, true), {kopuk, BelgeEksikMetni}},
        // The server's own count of what it took is short of the document, by less than a KiB.
        {IPP_OP_SEND_DOCUMENT, D::EksikTut, 0, BelgeEksikMetni, İptalEdildi},
        // Silent at the job's making: no number came, so nothing to cancel; held, it never prints.
        {IPP_OP_CREATE_JOB, D::Sus, 0, sessiz, Bekletilen},
        {IPP_OP_CREATE_JOB, D::BağlantıyıKes, 0, kopuk, 0},
        {IPP_OP_SEND_DOCUMENT, D::Reddet, 0, reddetti, İptalEdildi},
        {IPP_OP_SEND_DOCUMENT, D::Sus, 0, sessiz, İptalEdildi},
        {IPP_OP_SEND_DOCUMENT, D::BağlantıyıKes, 0, kopuk, İptalEdildi},
        {IPP_OP_SEND_DOCUMENT, D::BağlantıyıKes, 3000, kopuk, İptalEdildi},
        // Answers that come too slowly end at the limit, whatever comes meanwhile.
        {IPP_OP_CREATE_JOB, D::Damla, 0, sessiz, Bekletilen, {}, false, damla},
        {IPP_OP_SEND_DOCUMENT, D::Parçalı, 0, sessiz, İptalEdildi, {}, false, gövdesiz},
        {IPP_OP_GET_JOB_ATTRIBUTES, D::Damla, 0, sessiz, İptalEdildi, {}, false, damla},
        // What the job holds is not known: it does not go.
        {IPP_OP_GET_JOB_ATTRIBUTES, D::Reddet, 0, reddetti, İptalEdildi},
        {IPP_OP_GET_JOB_ATTRIBUTES, D::Sus, 0, sessiz, İptalEdildi},
        {IPP_OP_RELEASE_JOB, D::Reddet, 0, reddetti, İptalEdildi},
        {IPP_OP_RELEASE_JOB, D::Reddet, 0, reddetti, Bekletilen, {{IPP_OP_CANCEL_JOB, D::Reddet}}},
        // The release's answer lost (past the limit, or cut): the job's state tells what became of it, and
        // only a job still held is cancelled. Printed, or still printing: gone, and never cancelled.
        {IPP_OP_RELEASE_JOB, D::Sus, 0, QString(), Basıldı},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, QString(), Basılıyor, {}, false, std::nullopt, {}, {.salınanİş = Basılıyor}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, QString(), Sırada, {}, false, std::nullopt, {}, {.salınanİş = Sırada}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, QString(), Duraklatıldı, {}, false, std::nullopt, {}, {.salınanİş = Duraklatıldı}},
        {IPP_OP_RELEASE_JOB, D::Parçalı, 0, QString(), Basıldı, {}, false, gövdesiz},
        // Still held: cancelled, not printed. Moved on by the time of the cancel (the release came late):
        // printed; begun printing when the cancel came, and cancelled all the same: it may have printed. A
        // cancel refused with the job still held leaves it held, which never prints; a job that the cancel
        // does not find may have printed.
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, İptalEdildi},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, QString(), Basıldı, {}, false, std::nullopt, {}, {},
         std::pair{IPP_OP_CANCEL_JOB, Basıldı}},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, başlamıştı, İptalEdildi, {}, true, std::nullopt, {}, {},
         std::pair{IPP_OP_CANCEL_JOB, Basılıyor}},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, Bekletilen, {{IPP_OP_CANCEL_JOB, D::Reddet}}},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, Bekletilen,
         {{IPP_OP_CANCEL_JOB, D::Reddet, IPP_STATUS_ERROR_FORBIDDEN}}},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, İşBulunamadıMetni, Bekletilen,
         {{IPP_OP_CANCEL_JOB, D::Reddet, IPP_STATUS_ERROR_NOT_FOUND}}, true},
        // The server restarting as the release comes: asked again until it answers, the job found held.
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, İptalEdildi, {}, false, std::nullopt, {}, {}, std::nullopt, 400},
        // The server down past the limit of the requests that follow: it did not answer, and nothing tells.
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, sessiz, Bekletilen, {}, true, std::nullopt, {}, {}, std::nullopt, 2500},
        // The connections after the release broken off or reset before an answer (a proxy, a server going
        // down): asked again, the job found held and cancelled.
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, İptalEdildi, {}, false, std::nullopt, {}, {}, std::nullopt, 0, 3},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, kopuk, İptalEdildi, {}, false, std::nullopt, {}, {}, std::nullopt, 0, 3,
         true},
        // Cancelled or aborted before it began printing: not printed. Once it had begun (cancelled at the
        // server while printing, aborted by a printer that failed after taking its data), it may have
        // printed. A record that cannot be read after the cancel tells nothing.
        {IPP_OP_RELEASE_JOB, D::Sus, 0, sessiz, İptalEdildi, {}, false, std::nullopt, {}, {.salınanİş = İptalEdildi}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, sessiz, Durduruldu, {}, false, std::nullopt, {}, {.salınanİş = Durduruldu}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, başlamıştı, İptalEdildi, {}, true, std::nullopt, {}, {.salınanİş = Basılıyor},
         std::pair{IPP_OP_GET_JOB_ATTRIBUTES, İptalEdildi}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, DurdurulmadanÖnceBaşlamıştıMetni, Durduruldu, {}, true, std::nullopt, {},
         {.salınanİş = Basılıyor}, std::pair{IPP_OP_GET_JOB_ATTRIBUTES, Durduruldu}},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, reddetti, İptalEdildi,
         {{IPP_OP_GET_JOB_ATTRIBUTES, D::Reddet, IPP_STATUS_ERROR_NOT_POSSIBLE, IPP_OP_CANCEL_JOB}}, true},
        // Refused as not held, someone else having released it meanwhile: printing or printed, never
        // cancelled.
        {IPP_OP_RELEASE_JOB, D::Reddet, 0, QString(), Basılıyor, {}, false, std::nullopt, {}, {},
         std::pair{IPP_OP_RELEASE_JOB, Basılıyor}},
        {IPP_OP_RELEASE_JOB, D::Reddet, 0, QString(), Basıldı, {}, false, std::nullopt, {}, {},
         std::pair{IPP_OP_RELEASE_JOB, Basıldı}},
        // Nothing tells: a server that no longer knows the printed job, a state or a cancel unanswered.
        {IPP_OP_RELEASE_JOB, D::Sus, 0, İşBulunamadıMetni, Basıldı, {}, true, std::nullopt, {}, {.geçmişYok = true}},
        {IPP_OP_RELEASE_JOB, D::Sus, 0, sessiz, Basıldı, {{IPP_OP_GET_JOB_ATTRIBUTES, D::Sus}}, true},
        {IPP_OP_RELEASE_JOB, D::BağlantıyıKes, 0, sessiz, İptalEdildi, {{IPP_OP_CANCEL_JOB, D::Sus}}, true},
    };
    for (const Aksama& a : aksamalar) {
        SCOPED_TRACE(testing::Message() << ippOpString(a.işlem) << " " << int(a.davranış) << " " << a.kesme << " "
                                        << a.sonra);
        baskı_->hepsiniYanıtla();
        baskı_->yazıcı(a.yazıcı);
        if (a.ayar) baskı_->davranış(a.işlem, a.davranış, *a.ayar);
        else baskı_->davranış(a.işlem, a.davranış, IPP_STATUS_ERROR_NOT_POSSIBLE, 3000, a.kesme);
        Aksak::Ayar kopar;
        kopar.sıfırla = a.sıfırla;
        int kopanlar = 0;
        bool salındı = false;
        baskı_->gelince([&](ipp_op_t işlem) {
            salındı = salındı || işlem == IPP_OP_RELEASE_JOB;
            for (const Ayrıca& sonraki : a.ayrıca)
                if (sonraki.gelince == işlem) baskı_->davranış(sonraki.işlem, sonraki.davranış, sonraki.durum, 3000);
            if (işlem == IPP_OP_RELEASE_JOB) {
                if (a.kapalı) baskı_->yenidenBaşla(a.kapalı);
                if (a.kopanDurum) baskı_->davranış(IPP_OP_GET_JOB_ATTRIBUTES, D::BağlantıyıKes, kopar);
            }
            if (işlem == IPP_OP_GET_JOB_ATTRIBUTES && salındı && kopanlar < a.kopanDurum && ++kopanlar == a.kopanDurum)
                baskı_->davranış(IPP_OP_GET_JOB_ATTRIBUTES, D::Yanıtla);
            if (salındı && a.ilerler && a.ilerler->first == işlem) baskı_->sonİşinDurumu(a.ilerler->second);
        });
        const qsizetype önceki = baskı_->işler().size();
        QString metin;
        try {
            örnekSayfaÇiz(*belgeAç(QStringLiteral("Liste")));
        } catch (const YazdırmaHatası& h) {
            metin = h.metin();
            EXPECT_EQ(h.belirsiz(), a.belirsiz);
        }
        baskı_->gelince(nullptr);
        // A server down past the limit listens again before the next print.
        if (a.kapalı > 1000) std::this_thread::sleep_for(std::chrono::milliseconds(a.kapalı));
        if (a.kopanDurum) {
            EXPECT_EQ(kopanlar, a.kopanDurum);
        }
        const QString beklenen = a.neden.isEmpty() ? QString()
                                 : a.belirsiz      ? belirsizMetni("Aksak", a.neden)
                                                   : "Belge yazıcıya gönderilemedi: Aksak\n\n" + a.neden;
        if (!a.yaDa.contains(metin.section(QStringLiteral("\n\n"), 1))) {
            EXPECT_EQ(metin.toStdString(), beklenen.toStdString());
        }
        const auto sonra = baskı_->işler();
        if (a.sonra == 0) {
            EXPECT_EQ(sonra.size(), önceki);
        } else {
            ASSERT_EQ(sonra.size(), önceki + 1);
            EXPECT_EQ(sonra.last().durum, a.sonra);
        }
    }

    // A printer whose server account is not the workstation's: the name and the password typed in the
    // program's window are the ones the server gets, each password once; a wrong one is asked for again.
    baskı_->hepsiniYanıtla();
    Aksak::Parola parola;
    parola.kullanıcı = QStringLiteral("muhasebe");
    parola.parola = QStringLiteral("gizli");
    parola.yazıcınınAdresi = true;
    baskı_->parolaİste(parola);
    parolaSorucusunuDeğiştir({});
    QStringList görülen;
    const auto gir = [&](QWidget* w, const char* parola) {
        auto* kullanıcı = w->findChild<QLineEdit*>("KullanıcıKutusu");
        görülen << kullanıcı->text() + (w->findChild<QLabel*>("UyarıEtiketi")->isVisible() ? " / uyarı" : "");
        kullanıcı->clear();
        QTest::keyClicks(kullanıcı, "muhasebe");
        QTest::keyClicks(w->findChild<QLineEdit*>("ParolaKutusu"), parola);
        w->findChild<QPushButton*>("TamamDüğmesi")->click();
    };
    // Each window as it comes: two wrong passwords, the right one, and İptal should the server ask again.
    QList<const char*> parolalar = {"yanlis", "yanlis2", "gizli"};
    std::vector<std::unique_ptr<test::Görününce>> pencereler;
    std::function<void()> sıradaki = [&] {
        pencereler.push_back(std::make_unique<test::Görününce>("YazıcıParolasıFormu", [&](QWidget* w) {
            sıradaki();
            if (parolalar.isEmpty()) w->findChild<QPushButton*>("İptalDüğmesi")->click();
            else gir(w, parolalar.takeFirst());
        }));
    };
    sıradaki();
    const qsizetype yapılan = baskı_->işlemler().count(IPP_OP_CREATE_JOB);
    EXPECT_NO_THROW(örnekSayfaÇiz(*belgeAç(QStringLiteral("Liste"))));
    EXPECT_EQ(görülen, (QStringList{QString::fromUtf8(cupsUser()), "muhasebe / uyarı", "muhasebe / uyarı"}));
    // Made without a password, with each wrong one, with the right one: no password went twice.
    EXPECT_EQ(baskı_->işlemler().count(IPP_OP_CREATE_JOB) - yapılan, 4);
    EXPECT_EQ(baskı_->işler().last().kullanıcı, "muhasebe");
    EXPECT_EQ(baskı_->işler().last().öznitelikler.value("requesting-user-name"), "muhasebe");
    EXPECT_EQ(sonDurum(), Basıldı);

    // The password asked for at the release alone, and not given (at once, or after a wrong one): it is
    // asked once a print (again only after a wrong one), the job is cancelled where the server lets it
    // without one, and the user is told that nothing was printed; a job that the server keeps (it wants the
    // password for the cancel too) is named, held in its queue. A refused password goes out once.
    for (const auto& [iptaliParolalı, önceYanlış] : {std::pair{false, false}, std::pair{true, false},
                                                    std::pair{false, true}, std::pair{true, true}}) {
        SCOPED_TRACE(testing::Message() << iptaliParolalı << önceYanlış);
        baskı_->hepsiniYanıtla();
        parola.yazıcınınAdresi = false;
        parola.işlemler = {IPP_OP_RELEASE_JOB};
        if (iptaliParolalı) parola.işlemler << IPP_OP_CANCEL_JOB;
        baskı_->parolaİste(parola);
        int sorulan = 0;
        const int yanlışlar = baskı_->yanlışParolalar();
        parolaSorucusunuDeğiştir([&](ParolaSorusu& soru) -> std::optional<QString> {
            EXPECT_EQ(soru.yanlış, sorulan > 0);
            if (++sorulan == 1 && önceYanlış) return QStringLiteral("yanlis");
            return std::nullopt;
        });
        std::optional<YazdırmaHatası> hata;
        try {
            örnekSayfaÇiz(*belgeAç(QStringLiteral("Liste")));
        } catch (const YazdırmaHatası& h) {
            hata = h;
        }
        EXPECT_EQ(sorulan, önceYanlış ? 2 : 1);
        EXPECT_EQ(baskı_->yanlışParolalar() - yanlışlar, önceYanlış ? 1 : 0);
        ASSERT_TRUE(hata);
        EXPECT_TRUE(hata->vazgeçildi());
        EXPECT_FALSE(hata->belirsiz());
        const QString tutuluyor = QStringLiteral("\n\nYazdırma işi, yazdırma sunucusunun kuyruğunda \"Liste\" adıyla "
                                                 "bekletiliyor; kendiliğinden yazdırılmaz.");
        EXPECT_EQ(hata->metin(), ParolaVerilmediMetni.arg("Aksak") + (iptaliParolalı ? tutuluyor : QString()));
        EXPECT_EQ(sonDurum(), iptaliParolalı ? Bekletilen : İptalEdildi);
    }

    // Any other failure of the release (here the password window's) leaves unknown whether the job went.
    parolaSorucusunuDeğiştir([](ParolaSorusu&) -> std::optional<QString> { throw std::runtime_error("Pencere yok"); });
    try {
        örnekSayfaÇiz(*belgeAç(QStringLiteral("Liste")));
        ADD_FAILURE() << "printed";
    } catch (const YazdırmaHatası& h) {
        EXPECT_EQ(h.metin(), belirsizMetni("Aksak", "Pencere yok"));
    }
    parolaSorucusunuDeğiştir({});
}

// Told to end while it waits on the server, however the end comes (the desktop's logout, a quit, SIGTERM,
// or the event loops ended outright), a print goes on until its requests are over and counts once; a
// password that the server then asks for counts as not given, no window is shown, and the user is told
// that nothing was printed. The end is carried out once the print is over, as it would have been
// without it: the windows are closed and the program's event loop ends. A message that ends the print
// stays until the user answers it, however often the end is asked for again meanwhile; so does a
// password window open when the end comes, and the password given counts.
TEST_F(AksakSunucu, ÇıkılırkenBaskıBitirilirSonraÇıkılır)
{
    struct Çıkış {
        QString ad;
        std::function<void()> ver;  // on the window thread
        bool parolalı;              // the job's making wants a password
        QString mesaj = {};         // the print's error, told in a message once its waits are over
        int sonra = Basıldı;        // the job's state afterwards (0: none was made)
        QList<ipp_op_t> susan = {};  // silent past the limit, the second once the first came
        ipp_op_t an = IPP_OP_CREATE_JOB;  // the end is given once the server has this request
        bool yine = false;                // and again while the message is open
        bool pencereAçıkken = false;      // given instead while the password window is open
        bool kapatma = false;  // a close of the window below given too, at the same time
    };
    const auto sigterm = [] {
        // A SIGTERM that the program no longer takes would end the test program.
        struct sigaction şimdiki {};
        ::sigaction(SIGTERM, nullptr, &şimdiki);
        if (şimdiki.sa_handler == SIG_DFL) ADD_FAILURE() << "SIGTERM ends the program";
        else ::raise(SIGTERM);
    };
    const auto quit = [] { QCoreApplication::quit(); };
    const QString parolasız = ParolaVerilmediMetni.arg("Aksak");
    const QList<Çıkış> çıkışlar = {
        {"exit", [] { QCoreApplication::exit(0); }, true, parolasız, 0},
        {"quit", quit, true, parolasız, 0},
        {"quit", quit, false},
        {"oturum", [] { test::sıradaSonlandır(); }, true, parolasız, 0},
        {"oturum", [] { test::sıradaSonlandır(); }, false},
        {"SIGTERM", sigterm, true, parolasız, 0},
        {"SIGTERM", sigterm, true, parolasız, 0, {}, IPP_OP_CREATE_JOB, true},
        // The server silent once it has the document; a release whose answer is lost, the job's state then
        // unanswered too.
        {"quit", quit, false, "Belge yazıcıya gönderilemedi: Aksak\n\n" + SunucuYanıtVermediMetni, İptalEdildi,
         {IPP_OP_SEND_DOCUMENT}, IPP_OP_CREATE_JOB, true},
        {"oturum", [] { test::sıradaSonlandır(); }, false, belirsizMetni("Aksak", SunucuYanıtVermediMetni), Basıldı,
         {IPP_OP_RELEASE_JOB, IPP_OP_GET_JOB_ATTRIBUTES}, IPP_OP_RELEASE_JOB},
        {"oturum", [] { test::sıradaSonlandır(); }, true, {}, Basıldı, {}, IPP_OP_CREATE_JOB, false, true},
        // The window below closed by the desktop as well: its close too waits for the message's answer.
        {"quit", quit, false, "Belge yazıcıya gönderilemedi: Aksak\n\n" + SunucuYanıtVermediMetni, İptalEdildi,
         {IPP_OP_SEND_DOCUMENT}, IPP_OP_CREATE_JOB, false, false, true},
    };
    Aksak::Parola parola;
    parola.kullanıcı = QStringLiteral("muhasebe");
    parola.parola = QStringLiteral("gizli");
    parola.işlemler = {IPP_OP_CREATE_JOB};
    int sorulan = 0;
    bool penceredeSor = false;
    parolaSorucusunuDeğiştir([&](ParolaSorusu& soru) -> std::optional<QString> {
        ++sorulan;
        return penceredeSor ? YazıcıParolasıFormu::sor(soru) : QStringLiteral("gizli");
    });
    for (const Çıkış& ç : çıkışlar) {
        SCOPED_TRACE(ç.ad.toStdString() + (ç.parolalı ? " parolalı " : " ") + ç.mesaj.toStdString());
        program::sonlandırmaSinyaliniAl();
        baskı_->hepsiniYanıtla();
        baskı_->parolaİste(ç.parolalı ? parola : Aksak::Parola{});
        if (!ç.susan.isEmpty()) baskı_->davranış(ç.susan[0], Aksak::Davranış::Sus, IPP_STATUS_OK, 3000);
        sorulan = 0;
        penceredeSor = ç.pencereAçıkken;
        QWidget pencere;
        // The program is told to end once the server has the request, before it answers.
        baskı_->gelince([&](ipp_op_t işlem) {
            if (ç.susan.size() > 1 && işlem == ç.susan[0])
                baskı_->davranış(ç.susan[1], Aksak::Davranış::Sus, IPP_STATUS_OK, 3000);
            if (işlem != ç.an || ç.pencereAçıkken) return;
            if (ç.kapatma) QMetaObject::invokeMethod(qApp, [&pencere] { test::sıradaKapat(&pencere); }, Qt::QueuedConnection);
            QMetaObject::invokeMethod(qApp, ç.ver, Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        });
        // Each window answered a second after it opened, if it is still open then.
        const auto birSaniyeSonra = [](QWidget* w, bool& açıkKaldı, std::function<void()> yanıtla) {
            QTimer::singleShot(1000, w, [w, &açıkKaldı, yanıtla] {
                açıkKaldı = w->isVisible();
                yanıtla();
            });
        };
        bool mesajAçıkKaldı = false, parolaAçıkKaldı = false, pencereAçıkKaldı = false;
        QString görülen;
        test::Görününce mesajı("MesajKutusu", [&](QWidget* w) {
            görülen = qobject_cast<QMessageBox*>(w)->text();
            if (ç.yine) ç.ver();
            birSaniyeSonra(w, mesajAçıkKaldı, [w, &pencere, &pencereAçıkKaldı] {
                pencereAçıkKaldı = pencere.isVisible();
                w->findChild<QPushButton*>("Tamam")->click();
            });
        });
        test::Görününce parolayı("YazıcıParolasıFormu", [&](QWidget* w) {
            ç.ver();
            birSaniyeSonra(w, parolaAçıkKaldı, [w] {
                w->findChild<QLineEdit*>("KullanıcıKutusu")->setText("muhasebe");
                w->findChild<QLineEdit*>("ParolaKutusu")->setText("gizli");
                w->findChild<QPushButton*>("TamamDüğmesi")->click();
            });
        });
        pencere.show();
        const qsizetype işler = baskı_->işler().size();
        QString metin = QStringLiteral("-");
        QTimer::singleShot(0, [&] {
            const BaskıSüresince baskı;
            auto belge = belgeAç(QStringLiteral("Liste"));
            belge->yaz("bir");
            metin = bitirHatası(*belge);
            if (!metin.isEmpty()) mesaj::göster(metin, mesaj::Simge::Ünlem);
        });
        QTimer takılma;
        QObject::connect(&takılma, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        takılma.start(10000);
        EXPECT_EQ(QCoreApplication::exec(), 0);
        takılma.stop();
        baskı_->gelince(nullptr);
        EXPECT_EQ(sorulan, ç.pencereAçıkken ? 1 : 0);
        EXPECT_EQ(parolaAçıkKaldı, ç.pencereAçıkken);
        EXPECT_EQ(metin, ç.mesaj);
        // (Once the event loops were ended outright, a message closes as it opens.)
        if (!ç.mesaj.isEmpty() && ç.ad != "exit") {
            EXPECT_EQ(görülen.toStdString(), ç.mesaj.toStdString());
            EXPECT_TRUE(mesajAçıkKaldı);
            EXPECT_TRUE(pencereAçıkKaldı);
        }
        if (ç.sonra == 0) {
            EXPECT_EQ(baskı_->işler().size(), işler);
        } else {
            ASSERT_EQ(baskı_->işler().size(), işler + 1);
            EXPECT_EQ(sonDurum(), ç.sonra);
        }
        EXPECT_EQ(pencere.isVisible(), ç.ad == "exit");
        EXPECT_FALSE(beklerkenKapatmaİstendi());
    }
    ::signal(SIGTERM, SIG_DFL);
    parolaSorucusunuDeğiştir({});
}

// Listing the printers waits one time limit in all: two answers that each come within the limit but
// together past it are no list, and neither is a listing cut at any of its requests, the program's own or
// those that libcups makes of its own while it reads the saved printer instances, even when the server
// then takes no new connection (an overloaded host), which libcups would wait for with a limit of its
// own. The cause is told, and only the PDF printer is offered. A server without printers lists none,
// without an error; the server's default printer is the default one. Asking after one printer waits for
// the server's own answer, which tells a silent server from a printer gone.
TEST_F(AksakSunucu, YazıcılarBirSüredeListelenirSessizSunucuSöylenir)
{
    sistemYazıcılarınıDeğiştir(std::nullopt);
    using D = Aksak::Davranış;
    struct Listeleme {
        QList<std::pair<ipp_op_t, D>> aksamalar;
        int süreMs;
        QString neden;  // null: listed
        QStringList adlar;
        bool kökParolalı = false;  // the server wants a password for its list: refused, never asked for
        bool varsayılanYok = false;
        QByteArray lpoptions = {};  // the saved options: "Default Yok" names a printer that the server does
                                    // not have, so that only the program asks the server for its default
        Aksak::Ayar ayar = {};      // the pieces of an answer that trickles or stalls; the one request of
                                    // an operation that misbehaves
        bool bağlantıAlmaz = false;  // once the listing's first request has come, the server takes no new
                                     // connection (its SYNs dropped); the one it has stays
    };
    const QString sessiz = SunucuYanıtVermediMetni;
    Aksak::Ayar damla;  // a byte every 0.15 s
    Aksak::Ayar gövdesiz;
    gövdesiz.araMs = 0;
    gövdesiz.gövdeMs = 3000;
    // Only the first request of an operation misbehaves: the program's own CUPS-Get-Printers, libcups' own
    // CUPS-Get-Default. Only the second CUPS-Get-Printers, libcups' own, trickles.
    Aksak::Ayar ilki;
    ilki.sıra = 1;
    Aksak::Ayar libcupsDamlası;
    libcupsDamlası.sıra = 2;
    const QList<Listeleme> listelemeler = {
        {{}, 0, QString(), {"Aksak", "PDF"}},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Sus}, {IPP_OP_CUPS_GET_DEFAULT, D::Sus}}, 600, sessiz, {"PDF"}},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Sus}}, 3000, sessiz, {"PDF"}},
        {{{IPP_OP_CUPS_GET_DEFAULT, D::Sus}}, 3000, sessiz, {"PDF"}},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::BağlantıyıKes}}, 0, BağlantıKoptuMetni, {"PDF"}},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Reddet}}, 0, QString(), {"PDF"}},  // not found: no printers
        {{}, 0, "Bu yazıcıya yazdırmak için parola gerekiyor.", {"PDF"}, true},
        // No default anywhere: the first printer.
        {{}, 0, QString(), {"Aksak", "PDF"}, false, true},
        // The program's own question for the server's default: cut, or past the one limit of the listing.
        {{}, 0, QString(), {"Aksak", "PDF"}, false, false, "Default Yok\n"},
        {{{IPP_OP_CUPS_GET_DEFAULT, D::BağlantıyıKes}}, 0, BağlantıKoptuMetni, {"PDF"}, false, false, "Default Yok\n"},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Sus}, {IPP_OP_CUPS_GET_DEFAULT, D::Sus}}, 400, sessiz, {"PDF"}, false, false,
         "Default Yok\n"},
        // An answer that trickles, or whose body stalls after its headers, ends at the limit all the same.
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Damla}}, 0, sessiz, {"PDF"}, false, false, {}, damla},
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Parçalı}}, 0, sessiz, {"PDF"}, false, false, {}, gövdesiz},
        {{{IPP_OP_CUPS_GET_DEFAULT, D::Damla}}, 0, sessiz, {"PDF"}, false, false, "Default Yok\n", damla},
        // Only libcups' own requests misbehave: its list trickles; its question for the server's default
        // (the user has none) is left unanswered and no new connection is taken, as it connects anew by
        // itself, with a limit of its own ...
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Damla}}, 0, sessiz, {"PDF"}, false, false, {}, libcupsDamlası},
        {{{IPP_OP_CUPS_GET_DEFAULT, D::Sus}}, 3000, sessiz, {"PDF"}, false, false, {}, {}, true},
        // ... and so after the program's own first answer came late within the limit: the listing ends at
        // its one limit, not at a limit of libcups' request.
        {{{IPP_OP_CUPS_GET_PRINTERS, D::Sus}, {IPP_OP_CUPS_GET_DEFAULT, D::Sus}}, 950, sessiz, {"PDF"}, false, false, {},
         ilki, true},
    };
    int sorulan = 0;
    parolaSorucusunuDeğiştir([&](ParolaSorusu&) -> std::optional<QString> {
        ++sorulan;
        return QStringLiteral("gizli");
    });
    for (const Listeleme& l : listelemeler) {
        SCOPED_TRACE(l.adlar.join(' ').toStdString() + " " + std::to_string(l.süreMs));
        baskı_->hepsiniYanıtla();
        Aksak::Parola parola;
        parola.kullanıcı = QString::fromUtf8(cupsUser());
        parola.parola = QStringLiteral("gizli");
        parola.kök = l.kökParolalı;
        baskı_->parolaİste(parola);
        Aksak::YazıcıAyarı yazıcı;
        yazıcı.varsayılan = !l.varsayılanYok;
        baskı_->yazıcı(yazıcı);
        Aksak::Ayar ayar = l.ayar;
        ayar.durum = IPP_STATUS_ERROR_NOT_FOUND;
        ayar.süreMs = l.süreMs;
        for (const auto& [işlem, davranış] : l.aksamalar) baskı_->davranış(işlem, davranış, ayar);
        baskı_->gelince(l.bağlantıAlmaz ? std::function<void(ipp_op_t)>([](ipp_op_t) { baskı_->yeniBağlantıAlma(); })
                                        : nullptr);
        ASSERT_TRUE(test::kayıtlıSeçenekleriYaz(l.lpoptions));
        QString neden = QStringLiteral("-");
        QStringList adlar;
        QElapsedTimer süre;
        süre.start();
        const QList<Yazıcı> liste = yazıcılar(&neden);
        // One limit (1 s) in all, however many requests libcups makes of its own and whatever the server
        // sends: never twice the limit.
        EXPECT_LT(süre.elapsed(), 1800);
        for (const Yazıcı& y : liste) adlar << y.ad;
        EXPECT_EQ(neden, l.neden);
        EXPECT_EQ(neden.isNull(), l.neden.isNull());
        EXPECT_EQ(adlar, l.adlar);
        EXPECT_EQ(liste[geçerliYazıcınınSırası(liste)].ad, l.adlar.first());
        EXPECT_EQ(liste.first().varsayılan, l.adlar.size() > 1 && !l.varsayılanYok);
    }
    baskı_->gelince(nullptr);
    // Nor does asking after one printer ask for a password; the server's own paper is the printer's.
    baskı_->hepsiniYanıtla();
    Aksak::Parola kök;
    kök.kullanıcı = QString::fromUtf8(cupsUser());
    kök.parola = QStringLiteral("gizli");
    kök.kök = true;
    baskı_->parolaİste(kök);
    EXPECT_THROW(yazıcıyıDenetle(QStringLiteral("Aksak")), YazdırmaHatası);
    EXPECT_EQ(sorulan, 0);
    parolaSorucusunuDeğiştir({});
    baskı_->hepsiniYanıtla();
    Aksak::YazıcıAyarı a5;
    a5.varsayılanKağıt = "iso_a5_148x210mm";
    baskı_->yazıcı(a5);
    EXPECT_EQ(yazıcılar().first().kağıt, QSizeF(148, 210));

    baskı_->hepsiniYanıtla();
    baskı_->davranış(IPP_OP_GET_PRINTER_ATTRIBUTES, D::Sus, IPP_STATUS_OK, 3000);
    QString metin;
    try {
        geçerliYazıcıyıDeğiştir(yazıcılar().first());
    } catch (const YazdırmaHatası& h) {
        metin = h.metin();
    }
    EXPECT_EQ(metin, "Belge yazıcıya gönderilemedi: Aksak\n\n" + sessiz);
}

// However slowly a server's answer comes, in pieces ("100 Continue" at once, then the status line, the
// headers and the body each after a pause), the program waits for it up to its limit: every kind of
// request it makes is answered. Each row runs at once with the others, on a thread of its own (where the
// requests run without an event loop) against a server of its own.
TEST(ParçalıYanıt, HerİstekSınırınaDekBeklenir)
{
    using D = Aksak::Davranış;
    struct Satır {
        ipp_op_t işlem;
        int araMs;
    };
    QList<Satır> satırlar;
    for (const int ara : {150, 1500})
        for (const ipp_op_t işlem : {IPP_OP_CUPS_GET_PRINTERS, IPP_OP_CUPS_GET_DEFAULT, IPP_OP_GET_PRINTER_ATTRIBUTES,
                                     IPP_OP_CREATE_JOB, IPP_OP_SEND_DOCUMENT, IPP_OP_GET_JOB_ATTRIBUTES,
                                     IPP_OP_RELEASE_JOB, IPP_OP_CANCEL_JOB})
            satırlar << Satır{işlem, ara};
    const Yazıcı aksak{QStringLiteral("Aksak"), {}, {210, 297}, true};
    const QByteArray pdf = QByteArray("%PDF-1.4\n").repeated(20000) + "%%EOF\n";
    // What went wrong with the row; empty when every request was answered and did what it asked.
    const auto dene = [&](const Satır& satır) -> QString {
        Aksak s;  // the print server of this thread
        if (!s.hazır()) return s.hata();
        Aksak::Ayar ayar;
        ayar.araMs = satır.araMs;
        s.davranış(satır.işlem, D::Parçalı, ayar);
        try {
            switch (satır.işlem) {
            case IPP_OP_CUPS_GET_PRINTERS:
            case IPP_OP_CUPS_GET_DEFAULT: {
                QString neden;
                const QList<Yazıcı> liste = sunucununYazıcıları(&neden);
                if (!neden.isNull()) return neden;
                return liste.size() == 1 && liste[0].ad == "Aksak" && liste[0].varsayılan ? QString() : "listed wrong";
            }
            case IPP_OP_GET_PRINTER_ATTRIBUTES: yazıcıyıDenetle(aksak.ad); return {};
            default: {
                const auto iş = Sunucuİşi::hazırla(aksak, QStringLiteral("Liste"), aksak.kağıt, pdf);
                if (satır.işlem == IPP_OP_CANCEL_JOB) {
                    if (!iş->iptalEt()) return "not cancelled";
                } else {
                    iş->serbestBırak();
                }
                const auto işler = s.işler();
                const int beklenen = satır.işlem == IPP_OP_CANCEL_JOB ? İptalEdildi : Basıldı;
                return işler.size() == 1 && işler[0].belge == pdf && işler[0].durum == beklenen ? QString() : "job wrong";
            }
            }
        } catch (const YazdırmaHatası& h) {
            return h.metin();
        }
    };
    QList<QString> sonuçlar(satırlar.size());
    std::vector<std::thread> iplikler;
    for (qsizetype i = 0; i < satırlar.size(); ++i) iplikler.emplace_back([&, i] { sonuçlar[i] = dene(satırlar[i]); });
    for (std::thread& iplik : iplikler) iplik.join();
    for (qsizetype i = 0; i < satırlar.size(); ++i)
        EXPECT_EQ(sonuçlar[i].toStdString(), "") << ippOpString(satırlar[i].işlem) << " " << satırlar[i].araMs;
}
