#include "invoicing/EkIrsaliyeBilgileriFormu.h"

#include "platform/Mesaj.h"

#include <QDateEdit>
#include <QTimeEdit>

EkİrsaliyeBilgileriFormu::EkİrsaliyeBilgileriFormu(QWidget* sahip) : EkBilgiDiyaloğu(sahip)
{
    setObjectName(QStringLiteral("EkİrsaliyeBilgileriFormu"));
    setWindowTitle(QStringLiteral("Ek İrsaliye Bilgileri"));

    DüzenlemeTarihiKutusu = tarihKutusu("DüzenlemeTarihiKutusu");
    FiiliSevkTarihiKutusu = tarihKutusu("FiiliSevkTarihiKutusu");
    DüzenlemeSaatiKutusu = new QTimeEdit;
    DüzenlemeSaatiKutusu->setObjectName(QStringLiteral("DüzenlemeSaatiKutusu"));
    DüzenlemeSaatiKutusu->setDisplayFormat(QStringLiteral("HH:mm"));
    alanEkle(QStringLiteral("&Düzenleme Tarihi :"), DüzenlemeTarihiKutusu);
    alanEkle(QStringLiteral("&Fiili Sevk Tarihi :"), FiiliSevkTarihiKutusu);
    alanEkle(QStringLiteral("Düzenleme &Saati :"), DüzenlemeSaatiKutusu);
    tamamla();
    Form_Load();
}

void EkİrsaliyeBilgileriFormu::Form_Load()
{
    DüzenlemeTarihiKutusu->setDate(QDate::currentDate());
    FiiliSevkTarihiKutusu->setDate(QDate::currentDate());
    // The time to the minute.
    const QTime şimdi = QTime::currentTime();
    DüzenlemeSaatiKutusu->setTime(QTime(şimdi.hour(), şimdi.minute()));
}

std::optional<EkİrsaliyeBilgileri> EkİrsaliyeBilgileriFormu::sor(QWidget* sahip)
{
    EkİrsaliyeBilgileriFormu pencere(sahip);
    if (pencere.exec() != QDialog::Accepted) return std::nullopt;
    return pencere.bilgiler();
}

void EkİrsaliyeBilgileriFormu::TamamDüğmesi_Click()
{
    if (!DüzenlemeTarihiKutusu->date().isValid()) {
        mesaj::göster(TarihGerekli, mesaj::Simge::Bilgi);
        DüzenlemeTarihiKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    bilgiler_ = {DüzenlemeTarihiKutusu->date(), FiiliSevkTarihiKutusu->date(), DüzenlemeSaatiKutusu->time()};
    kabulEt();
}
