#pragma once
// A print server that limps: a small IPP server of the tests' own on a free local port, with one printer,
// "Aksak" (A4, location "Aksak yeri", accepting, idle, the default), that can be told to refuse, to stay
// silent or to cut the connection at any operation (or at one request of it), and to take no new
// connection, so that tests see what the program does when a server misbehaves after the job exists.
// While it lives, it is the program's print server on the thread that made it (libcups keeps the server
// per thread).
//
// It answers CUPS-Get-Printers, CUPS-Get-Default, Get-Printer-Attributes, Create-Job (the job held when
// job-hold-until=indefinite is asked), Send-Document, Release-Job (the job then counts as printed: there
// is no paper), Cancel-Job (not for a printed job), Get-Jobs and Get-Job-Attributes; anything else with
// server-error-operation-not-supported. A job's attributes are job-id, job-uri, job-printer-uri, job-name,
// job-state, job-state-reasons, job-originating-user-name, job-k-octets and time-at-processing (no value until
// the job begins printing). As a real server, it answers only the attributes asked for (requested-attributes,
// with the group names "all", "job-description", "job-template", "job-status", "printer-description" and
// "printer-defaults"; Get-Jobs without it gives job-id and job-uri, Create-Job and Send-Document give job-id,
// job-uri, job-state and job-state-reasons). Each connection is served on a thread of its own, so that a new
// connection is answered while another one waits in a silence.
//
// When told (parolaİste), it asks for a password as cupsd does: HTTP 401 with `WWW-Authenticate: Basic
// realm="CUPS"`, on which libcups asks its password callback and sends the request again.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <cups/ipp.h>

#include <functional>
#include <memory>

namespace test {

class AksakBaskıSunucusu {
public:
    enum class Davranış {
        Yanıtla,        // answers as a sound server would
        Reddet,         // answers with the given status, and does nothing
        Sus,            // reads the whole request (document included), does what Yanıtla would, stays silent
                        // for `süreMs` and then gives Yanıtla's answer: a client with no limit of its own takes
                        // it for success. The client sees the whole silence: "100 Continue" comes at once.
        BağlantıyıKes,  // closes the connection without an answer (not even "100 Continue") and does nothing;
                        // Send-Document after "100 Continue" and `kesmeBaytı` bytes of the document (0: right
                        // after its IPP header, without "100 Continue")
        // The three below answer before the request is read whole, and then close the connection when
        // `Ayar::kapat`, else keep it. Either way the rest of the request, as its length or its chunks say,
        // is read and dropped after the answer, as HTTP asks of a server that answers early. Closed: the
        // server's side ends right after the answer (so that no reset destroys the answer before the client
        // reads it), the rest when the request or the client does. Kept: once the request has ended, the
        // next request on the connection is served; an IPP answer to a chunked request goes in chunks, ended
        // with the request, while after a refusal in HTTP's terms a chunked request ends the connection.
        // A client that was refused "100 Continue" and stopped sending by length never ends its request:
        // its connection is of no more use (libcups makes a new one after a refusal in HTTP's terms).
        HttpİleReddet,  // refuses in HTTP's terms with `Ayar::http` (413 Request Entity Too Large, 403
                        // Forbidden...) right after the request's IPP header, before "100 Continue", reading
                        // none of the document; does nothing
        ErkenYanıtla,   // gives Yanıtla's answer after `kesmeBaytı` bytes of the document (0: right after the
                        // request's IPP header, before "100 Continue"; any operation without a document: 0),
                        // reading none of the rest: a job takes only the bytes read, as a document not whole
                        // (belgeGeldi false, job-k-octets counting those bytes)
        ErkenReddet,    // answers with `Ayar::durum` where ErkenYanıtla would answer, and does nothing
        NumarasızYanıtla,  // does and answers what Yanıtla would, without the job-id attribute (job-uri stays):
                           // Create-Job makes the job and does not say its number
        Parçalı,  // does what Yanıtla would and gives its answer in pieces, as a slow server or a proxy does:
                  // "100 Continue" at once, then the status line, the headers and the body each after
                  // `Ayar::araMs` (the body after `Ayar::gövdeMs` when given: a body that stalls after its
                  // headers); then closes the connection ("Connection: close")
        Damla,    // as Parçalı, but the whole answer trickles a byte at a time, each after `Ayar::araMs`
        EksikTut,  // Send-Document: reads the whole document and answers as Yanıtla would, but the job keeps
                   // only the whole KiB before its last byte, as a server that lost the document's end
                   // (job-k-octets one short)
    };

    // The settings of a behaviour; each one used only by the behaviours named.
    struct Ayar {
        ipp_status_t durum = IPP_STATUS_ERROR_INTERNAL;     // Reddet, ErkenReddet: the status answered
        int süreMs = 10000;                                  // Sus
        qint64 kesmeBaytı = 0;                               // BağlantıyıKes, ErkenYanıtla, ErkenReddet
        http_status_t http = HTTP_STATUS_REQUEST_TOO_LARGE;  // HttpİleReddet
        bool kapat = false;  // HttpİleReddet, ErkenYanıtla, ErkenReddet: the connection closed after the answer
        int araMs = 150;     // Parçalı, Damla
        int gövdeMs = -1;    // Parçalı: how long the body waits after the headers (-1: araMs)
        bool sıfırla = false;  // BağlantıyıKes: the connection reset (RST) rather than closed
        int sıra = 0;  // every behaviour: only the request of the operation with this number meets it (1: the
                       // first one since davranış() set it), the others are answered as Yanıtla would; 0:
                       // every request
    };

    // Who must give a password (HTTP Basic), for which requests: those of `işlemler` wherever they are
    // sent, every request sent to the printer's own address "/printers/Aksak" (yazıcınınAdresi), every
    // request sent to the server's root "/" (kök). Only `kullanıcı` with `parola` is let in; a request
    // without them is answered HTTP 401 (the connection kept, as HttpİleReddet does) and does nothing.
    struct Parola {
        QString kullanıcı = {};
        QString parola = {};
        QList<ipp_op_t> işlemler = {};
        bool yazıcınınAdresi = false;
        bool kök = false;
    };

    // How the printer lists itself.
    struct YazıcıAyarı {
        QByteArray varsayılanKağıt = "iso_a4_210x297mm";  // media-default (and among media-supported)
        bool varsayılan = true;  // the server's default: CUPS-Get-Default gives it; false: CUPS-Get-Default
                                 // answers client-error-not-found, and its printer-type has no default bit
        int salınanİş = IPP_JSTATE_COMPLETED;  // the state a job with its document takes when released:
                                               // printed at once, or still printing (processing)...; a job
                                               // that goes processing, stopped or printed has begun
                                               // (time-at-processing, else no value)
        bool geçmişYok = false;  // keeps no job history: a job over (printed, cancelled, aborted) is forgotten,
                                 // and every request about it answered client-error-not-found
    };

    // What the server saw of a job.
    struct İş {
        int numara = 0;
        QString ad;                           // job-name
        int durum = 0;                        // ipp_jstate_t: 3 pending, 4 held, 7 cancelled, 9 printed
        QString kullanıcı;                    // who made it: the user that gave the password, else
                                              // requesting-user-name (job-originating-user-name)
        QByteArray belge;                     // every document the server took into it, one after the other
        bool belgeGeldi = false;              // the last document taken whole
        int kOctets = 0;                      // job-k-octets: each document's bytes taken, rounded up to
                                              // whole KiB ((bytes + 1023) / 1024), added up, as cupsd counts
        bool başladı = false;                 // it went processing once (time-at-processing is set)
        QMap<QString, QString> öznitelikler;  // Create-Job's attributes as text ("media", "copies",
                                              // "job-hold-until"...), with Send-Document's "document-format"
    };

    // Starts listening; hazır() tells whether it did, hata() why not.
    AksakBaskıSunucusu();
    // Stops at once, even in a silence: every connection is closed and nothing is answered any more.
    ~AksakBaskıSunucusu();
    AksakBaskıSunucusu(const AksakBaskıSunucusu&) = delete;
    AksakBaskıSunucusu& operator=(const AksakBaskıSunucusu&) = delete;

    bool hazır() const;
    QString hata() const;
    // "127.0.0.1:port"
    QString adres() const;

    // How the server meets every later request of the operation `işlem`.
    void davranış(ipp_op_t işlem, Davranış d, ipp_status_t durum = IPP_STATUS_ERROR_INTERNAL, int süreMs = 10000,
                  qint64 kesmeBaytı = 0);
    void davranış(ipp_op_t işlem, Davranış d, const Ayar& ayar);
    // From now on the password is asked for as `p` says; parolaİste({}): asked for no more.
    void parolaİste(const Parola& p);
    // The printer from now on as `y` says.
    void yazıcı(const YazıcıAyarı& y);
    // Every operation answered again, no password asked for, the printer as it started, new connections
    // taken again.
    void hepsiniYanıtla();
    // Called with the operation of each request once the server has read of it all that it is going to
    // read, before it answers, stays silent or cuts. It runs on the server's thread of that connection,
    // never the test's: the client meanwhile waits for its answer. Null: no call.
    void gelince(std::function<void(ipp_op_t)> f);

    // The last job takes the state, as if the printer moved it on; callable from gelince()'s function.
    void sonİşinDurumu(int durum);
    // The server goes down for `kapalıMs`, as one restarting: it stops listening (a connection is
    // refused) and then listens again on its port, with its jobs kept. Returns once it has stopped
    // listening; callable from gelince()'s function. The connections it has stay as they are.
    void yenidenBaşla(int kapalıMs);
    // From now on the server takes no new connection, as an overloaded host does: a client's connect is
    // neither taken nor refused, its SYNs dropped (the listening socket's queue is full), so that it waits
    // until its own limit. The connections it has stay as they are. Returns once new connections are no
    // longer taken; callable from gelince()'s function. Undone by hepsiniYanıtla() or yenidenBaşla().
    void yeniBağlantıAlma();
    // Every job, in the order of their numbers.
    QList<İş> işler() const;
    // The operation of every request received, in order, whatever the server did with it.
    QList<ipp_op_t> işlemler() const;
    // How many requests came with a user and password that the server refused (its failed logins).
    int yanlışParolalar() const;

private:
    struct Veri;
    std::unique_ptr<Veri> d_;
};

}  // namespace test
