#pragma once
// Helpers of the product window tests: controls by name, typing into a box the way a user does, pictures,
// and acting inside a modal window once it is up.
#include "support/Ortam.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace ürünTest {

template <typename T>
T* bul(QWidget* pencere, const QString& ad)
{
    T* w = pencere->findChild<T*>(ad);
    EXPECT_NE(w, nullptr) << ad.toStdString();
    return w;
}

inline void göster(QWidget* pencere)
{
    pencere->show();
    pencere->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(pencere));
}

// Gives the box the focus and types the text into it, key by key ("\n" is the Enter key). Letters
// outside ASCII arrive as a key with only its text, as a keyboard layout gives them.
inline void yaz(QWidget* kutu, const QString& metin)
{
    // A message box that just closed may have left the window inactive; the user clicks back into it.
    QWidget* pencere = kutu->window();
    if (!pencere->isActiveWindow()) {
        pencere->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pencere));
    }
    kutu->setFocus(Qt::TabFocusReason);
    for (QChar c : metin) {
        QWidget* hedef = QApplication::focusWidget() ? QApplication::focusWidget() : kutu;
        if (c == QLatin1Char('\n')) QTest::keyClick(hedef, Qt::Key_Return);
        else if (c.unicode() < 128) QTest::keyClick(hedef, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The control that has, or gets back with its window, the focus.
inline bool odakta(QWidget* kutu) { return kutu->window()->focusWidget() == kutu; }

// A picture of the given size: red inside a one-pixel black edge.
inline QImage çerçeveliResim(QSize boyut, QColor renk = Qt::red)
{
    QImage r(boyut, QImage::Format_RGB32);
    r.fill(Qt::black);
    QPainter p(&r);
    p.fillRect(QRect(QPoint(1, 1), boyut - QSize(2, 2)), renk);
    return r;
}

// Once a modal window of that name is up, runs the action on it (inside its exec()).
inline void modaldaÇalıştır(const QString& ad, std::function<void(QWidget*)> eylem)
{
    auto* zamanlayıcı = new QTimer;
    zamanlayıcı->setInterval(10);
    QObject::connect(zamanlayıcı, &QTimer::timeout, [zamanlayıcı, ad, eylem] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || m->objectName() != ad || !m->isVisible()) return;
        zamanlayıcı->stop();
        zamanlayıcı->deleteLater();
        eylem(m);
    });
    zamanlayıcı->start();
}

}  // namespace ürünTest
