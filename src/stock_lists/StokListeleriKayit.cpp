#include "stock_lists/StokListeleriKayit.h"

#include "core/Acicilar.h"
#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"
#include "stock_lists/KarListesiFormu.h"
#include "stock_lists/StokListesiFormu.h"

void StokListeleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("GüncelStokListesiMenüsü"), [](QWidget* sahip) { StokListesiniAç(sahip, 0); });
    açıcılar::kaydet(QStringLiteral("MevcuduAzalanÜrünlerListesiMenüsü"),
                     [](QWidget* sahip) { StokListesiniAç(sahip, 1); });
    açıcılar::kaydet(QStringLiteral("StokListesiUyarısı"), [](QWidget* sahip) { AzalanStokUyarısı(sahip); });
    açıcılar::kaydet(QStringLiteral("SatıcıFirmalaraGöreStokListesi"), SatıcıFirmalaraGöreStokListesiniAç);
    açıcılar::kaydet(QStringLiteral("AlıcıFirmalaraGöreStokListesi"), AlıcıFirmalaraGöreStokListesiniAç);
    açıcılar::kaydet(QStringLiteral("KarListesiMenüsü"), KarListesiniAç);
}
