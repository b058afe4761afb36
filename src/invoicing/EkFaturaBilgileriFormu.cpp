#include "invoicing/EkFaturaBilgileriFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "platform/Mesaj.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

EkFaturaBilgileriFormu::EkFaturaBilgileriFormu(QWidget* sahip, const QDate& faturaTarihi) : EkBilgiDiyaloğu(sahip)
{
    setObjectName(QStringLiteral("EkFaturaBilgileriFormu"));
    setWindowTitle(QStringLiteral("Ek Fatura Bilgileri"));

    İrsaliyeNoKutusu = new QLineEdit;
    İrsaliyeNoKutusu->setObjectName(QStringLiteral("İrsaliyeNoKutusu"));
    İrsaliyeTarihiKutusu = tarihKutusu("İrsaliyeTarihiKutusu");
    FaturaTarihiKutusu = tarihKutusu("FaturaTarihiKutusu");
    alanEkle(QStringLiteral("İrsaliye &No :"), İrsaliyeNoKutusu);
    alanEkle(QStringLiteral("İrsaliye &Tarihi :"), İrsaliyeTarihiKutusu);
    alanEkle(QStringLiteral("Fatura Tarihi :"), FaturaTarihiKutusu);
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(İrsaliyeNoKutusu,
                                K::TümünüSeç | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf | K::KırpmaBiçimi);
    tamamla();
    Form_Load(faturaTarihi);
}

void EkFaturaBilgileriFormu::Form_Load(const QDate& faturaTarihi)
{
    İrsaliyeTarihiKutusu->setDate(QDate::currentDate());
    FaturaTarihiKutusu->setDate(faturaTarihi);
    İrsaliyeNoKutusu->clear();
}

std::optional<EkFaturaBilgileri> EkFaturaBilgileriFormu::sor(QWidget* sahip, const QDate& faturaTarihi)
{
    EkFaturaBilgileriFormu pencere(sahip, faturaTarihi);
    if (pencere.exec() != QDialog::Accepted) return std::nullopt;
    return pencere.bilgiler();
}

void EkFaturaBilgileriFormu::TamamDüğmesi_Click()
{
    // A number of blanks only is no number, whether or not the box was left before.
    const QString no = AlanGirişiKuralları::kırp(İrsaliyeNoKutusu->text());
    if (no.isEmpty()) {
        mesaj::göster(NoGerekli, mesaj::Simge::Bilgi);
        İrsaliyeNoKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!İrsaliyeTarihiKutusu->date().isValid()) {
        mesaj::göster(TarihGerekli, mesaj::Simge::Bilgi);
        İrsaliyeTarihiKutusu->setFocus(Qt::OtherFocusReason);
        return;
    }
    bilgiler_ = {no, İrsaliyeTarihiKutusu->date()};
    kabulEt();
}
