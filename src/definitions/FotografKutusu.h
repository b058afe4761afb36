#pragma once
// A picture box of 1800 x 1365 twips with a sunken border and a white face, holding one picture drawn at
// the top left of its inside: the product window's photo box and the photo picker's preview.
#include "definitions/UrunFotograflari.h"

#include <QFrame>
#include <QImage>

class FotoğrafKutusu : public QFrame {
public:
    explicit FotoğrafKutusu(QWidget* üst = nullptr);

    // An empty picture clears the box to white.
    void setResim(const QImage& resim);
    const QImage& resim() const { return resim_; }
    QSize içBoyut() const { return contentsRect().size(); }

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    QImage resim_;
};
