#include "core/ListeDegeri.h"

#include "platform/TurkceMetin.h"

QString ListeDeğeri::görünen() const
{
    switch (tür_) {
    case Tür::Metin:
        return metin_;
    case Tür::Sayı:
        switch (biçim_) {
        case Biçim::Tutar:
            return turkce::tutarBiçimi(sayı_);
        case Biçim::TamSayı:
            return turkce::tamSayıBiçimi(sayı_);
        case Biçim::Genel:
            return QString::number(sayı_, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(',')).toUpper();
        }
        break;
    case Tür::Tarih:
        return turkce::tarihBiçimi(tarih());
    case Tür::Boş:
        break;
    }
    return {};
}
