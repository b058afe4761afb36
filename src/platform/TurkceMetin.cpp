#include "platform/TurkceMetin.h"

#include "platform/Yuzdelik.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace turkce {

namespace {
const QLocale& türkçe()
{
    static const QLocale yerel(QLocale::Turkish, QLocale::Turkey);
    return yerel;
}

const QCollator& sıralayıcı(bool duyarlı)
{
    static const QCollator duyarsız = [] {
        QCollator c(türkçe());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    static const QCollator duyarlıSıralayıcı = [] {
        QCollator c(türkçe());
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    return duyarlı ? duyarlıSıralayıcı : duyarsız;
}

// Groups the integer digits of a non-negative number text by thousands with dots.
QString grupla(const QString& rakamlar)
{
    QString sonuç;
    const int n = rakamlar.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) sonuç += QLatin1Char('.');
        sonuç += rakamlar[i];
    }
    return sonuç;
}
}  // namespace

QChar büyükHarf(QChar harf)
{
    if (harf == QChar(u'i')) return QChar(u'İ');
    if (harf == QChar(u'ı')) return QChar(u'I');
    return harf.toUpper();
}

QString büyükHarf(const QString& metin)
{
    QString sonuç(metin.size(), Qt::Uninitialized);
    for (int i = 0; i < metin.size(); ++i) sonuç[i] = büyükHarf(metin[i]);
    return sonuç;
}

QString küçükHarf(const QString& metin)
{
    QString sonuç(metin.size(), Qt::Uninitialized);
    for (int i = 0; i < metin.size(); ++i) {
        const QChar c = metin[i];
        if (c == QChar(u'I')) sonuç[i] = QChar(u'ı');
        else if (c == QChar(u'İ')) sonuç[i] = QChar(u'i');
        else sonuç[i] = c.toLower();
    }
    return sonuç;
}

QString katla(const QString& metin) { return büyükHarf(metin); }

int karşılaştır(const QString& a, const QString& b, bool duyarlı)
{
    return sıralayıcı(duyarlı).compare(a, b);
}

std::vector<int> sıralamaDizini(const std::vector<QStringView>& metinler, bool azalan)
{
    const int n = int(metinler.size());
    // Each distinct text once, in the order it first comes.
    QHash<QStringView, int> kimlikler;
    std::vector<QStringView> ayrı;
    std::vector<int> kimlik(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto yer = kimlikler.constFind(metinler[size_t(i)]);
        if (yer == kimlikler.constEnd()) {
            yer = kimlikler.insert(metinler[size_t(i)], int(ayrı.size()));
            ayrı.push_back(metinler[size_t(i)]);
        }
        kimlik[size_t(i)] = yer.value();
    }

    // The distinct texts ranked by their sort keys; texts whose keys compare equal share a rank.
    const QCollator& c = sıralayıcı(false);
    const int m = int(ayrı.size());
    std::vector<QCollatorSortKey> anahtar;
    anahtar.reserve(size_t(m));
    for (const QStringView v : ayrı)
        anahtar.push_back(c.sortKey(QString::fromRawData(reinterpret_cast<const QChar*>(v.utf16()), v.size())));
    std::vector<int> sıra(static_cast<size_t>(m));
    for (int k = 0; k < m; ++k) sıra[size_t(k)] = k;
    std::sort(sıra.begin(), sıra.end(),
              [&](int a, int b) { return anahtar[size_t(a)].compare(anahtar[size_t(b)]) < 0; });
    std::vector<int> derece(static_cast<size_t>(m));
    int dereceSayısı = 0;
    for (int k = 0; k < m; ++k) {
        if (k > 0 && anahtar[size_t(sıra[size_t(k - 1)])].compare(anahtar[size_t(sıra[size_t(k)])]) < 0)
            ++dereceSayısı;
        derece[size_t(sıra[size_t(k)])] = dereceSayısı;
    }
    if (m > 0) ++dereceSayısı;
    if (azalan)
        for (int& d : derece) d = dereceSayısı - 1 - d;

    // A counting sort on the ranks keeps texts of one rank in the order they had.
    std::vector<int> başlangıç(size_t(dereceSayısı) + 1, 0);
    for (int i = 0; i < n; ++i) ++başlangıç[size_t(derece[size_t(kimlik[size_t(i)])]) + 1];
    for (int d = 0; d < dereceSayısı; ++d) başlangıç[size_t(d) + 1] += başlangıç[size_t(d)];
    std::vector<int> sonuç(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) sonuç[size_t(başlangıç[size_t(derece[size_t(kimlik[size_t(i)])])]++)] = i;
    return sonuç;
}

bool eşit(const QString& a, const QString& b) { return katla(a) == katla(b); }

bool ileBaşlar(const QString& metin, const QString& önEk)
{
    return katla(metin).startsWith(katla(önEk));
}

namespace {
// Reads the text; with `gruplarDenetlensin` a dot must stand between thousands groups (1.234.567,5),
// without it a dot may stand between any two digits of the whole part, as a text being typed or edited
// holds it (1.23,50 after a digit was taken out).
double oku(const QString& girdi, bool* tamam, bool gruplarDenetlensin)
{
    const QString metin = girdi.trimmed();
    if (tamam) *tamam = false;
    int i = 0;
    bool eksi = false;
    if (i < metin.size() && (metin[i] == QLatin1Char('-') || metin[i] == QLatin1Char('+'))) {
        eksi = metin[i] == QLatin1Char('-');
        ++i;
    }
    QString tam, kesir;
    bool virgülGörüldü = false;
    bool öncekiRakam = false;
    bool noktaVar = false;
    int grup = 0;  // digits since the last group dot (or the start)
    for (; i < metin.size(); ++i) {
        const QChar c = metin[i];
        if (c.isDigit() && c.unicode() < 128) {
            (virgülGörüldü ? kesir : tam) += c;
            if (!virgülGörüldü) ++grup;
            öncekiRakam = true;
        } else if (c == QLatin1Char('.') && !virgülGörüldü && öncekiRakam && i + 1 < metin.size()
                   && metin[i + 1].isDigit()) {
            // A group dot stands between digits only, and in a number read for its value after the first
            // group of one to three digits and between groups of three.
            if (gruplarDenetlensin && (noktaVar ? grup != 3 : grup > 3)) return 0;
            noktaVar = true;
            grup = 0;
            öncekiRakam = false;
        } else if (c == QLatin1Char(',') && !virgülGörüldü) {
            virgülGörüldü = true;
            öncekiRakam = false;
        } else {
            return 0;
        }
    }
    if (gruplarDenetlensin && noktaVar && grup != 3) return 0;
    if (tam.isEmpty() && kesir.isEmpty()) return 0;
    bool ok = false;
    const double değer = (QString(tam.isEmpty() ? QStringLiteral("0") : tam) + QLatin1Char('.')
                          + (kesir.isEmpty() ? QStringLiteral("0") : kesir))
                             .toDouble(&ok);
    if (!ok || !std::isfinite(değer)) return 0;
    if (tamam) *tamam = true;
    return eksi ? -değer : değer;
}
}  // namespace

double sayıOku(const QString& girdi, bool* tamam) { return oku(girdi, tamam, true); }

bool sayıMı(const QString& metin)
{
    bool ok = false;
    sayıOku(metin, &ok);
    return ok;
}

bool yazılırkenSayıMı(const QString& metin)
{
    bool ok = false;
    oku(metin, &ok, false);
    return ok;
}

namespace {
// Rounds |değer| × ölçek half away from zero as the decimal number that the value stands for: read to
// 15 significant digits first, so that 1,005 (held as 1.00499999...) gives 101 hundredths. The result
// is a whole number; yuvarlakRakamlar gives its digits, without any limit of an integer type.
double yuvarlakTam(double değer, double ölçek)
{
    const double y = std::fabs(değer) * ölçek;
    if (y < 1e15) return double(yüzdelik::ondalıkYuvarla(y));
    const double ölçekli = QString::number(y, 'g', 15).toDouble();
    return std::round(ölçekli);
}

QString yuvarlakRakamlar(double değer, double ölçek) { return QString::number(yuvarlakTam(değer, ölçek), 'f', 0); }
}  // namespace

double yuvarla(double değer, int ondalık)
{
    if (!std::isfinite(değer)) return değer;
    const double ölçek = std::pow(10.0, ondalık);
    const double tam = yuvarlakTam(değer, ölçek);
    if (tam == 0) return 0;
    return (değer < 0 ? -tam : tam) / ölçek;
}

QString tutarBiçimi(double değer)
{
    if (!std::isfinite(değer)) return QString::number(değer);
    const QString kuruş = yuvarlakRakamlar(değer, 100.0).rightJustified(3, QLatin1Char('0'));
    const bool eksi = değer < 0 && kuruş != QLatin1String("000");
    return (eksi ? QStringLiteral("-") : QString()) + grupla(kuruş.left(kuruş.size() - 2)) + QLatin1Char(',')
           + kuruş.right(2);
}

QString tamSayıBiçimi(double değer)
{
    if (!std::isfinite(değer)) return QString::number(değer);
    const QString rakamlar = yuvarlakRakamlar(değer, 1.0);
    const bool eksi = değer < 0 && rakamlar != QLatin1String("0");
    return (eksi ? QStringLiteral("-") : QString()) + rakamlar;
}

QString kısaSayıBiçimi(double değer)
{
    // Never in exponent form: a spreadsheet or a reader of a list must be able to read it back.
    if (!std::isfinite(değer)) return QString::number(değer);
    const double mutlak = std::fabs(değer);
    const int tamBasamak = mutlak < 1 ? 1 : int(std::floor(std::log10(mutlak))) + 1;
    QString m = QString::number(değer, 'f', std::clamp(15 - tamBasamak, 0, 15));
    if (m.contains(QLatin1Char('.'))) {
        while (m.endsWith(QLatin1Char('0'))) m.chop(1);
        if (m.endsWith(QLatin1Char('.'))) m.chop(1);
    }
    if (m == QLatin1String("-0")) m = QStringLiteral("0");
    m.replace(QLatin1Char('.'), QLatin1Char(','));
    return m;
}

QString miktarBiçimi(double değer, bool ondalıklı)
{
    return ondalıklı ? tutarBiçimi(değer) : tamSayıBiçimi(değer);
}

QString tarihBiçimi(const QDate& tarih) { return tarih.toString(QStringLiteral("dd.MM.yyyy")); }

QString tarihSaklama(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

QDate saklananTarih(const QString& metin) { return QDate::fromString(metin.left(10), Qt::ISODate); }

QDate saklananTarihUtf8(QByteArrayView metin)
{
    // "2026-12-07" read digit by digit; any other form through the common reading.
    if (metin.size() >= 10 && metin[4] == '-' && metin[7] == '-') {
        int parça[3] = {0, 0, 0};
        bool tamam = true;
        for (int i = 0, p = 0; i < 10 && tamam; ++i) {
            if (i == 4 || i == 7) {
                ++p;
                continue;
            }
            const int rakam = metin[i] - '0';
            tamam = rakam >= 0 && rakam <= 9;
            parça[p] = parça[p] * 10 + rakam;
        }
        if (tamam) return QDate(parça[0], parça[1], parça[2]);
    }
    return saklananTarih(QString::fromUtf8(metin));
}

}  // namespace turkce
