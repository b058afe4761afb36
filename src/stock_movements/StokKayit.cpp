#include "stock_movements/StokKayit.h"

#include "core/Acicilar.h"
#include "stock_movements/StokCikisiFormu.h"
#include "stock_movements/StokGirisiFormu.h"

void StokPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("StoğaGirişYapMenüsü"), [](QWidget* sahip) {
        StokGirişiFormu pencere(sahip);
        pencere.exec();
    });
    açıcılar::kaydet(QStringLiteral("StoktanÇıkışYapMenüsü"), [](QWidget* sahip) {
        StokÇıkışıFormu pencere(sahip);
        pencere.exec();
    });
}
