#include "definitions/FirmaKayit.h"

#include "core/Acicilar.h"
#include "definitions/FirmaTanimlaFormu.h"

namespace {
void aç(QWidget* sahip, const QString& etiket, const QString& başlık)
{
    FirmaTanımlaFormu pencere(sahip);
    pencere.Tag = etiket;
    pencere.setWindowTitle(başlık);
    pencere.exec();
}
}  // namespace

void FirmaPencereleriniKaydet()
{
    açıcılar::kaydet(QStringLiteral("SatıcıFirmaTanımlaMenüsü"), [](QWidget* sahip) {
        aç(sahip, QStringLiteral("0"), QStringLiteral("Satıcı Firma Tanımla (Ekle/Değiştir/Sil)"));
    });
    açıcılar::kaydet(QStringLiteral("AlıcıFirmaTanımlaMenüsü"), [](QWidget* sahip) {
        aç(sahip, QStringLiteral("1"), QStringLiteral("Alıcı (Müşteri) Firma Tanımla (Ekle/Değiştir/Sil)"));
    });
}
