#include "platform/YazdirmaSunucusu.h"

#include "platform/YaziciParolasiFormu.h"
#include "platform/YaziciYuzeyi.h"
#include "platform/Yazicilar.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QScopeGuard>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <thread>

namespace yazdırma {

namespace {

// How long a connection to the server may take to be made, and the server may stay silent while a
// request waits for its answer or for the server to read it (ms). A listing of the printers has this
// much in all.
constexpr int VarsayılanSüre = 30000;
std::optional<int> sınamaSüresi;
int süre() { return sınamaSüresi.value_or(VarsayılanSüre); }
// How often a wait on the server looks at its time limit (s).
constexpr double BakışAralığı = 0.1;

// The pieces the document is sent in.
constexpr qsizetype ParçaBoyu = 64 * 1024;

std::function<std::optional<QString>(ParolaSorusu&)>& parolaSorucusu()
{
    static std::function<std::optional<QString>(ParolaSorusu&)> s;
    return s;
}

// The wait cursor, while the program waits on the server.
class Bekleme {
public:
    Bekleme() : gösterilir_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (gösterilir_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Bekleme()
    {
        if (gösterilir_) QGuiApplication::restoreOverrideCursor();
    }
    Bekleme(const Bekleme&) = delete;
    Bekleme& operator=(const Bekleme&) = delete;

private:
    bool gösterilir_;
};

// No password is asked for but through a connection that is printing on the printer: a request that
// libcups would authenticate otherwise is refused.
const char* parolaYok(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

bool pencereİpliğinde()
{
    const QCoreApplication* uygulama = QCoreApplication::instance();
    return !uygulama || QThread::currentThread() == uygulama->thread();
}

// What libcups keeps for each thread: the server, its port, the encryption and the user.
struct İstemciAyarları {
    QByteArray sunucu = cupsServer();
    int kapı = ippPort();
    http_encryption_t şifreleme = cupsEncryption();
    QByteArray kullanıcı = cupsUser();

    void uygula() const
    {
        cupsSetServer(sunucu.constData());
        ippSetPort(kapı);
        cupsSetEncryption(şifreleme);
        cupsSetUser(kullanıcı.constData());
        cupsSetPasswordCB2(&parolaYok, nullptr);
    }
};

// Runs `iş`, which waits on the print server, on a thread of its own with this thread's print server
// and user, while this thread's event loop goes on: the windows repaint and the desktop's questions are
// answered, but user input (clicks, keys, a close asked for) waits until the work is over, as the print
// is one step for the user; the wait cursor shows meanwhile. Gives back what `iş` threw. Off the window
// thread, or without an application, `iş` runs here.
void sunucudaBekle(const std::function<void()>& iş)
{
    if (!QCoreApplication::instance() || !pencereİpliğinde()) {
        iş();
        return;
    }
    const Bekleme bekle;
    const İstemciAyarları ayarlar;
    QEventLoop döngü;
    std::exception_ptr hata;
    std::thread iplik([&] {
        ayarlar.uygula();
        try {
            iş();
        } catch (...) {
            hata = std::current_exception();
        }
        QMetaObject::invokeMethod(&döngü, &QEventLoop::quit, Qt::QueuedConnection);
    });
    döngü.exec(QEventLoop::ExcludeUserInputEvents);
    iplik.join();
    if (hata) std::rethrow_exception(hata);
}

// The password, asked on the window thread whichever thread waits on the server.
std::optional<QString> pencerede(ParolaSorusu& soru)
{
    if (pencereİpliğinde()) return parolaSor(soru);
    std::optional<QString> parola;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { parola = parolaSor(soru); }, Qt::BlockingQueuedConnection);
    return parola;
}

// Why the server made no job or refused a request, as the user reads it, from the status the server
// answered with (an IPP status code) and its own text. `iş`: the request was about a job the server
// made, so that what it does not find is the job, not the printer.
QString sunucuHatasıMetni(int durum, const QString& sunucununMetni, bool iş = false)
{
    switch (durum) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED: return QStringLiteral("Yazıcı şu anda iş kabul etmiyor.");
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_GONE: return iş ? İşBulunamadıMetni : YazıcıBulunamadıMetni;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED: return QStringLiteral("Bu yazıcıya yazdırma izniniz yok.");
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
        return QStringLiteral("Bu yazıcıya yazdırmak için parola gerekiyor.");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE: return QStringLiteral("Yazdırma sunucusuna ulaşılamıyor.");
    default:
        return QStringLiteral("Yazdırma sunucusunun yanıtı: %1")
            .arg(sunucununMetni.isEmpty() ? QString::fromUtf8(ippErrorString(ipp_status_t(durum))) : sunucununMetni);
    }
}

// An answer of the server, freed with it.
struct IppSil {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Yanıt = std::unique_ptr<ipp_t, IppSil>;

// The server answered, and with success (IPP's successful-ok... statuses).
bool başarılı(const Yanıt& y) { return y && ippGetStatusCode(y.get()) < 0x0100; }

// The cause of a refusal, from the server's own answer.
QString redNedeni(const Yanıt& y, bool iş = false)
{
    ipp_attribute_t* metin = ippFindAttribute(y.get(), "status-message", IPP_TAG_TEXT);
    return sunucuHatasıMetni(ippGetStatusCode(y.get()),
                             metin ? QString::fromUtf8(ippGetString(metin, 0, nullptr)) : QString(), iş);
}

// A connection of the program's own to the server, with its time limit. It knows the printer it serves,
// so that a password is asked for that printer, and why a request got no answer. Made and used on the
// thread that waits on the server (sunucudaBekle); one thread at a time.
class Bağlantı {
public:
    // Each request has the time limit of its own, or all of them one from the connection's making on.
    enum class Süre { HerİsteğeAyrı, Tek };

    // `yazıcı` is the printer printed on; empty for a connection that must never ask for a password.
    explicit Bağlantı(QString yazıcı, Süre s = Süre::HerİsteğeAyrı)
        : yazıcı_(std::move(yazıcı)), tekSüre_(s == Süre::Tek), kullanıcı_(cupsUser())
    {
        sonAn_ = QDeadlineTimer(süre());
        h_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kalan(), nullptr);
        if (h_) httpSetTimeout(h_, BakışAralığı, &Bağlantı::bekle, this);
    }
    ~Bağlantı()
    {
        if (h_) httpClose(h_);
    }
    Bağlantı(const Bağlantı&) = delete;
    Bağlantı& operator=(const Bağlantı&) = delete;

    bool bağlı() const { return h_ != nullptr; }
    http_t* http() const { return h_; }
    // The last request waited longer than the limit for the server.
    bool sustu() const { return sustu_; }
    // The user the requests are made for: the program's, or the one given with a password.
    const QByteArray& kullanıcı() const { return kullanıcı_; }

    // Sends the request (freed with it) and gives the server's answer to it; null when none came, and
    // neden() tells why.
    Yanıt iste(ipp_t* istek, const char* kaynak)
    {
        if (!hazırlan()) {
            ippDelete(istek);
            return {};
        }
        const ParolaBağı parola(this);
        Yanıt y(cupsDoRequest(h_, istek, kaynak));
        if (!y) bozuk_ = true;
        return y;
    }

    // The same with a document after the request; an answer counts only when the whole document went.
    Yanıt belgeyleİste(ipp_t* istek, const char* kaynak, const QByteArray& belge)
    {
        if (!hazırlan()) {
            ippDelete(istek);
            return {};
        }
        const ParolaBağı parola(this);
        // The length of the whole body: the request and the document after it.
        http_status_t durum = cupsSendRequest(h_, istek, kaynak, ippLength(istek) + size_t(belge.size()));
        ippDelete(istek);
        qsizetype gönderilen = 0;
        while (durum == HTTP_STATUS_CONTINUE && gönderilen < belge.size()) {
            const qsizetype parça = std::min(ParçaBoyu, belge.size() - gönderilen);
            durum = cupsWriteRequestData(h_, belge.constData() + gönderilen, size_t(parça));
            if (durum == HTTP_STATUS_CONTINUE) gönderilen += parça;
        }
        // A server that answered early (an IPP answer to half a document) has that answer waiting; one that
        // refused in HTTP's terms, broke off or stayed silent gives none to wait for.
        const bool yanıtGelir = (durum == HTTP_STATUS_CONTINUE || durum == HTTP_STATUS_OK) && !sustu_;
        Yanıt y(yanıtGelir ? cupsGetResponse(h_, kaynak) : nullptr);
        if (y && gönderilen < belge.size() && başarılı(y)) {  // no answer to a document it has not read
            y.reset();
            erken_ = true;
        }
        if (!y || gönderilen < belge.size()) bozuk_ = true;
        return y;
    }

    // Why the last request got no answer.
    QString neden() const
    {
        if (sustu_) return SunucuYanıtVermediMetni;
        if (erken_) return ErkenYanıtMetni;
        if (parolaVerilmedi_) return sunucuHatasıMetni(IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED, {});
        if (!h_) return sunucuHatasıMetni(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, {});
        switch (httpGetStatus(h_)) {
        case HTTP_STATUS_UNAUTHORIZED:
        case HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED:
            return sunucuHatasıMetni(IPP_STATUS_ERROR_NOT_AUTHENTICATED, {});
        case HTTP_STATUS_FORBIDDEN: return sunucuHatasıMetni(IPP_STATUS_ERROR_FORBIDDEN, {});
        default:
            // The server answered, but not in print requests' terms.
            if (httpGetStatus(h_) >= HTTP_STATUS_BAD_REQUEST)
                return sunucuHatasıMetni(IPP_STATUS_ERROR_INTERNAL, QString::fromUtf8(httpStatus(httpGetStatus(h_))));
            break;
        }
        switch (httpError(h_)) {
        case ECONNREFUSED:
        case EHOSTUNREACH:
        case ENETUNREACH:
        case EHOSTDOWN: return sunucuHatasıMetni(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, {});
        default: return BağlantıKoptuMetni;
        }
    }

private:
    // While a request of this connection runs, libcups asks this connection for a password, and speaks
    // for its user.
    class ParolaBağı {
    public:
        explicit ParolaBağı(Bağlantı* b)
        {
            cupsSetUser(b->kullanıcı_.constData());
            cupsSetPasswordCB2(&Bağlantı::parolaVer, b);
        }
        ~ParolaBağı() { cupsSetPasswordCB2(&parolaYok, nullptr); }
    };

    int kalan() const { return int(std::max<qint64>(sonAn_.remainingTime(), 0)); }

    // Ready for a request: a connection left broken or half-used by the request before is made anew.
    bool hazırlan()
    {
        if (!tekSüre_) sonAn_ = QDeadlineTimer(süre());
        sustu_ = false;
        erken_ = false;
        parolaVerilmedi_ = false;
        parolaSayısı_ = 0;  // a password is wrong when the same request asks again
        if (!h_) return false;
        if (sonAn_.hasExpired()) {
            sustu_ = true;
            return false;
        }
        if (bozuk_) {
            if (httpReconnect2(h_, kalan(), nullptr) != 0) return false;
            bozuk_ = false;
        }
        return true;
    }

    // Called by libcups every BakışAralığı while the server is silent: goes on waiting until the limit.
    static int bekle(http_t*, void* b)
    {
        auto* bağlantı = static_cast<Bağlantı*>(b);
        if (!bağlantı->sonAn_.hasExpired()) return 1;
        bağlantı->sustu_ = true;
        return 0;
    }

    static const char* parolaVer(const char*, http_t*, const char*, const char*, void* veri)
    {
        auto* b = static_cast<Bağlantı*>(veri);
        std::optional<QString> parola;
        if (!b->yazıcı_.isEmpty()) {
            ParolaSorusu soru{b->yazıcı_, QString::fromUtf8(b->kullanıcı_), b->parolaSayısı_++ > 0};
            parola = pencerede(soru);
            // The user's own time is not the server's silence: the limit starts again.
            b->sonAn_ = QDeadlineTimer(süre());
            if (parola && !soru.kullanıcı.trimmed().isEmpty()) {
                b->kullanıcı_ = soru.kullanıcı.trimmed().toUtf8();
                cupsSetUser(b->kullanıcı_.constData());  // the name libcups sends with the password
            }
        }
        if (!parola) {
            b->parolaVerilmedi_ = true;
            return nullptr;
        }
        b->parola_ = parola->toUtf8();
        return b->parola_.constData();
    }

    QString yazıcı_;
    bool tekSüre_;
    QByteArray kullanıcı_;
    http_t* h_ = nullptr;
    QDeadlineTimer sonAn_;
    bool sustu_ = false;
    bool erken_ = false;  // the server answered success before it had the whole document
    bool bozuk_ = false;
    bool parolaVerilmedi_ = false;
    int parolaSayısı_ = 0;
    QByteArray parola_;
};

// The queue of a printer named "queue" or "queue/instance", and its address on the server.
struct Kuyruk {
    explicit Kuyruk(const QString& yazıcıAdı)
    {
        const QByteArray ad = yazıcıAdı.toUtf8();
        const qsizetype bölü = ad.indexOf('/');
        adı = bölü < 0 ? ad : ad.left(bölü);
        httpAssembleURIf(HTTP_URI_CODING_ALL, adres, sizeof adres, "ipp", nullptr, "localhost", ippPort(),
                         "/printers/%s", adı.constData());
        char şema[32], kullanıcı[256], makine[256];
        int kapı = 0;
        httpSeparateURI(HTTP_URI_CODING_ALL, adres, şema, sizeof şema, kullanıcı, sizeof kullanıcı, makine,
                        sizeof makine, &kapı, kaynak, sizeof kaynak);
    }
    QByteArray adı;
    char adres[HTTP_MAX_URI] = {};
    char kaynak[HTTP_MAX_URI] = {};  // the printer's resource, as the address gives it (percent-encoded)
};

ipp_t* yeniİstek(ipp_op_t işlem, const Kuyruk& k, const QByteArray& kullanıcı)
{
    ipp_t* istek = ippNewRequest(işlem);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, k.adres);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, kullanıcı.constData());
    return istek;
}

// The options of a job that the document sets itself: its paper, its scale, and that the job is held.
bool belgeninSeçeneğiMi(const QByteArray& ad)
{
    static const char* const belgenin[] = {"media", "media-col", "media-size", "PageSize", "PageRegion",
                                           "print-scaling", "fit-to-page", "fitplot", "scaling", "natural-scaling",
                                           "position", "job-hold-until", "document-format"};
    return std::any_of(std::begin(belgenin), std::end(belgenin), [&](const char* b) { return ad == b; });
}

// What the server lists of a printer beside its options: its state and description, not for a job.
bool yazıcınınNiteliğiMi(const QByteArray& ad)
{
    return ad.startsWith("printer-") || ad.startsWith("marker-") || ad == "device-uri" || ad == "auth-info-required";
}

std::optional<QSizeF> kağıtBoyu(const char* ad)
{
    if (!ad || !*ad) return std::nullopt;
    const pwg_media_t* m = pwgMediaForPWG(ad);
    if (!m) m = pwgMediaForLegacy(ad);
    if (!m) m = pwgMediaForPPD(ad);
    if (!m || m->width <= 0 || m->length <= 0) return std::nullopt;
    return QSizeF(m->width / 100.0, m->length / 100.0);
}

// Asks the server's root, which no printer's password guards, a question about all its printers, for
// the attributes named. A null text when it answered: `y` its answer, or null where it answered that it
// has nothing to tell (client-error-not-found); else the cause.
QString köktenİste(Bağlantı& b, ipp_op_t işlem, std::initializer_list<const char*> nitelikler, Yanıt& y)
{
    ipp_t* istek = ippNewRequest(işlem);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, b.kullanıcı().constData());
    ippAddStrings(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(nitelikler.size()), nullptr,
                  nitelikler.begin());
    y = b.iste(istek, "/");
    if (!y) return b.neden();
    if (ippGetStatusCode(y.get()) == IPP_STATUS_ERROR_NOT_FOUND) {
        y.reset();
        return {};
    }
    return başarılı(y) ? QString() : redNedeni(y);
}

// Every queue of the server with its default paper (empty where it has none), from one request for all
// of them; the server's own answer tells whether it listed them. A null text on success, else the cause.
QString sunucununKuyrukları(Bağlantı& b, QHash<QByteArray, QByteArray>& kağıtlar)
{
    Yanıt y;
    if (const QString neden = köktenİste(b, IPP_OP_CUPS_GET_PRINTERS, {"printer-name", "media-default"}, y);
        !neden.isNull() || !y)
        return neden;  // refused or unanswered, or a server without printers
    QByteArray ad, kağıt;
    const auto ekle = [&] {
        if (!ad.isEmpty()) kağıtlar.insert(ad, kağıt);
        ad.clear();
        kağıt.clear();
    };
    for (ipp_attribute_t* a = ippFirstAttribute(y.get()); a; a = ippNextAttribute(y.get())) {
        const char* n = ippGetName(a);
        if (!n || ippGetGroupTag(a) != IPP_TAG_PRINTER) {
            ekle();
            continue;
        }
        if (!std::strcmp(n, "printer-name")) ad = ippGetString(a, 0, nullptr);
        else if (!std::strcmp(n, "media-default")) kağıt = ippGetString(a, 0, nullptr);
    }
    ekle();
    return {};
}

// The server's default printer into `ad` (left empty where it has none). A null text on success, else
// the cause.
QString sunucununVarsayılanı(Bağlantı& b, QString& ad)
{
    Yanıt y;
    if (const QString neden = köktenİste(b, IPP_OP_CUPS_GET_DEFAULT, {"printer-name"}, y); !neden.isNull() || !y)
        return neden;  // refused or unanswered, or none set
    ad = QString::fromUtf8(ippGetString(ippFindAttribute(y.get(), "printer-name", IPP_TAG_NAME), 0, nullptr));
    return {};
}

// The listing, on the thread that waits on the server: a null text when the server listed its printers
// into `liste`, else the cause.
QString yazıcılarıListele(QList<Yazıcı>& liste)
{
    Bağlantı b(QString(), Bağlantı::Süre::Tek);
    if (!b.bağlı()) return b.neden();
    QHash<QByteArray, QByteArray> kağıtlar;
    if (const QString neden = sunucununKuyrukları(b, kağıtlar); !neden.isNull()) return neden;
    // The queues again with the instances and options saved for them (lpoptions), as libcups reads them.
    cups_dest_t* hedefler = nullptr;
    const int sayı = cupsGetDests2(b.http(), &hedefler);
    const auto bırak = qScopeGuard([&] { cupsFreeDests(sayı, hedefler); });
    // Cut by the time limit, it is no list.
    if (b.sustu() || (sayı <= 0 && !kağıtlar.isEmpty())) return b.neden();
    QString varsayılan = kullanıcınınVarsayılanYazıcısı();
    if (varsayılan.isEmpty())
        if (const QString neden = sunucununVarsayılanı(b, varsayılan); !neden.isNull()) return neden;

    bool varsayılanBulundu = false;
    for (int i = 0; i < sayı; ++i) {
        const cups_dest_t& h = hedefler[i];
        Yazıcı y;
        y.ad = QString::fromUtf8(h.name);
        if (h.instance) y.ad += QLatin1Char('/') + QString::fromUtf8(h.instance);
        y.bağlantıYeri = QString::fromUtf8(cupsGetOption("printer-location", h.num_options, h.options));
        // An instance's own paper, else the queue's.
        std::optional<QSizeF> kağıt = kağıtBoyu(cupsGetOption("media", h.num_options, h.options));
        if (!kağıt) kağıt = kağıtBoyu(kağıtlar.value(QByteArray(h.name)).constData());
        if (kağıt) y.kağıt = *kağıt;
        // The server names its printers case-blind, as `lp` takes them.
        y.varsayılan = !varsayılanBulundu && y.ad.compare(varsayılan, Qt::CaseInsensitive) == 0;
        varsayılanBulundu = varsayılanBulundu || y.varsayılan;
        for (int j = 0; j < h.num_options; ++j) {
            const QByteArray ad(h.options[j].name);
            if (!yazıcınınNiteliğiMi(ad)) y.seçenekler.append({ad, QByteArray(h.options[j].value)});
        }
        liste.append(y);
    }
    return {};
}

QByteArray dosyaİçeriği(const QString& yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

QString lpoptionsVarsayılanı(const QByteArray& lpoptions)
{
    QString ad;
    for (const QByteArray& satır : lpoptions.split('\n')) {
        const QList<QByteArray> sözcükler = satır.simplified().split(' ');
        if (sözcükler.size() >= 2 && sözcükler[0].compare("Default", Qt::CaseInsensitive) == 0)
            ad = QString::fromUtf8(sözcükler[1]);
    }
    return ad;
}

QString kullanıcınınVarsayılanYazıcısı()
{
    QByteArray ortam = qgetenv("LPDEST");
    if (ortam.isEmpty()) {
        ortam = qgetenv("PRINTER");
        if (ortam == "lp") ortam.clear();
    }
    if (!ortam.isEmpty()) return QString::fromLocal8Bit(ortam);
    // The user's own file is read after the system's, and its default holds over the system's.
    const QString sistem = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    const QString ev = qEnvironmentVariable("HOME", QDir::homePath());
    const QString kullanıcının = lpoptionsVarsayılanı(dosyaİçeriği(ev + QStringLiteral("/.cups/lpoptions")));
    return kullanıcının.isEmpty() ? lpoptionsVarsayılanı(dosyaİçeriği(sistem + QStringLiteral("/lpoptions")))
                                  : kullanıcının;
}

QList<Yazıcı> sunucununYazıcıları(QString* neden)
{
    QList<Yazıcı> liste;
    QString hata;
    sunucudaBekle([&] { hata = yazıcılarıListele(liste); });
    if (!hata.isNull()) liste.clear();
    if (neden) *neden = hata;
    return liste;
}

void yazıcıyıDenetle(const QString& ad)
{
    sunucudaBekle([&] {
        const Kuyruk k(ad);
        // Asked of the server's root, which no printer's password guards: no password is asked for.
        Bağlantı b{QString()};
        if (!b.bağlı()) throw YazdırmaHatası(ad, b.neden());
        ipp_t* istek = yeniİstek(IPP_OP_GET_PRINTER_ATTRIBUTES, k, b.kullanıcı());
        ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
        const Yanıt y = b.iste(istek, "/");
        if (!y) throw YazdırmaHatası(ad, b.neden());
        if (!başarılı(y)) throw YazdırmaHatası(ad, redNedeni(y));
    });
}

struct Sunucuİşi::Veri {
    explicit Veri(const QString& ad) : yazıcıAdı(ad), kuyruk(ad), bağlantı(ad) {}
    QString yazıcıAdı;
    Kuyruk kuyruk;
    Bağlantı bağlantı;
    int numara = 0;
    bool iptalEdildi = false;

    // The cause of a request that failed: `y` its answer, or none. `iş`: a request about the job.
    YazdırmaHatası hata(const Yanıt& y, bool iş = true) const
    {
        return YazdırmaHatası(yazıcıAdı, y ? redNedeni(y, iş) : bağlantı.neden());
    }
    ipp_t* işİsteği(ipp_op_t işlem) const
    {
        ipp_t* istek = yeniİstek(işlem, kuyruk, bağlantı.kullanıcı());
        ippAddInteger(istek, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", numara);
        return istek;
    }
    // The job's state and the document's size as the server has them.
    Yanıt işinDurumu()
    {
        ipp_t* istek = işİsteği(IPP_OP_GET_JOB_ATTRIBUTES);
        static const char* const nitelikler[] = {"job-state", "job-k-octets"};
        ippAddStrings(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, nitelikler);
        return bağlantı.iste(istek, "/jobs/");
    }
    // Cancel-Job's own answer; the job counts as cancelled only on its success.
    Yanıt iptal()
    {
        Yanıt y = bağlantı.iste(işİsteği(IPP_OP_CANCEL_JOB), "/jobs/");
        iptalEdildi = başarılı(y);
        return y;
    }

    // Create-Job and Send-Document, on the thread that waits on the server.
    void hazırla(const Yazıcı& yazıcı, const QByteArray& ad, QSizeF kağıt, const QByteArray& pdf);
    // Release-Job, and when its answer is lost, what became of the job.
    void serbestBırak();
};

void Sunucuİşi::Veri::hazırla(const Yazıcı& yazıcı, const QByteArray& ad, QSizeF kağıt, const QByteArray& pdf)
{
    if (!bağlantı.bağlı()) throw YazdırmaHatası(yazıcıAdı, bağlantı.neden());

    // The job: held, on the document's own paper, unscaled and laid from the paper's top-left corner (where
    // a printer cannot take that paper, every text still stands as far from that corner as in the PDF),
    // with the options saved for the printer.
    cups_option_t* seçenekler = nullptr;
    int seçenekSayısı = 0;
    for (const auto& [seçenek, değer] : yazıcı.seçenekler)
        if (!belgeninSeçeneğiMi(seçenek) && !yazıcınınNiteliğiMi(seçenek))
            seçenekSayısı = cupsAddOption(seçenek.constData(), değer.constData(), seçenekSayısı, &seçenekler);
    if (const pwg_media_t* m = pwgMediaForSize(qRound(kağıt.width() * 100), qRound(kağıt.height() * 100)))
        seçenekSayısı = cupsAddOption("media", m->pwg, seçenekSayısı, &seçenekler);
    seçenekSayısı = cupsAddOption("print-scaling", "none", seçenekSayısı, &seçenekler);
    seçenekSayısı = cupsAddOption("position", "top-left", seçenekSayısı, &seçenekler);
    seçenekSayısı = cupsAddOption("job-hold-until", "indefinite", seçenekSayısı, &seçenekler);
    ipp_t* istek = yeniİstek(IPP_OP_CREATE_JOB, kuyruk, bağlantı.kullanıcı());
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, ad.constData());
    cupsEncodeOptions2(istek, seçenekSayısı, seçenekler, IPP_TAG_OPERATION);
    cupsEncodeOptions2(istek, seçenekSayısı, seçenekler, IPP_TAG_JOB);
    cupsFreeOptions(seçenekSayısı, seçenekler);
    const Yanıt yapıldı = bağlantı.iste(istek, kuyruk.kaynak);
    if (!başarılı(yapıldı)) throw hata(yapıldı, false);
    numara = ippGetInteger(ippFindAttribute(yapıldı.get(), "job-id", IPP_TAG_INTEGER), 0);
    if (numara <= 0)
        throw YazdırmaHatası(yazıcıAdı, sunucuHatasıMetni(IPP_STATUS_ERROR_INTERNAL,
                                                          QStringLiteral("İşin numarası verilmedi.")));

    // The whole document into it, in one request; the server's count of what it took must hold it all.
    // Whatever fails from here cancels the job where the server still answers (held, it would not print
    // anyway).
    istek = işİsteği(IPP_OP_SEND_DOCUMENT);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr, ad.constData());
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    ippAddBoolean(istek, IPP_TAG_OPERATION, "last-document", 1);
    const Yanıt alındı = bağlantı.belgeyleİste(istek, kuyruk.kaynak, pdf);
    if (!başarılı(alındı)) {
        const YazdırmaHatası h = hata(alındı);
        iptal();
        throw h;
    }
    const Yanıt durum = işinDurumu();
    if (!başarılı(durum)) {
        const YazdırmaHatası h = hata(durum);
        iptal();
        throw h;
    }
    // CUPS counts what it took in whole kilobytes, each started one counted.
    if (ipp_attribute_t* alınan = ippFindAttribute(durum.get(), "job-k-octets", IPP_TAG_INTEGER);
        alınan && ippGetInteger(alınan, 0) < (pdf.size() + 1023) / 1024) {
        iptal();
        throw YazdırmaHatası(yazıcıAdı, BelgeEksikMetni);
    }
}

void Sunucuİşi::Veri::serbestBırak()
{
    const Yanıt y = bağlantı.iste(işİsteği(IPP_OP_RELEASE_JOB), "/jobs/");
    if (başarılı(y)) return;
    const YazdırmaHatası h = hata(y);
    if (y) {
        // Refused: cancelled where the server lets it, so that a held job does not wait for a hand to
        // release it.
        iptal();
        throw h;
    }
    // No answer: the release may have reached the server and the job printed, in which case the invoice
    // the user is told to print again would come out twice. The cancel's own answer tells: done, the job
    // did not go; refused as no longer possible, the job's state says whether it went to the printer.
    const Yanıt iptalYanıtı = iptal();
    if (iptalEdildi) throw h;
    if (!iptalYanıtı) throw YazdırmaHatası(yazıcıAdı, h.neden(), true);
    if (ippGetStatusCode(iptalYanıtı.get()) != IPP_STATUS_ERROR_NOT_POSSIBLE)
        throw YazdırmaHatası(yazıcıAdı, redNedeni(iptalYanıtı, true));
    const Yanıt durum = işinDurumu();
    if (!durum) throw YazdırmaHatası(yazıcıAdı, h.neden(), true);
    if (!başarılı(durum)) throw YazdırmaHatası(yazıcıAdı, redNedeni(durum, true));
    switch (ippGetInteger(ippFindAttribute(durum.get(), "job-state", IPP_TAG_ENUM), 0)) {
    case IPP_JSTATE_PENDING:  // released, waiting for its turn
    case IPP_JSTATE_PROCESSING:
    case IPP_JSTATE_STOPPED:
    case IPP_JSTATE_COMPLETED: return;
    default: throw h;  // still held, cancelled or aborted: it did not print
    }
}

Sunucuİşi::Sunucuİşi(std::unique_ptr<Veri> veri) : d_(std::move(veri)) {}

Sunucuİşi::~Sunucuİşi() = default;

std::unique_ptr<Sunucuİşi> Sunucuİşi::hazırla(const Yazıcı& yazıcı, const QString& belgeAdı, QSizeF kağıt,
                                             const QByteArray& pdf)
{
    std::unique_ptr<Veri> veri;
    sunucudaBekle([&] {
        veri = std::make_unique<Veri>(yazıcı.ad);
        veri->hazırla(yazıcı, belgeAdı.toUtf8(), kağıt, pdf);
    });
    return std::unique_ptr<Sunucuİşi>(new Sunucuİşi(std::move(veri)));
}

void Sunucuİşi::serbestBırak()
{
    sunucudaBekle([&] { d_->serbestBırak(); });
}

bool Sunucuİşi::iptalEt()
{
    if (d_->iptalEdildi) return true;
    sunucudaBekle([&] { d_->iptal(); });
    return d_->iptalEdildi;
}

std::optional<QString> parolaSor(ParolaSorusu& soru)
{
    if (parolaSorucusu()) return parolaSorucusu()(soru);
    return YazıcıParolasıFormu::sor(soru);
}

void parolaSorucusunuDeğiştir(std::function<std::optional<QString>(ParolaSorusu&)> sorucu)
{
    parolaSorucusu() = std::move(sorucu);
}

void sunucuSüresiniDeğiştir(std::optional<int> ms) { sınamaSüresi = ms; }

}  // namespace yazdırma
