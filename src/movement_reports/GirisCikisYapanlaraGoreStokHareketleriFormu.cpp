#include "movement_reports/GirisCikisYapanlaraGoreStokHareketleriFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

ListeTanımı yapanTanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("HareketListesi");
    t.bölümNo = 10;
    t.sütunlar = rapor::yapanSütunları();
    t.doldurmaKodu = rapor::YapanListesiGörevi;
    t.aktarmaKodu = rapor::YapanAktarımGörevi;
    t.düğmeler = ListeTanımı::Aktar | ListeTanımı::Kapat;
    t.f5Yeniler = false;
    return t;
}

}  // namespace

GirişÇıkışYapanlaraGöreStokHareketleriFormu::GirişÇıkışYapanlaraGöreStokHareketleriFormu(QWidget* sahip)
    : ListePenceresi(sahip, yapanTanımı())
{
    setObjectName(QStringLiteral("GirişÇıkışYapanlaraGöreStokHareketleriFormu"));
    setWindowTitle(QStringLiteral("Giriş-Çıkış Yapanlara Göre Stok Hareketleri..."));
    HareketListesi = liste();

    GirişÇıkışYapanlarListesi = new QListWidget(this);
    GirişÇıkışYapanlarListesi->setObjectName(QStringLiteral("GirişÇıkışYapanlarListesi"));
    GirişÇıkışYapanBulKutusu = new QLineEdit(this);
    GirişÇıkışYapanBulKutusu->setObjectName(QStringLiteral("GirişÇıkışYapanBulKutusu"));
    const char* seçenekler[2] = {"&Giriş Hareketleri ", "Çı&kış Hareketleri "};
    for (int i = 0; i < 2; ++i) {
        GirişÇıkışSeçeneği[i] = new QRadioButton(QString::fromUtf8(seçenekler[i]), this);
        GirişÇıkışSeçeneği[i]->setObjectName(QStringLiteral("GirişÇıkışSeçeneği(%1)").arg(i));
    }
    etiketler_ = rapor::etiketler(this, {{"Giriş-Çıkış Yapan &Bul", GirişÇıkışYapanBulKutusu},
                                                           {"&Hareketler", HareketListesi}});

    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(GirişÇıkışYapanBulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf,
                                etiketler_[0]);
    AlanGirişiKuralları::listedeBul(GirişÇıkışYapanBulKutusu, GirişÇıkışYapanlarListesi);
    for (QWidget* w : {static_cast<QWidget*>(GirişÇıkışYapanlarListesi), static_cast<QWidget*>(GirişÇıkışSeçeneği[0]),
                       static_cast<QWidget*>(GirişÇıkışSeçeneği[1])})
        AlanGirişiKuralları::uygula(w, K::EnterİleSonrakiAlan);
    AlanGirişiKuralları::uygula(HareketListesi, K::EtiketVurgusu, etiketler_[1]);

    kur();
    for (const ListeGirdisi& kişi : rapor::yapanlar(*AçıkVeritabanı)) {
        auto* öğe = new QListWidgetItem(kişi.metin, GirişÇıkışYapanlarListesi);
        öğe->setData(Qt::UserRole, kişi.numara);
    }
    GirişÇıkışYapanlarListesi->setCurrentRow(-1);
    GirişÇıkışSeçeneği[0]->setChecked(true);
    connect(GirişÇıkışYapanlarListesi, &QListWidget::currentRowChanged, this, [this] { GirişÇıkışYapanlarListesi_Click(); });
    for (QRadioButton* s : GirişÇıkışSeçeneği)
        connect(s, &QRadioButton::toggled, this, [this](bool seçili) {
            if (seçili) GirişÇıkışYapanlarListesi_Click();
        });
    resize(732, 528);
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::yerleştir()
{
    auto* altlık0 = new QWidget(this);
    altlık0->setObjectName(QStringLiteral("Altlık(0)"));
    auto* kişiDüzeni = new QVBoxLayout(altlık0);
    kişiDüzeni->setContentsMargins(0, 0, 0, 0);
    kişiDüzeni->addWidget(GirişÇıkışYapanlarListesi, 1);
    kişiDüzeni->addWidget(etiketler_[0]);
    kişiDüzeni->addWidget(GirişÇıkışYapanBulKutusu);
    auto* kişiÇerçevesi = new QGroupBox(QStringLiteral("Giriş-Çıkış Yapanlar Listesi "), this);
    kişiÇerçevesi->setObjectName(QStringLiteral("Çerçeve(0)"));
    (new QVBoxLayout(kişiÇerçevesi))->addWidget(altlık0);

    auto* altlık1 = new QWidget(this);
    altlık1->setObjectName(QStringLiteral("Altlık(1)"));
    auto* türDüzeni = new QVBoxLayout(altlık1);
    türDüzeni->setContentsMargins(8, 0, 0, 0);
    for (QRadioButton* s : GirişÇıkışSeçeneği) türDüzeni->addWidget(s);
    auto* türÇerçevesi = new QGroupBox(QStringLiteral("Hareket Türü Seç "), this);
    türÇerçevesi->setObjectName(QStringLiteral("Çerçeve(4)"));
    (new QVBoxLayout(türÇerçevesi))->addWidget(altlık1);

    auto* sol = new QVBoxLayout;
    sol->addWidget(kişiÇerçevesi, 1);
    sol->addWidget(türÇerçevesi);
    kişiÇerçevesi->setFixedWidth(187);
    türÇerçevesi->setFixedWidth(187);

    auto* sağ = new QVBoxLayout;
    sağ->addWidget(etiketler_[1]);
    sağ->addWidget(HareketListesi, 1);
    QHBoxLayout* alt = düğmeDüzeni();
    alt->addWidget(ListeyiExceleAktarDüğmesi, 1);
    alt->addWidget(KapatDüğmesi);
    sağ->addLayout(alt);

    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(18, 18, 18, 18);
    düzen->setSpacing(16);
    düzen->addLayout(sol);
    düzen->addLayout(sağ, 1);
    const QList<QWidget*> sıra = {GirişÇıkışYapanlarListesi, GirişÇıkışYapanBulKutusu, GirişÇıkışSeçeneği[0],
                                  GirişÇıkışSeçeneği[1],     HareketListesi,           ListeyiExceleAktarDüğmesi,
                                  KapatDüğmesi};
    for (int i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::GirişÇıkışYapanlarListesi_Click()
{
    if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    if (!GirişÇıkışYapanlarListesi->currentItem() || GirişÇıkışYapanlarListesi->currentRow() < 0) return;
    listeyiDoldur(rapor::doldurmaSahibi(this), [this](QProgressBar& çubuk) { HareketleriListele(çubuk); });
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::HareketleriListele(QProgressBar& çubuk)
{
    const int kişi = GirişÇıkışYapanlarListesi->currentItem()->data(Qt::UserRole).toInt();
    ListeGörünümü::Doldurma doldurma(HareketListesi);
    rapor::yapanHareketleri(*AçıkVeritabanı, kişi, GirişÇıkışSeçeneği[0]->isChecked(),
                            rapor::listeAlıcısı(*HareketListesi, çubuk));
}

ListeAktarımTablosu GirişÇıkışYapanlaraGöreStokHareketleriFormu::aktarımTablosu() const
{
    const QListWidgetItem* kişi = GirişÇıkışYapanlarListesi->currentItem();
    ListeAktarımTablosu t;
    t.sayfaAdı = rapor::YapanSayfaAdı;
    t.başlık = rapor::yapanAktarımBaşlığı(kişi ? kişi->text() : QString(), GirişÇıkışSeçeneği[0]->isChecked());
    t.başlıkSütunSayısı = 6;  // "A1:F1"
    return t;
}

void YapanlaraGöreListeyiAç(QWidget* sahip)
{
    GirişÇıkışYapanlaraGöreStokHareketleriFormu pencere(sahip);
    pencere.exec();
}
