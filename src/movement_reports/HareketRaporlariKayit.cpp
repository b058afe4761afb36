#include "movement_reports/HareketRaporlariKayit.h"

#include "core/Acicilar.h"
#include "movement_reports/CikisNedenineGoreStokListesiFormu.h"
#include "movement_reports/GirisCikisYapanlaraGoreStokHareketleriFormu.h"
#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"
#include "movement_reports/StogaIadeEdilenUrunlerListesiFormu.h"

void HareketRaporlarınıKaydet()
{
    açıcılar::kaydet(QStringLiteral("ÇıkışNedenineGöreStokListesiMenüsü"), ÇıkışNedenineGöreListeyiAç);
    // The main window sets the mode (ListelerMenüsüTag) before it runs either opener.
    açıcılar::kaydet(QStringLiteral("GünlükGirişİşlemleriListesi"), GünlükHareketleriAç);
    açıcılar::kaydet(QStringLiteral("GünlükÇıkışİşlemleriListesi"), GünlükHareketleriAç);
    açıcılar::kaydet(QStringLiteral("GirişÇıkışYapanlaraGöreStokHareketleriMenüsü"), YapanlaraGöreListeyiAç);
    açıcılar::kaydet(QStringLiteral("StoğaİadeEdilenÜrünlerListesiMenüsü"), İadeListesiniAç);
}
