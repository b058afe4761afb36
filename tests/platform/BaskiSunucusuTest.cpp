// The tests' own print servers, driven by plain libcups calls: what a client sees of each misbehaviour of
// the limping server, and the private cupsd's password queue, queue deletion and saved options.
#include "support/AksakBaskiSunucusu.h"
#include "support/BaskiSunucusu.h"

#include <QTemporaryFile>

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Aksak = test::AksakBaskıSunucusu;
using D = Aksak::Davranış;

// A client that gives up on a server silent for `süre` s (a hang guard when long).
http_t* bağlan(const QString& adres, double süre)
{
    http_t* h = httpConnect2("127.0.0.1", adres.section(':', 1).toInt(), nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1,
                             5000, nullptr);
    if (h) httpSetTimeout(h, süre, [](http_t*, void*) { return 0; }, nullptr);
    return h;
}

ipp_t* istek(ipp_op_t işlem, int iş = 0)
{
    ipp_t* r = ippNewRequest(işlem);
    ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/printers/Aksak");
    if (iş) ippAddInteger(r, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", iş);
    ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return r;
}

// The status of the answer, or -1 when none came.
int durum(ipp_t* yanıt)
{
    const int s = yanıt ? ippGetStatusCode(yanıt) : -1;
    ippDelete(yanıt);
    return s;
}

// The job's number, 0 when none was made; `durum` the status of the answer (-1: none).
int işYap(http_t* h, bool tut = true, int* durum = nullptr)
{
    ipp_t* r = istek(IPP_OP_CREATE_JOB);
    ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, "Fatura");
    if (tut) ippAddString(r, IPP_TAG_JOB, IPP_TAG_KEYWORD, "job-hold-until", nullptr, "indefinite");
    ippAddString(r, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, "iso_a4_210x297mm");
    ippAddString(r, IPP_TAG_JOB, IPP_TAG_KEYWORD, "print-scaling", nullptr, "none");
    ipp_t* y = cupsDoRequest(h, r, "/printers/Aksak");
    const int no = y ? ippGetInteger(ippFindAttribute(y, "job-id", IPP_TAG_INTEGER), 0) : 0;
    if (durum) *durum = y ? ippGetStatusCode(y) : -1;
    ippDelete(y);
    return no;
}

const QByteArray Belge = QByteArray("%PDF-1.4 ").repeated(40000);  // several pieces, whatever way it goes

// Sends the document: in chunks (as cupsStartDocument does) or with a Content-Length (from a file).
int belgeGönder(http_t* h, int iş, bool parçalı = true)
{
    ipp_t* r = istek(IPP_OP_SEND_DOCUMENT, iş);
    ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    ippAddBoolean(r, IPP_TAG_OPERATION, "last-document", 1);
    if (!parçalı) {
        QTemporaryFile f;
        if (!f.open() || f.write(Belge) != Belge.size() || !f.flush()) return -2;
        return durum(cupsDoIORequest(h, r, "/printers/Aksak", f.handle(), -1));
    }
    if (cupsSendRequest(h, r, "/printers/Aksak", CUPS_LENGTH_VARIABLE) == HTTP_STATUS_CONTINUE)
        for (qsizetype i = 0; i < Belge.size(); i += 65536)
            if (cupsWriteRequestData(h, Belge.constData() + i, size_t(std::min<qsizetype>(65536, Belge.size() - i)))
                != HTTP_STATUS_CONTINUE)
                break;
    ippDelete(r);
    return durum(cupsGetResponse(h, "/printers/Aksak"));
}

// `no`: the number of the job made by Create-Job.
int işlem(http_t* h, ipp_op_t op, int iş, int* no = nullptr)
{
    int s = -1;
    if (op == IPP_OP_CREATE_JOB) {
        const int yapılan = işYap(h, true, &s);
        if (no) *no = yapılan;
    } else
        s = op == IPP_OP_SEND_DOCUMENT ? belgeGönder(h, iş) : durum(cupsDoRequest(h, istek(op, iş), "/printers/Aksak"));
    return s;
}

// A user who cancels every password asked for.
int parolaSorusu = 0;
const char* parolaYok(const char*, http_t*, const char*, const char*, void*)
{
    ++parolaSorusu;
    return nullptr;
}

// A user who answers each password asked for with the next of these (null: cancels), typing the name
// "kasiyer" with each password.
QList<const char*> verilecekParolalar;
const char* parolaVer(const char*, http_t*, const char*, const char*, void*)
{
    ++parolaSorusu;
    const char* p = verilecekParolalar.isEmpty() ? nullptr : verilecekParolalar.takeFirst();
    if (p) cupsSetUser("kasiyer");
    return p;
}

// An attribute of the job as a client reads it.
int işinSayısı(http_t* h, int iş, const char* ad)
{
    ipp_t* y = cupsDoRequest(h, istek(IPP_OP_GET_JOB_ATTRIBUTES, iş), "/");
    const int değer = y ? ippGetInteger(ippFindAttribute(y, ad, IPP_TAG_INTEGER), 0) : -1;
    ippDelete(y);
    return değer;
}

// The client's own port of the connection (libcups makes a new connection where it finds the old one
// closed); -1 when it has none.
int yerelKapı(http_t* h)
{
    sockaddr_in yer{};
    socklen_t uzunluk = sizeof yer;
    return ::getsockname(httpGetFd(h), reinterpret_cast<sockaddr*>(&yer), &uzunluk) == 0 ? ntohs(yer.sin_port) : -1;
}

// The server ended the connection: 1 when libcups has closed it on reading the end, or the end is read
// within `süre` ms; 0 otherwise.
int bağlantıBitti(http_t* h, int süre)
{
    if (httpGetFd(h) < 0) return 1;
    pollfd p{httpGetFd(h), POLLIN, 0};
    char c;
    return ::poll(&p, 1, süre) > 0 && ::recv(httpGetFd(h), &c, 1, MSG_PEEK | MSG_DONTWAIT) == 0 ? 1 : 0;
}

}  // namespace

// A sound server: the printer listed as the default on A4, a held job with what it asked for, its
// document taken whole (in chunks or by length), printed once released and then no longer cancellable;
// one connection serves every request. A job's size is counted as cupsd counts it (job-k-octets: each
// document rounded up to whole KiB). Told so, the printer has another default paper and the server no
// default printer; and a password is asked for as cupsd asks: libcups asks its callback and sends the
// request again, asks again after a wrong password, and fails once the callback gives none; the job is
// made by whoever gave the password, else by requesting-user-name.
TEST(AksakBaskıSunucusu, SağlamSunucuGibiYanıtlar)
{
    Aksak s;
    ASSERT_TRUE(s.hazır()) << s.hata().toStdString();
    http_t* h = bağlan(s.adres(), 30);
    cups_dest_t* hedefler = nullptr;
    const int sayı = cupsGetDests2(h, &hedefler);
    cups_dest_t* aksak = cupsGetDest("Aksak", nullptr, sayı, hedefler);
    ASSERT_NE(aksak, nullptr);
    EXPECT_TRUE(aksak->is_default);
    EXPECT_STREQ(cupsGetOption("printer-location", aksak->num_options, aksak->options), "Aksak yeri");
    cupsFreeDests(sayı, hedefler);
    EXPECT_EQ(cupsGetNamedDest(h, "Yok", nullptr), nullptr);
    EXPECT_EQ(cupsLastError(), IPP_STATUS_ERROR_NOT_FOUND);
    ipp_t* y = cupsDoRequest(h, istek(IPP_OP_GET_PRINTER_ATTRIBUTES), "/");
    ASSERT_NE(y, nullptr);
    EXPECT_STREQ(ippGetString(ippFindAttribute(y, "media-default", IPP_TAG_KEYWORD), 0, nullptr), "iso_a4_210x297mm");
    ippDelete(y);

    const int iş = işYap(h);
    ASSERT_EQ(iş, 1);
    EXPECT_EQ(s.işler()[0].durum, IPP_JSTATE_HELD);
    EXPECT_EQ(belgeGönder(h, iş), IPP_STATUS_OK);
    EXPECT_EQ(işlem(h, IPP_OP_RELEASE_JOB, iş), IPP_STATUS_OK);
    EXPECT_EQ(işlem(h, IPP_OP_CANCEL_JOB, iş), IPP_STATUS_ERROR_NOT_POSSIBLE);
    const int tutulmayan = işYap(h, false);
    EXPECT_EQ(belgeGönder(h, tutulmayan, false), IPP_STATUS_OK);
    const int iptal = işYap(h);
    EXPECT_EQ(işlem(h, IPP_OP_CANCEL_JOB, iptal), IPP_STATUS_OK);
    httpClose(h);

    const auto işler = s.işler();
    ASSERT_EQ(işler.size(), 3);
    EXPECT_EQ(işler[0].ad, "Fatura");
    EXPECT_EQ(işler[0].durum, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(işler[0].belge, Belge);
    EXPECT_TRUE(işler[0].belgeGeldi);
    EXPECT_EQ(işler[0].öznitelikler.value("media"), "iso_a4_210x297mm");
    EXPECT_EQ(işler[0].öznitelikler.value("print-scaling"), "none");
    EXPECT_EQ(işler[0].öznitelikler.value("job-hold-until"), "indefinite");
    EXPECT_EQ(işler[1].durum, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(işler[1].belge, Belge);
    EXPECT_EQ(işler[2].durum, IPP_JSTATE_CANCELED);
    const QString ben = QString::fromUtf8(cupsUser());
    EXPECT_EQ(işler[0].kullanıcı, ben);

    h = bağlan(s.adres(), 30);
    const int kBayt = int((Belge.size() + 1023) / 1024);  // 352
    EXPECT_EQ(işinSayısı(h, işler[0].numara, "job-k-octets"), kBayt);
    EXPECT_EQ(işinSayısı(h, işler[1].numara, "job-k-octets"), kBayt);
    EXPECT_EQ(işinSayısı(h, işler[2].numara, "job-k-octets"), 0);
    // Two documents of a byte each: a KiB each.
    const int ikiBelge = işYap(h);
    for (const int son : {0, 1}) {
        ASSERT_EQ(cupsStartDocument(h, "Aksak", ikiBelge, "Parça", CUPS_FORMAT_PDF, son), HTTP_STATUS_CONTINUE);
        EXPECT_EQ(cupsWriteRequestData(h, "%", 1), HTTP_STATUS_CONTINUE);
        EXPECT_EQ(cupsFinishDocument(h, "Aksak"), IPP_STATUS_OK);
    }
    EXPECT_EQ(işinSayısı(h, ikiBelge, "job-k-octets"), 2);
    EXPECT_EQ(s.işler().last().belge, "%%");
    EXPECT_EQ(s.işler().last().kOctets, 2);

    // Another default paper, and no default printer on the server.
    s.yazıcı({.varsayılanKağıt = "iso_a5_148x210mm", .varsayılan = false});
    y = cupsDoRequest(h, istek(IPP_OP_GET_PRINTER_ATTRIBUTES), "/");
    EXPECT_STREQ(ippGetString(ippFindAttribute(y, "media-default", IPP_TAG_KEYWORD), 0, nullptr), "iso_a5_148x210mm");
    EXPECT_TRUE(ippContainsString(ippFindAttribute(y, "media-supported", IPP_TAG_KEYWORD), "iso_a5_148x210mm"));
    ippDelete(y);
    EXPECT_EQ(durum(cupsDoRequest(h, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/")), IPP_STATUS_ERROR_NOT_FOUND);
    EXPECT_EQ(cupsGetNamedDest(h, nullptr, nullptr), nullptr);
    EXPECT_EQ(cupsLastError(), IPP_STATUS_ERROR_NOT_FOUND);
    int yazıcıSayısı = cupsGetDests2(h, &hedefler);
    ASSERT_EQ(yazıcıSayısı, 1);
    EXPECT_FALSE(hedefler[0].is_default);
    cupsFreeDests(yazıcıSayısı, hedefler);
    s.hepsiniYanıtla();
    cups_dest_t* varsayılan = cupsGetNamedDest(h, nullptr, nullptr);
    ASSERT_NE(varsayılan, nullptr);
    EXPECT_STREQ(varsayılan->name, "Aksak");
    cupsFreeDests(1, varsayılan);
    httpClose(h);

    // The password: the callback's answers in turn (null: none), who made the job (empty: none made),
    // the printers listed (on "/").
    struct Parolalı {
        Aksak::Parola parola;
        QList<const char*> verilen;
        QString yapan;
        int yazıcılar;
    };
    const QList<Parolalı> parolalılar = {
        {{.kullanıcı = "kasiyer", .parola = "gizli", .işlemler = {IPP_OP_CREATE_JOB}}, {"gizli"}, "kasiyer", 1},
        {{.kullanıcı = "kasiyer", .parola = "gizli", .yazıcınınAdresi = true}, {"yanlış", "", nullptr}, "", 1},
        {{.kullanıcı = "kasiyer", .parola = "gizli", .yazıcınınAdresi = true}, {nullptr}, "", 1},
        // Only the listing asks (for the default and for the printers); cancelled, it lists nothing.
        {{.kullanıcı = "kasiyer", .parola = "gizli", .kök = true}, {nullptr, nullptr}, ben, 0},
    };
    for (const Parolalı& p : parolalılar) {
        SCOPED_TRACE(&p - parolalılar.data());
        s.parolaİste(p.parola);
        cupsSetUser(nullptr);
        verilecekParolalar = p.verilen;
        parolaSorusu = 0;
        cupsSetPasswordCB2(parolaVer, nullptr);
        h = bağlan(s.adres(), 30);
        const auto önce = s.işler();
        int yapıldı = 0;
        const int no = işYap(h, true, &yapıldı);
        if (p.yapan.isEmpty()) {
            EXPECT_EQ(no, 0);
            EXPECT_EQ(yapıldı, -1);
            EXPECT_EQ(cupsLastError(), IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED);
            EXPECT_EQ(s.işler().size(), önce.size());
        } else {
            ASSERT_GT(no, 0);
            EXPECT_EQ(s.işler().last().kullanıcı, p.yapan);
            EXPECT_EQ(s.işler().last().öznitelikler.value("requesting-user-name"), ben);
        }
        yazıcıSayısı = cupsGetDests2(h, &hedefler);
        EXPECT_EQ(yazıcıSayısı, p.yazıcılar);
        cupsFreeDests(yazıcıSayısı, hedefler);
        EXPECT_EQ(parolaSorusu, p.verilen.size());
        httpClose(h);
    }
    cupsSetPasswordCB2(nullptr, nullptr);
    cupsSetUser(nullptr);
    parolaSorusu = 0;
}

// Each misbehaviour at each step after the job exists, as the client sees it: the refusal's status; no
// answer from a cut connection; no answer within the client's limit from a silent server, while a client
// without such a limit takes the late answer for success; a job made without its number said. A refusal
// or a cut changes nothing on the server, a silence does what the answer would say; a new connection is
// served meanwhile. Around the document's start: a refusal in HTTP's terms comes back from
// cupsSendRequest itself, an early IPP answer from cupsGetResponse; the job keeps only the bytes read
// before it, never as a whole document; a closed connection ends right after the answer, a kept one
// serves the next request once the request has ended. A client gone halfway through its document leaves
// the job as it was. The server ends at once, even in a silence.
TEST(AksakBaskıSunucusu, İşVarkenAksar)
{
    Aksak s;
    ASSERT_TRUE(s.hazır()) << s.hata().toStdString();
    for (const ipp_op_t op : {IPP_OP_CREATE_JOB, IPP_OP_SEND_DOCUMENT, IPP_OP_RELEASE_JOB, IPP_OP_CANCEL_JOB}) {
        for (const D d : {D::Reddet, D::Sus, D::BağlantıyıKes, D::NumarasızYanıtla}) {
            for (const double sınır : {0.5, 30.0}) {
                if (d != D::Sus && sınır > 1) continue;
                if (d == D::NumarasızYanıtla && op != IPP_OP_CREATE_JOB) continue;
                SCOPED_TRACE(std::string(ippOpString(op)) + " " + std::to_string(int(d)) + " " + std::to_string(sınır));
                s.hepsiniYanıtla();
                http_t* h = bağlan(s.adres(), sınır);
                // The job as the step finds it: held, and from Release-Job on with its document.
                const int iş = op == IPP_OP_CREATE_JOB ? 0 : işYap(h);
                if (op == IPP_OP_RELEASE_JOB || op == IPP_OP_CANCEL_JOB) {
                    ASSERT_EQ(belgeGönder(h, iş), IPP_STATUS_OK);
                }
                const auto önce = s.işler();
                s.davranış(op, d, IPP_STATUS_ERROR_NOT_POSSIBLE, 1000, 100000);
                int kanca = 0;
                s.gelince([&](ipp_op_t o) { kanca += o == op; });

                int yapılan = -1;
                const int sonuç = işlem(h, op, iş, &yapılan);
                httpClose(h);
                s.gelince(nullptr);
                EXPECT_EQ(kanca, 1);
                EXPECT_EQ(sonuç, d == D::Reddet ? IPP_STATUS_ERROR_NOT_POSSIBLE
                                 : d == D::Sus && sınır > 1 ? IPP_STATUS_OK
                                 : d == D::NumarasızYanıtla ? IPP_STATUS_OK
                                                            : -1);
                const auto sonra = s.işler();
                if (d == D::NumarasızYanıtla) {
                    EXPECT_EQ(yapılan, 0);
                    ASSERT_EQ(sonra.size(), önce.size() + 1);
                    EXPECT_EQ(sonra.last().durum, IPP_JSTATE_HELD);
                } else if (d != D::Sus) {
                    ASSERT_EQ(sonra.size(), önce.size());
                    if (önce.isEmpty()) continue;
                    EXPECT_EQ(sonra.last().durum, önce.last().durum);
                    EXPECT_EQ(sonra.last().belgeGeldi, önce.last().belgeGeldi);
                } else if (op == IPP_OP_CREATE_JOB) {
                    EXPECT_EQ(sonra.size(), önce.size() + 1);
                } else {
                    EXPECT_EQ(sonra.last().durum, op == IPP_OP_RELEASE_JOB  ? IPP_JSTATE_COMPLETED
                                                  : op == IPP_OP_CANCEL_JOB ? IPP_JSTATE_CANCELED
                                                                            : IPP_JSTATE_HELD);
                    EXPECT_EQ(sonra.last().belge, Belge);
                }
                // Served on a new connection, even while the old one is silent.
                s.hepsiniYanıtla();
                http_t* yeni = bağlan(s.adres(), 30);
                EXPECT_EQ(işlem(yeni, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);
                httpClose(yeni);
            }
        }
    }
    EXPECT_EQ(s.işlemler().count(IPP_OP_CANCEL_JOB), 4);  // the refused, cut and silent ones too

    // Around the document's start, sent by length (as the program sends it) or in chunks: what
    // cupsSendRequest gives, the answer's status (-1: none), the bytes the job keeps.
    struct Başında {
        D davranış;
        Aksak::Ayar ayar;
        bool parçalı;
        http_status_t gönderme;
        int yanıt;
        qsizetype kalan;
    };
    const auto biçimsiz = IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED;
    const QList<Başında> başında = {
        {D::HttpİleReddet, {.http = HTTP_STATUS_REQUEST_TOO_LARGE}, false, HTTP_STATUS_REQUEST_TOO_LARGE, -1, 0},
        {D::HttpİleReddet, {.http = HTTP_STATUS_FORBIDDEN, .kapat = true}, true, HTTP_STATUS_FORBIDDEN, -1, 0},
        {D::ErkenYanıtla, {}, false, HTTP_STATUS_OK, IPP_STATUS_OK, 0},
        {D::ErkenYanıtla, {.kapat = true}, true, HTTP_STATUS_OK, IPP_STATUS_OK, 0},
        {D::ErkenYanıtla, {.kesmeBaytı = 100000}, true, HTTP_STATUS_CONTINUE, IPP_STATUS_OK, 100000},
        {D::ErkenYanıtla, {.kesmeBaytı = 100000, .kapat = true}, false, HTTP_STATUS_CONTINUE, IPP_STATUS_OK, 100000},
        {D::ErkenReddet, {.durum = biçimsiz}, true, HTTP_STATUS_OK, biçimsiz, 0},
        {D::ErkenReddet, {.durum = biçimsiz, .kesmeBaytı = 100000, .kapat = true}, false, HTTP_STATUS_CONTINUE, biçimsiz, 0},
    };
    for (const Başında& b : başında) {
        SCOPED_TRACE(testing::Message() << int(b.davranış) << " " << b.ayar.kesmeBaytı << " " << b.ayar.kapat << " "
                                        << b.parçalı);
        s.hepsiniYanıtla();
        http_t* h = bağlan(s.adres(), 30);
        const int iş = işYap(h);
        s.davranış(IPP_OP_SEND_DOCUMENT, b.davranış, b.ayar);
        int kanca = 0;
        s.gelince([&](ipp_op_t) { ++kanca; });
        ipp_t* r = istek(IPP_OP_SEND_DOCUMENT, iş);
        ippAddString(r, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
        ippAddBoolean(r, IPP_TAG_OPERATION, "last-document", 1);
        const http_status_t gönderme = cupsSendRequest(h, r, "/printers/Aksak",
                                                       b.parçalı ? CUPS_LENGTH_VARIABLE : ippLength(r) + size_t(Belge.size()));
        ippDelete(r);
        http_status_t yazma = gönderme;
        for (qsizetype i = 0; yazma == HTTP_STATUS_CONTINUE && i < Belge.size(); i += 65536)
            yazma = cupsWriteRequestData(h, Belge.constData() + i, size_t(std::min<qsizetype>(65536, Belge.size() - i)));
        EXPECT_EQ(gönderme, b.gönderme);
        // An early answer stops the sending wherever the client notices it.
        EXPECT_TRUE(yazma == HTTP_STATUS_CONTINUE || yazma == b.gönderme || yazma == HTTP_STATUS_OK) << yazma;
        EXPECT_EQ(durum(cupsGetResponse(h, "/printers/Aksak")), b.yanıt);
        s.gelince(nullptr);
        EXPECT_EQ(kanca, 1);
        // A kept connection serves the next request once the request has ended, as a chunked one can (a
        // client that stopped sending by length never ends it, and libcups may give the connection up).
        if (b.ayar.kapat) {
            EXPECT_EQ(bağlantıBitti(h, 10000), 1);
        } else if (b.parçalı) {
            const int kapı = yerelKapı(h);
            EXPECT_EQ(işlem(h, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);
            EXPECT_EQ(yerelKapı(h), kapı);
        }
        httpClose(h);

        const Aksak::İş sonra = s.işler().last();
        EXPECT_EQ(sonra.numara, iş);
        EXPECT_EQ(sonra.durum, IPP_JSTATE_HELD);
        EXPECT_EQ(sonra.belge, Belge.left(b.kalan));
        EXPECT_FALSE(sonra.belgeGeldi);
        http_t* yeni = bağlan(s.adres(), 30);
        EXPECT_EQ(işinSayısı(yeni, iş, "job-k-octets"), (b.kalan + 1023) / 1024);
        httpClose(yeni);
    }

    // A client gone halfway through its document: nothing of it is taken.
    {
        s.hepsiniYanıtla();
        http_t* h = bağlan(s.adres(), 30);
        const int yarım = işYap(h);
        ipp_t* r = istek(IPP_OP_SEND_DOCUMENT, yarım);
        ippAddBoolean(r, IPP_TAG_OPERATION, "last-document", 1);
        ASSERT_EQ(cupsSendRequest(h, r, "/printers/Aksak", ippLength(r) + size_t(Belge.size())), HTTP_STATUS_CONTINUE);
        ippDelete(r);
        EXPECT_EQ(cupsWriteRequestData(h, Belge.constData(), 100000), HTTP_STATUS_CONTINUE);
        ::shutdown(httpGetFd(h), SHUT_WR);
        EXPECT_EQ(bağlantıBitti(h, 10000), 1);
        httpClose(h);
        EXPECT_EQ(s.işler().last().numara, yarım);
        EXPECT_TRUE(s.işler().last().belge.isEmpty());
        EXPECT_FALSE(s.işler().last().belgeGeldi);
    }

    // The server ends at once, even while a request waits in a long silence.
    s.davranış(IPP_OP_CREATE_JOB, D::Sus, IPP_STATUS_OK, 600000);
    http_t* h = bağlan(s.adres(), 0.5);
    EXPECT_EQ(işYap(h), 0);
    httpClose(h);
}

// Told so, only one request of an operation misbehaves (the second one, here), the others are answered
// soundly. Told from within a request, the server takes no new connection, as an overloaded host: a
// client's connect is neither taken nor refused, while the connection it has serves on; until every
// operation is answered again. It ends at once meanwhile.
TEST(AksakBaskıSunucusu, SıradakiAksarYeniBağlantıAlınmaz)
{
    Aksak s;
    ASSERT_TRUE(s.hazır()) << s.hata().toStdString();
    Aksak::Ayar ikinci;
    ikinci.durum = IPP_STATUS_ERROR_NOT_POSSIBLE;
    ikinci.sıra = 2;
    s.davranış(IPP_OP_GET_JOBS, D::Reddet, ikinci);
    http_t* h = bağlan(s.adres(), 30);
    s.gelince([&](ipp_op_t) { s.yeniBağlantıAlma(); });
    EXPECT_EQ(işlem(h, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);
    s.gelince(nullptr);
    EXPECT_EQ(işlem(h, IPP_OP_GET_JOBS, 0), IPP_STATUS_ERROR_NOT_POSSIBLE);
    EXPECT_EQ(işlem(h, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);

    const auto bağlanıyor = [&] {
        sockaddr_in yer{};
        yer.sin_family = AF_INET;
        yer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        yer.sin_port = htons(quint16(s.adres().section(':', 1).toUInt()));
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(fd, reinterpret_cast<sockaddr*>(&yer), sizeof yer);
        pollfd p{fd, POLLOUT, 0};
        const int olay = ::poll(&p, 1, 500);  // 0: still connecting, neither taken nor refused
        ::close(fd);
        return olay == 0;
    };
    EXPECT_TRUE(bağlanıyor());
    EXPECT_EQ(işlem(h, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);
    s.hepsiniYanıtla();
    EXPECT_FALSE(bağlanıyor());
    http_t* yeni = bağlan(s.adres(), 30);
    ASSERT_NE(yeni, nullptr);
    EXPECT_EQ(işlem(yeni, IPP_OP_GET_JOBS, 0), IPP_STATUS_OK);
    httpClose(yeni);
    httpClose(h);
    s.yeniBağlantıAlma();
    EXPECT_TRUE(bağlanıyor());
}

// The private cupsd: "Kabul" its default printer, which libcups's list marks as the default only while
// no options are saved for it (the default itself, asked for by no name, stays "Kabul"); a queue whose
// address wants a password, while the list of queues does not; a queue deleted; the saved options of a printer instance read from the test program's own file; the
// attributes of a job; a stopped, then continued, then closed server.
TEST(BaskıSunucusu, ParolaSilmeSeçenekler)
{
    test::BaskıSunucusu s;
    ASSERT_TRUE(s.hazır()) << s.hata().toStdString();
    cupsSetPasswordCB2(parolaYok, nullptr);
    ASSERT_TRUE(test::kayıtlıSeçenekleriYaz("Dest Kabul/ozel copies=3\n"));
    http_t* h = bağlan(s.adres(), 10);
    cups_dest_t* hedefler = nullptr;
    int sayı = cupsGetDests2(h, &hedefler);
    for (const char* ad : {"Kabul", "Durmuş", "Red", "Yasak", "Parola", "Korumalı", "Silinecek"}) {
        const cups_dest_t* hedef = cupsGetDest(ad, nullptr, sayı, hedefler);
        ASSERT_NE(hedef, nullptr) << ad;
        EXPECT_FALSE(hedef->is_default) << ad;
    }
    cups_dest_t* varsayılan = cupsGetNamedDest(h, nullptr, nullptr);
    ASSERT_NE(varsayılan, nullptr);
    EXPECT_STREQ(varsayılan->name, "Kabul");
    cupsFreeDests(1, varsayılan);
    cups_dest_t* özel = cupsGetDest("Kabul", "ozel", sayı, hedefler);
    ASSERT_NE(özel, nullptr);
    EXPECT_STREQ(cupsGetOption("copies", özel->num_options, özel->options), "3");
    cupsFreeDests(sayı, hedefler);
    EXPECT_EQ(parolaSorusu, 0);
    EXPECT_EQ(cupsCreateJob(h, "Korumalı", "Gizli", 0, nullptr), 0);
    EXPECT_GT(parolaSorusu, 0);
    cupsSetPasswordCB2(nullptr, nullptr);

    test::kayıtlıSeçenekleriSil();
    sayı = cupsGetDests2(h, &hedefler);
    EXPECT_EQ(cupsGetDest("Kabul", "ozel", sayı, hedefler), nullptr);
    ASSERT_NE(cupsGetDest("Kabul", nullptr, sayı, hedefler), nullptr);
    EXPECT_TRUE(cupsGetDest("Kabul", nullptr, sayı, hedefler)->is_default);
    cupsFreeDests(sayı, hedefler);

    EXPECT_TRUE(s.kuyruğuSil("Silinecek"));
    EXPECT_EQ(cupsGetNamedDest(h, "Silinecek", nullptr), nullptr);
    EXPECT_FALSE(s.kuyruğuSil("Silinecek"));

    cups_option_t* seçenekler = nullptr;
    int seçenekSayısı = cupsAddOption("copies", "2", 0, &seçenekler);
    seçenekSayısı = cupsAddOption("job-hold-until", "indefinite", seçenekSayısı, &seçenekler);
    const int iş = cupsCreateJob(h, "Kabul", "Tutulan", seçenekSayısı, seçenekler);
    cupsFreeOptions(seçenekSayısı, seçenekler);
    ASSERT_GT(iş, 0);
    EXPECT_EQ(s.öznitelik(iş, "copies"), "2");
    EXPECT_EQ(s.öznitelik(iş, "job-hold-until"), "indefinite");
    cupsCancelJob2(h, "Kabul", iş, 0);
    httpClose(h);

    // Stopped, it takes the connection but answers nothing until it goes on.
    s.durdur();
    h = bağlan(s.adres(), 0.5);
    EXPECT_EQ(durum(cupsDoRequest(h, istek(IPP_OP_GET_PRINTER_ATTRIBUTES), "/")), -1);
    httpClose(h);
    s.sürdür();
    h = bağlan(s.adres(), 10);
    EXPECT_EQ(durum(cupsDoRequest(h, istek(IPP_OP_GET_PRINTER_ATTRIBUTES), "/")), IPP_STATUS_ERROR_NOT_FOUND);
    httpClose(h);
    s.kapat();
    EXPECT_EQ(bağlan(s.adres(), 1), nullptr);
}
