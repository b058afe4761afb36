// The list-window base on a small window of its own: column store, sort, F5, closing, the progress
// window around a fill or an export that fails, the spreadsheet a list exports to, and the input given
// while a print waits on the print server.
#include "core/ListePenceresi.h"
#include "core/ListeleniyorFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "platform/Kabuk.h"
#include "platform/Yazicilar.h"
#include "support/AksakBaskiSunucusu.h"
#include "support/Ortam.h"
#include "support/AcilanDosyalar.h"
#include "support/XlsxOkuyucu.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QUrl>

#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Satır = QList<ListeDeğeri>;

ListeDeğeri sayı(double d) { return ListeDeğeri::sayı(d); }
ListeDeğeri tarih(int y, int a, int g) { return ListeDeğeri::tarih(QDate(y, a, g)); }

// A list window as a later one would be written: its table, a fill, an export table with a totals row.
class DenemeListesi : public ListePenceresi {
public:
    explicit DenemeListesi(QList<Satır> satırlar = {}) : ListePenceresi(nullptr, tanımı()), satırlar_(std::move(satırlar))
    {
        setWindowTitle("Deneme Listesi");
        arama = new QLineEdit(this);
        arama->setObjectName("AramaKutusu");
        üstDüzen()->addWidget(arama);
        kur();
    }

    void ListeyiYükle(QProgressBar& çubuk)
    {
        çubuk.setMaximum(int(satırlar_.size()));
        ListeGörünümü::Doldurma d(liste());
        for (int i = 0; i < satırlar_.size(); ++i) {
            çubuk.setValue(i + 1);
            if (hata && i == 1) throw std::runtime_error("okunamadı");
            liste()->satırEkle(satırlar_[i]);
        }
    }
    void ListeyiYenileDüğmesi_Click() override
    {
        ++yenileme;
        liste()->temizle();
        doldu = listeyiDoldur(this, [this](QProgressBar& ç) { ListeyiYükle(ç); });
    }

    QLineEdit* arama;
    int yenileme = 0;
    bool hata = false;
    bool doldu = false;

protected:
    static ListeTanımı tanımı()
    {
        ListeTanımı t;
        t.listeAdı = "DenemeListesi";
        t.bölümNo = 8;
        t.doldurmaKodu = "5";
        t.aktarmaKodu = "6";
        t.sütunlar = {{"Adı", 1500, Qt::AlignLeft, SütunTürü::Metin},
                      {"Miktarı", 1100, Qt::AlignRight, SütunTürü::Sayı},
                      {"Tarihi", 1200, Qt::AlignLeft, SütunTürü::Tarih}};
        return t;
    }
    ListeAktarımTablosu aktarımTablosu() const override
    {
        ListeAktarımTablosu t;
        t.sayfaAdı = "Deneme";
        t.başlık = "Deneme Listesi";
        t.başlıkSütunSayısı = 2;
        t.toplamSatırı = {"TOPLAM :", sayı(toplam)};
        return t;
    }

public:
    double toplam = 0;

private:
    QList<Satır> satırlar_;
};

QList<Satır> üçSatır()
{
    return {{"Çilek", sayı(1234.5), tarih(2026, 3, 1)},
            {"armut", sayı(9), tarih(2025, 12, 31)},
            {"Ayva", sayı(-2), tarih(2026, 1, 15)}};
}

QStringList sütun(const ListeGörünümü* l, int c)
{
    QStringList s;
    for (int r = 0; r < l->satırSayısı(); ++r) s << l->hücre(r, c);
    return s;
}

void göster(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    (void)QTest::qWaitForWindowActive(w, 2000);
}

int ilerlemePencereleri()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<ListeleniyorFormu*>(w) && w->isVisible()) ++n;
    return n;
}

class ListePenceresiTesti : public ::testing::Test {
protected:
    void SetUp() override { test::ayarlarıTemizle(); }
    void TearDown() override { YazıcıVar = false; }
};

}  // namespace

TEST_F(ListePenceresiTesti, SütunDüzeniSaklanırVeGeriGelir)
{
    {
        DenemeListesi p;
        ListeGörünümü* l = p.liste();
        // A first opening: the designed order and widths, the arrow ascending on the first column.
        EXPECT_EQ(l->görünümSırası(), QList<int>({0, 1, 2}));
        EXPECT_EQ(l->sütunGenişliğiTwips(1), 1100);
        EXPECT_EQ(l->okluSütun(), 0);
        EXPECT_EQ(SıralamaYönü, 0);

        göster(&p);
        l->sütunKonumunuAyarla(2, 0);
        l->sütunGenişliğiniAyarla(1, 2400);
        QTest::keyClick(&p, Qt::Key_Escape);  // Esc closes, and the closing saves
        EXPECT_FALSE(p.isVisible());
    }
    const QString bölüm = "Listeler\\Liste-8";
    EXPECT_EQ(ayarlar::oku(bölüm, "Konum-3"), "1");
    EXPECT_EQ(ayarlar::oku(bölüm, "Genislik-2"), "2400");

    // Stored values that are no numbers leave their column at its default, without a word.
    ayarlar::yaz(bölüm, "Konum-1", "abc");
    ayarlar::yaz(bölüm, "Genislik-1", "geniş");
    ayarlar::yaz(bölüm, "Genislik-3", "1234,5");
    test::MesajYanıtlayıcı yanıtlayıcı;
    DenemeListesi p;
    EXPECT_EQ(p.liste()->görünümSırası(), QList<int>({2, 0, 1}));
    EXPECT_EQ(p.liste()->sütunGenişliğiTwips(0), 1500);
    EXPECT_EQ(p.liste()->sütunGenişliğiTwips(1), 2400);
    EXPECT_NEAR(p.liste()->sütunGenişliğiTwips(2), 1234, 15);
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);

    // The close box saves as well.
    göster(&p);
    p.liste()->sütunGenişliğiniAyarla(0, 3000);
    p.close();
    EXPECT_EQ(ayarlar::oku(bölüm, "Genislik-1"), "3000");
}

TEST_F(ListePenceresiTesti, BaşlığaTıklamaSıralar)
{
    DenemeListesi p(üçSatır());
    p.ListeyiYenileDüğmesi_Click();
    ListeGörünümü* l = p.liste();
    EXPECT_EQ(sütun(l, 0), QStringList({"armut", "Ayva", "Çilek"}));  // Turkish order, any case

    l->sütunaTıklandı(0);  // the sorted column again: descending
    EXPECT_EQ(sütun(l, 0), QStringList({"Çilek", "Ayva", "armut"}));
    EXPECT_EQ(SıralamaYönü, 1);

    l->sütunaTıklandı(1);  // a new column starts ascending, by value
    EXPECT_EQ(sütun(l, 1), QStringList({"-2,00", "9,00", "1.234,50"}));
    EXPECT_EQ(l->okluSütun(), 1);
    l->sütunaTıklandı(1);
    EXPECT_EQ(sütun(l, 1), QStringList({"1.234,50", "9,00", "-2,00"}));

    l->sütunaTıklandı(2);
    EXPECT_EQ(sütun(l, 2), QStringList({"31.12.2025", "15.01.2026", "01.03.2026"}));
    EXPECT_EQ(SayısalSıralama, 0);
    l->sütunaTıklandı(2);
    EXPECT_EQ(sütun(l, 2), QStringList({"01.03.2026", "15.01.2026", "31.12.2025"}));
    EXPECT_EQ(l->okluSütun(), 2);
    EXPECT_EQ(SıralamaYönü, 1);
}

TEST_F(ListePenceresiTesti, F5HerDenetimdeYeniler)
{
    DenemeListesi p(üçSatır());
    göster(&p);
    p.arama->setFocus();
    QTest::keyClick(p.arama, Qt::Key_F5);
    EXPECT_EQ(p.yenileme, 1);
    // The offscreen platform does not give the activation back when the progress window closes.
    QApplication::setActiveWindow(&p);
    p.liste()->setFocus();
    QTest::keyClick(p.liste(), Qt::Key_F5);
    EXPECT_EQ(p.yenileme, 2);
    EXPECT_EQ(p.liste()->satırSayısı(), 3);
    QTest::keyClick(p.liste(), Qt::Key_F4);
    EXPECT_EQ(p.yenileme, 2);
    QApplication::setActiveWindow(&p);
    QTest::keyClick(p.liste(), Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);  // whatever is held with it
    EXPECT_EQ(p.yenileme, 3);
}

TEST_F(ListePenceresiTesti, HatalıDoldurmaBirKezBildirilirİlerlemeKapanır)
{
    DenemeListesi p(üçSatır());
    p.hata = true;
    test::MesajYanıtlayıcı yanıtlayıcı({"Evet"});
    p.ListeyiYenileDüğmesi_Click();
    EXPECT_FALSE(p.doldu);
    EXPECT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains("okunamadı"));
    EXPECT_EQ(ilerlemePencereleri(), 0);
    EXPECT_EQ(p.liste()->satırSayısı(), 1);  // the rows read before the error stay
}

TEST_F(ListePenceresiTesti, AktarımDeğerlerleYazılır)
{
    test::AçılanDosyalar açılanlar;

    DenemeListesi boş;
    boş.ListeyiExceleAktarDüğmesi->click();  // an empty list: nothing at all
    EXPECT_TRUE(açılanlar.sayı() == 0);

    DenemeListesi p(üçSatır());
    p.toplam = 1241.5;
    p.ListeyiYenileDüğmesi_Click();
    p.liste()->sütunKonumunuAyarla(2, 0);  // the display order plays no part
    p.liste()->sütunGenişliğiniAyarla(0, 2000);
    YazıcıVar = true;
    p.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);
    EXPECT_EQ(ilerlemePencereleri(), 0);

    const test::XlsxSayfa s = test::xlsxOku(açılanlar[0]);
    ASSERT_TRUE(s.okundu);
    EXPECT_EQ(s.sayfaAdı, "Deneme");
    EXPECT_EQ(s.metin("A1"), "Deneme Listesi");
    EXPECT_EQ(s.birleşikler, QList<QString>({"A1:B1"}));
    EXPECT_EQ(s.metin("C2"), "Tarihi");
    EXPECT_DOUBLE_EQ(s.sütunlar.value(1).genişlik, test::yazılanGenişlik(20));
    EXPECT_EQ(s.metin("A3"), "armut");
    EXPECT_TRUE(s.hücre("B5").sayı);
    EXPECT_EQ(s.metin("B5"), "1234.5");
    EXPECT_FALSE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "31.12.2025");
    EXPECT_EQ(s.metin("A6"), "TOPLAM :");
    EXPECT_TRUE(s.hücre("A6").kalın);
    EXPECT_EQ(s.metin("B6"), "1241.5");
    EXPECT_NEAR(s.solKenar, 0.590551181102362, 1e-6);
    EXPECT_TRUE(s.kılavuzÇizgileriYazdırılır);

}

TEST_F(ListePenceresiTesti, OtuzİkiBindenUzunListeAktarılır)
{
    test::AçılanDosyalar açılanlar;
    QList<Satır> satırlar;
    for (int i = 0; i < 33000; ++i) satırlar.append({QStringLiteral("S%1").arg(i), sayı(i), {}});
    DenemeListesi p(satırlar);
    p.ListeyiYenileDüğmesi_Click();
    ASSERT_EQ(p.liste()->satırSayısı(), 33000);
    p.ListeyiExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.sayı(), 1);
    const test::XlsxSayfa s = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(s.sonSatır, 33000 + 3);  // title, headers, the rows and the totals row
    EXPECT_FALSE(s.var("C3"));         // an empty date stays empty
}

// Input given to the window while its print waits on the print server is thrown away, not delivered once
// the wait is over. Sent through the window system as a user's is, with the list window active: clicks on
// the print button, its key (Alt+Y) and Return print nothing more and open no window again; a click on a
// row of the list selects nothing, letters typed into the search box stay out of it, F5 and a click on the
// refresh button refresh nothing, and the mouse wheel does not scroll the list. A request to close the
// window, given meanwhile, is carried out once the print is over.
TEST_F(ListePenceresiTesti, BaskıBeklenirkenVerilenGirdiAtılırKapatmaSonraGelir)
{
    test::AksakBaskıSunucusu sunucu;
    ASSERT_TRUE(sunucu.hazır()) << sunucu.hata().toStdString();
    yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
    YazıcıVar = true;
    QList<Satır> satırlar = üçSatır();
    for (int i = 0; i < 60; ++i) satırlar.append({QStringLiteral("Ürün %1").arg(i), sayı(i), {}});
    DenemeListesi p(satırlar);
    p.ListeyiYenileDüğmesi_Click();
    göster(&p);
    QPushButton* yazdır = p.findChild<QPushButton*>("YazdırDüğmesi");
    ListeGörünümü* l = p.liste();
    l->satırıSeç(0);
    // A row that a click in the middle of the list would select, and a list that the wheel would scroll.
    const int tıklanan = l->rowAt(l->viewport()->height() / 2);
    ASSERT_GT(tıklanan, 0);
    ASSERT_GT(l->verticalScrollBar()->maximum(), 0);
    ASSERT_EQ(l->verticalScrollBar()->value(), 0);

    // The server takes its time over the document; the user meanwhile clicks, types, turns the wheel and
    // presses keys, and then closes the window. Everything given is handled before the document's wait can
    // be over.
    sunucu.davranış(IPP_OP_SEND_DOCUMENT, test::AksakBaskıSunucusu::Davranış::Sus, IPP_STATUS_OK, 600);
    bool açıkKaldı = false;
    sunucu.gelince([&](ipp_op_t işlem) {
        if (işlem == IPP_OP_SEND_DOCUMENT)
            QMetaObject::invokeMethod(&p, [&] {
                QApplication::setActiveWindow(&p);
                p.arama->setFocus();
                test::sıradaYaz(&p, QStringLiteral("çay"));
                test::sıradaBas(&p, Qt::Key_F5);
                test::sıradaTekerlek(l->viewport(), 3);
                test::sıradaTıkla(l->viewport());
                test::sıradaTıkla(p.ListeyiYenileDüğmesi);
                for (int i = 0; i < 2; ++i) {
                    test::sıradaTıkla(yazdır);
                    test::sıradaBas(&p, Qt::Key_Y, Qt::AltModifier);
                    test::sıradaBas(&p, Qt::Key_Return);
                }
                test::sıradaKapat(&p);
                QWindowSystemInterface::flushWindowSystemEvents();
            });
        if (işlem == IPP_OP_RELEASE_JOB) QMetaObject::invokeMethod(&p, [&] { açıkKaldı = p.isVisible(); });
    });
    // The printer window is answered with Tamam; once it is gone, one opened again is counted and
    // cancelled.
    int seçimler = 0;
    std::unique_ptr<test::Görününce> yine;
    test::Görününce seçim("YazıcıSeçmeFormu", [&](QWidget* w) {
        ++seçimler;
        QObject::connect(w, &QObject::destroyed, &p, [&] {
            yine = std::make_unique<test::Görününce>("YazıcıSeçmeFormu", [&](QWidget* w) {
                ++seçimler;
                w->findChild<QPushButton*>("İptalDüğmesi")->click();
            });
        });
        w->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    bool bitti = false;
    QTimer::singleShot(0, [&] {
        yazdır->click();
        bitti = true;
    });
    EXPECT_TRUE(test::bekle([&] { return bitti; }, 20000));
    QTest::qWait(300);  // what would come after the print
    sunucu.gelince(nullptr);
    EXPECT_EQ(seçimler, 1);
    ASSERT_EQ(sunucu.işler().size(), 1);
    EXPECT_EQ(sunucu.işler()[0].durum, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(l->seçiliSatır(), 0);
    EXPECT_EQ(p.arama->text(), QString());
    EXPECT_EQ(p.yenileme, 1);
    EXPECT_EQ(l->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(açıkKaldı);
    EXPECT_FALSE(p.isVisible());
    yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
}
