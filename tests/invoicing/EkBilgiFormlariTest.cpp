// The extra invoice and delivery-note details: their checks, their entry rules and their explicit result.
#include "invoicing/EkFaturaBilgileriFormu.h"
#include "invoicing/EkIrsaliyeBilgileriFormu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include <gtest/gtest.h>

namespace {
QPushButton* düğme(QWidget* w, const char* ad) { return w->findChild<QPushButton*>(QString::fromUtf8(ad)); }
}  // namespace

TEST(EkFaturaBilgileri, NumarasızKabulEtmezNumarayıBüyükHarfleVeKırparakAlır)
{
    test::MesajYanıtlayıcı mesajlar;
    std::optional<EkFaturaBilgileri> sonuç;
    test::Görününce g("EkFaturaBilgileriFormu", [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Ek Fatura Bilgileri");
        auto* no = w->findChild<QLineEdit*>("İrsaliyeNoKutusu");
        auto* irsaliyeTarihi = w->findChild<QDateEdit*>("İrsaliyeTarihiKutusu");
        auto* faturaTarihi = w->findChild<QDateEdit*>("FaturaTarihiKutusu");
        EXPECT_EQ(irsaliyeTarihi->date(), QDate::currentDate());
        EXPECT_EQ(faturaTarihi->date(), QDate(2026, 3, 7));
        EXPECT_EQ(w->findChild<QLabel*>("Etiket(0)")->text(), "İrsaliye &No :");

        // Empty, then blanks only: refused with the same message, the focus back in the box.
        düğme(w, "TamamDüğmesi")->click();
        QTest::keyClicks(no, "   ");
        düğme(w, "TamamDüğmesi")->click();
        EXPECT_EQ(mesajlar.sayı(), 2);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->focusWidget(), no);

        // Enter moves on to the date and closes nothing; letters go upper-case the Turkish way.
        QApplication::setActiveWindow(w);  // back from the message boxes
        no->clear();
        no->setFocus();
        test::yaz(no, " irsaliye-ı7 ");
        QTest::keyClick(no, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(no->text(), "İRSALİYE-I7");
        EXPECT_NE(w->focusWidget(), no);
        irsaliyeTarihi->setDate(QDate(2026, 3, 6));
        faturaTarihi->setDate(QDate(2020, 1, 1));  // shown only
        düğme(w, "TamamDüğmesi")->click();
    });
    sonuç = EkFaturaBilgileriFormu::sor(nullptr, QDate(2026, 3, 7));
    ASSERT_TRUE(g.olduMu());
    ASSERT_EQ(mesajlar.sayı(), 2);
    EXPECT_EQ(mesajlar.görülenler()[0].metin, EkFaturaBilgileriFormu::NoGerekli);
    EXPECT_EQ(mesajlar.görülenler()[1].simge, mesaj::Simge::Bilgi);
    ASSERT_TRUE(sonuç);
    EXPECT_EQ(sonuç->irsaliyeNo, "İRSALİYE-I7");
    EXPECT_EQ(sonuç->irsaliyeTarihi, QDate(2026, 3, 6));
}

TEST(EkFaturaBilgileri, VazgeçEscVeKapatmaİptaldirHerAçılışBaştanBaşlar)
{
    const QList<std::function<void(QWidget*)>> vazgeçişler = {
        [](QWidget* w) { düğme(w, "VazgeçDüğmesi")->click(); },
        [](QWidget* w) { QTest::keyClick(w->findChild<QLineEdit*>("İrsaliyeNoKutusu"), Qt::Key_Escape); },
        [](QWidget* w) { w->close(); },
    };
    for (const auto& vazgeç : vazgeçişler) {
        test::Görününce g("EkFaturaBilgileriFormu", [&](QWidget* w) {
            auto* no = w->findChild<QLineEdit*>("İrsaliyeNoKutusu");
            EXPECT_EQ(no->text(), "");  // nothing from the opening before
            QTest::keyClicks(no, "A-1");
            vazgeç(w);
        });
        EXPECT_FALSE(EkFaturaBilgileriFormu::sor(nullptr, QDate(2026, 3, 7)));
        EXPECT_TRUE(g.olduMu());
    }
}

TEST(EkİrsaliyeBilgileri, BugünVeŞimdiyleAçılırTamamDeğerleriVerirVazgeçİptalEder)
{
    std::optional<EkİrsaliyeBilgileri> sonuç;
    test::Görününce g("EkİrsaliyeBilgileriFormu", [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Ek İrsaliye Bilgileri");
        auto* düzenleme = w->findChild<QDateEdit*>("DüzenlemeTarihiKutusu");
        auto* sevk = w->findChild<QDateEdit*>("FiiliSevkTarihiKutusu");
        auto* saat = w->findChild<QTimeEdit*>("DüzenlemeSaatiKutusu");
        EXPECT_EQ(düzenleme->date(), QDate::currentDate());
        EXPECT_EQ(sevk->date(), QDate::currentDate());
        EXPECT_EQ(saat->time().second(), 0);
        EXPECT_LE(std::abs(saat->time().secsTo(QTime::currentTime())), 120);
        // A day that once meant "cancelled" is a day like any other now.
        düzenleme->setDate(QDate(1899, 12, 31));
        sevk->setDate(QDate(2026, 3, 9));
        saat->setTime(QTime(14, 5));
        QTest::keyClick(sevk, Qt::Key_Return);  // no default button: Enter confirms nothing
        EXPECT_TRUE(w->isVisible());
        düğme(w, "TamamDüğmesi")->click();
    });
    sonuç = EkİrsaliyeBilgileriFormu::sor(nullptr);
    ASSERT_TRUE(sonuç);
    EXPECT_EQ(sonuç->düzenlemeTarihi, QDate(1899, 12, 31));
    EXPECT_EQ(sonuç->fiiliSevkTarihi, QDate(2026, 3, 9));
    EXPECT_EQ(sonuç->düzenlemeSaati, QTime(14, 5));

    for (int i = 0; i < 3; ++i) {
        test::Görününce v("EkİrsaliyeBilgileriFormu", [i](QWidget* w) {
            if (i == 0) düğme(w, "VazgeçDüğmesi")->click();
            else if (i == 1) QTest::keyClick(w, Qt::Key_Escape);
            else w->close();
        });
        EXPECT_FALSE(EkİrsaliyeBilgileriFormu::sor(nullptr));
    }
}
