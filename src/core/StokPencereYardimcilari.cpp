#include "core/StokPencereYardimcilari.h"

#include "core/AlanGirisiKurallari.h"
#include "core/SiraliListe.h"
#include "core/TarihSecici.h"

#include <QAbstractItemView>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace stok {

namespace {

class ÇiftTıklamaSüzgeci : public QObject {
public:
    ÇiftTıklamaSüzgeci(QObject* üst, std::function<void()> iş) : QObject(üst), iş_(std::move(iş)) {}

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() != QEvent::MouseButtonDblClick
            || static_cast<QMouseEvent*>(olay)->button() != Qt::LeftButton)
            return QObject::eventFilter(nesne, olay);
        iş_();
        return true;
    }

private:
    std::function<void()> iş_;
};

class Düğme : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* olay) override
    {
        if ((olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) && !olay->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(olay);
    }
};

}  // namespace

QLabel* etiketYap(QWidget* pencere, int sıra, const QString& metin, QWidget* ortak)
{
    auto* e = new QLabel(metin, pencere);
    e->setObjectName(QStringLiteral("Etiket(%1)").arg(sıra));
    if (ortak) e->setBuddy(ortak);
    return e;
}

QPushButton* düğmeYap(QWidget* pencere, const QString& ad, const QString& metin)
{
    auto* d = new Düğme(metin, pencere);
    d->setObjectName(ad);
    d->setAutoDefault(false);  // no button becomes the window's default
    return d;
}

QLineEdit* göstergeKutusu(QWidget* pencere, const QString& ad, bool sağaYaslı)
{
    auto* k = new QLineEdit(pencere);
    k->setObjectName(ad);
    k->setReadOnly(true);
    k->setFocusPolicy(Qt::NoFocus);
    if (sağaYaslı) k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette p = k->palette();
    p.setColor(QPalette::Base, pencere->palette().color(QPalette::Window));
    k->setPalette(p);
    return k;
}

QLineEdit* tutarKutusu(QWidget* pencere, const QString& ad)
{
    auto* k = new QLineEdit(pencere);
    k->setObjectName(ad);
    k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return k;
}

QWidget* altlıkYap(QWidget* pencere, const QString& ad)
{
    auto* a = new QWidget(pencere);
    a->setObjectName(ad);
    a->setAutoFillBackground(true);
    a->setBackgroundRole(QPalette::Window);
    auto* düzen = new QHBoxLayout(a);
    düzen->setContentsMargins(0, 0, 0, 0);
    return a;
}

QDateEdit* tarihKutusu(QWidget* altlık)
{
    QDateEdit* t = tarihSeçici(altlık, QStringLiteral("TarihiKutusu"));
    if (altlık->layout()) altlık->layout()->addWidget(t);
    return t;
}

void çiftTıklamada(QAbstractItemView* liste, std::function<void()> iş)
{
    liste->viewport()->installEventFilter(new ÇiftTıklamaSüzgeci(liste, std::move(iş)));
}

void boyutuAyarla(QWidget* pencere, int genişlik, int yükseklik)
{
    QSize boyut(genişlik, yükseklik);
    if (const QScreen* ekran = pencere->screen()) {
        // Room for the title bar and the frame that the window manager adds.
        const QSize alan = ekran->availableGeometry().size() - QSize(16, 40);
        boyut = boyut.boundedTo(alan);
    }
    pencere->resize(boyut.expandedTo(pencere->minimumSizeHint()));
}

void kutuKurallarınıUygula(const SeçimKutuları& k)
{
    using K = AlanGirişiKuralları::Kural;
    using AlanGirişiKuralları::uygula;
    const auto odak = K::EtiketVurgusu | K::EnterİleSonrakiAlan;
    const auto tutar = K::TümünüSeç | odak | K::SayıTuşSüzgeci | K::SayıOlmayanıSil | K::TutarBiçimi;
    uygula(k.firmaListesi, odak, k.firmaEtiketi);
    uygula(k.firmaBul, odak | K::TürkçeBüyükHarf, k.firmaBulEtiketi);
    uygula(k.ürünListesi, odak, k.ürünEtiketi);
    uygula(k.ürünBul, odak | K::TürkçeBüyükHarf, k.ürünBulEtiketi);
    uygula(k.tarih, K::EtiketVurgusu, k.tarihEtiketi);
    uygula(k.miktar, tutar, k.miktarEtiketi);
    uygula(k.fiyat, tutar, k.fiyatEtiketi);
    if (auto* l = qobject_cast<QListWidget*>(k.firmaListesi)) AlanGirişiKuralları::listedeBul(k.firmaBul, l);
    if (auto* l = qobject_cast<QListWidget*>(k.ürünListesi)) AlanGirişiKuralları::listedeBul(k.ürünBul, l);
}

QVBoxLayout* listeSütunu(QLabel* etiket, QWidget* liste, QLabel* bulEtiketi, QWidget* bulKutusu)
{
    auto* düzen = new QVBoxLayout;
    düzen->addWidget(etiket);
    düzen->addWidget(liste, 1);
    düzen->addWidget(bulEtiketi);
    düzen->addWidget(bulKutusu);
    return düzen;
}

void seçimiKaldır(SıralıListeKutusu* liste)
{
    liste->setCurrentRow(-1);
    liste->clearSelection();
}

}  // namespace stok
