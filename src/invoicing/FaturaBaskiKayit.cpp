#include "invoicing/FaturaBaskiKayit.h"

#include "core/Acicilar.h"
#include "invoicing/FaturaAyarlariFormu.h"

void FaturaBaskıPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("FaturaAyarlarıMenüsü"), [](QWidget* sahip) {
        FaturaAyarlarıFormu pencere(sahip);
        pencere.exec();
    });
}
