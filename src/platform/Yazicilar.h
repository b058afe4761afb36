#pragma once
// The printers the program can print on: the print server's printers (CUPS, listed through libcups), in
// the server's order, and after them one printer that is always there, "PDF", which writes the document
// as a PDF file into the documents folder and opens it. One of them is the current printer: every print
// goes there until another one is chosen (the printer choice window does that); until then it is the
// default printer (the one `lp` prints on: see kullanıcınınVarsayılanları), or the first one. A print goes
// to the printer chosen or nowhere: a printer that has gone from the server since it was chosen is told of
// by the print, never replaced by another.
//
// A print opens a document on the current printer with belgeAç() and draws on it:
//
//     auto belge = yazdırma::belgeAç(BaşlıkMetni);
//     belge->setYazıTipiBoyutu(14);
//     belge->setY(15);
//     belge->yaz(QStringLiteral("Stok Listesi"));
//     ...
//     belge->bitir();
#include "platform/YaziciKaydedici.h"
#include "platform/YaziciYuzeyi.h"

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

namespace yazdırma {

inline const QString PdfYazıcısıAdı = QStringLiteral("PDF");

struct Yazıcı {
    QString ad;                 // "queue", or "queue/instance" for an instance saved for a queue
    QString bağlantıYeri;       // where it prints: the printer's location, or the PDF printer's folder
    QSizeF kağıt{210, 297};     // its default paper, portrait (mm)
    bool varsayılan = false;    // the default printer
    // The options saved for it (copies, for one), sent with each of its jobs but for those that the
    // document sets itself.
    QList<std::pair<QByteArray, QByteArray>> seçenekler = {};
};

// Every printer, the PDF printer last, as the server lists them now. Never empty: when the server's
// listing failed, only the PDF printer, and `neden` (when given) says why; else it is left null.
QList<Yazıcı> yazıcılar(QString* neden = nullptr);
// The current printer: the one chosen last, as it was listed then; before any choice the default one
// (the print server is asked only then).
Yazıcı geçerliYazıcı();
// Where the current printer stands in a list of printers: the one chosen last, else the default one, else
// the first.
qsizetype geçerliYazıcınınSırası(const QList<Yazıcı>& liste);
// Makes the printer, as it was listed, the current one, once the print server has answered that it still
// has it. Throws YazdırmaHatası, with the printer and the cause, when it does not, or cannot be asked.
void geçerliYazıcıyıDeğiştir(const Yazıcı& yazıcı);
// The same for the printer of that name, as the server lists it now; false when there is none of that
// name.
bool geçerliYazıcıyıDeğiştir(const QString& ad);

// Opens a new document on the current printer. `belgeAdı` names the print job and the PDF file.
std::unique_ptr<YazıcıYüzeyi> belgeAç(const QString& belgeAdı);

// Tests: the server's printers are these instead of the real ones (no value: the real ones again); the
// current printer is the default one again.
void sistemYazıcılarınıDeğiştir(std::optional<QList<Yazıcı>> liste);
// Tests: every document opened from now on is recorded into `kayıtlar` instead of being printed
// (null: printed again).
void kaydediciyeYönlendir(std::shared_ptr<YazıcıKayıtları> kayıtlar);

}  // namespace yazdırma
