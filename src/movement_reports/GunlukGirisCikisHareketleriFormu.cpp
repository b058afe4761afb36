#include "movement_reports/GunlukGirisCikisHareketleriFormu.h"

#include "core/OrtakDegiskenler.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

ListeTanımı günlükTanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("HareketListesi");
    t.bölümNo = 8;
    t.sütunlar = rapor::günlükSütunları();
    t.doldurmaKodu = rapor::GünlükListeGörevi;
    t.aktarmaKodu = rapor::GünlükAktarımGörevi;
    t.düğmeler = ListeTanımı::Yenile | ListeTanımı::Yazdır | ListeTanımı::Kapat;  // export: the list's menu
    return t;
}

rapor::GünlükMod mod() { return rapor::günlükMod(ListelerMenüsüTag); }

}  // namespace

GünlükGirişÇıkışHareketleriFormu::GünlükGirişÇıkışHareketleriFormu(QWidget* sahip)
    : TarihliListePenceresi(sahip, günlükTanımı(),
                            {QStringLiteral("Etiket(3)"), QStringLiteral("&Tarihe Göre Listele"), rapor::GünlükTarihteYokMetni, rapor::GünlükHiçYokMetni})
{
    setObjectName(QStringLiteral("GünlükGirişÇıkışHareketleriFormu"));
    HareketListesi = liste();

    auto toplamKutusu = [this](const char* ad) {
        auto* k = new QLineEdit(this);
        k->setObjectName(QString::fromUtf8(ad));
        k->setReadOnly(true);
        k->setFocusPolicy(Qt::ClickFocus);
        k->setAlignment(Qt::AlignRight);
        k->setFixedWidth(110);
        return k;
    };
    ToplamMiktarKutusu = toplamKutusu("ToplamMiktarKutusu");
    ToplamFiyatKutusu = toplamKutusu("ToplamFiyatKutusu");
    ToplamTutarKutusu = toplamKutusu("ToplamTutarKutusu");
    const QList<QPair<const char*, QWidget*>> toplamlar = {
        {"Toplam Miktar :", ToplamMiktarKutusu}, {"Toplam Fiyat :", ToplamFiyatKutusu}, {"Toplam Tutar :", ToplamTutarKutusu}};
    const QList<QLabel*> etiketler = rapor::etiketler(this, toplamlar);
    // The totals on their background panel, in a frame without caption.
    auto* çerçeve = new QGroupBox(this);
    çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    auto* altlık = new QWidget(çerçeve);
    altlık->setObjectName(QStringLiteral("Altlık"));
    auto* toplamDüzeni = new QHBoxLayout(altlık);
    toplamDüzeni->setContentsMargins(0, 0, 0, 0);
    toplamDüzeni->addStretch(1);
    for (int i = 0; i < toplamlar.size(); ++i) {
        toplamDüzeni->addSpacing(8);
        toplamDüzeni->addWidget(etiketler[i]);
        toplamDüzeni->addWidget(toplamlar[i].second);
    }
    (new QVBoxLayout(çerçeve))->addWidget(altlık);
    ekDüzen()->addWidget(çerçeve);

    kur();
    setWindowTitle(rapor::günlükDüzBaşlık(mod()));
    ToplamMiktarKutusu->setText(toplamlar_.miktarMetni());
    ToplamFiyatKutusu->setText(toplamlar_.fiyatMetni());
    ToplamTutarKutusu->setText(toplamlar_.tutarMetni());
    resize(820, 520);
}

void GünlükGirişÇıkışHareketleriFormu::ListeyiYükle(QProgressBar& çubuk)
{
    if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    toplamlar_ = {};
    {
        ListeGörünümü::Doldurma doldurma(HareketListesi);
        rapor::günlükHareketler(*AçıkVeritabanı, mod(), listelenecekGün(),
                                rapor::listeAlıcısı(*HareketListesi, çubuk,
                                                    [this](const rapor::Satır& s) { toplamlar_.ekle(s); }));
    }
    ToplamMiktarKutusu->setText(toplamlar_.miktarMetni());
    ToplamFiyatKutusu->setText(toplamlar_.fiyatMetni());
    ToplamTutarKutusu->setText(toplamlar_.tutarMetni());
}

QString GünlükGirişÇıkışHareketleriFormu::başlık(rapor::Listeleme tür, const QDate& gün, bool satırVar) const
{
    return rapor::günlükBaşlık(mod(), tür, gün, satırVar);
}

ListeAktarımTablosu GünlükGirişÇıkışHareketleriFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = rapor::günlükDüzBaşlık(mod());
    t.başlık = windowTitle();
    t.başlıkSütunSayısı = 7;  // "A1:G1"
    t.sayfaGenişliğineSığdır = true;
    return t;
}

YazdırmaDüzeni GünlükGirişÇıkışHareketleriFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = windowTitle();
    d.altBoşluk = 20;
    d.sütunBaşlığıPuntosu = 10;
    d.sütunlar = {{QStringLiteral("Tarihi"), 0, 20, false, B::Listelendiği},
                  {QStringLiteral("Kodu"), 1, 40, false, B::Listelendiği},
                  {QStringLiteral("Ürün Adı"), 2, 60, false, B::Listelendiği},
                  {QStringLiteral("Firma Adı"), 3, 100, false, B::Listelendiği},
                  {QStringLiteral("Miktarı"), 4, 145, true, B::Miktar},
                  {QStringLiteral("Fiyatı"), 5, 165, true, B::Tutar},
                  {QStringLiteral("Tutarı"), 6, 185, true, B::Tutar}};
    KapanışSatırı toplam;
    toplam.hücreler = {{100, false, ListeDeğeri(QStringLiteral("TOPLAM :")), B::Listelendiği},
                       {145, true, ListeDeğeri::sayı(double(toplamlar_.miktar) / 100.0), B::Miktar},
                       {165, true, ListeDeğeri::sayı(double(toplamlar_.fiyat) / 100.0), B::Tutar},
                       {185, true, ListeDeğeri::sayı(double(toplamlar_.tutar) / 100.0), B::Tutar}};
    d.kapanış = {toplam};
    return d;
}

void GünlükHareketleriAç(QWidget* sahip)
{
    GünlükGirişÇıkışHareketleriFormu pencere(sahip);
    pencere.İlkYükleme();
    pencere.exec();
}
