#pragma once
// The returns to stock of one day, or of every day, each with the exit it came back from. Creates the
// returns table when the database lacks it. Column store "Listeler\Liste-9"; progress codes "7" (fill)
// and "8" (export).
#include "movement_reports/IadeListesi.h"
#include "movement_reports/RaporPenceresi.h"

class StoğaİadeEdilenÜrünlerListesiFormu : public TarihliListePenceresi {
public:
    explicit StoğaİadeEdilenÜrünlerListesiFormu(QWidget* sahip = nullptr);

    void ListeyiYükle(QProgressBar& çubuk) override;

    ListeGörünümü* İadeBilgileriListesi;

protected:
    QString başlık(rapor::Listeleme tür, const QDate& gün, bool satırVar) const override;
    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;
};

void İadeListesiniAç(QWidget* sahip);
