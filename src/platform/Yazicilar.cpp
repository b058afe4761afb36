#include "platform/Yazicilar.h"

#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"
#include "platform/YazdirmaSunucusu.h"

#include <QPageSize>

namespace yazdırma {

namespace {
struct Durum {
    std::optional<QList<Yazıcı>> sahteYazıcılar;
    std::shared_ptr<YazıcıKayıtları> kayıtlar;
    std::optional<Yazıcı> seçilen;  // none: the default printer
};

Durum& durum()
{
    static Durum d;
    return d;
}

QList<Yazıcı> sunucuYazıcıları()
{
    if (durum().sahteYazıcılar) return *durum().sahteYazıcılar;
    return sunucununYazıcıları();
}
}  // namespace

QList<Yazıcı> yazıcılar()
{
    QList<Yazıcı> liste;
    // A server queue called "PDF" (a PDF writer of the system) would share the name of ours and could
    // not be told apart from it: ours stands in its place.
    for (const Yazıcı& y : sunucuYazıcıları())
        if (y.ad != PdfYazıcısıAdı) liste.append(y);
    Yazıcı pdf;
    pdf.ad = PdfYazıcısıAdı;
    pdf.bağlantıYeri = kabuk::belgeKlasörü();
    pdf.kağıt = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    liste.append(pdf);
    return liste;
}

Yazıcı geçerliYazıcı()
{
    if (durum().seçilen) return *durum().seçilen;
    const QList<Yazıcı> liste = yazıcılar();
    for (const Yazıcı& y : liste)
        if (y.varsayılan) return y;
    return liste.first();
}

bool geçerliYazıcıyıDeğiştir(const QString& ad)
{
    // The server is asked first: its own answer tells of a printer gone, or of a server that does not answer.
    if (!durum().sahteYazıcılar && ad != PdfYazıcısıAdı) yazıcıyıDenetle(ad);
    for (const Yazıcı& y : yazıcılar())
        if (y.ad == ad) {
            durum().seçilen = y;
            return true;
        }
    return false;
}

std::unique_ptr<YazıcıYüzeyi> belgeAç(const QString& belgeAdı)
{
    const Yazıcı y = geçerliYazıcı();
    if (durum().kayıtlar)
        return std::make_unique<YazıcıKaydedici>(
            durum().kayıtlar->yeniBelge(y.ad, belgeAdı, y.kağıt.width(), y.kağıt.height()));
    if (y.ad == PdfYazıcısıAdı) return YazıcıBelgesi::pdfDosyasında(kabuk::belgeKlasörü(), belgeAdı, y.kağıt);
    return YazıcıBelgesi::sistemYazıcısında(y, belgeAdı);
}

void sistemYazıcılarınıDeğiştir(std::optional<QList<Yazıcı>> liste)
{
    durum().sahteYazıcılar = std::move(liste);
    durum().seçilen.reset();
}

void kaydediciyeYönlendir(std::shared_ptr<YazıcıKayıtları> kayıtlar) { durum().kayıtlar = std::move(kayıtlar); }

}  // namespace yazdırma
