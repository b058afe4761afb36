#pragma once
// A document on a real printer: one of the system's printers, or a PDF file. Either way the document is
// laid out into a PDF, with the paper's own size and no margins, and written under a hidden temporary
// name through a file that checks every write and the close. A document on which nothing is drawn prints
// nothing and leaves no file; one dropped without being ended is thrown away.
//
// For the PDF printer the file lies in its folder and takes its real name only when it is shown. For a
// system printer it lies in the program's own temporary folder: once whole, a job is made for it on the
// print server, the document is sent into the job, and the file goes. It has gone out only when the
// server took it; what the server refuses is told with the printer's name and the cause.
#include "platform/YaziciYuzeyi.h"

#include <QSizeF>
#include <QString>
#include <memory>

namespace yazdırma {

class YazıcıBelgesi : public YazıcıYüzeyi {
public:
    // A document for the system printer of that name, on its paper (mm).
    static std::unique_ptr<YazıcıBelgesi> sistemYazıcısında(const QString& yazıcıAdı, const QString& belgeAdı,
                                                            QSizeF kağıt);
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
