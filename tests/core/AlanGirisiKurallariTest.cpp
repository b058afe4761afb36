#include "core/AlanGirisiKurallari.h"
#include "core/SiraliListe.h"
#include "platform/TurkceMetin.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using K = AlanGirişiKuralları::Kural;
namespace AGK = AlanGirişiKuralları;

namespace {

// A small entry window: a caption label before each box, the boxes in tab order, and a default
// button that Enter would press if a box let it through.
struct Pencere {
    QDialog pencere;
    QList<QLabel*> etiket;
    QLineEdit* ad;
    QLineEdit* miktar;
    QComboBox* kişi;
    QLineEdit* not_;
    QPlainTextEdit* adres;
    QDateEdit* tarih;
    SıralıListeKutusu* ürünler;
    QComboBox* neden;
    QPushButton* kaydet;

    Pencere()
    {
        auto* düzen = new QVBoxLayout(&pencere);
        auto kutu = [&](const char* başlık, QWidget* k, const char* ad) {
            auto* e = new QLabel(QString::fromUtf8(başlık), &pencere);
            e->setObjectName(QStringLiteral("Etiket(%1)").arg(etiket.size()));
            etiket.append(e);
            k->setObjectName(QString::fromUtf8(ad));
            düzen->addWidget(e);
            düzen->addWidget(k);
        };
        kutu("&Adı :", ad = new QLineEdit(&pencere), "AdıKutusu");
        kutu("&Miktarı :", miktar = new QLineEdit(&pencere), "MiktarıKutusu");
        kutu("&Girişi Yapan :", kişi = new QComboBox(&pencere), "GirişiYapanKutusu");
        kutu("&Notu :", not_ = new QLineEdit(&pencere), "NotuKutusu");
        kutu("Ad&resi :", adres = new QPlainTextEdit(&pencere), "AdresiKutusu");
        kutu("&Tarihi :", tarih = new QDateEdit(&pencere), "TarihiKutusu");
        kutu("Ürü&nler", ürünler = new SıralıListeKutusu(&pencere), "ÜrünListesi");
        kutu("Ne&deni :", neden = new QComboBox(&pencere), "NedeniKutusu");
        kişi->setEditable(true);
        neden->addItems({QStringLiteral("Faturalı Satış"), QStringLiteral("Emanet")});
        düzen->addWidget(kaydet = new QPushButton(QStringLiteral("Kaydet"), &pencere));
        kaydet->setDefault(true);
        pencere.show();
        pencere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&pencere));
    }

    QColor normalRenk() const { return pencere.palette().color(QPalette::WindowText); }
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

QColor renk(const QLabel* etiket) { return etiket->palette().color(QPalette::WindowText); }

}  // namespace

TEST(AlanGirişiKuralları, YazılanHarflerTürkçeKuralıylaBüyükHarfOlur)
{
    Pencere p;
    AGK::uygula(p.ad, K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, p.etiket[0]);
    AGK::uygula(p.kişi, K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, p.etiket[2]);
    p.ad->setFocus();
    yaz(p.ad, QStringLiteral("istanbul ılık şçğöü 1-2.'"));
    EXPECT_EQ(p.ad->text(), QStringLiteral("İSTANBUL ILIK ŞÇĞÖÜ 1-2.'"));

    // The letters that the window itself puts in stay as they are; only what the user brings in changes.
    p.kişi->addItem(QStringLiteral("Ayşe Işık"));
    p.kişi->setCurrentIndex(0);
    p.kişi->setFocus();
    p.kişi->lineEdit()->end(false);
    yaz(p.kişi, QStringLiteral(" ve ali"));
    EXPECT_EQ(p.kişi->currentText(), QStringLiteral("Ayşe Işık VE ALİ"));

    // Pasted text too.
    p.ad->setFocus();
    p.ad->end(false);
    QApplication::clipboard()->setText(QStringLiteral(" ılgın iz"));
    p.ad->paste();
    EXPECT_EQ(p.ad->text(), QStringLiteral("İSTANBUL ILIK ŞÇĞÖÜ 1-2.' ILGIN İZ"));
    EXPECT_EQ(p.ad->cursorPosition(), p.ad->text().size());
    // The paste is one step of the undo history, as the user made it.
    p.ad->undo();
    EXPECT_EQ(p.ad->text(), QStringLiteral("İSTANBUL ILIK ŞÇĞÖÜ 1-2.'"));
}

TEST(AlanGirişiKuralları, SayıKutusuYalnızcaSayıTutar)
{
    Pencere p;
    AGK::uygula(p.miktar, K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::SayıTuşSüzgeci
                              | K::SayıOlmayanıSil | K::TutarBiçimi,
                p.etiket[1]);
    p.miktar->setFocus();
    yaz(p.miktar, QStringLiteral("1a2.-b3 ş,4"));
    EXPECT_EQ(p.miktar->text(), QStringLiteral("123,4"));
    // A second comma goes again at once; so does a comma alone.
    yaz(p.miktar, QStringLiteral(",5"));
    EXPECT_EQ(p.miktar->text(), QStringLiteral("123,45"));
    QTest::keyClick(p.miktar, Qt::Key_Backspace);
    EXPECT_EQ(p.miktar->text(), QStringLiteral("123,4"));
    p.miktar->clear();
    yaz(p.miktar, QStringLiteral(","));
    EXPECT_EQ(p.miktar->text(), QString());

    // Pasted text: what the keys refuse is dropped, and what is still no number is taken off from the caret.
    QApplication::clipboard()->setText(QStringLiteral("1a2.5,7x"));
    p.miktar->paste();
    EXPECT_EQ(p.miktar->text(), QStringLiteral("125,7"));
    p.miktar->clear();
    QApplication::clipboard()->setText(QStringLiteral("4,5,6"));
    QTest::keyClick(p.miktar, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(p.miktar->text(), QStringLiteral("4,5"));

    // Leaving formats; the next visit selects the whole text; a digit typed behind it stays.
    p.miktar->setText(QStringLiteral("1234,5"));
    p.ad->setFocus();
    EXPECT_EQ(p.miktar->text(), QStringLiteral("1.234,50"));
    p.miktar->setFocus();
    EXPECT_EQ(p.miktar->selectedText(), QStringLiteral("1.234,50"));
    p.miktar->end(false);
    yaz(p.miktar, QStringLiteral("1"));
    EXPECT_EQ(p.miktar->text(), QStringLiteral("1.234,501"));
    p.miktar->setText(QStringLiteral("7"));
    p.ad->setFocus();
    EXPECT_EQ(p.miktar->text(), QStringLiteral("7,00"));
    p.miktar->clear();
    p.miktar->setFocus();
    p.ad->setFocus();
    EXPECT_EQ(p.miktar->text(), QString());
}

TEST(AlanGirişiKuralları, RakamKutusuVirgülDeAlmaz)
{
    Pencere p;
    AGK::uygula(p.not_, K::RakamTuşSüzgeci);
    p.not_->setFocus();
    yaz(p.not_, QStringLiteral("1,2.3a4"));
    EXPECT_EQ(p.not_->text(), QStringLiteral("1234"));
    QTest::keyClick(p.not_, Qt::Key_Backspace);
    EXPECT_EQ(p.not_->text(), QStringLiteral("123"));
    QApplication::clipboard()->setText(QStringLiteral("5,6 7"));
    p.not_->paste();
    EXPECT_EQ(p.not_->text(), QStringLiteral("123567"));

    // A password box keeps no undo history; its pasted text is filtered all the same.
    QLineEdit şifre;
    şifre.setEchoMode(QLineEdit::Password);
    şifre.setMaxLength(10);
    AGK::uygula(&şifre, K::RakamTuşSüzgeci | K::TümünüSeç);
    şifre.setText(QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("ab34-5"));
    şifre.paste();
    EXPECT_EQ(şifre.text(), QStringLiteral("12345"));
}

TEST(AlanGirişiKuralları, ÇokSatırlıKutuyaYapıştırılanBüyükHarfOlur)
{
    Pencere p;
    AGK::uygula(p.adres, K::TürkçeBüyükHarf | K::KesmeİşaretiniDeğiştir);
    p.adres->setPlainText(QStringLiteral("Kat 2\n"));
    p.adres->setFocus();
    p.adres->moveCursor(QTextCursor::End);
    yaz(p.adres, QStringLiteral("iş"));
    QApplication::clipboard()->setText(QStringLiteral(" hanı\nizmir"));
    p.adres->paste();
    EXPECT_EQ(p.adres->toPlainText(), QStringLiteral("Kat 2\nİŞ HANI\nİZMİR"));
    EXPECT_EQ(p.adres->textCursor().position(), p.adres->toPlainText().size());
}

TEST(AlanGirişiKuralları, EnterOdağıSonrakiAlanaTaşır)
{
    Pencere p;
    const auto enter = K::EnterİleSonrakiAlan;
    AGK::uygula(p.ad, enter | K::TürkçeBüyükHarf);
    AGK::uygula(p.miktar, enter | K::SayıTuşSüzgeci);
    AGK::uygula(p.kişi, enter);
    AGK::uygula(p.adres, enter);
    AGK::uygula(p.tarih, K::EtiketVurgusu, p.etiket[5]);
    AGK::uygula(p.ürünler, enter);
    AGK::uygula(p.neden, enter);
    QSignalSpy basıldı(p.kaydet, &QPushButton::clicked);

    p.ad->setFocus();
    yaz(p.ad, QStringLiteral("a"));
    QTest::keyClick(p.ad, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.miktar);
    QTest::keyClick(p.miktar, Qt::Key_Enter);  // the keypad's Enter too
    EXPECT_TRUE(p.kişi->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.not_);
    // A multi-line box gets no new line.
    p.adres->setFocus();
    QTest::keyClick(p.adres, Qt::Key_Return);
    EXPECT_TRUE(p.tarih->hasFocus());
    EXPECT_EQ(p.adres->toPlainText(), QString());
    p.ürünler->setFocus();
    QTest::keyClick(p.ürünler, Qt::Key_Return);
    EXPECT_TRUE(p.neden->hasFocus());
    QTest::keyClick(p.neden, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.kaydet);

    EXPECT_EQ(p.ad->text(), QStringLiteral("A"));
    EXPECT_EQ(basıldı.count(), 0);
}

TEST(AlanGirişiKuralları, EtiketOdaktaVurguRenginde)
{
    Pencere p;
    AGK::uygula(p.miktar, K::TümünüSeç | K::EtiketVurgusu | K::TutarBiçimi, p.etiket[1]);
    AGK::uygula(p.tarih, K::EtiketVurgusu, p.etiket[5]);
    AGK::uygula(p.ürünler, K::EtiketVurgusu, p.etiket[6]);
    AGK::uygula(p.kişi, K::EtiketVurgusu, p.etiket[2]);
    AGK::uygula(p.neden, K::EnterİleSonrakiAlan, p.etiket[7]);
    const QColor normal = p.normalRenk();
    EXPECT_EQ(AGK::VurguRengi, QColor(192, 64, 0));

    for (auto [kutu, etiket] : {std::pair<QWidget*, QLabel*>{p.miktar, p.etiket[1]}, {p.tarih, p.etiket[5]},
                                {p.ürünler, p.etiket[6]}, {p.kişi, p.etiket[2]}}) {
        kutu->setFocus();
        EXPECT_EQ(renk(etiket), AGK::VurguRengi) << kutu->objectName().toStdString();
        p.ad->setFocus();
        EXPECT_EQ(renk(etiket), normal) << kutu->objectName().toStdString();
    }
    // The reason box takes only the Enter step: its caption keeps its colour.
    p.neden->setFocus();
    EXPECT_EQ(renk(p.etiket[7]), normal);

    // Another window taking the activation (a message box, another program) is no leaving: the caption
    // stays, the text stays as typed, and nothing is selected on the way back.
    QDialog başka;
    auto etkinleştir = [](QWidget* w) {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    };
    p.miktar->setFocus();
    yaz(p.miktar, QStringLiteral("12"));
    ASSERT_TRUE(etkinleştir(&başka));
    EXPECT_EQ(renk(p.etiket[1]), AGK::VurguRengi);
    EXPECT_EQ(p.miktar->text(), QStringLiteral("12"));
    ASSERT_TRUE(etkinleştir(&p.pencere));
    EXPECT_TRUE(p.miktar->hasFocus());
    EXPECT_FALSE(p.miktar->hasSelectedText());
    EXPECT_EQ(renk(p.etiket[1]), AGK::VurguRengi);
    // The window moved the focus on meanwhile: the box is left when the window comes back.
    ASSERT_TRUE(etkinleştir(&başka));
    p.ad->setFocus();
    ASSERT_TRUE(etkinleştir(&p.pencere));
    EXPECT_EQ(renk(p.etiket[1]), normal);
    EXPECT_EQ(p.miktar->text(), QStringLiteral("12,00"));

    // Back to the window's text colour as it stands when the focus leaves.
    QPalette mavi = p.pencere.palette();
    mavi.setColor(QPalette::WindowText, Qt::blue);
    p.miktar->setFocus();
    p.pencere.setPalette(mavi);
    p.ad->setFocus();
    EXPECT_EQ(renk(p.etiket[1]), QColor(Qt::blue));
}

TEST(AlanGirişiKuralları, KesmeİşaretiVeKırpma)
{
    Pencere p;
    AGK::uygula(p.ad, K::KesmeİşaretiniDeğiştir);
    AGK::uygula(p.not_, K::KırpmaBiçimi);
    AGK::uygula(p.adres, K::KesmeİşaretiniDeğiştir);
    p.ad->setText(QStringLiteral("  Ali'nin Dükkânı' "));
    p.not_->setText(QStringLiteral("  O'na  "));
    p.adres->setPlainText(QStringLiteral(" Atatürk Cad. 'No:5'\nKat 2  "));
    p.ad->setFocus();
    p.not_->setFocus();
    p.adres->setFocus();
    p.ad->setFocus();
    EXPECT_EQ(p.ad->text(), QStringLiteral("Ali’nin Dükkânı’"));
    EXPECT_EQ(p.not_->text(), QStringLiteral("O'na"));
    EXPECT_EQ(p.adres->toPlainText(), QStringLiteral("Atatürk Cad. ’No:5’\nKat 2"));
}

TEST(AlanGirişiKuralları, BulKutusuListedeÖnEkleSeçer)
{
    Pencere p;
    p.ürünler->doldur({{QStringLiteral("ışık"), 1},
                       {QStringLiteral("İnce Vida"), 2},
                       {QStringLiteral("Ayşe"), 3},
                       {QStringLiteral("ahşap"), 4},
                       {QStringLiteral("Çelik"), 5},
                       {QStringLiteral("Cam"), 6},
                       {QStringLiteral("igne"), 7}});
    AGK::uygula(p.ad, K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf);
    AGK::listedeBul(p.ad, p.ürünler);
    QSignalSpy tıklandı(p.ürünler, &QListWidget::currentRowChanged);
    p.ad->setFocus();

    auto seçili = [&] { return p.ürünler->currentItem() ? p.ürünler->currentItem()->text() : QString(); };
    yaz(p.ad, QStringLiteral("a"));
    EXPECT_EQ(seçili(), QStringLiteral("ahşap"));
    EXPECT_EQ(p.ürünler->seçiliNumara(), 4);
    EXPECT_EQ(tıklandı.count(), 1);
    yaz(p.ad, QStringLiteral("y"));
    EXPECT_EQ(seçili(), QStringLiteral("Ayşe"));
    p.ad->clear();
    yaz(p.ad, QStringLiteral("ç"));
    EXPECT_EQ(seçili(), QStringLiteral("Çelik"));
    p.ad->clear();
    yaz(p.ad, QStringLiteral("i"));  // İ: the dotted one, never ı
    EXPECT_EQ(seçili(), QStringLiteral("igne"));
    p.ad->clear();
    yaz(p.ad, QStringLiteral("ı"));
    EXPECT_EQ(seçili(), QStringLiteral("ışık"));

    // Cleared or blank: the selection stays.
    p.ad->clear();
    EXPECT_EQ(seçili(), QStringLiteral("ışık"));
    yaz(p.ad, QStringLiteral("  "));
    EXPECT_EQ(seçili(), QStringLiteral("ışık"));
    // No match: no entry selected, and the window hears of it.
    const int önce = int(tıklandı.count());
    p.ad->clear();
    yaz(p.ad, QStringLiteral("x"));
    EXPECT_EQ(p.ürünler->currentRow(), -1);
    EXPECT_TRUE(p.ürünler->selectedItems().isEmpty());
    EXPECT_EQ(p.ürünler->seçiliNumara(), -1);
    EXPECT_EQ(tıklandı.count(), önce + 1);
    EXPECT_EQ(tıklandı.last().at(0).toInt(), -1);
}

TEST(AlanGirişiKuralları, TamBulHarfBüyüklüğüneBakmaz)
{
    QListWidget liste;
    liste.addItems({QStringLiteral("Çelik"), QStringLiteral("ılık"), QStringLiteral("İnce"), QStringLiteral("ince")});
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("ÇELİK")), 0);
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("ILIK")), 1);
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("ince")), 2);  // the first of two equal ones
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("celik")), -1);
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("Çeli")), -1);
    EXPECT_EQ(AGK::listedeTamBul(&liste, QStringLiteral("ilik")), -1);
    EXPECT_EQ(AGK::listedeÖnEkleBul(&liste, QStringLiteral("çel")), 0);
    EXPECT_EQ(AGK::listedeÖnEkleBul(&liste, QString()), 0);

    QComboBox kutu;
    kutu.addItems({QStringLiteral("Ahmet Işık"), QStringLiteral("Ayşe")});
    EXPECT_EQ(AGK::listedeTamBul(&kutu, QStringLiteral("AHMET IŞIK")), 0);
    EXPECT_EQ(AGK::listedeTamBul(&kutu, QStringLiteral("ayşe")), 1);
    EXPECT_EQ(AGK::listedeTamBul(&kutu, QStringLiteral("ahmet isik")), -1);
}

TEST(AlanGirişiKuralları, KaydetDüğmesiYalnızcaKullanıcınınDeğişikliğiyleEtkinleşir)
{
    Pencere p;
    for (QWidget* kutu : {static_cast<QWidget*>(p.ad), static_cast<QWidget*>(p.kişi),
                          static_cast<QWidget*>(p.adres), static_cast<QWidget*>(p.tarih)})
        AGK::kaydetDüğmesiniEtkinleştir(kutu, p.kaydet);
    p.kaydet->setEnabled(false);

    // The window fills its boxes while the focus is elsewhere.
    p.miktar->setFocus();
    p.ad->setText(QStringLiteral("ÇİVİ"));
    p.kişi->addItem(QStringLiteral("Ayşe"));
    p.kişi->setEditText(QStringLiteral("Ali"));
    p.adres->setPlainText(QStringLiteral("Ankara"));
    p.tarih->setDate(QDate(2026, 1, 2));
    EXPECT_FALSE(p.kaydet->isEnabled());

    p.ad->setFocus();
    yaz(p.ad, QStringLiteral("x"));
    EXPECT_TRUE(p.kaydet->isEnabled());

    for (QWidget* kutu : {static_cast<QWidget*>(p.kişi), static_cast<QWidget*>(p.adres),
                          static_cast<QWidget*>(p.tarih)}) {
        p.kaydet->setEnabled(false);
        kutu->setFocus();
        QTest::keyClick(kutu, Qt::Key_Up);  // the date goes up a day; the others are typed into
        yaz(kutu, QStringLiteral("1"));
        EXPECT_TRUE(p.kaydet->isEnabled()) << kutu->objectName().toStdString();
    }
}

TEST(AlanGirişiKuralları, MetinAdımları)
{
    // The amount format on leaving: the decimal the user typed is rounded as written, half away from zero.
    EXPECT_EQ(AGK::tutarBiçiminde("1234,5"), "1.234,50");
    EXPECT_EQ(AGK::tutarBiçiminde("1.234,5"), "1.234,50");
    EXPECT_EQ(AGK::tutarBiçiminde("7"), "7,00");
    EXPECT_EQ(AGK::tutarBiçiminde("0,5"), "0,50");
    EXPECT_EQ(AGK::tutarBiçiminde(",5"), "0,50");
    EXPECT_EQ(AGK::tutarBiçiminde("12,"), "12,00");
    EXPECT_EQ(AGK::tutarBiçiminde("1,005"), "1,01");
    EXPECT_EQ(AGK::tutarBiçiminde("0,285"), "0,29");
    EXPECT_EQ(AGK::tutarBiçiminde("1234567,994"), "1.234.567,99");
    EXPECT_EQ(AGK::tutarBiçiminde("999999,995"), "1.000.000,00");
    EXPECT_EQ(AGK::tutarBiçiminde("-0,004"), "0,00");
    EXPECT_EQ(AGK::tutarBiçiminde("-1234,5"), "-1.234,50");
    // Digits beyond any integer type are formatted, not wrapped round.
    const QString büyük = AGK::tutarBiçiminde("123456789012345678901");
    EXPECT_TRUE(büyük.startsWith("123.456.789.012.345.")) << büyük.toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d{3}(\\.\\d{3}){6},\\d\\d$").match(büyük).hasMatch()) << büyük.toStdString();
    EXPECT_EQ(AGK::tutarBiçiminde(""), "");
    EXPECT_EQ(AGK::tutarBiçiminde("abc"), "abc");
    EXPECT_EQ(turkce::tamSayıBiçimi(2.5), "3");
    EXPECT_EQ(turkce::tamSayıBiçimi(-0.4), "0");
    EXPECT_EQ(turkce::tamSayıBiçimi(1e20), "100000000000000000000");
}
