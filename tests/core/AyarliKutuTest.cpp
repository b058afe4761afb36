#include "core/AyarliKutu.h"
#include "support/Ortam.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with a box before and after the numeric box, as a host has them.
class KutuPenceresi : public ::testing::Test {
protected:
    void SetUp() override
    {
        önce = new QLineEdit(&pencere);
        önce->setObjectName("Önce");
        kutu = new AyarliKutu(&pencere);
        kutu->setEnDusuk(2);
        kutu->setEnYuksek(100);
        kutu->setValue(5);
        kutu->setText("5");
        sonra = new QLineEdit(&pencere);
        sonra->setObjectName("Sonra");
        auto* düzen = new QVBoxLayout(&pencere);
        düzen->addWidget(önce);
        düzen->addWidget(kutu);
        düzen->addWidget(sonra);
        QObject::connect(kutu, &AyarliKutu::Change, [this] { ++değişiklik; });
        pencere.show();
        pencere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));
        metin = kutu->değerKutusu();
        metin->setFocus(Qt::TabFocusReason);
        QTest::qWait(1);
        değişiklik = 0;
    }

    // After the n-th message the box is the window's focus again (the offscreen platform does not give
    // the activation back to the window when the message box closes, so the test does).
    bool odakKutudaDöner(const test::MesajYanıtlayıcı& y, int n)
    {
        if (!test::bekle([&] { return y.sayı() == n && !QApplication::activeModalWidget(); })) return false;
        if (!test::bekle([&] { return pencere.focusWidget() == metin; })) return false;
        pencere.activateWindow();
        return QTest::qWaitForWindowActive(&pencere) && metin->hasFocus();
    }

    void yaz(const QString& s) { QTest::keyClicks(metin, s); }
    void tuş(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    QWidget pencere;
    QLineEdit* önce = nullptr;
    QLineEdit* sonra = nullptr;
    QLineEdit* metin = nullptr;
    AyarliKutu* kutu = nullptr;
    int değişiklik = 0;
};

}  // namespace

TEST_F(KutuPenceresi, YazılanSayıYazarkenBozulmaz)
{
    EXPECT_EQ(metin->selectedText(), "5");  // the whole text is selected on entering
    yaz("25");
    EXPECT_EQ(kutu->Text(), "25");
    EXPECT_EQ(kutu->Value(), 25);
    EXPECT_EQ(değişiklik, 2);
    // Letters, signs and separators are not typed.
    yaz("a-,.");
    EXPECT_EQ(kutu->Text(), "25");
    // Enter moves to the next box and types nothing.
    tuş(Qt::Key_Return);
    ASSERT_TRUE(test::bekle([&] { return sonra->hasFocus(); }));
    EXPECT_EQ(kutu->Text(), "25");
    EXPECT_EQ(kutu->Value(), 25);
}

TEST_F(KutuPenceresi, SınırDışıDeğerAyrılırkenSınıraGetirilir)
{
    test::MesajYanıtlayıcı yanıtlayıcı;
    yaz("150");
    EXPECT_EQ(kutu->Text(), "150");  // typed as typed, out of range or not
    EXPECT_EQ(kutu->Value(), 15);    // the position follows only while the number is within the bounds
    tuş(Qt::Key_Tab);
    ASSERT_TRUE(odakKutudaDöner(yanıtlayıcı, 1));
    EXPECT_EQ(yanıtlayıcı.sonMetin(), "Belirlediğiniz değer, 2 ile 100 arasında olmalıdır!");
    EXPECT_EQ(yanıtlayıcı.görülenler()[0].başlık, "Hatalı değer!");
    EXPECT_EQ(yanıtlayıcı.görülenler()[0].simge, mesaj::Simge::Bilgi);
    EXPECT_EQ(kutu->Text(), "100");
    EXPECT_EQ(kutu->Value(), 100);

    metin->selectAll();
    yaz("1");
    tuş(Qt::Key_Tab);
    ASSERT_TRUE(odakKutudaDöner(yanıtlayıcı, 2));
    EXPECT_EQ(kutu->Text(), "2");
    EXPECT_EQ(kutu->Value(), 2);

    // Within the bounds the focus moves on without a word.
    metin->selectAll();
    yaz("42");
    tuş(Qt::Key_Tab);
    ASSERT_TRUE(test::bekle([&] { return sonra->hasFocus(); }));
    QTest::qWait(20);
    EXPECT_EQ(yanıtlayıcı.sayı(), 2);
    EXPECT_EQ(kutu->Value(), 42);

    // The host's own check before it uses the number.
    kutu->setText("0");
    EXPECT_FALSE(kutu->doğrula());
    EXPECT_EQ(yanıtlayıcı.sayı(), 3);
    EXPECT_EQ(kutu->Text(), "2");
    EXPECT_TRUE(kutu->doğrula());
}

TEST_F(KutuPenceresi, KapananPencereUyarılmaz)
{
    test::MesajYanıtlayıcı yanıtlayıcı;
    yaz("500");
    sonra->setFocus(Qt::MouseFocusReason);  // the focus leaves towards a button that closes the window
    pencere.hide();
    QTest::qWait(30);
    EXPECT_EQ(yanıtlayıcı.sayı(), 0);
}

TEST_F(KutuPenceresi, SilinenKutuSıfırTutar)
{
    tuş(Qt::Key_Backspace);
    EXPECT_EQ(kutu->Text(), "0");
    EXPECT_EQ(metin->selectedText(), "0");
    EXPECT_GE(değişiklik, 1);
    yaz("7");
    EXPECT_EQ(kutu->Text(), "7");
    EXPECT_EQ(kutu->Value(), 7);
}

TEST_F(KutuPenceresi, OkTuşlarıVeDüğmeSınırdaDurur)
{
    tuş(Qt::Key_Up);
    EXPECT_EQ(kutu->Text(), "6");
    EXPECT_EQ(metin->selectedText(), "6");
    tuş(Qt::Key_Down);
    tuş(Qt::Key_Down);
    tuş(Qt::Key_Down);
    tuş(Qt::Key_Down);
    EXPECT_EQ(kutu->Value(), 2);
    EXPECT_EQ(kutu->Text(), "2");

    kutu->setValue(100);
    tuş(Qt::Key_Up);
    EXPECT_EQ(kutu->Value(), 100);

    auto* düğme = kutu->findChild<QAbstractSlider*>("DeğerDeğiştirDüğmesi");
    ASSERT_TRUE(düğme);
    EXPECT_EQ(düğme->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(düğme->width() / 2, düğme->height() - 2));
    EXPECT_EQ(kutu->Text(), "99");
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(düğme->width() / 2, 2));
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(düğme->width() / 2, 2));
    EXPECT_EQ(kutu->Text(), "100");
    EXPECT_TRUE(metin->hasFocus());

    // A click on the spin button brings the focus into the box, so the host sees the user's change.
    önce->setFocus();
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(düğme->width() / 2, düğme->height() - 2));
    EXPECT_TRUE(metin->hasFocus());
    EXPECT_EQ(kutu->Text(), "99");
}

TEST_F(KutuPenceresi, BirimAyrılıncaVeDüğmeyleYazılır)
{
    kutu->setEnDusuk(0);
    kutu->setEnYuksek(300);
    kutu->setBirim(" mm");
    metin->selectAll();
    yaz("15");
    EXPECT_EQ(kutu->Text(), "15");
    tuş(Qt::Key_Tab);
    EXPECT_EQ(kutu->Text(), "15 mm");
    auto* düğme = kutu->findChild<QAbstractSlider*>("DeğerDeğiştirDüğmesi");
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(düğme->width() / 2, 2));
    EXPECT_EQ(kutu->Text(), "16 mm");
    EXPECT_EQ(kutu->Value(), 16);
    metin->setFocus(Qt::TabFocusReason);
    tuş(Qt::Key_Tab);
    EXPECT_EQ(kutu->Text(), "16 mm");

    // A number brought back to its bound is written with the unit too, and the host sees that change
    // with the focus in the box, as a change of the user.
    QWidget* odak = nullptr;
    QObject::connect(kutu, &AyarliKutu::Change, [&] { odak = pencere.focusWidget(); });
    test::MesajYanıtlayıcı yanıtlayıcı;
    metin->setFocus(Qt::TabFocusReason);
    metin->selectAll();
    yaz("500");
    tuş(Qt::Key_Tab);
    ASSERT_TRUE(odakKutudaDöner(yanıtlayıcı, 1));
    EXPECT_EQ(kutu->Text(), "300 mm");
    EXPECT_EQ(kutu->Value(), 300);
    EXPECT_EQ(odak, metin);
}

TEST_F(KutuPenceresi, KapalıKutuDeğerleYazılmazVeDarKutuGenişler)
{
    kutu->setEnabled(false);
    kutu->setValue(50);
    EXPECT_EQ(kutu->Value(), 50);
    EXPECT_EQ(kutu->Text(), "5");
    EXPECT_FALSE(kutu->findChild<QAbstractSlider*>("DeğerDeğiştirDüğmesi")->isEnabled());
    kutu->setEnabled(true);
    kutu->setValue(51);
    EXPECT_EQ(kutu->Text(), "51");

    AyarliKutu dar;
    dar.resize(20, dar.height());  // 300 twips
    EXPECT_EQ(dar.width(), 34);     // at least 500 twips
}

TEST(AyarliKutu, BaştakiSayı)
{
    EXPECT_EQ(AyarliKutu::baştakiSayı("15 mm"), 15);
    EXPECT_EQ(AyarliKutu::baştakiSayı(" 7"), 7);
    EXPECT_EQ(AyarliKutu::baştakiSayı("2.5x"), 2.5);
    EXPECT_EQ(AyarliKutu::baştakiSayı("mm"), 0);
    EXPECT_EQ(AyarliKutu::baştakiSayı(""), 0);
}
