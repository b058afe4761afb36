#pragma once
// The stock-entry window: goods coming in from seller firms are collected on a working list, line by
// line, and committed to the shared database in one step.
#include "stock_movements/StokPencereOrtak.h"

class StokGirişiFormu : public stok::HareketPenceresi<stok::GirişSatırı> {
public:
    explicit StokGirişiFormu(QWidget* sahip = nullptr);
    ~StokGirişiFormu() override;

    void ÜrünListesi_Click() override;
    void ListeyeEkleDüğmesi_Click() override;

    static inline const QString DüzenBölümü = QStringLiteral("Listeler\\Liste-5");

private:
    void pencereyiKur();

    QLineEdit* ÜrünKoduKutusu_ = nullptr;
    QLineEdit* MiktarBirimiKutusu_ = nullptr;
    QLineEdit* KDVOranıKutusu_ = nullptr;

    std::optional<stok::ÜrünBilgisi> seçiliÜrün_;
};
