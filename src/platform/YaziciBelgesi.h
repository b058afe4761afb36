#pragma once
// A document on a real printer: one of the system's printers, or a PDF file. The print job starts with
// the first thing drawn, so a document on which nothing is drawn prints nothing and leaves no file.
// A document that is dropped without being ended is thrown away.
//
// A PDF file is written under a hidden temporary name in its folder and checked when the document is
// sent: every write and the close must have succeeded and the file must be complete, or the temporary
// file is removed and the send fails with the file's name and the cause. It takes its real name only when
// it is shown, so a document dropped after being sent and before being shown leaves no file.
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
    // that name is taken); when it is shown, the file is opened with the desktop's PDF viewer.
    static std::unique_ptr<YazıcıBelgesi> pdfDosyasında(const QString& klasör, const QString& belgeAdı,
                                                        QSizeF kağıt);
    ~YazıcıBelgesi() override;

    // The PDF file: the name it is to take, and once shown the name it took (empty for a system printer).
    QString pdfDosyası() const;
    // A PDF file sent but not yet shown can still be taken back; a system printer's job cannot.
    bool geriAlınabilir() const override;

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
