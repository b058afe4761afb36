#pragma once
// The extra details of an invoice: the number and date of the delivery note that goes with it. The
// invoice date is shown for information only; the invoice is dated by the day chosen in the invoicing
// window.
#include "invoicing/EkBilgiDiyalogu.h"

#include <QDate>
#include <optional>

class QDateEdit;
class QLineEdit;

struct EkFaturaBilgileri {
    QString irsaliyeNo;
    QDate irsaliyeTarihi;
};

class EkFaturaBilgileriFormu : public EkBilgiDiyaloğu {
public:
    inline static const QString NoGerekli = QStringLiteral("İrsaliye No'yu girmeniz gerekiyor!");
    inline static const QString TarihGerekli = QStringLiteral("İrsaliye Tarihi'ni girmeniz gerekiyor!");

    EkFaturaBilgileriFormu(QWidget* sahip, const QDate& faturaTarihi);

    // Shows the window modally over the owner; nothing when it was cancelled.
    static std::optional<EkFaturaBilgileri> sor(QWidget* sahip, const QDate& faturaTarihi);
    const EkFaturaBilgileri& bilgiler() const { return bilgiler_; }

private:
    void Form_Load(const QDate& faturaTarihi);
    void TamamDüğmesi_Click() override;

    QLineEdit* İrsaliyeNoKutusu;
    QDateEdit* İrsaliyeTarihiKutusu;
    QDateEdit* FaturaTarihiKutusu;
    EkFaturaBilgileri bilgiler_;
};
