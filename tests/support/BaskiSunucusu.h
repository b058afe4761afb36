#pragma once
// A print server of the tests' own: a private cupsd on a free local port, with a configuration folder of
// its own and queues that print into files. While it lives, it is the program's print server on the
// thread that made it (libcups keeps the server per thread).
//   "Kabul"    the server's default printer; takes jobs (A4 by default; the PDF goes through the
//              server's PDF filter, as on a real queue, into its file)
//   "Durmuş"   takes jobs but is paused: they wait, and can be cancelled
//   "Red"      does not accept jobs
//   "Yasak"    forbids making jobs
//   "Parola"   asks for a password to make a job
//   "Korumalı" asks for a password for every request addressed to it (the queue's own address), while
//              the server's list of queues ("/") is open to all
//   "Silinecek" takes jobs, as "Kabul"; for tests that delete a queue (kuyruğuSil)
//   "lp"       takes jobs, as "Kabul": a queue of the name that PRINTER=lp does not mean
// The server dies with the test program, even one killed by a signal: a program that started it from a
// thread must keep that thread until the server is closed.
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace test {

class BaskıSunucusu {
public:
    // Starts the server and waits until it answers; hazır() tells whether it did, hata() why not.
    BaskıSunucusu();
    ~BaskıSunucusu();
    BaskıSunucusu(const BaskıSunucusu&) = delete;
    BaskıSunucusu& operator=(const BaskıSunucusu&) = delete;

    bool hazır() const { return hata_.isEmpty(); }
    QString hata() const { return hata_; }
    // "127.0.0.1:port"
    QString adres() const { return adres_; }
    // The server's process.
    qint64 pid() const;
    // Stops the server's process (SIGSTOP): connections are still taken by the system, but nothing is
    // answered until sürdür() (the look-ups below give up after 15 s meanwhile).
    void durdur();
    void sürdür();
    // Ends the server for good; its port refuses connections from then on.
    void kapat();
    // Deletes the queue from the server; false when the server did not.
    bool kuyruğuSil(const QString& ad);

    // The file a queue prints into (each job writes it anew).
    QString çıktı(const QString& kuyruk) const;

    struct İş {
        int numara = 0;
        QString kuyruk;
        QString ad;
        int durum = 0;  // ipp_jstate_t: 3 pending ... 7 cancelled, 8 aborted, 9 completed
    };
    // Every job the server has had, of every state.
    QList<İş> işler() const;
    // Waits until the job is over (printed, cancelled or aborted) and gives its state; 0 when it did not
    // end within `süre` ms.
    int bitmesiniBekle(int numara, int süre = 15000) const;
    // An attribute of the job as the server keeps it ("copies", "media", "job-hold-until"...), as text;
    // empty when the job or the attribute is not there.
    QString öznitelik(int iş, const char* ad) const;

private:
    QTemporaryDir dizin_;
    QProcess süreç_;
    QString adres_;
    QString hata_;
    bool durduruldu_ = false;
};

// The printers' saved options, as the system's own lpoptions file holds them ("Dest Kabul/ozel copies=3\n"),
// and as the user's own file (~/.cups/lpoptions) does. The tests' main() gives libcups a configuration
// folder and a home folder of the test program's own, so that these files are read instead of the
// system's and the user's. False when a file could not be written.
bool kayıtlıSeçenekleriYaz(const QByteArray& lpoptions, const QByteArray& kullanıcının = {});
// Empties both files again; done after every test.
void kayıtlıSeçenekleriSil();

}  // namespace test
