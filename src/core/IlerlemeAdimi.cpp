#include "core/IlerlemeAdimi.h"

#include <QProgressBar>

#include <algorithm>

namespace {
// The first row of the thousandth after `binde`.
qint64 bindeBaşı(qint64 binde, qint64 toplam) { return ((binde + 1) * toplam + 999) / 1000; }
}  // namespace

İlerlemeAdımı::İlerlemeAdımı(QProgressBar* çubuk, int satırSayısı, Aralık aralık)
    : çubuk_(çubuk), toplam_(std::max(1, satırSayısı))
{
    if (!çubuk_) return;
    switch (aralık) {
    case Aralık::EnAzBir:
        çubuk_->setMaximum(int(toplam_));
        çubuk_->setValue(0);
        break;
    case Aralık::SayıArtıBir:
        çubuk_->setMaximum(std::max(0, satırSayısı) + 1);
        break;
    case Aralık::BoşsaDokunma:
        if (satırSayısı > 0) çubuk_->setMaximum(satırSayısı);
        break;
    }
    sonraki_ = bindeBaşı(0, toplam_);
}

void İlerlemeAdımı::ayarla()
{
    if (sıra_ >= toplam_) {
        çubuk_->setValue(int(toplam_));
        sonraki_ = std::numeric_limits<qint64>::max();
        return;
    }
    çubuk_->setValue(int(sıra_));
    sonraki_ = bindeBaşı(sıra_ * 1000 / toplam_, toplam_);
}

void İlerlemeAdımı::bitir()
{
    if (!çubuk_) return;
    sonraki_ = std::numeric_limits<qint64>::max();
    if (sıra_ > 0) çubuk_->setValue(int(std::min(sıra_, toplam_)));
}
