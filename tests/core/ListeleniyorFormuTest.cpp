#include "core/ExcelAktarimi.h"
#include "core/ListeleniyorFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Kabuk.h"
#include "support/Ortam.h"
#include "support/XlsxOkuyucu.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// What the running routine saw of the window it runs in.
struct Görünüm {
    QString başlık, etiket, görevKodu;
    bool görünür = false, modal = false, kapatmaDüğmesi = true, simgeVar = false;
    QImage simge;
    QWidget* sahip = nullptr;
};

Görünüm gör(QProgressBar& çubuk)
{
    auto* p = qobject_cast<ListeleniyorFormu*>(çubuk.window());
    Görünüm g;
    if (!p) return g;
    g.başlık = p->windowTitle();
    g.etiket = p->findChild<QLabel*>(QStringLiteral("Etiket"))->text();
    g.görevKodu = p->görevKodu();
    g.görünür = p->isVisible();
    g.modal = QApplication::activeModalWidget() == p;
    g.kapatmaDüğmesi = p->windowFlags().testFlag(Qt::WindowCloseButtonHint);
    const QLabel* simge = p->findChild<QLabel*>(QStringLiteral("SimgeKutusu"));
    g.simge = simge->pixmap().toImage();
    g.simgeVar = !g.simge.isNull();
    g.sahip = p->parentWidget();
    return g;
}

int açıkİlerlemePencereleri()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<ListeleniyorFormu*>(w)) ++n;
    return n;
}

QImage simge(const char* ad) { return QPixmap(QString::fromLatin1(ad)).toImage(); }

}  // namespace

TEST(ListeleniyorFormu, GörevKendiGiysisiyleVeTazePenceredeÇalışır)
{
    QWidget sahip;
    sahip.show();
    QStringList sıra;
    Görünüm aktarım, liste;
    EXPECT_TRUE(ListeleniyorFormu::çalıştır(&sahip, QStringLiteral("11"), true, [&](QProgressBar& ç) {
        aktarım = gör(ç);
        ç.setMaximum(3);
        for (int i = 1; i <= 3; ++i) ç.setValue(i);
        sıra << QStringLiteral("aktarım");
    }));
    sıra << QStringLiteral("sonra");
    EXPECT_TRUE(ListeleniyorFormu::çalıştır(&sahip, QStringLiteral("13"), false, [&](QProgressBar& ç) {
        liste = gör(ç);
        EXPECT_EQ(ç.value(), 0);  // a fresh window: the bar starts at its beginning
    }));

    EXPECT_EQ(sıra, (QStringList{"aktarım", "sonra"}));
    EXPECT_EQ(aktarım.başlık, "MS Excel'e Aktarılıyor...");
    EXPECT_EQ(aktarım.etiket, "MS Excel'e aktarılırken lütfen, bekleyiniz!");
    EXPECT_EQ(aktarım.görevKodu, "11");
    EXPECT_EQ(aktarım.simge, simge(":/EXCEL.png"));
    EXPECT_TRUE(aktarım.görünür && aktarım.modal);
    EXPECT_FALSE(aktarım.kapatmaDüğmesi);
    EXPECT_EQ(aktarım.sahip, &sahip);

    EXPECT_EQ(liste.başlık, "Liste Oluşturuluyor...");
    EXPECT_EQ(liste.etiket, "Liste oluşturulurken lütfen, bekleyiniz!");
    EXPECT_EQ(liste.görevKodu, "13");
    EXPECT_TRUE(liste.simgeVar);
    EXPECT_EQ(liste.simge, simge(":/LISTE.png"));
    EXPECT_NE(liste.simge, aktarım.simge);
    EXPECT_EQ(açıkİlerlemePencereleri(), 0);
}

TEST(ListeleniyorFormu, HataVerenYordamdanSonraPencereKapanırVeHataBildirilir)
{
    test::MesajYanıtlayıcı yanıtlayıcı({QStringLiteral("Evet")});
    int açıkİken = -1;
    const bool sonuç = ListeleniyorFormu::çalıştır(nullptr, QStringLiteral("5"), false, [&](QProgressBar& ç) {
        ç.setMaximum(10);
        ç.setValue(4);
        throw std::runtime_error("disk dolu");
    });
    // The report comes after the window is gone, so it is not left over a window without a close box.
    açıkİken = açıkİlerlemePencereleri();
    EXPECT_FALSE(sonuç);
    EXPECT_EQ(açıkİken, 0);
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains(QStringLiteral("disk dolu")));
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains(QString::number(platform::hata::Genel)));
}

TEST(ListeleniyorFormu, EscVeKapatmaYordamıDurdurmaz)
{
    bool bitti = false;
    ListeleniyorFormu::çalıştır(nullptr, QStringLiteral("1"), false, [&](QProgressBar& ç) {
        auto* p = ç.window();
        p->close();
        QMetaObject::invokeMethod(p, "reject");
        EXPECT_TRUE(p->isVisible());
        bitti = true;
    });
    EXPECT_TRUE(bitti);
    EXPECT_EQ(açıkİlerlemePencereleri(), 0);
}

// ---------------------------------------------------------------------------------------------------

namespace {

class ExcelAktarımıTesti : public ::testing::Test {
protected:
    void SetUp() override { kabuk::belgeKlasörünüDeğiştir(dizin_.path()); }
    void TearDown() override
    {
        kabuk::belgeKlasörünüDeğiştir(eskiKlasör_);
        platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        YazıcıVar = false;
    }
    int dosyaSayısı() const { return int(QDir(dizin_.path()).entryList(QDir::Files | QDir::Hidden).size()); }

    QString eskiKlasör_ = kabuk::belgeKlasörü();
    QTemporaryDir dizin_;
};

platform::ListeTablosu liste()
{
    platform::ListeTablosu t;
    t.sayfaAdı = QStringLiteral("Kâr Listesi");
    t.başlık = QStringLiteral("Kâr Listesi");
    t.başlıkSütunSayısı = 3;
    t.sayfaGenişliğineSığdır = true;
    t.sütunlar = {{QStringLiteral("Ürün Adı"), 4000, platform::ListeSütunu::Tür::Metin, {}, {}},
                  {QStringLiteral("Kâr Miktarı"), 1500, platform::ListeSütunu::Tür::Sayı, {}, {}}};
    for (int i = 1; i <= 5; ++i) t.satırlar.append({QStringLiteral("Ürün %1").arg(i), ListeDeğeri::sayı(i + 0.5)});
    return t;
}

}  // namespace

TEST_F(ExcelAktarımıTesti, BoşListeHiçbirŞeyYazmazProgramsızKitapYinedeYazılır)
{
    test::MesajYanıtlayıcı yanıtlayıcı;
    bool çalıştı = false;
    auto yordam = [&](QProgressBar&) { çalıştı = true; };

    EXPECT_FALSE(ExcelAktarmayıBaşlat(nullptr, QStringLiteral("18"), 0, yordam));
    test::bekle([] { return false; }, 50);
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
    EXPECT_FALSE(çalıştı);

    // No spreadsheet program: the workbook is written all the same and its path told after the progress
    // window has gone.
    platform::hesapTablosuDenetiminiDeğiştir([] { return false; });
    QString yol;
    bool pencereAçıkken = true;
    EXPECT_TRUE(ExcelAktarmayıBaşlat(nullptr, QStringLiteral("18"), 1, [&](QProgressBar& ç) {
        platform::ListeTablosu liste;
        liste.sayfaAdı = QStringLiteral("Kâr Listesi");
        liste.sütunlar = {{QStringLiteral("Adı")}};
        liste.satırlar = {{QStringLiteral("ŞEKER")}};
        yol = ListeyiExceleAktar(ç, liste);
    }));
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    pencereAçıkken = test::pencere(QStringLiteral("ListeleniyorFormu")) != nullptr;
    EXPECT_FALSE(pencereAçıkken);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().startsWith("Bilgisayarınızda MS Excel kurulu değil!"));
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains(QDir::toNativeSeparators(yol)));
    EXPECT_EQ(yanıtlayıcı.görülenler().first().simge, mesaj::Simge::Bilgi);
    EXPECT_EQ(dosyaSayısı(), 1);
}

TEST_F(ExcelAktarımıTesti, AktarımİlerlemeÇubuğunuSürerVeKitabıAçar)
{
    QList<QUrl> açılanlar;
    kabuk::açıcıyıDeğiştir([&](const QUrl& u) {
        açılanlar << u;
        return true;
    });
    QString yol, başlık;
    QList<int> değerler;
    int enÇok = 0;
    ASSERT_TRUE(ExcelAktarmayıBaşlat(nullptr, QStringLiteral("18"), 5, [&](QProgressBar& ç) {
        başlık = ç.window()->windowTitle();
        QObject::connect(&ç, &QProgressBar::valueChanged, [&](int d) { değerler << d; });
        yol = ListeyiExceleAktar(ç, liste());
        enÇok = ç.maximum();
    }));
    EXPECT_EQ(başlık, "MS Excel'e Aktarılıyor...");
    EXPECT_EQ(enÇok, 5);
    EXPECT_EQ(değerler, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(açılanlar, QList<QUrl>{QUrl::fromLocalFile(yol)});

    // No printer: no page setup, and no fitting to the page width although the list asks for it.
    const test::XlsxSayfa s = test::xlsxOku(yol);
    EXPECT_EQ(s.sayfaAdı, "Kâr Listesi");
    EXPECT_EQ(s.birleşikler, QStringList{"A1:C1"});
    EXPECT_DOUBLE_EQ(s.metin("B7").toDouble(), 5.5);
    EXPECT_FALSE(s.yataydaOrtalı || s.kılavuzÇizgileriYazdırılır || s.sayfaGenişliğineSığar);

    YazıcıVar = true;
    ASSERT_TRUE(ExcelAktarmayıBaşlat(nullptr, QStringLiteral("18"), 5,
                                     [&](QProgressBar& ç) { yol = ListeyiExceleAktar(ç, liste()); }));
    const test::XlsxSayfa y = test::xlsxOku(yol);
    EXPECT_TRUE(y.yataydaOrtalı && y.kılavuzÇizgileriYazdırılır && y.sayfaGenişliğineSığar);
    EXPECT_DOUBLE_EQ(y.solKenar, platform::ListeKenarBoşluğuİnç);
}

TEST_F(ExcelAktarımıTesti, AktarımHatasıBirKezBildirilirVeDosyaBırakmaz)
{
    test::MesajYanıtlayıcı yanıtlayıcı({QStringLiteral("Evet")});
    platform::ListeTablosu t = liste();
    t.satırlar[2][1] = QStringLiteral("yok");
    bool açıldı = false;
    kabuk::açıcıyıDeğiştir([&](const QUrl&) { return açıldı = true; });
    EXPECT_FALSE(
        ExcelAktarmayıBaşlat(nullptr, QStringLiteral("18"), 5, [&](QProgressBar& ç) { ListeyiExceleAktar(ç, t); }));
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains(QStringLiteral("\"yok\"")));
    EXPECT_FALSE(açıldı);
    EXPECT_EQ(dosyaSayısı(), 0);
    EXPECT_EQ(açıkİlerlemePencereleri(), 0);
}
