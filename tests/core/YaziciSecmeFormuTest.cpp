#include "core/OrtakDegiskenler.h"
#include "core/YaziciSecmeFormu.h"
#include "platform/Kabuk.h"
#include "platform/YazdirmaSunucusu.h"
#include "platform/Yazicilar.h"
#include "support/AksakBaskiSunucusu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace yazdırma;

namespace {

class YazıcıSeçme : public ::testing::Test {
protected:
    void SetUp() override
    {
        sistemYazıcılarınıDeğiştir(QList<Yazıcı>{{"Muhasebe", "Kat 1", {210, 297}, false},
                                                 {"Depo", "Depo kapısı", {210, 297}, true},
                                                 {"Fatura", "Kat 2", {240, 280}, false}});
    }
    void TearDown() override
    {
        sistemYazıcılarınıDeğiştir(std::nullopt);
        kaydediciyeYönlendir(nullptr);
        YazdırmaİptalEdildi = false;
    }

    static QComboBox* liste(QWidget* w) { return w->findChild<QComboBox*>("YazıcıAdlarıKutusu"); }
    static QLineEdit* yer(QWidget* w) { return w->findChild<QLineEdit*>("BağlantıNoktasıKutusu"); }
    static QPushButton* düğme(QWidget* w, const char* ad)
    {
        return w->findChild<QPushButton*>(QString::fromUtf8(ad));
    }

    // Shows the choice as a print routine does, and lets `eylem` act on it once it is up.
    bool seçimYap(const std::function<void(QDialog*)>& eylem)
    {
        QTimer::singleShot(0, [eylem] {
            test::bekle([] { return QApplication::activeModalWidget() != nullptr; });
            eylem(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
        });
        return YazıcıSeçmeFormu::YazıcıSeçimi(&sahip);
    }

    QWidget sahip;
};

}  // namespace

TEST_F(YazıcıSeçme, YazıcılarSıraylaGeçerliSeçiliVeBağlantıYeriGörünür)
{
    YazıcıSeçmeFormu p;
    EXPECT_EQ(p.windowTitle(), "Yazıcı Seç");
    QStringList adlar;
    for (int i = 0; i < liste(&p)->count(); ++i) {
        adlar << liste(&p)->itemText(i);
        EXPECT_EQ(liste(&p)->itemData(i).toInt(), i);
    }
    EXPECT_EQ(adlar, (QStringList{"Muhasebe", "Depo", "Fatura", "PDF"}));
    EXPECT_EQ(liste(&p)->currentText(), "Depo");
    EXPECT_EQ(yer(&p)->text(), "Depo kapısı");
    liste(&p)->setCurrentIndex(3);
    EXPECT_EQ(yer(&p)->text(), kabuk::belgeKlasörü());
    EXPECT_EQ(düğme(&p, "İptalDüğmesi")->text(), "İptal (Esc)");
}

TEST_F(YazıcıSeçme, TamamSeçileniGeçerliYazıcıYapar)
{
    YazdırmaİptalEdildi = true;  // a print routine clears it before the choice
    const bool yazdır = seçimYap([this](QDialog* d) {
        ASSERT_TRUE(d);
        EXPECT_EQ(d->parentWidget(), &sahip);  // over the window that prints
        QComboBox* l = d->findChild<QComboBox*>("YazıcıAdlarıKutusu");
        l->setCurrentIndex(l->findText("Fatura"));
        EXPECT_EQ(d->findChild<QLineEdit*>("BağlantıNoktasıKutusu")->text(), "Kat 2");
        QTest::mouseClick(d->findChild<QPushButton*>("TamamDüğmesi"), Qt::LeftButton);
    });
    EXPECT_TRUE(yazdır);
    EXPECT_FALSE(YazdırmaİptalEdildi);
    EXPECT_EQ(geçerliYazıcı().ad, "Fatura");

    // Every later print goes there, and the next choice starts from it.
    auto kayıtlar = std::make_shared<YazıcıKayıtları>();
    kaydediciyeYönlendir(kayıtlar);
    for (int i = 0; i < 2; ++i) {
        auto belge = belgeAç("Liste");
        belge->yaz("x");
        belge->bitir();
        EXPECT_EQ(kayıtlar->son().yazıcı, "Fatura");
        EXPECT_DOUBLE_EQ(kayıtlar->son().sayfaGenişliği, 240);
    }
    YazıcıSeçmeFormu sonraki;
    EXPECT_EQ(liste(&sonraki)->currentText(), "Fatura");
}

TEST_F(YazıcıSeçme, İptalEscVeKapatmaYazdırmaz)
{
    geçerliYazıcıyıDeğiştir("Muhasebe");
    const std::function<void(QDialog*)> yollar[] = {
        [](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("İptalDüğmesi"), Qt::LeftButton); },
        [](QDialog* d) { QTest::keyClick(d->findChild<QComboBox*>("YazıcıAdlarıKutusu"), Qt::Key_Escape); },
        [](QDialog* d) { d->close(); },
    };
    for (const auto& yol : yollar) {
        const bool yazdır = seçimYap([&](QDialog* d) {
            ASSERT_TRUE(d);
            QComboBox* l = d->findChild<QComboBox*>("YazıcıAdlarıKutusu");
            l->setCurrentIndex(l->findText("Fatura"));
            yol(d);
        });
        EXPECT_FALSE(yazdır);
        EXPECT_TRUE(YazdırmaİptalEdildi);
        EXPECT_EQ(geçerliYazıcı().ad, "Muhasebe");
    }
}

// The print server is asked for its printers once, when the window opens, and Tamam asks it once about
// the printer chosen. When the server does not answer, the window says so and offers the PDF printer
// alone, and Tamam prints there, never on the printer chosen before, which the window does not show.
TEST_F(YazıcıSeçme, SunucuBirKezSorulurSessizseYalnızPdfGösterilir)
{
    sistemYazıcılarınıDeğiştir(std::nullopt);
    test::AksakBaskıSunucusu sunucu;
    ASSERT_TRUE(sunucu.hazır()) << sunucu.hata().toStdString();
    sunucuSüresiniDeğiştir(300);
    const auto işlemler = [&](qsizetype baştan) { return sunucu.işlemler().mid(baştan); };
    yazıcılar();
    const QList<ipp_op_t> birListeleme = işlemler(0);

    // The window is driven once it shows: the server is waited on before that, with the event loop going.
    const auto seç = [&](const std::function<void(QWidget*)>& eylem) {
        test::Görününce görününce("YazıcıSeçmeFormu", eylem);
        return YazıcıSeçmeFormu::YazıcıSeçimi(&sahip);
    };
    qsizetype önce = sunucu.işlemler().size();
    QList<ipp_op_t> açılış;
    const bool yazdır = seç([&](QWidget* d) {
        açılış = işlemler(önce);
        EXPECT_FALSE(d->findChild<QLabel*>("SunucuEtiketi")->isVisible());
        EXPECT_EQ(liste(d)->currentText(), "Aksak");  // the server's default
        önce = sunucu.işlemler().size();
        QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
    });
    EXPECT_TRUE(yazdır);
    EXPECT_EQ(açılış, birListeleme);
    EXPECT_EQ(işlemler(önce), QList<ipp_op_t>{IPP_OP_GET_PRINTER_ATTRIBUTES});
    EXPECT_EQ(geçerliYazıcı().ad, "Aksak");

    sunucu.davranış(IPP_OP_CUPS_GET_PRINTERS, test::AksakBaskıSunucusu::Davranış::Sus, IPP_STATUS_OK, 2000);
    QStringList görülen;
    EXPECT_TRUE(seç([&](QWidget* d) {
        QLabel* etiket = d->findChild<QLabel*>("SunucuEtiketi");
        görülen << (etiket->isVisibleTo(d) ? etiket->text() : QString());
        for (int i = 0; i < liste(d)->count(); ++i) görülen << liste(d)->itemText(i);
        görülen << liste(d)->currentText();
        QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
    }));
    EXPECT_EQ(görülen, (QStringList{"Yazdırma sunucusunun yazıcıları listelenemedi: Yazdırma sunucusu yanıt vermedi.\n"
                                    "Yalnızca PDF yazıcısı gösteriliyor.",
                                    "PDF", "PDF"}));
    EXPECT_EQ(geçerliYazıcı().ad, "PDF");

    // The owner's window closed, or the program ended, while the server is asked for its printers: the
    // print ends there, with no printer window, and the close is carried out once it has. The program ended
    // while Tamam asks about the printer chosen: the print does not start (the windows below the printer
    // window take no close then).
    for (const auto& [işlem, çıkış] : {std::pair{IPP_OP_CUPS_GET_PRINTERS, false}, std::pair{IPP_OP_CUPS_GET_PRINTERS, true},
                                      std::pair{IPP_OP_GET_PRINTER_ATTRIBUTES, true}}) {
        sunucu.hepsiniYanıtla();
        sunucu.davranış(işlem, test::AksakBaskıSunucusu::Davranış::Sus, IPP_STATUS_OK, 200);
        sahip.show();
        sunucu.gelince([&](ipp_op_t gelen) {
            if (gelen != işlem) return;
            QMetaObject::invokeMethod(&sahip, [&] { çıkış ? test::sıradaSonlandır() : test::sıradaKapat(&sahip); });
        });
        int gösterildi = 0;
        test::Görününce görününce("YazıcıSeçmeFormu", [&](QWidget* d) {
            ++gösterildi;
            liste(d)->setCurrentIndex(liste(d)->findText("Aksak"));
            QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
        });
        EXPECT_FALSE(YazıcıSeçmeFormu::YazıcıSeçimi(&sahip));
        sunucu.gelince(nullptr);
        EXPECT_TRUE(YazdırmaİptalEdildi);
        EXPECT_EQ(gösterildi, işlem == IPP_OP_GET_PRINTER_ATTRIBUTES ? 1 : 0);
        EXPECT_TRUE(test::bekle([] { return !beklerkenKapatmaİstendi(); }, 2000));
        EXPECT_EQ(sahip.isVisible(), çıkış);  // the quit has no event loop of the program to end here
        YazdırmaİptalEdildi = false;
    }
    sunucuSüresiniDeğiştir(std::nullopt);
}
