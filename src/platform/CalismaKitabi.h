#pragma once
// Spreadsheet workbooks: real .xlsx files written with libxlsxwriter into the documents folder and opened
// with the desktop's spreadsheet program.
//
// A workbook has one sheet. Rows and columns are counted from 1, as the spreadsheet counts them. Rows are
// written in order (a cell, a merge or a row height never goes to a row above one already written), so
// that a list of any length is written with a small, constant amount of memory.
#include "platform/ListeDegeri.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringEncoder>
#include <QStringView>
#include <functional>
#include <memory>
#include <stdexcept>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform {

// Raised when a workbook cannot be built or written; the text says why, in Turkish.
class ÇalışmaKitabıHatası : public std::runtime_error {
public:
    explicit ÇalışmaKitabıHatası(const QString& metin);
    QString metin() const { return QString::fromUtf8(what()); }
};

enum class YatayHiza { Genel, Sol, Orta, Sağ };

// The look of a cell. Equal looks share one format in the file.
struct HücreBiçimi {
    bool kalın = false;
    YatayHiza yatay = YatayHiza::Genel;
    bool dikeyOrta = false;
    bool kaydır = false;  // wrap the text within the cell
    QString sayıBiçimi;   // the spreadsheet's number format, e.g. "#,##0.00"; empty: General
    bool operator==(const HücreBiçimi&) const = default;
};

struct ListeTablosu;

// A column width in the spreadsheet's units from a list column's width in twips: twips / 100 as a
// single-precision number (1600 twips give 16).
double twipsGenişliği(int twips);

class ÇalışmaKitabı {
public:
    // A new workbook whose only sheet has the given name (characters a sheet name cannot hold are
    // replaced, and the name is cut to 31 characters).
    explicit ÇalışmaKitabı(const QString& sayfaAdı);
    ~ÇalışmaKitabı();  // a workbook that was not saved leaves nothing behind
    ÇalışmaKitabı(const ÇalışmaKitabı&) = delete;
    ÇalışmaKitabı& operator=(const ÇalışmaKitabı&) = delete;

    QString sayfaAdı() const { return sayfaAdı_; }

    // Cells.
    void metin(int satır, int sütun, const QString& değer, const HücreBiçimi& biçim = {});
    void sayı(int satır, int sütun, double değer, const HücreBiçimi& biçim = {});
    // A date as the spreadsheet's date number, shown in the look's number format ("dd.mm.yyyy" when it
    // gives none). An invalid date leaves the cell empty.
    void tarih(int satır, int sütun, const QDate& değer, const HücreBiçimi& biçim = {});
    // Merges columns ilk..son of the row and puts the text in the merged cell.
    void birleştir(int satır, int ilkSütun, int sonSütun, const QString& değer, const HücreBiçimi& biçim = {});

    // Rows: the height in points, and a look for the whole row (empty cells included). Set before the
    // row's cells are written.
    void satırYüksekliği(int satır, double punto);
    void satırBiçimi(int satır, double punto, const HücreBiçimi& biçim);

    // Columns: the width in the spreadsheet's units (characters of the default font); 0 hides the column.
    void sütunGenişliği(int sütun, double genişlik);
    // The column gets, when the workbook is saved, the width a spreadsheet program fits to its widest
    // value. Asked for before the column's cells are written (only those written after it are measured).
    void sütunuSığdır(int sütun);

    // Page setup for printing.
    void kenarBoşlukları(double solİnç, double sağİnç, double üstİnç, double altİnç);
    void yatayYazdır(bool yatay = true);
    void yataydaOrtala();
    void sayfaGenişliğineSığdır();  // all columns print on one page width
    void kılavuzÇizgileriniYazdır();

    // Writes the workbook into the documents folder under a new name made from the sheet name and the
    // time (an existing file is never overwritten) and returns the file's path. The workbook cannot be
    // changed afterwards. The file is read back whole (every part, every row) before it takes its name. A
    // workbook that cannot be written whole leaves nothing; one written whole that cannot take its name
    // stays where it was written, and the error says where. The library writes the whole sheet into its
    // temporary folder first: a workbook that came out incomplete for want of room there names that
    // folder.
    QString kaydet();

private:
    friend QString listeyiYaz(const ListeTablosu& liste, const std::function<void(int)>& ilerleme);

    lxw_format* biçimi(const HücreBiçimi& biçim);
    static HücreBiçimi tarihBiçimi(HücreBiçimi biçim);
    void metniYaz(int satır, int sütun, QStringView değer, lxw_format* format, bool kalın);
    void sayıyıYaz(int satır, int sütun, double değer, lxw_format* format, const QString& sayıBiçimi, bool kalın);
    void tarihiYaz(int satır, int sütun, const QDate& değer, lxw_format* format, bool kalın);
    void satıraGeç(int satır, int sütun);
    // Counts the row as one the library writes into the sheet (it writes those with a cell, a height or
    // a look), for the reading back.
    void satırYazıldı(int satır);
    bool sığdırılacakMı(int sütun) const;
    void genişliğiÖlç(int sütun, const QString& görünen, bool kalın);
    // The file's path to be, without the number and ".xlsx": the folder, the sheet name and the time now.
    QString dosyaKökü() const;
    // Writes and syncs the file under its temporary name and reads it back whole (yazılanKitabıDenetle);
    // `dosyaAdı` is the name it is to take, for errors.
    void kapat(const QString& dosyaAdı);

    struct BiçimKaydı {
        HücreBiçimi biçim;
        lxw_format* format;
    };
    QString sayfaAdı_;
    QString klasör_;
    QString geçiciYol_;
    lxw_workbook* kitap_ = nullptr;
    lxw_worksheet* sayfa_ = nullptr;
    QList<BiçimKaydı> biçimler_;
    int sonSatır_ = 0;
    int yazılanSatırSayısı_ = 0;  // the rows the library writes into the sheet
    int sonYazılanSatır_ = 0;
    QList<bool> sığdırılacak_;
    QList<double> enGenişPiksel_;
    QStringEncoder kodlayıcı_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    QByteArray utf8_;  // the text of the cell being written, in UTF-8
};

// Whether a spreadsheet program is installed: the desktop has a handler for .xlsx files
// (kabuk::işleyiciVarMı). Tests replace this check alone, or every handler check through kabuk; an
// empty function restores the real one.
bool hesapTablosuProgramıVarMı();
void hesapTablosuDenetiminiDeğiştir(std::function<bool()> denetim);

// Tests: the free bytes on the disk of the folder where the library makes its temporary files (the
// folder is given), read in place of the disk's own count when a workbook is saved; an empty function
// restores the real one.
void geçiciKlasörünBoşYeriniDeğiştir(std::function<qint64(const QString& klasör)> ölçüm);

// Said when the desktop has no spreadsheet program.
inline const QString HesapTablosuProgramıYokMetni = QStringLiteral("Bilgisayarınızda MS Excel kurulu değil!");

// Opens a written workbook with the desktop's handler. When there is none, or opening fails, a message
// gives the file's path: the workbook is written in any case. The two steps apart: the opening, true when
// the handler took the file, and the message.
void çalışmaKitabınıAç(const QString& yol);
bool çalışmaKitabınıAçmayıDene(const QString& yol);
void açılamayanKitabıBildir(const QString& yol);

// A list exported in the common layout: the title in A1, merged over the first `başlıkSütunSayısı` columns,
// row 1 centred both ways and bold; the column headers in row 2, centred both ways, wrapped and bold,
// each sheet column as wide as its list column; the rows from row 3.
struct ListeSütunu {
    enum class Tür {
        Metin,           // the cell as the list shows it, as a text (also a number or a date)
        Sayı,            // a number as a number; an empty cell stays empty
        SayıBoşsaSıfır,  // as Sayı, but an empty cell gives 0
        Tarih,           // a date as a date
    };
    QString başlık;
    int genişlikTwips = 0;  // the list column's current width; 0 hides the sheet column
    Tür tür = Tür::Metin;
    YatayHiza hiza = YatayHiza::Genel;  // of the data cells
    QString sayıBiçimi;                 // of the number or date cells; empty: General, or "dd.mm.yyyy" for dates
};

struct ListeTablosu {
    QString sayfaAdı;
    QString başlık;
    int başlıkSütunSayısı = 8;  // "A1:H1"
    double başlıkYüksekliği = 30;
    double sütunBaşlığıYüksekliği = 20;
    // Page setup: margins of 1.5 cm, centred horizontally, grid lines printed; and, when asked for, all
    // columns on one page width. Exports set them only when a printer is installed.
    bool sayfaDüzeni = false;
    bool sayfaGenişliğineSığdır = false;
    QList<ListeSütunu> sütunlar;  // one header cell each, in this order
    // The rows, cells in the order of the columns; a shorter row leaves the rest empty, and a cell
    // beyond the columns is written as its text. Either held here, or read one at a time (row from 0)
    // while they are written, so that a long list is not copied first.
    QList<QList<ListeDeğeri>> satırlar;
    int satırSayısı = 0;
    std::function<QList<ListeDeğeri>(int)> satır;
    // Written bold in the row after the last one, when not empty.
    QList<ListeDeğeri> toplamSatırı;
    int kaçSatır() const { return satır ? satırSayısı : int(satırlar.size()); }
};

// Writes the list into a new workbook and saves it (kaydet); returns the file's path. `ilerleme` is told
// the number of each row (from 1) before it is written. A number or date column takes the cells'
// values, never a text read back as a number: raises ÇalışmaKitabıHatası when such a column holds a
// text (other than a blank one, which counts as empty), or the file cannot be written (then nothing is
// saved) or named (see kaydet).
QString listeyiYaz(const ListeTablosu& liste, const std::function<void(int)>& ilerleme = {});

// 1.5 cm in inches: the margins of an exported list.
inline constexpr double ListeKenarBoşluğuİnç = 0.590551181102362;

}  // namespace platform
