#include "invoicing/YaziTipleriModulu.h"

#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

namespace {
// The letters Turkish adds to the Latin alphabet.
const QString TürkçeHarfler = QStringLiteral("çÇğĞıİöÖşŞüÜ");

bool türkçeYazabilir(const QString& aile)
{
    const QRawFont ham = QRawFont::fromFont(QFont(aile));
    if (!ham.isValid() || ham.familyName().compare(aile, Qt::CaseInsensitive) != 0) return false;
    for (const QChar c : TürkçeHarfler)
        if (!ham.supportsCharacter(c)) return false;
    return true;
}
}  // namespace

QStringList türkçeYazıTipleri()
{
    QStringList sonuç;
    for (const QString& aile : QFontDatabase::families(QFontDatabase::Latin)) {
        if (aile.startsWith(QLatin1Char('@')) || QFontDatabase::isPrivateFamily(aile)) continue;
        if (!QFontDatabase::isSmoothlyScalable(aile) || QFontDatabase::isBitmapScalable(aile)) continue;
        if (türkçeYazabilir(aile)) sonuç.append(aile);
    }
    return sonuç;
}

void YazıTipleriniListele(QComboBox* liste)
{
    liste->clear();
    liste->addItems(türkçeYazıTipleri());
}
