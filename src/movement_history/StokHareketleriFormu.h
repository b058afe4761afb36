#pragma once
// The movement history of one product: all its entries or all its exits, one row per movement, with the
// product's entered and exited totals and its stock on hand. From here a movement is deleted, or opened
// in the entry change, exit change or return window, which reload the history when they have written.
#include "core/ListePenceresi.h"
#include "movement_history/HareketGecmisi.h"

#include <QList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class SıralıListeKutusu;

class StokHareketleriFormu : public ListePenceresi, public HareketGeçmişi {
public:
    explicit StokHareketleriFormu(QWidget* sahip = nullptr);
    ~StokHareketleriFormu() override;

    // Reloads the list and the totals for the chosen product (empties them when none is chosen).
    void ÜrünListesi_Click() override;
    // The fill, run behind the progress window.
    void HareketleriListele(QProgressBar& çubuk);

    void DeğişiklikYapDüğmesi_Click();
    void SilDüğmesi_Click();
    void StoğaİadeEtDüğmesi_Click();
    void GirişÇıkışSeçeneği_Click(int sıra);
    // F5: the product list is read again; no product is chosen afterwards.
    void ListeyiYenileDüğmesi_Click() override;

    std::optional<SeçiliHareket> seçiliHareket() const override;
    void satırıYenidenSeç(bool görünürYap) override;

    bool çıkışlarGösteriliyor() const;

    // The list's columns, by number.
    enum Sütun { HareketNo, Firması, Tarihi, Miktarı, Birimi, KDV, Fiyatı, Tutarı, Nedeni };

protected:
    ListeAktarımTablosu aktarımTablosu() const override;
    void yerleştir() override;

private:
    static ListeTanımı tanımı();
    void ürünListesiniDoldur();
    void toplamlarıBoşalt();
    bool iadeVarMı() const;
    bool satırıAl();  // sets SeçiliSıra and SeçiliHareketNo from the selected row; false when none
    // The total in the box less the selected row's quantity, both as shown.
    double diğerHareketlerToplamı(const QLineEdit* toplamKutusu) const;

    QGroupBox* ürünÇerçevesi_ = nullptr;
    QGroupBox* türÇerçevesi_ = nullptr;
    QList<QWidget*> Altlık_;
    SıralıListeKutusu* ÜrünListesi_ = nullptr;
    QLineEdit* ÜrünBulKutusu_ = nullptr;
    QRadioButton* GirişÇıkışSeçeneği_[2] = {nullptr, nullptr};
    QLineEdit* GirişToplamıKutusu_ = nullptr;
    QLineEdit* ÇıkışToplamıKutusu_ = nullptr;
    QLineEdit* KalanKutusu_ = nullptr;
    QPushButton* DeğişiklikYapDüğmesi_ = nullptr;
    QPushButton* SilDüğmesi_ = nullptr;
    QPushButton* StoğaİadeEtDüğmesi_ = nullptr;
    QList<QLabel*> Etiket_;
};
