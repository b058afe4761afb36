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
#include <QPointer>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>

namespace yazdırma {

namespace {

// The limit of each request to the server, its connection included (ms): the request ends there,
// answered or not. A listing of the printers has this much in all.
constexpr int VarsayılanSüre = 30000;
std::optional<int> sınamaSüresi;
int süre() { return sınamaSüresi.value_or(VarsayılanSüre); }

// The pieces the document is sent in.
constexpr qsizetype ParçaBoyu = 64 * 1024;

std::function<std::optional<QString>(ParolaSorusu&)>& parolaSorucusu()
{
    static std::function<std::optional<QString>(ParolaSorusu&)> s;
    return s;
}

// What the waits held back, carried out once they are over, or once the print is over where the wait is
// part of one: closes of the program's windows, and the program's end (a logout, a quit, SIGTERM). The
// window thread's.
int bekleyenKapatmalar = 0;
QList<QPointer<QWindow>> baskıdanSonraKapatılacaklar;
bool bekleyenÇıkış = false;
// How many BaskıSüresince live (prints, nested). The window thread's.
int sürenBaskılar = 0;

// A close of a window held back, carried out as soon as the event loop runs again.
void kapat(const QPointer<QWindow>& w)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [w] {
            --bekleyenKapatmalar;
            if (w) w->close();
        },
        Qt::QueuedConnection);
}

// The program's end held back, carried out as soon as the event loop runs again, once.
void çıkışıYap()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { if (std::exchange(bekleyenÇıkış, false)) QCoreApplication::quit(); },
        Qt::QueuedConnection);
}

// Set while a wait goes on after its event loop was ended from outside (QCoreApplication::exit()). The
// window thread's.
bool çıkılıyor = false;

// The program has been told to end: a password asked for meanwhile counts as not given.
bool sonlanıyor() { return çıkılıyor || bekleyenÇıkış; }

// While the program waits on the print server: the wait cursor shows, and the input given meanwhile to the
// program's windows (clicks, the wheel, keys and their shortcuts) is thrown away. Kept for later, a click
// on a print button would print a second time once the wait is over. A window that the wait itself opens
// (the password window) takes its input as any window does. A request to close one of the windows, and
// the program's end, are kept, and carried out once the wait is over (once the print is over, where the
// wait is part of one: BaskıSüresince), as they would have been without it: the desktop's logout closes
// every window before the program quits, and a window that refused its close would make the program stay.
class Bekleme : public QObject {
public:
    Bekleme()
    {
        auto* uygulama = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        if (!uygulama) return;
        gösterilir_ = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        for (QWindow* w : QGuiApplication::allWindows()) öncekiler_ << w;
        uygulama->installEventFilter(this);
    }
    ~Bekleme() override
    {
        if (!gösterilir_) return;
        QCoreApplication* uygulama = QCoreApplication::instance();
        uygulama->removeEventFilter(this);
        QGuiApplication::restoreOverrideCursor();
        for (const QPointer<QWindow>& w : std::as_const(kapatılacaklar_)) {
            ++bekleyenKapatmalar;
            if (sürenBaskılar > 0) baskıdanSonraKapatılacaklar << w;
            else kapat(w);
        }
        if (bekleyenÇıkış && sürenBaskılar == 0) çıkışıYap();
    }
    Bekleme(const Bekleme&) = delete;
    Bekleme& operator=(const Bekleme&) = delete;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        switch (olay->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: return !yeniPenceredeMi(nesne);
        case QEvent::Close: {
            // The desktop's request (a spontaneous close) for a window that was there before the wait.
            auto* pencere = qobject_cast<QWindow*>(nesne);
            if (!pencere || !olay->spontaneous() || yeniPenceredeMi(pencere)) return false;
            if (!kapatılacaklar_.contains(pencere)) kapatılacaklar_ << pencere;
            olay->ignore();
            return true;
        }
        case QEvent::Quit:
            // The program's end, however it was asked for (the desktop's logout, QCoreApplication::quit()).
            if (nesne != QCoreApplication::instance()) return false;
            bekleyenÇıkış = true;
            return true;
        default: return false;
        }
    }

private:
    // The object lies in a window opened since the wait began. An object of no window (a shortcut's
    // action, say) lies in none.
    bool yeniPenceredeMi(QObject* nesne) const
    {
        QWindow* pencere = nullptr;
        for (QObject* o = nesne; o && !pencere; o = o->parent()) {
            if (auto* w = qobject_cast<QWindow*>(o)) pencere = w;
            else if (auto* w = qobject_cast<QWidget*>(o)) pencere = w->window()->windowHandle();
            if (!pencere && o->isWidgetType()) return false;  // a widget in no window shown
        }
        if (!pencere) return false;
        while (pencere->parent()) pencere = pencere->parent();
        return std::none_of(öncekiler_.begin(), öncekiler_.end(), [&](const QPointer<QWindow>& w) { return w == pencere; });
    }

    bool gösterilir_ = false;
    QList<QPointer<QWindow>> öncekiler_;  // the windows there when the wait began
    QList<QPointer<QWindow>> kapatılacaklar_;
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

// While a print holds the program's end back between its waits: a request to end given again (a second
// SIGTERM or logout, while the print's message is open) is held with the first. With none held, the end
// comes as it would without a print.
class ÇıkışBekletici : public QObject {
protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        return olay->type() == QEvent::Quit && nesne == QCoreApplication::instance() && bekleyenÇıkış;
    }
};
ÇıkışBekletici* çıkışBekletici = nullptr;

// Runs `iş`, which waits on the print server, on a thread of its own with this thread's print server
// and user, while this thread's event loop goes on: the windows repaint and the desktop's questions are
// answered, but input given to the windows meanwhile is thrown away and a close asked for waits until the
// work is over (Bekleme), as the print is one step for the user. Gives back what `iş` threw, and returns
// only once `iş` is over, even when something else ends the event loop (the program quitting). Off the
// window thread, or without an application, `iş` runs here.
void sunucudaBekle(const std::function<void()>& iş)
{
    if (!QCoreApplication::instance() || !pencereİpliğinde()) {
        iş();
        return;
    }
    const Bekleme bekle;
    const İstemciAyarları ayarlar;
    QEventLoop döngü;
    std::atomic<bool> bitti = false;
    std::exception_ptr hata;
    std::thread iplik([&] {
        ayarlar.uygula();
        try {
            iş();
        } catch (...) {
            hata = std::current_exception();
        }
        bitti = true;
        QMetaObject::invokeMethod(&döngü, &QEventLoop::quit, Qt::QueuedConnection);
    });
    döngü.exec();
    if (!bitti) {
        // Ended from outside, the loop would not run again: the events are handled here until the work is
        // over, and it is told that no password will come.
        const QScopedValueRollback sonlanırken(çıkılıyor, true);
        while (!bitti) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    iplik.join();
    if (hata) std::rethrow_exception(hata);
}

// The password, asked on the window thread whichever thread waits on the server; not asked once the
// program has been told to end. What the asking throws is thrown here, on the waiting thread.
std::optional<QString> pencerede(ParolaSorusu& soru)
{
    if (pencereİpliğinde()) return sonlanıyor() ? std::nullopt : parolaSor(soru);
    std::optional<QString> parola;
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            try {
                if (!sonlanıyor()) parola = parolaSor(soru);
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata) std::rethrow_exception(hata);
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
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED: return ParolaGerekiyorMetni;
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

// The peer of a connected socket, as bytes to compare; empty when it has none.
QByteArray karşıTaraf(int fd)
{
    sockaddr_storage adres{};
    socklen_t uzunluk = sizeof adres;
    if (fd < 0 || ::getpeername(fd, reinterpret_cast<sockaddr*>(&adres), &uzunluk) != 0) return {};
    return QByteArray(reinterpret_cast<const char*>(&adres), qsizetype(uzunluk));
}

// An address with its port as the kernel's tables of TCP sockets write it (/proc/net/tcp and tcp6,
// "rem_address"): each 32-bit word of the address as it lies in memory, in hex, then the port; empty for
// an address of another family.
QByteArray tablodaki(const sockaddr_storage& adres)
{
    char metin[64] = {};
    if (adres.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(adres);
        std::snprintf(metin, sizeof metin, "%08X:%04X", unsigned(v4.sin_addr.s_addr), unsigned(ntohs(v4.sin_port)));
    } else if (adres.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(adres);
        quint32 s[4];
        std::memcpy(s, &v6.sin6_addr, sizeof s);
        std::snprintf(metin, sizeof metin, "%08X%08X%08X%08X:%04X", unsigned(s[0]), unsigned(s[1]), unsigned(s[2]),
                      unsigned(s[3]), unsigned(ntohs(v6.sin6_port)));
    }
    return metin;
}

// The print server's addresses that libcups connects to anew, as the kernel's tables write them, from
// `karşı`, the peer of the connection's socket (karşıTaraf): that address, and for a server on this
// machine ("localhost") both ::1 and 127.0.0.1, which libcups tries in turn. None for a server reached
// otherwise than by TCP (a local socket, which refuses at once a connection that it cannot take).
QList<QByteArray> sunucununAdresleri(const QByteArray& karşı)
{
    sockaddr_storage adres{};
    if (karşı.isEmpty() || karşı.size() > qsizetype(sizeof adres)) return {};
    std::memcpy(&adres, karşı.constData(), size_t(karşı.size()));
    QList<QByteArray> adresler{tablodaki(adres)};
    if (adresler.first().isEmpty()) return {};
    quint16 kapı = 0;
    bool yerel = false;
    if (adres.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(adres);
        kapı = v4.sin_port;
        yerel = (ntohl(v4.sin_addr.s_addr) >> 24) == 127;
    } else if (adres.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(adres);
        kapı = v6.sin6_port;
        yerel = IN6_IS_ADDR_LOOPBACK(&v6.sin6_addr) || (IN6_IS_ADDR_V4MAPPED(&v6.sin6_addr) && v6.sin6_addr.s6_addr[12] == 127);
    }
    if (yerel) {
        sockaddr_storage v4{}, v6{};
        auto& a4 = reinterpret_cast<sockaddr_in&>(v4);
        a4.sin_family = AF_INET;
        a4.sin_port = kapı;
        a4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        auto& a6 = reinterpret_cast<sockaddr_in6&>(v6);
        a6.sin6_family = AF_INET6;
        a6.sin6_port = kapı;
        a6.sin6_addr = in6addr_loopback;
        for (const QByteArray& a : {tablodaki(v4), tablodaki(v6)})
            if (!adresler.contains(a)) adresler << a;
    }
    return adresler;
}

// The inodes of the TCP sockets still connecting (SYN_SENT) to one of `adresler`, as the kernel's tables
// list them: every process's of this network, of which only this one's are ever shut.
QList<quint64> bağlanmaktaOlanlar(const QList<QByteArray>& adresler)
{
    QList<quint64> düğümler;
    for (const char* tablo : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f(QString::fromLatin1(tablo));
        if (!f.open(QIODevice::ReadOnly)) continue;
        f.readLine();  // the header
        for (QByteArray satır = f.readLine(); !satır.isEmpty(); satır = f.readLine()) {
            // sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid timeout inode
            const QList<QByteArray> alanlar = satır.simplified().split(' ');
            if (alanlar.size() < 10 || alanlar[3] != "02" || !adresler.contains(alanlar[2].toUpper())) continue;
            bool sayı = false;
            const quint64 düğüm = alanlar[9].toULongLong(&sayı);
            if (sayı && düğüm) düğümler << düğüm;
        }
    }
    return düğümler;
}

// Shuts this process's sockets whose inode is one of `düğümler`; true when it shut any. The descriptors
// are read while other threads open and close theirs: each socket is taken through a copy of its
// descriptor, which holds it whatever becomes of the number, and shut only when the copy's inode is the
// one listed, so that a number closed and given to another file meanwhile is never shut.
bool düğümleriKapat(const QList<quint64>& düğümler)
{
    DIR* dizin = ::opendir("/proc/self/fd");
    if (!dizin) return false;
    bool kesti = false;
    while (const dirent* g = ::readdir(dizin)) {
        char bağ[64];
        const ssize_t n = ::readlinkat(::dirfd(dizin), g->d_name, bağ, sizeof bağ - 1);
        if (n <= 0) continue;
        bağ[n] = '\0';
        unsigned long long düğüm = 0;
        if (std::sscanf(bağ, "socket:[%llu]", &düğüm) != 1 || !düğümler.contains(quint64(düğüm))) continue;
        const int kopya = ::fcntl(std::atoi(g->d_name), F_DUPFD_CLOEXEC, 0);
        if (kopya < 0) continue;
        struct stat durum {};
        if (::fstat(kopya, &durum) == 0 && S_ISSOCK(durum.st_mode) && quint64(durum.st_ino) == düğüm
            && ::shutdown(kopya, SHUT_RDWR) == 0)
            kesti = true;
        ::close(kopya);
    }
    ::closedir(dizin);
    return kesti;
}

// Ends a request at its limit, whatever the server sends meanwhile and however libcups reads it. libcups
// asks its timeout callback only after a silence as long as the whole timeout, and not at all while it
// reads an answer's body: a server that trickles its answer a byte at a time, or stalls after the headers,
// would keep it waiting for ever. And once its connection broke, libcups connects anew by itself, with a
// limit of its own (30 s) and on sockets that the connection does not show until they are connected: a
// server that takes no new connection (an overloaded host, which drops them unanswered) would keep it
// waiting that long, more than once. From the limit on, the connection's socket is shut, and so is every
// socket of this process still connecting to the print server (one shut while connecting fails at once),
// so that libcups returns at once; and shut again every little while until the request is over. Only
// sockets to the print server are ever shut: the descriptor is read from the connection while libcups may
// be replacing it, and a number that another part of the program has just been given is left alone. (A
// socket still connecting is not told by its request: the program waits on the server for one request at
// a time.) Nothing is looked for before the limit.
class Kesici {
public:
    // Watches the request that is about to be made on `h` until the object is gone.
    Kesici(http_t* h, const QDeadlineTimer& sonAn)
        : h_(h), sunucu_(karşıTaraf(httpGetFd(h))),
          an_(std::chrono::steady_clock::now() + sonAn.remainingTimeAsDuration()), iplik_([this] { bekle(); })
    {
    }
    ~Kesici()
    {
        {
            const std::lock_guard<std::mutex> kilit(kilit_);
            bitti_ = true;
        }
        uyandır_.notify_one();
        iplik_.join();
    }
    Kesici(const Kesici&) = delete;
    Kesici& operator=(const Kesici&) = delete;

    // The connection, or a socket connecting anew for it, was shut at the limit.
    bool kesti() const { return kesti_; }

private:
    void bekle()
    {
        std::unique_lock<std::mutex> kilit(kilit_);
        if (uyandır_.wait_until(kilit, an_, [this] { return bitti_; }) || sunucu_.isEmpty()) return;
        const QList<QByteArray> adresler = sunucununAdresleri(sunucu_);
        do {
            const int fd = httpGetFd(h_);
            if (fd >= 0 && karşıTaraf(fd) == sunucu_ && ::shutdown(fd, SHUT_RDWR) == 0) kesti_ = true;
            if (const QList<quint64> bağlanan = bağlanmaktaOlanlar(adresler);
                !bağlanan.isEmpty() && düğümleriKapat(bağlanan))
                kesti_ = true;
        } while (!uyandır_.wait_for(kilit, std::chrono::milliseconds(50), [this] { return bitti_; }));
    }

    http_t* const h_;
    const QByteArray sunucu_;
    const std::chrono::steady_clock::time_point an_;
    std::mutex kilit_;
    std::condition_variable uyandır_;
    bool bitti_ = false;
    std::atomic<bool> kesti_ = false;
    std::thread iplik_;  // last: it starts once the rest is ready
};

// A connection of the program's own to the server, with its time limit: a request ends at it, whatever
// the server does. It knows the printer it serves, so that a password is asked for that printer, and why
// a request got no answer. Made and used on the thread that waits on the server (sunucudaBekle); one
// thread at a time.
class Bağlantı {
public:
    // Each request has the time limit of its own, or all of them one from the connection's making on.
    enum class Süre { HerİsteğeAyrı, Tek };

    // `yazıcı` is the printer printed on; empty for a connection that must never ask for a password.
    explicit Bağlantı(QString yazıcı, Süre s = Süre::HerİsteğeAyrı)
        : yazıcı_(std::move(yazıcı)), tekSüre_(s == Süre::Tek), kullanıcı_(cupsUser())
    {
        sonAn_ = QDeadlineTimer(süre());
        bağlan();
    }
    ~Bağlantı()
    {
        if (h_) httpClose(h_);
    }
    Bağlantı(const Bağlantı&) = delete;
    Bağlantı& operator=(const Bağlantı&) = delete;

    bool bağlı() const { return h_ != nullptr; }
    // Runs a call of libcups that makes requests of its own on the connection, within what is left of the
    // time; false when the time ran out before it was over.
    bool sınırİçinde(const std::function<void(http_t*)>& çağrı)
    {
        if (!hazırlan()) return false;
        {
            const Kesici kesici(h_, sonAn_);
            çağrı(h_);
        }
        if (!sonAn_.hasExpired()) return true;
        sustu_ = bozuk_ = true;
        return false;
    }
    // The user the requests are made for: the program's, or the one given with a password.
    const QByteArray& kullanıcı() const { return kullanıcı_; }
    // The last request got no answer because the printer's password was not given.
    bool parolaVerilmedi() const { return parolaVerilmedi_; }
    // A server that cannot be reached, as one that is restarting, is tried again until the limit of each
    // request (and not given up on at once), and so is a request whose connection was refused, reset or
    // broken before an answer came: only a request that may safely go twice (a question, a cancel).
    void ulaşılamazsaYinele(bool evet) { yinele_ = evet; }

    // Sends the request (freed with it) and gives the server's answer to it; null when none came, and
    // neden() tells why.
    Yanıt iste(ipp_t* istek, const char* kaynak) { return gönder(istek, kaynak, nullptr); }
    // The same with a document after the request; an answer counts only when the whole document went.
    Yanıt belgeyleİste(ipp_t* istek, const char* kaynak, const QByteArray& belge) { return gönder(istek, kaynak, &belge); }

    // Why the last request got no answer.
    QString neden() const
    {
        if (sustu_) return SunucuYanıtVermediMetni;
        if (erken_) return ErkenYanıtMetni;
        if (parolaVerilmedi_) return ParolaGerekiyorMetni;
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
    // While a request of this connection runs, libcups tells this connection when the server wants a
    // password, and speaks for its user.
    class ParolaBağı {
    public:
        explicit ParolaBağı(Bağlantı* b)
        {
            cupsSetUser(b->kullanıcı_.constData());
            cupsSetPasswordCB2(&Bağlantı::parolaİstendi, b);
        }
        ~ParolaBağı() { cupsSetPasswordCB2(&parolaYok, nullptr); }
    };

    int kalan() const { return int(std::max<qint64>(sonAn_.remainingTime(), 0)); }

    // libcups gives up on an answer whose pieces come further apart than the connection's timeout,
    // whatever the timeout callback says: the timeout is always what is left of the limit, so that a wait
    // ends there and nowhere sooner, however slowly the answer comes.
    void süreyiVer()
    {
        if (h_) httpSetTimeout(h_, std::max(kalan(), 1) / 1000.0, &Bağlantı::bekle, this);
    }

    // Connects anew, within what is left of the limit, on a connection of its own: libcups makes one anew
    // by itself after an error or a refusal, with a limit of its own (30 s to connect), which is not this
    // request's. A connection that was encrypted stays so. When the server cannot be reached and
    // ulaşılamazsaYinele() was asked for, it is tried again every little while until the limit.
    bool bağlan()
    {
        const http_encryption_t şifreleme = h_ && httpIsEncrypted(h_) ? HTTP_ENCRYPTION_REQUIRED : cupsEncryption();
        for (;;) {
            if (h_) httpClose(h_);
            h_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, şifreleme, 1, std::max(kalan(), 1), nullptr);
            bozuk_ = false;
            süreyiVer();
            if (h_) return true;
            if (sonAn_.hasExpired()) {
                sustu_ = true;
                return false;
            }
            if (!yinele_) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(yinelemeAralığı(), kalan())));
        }
    }
    static int yinelemeAralığı() { return std::min(500, süre() / 10); }

    // Ready for a request: a connection that libcups would not use as it is (broken, half-used, closed by
    // the server's last answer, or left with an error status, on which libcups connects anew by itself) is
    // made anew. `yeniden`: the same request once more, within what is left of its limit.
    bool hazırlan(bool yeniden = false)
    {
        if (!tekSüre_ && !yeniden) sonAn_ = QDeadlineTimer(süre());
        sustu_ = false;
        erken_ = false;
        parolaVerilmedi_ = false;
        parolaİstendi_ = false;
        if (sonAn_.hasExpired()) {
            sustu_ = true;
            return false;
        }
        if (!h_ || bozuk_ || httpGetFd(h_) < 0 || httpGetState(h_) != HTTP_STATE_WAITING
            || httpGetStatus(h_) == HTTP_STATUS_ERROR || httpGetStatus(h_) >= HTTP_STATUS_BAD_REQUEST
            || !qstricmp(httpGetField(h_, HTTP_FIELD_CONNECTION), "close")) {
            if (!bağlan()) return false;
        }
        süreyiVer();
        return true;
    }

    // Sends the request, and the document after it when one is given. Where the server wants a password,
    // the user is asked and the request goes again with it, until the server takes one or the user gives
    // none. Where ulaşılamazsaYinele() was asked for, a request whose connection broke before its answer
    // goes again every little while until its limit.
    Yanıt gönder(ipp_t* istek, const char* kaynak, const QByteArray* belge)
    {
        const Yanıt asıl(istek);
        bool yeniden = false;
        for (;;) {
            if (!hazırlan(yeniden)) return {};
            yeniden = false;
            if (!yetki_.isEmpty()) httpSetAuthString(h_, "Basic", yetki_.constData());
            Yanıt y;
            bool kesildi = false;
            {
                const ParolaBağı parola(this);
                const Kesici kesici(h_, sonAn_);
                ipp_t* gönderilen = kopyası(asıl.get());
                y = belge ? belgeyleGönder(gönderilen, kaynak, *belge) : Yanıt(cupsDoRequest(h_, gönderilen, kaynak));
                kesildi = kesici.kesti();
            }
            if (!y || kesildi) bozuk_ = true;
            // Cut at the limit: the server did not answer in time, whatever libcups made of the cut.
            if (!y && sonAn_.hasExpired()) sustu_ = true;
            if (parolaİstendi_) {
                if (!parolaAl()) {
                    parolaVerilmedi_ = true;
                    return {};
                }
                continue;
            }
            if (y || !yinele_ || !koptu()) return y;
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(yinelemeAralığı(), kalan())));
            yeniden = true;
        }
    }

    // The last request got no answer because its connection failed (it could not be made, was reset or
    // broke off), not because the server answered in HTTP's terms, stayed silent past the limit or sent an
    // answer that counts for nothing.
    bool koptu() const
    {
        return !sustu_ && !erken_ && !parolaVerilmedi_ && (!h_ || httpGetStatus(h_) < HTTP_STATUS_BAD_REQUEST);
    }

    Yanıt belgeyleGönder(ipp_t* istek, const char* kaynak, const QByteArray& belge)
    {
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
        if (gönderilen < belge.size()) bozuk_ = true;
        return y;
    }

    // A copy of the request to send, made for the connection's user as it is now.
    ipp_t* kopyası(ipp_t* asıl) const
    {
        ipp_t* k = ippNew();
        int küçük = 0;
        const int büyük = ippGetVersion(asıl, &küçük);
        ippSetVersion(k, büyük, küçük);
        ippSetOperation(k, ippGetOperation(asıl));
        ippSetRequestId(k, ippGetRequestId(asıl));
        ippCopyAttributes(k, asıl, 0, nullptr, nullptr);
        if (ipp_attribute_t* kim = ippFindAttribute(k, "requesting-user-name", IPP_TAG_NAME))
            ippSetString(k, &kim, 0, kullanıcı_.constData());
        return k;
    }

    // Asks the user for the printer's password; false when none was given. The password given before on
    // this connection, if any, was refused: no request sends it again, so that one wrong entry counts once
    // among the server's failed logins. The name typed with it is the connection's user from now on. The
    // question is put once a print: a user who gave none is not asked again by the requests that follow
    // (the cancel of the job that did not go, say).
    bool parolaAl()
    {
        const bool yanlış = !yetki_.isEmpty();
        yetki_.clear();
        if (yazıcı_.isEmpty() || parolaVerilmez_) return false;
        ParolaSorusu soru{yazıcı_, QString::fromUtf8(kullanıcı_), yanlış};
        const std::optional<QString> parola = pencerede(soru);
        if (!parola) {
            parolaVerilmez_ = true;
            return false;
        }
        if (!soru.kullanıcı.trimmed().isEmpty()) kullanıcı_ = soru.kullanıcı.trimmed().toUtf8();
        yetki_ = (kullanıcı_ + ':' + parola->toUtf8()).toBase64();
        return true;
    }

    // Called by libcups when the server is silent for the connection's timeout: goes on waiting until the
    // limit.
    static int bekle(http_t*, void* b)
    {
        auto* bağlantı = static_cast<Bağlantı*>(b);
        if (bağlantı->sonAn_.hasExpired()) {
            bağlantı->sustu_ = true;
            return 0;
        }
        bağlantı->süreyiVer();
        return 1;
    }

    // Called by libcups when the server wants a password. libcups is given none: with a password of its
    // own it would send a refused one a second time before asking again, and a server that locks an
    // account after some failed logins would lock it after half as many entries. The request ends
    // unanswered, and gönder() asks the user and sends it again with the password typed, once.
    static const char* parolaİstendi(const char*, http_t*, const char*, const char*, void* veri)
    {
        static_cast<Bağlantı*>(veri)->parolaİstendi_ = true;
        return nullptr;
    }

    QString yazıcı_;
    bool tekSüre_;
    QByteArray kullanıcı_;
    QByteArray yetki_;  // "user:password" in base64, once the user gave a password
    http_t* h_ = nullptr;
    QDeadlineTimer sonAn_;
    bool sustu_ = false;
    bool erken_ = false;  // the server answered success before it had the whole document
    bool bozuk_ = false;
    bool parolaİstendi_ = false;
    bool parolaVerilmedi_ = false;
    bool parolaVerilmez_ = false;  // the user gave no password when asked: not asked again
    bool yinele_ = false;
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
    int sayı = 0;
    const bool bitti = b.sınırİçinde([&](http_t* h) { sayı = cupsGetDests2(h, &hedefler); });
    const auto bırak = qScopeGuard([&] { cupsFreeDests(sayı, hedefler); });
    // Cut by the time limit, it is no list.
    if (!bitti || (sayı <= 0 && !kağıtlar.isEmpty())) return b.neden();

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
        for (int j = 0; j < h.num_options; ++j) {
            const QByteArray ad(h.options[j].name);
            if (!yazıcınınNiteliğiMi(ad)) y.seçenekler.append({ad, QByteArray(h.options[j].value)});
        }
        liste.append(y);
    }

    // The default: the first name `lp` would take that a listed printer has (the server names its printers
    // case-blind), else the server's own default.
    const auto listede = [&](const QString& ad) {
        return std::find_if(liste.begin(), liste.end(),
                            [&](const Yazıcı& y) { return y.ad.compare(ad, Qt::CaseInsensitive) == 0; });
    };
    auto varsayılan = liste.end();
    for (const QString& ad : kullanıcınınVarsayılanları())
        if ((varsayılan = listede(ad)) != liste.end()) break;
    if (varsayılan == liste.end() && !liste.isEmpty()) {
        QString ad;
        if (const QString neden = sunucununVarsayılanı(b, ad); !neden.isNull()) return neden;
        if (!ad.isEmpty()) varsayılan = listede(ad);
    }
    if (varsayılan != liste.end()) varsayılan->varsayılan = true;
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

QStringList kullanıcınınVarsayılanları()
{
    QStringList adlar;
    if (const QString lpdest = qEnvironmentVariable("LPDEST"); !lpdest.isEmpty()) adlar << lpdest;
    if (const QString printer = qEnvironmentVariable("PRINTER"); !printer.isEmpty() && printer != QLatin1String("lp"))
        adlar << printer;
    // The user's own file is read after the system's, and its default holds over the system's.
    const QString ev = qEnvironmentVariable("HOME", QDir::homePath());
    const QString sistem = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    for (const QString& dosya : {ev + QStringLiteral("/.cups/lpoptions"), sistem + QStringLiteral("/lpoptions")})
        if (const QString ad = lpoptionsVarsayılanı(dosyaİçeriği(dosya)); !ad.isEmpty()) adlar << ad;
    return adlar;
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

bool beklerkenKapatmaİstendi() { return bekleyenKapatmalar > 0 || bekleyenÇıkış; }

BaskıSüresince::BaskıSüresince()
{
    QCoreApplication* uygulama = QCoreApplication::instance();
    if (!qobject_cast<QGuiApplication*>(uygulama) || !pencereİpliğinde()) return;
    sayıldı_ = true;
    if (sürenBaskılar++ > 0) return;
    çıkışBekletici = new ÇıkışBekletici;
    uygulama->installEventFilter(çıkışBekletici);
}

BaskıSüresince::~BaskıSüresince()
{
    if (!sayıldı_ || --sürenBaskılar > 0) return;
    QCoreApplication::instance()->removeEventFilter(çıkışBekletici);
    delete std::exchange(çıkışBekletici, nullptr);
    for (const QPointer<QWindow>& w : std::exchange(baskıdanSonraKapatılacaklar, {})) kapat(w);
    if (bekleyenÇıkış) çıkışıYap();
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
    Veri(const QString& ad, const QString& belgeAdı) : yazıcıAdı(ad), işAdı(belgeAdı), kuyruk(ad), bağlantı(ad) {}
    QString yazıcıAdı;
    QString işAdı;
    Kuyruk kuyruk;
    Bağlantı bağlantı;
    int numara = 0;
    bool iptalEdildi = false;

    // The cause of a request that failed: `y` its answer, or none. `iş`: a request about the job. A
    // password that the user did not give is the user's choice, not a failure of the print.
    YazdırmaHatası hata(const Yanıt& y, bool iş = true) const
    {
        if (!y && bağlantı.parolaVerilmedi()) return YazdırmaHatası::parolaVerilmedi(yazıcıAdı);
        return YazdırmaHatası(yazıcıAdı, y ? redNedeni(y, iş) : bağlantı.neden());
    }
    // Throws `h` for a job that did not go, once it is cancelled where the server still answers (held, it
    // would not print anyway).
    [[noreturn]] void iptalEdipAt(const YazdırmaHatası& h)
    {
        iptal();
        throw tutulanıAdlandır(h);
    }
    // `h`, for a job that did not go: a job that the server keeps because it wants a password for the
    // cancel too, which the user did not give, is named: it stays in the queue until someone cancels it.
    YazdırmaHatası tutulanıAdlandır(const YazdırmaHatası& h) const
    {
        if (!h.vazgeçildi() || iptalEdildi) return h;
        return YazdırmaHatası::parolaVerilmedi(
            yazıcıAdı, QStringLiteral("Yazdırma işi, yazdırma sunucusunun kuyruğunda \"%1\" adıyla bekletiliyor; "
                                      "kendiliğinden yazdırılmaz.")
                           .arg(işAdı));
    }
    ipp_t* işİsteği(ipp_op_t işlem) const
    {
        ipp_t* istek = yeniİstek(işlem, kuyruk, bağlantı.kullanıcı());
        ippAddInteger(istek, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", numara);
        return istek;
    }
    // The job's state, the document's size and whether it ever began printing, as the server has them.
    Yanıt işinDurumu()
    {
        ipp_t* istek = işİsteği(IPP_OP_GET_JOB_ATTRIBUTES);
        static const char* const nitelikler[] = {"job-state", "job-k-octets", "time-at-processing"};
        ippAddStrings(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(nitelikler)),
                      nullptr, nitelikler);
        return bağlantı.iste(istek, "/jobs/");
    }
    // Cancel-Job's own answer; the job counts as cancelled only on its success.
    Yanıt iptal()
    {
        Yanıt y = bağlantı.iste(işİsteği(IPP_OP_CANCEL_JOB), "/jobs/");
        iptalEdildi = başarılı(y);
        return y;
    }

    // What became of a job, as its record tells: gone to the printer (waiting for it, printing or printed),
    // held, not gone (cancelled or aborted before it ever began printing), or unknown. A job cancelled or
    // aborted once it had begun may have printed all or part of its pages: unknown. `neden`: why unknown.
    enum class Gidiş { Gitti, Tutuluyor, Gitmedi, Bilinmiyor };
    Gidiş gidişi(QString& neden)
    {
        const Yanıt kayıt = okunanKayıt(neden);
        if (!kayıt) return Gidiş::Bilinmiyor;
        switch (ippGetInteger(ippFindAttribute(kayıt.get(), "job-state", IPP_TAG_ENUM), 0)) {
        case IPP_JSTATE_PENDING:
        case IPP_JSTATE_PROCESSING:
        case IPP_JSTATE_STOPPED:
        case IPP_JSTATE_COMPLETED: return Gidiş::Gitti;
        case IPP_JSTATE_HELD: return Gidiş::Tutuluyor;
        case IPP_JSTATE_CANCELED:
            return başlamadı(kayıt, İptaldenÖnceBaşlamıştıMetni, neden) ? Gidiş::Gitmedi : Gidiş::Bilinmiyor;
        case IPP_JSTATE_ABORTED:
            return başlamadı(kayıt, DurdurulmadanÖnceBaşlamıştıMetni, neden) ? Gidiş::Gitmedi : Gidiş::Bilinmiyor;
        default: neden = sunucuHatasıMetni(IPP_STATUS_ERROR_INTERNAL, {}); return Gidiş::Bilinmiyor;
        }
    }
    // The job's record as the server answered it; null when it did not (no answer, or a job that it no
    // longer knows), and `neden` then says why.
    Yanıt okunanKayıt(QString& neden)
    {
        Yanıt kayıt = işinDurumu();
        if (başarılı(kayıt)) return kayıt;
        neden = kayıt ? redNedeni(kayıt, true) : bağlantı.neden();
        return {};
    }
    // The job's record shows that it never began printing: time-at-processing without a value (or none
    // before the start of time). A record that does not say is no proof. `başladıysa`: the cause when it
    // began; `neden`: why it is not known never to have begun.
    static bool başlamadı(const Yanıt& kayıt, const QString& başladıysa, QString& neden)
    {
        ipp_attribute_t* başladı = ippFindAttribute(kayıt.get(), "time-at-processing", IPP_TAG_ZERO);
        const ipp_tag_t tür = başladı ? ippGetValueTag(başladı) : IPP_TAG_ZERO;
        if (tür == IPP_TAG_NOVALUE || (tür == IPP_TAG_INTEGER && ippGetInteger(başladı, 0) <= 0)) return true;
        neden = tür == IPP_TAG_INTEGER
                    ? başladıysa
                    : sunucuHatasıMetni(IPP_STATUS_ERROR_INTERNAL,
                                        QStringLiteral("İşin yazdırılmaya başlayıp başlamadığı bildirilmedi."));
        return false;
    }

    // Cancels a job found held after a release that did not go as asked. The release may still reach the
    // server between the state's answer and the cancel: the job then begins printing, and the server
    // cancels it all the same, once its pages may have gone to the printer. So a cancelled job did not go
    // only when its record, read again, says that it never began printing; otherwise, or when the record
    // cannot be read, nothing tells. A cancel refused (or wanting a password that the user did not give)
    // leaves it to the job's state again (a job still held never prints by itself); an unanswered cancel,
    // or a job the server no longer knows, leaves it unknown.
    Gidiş tutulanıİptalEt(QString& neden)
    {
        const Yanıt y = iptal();
        if (iptalEdildi) {
            const Yanıt kayıt = okunanKayıt(neden);
            return kayıt && başlamadı(kayıt, İptaldenÖnceBaşlamıştıMetni, neden) ? Gidiş::Gitmedi : Gidiş::Bilinmiyor;
        }
        if (!y && !bağlantı.parolaVerilmedi()) {
            neden = bağlantı.neden();
            return Gidiş::Bilinmiyor;
        }
        if (y && (ippGetStatusCode(y.get()) == IPP_STATUS_ERROR_NOT_FOUND || ippGetStatusCode(y.get()) == IPP_STATUS_ERROR_GONE)) {
            neden = redNedeni(y, true);
            return Gidiş::Bilinmiyor;
        }
        const Gidiş g = gidişi(neden);
        return g == Gidiş::Tutuluyor ? Gidiş::Gitmedi : g;
    }

    // Create-Job and Send-Document, on the thread that waits on the server.
    void hazırla(const Yazıcı& yazıcı, QSizeF kağıt, const QByteArray& pdf);
    // Release-Job, and when its answer is lost, what became of the job.
    void serbestBırak();
};

void Sunucuİşi::Veri::hazırla(const Yazıcı& yazıcı, QSizeF kağıt, const QByteArray& pdf)
{
    if (!bağlantı.bağlı()) throw YazdırmaHatası(yazıcıAdı, bağlantı.neden());
    const QByteArray ad = işAdı.toUtf8();

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
    if (!başarılı(alındı)) iptalEdipAt(hata(alındı));
    const Yanıt durum = işinDurumu();
    if (!başarılı(durum)) iptalEdipAt(hata(durum));
    // CUPS counts what it took in whole kilobytes, each started one counted.
    if (ipp_attribute_t* alınan = ippFindAttribute(durum.get(), "job-k-octets", IPP_TAG_INTEGER);
        alınan && ippGetInteger(alınan, 0) < (pdf.size() + 1023) / 1024)
        iptalEdipAt(YazdırmaHatası(yazıcıAdı, BelgeEksikMetni));
}

void Sunucuİşi::Veri::serbestBırak()
{
    const Yanıt y = bağlantı.iste(işİsteği(IPP_OP_RELEASE_JOB), "/jobs/");
    if (başarılı(y)) return;
    // Refused, or unanswered: the job's state tells what became of it, before anything is done. A release
    // that the server refused may have found the job released by someone else meanwhile, and one whose
    // answer was lost may have reached the server: either way the job may be printing. Only a job still
    // held is cancelled: the server would cancel one that is printing as well, and the invoice that the
    // user is then told to print again would come out twice. A server that cannot be reached meanwhile
    // (restarting), or whose connections break before they are answered, is asked again until each
    // request's limit.
    const YazdırmaHatası h = hata(y);
    bağlantı.ulaşılamazsaYinele(true);
    const auto yinelemeden = qScopeGuard([this] { bağlantı.ulaşılamazsaYinele(false); });
    QString neden;
    Gidiş g = gidişi(neden);
    if (g == Gidiş::Tutuluyor) g = tutulanıİptalEt(neden);
    switch (g) {
    case Gidiş::Gitti: return;
    case Gidiş::Bilinmiyor: throw YazdırmaHatası(yazıcıAdı, neden, true);
    default: throw tutulanıAdlandır(h);
    }
}

Sunucuİşi::Sunucuİşi(std::unique_ptr<Veri> veri) : d_(std::move(veri)) {}

Sunucuİşi::~Sunucuİşi() = default;

std::unique_ptr<Sunucuİşi> Sunucuİşi::hazırla(const Yazıcı& yazıcı, const QString& belgeAdı, QSizeF kağıt,
                                             const QByteArray& pdf)
{
    std::unique_ptr<Veri> veri;
    sunucudaBekle([&] {
        veri = std::make_unique<Veri>(yazıcı.ad, belgeAdı);
        veri->hazırla(yazıcı, kağıt, pdf);
    });
    return std::unique_ptr<Sunucuİşi>(new Sunucuİşi(std::move(veri)));
}

void Sunucuİşi::serbestBırak()
{
    try {
        sunucudaBekle([&] { d_->serbestBırak(); });
    } catch (const YazdırmaHatası&) {
        throw;
    } catch (const std::exception& e) {
        // Whatever else failed, nothing tells whether the release went out.
        throw YazdırmaHatası(d_->yazıcıAdı, QString::fromLocal8Bit(e.what()), true);
    }
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
