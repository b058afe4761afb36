#include "platform/ListeDegeri.h"

#include "platform/TurkceMetin.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <new>

ListeDeğeri::ListeDeğeri(QStringView metin) : tür_(Tür::Metin)
{
    if (metin.isEmpty()) return;  // an empty text needs no buffer
    const qsizetype n = metin.size();
    if (n > std::numeric_limits<qint32>::max()) throw std::length_error("list cell text too long");
    void* yer = ::operator new(sizeof(Metin) + size_t(n) * sizeof(char16_t));
    Metin* m = new (yer) Metin{{1}, qint32(n)};
    std::memcpy(static_cast<void*>(m + 1), metin.utf16(), size_t(n) * sizeof(char16_t));
    yer_ = static_cast<quint64>(reinterpret_cast<quintptr>(m));
}

void ListeDeğeri::bırak(Metin* m)
{
    if (m->sayaç.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    m->~Metin();
    ::operator delete(static_cast<void*>(m));
}

QString ListeDeğeri::görünen() const
{
    switch (tür_) {
    case Tür::Metin:
        return metin();
    case Tür::Sayı:
        switch (biçim_) {
        case Biçim::Tutar: return turkce::tutarBiçimi(sayı());
        case Biçim::TamSayı: return turkce::tamSayıBiçimi(sayı());
        case Biçim::Kısa: return turkce::kısaSayıBiçimi(sayı());
        }
        break;
    case Tür::Tarih:
        return turkce::tarihBiçimi(tarih());
    case Tür::Boş:
        break;
    }
    return {};
}

double ListeDeğeri::gösterilenSayı() const
{
    switch (biçim_) {
    case Biçim::Tutar: return turkce::yuvarla(sayı(), 2);
    case Biçim::TamSayı: return turkce::yuvarla(sayı(), 0);
    case Biçim::Kısa: break;
    }
    return sayı();
}

bool ListeDeğeri::operator==(const ListeDeğeri& öbür) const
{
    if (tür_ != öbür.tür_) return false;
    switch (tür_) {
    case Tür::Boş: return true;
    case Tür::Metin: return metinGörünümü() == öbür.metinGörünümü();
    case Tür::Sayı: return biçim_ == öbür.biçim_ && sayı() == öbür.sayı();
    case Tür::Tarih: return yer_ == öbür.yer_;
    }
    return false;
}
