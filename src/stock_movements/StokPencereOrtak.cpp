#include "stock_movements/StokPencereOrtak.h"

#include "core/AlanGirisiKurallari.h"
#include "core/ExcelAktarimi.h"
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/SiraliListe.h"
#include "platform/Mesaj.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace stok {

void hatayıBildir(const std::exception& hata) { OrtakHataİşleyici(hata); }

std::optional<int> seçiliKayıt(const SıralıListeKutusu* liste)
{
    if (liste->seçiliNumara() < 0) return std::nullopt;
    return int(liste->seçiliNumara());
}

// --- HareketPenceresi ----------------------------------------------------------------------------------

template <class Satır>
HareketPenceresi<Satır>::HareketPenceresi(QWidget* sahip, const Tanım& tanım) : QDialog(sahip), tanım_(tanım)
{
    // The choice and entry controls.
    Çerçeve0_ = new QGroupBox(tanım.seçimÇerçevesi, this);
    Çerçeve0_->setObjectName(QStringLiteral("Çerçeve(0)"));
    FirmaListesi_ = new SıralıListeKutusu(Çerçeve0_);
    FirmaListesi_->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaBulKutusu_ = new QLineEdit(Çerçeve0_);
    FirmaBulKutusu_->setObjectName(QStringLiteral("FirmaBulKutusu"));
    ÜrünListesi_ = new SıralıListeKutusu(Çerçeve0_);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu_ = new QLineEdit(Çerçeve0_);
    ÜrünBulKutusu_->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    KalanKutusu_ = göstergeKutusu(Çerçeve0_, QStringLiteral("KalanKutusu"));
    kişiKutusu_ = new QComboBox(Çerçeve0_);
    kişiKutusu_->setObjectName(tanım.kişiKutusu);
    kişiKutusu_->setEditable(true);
    kişiKutusu_->setInsertPolicy(QComboBox::NoInsert);
    kişiKutusu_->setCompleter(nullptr);
    tarihAltlığı_ = altlıkYap(Çerçeve0_, tanım.tarihAltlığı);
    TarihiKutusu_ = tarihKutusu(tarihAltlığı_);
    MiktarıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("MiktarıKutusu"));
    FiyatıKutusu_ = tutarKutusu(Çerçeve0_, QStringLiteral("FiyatıKutusu"));
    ListeyeEkleDüğmesi_ = düğmeYap(Çerçeve0_, QStringLiteral("ListeyeEkleDüğmesi"), QStringLiteral("Listeye &Ekle"));

    // The working list.
    Çerçeve1_ = new QGroupBox(tanım.listeÇerçevesi, this);
    Çerçeve1_->setObjectName(QStringLiteral("Çerçeve(1)"));
    liste_ = new ListeGörünümü(Çerçeve1_);
    liste_->setObjectName(tanım.liste);
    kaydetDüğmesi_ = düğmeYap(Çerçeve1_, tanım.kaydetDüğmesi, tanım.kaydetMetni);
    ÜrünüListedenÇıkarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ÜrünüListedenÇıkarDüğmesi"),
                                          QStringLiteral("&Seçili Ürünü Listeden Çıkar"));
    ListeyiTemizleDüğmesi_ =
        düğmeYap(Çerçeve1_, QStringLiteral("ListeyiTemizleDüğmesi"), QStringLiteral("Listeyi Temi&zle"));
    ListeyiExceleAktarDüğmesi_ = düğmeYap(Çerçeve1_, QStringLiteral("ListeyiExceleAktarDüğmesi"),
                                          QStringLiteral("Listeyi Microsoft E&xcel'e Aktar"));
    KapatDüğmesi_ = düğmeYap(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
}

template <class Satır>
HareketPenceresi<Satır>::~HareketPenceresi() = default;

template <class Satır>
QList<QPushButton*> HareketPenceresi<Satır>::listeDüğmeleri() const
{
    return {kaydetDüğmesi_, ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_, ListeyiExceleAktarDüğmesi_};
}

template <class Satır>
void HareketPenceresi<Satır>::kur(const QList<QPair<QLabel*, QWidget*>>& alanlar, const QList<QWidget*>& girdiler,
                                  QLayout* listeAltı)
{
    // --- Layout --------------------------------------------------------------------------------------
    auto* alanDüzeni = new QGridLayout;
    int sıra = 0;
    for (const auto& [etiket, kutu] : alanlar) {
        if (etiket) alanDüzeni->addWidget(etiket, sıra, 0, Qt::AlignRight);
        alanDüzeni->addWidget(kutu, sıra++, 1);
    }
    alanDüzeni->addWidget(ListeyeEkleDüğmesi_, sıra, 1);
    alanDüzeni->setRowStretch(sıra + 1, 1);
    auto* üstDüzen = new QHBoxLayout(Çerçeve0_);
    üstDüzen->addLayout(listeSütunu(Etiket_[0], FirmaListesi_, Etiket_[1], FirmaBulKutusu_), 3);
    üstDüzen->addLayout(listeSütunu(Etiket_[2], ÜrünListesi_, Etiket_[3], ÜrünBulKutusu_), 3);
    üstDüzen->addLayout(alanDüzeni, 3);
    FirmaListesi_->setMinimumHeight(150);

    auto* düğmeSırası = new QHBoxLayout;
    for (QPushButton* d : listeDüğmeleri()) düğmeSırası->addWidget(d);
    auto* altDüzen = new QVBoxLayout(Çerçeve1_);
    altDüzen->addWidget(liste_, 1);
    if (listeAltı) altDüzen->addLayout(listeAltı);
    altDüzen->addLayout(düğmeSırası);

    auto* kapatSırası = new QHBoxLayout;
    kapatSırası->addStretch(1);
    kapatSırası->addWidget(KapatDüğmesi_);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(Çerçeve0_, 5);
    düzen->addWidget(Çerçeve1_, 6);
    düzen->addLayout(kapatSırası);
    boyutuAyarla(this, tanım_.boyut.width(), tanım_.boyut.height());

    // --- Focus order and box behaviours --------------------------------------------------------------
    const QList<QWidget*> sekmeSırası = QList<QWidget*>{FirmaListesi_, FirmaBulKutusu_, ÜrünListesi_, ÜrünBulKutusu_}
                                        + girdiler
                                        + QList<QWidget*>{ListeyeEkleDüğmesi_, liste_, kaydetDüğmesi_,
                                                          ÜrünüListedenÇıkarDüğmesi_, ListeyiTemizleDüğmesi_,
                                                          ListeyiExceleAktarDüğmesi_, KapatDüğmesi_};
    for (int i = 1; i < sekmeSırası.size(); ++i) setTabOrder(sekmeSırası[i - 1], sekmeSırası[i]);
    kutuKurallarınıUygula({FirmaListesi_, Etiket_[0], FirmaBulKutusu_, Etiket_[1], ÜrünListesi_, Etiket_[2],
                           ÜrünBulKutusu_, Etiket_[3], TarihiKutusu_, Etiket_[9], MiktarıKutusu_, Etiket_[10],
                           FiyatıKutusu_, Etiket_[11]});
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(kişiKutusu_, K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::TürkçeBüyükHarf,
                                Etiket_[8]);

    // --- Events --------------------------------------------------------------------------------------
    connect(ÜrünListesi_, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    connect(ListeyeEkleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
    connect(kaydetDüğmesi_, &QPushButton::clicked, this, [this] { listeyiKaydet(); });
    connect(ÜrünüListedenÇıkarDüğmesi_, &QPushButton::clicked, this, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(ListeyiTemizleDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiTemizleDüğmesi_Click(); });
    connect(ListeyiExceleAktarDüğmesi_, &QPushButton::clicked, this, [this] { ListeyiExceleAktarDüğmesi_Click(); });
    çiftTıklamada(liste_, [this] { ÜrünüListedenÇıkarDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { reject(); });

    liste_->sütunlarıKur(*tanım_.sütunlar);
    liste_->düzeniOku(tanım_.düzenBölümü);
    listeleriDoldur();
    TarihiKutusu_->setDate(QDate::currentDate());
}

template <class Satır>
void HareketPenceresi<Satır>::listeleriDoldur()
{
    if (!AçıkVeritabanı) return;
    auto girdiler = [](const QList<AdNo>& liste) {
        QList<ListeGirdisi> g;
        g.reserve(liste.size());
        for (const AdNo& a : liste) g.append({a.ad, a.no});
        return g;
    };
    try {
        ÜrünListesi_->doldur(girdiler(ürünler(*AçıkVeritabanı)));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    try {
        FirmaListesi_->doldur(girdiler(tanım_.firmalar(*AçıkVeritabanı)));
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    try {
        for (const AdNo& k : kişiler(*AçıkVeritabanı)) kişiKutusu_->addItem(k.ad, k.no);
    } catch (const std::exception& e) {
        hatayıBildir(e);
    }
    kişiKutusu_->setCurrentIndex(-1);
    kişiKutusu_->setEditText(QString());
}

template <class Satır>
bool HareketPenceresi<Satır>::reddedildi(const std::optional<Ret>& ret)
{
    if (!ret) return false;
    mesaj::göster(ret->metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam);
    if (ret->stokMiktaraYazılsın) MiktarıKutusu_->setText(KalanKutusu_->text());
    odakla(ret->odak);
    return true;
}

template <class Satır>
std::optional<int> HareketPenceresi<Satır>::kişiNumarası()
{
    const QString kişi = kişiKutusu_->currentText().trimmed();
    if (kişi.isEmpty()) return 0;
    const int sıra = AlanGirişiKuralları::listedeTamBul(kişiKutusu_, kişi);
    if (sıra >= 0) return kişiKutusu_->itemData(sıra).toInt();
    int no = 0;
    try {
        no = kişiEkle(*AçıkVeritabanı, kişi);
    } catch (const std::exception& e) {
        hatayıBildir(e);
        return std::nullopt;
    }
    kişiKutusu_->addItem(kişi, no);
    kişiKutusu_->setCurrentIndex(kişiKutusu_->count() - 1);
    return no;
}

template <class Satır>
void HareketPenceresi<Satır>::satırıEkle(const Satır& satır)
{
    const qint64 no = ++sonSatırNo_;
    satırlar_.insert(no, satır);
    liste_->satırEkle(sütunDeğerleri(satır), no);
    satırlarDeğişti();
    seçimiKaldır(ÜrünListesi_);
    MiktarıKutusu_->clear();
    FiyatıKutusu_->clear();
    listeDurumu();
    ÜrünListesi_->setFocus();
}

template <class Satır>
QList<Satır> HareketPenceresi<Satır>::satırlar() const
{
    QList<Satır> liste;
    const int n = liste_->satırSayısı();
    liste.reserve(n);
    for (int i = 0; i < n; ++i) liste.append(satırlar_.value(liste_->satırDeğeri(i)));
    return liste;
}

template <class Satır>
void HareketPenceresi<Satır>::listeyiKaydet()
{
    const QList<Satır> liste = satırlar();
    if (liste.isEmpty()) return;
    try {
        if (const auto ret = tanım_.kaydet(*AçıkVeritabanı, liste)) {
            liste_->satırıSeç(ret->satır);
            mesaj::göster(ret->metin,
                          ret->neden == KayıtRet::Neden::Silinmiş ? mesaj::Simge::Ünlem : mesaj::Simge::Bilgi,
                          mesaj::Düğmeler::Tamam);
            return;
        }
    } catch (const std::exception& e) {
        hatayıBildir(e);  // nothing was written; the list stays for another try
        return;
    }
    ListeyiTemizleDüğmesi_Click();
}

template <class Satır>
void HareketPenceresi<Satır>::ÜrünüListedenÇıkarDüğmesi_Click()
{
    const int satır = liste_->seçiliSatır();
    if (satır < 0) return;
    SeçiliSıra = satır + 1;
    satırlar_.remove(liste_->satırDeğeri(satır));
    liste_->satırSil(satır);
    if (liste_->satırSayısı() == 0) {
        listeDurumu();
    } else {
        liste_->satırıSeç(SeçiliSıra > 1 ? SeçiliSıra - 2 : 0);
        liste_->setFocus();
    }
    satırlarDeğişti();
}

template <class Satır>
void HareketPenceresi<Satır>::ListeyiTemizleDüğmesi_Click()
{
    liste_->temizle();
    satırlar_.clear();
    listeDurumu();
    listeTemizlendi();
}

template <class Satır>
void HareketPenceresi<Satır>::ListeyiExceleAktarDüğmesi_Click()
{
    ExcelAktarmayıBaşlat(this, tanım_.excelGörevi, liste_->satırSayısı(),
                         [this](QProgressBar& çubuk) { MSExceleAktar(çubuk); });
}

template <class Satır>
void HareketPenceresi<Satır>::MSExceleAktar(QProgressBar& çubuk)
{
    ListeyiExceleAktar(çubuk, tanım_.excelTablosu(*liste_));
}

template <class Satır>
void HareketPenceresi<Satır>::listeDurumu()
{
    const bool dolu = liste_->satırSayısı() > 0;
    Çerçeve1_->setEnabled(dolu);
    for (QPushButton* d : listeDüğmeleri()) d->setEnabled(dolu);
}

template <class Satır>
void HareketPenceresi<Satır>::odakla(Alan alan)
{
    switch (alan) {
    case Alan::FirmaListesi: FirmaListesi_->setFocus(); break;
    case Alan::ÜrünListesi: ÜrünListesi_->setFocus(); break;
    case Alan::TarihiKutusu: TarihiKutusu_->setFocus(); break;
    case Alan::MiktarıKutusu: MiktarıKutusu_->setFocus(); break;
    case Alan::FiyatıKutusu: FiyatıKutusu_->setFocus(); break;
    default: break;
    }
}

template <class Satır>
bool HareketPenceresi<Satır>::kapanabilirMi()
{
    if (liste_->satırSayısı() > 0
        && mesaj::göster(tanım_.kapanışUyarısı, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır) == mesaj::Yanıt::Hayır)
        return false;
    liste_->düzeniYaz(tanım_.düzenBölümü);
    ayarlarıYaz();
    return true;
}

template <class Satır>
void HareketPenceresi<Satır>::reject()
{
    if (kapanabilirMi()) QDialog::reject();
}

template class HareketPenceresi<GirişSatırı>;
template class HareketPenceresi<ÇıkışSatırı>;

}  // namespace stok
