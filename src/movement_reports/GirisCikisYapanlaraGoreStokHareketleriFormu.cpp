#include "movement_reports/GirisCikisYapanlaraGoreStokHareketleriFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

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
    // A database that cannot be read is reported once, and the window opens with no one to choose.
    HatadaDevam([this] {
        for (const ListeGirdisi& kişi : rapor::yapanlar(*AçıkVeritabanı)) {
            auto* öğe = new QListWidgetItem(kişi.metin, GirişÇıkışYapanlarListesi);
            öğe->setData(Qt::UserRole, kişi.numara);
        }
    });
    // No one chosen. Set through the view, "no current entry" is the view's own too: a list view that
    // gets the focus without a current entry ever set makes its first entry current, and that would
    // list the first person's movements unasked. The arrow keys still start at the first entry.
    GirişÇıkışYapanlarListesi->setCurrentIndex(QModelIndex());
    GirişÇıkışSeçeneği[0]->setChecked(true);
    connect(GirişÇıkışYapanlarListesi, &QListWidget::currentRowChanged, this, [this] { GirişÇıkışYapanlarListesi_Click(); });
    for (QRadioButton* s : GirişÇıkışSeçeneği)
        connect(s, &QRadioButton::toggled, this, [this](bool seçili) {
            if (seçili) GirişÇıkışYapanlarListesi_Click();
        });
    GirişÇıkışYapanlarListesi->setFocus();  // the first control in the tab order
}

void GirişÇıkışYapanlaraGöreStokHareketleriFormu::yerleştir()
{
    // Every control where the window is designed, in twips inside its container (15 twips a pixel).
    auto yer = [](QWidget* w, QWidget* içinde, int sol, int üst, int genişlik, int yükseklik) {
        w->setParent(içinde);
        w->setGeometry(qRound(sol / 15.0), qRound(üst / 15.0), qRound(genişlik / 15.0), qRound(yükseklik / 15.0));
    };
    setFixedSize(qRound(10980 / 15.0), qRound(7920 / 15.0));

    auto* kişiÇerçevesi = new QGroupBox(QStringLiteral("Giriş-Çıkış Yapanlar Listesi "), this);
    kişiÇerçevesi->setObjectName(QStringLiteral("Çerçeve(0)"));
    auto* altlık0 = new QWidget;
    altlık0->setObjectName(QStringLiteral("Altlık(0)"));
    auto* türÇerçevesi = new QGroupBox(QStringLiteral("Hareket Türü Seç "), this);
    türÇerçevesi->setObjectName(QStringLiteral("Çerçeve(4)"));
    auto* altlık1 = new QWidget;
    altlık1->setObjectName(QStringLiteral("Altlık(1)"));

    yer(kişiÇerçevesi, this, 270, 270, 2805, 6045);
    yer(altlık0, kişiÇerçevesi, 120, 270, 2565, 5655);
    yer(GirişÇıkışYapanlarListesi, altlık0, 90, 90, 2355, 4740);
    yer(etiketler_[0], altlık0, 90, 4980, 1455, 195);
    yer(GirişÇıkışYapanBulKutusu, altlık0, 90, 5250, 2355, 315);
    yer(türÇerçevesi, this, 270, 6510, 2805, 1065);
    yer(altlık1, türÇerçevesi, 120, 240, 2565, 705);
    yer(GirişÇıkışSeçeneği[0], altlık1, 210, 60, 2025, 255);
    yer(GirişÇıkışSeçeneği[1], altlık1, 210, 375, 2025, 255);
    yer(etiketler_[1], this, 3330, 270, 735, 195);
    yer(HareketListesi, this, 3330, 540, 7335, 6435);
    yer(ListeyiExceleAktarDüğmesi, this, 3330, 7200, 6015, 345);
    yer(KapatDüğmesi, this, 9420, 7200, 1245, 345);
    for (QLabel* e : etiketler_) e->adjustSize();

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
    const QListWidgetItem* seçili = GirişÇıkışYapanlarListesi->currentItem();
    if (!seçili) return;  // nobody chosen: nothing to list
    const int kişi = seçili->data(Qt::UserRole).toInt();
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
