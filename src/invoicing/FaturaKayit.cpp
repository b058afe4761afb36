#include "invoicing/FaturaKayit.h"

#include "core/Acicilar.h"
#include "invoicing/FaturaYazdirFormu.h"

void FaturaPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("FaturaYazdırMenüsü"), [](QWidget* sahip) {
        FaturaYazdırFormu pencere(sahip);
        pencere.exec();
    });
}
