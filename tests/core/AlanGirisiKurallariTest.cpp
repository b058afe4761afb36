#include "core/AlanGirisiKurallari.h"
#include "core/SiraliListe.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using K = AlanGirişiKuralları::Kural;
namespace AGK = AlanGirişiKuralları;

namespace {

// A small entry window: a caption label and a box for each row, in tab order, and a confirm button.
struct Pencere {
    QDialog pencere;
    QLabel* etiket[4];
    QLineEdit* ad;
    QLineEdit* miktar;
    QComboBox* kişi;
    QLineEdit* not_;
    QPushButton* kaydet;

    Pencere()
    {
        auto* düzen = new QVBoxLayout(&pencere);
        const char* başlıklar[] = {"&Adı :", "&Miktarı :", "&Girişi Yapan :", "&Notu :"};
        for (int i = 0; i < 4; ++i) {
            etiket[i] = new QLabel(QString::fromUtf8(başlıklar[i]), &pencere);
            etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        }
        düzen->addWidget(etiket[0]);
        düzen->addWidget(ad = new QLineEdit(&pencere));
        düzen->addWidget(etiket[1]);
        düzen->addWidget(miktar = new QLineEdit(&pencere));
        düzen->addWidget(etiket[2]);
        düzen->addWidget(kişi = new QComboBox(&pencere));
        kişi->setEditable(true);
        düzen->addWidget(etiket[3]);
        düzen->addWidget(not_ = new QLineEdit(&pencere));
        düzen->addWidget(kaydet = new QPushButton(QStringLiteral("Kaydet"), &pencere));
        kaydet->setDefault(true);
        ad->setObjectName(QStringLiteral("AdıKutusu"));
        miktar->setObjectName(QStringLiteral("MiktarıKutusu"));
        kişi->setObjectName(QStringLiteral("GirişiYapanKutusu"));
        not_->setObjectName(QStringLiteral("NotuKutusu"));
        pencere.show();
        pencere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&pencere));
    }
};

// Types the text key by key; QTest::keyClicks takes only ASCII, so the Turkish letters go as key
// events that carry their text, as a Turkish keyboard sends them.
void yaz(QWidget* hedef, const QString& metin)
{
    for (QChar c : metin) {
        if (c.unicode() < 128) QTest::keyClick(hedef, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

QColor renk(QLabel* etiket) { return etiket->palette().color(QPalette::WindowText); }

}  // namespace

TEST(AlanGirişiKuralları, YazılanHarflerTürkçeBüyükHarfOlur)
{
    Pencere p;
    AGK::uygula(p.ad, K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, p.etiket[0]);
    AGK::uygula(p.kişi, K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, p.etiket[2]);
    p.ad->setFocus();
    yaz(p.ad, QStringLiteral("istanbul ılık şçğöü 1-2."));
    EXPECT_EQ(p.ad->text(), QStringLiteral("İSTANBUL ILIK ŞÇĞÖÜ 1-2."));

    p.kişi->setFocus();
    yaz(p.kişi, QStringLiteral("ali ışık"));
    EXPECT_EQ(p.kişi->currentText(), QStringLiteral("ALİ IŞIK"));
}

TEST(AlanGirişiKuralları, SayıKutusuHarfVeİkinciVirgülüAlmaz)
{
    Pencere p;
    AGK::uygula(p.miktar, K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::SayıTuşSüzgeci
                              | K::SayıOlmayanıSil | K::TutarBiçimi,
                p.etiket[1]);
    p.miktar->setFocus();
    yaz(p.miktar, QStringLiteral("1a2.-b3,4,5"));
    EXPECT_EQ(p.miktar->text(), QStringLiteral("123,45"));

    p.miktar->clear();
    yaz(p.miktar, QStringLiteral(","));
    EXPECT_EQ(p.miktar->text(), QString());

    p.miktar->setText(QStringLiteral("1234,5"));
    p.ad->setFocus();
    EXPECT_EQ(p.miktar->text(), QStringLiteral("1.234,50"));
}
