#pragma once
// The extra details of a delivery note: its issue date, the actual dispatch date and the issue time.
#include "invoicing/EkBilgiDiyalogu.h"

#include <QDate>
#include <QTime>
#include <optional>

class QDateEdit;
class QTimeEdit;

struct EkİrsaliyeBilgileri {
    QDate düzenlemeTarihi;
    QDate fiiliSevkTarihi;
    QTime düzenlemeSaati;
};

class EkİrsaliyeBilgileriFormu : public EkBilgiDiyaloğu {
public:
    inline static const QString TarihGerekli = QStringLiteral("Düzenleme Tarihi'ni girmeniz gerekiyor!");

    explicit EkİrsaliyeBilgileriFormu(QWidget* sahip);

    // Shows the window modally over the owner; nothing when it was cancelled.
    static std::optional<EkİrsaliyeBilgileri> sor(QWidget* sahip);
    const EkİrsaliyeBilgileri& bilgiler() const { return bilgiler_; }

private:
    void Form_Load();
    void TamamDüğmesi_Click() override;

    QDateEdit* DüzenlemeTarihiKutusu;
    QDateEdit* FiiliSevkTarihiKutusu;
    QTimeEdit* DüzenlemeSaatiKutusu;
    EkİrsaliyeBilgileri bilgiler_;
};
