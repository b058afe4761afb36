#pragma once
// Desktop services: file tests, the folder chooser, links, the user's name and the documents folder.
// The chooser and the link opener can be replaced, so that tests answer them without a desktop.
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

namespace kabuk {

// True when a file or a folder exists at the path; false for an empty path.
bool dosyaVarMı(const QString& yol);

// Shows a folder chooser with the given title, opening at the home folder; empty text when the user
// cancelled.
QString klasörSeç(QWidget* sahip, const QString& başlık);
void klasörSeçiciyiDeğiştir(std::function<QString(QWidget*, const QString&)> seçici);
// The chooser window that klasörSeç shows, opening at `klasör`: Qt's own folder window (never the
// desktop's, which speaks the machine's language), its texts, the type of each entry and the dates in
// Turkish whatever the machine's locale.
std::unique_ptr<QFileDialog> klasörSeçmePenceresi(QWidget* sahip, const QString& başlık, const QString& klasör);

// Opens a web page, a mail link or a file with the desktop's handler; false when that failed.
bool aç(const QUrl& adres);
void açıcıyıDeğiştir(std::function<bool(const QUrl&)> açıcı);

// Whether the desktop has a program for files of the MIME type (e.g. "application/pdf"): the default
// that xdg-mime gives, or, without an answer from it, a program that the desktop files or the user's
// choices register for the type. The desktop's opener takes a file even when nothing can open it, so a
// file is handed to it only when this says yes. Tests replace the check; an empty function restores
// the real one.
bool işleyiciVarMı(const QString& mimeTürü);
void işleyiciDenetiminiDeğiştir(std::function<bool(const QString&)> denetim);

// The user's full name (for "registered owner"), falling back to the login name.
QString kullanıcınınTamAdı();

// Single instance. The first copy that asks under a key (the program's title) listens on a local socket
// named from that key and the user's id, and runs `öneGel` whenever a later copy knocks; it gets true.
// A later copy knocks (asking the first to come to the front) and gets false: it should then end. A second
// call in the copy that holds the key knocks on itself.
bool tekKopyaOl(const QString& anahtar, std::function<void()> öneGel);
// Stops listening (tests; the program keeps the socket until it ends).
void tekKopyayıBırak();

// Whether the program has a printer to print on: always, since its own PDF printer is always there. The
// print server is not asked, so that a slow or silent one does not hold up the start.
bool yazıcıVar();

// The folder where written workbooks and PDF files go: Documents/Kavrenta (created on demand).
QString belgeKlasörü();
void belgeKlasörünüDeğiştir(const QString& klasör);  // tests; empty restores the real one

}  // namespace kabuk
