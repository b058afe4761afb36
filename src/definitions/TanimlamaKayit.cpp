#include "definitions/TanimlamaKayit.h"

#include "core/Acicilar.h"
#include "definitions/TanimlamaSecFormu.h"
#include "definitions/UrunTanimlamaFormu.h"

void TanımlamaPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("ÜrünTanımlaMenüsü"), [](QWidget* sahip) {
        ÜrünTanımlamaFormu pencere(sahip);
        pencere.exec();
    });
    açıcılar::kaydet(QStringLiteral("TanımlamaSeçFormu"), [](QWidget* sahip) {
        TanımlamaSeçFormu pencere(sahip);
        pencere.exec();
    });
}
