#include "movement_reports/CikisNedenineGoreStokListesiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ListeTanımı nedenTanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("HareketListesi");
    t.bölümNo = 2;
    t.sütunlar = rapor::nedenSütunları();
    t.doldurmaKodu = rapor::NedenListesiGörevi;
    t.aktarmaKodu = rapor::NedenAktarımGörevi;
    t.düğmeler = ListeTanımı::Yazdır | ListeTanımı::Aktar | ListeTanımı::Kapat;  // F5 reloads the products
    return t;
}

}  // namespace

ÇıkışNedenineGöreStokListesiFormu::ÇıkışNedenineGöreStokListesiFormu(QWidget* sahip)
    : ListePenceresi(sahip, nedenTanımı())
{
    setObjectName(QStringLiteral("ÇıkışNedenineGöreStokListesiFormu"));
    setWindowTitle(QStringLiteral("Çıkış Nedenine Göre Stok Listesi"));
    HareketListesi = liste();

    NedeniKutusu = new QComboBox(this);
    NedeniKutusu->setObjectName(QStringLiteral("NedeniKutusu"));
    NedeniKutusu->addItems(ÇıkışNedenleri);
    ÜrünListesi = new SıralıListeKutusu(this);
    ÜrünListesi->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu = new QLineEdit(this);
    ÜrünBulKutusu->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    ÇıkışToplamıKutusu = new QLineEdit(this);
    ÇıkışToplamıKutusu->setObjectName(QStringLiteral("ÇıkışToplamıKutusu"));
    ÇıkışToplamıKutusu->setReadOnly(true);
    ÇıkışToplamıKutusu->setAlignment(Qt::AlignRight);
    ÇıkışToplamıKutusu->setFocusPolicy(Qt::ClickFocus);

    etiketler_ = rapor::etiketler(this, {{"Ürün &Bul", ÜrünBulKutusu},
                                                           {"&Hareketler", HareketListesi},
                                                           {"Seçili Üründen Çıkan Toplam Miktar :", ÇıkışToplamıKutusu}});

    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(ÜrünBulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf,
                                etiketler_[0]);
    AlanGirişiKuralları::listedeBul(ÜrünBulKutusu, ÜrünListesi);
    AlanGirişiKuralları::uygula(ÜrünListesi, K::EnterİleSonrakiAlan);
    AlanGirişiKuralları::uygula(HareketListesi, K::EtiketVurgusu, etiketler_[1]);

    kur();
    connect(NedeniKutusu, &QComboBox::currentIndexChanged, this, [this] { NedeniKutusu_Click(); });
    connect(ÜrünListesi, &QListWidget::currentRowChanged, this, [this] { ÜrünListesi_Click(); });
    NedeniKutusu_Click();
    resize(860, 500);
}

void ÇıkışNedenineGöreStokListesiFormu::yerleştir()
{
    auto* altlık0 = new QWidget(this);
    altlık0->setObjectName(QStringLiteral("Altlık(0)"));
    auto* ürünDüzeni = new QVBoxLayout(altlık0);
    ürünDüzeni->setContentsMargins(0, 0, 0, 0);
    ürünDüzeni->addWidget(ÜrünListesi, 1);
    ürünDüzeni->addWidget(etiketler_[0]);
    ürünDüzeni->addWidget(ÜrünBulKutusu);

    auto* ürünÇerçevesi = new QGroupBox(QStringLiteral("Ürün &Listesi "), this);
    ürünÇerçevesi->setObjectName(QStringLiteral("Çerçeve(0)"));
    (new QVBoxLayout(ürünÇerçevesi))->addWidget(altlık0);
    auto* nedenÇerçevesi = new QGroupBox(QStringLiteral("Çıkış &Nedeni "), this);
    nedenÇerçevesi->setObjectName(QStringLiteral("Çerçeve(1)"));
    (new QVBoxLayout(nedenÇerçevesi))->addWidget(NedeniKutusu);

    auto* altlık1 = new QWidget(this);
    altlık1->setObjectName(QStringLiteral("Altlık(1)"));
    auto* toplamDüzeni = new QHBoxLayout(altlık1);
    toplamDüzeni->setContentsMargins(0, 0, 0, 0);
    toplamDüzeni->addStretch(1);
    toplamDüzeni->addWidget(etiketler_[2]);
    ÇıkışToplamıKutusu->setFixedWidth(120);
    toplamDüzeni->addWidget(ÇıkışToplamıKutusu);
    auto* toplamÇerçevesi = new QGroupBox(this);
    toplamÇerçevesi->setObjectName(QStringLiteral("Çerçeve(2)"));
    (new QVBoxLayout(toplamÇerçevesi))->addWidget(altlık1);

    auto* sol = new QVBoxLayout;
    sol->addWidget(nedenÇerçevesi);
    sol->addWidget(ürünÇerçevesi, 1);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(etiketler_[1]);
    sağ->addWidget(HareketListesi, 1);
    sağ->addWidget(toplamÇerçevesi);

    auto* orta = new QHBoxLayout;
    orta->addLayout(sol, 0);
    orta->addLayout(sağ, 1);
    ürünÇerçevesi->setFixedWidth(210);
    nedenÇerçevesi->setFixedWidth(210);

    QHBoxLayout* alt = düğmeDüzeni();
    alt->addStretch(1);
    for (QPushButton* d : {YazdırDüğmesi, ListeyiExceleAktarDüğmesi, KapatDüğmesi}) alt->addWidget(d);

    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(18, 18, 18, 12);
    düzen->addLayout(orta, 1);
    düzen->addLayout(alt);
    const QList<QWidget*> sıra = {NedeniKutusu,  ÜrünListesi,           ÜrünBulKutusu, HareketListesi,
                                  YazdırDüğmesi, ListeyiExceleAktarDüğmesi, KapatDüğmesi};
    for (int i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
}

void ÇıkışNedenineGöreStokListesiFormu::NedeniKutusu_Click()
{
    HatayıAtla([this] {
        ÇıkışToplamıKutusu->clear();
        ÜrünListesi->temizle();
        HareketListesi->temizle();
        ÜrünListesi->doldur(rapor::nedenÜrünleri(*AçıkVeritabanı, NedeniKutusu->currentIndex()));
    });
}

void ÇıkışNedenineGöreStokListesiFormu::ÜrünListesi_Click()
{
    if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    if (ÜrünListesi->seçiliSatır() < 0) {
        ÇıkışToplamıKutusu->clear();
        return;
    }
    listeyiDoldur(rapor::doldurmaSahibi(this), [this](QProgressBar& çubuk) { HareketleriGöster(çubuk); });
}

void ÇıkışNedenineGöreStokListesiFormu::HareketleriGöster(QProgressBar& çubuk)
{
    const int ürün = int(ÜrünListesi->seçiliNumara());
    const int neden = NedeniKutusu->currentIndex();
    ÇıkışToplamıKutusu->clear();
    {
        ListeGörünümü::Doldurma doldurma(HareketListesi);
        rapor::nedenHareketleri(*AçıkVeritabanı, ürün, neden, rapor::listeAlıcısı(*HareketListesi, çubuk));
    }
    ÇıkışToplamıKutusu->setText(rapor::çıkışToplamı(*AçıkVeritabanı, ürün, neden));
}

void ÇıkışNedenineGöreStokListesiFormu::ListeyiYenileDüğmesi_Click() { NedeniKutusu_Click(); }

ListeAktarımTablosu ÇıkışNedenineGöreStokListesiFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = rapor::NedenSayfaAdı;
    t.başlık = rapor::nedenAktarımBaşlığı(NedeniKutusu->currentIndex());
    t.başlıkSütunSayısı = 7;  // "A1:G1"
    return t;
}

YazdırmaDüzeni ÇıkışNedenineGöreStokListesiFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = rapor::nedenYazdırmaBaşlığı(ÜrünListesi->metin(ÜrünListesi->seçiliSatır()), NedeniKutusu->currentIndex());
    d.altBoşluk = 15;
    d.sütunBaşlığıPuntosu = 10;
    d.sütunlar = {{QStringLiteral("Firma Adı"), 0, 15, false, B::Listelendiği},
                  {QStringLiteral("Tarihi"), 1, 65, false, B::Listelendiği},
                  {QStringLiteral("Miktarı"), 2, 100, true, B::Miktar},
                  {QStringLiteral("Birimi"), 3, 105, false, B::Listelendiği},
                  {QStringLiteral("KDV"), 4, 130, true, B::Listelendiği},
                  {QStringLiteral("Fiyatı"), 5, 150, true, B::Listelendiği},
                  {QStringLiteral("Tutarı"), 6, 170, true, B::Listelendiği}};
    return d;
}

void ÇıkışNedenineGöreListeyiAç(QWidget* sahip)
{
    ÇıkışNedenineGöreStokListesiFormu pencere(sahip);
    pencere.exec();
}
