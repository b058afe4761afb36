#include "movement_history/HareketGecmisiKayit.h"

#include "core/Acicilar.h"
#include "movement_history/StokHareketleriFormu.h"

void HareketGeçmişiPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("ÜrünlereGöreStokHareketleriMenüsü"), [](QWidget* sahip) {
        StokHareketleriFormu pencere(sahip);
        pencere.exec();
    });
}
