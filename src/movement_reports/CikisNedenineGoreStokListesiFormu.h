#pragma once
// The exits of one product that carry one exit reason: the reason chosen, the products that have such
// exits, and the chosen product's exits with their total quantity. Column store "Listeler\Liste-2";
// progress codes "3" (fill) and "4" (export).
#include "movement_reports/CikisNedenineGore.h"
#include "movement_reports/RaporPenceresi.h"

class QComboBox;
class QLineEdit;

class ÇıkışNedenineGöreStokListesiFormu : public ListePenceresi {
public:
    explicit ÇıkışNedenineGöreStokListesiFormu(QWidget* sahip = nullptr);

    // A new reason (also F5): the products of the reason, no product chosen, no rows, no total.
    void NedeniKutusu_Click();
    // A product chosen or unchosen: its exits behind the progress window, or nothing.
    void ÜrünListesi_Click();
    // The fill (code "3"): the chosen product's exits with the reason, then their total.
    void HareketleriGöster(QProgressBar& çubuk);
    void ListeyiYenileDüğmesi_Click() override;

    QComboBox* NedeniKutusu;
    SıralıListeKutusu* ÜrünListesi;
    QLineEdit* ÜrünBulKutusu;
    ListeGörünümü* HareketListesi;
    QLineEdit* ÇıkışToplamıKutusu;

protected:
    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;
    void yerleştir() override;

private:
    QList<QLabel*> etiketler_;
};

void ÇıkışNedenineGöreListeyiAç(QWidget* sahip);
