#include "definitions/TanimlamaSecFormu.h"

#include "core/Acicilar.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TanımlamaSeçFormu::TanımlamaSeçFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("TanımlamaSeçFormu"));
    setWindowTitle(QStringLiteral("Tanımlama Seç"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // The background panel takes the window's own colour, so the frame stands on the window's face.
    auto* Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setAutoFillBackground(true);
    Altlık->setBackgroundRole(backgroundRole());

    auto* Çerçeve = new QGroupBox(Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    const QString başlıklar[3] = {QStringLiteral("Ü&rün Tanımlama "), QStringLiteral("&Satıcı Tanımlama "),
                                  QStringLiteral("&Alıcı Tanımlama ")};
    auto* seçenekler = new QVBoxLayout(Çerçeve);
    for (int i = 0; i < 3; ++i) {
        TanımlamaSeç[i] = new QRadioButton(başlıklar[i], Çerçeve);
        TanımlamaSeç[i]->setObjectName(QStringLiteral("TanımlamaSeç(%1)").arg(i));
        seçenekler->addWidget(TanımlamaSeç[i]);
    }
    TanımlamaSeç[0]->setChecked(true);
    auto* altlıkDüzeni = new QVBoxLayout(Altlık);
    altlıkDüzeni->setContentsMargins(8, 4, 8, 8);
    altlıkDüzeni->addWidget(Çerçeve);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);

    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Altlık);
    düzen->addLayout(düğmeler);

    connect(TamamDüğmesi, &QPushButton::clicked, this, &TanımlamaSeçFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &TanımlamaSeçFormu::İptalDüğmesi_Click);
}

void TanımlamaSeçFormu::TamamDüğmesi_Click()
{
    // The chosen window has the main window, this dialog's owner, as its owner; the dialog leaves the screen
    // as that window opens and is gone when it closes.
    QWidget* sahip = parentWidget();
    QString açıcı;
    if (TanımlamaSeç[0]->isChecked()) {
        açıcı = QStringLiteral("ÜrünTanımlaMenüsü");
    } else if (TanımlamaSeç[1]->isChecked()) {
        SeçiliFirmaTablosu = SatıcıFirmaTablosuAdı;
        açıcı = QStringLiteral("SatıcıFirmaTanımlaMenüsü");
    } else {
        SeçiliFirmaTablosu = AlıcıFirmaTablosuAdı;
        açıcı = QStringLiteral("AlıcıFirmaTanımlaMenüsü");
    }
    accept();
    // An error while opening the window ends the choice without a message.
    HatayıAtla([&] { açıcılar::aç(açıcı, sahip); });
}

void TanımlamaSeçFormu::İptalDüğmesi_Click() { reject(); }
