#include "invoicing/EkBilgiDiyalogu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/TarihSecici.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EkBilgiDiyaloğu::EkBilgiDiyaloğu(QWidget* sahip) : QDialog(sahip)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);

    Çerçeve = new QGroupBox(this);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Altlık = new QWidget(Çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setAutoFillBackground(true);
    auto* çerçeveDüzeni = new QVBoxLayout(Çerçeve);
    çerçeveDüzeni->setContentsMargins(6, 6, 6, 6);
    çerçeveDüzeni->addWidget(Altlık);
    auto* ızgara = new QGridLayout(Altlık);
    ızgara->setContentsMargins(4, 4, 4, 4);
    ızgara->setVerticalSpacing(8);
    ızgara->setHorizontalSpacing(8);

    auto düğme = [&](const char* ad, const QString& başlık) {
        auto* d = new QPushButton(başlık, this);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);  // Enter presses no button
        d->setMinimumWidth(84);
        return d;
    };
    TamamDüğmesi = düğme("TamamDüğmesi", QStringLiteral("Tamam"));
    VazgeçDüğmesi = düğme("VazgeçDüğmesi", QStringLiteral("Vazgeç"));
}

QDateEdit* EkBilgiDiyaloğu::tarihKutusu(const char* ad)
{
    QDateEdit* k = tarihSeçici(nullptr, QString::fromUtf8(ad));
    k->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    return k;
}

void EkBilgiDiyaloğu::alanEkle(const QString& etiket, QWidget* alan)
{
    auto* e = new QLabel(etiket, Altlık);
    e->setObjectName(QStringLiteral("Etiket(%1)").arg(Etiket.size()));
    e->setBuddy(alan);
    alan->setParent(Altlık);
    auto* ızgara = static_cast<QGridLayout*>(Altlık->layout());
    ızgara->addWidget(e, int(Etiket.size()), 0);
    ızgara->addWidget(alan, int(Etiket.size()), 1);
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(alan, K::EtiketVurgusu, e);
    Etiket.append(e);
}

void EkBilgiDiyaloğu::tamamla()
{
    QPalette p = Altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    Altlık->setPalette(p);

    auto* düğmeler = new QVBoxLayout;
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(VazgeçDüğmesi);
    düğmeler->addStretch();
    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(10, 10, 10, 10);
    düzen->setSpacing(10);
    düzen->addWidget(Çerçeve, 1);
    düzen->addLayout(düğmeler);

    QWidget* önceki = nullptr;
    for (QLabel* e : Etiket) {
        if (önceki) setTabOrder(önceki, e->buddy());
        önceki = e->buddy();
    }
    setTabOrder(önceki, TamamDüğmesi);
    setTabOrder(TamamDüğmesi, VazgeçDüğmesi);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    // 5340 × 2490 twips at 15 twips to the pixel, or what the fields need.
    resize(QSize(356, 166).expandedTo(sizeHint()));
    setFixedSize(size());
}

void EkBilgiDiyaloğu::kabulEt()
{
    accept();
    QCoreApplication::processEvents();
}
