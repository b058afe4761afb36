// The tests' own print servers, driven by plain libcups calls: what a client sees of each misbehaviour of
// the limping server, and the private cupsd's password queue, queue deletion and saved options.
#include "support/AksakBaskiSunucusu.h"
#include "support/BaskiSunucusu.h"

#include <QTemporaryFile>

#include <cups/cups.h>

#include <gtest/gtest.h>

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

int işlem(http_t* h, ipp_op_t op, int iş)
{
    int s = -1;
    if (op == IPP_OP_CREATE_JOB)
        işYap(h, true, &s);
    else
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

}  // namespace

// A sound server: the printer listed as the default on A4, a held job with what it asked for, its
// document taken whole (in chunks or by length), printed once released and then no longer cancellable;
// one connection serves every request.
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
}

// Each misbehaviour at each step after the job exists, as the client sees it: the refusal's status; no
// answer from a cut connection; no answer within the client's limit from a silent server, while a client
// without such a limit takes the late answer for success. A refusal or a cut changes nothing on the
// server, a silence does what the answer would say; a new connection is served meanwhile. The server ends
// at once, even in a silence.
TEST(AksakBaskıSunucusu, İşVarkenAksar)
{
    Aksak s;
    ASSERT_TRUE(s.hazır()) << s.hata().toStdString();
    for (const ipp_op_t op : {IPP_OP_CREATE_JOB, IPP_OP_SEND_DOCUMENT, IPP_OP_RELEASE_JOB, IPP_OP_CANCEL_JOB}) {
        for (const D d : {D::Reddet, D::Sus, D::BağlantıyıKes}) {
            for (const double sınır : {0.5, 30.0}) {
                if (d != D::Sus && sınır > 1) continue;
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

                const int sonuç = işlem(h, op, iş);
                httpClose(h);
                s.gelince(nullptr);
                EXPECT_EQ(kanca, 1);
                EXPECT_EQ(sonuç, d == D::Reddet ? IPP_STATUS_ERROR_NOT_POSSIBLE
                                 : d == D::Sus && sınır > 1 ? IPP_STATUS_OK
                                                            : -1);
                const auto sonra = s.işler();
                if (d != D::Sus) {
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

    // The server ends at once, even while a request waits in a long silence.
    s.davranış(IPP_OP_CREATE_JOB, D::Sus, IPP_STATUS_OK, 600000);
    http_t* h = bağlan(s.adres(), 0.5);
    EXPECT_EQ(işYap(h), 0);
    httpClose(h);
}

// The private cupsd: a queue whose address wants a password, while the list of queues does not; a
// queue deleted; the saved options of a printer instance read from the test program's own file; the
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
    for (const char* ad : {"Kabul", "Durmuş", "Red", "Yasak", "Parola", "Korumalı", "Silinecek"})
        EXPECT_NE(cupsGetDest(ad, nullptr, sayı, hedefler), nullptr) << ad;
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
