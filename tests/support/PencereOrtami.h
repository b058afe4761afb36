#pragma once
// What the window tests of the stock windows share: a server folder with a few products and firms, and
// small helpers to find controls by name and act on them as a user does.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "support/ListeOkuyucu.h"
#include "support/Ortam.h"
#include "support/Tohum.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <memory>

namespace pencere {

template <class T>
T* bul(QWidget* p, const QString& ad)
{
    T* w = p->findChild<T*>(ad);
    if (!w) ADD_FAILURE() << "control not found: " << ad.toStdString();
    return w;
}

inline QLineEdit* kutu(QWidget* p, const QString& ad) { return bul<QLineEdit>(p, ad); }
inline QPushButton* düğme(QWidget* p, const QString& ad) { return bul<QPushButton>(p, ad); }
inline QComboBox* açılır(QWidget* p, const QString& ad) { return bul<QComboBox>(p, ad); }
inline SıralıListeKutusu* liste(QWidget* p, const QString& ad)
{
    return dynamic_cast<SıralıListeKutusu*>(bul<QListWidget>(p, ad));
}
inline ListeGörünümü* görünüm(QWidget* p, const QString& ad)
{
    return dynamic_cast<ListeGörünümü*>(bul<QTableView>(p, ad));
}

// Picks the entry of a list box by its text, as a click on it does.
inline void seç(SıralıListeKutusu* l, const QString& metin)
{
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text() == metin) {
            l->setCurrentRow(i);
            return;
        }
    ADD_FAILURE() << "no entry " << metin.toStdString();
}

// Replaces a box's text by typing it, as the user does (the key filters apply).
inline void yaz(QWidget* w, const QString& metin)
{
    // The offscreen platform gives the activation back to no window when a message box closes.
    if (!w->window()->isActiveWindow()) QApplication::setActiveWindow(w->window());
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->selectAll();
    QTest::keyClick(w, Qt::Key_Backspace);
    // QTest types only ASCII; the Turkish letters go as key events carrying their text.
    for (QChar c : metin) {
        if (c.unicode() < 128) QTest::keyClick(w, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

inline QStringList sütunDeğerleri(const ListeGörünümü* l, int sütun) { return test::sütun(l, sütun); }

// Shows the window and makes it the active one, so that focus moves as for a user.
inline void göster(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w);
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w, 2000);
}

// The look the program gives itself at start-up, for pictures of a window.
inline void programGörünümü()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont yazı(QStringLiteral("Liberation Sans"), 8);
    yazı.setStyleHint(QFont::SansSerif);
    QApplication::setFont(yazı);
}

// A server folder with two seller firms, two buyer firms and three products with stock.
struct Veri {
    test::SunucuKlasörü sunucu;
    int satıcıX = 0, satıcıY = 0, alıcıA = 0, alıcıB = 0;
    int şeker = 0, çay = 0, un = 0;
    Veri()
    {
        test::ayarlarıTemizle();
        auto& db = sunucu.db();
        satıcıX = tohum::satıcı(db, "ACAR GIDA");
        satıcıY = tohum::satıcı(db, "BEYAZ TİCARET");
        alıcıA = tohum::alıcı(db, "ÇINAR MARKET");
        alıcıB = tohum::alıcı(db, "DENİZ BAKKAL");
        şeker = tohum::ürün(db, "S-01", "ŞEKER", "Kg", 8.0, 12.5);
        çay = tohum::ürün(db, "C-02", "ÇAY", "Paket", 18.0, 40.0);
        un = tohum::ürün(db, "U-03", "UN", QVariant(), QVariant(), 9.0);
    }
    platform::Database& db() { return sunucu.db(); }
};

}  // namespace pencere
