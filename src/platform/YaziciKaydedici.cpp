#include "platform/YaziciKaydedici.h"

namespace yazdırma {

namespace {
using Tür = YazıcıÇağrısı::Tür;

QList<YazıcıÇağrısı> süz(const QList<YazıcıÇağrısı>& çağrılar, Tür tür, int sayfa)
{
    QList<YazıcıÇağrısı> sonuç;
    for (const YazıcıÇağrısı& ç : çağrılar)
        if (ç.tür == tür && (sayfa == 0 || ç.sayfa == sayfa)) sonuç.append(ç);
    return sonuç;
}

bool var(const QList<YazıcıÇağrısı>& çağrılar, Tür tür)
{
    for (const YazıcıÇağrısı& ç : çağrılar)
        if (ç.tür == tür) return true;
    return false;
}
}  // namespace

bool KaydedilenBelge::bitti() const { return var(çağrılar, Tür::Bitir); }

bool KaydedilenBelge::vazgeçildi() const { return var(çağrılar, Tür::Vazgeç); }

int KaydedilenBelge::sayfaSayısı() const
{
    int n = 1;
    for (const YazıcıÇağrısı& ç : çağrılar)
        if (ç.tür == Tür::YeniSayfa) ++n;
    return n;
}

QList<YazıcıÇağrısı> KaydedilenBelge::metinler(int sayfa) const { return süz(çağrılar, Tür::Metin, sayfa); }

QList<YazıcıÇağrısı> KaydedilenBelge::çizgiler(int sayfa) const { return süz(çağrılar, Tür::Çizgi, sayfa); }

const YazıcıÇağrısı* KaydedilenBelge::metinBul(const QString& metin) const
{
    for (const YazıcıÇağrısı& ç : çağrılar)
        if (ç.tür == Tür::Metin && ç.metin == metin) return &ç;
    return nullptr;
}

YazıcıKaydedici::YazıcıKaydedici(std::shared_ptr<KaydedilenBelge> belge)
    : YazıcıYüzeyi(belge->sayfaGenişliği, belge->sayfaYüksekliği), belge_(std::move(belge))
{
}

YazıcıKaydedici::YazıcıKaydedici(double genişlik, double yükseklik)
    : YazıcıYüzeyi(genişlik, yükseklik), belge_(std::make_shared<KaydedilenBelge>())
{
    belge_->sayfaGenişliği = genişlik;
    belge_->sayfaYüksekliği = yükseklik;
}

void YazıcıKaydedici::ekle(YazıcıÇağrısı ç)
{
    ç.sayfa = sayfaNo();
    belge_->çağrılar.append(std::move(ç));
}

void YazıcıKaydedici::metinÇiz(double x, double y, const QString& metin)
{
    YazıcıÇağrısı ç;
    ç.tür = Tür::Metin;
    ç.x = x;
    ç.y = y;
    ç.metin = metin;
    ç.yazıTipi = yazıTipi();
    ç.genişlik = metinGenişliği(metin);
    ekle(std::move(ç));
}

void YazıcıKaydedici::çizgiÇiz(double x1, double y1, double x2, double y2)
{
    YazıcıÇağrısı ç;
    ç.tür = Tür::Çizgi;
    ç.x = x1;
    ç.y = y1;
    ç.x2 = x2;
    ç.y2 = y2;
    ekle(std::move(ç));
}

void YazıcıKaydedici::sayfaEkle()
{
    YazıcıÇağrısı ç;
    ç.tür = Tür::YeniSayfa;
    ekle(std::move(ç));
}

void YazıcıKaydedici::belgeyiHazırla()
{
    if (belge_->hazırlanırken) belge_->hazırlanırken();
}

void YazıcıKaydedici::belgeyiGönder()
{
    if (belge_->gönderilirken) belge_->gönderilirken();
    YazıcıÇağrısı ç;
    ç.tür = Tür::Bitir;
    ekle(std::move(ç));
}

void YazıcıKaydedici::belgeyiAt()
{
    YazıcıÇağrısı ç;
    ç.tür = Tür::Vazgeç;
    ekle(std::move(ç));
}

std::shared_ptr<KaydedilenBelge> YazıcıKayıtları::yeniBelge(const QString& yazıcı, const QString& belgeAdı,
                                                           double genişlik, double yükseklik)
{
    auto b = std::make_shared<KaydedilenBelge>();
    b->yazıcı = yazıcı;
    b->belgeAdı = belgeAdı;
    b->sayfaGenişliği = genişlik;
    b->sayfaYüksekliği = yükseklik;
    b->hazırlanırken = hazırlanırken;
    b->gönderilirken = gönderilirken;
    belgeler_.append(b);
    return b;
}

}  // namespace yazdırma
