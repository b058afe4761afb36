#pragma once
// What the window tests of the movement history share: a server folder with products, firms and
// movements, the history window over it, and a way to work in a change or return window while it runs.
#include "movement_history/StokHareketleriFormu.h"
#include "support/PencereOrtami.h"

#include <QPointer>
#include <QRadioButton>
#include <functional>

namespace gecmis {

using namespace pencere;

// A movement straight into the file; returns its number. An exit is a sale unless told otherwise.
using tohum::giriş;
inline int çıkış(platform::Database& db, int ürün, double miktar, double fiyat, int firma, int neden = 0)
{
    return tohum::çıkış(db, ürün, miktar, fiyat, firma, neden);
}

// The history window, shown, with a product chosen and entries (0) or exits (1) shown.
struct Geçmiş {
    StokHareketleriFormu p;
    Geçmiş() { göster(&p); }
    ListeGörünümü* hareketler() { return görünüm(&p, "HareketListesi"); }
    void ürün(const QString& ad) { seç(liste(&p, "ÜrünListesi"), ad); }
    void tür(int i) { bul<QRadioButton>(&p, QStringLiteral("GirişÇıkışSeçeneği(%1)").arg(i))->setChecked(true); }
    QString toplam(const char* ad) { return kutu(&p, ad)->text(); }
    QStringList sütun(int c) { return sütunDeğerleri(hareketler(), c); }
    // Selects the row whose quantity column shows the text.
    void satırSeç(const QString& miktar)
    {
        const int r = hareketler()->hücreyleBul(StokHareketleriFormu::Miktarı, miktar);
        ASSERT_GE(r, 0) << miktar.toStdString();
        hareketler()->satırıSeç(r);
    }
    int seçili() { return hareketler()->seçiliSatır(); }
};

// Clicks the opener and runs `iş` in the window of that name while it is open; the window is closed
// afterwards if `iş` left it open. True when the window appeared.
inline bool pencerede(QAbstractButton* açıcı, const QString& ad, const std::function<void(QDialog*)>& iş)
{
    test::Görününce görününce(ad, [&](QWidget* w) {
        QPointer<QWidget> p(w);
        göster(w);
        iş(static_cast<QDialog*>(w));
        if (p && p->isVisible()) p->close();
    });
    açıcı->click();
    return görününce.olduMu();
}

}  // namespace gecmis
