#pragma once
// The printers the program can print on: the system's printers (CUPS), in the system's order, and after
// them one printer that is always there, "PDF", which writes the document as a PDF file into the
// documents folder and opens it. One of them is the current printer: every print goes there until
// another one is chosen (the printer choice window does that); at start it is the system's default
// printer, or the first one.
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

#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

namespace yazdırma {

inline const QString PdfYazıcısıAdı = QStringLiteral("PDF");

struct Yazıcı {
    QString ad;
    QString bağlantıYeri;       // where it prints: the printer's location, or the PDF printer's folder
    QSizeF kağıt{210, 297};     // its default paper, portrait (mm)
    bool varsayılan = false;    // the system's default printer
};

// Every printer, the PDF printer last. Never empty.
QList<Yazıcı> yazıcılar();
// The current printer; when it is gone from the system, the default one again.
Yazıcı geçerliYazıcı();
// Makes the printer of that name the current one; false when there is none of that name.
bool geçerliYazıcıyıDeğiştir(const QString& ad);

// Opens a new document on the current printer. `belgeAdı` names the print job and the PDF file.
std::unique_ptr<YazıcıYüzeyi> belgeAç(const QString& belgeAdı);

// Tests: the system's printers are these instead of the real ones (no value: the real ones again); the
// current printer is the default one again.
void sistemYazıcılarınıDeğiştir(std::optional<QList<Yazıcı>> liste);
// Tests: every document opened from now on is recorded into `kayıtlar` instead of being printed
// (null: printed again).
void kaydediciyeYönlendir(std::shared_ptr<YazıcıKayıtları> kayıtlar);

}  // namespace yazdırma
