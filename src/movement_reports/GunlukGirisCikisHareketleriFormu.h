#pragma once
// The entries or the exits of one day, or of every day, with their totals. The mode is the Tag of the
// main window's lists menu (ListelerMenüsüTag: "1" entries, "2" exits), read whenever it is needed.
// Column store "Listeler\Liste-8"; progress codes "5" (fill) and "6" (export).
#include "movement_reports/GunlukHareketler.h"
#include "movement_reports/RaporPenceresi.h"

class QLineEdit;

class GünlükGirişÇıkışHareketleriFormu : public TarihliListePenceresi {
public:
    explicit GünlükGirişÇıkışHareketleriFormu(QWidget* sahip = nullptr);

    void ListeyiYükle(QProgressBar& çubuk) override;

    ListeGörünümü* HareketListesi;
    QLineEdit* ToplamMiktarKutusu;
    QLineEdit* ToplamFiyatKutusu;
    QLineEdit* ToplamTutarKutusu;

protected:
    QString başlık(rapor::Listeleme tür, const QDate& gün, bool satırVar) const override;
    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;

private:
    rapor::GünlükToplamlar toplamlar_;
};

// The opener of the main window's two menu items: the mode is already in ListelerMenüsüTag.
void GünlükHareketleriAç(QWidget* sahip);
