#include "platform/Yazicilar.h"

#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace yazdırma {

namespace {
struct Durum {
    std::optional<QList<Yazıcı>> sahteYazıcılar;
    std::shared_ptr<YazıcıKayıtları> kayıtlar;
    QString geçerliAd;  // empty: the default printer
};

Durum& durum()
{
    static Durum d;
    return d;
}

QList<Yazıcı> sistemYazıcıları()
{
    if (durum().sahteYazıcılar) return *durum().sahteYazıcılar;
    QList<Yazıcı> liste;
    for (const QPrinterInfo& p : QPrinterInfo::availablePrinters()) {
        Yazıcı y;
        y.ad = p.printerName();
        y.bağlantıYeri = p.location();
        const QPageSize kağıt = p.defaultPageSize();
        if (kağıt.isValid()) y.kağıt = kağıt.size(QPageSize::Millimeter);
        y.varsayılan = p.isDefault();
        liste.append(y);
    }
    return liste;
}
}  // namespace

QList<Yazıcı> yazıcılar()
{
    QList<Yazıcı> liste;
    // A system queue called "PDF" (a PDF writer of the system) would share the name of ours and could
    // not be told apart from it: ours stands in its place.
    for (const Yazıcı& y : sistemYazıcıları())
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
    const QList<Yazıcı> liste = yazıcılar();
    if (!durum().geçerliAd.isEmpty())
        for (const Yazıcı& y : liste)
            if (y.ad == durum().geçerliAd) return y;
    for (const Yazıcı& y : liste)
        if (y.varsayılan) return y;
    return liste.first();
}

bool geçerliYazıcıyıDeğiştir(const QString& ad)
{
    for (const Yazıcı& y : yazıcılar())
        if (y.ad == ad) {
            durum().geçerliAd = ad;
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
    return YazıcıBelgesi::sistemYazıcısında(y.ad, belgeAdı, y.kağıt);
}

void sistemYazıcılarınıDeğiştir(std::optional<QList<Yazıcı>> liste)
{
    durum().sahteYazıcılar = std::move(liste);
    durum().geçerliAd.clear();
}

void kaydediciyeYönlendir(std::shared_ptr<YazıcıKayıtları> kayıtlar) { durum().kayıtlar = std::move(kayıtlar); }

}  // namespace yazdırma
