#include "invoicing/FaturaAyarlariFormu.h"

#include "core/AyarliKutu.h"
#include "invoicing/YaziTipiSecmeFormu.h"
#include "platform/Ayarlar.h"
#include "platform/Yazicilar.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace fatura {

QList<ÖnizlemeÖğesi> önizlemeÖğeleri(const FaturaDüzeni& d)
{
    auto öğe = [&](Konum sol, Konum üst, const char* metin) {
        return ÖnizlemeÖğesi{d[sol] / 5.0, d[üst] / 5.0, QString::fromLatin1(metin)};
    };
    // The item line and its columns stand on one line, at the top of the items.
    return {öğe(Konum::TarihSol, Konum::TarihÜst, "-----"),
            öğe(Konum::MüşteriSol, Konum::MüşteriÜst, "----- -----"),
            öğe(Konum::VergiSol, Konum::VergiÜst, "-----"),
            öğe(Konum::AdıSol, Konum::İçerikÜst, "---------------"),
            öğe(Konum::MiktarSol, Konum::İçerikÜst, "---"),
            öğe(Konum::FiyatSol, Konum::İçerikÜst, "-----"),
            öğe(Konum::TutarSol, Konum::İçerikÜst, "-----"),
            öğe(Konum::RakamSol, Konum::RakamÜst, "-----"),
            öğe(Konum::YazıSol, Konum::YazıÜst, "-----")};
}

QString kağıtBoyutuMetni(QSizeF kağıt)
{
    return QStringLiteral("%1 x %2 mm").arg(qRound(kağıt.width())).arg(qRound(kağıt.height()));
}

QString yazdırmaYönüMetni(QSizeF kağıt)
{
    return kağıt.width() > kağıt.height() ? QStringLiteral("Yatay") : QStringLiteral("Dikey");
}

}  // namespace fatura

using namespace fatura;

namespace {

// Screen pixels in a millimetre at 100 % scale (1440 twips to the inch, 15 twips to the pixel).
constexpr double PikselBaşınaMm = 96 / 25.4;
// The preview's frame; a portrait page up to the size of a letter or A4 sheet fits inside it.
constexpr int ÖnizlemeÇerçevesiGenişliği = 190;
constexpr int ÖnizlemeÇerçevesiYüksekliği = 270;

// The page at 1:5: window colour, the placeholders in the window-text colour and the box's own font.
class ÖnizlemeSayfası : public QWidget {
public:
    explicit ÖnizlemeSayfası(QWidget* üst) : QWidget(üst)
    {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
        setForegroundRole(QPalette::Text);
        // Small enough that the placeholders of neighbouring columns stand apart at 1:5.
        QFont f = font();
        f.setPointSizeF(6);
        setFont(f);
    }
    void çiz(QList<ÖnizlemeÖğesi> öğeler)
    {
        öğeler_ = std::move(öğeler);
        update();
    }
    const QList<ÖnizlemeÖğesi>& öğeler() const { return öğeler_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Text));
        p.setFont(font());
        const QFontMetricsF ölçü(font(), this);
        for (const ÖnizlemeÖğesi& ö : öğeler_)
            p.drawText(QPointF(ö.x * PikselBaşınaMm, ö.y * PikselBaşınaMm + ölçü.ascent()), ö.metin);
    }

private:
    QList<ÖnizlemeÖğesi> öğeler_;
};

}  // namespace

FaturaAyarlarıFormu::FaturaAyarlarıFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("FaturaAyarlarıFormu"));
    setWindowTitle(QStringLiteral("Fatura Ayarları"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* pencereDüzeni = new QVBoxLayout(this);
    pencereDüzeni->setContentsMargins(10, 10, 10, 10);
    pencereDüzeni->setSpacing(8);

    // The printer along the top.
    auto* yazıcıDüzeni = new QHBoxLayout;
    yazıcıDüzeni->setSpacing(6);
    auto bilgi = [&](const QString& başlık, const char* ad) {
        auto* b = new QLabel(başlık, this);
        auto* e = new QLabel(this);
        e->setObjectName(QString::fromUtf8(ad));
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
        yazıcıDüzeni->addWidget(b);
        yazıcıDüzeni->addWidget(e);
        yazıcıDüzeni->addSpacing(18);
        return e;
    };
    YazıcıAdıEtiketi = bilgi(QStringLiteral("Yazıcı :"), "YazıcıAdıEtiketi");
    YazdırmaYönüEtiketi = bilgi(QStringLiteral("Yazdırma Yönü :"), "YazdırmaYönüEtiketi");
    KağıtBoyutuEtiketi = bilgi(QStringLiteral("Kağıt Boyutu :"), "KağıtBoyutuEtiketi");
    yazıcıDüzeni->addStretch();
    pencereDüzeni->addLayout(yazıcıDüzeni);

    const QStringList çerçeveAdları = {QStringLiteral("Müşteri Bilgileri "), QStringLiteral("Vergi Bilgileri "),
                                       QStringLiteral("Tarih Bilgileri "), QStringLiteral("Fatura Bilgileri "),
                                       QStringLiteral("Toplam Bilgileri "), QStringLiteral("Önizleme ")};
    QList<QGridLayout*> ızgaralar;
    for (int i = 0; i < çerçeveAdları.size(); ++i) {
        auto* ç = new QGroupBox(çerçeveAdları[i], this);
        ç->setObjectName(QStringLiteral("Çerçeve(%1)").arg(i));
        Çerçeve.append(ç);
        if (i == 5) break;
        auto* a = new QWidget(ç);
        a->setObjectName(QStringLiteral("Altlık(%1)").arg(i));
        Altlık.append(a);
        auto* çDüzeni = new QVBoxLayout(ç);
        çDüzeni->setContentsMargins(6, 4, 6, 6);
        çDüzeni->addWidget(a);
        auto* ı = new QGridLayout(a);
        ı->setContentsMargins(0, 0, 0, 0);
        ı->setVerticalSpacing(6);
        ı->setColumnStretch(0, 1);
        ızgaralar.append(ı);
    }

    for (int i = 0; i < KonumSayısı; ++i) {
        const KonumTanımı& t = konumTanımları()[i];
        QWidget* a = Altlık[t.çerçeve];
        auto* k = new AyarliKutu(a);
        k->setObjectName(QString::fromUtf8(t.kutu));
        k->setBirim(QStringLiteral(" mm"));
        k->setEnDusuk(t.enAz);
        k->setEnYuksek(t.enÇok);
        k->setFixedWidth(72);
        auto* e = new QLabel(QString::fromUtf8(t.etiket), a);
        e->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        e->setBuddy(k);
        QGridLayout* ı = ızgaralar[t.çerçeve];
        const int satır = ı->rowCount();
        ı->addWidget(e, satır, 0);
        ı->addWidget(k, satır, 1);
        kutular_.append(k);
        Etiket.append(e);
        connect(k, &AyarliKutu::Change, this, [this, i] { kutuDeğişti(i); });
    }

    // The preview frame holds the page at its place; a page wider than the frame shows only its part.
    QGroupBox* önizlemeÇerçevesi = Çerçeve[5];
    önizlemeÇerçevesi->setFixedSize(ÖnizlemeÇerçevesiGenişliği, ÖnizlemeÇerçevesiYüksekliği);
    ÖnizlemeKutusu = new ÖnizlemeSayfası(önizlemeÇerçevesi);
    ÖnizlemeKutusu->setObjectName(QStringLiteral("ÖnizlemeKutusu"));

    auto düğme = [&](const char* ad, const QString& başlık) {
        auto* d = new QPushButton(başlık, this);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);
        return d;
    };
    YazıTipiSeçDüğmesi = düğme("YazıTipiSeçDüğmesi", QStringLiteral("Yazı Tipi Seç"));
    İlkAyarlarDüğmesi = düğme("İlkAyarlarDüğmesi", QStringLiteral("İlk &Ayarlar"));
    TamamDüğmesi = düğme("TamamDüğmesi", QStringLiteral("Tamam"));
    TamamDüğmesi->setEnabled(false);
    İptalDüğmesi = düğme("İptalDüğmesi", QStringLiteral("İptal"));

    auto* sol = new QVBoxLayout;
    for (int i : {0, 1, 2}) sol->addWidget(Çerçeve[i]);
    sol->addStretch();
    auto* orta = new QVBoxLayout;
    for (int i : {3, 4}) orta->addWidget(Çerçeve[i]);
    orta->addStretch();
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(önizlemeÇerçevesi);
    auto* düğmeler = new QGridLayout;
    düğmeler->addWidget(YazıTipiSeçDüğmesi, 0, 0);
    düğmeler->addWidget(İlkAyarlarDüğmesi, 0, 1);
    düğmeler->addWidget(TamamDüğmesi, 1, 0);
    düğmeler->addWidget(İptalDüğmesi, 1, 1);
    sağ->addLayout(düğmeler);
    sağ->addStretch();
    auto* sütunlar = new QHBoxLayout;
    sütunlar->setSpacing(10);
    sütunlar->addLayout(sol);
    sütunlar->addLayout(orta);
    sütunlar->addLayout(sağ);
    pencereDüzeni->addLayout(sütunlar);

    for (int i = 0; i + 1 < KonumSayısı; ++i)
        setTabOrder(kutular_[i]->değerKutusu(), kutular_[i + 1]->değerKutusu());
    setTabOrder(kutular_.last()->değerKutusu(), YazıTipiSeçDüğmesi);
    setTabOrder(YazıTipiSeçDüğmesi, İlkAyarlarDüğmesi);
    setTabOrder(İlkAyarlarDüğmesi, TamamDüğmesi);
    setTabOrder(TamamDüğmesi, İptalDüğmesi);

    connect(YazıTipiSeçDüğmesi, &QPushButton::clicked, this, &FaturaAyarlarıFormu::YazıTipiSeçDüğmesi_Click);
    connect(İlkAyarlarDüğmesi, &QPushButton::clicked, this, &FaturaAyarlarıFormu::İlkAyarlarDüğmesi_Click);
    connect(TamamDüğmesi, &QPushButton::clicked, this, &FaturaAyarlarıFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
    setFixedSize(sizeHint());
}

void FaturaAyarlarıFormu::Form_Load()
{
    for (QWidget* a : Altlık) {
        a->setAutoFillBackground(true);
        QPalette p = a->palette();
        p.setColor(QPalette::Window, palette().color(QPalette::Window));
        a->setPalette(p);
    }
    const yazdırma::Yazıcı yazıcı = yazdırma::geçerliYazıcı();
    YazıcıAdıEtiketi->setText(yazıcı.ad);
    YazdırmaYönüEtiketi->setText(yazdırmaYönüMetni(yazıcı.kağıt));
    KağıtBoyutuEtiketi->setText(kağıtBoyutuMetni(yazıcı.kağıt));
    önizlemeyiYerleştir(yazıcı.kağıt);

    // A stored value the box cannot hold leaves the box at its factory value, as the prints take it.
    for (int i = 0; i < KonumSayısı; ++i) kutular_[i]->setValue(konumOku(Konum(i)));
    ÖnizlemeyiÇiz();
}

void FaturaAyarlarıFormu::önizlemeyiYerleştir(QSizeF kağıt)
{
    const int g = qRound(kağıt.width() / 5 * PikselBaşınaMm);
    const int y = qRound(kağıt.height() / 5 * PikselBaşınaMm);
    // Centred in the frame, moved down by half the frame caption's height.
    ÖnizlemeKutusu->setGeometry((ÖnizlemeÇerçevesiGenişliği - g) / 2, (ÖnizlemeÇerçevesiYüksekliği - y + 5) / 2, g, y);
}

FaturaDüzeni FaturaAyarlarıFormu::düzen() const
{
    FaturaDüzeni d;
    for (int i = 0; i < KonumSayısı; ++i) d.set(Konum(i), kutular_[i]->Value());
    return d;
}

void FaturaAyarlarıFormu::changeEvent(QEvent* olay)
{
    QDialog::changeEvent(olay);
    if (olay->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void FaturaAyarlarıFormu::Form_Activate() { ÖnizlemeyiÇiz(); }

void FaturaAyarlarıFormu::kutuDeğişti(int sıra)
{
    // Only the user's change counts: the box being changed is the window's focus, also while a message
    // of the box (its range correction) has the activation.
    if (focusWidget() != kutular_[sıra]->değerKutusu()) return;
    TamamDüğmesi->setEnabled(true);
    ÖnizlemeyiÇiz();
}

void FaturaAyarlarıFormu::ÖnizlemeyiÇiz()
{
    static_cast<ÖnizlemeSayfası*>(ÖnizlemeKutusu)->çiz(önizlemeÖğeleri(düzen()));
}

void FaturaAyarlarıFormu::İlkAyarlarDüğmesi_Click()
{
    for (int i = 0; i < KonumSayısı; ++i) kutular_[i]->setValue(konumTanımları()[i].fabrika);
    ÖnizlemeyiÇiz();
    TamamDüğmesi->setEnabled(true);
    kutular_.first()->setFocus(Qt::OtherFocusReason);
}

void FaturaAyarlarıFormu::YazıTipiSeçDüğmesi_Click()
{
    YazıTipiSeçmeFormu pencere(this);
    if (pencere.exec() == QDialog::Accepted) TamamDüğmesi->setEnabled(true);
}

void FaturaAyarlarıFormu::TamamDüğmesi_Click()
{
    // A number typed outside its bounds is refused before anything is written.
    for (AyarliKutu* k : kutular_)
        if (!k->doğrula()) return;
    for (int i = 0; i < KonumSayısı; ++i)
        ayarlar::yaz(FaturaBölümü, QString::fromUtf8(konumTanımları()[i].anahtar),
                     QString::number(kutular_[i]->Value()));
    accept();
}
