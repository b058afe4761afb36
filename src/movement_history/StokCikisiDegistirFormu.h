#pragma once
// The exit change window: changes the product, buyer firm, date, quantity, price and reason of one
// recorded stock exit, the one selected in the movement history that opens it.
#include "movement_history/DegistirPenceresi.h"

#include <optional>

class QComboBox;

class StokÇıkışıDeğiştirFormu : public hareket::DeğiştirPenceresi {
public:
    StokÇıkışıDeğiştirFormu(QWidget* sahip, HareketGeçmişi& geçmiş);
    ~StokÇıkışıDeğiştirFormu() override;

    void ÜrünListesi_Click() override;
    void KaydetDüğmesi_Click() override;

protected:
    QList<ListeGirdisi> firmalar() override;
    void satırdanDoldur(const SeçiliHareket& satır) override;
    QWidget* nedenKutusu() const override;

private:
    QLineEdit* EnDüşükAlışKutusu_ = nullptr;
    QLineEdit* OrtalamaAlışKutusu_ = nullptr;
    QLineEdit* EnYüksekAlışKutusu_ = nullptr;
    QWidget* nedenAltlığı_ = nullptr;
    QComboBox* NedeniKutusu_ = nullptr;
    std::optional<double> enDüşükAlış_;  // of the chosen product; none without entries
};
