#include "core/VeritabaninaBaglanFormu.h"

#include "core/Acicilar.h"
#include "core/AnaForm.h"
#include "core/BaslangicModulu.h"
#include "core/GirisSifresiFormlari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/Sunucular.h"
#include "platform/Ayarlar.h"
#include "platform/Kabuk.h"
#include "platform/Mesaj.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

VeritabanınaBağlanFormu::VeritabanınaBağlanFormu(QWidget* sahip)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("VeritabanınaBağlanFormu"));
    setWindowTitle(QStringLiteral("Veritabanı Bağlantısı..."));
    setFixedSize(5400 / 15, 1800 / 15);

    SimgeKutusu = new QLabel(this);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setGeometry(16, 16, 32, 32);
    SimgeKutusu->setPixmap(QPixmap(QStringLiteral(":/BAGLAN.png")));

    Etiket = new QLabel(this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setGeometry(64, 12, 280, 52);
    Etiket->setWordWrap(true);
    Etiket->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    YenidenDeneDüğmesi = new QPushButton(QStringLiteral("Yeniden Dene"), this);
    YenidenDeneDüğmesi->setObjectName(QStringLiteral("YenidenDeneDüğmesi"));
    YenidenDeneDüğmesi->setGeometry(146, 80, 100, 26);
    YenidenDeneDüğmesi->setDefault(true);
    YenidenDeneDüğmesi->setAutoDefault(true);
    connect(YenidenDeneDüğmesi, &QPushButton::clicked, this, &VeritabanınaBağlanFormu::YenidenDeneDüğmesi_Click);

    VazgeçDüğmesi = new QPushButton(QStringLiteral("Vazgeç"), this);
    VazgeçDüğmesi->setObjectName(QStringLiteral("VazgeçDüğmesi"));
    VazgeçDüğmesi->setGeometry(254, 80, 90, 26);
    VazgeçDüğmesi->setAutoDefault(false);
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, &VeritabanınaBağlanFormu::VazgeçDüğmesi_Click);
}

QString VeritabanınaBağlanFormu::AğaGözat(QWidget* sahip)
{
    QString klasör;
    try {
        klasör = kabuk::klasörSeç(sahip, GözatBaşlığı);
    } catch (const std::exception&) {
        klasör.clear();
    }
    KlasörKimliği = klasör.isEmpty() ? 0 : 1;
    return klasör.isEmpty() ? QString() : QDir::cleanPath(klasör);
}

QString VeritabanınaBağlanFormu::AçmaHatasıMetni(int numara)
{
    using namespace platform::hata;
    switch (numara) {
    case AğBağlantısıYok:
    case YolGeçersiz: return AğHatasıMetni();
    case DosyaAçılamıyor: return DosyaErişimHatasıMetni();
    case DosyaAdıGeçersiz: return QStringLiteral("Dosya adı geçersiz. Lütfen, kontrol edip tekrar deneyiniz!");
    case DosyaBulunamadı:
        return QStringLiteral("Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!");
    default: return {};
    }
}

void VeritabanınaBağlanFormu::showEvent(QShowEvent* olay)
{
    QDialog::showEvent(olay);
    if (etkinleşti_) return;
    etkinleşti_ = true;
    QTimer::singleShot(0, this, &VeritabanınaBağlanFormu::VeritabanınaBağlan);
}

void VeritabanınaBağlanFormu::closeEvent(QCloseEvent* olay)
{
    // No close box: the window is left through its buttons. Closed by the program (the main window's
    // unload), it simply goes.
    if (olay->spontaneous()) {
        olay->ignore();
        return;
    }
    done(Rejected);
    olay->accept();
}

void VeritabanınaBağlanFormu::reject() { VazgeçDüğmesi_Click(); }

void VeritabanınaBağlanFormu::YenidenDeneDüğmesi_Click() { VeritabanınaBağlan(); }

void VeritabanınaBağlanFormu::VeritabanınaBağlan()
{
    int sıra = 0;
    try {
        SimgeKutusu->setPixmap(QPixmap(QStringLiteral(":/BAGLAN.png")));
        Etiket->setText(BağlanılıyorMetni);
        YenidenDeneDüğmesi->setEnabled(false);
        setCursor(Qt::WaitCursor);
        QCoreApplication::processEvents();

        if (!listeYüklendi_) {
            sunucuListesi_ = sunucular::oku();
            listeYüklendi_ = true;
        }
        if (!sunucuListesi_.isEmpty()) {
            // A remembered folder is not tested for the file: the open tells.
            sıra = sunucular::sonSıra();
            if (sıra >= sunucuListesi_.size()) sıra = 0;
            SunucuYolu = sunucuListesi_.at(sıra);
        } else {
            if (mesaj::göster(SunucuSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır, mesaj::Yanıt::Evet)
                == mesaj::Yanıt::Hayır) {
                çıkışYolu();
                return;
            }
            for (;;) {
                SunucuYolu = AğaGözat(this);
                if (KlasörKimliği == 0) {
                    çıkışYolu();
                    return;
                }
                if (DosyaVarMı(SunucuYolu + QLatin1Char('/') + BaşlangıçModülü::VeritabanıDosyası)) break;
                mesaj::göster(VeritabanıYokMetni, mesaj::Simge::Ünlem);
            }
            sunucuListesi_.append(SunucuYolu);
            sunucular::yaz(int(sunucuListesi_.size()) - 1, SunucuYolu);
            sıra = 0;
        }

        // Only an error of the open itself takes the failure path below; later errors go to the reporter.
        try {
            AçıkVeritabanı = BaşlangıçModülü::VeritabanınıAç(SunucuYolu);
        } catch (const platform::DbError& e) {
            bağlantıOlmadı(e.number(), e.text());
            return;
        }
        QCoreApplication::processEvents();
        if (!AçıkVeritabanı) {
            AnaForm::DurumPaneliniYaz(2, BağlantıYokMetni);
            YenidenDeneDüğmesi->setEnabled(true);
            unsetCursor();
            return;
        }

        AnaForm::DurumPaneliniYaz(2, BağlantıTamamMetni);
        sunucular::sonSırayıYaz(sıra);
        unsetCursor();
        accept();

        GirişŞifresiSor = ayarlar::mantıksalOku(QStringLiteral("Ayarlar"), QStringLiteral("Giris Sifresi Sor"), false);
        if (GirişŞifresiSor) {
            // The prompt shows the running-low list itself after a right password.
            GirişŞifresiSorFormu istem(AnaForm::örnek());
            istem.exec();
            return;
        }
        if (UyarıVar == 0) return;
        // The start-up low-stock warning: the running-low list, shown only when it has rows.
        StokListesiTürü = 1;
        açıcılar::aç(QStringLiteral("StokListesiUyarısı"), AnaForm::örnek());
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
        // Leave the window usable when the error came before the connection.
        if (isVisible() && !çıkıyor_) {
            SimgeKutusu->setPixmap(QPixmap(QStringLiteral(":/BAGLANMA.png")));
            YenidenDeneDüğmesi->setEnabled(true);
            unsetCursor();
        }
    }
}

void VeritabanınaBağlanFormu::bağlantıOlmadı(int numara, const QString& açıklama)
{
    const QString metin = AçmaHatasıMetni(numara);
    Etiket->setText(metin.isEmpty() ? GenelHataMetni : metin);
    if (metin.isEmpty()) OrtakHataİşleyici(numara, açıklama);
    // The remembered servers are forgotten, so that a retry asks where the database lies.
    if (!ayarlar::anahtarlar(sunucular::Bölüm).isEmpty()) {
        sunucular::hepsiniSil();
        sunucuListesi_.clear();
    }
    SimgeKutusu->setPixmap(QPixmap(QStringLiteral(":/BAGLANMA.png")));
    YenidenDeneDüğmesi->setEnabled(true);
    unsetCursor();
}

void VeritabanınaBağlanFormu::VazgeçDüğmesi_Click()
{
    if (mesaj::göster(ÇıkışSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır, mesaj::Yanıt::Evet)
        == mesaj::Yanıt::Evet)
        çıkışYolu();
}

void VeritabanınaBağlanFormu::çıkışYolu()
{
    çıkıyor_ = true;
    unsetCursor();
    hide();
    AnaForm::AnaFormuBoşalt();
}
