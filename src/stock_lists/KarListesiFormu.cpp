#include "stock_lists/KarListesiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/IlerlemeAdimi.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/TarihSecici.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "stock_lists/KarHesabi.h"
#include "stock_lists/ListeYerlesimi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace kl = kar_listesi;

const QString KarListesiFormu::DönemSeçinizMetni = QStringLiteral("Lütfen, bir DÖNEM seçiniz ya da TARİH belirleyiniz!");
const QString KarListesiFormu::BitişKüçükMetni = QStringLiteral("Bitiş tarihi, başlangıç tarihinden KÜÇÜK olamaz!");

namespace {

// The date a date member holds before the first listing.
const QDate SıfırTarihi(1899, 12, 30);

ListeTanımı tanımı()
{
    const auto sayı = [](const char* başlık) {
        return ListeSütunu{QString::fromUtf8(başlık), 1500, Qt::AlignRight, SütunTürü::Sayı};
    };
    ListeTanımı t;
    t.listeAdı = QStringLiteral("KarListesi");
    t.bölümNo = 11;
    t.doldurmaKodu = kl::DoldurmaGörevi;
    t.aktarmaKodu = kl::AktarmaGörevi;
    t.sütunlar = {{QStringLiteral("Ürün Kodu"), 1400, Qt::AlignLeft, SütunTürü::Metin},
                  {QStringLiteral("Ürün Adı"), 4000, Qt::AlignLeft, SütunTürü::Metin},
                  sayı("Çıkan Miktar"), sayı("Çıkan Tutar"), sayı("Kâr Miktarı")};
    t.düğmeler = ListeTanımı::Yazdır | ListeTanımı::Aktar | ListeTanımı::Kapat;
    t.f5Yeniler = false;
    t.ilkSıralama = false;
    return t;
}

platform::Database& veritabanı()
{
    if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
    return *AçıkVeritabanı;
}

QLabel* etiket(QList<QLabel*>& etiketler, QWidget* üst, const QString& metin, QWidget* ortak = nullptr)
{
    auto* e = new QLabel(metin, üst);
    e->setObjectName(QStringLiteral("Etiket(%1)").arg(etiketler.size()));
    if (ortak) e->setBuddy(ortak);
    etiketler.append(e);
    return e;
}

QDateEdit* tarihKutusu(QWidget* üst, const QString& ad)
{
    return tarihSeçici(üst, ad);
}

// A panel inside a frame, kept below the frame's caption and border where the style draws them lower.
void altlığıYerleştir(QWidget* altlık, QGroupBox* çerçeve, QRect yer)
{
    const QRect iç = çerçeve->contentsRect();
    if (yer.top() < iç.top()) yer.moveTop(iç.top());
    if (yer.bottom() > iç.bottom()) yer.setBottom(iç.bottom());
    altlık->setGeometry(yer);
}

// A right-aligned caption keeps its right edge; a text wider than its place grows to the left.
void sağaYaslı(QLabel* e, const QRect& yer)
{
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QRect r = yer;
    const QSize ölçü = e->sizeHint();
    if (ölçü.width() > r.width()) r.setLeft(r.right() + 1 - ölçü.width());
    if (ölçü.height() > r.height()) r.setHeight(ölçü.height());
    e->setGeometry(r);
}

}  // namespace

KarListesiFormu::KarListesiFormu(QWidget* sahip) : ListePenceresi(sahip, tanımı())
{
    setObjectName(QStringLiteral("KarListesiFormu"));
    setWindowTitle(kl::PencereBaşlığı);
    KarListesi = liste();

    for (const QString& başlık : {QStringLiteral("Dönem Seç "), QStringLiteral("Toplam Kâr Bilgisi ")}) {
        auto* ç = new QGroupBox(başlık, this);
        ç->setObjectName(QStringLiteral("Çerçeve(%1)").arg(Çerçeve.size()));
        Çerçeve.append(ç);
        auto* a = new QWidget(ç);
        a->setObjectName(QStringLiteral("Altlık(%1)").arg(Altlık.size()));
        a->setAutoFillBackground(true);
        a->setBackgroundRole(QPalette::Window);  // the window's own background colour
        Altlık.append(a);
    }
    DönemSeçKutusu = new QComboBox(Altlık[0]);
    DönemSeçKutusu->setObjectName(QStringLiteral("DönemSeçKutusu"));
    DönemSeçKutusu->addItems(kl::dönemSeçenekleri());
    DönemSeçKutusu->setCurrentIndex(-1);
    TümTarihleriGösterOnayı = new QCheckBox(QStringLiteral("&Tüm Tarihleri Göster"), Altlık[0]);
    TümTarihleriGösterOnayı->setObjectName(QStringLiteral("TümTarihleriGösterOnayı"));
    BaşlangıçTarihiKutusu = tarihKutusu(Altlık[0], QStringLiteral("BaşlangıçTarihiKutusu"));
    BitişTarihiKutusu = tarihKutusu(Altlık[0], QStringLiteral("BitişTarihiKutusu"));
    ListeleDüğmesi = new QPushButton(QStringLiteral("&Listele"), Altlık[0]);
    ListeleDüğmesi->setObjectName(QStringLiteral("ListeleDüğmesi"));
    ListeleDüğmesi->setAutoDefault(false);
    etiket(Etiket, Altlık[0], QStringLiteral("&Dönem Seç :"), DönemSeçKutusu);
    etiket(Etiket, Altlık[0], QStringLiteral("&Başlangıç Tarihi :"), BaşlangıçTarihiKutusu);
    etiket(Etiket, Altlık[0], QStringLiteral("Bitiş T&arihi :"), BitişTarihiKutusu);
    etiket(Etiket, this, QStringLiteral("&Kâr Listesi"), KarListesi);
    etiket(Etiket, this, QString());
    etiket(Etiket, Altlık[1], QStringLiteral("Toplam Kâr :"));
    ToplamKarKutusu = new QLineEdit(Altlık[1]);
    ToplamKarKutusu->setObjectName(QStringLiteral("ToplamKarKutusu"));
    ToplamKarKutusu->setReadOnly(true);
    ToplamKarKutusu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont kalın = ToplamKarKutusu->font();
    kalın.setBold(true);
    ToplamKarKutusu->setFont(kalın);

    kur();  // columns and their stored state; no first sort
    // Nothing is sorted, but the first click on the column sorted last then starts ascending.
    SıralamaYönü = 1;

    HatadaDevam([this] {
        using K = AlanGirişiKuralları::Kural;
        AlanGirişiKuralları::uygula(DönemSeçKutusu, K::EtiketVurgusu, Etiket[0]);
        AlanGirişiKuralları::uygula(BaşlangıçTarihiKutusu, K::EtiketVurgusu, Etiket[1]);
        AlanGirişiKuralları::uygula(BitişTarihiKutusu, K::EtiketVurgusu, Etiket[2]);
        connect(TümTarihleriGösterOnayı, &QCheckBox::toggled, this, [this](bool) { TümTarihleriGösterOnayı_Click(); });
        connect(DönemSeçKutusu, &QComboBox::currentIndexChanged, this, [this](int) { DönemSeçKutusu_Click(); });
        connect(ListeleDüğmesi, &QPushButton::clicked, this, [this] { ListeleDüğmesi_Click(); });

        BaşlangıçTarihi = SıfırTarihi;
        BitişTarihi = SıfırTarihi;
        TümTarihleriGösterOnayı->setChecked(true);
        tarihKutularınıEtkinleştir(false);
        BaşlangıçTarihiKutusu->setDate(QDate::currentDate());
        BitişTarihiKutusu->setDate(QDate::currentDate());
    });

    const QList<QWidget*> sıra = {DönemSeçKutusu, TümTarihleriGösterOnayı, BaşlangıçTarihiKutusu, BitişTarihiKutusu,
                                  ListeleDüğmesi, KarListesi, ToplamKarKutusu, YazdırDüğmesi,
                                  ListeyiExceleAktarDüğmesi, KapatDüğmesi};
    for (int i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
    TümTarihleriGösterOnayı->setFocus();  // the first control that takes the focus
}

void KarListesiFormu::yerleştir()
{
    using yerleşim::twip;
    setFixedSize(twip(0, 0, 10950, 8295).size());
    Çerçeve[0]->setGeometry(twip(300, 270, 10305, 1245));
    altlığıYerleştir(Altlık[0], Çerçeve[0], twip(120, 240, 10065, 885));
    sağaYaslı(Etiket[0], twip(240, 150, 930, 195));
    DönemSeçKutusu->setGeometry(twip(1380, 90, 2055, 315));
    TümTarihleriGösterOnayı->setGeometry(twip(1380, 510, 2055, 285));
    sağaYaslı(Etiket[1], twip(3810, 150, 1215, 195));
    BaşlangıçTarihiKutusu->setGeometry(twip(5250, 90, 1575, 315));
    sağaYaslı(Etiket[2], twip(4215, 540, 810, 195));
    BitişTarihiKutusu->setGeometry(twip(5250, 480, 1575, 315));
    ListeleDüğmesi->setGeometry(twip(7080, 120, 2775, 615));
    Etiket[3]->move(twip(300, 1680, 720, 195).topLeft());
    Etiket[3]->adjustSize();
    Etiket[4]->move(twip(1110, 1680, 45, 195).topLeft());
    Etiket[4]->adjustSize();
    KarListesi->setGeometry(twip(300, 1950, 10305, 4545));
    Çerçeve[1]->setGeometry(twip(300, 6660, 10305, 825));
    altlığıYerleştir(Altlık[1], Çerçeve[1], twip(120, 240, 10065, 465));
    sağaYaslı(Etiket[5], twip(7080, 120, 900, 195));
    ToplamKarKutusu->setGeometry(twip(8130, 60, 1725, 315));
    YazdırDüğmesi->setGeometry(twip(4950, 7680, 1425, 345));
    ListeyiExceleAktarDüğmesi->setGeometry(twip(6450, 7680, 2655, 345));
    KapatDüğmesi->setGeometry(twip(9180, 7680, 1425, 345));
}

void KarListesiFormu::tarihKutularınıEtkinleştir(bool etkin)
{
    for (QWidget* w : {static_cast<QWidget*>(Etiket[1]), static_cast<QWidget*>(Etiket[2]),
                       static_cast<QWidget*>(BaşlangıçTarihiKutusu), static_cast<QWidget*>(BitişTarihiKutusu)})
        w->setEnabled(etkin);
}

void KarListesiFormu::TümTarihleriGösterOnayı_Click()
{
    // No period chosen: the period choice then leaves the date boxes disabled.
    if (DönemSeçKutusu->currentIndex() != -1) DönemSeçKutusu->setCurrentIndex(-1);
    else DönemSeçKutusu_Click();
    DönemSeçKutusu->setEnabled(!TümTarihleriGösterOnayı->isChecked());
    BaşlangıçTarihiKutusu->setDate(QDate::currentDate());
    BitişTarihiKutusu->setDate(QDate::currentDate());
}

void KarListesiFormu::DönemSeçKutusu_Click()
{
    HatadaDevam([this] {
        const int yer = DönemSeçKutusu->currentIndex();
        tarihKutularınıEtkinleştir(yer == kl::TarihBelirle);
        if (yer < 0) return;
        const kl::TarihAralığı aralık = kl::dönemAralığı(yer, QDate::currentDate());
        BaşlangıçTarihiKutusu->setDate(aralık.başlangıç);
        BitişTarihiKutusu->setDate(aralık.bitiş);
        if (yer == kl::TarihBelirle) BaşlangıçTarihiKutusu->setFocus();
    });
}

void KarListesiFormu::ListeleDüğmesi_Click()
{
    if (!TümTarihleriGösterOnayı->isChecked()) {
        const int yer = DönemSeçKutusu->currentIndex();
        if (yer < 0) {
            mesaj::göster(DönemSeçinizMetni, mesaj::Simge::Bilgi);
            DönemSeçKutusu->setFocus();
            return;
        }
        if (yer == kl::TarihBelirle && BitişTarihiKutusu->date() < BaşlangıçTarihiKutusu->date()) {
            mesaj::göster(BitişKüçükMetni, mesaj::Simge::Bilgi);
            BitişTarihiKutusu->setDate(BaşlangıçTarihiKutusu->date());
            BitişTarihiKutusu->setFocus();
            return;
        }
        BaşlangıçTarihi = BaşlangıçTarihiKutusu->date();
        BitişTarihi = BitişTarihiKutusu->date();
    } else {
        HatadaDevam([this] {
            // No exit at all: the dates stay as they were.
            if (const auto aralık = kl::tümTarihler(veritabanı())) {
                BaşlangıçTarihi = aralık->başlangıç;
                BitişTarihi = aralık->bitiş;
            }
        });
    }
    listeyiDoldur(this, [this](QProgressBar& çubuk) { ListeyiYükle(çubuk); });
}

void KarListesiFormu::ListeyiYükle(QProgressBar& çubuk)
{
    ToplamKar = 0;
    const kl::KarListesi sonuç = kl::karListesi(veritabanı(), {BaşlangıçTarihi, BitişTarihi});
    İlerlemeAdımı adım(çubuk, int(sonuç.satırlar.size()), İlerlemeAdımı::Aralık::SayıArtıBir);
    KarListesi->temizle();
    {
        ListeGörünümü::Doldurma doldurma(KarListesi);
        for (const auto& satır : sonuç.satırlar) {
            adım.ilerle();
            KarListesi->satırEkle(satır);
        }
    }
    adım.bitir();
    ToplamKar = sonuç.toplam();
    ToplamKarKutusu->setText(turkce::tutarBiçimi(ToplamKar));
    Etiket[4]->setText(QStringLiteral("(Toplam: ") + QString::number(KarListesi->satırSayısı()) + QLatin1Char(')'));
    Etiket[4]->adjustSize();
    ToplamKar = 0;
}

ListeAktarımTablosu KarListesiFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = kl::PencereBaşlığı;
    t.başlık = kl::PencereBaşlığı;
    t.başlıkSütunSayısı = kl::SütunSayısı;  // "A1:E1"
    t.sayfaGenişliğineSığdır = true;
    return t;  // every column: code and name as texts, the three figures as numbers; no total
}

YazdırmaDüzeni KarListesiFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = windowTitle();
    d.altBoşluk = 15;
    d.sütunBaşlığıPuntosu = 9;
    d.sütunlar = {{QStringLiteral("Kodu"), kl::ÜrünKodu, 15, false, B::Listelendiği},
                  {QStringLiteral("Ürün Adı"), kl::ÜrünAdı, 35, false, B::Listelendiği},
                  {QStringLiteral("Çıkan Miktar"), kl::ÇıkanMiktar, 135, true, B::Miktar},
                  {QStringLiteral("Çıkan Tutar"), kl::ÇıkanTutar, 170, true, B::Tutar},
                  {QStringLiteral("Kâr"), kl::KârMiktarı, 190, true, B::Tutar}};
    return d;
}

void KarListesiniAç(QWidget* sahip)
{
    KarListesiFormu pencere(sahip);
    pencere.exec();
}
