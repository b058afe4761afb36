#include "platform/YazdirmaSunucusu.h"

#include "platform/YaziciYuzeyi.h"

#include <QFile>

#include <cups/cups.h>

#include <cerrno>
#include <optional>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace yazdırma {

namespace {

// How long a connection to the server may take to be made (ms), and how long the server may stay silent
// while a request waits for its answer (s).
constexpr int BağlanmaSüresi = 30000;
constexpr double YanıtSüresi = 30;
// The pieces the document is sent in.
constexpr size_t ParçaBoyu = 64 * 1024;

YazdırmaHatası gönderilemedi(const QString& yazıcıAdı, const QString& neden)
{
    return YazdırmaHatası(gönderilemediMetni(yazıcıAdı, neden));
}

// The document's own file could not be read.
YazdırmaHatası okunamadı(const QString& yazıcıAdı, int sistemHatası)
{
    return gönderilemedi(yazıcıAdı, QStringLiteral("Belgenin dosyası okunamadı: %1")
                                        .arg(QString::fromLocal8Bit(std::strerror(sistemHatası))));
}

YazdırmaHatası ulaşılamıyor(const QString& yazıcıAdı)
{
    return gönderilemedi(yazıcıAdı, sunucuHatasıMetni(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, {}));
}

// The failure the server told of in its answer to the last request.
YazdırmaHatası sunucuHatası(const QString& yazıcıAdı)
{
    return gönderilemedi(yazıcıAdı, sunucuHatasıMetni(cupsLastError(), QString::fromUtf8(cupsLastErrorString())));
}

// A server that stays silent longer than YanıtSüresi is given up.
int vazgeç(http_t*, void*) { return 0; }

http_t* bağlan()
{
    http_t* h = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, BağlanmaSüresi, nullptr);
    if (h) httpSetTimeout(h, YanıtSüresi, vazgeç, nullptr);
    return h;
}

}  // namespace

struct Sunucuİşi::Veri {
    QString yazıcıAdı;
    QByteArray belgeAdı;
    QByteArray kuyruk;  // the server's queue: the printer's name without its instance
    http_t* bağlantı = nullptr;
    int numara = 0;
    bool iptalEdildi = false;

    ~Veri()
    {
        if (bağlantı) httpClose(bağlantı);
    }
    // A request broken off half-way leaves the connection unusable: a new one for the next request.
    void yenidenBağlan()
    {
        if (bağlantı) httpClose(bağlantı);
        bağlantı = bağlan();
    }
};

Sunucuİşi::Sunucuİşi(std::unique_ptr<Veri> veri) : d_(std::move(veri)) {}

Sunucuİşi::~Sunucuİşi() = default;

int Sunucuİşi::numara() const { return d_->numara; }

std::unique_ptr<Sunucuİşi> Sunucuİşi::oluştur(const QString& yazıcıAdı, const QString& belgeAdı, QSizeF kağıt)
{
    auto v = std::make_unique<Veri>();
    v->yazıcıAdı = yazıcıAdı;
    v->belgeAdı = belgeAdı.toUtf8();
    const QByteArray ad = yazıcıAdı.toUtf8();
    const qsizetype bölü = ad.indexOf('/');
    v->kuyruk = bölü < 0 ? ad : ad.left(bölü);
    const QByteArray örnek = bölü < 0 ? QByteArray() : ad.mid(bölü + 1);

    v->bağlantı = bağlan();
    if (!v->bağlantı) throw ulaşılamıyor(yazıcıAdı);
    // Asked first, so that a printer the server does not know is told of as such.
    cups_dest_t* hedef = cupsGetNamedDest(v->bağlantı, v->kuyruk.constData(), örnek.isEmpty() ? nullptr : örnek.constData());
    if (!hedef) throw sunucuHatası(yazıcıAdı);
    cupsFreeDests(1, hedef);

    cups_option_t* seçenekler = nullptr;
    int seçenekSayısı = 0;
    if (const pwg_media_t* m = pwgMediaForSize(qRound(kağıt.width() * 100), qRound(kağıt.height() * 100)))
        seçenekSayısı = cupsAddOption("media", m->pwg, seçenekSayısı, &seçenekler);
    seçenekSayısı = cupsAddOption("print-scaling", "none", seçenekSayısı, &seçenekler);
    // Where the server wants a password, it is asked for here.
    v->numara = cupsCreateJob(v->bağlantı, v->kuyruk.constData(), v->belgeAdı.constData(), seçenekSayısı, seçenekler);
    cupsFreeOptions(seçenekSayısı, seçenekler);
    if (v->numara == 0) throw sunucuHatası(yazıcıAdı);
    return std::unique_ptr<Sunucuİşi>(new Sunucuİşi(std::move(v)));
}

void Sunucuİşi::gönder(const QString& pdfDosyası)
{
    Veri& d = *d_;
    if (!d.bağlantı) d.yenidenBağlan();
    if (!d.bağlantı) throw ulaşılamıyor(d.yazıcıAdı);
    const int fd = ::open(QFile::encodeName(pdfDosyası).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const YazdırmaHatası hata = okunamadı(d.yazıcıAdı, errno);
        iptalEt();
        throw hata;
    }
    if (cupsStartDocument(d.bağlantı, d.kuyruk.constData(), d.numara, d.belgeAdı.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE) {
        ::close(fd);
        const YazdırmaHatası hata = sunucuHatası(d.yazıcıAdı);
        d.yenidenBağlan();
        iptalEt();
        throw hata;
    }
    std::unique_ptr<char[]> tampon(new char[ParçaBoyu]);
    int okumaHatası = 0;
    bool yazıldı = true;
    for (;;) {
        const ssize_t n = ::read(fd, tampon.get(), ParçaBoyu);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) okumaHatası = errno;
        if (n <= 0) break;
        if (cupsWriteRequestData(d.bağlantı, tampon.get(), size_t(n)) != HTTP_STATUS_CONTINUE) {
            yazıldı = false;
            break;
        }
    }
    ::close(fd);
    // A document that did not go whole is not finished: its request is broken off with the connection, so
    // that no part of it prints, and the job is cancelled. Finished, it went out only if the server says so.
    std::optional<YazdırmaHatası> hata;
    if (okumaHatası)
        hata = okunamadı(d.yazıcıAdı, okumaHatası);
    else if (!yazıldı || cupsFinishDocument(d.bağlantı, d.kuyruk.constData()) > IPP_STATUS_OK_CONFLICTING)
        hata = sunucuHatası(d.yazıcıAdı);
    if (hata) {
        d.yenidenBağlan();
        iptalEt();
        throw *hata;
    }
}

bool Sunucuİşi::iptalEt()
{
    Veri& d = *d_;
    if (d.iptalEdildi) return true;
    if (!d.bağlantı) d.yenidenBağlan();
    if (!d.bağlantı) return false;
    d.iptalEdildi = cupsCancelJob2(d.bağlantı, d.kuyruk.constData(), d.numara, 0) == IPP_STATUS_OK;
    return d.iptalEdildi;
}

QString gönderilemediMetni(const QString& yazıcıAdı, const QString& neden)
{
    return QStringLiteral("Belge yazıcıya gönderilemedi: %1\n\n%2").arg(yazıcıAdı, neden);
}

QString sunucuHatasıMetni(int durum, const QString& sunucununMetni)
{
    switch (durum) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
    case IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED: return QStringLiteral("Yazıcı şu anda iş kabul etmiyor.");
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_GONE: return QStringLiteral("Yazıcı, yazdırma sunucusunda bulunamadı.");
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

}  // namespace yazdırma
