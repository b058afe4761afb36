#include "platform/YazdirmaSunucusu.h"

#include "platform/YaziciParolasiFormu.h"
#include "platform/YaziciYuzeyi.h"
#include "platform/Yazicilar.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>

#include <cups/cups.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace yazdırma {

namespace {

// How long a connection to the server may take to be made, and the server may stay silent while a
// request waits for its answer or for the server to read it (ms).
constexpr int VarsayılanSüre = 30000;
std::optional<int> sınamaSüresi;
int süre() { return sınamaSüresi.value_or(VarsayılanSüre); }

// The pieces the document is sent in.
constexpr qsizetype ParçaBoyu = 64 * 1024;

std::function<std::optional<QString>(const ParolaSorusu&)>& parolaSorucusu()
{
    static std::function<std::optional<QString>(const ParolaSorusu&)> s;
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

// Why the server made no job or refused a request, as the user reads it, from the status the server
// answered with (an IPP status code) and its own text.
QString sunucuHatasıMetni(int durum, const QString& sunucununMetni)
{
    switch (durum) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED: return QStringLiteral("Yazıcı şu anda iş kabul etmiyor.");
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_GONE: return YazıcıBulunamadıMetni;
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
QString redNedeni(const Yanıt& y)
{
    ipp_attribute_t* metin = ippFindAttribute(y.get(), "status-message", IPP_TAG_TEXT);
    return sunucuHatasıMetni(ippGetStatusCode(y.get()),
                             metin ? QString::fromUtf8(ippGetString(metin, 0, nullptr)) : QString());
}

// No password is asked for but through a connection that is printing on the printer: a request that
// libcups would authenticate otherwise is refused.
const char* parolaYok(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

// A connection of the program's own to the server, with its time limit. It knows the printer it serves,
// so that a password is asked for that printer, and why a request got no answer.
class Bağlantı {
public:
    // `yazıcı` is the printer printed on; empty for a connection that must never ask for a password.
    explicit Bağlantı(QString yazıcı) : yazıcı_(std::move(yazıcı))
    {
        h_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, süre(), nullptr);
        if (h_) httpSetTimeout(h_, süre() / 1000.0, &Bağlantı::vazgeç, this);
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
        if (y && gönderilen < belge.size() && başarılı(y)) y.reset();  // taken for an answer to half a document
        if (!y || gönderilen < belge.size()) bozuk_ = true;
        return y;
    }

    // Why the last request got no answer.
    QString neden() const
    {
        if (sustu_) return SunucuYanıtVermediMetni;
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
    // While a request of this connection runs, libcups asks this connection for a password.
    class ParolaBağı {
    public:
        explicit ParolaBağı(Bağlantı* b) { cupsSetPasswordCB2(&Bağlantı::parolaVer, b); }
        ~ParolaBağı() { cupsSetPasswordCB2(&parolaYok, nullptr); }
    };

    // Ready for a request: a connection left broken or half-used by the request before is made anew.
    bool hazırlan()
    {
        sustu_ = false;
        parolaVerilmedi_ = false;
        parolaSayısı_ = 0;  // a password is wrong when the same request asks again
        if (!h_) return false;
        if (bozuk_) {
            if (httpReconnect2(h_, süre(), nullptr) != 0) return false;
            bozuk_ = false;
        }
        return true;
    }

    static int vazgeç(http_t*, void* b)
    {
        static_cast<Bağlantı*>(b)->sustu_ = true;
        return 0;  // not a moment longer
    }

    static const char* parolaVer(const char*, http_t*, const char*, const char*, void* veri)
    {
        auto* b = static_cast<Bağlantı*>(veri);
        std::optional<QString> parola;
        if (!b->yazıcı_.isEmpty()) parola = parolaSor({b->yazıcı_, QString::fromUtf8(cupsUser()), b->parolaSayısı_++ > 0});
        if (!parola) {
            b->parolaVerilmedi_ = true;
            return nullptr;
        }
        b->parola_ = parola->toUtf8();
        return b->parola_.constData();
    }

    QString yazıcı_;
    http_t* h_ = nullptr;
    bool sustu_ = false;
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

ipp_t* yeniİstek(ipp_op_t işlem, const Kuyruk& k)
{
    ipp_t* istek = ippNewRequest(işlem);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, k.adres);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
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

// Each queue's default paper, as the server lists it (one request for every queue).
QHash<QByteArray, QByteArray> varsayılanKağıtlar(Bağlantı& b)
{
    ipp_t* istek = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char* const nitelikler[] = {"printer-name", "media-default"};
    ippAddStrings(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, nitelikler);
    const Yanıt y = b.iste(istek, "/");
    QHash<QByteArray, QByteArray> kağıtlar;
    if (!başarılı(y)) return kağıtlar;
    QByteArray ad, kağıt;
    const auto ekle = [&] {
        if (!ad.isEmpty() && !kağıt.isEmpty()) kağıtlar.insert(ad, kağıt);
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
    return kağıtlar;
}

}  // namespace

QList<Yazıcı> sunucununYazıcıları()
{
    const Bekleme bekle;
    Bağlantı b{QString()};
    if (!b.bağlı()) return {};
    // A request that a printer's password guards is refused, not asked for.
    cupsSetPasswordCB2(&parolaYok, nullptr);
    cups_dest_t* hedefler = nullptr;
    const int sayı = cupsGetDests2(b.http(), &hedefler);
    QList<Yazıcı> liste;
    if (sayı <= 0 || b.sustu()) {
        cupsFreeDests(sayı, hedefler);
        return liste;
    }
    const QHash<QByteArray, QByteArray> kağıtlar = varsayılanKağıtlar(b);
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
        y.varsayılan = h.is_default;
        for (int j = 0; j < h.num_options; ++j) {
            const QByteArray ad(h.options[j].name);
            if (!yazıcınınNiteliğiMi(ad)) y.seçenekler.append({ad, QByteArray(h.options[j].value)});
        }
        liste.append(y);
    }
    cupsFreeDests(sayı, hedefler);
    return liste;
}

void yazıcıyıDenetle(const QString& ad)
{
    const Bekleme bekle;
    const Kuyruk k(ad);
    Bağlantı b(ad);
    if (!b.bağlı()) throw YazdırmaHatası(ad, b.neden());
    ipp_t* istek = yeniİstek(IPP_OP_GET_PRINTER_ATTRIBUTES, k);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    // Asked of the server's root, which no printer's password guards.
    const Yanıt y = b.iste(istek, "/");
    if (!y) throw YazdırmaHatası(ad, b.neden());
    if (!başarılı(y)) throw YazdırmaHatası(ad, redNedeni(y));
}

struct Sunucuİşi::Veri {
    explicit Veri(const QString& ad) : yazıcıAdı(ad), kuyruk(ad), bağlantı(ad) {}
    QString yazıcıAdı;
    Kuyruk kuyruk;
    Bağlantı bağlantı;
    int numara = 0;
    bool iptalEdildi = false;

    YazdırmaHatası hata(const Yanıt& y) const
    {
        return YazdırmaHatası(yazıcıAdı, y ? redNedeni(y) : bağlantı.neden());
    }
    ipp_t* işİsteği(ipp_op_t işlem) const
    {
        ipp_t* istek = yeniİstek(işlem, kuyruk);
        ippAddInteger(istek, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", numara);
        return istek;
    }
};

Sunucuİşi::Sunucuİşi(std::unique_ptr<Veri> veri) : d_(std::move(veri)) {}

Sunucuİşi::~Sunucuİşi() = default;

std::unique_ptr<Sunucuİşi> Sunucuİşi::hazırla(const Yazıcı& yazıcı, const QString& belgeAdı, QSizeF kağıt,
                                             const QByteArray& pdf)
{
    const Bekleme bekle;
    std::unique_ptr<Sunucuİşi> iş(new Sunucuİşi(std::make_unique<Veri>(yazıcı.ad)));
    Veri& d = *iş->d_;
    if (!d.bağlantı.bağlı()) throw YazdırmaHatası(yazıcı.ad, d.bağlantı.neden());
    const QByteArray ad = belgeAdı.toUtf8();

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
    ipp_t* istek = yeniİstek(IPP_OP_CREATE_JOB, d.kuyruk);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, ad.constData());
    cupsEncodeOptions2(istek, seçenekSayısı, seçenekler, IPP_TAG_OPERATION);
    cupsEncodeOptions2(istek, seçenekSayısı, seçenekler, IPP_TAG_JOB);
    cupsFreeOptions(seçenekSayısı, seçenekler);
    const Yanıt yapıldı = d.bağlantı.iste(istek, d.kuyruk.kaynak);
    if (!başarılı(yapıldı)) throw d.hata(yapıldı);
    d.numara = ippGetInteger(ippFindAttribute(yapıldı.get(), "job-id", IPP_TAG_INTEGER), 0);
    if (d.numara <= 0)
        throw YazdırmaHatası(yazıcı.ad, sunucuHatasıMetni(IPP_STATUS_ERROR_INTERNAL,
                                                          QStringLiteral("İşin numarası verilmedi.")));

    // The whole document into it, in one request.
    istek = d.işİsteği(IPP_OP_SEND_DOCUMENT);
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr, ad.constData());
    ippAddString(istek, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    ippAddBoolean(istek, IPP_TAG_OPERATION, "last-document", 1);
    const Yanıt alındı = d.bağlantı.belgeyleİste(istek, d.kuyruk.kaynak, pdf);
    if (!başarılı(alındı)) {
        const YazdırmaHatası hata = d.hata(alındı);
        iş->iptalEt();  // held, it would not print anyway; cancelled where the server still answers
        throw hata;
    }
    return iş;
}

void Sunucuİşi::serbestBırak()
{
    const Bekleme bekle;
    Veri& d = *d_;
    const Yanıt y = d.bağlantı.iste(d.işİsteği(IPP_OP_RELEASE_JOB), "/jobs/");
    if (başarılı(y)) return;
    // A server that answered the release late may have printed it: cancelled where it still answers, so
    // that the invoice the user is told to print again does not come out twice.
    const YazdırmaHatası hata = d.hata(y);
    iptalEt();
    throw hata;
}

bool Sunucuİşi::iptalEt()
{
    Veri& d = *d_;
    if (d.iptalEdildi) return true;
    const Bekleme bekle;
    d.iptalEdildi = başarılı(d.bağlantı.iste(d.işİsteği(IPP_OP_CANCEL_JOB), "/jobs/"));
    return d.iptalEdildi;
}

std::optional<QString> parolaSor(const ParolaSorusu& soru)
{
    if (parolaSorucusu()) return parolaSorucusu()(soru);
    return YazıcıParolasıFormu::sor(soru);
}

void parolaSorucusunuDeğiştir(std::function<std::optional<QString>(const ParolaSorusu&)> sorucu)
{
    parolaSorucusu() = std::move(sorucu);
}

void sunucuSüresiniDeğiştir(std::optional<int> ms) { sınamaSüresi = ms; }

}  // namespace yazdırma
