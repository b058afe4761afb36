#include "definitions/FirmaTanimlaFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/SiraliListe.h"
#include "definitions/FirmaBicimleri.h"
#include "platform/Mesaj.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

using namespace firma;

namespace {
const QString SilDüğmesiMetni = QStringLiteral("Firma &Sil");
const QString KaydetDüğmesiMetni = QStringLiteral("Kaydet");
const QString KapatDüğmesiMetni = QStringLiteral("Kapat (Esc)");
const QString VazgeçDüğmesiMetni = QStringLiteral("Vazgeç");

const QString AdTekrarıMetni = QStringLiteral("Girmeye çalıştığınız FİRMA daha önce girilmiş!\n\n"
                                              "Lütfen FİRMA ADI'nı değiştirip yeniden deneyiniz.");
const QString AdBoşMetni = QStringLiteral("Firma ADI boş bırakılamaz!");
const QString AdresBoşMetni = QStringLiteral("Firma ADRESİ boş bırakılamaz!");
const QString FaturaUyarısıMetni = QStringLiteral(
    "Bu firmaya ÇIKIŞ yapıldığı için, eğer fatura yazdırdıysanız bunları da kontrol etmeniz gerekir.");
const QString GirişVarMetni =
    QStringLiteral("Bu firmadan GİRİŞ yapıldığı için, önce bu giriş işlemlerini silmeniz gerekir!");
const QString ÇıkışVarMetni =
    QStringLiteral("Bu firmaya ÇIKIŞ yapıldığı için, önce bu çıkış işlemlerini silmeniz gerekir!");
const QString SilmeSorusuMetni = QStringLiteral(" adlı bu firmayı silmek istediğinizden emin misiniz?");
const QString FirmaYokMetni = QStringLiteral("Bu firma başka bir bilgisayardan silinmiş!");
const QString TabloYokMetni = QStringLiteral("Firma tablosu seçilmeden firma penceresi açıldı.");

constexpr int MetinUzunluğu = 255;
constexpr int VergiDairesiUzunluğu = 50;

// Twips to pixels: 15 twips are one pixel.
QRect twip(int sol, int üst, int genişlik, int yükseklik)
{
    return QRect(qRound(sol / 15.0), qRound(üst / 15.0), qRound(genişlik / 15.0), qRound(yükseklik / 15.0));
}

platform::Database& veritabanı()
{
    if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
    return *AçıkVeritabanı;
}

void bilgi(const QString& metin) { mesaj::göster(metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam); }

// A multi-line box takes at most this many characters, as a one-line box does by its maxLength: what
// goes over is taken off just before the caret, where it came in.
void uzunluğuSınırla(QPlainTextEdit* kutu, int enÇok)
{
    QObject::connect(kutu, &QPlainTextEdit::textChanged, kutu, [kutu, enÇok] {
        const int fazla = kutu->document()->characterCount() - 1 - enÇok;
        if (fazla <= 0) return;
        QTextCursor c = kutu->textCursor();
        const int son = c.position() >= fazla ? c.position() : kutu->document()->characterCount() - 1;
        c.setPosition(son - fazla);
        c.setPosition(son, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    });
}
}  // namespace

FirmaTanımlaFormu::FirmaTanımlaFormu(QWidget* sahip) : QDialog(sahip)
{
    denetimleriKur();
    Form_Load();
}

void FirmaTanımlaFormu::denetimleriKur()
{
    setObjectName(QStringLiteral("FirmaTanımlaFormu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twip(0, 0, 8460, 5430).size());

    const QColor başlıkRengi(0, 0, 0xC0);
    const QString çerçeveAdları[2] = {QStringLiteral("Firma Listesi "), QStringLiteral("Firma Bilgileri ")};
    const QRect çerçeveYerleri[2] = {twip(270, 270, 2895, 4815), twip(3450, 270, 4695, 4155)};
    const QRect altlıkYerleri[2] = {twip(150, 240, 2595, 4425), twip(150, 240, 4365, 3765)};
    for (int i = 0; i < 2; ++i) {
        Çerçeve[i] = new QGroupBox(çerçeveAdları[i], this);
        Çerçeve[i]->setObjectName(QStringLiteral("Çerçeve(%1)").arg(i));
        Çerçeve[i]->setGeometry(çerçeveYerleri[i]);
        // The caption in its colour; a disabled frame greys it as usual.
        QPalette p = Çerçeve[i]->palette();
        p.setColor(QPalette::Active, QPalette::WindowText, başlıkRengi);
        p.setColor(QPalette::Inactive, QPalette::WindowText, başlıkRengi);
        Çerçeve[i]->setPalette(p);
        Çerçeve[i]->setEnabled(false);
        Altlık[i] = new QWidget(Çerçeve[i]);
        Altlık[i]->setObjectName(QStringLiteral("Altlık(%1)").arg(i));
        Altlık[i]->setGeometry(altlıkYerleri[i]);
    }

    FirmaListesi = new SıralıListeKutusu(Altlık[0]);
    FirmaListesi->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaListesi->setGeometry(twip(90, 90, 2385, 3375));

    auto etiket = [this](int i, const QString& metin, QWidget* üst, const QRect& yer, Qt::Alignment hiza) {
        Etiket[i] = new QLabel(metin, üst);
        Etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        Etiket[i]->setGeometry(yer);
        Etiket[i]->setAlignment(hiza | Qt::AlignVCenter);
    };
    etiket(0, QStringLiteral("Firma &Bul"), Altlık[0], twip(90, 3720, 1200, 195), Qt::AlignLeft);
    BulKutusu = new QLineEdit(Altlık[0]);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    BulKutusu->setGeometry(twip(90, 3990, 2385, 315));
    Etiket[0]->setBuddy(BulKutusu);

    // The detail labels end just left of the boxes, each on its box's first line.
    auto alanEtiketi = [&](int i, const QString& metin, QWidget* kutu) {
        const QRect k = kutu->geometry();
        etiket(i, metin, Altlık[1], QRect(0, k.top(), qRound(1305 / 15.0), qRound(315 / 15.0)), Qt::AlignRight);
        Etiket[i]->setBuddy(kutu);
    };
    auto çokSatırlı = [this](const QString& ad, const QRect& yer) {
        auto* k = new QPlainTextEdit(Altlık[1]);
        k->setObjectName(ad);
        k->setGeometry(yer);
        k->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        k->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        k->setTabChangesFocus(true);
        uzunluğuSınırla(k, MetinUzunluğu);
        return k;
    };
    auto tekSatırlı = [this](const QString& ad, const QRect& yer, int uzunluk) {
        auto* k = new QLineEdit(Altlık[1]);
        k->setObjectName(ad);
        k->setGeometry(yer);
        k->setMaxLength(uzunluk);
        return k;
    };
    FirmaAdıKutusu = çokSatırlı(QStringLiteral("FirmaAdıKutusu"), twip(1560, 240, 2655, 495));
    TelefonuKutusu = tekSatırlı(QStringLiteral("TelefonuKutusu"), twip(1560, 855, 2655, 315), TelefonUzunluğu);
    FaksıKutusu = tekSatırlı(QStringLiteral("FaksıKutusu"), twip(1560, 1290, 2655, 315), TelefonUzunluğu);
    VergiDairesiKutusu =
        tekSatırlı(QStringLiteral("VergiDairesiKutusu"), twip(1560, 1710, 2655, 315), VergiDairesiUzunluğu);
    VergiNumarasıKutusu =
        tekSatırlı(QStringLiteral("VergiNumarasıKutusu"), twip(1560, 2145, 2655, 315), VergiNumarasıUzunluğu);
    AdresiKutusu = çokSatırlı(QStringLiteral("AdresiKutusu"), twip(1560, 2580, 2655, 915));
    alanEtiketi(1, QStringLiteral("Firma &Adı :"), FirmaAdıKutusu);
    alanEtiketi(2, QStringLiteral("&Telefonu :"), TelefonuKutusu);
    alanEtiketi(3, QStringLiteral("&Faksı :"), FaksıKutusu);
    alanEtiketi(4, QStringLiteral("&Vergi Dairesi :"), VergiDairesiKutusu);
    alanEtiketi(5, QStringLiteral("Vergi &Numarası :"), VergiNumarasıKutusu);
    alanEtiketi(6, QStringLiteral("Adre&si :"), AdresiKutusu);

    auto düğme = [this](const QString& ad, const QString& metin, const QRect& yer) {
        auto* d = new QPushButton(metin, this);
        d->setObjectName(ad);
        d->setGeometry(yer);
        return d;
    };
    EkleDüğmesi = düğme(QStringLiteral("EkleDüğmesi"), QStringLiteral("Firma &Ekle"), twip(3450, 4680, 1095, 345));
    DeğiştirDüğmesi = düğme(QStringLiteral("DeğiştirDüğmesi"), QStringLiteral("&Değiştir"), twip(4600, 4680, 1095, 345));
    SilKaydetDüğmesi = düğme(QStringLiteral("SilKaydetDüğmesi"), SilDüğmesiMetni, twip(5750, 4680, 1095, 345));
    KapatVazgeçDüğmesi =
        düğme(QStringLiteral("KapatVazgeçDüğmesi"), KapatDüğmesiMetni, twip(6900, 4680, 1245, 345));
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(false);

    setTabOrder(FirmaListesi, BulKutusu);
    setTabOrder(BulKutusu, FirmaAdıKutusu);
    setTabOrder(FirmaAdıKutusu, TelefonuKutusu);
    setTabOrder(TelefonuKutusu, FaksıKutusu);
    setTabOrder(FaksıKutusu, VergiDairesiKutusu);
    setTabOrder(VergiDairesiKutusu, VergiNumarasıKutusu);
    setTabOrder(VergiNumarasıKutusu, AdresiKutusu);
    setTabOrder(AdresiKutusu, EkleDüğmesi);
    setTabOrder(EkleDüğmesi, DeğiştirDüğmesi);
    setTabOrder(DeğiştirDüğmesi, SilKaydetDüğmesi);
    setTabOrder(SilKaydetDüğmesi, KapatVazgeçDüğmesi);

    using K = AlanGirişiKuralları::Kural;
    namespace A = AlanGirişiKuralları;
    A::uygula(FirmaListesi, K::EnterİleSonrakiAlan);
    A::uygula(BulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, Etiket[0]);
    A::listedeBul(BulKutusu, FirmaListesi);
    const A::Kurallar serbestMetin = K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf
                                     | K::KesmeİşaretiniDeğiştir;
    const A::Kurallar rakamlar = K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::RakamTuşSüzgeci;
    A::uygula(FirmaAdıKutusu, serbestMetin, Etiket[1]);
    A::uygula(TelefonuKutusu, rakamlar, Etiket[2]);
    A::uygula(FaksıKutusu, rakamlar, Etiket[3]);
    A::uygula(VergiDairesiKutusu, serbestMetin, Etiket[4]);
    A::uygula(VergiNumarasıKutusu, rakamlar, Etiket[5]);
    A::uygula(AdresiKutusu, serbestMetin & ~A::Kurallar(K::TümünüSeç), Etiket[6]);
    // Installed after the common behaviours, so the bare digits are in the box before its text is selected.
    for (QLineEdit* k : {TelefonuKutusu, FaksıKutusu, VergiNumarasıKutusu}) k->installEventFilter(this);

    connect(FirmaListesi, &QListWidget::currentRowChanged, this, &FirmaTanımlaFormu::FirmaListesi_Click);
    connect(EkleDüğmesi, &QPushButton::clicked, this, &FirmaTanımlaFormu::EkleDüğmesi_Click);
    connect(DeğiştirDüğmesi, &QPushButton::clicked, this, &FirmaTanımlaFormu::DeğiştirDüğmesi_Click);
    connect(SilKaydetDüğmesi, &QPushButton::clicked, this, &FirmaTanımlaFormu::SilKaydetDüğmesi_Click);
    connect(KapatVazgeçDüğmesi, &QPushButton::clicked, this, &FirmaTanımlaFormu::KapatVazgeçDüğmesi_Click);
}

void FirmaTanımlaFormu::Form_Load()
{
    // The panels take the window's colours, so that the frame's caption colour stops at them.
    QPalette pencereRenkleri = palette();
    for (const auto grup : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const auto rol : {QPalette::Window, QPalette::WindowText})
            pencereRenkleri.setColor(grup, rol, pencereRenkleri.color(grup, rol));
    // They paint no background of their own, so the frame's top line stays whole where they overlap it.
    for (QWidget* a : Altlık) a->setPalette(pencereRenkleri);

    tür_ = türüBul(SeçiliFirmaTablosu);
    if (!tür_) {
        // Nothing can be written without a table: only closing is left.
        EkleDüğmesi->setEnabled(false);
        OrtakHataİşleyici(platform::hata::Genel, TabloYokMetni);
    } else {
        try {
            QList<ListeGirdisi> girdiler;
            for (const FirmaListeÖğesi& f : firmalar(veritabanı(), *tür_)) girdiler.append({f.adı, f.nosu});
            FirmaListesi->doldur(std::move(girdiler));
        } catch (const std::exception& e) {
            OrtakHataİşleyici(e);
        }
        if (FirmaListesi->count() > 0) satırıSeç(0);
    }

    // Opened from the definition chooser: the chooser goes as this window comes.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->objectName() == QStringLiteral("TanımlamaSeçFormu") && w->isVisible()) w->close();
}

void FirmaTanımlaFormu::satırıSeç(int satır)
{
    if (FirmaListesi->currentRow() == satır) FirmaListesi_Click();
    else FirmaListesi->setCurrentRow(satır);
}

void FirmaTanımlaFormu::kutularıBoşalt()
{
    FirmaAdıKutusu->clear();
    TelefonuKutusu->clear();
    FaksıKutusu->clear();
    VergiDairesiKutusu->clear();
    VergiNumarasıKutusu->clear();
    AdresiKutusu->clear();
}

void FirmaTanımlaFormu::kutularıDoldur(const FirmaBilgisi& f)
{
    FirmaAdıKutusu->setPlainText(f.adı);
    TelefonuKutusu->setText(f.telefonu);
    FaksıKutusu->setText(f.faksı);
    VergiDairesiKutusu->setText(f.vergiDairesi);
    VergiNumarasıKutusu->setText(f.vergiNumarası);
    AdresiKutusu->setPlainText(f.adresi);
}

FirmaBilgisi FirmaTanımlaFormu::kutulardakiFirma() const
{
    FirmaBilgisi f;
    f.adı = FirmaAdıKutusu->toPlainText();
    f.telefonu = TelefonuKutusu->text();
    f.faksı = FaksıKutusu->text();
    f.vergiDairesi = VergiDairesiKutusu->text();
    f.vergiNumarası = VergiNumarasıKutusu->text();
    f.adresi = AdresiKutusu->toPlainText();
    return f;
}

void FirmaTanımlaFormu::FirmaListesi_Click()
{
    const int satır = FirmaListesi->currentRow();
    bool gösterildi = false;
    if (satır >= 0 && tür_) {
        try {
            if (const auto f = firmaOku(veritabanı(), *tür_, FirmaListesi->numara(satır))) {
                kutularıDoldur(*f);
                gösterildi = true;
            }
        } catch (const std::exception& e) {
            OrtakHataİşleyici(e);
        }
    }
    if (!gösterildi) kutularıBoşalt();
    // A firm that another workstation removed meanwhile can be neither changed nor deleted.
    DeğiştirDüğmesi->setEnabled(gösterildi);
    SilKaydetDüğmesi->setEnabled(gösterildi);
    // The list can be used whenever it has entries, also after a search that found nothing.
    Çerçeve[0]->setEnabled(FirmaListesi->count() > 0);
}

void FirmaTanımlaFormu::düzenlemeyiAç(bool değişiklik)
{
    Çerçeve[0]->setEnabled(false);
    Çerçeve[1]->setEnabled(true);
    EkleDüğmesi->setEnabled(false);
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(KaydetDüğmesiMetni);
    KapatVazgeçDüğmesi->setText(VazgeçDüğmesiMetni);
    DeğişiklikModu = değişiklik;
    FirmaAdıKutusu->setFocus(Qt::OtherFocusReason);
}

void FirmaTanımlaFormu::EkleDüğmesi_Click()
{
    if (!tür_) return;
    kutularıBoşalt();
    düzenlemeyiAç(false);
}

void FirmaTanımlaFormu::DeğiştirDüğmesi_Click()
{
    if (!tür_ || FirmaListesi->currentRow() < 0) return;
    düzenlemeyiAç(true);
}

void FirmaTanımlaFormu::gezinmeyeDön()
{
    Çerçeve[1]->setEnabled(false);
    EkleDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(SilDüğmesiMetni);
    KapatVazgeçDüğmesi->setText(KapatDüğmesiMetni);
}

void FirmaTanımlaFormu::KapatVazgeçDüğmesi_Click()
{
    if (Çerçeve[1]->isEnabled()) {
        gezinmeyeDön();
        SilKaydetDüğmesi->setEnabled(false);
        // Shows the selected firm again as stored, dropping what was typed.
        FirmaListesi_Click();
        return;
    }
    QDialog::done(QDialog::Rejected);
}

void FirmaTanımlaFormu::reject() { KapatVazgeçDüğmesi_Click(); }

void FirmaTanımlaFormu::closeEvent(QCloseEvent* olay)
{
    olay->accept();
    QDialog::done(QDialog::Rejected);
}

bool FirmaTanımlaFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    auto* kutu = qobject_cast<QLineEdit*>(nesne);
    if (!kutu || (olay->type() != QEvent::FocusIn && olay->type() != QEvent::FocusOut))
        return QDialog::eventFilter(nesne, olay);
    if (static_cast<QFocusEvent*>(olay)->reason() == Qt::PopupFocusReason) return false;
    const bool vergi = kutu == VergiNumarasıKutusu;
    if (olay->type() == QEvent::FocusIn) {
        // The box holds bare digits while it has the focus.
        kutu->setText(vergi ? vergiNumarasıBiçiminiKaldır(kutu->text()) : telefonBiçiminiKaldır(kutu->text()));
        kutu->setMaxLength(RakamUzunluğu);
    } else {
        kutu->setMaxLength(vergi ? VergiNumarasıUzunluğu : TelefonUzunluğu);
        kutu->setText(vergi ? vergiNumarasıBiçimi(kutu->text()) : telefonBiçimi(kutu->text()));
    }
    return false;
}

void FirmaTanımlaFormu::SilKaydetDüğmesi_Click()
{
    if (FirmaListesi->count() > 0 && FirmaListesi->currentRow() >= 0) {
        SeçiliSıra = FirmaListesi->currentRow();
        seçiliFirmaNo_ = FirmaListesi->numara(SeçiliSıra);
    }
    if (!tür_) return;
    if (Çerçeve[1]->isEnabled()) kaydet();
    else sil();
}

void FirmaTanımlaFormu::kaydet()
{
    using Durum = KayıtSonucu::Durum;
    const bool değişiklik = DeğişiklikModu;
    if (değişiklik && FirmaListesi->currentRow() < 0) return;
    KayıtSonucu sonuç;
    try {
        sonuç = firmaKaydet(veritabanı(), *tür_, kutulardakiFirma(),
                            değişiklik ? std::optional<qint64>(seçiliFirmaNo_) : std::nullopt);
    } catch (const std::exception& e) {
        // Nothing was written: the add or change stays open with what was typed.
        OrtakHataİşleyici(e);
        return;
    }
    switch (sonuç.durum) {
    case Durum::AdTekrarı:
        bilgi(AdTekrarıMetni);
        FirmaAdıKutusu->setFocus(Qt::OtherFocusReason);
        return;
    case Durum::AdBoş:
        bilgi(AdBoşMetni);
        FirmaAdıKutusu->setFocus(Qt::OtherFocusReason);
        return;
    case Durum::AdresBoş:
        bilgi(AdresBoşMetni);
        AdresiKutusu->setFocus(Qt::OtherFocusReason);
        return;
    case Durum::FirmaYok: bilgi(FirmaYokMetni); return;
    case Durum::Kaydedildi: break;
    }
    if (sonuç.çıkışVar) bilgi(FaturaUyarısıMetni);

    seçiliFirmaNo_ = sonuç.nosu;
    if (değişiklik) {
        // The entry keeps its place; the list is sorted again when the window is next opened.
        if (QListWidgetItem* öğe = FirmaListesi->item(SeçiliSıra)) öğe->setText(sonuç.kaydedilen.adı);
        satırıSeç(SeçiliSıra);
    } else {
        satırıSeç(FirmaListesi->ekle(sonuç.kaydedilen.adı, sonuç.nosu));
    }
    gezinmeyeDön();
    FirmaListesi->setFocus(Qt::OtherFocusReason);
}

void FirmaTanımlaFormu::sil()
{
    const int satır = FirmaListesi->currentRow();
    if (satır < 0) return;
    const QString hareketMetni = *tür_ == FirmaTürü::Satıcı ? GirişVarMetni : ÇıkışVarMetni;
    try {
        if (hareketiVar(veritabanı(), *tür_, seçiliFirmaNo_)) {
            bilgi(hareketMetni);
            return;
        }
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
        return;
    }
    const QString soru = QLatin1Char('"') + FirmaListesi->metin(satır) + QLatin1Char('"') + SilmeSorusuMetni;
    if (mesaj::göster(soru, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır, mesaj::Yanıt::Evet) != mesaj::Yanıt::Evet)
        return;

    SilmeSonucu sonuç;
    try {
        sonuç = firmaSil(veritabanı(), *tür_, seçiliFirmaNo_);
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
        return;
    }
    switch (sonuç) {
    case SilmeSonucu::HareketVar: bilgi(hareketMetni); return;
    case SilmeSonucu::FirmaYok: bilgi(FirmaYokMetni); return;
    case SilmeSonucu::Silindi: break;
    }
    {
        const QSignalBlocker sessiz(FirmaListesi);
        FirmaListesi->satırıSil(satır);
        FirmaListesi->setCurrentRow(-1);
    }
    if (FirmaListesi->count() == 0) {
        Çerçeve[0]->setEnabled(false);
        DeğiştirDüğmesi->setEnabled(false);
        SilKaydetDüğmesi->setEnabled(false);
        kutularıBoşalt();
    } else {
        satırıSeç(satır > 0 ? satır - 1 : 0);
    }
}
