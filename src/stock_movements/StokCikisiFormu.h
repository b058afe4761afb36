#pragma once
// The stock-exit window: goods leaving stock for one reason and one buyer firm are collected on a
// working list, checked against the stock on hand, totalled, and committed in one step.
#include "stock_movements/StokPencereOrtak.h"

class QCheckBox;

class StokÇıkışıFormu : public stok::HareketPenceresi<stok::ÇıkışSatırı> {
public:
    explicit StokÇıkışıFormu(QWidget* sahip = nullptr);
    ~StokÇıkışıFormu() override;

    void ÜrünListesi_Click() override;
    void FiyatlarGizlensinSeçeneği_Click();
    void ToplamlarıHesapla();
    void ListeyeEkleDüğmesi_Click() override;

    static inline const QString DüzenBölümü = QStringLiteral("Listeler\\Liste-4");

private:
    void pencereyiKur();
    void toplamlarıBoşalt();

    // The reason and the firm are locked while the list holds lines: every line has those of the first.
    void listeDurumu() override;
    void odakla(stok::Alan alan) override;
    void satırlarDeğişti() override { ToplamlarıHesapla(); }
    void listeTemizlendi() override { toplamlarıBoşalt(); }
    void ayarlarıYaz() override;

    QCheckBox* FiyatlarGizlensinSeçeneği_ = nullptr;
    QLineEdit* EnDüşükAlışKutusu_ = nullptr;
    QLineEdit* OrtalamaAlışKutusu_ = nullptr;
    QLineEdit* EnYüksekAlışKutusu_ = nullptr;
    QWidget* Altlık1_ = nullptr;
    QComboBox* NedeniKutusu_ = nullptr;
    QLineEdit* ToplamKutusu_ = nullptr;
    QLineEdit* KDVToplamıKutusu_ = nullptr;
    QLineEdit* GenelToplamKutusu_ = nullptr;

    // What the product choice found: the product, its purchase prices and its stock at that moment.
    std::optional<stok::ÜrünBilgisi> seçiliÜrün_;
    stok::AlışFiyatları alış_;
    double kalan_ = 0;
    // The texts of the three price boxes, shown as they are or as "*".
    QString fiyatMetinleri_[3];
};
