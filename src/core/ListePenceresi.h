#pragma once
// The base of every window that shows a list (a QDialog): its list view, its buttons, the column store
// "Listeler\Liste-N", grid lines, F5, the header-click sort, Esc and closing, the progress window for
// long fills and exports, the list export and the list print.
//
// How a list window is made (see stock_lists/StokListesiFormu for a whole one):
//
//   class BirListeFormu : public ListePenceresi {
//   public:
//       explicit BirListeFormu(QWidget* sahip) : ListePenceresi(sahip, tanımı()) { kur(); }
//
//       // The fill, run behind the progress window by its fill code (an error raised here closes the
//       // progress window and is reported once):
//       void ListeyiYükle(QProgressBar& çubuk)
//       {
//           auto sorgu = AçıkVeritabanı->prepare(...);         // bound parameters only
//           ListeGörünümü::Doldurma doldurma(liste());        // no redraw while rows go in
//           while (sorgu.next())
//               liste()->satırEkle({sorgu.text(0), ListeDeğeri::sayı(sorgu.real(1))}, sorgu.integer(2));
//       }
//       void ListeyiYenileDüğmesi_Click() override          // also F5
//       {
//           liste()->temizle();
//           listeyiDoldur(this, [this](QProgressBar& ç) { ListeyiYükle(ç); });
//       }
//
//   protected:
//       static ListeTanımı tanımı()
//       {
//           ListeTanımı t;
//           t.listeAdı = "HareketListesi";                      // the list view's objectName
//           t.bölümNo = 8;                                       // "Listeler\Liste-8"
//           t.doldurmaKodu = "5";                                // progress-window tags
//           t.aktarmaKodu = "6";
//           t.sütunlar = {{"Tarihi", 1100, Qt::AlignLeft, SütunTürü::Tarih},   // header, width in twips,
//                         {"Miktarı", 1100, Qt::AlignRight, SütunTürü::Sayı}}; // alignment, kind
//           t.düğmeler = ListeTanımı::Yenile | ListeTanımı::Yazdır | ListeTanımı::Aktar | ListeTanımı::Kapat;
//           return t;
//       }
//       ListeAktarımTablosu aktarımTablosu() const override   // sheet name, title, title range,
//       {                                                     // columns' kinds and formats, totals row
//           ListeAktarımTablosu t;
//           t.sayfaAdı = "Günlük Giriş Hareketleri";
//           t.başlık = windowTitle();
//           t.başlıkSütunSayısı = 7;                            // "A1:G1"
//           return t;                                           // no columns: every list column by kind
//       }
//       YazdırmaDüzeni yazdırmaDüzeni() const override        // title, bottom margin, header size,
//       {                                                     // columns (X in mm, alignment, format),
//           YazdırmaDüzeni d;                                 // closing (totals) lines
//           d.başlık = windowTitle();
//           d.altBoşluk = 20;
//           d.sütunBaşlığıPuntosu = 10;
//           d.sütunlar = {{"Tarihi", 0, 20, false, YazdırmaBiçimi::Listelendiği},
//                         {"Miktarı", 1, 145, true, YazdırmaBiçimi::Miktar}};
//           return d;
//       }
//   };
//
// What a window may change besides its table:
//   - controls above or beside the list (a firm list, date pickers, option buttons): add them to
//     üstDüzen() before kur(), or override yerleştir() and place every control itself;
//   - a right-click menu: ListeSağMenüsü = sağMenüKur(); then add its actions (it pops up over the list);
//   - the buttons it has (ListeTanımı::düğmeler; a missing button's pointer stays null) and their captions;
//   - no F5 (ListeTanımı::f5Yeniler false), no first sort (ListeTanımı::ilkSıralama false);
//   - its own export or print: override MSExceleAktar(QProgressBar&) or YazdırDüğmesi_Click().
// The window's public routines that the progress window runs (the fill, MSExceleAktar) take the bar.
//
// The column state is read when the window is made (kur) and written whenever it closes (the close
// button, Esc, the close box, or its destruction while shown); a stored value that does not read as a
// number leaves that column at its default.
#include "core/ListeAktarimi.h"
#include "core/ListeDegeri.h"
#include "core/ListeGorunumu.h"
#include "core/ListeYazdirma.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QHBoxLayout;
class QMenu;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The table a list window hands the framework.
struct ListeTanımı {
    enum Düğme { Yenile = 1, Yazdır = 2, Aktar = 4, Kapat = 8 };

    QString listeAdı;               // objectName of the list view ("StokListesi")
    int bölümNo = 0;                // the column store's section "Listeler\Liste-" + bölümNo
    QList<ListeSütunu> sütunlar;    // in the order of their numbers: header, width (twips), alignment, kind
    QString doldurmaKodu;           // the progress window's tag of a fill ("13"); empty: none
    QString aktarmaKodu;            // ... and of an export ("14")
    int düğmeler = Yenile | Yazdır | Aktar | Kapat;
    bool f5Yeniler = true;          // F5 anywhere in the window runs ListeyiYenileDüğmesi_Click
    bool ilkSıralama = true;        // sorted ascending on the first column when the window is made
};

// The section of the column store of list window number n: "Listeler\Liste-n".
QString listeBölümü(int no);

// The value of a list cell (rows in the order shown, columns from 0): the view's own hücreDeğeri.
inline ListeDeğeri listeHücreDeğeri(const ListeGörünümü& liste, int satır, int sütun)
{
    return liste.hücreDeğeri(satır, sütun);
}

class ListePenceresi : public QDialog {
public:
    ListePenceresi(QWidget* sahip, ListeTanımı tanım);
    ~ListePenceresi() override;

    const ListeTanımı& tanım() const { return tanım_; }
    ListeGörünümü* liste() const { return liste_; }

    // The buttons, with their system captions; null when the window has none of that kind.
    QPushButton* ListeyiYenileDüğmesi = nullptr;  // "Listeyi Yenile (F5)"
    QPushButton* YazdırDüğmesi = nullptr;         // "&Yazdır..."
    QPushButton* ListeyiExceleAktarDüğmesi = nullptr;  // "Listeyi Microsoft &Excel'e Aktar"
    QPushButton* KapatDüğmesi = nullptr;          // "Kapat (Esc)", the cancel button
    QMenu* ListeSağMenüsü = nullptr;              // the list's right-click menu, when the window has one

    // Handlers every list window has.
    virtual void ListeyiYenileDüğmesi_Click() {}
    // The export: nothing for an empty list, otherwise the progress window with the export code runs
    // MSExceleAktar.
    virtual void ListeyiExceleAktarDüğmesi_Click();
    // The print of the window's layout (ListeYazdırma).
    virtual void YazdırDüğmesi_Click();
    void KapatDüğmesi_Click();

    // The export body, run by the progress window: the window's table written by ::MSExceleAktar.
    virtual void MSExceleAktar(QProgressBar& çubuk);

    // The window's export table and print layout, read when the export or print starts.
    virtual ListeAktarımTablosu aktarımTablosu() const;
    virtual YazdırmaDüzeni yazdırmaDüzeni() const;

protected:
    // Called at the end of the derived window's constructor: builds the columns, restores their state,
    // sorts once on the first column, places the controls and connects the handlers.
    void kur();

    // Places the controls: üstDüzen() (empty unless the window fills it), the list, the buttons in a
    // row below it. A window with a layout of its own overrides it.
    virtual void yerleştir();
    QVBoxLayout* üstDüzen() const { return üstDüzen_; }
    QHBoxLayout* düğmeDüzeni() const { return düğmeDüzeni_; }

    // Runs a fill behind the progress window (the fill code as its tag, the default dress) over `sahip`:
    // the window itself once shown, the main window while it is still being made. False when the
    // routine failed (reported once).
    bool listeyiDoldur(QWidget* sahip, std::function<void(QProgressBar&)> yordam);

    // Makes the list's right-click menu, shown when the right button goes down over the list.
    QMenu* sağMenüKur();

    // Saves the column state; runs whenever the window closes.
    void Form_QueryUnload();

    void done(int sonuç) override;
    void showEvent(QShowEvent* olay) override;

private:
    ListeTanımı tanım_;
    ListeGörünümü* liste_;
    QVBoxLayout* üstDüzen_;
    QHBoxLayout* düğmeDüzeni_;
    bool kuruldu_ = false;
    bool açık_ = false;  // shown and not yet closed: the column state is still to be saved
};
