#pragma once
// The system's print server (CUPS), reached through libcups on connections of the program's own: the
// printers it has, and the jobs of the documents that go to a paper printer.
//
// Only the server's own answers count. Each request is judged by the answer the server gave to it: an
// answer received, with a success status. No answer within the time limit, or a connection that broke,
// means that the request failed, however an earlier request was answered. An answer is waited for until
// the limit, however slowly it comes and in however many pieces, and no longer: at the limit the request
// ends, whatever the server sends meanwhile (an answer trickling in, a body that never comes).
//
// The requests run on a thread of their own, with the calling thread's server and user (libcups keeps
// them per thread), while the calling thread's event loop goes on: the windows repaint and the desktop
// sees the program alive. The print stays one step for the user: clicks and keys given to the windows
// meanwhile are thrown away, and a request to close a window, or to end the program (the desktop's
// logout, a quit, SIGTERM), is carried out once the print is over (BaskıSüresince). A
// password is asked for on the window thread, in a window that takes input as any other; once the program
// has been told to end, it is not asked, and counts as not given.
//
// A paper document goes out in two steps, so that a print recorded in the database (an invoice) reaches
// the printer only once its record is kept. hazırla() makes a job that the server holds and sends the
// whole document into it; serbestBırak() releases the job to the printer. A held job never prints by
// itself, and it can be cancelled until it is released.
#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace yazdırma {

struct Yazıcı;

// The server's printers: every queue and every instance saved for one ("queue/instance"), each with its
// default paper, its location and the options saved for it, and the default printer marked (see
// kullanıcınınVarsayılanları). Listing sends the server only requests that no printer's password guards,
// never asks for a password, and waits for the server at most one time limit in all, however many requests
// it makes. Empty when the listing failed, and `neden` (when given) then says why in the user's words.
QList<Yazıcı> sunucununYazıcıları(QString* neden = nullptr);

// The names of the default printer as `lp` takes them without asking the server, in its order: the LPDEST
// variable, PRINTER (but for "lp"), the last "Default" line of the user's own saved printer options
// (~/.cups/lpoptions), then of the system's. The listing takes the first that a listed printer has,
// passing over names that none has; when none has any of them, the server's default.
QStringList kullanıcınınVarsayılanları();
// The printer named by the last "Default" line of an lpoptions file's text ("queue" or "queue/instance").
QString lpoptionsVarsayılanı(const QByteArray& lpoptions);

// Whether a request to close one of the program's windows, or to end the program, was given during a
// wait on the server and is still to be carried out: a print then goes no further than where it stands
// (the printer window is not shown, say).
bool beklerkenKapatmaİstendi();

// Held for the whole of a print, from the printer's choice to its last message. A request to close one
// of the program's windows, or to end the program, given during one of its waits on the server is carried
// out once the print is over, after the user has answered what it tells: carried out when the wait ends,
// it would close the print's message (an error box closed so counts as its "No") before the user read it,
// or ask its own question (the main window's "end the program?") over it. Meanwhile, a request to end given
// again (a second SIGTERM or logout, while the message is open) is held with the first, and a password
// window already open stays open: the user is asked, and answers. Nests; on the window thread (elsewhere,
// or without the windows' application, it does nothing). A wait outside a print carries out the end as
// it ends.
class BaskıSüresince {
public:
    BaskıSüresince();
    ~BaskıSüresince();
    BaskıSüresince(const BaskıSüresince&) = delete;
    BaskıSüresince& operator=(const BaskıSüresince&) = delete;

private:
    bool sayıldı_ = false;
};

// Asks the server whether it has the printer ("queue" or "queue/instance"). Throws YazdırmaHatası, with
// the printer and the cause, when it does not, or did not answer.
void yazıcıyıDenetle(const QString& ad);

class Sunucuİşi {
public:
    // Makes a job named `belgeAdı` on the printer, held by the server, asking for the paper `kağıt` (mm),
    // no scaling and the options saved for the printer, and sends the whole PDF into it. Throws
    // YazdırmaHatası with the printer and the cause when the server did not take it; a job that it made
    // is then cancelled. Where the printer wants a password, it is asked for here.
    static std::unique_ptr<Sunucuİşi> hazırla(const Yazıcı& yazıcı, const QString& belgeAdı, QSizeF kağıt,
                                            const QByteArray& pdf);
    // Leaves the job as it is: one that was not released stays held and never prints.
    ~Sunucuİşi();
    Sunucuİşi(const Sunucuİşi&) = delete;
    Sunucuİşi& operator=(const Sunucuİşi&) = delete;

    // Releases the job to the printer: once this returns, the server has answered that it did, or, when
    // it refused or its answer was lost, that the job is waiting for the printer, printing or printed
    // (someone else released it, or the release went). Throws YazdırmaHatası when the job did not go: it
    // was still held after the release failed (cancelled then, if the server lets it), or it was cancelled
    // or aborted before it ever began printing. A release refused for want of a password that the user
    // did not give is vazgeçildi(). The job's state is asked before anything is cancelled, and only a job
    // still held is ever cancelled: the server would cancel a job that is printing too, after its document
    // may have reached the printer. A job cancelled or aborted once it had begun printing may have printed;
    // so may one whose fate nothing tells (the server answers nothing more, no longer knows the job, or
    // sends a record that does not say whether it began), or whose release failed in any other way: the
    // error says so (belirsiz()). Once the release failed, the state and cancel requests go again, each
    // until its own limit, when the server cannot be reached (restarting) or their connection is reset or
    // breaks before an answer; a server still down at the limit is told as not answering.
    void serbestBırak();
    // Cancels the job: true when the server answered that it did.
    bool iptalEt();

private:
    struct Veri;
    explicit Sunucuİşi(std::unique_ptr<Veri> veri);
    std::unique_ptr<Veri> d_;
};

// A printer that the server does not have, and a job that it no longer has.
inline const QString YazıcıBulunamadıMetni = QStringLiteral("Yazıcı, yazdırma sunucusunda bulunamadı.");
inline const QString İşBulunamadıMetni = QStringLiteral("Yazdırma işi, yazdırma sunucusunda bulunamadı.");
// A job that holds less of the document than was sent, and a server that answered before it had read it.
inline const QString BelgeEksikMetni = QStringLiteral("Belge, yazdırma sunucusuna eksik ulaştı.");
inline const QString ErkenYanıtMetni = QStringLiteral("Yazdırma sunucusu, belgenin tamamını almadan yanıt verdi.");
// The causes of a request that got no answer.
inline const QString SunucuYanıtVermediMetni = QStringLiteral("Yazdırma sunucusu yanıt vermedi.");
inline const QString BağlantıKoptuMetni = QStringLiteral("Yazdırma sunucusuyla bağlantı koptu.");
// Why a job cancelled or aborted after its release may have printed all the same.
inline const QString İptaldenÖnceBaşlamıştıMetni =
    QStringLiteral("Yazdırma işi, iptal edilmeden önce yazdırılmaya başlamıştı.");
inline const QString DurdurulmadanÖnceBaşlamıştıMetni =
    QStringLiteral("Yazdırma işi, durdurulmadan önce yazdırılmaya başlamıştı.");

// The password that a printer asks for: the printer, the user whose password it is, and whether the one
// given just before was wrong.
struct ParolaSorusu {
    QString yazıcı;
    QString kullanıcı;
    bool yanlış = false;
};
// Asks the user (the program's window, YaziciParolasiFormu.h) on the program's window thread, whichever
// thread waits on the server; no value: cancelled. The user may give another user name with the
// password: it is left in `soru.kullanıcı`, and holds for the rest of that print.
std::optional<QString> parolaSor(ParolaSorusu& soru);
// Tests: the password is asked of this instead (an empty function: of the window again).
void parolaSorucusunuDeğiştir(std::function<std::optional<QString>(ParolaSorusu&)> sorucu);

// Tests: the limit of each request, and of a listing in all (ms); no value: 30 s.
void sunucuSüresiniDeğiştir(std::optional<int> ms);

}  // namespace yazdırma
