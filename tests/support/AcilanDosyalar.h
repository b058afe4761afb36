#pragma once
// For the time it lives: the documents folder is a fresh temporary one, and every file the program opens
// with the desktop (a workbook, a PDF) is recorded instead of being opened.
#include "platform/Kabuk.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace test {

class AçılanDosyalar {
public:
    AçılanDosyalar()
    {
        kabuk::belgeKlasörünüDeğiştir(klasör_.path());
        kabuk::açıcıyıDeğiştir([this](const QUrl& u) {
            dosyalar_ << u.toLocalFile();
            return true;
        });
    }
    ~AçılanDosyalar()
    {
        kabuk::belgeKlasörünüDeğiştir(eski_);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
    }
    AçılanDosyalar(const AçılanDosyalar&) = delete;
    AçılanDosyalar& operator=(const AçılanDosyalar&) = delete;

    const QStringList& dosyalar() const { return dosyalar_; }
    int sayı() const { return int(dosyalar_.size()); }
    QString operator[](int i) const { return dosyalar_.value(i); }
    void temizle() { dosyalar_.clear(); }

private:
    QString eski_ = kabuk::belgeKlasörü();
    QTemporaryDir klasör_;
    QStringList dosyalar_;
};

}  // namespace test
