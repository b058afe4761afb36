#include "movement_history/StokHareketleriFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/IlerlemeAdimi.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/SiraliListe.h"
#include "core/StokKurallari.h"
#include "core/StokPencereYardimcilari.h"
#include "core/StokSorgulari.h"
#include "movement_history/HareketIslemleri.h"
#include "movement_history/StogaIadeEtFormu.h"
#include "movement_history/StokCikisiDegistirFormu.h"
#include "movement_history/StokGirisiDegistirFormu.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

using namespace hareket;

namespace {

const QString DoldurmaKodu = QStringLiteral("9");
const QString AktarmaKodu = QStringLiteral("10");

// A stored date as a list cell: the day, or the day with the time of day as text when the value has one.
ListeDeğeri tarihHücresi(const QString& saklanan)
{
    QDate gün;
    if (saklanan.size() >= 10 && saklanan[4] == QLatin1Char('-') && saklanan[7] == QLatin1Char('-')) {
        auto sayı = [&](int baş, int uzunluk) { return QStringView(saklanan).mid(baş, uzunluk).toInt(); };
        gün = QDate(sayı(0, 4), sayı(5, 2), sayı(8, 2));
    }
    if (!gün.isValid()) return saklanan.isEmpty() ? ListeDeğeri() : ListeDeğeri(saklanan);
    const QStringView saat = QStringView(saklanan).mid(11, 8);
    if (saat.size() == 8 && saat != QLatin1String("00:00:00"))
        return ListeDeğeri(turkce::tarihBiçimi(gün) + QLatin1Char(' ') + saat.toString());
    return ListeDeğeri::tarih(gün);
}

QLineEdit* toplamKutusu(QWidget* üst, const QString& ad)
{
    QLineEdit* k = stok::göstergeKutusu(üst, ad);
    QFont kalın = k->font();
    kalın.setBold(true);
    k->setFont(kalın);
    return k;
}

}  // namespace

ListeTanımı StokHareketleriFormu::tanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("HareketListesi");
    t.bölümNo = 6;
    t.doldurmaKodu = DoldurmaKodu;
    t.aktarmaKodu = AktarmaKodu;
    t.sütunlar = {
        {QStringLiteral("Hareket No"), 0, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Firması"), 1600, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Birimi"), 1000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Nedeni"), 0, Qt::AlignLeft, SütunTürü::Metin},
    };
    t.düğmeler = ListeTanımı::Aktar | ListeTanımı::Kapat;
    t.ilkSıralama = false;  // the first sort is on the firm, below
    return t;
}

StokHareketleriFormu::StokHareketleriFormu(QWidget* sahip) : ListePenceresi(sahip, tanımı())
{
    setObjectName(QStringLiteral("StokHareketleriFormu"));
    setWindowTitle(QStringLiteral("Stok Hareketleri (İzleme/Düzenleme)"));
    setWindowIcon(QIcon(QStringLiteral(":/HAREKET.png")));

    for (int i = 0; i < 3; ++i) Altlık_.append(stok::altlıkYap(this, QStringLiteral("Altlık(%1)").arg(i)));
    ürünÇerçevesi_ = new QGroupBox(QStringLiteral("Ürün &Listesi "), Altlık_[0]);
    ürünÇerçevesi_->setObjectName(QStringLiteral("Çerçeve(0)"));
    ÜrünListesi_ = new SıralıListeKutusu(ürünÇerçevesi_);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu_ = new QLineEdit(ürünÇerçevesi_);
    ÜrünBulKutusu_->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    türÇerçevesi_ = new QGroupBox(QStringLiteral("Hareket Türü Seç "), Altlık_[0]);
    türÇerçevesi_->setObjectName(QStringLiteral("Çerçeve(1)"));
    GirişÇıkışSeçeneği_[0] = new QRadioButton(QStringLiteral("&Giriş Hareketleri "), türÇerçevesi_);
    GirişÇıkışSeçeneği_[1] = new QRadioButton(QStringLiteral("Çı&kış Hareketleri "), türÇerçevesi_);
    for (int i = 0; i < 2; ++i) GirişÇıkışSeçeneği_[i]->setObjectName(QStringLiteral("GirişÇıkışSeçeneği(%1)").arg(i));
    GirişToplamıKutusu_ = toplamKutusu(Altlık_[1], QStringLiteral("GirişToplamıKutusu"));
    ÇıkışToplamıKutusu_ = toplamKutusu(Altlık_[1], QStringLiteral("ÇıkışToplamıKutusu"));
    KalanKutusu_ = toplamKutusu(Altlık_[1], QStringLiteral("KalanKutusu"));
    DeğişiklikYapDüğmesi_ =
        stok::düğmeYap(Altlık_[2], QStringLiteral("DeğişiklikYapDüğmesi"), QStringLiteral("Hareketi &Değiştir"));
    SilDüğmesi_ = stok::düğmeYap(Altlık_[2], QStringLiteral("SilDüğmesi"), QStringLiteral("Hareketi &Sil"));
    StoğaİadeEtDüğmesi_ =
        stok::düğmeYap(Altlık_[2], QStringLiteral("StoğaİadeEtDüğmesi"), QStringLiteral("Stoğa İ&ade Et"));
    StoğaİadeEtDüğmesi_->setEnabled(false);
    ListeyiExceleAktarDüğmesi->setText(QStringLiteral("MS &Excel'e Aktar"));
    Etiket_ = {stok::etiketYap(ürünÇerçevesi_, 0, QStringLiteral("Ürün &Bul"), ÜrünBulKutusu_),
               stok::etiketYap(this, 1, QStringLiteral("&Hareketler"), liste()),
               stok::etiketYap(Altlık_[1], 2, QStringLiteral("Giriş :")),
               stok::etiketYap(Altlık_[1], 3, QStringLiteral("Çıkış :")),
               stok::etiketYap(Altlık_[1], 4, QStringLiteral("Mevcut :"))};

    kur();

    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(ÜrünBulKutusu_, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf,
                                Etiket_[0]);
    AlanGirişiKuralları::uygula(ÜrünListesi_, K::EnterİleSonrakiAlan);
    for (QRadioButton* s : GirişÇıkışSeçeneği_) AlanGirişiKuralları::uygula(s, K::EnterİleSonrakiAlan);
    AlanGirişiKuralları::uygula(liste(), K::EtiketVurgusu, Etiket_[1]);
    AlanGirişiKuralları::listedeBul(ÜrünBulKutusu_, ÜrünListesi_);

    connect(ÜrünListesi_, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(GirişÇıkışSeçeneği_[i], &QRadioButton::toggled, this, [this, i](bool açık) {
            if (açık) GirişÇıkışSeçeneği_Click(i);
        });
    connect(DeğişiklikYapDüğmesi_, &QPushButton::clicked, this, [this] { DeğişiklikYapDüğmesi_Click(); });
    connect(SilDüğmesi_, &QPushButton::clicked, this, [this] { SilDüğmesi_Click(); });
    connect(StoğaİadeEtDüğmesi_, &QPushButton::clicked, this, [this] { StoğaİadeEtDüğmesi_Click(); });
    stok::çiftTıklamada(liste(), [this] {
        if (liste()->seçiliSatır() >= 0) DeğişiklikYapDüğmesi_Click();
    });
    // The same three actions from the list's right-click menu, and Delete on the list.
    QMenu* menü = sağMenüKur();
    menü->addAction(DeğişiklikYapDüğmesi_->text(), this, [this] { DeğişiklikYapDüğmesi_Click(); });
    menü->addAction(SilDüğmesi_->text(), this, [this] { SilDüğmesi_Click(); });
    QAction* iade = menü->addAction(StoğaİadeEtDüğmesi_->text(), this, [this] { StoğaİadeEtDüğmesi_Click(); });
    connect(menü, &QMenu::aboutToShow, this, [this, iade] { iade->setEnabled(çıkışlarGösteriliyor()); });
    auto* sil = new QShortcut(QKeySequence(Qt::Key_Delete), liste());
    sil->setContext(Qt::WidgetShortcut);
    connect(sil, &QShortcut::activated, this, [this] { SilDüğmesi_Click(); });

    ürünListesiniDoldur();
    // The first sort is ascending on the firm, whatever another list sorted last.
    SıralamaYönü = 1;
    liste()->sütunaTıklandı(Firması);
    GirişÇıkışSeçeneği_[0]->setChecked(true);
    stok::boyutuAyarla(this, 840, 500);
}

StokHareketleriFormu::~StokHareketleriFormu() = default;

void StokHareketleriFormu::yerleştir()
{
    auto* ürünDüzeni = new QVBoxLayout(ürünÇerçevesi_);
    ürünDüzeni->addWidget(ÜrünListesi_, 1);
    ürünDüzeni->addWidget(Etiket_[0]);
    ürünDüzeni->addWidget(ÜrünBulKutusu_);
    auto* türDüzeni = new QVBoxLayout(türÇerçevesi_);
    türDüzeni->addWidget(GirişÇıkışSeçeneği_[0]);
    türDüzeni->addWidget(GirişÇıkışSeçeneği_[1]);
    Altlık_[0]->layout()->setContentsMargins(0, 0, 0, 0);
    delete Altlık_[0]->layout();
    auto* solDüzen = new QVBoxLayout(Altlık_[0]);
    solDüzen->setContentsMargins(0, 0, 0, 0);
    solDüzen->addWidget(ürünÇerçevesi_, 1);
    solDüzen->addWidget(türÇerçevesi_);

    auto* toplamlar = static_cast<QHBoxLayout*>(Altlık_[1]->layout());
    toplamlar->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        QLineEdit* k = QList<QLineEdit*>{GirişToplamıKutusu_, ÇıkışToplamıKutusu_, KalanKutusu_}[i];
        k->setFixedWidth(100);
        toplamlar->addWidget(Etiket_[2 + i]);
        toplamlar->addWidget(k);
    }
    auto* düğmeler = static_cast<QHBoxLayout*>(Altlık_[2]->layout());
    for (QPushButton* d : {DeğişiklikYapDüğmesi_, SilDüğmesi_, StoğaİadeEtDüğmesi_, ListeyiExceleAktarDüğmesi})
        düğmeler->addWidget(d);
    düğmeler->addStretch(1);
    düğmeler->addWidget(KapatDüğmesi);

    auto* sağDüzen = new QVBoxLayout;
    sağDüzen->addWidget(Etiket_[1]);
    sağDüzen->addWidget(liste(), 1);
    sağDüzen->addWidget(Altlık_[1]);
    auto* üst = new QHBoxLayout;
    üst->addWidget(Altlık_[0], 1);
    üst->addLayout(sağDüzen, 3);
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(8, 8, 8, 8);
    düzen->addLayout(üst, 1);
    düzen->addWidget(Altlık_[2]);
    setTabOrder(ÜrünListesi_, ÜrünBulKutusu_);
    setTabOrder(ÜrünBulKutusu_, GirişÇıkışSeçeneği_[0]);
    setTabOrder(GirişÇıkışSeçeneği_[0], GirişÇıkışSeçeneği_[1]);
    setTabOrder(GirişÇıkışSeçeneği_[1], liste());
}

void StokHareketleriFormu::ürünListesiniDoldur()
{
    if (!AçıkVeritabanı) return;
    try {
        QList<ListeGirdisi> girdiler;
        for (const stok::AdNo& a : stok::ürünler(*AçıkVeritabanı)) girdiler.append({a.ad, a.no});
        ÜrünListesi_->doldur(girdiler);
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
    }
}

void StokHareketleriFormu::toplamlarıBoşalt()
{
    for (QLineEdit* k : {GirişToplamıKutusu_, ÇıkışToplamıKutusu_, KalanKutusu_}) k->clear();
}

bool StokHareketleriFormu::çıkışlarGösteriliyor() const { return GirişÇıkışSeçeneği_[1]->isChecked(); }

void StokHareketleriFormu::ÜrünListesi_Click()
{
    if (liste()->satırSayısı() > 0) {
        liste()->temizle();
        toplamlarıBoşalt();
    }
    if (ÜrünListesi_->seçiliNumara() < 0) return;
    listeyiDoldur(this, [this](QProgressBar& çubuk) { HareketleriListele(çubuk); });
}

void StokHareketleriFormu::HareketleriListele(QProgressBar& çubuk)
{
    const int ürünNo = int(ÜrünListesi_->seçiliNumara());
    const bool çıkış = çıkışlarGösteriliyor();
    // A movement is shown with its product and its firm; one whose firm row is gone is not.
    const QString kaynak =
        çıkış ? QStringLiteral("FROM (UrunBilgileriTablosu AS U INNER JOIN CikisIslemleriTablosu AS H "
                               "ON U.UrunNo = H.UrunNo) INNER JOIN AliciFirmalarTablosu AS F ON H.FirmaNo = F.Nosu "
                               "WHERE U.UrunNo = ?1")
              : QStringLiteral("FROM (UrunBilgileriTablosu AS U INNER JOIN GirisIslemleriTablosu AS H "
                               "ON U.UrunNo = H.UrunNo) INNER JOIN SaticiFirmalarTablosu AS F ON H.FirmaNo = F.Nosu "
                               "WHERE U.UrunNo = ?1");
    // The bar's end: the product's movements of the type (an index lookup); rows without their firm are
    // fewer, and the bar goes to its end when the last row is in.
    const int n = AçıkVeritabanı
                      ->scalar(çıkış ? QStringLiteral("SELECT count(*) FROM CikisIslemleriTablosu WHERE UrunNo = ?1")
                                     : QStringLiteral("SELECT count(*) FROM GirisIslemleriTablosu WHERE UrunNo = ?1"),
                               {ürünNo})
                      .toInt();
    auto sorgu = AçıkVeritabanı->prepare(
        QStringLiteral("SELECT F.Nosu, F.Adi, H.HareketNo, H.Tarihi, H.Miktari, H.Fiyati, U.MiktarBirimi, "
                       "U.KDVOrani, %1 ")
            .arg(çıkış ? QStringLiteral("H.Nedeni") : QStringLiteral("NULL"))
        + kaynak);
    sorgu.bind(1, ürünNo);
    İlerlemeAdımı adım(çubuk, n);
    // The unit and the VAT rate are the product's, the same on every row; a firm's name is read once.
    QHash<qint64, ListeDeğeri> firmaAdları;
    QList<ListeDeğeri> hücreler(9);
    {
        ListeGörünümü::Doldurma doldurma(liste());
        for (int sıra = 1; sorgu.next(); ++sıra) {
            if (sıra == 1) {
                if (!sorgu.isNull(6)) hücreler[Birimi] = ListeDeğeri(sorgu.text(6));
                hücreler[KDV] = sorgu.isNull(7) ? ListeDeğeri::sayı(0, ListeDeğeri::Biçim::TamSayı)
                                                : ListeDeğeri::sayı(sorgu.real(7));
            }
            adım.ilerle();
            const qint64 firmaNo = sorgu.integer(0);
            auto firma = firmaAdları.find(firmaNo);
            if (firma == firmaAdları.end()) firma = firmaAdları.insert(firmaNo, ListeDeğeri(sorgu.text(1)));
            const double miktar = sorgu.real(4);
            const double fiyat = sorgu.real(5);
            const qint64 no = sorgu.integer(2);
            hücreler[HareketNo] = ListeDeğeri::sayı(double(no), ListeDeğeri::Biçim::TamSayı);
            hücreler[Firması] = *firma;
            hücreler[Tarihi] = tarihHücresi(sorgu.text(3));
            hücreler[Miktarı] = ListeDeğeri::sayı(miktar);
            hücreler[Fiyatı] = ListeDeğeri::sayı(fiyat);
            hücreler[Tutarı] = ListeDeğeri::sayı(miktar * stok::paraDeğeri(fiyat));
            // A reason that was never recorded stays empty rather than reading as the first reason.
            if (çıkış)
                hücreler[Nedeni] = sorgu.isNull(8) ? ListeDeğeri()
                                                   : ListeDeğeri::sayı(double(sorgu.integer(8)), ListeDeğeri::Biçim::TamSayı);
            liste()->satırEkle(hücreler, no);
        }
        // The count takes in movements whose firm is gone, which list no row: the bar ends full.
        çubuk.setValue(çubuk.maximum());
    }
    const stok::StokDurumu d = stok::ürünStoğu(*AçıkVeritabanı, ürünNo);
    GirişMiktarıToplamı = d.giriş;
    ÇıkışMiktarıToplamı = d.çıkış;
    GirişToplamıKutusu_->setText(turkce::tutarBiçimi(d.giriş));
    ÇıkışToplamıKutusu_->setText(turkce::tutarBiçimi(d.çıkış));
    KalanKutusu_->setText(turkce::tutarBiçimi(d.kalan()));
}

void StokHareketleriFormu::GirişÇıkışSeçeneği_Click(int)
{
    ÜrünListesi_Click();
    StoğaİadeEtDüğmesi_->setEnabled(çıkışlarGösteriliyor());
}

void StokHareketleriFormu::ListeyiYenileDüğmesi_Click()
{
    ÜrünListesi_->temizle();
    if (liste()->satırSayısı() > 0) {
        liste()->temizle();
        toplamlarıBoşalt();
    }
    ürünListesiniDoldur();
}

bool StokHareketleriFormu::satırıAl()
{
    const int satır = liste()->seçiliSatır();
    if (satır < 0) return false;
    SeçiliSıra = satır + 1;
    SeçiliHareketNo = int(liste()->satırDeğeri(satır));
    return true;
}

bool StokHareketleriFormu::iadeVarMı() const
{
    return AçıkVeritabanı && hareket::iadeVarMı(*AçıkVeritabanı, SeçiliHareketNo);
}

std::optional<SeçiliHareket> StokHareketleriFormu::seçiliHareket() const
{
    const int satır = liste()->seçiliSatır();
    if (satır < 0) return std::nullopt;
    SeçiliHareket h;
    h.giriş = !çıkışlarGösteriliyor();
    h.hareketNo = int(liste()->satırDeğeri(satır));
    h.sıra = satır + 1;
    h.ürünNo = int(ÜrünListesi_->seçiliNumara());
    h.ürünAdı = ÜrünListesi_->metin(ÜrünListesi_->seçiliSatır());
    h.firmaAdı = liste()->hücre(satır, Firması);
    // The firm by its number, as the movement has it now (two firms may share a name). When the movement
    // has gone to a firm of another name since the list was read, no firm matches what the row shows, and
    // a change or delete finds the movement changed.
    if (AçıkVeritabanı) {
        HatayıAtla([&] {
            auto s = AçıkVeritabanı->prepare(
                h.giriş ? QStringLiteral("SELECT H.FirmaNo, F.Adi FROM GirisIslemleriTablosu AS H "
                                         "LEFT JOIN SaticiFirmalarTablosu AS F ON F.Nosu = H.FirmaNo WHERE H.HareketNo = ?1")
                        : QStringLiteral("SELECT H.FirmaNo, F.Adi FROM CikisIslemleriTablosu AS H "
                                         "LEFT JOIN AliciFirmalarTablosu AS F ON F.Nosu = H.FirmaNo WHERE H.HareketNo = ?1"));
            s.bind(1, h.hareketNo);
            if (s.next() && s.text(1) == h.firmaAdı) h.firmaNo = int(s.integer(0));
        });
    }
    h.tarihMetni = liste()->hücre(satır, Tarihi);
    h.tarih = QDate::fromString(h.tarihMetni.left(10), QStringLiteral("dd.MM.yyyy"));
    h.miktar = liste()->hücreDeğeri(satır, Miktarı).sayı();
    h.fiyat = liste()->hücreDeğeri(satır, Fiyatı).sayı();
    bool tamam = false;
    const int neden = liste()->hücre(satır, Nedeni).toInt(&tamam);
    h.nedeni = tamam ? neden : -1;
    h.girişToplamı = turkce::sayıOku(GirişToplamıKutusu_->text());
    h.çıkışToplamı = turkce::sayıOku(ÇıkışToplamıKutusu_->text());
    return h;
}

void StokHareketleriFormu::satırıYenidenSeç(bool görünürYap)
{
    const int n = liste()->satırSayısı();
    if (n == 0) return;
    const int sıra = SeçiliSıra > n ? SeçiliSıra - 1 : SeçiliSıra;
    liste()->satırıSeç(sıra - 1);
    if (görünürYap && sıra >= 1) liste()->scrollTo(liste()->model()->index(sıra - 1, 0));
}

double StokHareketleriFormu::diğerHareketlerToplamı(const QLineEdit* toplamKutusu) const
{
    return turkce::sayıOku(toplamKutusu->text()) - turkce::sayıOku(liste()->hücre(SeçiliSıra - 1, Miktarı));
}

void StokHareketleriFormu::DeğişiklikYapDüğmesi_Click()
{
    if (!satırıAl()) return;
    if (!çıkışlarGösteriliyor()) {
        DiğerHareketlerToplamı = diğerHareketlerToplamı(GirişToplamıKutusu_);
        StokGirişiDeğiştirFormu pencere(this, *this);
        pencere.exec();
        return;
    }
    bool iade = false;
    HatayıAtla([&] { iade = iadeVarMı(); });
    if (iade
        && mesaj::göster(metin::İadeVarDeğiştirilsinMi, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır)
        return;
    DiğerHareketlerToplamı = diğerHareketlerToplamı(ÇıkışToplamıKutusu_);
    StokÇıkışıDeğiştirFormu pencere(this, *this);
    pencere.exec();
}

void StokHareketleriFormu::SilDüğmesi_Click()
{
    if (!satırıAl()) return;
    const bool çıkış = çıkışlarGösteriliyor();
    try {
        if (çıkış && iadeVarMı()) {
            mesaj::göster(metin::İadeVarSilinemez, mesaj::Simge::Kritik, mesaj::Düğmeler::Tamam);
            return;
        }
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);
    }
    if (mesaj::göster(metin::SilinsinMi, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır) == mesaj::Yanıt::Hayır) return;
    if (!çıkış) DiğerHareketlerToplamı = diğerHareketlerToplamı(GirişToplamıKutusu_);
    // The row as the list shows it: a movement changed on another workstation meanwhile is not deleted.
    std::optional<hareket::GörülenHareket> görülen;
    if (const auto h = seçiliHareket()) görülen = h->görülen();
    try {
        switch (çıkış ? çıkışıSil(*AçıkVeritabanı, SeçiliHareketNo, görülen)
                      : girişiSil(*AçıkVeritabanı, SeçiliHareketNo, görülen)) {
        case Sonuç::StokEksiyeDüşer:
            mesaj::göster(metin::SilmeStokEksi, mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
            return;
        case Sonuç::İadeVar:
            mesaj::göster(metin::İadeVarSilinemez, mesaj::Simge::Kritik, mesaj::Düğmeler::Tamam);
            return;
        case Sonuç::Silinmiş:
            mesaj::göster(metin::HareketSilinmiş, mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
            break;
        case Sonuç::Değişmiş:
            mesaj::göster(metin::HareketDeğişmiş, mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);  // nothing was deleted; the list is read again all the same
    }
    ÜrünListesi_Click();
    satırıYenidenSeç(false);
}

void StokHareketleriFormu::StoğaİadeEtDüğmesi_Click()
{
    if (!çıkışlarGösteriliyor() || !satırıAl()) return;
    StoğaİadeEtFormu pencere(this, *this);
    pencere.İadeTarihiKutusu()->setDate(QDate::currentDate());
    pencere.exec();
}

ListeAktarımTablosu StokHareketleriFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = QStringLiteral("Stok Hareketleri");
    t.başlık = ÜrünListesi_->metin(ÜrünListesi_->seçiliSatır()) + QStringLiteral(" Adlı Ürünün ")
               + (çıkışlarGösteriliyor() ? QStringLiteral("Çıkış") : QStringLiteral("Giriş"))
               + QStringLiteral(" Hareketleri");
    t.başlıkSütunSayısı = 7;
    // Columns 2 to 8: neither the movement number nor the reason code; the date as the list shows it.
    // The numbers go in as plain numbers, in the sheet's general format.
    using T = AktarımSütunu::Tür;
    t.sütunlar = {{Firması, T::Metin, {}}, {Tarihi, T::Metin, {}}, {Miktarı, T::Sayı, {}}, {Birimi, T::Metin, {}},
                  {KDV, T::Sayı, {}},      {Fiyatı, T::Sayı, {}},  {Tutarı, T::Sayı, {}}};
    return t;
}
