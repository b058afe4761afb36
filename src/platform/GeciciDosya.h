#pragma once
// Files the program writes for the user (PDF documents, workbooks) are written under a hidden temporary
// name in their folder and take their real name only when they are whole, so that no half-written file
// ever stands under a name the user sees: not after a full disk, nor after the program was stopped while
// writing.
#include <QIODevice>
#include <QString>

#include <functional>
#include <limits>
#include <optional>

namespace dosya {

// A new empty file in `klasör` under a hidden temporary name (".kavrenta-" and eight lowercase hex
// digits, then `uzantı`), with the permissions the user's umask gives a new file, so that colleagues on a
// shared folder can open it once it is named. Returns its descriptor, open for reading and writing, and
// sets `yol`; -1 with errno set when no file could be made.
// Then the folder is rid of the program's own temporary files left by a program stopped while writing, or
// not named: regular files whose names are exactly of that pattern, nothing else, whose time is more than
// a day before the new file's. The folder's own clock judges them, as it gave the new file its time.
int geçiciDosyaYap(const QString& klasör, const QString& uzantı, QString& yol);

// Told to the user with a whole file left under its hidden name: how long it stays there.
inline const QString SaklamaSüresiMetni =
    QStringLiteral("Bu dosya bir gün saklanır; sonra bu klasöre yeni bir dosya yazılırken silinir.");

// Gives the file at `yol` the first of the names ad(1), ad(2)... (paths in the same folder) that no file
// has; a file that exists is never replaced nor written into, even one made at the last moment by another
// program. The name is taken by a rename that refuses to replace; where the file system has none, by a
// second (hard) link and the temporary name removed; where it has no links either, by claiming the name
// with a new empty file and renaming onto that claim. Returns the path it took, or an empty text (errno
// set: that of the call that failed) when the file could not be renamed; it then stays at `yol`. Once
// named, the folder is synced too, where it can be, so that the name survives a power cut.
QString adVer(const QString& yol, const std::function<QString(int sıra)>& ad);

// Writes out to the disk what the system holds of the file at `yol`, one that a library wrote by its name
// (the workbook), before it is named: opens it, syncs it and closes it, each checked. false with errno set.
bool eşitle(const QString& yol);

// Why a file could not be written, as the user reads it, from the system's error number; an error number
// of 0 means the file came out shorter than what was written to it.
QString yazmaHatasıMetni(int sistemHatası);

// A file written through a buffer into a temporary file (geçiciDosyaYap), checking every write: the first
// failure is kept, and every later write fails too. kapat() tells whether the file is whole. A file that
// has not been given its name when the object goes is removed.
class GeçiciDosya : public QIODevice {
public:
    GeçiciDosya();
    ~GeçiciDosya() override;

    // Makes the temporary file in `klasör` and opens the device for writing; false with hata() set.
    bool oluştur(const QString& klasör, const QString& uzantı);
    // Writes out what the buffer holds, syncs the file to the disk and closes it; true when every write,
    // the sync and the close succeeded and the file holds every byte written. Otherwise hata() says why.
    bool kapat();
    // The last `n` bytes of the written file (before kapat(): of what has reached the file).
    QByteArray sonBaytlar(int n) const;
    // Where the file is: its temporary path, or the name it was given.
    QString yol() const { return yol_; }
    // adVer() for the closed, whole file; false with hata() set (the error number of the call that
    // failed). After it the file stays when the object goes: under its name or, when none could be given,
    // where it was written; yol() tells which.
    bool adVer(const std::function<QString(int sıra)>& ad);
    // The error number of the first failure (0 with a failure: the file came out short); 0 when none.
    int hata() const { return hata_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* veri, qint64 uzunluk) override;

private:
    bool boşalt();
    void başarısızOl(int hata);

    int fd_ = -1;
    QString yol_;
    bool kalıcı_ = false;
    QByteArray tampon_;
    qint64 yazılan_ = 0;  // bytes that reached the file
    int hata_ = 0;
    bool başarısız_ = false;
};

// Tests: every GeçiciDosya takes from now on only `bayt` bytes; the write that would pass them fails with
// the error number `hata` (ENOSPC for a full disk), or writes nothing and returns 0 when `hata` is 0. The
// sync of a written file (GeçiciDosya::kapat, eşitle) fails with `eşitlemeHatası` and its close, after the
// file was really closed, with `kapanışHatası`, as a share on the network tells of a failed write only
// then; 0 leaves them be. No value: files are written as they come.
struct YazmaSınırı {
    qint64 bayt = std::numeric_limits<qint64>::max();
    int hata = 0;
    int eşitlemeHatası = 0;
    int kapanışHatası = 0;
};
void yazmaSınırınıDeğiştir(std::optional<YazmaSınırı> sınır);

// Tests: every naming (adVer) from now on behaves as on a file system without the rename that refuses to
// replace (renameat2Yok), or also without hard links (bağYok), so that each of its ways runs for real.
// `önce` is called with each candidate name just before the attempt to take it (a test may make a file
// there, as another program would at the last moment); a return other than 0 makes that attempt fail with
// that error number. No value: names are given as they come.
struct AdVermeSınaması {
    bool renameat2Yok = false;
    bool bağYok = false;
    std::function<int(const QString& aday)> önce;
};
void adVermeSınamasınıDeğiştir(std::optional<AdVermeSınaması> sınama);

// Tests: called with the descriptor of every new temporary file just after it is made, before the folder
// is rid of its old ones; a test gives the file there the time that a folder whose clock is not this
// machine's would give it. An empty function: nothing is called.
void yeniDosyaSınamasınıDeğiştir(std::function<void(int fd)> sınama);

}  // namespace dosya
