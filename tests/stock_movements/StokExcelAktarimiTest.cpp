// The two working lists exported from their windows, read back from the written .xlsx files.
#include "stock_movements/StokCikisiFormu.h"
#include "stock_movements/StokGirisiFormu.h"
#include "support/PencereOrtami.h"

#include "core/ExcelAktarimi.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/TurkceMetin.h"
#include "support/XlsxOkuyucu.h"

#include <QDir>
#include <QUrl>

using namespace pencere;

namespace {

// Catches the workbook that an export opens, and what the progress window said while it was open.
class AktarımTesti : public ::testing::Test {
protected:
    void SetUp() override
    {
        kabuk::belgeKlasörünüDeğiştir(dizin_.path());
        kabuk::açıcıyıDeğiştir([this](const QUrl& u) {
            açılanlar_.append(u.toLocalFile());
            if (QWidget* w = QApplication::activeModalWidget()) ilerlemeBaşlığı_ = w->windowTitle();
            return true;
        });
    }
    void TearDown() override
    {
        kabuk::belgeKlasörünüDeğiştir(eskiKlasör_);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
        YazıcıVar = false;
    }
    int dosyaSayısı() const { return int(QDir(dizin_.path()).entryList(QDir::Files).size()); }
    static bool ilerlemePenceresiVar()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "MS Excel'e Aktarılıyor...") return true;
        return false;
    }

    QString eskiKlasör_ = kabuk::belgeKlasörü();
    QTemporaryDir dizin_;
    QStringList açılanlar_;
    QString ilerlemeBaşlığı_;
};

void ekle(QWidget* p, const QString& firma, const QString& ürün, const QString& m, const QString& f)
{
    if (!firma.isEmpty()) seç(liste(p, "FirmaListesi"), firma);
    seç(liste(p, "ÜrünListesi"), ürün);
    yaz(kutu(p, "MiktarıKutusu"), m);
    yaz(kutu(p, "FiyatıKutusu"), f);
    düğme(p, "ListeyeEkleDüğmesi")->click();
}

}  // namespace

TEST_F(AktarımTesti, GirişListesiSayfayaYazılır)
{
    Veri v;
    StokGirişiFormu p;
    göster(&p);
    ekle(&p, "ACAR GIDA", "ŞEKER", "1250", "12,5");
    ekle(&p, "BEYAZ TİCARET", "UN", "3", "9");  // no VAT rate
    ListeGörünümü* l = görünüm(&p, "StoğaGirilecekÜrünListesi");
    l->sütunKonumunuAyarla(7, 0);        // display order does not matter to the export
    l->sütunGenişliğiniAyarla(7, 2400);  // the current width does
    SıralamaSütunu = 0;
    l->sütunaTıklandı(7);  // by name: UN after ŞEKER
    YazıcıVar = true;

    düğme(&p, "ListeyiExceleAktarDüğmesi")->click();
    ASSERT_EQ(açılanlar_.size(), 1);
    EXPECT_EQ(ilerlemeBaşlığı_, "MS Excel'e Aktarılıyor...");
    EXPECT_FALSE(ilerlemePenceresiVar());

    const test::XlsxSayfa s = test::xlsxOku(açılanlar_[0]);
    ASSERT_TRUE(s.okundu);
    EXPECT_EQ(s.sayfaAdı, "Girişi Yapılacak Ürünler");
    EXPECT_EQ(s.metin("A1"), "Giriş Yapılacak Ürünler Listesi");
    EXPECT_TRUE(s.hücre("A1").kalın);
    EXPECT_EQ(s.birleşikler, QStringList{"A1:H1"});
    EXPECT_DOUBLE_EQ(s.satırYükseklikleri.value(1), 30);
    EXPECT_DOUBLE_EQ(s.satırYükseklikleri.value(2), 20);
    const QStringList başlıklar = {"Firması", "Tarihi", "Miktarı", "Birimi", "Kodu", "Adı", "KDV", "Fiyatı",
                                   "Girişi Yapan"};
    for (int i = 0; i < başlıklar.size(); ++i) {
        const QString ref = QString(QChar('A' + i)) + "2";
        EXPECT_EQ(s.metin(ref), başlıklar[i]) << ref.toStdString();
        EXPECT_TRUE(s.hücre(ref).kalın && s.hücre(ref).kaydır);
        EXPECT_EQ(s.hücre(ref).yatay, "center");
    }
    EXPECT_FALSE(s.var("J2"));
    // Widths: twips / 100; the hidden "Girişi Yapan" stays hidden and holds no data.
    EXPECT_DOUBLE_EQ(s.sütunlar.value(1).genişlik, test::yazılanGenişlik(16));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(6).genişlik, test::yazılanGenişlik(24));
    EXPECT_TRUE(s.sütunlar.value(9).gizli || s.sütunlar.value(9).genişlik == 0);
    EXPECT_FALSE(s.var("I3"));

    // Rows in the list's order, texts as text and numbers as numbers.
    EXPECT_EQ(s.metin("F3"), "ŞEKER");
    EXPECT_EQ(s.metin("A3"), "ACAR GIDA");
    EXPECT_FALSE(s.hücre("B3").sayı);
    EXPECT_EQ(s.metin("B3"), turkce::tarihBiçimi(QDate::currentDate()));
    EXPECT_TRUE(s.hücre("C3").sayı);
    EXPECT_DOUBLE_EQ(s.metin("C3").toDouble(), 1250);
    EXPECT_DOUBLE_EQ(s.metin("G3").toDouble(), 8);
    EXPECT_DOUBLE_EQ(s.metin("H3").toDouble(), 12.5);
    EXPECT_EQ(s.metin("F4"), "UN");
    EXPECT_TRUE(s.hücre("G4").sayı);  // no VAT rate: 0
    EXPECT_DOUBLE_EQ(s.metin("G4").toDouble(), 0);
    EXPECT_EQ(s.metin("D4"), "");
    EXPECT_EQ(s.sonSatır, 4);
    // With a printer: margins, centring, grid lines and one page wide.
    EXPECT_DOUBLE_EQ(s.solKenar, platform::ListeKenarBoşluğuİnç);
    EXPECT_TRUE(s.yataydaOrtalı && s.kılavuzÇizgileriYazdırılır && s.sayfaGenişliğineSığar);
    // The list is only read.
    EXPECT_EQ(l->satırSayısı(), 2);
}

TEST_F(AktarımTesti, ÇıkışListesiSayfayaYazılır)
{
    Veri v;
    tohum::giriş(v.db(), v.çay, 10, 10);
    StokÇıkışıFormu p;
    göster(&p);
    ekle(&p, "ÇINAR MARKET", "ÇAY", "2", "12,5");
    ListeGörünümü* l = görünüm(&p, "StoktanÇıkılacakÜrünListesi");

    düğme(&p, "ListeyiExceleAktarDüğmesi")->click();
    ASSERT_EQ(açılanlar_.size(), 1);
    EXPECT_FALSE(ilerlemePenceresiVar());
    const test::XlsxSayfa s = test::xlsxOku(açılanlar_[0]);
    ASSERT_TRUE(s.okundu);
    EXPECT_EQ(s.sayfaAdı, "Çıkışı Yapılacak Ürünler");
    EXPECT_EQ(s.metin("A1"), "Çıkış Yapılacak Ürünler Listesi");
    EXPECT_EQ(s.birleşikler, QStringList{"A1:H1"});
    const QStringList başlıklar = {"Tarihi", "Miktarı", "Birimi", "Kodu", "Adı", "KDV", "Fiyatı", "Tutarı",
                                   "KDV Miktarı", "Nedeni", "Çıkışı Yapan"};
    for (int i = 0; i < başlıklar.size(); ++i)
        EXPECT_EQ(s.metin(QString(QChar('A' + i)) + "2"), başlıklar[i]);
    EXPECT_EQ(s.metin("A3"), turkce::tarihBiçimi(QDate::currentDate()));
    EXPECT_DOUBLE_EQ(s.metin("B3").toDouble(), 2);
    EXPECT_EQ(s.metin("E3"), "ÇAY");
    EXPECT_FALSE(s.hücre("F3").sayı);  // the VAT rate stays text here
    EXPECT_EQ(s.metin("F3"), "18");
    EXPECT_DOUBLE_EQ(s.metin("G3").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(s.metin("H3").toDouble(), 25);
    // The VAT amount goes into the hidden column I; "Nedeni" and "Çıkışı Yapan" hold no data.
    EXPECT_TRUE(s.hücre("I3").sayı);
    EXPECT_DOUBLE_EQ(s.metin("I3").toDouble(), 4.5);
    for (int sütun : {9, 10, 11}) EXPECT_TRUE(s.sütunlar.value(sütun).gizli || s.sütunlar.value(sütun).genişlik == 0);
    EXPECT_FALSE(s.var("J3") || s.var("K3"));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(5).genişlik, test::yazılanGenişlik(21));
    // Without a printer: no page setup.
    EXPECT_FALSE(s.yataydaOrtalı || s.kılavuzÇizgileriYazdırılır || s.sayfaGenişliğineSığar);
    EXPECT_EQ(l->satırSayısı(), 1);
}

TEST_F(AktarımTesti, BoşListeHiçbirŞeyYazmazProgramYoksaYolSöylenir)
{
    Veri v;
    StokGirişiFormu p;
    göster(&p);
    test::MesajYanıtlayıcı yanıtlayıcı;
    p.ListeyiExceleAktarDüğmesi_Click();  // an empty list: nothing at all
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
    EXPECT_EQ(dosyaSayısı(), 0);

    ekle(&p, "ACAR GIDA", "ŞEKER", "1", "1");
    platform::hesapTablosuDenetiminiDeğiştir([] { return false; });
    düğme(&p, "ListeyiExceleAktarDüğmesi")->click();
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().startsWith("Bilgisayarınızda MS Excel kurulu değil!"));
    EXPECT_EQ(yanıtlayıcı.görülenler()[0].simge, mesaj::Simge::Bilgi);
    EXPECT_TRUE(açılanlar_.isEmpty());
    EXPECT_EQ(dosyaSayısı(), 1);
}
