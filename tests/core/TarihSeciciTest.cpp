// The date box: Tab goes on to the next control straight away, Shift+Tab back.
#include "core/TarihSecici.h"
#include "support/Ortam.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

TEST(TarihSeçici, SekmeKutudanHemenÇıkar)
{
    QDialog pencere;
    auto* önce = new QLineEdit(&pencere);
    QDateEdit* tarih = tarihSeçici(&pencere, QStringLiteral("TarihiKutusu"), QDate(2026, 2, 28));
    auto* sonra = new QLineEdit(&pencere);
    auto* düzen = new QVBoxLayout(&pencere);
    for (QWidget* w : {static_cast<QWidget*>(önce), static_cast<QWidget*>(tarih), static_cast<QWidget*>(sonra)})
        düzen->addWidget(w);
    pencere.show();
    pencere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));

    EXPECT_EQ(tarih->text(), "28.02.2026");
    tarih->setFocus();
    QTest::keyClick(tarih, Qt::Key_Tab);
    EXPECT_TRUE(sonra->hasFocus());
    tarih->setFocus();
    QTest::keyClick(tarih, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(önce->hasFocus());
}
