#include "definitions/UrunFotograflari.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace ürün {

namespace {
// Nearest whole number, a half to the even neighbour.
int yuvarla(double x) { return int(std::nearbyint(x)); }
}  // namespace

QString fotoğrafKlasörü(const QString& sunucuYolu)
{
    return QDir(sunucuYolu).filePath(QStringLiteral("Images"));
}

QString fotoğrafAnahtarı(const QString& ad)
{
    QString m = ad;
    for (QChar& c : m)
        if (c == QChar(u'İ') || c == QChar(u'ı')) c = QLatin1Char('i');
    return m.toCaseFolded();
}

bool aynıFotoğrafAdı(const QString& a, const QString& b) { return fotoğrafAnahtarı(a) == fotoğrafAnahtarı(b); }

bool düzDosyaAdıMı(const QString& ad)
{
    return !ad.isEmpty() && ad != QLatin1String(".") && ad != QLatin1String("..") && !ad.contains(QLatin1Char('/'))
           && !ad.contains(QLatin1Char('\\')) && !ad.contains(QChar(u'\0'));
}

QString fotoğrafDosyasınıBul(const QString& klasör, const QString& ad)
{
    // A photo name is the name of a file in the folder: one with a folder in it (from a hand-edited row, say)
    // names no photo, so that nothing outside the folder is ever read or deleted as a photo.
    if (!düzDosyaAdıMı(ad)) return {};
    const QDir dizin(klasör);
    const QString tam = dizin.filePath(ad);
    if (QFileInfo(tam).isFile()) return tam;
    const QString anahtar = fotoğrafAnahtarı(ad);
    const QStringList adlar = dizin.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& a : adlar)
        if (fotoğrafAnahtarı(a) == anahtar) return dizin.filePath(a);
    return {};
}

QSet<QString> dosyaAnahtarları(const QString& klasör)
{
    QSet<QString> sonuç;
    const QStringList adlar = QDir(klasör).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& a : adlar) sonuç.insert(fotoğrafAnahtarı(a));
    return sonuç;
}

QString türetilmişAd(const QString& ad, int n)
{
    const int nokta = ad.lastIndexOf(QLatin1Char('.'));
    // A leading dot (".jpg") belongs to the stem, not to an extension.
    if (nokta <= 0) return ad + QStringLiteral("-%1").arg(n);
    return ad.left(nokta) + QStringLiteral("-%1").arg(n) + ad.mid(nokta);
}

QString serbestAd(const QString& seçilenAd, const QString& kendiAdı, const QSet<QString>& başkalarınınAdları,
                  const QSet<QString>& dosyalar)
{
    const QString kendi = kendiAdı.isEmpty() ? QString() : fotoğrafAnahtarı(kendiAdı);
    const auto dolu = [&](const QString& ad) {
        const QString a = fotoğrafAnahtarı(ad);
        return başkalarınınAdları.contains(a) || (dosyalar.contains(a) && a != kendi);
    };
    if (!dolu(seçilenAd)) return seçilenAd;
    for (int n = 2;; ++n) {
        const QString aday = türetilmişAd(seçilenAd, n);
        if (!dolu(aday)) return aday;
    }
}

QRect önizlemeAlanı(QSize resim, QSize kutu)
{
    if (resim.isEmpty() || kutu.isEmpty()) return {};
    const double oran = double(resim.width()) / resim.height();
    const double kutuOranı = double(kutu.width()) / kutu.height();
    int dw, dh;
    if (oran >= kutuOranı) {
        dw = kutu.width();
        dh = std::max(1, yuvarla(dw / oran));
    } else {
        dh = kutu.height();
        dw = std::max(1, yuvarla(dh * oran));
    }
    const int x = yuvarla((kutu.width() - dw) / 2.0);
    const int y = yuvarla((kutu.height() - dh) / 2.0);
    return {x, y, dw, dh};
}

QImage önizlemeResmi(const QImage& resim, QSize kutu)
{
    QImage sonuç(kutu, QImage::Format_RGB32);
    sonuç.fill(Qt::white);
    if (resim.isNull()) return sonuç;
    QPainter p(&sonuç);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(önizlemeAlanı(resim.size(), kutu), resim);
    return sonuç;
}

QImage resmiOku(const QString& yol)
{
    QImageReader okuyucu(yol);
    okuyucu.setDecideFormatFromContent(true);
    okuyucu.setAutoTransform(true);
    return okuyucu.read();
}

}  // namespace ürün
