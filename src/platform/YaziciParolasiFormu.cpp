#include "platform/YaziciParolasiFormu.h"

#include "platform/Mesaj.h"

#include <QGuiApplication>
#include <QGridLayout>
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

    Etiket = new QLabel(QStringLiteral("\"%1\" yazıcısına yazdırmak için parola gerekiyor.").arg(soru.yazıcı), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    UyarıEtiketi = new QLabel(QStringLiteral("Parola yanlış. Lütfen, tekrar deneyiniz."), this);
    UyarıEtiketi->setObjectName(QStringLiteral("UyarıEtiketi"));
    UyarıEtiketi->setVisible(soru.yanlış);
    auto* kullanıcıEtiketi = new QLabel(QStringLiteral("&Kullanıcı :"), this);
    KullanıcıKutusu = new QLineEdit(soru.kullanıcı, this);
    KullanıcıKutusu->setObjectName(QStringLiteral("KullanıcıKutusu"));
    KullanıcıKutusu->setMinimumWidth(200);
    kullanıcıEtiketi->setBuddy(KullanıcıKutusu);
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

    auto* alanlar = new QGridLayout;
    alanlar->addWidget(kullanıcıEtiketi, 0, 0);
    alanlar->addWidget(KullanıcıKutusu, 0, 1);
    alanlar->addWidget(parolaEtiketi, 1, 0);
    alanlar->addWidget(ParolaKutusu, 1, 1);
    alanlar->setColumnStretch(1, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Etiket);
    düzen->addWidget(UyarıEtiketi);
    düzen->addLayout(alanlar);
    düzen->addLayout(düğmeler);
    setFixedSize(sizeHint());
}

std::optional<QString> YazıcıParolasıFormu::sor(yazdırma::ParolaSorusu& soru)
{
    YazıcıParolasıFormu pencere(soru, mesaj::sahipPencere());
    // Typed over the name it shows, the password is what the user most often changes.
    pencere.ParolaKutusu->setFocus();
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool verildi = pencere.exec() == QDialog::Accepted;
    QGuiApplication::restoreOverrideCursor();
    if (!verildi) return std::nullopt;
    const QString kullanıcı = pencere.KullanıcıKutusu->text().trimmed();
    if (!kullanıcı.isEmpty()) soru.kullanıcı = kullanıcı;
    return pencere.ParolaKutusu->text();
}
