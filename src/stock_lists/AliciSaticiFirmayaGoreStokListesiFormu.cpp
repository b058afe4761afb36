#include "stock_lists/AliciSaticiFirmayaGoreStokListesiFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/SiraliListe.h"
#include "stock_lists/FirmaHareketListesi.h"
#include "stock_lists/ListeYerlesimi.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

namespace fh = firma_hareketleri;

ListeTanımı tanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("HareketListesi");
    t.bölümNo = 1;
    t.doldurmaKodu = fh::DoldurmaGörevi;
    t.aktarmaKodu = fh::AktarmaGörevi;
    t.sütunlar = {{QStringLiteral("Kodu"), 1100, Qt::AlignLeft, SütunTürü::Metin},
                  {QStringLiteral("Ürün Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
                  {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
                  {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
                  {QStringLiteral("Birimi"), 1100, Qt::AlignLeft, SütunTürü::Metin},
                  {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
                  {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
                  {QStringLiteral("Tutarı"), 1100, Qt::AlignRight, SütunTürü::Sayı}};
    return t;
}

// The find box keeps its caret and selection when it takes the focus: a line edit would select its
// whole text when reached by Tab or its caption's key.
class BulmaKutusu : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* olay) override
    {
        const bool seçiliydi = hasSelectedText();
        const int imleç = cursorPosition();
        QLineEdit::focusInEvent(olay);
        if (!seçiliydi && hasSelectedText()) {
            deselect();
            setCursorPosition(imleç);
        }
    }
};

platform::Database& veritabanı()
{
    if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
    return *AçıkVeritabanı;
}

}  // namespace

AlıcıSatıcıFirmayaGöreStokListesiFormu::AlıcıSatıcıFirmayaGöreStokListesiFormu(QWidget* sahip)
    : ListePenceresi(sahip, tanımı())
{
    setObjectName(QStringLiteral("AlıcıSatıcıFirmayaGöreStokListesiFormu"));
    HareketListesi = liste();
    FirmaListesi = new SıralıListeKutusu(this);
    FirmaListesi->setObjectName(QStringLiteral("FirmaListesi"));
    BulKutusu = new BulmaKutusu(this);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    const QStringList başlıklar = {QStringLiteral("Firma &Listesi"), QStringLiteral("Firma &Bul"),
                                   QStringLiteral("&Hareketler")};
    QWidget* ortaklar[] = {FirmaListesi, BulKutusu, HareketListesi};
    for (int i = 0; i < başlıklar.size(); ++i) {
        auto* e = new QLabel(başlıklar[i], this);
        e->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
        e->setBuddy(ortaklar[i]);
        Etiket.append(e);
    }

    kur();  // columns, their stored state, the first sort on "Kodu", the buttons
    HatadaDevam([this] { firmalarıDoldur(); });

    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(FirmaListesi, K::EtiketVurgusu | K::EnterİleSonrakiAlan, Etiket[0]);
    AlanGirişiKuralları::uygula(BulKutusu, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf, Etiket[1]);
    AlanGirişiKuralları::uygula(HareketListesi, K::EtiketVurgusu, Etiket[2]);
    AlanGirişiKuralları::listedeBul(BulKutusu, FirmaListesi);
    connect(FirmaListesi, &QListWidget::currentRowChanged, this, [this](int) { FirmaListesi_Click(); });

    setTabOrder(FirmaListesi, BulKutusu);
    setTabOrder(BulKutusu, HareketListesi);
    setTabOrder(HareketListesi, ListeyiYenileDüğmesi);
    setTabOrder(ListeyiYenileDüğmesi, ListeyiExceleAktarDüğmesi);
    setTabOrder(ListeyiExceleAktarDüğmesi, YazdırDüğmesi);
    setTabOrder(YazdırDüğmesi, KapatDüğmesi);
    FirmaListesi->setFocus();
}

void AlıcıSatıcıFirmayaGöreStokListesiFormu::yerleştir()
{
    using yerleşim::twip;
    setFixedSize(twip(0, 0, 10950, 8145).size());
    Etiket[0]->setGeometry(twip(270, 270, 855, 195));
    FirmaListesi->setGeometry(twip(270, 540, 2355, 6495));
    Etiket[1]->setGeometry(twip(270, 7200, 645, 195));
    BulKutusu->setGeometry(twip(270, 7485, 2355, 315));
    Etiket[2]->setGeometry(twip(2940, 270, 735, 195));
    HareketListesi->setGeometry(twip(2910, 540, 7725, 6615));
    ListeyiYenileDüğmesi->setGeometry(twip(2910, 7470, 1905, 345));
    ListeyiExceleAktarDüğmesi->setGeometry(twip(4880, 7470, 3135, 345));
    YazdırDüğmesi->setGeometry(twip(8080, 7470, 1245, 345));
    KapatDüğmesi->setGeometry(twip(9390, 7470, 1245, 345));
    for (QLabel* e : Etiket) e->adjustSize();
}

void AlıcıSatıcıFirmayaGöreStokListesiFormu::firmalarıDoldur()
{
    FirmaListesi->doldur(fh::firmalar(veritabanı(), fh::firmaListesiTürü(SeçiliFirmaTablosu)));
}

QString AlıcıSatıcıFirmayaGöreStokListesiFormu::seçiliFirmaAdı() const
{
    return FirmaListesi->metin(FirmaListesi->seçiliSatır());
}

void AlıcıSatıcıFirmayaGöreStokListesiFormu::FirmaListesi_Click()
{
    HatayıAtla([this] {
        if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    });
    if (FirmaListesi->seçiliSatır() < 0) return;
    listeyiDoldur(this, [this](QProgressBar& çubuk) { HareketleriGöster(çubuk); });
}

void AlıcıSatıcıFirmayaGöreStokListesiFormu::HareketleriGöster(QProgressBar& çubuk)
{
    const qint64 firmaNo = FirmaListesi->seçiliNumara();
    if (firmaNo < 0) return;
    ListeGörünümü::Doldurma doldurma(HareketListesi);
    fh::hareketleriOku(
        veritabanı(), fh::hareketTürü(Tag), firmaNo,
        [this](fh::Hareket&& h) { HareketListesi->satırEkle(std::move(h.hücreler), h.hareketNo); },
        &çubuk);
}

void AlıcıSatıcıFirmayaGöreStokListesiFormu::ListeyiYenileDüğmesi_Click()
{
    if (FirmaListesi->girdiSayısı() > 0) FirmaListesi->temizle();
    if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    HatadaDevam([this] { firmalarıDoldur(); });
    FirmaListesi->setFocus();
}

ListeAktarımTablosu AlıcıSatıcıFirmayaGöreStokListesiFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = fh::sayfaAdı(fh::hareketTürü(Tag));
    t.başlık = fh::aktarımBaşlığı(seçiliFirmaAdı());
    t.başlıkSütunSayısı = fh::SütunSayısı;  // "A1:H1"
    return t;                                // every column: Tarihi as text, the numbers as numbers
}

YazdırmaDüzeni AlıcıSatıcıFirmayaGöreStokListesiFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = fh::yazdırmaBaşlığı(seçiliFirmaAdı());
    d.altBoşluk = 15;
    d.sütunBaşlığıPuntosu = 10;
    // The VAT rate is printed before the unit: it ends at 125, the unit starts at 130.
    d.sütunlar = {{QStringLiteral("Ürün Kodu"), fh::Kodu, 15, false, B::Listelendiği},
                  {QStringLiteral("Ürün Adı"), fh::ÜrünAdı, 40, false, B::Listelendiği},
                  {QStringLiteral("Tarihi"), fh::Tarihi, 85, false, B::Listelendiği},
                  {QStringLiteral("Miktarı"), fh::Miktarı, 115, true, B::Miktar},
                  {QStringLiteral("Birimi"), fh::Birimi, 130, false, B::Listelendiği},
                  {QStringLiteral("KDV"), fh::KDV, 125, true, B::Listelendiği},
                  {QStringLiteral("Fiyatı"), fh::Fiyatı, 155, true, B::Listelendiği},
                  {QStringLiteral("Tutarı"), fh::Tutarı, 180, true, B::Listelendiği}};
    return d;
}

namespace {

void aç(QWidget* sahip, fh::FirmaTürü tür)
{
    const bool satıcı = tür == fh::FirmaTürü::Satıcı;
    SeçiliFirmaTablosu = satıcı ? SatıcıFirmaTablosuAdı : AlıcıFirmaTablosuAdı;
    AlıcıSatıcıFirmayaGöreStokListesiFormu pencere(sahip);
    pencere.Tag = satıcı ? QStringLiteral("0") : QStringLiteral("1");
    pencere.setWindowTitle(fh::pencereBaşlığı(tür));
    pencere.exec();
}

}  // namespace

void SatıcıFirmalaraGöreStokListesiniAç(QWidget* sahip) { aç(sahip, fh::FirmaTürü::Satıcı); }
void AlıcıFirmalaraGöreStokListesiniAç(QWidget* sahip) { aç(sahip, fh::FirmaTürü::Alıcı); }
