// The date box: Tab goes on to the next control straight away, Shift+Tab back; a date is typed from its day
// however the box was entered.
#include "core/TarihSecici.h"
#include "support/Ortam.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

struct TarihPenceresi {
    QDialog pencere;
    QLineEdit* önce = new QLineEdit(&pencere);
    QDateEdit* tarih = tarihSeçici(&pencere, QStringLiteral("TarihiKutusu"), QDate(2026, 2, 28));
    QLineEdit* sonra = new QLineEdit(&pencere);

    TarihPenceresi()
    {
        auto* düzen = new QVBoxLayout(&pencere);
        for (QWidget* w : {static_cast<QWidget*>(önce), static_cast<QWidget*>(tarih), static_cast<QWidget*>(sonra)})
            düzen->addWidget(w);
        pencere.show();
        pencere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&pencere));
    }

    // A click at the given share of the text's width (0 the day's end, 1 the year's).
    void tıkla(double yer)
    {
        QLineEdit* e = tarih->findChild<QLineEdit*>();
        const int x = e->fontMetrics().horizontalAdvance(e->text().left(int(yer * (e->text().size() - 1))) + "0");
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(x + 2, e->height() / 2));
    }
};

std::string gün(const TarihPenceresi& p) { return p.tarih->date().toString(QStringLiteral("dd.MM.yyyy")).toStdString(); }

}  // namespace

TEST(TarihSeçici, SekmeKutudanHemenÇıkar)
{
    TarihPenceresi p;
    EXPECT_EQ(p.tarih->text(), "28.02.2026");
    p.tarih->setFocus();
    QTest::keyClick(p.tarih, Qt::Key_Tab);
    EXPECT_TRUE(p.sonra->hasFocus());
    p.tarih->setFocus();
    QTest::keyClick(p.tarih, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(p.önce->hasFocus());
}

TEST(TarihSeçici, GirilinceGündenBaşlayarakYazılır)
{
    const std::vector<std::pair<const char*, std::function<void(TarihPenceresi&)>>> girişler = {
        {"Tab", [](TarihPenceresi& p) { QTest::keyClick(p.önce, Qt::Key_Tab); }},
        {"Shift+Tab", [](TarihPenceresi& p) { QTest::keyClick(p.sonra, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"click on the day", [](TarihPenceresi& p) { p.tıkla(0); }},
        {"click on the month", [](TarihPenceresi& p) { p.tıkla(0.4); }},
        {"click on the year", [](TarihPenceresi& p) { p.tıkla(1); }},
    };
    for (const auto& [giriş, gir] : girişler) {
        for (const char* yazılan : {"07122026", "07.12.2026", "7.12.2026", "07/12/2026"}) {
            TarihPenceresi p;
            p.sonra->setFocus();
            if (QString(giriş) != "Shift+Tab") p.önce->setFocus();
            gir(p);
            ASSERT_TRUE(p.tarih->hasFocus()) << giriş;
            QTest::keyClicks(p.tarih, yazılan);
            EXPECT_EQ(gün(p), "07.12.2026") << giriş << " " << yazılan;
        }
    }

    TarihPenceresi p;
    p.önce->setFocus();
    p.tıkla(1);
    QTest::keyClicks(p.tarih, "1.1.2027");
    EXPECT_EQ(gün(p), "01.01.2027");
    // In the box already, a click picks the part under the mouse, and what is typed replaces it.
    p.tıkla(0.4);
    QTest::keyClicks(p.tarih, "11");
    EXPECT_EQ(gün(p), "01.11.2027");
    // The arrows still step the selected part: the year, once the month was filled.
    QTest::keyClick(p.tarih, Qt::Key_Up);
    EXPECT_EQ(gün(p), "01.11.2028");
    QTest::keyClick(p.tarih, Qt::Key_Tab);
    EXPECT_TRUE(p.sonra->hasFocus());
}
