#include "core/ListePenceresi.h"

#include "core/ListeleniyorFormu.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

QString listeBölümü(int no) { return QStringLiteral("Listeler\\Liste-") + QString::number(no); }

ListePenceresi::ListePenceresi(QWidget* sahip, ListeTanımı tanım)
    : QDialog(sahip), tanım_(std::move(tanım))
{
    setModal(true);
    liste_ = new ListeGörünümü(this);
    liste_->setObjectName(tanım_.listeAdı);
    üstDüzen_ = new QVBoxLayout;
    üstDüzen_->setContentsMargins(0, 0, 0, 0);
    düğmeDüzeni_ = new QHBoxLayout;
    düğmeDüzeni_->setContentsMargins(0, 0, 0, 0);

    auto düğme = [this](int tür, const char* ad, const QString& başlık) -> QPushButton* {
        if (!(tanım_.düğmeler & tür)) return nullptr;
        auto* d = new QPushButton(başlık, this);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);
        return d;
    };
    ListeyiYenileDüğmesi = düğme(ListeTanımı::Yenile, "ListeyiYenileDüğmesi", QStringLiteral("Listeyi Yenile (F5)"));
    YazdırDüğmesi = düğme(ListeTanımı::Yazdır, "YazdırDüğmesi", QStringLiteral("&Yazdır..."));
    ListeyiExceleAktarDüğmesi = düğme(ListeTanımı::Aktar, "ListeyiExceleAktarDüğmesi",
                                      QStringLiteral("Listeyi Microsoft &Excel'e Aktar"));
    KapatDüğmesi = düğme(ListeTanımı::Kapat, "KapatDüğmesi", QStringLiteral("Kapat (Esc)"));
}

ListePenceresi::~ListePenceresi()
{
    if (açık_) Form_QueryUnload();
    // A window that places its controls itself may leave these layouts unused, and so without an owner.
    if (!üstDüzen_->parent()) delete üstDüzen_;
    if (!düğmeDüzeni_->parent()) delete düğmeDüzeni_;
}

void ListePenceresi::kur()
{
    if (kuruldu_) return;
    kuruldu_ = true;

    liste_->sütunlarıKur(tanım_.sütunlar);
    if (tanım_.bölümNo > 0) liste_->düzeniOku(listeBölümü(tanım_.bölümNo));
    if (tanım_.ilkSıralama) liste_->ilkSıralama();

    yerleştir();

    // Each handler is looked up when it runs, so that a window's own version is the one called.
    if (ListeyiYenileDüğmesi)
        connect(ListeyiYenileDüğmesi, &QPushButton::clicked, this, [this] { ListeyiYenileDüğmesi_Click(); });
    if (YazdırDüğmesi) connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    if (ListeyiExceleAktarDüğmesi)
        connect(ListeyiExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
    if (KapatDüğmesi) connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });

    if (tanım_.f5Yeniler) {
        // F5 refreshes whatever Shift, Ctrl or Alt are held with it.
        for (const int tuşlar : {0, 1, 2, 3, 4, 5, 6, 7}) {
            Qt::KeyboardModifiers ekler;
            if (tuşlar & 1) ekler |= Qt::ShiftModifier;
            if (tuşlar & 2) ekler |= Qt::ControlModifier;
            if (tuşlar & 4) ekler |= Qt::AltModifier;
            auto* f5 = new QShortcut(QKeySequence(QKeyCombination(ekler, Qt::Key_F5)), this);
            f5->setContext(Qt::WindowShortcut);
            connect(f5, &QShortcut::activated, this, [this] {
                if (!ListeyiYenileDüğmesi || ListeyiYenileDüğmesi->isEnabled()) ListeyiYenileDüğmesi_Click();
            });
        }
    }
}

void ListePenceresi::yerleştir()
{
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(8, 8, 8, 8);
    düzen->setSpacing(6);
    düzen->addLayout(üstDüzen_);
    düzen->addWidget(liste_, 1);
    for (QPushButton* d : {ListeyiYenileDüğmesi, YazdırDüğmesi, ListeyiExceleAktarDüğmesi}) {
        if (d) düğmeDüzeni_->addWidget(d);
    }
    düğmeDüzeni_->addStretch(1);
    if (KapatDüğmesi) düğmeDüzeni_->addWidget(KapatDüğmesi);
    düzen->addLayout(düğmeDüzeni_);
}

bool ListePenceresi::listeyiDoldur(QWidget* sahip, std::function<void(QProgressBar&)> yordam)
{
    return ListeleniyorFormu::çalıştır(sahip, tanım_.doldurmaKodu, false, std::move(yordam));
}

void ListePenceresi::ListeyiExceleAktarDüğmesi_Click()
{
    ListeAktarımınıBaşlat(this, tanım_.aktarmaKodu, liste_->satırSayısı(),
                          [this](QProgressBar& çubuk) { MSExceleAktar(çubuk); });
}

void ListePenceresi::MSExceleAktar(QProgressBar& çubuk) { ::MSExceleAktar(çubuk, *liste_, aktarımTablosu()); }

void ListePenceresi::YazdırDüğmesi_Click()
{
    if (liste_->satırSayısı() == 0) return;  // the layout is not even asked for
    ListeYazdırma(this, *liste_, yazdırmaDüzeni(), YazdırDüğmesi);
}

void ListePenceresi::KapatDüğmesi_Click() { close(); }

ListeAktarımTablosu ListePenceresi::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = windowTitle();
    t.başlık = windowTitle();
    return t;
}

YazdırmaDüzeni ListePenceresi::yazdırmaDüzeni() const
{
    YazdırmaDüzeni d;
    d.başlık = windowTitle();
    return d;
}

QMenu* ListePenceresi::sağMenüKur()
{
    if (ListeSağMenüsü) return ListeSağMenüsü;
    ListeSağMenüsü = new QMenu(this);
    ListeSağMenüsü->setObjectName(QStringLiteral("ListeSağMenüsü"));
    liste_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(liste_, &QWidget::customContextMenuRequested, this, [this](const QPoint& yer) {
        ListeSağMenüsü->popup(liste_->viewport()->mapToGlobal(yer));
    });
    return ListeSağMenüsü;
}

void ListePenceresi::Form_QueryUnload()
{
    if (tanım_.bölümNo > 0) liste_->düzeniYaz(listeBölümü(tanım_.bölümNo));
    açık_ = false;
}

void ListePenceresi::done(int sonuç)
{
    if (açık_) Form_QueryUnload();
    QDialog::done(sonuç);
}

void ListePenceresi::showEvent(QShowEvent* olay)
{
    açık_ = true;
    QDialog::showEvent(olay);
}
