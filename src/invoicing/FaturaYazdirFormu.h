#pragma once
// The invoicing window: the buyer firms that have invoiced-sale exits as a tree of firms and days, the
// find box that narrows it to the firms whose name begins with a text, the choice between exits not yet
// invoiced and those already invoiced, and for the chosen firm and day its details, its exit lines and the
// totals. The print buttons print the invoice or the delivery note of what the window shows.
//
// The window remembers the firm and day whose lines it shows (gösterilenGün()); the invoice date and the
// node chosen again after a reload come from it, never from whatever node the tree has selected then.
#include "core/ListeDegeri.h"
#include "invoicing/FaturaSatirlari.h"
#include "invoicing/FaturaVerisi.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <optional>

class QCheckBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ListeGörünümü;

class FaturaYazdırFormu : public QDialog {
public:
    explicit FaturaYazdırFormu(QWidget* sahip = nullptr);
    ~FaturaYazdırFormu() override;

    static inline const QString DüzenBölümü = QStringLiteral("Listeler\\Liste-3");

    // The columns of the line list, by number.
    enum Sütun { HareketNo, Kodu, Adı, Miktarı, Birimi, KDV, Fiyatı, Tutarı, KDVMiktarı };

    // --- The tree --------------------------------------------------------------------------------------
    // Fills the tree from the database (all firms, or those of the find text while AramaVar holds). When
    // it comes out empty, the customer boxes, the lines and the totals are emptied; otherwise they keep
    // what they show. No node is selected by the fill.
    void FirmaListesiniYükle();
    // Shows the node: a firm node empties the display, a day node shows that firm's details and lines.
    void FirmaListesi_NodeClick(QTreeWidgetItem* düğüm);
    void BulDüğmesi_Click();
    void TemizleDüğmesi_Click();
    void YazdırılanlarıGösterOnayı_Click();
    // Reloads the tree (also an empty one) and shows again the node that was selected: the same firm and
    // day when it is still there, else the node now at its place (the last node when the tree got shorter),
    // else nothing.
    void ListeyiYenileDüğmesi_Click();
    // After an invoice has been printed and its exits marked: reloads the tree and shows the node before the
    // printed day's (the first node when that was the first; the last when the tree got shorter); an empty
    // tree empties the display.
    void yazdırıldıktanSonraYenile();
    void FaturaAyarlarıDüğmesi_Click();
    // The prints of what the window shows; after an invoice has gone out the tree is reloaded, and so it is
    // when the invoice was refused because its lines had changed meanwhile, without ending the find: the
    // shown day is shown again as it is now when it is still in the tree, else its firm's node is selected
    // with nothing shown, else (the firm has left the tree too) no node and nothing shown. Another firm's
    // day, or another day, is never put in its place, so the press the refusal asks for cannot print it.
    void FaturaYazdırDüğmesi_Click();
    void İrsaliyeYazdırDüğmesi_Click();

    // --- What the window shows -------------------------------------------------------------------------
    struct Gün {
        int firmaNo = 0;
        QDate tarih;
        bool operator==(const Gün&) const = default;
    };
    // The firm and day whose lines are shown; nothing after a firm node, or when nothing is shown.
    std::optional<Gün> gösterilenGün() const { return gösterilen_; }
    // The shown lines in the list's current order.
    QList<fatura::FaturaKalemi> gösterilenSatırlar() const;
    fatura::Toplamlar toplamlar() const { return toplamlar_; }
    // Everything the prints take: the customer boxes, the shown day, the lines in list order, the totals.
    fatura::FaturaVerisi faturaVerisi() const;
    // The cells of a line in the list, by column.
    static QList<ListeDeğeri> hücreler(const fatura::FaturaKalemi& satır);

    void done(int sonuç) override;

protected:
    // F5 anywhere in the window runs the refresh.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void pencereyiKur();
    void bulKutusuDeğişti();
    void ekranıBoşalt();         // customer boxes, lines and totals
    void müşteriyiBoşalt();
    void satırlarıBoşalt();      // lines and totals
    void ToplamlarıHesapla();
    // Every node in tree order (each firm followed by its days), as the index of a node counts.
    QList<QTreeWidgetItem*> düğümler() const;
    QTreeWidgetItem* düğümüBul(int firmaNo, const std::optional<QDate>& gün) const;
    // Selects the node (or none) without the tree's own handlers, then shows it.
    void seçVeGöster(QTreeWidgetItem* düğüm);
    // What a reload shows when the day it showed (or the node it had selected) has left the tree.
    enum class Yoksa {
        YerindekiDüğüm,  // the node now at its place, the last node when the tree got shorter
        Firması,         // the firm's node with nothing shown, no node when the firm has gone too
    };
    // Reloads the tree without ending the find and shows again the shown day, else the selected node (a
    // firm); when that has left the tree, what `yoksa` tells. The tree takes the focus when told.
    void yenidenOkuVeGöster(bool ağacaOdak, Yoksa yoksa);

    bool AramaVar = false;
    std::optional<Gün> gösterilen_;
    QList<fatura::FaturaKalemi> satırlar_;
    // The shown lines were read from the view of exits already invoiced (the check box may have changed
    // since, as ticking it leaves the shown lines alone).
    bool satırlarYazdırılanlardan_ = false;
    fatura::Toplamlar toplamlar_;

    QGroupBox* Çerçeve0_ = nullptr;
    QGroupBox* Çerçeve1_ = nullptr;
    QGroupBox* Çerçeve2_ = nullptr;
    QLabel* Etiket0_ = nullptr;
    QLineEdit* BulKutusu_ = nullptr;
    QPushButton* BulDüğmesi_ = nullptr;
    QPushButton* TemizleDüğmesi_ = nullptr;
    QTreeWidget* FirmaListesi_ = nullptr;
    QLineEdit* FirmaAdıKutusu_ = nullptr;
    QPlainTextEdit* AdresiKutusu_ = nullptr;
    QLineEdit* VergiDairesiKutusu_ = nullptr;
    QLineEdit* VergiNumarasıKutusu_ = nullptr;
    ListeGörünümü* ÜrünListesi_ = nullptr;
    QLineEdit* ToplamKutusu_ = nullptr;
    QLineEdit* KDVToplamıKutusu_ = nullptr;
    QLineEdit* GenelToplamKutusu_ = nullptr;
    QCheckBox* YazdırılanlarıGösterOnayı_ = nullptr;
    QPushButton* FaturaAyarlarıDüğmesi_ = nullptr;
    QPushButton* İrsaliyeYazdırDüğmesi_ = nullptr;
    QPushButton* FaturaYazdırDüğmesi_ = nullptr;
    QPushButton* ListeyiYenileDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
};
