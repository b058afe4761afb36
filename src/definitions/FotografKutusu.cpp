#include "definitions/FotografKutusu.h"

#include <QPainter>

FotoğrafKutusu::FotoğrafKutusu(QWidget* üst) : QFrame(üst)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(ürün::FotoğrafKutusuBoyutu);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
}

void FotoğrafKutusu::setResim(const QImage& resim)
{
    resim_ = resim;
    update();
}

void FotoğrafKutusu::paintEvent(QPaintEvent* olay)
{
    QFrame::paintEvent(olay);
    if (resim_.isNull()) return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.drawImage(contentsRect().topLeft(), resim_);
}
