#include "core/GirisSifresiFormlari.h"

#include "core/Acicilar.h"
#include "core/AlanGirisiKurallari.h"
#include "core/AnaForm.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace girişŞifresi {

namespace {
const QString Bölüm = QStringLiteral("Ayarlar");
const QString SorAnahtarı = QStringLiteral("Giris Sifresi Sor");
const QString ŞifreAnahtarıAdı = QStringLiteral("Giris Sifresi");

// A password box: digits only, at most 10, "*" for each character.
QLineEdit* şifreKutusu(QWidget* sahip, const QString& ad, QLabel* etiket)
{
    auto* kutu = new QLineEdit(sahip);
    kutu->setObjectName(ad);
    kutu->setEchoMode(QLineEdit::Password);
    kutu->setMaxLength(EnUzun);
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(kutu, K::TümünüSeç | K::RakamTuşSüzgeci | (etiket ? K::EtiketVurgusu : K::Yok),
                                etiket);
    return kutu;
}

// The checks both windows make of a typed password: the message to show, or empty text when it passes.
QString şifreDenetimi(const QString& şifre)
{
    if (şifre.isEmpty()) return BoşMetni;
    if (şifre.size() < EnKısa) return KısaMetni;
    // The box takes digits only; anything else that still reached it is refused, never stored.
    if (AlanGirişiKuralları::rakamTuşlarınıSüz(şifre) != şifre) return BoşMetni;
    return {};
}

void bilgi(const QString& metin, QLineEdit* kutu)
{
    mesaj::göster(metin, mesaj::Simge::Bilgi);
    kutu->setFocus();
}
}  // namespace

QString saklananBiçim(const QString& şifre) { return ŞifreDönüştür(şifre, ŞifreTablosu, ŞifreAnahtarı); }

void kaydet(const QString& şifre)
{
    GirişŞifresiSor = !şifre.isEmpty();
    ayarlar::yaz(Bölüm, SorAnahtarı, ayarlar::mantıksalMetin(GirişŞifresiSor));
    ayarlar::yaz(Bölüm, ŞifreAnahtarıAdı, şifre.isEmpty() ? QString() : saklananBiçim(şifre));
    ayarlar::kaydet();
}

bool doğruMu(const QString& şifre) { return ayarlar::oku(Bölüm, ŞifreAnahtarıAdı) == saklananBiçim(şifre); }

}  // namespace girişŞifresi

using namespace girişŞifresi;

// ---------------------------------------------------------------------------------------------------

GirişŞifresiBelirleDeğiştirFormu::GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip)
    : QDialog(sahip, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("GirişŞifresiBelirleDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi Belirle"));
    setFixedSize(4200 / 15, 1800 / 15);

    for (int i = 0; i < 2; ++i) {
        Etiket[i] = new QLabel(this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        Etiket[i]->setGeometry(12, 16 + i * 30, 80, 22);
        Etiket[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Etiket[0]->setText(QStringLiteral("Şifre :"));
    Etiket[1]->setText(QStringLiteral("Doğrula :"));
    ŞifreKutusu = şifreKutusu(this, QStringLiteral("ŞifreKutusu"), Etiket[0]);
    ŞifreKutusu->setGeometry(100, 16, 160, 22);
    ŞifreDoğrulaKutusu = şifreKutusu(this, QStringLiteral("ŞifreDoğrulaKutusu"), Etiket[1]);
    ŞifreDoğrulaKutusu->setGeometry(100, 46, 160, 22);
    Etiket[0]->setBuddy(ŞifreKutusu);
    Etiket[1]->setBuddy(ŞifreDoğrulaKutusu);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setGeometry(68, 84, 90, 26);
    TamamDüğmesi->setDefault(true);
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    İptalDüğmesi->setGeometry(166, 84, 100, 26);
    İptalDüğmesi->setAutoDefault(false);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &GirişŞifresiBelirleDeğiştirFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &GirişŞifresiBelirleDeğiştirFormu::İptalDüğmesi_Click);
    Form_Activate();
}

void GirişŞifresiBelirleDeğiştirFormu::showEvent(QShowEvent* olay)
{
    QDialog::showEvent(olay);
    Form_Activate();
    ŞifreKutusu->setFocus();
}

void GirişŞifresiBelirleDeğiştirFormu::Form_Activate()
{
    Etiket[0]->setText(GirişŞifresiSor ? QStringLiteral("Yeni Şifre :") : QStringLiteral("Şifre :"));
    İptalDüğmesi->setText(GirişŞifresiSor ? QStringLiteral("Şifreyi Kaldır") : QStringLiteral("İptal"));
    setWindowTitle(GirişŞifresiSor ? QStringLiteral("Giriş Şifresi Değiştir") : QStringLiteral("Giriş Şifresi Belirle"));
}

void GirişŞifresiBelirleDeğiştirFormu::TamamDüğmesi_Click()
{
    const QString şifre = ŞifreKutusu->text();
    if (const QString sorun = şifreDenetimi(şifre); !sorun.isEmpty()) {
        bilgi(sorun, ŞifreKutusu);
        return;
    }
    if (ŞifreDoğrulaKutusu->text().isEmpty()) {
        bilgi(DoğrulaBoşMetni, ŞifreDoğrulaKutusu);
        return;
    }
    if (ŞifreDoğrulaKutusu->text() != şifre) {
        bilgi(FarklıMetni, ŞifreDoğrulaKutusu);
        return;
    }
    HatadaDevam([&] { girişŞifresi::kaydet(şifre); });
    accept();
}

void GirişŞifresiBelirleDeğiştirFormu::İptalDüğmesi_Click()
{
    using namespace mesaj;
    if (GirişŞifresiSor) {
        if (göster(KaldırSorusu, Simge::Soru, Düğmeler::EvetHayır, Yanıt::Hayır) == Yanıt::Hayır) {
            done(Rejected);
            return;
        }
    } else if (göster(BelirlemeSorusu, Simge::Soru, Düğmeler::EvetHayır, Yanıt::Evet) == Yanıt::Hayır) {
        return;  // the window stays open for a password
    }
    kaldır();
}

void GirişŞifresiBelirleDeğiştirFormu::kaldır()
{
    girişŞifresi::kaydet(QString());
    done(Rejected);
}

void GirişŞifresiBelirleDeğiştirFormu::reject() { İptalDüğmesi_Click(); }

void GirişŞifresiBelirleDeğiştirFormu::closeEvent(QCloseEvent* olay)
{
    // The close box closes the window and changes nothing.
    done(Rejected);
    olay->accept();
}

// ---------------------------------------------------------------------------------------------------

GirişŞifresiSorFormu::GirişŞifresiSorFormu(QWidget* sahip)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("GirişŞifresiSorFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi"));
    setFixedSize(3900 / 15, 1350 / 15);

    Etiket = new QLabel(QStringLiteral("Şifre :"), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setGeometry(12, 16, 60, 22);
    Etiket->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ŞifreKutusu = şifreKutusu(this, QStringLiteral("ŞifreKutusu"), nullptr);
    ŞifreKutusu->setGeometry(80, 16, 160, 22);
    Etiket->setBuddy(ŞifreKutusu);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    TamamDüğmesi->setGeometry(52, 54, 90, 26);
    TamamDüğmesi->setDefault(true);
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    İptalDüğmesi->setGeometry(150, 54, 90, 26);
    İptalDüğmesi->setAutoDefault(false);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &GirişŞifresiSorFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &GirişŞifresiSorFormu::İptalDüğmesi_Click);
    ŞifreKutusu->setFocus();
}

void GirişŞifresiSorFormu::TamamDüğmesi_Click()
{
    const QString şifre = ŞifreKutusu->text();
    if (const QString sorun = şifreDenetimi(şifre); !sorun.isEmpty()) {
        bilgi(sorun, ŞifreKutusu);
        return;
    }
    bool doğru = false;
    HatadaDevam([&] { doğru = girişŞifresi::doğruMu(şifre); });
    if (doğru) {
        accept();
        // The running-low list when the warning is on; it shows only when it has rows.
        if (UyarıVar != 0) {
            StokListesiTürü = 1;
            HatadaDevam([] { açıcılar::aç(QStringLiteral("StokListesiUyarısı"), AnaForm::örnek()); });
        }
        return;
    }
    ++YanlışŞifreSayısı;
    if (YanlışŞifreSayısı < 3) {
        mesaj::göster(YanlışMetni, mesaj::Simge::Bilgi);
        ŞifreKutusu->clear();
        ŞifreKutusu->setFocus();
        return;
    }
    mesaj::göster(KapanışMetni, mesaj::Simge::Ünlem);
    İptalDüğmesi_Click();
}

void GirişŞifresiSorFormu::İptalDüğmesi_Click()
{
    hide();
    AnaForm::AnaFormuBoşalt();
}

void GirişŞifresiSorFormu::reject() { İptalDüğmesi_Click(); }

void GirişŞifresiSorFormu::closeEvent(QCloseEvent* olay)
{
    // No close box: the prompt is left through its buttons. Closed by the program (the main window's
    // unload), it simply goes.
    if (olay->spontaneous()) {
        olay->ignore();
        return;
    }
    done(Rejected);
    olay->accept();
}
