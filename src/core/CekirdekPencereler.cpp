#include "core/CekirdekPencereler.h"

#include "core/Acicilar.h"
#include "core/GirisSifresiFormlari.h"
#include "core/SunucuDegistirFormu.h"
#include "core/TercihlerFormu.h"

void ÇekirdekPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("GirişŞifresiBelirleDeğiştirMenüsü"), [](QWidget* sahip) {
        GirişŞifresiBelirleDeğiştirFormu pencere(sahip);
        pencere.exec();
    });
    açıcılar::kaydet(QStringLiteral("SunucuDeğiştirMenüsü"), [](QWidget* sahip) {
        SunucuDeğiştirFormu pencere(sahip);
        pencere.exec();
    });
    // Preferences (also read at start-up), about and error report.
    TercihPencereleriniKaydet();
}
