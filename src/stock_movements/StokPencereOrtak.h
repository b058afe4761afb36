#pragma once
// What the stock-entry and stock-exit windows have alike: HareketPenceresi, the part of the window that
// works the same in both, and the small steps it takes. The control makers come from
// core/StokPencereYardimcilari.h.
#include "core/StokPencereYardimcilari.h"
#include "stock_movements/StokSatirlari.h"
#include "stock_movements/StokVeritabani.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <exception>
#include <optional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class ListeGörünümü;
class SıralıListeKutusu;
struct ListeSütunu;
namespace platform {
struct ListeTablosu;
}

namespace stok {

// Reports the error of a database operation once through the common reporter.
void hatayıBildir(const std::exception& hata);

// The record number of the list's selected entry; nothing when none is selected.
std::optional<int> seçiliKayıt(const SıralıListeKutusu* liste);

// The stock-entry and stock-exit windows alike: the firm and product lists with their find boxes, the
// stock, person, date, quantity and price boxes, the working list of `Satır` lines with its buttons, and the
// steps of adding, removing, committing, exporting and closing. A control named alike in both windows
// keeps its name as its member's; the others are named by their role (kişiKutusu_ is GirişiYapanKutusu in
// one window and ÇıkışıYapanKutusu in the other). The exit window adds its reason, prices and totals
// through the virtual steps.
template <class Satır>
class HareketPenceresi : public QDialog {
public:
    // What the shared part is named and does in each window.
    struct Tanım {
        QString seçimÇerçevesi;  // caption of Çerçeve(0)
        QString kişiKutusu;      // name of the person box
        QString tarihAltlığı;    // name of the date box's panel
        QString listeÇerçevesi;  // caption of Çerçeve(1)
        QString liste;           // name of the working list
        QString kaydetDüğmesi;   // name and caption of the button that commits the list
        QString kaydetMetni;
        QSize boyut;             // designed size, pixels
        const QList<ListeSütunu>* sütunlar = nullptr;
        QString düzenBölümü;     // settings section of the list's column layout
        QString kapanışUyarısı;  // asked on close while the list holds lines
        QList<AdNo> (*firmalar)(platform::Database&) = nullptr;
        std::optional<KayıtRet> (*kaydet)(platform::Database&, const QList<Satır>&) = nullptr;
        QString excelGörevi;
        platform::ListeTablosu (*excelTablosu)(const ListeGörünümü&) = nullptr;
    };

    ~HareketPenceresi() override;

    // The window's operations, as its buttons and lists run them.
    virtual void ÜrünListesi_Click() = 0;
    virtual void ListeyeEkleDüğmesi_Click() = 0;
    void listeyiKaydet();  // the commit button
    void ÜrünüListedenÇıkarDüğmesi_Click();
    void ListeyiTemizleDüğmesi_Click();
    void ListeyiExceleAktarDüğmesi_Click();
    // Writes the working list into a new workbook and opens it; runs behind the progress window.
    void MSExceleAktar(QProgressBar& çubuk);

    // The lines in the list's current order.
    QList<Satır> satırlar() const;

    void reject() override;  // every way of closing comes here

protected:
    // Makes the shared controls; the window then makes its own and its labels, and calls kur().
    HareketPenceresi(QWidget* sahip, const Tanım& tanım);

    // Lays the window out and sets it going: the firm and product columns, then `alanlar` (a label, or
    // none, and its box, a row each) above the add button, and the working list with `listeAltı` (when
    // given) above its buttons; the tab order runs through `girdiler` between the product find box and the
    // add button. Then the box rules and events, the list's columns and saved layout, the lists' entries
    // and today's date.
    void kur(const QList<QPair<QLabel*, QWidget*>>& alanlar, const QList<QWidget*>& girdiler,
             QLayout* listeAltı = nullptr);

    // Steps of an add. Shows the refusal, if any, and moves the focus to its box: true when refused.
    bool reddedildi(const std::optional<Ret>& ret);
    // The person of the line: found in the box without regard to letter case, or added to the people
    // table first; 0 when none was given, nothing when the person could not be written (reported).
    std::optional<int> kişiNumarası();
    // Puts the line on the list and readies the boxes for the next one: the date and the person stay.
    void satırıEkle(const Satır& satır);

    // Enables the list and its buttons while it holds lines.
    virtual void listeDurumu();
    virtual void odakla(Alan alan);
    virtual void satırlarDeğişti() {}  // after a line was added or removed
    virtual void listeTemizlendi() {}  // after the list was emptied
    virtual void ayarlarıYaz() {}      // on close, after the list's layout

    QGroupBox* Çerçeve0_ = nullptr;
    QGroupBox* Çerçeve1_ = nullptr;
    SıralıListeKutusu* FirmaListesi_ = nullptr;
    QLineEdit* FirmaBulKutusu_ = nullptr;
    SıralıListeKutusu* ÜrünListesi_ = nullptr;
    QLineEdit* ÜrünBulKutusu_ = nullptr;
    QLineEdit* KalanKutusu_ = nullptr;
    QComboBox* kişiKutusu_ = nullptr;
    QWidget* tarihAltlığı_ = nullptr;
    QDateEdit* TarihiKutusu_ = nullptr;
    QLineEdit* MiktarıKutusu_ = nullptr;
    QLineEdit* FiyatıKutusu_ = nullptr;
    QPushButton* ListeyeEkleDüğmesi_ = nullptr;
    ListeGörünümü* liste_ = nullptr;
    QPushButton* kaydetDüğmesi_ = nullptr;
    QPushButton* ÜrünüListedenÇıkarDüğmesi_ = nullptr;
    QPushButton* ListeyiTemizleDüğmesi_ = nullptr;
    QPushButton* ListeyiExceleAktarDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
    // Etiket(0) to Etiket(11) have the same roles in both windows; the window makes them.
    QList<QLabel*> Etiket_;

private:
    QList<QPushButton*> listeDüğmeleri() const;
    void listeleriDoldur();
    bool kapanabilirMi();

    const Tanım tanım_;
    // The lines by the number each list row carries; the row order is the list's.
    QHash<qint64, Satır> satırlar_;
    qint64 sonSatırNo_ = 0;
};

extern template class HareketPenceresi<GirişSatırı>;
extern template class HareketPenceresi<ÇıkışSatırı>;

}  // namespace stok
