// The definition chooser opens the chosen window with the main window as owner and leaves the screen.
#include "UrunTestYardimcilari.h"
#include "core/Acicilar.h"
#include "core/OrtakDegiskenler.h"
#include "definitions/TanimlamaKayit.h"
#include "definitions/TanimlamaSecFormu.h"

#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

using namespace ürünTest;

namespace {

struct Açılış {
    QString ad;
    QWidget* sahip = nullptr;
    QString tablo;
    bool seçiciGörünür = true;
};

class TanımlamaSeçici : public ::testing::Test {
protected:
    test::SunucuKlasörü sunucu;
    QMainWindow ana;
    QList<Açılış> açılanlar;

    void SetUp() override
    {
        açıcılar::temizle();
        TanımlamaPencereleriniKaydet();
        // The firm windows are another part's; stand-ins note how they were opened.
        for (const QString& ad : {QStringLiteral("SatıcıFirmaTanımlaMenüsü"), QStringLiteral("AlıcıFirmaTanımlaMenüsü")})
            açıcılar::kaydet(ad, [this, ad](QWidget* sahip) {
                QWidget* seçici = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == "TanımlamaSeçFormu") seçici = w;
                açılanlar.append({ad, sahip, SeçiliFirmaTablosu, seçici && seçici->isVisible()});
            });
        SeçiliFirmaTablosu.clear();
        ana.show();
    }
    void TearDown() override { açıcılar::temizle(); }

    // Opens the chooser from the main window as the toolbar does, and runs the action inside it.
    void seçiciyleAç(std::function<void(QWidget*)> eylem)
    {
        modaldaÇalıştır("TanımlamaSeçFormu", eylem);
        ASSERT_TRUE(açıcılar::aç("TanımlamaSeçFormu", &ana));
    }
};

}  // namespace

TEST_F(TanımlamaSeçici, EnterÜrünPenceresiniAçarSeçiciKapanır)
{
    bool ürünPenceresiAçıldı = false;
    QWidget* sahip = nullptr;
    bool seçiciGörünür = true;
    modaldaÇalıştır("ÜrünTanımlamaFormu", [&](QWidget* p) {
        ürünPenceresiAçıldı = true;
        sahip = p->parentWidget();
        seçiciGörünür = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TanımlamaSeçFormu" && w->isVisible()) seçiciGörünür = true;
        p->findChild<QPushButton*>("KapatVazgeçDüğmesi")->click();
    });
    seçiciyleAç([](QWidget* s) {
        EXPECT_EQ(s->windowTitle(), "Tanımlama Seç");
        EXPECT_TRUE(s->findChild<QRadioButton*>("TanımlamaSeç(0)")->isChecked());
        EXPECT_EQ(s->findChild<QRadioButton*>("TanımlamaSeç(0)")->text(), "Ü&rün Tanımlama ");
        QTest::keyClick(s, Qt::Key_Return);
    });
    EXPECT_TRUE(ürünPenceresiAçıldı);
    EXPECT_EQ(sahip, &ana);
    EXPECT_FALSE(seçiciGörünür);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // after it closes, the chooser is gone too
}

TEST_F(TanımlamaSeçici, SatıcıVeAlıcıFirmaPencereleriTablolarıylaAçılır)
{
    seçiciyleAç([](QWidget* s) {
        s->findChild<QRadioButton*>("TanımlamaSeç(1)")->setChecked(true);
        s->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    seçiciyleAç([](QWidget* s) {
        s->findChild<QRadioButton*>("TanımlamaSeç(2)")->setChecked(true);
        s->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    ASSERT_EQ(açılanlar.size(), 2);
    EXPECT_EQ(açılanlar[0].ad, "SatıcıFirmaTanımlaMenüsü");
    EXPECT_EQ(açılanlar[0].tablo, "SaticiFirmalarTablosu ");
    EXPECT_EQ(açılanlar[1].ad, "AlıcıFirmaTanımlaMenüsü");
    EXPECT_EQ(açılanlar[1].tablo, "AliciFirmalarTablosu ");  // with its trailing blank
    for (const Açılış& a : açılanlar) {
        EXPECT_EQ(a.sahip, &ana);
        EXPECT_FALSE(a.seçiciGörünür);
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TanımlamaSeçici, İptalHiçbirŞeyAçmaz)
{
    seçiciyleAç([](QWidget* s) { s->findChild<QPushButton*>("İptalDüğmesi")->click(); });
    seçiciyleAç([](QWidget* s) { QTest::keyClick(s, Qt::Key_Escape); });
    EXPECT_TRUE(açılanlar.isEmpty());
    EXPECT_TRUE(SeçiliFirmaTablosu.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
