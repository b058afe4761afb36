#include "definitions/FirmaBicimleri.h"

namespace firma {

namespace {
bool rakamMı(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The value as plain digits: the leading digits without their leading zeros; empty for 0.
QString değer(const QString& metin)
{
    const QString rakamlar = öndekiRakamlar(metin);
    qsizetype i = 0;
    while (i < rakamlar.size() && rakamlar[i] == QLatin1Char('0')) ++i;
    return rakamlar.mid(i);
}
}  // namespace

QString öndekiRakamlar(const QString& metin)
{
    QString sonuç;
    for (const QChar c : metin) {
        if (rakamMı(c)) sonuç += c;
        else if (c != QLatin1Char(' ') && c != QLatin1Char('\t')) break;
    }
    return sonuç;
}

QString telefonBiçiminiKaldır(const QString& metin)
{
    const QString d = değer(metin);
    return d.isEmpty() ? metin : d;
}

QString telefonBiçimi(const QString& metin)
{
    const QString d = değer(metin);
    if (d.isEmpty()) return QString();
    // The 0 in front, then ten places filled from the right by the first ten digits; a place without a
    // digit shows nothing, the blanks between the groups stay.
    const QString y = d.left(10).rightJustified(10, QChar());
    QString sonuç = QLatin1Char('0') + y.left(3) + QLatin1Char(' ') + y.mid(3, 3) + QLatin1Char(' ') + y.mid(6, 2)
                    + QLatin1Char(' ') + y.mid(8, 2);
    sonuç.remove(QChar());
    return sonuç;
}

QString vergiNumarasıBiçiminiKaldır(const QString& metin)
{
    return değer(metin).isEmpty() ? metin : öndekiRakamlar(metin);
}

QString vergiNumarasıBiçimi(const QString& metin)
{
    if (değer(metin).isEmpty()) return QString();
    const QString r = öndekiRakamlar(metin);
    const qsizetype n = r.size();
    if (n <= 4) return r;
    if (n <= 7) return r.left(n - 4) + QLatin1Char(' ') + r.right(4);
    return r.left(n - 7) + QLatin1Char(' ') + r.mid(n - 7, 3) + QLatin1Char(' ') + r.right(4);
}

}  // namespace firma
