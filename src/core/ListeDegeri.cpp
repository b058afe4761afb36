#include "core/ListeDegeri.h"

#include "platform/TurkceMetin.h"

QString ListeDeğeri::görünen() const
{
    switch (tür_) {
    case Tür::Metin:
        return metin_;
    case Tür::Sayı:
        return biçim_ == Biçim::Tutar ? turkce::tutarBiçimi(sayı_) : turkce::tamSayıBiçimi(sayı_);
    case Tür::Tarih:
        return turkce::tarihBiçimi(tarih());
    case Tür::Boş:
        break;
    }
    return {};
}
