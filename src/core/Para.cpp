#include "core/Para.h"

#include <QLatin1Char>
#include <cmath>
#include <limits>

namespace para {

Para paraya(double değer)
{
    if (!std::isfinite(değer)) return 0;
    const double ölçekli = değer * double(BİR_LİRA);
    if (std::fabs(ölçekli) >= 9.2e18) return 0;
    // Read to 15 significant digits first: 1,00005 is held as 1.0000499999..., and stands for a half.
    const double ondalık = QString::number(ölçekli, 'g', 15).toDouble();
    return Para(std::llround(ondalık));  // llround: halves away from zero
}

double doubleOlarak(Para p) { return double(p) / double(BİR_LİRA); }

qint64 kuruşa(Para p)
{
    const qint64 yarım = 50;
    return p >= 0 ? (p + yarım) / 100 : -((-p + yarım) / 100);
}

Para kuruşaYuvarla(Para p) { return kuruşa(p) * 100; }

QString biçimle(Para p)
{
    const qint64 k = kuruşa(p);
    const quint64 mutlak = k < 0 ? quint64(-(k + 1)) + 1 : quint64(k);
    const QString lira = QString::number(mutlak / 100);
    QString sonuç;
    if (k < 0) sonuç += QLatin1Char('-');
    for (int i = 0; i < lira.size(); ++i) {
        if (i > 0 && (lira.size() - i) % 3 == 0) sonuç += QLatin1Char('.');
        sonuç += lira[i];
    }
    sonuç += QLatin1Char(',');
    sonuç += QString::number(mutlak % 100).rightJustified(2, QLatin1Char('0'));
    return sonuç;
}

Para oku(const QString& girdi, bool* tamam)
{
    if (tamam) *tamam = false;
    const QString metin = girdi.trimmed();
    int i = 0;
    bool eksi = false;
    if (i < metin.size() && (metin[i] == QLatin1Char('-') || metin[i] == QLatin1Char('+'))) {
        eksi = metin[i] == QLatin1Char('-');
        ++i;
    }
    const auto rakamMı = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    qint64 tam = 0;
    qint64 kesir = 0;     // the first four decimals, in ten-thousandths
    int kesirHanesi = 0;  // decimals read so far
    bool yuvarlaYukarı = false;
    bool rakamVar = false, virgül = false, öncekiRakam = false;
    for (; i < metin.size(); ++i) {
        const QChar c = metin[i];
        if (rakamMı(c)) {
            const int r = c.unicode() - '0';
            if (!virgül) {
                if (tam > (std::numeric_limits<qint64>::max() / BİR_LİRA - r) / 10) return 0;
                tam = tam * 10 + r;
            } else if (kesirHanesi < 4) {
                kesir = kesir * 10 + r;
                ++kesirHanesi;
            } else if (kesirHanesi++ == 4) {
                yuvarlaYukarı = r >= 5;
            }
            rakamVar = öncekiRakam = true;
        } else if (c == QLatin1Char('.') && !virgül && öncekiRakam && i + 1 < metin.size() && rakamMı(metin[i + 1])) {
            öncekiRakam = false;  // a group dot stands between digits only
        } else if (c == QLatin1Char(',') && !virgül) {
            virgül = true;
            öncekiRakam = false;
        } else {
            return 0;
        }
    }
    if (!rakamVar) return 0;
    for (int h = std::min(kesirHanesi, 4); h < 4; ++h) kesir *= 10;
    kesir += yuvarlaYukarı ? 1 : 0;
    if (tam > (std::numeric_limits<qint64>::max() - kesir) / BİR_LİRA) return 0;
    const Para sonuç = tam * BİR_LİRA + kesir;
    if (tamam) *tamam = true;
    return eksi ? -sonuç : sonuç;
}

}  // namespace para
