#pragma once
// A document on a real printer: one of the print server's printers, or a PDF file. Either way the document
// is laid out into a PDF, with the paper's own size and no margins, and checked whole once it is ended. A
// document on which nothing is drawn prints nothing and leaves nothing; one dropped before it went out is
// thrown away.
//
// For the PDF printer the file is written under a hidden temporary name in its folder, through a file
// that checks every write and the close, and takes its real name only when it is shown. For a paper
// printer the document is kept in memory: once whole, a job held by the print server is made for it and
// the document sent into it (hazırla); sending releases the job to the printer (gönder). Until then the
// job can be cancelled, and it never prints by itself. What the server refuses, or leaves unanswered, is
// told with the printer's name and the cause.
#include "platform/YaziciYuzeyi.h"

#include <QSizeF>
#include <QString>
#include <memory>

namespace yazdırma {

struct Yazıcı;

class YazıcıBelgesi : public YazıcıYüzeyi {
public:
    // A document for a printer of the print server, on its paper, with the options saved for it.
    static std::unique_ptr<YazıcıBelgesi> sistemYazıcısında(const Yazıcı& yazıcı, const QString& belgeAdı);
    // A document written into `klasör` as a PDF file named after the document (a number is added when
    // that name is taken); when it is shown, the file is opened with the desktop's PDF viewer.
    static std::unique_ptr<YazıcıBelgesi> pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                        QSizeF kağıt);
    ~YazıcıBelgesi() override;

    // The PDF file: the name it is to take, and once shown the name it took (empty for a system printer).
    QString pdfDosyası() const;

protected:
    void metinÇiz(double x, double y, const QString& metin) override;
    void çizgiÇiz(double x1, double y1, double x2, double y2) override;
    void sayfaEkle() override;
    void belgeyiHazırla() override;
    void belgeyiGönder() override;
    void belgeyiGöster() override;
    void belgeyiAt() override;
    bool belgeyiGeriAl() override;

private:
    struct Veri;
    YazıcıBelgesi(std::unique_ptr<Veri> veri, QSizeF kağıt);
    bool başlat();
    void at();
    std::unique_ptr<Veri> d_;
};

// A file name for a document: the characters a file name cannot hold become "-"; an empty name becomes
// "Kavrenta". A long name is cut, between whole characters, to 100 characters and to what leaves room
// for ".pdf" within a file name's 255 bytes.
QString belgeDosyaAdı(const QString& belgeAdı);
// A document name made of a start, a part that may be shortened, and an end ("Fatura - ", a firm's name,
// " - 07.03.2026"): the part is cut, between whole characters, as far as needed for the start and the end
// to stay whole in the PDF file's name, whatever number the name takes.
QString belgeAdıKısaltarak(const QString& baş, const QString& kısaltılabilir, const QString& son);
// The name of a document's PDF file: the file name with " (2)", " (3)"... from the second one (`sıra`)
// and ".pdf", the name cut shorter where the whole would not fit in 255 bytes.
QString pdfDosyaAdı(const QString& belgeAdı, int sıra);

}  // namespace yazdırma
