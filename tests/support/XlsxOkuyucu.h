#pragma once
// Reads back a written .xlsx (its first sheet), so that tests check what a spreadsheet program would show:
// sheet name, cells with their kind and look, merged ranges, column widths, row heights and page setup.
// The file is unpacked with the `unzip` program.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace test {

struct XlsxHücre {
    QString değer;      // the text, or the number as written ("1250", "0.5")
    bool sayı = false;  // a number cell
    bool kalın = false;
    QString yatay;  // "center", "left", "right" or empty
    QString dikey;  // "center" or empty
    bool kaydır = false;
    QString sayıBiçimi;  // empty: General
};

struct XlsxSütun {
    double genişlik = 0;
    bool gizli = false;
};

struct XlsxSayfa {
    bool okundu = false;
    QString sayfaAdı;
    QMap<QString, XlsxHücre> hücreler;                                  // by reference, "A1"
    QList<QString> birleşikler;                                         // "A1:H1"
    QMap<int, XlsxSütun> sütunlar;                                      // by column number from 1
    QMap<int, double> satırYükseklikleri;                               // by row number from 1
    QMap<int, XlsxHücre> satırBiçimleri;                                // looks given to whole rows
    double solKenar = -1, sağKenar = -1, üstKenar = -1, altKenar = -1;  // inches; -1 when not set
    bool yataydaOrtalı = false;
    bool kılavuzÇizgileriYazdırılır = false;
    bool sayfaGenişliğineSığar = false;  // fit to 1 page wide, any number of pages tall
    QString yön;                         // "portrait" or "landscape"
    int sonSatır = 0;                    // the highest row that holds a cell

    bool var(const QString& ref) const { return hücreler.contains(ref); }
    XlsxHücre hücre(const QString& ref) const { return hücreler.value(ref); }
    QString metin(const QString& ref) const { return hücreler.value(ref).değer; }
};

XlsxSayfa xlsxOku(const QString& dosya);

// The width a spreadsheet program keeps for a width given in characters (it rounds to whole pixels).
double yazılanGenişlik(double genişlik);

// A part of a zip: its name and what it holds. A wrong CRC-32 may be asked for, as a file spoilt on the
// way would have.
struct ZipParçası {
    QString ad;
    QByteArray içerik;
    bool yanlışCrc = false;
};

// The parts of a written .xlsx, in the order they stand in it.
QList<ZipParçası> xlsxParçaları(const QString& dosya);

// A zip of the parts, each deflated, laid out as the spreadsheet library lays out a workbook; for tests
// that plant one fault into a workbook.
QByteArray zipYap(const QList<ZipParçası>& parçalar);

}  // namespace test
