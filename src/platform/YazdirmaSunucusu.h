#pragma once
// A print job on the system's print server (CUPS), for a document that goes to a paper printer as a PDF
// file. The job is made first, where the server may ask the user for a password; the document is sent
// into it later, and the job can be cancelled while the server still allows it. Only the server's own
// answers count: a job exists once the server gave it a number, and its document went out once the
// server said it took it.
#include <QSizeF>
#include <QString>

#include <memory>

namespace yazdırma {

class Sunucuİşi {
public:
    // Makes a job named `belgeAdı` on the printer `yazıcıAdı` ("queue" or "queue/instance"), asking for the
    // paper `kağıt` (mm) and no scaling, so that every page lands on the paper where it stands in the PDF.
    // Throws YazdırmaHatası that names the printer and the cause when the server made no job.
    static std::unique_ptr<Sunucuİşi> oluştur(const QString& yazıcıAdı, const QString& belgeAdı, QSizeF kağıt);
    // Leaves the job as it is.
    ~Sunucuİşi();
    Sunucuİşi(const Sunucuİşi&) = delete;
    Sunucuİşi& operator=(const Sunucuİşi&) = delete;

    // Sends the PDF file into the job and closes it. Throws YazdırmaHatası when the file could not be read
    // or the server did not take the whole document; the job is then cancelled.
    void gönder(const QString& pdfDosyası);
    // Cancels the job: true when the server cancelled it, false when it no longer can (the job has been
    // printed) or could not be reached.
    bool iptalEt();
    // The job's number on the server.
    int numara() const;

private:
    struct Veri;
    explicit Sunucuİşi(std::unique_ptr<Veri> veri);
    std::unique_ptr<Veri> d_;
};

// The message of a document that did not go out to a system printer, with the printer and the cause.
QString gönderilemediMetni(const QString& yazıcıAdı, const QString& neden);

// Why the server made no job or refused a document, as the user reads it, from the server's status
// (an IPP status code) and its own text.
QString sunucuHatasıMetni(int durum, const QString& sunucununMetni);

}  // namespace yazdırma
