#pragma once
// The entry change window: changes the product, seller firm, date, quantity and price of one recorded
// stock entry, the one selected in the movement history that opens it.
#include "movement_history/DegistirPenceresi.h"

class StokGirişiDeğiştirFormu : public hareket::DeğiştirPenceresi {
public:
    StokGirişiDeğiştirFormu(QWidget* sahip, HareketGeçmişi& geçmiş);
    ~StokGirişiDeğiştirFormu() override;

    void ÜrünListesi_Click() override;
    void KaydetDüğmesi_Click() override;

protected:
    QList<ListeGirdisi> firmalar() override;

private:
    QLineEdit* ÜrünKoduKutusu_ = nullptr;
    QLineEdit* MiktarBirimiKutusu_ = nullptr;
    QLineEdit* KDVOranıKutusu_ = nullptr;
    bool bulKutusuArıyor_ = false;  // while the product find box moves the list's selection
};
