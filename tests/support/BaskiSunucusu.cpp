#include "support/BaskiSunucusu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QThread>
#include <QUrl>

#include <cups/cups.h>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace test {

namespace {

const char* const CupsdYolu = "/usr/sbin/cupsd";

// A page description with A4, Letter and paper of any size, whose PDF goes through the server's PDF
// filter (which places each page on the paper asked for) and then into the queue's file.
const char* const PdfSürücüsü = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KAVRENTA.PPD"
*Manufacturer: "Kavrenta"
*Product: "(Kavrenta)"
*ModelName: "Kavrenta PDF"
*ShortNickName: "Kavrenta PDF"
*NickName: "Kavrenta PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/Letter: "0 0 612 792"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*VariablePaperSize: True
*HWMargins: 0 0 0 0
*MaxMediaWidth: "1000"
*MaxMediaHeight: "1400"
*NonUIOrderDependency: 100 AnySetup *CustomPageSize
*CustomPageSize True: "pop pop pop <</PageSize[5 -2 roll]/ImagingBBox null>>setpagedevice"
*ParamCustomPageSize Width: 1 points 36 1000
*ParamCustomPageSize Height: 2 points 36 1400
*ParamCustomPageSize WidthOffset: 3 points 0 0
*ParamCustomPageSize HeightOffset: 4 points 0 0
*ParamCustomPageSize Orientation: 5 int 0 0
)PPD";

const char* const Kuyruklar[][2] = {{"Kabul", "default"},   {"Durmuş", "default"},   {"Red", "default"},
                                    {"Yasak", "default"},   {"Parola", "parola"},     {"Korumalı", "default"},
                                    {"Silinecek", "default"}, {"lp", "default"}};

bool yaz(const QString& yol, const QByteArray& içerik)
{
    QFile f(yol);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(içerik) == içerik.size() && f.flush();
}

// A connection of the tests' own to the server; a request left unanswered (a stopped server) is given up
// after 15 s.
http_t* bağlan(const QString& adres)
{
    http_t* h = httpConnect2("127.0.0.1", adres.section(':', 1).toInt(), nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1,
                             2000, nullptr);
    if (h) httpSetTimeout(h, 15, [](http_t*, void*) { return 0; }, nullptr);
    return h;
}

int boşBağlantıNoktası()
{
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost, 0)) return 0;
    return s.serverPort();
}

}  // namespace

// The folder lies in /tmp itself, not in the tests' own temporary folder: the server runs its filters under
// another user, who must reach the spooled files through every folder above them.
BaskıSunucusu::BaskıSunucusu() : dizin_(QStringLiteral("/tmp/kavrenta-baski-XXXXXX"))
{
    if (qEnvironmentVariableIsSet("KAVRENTA_BASKI_SUNUCUSU_KALSIN")) dizin_.setAutoRemove(false);
    if (!dizin_.isValid()) {
        hata_ = QStringLiteral("no temporary folder for the print server");
        return;
    }
    const QString d = dizin_.path();
    // The server hands the spooled files to its filters under another user: they must reach them.
    ::chmod(QFile::encodeName(d).constData(), 0755);
    for (const char* alt : {"conf/ppd", "spool", "cache", "state", "log", "tmp", "out"}) QDir(d).mkpath(alt);
    ::chmod(QFile::encodeName(d + "/out").constData(), 0777);
    ::chmod(QFile::encodeName(d + "/tmp").constData(), 0777);
    const int port = boşBağlantıNoktası();
    if (!port) {
        hata_ = QStringLiteral("no free local port for the print server");
        return;
    }
    adres_ = QStringLiteral("127.0.0.1:%1").arg(port);

    QByteArray cupsd = "Listen " + adres_.toUtf8() + "\nLogLevel info\nAccessLogLevel all\nWebInterface No\nBrowsing No\n"
                       "DefaultAuthType Basic\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       // The server matches the address of a request decoded, in UTF-8.
                       "<Location /printers/Korumalı>\n  AuthType Basic\n  Require valid-user\n"
                       "  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n"
                       "<Policy parola>\n  <Limit Create-Job Print-Job Print-URI Validate-Job>\n    AuthType Basic\n"
                       "    Require valid-user\n    Order deny,allow\n  </Limit>\n  <Limit All>\n"
                       "    Order deny,allow\n  </Limit>\n</Policy>\n";
    const QByteArray k = d.toUtf8();
    QByteArray dosyalar = "FileDevice Yes\nServerRoot " + k + "/conf\nRequestRoot " + k + "/spool\nCacheDir " + k
                          + "/cache\nStateDir " + k + "/state\nTempDir " + k + "/tmp\nAccessLog " + k
                          + "/log/access_log\nErrorLog " + k + "/log/error_log\nPageLog " + k
                          + "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n";
    QByteArray yazıcılar;
    for (const auto& [ad, kural] : Kuyruklar) {
        const QByteArray kuyruk(ad);
        // "Kabul" is the server's default printer.
        const QByteArray etiket = kuyruk == "Kabul" ? "DefaultPrinter" : "Printer";
        yazıcılar += "<" + etiket + " " + kuyruk + ">\nInfo " + kuyruk + "\nDeviceURI file://" + QFile::encodeName(çıktı(kuyruk))
                     + "\nState " + (kuyruk == "Durmuş" ? "Stopped" : "Idle") + "\nType 4\nAccepting "
                     + (kuyruk == "Red" ? "No" : "Yes")
                     + "\nShared No\nJobSheets none none\nOpPolicy " + kural + "\nErrorPolicy abort-job\n"
                     + (kuyruk == "Yasak" ? "DenyUser " + QByteArray(cupsUser()) + "\n" : QByteArray()) + "</" + etiket + ">\n";
        if (!yaz(d + "/conf/ppd/" + QString::fromUtf8(kuyruk) + ".ppd", PdfSürücüsü)) {
            hata_ = QStringLiteral("cannot write the print server's configuration in ") + d;
            return;
        }
    }
    if (!yaz(d + "/conf/cupsd.conf", cupsd) || !yaz(d + "/conf/cups-files.conf", dosyalar)
        || !yaz(d + "/conf/printers.conf", yazıcılar)) {
        hata_ = QStringLiteral("cannot write the print server's configuration in ") + d;
        return;
    }

    süreç_.setProcessChannelMode(QProcess::MergedChannels);
    // The server must not outlive the test program, even one killed by a signal: the system kills it when
    // the thread that started it ends. A program that ended before the server could ask for that is
    // already gone: the server does not start then.
    const pid_t ebeveyn = ::getpid();
    süreç_.setChildProcessModifier([ebeveyn] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != ebeveyn) ::_exit(127);
    });
    // Its own configuration is given on its command line; the tests' configuration folder for libcups
    // is not its business.
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.remove(QStringLiteral("CUPS_SERVERROOT"));
    süreç_.setProcessEnvironment(ortam);
    süreç_.start(QString::fromLatin1(CupsdYolu),
                 {"-f", "-c", d + "/conf/cupsd.conf", "-s", d + "/conf/cups-files.conf"});
    if (!süreç_.waitForStarted(5000)) {
        hata_ = QStringLiteral("%1 could not be started: %2 (is the package cups installed?)")
                    .arg(QString::fromLatin1(CupsdYolu), süreç_.errorString());
        return;
    }
    cupsSetServer(adres_.toUtf8().constData());
    // Ready once it answers with its queues.
    QElapsedTimer süre;
    süre.start();
    while (süre.elapsed() < 15000) {
        if (süreç_.state() == QProcess::NotRunning) break;
        if (http_t* h = bağlan(adres_)) {
            cups_dest_t* hedef = cupsGetNamedDest(h, "Kabul", nullptr);
            httpClose(h);
            if (hedef) {
                cupsFreeDests(1, hedef);
                return;
            }
        }
        QThread::msleep(50);
    }
    QFile günlük(d + "/log/error_log");
    günlük.open(QIODevice::ReadOnly);
    hata_ = QStringLiteral("the print server did not answer on %1 within 15 s.\ncupsd said: %2\nerror_log: %3")
                .arg(adres_, QString::fromLocal8Bit(süreç_.readAll()),
                     QString::fromLocal8Bit(günlük.readAll().right(4000)));
}

BaskıSunucusu::~BaskıSunucusu()
{
    cupsSetServer(nullptr);
    kapat();
}

qint64 BaskıSunucusu::pid() const { return süreç_.processId(); }

void BaskıSunucusu::durdur()
{
    if (süreç_.state() == QProcess::NotRunning) return;
    ::kill(pid_t(pid()), SIGSTOP);
    durduruldu_ = true;
}

void BaskıSunucusu::sürdür()
{
    if (süreç_.state() == QProcess::NotRunning) return;
    ::kill(pid_t(pid()), SIGCONT);
    durduruldu_ = false;
}

void BaskıSunucusu::kapat()
{
    if (süreç_.state() == QProcess::NotRunning) return;
    // A stopped server would take the end only when it goes on.
    if (durduruldu_) sürdür();
    süreç_.terminate();
    if (!süreç_.waitForFinished(5000)) süreç_.kill();
    süreç_.waitForFinished(2000);
}

bool BaskıSunucusu::kuyruğuSil(const QString& ad)
{
    http_t* h = bağlan(adres_);
    if (!h) return false;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     ad.toUtf8().constData());
    ipp_t* istek = ippNewRequest(IPP_OP_CUPS_DELETE_PRINTER);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* yanıt = cupsDoRequest(h, istek, "/admin/");
    const bool silindi = yanıt && ippGetStatusCode(yanıt) <= IPP_STATUS_OK_CONFLICTING;
    ippDelete(yanıt);
    httpClose(h);
    return silindi;
}

QString BaskıSunucusu::çıktı(const QString& kuyruk) const { return dizin_.path() + "/out/" + kuyruk + ".pdf"; }

QList<BaskıSunucusu::İş> BaskıSunucusu::işler() const
{
    QList<İş> liste;
    http_t* h = bağlan(adres_);
    if (!h) return liste;
    cups_job_t* işler = nullptr;
    const int sayı = cupsGetJobs2(h, &işler, nullptr, 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < sayı; ++i)
        liste.append({işler[i].id, QUrl::fromPercentEncoding(işler[i].dest),  // named from the queue's address
                      QString::fromUtf8(işler[i].title), int(işler[i].state)});
    cupsFreeJobs(sayı, işler);
    httpClose(h);
    return liste;
}

int BaskıSunucusu::bitmesiniBekle(int numara, int süre) const
{
    QElapsedTimer geçen;
    geçen.start();
    do {
        for (const İş& iş : işler())
            if (iş.numara == numara && iş.durum >= IPP_JSTATE_CANCELED) return iş.durum;
        QThread::msleep(50);
    } while (geçen.elapsed() < süre);
    return 0;
}

QString BaskıSunucusu::öznitelik(int iş, const char* ad) const
{
    http_t* h = bağlan(adres_);
    if (!h) return {};
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", iş);
    ipp_t* istek = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, ad);
    ipp_t* yanıt = cupsDoRequest(h, istek, "/");
    QString değer;
    if (ipp_attribute_t* a = yanıt && ippGetStatusCode(yanıt) <= IPP_STATUS_OK_CONFLICTING
                                 ? ippFindAttribute(yanıt, ad, IPP_TAG_ZERO)
                                 : nullptr) {
        QByteArray b(qsizetype(ippAttributeString(a, nullptr, 0)) + 1, '\0');
        b.truncate(qsizetype(ippAttributeString(a, b.data(), size_t(b.size()))));
        değer = QString::fromUtf8(b);
    }
    ippDelete(yanıt);
    httpClose(h);
    return değer;
}

namespace {

QString seçenekDosyası()
{
    const QString klasör = qEnvironmentVariable("CUPS_SERVERROOT");
    return klasör.isEmpty() ? QString() : klasör + QStringLiteral("/lpoptions");
}

// The user's own file, in the home folder that the tests' main() gave the test program; empty when the
// home folder is the user's real one.
QString kullanıcınınSeçenekDosyası()
{
    const passwd* kullanıcı = ::getpwuid(::getuid());
    const QString ev = qEnvironmentVariable("HOME");
    if (ev.isEmpty() || (kullanıcı && QDir(ev) == QDir(QString::fromLocal8Bit(kullanıcı->pw_dir)))) return {};
    return ev + QStringLiteral("/.cups/lpoptions");
}

}  // namespace

bool kayıtlıSeçenekleriYaz(const QByteArray& lpoptions, const QByteArray& kullanıcının)
{
    // Never the system's own files: only the folders the tests gave libcups.
    const QString dosya = seçenekDosyası(), kullanıcıDosyası = kullanıcınınSeçenekDosyası();
    return !dosya.isEmpty() && !kullanıcıDosyası.isEmpty() && yaz(dosya, lpoptions)
           && QDir().mkpath(QFileInfo(kullanıcıDosyası).path()) && yaz(kullanıcıDosyası, kullanıcının);
}

void kayıtlıSeçenekleriSil() { kayıtlıSeçenekleriYaz({}); }

}  // namespace test
