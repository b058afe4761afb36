#include "platform/Kabuk.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <pwd.h>
#include <unistd.h>

namespace kabuk {

namespace {
std::function<QString(QWidget*, const QString&)>& seçiciYeri()
{
    static std::function<QString(QWidget*, const QString&)> s;
    return s;
}
std::function<bool(const QUrl&)>& açıcıYeri()
{
    static std::function<bool(const QUrl&)> a;
    return a;
}
QString& belgeYeri()
{
    static QString b;
    return b;
}
}  // namespace

bool dosyaVarMı(const QString& yol)
{
    if (yol.isEmpty()) return false;
    return QFileInfo::exists(yol);
}

QString klasörSeç(QWidget* sahip, const QString& başlık)
{
    if (seçiciYeri()) return seçiciYeri()(sahip, başlık);
    return QFileDialog::getExistingDirectory(sahip, başlık, QDir::homePath(), QFileDialog::ShowDirsOnly);
}

void klasörSeçiciyiDeğiştir(std::function<QString(QWidget*, const QString&)> seçici)
{
    seçiciYeri() = std::move(seçici);
}

bool aç(const QUrl& adres)
{
    if (açıcıYeri()) return açıcıYeri()(adres);
    return QDesktopServices::openUrl(adres);
}

void açıcıyıDeğiştir(std::function<bool(const QUrl&)> açıcı) { açıcıYeri() = std::move(açıcı); }

QString kullanıcınınTamAdı()
{
    if (const passwd* pw = getpwuid(getuid())) {
        QString gecos = QString::fromLocal8Bit(pw->pw_gecos ? pw->pw_gecos : "").section(QLatin1Char(','), 0, 0);
        if (!gecos.trimmed().isEmpty()) return gecos.trimmed();
        return QString::fromLocal8Bit(pw->pw_name);
    }
    return qEnvironmentVariable("USER");
}

QString belgeKlasörü()
{
    QString kök = belgeYeri();
    if (kök.isEmpty()) {
        kök = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (kök.isEmpty()) kök = QDir::homePath();
        kök += QStringLiteral("/Kavrenta");
    }
    QDir().mkpath(kök);
    return kök;
}

void belgeKlasörünüDeğiştir(const QString& klasör) { belgeYeri() = klasör; }

}  // namespace kabuk
