#include "platform/YaziciParolasiFormu.h"

#include "platform/Mesaj.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

YazıcıParolasıFormu::YazıcıParolasıFormu(const yazdırma::ParolaSorusu& soru, QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("YazıcıParolasıFormu"));
    setWindowTitle(mesaj::VarsayılanBaşlık);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Etiket = new QLabel(QStringLiteral("\"%1\" yazıcısına yazdırmak için parola gerekiyor.\n\nKullanıcı: %2")
                            .arg(soru.yazıcı, soru.kullanıcı),
                        this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    UyarıEtiketi = new QLabel(QStringLiteral("Parola yanlış. Lütfen, tekrar deneyiniz."), this);
    UyarıEtiketi->setObjectName(QStringLiteral("UyarıEtiketi"));
    UyarıEtiketi->setVisible(soru.yanlış);
    auto* parolaEtiketi = new QLabel(QStringLiteral("&Parola :"), this);
    ParolaKutusu = new QLineEdit(this);
    ParolaKutusu->setObjectName(QStringLiteral("ParolaKutusu"));
    ParolaKutusu->setEchoMode(QLineEdit::Password);
    ParolaKutusu->setMinimumWidth(200);
    parolaEtiketi->setBuddy(ParolaKutusu);

    auto* TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    auto* İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    İptalDüğmesi->setAutoDefault(false);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &QDialog::accept);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);

    auto* parola = new QHBoxLayout;
    parola->addWidget(parolaEtiketi);
    parola->addWidget(ParolaKutusu, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Etiket);
    düzen->addWidget(UyarıEtiketi);
    düzen->addLayout(parola);
    düzen->addLayout(düğmeler);
    setFixedSize(sizeHint());
}

std::optional<QString> YazıcıParolasıFormu::sor(const yazdırma::ParolaSorusu& soru)
{
    YazıcıParolasıFormu pencere(soru, mesaj::sahipPencere());
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool verildi = pencere.exec() == QDialog::Accepted;
    QGuiApplication::restoreOverrideCursor();
    if (!verildi) return std::nullopt;
    return pencere.ParolaKutusu->text();
}
