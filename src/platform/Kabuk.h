#pragma once
// Desktop services: file tests, the folder chooser, links, the user's name and the documents folder.
// The chooser and the link opener can be replaced, so that tests answer them without a desktop.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace kabuk {

// True when a file or a folder exists at the path; false for an empty path.
bool dosyaVarMı(const QString& yol);

// Shows a folder chooser with the given title; empty text when the user cancelled.
QString klasörSeç(QWidget* sahip, const QString& başlık);
void klasörSeçiciyiDeğiştir(std::function<QString(QWidget*, const QString&)> seçici);

// Opens a web page, a mail link or a file with the desktop's handler; false when that failed.
bool aç(const QUrl& adres);
void açıcıyıDeğiştir(std::function<bool(const QUrl&)> açıcı);

// The user's full name (for "registered owner"), falling back to the login name.
QString kullanıcınınTamAdı();

// The folder where written workbooks and PDF files go: Documents/Kavrenta (created on demand).
QString belgeKlasörü();
void belgeKlasörünüDeğiştir(const QString& klasör);  // tests; empty restores the real one

}  // namespace kabuk
