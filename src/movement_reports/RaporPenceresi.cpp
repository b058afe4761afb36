#include "movement_reports/RaporPenceresi.h"

#include "core/AlanGirisiKurallari.h"
#include "core/AnaForm.h"
#include "core/IlerlemeAdimi.h"
#include "core/TarihSecici.h"
#include "platform/Mesaj.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace rapor {

SatırAlıcı listeAlıcısı(ListeGörünümü& liste, QProgressBar& çubuk, std::function<void(const Satır&)> her)
{
    auto adım = std::make_shared<std::optional<İlerlemeAdımı>>();
    return {[&liste, &çubuk, adım](int toplam) {
                adım->emplace(çubuk, toplam);
                liste.satırYeriAyır(toplam);
            },
            [&liste, adım, her = std::move(her)](Satır&& satır) {
                if (*adım) (*adım)->ilerle();
                if (her) her(satır);
                liste.satırEkle(std::move(satır));
            },
            [adım] {
                if (*adım) (*adım)->bitir();
            }};
}

QList<QLabel*> etiketler(QWidget* pencere, const QList<QPair<const char*, QWidget*>>& metinler)
{
    QList<QLabel*> sonuç;
    for (int i = 0; i < metinler.size(); ++i) {
        auto* e = new QLabel(QString::fromUtf8(metinler[i].first), pencere);
        e->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        e->setBuddy(metinler[i].second);
        sonuç.append(e);
    }
    return sonuç;
}

QWidget* doldurmaSahibi(QWidget* pencere)
{
    if (pencere->isVisible()) return pencere;
    QWidget* ana = AnaForm::örnek();
    return ana ? ana : pencere;
}

}  // namespace rapor

TarihliListePenceresi::TarihliListePenceresi(QWidget* sahip, ListeTanımı tanım, const Metinler& metinler)
    : ListePenceresi(sahip, std::move(tanım)), metinler_(metinler), ekDüzen_(new QHBoxLayout)
{
    TarihKutusu = tarihSeçici(this, QStringLiteral("TarihKutusu"));
    TarihKutusu->setMinimumWidth(105);
    TarihEtiketi = new QLabel(QStringLiteral("Tarihi &Değiştir :"), this);
    TarihEtiketi->setObjectName(metinler_.tarihEtiketi);
    TarihEtiketi->setBuddy(TarihKutusu);
    AlanGirişiKuralları::uygula(TarihKutusu, AlanGirişiKuralları::Kural::EtiketVurgusu, TarihEtiketi);

    auto düğme = [this](const char* ad, const QString& metin) {
        auto* d = new QPushButton(metin, this);
        d->setObjectName(QString::fromUtf8(ad));
        d->setAutoDefault(false);
        return d;
    };
    SeçilenTariheGöreListeleDüğmesi = düğme("SeçilenTariheGöreListeleDüğmesi", metinler_.tariheGöreDüğmesi);
    TümünüListeleDüğmesi = düğme("TümünüListeleDüğmesi", QStringLiteral("Tü&münü Listele"));
    connect(SeçilenTariheGöreListeleDüğmesi, &QPushButton::clicked, this, [this] { SeçilenTariheGöreListeleDüğmesi_Click(); });
    connect(TümünüListeleDüğmesi, &QPushButton::clicked, this, [this] { TümünüListeleDüğmesi_Click(); });

    QMenu* menü = sağMenüKur();
    menü->setTitle(QStringLiteral("Liste Menüsü"));
    auto öğe = [this, menü](const char* ad, const QString& metin) {
        QAction* a = menü->addAction(metin);
        a->setObjectName(QString::fromUtf8(ad));
        return a;
    };
    TümHareketleriListeleMenüsü = öğe("TümHareketleriListeleMenüsü", QStringLiteral("&Tüm Hareketleri Listele"));
    menü->addSeparator()->setObjectName(QStringLiteral("ListeMenüsüÇizgisi"));
    ListeyiMSExceleGönderMenüsü = öğe("ListeyiMSExceleGönderMenüsü", QStringLiteral("Listeyi MS &Excel'e Gönder"));
    ListeyiYazdırMenüsü = öğe("ListeyiYazdırMenüsü", QStringLiteral("Listeyi &Yazdır..."));
    connect(TümHareketleriListeleMenüsü, &QAction::triggered, this, [this] { TümünüListeleDüğmesi_Click(); });
    connect(ListeyiMSExceleGönderMenüsü, &QAction::triggered, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
    connect(ListeyiYazdırMenüsü, &QAction::triggered, this, [this] { YazdırDüğmesi_Click(); });
}

void TarihliListePenceresi::yerleştir()
{
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(18, 18, 18, 12);
    düzen->setSpacing(8);
    düzen->addWidget(liste(), 1);
    düzen->addLayout(ekDüzen_);
    QHBoxLayout* alt = düğmeDüzeni();
    alt->addWidget(TarihEtiketi);
    alt->addWidget(TarihKutusu);
    alt->addSpacing(6);
    alt->addWidget(SeçilenTariheGöreListeleDüğmesi);
    alt->addWidget(TümünüListeleDüğmesi);
    for (QPushButton* d : {ListeyiYenileDüğmesi, YazdırDüğmesi}) {
        if (d) alt->addWidget(d);
    }
    alt->addStretch(1);
    if (KapatDüğmesi) alt->addWidget(KapatDüğmesi);
    düzen->addLayout(alt);
    // The list, the date box, then the buttons from left to right.
    QList<QWidget*> sıra = {liste(), TarihKutusu, SeçilenTariheGöreListeleDüğmesi, TümünüListeleDüğmesi};
    for (QWidget* d : {ListeyiYenileDüğmesi, YazdırDüğmesi, KapatDüğmesi}) {
        if (d) sıra.append(d);
    }
    for (int i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
}

std::optional<QDate> TarihliListePenceresi::listelenecekGün() const
{
    if (yüklenen_ == rapor::Listeleme::Tümü) return std::nullopt;
    return TarihKutusu->date();
}

void TarihliListePenceresi::İlkYükleme() { listele(rapor::Listeleme::Açılış, false); }

void TarihliListePenceresi::SeçilenTariheGöreListeleDüğmesi_Click()
{
    if (!TarihKutusu->date().isValid()) {
        mesaj::göster(rapor::TarihYokMetni, mesaj::Simge::Bilgi);
        TarihKutusu->setFocus();
        return;
    }
    listele(rapor::Listeleme::Tarihe, true);
}

void TarihliListePenceresi::TümünüListeleDüğmesi_Click()
{
    TümünüListeleDüğmesi->setEnabled(false);
    listele(rapor::Listeleme::Tümü, true);
    TümünüListeleDüğmesi->setEnabled(true);
}

void TarihliListePenceresi::ListeyiYenileDüğmesi_Click()
{
    if (ListeyiYenileDüğmesi) ListeyiYenileDüğmesi->setEnabled(false);
    listele(sonListeleme_, false);
    if (ListeyiYenileDüğmesi) ListeyiYenileDüğmesi->setEnabled(true);
    liste()->setFocus();
}

void TarihliListePenceresi::listele(rapor::Listeleme tür, bool mesajlı)
{
    yüklenen_ = tür;
    sonListeleme_ = tür;
    const QDate gün = TarihKutusu->date();
    const bool okundu =
        listeyiDoldur(rapor::doldurmaSahibi(this), [this](QProgressBar& çubuk) { ListeyiYükle(çubuk); });
    const bool satırVar = liste()->satırSayısı() > 0;
    setWindowTitle(başlık(tür, gün, satırVar));
    // A list that could not be read was reported already; "nothing found" would not be true.
    if (!mesajlı || !okundu) return;
    if (satırVar)
        liste()->setFocus();
    else
        mesaj::göster(tür == rapor::Listeleme::Tümü ? metinler_.hiçYok : metinler_.tarihteYok, mesaj::Simge::Bilgi);
}
