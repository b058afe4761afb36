#include "core/BaglantiEtiketi.h"
#include "core/HakkindaFormu.h"
#include "core/HataBildirmeFormu.h"
#include "platform/Kabuk.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

// The pictures live in an object of the support library that nothing refers to.
static const int kaynaklar = [] {
    Q_INIT_RESOURCE(kavrenta);
    return 0;
}();

namespace {

class Bağlantılar : public ::testing::Test {
protected:
    void SetUp() override
    {
        kabuk::açıcıyıDeğiştir([this](const QUrl& u) {
            açılanlar << u;
            return açılabilir;
        });
    }
    void TearDown() override
    {
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        qunsetenv("ORGANIZATION");
    }

    static void üzerindenGeç(QWidget* w)
    {
        QMouseEvent olay(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &olay);
    }
    static BağlantıEtiketi* bağlantı(QWidget* p, const char* ad)
    {
        return dynamic_cast<BağlantıEtiketi*>(p->findChild<QLabel*>(QString::fromUtf8(ad)));
    }

    QList<QUrl> açılanlar;
    bool açılabilir = true;
};

QString etiket(QWidget* p, const QString& ad) { return p->findChild<QLabel*>(ad)->text(); }

}  // namespace

TEST_F(Bağlantılar, HakkındaPenceresiProgramıVeKullanıcıyıGösterir)
{
    EXPECT_EQ(HakkındaFormu::SürümMetni(1, 2, 5), "Sürüm 1.25");
    EXPECT_EQ(HakkındaFormu::SürümMetni(1, 10, 12), "Sürüm 1.1012");

    qputenv("ORGANIZATION", "Deneme Ticaret A.Ş.");
    HakkındaFormu p;
    p.show();
    EXPECT_EQ(p.windowTitle(), "Hakkında");
    EXPECT_EQ(etiket(&p, "Etiket(0)"), "Kavrenta");
    EXPECT_TRUE(etiket(&p, "Etiket(1)").startsWith("Sürüm 1."));
    EXPECT_FALSE(etiket(&p, "Etiket(2)").isEmpty());
    EXPECT_EQ(etiket(&p, "Etiket(3)"), "Kullanıcı Adı");
    EXPECT_EQ(etiket(&p, "Etiket(5)"), "Kuruluş Adı");
    EXPECT_EQ(etiket(&p, "Etiket(7)"), "Velnaro");
    EXPECT_EQ(etiket(&p, "KullanıcıAdıEtiketi"), kabuk::kullanıcınınTamAdı());
    EXPECT_EQ(etiket(&p, "KuruluşAdıEtiketi"), "Deneme Ticaret A.Ş.");

    // Read anew whenever the window becomes active again.
    qunsetenv("ORGANIZATION");
    QEvent etkin(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&p, &etkin);
    EXPECT_EQ(etiket(&p, "KuruluşAdıEtiketi"), "");

    // The maker's link: underlined under the pointer, plain over the background, opened on a click.
    BağlantıEtiketi* site = bağlantı(&p, "VELNAROEtiketi");
    ASSERT_TRUE(site);
    üzerindenGeç(site);
    EXPECT_TRUE(site->altıÇizili());
    üzerindenGeç(p.findChild<QWidget*>("Altlık"));
    EXPECT_FALSE(site->altıÇizili());
    QTest::mouseClick(site, Qt::LeftButton);
    ASSERT_EQ(açılanlar.size(), 1);
    EXPECT_EQ(açılanlar[0], QUrl(HakkındaFormu::AnaSayfa));
    EXPECT_EQ(açılanlar[0].host(), "www.example.com");
    EXPECT_TRUE(p.isVisible());

    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_FALSE(p.isVisible());
}

TEST_F(Bağlantılar, HataBildirmePenceresiBağlantıları)
{
    HataBildirmeFormu p;
    p.show();
    EXPECT_EQ(p.windowTitle(), "Hata Bildirme");
    EXPECT_EQ(etiket(&p, "Etiket(0)"), "Hataları Bildirin!");
    EXPECT_EQ(etiket(&p, "Etiket(1)"), "Lütfen, programda gördüğünüz hataları aşağıdaki yollardan biri ile bize "
                                       "iletiniz.\nİlginiz için şimdiden teşekkürler...");
    EXPECT_FALSE(p.findChild<QLabel*>("SimgeKutusu")->pixmap().isNull());

    BağlantıEtiketi* web = bağlantı(&p, "WebEtiketi");
    BağlantıEtiketi* posta = bağlantı(&p, "EPostaEtiketi");
    ASSERT_TRUE(web && posta);
    EXPECT_EQ(web->text(), "Mesaj Gönder");
    EXPECT_EQ(posta->text(), "E-Posta Gönder");
    EXPECT_EQ(web->adres().path(), "/asp/mesaj/mesaj.asp");
    EXPECT_EQ(QUrlQuery(web->adres()).queryItemValue("ProgramAdi"), "Kavrenta");
    EXPECT_EQ(posta->adres().scheme(), "mailto");

    üzerindenGeç(web);
    EXPECT_TRUE(web->altıÇizili());
    EXPECT_FALSE(posta->altıÇizili());
    üzerindenGeç(posta);
    EXPECT_TRUE(posta->altıÇizili());
    EXPECT_FALSE(web->altıÇizili());
    üzerindenGeç(p.findChild<QWidget*>("Altlık"));
    EXPECT_FALSE(posta->altıÇizili());

    // A link that cannot be opened is not reported; the window stays.
    test::MesajYanıtlayıcı yanıtlayıcı;
    açılabilir = false;
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(posta, Qt::LeftButton);
    ASSERT_EQ(açılanlar.size(), 2);
    EXPECT_EQ(açılanlar[0], web->adres());
    EXPECT_EQ(açılanlar[1], QUrl("mailto:destek@example.com"));
    QTest::qWait(20);
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
    EXPECT_TRUE(p.isVisible());

    QTest::mouseClick(p.findChild<QPushButton*>("TamamDüğmesi"), Qt::LeftButton);
    EXPECT_FALSE(p.isVisible());
}
