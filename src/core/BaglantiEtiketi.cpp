#include "core/BaglantiEtiketi.h"

#include "platform/Kabuk.h"

#include <QMouseEvent>

BağlantıEtiketi::BağlantıEtiketi(const QString& metin, const QUrl& adres, QWidget* üst)
    : QLabel(metin, üst), adres_(adres)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setToolTip(adres.toString());
}

void BağlantıEtiketi::setAltıÇizili(bool altıÇizili)
{
    if (font().underline() == altıÇizili) return;
    QFont f = font();
    f.setUnderline(altıÇizili);
    setFont(f);
}

void BağlantıEtiketi::mouseMoveEvent(QMouseEvent* olay)
{
    if (üzerineGelince) üzerineGelince();
    // Kept here: passed on, the move would reach the panel below, which takes the underline off again.
    olay->accept();
}

void BağlantıEtiketi::mouseReleaseEvent(QMouseEvent* olay)
{
    if (olay->button() == Qt::LeftButton && rect().contains(olay->position().toPoint())) kabuk::aç(adres_);
    QLabel::mouseReleaseEvent(olay);
}
