#pragma once
// A print server that limps: a small IPP server of the tests' own on a free local port, with one printer,
// "Aksak" (A4, location "Aksak yeri", accepting, idle, the default), that can be told to refuse, to stay
// silent or to cut the connection at any operation, so that tests see what the program does when a server
// misbehaves after the job exists. While it lives, it is the program's print server on the thread that
// made it (libcups keeps the server per thread).
//
// It answers CUPS-Get-Printers, CUPS-Get-Default, Get-Printer-Attributes, Create-Job (the job held when
// job-hold-until=indefinite is asked), Send-Document, Release-Job (the job then counts as printed: there
// is no paper), Cancel-Job (not for a printed job), Get-Jobs and Get-Job-Attributes; anything else with
// server-error-operation-not-supported. Each connection is served on a thread of its own, so that a new
// connection is answered while another one waits in a silence.
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
    };

    // What the server saw of a job.
    struct İş {
        int numara = 0;
        QString ad;                           // job-name
        int durum = 0;                        // ipp_jstate_t: 3 pending, 4 held, 7 cancelled, 9 printed
        QByteArray belge;                     // every document the server took into it, one after the other
        bool belgeGeldi = false;              // the last document taken whole
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
    // Every operation answered again.
    void hepsiniYanıtla();
    // Called with the operation of each request once the server has read of it all that it is going to
    // read, before it answers, stays silent or cuts. It runs on the server's thread of that connection,
    // never the test's: the client meanwhile waits for its answer. Null: no call.
    void gelince(std::function<void(ipp_op_t)> f);

    // Every job, in the order of their numbers.
    QList<İş> işler() const;
    // The operation of every request received, in order, whatever the server did with it.
    QList<ipp_op_t> işlemler() const;

private:
    struct Veri;
    std::unique_ptr<Veri> d_;
};

}  // namespace test
