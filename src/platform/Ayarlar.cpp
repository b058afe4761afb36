#include "platform/Ayarlar.h"

#include <QSettings>

namespace ayarlar {

namespace {
QSettings& depo()
{
    static QSettings* ayar = nullptr;
    if (!ayar) ayar = new QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velnaro"),
                                    QStringLiteral("Kavrenta"));
    return *ayar;
}

QString grup(const QString& bölüm)
{
    QString g = bölüm;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return g;
}

QString yol(const QString& bölüm, const QString& anahtar) { return grup(bölüm) + QLatin1Char('/') + anahtar; }
}  // namespace

QString oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan)
{
    const QVariant v = depo().value(yol(bölüm, anahtar));
    return v.isValid() ? v.toString() : varsayılan;
}

void yaz(const QString& bölüm, const QString& anahtar, const QString& değer)
{
    depo().setValue(yol(bölüm, anahtar), değer);
}

void anahtarıSil(const QString& bölüm, const QString& anahtar) { depo().remove(yol(bölüm, anahtar)); }

void bölümüSil(const QString& bölüm) { depo().remove(grup(bölüm)); }

QStringList anahtarlar(const QString& bölüm)
{
    QSettings& d = depo();
    d.beginGroup(grup(bölüm));
    const QStringList k = d.childKeys();
    d.endGroup();
    return k;
}

QList<QPair<QString, QString>> tümü(const QString& bölüm)
{
    QList<QPair<QString, QString>> sonuç;
    for (const QString& k : anahtarlar(bölüm)) sonuç.append({k, oku(bölüm, k)});
    return sonuç;
}

void kaydet() { depo().sync(); }

bool mantıksalOku(const QString& bölüm, const QString& anahtar, bool varsayılan)
{
    const QString m = oku(bölüm, anahtar).trimmed();
    if (m.isEmpty()) return varsayılan;
    if (m.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
    if (m.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const int n = m.toInt(&ok);
    return ok ? n != 0 : varsayılan;
}

QString mantıksalMetin(bool değer) { return değer ? QStringLiteral("-1") : QStringLiteral("0"); }

}  // namespace ayarlar
