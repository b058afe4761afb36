#include "movement_history/DegistirPenceresi.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/StokKurallari.h"
#include "core/StokPencereYardimcilari.h"
#include "core/StokSorgulari.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hareket {

DeğiştirPenceresi::DeğiştirPenceresi(QWidget* sahip, HareketGeçmişi& geçmiş, const QString& çerçeveBaşlığı)
    : QDialog(sahip), geçmiş_(geçmiş)
{
    setWindowIcon(QIcon(QStringLiteral(":/HAREKET.png")));
    Altlık_ = new QWidget(this);
    Altlık_->setObjectName(QStringLiteral("Altlık"));
    Altlık_->setAutoFillBackground(true);
    Altlık_->setBackgroundRole(QPalette::Window);
    Çerçeve_ = new QGroupBox(çerçeveBaşlığı, Altlık_);
    Çerçeve_->setObjectName(QStringLiteral("Çerçeve"));
    FirmaListesi_ = new SıralıListeKutusu(Çerçeve_);
    FirmaListesi_->setObjectName(QStringLiteral("FirmaListesi"));
    FirmaBulKutusu_ = new QLineEdit(Çerçeve_);
    FirmaBulKutusu_->setObjectName(QStringLiteral("FirmaBulKutusu"));
    ÜrünListesi_ = new SıralıListeKutusu(Çerçeve_);
    ÜrünListesi_->setObjectName(QStringLiteral("ÜrünListesi"));
    ÜrünBulKutusu_ = new QLineEdit(Çerçeve_);
    ÜrünBulKutusu_->setObjectName(QStringLiteral("ÜrünBulKutusu"));
    KalanKutusu_ = stok::göstergeKutusu(Çerçeve_, QStringLiteral("KalanKutusu"));
    QFont kalın = KalanKutusu_->font();
    kalın.setBold(true);
    KalanKutusu_->setFont(kalın);
    tarihAltlığı_ = stok::altlıkYap(Çerçeve_, QStringLiteral("TarihAltlığı"));
    TarihiKutusu_ = stok::tarihKutusu(tarihAltlığı_);
    MiktarıKutusu_ = stok::tutarKutusu(Çerçeve_, QStringLiteral("MiktarıKutusu"));
    FiyatıKutusu_ = stok::tutarKutusu(Çerçeve_, QStringLiteral("FiyatıKutusu"));
    KaydetDüğmesi_ = stok::düğmeYap(Altlık_, QStringLiteral("KaydetDüğmesi"), QStringLiteral("Kaydet"));
    KapatDüğmesi_ = stok::düğmeYap(Altlık_, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    KaydetDüğmesi_->setEnabled(false);
    if (auto s = geçmiş_.seçiliHareket()) satır_ = *s;
}

DeğiştirPenceresi::~DeğiştirPenceresi() = default;

void DeğiştirPenceresi::kur(const QList<QPair<QLabel*, QWidget*>>& alanlar, const QList<QWidget*>& girdiler,
                            const QList<QWidget*>& etkinleştirenler)
{
    auto* alanDüzeni = new QGridLayout;
    int sıra = 0;
    for (const auto& [etiket, kutu] : alanlar) {
        alanDüzeni->addWidget(etiket, sıra, 0, Qt::AlignRight);
        alanDüzeni->addWidget(kutu, sıra++, 1);
    }
    alanDüzeni->setRowStretch(sıra, 1);
    auto* çerçeveDüzeni = new QHBoxLayout(Çerçeve_);
    çerçeveDüzeni->addLayout(stok::listeSütunu(Etiket_[0], FirmaListesi_, Etiket_[1], FirmaBulKutusu_), 3);
    çerçeveDüzeni->addLayout(stok::listeSütunu(Etiket_[2], ÜrünListesi_, Etiket_[3], ÜrünBulKutusu_), 3);
    çerçeveDüzeni->addLayout(alanDüzeni, 2);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch(1);
    düğmeler->addWidget(KaydetDüğmesi_);
    düğmeler->addWidget(KapatDüğmesi_);
    auto* altlıkDüzeni = new QVBoxLayout(Altlık_);
    altlıkDüzeni->addWidget(Çerçeve_, 1);
    altlıkDüzeni->addLayout(düğmeler);
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    düzen->addWidget(Altlık_);
    FirmaListesi_->setMinimumHeight(220);
    stok::boyutuAyarla(this, 720, 360);

    const QList<QWidget*> sekmeSırası = QList<QWidget*>{FirmaListesi_, FirmaBulKutusu_, ÜrünListesi_, ÜrünBulKutusu_}
                                        + girdiler + QList<QWidget*>{KaydetDüğmesi_, KapatDüğmesi_};
    for (int i = 1; i < sekmeSırası.size(); ++i) setTabOrder(sekmeSırası[i - 1], sekmeSırası[i]);
    stok::kutuKurallarınıUygula({FirmaListesi_, Etiket_[0], FirmaBulKutusu_, Etiket_[1], ÜrünListesi_, Etiket_[2],
                                 ÜrünBulKutusu_, Etiket_[3], TarihiKutusu_, Etiket_[8], MiktarıKutusu_, Etiket_[9],
                                 FiyatıKutusu_, Etiket_[10]});
    for (QWidget* k : etkinleştirenler) AlanGirişiKuralları::kaydetDüğmesiniEtkinleştir(k, KaydetDüğmesi_);

    // A firm other than the row's, however chosen, enables the save.
    connect(FirmaListesi_, &QListWidget::currentRowChanged, this, [this](int) {
        if (!KaydetDüğmesi_->isEnabled() && FirmaListesi_->seçiliNumara() != satır_.firmaNo)
            KaydetDüğmesi_->setEnabled(true);
    });
    connect(ÜrünListesi_, &QListWidget::currentRowChanged, this, [this](int) { ÜrünListesi_Click(); });
    // A click on the product already chosen reads it again too (the entry window's price box gets its list
    // price back).
    connect(ÜrünListesi_, &QListWidget::itemClicked, this, [this](QListWidgetItem* öğe) {
        if (öğe == ÜrünListesi_->currentItem()) ÜrünListesi_Click();
    });
    connect(KaydetDüğmesi_, &QPushButton::clicked, this, [this] { KaydetDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });

    if (AçıkVeritabanı) {
        try {
            QList<ListeGirdisi> ürünler;
            for (const stok::AdNo& a : stok::ürünler(*AçıkVeritabanı)) ürünler.append({a.ad, a.no});
            ÜrünListesi_->doldur(ürünler);
        } catch (const std::exception& e) {
            OrtakHataİşleyici(e);
        }
        try {
            FirmaListesi_->doldur(firmalar());
        } catch (const std::exception& e) {
            OrtakHataİşleyici(e);
        }
    }

    // The fields from the history's row; none of them counts as the user's change.
    dolduruluyor_ = true;
    FirmaListesi_->numarayıSeç(satır_.firmaNo);
    ÜrünListesi_->numarayıSeç(satır_.ürünNo);
    if (ÜrünListesi_->seçiliSatır() >= 0) ÜrünListesi_->scrollToItem(ÜrünListesi_->currentItem());
    if (FirmaListesi_->seçiliSatır() >= 0) FirmaListesi_->scrollToItem(FirmaListesi_->currentItem());
    if (satır_.tarih.isValid()) TarihiKutusu_->setDate(satır_.tarih);
    MiktarıKutusu_->setText(turkce::tutarBiçimi(satır_.miktar));
    FiyatıKutusu_->setText(turkce::tutarBiçimi(satır_.fiyat));
    satırdanDoldur(satır_);
    dolduruluyor_ = false;
}

bool DeğiştirPenceresi::reddet(const QString& metin, QWidget* odak)
{
    mesaj::göster(metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam);
    if (odak) odak->setFocus();
    return false;
}

bool DeğiştirPenceresi::firmaDenetle()
{
    return FirmaListesi_->seçiliNumara() >= 0 || reddet(stok::metin::FirmaSeçiniz, FirmaListesi_);
}

bool DeğiştirPenceresi::ürünDenetle()
{
    return ÜrünListesi_->seçiliNumara() >= 0 || reddet(stok::metin::ÜrünSeçiniz, ÜrünListesi_);
}

bool DeğiştirPenceresi::tarihVeMiktarDenetle()
{
    if (!TarihiKutusu_->date().isValid()) return reddet(stok::metin::TarihGiriniz, TarihiKutusu_);
    if (!sıfırdanBüyükMü(MiktarıKutusu_->text())) return reddet(stok::metin::MiktarGiriniz, MiktarıKutusu_);
    return true;
}

void DeğiştirPenceresi::sonucuİşle(Sonuç sonuç, bool görünürYap)
{
    switch (sonuç) {
    case Sonuç::Tamam: yenileVeKapat(görünürYap); return;
    case Sonuç::StokEksiyeDüşer:
        mesaj::göster(metin::DeğişiklikStokEksi, mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
        return;
    case Sonuç::ÜrünYok: reddet(metin::ÜrünSilinmiş, ÜrünListesi_); return;
    case Sonuç::FirmaYok: reddet(metin::FirmaSilinmiş, FirmaListesi_); return;
    // What the window's own checks refuse, refused again by the save: the same messages.
    case Sonuç::TarihGeçersiz: reddet(stok::metin::TarihGiriniz, TarihiKutusu_); return;
    case Sonuç::MiktarGeçersiz: reddet(stok::metin::MiktarGiriniz, MiktarıKutusu_); return;
    case Sonuç::FiyatGeçersiz: reddet(stok::metin::FiyatGiriniz, FiyatıKutusu_); return;
    case Sonuç::NedenGeçersiz: reddet(stok::metin::NedenBelirtiniz, nedenKutusu()); return;
    case Sonuç::Silinmiş:
    case Sonuç::Değişmiş:
    case Sonuç::İadeVar:
        mesaj::göster(sonuç == Sonuç::Silinmiş ? metin::HareketSilinmiş : metin::HareketDeğişmiş, mesaj::Simge::Ünlem,
                      mesaj::Düğmeler::Tamam);
        yenileVeKapat(görünürYap);
        return;
    }
}

void DeğiştirPenceresi::hatayıİşle(const std::exception& hata, bool görünürYap)
{
    OrtakHataİşleyici(hata);
    yenileVeKapat(görünürYap);
}

void DeğiştirPenceresi::yenileVeKapat(bool görünürYap)
{
    geçmiş_.ÜrünListesi_Click();
    geçmiş_.satırıYenidenSeç(görünürYap);
    accept();
}

}  // namespace hareket
