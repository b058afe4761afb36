#include "platform/Yazicilar.h"

#include "platform/Kabuk.h"
#include "platform/YaziciBelgesi.h"
#include "platform/YazdirmaSunucusu.h"

#include <QPageSize>

#include <algorithm>

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

QList<Yazıcı> sunucuYazıcıları(QString* neden)
{
    if (durum().sahteYazıcılar) return *durum().sahteYazıcılar;
    return sunucununYazıcıları(neden);
}
}  // namespace

QList<Yazıcı> yazıcılar(QString* neden)
{
    QList<Yazıcı> liste;
    // A server queue called "PDF" (a PDF writer of the system) would share the name of ours and could
    // not be told apart from it: ours stands in its place.
    for (const Yazıcı& y : sunucuYazıcıları(neden))
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
    return liste[geçerliYazıcınınSırası(liste)];
}

qsizetype geçerliYazıcınınSırası(const QList<Yazıcı>& liste)
{
    const auto sıra = [&](auto koşul) { return std::find_if(liste.begin(), liste.end(), koşul) - liste.begin(); };
    if (durum().seçilen) {
        const qsizetype i = sıra([](const Yazıcı& y) { return y.ad == durum().seçilen->ad; });
        if (i < liste.size()) return i;
    }
    const qsizetype i = sıra([](const Yazıcı& y) { return y.varsayılan; });
    return i < liste.size() ? i : 0;
}

void geçerliYazıcıyıDeğiştir(const Yazıcı& yazıcı)
{
    // The server is asked first: its own answer tells of a printer gone, or of a server that does not answer.
    if (!durum().sahteYazıcılar && yazıcı.ad != PdfYazıcısıAdı) yazıcıyıDenetle(yazıcı.ad);
    durum().seçilen = yazıcı;
}

bool geçerliYazıcıyıDeğiştir(const QString& ad)
{
    for (const Yazıcı& y : yazıcılar())
        if (y.ad == ad) {
            geçerliYazıcıyıDeğiştir(y);
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
