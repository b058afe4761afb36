#include "invoicing/FaturaYazdirFormu.h"

#include "core/Acicilar.h"
#include "core/AlanGirisiKurallari.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "platform/TurkceMetin.h"
#include "platform/YazdirmaSunucusu.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

namespace {

// Item data of the tree: a firm node keeps its key ("F-" and the firm number) and its number, a day node
// its date.
constexpr int AnahtarRolü = Qt::UserRole;
constexpr int DeğerRolü = Qt::UserRole + 1;

QLabel* etiket(QWidget* üst, int sıra, const QString& metin)
{
    auto* e = new QLabel(metin, üst);
    e->setObjectName(QStringLiteral("Etiket(%1)").arg(sıra));
    return e;
}

QPushButton* düğme(QWidget* üst, const QString& ad, const QString& metin)
{
    auto* d = new QPushButton(metin, üst);
    d->setObjectName(ad);
    d->setAutoDefault(false);  // Enter in the find box runs the find, never a button
    return d;
}

QLineEdit* saltOkunur(QWidget* üst, const QString& ad)
{
    auto* k = new QLineEdit(üst);
    k->setObjectName(ad);
    k->setReadOnly(true);
    return k;
}

QWidget* altlık(QGroupBox* çerçeve, int sıra)
{
    auto* a = new QWidget(çerçeve);
    a->setObjectName(QStringLiteral("Altlık(%1)").arg(sıra));
    a->setAutoFillBackground(true);
    a->setBackgroundRole(QPalette::Window);
    auto* düzen = new QVBoxLayout(çerçeve);
    düzen->setContentsMargins(6, 4, 6, 6);
    düzen->addWidget(a);
    return a;
}

void raporla(const std::exception& hata) { OrtakHataİşleyici(hata); }

}  // namespace

FaturaYazdırFormu::FaturaYazdırFormu(QWidget* sahip) : QDialog(sahip)
{
    pencereyiKur();

    // The line list's columns and the state the user left them in.
    ÜrünListesi_->sütunlarıKur({
        {QStringLiteral("Hareket No"), 0, Qt::AlignLeft, SütunTürü::Sayı},
        {QStringLiteral("Kodu"), 1000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Birimi"), 1100, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("KDV Miktarı"), 0, Qt::AlignLeft, SütunTürü::Metin},
    });
    ÜrünListesi_->düzeniOku(DüzenBölümü);

    AramaVar = false;
    FirmaListesiniYükle();

    // Opens sorted ascending by product code.
    SıralamaYönü = 1;
    ÜrünListesi_->sütunaTıklandı(Kodu);
}

FaturaYazdırFormu::~FaturaYazdırFormu() = default;

void FaturaYazdırFormu::pencereyiKur()
{
    setObjectName(QStringLiteral("FaturaYazdırFormu"));
    setWindowTitle(QStringLiteral("Fatura Yazdır"));

    // The buyer firms: the find row over the tree.
    Çerçeve0_ = new QGroupBox(QStringLiteral("Alıcı Firmalar (Müşteriler) "), this);
    Çerçeve0_->setObjectName(QStringLiteral("Çerçeve(0)"));
    QWidget* a0 = altlık(Çerçeve0_, 0);
    Etiket0_ = etiket(a0, 0, QStringLiteral("&Müşteri Bul"));
    BulKutusu_ = new QLineEdit(a0);
    BulKutusu_->setObjectName(QStringLiteral("BulKutusu"));
    Etiket0_->setBuddy(BulKutusu_);
    BulDüğmesi_ = düğme(a0, QStringLiteral("BulDüğmesi"), QStringLiteral("&Bul"));
    TemizleDüğmesi_ = düğme(a0, QStringLiteral("TemizleDüğmesi"), QStringLiteral("Temi&zle"));
    BulDüğmesi_->setEnabled(false);
    TemizleDüğmesi_->setEnabled(false);
    FirmaListesi_ = new QTreeWidget(a0);
    FirmaListesi_->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaListesi_->setHeaderHidden(true);
    FirmaListesi_->setColumnCount(1);
    FirmaListesi_->setUniformRowHeights(true);
    auto* g0 = new QGridLayout(a0);
    g0->setContentsMargins(0, 0, 0, 0);
    g0->addWidget(Etiket0_, 0, 0, 1, 2);
    g0->addWidget(BulKutusu_, 1, 0, 1, 2);
    g0->addWidget(BulDüğmesi_, 2, 0);
    g0->addWidget(TemizleDüğmesi_, 2, 1);
    g0->addWidget(FirmaListesi_, 3, 0, 1, 2);
    g0->setRowStretch(3, 1);

    // The customer's details.
    Çerçeve1_ = new QGroupBox(QStringLiteral("Müşteri Bilgileri "), this);
    Çerçeve1_->setObjectName(QStringLiteral("Çerçeve(1)"));
    QWidget* a1 = altlık(Çerçeve1_, 1);
    FirmaAdıKutusu_ = saltOkunur(a1, QStringLiteral("FirmaAdıKutusu"));
    AdresiKutusu_ = new QPlainTextEdit(a1);
    AdresiKutusu_->setObjectName(QStringLiteral("AdresiKutusu"));
    AdresiKutusu_->setReadOnly(true);
    AdresiKutusu_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AdresiKutusu_->document()->setDocumentMargin(2);  // two lines within the designed frame
    AdresiKutusu_->setFixedHeight(AdresiKutusu_->fontMetrics().lineSpacing() * 2 + 6);
    VergiDairesiKutusu_ = saltOkunur(a1, QStringLiteral("VergiDairesiKutusu"));
    VergiNumarasıKutusu_ = saltOkunur(a1, QStringLiteral("VergiNumarasıKutusu"));
    auto* g1 = new QGridLayout(a1);
    g1->setContentsMargins(0, 0, 0, 0);
    g1->setVerticalSpacing(2);
    g1->addWidget(etiket(a1, 1, QStringLiteral("Adı :")), 0, 0);
    g1->addWidget(FirmaAdıKutusu_, 0, 1, 1, 3);
    g1->addWidget(etiket(a1, 2, QStringLiteral("Adresi :")), 1, 0, Qt::AlignTop);
    g1->addWidget(AdresiKutusu_, 1, 1, 1, 3);
    g1->addWidget(etiket(a1, 3, QStringLiteral("Vergi Dairesi :")), 2, 0);
    g1->addWidget(VergiDairesiKutusu_, 2, 1);
    g1->addWidget(etiket(a1, 4, QStringLiteral("Vergi No :")), 2, 2);
    g1->addWidget(VergiNumarasıKutusu_, 2, 3);
    g1->setColumnStretch(1, 1);
    g1->setColumnStretch(3, 1);

    // The lines and their totals.
    Çerçeve2_ = new QGroupBox(QStringLiteral("Ürün Listesi "), this);
    Çerçeve2_->setObjectName(QStringLiteral("Çerçeve(2)"));
    QWidget* a2 = altlık(Çerçeve2_, 2);
    ÜrünListesi_ = new ListeGörünümü(a2);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    QFont kalın(QStringLiteral("MS Sans Serif"));
    kalın.setPointSizeF(8.25);
    kalın.setBold(true);
    const auto toplamKutusu = [&](const QString& ad) {
        QLineEdit* k = saltOkunur(a2, ad);
        k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        k->setFont(kalın);
        k->setFixedWidth(95);
        return k;
    };
    ToplamKutusu_ = toplamKutusu(QStringLiteral("ToplamKutusu"));
    KDVToplamıKutusu_ = toplamKutusu(QStringLiteral("KDVToplamıKutusu"));
    GenelToplamKutusu_ = toplamKutusu(QStringLiteral("GenelToplamKutusu"));
    auto* toplamlar = new QHBoxLayout;
    toplamlar->addStretch(1);
    toplamlar->addWidget(etiket(a2, 5, QStringLiteral("Toplam :")));
    toplamlar->addWidget(ToplamKutusu_);
    toplamlar->addWidget(etiket(a2, 6, QStringLiteral("Kdv :")));
    toplamlar->addWidget(KDVToplamıKutusu_);
    toplamlar->addWidget(etiket(a2, 7, QStringLiteral("Genel Toplam :")));
    toplamlar->addWidget(GenelToplamKutusu_);
    auto* d2 = new QVBoxLayout(a2);
    d2->setContentsMargins(0, 0, 0, 0);
    d2->addWidget(ÜrünListesi_, 1);
    d2->addLayout(toplamlar);

    // The bottom row.
    YazdırılanlarıGösterOnayı_ = new QCheckBox(QStringLiteral("Sadece y&azdırılan faturaları göster "), this);
    YazdırılanlarıGösterOnayı_->setObjectName(QStringLiteral("YazdırılanlarıGösterOnayı"));
    FaturaAyarlarıDüğmesi_ = düğme(this, QStringLiteral("FaturaAyarlarıDüğmesi"), QStringLiteral("F&atura Ayarları..."));
    İrsaliyeYazdırDüğmesi_ = düğme(this, QStringLiteral("İrsaliyeYazdırDüğmesi"), QStringLiteral("İr&saliye Yazdır..."));
    FaturaYazdırDüğmesi_ = düğme(this, QStringLiteral("FaturaYazdırDüğmesi"), QStringLiteral("&Fatura Yazdır..."));
    ListeyiYenileDüğmesi_ = düğme(this, QStringLiteral("ListeyiYenileDüğmesi"), QStringLiteral("Listeyi Yenile (F5)"));
    KapatDüğmesi_ = düğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));

    // The frames at their designed sizes (twips / 15): the firms on the left, the customer over the lines on
    // the right, both columns of one height; the check box and the buttons along the bottom.
    Çerçeve0_->setFixedSize(2805 / 15, 7125 / 15);
    Çerçeve1_->setFixedSize(7275 / 15, 1635 / 15);
    Çerçeve2_->setFixedSize(7275 / 15, 5325 / 15);
    auto* sağ = new QVBoxLayout;
    sağ->setSpacing((7125 - 1635 - 5325) / 15);
    sağ->addWidget(Çerçeve1_);
    sağ->addWidget(Çerçeve2_);
    auto* üst = new QHBoxLayout;
    üst->setSpacing(20);
    üst->addWidget(Çerçeve0_);
    üst->addLayout(sağ);
    auto* alt = new QHBoxLayout;
    alt->addWidget(YazdırılanlarıGösterOnayı_);
    alt->addStretch(1);
    for (QPushButton* d : {FaturaAyarlarıDüğmesi_, İrsaliyeYazdırDüğmesi_, FaturaYazdırDüğmesi_, ListeyiYenileDüğmesi_,
                           KapatDüğmesi_})
        alt->addWidget(d);
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(19, 11, 19, 11);
    düzen->addLayout(üst);
    düzen->addStretch(1);
    düzen->addLayout(alt);
    düzen->addStretch(1);
    setFixedSize(10950 / 15, 8265 / 15);

    // The find box: upper-case letters, the whole text selected on entry, its caption lit meanwhile.
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(BulKutusu_, K::TümünüSeç | K::EtiketVurgusu | K::TürkçeBüyükHarf, Etiket0_);
    connect(BulKutusu_, &QLineEdit::returnPressed, this, [this] { BulDüğmesi_Click(); });
    connect(BulKutusu_, &QLineEdit::textChanged, this, [this] { bulKutusuDeğişti(); });
    connect(BulDüğmesi_, &QPushButton::clicked, this, [this] { BulDüğmesi_Click(); });
    connect(TemizleDüğmesi_, &QPushButton::clicked, this, [this] { TemizleDüğmesi_Click(); });

    // A node is shown when it becomes the current one by the keyboard, and on every click.
    connect(FirmaListesi_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* düğüm) {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) FirmaListesi_NodeClick(düğüm);
    });
    connect(FirmaListesi_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* düğüm) { FirmaListesi_NodeClick(düğüm); });
    // A firm folded over its selected day takes the selection, as the day can no longer be seen.
    connect(FirmaListesi_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* firma) {
        QTreeWidgetItem* seçili = FirmaListesi_->currentItem();
        if (seçili && seçili->parent() == firma) {
            const QSignalBlocker sus(FirmaListesi_);
            FirmaListesi_->setCurrentItem(firma);
        }
        FirmaListesi_NodeClick(FirmaListesi_->currentItem());
    });
    connect(FirmaListesi_, &QTreeWidget::itemExpanded, this, [this] { FirmaListesi_NodeClick(FirmaListesi_->currentItem()); });

    // Every change of the box reloads the tree, whether the user or the program ticks it.
    connect(YazdırılanlarıGösterOnayı_, &QCheckBox::toggled, this, [this] { YazdırılanlarıGösterOnayı_Click(); });
    connect(FaturaAyarlarıDüğmesi_, &QPushButton::clicked, this, [this] { FaturaAyarlarıDüğmesi_Click(); });
    connect(FaturaYazdırDüğmesi_, &QPushButton::clicked, this, [this] { FaturaYazdırDüğmesi_Click(); });
    connect(İrsaliyeYazdırDüğmesi_, &QPushButton::clicked, this, [this] { İrsaliyeYazdırDüğmesi_Click(); });
    connect(ListeyiYenileDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiYenileDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { reject(); });
}

void FaturaYazdırFormu::keyPressEvent(QKeyEvent* olay)
{
    // The window's controls leave F5 alone, so it comes here from whichever has the focus.
    if (olay->key() == Qt::Key_F5 && !(olay->modifiers() & ~Qt::KeypadModifier)) {
        ListeyiYenileDüğmesi_Click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

// --- The tree ----------------------------------------------------------------------------------------------

void FaturaYazdırFormu::FirmaListesiniYükle()
{
    QList<fatura::AğaçFirması> ağaç;
    try {
        if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
        ağaç = fatura::firmaAğacınıOku(*AçıkVeritabanı, YazdırılanlarıGösterOnayı_->isChecked(),
                                       AramaVar ? BulKutusu_->text() : QString());
    } catch (const std::exception& hata) {
        raporla(hata);
        ağaç.clear();
    }

    const QSignalBlocker sus(FirmaListesi_);
    FirmaListesi_->clear();
    QList<QTreeWidgetItem*> kökler;
    kökler.reserve(ağaç.size());
    const QBrush renk(QColor(80, 80, 80));
    QHash<QDate, QString> günMetinleri;  // a few hundred days under thousands of firms
    for (const fatura::AğaçFirması& firma : ağaç) {
        auto* kök = new QTreeWidgetItem;
        kök->setText(0, firma.adı);
        kök->setData(0, AnahtarRolü, QStringLiteral("F-%1").arg(firma.firmaNo));
        kök->setData(0, DeğerRolü, firma.firmaNo);
        kök->setForeground(0, renk);
        QList<QTreeWidgetItem*> günler;
        günler.reserve(firma.günler.size());
        for (const QDate& gün : firma.günler) {
            auto metin = günMetinleri.constFind(gün);
            if (metin == günMetinleri.cend()) metin = günMetinleri.insert(gün, turkce::tarihBiçimi(gün));
            auto* gd = new QTreeWidgetItem;
            gd->setText(0, *metin);
            gd->setData(0, DeğerRolü, gün);
            günler.append(gd);
        }
        kök->addChildren(günler);
        kökler.append(kök);
    }
    FirmaListesi_->addTopLevelItems(kökler);
    FirmaListesi_->setCurrentItem(nullptr);

    if (kökler.isEmpty()) ekranıBoşalt();
    QCoreApplication::processEvents();
}

void FaturaYazdırFormu::FirmaListesi_NodeClick(QTreeWidgetItem* düğüm)
{
    if (ÜrünListesi_->satırSayısı() > 0) satırlarıBoşalt();
    if (!düğüm) {
        ekranıBoşalt();
        return;
    }
    if (!düğüm->parent()) {  // a firm only clears
        gösterilen_.reset();
        müşteriyiBoşalt();
        return;
    }

    const Gün gün{düğüm->parent()->data(0, DeğerRolü).toInt(), düğüm->data(0, DeğerRolü).toDate()};
    // Nothing of another firm stays on the screen while this one is read.
    gösterilen_.reset();
    müşteriyiBoşalt();
    satırlarıBoşalt();
    try {
        if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
        const std::optional<fatura::MüşteriBilgileri> müşteri = fatura::müşteriOku(*AçıkVeritabanı, gün.firmaNo);
        if (!müşteri) return;  // the firm is gone: its day shows nothing
        QList<fatura::FaturaKalemi> satırlar =
            fatura::satırlarıOku(*AçıkVeritabanı, gün.firmaNo, gün.tarih, YazdırılanlarıGösterOnayı_->isChecked());

        FirmaAdıKutusu_->setText(müşteri->adı);
        AdresiKutusu_->setPlainText(müşteri->adresi);
        VergiDairesiKutusu_->setText(müşteri->vergiDairesi);
        VergiNumarasıKutusu_->setText(müşteri->vergiNumarası);
        satırlar_ = std::move(satırlar);
        satırlarYazdırılanlardan_ = YazdırılanlarıGösterOnayı_->isChecked();
        {
            ListeGörünümü::Doldurma dolum(ÜrünListesi_);
            for (const fatura::FaturaKalemi& s : satırlar_) ÜrünListesi_->satırEkle(hücreler(s), s.hareketNo);
        }
        gösterilen_ = gün;
        ToplamlarıHesapla();
    } catch (const std::exception& hata) {
        raporla(hata);
        ekranıBoşalt();
    }
}

void FaturaYazdırFormu::bulKutusuDeğişti()
{
    const bool dolu = !BulKutusu_->text().trimmed().isEmpty();
    BulDüğmesi_->setEnabled(dolu);
    TemizleDüğmesi_->setEnabled(dolu);
    // The user emptied the box: the find is over.
    if (!dolu && focusWidget() == BulKutusu_) TemizleDüğmesi_Click();
}

void FaturaYazdırFormu::BulDüğmesi_Click()
{
    BulKutusu_->setText(BulKutusu_->text().trimmed());
    if (BulKutusu_->text().isEmpty()) return;
    AramaVar = true;
    FirmaListesiniYükle();
}

void FaturaYazdırFormu::TemizleDüğmesi_Click()
{
    if (!BulKutusu_->text().isEmpty()) BulKutusu_->clear();
    if (AramaVar) {
        AramaVar = false;
        FirmaListesiniYükle();
    }
}

void FaturaYazdırFormu::YazdırılanlarıGösterOnayı_Click()
{
    AramaVar = false;
    FirmaListesiniYükle();
}

QList<QTreeWidgetItem*> FaturaYazdırFormu::düğümler() const
{
    QList<QTreeWidgetItem*> hepsi;
    for (int i = 0; i < FirmaListesi_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* kök = FirmaListesi_->topLevelItem(i);
        hepsi.append(kök);
        for (int j = 0; j < kök->childCount(); ++j) hepsi.append(kök->child(j));
    }
    return hepsi;
}

QTreeWidgetItem* FaturaYazdırFormu::düğümüBul(int firmaNo, const std::optional<QDate>& gün) const
{
    for (int i = 0; i < FirmaListesi_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* kök = FirmaListesi_->topLevelItem(i);
        if (kök->data(0, DeğerRolü).toInt() != firmaNo) continue;
        if (!gün) return kök;
        for (int j = 0; j < kök->childCount(); ++j)
            if (kök->child(j)->data(0, DeğerRolü).toDate() == *gün) return kök->child(j);
        return nullptr;
    }
    return nullptr;
}

void FaturaYazdırFormu::seçVeGöster(QTreeWidgetItem* düğüm)
{
    {
        const QSignalBlocker sus(FirmaListesi_);
        FirmaListesi_->setCurrentItem(düğüm);
        if (düğüm && düğüm->parent()) düğüm->parent()->setExpanded(true);
        if (düğüm) FirmaListesi_->scrollToItem(düğüm);
    }
    FirmaListesi_->viewport()->update();
    FirmaListesi_NodeClick(düğüm);
}

void FaturaYazdırFormu::ListeyiYenileDüğmesi_Click()
{
    AramaVar = false;
    yenidenOkuVeGöster(true, Yoksa::YerindekiDüğüm);
}

void FaturaYazdırFormu::yenidenOkuVeGöster(bool ağacaOdak, Yoksa yoksa)
{
    // What to show again: the shown day, else the selected node (a firm), and its place in the tree.
    std::optional<int> firma;
    std::optional<QDate> gün;
    if (gösterilen_) {
        firma = gösterilen_->firmaNo;
        gün = gösterilen_->tarih;
    } else if (QTreeWidgetItem* seçili = FirmaListesi_->currentItem()) {
        firma = (seçili->parent() ? seçili->parent() : seçili)->data(0, DeğerRolü).toInt();
        if (seçili->parent()) gün = seçili->data(0, DeğerRolü).toDate();
    }
    const int yer = firma ? int(düğümler().indexOf(düğümüBul(*firma, gün))) : -1;

    FirmaListesiniYükle();
    if (ağacaOdak) FirmaListesi_->setFocus();
    const QList<QTreeWidgetItem*> yeni = düğümler();
    if (yeni.isEmpty()) return;  // the fill has emptied the display

    QTreeWidgetItem* düğüm = firma ? düğümüBul(*firma, gün) : nullptr;
    if (!düğüm && firma && yoksa == Yoksa::Firması) düğüm = düğümüBul(*firma, std::nullopt);
    else if (!düğüm && yer >= 0) düğüm = yeni.at(std::min(yer, int(yeni.size()) - 1));
    seçVeGöster(düğüm);
}

void FaturaYazdırFormu::yazdırıldıktanSonraYenile()
{
    int yer = gösterilen_ ? int(düğümler().indexOf(düğümüBul(gösterilen_->firmaNo, gösterilen_->tarih))) : -1;
    if (yer < 0) yer = int(düğümler().indexOf(FirmaListesi_->currentItem()));
    FirmaListesiniYükle();
    const QList<QTreeWidgetItem*> yeni = düğümler();
    if (yeni.isEmpty()) return;
    seçVeGöster(yeni.at(std::clamp(yer - 1, 0, int(yeni.size()) - 1)));
}

void FaturaYazdırFormu::FaturaAyarlarıDüğmesi_Click() { açıcılar::aç(QStringLiteral("FaturaAyarlarıMenüsü"), this); }

void FaturaYazdırFormu::FaturaYazdırDüğmesi_Click()
{
    // The tree read again after the print belongs to it: an error it tells is answered before the program
    // ends, if it was told to meanwhile.
    const yazdırma::BaskıSüresince baskı;
    switch (fatura::FaturaYazdır(this, FaturaYazdırDüğmesi_, faturaVerisi())) {
    case fatura::FaturaSonucu::Yazdırıldı:
    case fatura::FaturaSonucu::İşaretlendi: yazdırıldıktanSonraYenile(); break;
    // The lines are shown again as they are now (the find, if any, still narrowing the tree); a day that
    // has gone leaves its firm's node selected, as the node at its place may be another firm's day, which
    // the next press would print.
    case fatura::FaturaSonucu::SatırlarDeğişmiş: yenidenOkuVeGöster(false, Yoksa::Firması); break;
    case fatura::FaturaSonucu::Yazdırılmadı: break;
    }
}

void FaturaYazdırFormu::İrsaliyeYazdırDüğmesi_Click()
{
    fatura::İrsaliyeYazdır(this, İrsaliyeYazdırDüğmesi_, faturaVerisi());
}

fatura::FaturaVerisi FaturaYazdırFormu::faturaVerisi() const
{
    fatura::FaturaVerisi v;
    v.firmaAdı = FirmaAdıKutusu_->text();
    v.adresi = AdresiKutusu_->toPlainText();
    v.vergiDairesi = VergiDairesiKutusu_->text();
    v.vergiNumarası = VergiNumarasıKutusu_->text();
    if (gösterilen_) {
        v.tarih = gösterilen_->tarih;
        v.firmaNo = gösterilen_->firmaNo;
    }
    v.yazdırılanlar = satırlarYazdırılanlardan_;
    for (const fatura::FaturaKalemi& k : gösterilenSatırlar())
        v.satırlar.append({k.hareketNo, k.kodu, k.adı, k.miktar, k.birimi, k.kdvOranı.value_or(0), k.fiyat,
                           para::kuruşaYuvarla(k.tutar), k.kdv, k.ürünNo});
    v.toplam = toplamlar_.toplam;
    v.kdvToplamı = toplamlar_.kdv;
    v.genelToplam = toplamlar_.genel;
    return v;
}

// --- Lines and totals --------------------------------------------------------------------------------------

QList<ListeDeğeri> FaturaYazdırFormu::hücreler(const fatura::FaturaKalemi& s)
{
    // Prices and amounts hold the value they show, to the kuruş.
    const auto tutar = [](para::Para p) { return ListeDeğeri::sayı(para::doubleOlarak(para::kuruşaYuvarla(p))); };
    return {
        ListeDeğeri::sayı(double(s.hareketNo), ListeDeğeri::Biçim::TamSayı),
        s.kodu,
        s.adı,
        fatura::sayıMetni(s.miktar),
        s.birimi,
        fatura::kdvOranıMetni(s),
        tutar(s.fiyat),
        tutar(s.tutar),
        fatura::kdvMiktarıMetni(s),
    };
}

QList<fatura::FaturaKalemi> FaturaYazdırFormu::gösterilenSatırlar() const
{
    QHash<qint64, int> yer;
    for (int i = 0; i < satırlar_.size(); ++i) yer.insert(satırlar_[i].hareketNo, i);
    QList<fatura::FaturaKalemi> sonuç;
    for (int r = 0; r < ÜrünListesi_->satırSayısı(); ++r) {
        const auto bulunan = yer.constFind(ÜrünListesi_->satırDeğeri(r));
        if (bulunan != yer.cend()) sonuç.append(satırlar_[*bulunan]);
    }
    return sonuç;
}

void FaturaYazdırFormu::ToplamlarıHesapla()
{
    toplamlar_ = fatura::toplamlarıHesapla(gösterilenSatırlar());
    ToplamKutusu_->setText(para::biçimle(toplamlar_.toplam));
    KDVToplamıKutusu_->setText(para::biçimle(toplamlar_.kdv));
    GenelToplamKutusu_->setText(para::biçimle(toplamlar_.genel));
}

void FaturaYazdırFormu::müşteriyiBoşalt()
{
    FirmaAdıKutusu_->clear();
    AdresiKutusu_->clear();
    VergiDairesiKutusu_->clear();
    VergiNumarasıKutusu_->clear();
}

void FaturaYazdırFormu::satırlarıBoşalt()
{
    ÜrünListesi_->temizle();
    satırlar_.clear();
    toplamlar_ = {};
    ToplamKutusu_->clear();
    KDVToplamıKutusu_->clear();
    GenelToplamKutusu_->clear();
}

void FaturaYazdırFormu::ekranıBoşalt()
{
    gösterilen_.reset();
    müşteriyiBoşalt();
    satırlarıBoşalt();
}

void FaturaYazdırFormu::done(int sonuç)
{
    ÜrünListesi_->düzeniYaz(DüzenBölümü);
    QDialog::done(sonuç);
}
