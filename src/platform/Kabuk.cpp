#include "platform/Kabuk.h"

#include "platform/TurkceMetin.h"
#include "platform/Yazicilar.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTextStream>
#include <QTreeView>
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
std::function<bool(const QString&)>& işleyiciDenetimi()
{
    static std::function<bool(const QString&)> d;
    return d;
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

namespace {
// The folder window's list as Qt's file model gives it, except the type and the date columns: the model
// names a folder's type with a text that Qt's Turkish translation lacks ("Folder") and writes the dates in
// the machine's locale ("7 Dec 2026" under "C"). They are shown as the rest of the program shows them.
class TürkçeDosyaListesi : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& dizin, int rol) const override
    {
        const auto* model = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (rol != Qt::DisplayRole || !model || !dizin.isValid()) return QIdentityProxyModel::data(dizin, rol);
        const QModelIndex kaynak = mapToSource(dizin);
        switch (dizin.column()) {
        case TürSütunu:
            // A drive (the file system's root) and a folder; files keep the model's own type name.
            if (model->fileInfo(kaynak).isRoot()) return QStringLiteral("Sürücü");
            if (model->isDir(kaynak)) return QStringLiteral("Klasör");
            break;
        case TarihSütunu: {
            const QDateTime zaman = model->lastModified(kaynak);
            if (!zaman.isValid()) return QString();
            return tarihMetni(zaman);
        }
        default: break;
        }
        return QIdentityProxyModel::data(dizin, rol);
    }

    static QString tarihMetni(const QDateTime& zaman)
    {
        return turkce::tarihBiçimi(zaman.date()) + QLatin1Char(' ') + zaman.time().toString(QStringLiteral("HH:mm"));
    }

    // The columns of QFileSystemModel: name, size, type, date modified.
    static constexpr int TürSütunu = 2;
    static constexpr int TarihSütunu = 3;
};

// The width of a cell of the list that shows `metin` whole: the text in the view's font and the
// margins that the view's style keeps around it.
int hücreGenişliği(const QTreeView& liste, const QString& metin)
{
    QStyleOptionViewItem seçenek;
    seçenek.initFrom(&liste);
    seçenek.font = liste.font();
    seçenek.fontMetrics = QFontMetrics(seçenek.font);
    seçenek.features = QStyleOptionViewItem::HasDisplay;
    seçenek.text = metin;
    return liste.style()->sizeFromContents(QStyle::CT_ItemViewItem, &seçenek, QSize(), &liste).width();
}

// Qt opens the detail view's columns at widths measured for its English texts and its own short date
// ("10/29/81 02:02PM"), without the cells' margins: the Turkish headers and the dates came out cut
// ("07.12.… 21:46"). Every column opens at least as wide as its header and the widest value it shows;
// a wider column (as the user left it: Qt keeps the widths between openings) stays as it is.
void sütunlarıGenişlet(QTreeView& liste)
{
    QHeaderView& başlık = *liste.header();
    const QFontMetrics ölçü(liste.font());
    // Every digit of a date the widest one in the font, whatever the date.
    QChar enGenişRakam = QLatin1Char('0');
    for (char r = '1'; r <= '9'; ++r) {
        if (ölçü.horizontalAdvance(QLatin1Char(r)) > ölçü.horizontalAdvance(enGenişRakam))
            enGenişRakam = QLatin1Char(r);
    }
    QString enGenişTarih = TürkçeDosyaListesi::tarihMetni(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    for (QChar& h : enGenişTarih)
        if (h.isDigit()) h = enGenişRakam;

    const QHash<int, QStringList> değerler{
        {TürkçeDosyaListesi::TürSütunu, {QStringLiteral("Klasör"), QStringLiteral("Sürücü")}},
        {TürkçeDosyaListesi::TarihSütunu, {enGenişTarih}},
    };
    for (int sütun = 0; sütun < başlık.count(); ++sütun) {
        int genişlik = başlık.sectionSizeHint(sütun);
        for (const QString& değer : değerler.value(sütun)) genişlik = qMax(genişlik, hücreGenişliği(liste, değer));
        if (başlık.sectionSize(sütun) < genişlik) başlık.resizeSection(sütun, genişlik);
    }
}
}  // namespace

std::unique_ptr<QFileDialog> klasörSeçmePenceresi(QWidget* sahip, const QString& başlık, const QString& klasör)
{
    auto pencere = std::make_unique<QFileDialog>(sahip, başlık, klasör);
    pencere->setFileMode(QFileDialog::Directory);
    pencere->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    pencere->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    pencere->setProxyModel(new TürkçeDosyaListesi(pencere.get()));
    if (auto* liste = pencere->findChild<QTreeView*>(QStringLiteral("treeView"))) sütunlarıGenişlet(*liste);
    return pencere;
}

QString klasörSeç(QWidget* sahip, const QString& başlık)
{
    if (seçiciYeri()) return seçiciYeri()(sahip, başlık);
    const std::unique_ptr<QFileDialog> pencere = klasörSeçmePenceresi(sahip, başlık, QDir::homePath());
    if (pencere->exec() != QDialog::Accepted) return {};
    return pencere->selectedFiles().value(0);
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

bool işleyiciVarMı(const QString& mimeTürü)
{
    if (işleyiciDenetimi()) return işleyiciDenetimi()(mimeTürü);

    QProcess sorgu;
    sorgu.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeTürü});
    if (sorgu.waitForStarted(3000)) {
        if (sorgu.waitForFinished(10000) && sorgu.exitStatus() == QProcess::NormalExit && sorgu.exitCode() == 0)
            return !QString::fromUtf8(sorgu.readAllStandardOutput()).trimmed().isEmpty();
        if (sorgu.state() != QProcess::NotRunning) {
            sorgu.kill();
            sorgu.waitForFinished(1000);
        }
    }

    // Without an answer from xdg-mime: a program that the desktop files or the user's choices register for the type.
    QStringList listeler;
    for (const QString& k : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        listeler << k + QStringLiteral("/mimeinfo.cache") << k + QStringLiteral("/mimeapps.list");
    }
    for (const QString& k : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        listeler << k + QStringLiteral("/mimeapps.list");
    for (const QString& yol : listeler) {
        QFile dosya(yol);
        if (!dosya.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
        QTextStream akış(&dosya);
        bool kaldırılanlar = false;
        while (!akış.atEnd()) {
            const QString satır = akış.readLine().trimmed();
            if (satır.startsWith(QLatin1Char('['))) {
                kaldırılanlar = satır == QStringLiteral("[Removed Associations]");
                continue;
            }
            if (kaldırılanlar || !satır.startsWith(mimeTürü + QLatin1Char('='))) continue;
            if (!satır.mid(mimeTürü.size() + 1).remove(QLatin1Char(';')).trimmed().isEmpty()) return true;
        }
    }
    return false;
}

void işleyiciDenetiminiDeğiştir(std::function<bool(const QString&)> denetim)
{
    işleyiciDenetimi() = std::move(denetim);
}

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

namespace {
struct TekKopya {
    QPointer<QLocalServer> sunucu;
    QString ad;
    std::function<void()> öneGel;
};
TekKopya& tekKopya()
{
    static TekKopya t;
    return t;
}

// A socket name without blanks or letters a file system might mind, the same for every copy of one user.
QString soketAdı(const QString& anahtar)
{
    const QByteArray özet = QCryptographicHash::hash(anahtar.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("Kavrenta-%1-%2").arg(getuid()).arg(QString::fromLatin1(özet));
}

bool kapıyıÇal(const QString& ad)
{
    QLocalSocket soket;
    soket.connectToServer(ad);
    if (!soket.waitForConnected(1000)) return false;
    soket.write("one\n");
    soket.waitForBytesWritten(1000);
    soket.disconnectFromServer();
    return true;
}
}  // namespace

bool tekKopyaOl(const QString& anahtar, std::function<void()> öneGel)
{
    TekKopya& t = tekKopya();
    const QString ad = soketAdı(anahtar);
    if (kapıyıÇal(ad)) return false;
    // Nobody answers: a socket left by a copy that did not end cleanly is taken over.
    QLocalServer::removeServer(ad);
    auto* sunucu = new QLocalServer();
    sunucu->setSocketOptions(QLocalServer::UserAccessOption);
    if (!sunucu->listen(ad)) {
        delete sunucu;
        return true;  // cannot listen: run without the guard rather than refuse to start
    }
    delete t.sunucu.data();
    t.sunucu = sunucu;
    t.ad = ad;
    t.öneGel = std::move(öneGel);
    QObject::connect(sunucu, &QLocalServer::newConnection, sunucu, [sunucu] {
        while (QLocalSocket* gelen = sunucu->nextPendingConnection()) {
            QObject::connect(gelen, &QLocalSocket::disconnected, gelen, &QObject::deleteLater);
            if (tekKopya().öneGel) tekKopya().öneGel();
        }
    });
    return true;
}

void tekKopyayıBırak()
{
    TekKopya& t = tekKopya();
    delete t.sunucu.data();
    t.sunucu = nullptr;
    t.ad.clear();
    t.öneGel = nullptr;
}

bool yazıcıVar() { return true; }

}  // namespace kabuk
