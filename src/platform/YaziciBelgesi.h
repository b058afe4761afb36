#pragma once
// A document on a real printer: one of the system's printers, or a PDF file. The print job starts with
// the first thing drawn, so a document on which nothing is drawn prints nothing and leaves no file.
// A document that is dropped without being ended is thrown away.
#include "platform/YaziciYuzeyi.h"

#include <QSizeF>
#include <QString>
#include <memory>

namespace yazdırma {

class YazıcıBelgesi : public YazıcıYüzeyi {
public:
    // A document for the system printer of that name.
    static std::unique_ptr<YazıcıBelgesi> sistemYazıcısında(const QString& yazıcıAdı, const QString& belgeAdı);
    // A document written into `klasör` as a PDF file named after the document (a number is added when
    // that name is taken); when it ends, the file is opened with the desktop's PDF viewer.
    static std::unique_ptr<YazıcıBelgesi> pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                        QSizeF kağıt);
    ~YazıcıBelgesi() override;

    // The PDF file (empty for a system printer).
    QString pdfDosyası() const;

protected:
    void metinÇiz(double x, double y, const QString& metin) override;
    void çizgiÇiz(double x1, double y1, double x2, double y2) override;
    void sayfaEkle() override;
    void belgeyiBitir() override;
    void belgeyiAt() override;
    void belgeyiGöster() override;

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
// The name of a document's PDF file: the file name with " (2)", " (3)"... from the second one (`sıra`)
// and ".pdf", the name cut shorter where the whole would not fit in 255 bytes.
QString pdfDosyaAdı(const QString& belgeAdı, int sıra);

}  // namespace yazdırma
