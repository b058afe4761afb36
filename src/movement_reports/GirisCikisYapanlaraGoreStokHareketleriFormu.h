#pragma once
// The entries or the exits that one person recorded, and their export; the one report that is not printed
// and has no refresh. Column store "Listeler\Liste-10"; progress codes "15" (fill) and "16" (export).
#include "movement_reports/RaporPenceresi.h"
#include "movement_reports/YapanlaraGore.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

class GirişÇıkışYapanlaraGöreStokHareketleriFormu : public ListePenceresi {
public:
    explicit GirişÇıkışYapanlaraGöreStokHareketleriFormu(QWidget* sahip = nullptr);

    // A person or a movement kind chosen: the list emptied and, with a person chosen, filled anew.
    void GirişÇıkışYapanlarListesi_Click();
    // The fill (code "15").
    void HareketleriListele(QProgressBar& çubuk);

    QListWidget* GirişÇıkışYapanlarListesi;  // the people in the table's order, each with its Nosu
    QLineEdit* GirişÇıkışYapanBulKutusu;
    QRadioButton* GirişÇıkışSeçeneği[2];      // entries, exits
    ListeGörünümü* HareketListesi;

protected:
    ListeAktarımTablosu aktarımTablosu() const override;
    void yerleştir() override;

private:
    QList<QLabel*> etiketler_;
};

void YapanlaraGöreListeyiAç(QWidget* sahip);
