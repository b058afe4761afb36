#pragma once
// Reads back the words of a PDF file with their places, through `pdftotext -bbox`.
#include <QList>
#include <QString>

namespace test {

struct PdfSözcüğü {
    int sayfa;                // from 1
    double x, y, genişlik;    // mm from the paper's top-left corner
    QString metin;
};

QList<PdfSözcüğü> pdfSözcükleri(const QString& dosya);

}  // namespace test
