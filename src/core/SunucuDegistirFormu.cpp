#include "core/SunucuDegistirFormu.h"

#include "core/AnaForm.h"
#include "core/BaslangicModulu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/Sunucular.h"
#include "core/VeritabaninaBaglanFormu.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
// Server folders are file paths: the same folder however it was written, letter case counting.
bool aynıKlasör(const QString& a, const QString& b) { return QDir::cleanPath(a) == QDir::cleanPath(b); }
}  // namespace

SunucuDeğiştirFormu::SunucuDeğiştirFormu(QWidget* sahip)
    : QDialog(sahip, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("SunucuDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Sunucu Değiştirme"));
    setFixedSize(6300 / 15, 3600 / 15);

    for (int i = 0; i < 3; ++i) {
        Etiket[i] = new QLabel(this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
    }
    Etiket[0]->setText(QStringLiteral("&Sunucu Listesi"));
    Etiket[0]->setGeometry(12, 8, 200, 18);
    SunucuListesi = new QListWidget(this);
    SunucuListesi->setObjectName(QStringLiteral("SunucuListesi"));
    SunucuListesi->setGeometry(12, 28, 396, 96);
    Etiket[0]->setBuddy(SunucuListesi);
    Etiket[1]->setText(QStringLiteral("Seçilen Sunucu"));
    Etiket[1]->setGeometry(12, 130, 200, 18);
    Etiket[2]->setGeometry(12, 150, 396, 22);
    Etiket[2]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    connect(SunucuListesi, &QListWidget::currentRowChanged, this, [this](int) { SunucuListesi_Click(); });

    SunucuSeçDüğmesi = new QPushButton(QStringLiteral("&Yeni Sunucu Seç..."), this);
    SunucuSeçDüğmesi->setObjectName(QStringLiteral("SunucuSeçDüğmesi"));
    SunucuSeçDüğmesi->setGeometry(12, 192, 130, 28);
    SeçilenSunucuyaBağlanDüğmesi = new QPushButton(QStringLiteral("Seçili Sunucu'ya &Bağlan"), this);
    SeçilenSunucuyaBağlanDüğmesi->setObjectName(QStringLiteral("SeçilenSunucuyaBağlanDüğmesi"));
    SeçilenSunucuyaBağlanDüğmesi->setGeometry(150, 192, 150, 28);
    VaçgeçDüğmesi = new QPushButton(QStringLiteral("Vazgeç (Esc)"), this);
    VaçgeçDüğmesi->setObjectName(QStringLiteral("VaçgeçDüğmesi"));
    VaçgeçDüğmesi->setGeometry(308, 192, 100, 28);
    for (QPushButton* d : {SunucuSeçDüğmesi, SeçilenSunucuyaBağlanDüğmesi, VaçgeçDüğmesi}) d->setAutoDefault(false);
    connect(SunucuSeçDüğmesi, &QPushButton::clicked, this, &SunucuDeğiştirFormu::SunucuSeçDüğmesi_Click);
    connect(SeçilenSunucuyaBağlanDüğmesi, &QPushButton::clicked, this,
            &SunucuDeğiştirFormu::SeçilenSunucuyaBağlanDüğmesi_Click);
    connect(VaçgeçDüğmesi, &QPushButton::clicked, this, &SunucuDeğiştirFormu::VaçgeçDüğmesi_Click);

    Form_Load();
}

void SunucuDeğiştirFormu::Form_Load()
{
    HatayıAtla([this] { SunucuListesi->addItems(sunucular::oku()); });
}

void SunucuDeğiştirFormu::showEvent(QShowEvent* olay)
{
    QDialog::showEvent(olay);
    Form_Activate();
}

void SunucuDeğiştirFormu::Form_Activate()
{
    HatayıAtla([this] {
        if (SunucuListesi->count() == 0) return;
        const int sıra = sunucular::sonSıra();
        if (sıra < SunucuListesi->count()) SunucuListesi->setCurrentRow(sıra);
    });
}

void SunucuDeğiştirFormu::SunucuListesi_Click()
{
    QListWidgetItem* öğe = SunucuListesi->currentItem();
    Etiket[2]->setText(öğe ? öğe->text() : QString());
}

void SunucuDeğiştirFormu::SunucuSeçDüğmesi_Click()
{
    HatadaDevam([this] {
        const QString yeni = VeritabanınaBağlanFormu::AğaGözat(this);
        if (VeritabanınaBağlanFormu::KlasörKimliği == 0) return;
        if (!DosyaVarMı(yeni + QLatin1Char('/') + BaşlangıçModülü::VeritabanıDosyası)) {
            mesaj::göster(VeritabanınaBağlanFormu::VeritabanıYokMetni, mesaj::Simge::Ünlem);
            return;
        }
        const int sayı = SunucuListesi->count();
        if (sayı <= sunucular::EnÇok) {
            for (int i = 0; i < sayı; ++i)
                if (aynıKlasör(SunucuListesi->item(i)->text(), yeni)) {
                    SunucuListesi->setCurrentRow(i);
                    return;
                }
        }
        if (sayı < sunucular::EnÇok) {
            SunucuListesi->addItem(yeni);
            sunucular::yaz(sayı, yeni);
        } else if (sayı == sunucular::EnÇok) {
            // The fourth makes room for the new one, and the four keys are written again in list order.
            SunucuListesi->addItem(yeni);
            delete SunucuListesi->takeItem(sunucular::EnÇok - 1);
            listeyiKaydet();
        }
        SunucuListesi->setCurrentRow(SunucuListesi->count() - 1);
        ayarlar::kaydet();
    });
}

void SunucuDeğiştirFormu::listeyiKaydet()
{
    for (int i = 0; i < SunucuListesi->count(); ++i) sunucular::yaz(i, SunucuListesi->item(i)->text());
}

void SunucuDeğiştirFormu::SeçilenSunucuyaBağlanDüğmesi_Click()
{
    QListWidgetItem* seçili = SunucuListesi->currentItem();
    if (!seçili) return;  // no server chosen: nothing to connect to
    const QString klasör = seçili->text();
    try {
        // The database open so far stays in use unless this one opens.
        std::shared_ptr<platform::Database> yeni = BaşlangıçModülü::VeritabanınıAç(klasör);
        AçıkVeritabanı = std::move(yeni);
    } catch (const platform::DbError& e) {
        const QString metin = VeritabanınaBağlanFormu::AçmaHatasıMetni(e.number());
        if (metin.isEmpty()) OrtakHataİşleyici(e);
        else mesaj::göster(metin, mesaj::Simge::Bilgi);
        return;
    }
    QCoreApplication::processEvents();
    HatadaDevam([&] {
        AnaForm::DurumPaneliniYaz(2, VeritabanınaBağlanFormu::BağlantıTamamMetni);
        SunucuYolu = klasör;
        sunucular::sonSırayıYaz(SunucuListesi->row(seçili));
        ayarlar::kaydet();
    });
    // The other database may have an older layout: it is brought up to date as at start-up.
    BaşlangıçModülü::VeritabanınıGüncelle();
    accept();
}

void SunucuDeğiştirFormu::VaçgeçDüğmesi_Click()
{
    HatayıAtla([this] {
        done(Rejected);
        if (!AçıkVeritabanı) AnaForm::AnaFormuBoşalt();
    });
}

void SunucuDeğiştirFormu::reject() { VaçgeçDüğmesi_Click(); }

void SunucuDeğiştirFormu::closeEvent(QCloseEvent* olay)
{
    olay->accept();
    if (isVisible()) VaçgeçDüğmesi_Click();
}
