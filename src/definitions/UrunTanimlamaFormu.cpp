#include "definitions/UrunTanimlamaFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/SiraliListe.h"
#include "definitions/DegerGecmisi.h"
#include "definitions/FotografKutusu.h"
#include "definitions/FotografSecFormu.h"
#include "definitions/UrunFotograflari.h"
#include "definitions/UrunKayitlari.h"
#include "platform/Mesaj.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using K = AlanGirişiKuralları::Kural;
using mesaj::Simge;

namespace {

const QString SilCaption = QStringLiteral("Ürünü &Sil");
const QString KaydetCaption = QStringLiteral("Kaydet");
const QString KapatCaption = QStringLiteral("Kapat (Esc)");
const QString VazgeçCaption = QStringLiteral("Vazgeç");

const QString KodBoşMetni = QStringLiteral("Ürün KODU boş bırakılamaz!");
const QString KodVarMetni = QStringLiteral("Girmeye çalıştığınız ÜRÜN KODU daha önce girilmiş!\n\n"
                                           "Lütfen değiştirip yeniden deneyiniz.");
const QString AdBoşMetni = QStringLiteral("Ürün ADI boş bırakılamaz!");
const QString FiyatGeçersizMetni = QStringLiteral("Lütfen geçerli bir FİYAT giriniz.");
const QString KDVOranıGeçersizMetni = QStringLiteral("Lütfen geçerli bir KDV ORANI giriniz.");
const QString GirişVarMetni =
    QStringLiteral("Bu üründen GİRİŞ yapıldığı için, önce bu giriş işlemlerini silmeniz gerekir!");
const QString SilinmişÜrünMetni =
    QStringLiteral("Bu ürün başka bir bilgisayarda silinmiş!\nLütfen, pencereyi kapatıp yeniden açınız.");
const QString FotoğrafYokMetni = QStringLiteral("Bu ürünün FOTOĞRAF dosyası silinmiş!\nLütfen, yeniden yükleyiniz.");

// A multi-line box that takes at most `enÇok` characters and leaves Tab to the focus chain.
void çokSatırlıKutu(QPlainTextEdit* kutu, int enÇok)
{
    kutu->setTabChangesFocus(true);
    kutu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    kutu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (enÇok <= 0) return;
    QObject::connect(kutu, &QPlainTextEdit::textChanged, kutu, [kutu, enÇok] {
        const QString metin = kutu->toPlainText();
        if (metin.size() <= enÇok) return;
        QTextCursor imleç = kutu->textCursor();
        const int yer = std::min(imleç.position(), enÇok);
        kutu->setPlainText(metin.left(enÇok));
        imleç = kutu->textCursor();
        imleç.setPosition(yer);
        kutu->setTextCursor(imleç);
    });
}

QComboBox* geçmişKutusu(QWidget* üst, const QString& ad)
{
    auto* k = new QComboBox(üst);
    k->setObjectName(ad);
    k->setEditable(true);
    k->setInsertPolicy(QComboBox::NoInsert);
    k->setCompleter(nullptr);  // the history is offered, not typed ahead
    return k;
}

void comboMetni(QComboBox* kutu, const QString& metin)
{
    const QSignalBlocker engel(kutu);
    kutu->setCurrentIndex(-1);
    kutu->setEditText(metin);
}

const değerGeçmişi::Tanım& geçmişTanımı(int hangisi)
{
    switch (hangisi) {
    case 0: return değerGeçmişi::MiktarBirimi;
    case 1: return değerGeçmişi::KDVOranı;
    default: return değerGeçmişi::Markası;
    }
}

}  // namespace

ÜrünTanımlamaFormu::ÜrünTanımlamaFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("ÜrünTanımlamaFormu"));
    setWindowTitle(QStringLiteral("Ürün Tanımlama (Ekle/Değiştir/Sil)"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const QString etiketler[10] = {QStringLiteral("Ürün &Bul"),        QStringLiteral("Ürün &Kodu :"),
                                   QStringLiteral("Üreti&ci Kodu :"),  QStringLiteral("Ürün &Adı :"),
                                   QStringLiteral("&Markası :"),       QStringLiteral("Miktar &Birimi :"),
                                   QStringLiteral("KDV &Oranı :"),     QStringLiteral("&Fiyatı :"),
                                   QStringLiteral("Açıklama :"),       QStringLiteral("Ürün Fotoğrafı :")};
    const QString çerçeveler[2] = {QStringLiteral("Ürün Listesi "), QStringLiteral("Ürün Bilgileri ")};
    QWidget* Altlık[2];
    for (int i = 0; i < 2; ++i) {
        Çerçeve[i] = new QGroupBox(çerçeveler[i], this);
        Çerçeve[i]->setObjectName(QStringLiteral("Çerçeve(%1)").arg(i));
        // The background panel fills the frame with the window's own colour.
        Altlık[i] = new QWidget(Çerçeve[i]);
        Altlık[i]->setObjectName(QStringLiteral("Altlık(%1)").arg(i));
        Altlık[i]->setAutoFillBackground(true);
        Altlık[i]->setBackgroundRole(backgroundRole());
        auto* d = new QVBoxLayout(Çerçeve[i]);
        d->setContentsMargins(4, 2, 4, 4);
        d->addWidget(Altlık[i]);
    }
    for (int i = 0; i < 10; ++i) {
        Etiket[i] = new QLabel(etiketler[i], Altlık[i == 0 ? 0 : 1]);
        Etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
    }

    // The list frame.
    ÜrünListesi = new SıralıListeKutusu(Altlık[0]);
    ÜrünListesi->setObjectName(QStringLiteral("ÜrünListesi"));
    BulKutusu = new QLineEdit(Altlık[0]);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    Etiket[0]->setBuddy(BulKutusu);
    auto* listeDüzeni = new QVBoxLayout(Altlık[0]);
    listeDüzeni->setContentsMargins(4, 4, 4, 4);
    auto* bulSatırı = new QHBoxLayout;
    bulSatırı->addWidget(Etiket[0]);
    bulSatırı->addWidget(BulKutusu, 1);
    listeDüzeni->addLayout(bulSatırı);
    listeDüzeni->addWidget(ÜrünListesi, 1);

    // The detail frame.
    ÜrünKoduKutusu = new QLineEdit(Altlık[1]);
    ÜrünKoduKutusu->setObjectName(QStringLiteral("ÜrünKoduKutusu"));
    ÜrünKoduKutusu->setMaxLength(128);
    ÜreticiKoduKutusu = new QLineEdit(Altlık[1]);
    ÜreticiKoduKutusu->setObjectName(QStringLiteral("ÜreticiKoduKutusu"));
    ÜreticiKoduKutusu->setMaxLength(128);
    ÜrünAdıKutusu = new QPlainTextEdit(Altlık[1]);
    ÜrünAdıKutusu->setObjectName(QStringLiteral("ÜrünAdıKutusu"));
    çokSatırlıKutu(ÜrünAdıKutusu, 255);
    MarkasıKutusu = geçmişKutusu(Altlık[1], QStringLiteral("MarkasıKutusu"));
    MiktarBirimiKutusu = geçmişKutusu(Altlık[1], QStringLiteral("MiktarBirimiKutusu"));
    KDVOranıKutusu = geçmişKutusu(Altlık[1], QStringLiteral("KDVOranıKutusu"));
    FiyatıKutusu = new QLineEdit(Altlık[1]);
    FiyatıKutusu->setObjectName(QStringLiteral("FiyatıKutusu"));
    AçıklamaKutusu = new QPlainTextEdit(Altlık[1]);
    AçıklamaKutusu->setObjectName(QStringLiteral("AçıklamaKutusu"));
    çokSatırlıKutu(AçıklamaKutusu, 0);
    ÜrünFotoğrafıKutusu = new FotoğrafKutusu(Altlık[1]);
    ÜrünFotoğrafıKutusu->setObjectName(QStringLiteral("ÜrünFotoğrafıKutusu"));
    FotoğrafEkleDüğmesi = new QPushButton(QStringLiteral("Fotoğraf &Ekle/Değiştir"), Altlık[1]);
    FotoğrafEkleDüğmesi->setObjectName(QStringLiteral("FotoğrafEkleDüğmesi"));
    FotoğrafıSilDüğmesi = new QPushButton(QStringLiteral("Fotoğrafı &Sil"), Altlık[1]);
    FotoğrafıSilDüğmesi->setObjectName(QStringLiteral("FotoğrafıSilDüğmesi"));

    QWidget* alanlar[8] = {ÜrünKoduKutusu, ÜreticiKoduKutusu, ÜrünAdıKutusu,  MarkasıKutusu,
                           MiktarBirimiKutusu, KDVOranıKutusu, FiyatıKutusu, AçıklamaKutusu};
    auto* ayrıntı = new QGridLayout(Altlık[1]);
    ayrıntı->setContentsMargins(4, 4, 4, 4);
    ayrıntı->setVerticalSpacing(4);
    for (int i = 0; i < 8; ++i) {
        Etiket[i + 1]->setBuddy(alanlar[i]);
        ayrıntı->addWidget(Etiket[i + 1], i, 0, Qt::AlignLeft | Qt::AlignTop);
        ayrıntı->addWidget(alanlar[i], i, 1);
    }
    ÜrünAdıKutusu->setFixedHeight(44);
    AçıklamaKutusu->setFixedHeight(58);
    auto* fotoğrafSütunu = new QVBoxLayout;
    fotoğrafSütunu->setSpacing(4);  // the grid has two spacings, so it hands down none
    fotoğrafSütunu->addWidget(Etiket[9]);
    fotoğrafSütunu->addWidget(ÜrünFotoğrafıKutusu, 0, Qt::AlignHCenter);
    fotoğrafSütunu->addWidget(FotoğrafEkleDüğmesi);
    fotoğrafSütunu->addWidget(FotoğrafıSilDüğmesi);
    fotoğrafSütunu->addStretch();
    ayrıntı->addLayout(fotoğrafSütunu, 0, 2, 8, 1);
    ayrıntı->setColumnMinimumWidth(1, 190);
    ayrıntı->setColumnMinimumWidth(2, std::max(FotoğrafEkleDüğmesi->sizeHint().width() + 8,
                                               ürün::FotoğrafKutusuBoyutu.width()));
    ayrıntı->setColumnStretch(1, 1);
    ayrıntı->setHorizontalSpacing(8);

    // The window's buttons.
    EkleDüğmesi = new QPushButton(QStringLiteral("Yeni Ürün &Ekle"), this);
    EkleDüğmesi->setObjectName(QStringLiteral("EkleDüğmesi"));
    DeğiştirDüğmesi = new QPushButton(QStringLiteral("&Değişiklik Yap"), this);
    DeğiştirDüğmesi->setObjectName(QStringLiteral("DeğiştirDüğmesi"));
    SilKaydetDüğmesi = new QPushButton(SilCaption, this);
    SilKaydetDüğmesi->setObjectName(QStringLiteral("SilKaydetDüğmesi"));
    KapatVazgeçDüğmesi = new QPushButton(KapatCaption, this);
    KapatVazgeçDüğmesi->setObjectName(QStringLiteral("KapatVazgeçDüğmesi"));
    auto* düğmeler = new QHBoxLayout;
    for (QPushButton* d : {EkleDüğmesi, DeğiştirDüğmesi, SilKaydetDüğmesi, KapatVazgeçDüğmesi}) {
        d->setMinimumWidth(118);
        düğmeler->addWidget(d);
    }
    düğmeler->insertStretch(2);

    auto* üst = new QHBoxLayout;
    üst->addWidget(Çerçeve[0], 4);
    üst->addWidget(Çerçeve[1], 7);
    auto* düzen = new QVBoxLayout(this);
    düzen->addLayout(üst, 1);
    düzen->addLayout(düğmeler);
    resize(740, 420);

    // Focus order: the list frame (list, then find box), the fields, the photo buttons, the window's buttons.
    QWidget* sıra[] = {ÜrünListesi,       BulKutusu,          ÜrünKoduKutusu,      ÜreticiKoduKutusu,
                       ÜrünAdıKutusu,     MarkasıKutusu,      MiktarBirimiKutusu,  KDVOranıKutusu,
                       FiyatıKutusu,      AçıklamaKutusu,     FotoğrafEkleDüğmesi, FotoğrafıSilDüğmesi,
                       EkleDüğmesi,       DeğiştirDüğmesi,    SilKaydetDüğmesi,    KapatVazgeçDüğmesi};
    for (size_t i = 1; i < std::size(sıra); ++i) setTabOrder(sıra[i - 1], sıra[i]);

    // Entry-box behaviours.
    namespace AGK = AlanGirişiKuralları;
    AGK::uygula(BulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, Etiket[0]);
    AGK::listedeBul(BulKutusu, ÜrünListesi);
    AGK::uygula(ÜrünListesi, K::EnterİleSonrakiAlan);
    const auto yazı = K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf | K::KesmeİşaretiniDeğiştir;
    AGK::uygula(ÜrünKoduKutusu, K::TümünüSeç | yazı, Etiket[1]);
    AGK::uygula(ÜreticiKoduKutusu, K::TümünüSeç | yazı, Etiket[2]);
    AGK::uygula(ÜrünAdıKutusu, K::TümünüSeç | yazı, Etiket[3]);
    AGK::uygula(MarkasıKutusu, K::TümünüSeç | yazı, Etiket[4]);
    AGK::uygula(MiktarBirimiKutusu, yazı, Etiket[5]);
    const auto sayı = K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::SayıTuşSüzgeci | K::SayıOlmayanıSil
                      | K::TutarBiçimi;
    AGK::uygula(KDVOranıKutusu, sayı, Etiket[6]);
    AGK::uygula(FiyatıKutusu, K::TümünüSeç | sayı, Etiket[7]);
    AGK::uygula(AçıklamaKutusu, yazı, Etiket[8]);

    connect(ÜrünListesi, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    connect(EkleDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::EkleDüğmesi_Click);
    connect(DeğiştirDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::DeğiştirDüğmesi_Click);
    connect(SilKaydetDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::SilKaydetDüğmesi_Click);
    connect(KapatVazgeçDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::KapatVazgeçDüğmesi_Click);
    connect(FotoğrafEkleDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::FotoğrafEkleDüğmesi_Click);
    connect(FotoğrafıSilDüğmesi, &QPushButton::clicked, this, &ÜrünTanımlamaFormu::FotoğrafıSilDüğmesi_Click);

    // Browse, nothing selected.
    Çerçeve[1]->setEnabled(false);
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(false);
    FotoğrafEkleDüğmesi->setEnabled(false);
    FotoğrafıSilDüğmesi->setEnabled(false);

    Form_Load();
}

void ÜrünTanımlamaFormu::Form_Load()
{
    try {
        QList<ListeGirdisi> girdiler;
        for (const ürün::ListeSatırı& s : ürün::ürünListesi(*AçıkVeritabanı)) girdiler.append({s.adı, s.urunNo});
        ÜrünListesi->doldur(std::move(girdiler));
        // Nothing is selected after loading, also once the list takes the focus.
        const QSignalBlocker engel(ÜrünListesi);
        ÜrünListesi->setCurrentIndex(QModelIndex());
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
    }
    QComboBox* kutular[3] = {MiktarBirimiKutusu, KDVOranıKutusu, MarkasıKutusu};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker engel(kutular[i]);
        kutular[i]->addItems(değerGeçmişi::oku(geçmişTanımı(i)));
        kutular[i]->setCurrentIndex(-1);
    }
    // Opened from the definition chooser: the chooser goes.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->objectName() == QStringLiteral("TanımlamaSeçFormu") && w->isVisible()) w->close();
}

void ÜrünTanımlamaFormu::alanlarıBoşalt()
{
    for (QLineEdit* k : {ÜrünKoduKutusu, ÜreticiKoduKutusu, FiyatıKutusu}) k->clear();
    for (QPlainTextEdit* k : {ÜrünAdıKutusu, AçıklamaKutusu}) k->clear();
    for (QComboBox* k : {MarkasıKutusu, MiktarBirimiKutusu, KDVOranıKutusu}) comboMetni(k, QString());
    ÜrünFotoğrafıKutusu->setResim({});
}

void ÜrünTanımlamaFormu::ÜrünListesi_Click()
{
    const int satır = ÜrünListesi->currentRow();
    std::optional<ürün::ÜrünBilgileri> b;
    if (satır >= 0) {
        try {
            b = ürün::ürünOku(*AçıkVeritabanı, ÜrünListesi->numara(satır));
        } catch (const std::exception& hata) {
            OrtakHataİşleyici(hata);
        }
    }
    if (!b) {
        // Nothing selected, or the product is no longer there.
        alanlarıBoşalt();
        FotoğrafAdı.clear();
        YüklüÜrünKodu.clear();
        DeğiştirDüğmesi->setEnabled(false);
        SilKaydetDüğmesi->setEnabled(Çerçeve[1]->isEnabled());
    } else {
        ÜrünKoduKutusu->setText(b->kodu);
        YüklüÜrünKodu = b->kodu;
        ÜrünAdıKutusu->setPlainText(b->adı);
        comboMetni(MiktarBirimiKutusu, b->miktarBirimi);
        AçıklamaKutusu->setPlainText(b->açıklama);
        ÜreticiKoduKutusu->setText(b->üreticiKodu);
        comboMetni(MarkasıKutusu, b->markası);
        comboMetni(KDVOranıKutusu, b->kdvOranı);
        FiyatıKutusu->setText(b->fiyatı);
        FotoğrafAdı = b->fotoğrafı;
        fotoğrafıGöster(ÜrünListesi->numara(satır));
        DeğiştirDüğmesi->setEnabled(!Çerçeve[1]->isEnabled());
        SilKaydetDüğmesi->setEnabled(true);
    }
    Çerçeve[0]->setEnabled(ÜrünListesi->count() > 0 && !Çerçeve[1]->isEnabled());
}

void ÜrünTanımlamaFormu::fotoğrafıGöster(qint64 urunNo)
{
    const ürün::GösterilenFotoğraf g = ürün::fotoğrafıOku(SunucuYolu, FotoğrafAdı);
    // A stored photo has the box's size; one of another size (put there by hand) is fitted into it.
    const QSize kutu = ÜrünFotoğrafıKutusu->içBoyut();
    ÜrünFotoğrafıKutusu->setResim(g.resim.isNull() || g.resim.size() == kutu ? g.resim
                                                                              : ürün::önizlemeResmi(g.resim, kutu));
    switch (g.durum) {
    case ürün::FotoğrafDurumu::Yok:
    case ürün::FotoğrafDurumu::Gösterildi: break;
    case ürün::FotoğrafDurumu::DosyaYok:
        mesaj::göster(FotoğrafYokMetni, Simge::Ünlem);
        try {
            ürün::fotoğrafReferansınıTemizle(*AçıkVeritabanı, urunNo, FotoğrafAdı);
            FotoğrafAdı.clear();
        } catch (const std::exception& hata) {
            OrtakHataİşleyici(hata);
        }
        break;
    case ürün::FotoğrafDurumu::KlasöreUlaşılamıyor:
        // The folder cannot be reached: the file may well be there, so the reference stays.
        mesaj::göster(FotoğrafYokMetni, Simge::Ünlem);
        break;
    case ürün::FotoğrafDurumu::Okunamadı:
        OrtakHataİşleyici(platform::hata::Genel,
                          QStringLiteral("Fotoğraf dosyası okunamadı: %1").arg(QDir::toNativeSeparators(g.yol)));
        break;
    }
}

void ÜrünTanımlamaFormu::satırıGöster(int satır)
{
    {
        const QSignalBlocker engel(ÜrünListesi);
        ÜrünListesi->setCurrentRow(satır);
    }
    ÜrünListesi_Click();
}

void ÜrünTanımlamaFormu::düzenlemeyiAç(bool değişiklik)
{
    Çerçeve[0]->setEnabled(false);
    Çerçeve[1]->setEnabled(true);
    EkleDüğmesi->setEnabled(false);
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(KaydetCaption);
    KapatVazgeçDüğmesi->setText(VazgeçCaption);
    FotoğrafEkleDüğmesi->setEnabled(true);
    FotoğrafıSilDüğmesi->setEnabled(true);
    FotoğrafKaldırıldı = false;
    yeniFotoğraf_ = QImage();
    DeğişiklikModu = değişiklik;
    ÜrünKoduKutusu->setFocus();
}

void ÜrünTanımlamaFormu::EkleDüğmesi_Click()
{
    alanlarıBoşalt();
    FotoğrafAdı.clear();
    EskiFotoğrafAdı.clear();
    düzenlemeyiAç(false);
}

void ÜrünTanımlamaFormu::DeğiştirDüğmesi_Click()
{
    if (ÜrünListesi->currentRow() < 0) return;
    EskiFotoğrafAdı = FotoğrafAdı;
    düzenlemeyiAç(true);
}

void ÜrünTanımlamaFormu::tarayaDön()
{
    Çerçeve[1]->setEnabled(false);
    EkleDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(SilCaption);
    KapatVazgeçDüğmesi->setText(KapatCaption);
    FotoğrafEkleDüğmesi->setEnabled(false);
    FotoğrafıSilDüğmesi->setEnabled(false);
    FotoğrafKaldırıldı = false;
    yeniFotoğraf_ = QImage();
}

void ÜrünTanımlamaFormu::KapatVazgeçDüğmesi_Click()
{
    if (!Çerçeve[1]->isEnabled()) {
        QDialog::reject();
        return;
    }
    // Cancel: the selected product's stored values come back; nothing is written.
    tarayaDön();
    SilKaydetDüğmesi->setEnabled(false);
    ÜrünListesi_Click();
}

void ÜrünTanımlamaFormu::keyPressEvent(QKeyEvent* olay)
{
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        KapatVazgeçDüğmesi->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void ÜrünTanımlamaFormu::SilKaydetDüğmesi_Click()
{
    if (ÜrünListesi->count() > 0 && ÜrünListesi->currentRow() >= 0) {
        SeçiliSıra = ÜrünListesi->currentRow();
        SeçiliÜrünNo = ÜrünListesi->numara(SeçiliSıra);
    }
    if (Çerçeve[1]->isEnabled()) kaydet();
    else sil();
}

void ÜrünTanımlamaFormu::kaydet()
{
    ürün::Kayıtİsteği istek;
    if (DeğişiklikModu) istek.urunNo = SeçiliÜrünNo;
    istek.bilgiler.kodu = ÜrünKoduKutusu->text();
    istek.bilgiler.üreticiKodu = ÜreticiKoduKutusu->text();
    istek.bilgiler.adı = ÜrünAdıKutusu->toPlainText();
    istek.bilgiler.markası = MarkasıKutusu->currentText();
    istek.bilgiler.miktarBirimi = MiktarBirimiKutusu->currentText();
    istek.bilgiler.kdvOranı = KDVOranıKutusu->currentText();
    istek.bilgiler.fiyatı = FiyatıKutusu->text();
    istek.bilgiler.açıklama = AçıklamaKutusu->toPlainText();
    istek.bilgiler.fotoğrafı = FotoğrafAdı;
    if (!yeniFotoğraf_.isNull() && !FotoğrafAdı.isEmpty()) {
        istek.fotoğraf = ürün::FotoğrafDeğişikliği::Yeni;
        istek.resim = yeniFotoğraf_;
    } else if (DeğişiklikModu && FotoğrafKaldırıldı && FotoğrafAdı.isEmpty()) {
        istek.fotoğraf = ürün::FotoğrafDeğişikliği::Kaldırıldı;
    }

    ürün::KayıtSonucu sonuç;
    try {
        sonuç = ürün::ürünüKaydet(*AçıkVeritabanı, SunucuYolu, istek);
    } catch (const std::exception& hata) {
        // Nothing was written: the edit stays open with what the user typed.
        OrtakHataİşleyici(hata);
        return;
    }
    switch (sonuç.durum) {
    case ürün::KayıtDurumu::KodBoş:
        mesaj::göster(KodBoşMetni, Simge::Bilgi);
        ÜrünKoduKutusu->setFocus();
        return;
    case ürün::KayıtDurumu::KodVar:
        mesaj::göster(KodVarMetni, Simge::Bilgi);
        ÜrünKoduKutusu->setFocus();
        return;
    case ürün::KayıtDurumu::AdBoş:
        mesaj::göster(AdBoşMetni, Simge::Bilgi);
        ÜrünAdıKutusu->setFocus();
        return;
    case ürün::KayıtDurumu::FiyatGeçersiz:
        mesaj::göster(FiyatGeçersizMetni, Simge::Bilgi);
        FiyatıKutusu->setFocus();
        return;
    case ürün::KayıtDurumu::KDVOranıGeçersiz:
        mesaj::göster(KDVOranıGeçersizMetni, Simge::Bilgi);
        KDVOranıKutusu->setFocus();
        return;
    case ürün::KayıtDurumu::KayıtYok:
        mesaj::göster(SilinmişÜrünMetni, Simge::Ünlem);
        return;
    case ürün::KayıtDurumu::Kaydedildi: break;
    }

    const QString birim = istek.bilgiler.miktarBirimi.trimmed();
    const QString oran = AlanGirişiKuralları::tutarBiçiminde(istek.bilgiler.kdvOranı.trimmed());
    const QString marka = istek.bilgiler.markası.trimmed();

    // The list shows the saved product under its name, at its sorted place.
    if (DeğişiklikModu) {
        // Quietly: the neighbour that becomes current meanwhile is not shown.
        const QSignalBlocker engel(ÜrünListesi);
        ÜrünListesi->satırıSil(ÜrünListesi->numarayıBul(sonuç.urunNo));
    }
    const int satır = ÜrünListesi->ekle(sonuç.adı, sonuç.urunNo);
    SeçiliÜrünNo = sonuç.urunNo;
    tarayaDön();
    satırıGöster(satır);

    geçmişeEkle(MiktarBirimiKutusu, birim, 0);
    geçmişeEkle(KDVOranıKutusu, oran, 1);
    geçmişeEkle(MarkasıKutusu, marka, 2);

    if (!sonuç.sonrakiHata.isEmpty()) OrtakHataİşleyici(platform::hata::Genel, sonuç.sonrakiHata);
    ÜrünListesi->setFocus();
}

void ÜrünTanımlamaFormu::geçmişeEkle(QComboBox* kutu, const QString& değer, int hangisi)
{
    QStringList liste;
    for (int i = 0; i < kutu->count(); ++i) liste.append(kutu->itemText(i));
    if (!değerGeçmişi::ekle(liste, değer, geçmişTanımı(hangisi))) return;
    const QString metin = kutu->currentText();
    const QSignalBlocker engel(kutu);
    kutu->clear();
    kutu->addItems(liste);
    kutu->setCurrentIndex(-1);
    kutu->setEditText(metin);
}

void ÜrünTanımlamaFormu::sil()
{
    const int satır = ÜrünListesi->currentRow();
    if (satır < 0) return;
    try {
        if (ürün::hareketiVarMı(*AçıkVeritabanı, SeçiliÜrünNo)) {
            mesaj::göster(GirişVarMetni, Simge::Bilgi);
            return;
        }
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
        return;
    }
    const QString soru = QStringLiteral("\"") + ÜrünListesi->metin(satır)
                         + QStringLiteral("\" adlı bu ürünü silmek istediğinizden emin misiniz?");
    if (mesaj::göster(soru, Simge::Soru, mesaj::Düğmeler::EvetHayır, mesaj::Yanıt::Evet) != mesaj::Yanıt::Evet)
        return;

    ürün::SilmeSonucu sonuç;
    try {
        sonuç = ürün::ürünüSil(*AçıkVeritabanı, SunucuYolu, SeçiliÜrünNo);
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
        return;
    }
    if (sonuç.durum == ürün::SilmeDurumu::HareketVar) {
        mesaj::göster(GirişVarMetni, Simge::Bilgi);
        return;
    }
    if (sonuç.durum == ürün::SilmeDurumu::KayıtYok) {
        mesaj::göster(SilinmişÜrünMetni, Simge::Ünlem);
        return;
    }
    {
        const QSignalBlocker engel(ÜrünListesi);
        ÜrünListesi->satırıSil(SeçiliSıra);
    }
    if (ÜrünListesi->count() == 0) {
        alanlarıBoşalt();
        FotoğrafAdı.clear();
        Çerçeve[0]->setEnabled(false);
        DeğiştirDüğmesi->setEnabled(false);
        SilKaydetDüğmesi->setEnabled(false);
        {
            const QSignalBlocker engel(ÜrünListesi);
            ÜrünListesi->setCurrentRow(-1);
        }
    } else {
        satırıGöster(SeçiliSıra > 0 ? SeçiliSıra - 1 : 0);
    }
    if (!sonuç.sonrakiHata.isEmpty()) OrtakHataİşleyici(platform::hata::Genel, sonuç.sonrakiHata);
}

void ÜrünTanımlamaFormu::FotoğrafEkleDüğmesi_Click()
{
    FotoğrafSeçFormu seçici(this);
    if (seçici.exec() != QDialog::Accepted) return;
    yeniFotoğraf_ = seçici.önizleme();
    ÜrünFotoğrafıKutusu->setResim(QImage());
    ÜrünFotoğrafıKutusu->setResim(yeniFotoğraf_);
}

void ÜrünTanımlamaFormu::FotoğrafıSilDüğmesi_Click()
{
    ÜrünFotoğrafıKutusu->setResim(QImage());
    FotoğrafAdı.clear();
    yeniFotoğraf_ = QImage();
    if (!EskiFotoğrafAdı.isEmpty()) FotoğrafKaldırıldı = true;
}
