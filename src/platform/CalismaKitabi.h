#pragma once
// Spreadsheet workbooks: real .xlsx files written with libxlsxwriter into the documents folder and opened
// with the desktop's spreadsheet program.
//
// A workbook has one sheet. Rows and columns are counted from 1, as the spreadsheet counts them. Rows are
// written in order (a cell, a merge or a row height never goes to a row above one already written), so
// that a list of any length is written with a small, constant amount of memory.
#include <QList>
#include <QString>
#include <QStringList>
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
    // changed afterwards.
    QString kaydet();

private:
    lxw_format* biçimi(const HücreBiçimi& biçim);
    void satıraGeç(int satır, int sütun);
    bool sığdırılacakMı(int sütun) const;
    void genişliğiÖlç(int sütun, const QString& görünen, bool kalın);
    void kapat();

    struct BiçimKaydı {
        HücreBiçimi biçim;
        lxw_format* format;
    };
    QString sayfaAdı_;
    QString geçiciYol_;
    lxw_workbook* kitap_ = nullptr;
    lxw_worksheet* sayfa_ = nullptr;
    QList<BiçimKaydı> biçimler_;
    int sonSatır_ = 0;
    QList<bool> sığdırılacak_;
    QList<double> enGenişPiksel_;
};

// Whether a spreadsheet program is installed: the desktop has a handler for .xlsx files. Tests replace
// the check; an empty function restores the real one.
bool hesapTablosuProgramıVarMı();
void hesapTablosuDenetiminiDeğiştir(std::function<bool()> denetim);

// Opens a written workbook with the desktop's handler. When that fails, a message gives the file's path.
void çalışmaKitabınıAç(const QString& yol);

// A list exported in the common layout: the title in A1, merged over the first `başlıkSütunSayısı` columns,
// row 1 centred both ways and bold; the column headers in row 2, centred both ways, wrapped and bold,
// each sheet column as wide as its list column; the rows from row 3.
struct ListeSütunu {
    enum class Tür {
        Metin,           // the text as it is
        Sayı,            // the text read as a Turkish number ("1.234,50"); an empty text leaves the cell empty
        SayıBoşsaSıfır,  // as Sayı, but an empty text gives 0
    };
    QString başlık;
    int genişlikTwips = 0;  // the list column's current width; 0 hides the sheet column
    Tür tür = Tür::Metin;
    YatayHiza hiza = YatayHiza::Genel;  // of the data cells
    QString sayıBiçimi;                 // of the number cells; empty: General
};

// A cell handed over as a value (a text, or a number that is written as a number), not as a text to read.
struct ListeHücresi {
    enum class Tür { Boş, Metin, Sayı };
    Tür tür = Tür::Boş;
    QString metin;
    double sayı = 0;
    static ListeHücresi metinle(const QString& m) { return {Tür::Metin, m, 0}; }
    static ListeHücresi sayıyla(double d) { return {Tür::Sayı, {}, d}; }
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
    // The rows, cells in the order of the columns; a shorter row leaves the rest empty. Either held here,
    // or read one at a time (row from 0) while they are written, so that a long list is not copied first.
    QList<QStringList> satırlar;
    int satırSayısı = 0;
    std::function<QStringList(int)> satır;
    // Or the rows as values, read one at a time (satırSayısı of them); a number goes in as a number
    // whatever the column's kind.
    std::function<QList<ListeHücresi>(int)> hücreler;
    // Written bold in the row after the last one, when not empty.
    QList<ListeHücresi> toplamSatırı;
    int kaçSatır() const { return satır || hücreler ? satırSayısı : int(satırlar.size()); }
};

// Writes the list into a new workbook and saves it (kaydet); returns the file's path. `ilerleme` is told
// the number of each row (from 1) before it is written. Raises ÇalışmaKitabıHatası when a number cell holds
// a text that is not a number, or the file cannot be written; then nothing is saved.
QString listeyiYaz(const ListeTablosu& liste, const std::function<void(int)>& ilerleme = {});

// 1.5 cm in inches: the margins of an exported list.
inline constexpr double ListeKenarBoşluğuİnç = 0.590551181102362;

}  // namespace platform
