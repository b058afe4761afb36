#include "support/AksakBaskiSunucusu.h"

#include <QUrl>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <condition_variable>
#include <list>
#include <map>
#include <mutex>
#include <thread>

namespace test {

namespace {

const char* const YazıcıAdı = "Aksak";
const char* const A4 = "iso_a4_210x297mm";

using Davranış = AksakBaskıSunucusu::Davranış;

struct Yönerge {
    Davranış davranış = Davranış::Yanıtla;
    AksakBaskıSunucusu::Ayar ayar;
};

QString metin(ipp_attribute_t* a)
{
    const size_t uzunluk = ippAttributeString(a, nullptr, 0);
    QByteArray b(qsizetype(uzunluk) + 1, '\0');
    ippAttributeString(a, b.data(), size_t(b.size()));
    b.truncate(qsizetype(uzunluk));
    return QString::fromUtf8(b);
}

// The resource of an ipp:// address, decoded ("/printers/Aksak"); empty when it is none.
QByteArray kaynak(ipp_t* istek, const char* öznitelik)
{
    const char* uri = ippGetString(ippFindAttribute(istek, öznitelik, IPP_TAG_URI), 0, nullptr);
    if (!uri) return {};
    char şema[32], kullanıcı[256], makine[256], yol[1024];
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri, şema, sizeof şema, kullanıcı, sizeof kullanıcı, makine,
                        sizeof makine, &port, yol, sizeof yol)
        < HTTP_URI_STATUS_OK)
        return {};
    return QUrl::fromPercentEncoding(yol).toUtf8();
}

// The request's body has been read to its end.
bool gövdeBitti(http_t* h)
{
    return httpGetState(h) != HTTP_STATE_POST_RECV || (!httpIsChunked(h) && httpGetRemaining(h) <= 0);
}

// Reads what is left of the request's body, at most up to `en` bytes in all (-1: all of it); false when
// the connection broke or ended first.
bool gövdeOku(http_t* h, QByteArray& gövde, qint64 en)
{
    char tampon[32 * 1024];
    while (!gövdeBitti(h) && (en < 0 || gövde.size() < en)) {
        const size_t n = en < 0 ? sizeof tampon : size_t(std::min<qint64>(qint64(sizeof tampon), en - gövde.size()));
        const ssize_t okunan = httpRead2(h, tampon, n);
        if (okunan < 0) return false;
        // A client gone halfway through its request: what came of it is no request.
        if (okunan == 0) return gövdeBitti(h);
        gövde.append(tampon, qsizetype(okunan));
    }
    return true;
}

// Reads and drops what is left of the request's body; false when the connection broke or ended first.
bool gövdeyiAt(http_t* h)
{
    char tampon[32 * 1024];
    while (!gövdeBitti(h))
        if (httpRead2(h, tampon, sizeof tampon) <= 0) return gövdeBitti(h);
    return true;
}

const char* const ParolaBaşlığı = "Basic realm=\"CUPS\"";

// An answer in HTTP's terms alone, with no body.
bool durumYaz(http_t* h, http_status_t durum, bool parolaSorar)
{
    httpClearFields(h);
    if (parolaSorar) httpSetField(h, HTTP_FIELD_WWW_AUTHENTICATE, ParolaBaşlığı);
    httpSetField(h, HTTP_FIELD_CONTENT_LENGTH, "0");  // httpSetLength(h, 0) would mean "chunked"
    return httpWriteResponse(h, durum) == 0;
}

ssize_t ekle(void* hedef, ipp_uchar_t* veri, size_t n)
{
    static_cast<QByteArray*>(hedef)->append(reinterpret_cast<const char*>(veri), qsizetype(n));
    return ssize_t(n);
}

QByteArray baytlar(ipp_t* ipp)
{
    QByteArray b;
    ippSetState(ipp, IPP_STATE_IDLE);
    for (;;) {
        const ipp_state_t s = ippWriteIO(&b, ekle, 1, nullptr, ipp);
        if (s == IPP_STATE_DATA || s == IPP_STATE_ERROR) return b;
    }
}

// Bytes written straight to the connection's socket.
bool hamGönder(http_t* h, const QByteArray& b)
{
    for (qsizetype yazılan = 0; yazılan < b.size();) {
        const ssize_t n = ::send(httpGetFd(h), b.constData() + yazılan, size_t(b.size() - yazılan), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        yazılan += n;
    }
    return true;
}

// An answer written past the connection's own bookkeeping, which still waits for the rest of the request:
// in HTTP's terms (`yanıt` null) or with an IPP answer; chunked without its end (given once the request has
// ended) when `parçalı`.
bool hamYaz(http_t* h, http_status_t durum, ipp_t* yanıt, bool parolaSorar, bool parçalı)
{
    QByteArray b = "HTTP/1.1 " + QByteArray::number(int(durum)) + ' ' + httpStatus(durum) + "\r\n";
    if (parolaSorar) b += QByteArray("WWW-Authenticate: ") + ParolaBaşlığı + "\r\n";
    const QByteArray gövde = yanıt ? baytlar(yanıt) : QByteArray();
    if (yanıt) b += "Content-Type: application/ipp\r\n";
    if (parçalı) {
        b += "Transfer-Encoding: chunked\r\n\r\n";
        if (!gövde.isEmpty()) b += QByteArray::number(gövde.size(), 16) + "\r\n" + gövde + "\r\n";
    } else {
        b += "Content-Length: " + QByteArray::number(gövde.size()) + "\r\n\r\n" + gövde;
    }
    return httpFlushWrite(h) >= 0 && hamGönder(h, b);
}

// The user of an "Authorization: Basic" field that carries the user and password asked for; empty
// otherwise.
QString kimlik(const char* alan, const AksakBaskıSunucusu::Parola& p)
{
    const QByteArray a(alan ? alan : "");
    if (p.kullanıcı.isEmpty() || a.left(6).toLower() != "basic ") return {};
    const QByteArray çözülen = QByteArray::fromBase64(a.mid(6).trimmed());
    const qsizetype iki = çözülen.indexOf(':');
    if (iki < 0) return {};
    const QString kullanıcı = QString::fromUtf8(çözülen.left(iki));
    return kullanıcı == p.kullanıcı && QString::fromUtf8(çözülen.mid(iki + 1)) == p.parola ? kullanıcı : QString();
}

// Keeps of the answer's printer and job attributes only those that the request asked for, as a real
// server does; without the question, what the operation gives by default.
void istenenleriBırak(ipp_t* istek, ipp_t* yanıt)
{
    QList<QByteArray> istenen;
    const ipp_op_t işlem = ippGetOperation(istek);
    if (işlem == IPP_OP_CREATE_JOB || işlem == IPP_OP_SEND_DOCUMENT || işlem == IPP_OP_PRINT_JOB) {
        istenen = {"job-id", "job-uri", "job-state", "job-state-reasons"};
    } else if (ipp_attribute_t* ra = ippFindAttribute(istek, "requested-attributes", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < ippGetCount(ra); ++i) istenen << ippGetString(ra, i, nullptr);
    } else if (işlem == IPP_OP_GET_JOBS) {
        istenen = {"job-id", "job-uri"};
    } else {
        return;
    }
    if (istenen.contains("all")) return;
    const bool işinHepsi = istenen.contains("job-description") || istenen.contains("job-template")
                           || istenen.contains("job-status");
    const bool yazıcınınHepsi = istenen.contains("printer-description");
    const bool varsayılanlar = istenen.contains("printer-defaults");
    QList<ipp_attribute_t*> atılacak;
    for (ipp_attribute_t* a = ippFirstAttribute(yanıt); a; a = ippNextAttribute(yanıt)) {
        const ipp_tag_t grup = ippGetGroupTag(a);
        const QByteArray ad = ippGetName(a) ? ippGetName(a) : "";
        if (ad.isEmpty() || (grup != IPP_TAG_JOB && grup != IPP_TAG_PRINTER) || istenen.contains(ad)) continue;
        const bool kümesinde = grup == IPP_TAG_JOB ? işinHepsi : yazıcınınHepsi || (varsayılanlar && ad.endsWith("-default"));
        if (!kümesinde) atılacak << a;
    }
    for (ipp_attribute_t* a : atılacak) ippDeleteAttribute(yanıt, a);
}

bool yanıtYaz(http_t* h, ipp_t* yanıt)
{
    httpClearFields(h);
    httpSetField(h, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
    httpSetLength(h, ippLength(yanıt));
    if (httpWriteResponse(h, HTTP_STATUS_OK) < 0) return false;
    ippSetState(yanıt, IPP_STATE_IDLE);
    for (;;) {
        const ipp_state_t s = ippWrite(h, yanıt);
        if (s == IPP_STATE_DATA) return true;
        if (s == IPP_STATE_ERROR) return false;
    }
}

}  // namespace

struct AksakBaskıSunucusu::Veri {
    mutable std::mutex kilit;
    std::condition_variable uyandır;  // ends a silence when the server stops
    bool duruyor = false;
    QString hata;
    int dinleyen = -1;
    int uyandırıcı[2] = {-1, -1};  // wakes the listening thread when the server stops
    int port = 0;

    std::map<ipp_op_t, Yönerge> yönergeler;
    std::map<ipp_op_t, int> gelenler;  // the requests of each operation since its behaviour was set (Ayar::sıra)
    Parola parola;
    YazıcıAyarı yazıcıAyarı;
    std::function<void(ipp_op_t)> kanca;
    QList<İş> işler;
    QList<ipp_op_t> işlemler;
    int yanlışParolalar = 0;

    struct Bağlantı {
        std::thread iş;
        int fd = -1;  // -1 once its thread closes it
        bool bitti = false;
    };
    std::list<Bağlantı> bağlantılar;
    std::thread dinleyici;

    QByteArray yazıcıUri() const { return QByteArray("ipp://127.0.0.1:") + QByteArray::number(port) + "/printers/" + YazıcıAdı; }
    QByteArray işUri(int numara) const
    {
        return QByteArray("ipp://127.0.0.1:") + QByteArray::number(port) + "/jobs/" + QByteArray::number(numara);
    }

    void dinle();
    void hizmetEt(http_t* h, Bağlantı* b);
    // Serves a request answered before it was read whole: a password asked for, or HttpİleReddet,
    // ErkenYanıtla, ErkenReddet. False when the connection is to end.
    bool erkenYanıtla(http_t* h, ipp_t* istek, const Yönerge& yönerge, bool parolaSor, const QString& kullanıcı);
    std::function<void(ipp_op_t)> kancası() const
    {
        std::lock_guard<std::mutex> l(kilit);
        return kanca;
    }
    // The answer of a sound server to the request; the jobs changed as it says. `bütün`: the request's
    // document came whole; `kullanıcı`: who gave the password (empty: nobody). Under the lock.
    ipp_t* yanıtla(ipp_t* istek, const QByteArray& belge, bool bütün, const QString& kullanıcı, bool eksikTut = false)
    {
        ipp_t* y = yanıtıKur(istek, belge, bütün, kullanıcı, eksikTut);
        istenenleriBırak(istek, y);
        return y;
    }
    // The same with every attribute of the printer or job, asked for or not.
    ipp_t* yanıtıKur(ipp_t* istek, const QByteArray& belge, bool bütün, const QString& kullanıcı, bool eksikTut);
    // Writes the answer in pieces (Parçalı, Damla), as the setting says; false when the connection broke
    // or the server stopped meanwhile.
    bool parçalıYaz(http_t* h, ipp_t* yanıt, const AksakBaskıSunucusu::Ayar& ayar, bool damla);
    void yazıcıÖznitelikleri(ipp_t* yanıt) const;
    void işÖznitelikleri(ipp_t* yanıt, const İş& iş) const;
    İş* iş(ipp_t* istek);
    // A job in this state has begun printing.
    static bool başlamışMı(int durum)
    {
        return durum == IPP_JSTATE_PROCESSING || durum == IPP_JSTATE_STOPPED || durum == IPP_JSTATE_COMPLETED;
    }
    // A listening socket on the port (any free one when 0); -1 when it cannot be made.
    static int dinlemeyeBaşla(int& port);
    int kapalıMs = 0;       // yenidenBaşla(): how long the server stays down
    bool kapandı = false;   // yenidenBaşla(): it has stopped listening
    // yeniBağlantıAlma(): the server's own connection that fills the listening socket's queue (-1: none),
    // and whether new connections are no longer taken. The listening thread's, under the lock.
    int tıkaç = -1;
    bool tıkalı = false;
    // On the listening thread: new connections no longer taken, or taken again.
    void tıka();
    void aç();
};

void AksakBaskıSunucusu::Veri::yazıcıÖznitelikleri(ipp_t* y) const
{
    const ipp_tag_t g = IPP_TAG_PRINTER;
    ippAddString(y, g, IPP_TAG_URI, "printer-uri-supported", nullptr, yazıcıUri().constData());
    ippAddString(y, g, IPP_TAG_KEYWORD, "uri-security-supported", nullptr, "none");
    ippAddString(y, g, IPP_TAG_KEYWORD, "uri-authentication-supported", nullptr, "none");
    ippAddString(y, g, IPP_TAG_NAME, "printer-name", nullptr, YazıcıAdı);
    ippAddString(y, g, IPP_TAG_TEXT, "printer-location", nullptr, "Aksak yeri");
    ippAddString(y, g, IPP_TAG_TEXT, "printer-info", nullptr, YazıcıAdı);
    ippAddString(y, g, IPP_TAG_TEXT, "printer-make-and-model", nullptr, "Aksak");
    ippAddInteger(y, g, IPP_TAG_ENUM, "printer-type", CUPS_PRINTER_LOCAL | (yazıcıAyarı.varsayılan ? CUPS_PRINTER_DEFAULT : 0));
    ippAddInteger(y, g, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    ippAddString(y, g, IPP_TAG_KEYWORD, "printer-state-reasons", nullptr, "none");
    ippAddBoolean(y, g, "printer-is-accepting-jobs", 1);
    ippAddBoolean(y, g, "printer-is-shared", 0);
    ippAddString(y, g, IPP_TAG_KEYWORD, "media-default", nullptr, yazıcıAyarı.varsayılanKağıt.constData());
    const char* kağıtlar[] = {A4, "na_letter_8.5x11in", yazıcıAyarı.varsayılanKağıt.constData()};
    const bool başka = yazıcıAyarı.varsayılanKağıt != kağıtlar[0] && yazıcıAyarı.varsayılanKağıt != kağıtlar[1];
    ippAddStrings(y, g, IPP_TAG_KEYWORD, "media-supported", başka ? 3 : 2, nullptr, kağıtlar);
    ippAddString(y, g, IPP_TAG_MIMETYPE, "document-format-default", nullptr, "application/pdf");
    const char* const biçimler[] = {"application/pdf", "application/octet-stream"};
    ippAddStrings(y, g, IPP_TAG_MIMETYPE, "document-format-supported", 2, nullptr, biçimler);
    ippAddString(y, g, IPP_TAG_KEYWORD, "print-scaling-supported", nullptr, "none");
    const int işlemler[] = {IPP_OP_CREATE_JOB,         IPP_OP_SEND_DOCUMENT, IPP_OP_CANCEL_JOB,
                            IPP_OP_GET_JOB_ATTRIBUTES, IPP_OP_GET_JOBS,      IPP_OP_GET_PRINTER_ATTRIBUTES,
                            IPP_OP_RELEASE_JOB,        IPP_OP_CUPS_GET_DEFAULT, IPP_OP_CUPS_GET_PRINTERS};
    ippAddIntegers(y, g, IPP_TAG_ENUM, "operations-supported", int(std::size(işlemler)), işlemler);
    ippAddString(y, g, IPP_TAG_CHARSET, "charset-configured", nullptr, "utf-8");
    ippAddString(y, g, IPP_TAG_CHARSET, "charset-supported", nullptr, "utf-8");
    ippAddString(y, g, IPP_TAG_LANGUAGE, "natural-language-configured", nullptr, "en");
    ippAddString(y, g, IPP_TAG_KEYWORD, "ipp-versions-supported", nullptr, "2.0");
}

void AksakBaskıSunucusu::Veri::işÖznitelikleri(ipp_t* y, const İş& i) const
{
    const ipp_tag_t g = IPP_TAG_JOB;
    ippAddInteger(y, g, IPP_TAG_INTEGER, "job-id", i.numara);
    ippAddString(y, g, IPP_TAG_URI, "job-uri", nullptr, işUri(i.numara).constData());
    ippAddString(y, g, IPP_TAG_URI, "job-printer-uri", nullptr, yazıcıUri().constData());
    ippAddString(y, g, IPP_TAG_NAME, "job-name", nullptr, i.ad.toUtf8().constData());
    ippAddString(y, g, IPP_TAG_NAME, "job-originating-user-name", nullptr, i.kullanıcı.toUtf8().constData());
    ippAddInteger(y, g, IPP_TAG_INTEGER, "job-k-octets", i.kOctets);
    if (i.başladı) ippAddInteger(y, g, IPP_TAG_INTEGER, "time-at-processing", 1767225600);
    else ippAddOutOfBand(y, g, IPP_TAG_NOVALUE, "time-at-processing");
    ippAddInteger(y, g, IPP_TAG_ENUM, "job-state", i.durum);
    ippAddString(y, g, IPP_TAG_KEYWORD, "job-state-reasons", nullptr,
                 i.durum == IPP_JSTATE_HELD        ? "job-hold-until-specified"
                 : i.durum == IPP_JSTATE_CANCELED  ? "job-canceled-by-user"
                 : i.durum == IPP_JSTATE_COMPLETED ? "job-completed-successfully"
                                                   : "none");
}

AksakBaskıSunucusu::İş* AksakBaskıSunucusu::Veri::iş(ipp_t* istek)
{
    int numara = ippGetInteger(ippFindAttribute(istek, "job-id", IPP_TAG_INTEGER), 0);
    if (!numara) {
        const QByteArray yol = kaynak(istek, "job-uri");
        if (yol.startsWith("/jobs/")) numara = yol.mid(6).toInt();
    }
    for (İş& i : işler)
        if (i.numara == numara) return yazıcıAyarı.geçmişYok && i.durum >= IPP_JSTATE_CANCELED ? nullptr : &i;
    return nullptr;
}

ipp_t* AksakBaskıSunucusu::Veri::yanıtıKur(ipp_t* istek, const QByteArray& belge, bool bütün, const QString& kullanıcı,
                                          bool eksikTut)
{
    ipp_t* y = ippNewResponse(istek);
    const auto durum = [y](ipp_status_t s) {
        ippSetStatusCode(y, s);
        return y;
    };
    const ipp_op_t işlem = ippGetOperation(istek);
    const QByteArray yazıcı = kaynak(istek, "printer-uri");
    const bool yazıcıBilinir = yazıcı == QByteArray("/printers/") + YazıcıAdı;
    switch (işlem) {
    case IPP_OP_CUPS_GET_DEFAULT:
        if (!yazıcıAyarı.varsayılan) {
            ippSetStatusCode(y, IPP_STATUS_ERROR_NOT_FOUND);
            ippAddString(y, IPP_TAG_OPERATION, IPP_TAG_TEXT, "status-message", nullptr, "No default printer.");
            return y;
        }
        yazıcıÖznitelikleri(y);
        return y;
    case IPP_OP_CUPS_GET_PRINTERS:
        yazıcıÖznitelikleri(y);
        return y;
    case IPP_OP_GET_PRINTER_ATTRIBUTES:
        if (!yazıcıBilinir) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        yazıcıÖznitelikleri(y);
        return y;
    case IPP_OP_CREATE_JOB: {
        if (!yazıcıBilinir) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        İş yeni;
        yeni.numara = işler.isEmpty() ? 1 : işler.last().numara + 1;
        for (ipp_attribute_t* a = ippFirstAttribute(istek); a; a = ippNextAttribute(istek))
            if (ippGetName(a)) yeni.öznitelikler.insert(QString::fromUtf8(ippGetName(a)), metin(a));
        yeni.ad = yeni.öznitelikler.value(QStringLiteral("job-name"));
        yeni.kullanıcı = kullanıcı.isEmpty() ? yeni.öznitelikler.value(QStringLiteral("requesting-user-name")) : kullanıcı;
        yeni.durum = yeni.öznitelikler.value(QStringLiteral("job-hold-until")) == QLatin1String("indefinite")
                         ? IPP_JSTATE_HELD
                         : IPP_JSTATE_PENDING;
        işler.append(yeni);
        işÖznitelikleri(y, yeni);
        return y;
    }
    case IPP_OP_SEND_DOCUMENT: {
        İş* i = iş(istek);
        if (!i) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        ipp_attribute_t* son = ippFindAttribute(istek, "last-document", IPP_TAG_BOOLEAN);
        if (!son) return durum(IPP_STATUS_ERROR_BAD_REQUEST);
        if ((i->durum != IPP_JSTATE_HELD && i->durum != IPP_JSTATE_PENDING) || i->belgeGeldi)
            return durum(IPP_STATUS_ERROR_NOT_POSSIBLE);
        if (const char* biçim = ippGetString(ippFindAttribute(istek, "document-format", IPP_TAG_MIMETYPE), 0, nullptr)) {
            if (qstrcmp(biçim, "application/pdf") && qstrcmp(biçim, "application/octet-stream"))
                return durum(IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED);
            i->öznitelikler.insert(QStringLiteral("document-format"), QString::fromUtf8(biçim));
        }
        const QByteArray tutulan = eksikTut ? belge.left((belge.size() - 1) / 1024 * 1024) : belge;
        i->belge += tutulan;
        i->kOctets += int((tutulan.size() + 1023) / 1024);
        i->belgeGeldi = bütün && ippGetBoolean(son, 0);
        // Nothing to print on: a job that is not held is printed once its document is whole.
        if (i->belgeGeldi && i->durum == IPP_JSTATE_PENDING) {
            i->durum = IPP_JSTATE_COMPLETED;
            i->başladı = true;
        }
        işÖznitelikleri(y, *i);
        return y;
    }
    case IPP_OP_RELEASE_JOB: {
        İş* i = iş(istek);
        if (!i) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        if (i->durum != IPP_JSTATE_HELD) return durum(IPP_STATUS_ERROR_NOT_POSSIBLE);
        i->durum = i->belgeGeldi ? yazıcıAyarı.salınanİş : IPP_JSTATE_PENDING;
        i->başladı = i->başladı || başlamışMı(i->durum);
        return y;
    }
    case IPP_OP_CANCEL_JOB: {
        İş* i = iş(istek);
        if (!i) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        if (i->durum >= IPP_JSTATE_CANCELED) return durum(IPP_STATUS_ERROR_NOT_POSSIBLE);
        i->durum = IPP_JSTATE_CANCELED;
        return y;
    }
    case IPP_OP_GET_JOB_ATTRIBUTES: {
        İş* i = iş(istek);
        if (!i) return durum(IPP_STATUS_ERROR_NOT_FOUND);
        işÖznitelikleri(y, *i);
        return y;
    }
    case IPP_OP_GET_JOBS: {
        const char* hangi = ippGetString(ippFindAttribute(istek, "which-jobs", IPP_TAG_KEYWORD), 0, nullptr);
        const QByteArray hangileri = hangi ? hangi : "not-completed";
        bool ilk = true;
        for (const İş& i : işler) {
            const bool bitmiş = i.durum >= IPP_JSTATE_CANCELED;
            if (hangileri != "all" && bitmiş != (hangileri == "completed")) continue;
            if (!ilk) ippAddSeparator(y);
            ilk = false;
            işÖznitelikleri(y, i);
        }
        return y;
    }
    default: return durum(IPP_STATUS_ERROR_OPERATION_NOT_SUPPORTED);
    }
}

bool AksakBaskıSunucusu::Veri::erkenYanıtla(http_t* h, ipp_t* istek, const Yönerge& yönerge, bool parolaSor,
                                             const QString& kullanıcı)
{
    const ipp_op_t işlem = ippGetOperation(istek);
    const Davranış d = parolaSor ? Davranış::HttpİleReddet : yönerge.davranış;
    const bool kapat = !parolaSor && yönerge.ayar.kapat;
    // The part of the document read before the answer.
    QByteArray belge;
    if (d != Davranış::HttpİleReddet && işlem == IPP_OP_SEND_DOCUMENT && yönerge.ayar.kesmeBaytı > 0 && !gövdeBitti(h)) {
        if (httpGetExpect(h) == HTTP_STATUS_CONTINUE && httpWriteResponse(h, HTTP_STATUS_CONTINUE) != 0) return false;
        if (!gövdeOku(h, belge, yönerge.ayar.kesmeBaytı)) return false;
    }
    if (const auto f = kancası()) f(işlem);

    ipp_t* yanıt = nullptr;
    if (d != Davranış::HttpİleReddet) {
        std::lock_guard<std::mutex> l(kilit);
        if (d == Davranış::ErkenReddet) {
            yanıt = ippNewResponse(istek);
            ippSetStatusCode(yanıt, yönerge.ayar.durum);
        } else {
            yanıt = yanıtla(istek, belge, gövdeBitti(h), kullanıcı);
        }
    }
    const http_status_t durum = parolaSor ? HTTP_STATUS_UNAUTHORIZED
                                : yanıt   ? HTTP_STATUS_OK
                                          : yönerge.ayar.http;
    bool sürüyor;
    if (gövdeBitti(h)) {
        // The request was read whole: answered as any other.
        sürüyor = (yanıt ? yanıtYaz(h, yanıt) : durumYaz(h, durum, parolaSor)) && !kapat;
    } else {
        // Answered while the request is still on its way, past the connection's own bookkeeping (which
        // holds an answer back until the request has ended); the rest of the request is then read and
        // dropped, as HTTP asks of a server that answers early, before the connection is closed or serves
        // the next request. An IPP answer on a kept connection goes in chunks like the request, and ends
        // once the request has.
        const bool parçalı = !kapat && yanıt && httpIsChunked(h);
        sürüyor = hamYaz(h, durum, yanıt, parolaSor, parçalı);
        if (sürüyor && kapat) ::shutdown(httpGetFd(h), SHUT_WR);
        sürüyor = sürüyor && gövdeyiAt(h) && !kapat && parçalı == bool(httpIsChunked(h));
        if (sürüyor) sürüyor = httpWrite2(h, "", 0) >= 0 && httpGetState(h) == HTTP_STATE_WAITING;
    }
    ippDelete(yanıt);
    return sürüyor;
}

bool AksakBaskıSunucusu::Veri::parçalıYaz(http_t* h, ipp_t* yanıt, const AksakBaskıSunucusu::Ayar& ayar, bool damla)
{
    const QByteArray gövde = baytlar(yanıt);
    const QByteArray baş = "HTTP/1.1 200 OK\r\n";
    const QByteArray alanlar = "Content-Type: application/ipp\r\nContent-Length: " + QByteArray::number(gövde.size())
                               + "\r\nConnection: close\r\n\r\n";
    // Each piece with the wait before it.
    QList<std::pair<QByteArray, int>> parçalar;
    if (damla) {
        for (const char c : baş + alanlar + gövde) parçalar.append({QByteArray(1, c), ayar.araMs});
    } else {
        parçalar = {{baş, ayar.araMs}, {alanlar, ayar.araMs}, {gövde, ayar.gövdeMs >= 0 ? ayar.gövdeMs : ayar.araMs}};
    }
    if (httpFlushWrite(h) < 0) return false;
    for (const auto& [parça, bekleme] : parçalar) {
        {
            std::unique_lock<std::mutex> l(kilit);
            if (uyandır.wait_for(l, std::chrono::milliseconds(bekleme), [this] { return duruyor; })) return false;
        }
        if (!hamGönder(h, parça)) return false;
    }
    return true;
}

void AksakBaskıSunucusu::Veri::hizmetEt(http_t* h, Bağlantı* b)
{
    for (;;) {
        char yol[1024];
        const http_state_t yöntem = httpReadRequest(h, yol, sizeof yol);
        if (yöntem == HTTP_STATE_WAITING || yöntem == HTTP_STATE_ERROR) break;
        http_status_t s;
        while ((s = httpUpdate(h)) == HTTP_STATUS_CONTINUE) {}
        if (s != HTTP_STATUS_OK || yöntem != HTTP_STATE_POST) break;  // IPP comes only by POST

        ipp_t* istek = ippNew();
        ipp_state_t is;
        while ((is = ippRead(h, istek)) != IPP_STATE_DATA && is != IPP_STATE_ERROR) {}
        if (is == IPP_STATE_ERROR) {
            ippDelete(istek);
            break;
        }
        const ipp_op_t işlem = ippGetOperation(istek);
        const QByteArray adres = QUrl::fromPercentEncoding(yol).toUtf8();
        Yönerge yönerge;
        QString kullanıcı;  // who gave the password asked for
        bool parolaSor = false;
        {
            std::lock_guard<std::mutex> l(kilit);
            işlemler.append(işlem);
            if (auto it = yönergeler.find(işlem); it != yönergeler.end()) yönerge = it->second;
            if (const int sıra = ++gelenler[işlem]; yönerge.ayar.sıra > 0 && sıra != yönerge.ayar.sıra) yönerge = {};
            const char* yetki = httpGetField(h, HTTP_FIELD_AUTHORIZATION);
            kullanıcı = kimlik(yetki, parola);
            if (kullanıcı.isEmpty() && yetki && *yetki) ++yanlışParolalar;
            parolaSor = kullanıcı.isEmpty()
                        && (parola.işlemler.contains(işlem) || (parola.kök && adres == "/")
                            || (parola.yazıcınınAdresi && adres == QByteArray("/printers/") + YazıcıAdı));
        }
        if (parolaSor || yönerge.davranış == Davranış::HttpİleReddet || yönerge.davranış == Davranış::ErkenYanıtla
            || yönerge.davranış == Davranış::ErkenReddet) {
            const bool sürüyor = erkenYanıtla(h, istek, yönerge, parolaSor, kullanıcı);
            ippDelete(istek);
            if (!sürüyor || httpGetKeepAlive(h) == HTTP_KEEPALIVE_OFF) break;
            continue;
        }
        const bool belgeli = işlem == IPP_OP_SEND_DOCUMENT;
        const bool kes = yönerge.davranış == Davranış::BağlantıyıKes;
        const bool sus = yönerge.davranış == Davranış::Sus;
        bool sürüyor = true;
        // "100 Continue" is given even before a silence: a libcups client waits a second of its own for it
        // (beyond any limit of its own) before it sends the rest, which would shorten the silence it sees.
        if (httpGetExpect(h) == HTTP_STATUS_CONTINUE && !(kes && (!belgeli || yönerge.ayar.kesmeBaytı <= 0)))
            sürüyor = httpWriteResponse(h, HTTP_STATUS_CONTINUE) == 0;
        QByteArray belge;
        if (sürüyor) sürüyor = gövdeOku(h, belge, kes ? (belgeli ? yönerge.ayar.kesmeBaytı : 0) : -1);

        const auto f = kancası();
        if (sürüyor && f) f(işlem);

        ipp_t* yanıt = nullptr;
        if (sürüyor && !kes) {
            std::unique_lock<std::mutex> l(kilit);
            if (yönerge.davranış == Davranış::Reddet) {
                yanıt = ippNewResponse(istek);
                ippSetStatusCode(yanıt, yönerge.ayar.durum);
            } else {
                yanıt = yanıtla(istek, belge, true, kullanıcı, yönerge.davranış == Davranış::EksikTut);
                if (yönerge.davranış == Davranış::NumarasızYanıtla)
                    if (ipp_attribute_t* no = ippFindAttribute(yanıt, "job-id", IPP_TAG_INTEGER))
                        ippDeleteAttribute(yanıt, no);
            }
            if (sus) uyandır.wait_for(l, std::chrono::milliseconds(yönerge.ayar.süreMs), [this] { return duruyor; });
            sürüyor = !duruyor;
        }
        ippDelete(istek);
        const bool damla = yönerge.davranış == Davranış::Damla;
        const bool parçalı = damla || yönerge.davranış == Davranış::Parçalı;
        const bool yazıldı =
            yanıt && sürüyor && (parçalı ? parçalıYaz(h, yanıt, yönerge.ayar, damla) : yanıtYaz(h, yanıt));
        ippDelete(yanıt);
        if (kes && yönerge.ayar.sıfırla) {
            const linger hemen{1, 0};
            ::setsockopt(httpGetFd(h), SOL_SOCKET, SO_LINGER, &hemen, sizeof hemen);
        }
        if (!yazıldı || parçalı || httpGetKeepAlive(h) == HTTP_KEEPALIVE_OFF) break;
    }
    {
        std::lock_guard<std::mutex> l(kilit);
        b->fd = -1;
    }
    httpClose(h);
    std::lock_guard<std::mutex> l(kilit);
    b->bitti = true;
}

void AksakBaskıSunucusu::Veri::dinle()
{
    // A client gone before its answer must not end the test program: writing to it fails instead. The
    // threads of the connections inherit this.
    sigset_t boru;
    sigemptyset(&boru);
    sigaddset(&boru, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &boru, nullptr);
    for (;;) {
        // While new connections are not taken, the listening socket is left alone: its queue stays full.
        pollfd p[2] = {{tıkaç >= 0 ? -1 : dinleyen, POLLIN, 0}, {uyandırıcı[0], POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (p[1].revents) {
            char komut = 'x';
            if (::read(uyandırıcı[0], &komut, 1) != 1) break;
            if (komut == 't') {
                tıka();
                continue;
            }
            if (komut == 'a') {
                aç();
                continue;
            }
            if (komut != 'r') break;
            // Down for a while, as a server restarting: a connection meanwhile is refused. Listening
            // anew, it takes new connections.
            aç();
            std::unique_lock<std::mutex> l(kilit);
            ::close(dinleyen);
            dinleyen = -1;
            kapandı = true;
            uyandır.notify_all();
            if (uyandır.wait_for(l, std::chrono::milliseconds(kapalıMs), [this] { return duruyor; })) break;
            if ((dinleyen = dinlemeyeBaşla(port)) < 0) break;
            continue;
        }
        if (!(p[0].revents & POLLIN)) continue;
        http_t* h = httpAcceptConnection(dinleyen, 1);
        if (!h) continue;
        std::lock_guard<std::mutex> l(kilit);
        if (duruyor) {
            httpClose(h);
            break;
        }
        for (auto it = bağlantılar.begin(); it != bağlantılar.end();) {
            if (!it->bitti) {
                ++it;
                continue;
            }
            it->iş.join();
            it = bağlantılar.erase(it);
        }
        Bağlantı& b = bağlantılar.emplace_back();
        b.fd = httpGetFd(h);
        b.iş = std::thread(&Veri::hizmetEt, this, h, &b);
    }
}

void AksakBaskıSunucusu::Veri::tıka()
{
    std::lock_guard<std::mutex> l(kilit);
    if (tıkaç < 0 && dinleyen >= 0) {
        // Linux drops a SYN (tcp_abort_on_overflow is 0) once the queue of connections not yet accepted
        // holds more than the backlog: with a backlog of 0, one connection of the server's own fills it.
        // The server's own connect is not waited for: a client's connection already in the queue fills it
        // as well.
        sockaddr_in yer{};
        yer.sin_family = AF_INET;
        yer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        yer.sin_port = htons(quint16(port));
        ::listen(dinleyen, 0);
        tıkaç = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (tıkaç >= 0) ::connect(tıkaç, reinterpret_cast<sockaddr*>(&yer), sizeof yer);
    }
    tıkalı = true;
    uyandır.notify_all();
}

void AksakBaskıSunucusu::Veri::aç()
{
    std::lock_guard<std::mutex> l(kilit);
    if (tıkaç >= 0) {
        // The server's own connection, closed, is accepted and served as any other: it ends at once.
        ::close(tıkaç);
        tıkaç = -1;
        if (dinleyen >= 0) ::listen(dinleyen, 16);
    }
    tıkalı = false;
    uyandır.notify_all();
}

int AksakBaskıSunucusu::Veri::dinlemeyeBaşla(int& port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int evet = 1;
    sockaddr_in yer{};
    yer.sin_family = AF_INET;
    yer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    yer.sin_port = htons(quint16(port));
    socklen_t uzunluk = sizeof yer;
    if (s < 0 || ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &evet, sizeof evet) < 0
        || ::bind(s, reinterpret_cast<sockaddr*>(&yer), sizeof yer) < 0 || ::listen(s, 16) < 0
        || ::getsockname(s, reinterpret_cast<sockaddr*>(&yer), &uzunluk) < 0) {
        const int hata = errno;
        if (s >= 0) ::close(s);
        errno = hata;
        return -1;
    }
    port = ntohs(yer.sin_port);
    return s;
}

AksakBaskıSunucusu::AksakBaskıSunucusu() : d_(std::make_unique<Veri>())
{
    Veri& v = *d_;
    if ((v.dinleyen = Veri::dinlemeyeBaşla(v.port)) < 0 || ::pipe2(v.uyandırıcı, O_CLOEXEC) < 0) {
        v.hata = QStringLiteral("the limping print server cannot listen: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    v.dinleyici = std::thread(&Veri::dinle, &v);
    cupsSetServer(adres().toUtf8().constData());
}

AksakBaskıSunucusu::~AksakBaskıSunucusu()
{
    Veri& v = *d_;
    if (v.dinleyici.joinable()) {
        cupsSetServer(nullptr);
        {
            std::lock_guard<std::mutex> l(v.kilit);
            v.duruyor = true;
            // Wakes every connection that waits for its client.
            for (Veri::Bağlantı& b : v.bağlantılar)
                if (b.fd >= 0) ::shutdown(b.fd, SHUT_RDWR);
        }
        v.uyandır.notify_all();
        while (::write(v.uyandırıcı[1], "x", 1) < 0 && errno == EINTR) {}
        v.dinleyici.join();
        for (Veri::Bağlantı& b : v.bağlantılar) b.iş.join();
    }
    for (int fd : {v.dinleyen, v.uyandırıcı[0], v.uyandırıcı[1], v.tıkaç})
        if (fd >= 0) ::close(fd);
}

bool AksakBaskıSunucusu::hazır() const { return hata().isEmpty(); }

QString AksakBaskıSunucusu::hata() const
{
    std::lock_guard<std::mutex> l(d_->kilit);
    return d_->hata;
}

QString AksakBaskıSunucusu::adres() const
{
    std::lock_guard<std::mutex> l(d_->kilit);
    return QStringLiteral("127.0.0.1:%1").arg(d_->port);
}

void AksakBaskıSunucusu::davranış(ipp_op_t işlem, Davranış d, ipp_status_t durum, int süreMs, qint64 kesmeBaytı)
{
    Ayar ayar;
    ayar.durum = durum;
    ayar.süreMs = süreMs;
    ayar.kesmeBaytı = kesmeBaytı;
    davranış(işlem, d, ayar);
}

void AksakBaskıSunucusu::davranış(ipp_op_t işlem, Davranış d, const Ayar& ayar)
{
    std::lock_guard<std::mutex> l(d_->kilit);
    d_->yönergeler[işlem] = {d, ayar};
    d_->gelenler.erase(işlem);
}

void AksakBaskıSunucusu::parolaİste(const Parola& p)
{
    std::lock_guard<std::mutex> l(d_->kilit);
    d_->parola = p;
}

void AksakBaskıSunucusu::yazıcı(const YazıcıAyarı& y)
{
    std::lock_guard<std::mutex> l(d_->kilit);
    d_->yazıcıAyarı = y;
}

void AksakBaskıSunucusu::hepsiniYanıtla()
{
    std::unique_lock<std::mutex> l(d_->kilit);
    d_->yönergeler.clear();
    d_->gelenler.clear();
    d_->parola = {};
    d_->yazıcıAyarı = {};
    if (!d_->tıkalı || d_->duruyor) return;
    while (::write(d_->uyandırıcı[1], "a", 1) < 0 && errno == EINTR) {}
    d_->uyandır.wait(l, [this] { return !d_->tıkalı || d_->duruyor; });
}

void AksakBaskıSunucusu::gelince(std::function<void(ipp_op_t)> f)
{
    std::lock_guard<std::mutex> l(d_->kilit);
    d_->kanca = std::move(f);
}

void AksakBaskıSunucusu::sonİşinDurumu(int durum)
{
    std::lock_guard<std::mutex> l(d_->kilit);
    if (d_->işler.isEmpty()) return;
    d_->işler.last().durum = durum;
    d_->işler.last().başladı = d_->işler.last().başladı || Veri::başlamışMı(durum);
}

void AksakBaskıSunucusu::yenidenBaşla(int kapalıMs)
{
    std::unique_lock<std::mutex> l(d_->kilit);
    if (d_->duruyor) return;
    d_->kapalıMs = kapalıMs;
    d_->kapandı = false;
    while (::write(d_->uyandırıcı[1], "r", 1) < 0 && errno == EINTR) {}
    d_->uyandır.wait(l, [this] { return d_->kapandı || d_->duruyor; });
}

void AksakBaskıSunucusu::yeniBağlantıAlma()
{
    std::unique_lock<std::mutex> l(d_->kilit);
    if (d_->tıkalı || d_->duruyor) return;
    while (::write(d_->uyandırıcı[1], "t", 1) < 0 && errno == EINTR) {}
    d_->uyandır.wait(l, [this] { return d_->tıkalı || d_->duruyor; });
}

QList<AksakBaskıSunucusu::İş> AksakBaskıSunucusu::işler() const
{
    std::lock_guard<std::mutex> l(d_->kilit);
    return d_->işler;
}

QList<ipp_op_t> AksakBaskıSunucusu::işlemler() const
{
    std::lock_guard<std::mutex> l(d_->kilit);
    return d_->işlemler;
}

int AksakBaskıSunucusu::yanlışParolalar() const
{
    std::lock_guard<std::mutex> l(d_->kilit);
    return d_->yanlışParolalar;
}

}  // namespace test
