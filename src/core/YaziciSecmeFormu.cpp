#include "core/YaziciSecmeFormu.h"

#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "platform/YazdirmaSunucusu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

YazıcıSeçmeFormu::YazıcıSeçmeFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("YazıcıSeçmeFormu"));
    setWindowTitle(QStringLiteral("Yazıcı Seç"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    auto* pencereDüzeni = new QVBoxLayout(this);
    pencereDüzeni->setContentsMargins(0, 0, 0, 0);
    pencereDüzeni->addWidget(Altlık);

    auto* Çerçeve = new QGroupBox(QStringLiteral("Yazıcı "), Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    YazıcıAdlarıKutusu = new QComboBox(Çerçeve);
    YazıcıAdlarıKutusu->setObjectName(QStringLiteral("YazıcıAdlarıKutusu"));
    YazıcıAdlarıKutusu->setMinimumWidth(230);
    BağlantıNoktasıKutusu = new QLineEdit(Çerçeve);
    BağlantıNoktasıKutusu->setObjectName(QStringLiteral("BağlantıNoktasıKutusu"));
    BağlantıNoktasıKutusu->setReadOnly(true);
    auto* adEtiketi = new QLabel(QStringLiteral("Yazıcı &Adı :"), Çerçeve);
    adEtiketi->setBuddy(YazıcıAdlarıKutusu);
    auto* yerEtiketi = new QLabel(QStringLiteral("&Bağlantı Yeri :"), Çerçeve);
    yerEtiketi->setBuddy(BağlantıNoktasıKutusu);
    auto* ızgara = new QGridLayout(Çerçeve);
    ızgara->setHorizontalSpacing(10);
    ızgara->addWidget(adEtiketi, 0, 0);
    ızgara->addWidget(YazıcıAdlarıKutusu, 0, 1);
    ızgara->addWidget(yerEtiketi, 1, 0);
    ızgara->addWidget(BağlantıNoktasıKutusu, 1, 1);
    ızgara->setColumnStretch(1, 1);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), Altlık);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setDefault(true);
    TamamDüğmesi->setMinimumWidth(84);
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal (Esc)"), Altlık);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    İptalDüğmesi->setAutoDefault(false);
    İptalDüğmesi->setMinimumWidth(84);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    // Why the print server's printers are missing, when its listing failed.
    SunucuEtiketi = new QLabel(Altlık);
    SunucuEtiketi->setObjectName(QStringLiteral("SunucuEtiketi"));
    SunucuEtiketi->setWordWrap(true);
    SunucuEtiketi->setVisible(false);
    auto* düzen = new QVBoxLayout(Altlık);
    düzen->setContentsMargins(10, 10, 10, 10);
    düzen->setSpacing(10);
    düzen->addWidget(Çerçeve);
    düzen->addWidget(SunucuEtiketi);
    düzen->addLayout(düğmeler);

    connect(YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this, &YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::reject);

    Form_Load();
    setFixedSize(sizeHint());
}

bool YazıcıSeçmeFormu::YazıcıSeçimi(QWidget* sahip)
{
    YazdırmaİptalEdildi = false;
    YazıcıSeçmeFormu pencere(sahip);
    // A window closed, or the program ended, while the print server listed its printers: the print ends
    // here, and the close is carried out once it has.
    if (yazdırma::beklerkenKapatmaİstendi()) {
        YazdırmaİptalEdildi = true;
        return false;
    }
    pencere.exec();
    return !YazdırmaİptalEdildi;
}

void YazıcıSeçmeFormu::Form_Load()
{
    Altlık->setAutoFillBackground(true);
    QPalette p = Altlık->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    Altlık->setPalette(p);

    // The print server is asked once, and the current printer found among what it listed; a printer that
    // it did not list is not offered, not even the one chosen before.
    QString neden;
    yazıcılar_ = yazdırma::yazıcılar(&neden);
    for (int i = 0; i < yazıcılar_.size(); ++i) YazıcıAdlarıKutusu->addItem(yazıcılar_[i].ad, i);
    YazıcıAdlarıKutusu->setCurrentIndex(int(yazdırma::geçerliYazıcınınSırası(yazıcılar_)));
    YazıcıAdlarıKutusu_Click();
    if (!neden.isNull()) {
        SunucuEtiketi->setText(SunucuListelemediMetni.arg(neden));
        SunucuEtiketi->setVisible(true);
    }
}

void YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click()
{
    const int i = YazıcıAdlarıKutusu->currentData().toInt();
    BağlantıNoktasıKutusu->setText(YazıcıAdlarıKutusu->currentIndex() >= 0 && i < yazıcılar_.size()
                                       ? yazıcılar_[i].bağlantıYeri
                                       : QString());
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click()
{
    const int i = YazıcıAdlarıKutusu->currentData().toInt();
    if (YazıcıAdlarıKutusu->currentIndex() >= 0 && i < yazıcılar_.size()) {
        // The print goes to the printer chosen or nowhere: one that the print server no longer has (or
        // that cannot be asked) is told of, and the print is abandoned; the current printer stays.
        try {
            yazdırma::geçerliYazıcıyıDeğiştir(yazıcılar_[i]);
        } catch (const std::exception& hata) {
            reject();
            OrtakHataİşleyici(hata);
            return;
        }
        // The program ended while the server was asked: the print does not start.
        if (yazdırma::beklerkenKapatmaİstendi()) {
            reject();
            return;
        }
    }
    accept();
    // The windows below are redrawn before the print starts.
    QCoreApplication::processEvents();
}

// İptal, Esc and the close box: the print is abandoned and the current printer stays.
void YazıcıSeçmeFormu::reject()
{
    YazdırmaİptalEdildi = true;
    QDialog::reject();
}
