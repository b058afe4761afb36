#include "movement_history/StogaIadeEtFormu.h"

#include "core/AlanGirisiKurallari.h"
#include "core/IadeTablosu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/StokPencereYardimcilari.h"
#include "movement_history/HareketIslemleri.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace hareket;

StoğaİadeEtFormu::StoğaİadeEtFormu(QWidget* sahip, HareketGeçmişi& geçmiş) : QDialog(sahip), geçmiş_(geçmiş)
{
    setObjectName(QStringLiteral("StoğaİadeEtFormu"));
    setWindowTitle(QStringLiteral("Çıkışı Stoğa İade Et"));
    setWindowIcon(QIcon(QStringLiteral(":/HAREKET.png")));
    if (auto s = geçmiş_.seçiliHareket()) satır_ = *s;

    Altlık_ = stok::altlıkYap(this, QStringLiteral("Altlık"));
    Çerçeve_ = new QGroupBox(QStringLiteral("İade Bilgileri "), Altlık_);
    Çerçeve_->setObjectName(QStringLiteral("Çerçeve"));
    auto* tarihAltlığı = stok::altlıkYap(Çerçeve_, QStringLiteral("TarihAltlığı"));
    İadeTarihiKutusu_ = stok::tarihKutusu(tarihAltlığı);
    İadeTarihiKutusu_->setObjectName(QStringLiteral("İadeTarihiKutusu"));
    İadeMiktarıKutusu_ = stok::tutarKutusu(Çerçeve_, QStringLiteral("İadeMiktarıKutusu"));
    İadeEtDüğmesi_ = stok::düğmeYap(Altlık_, QStringLiteral("İadeEtDüğmesi"), QStringLiteral("Stoğa İade Et"));
    KapatDüğmesi_ = stok::düğmeYap(Altlık_, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Etiket_ = {stok::etiketYap(Çerçeve_, 0, QStringLiteral("İade &Tarihi :"), İadeTarihiKutusu_),
               stok::etiketYap(Çerçeve_, 1, QStringLiteral("İade &Miktarı :"), İadeMiktarıKutusu_)};

    auto* alanlar = new QGridLayout(Çerçeve_);
    alanlar->addWidget(Etiket_[0], 0, 0, Qt::AlignRight);
    alanlar->addWidget(tarihAltlığı, 0, 1);
    alanlar->addWidget(Etiket_[1], 1, 0, Qt::AlignRight);
    alanlar->addWidget(İadeMiktarıKutusu_, 1, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch(1);
    düğmeler->addWidget(İadeEtDüğmesi_);
    düğmeler->addWidget(KapatDüğmesi_);
    auto* altlıkDüzeni = new QVBoxLayout;
    altlıkDüzeni->addWidget(Çerçeve_);
    altlıkDüzeni->addLayout(düğmeler);
    delete Altlık_->layout();
    Altlık_->setLayout(altlıkDüzeni);
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    düzen->addWidget(Altlık_);
    stok::boyutuAyarla(this, 300, 150);

    setTabOrder(İadeTarihiKutusu_, İadeMiktarıKutusu_);
    setTabOrder(İadeMiktarıKutusu_, İadeEtDüğmesi_);
    setTabOrder(İadeEtDüğmesi_, KapatDüğmesi_);
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(İadeTarihiKutusu_, K::EtiketVurgusu, Etiket_[0]);
    AlanGirişiKuralları::uygula(İadeMiktarıKutusu_,
                                K::TümünüSeç | K::EtiketVurgusu | K::EnterİleSonrakiAlan | K::SayıTuşSüzgeci
                                    | K::SayıOlmayanıSil | K::TutarBiçimi,
                                Etiket_[1]);
    connect(İadeEtDüğmesi_, &QPushButton::clicked, this, [this] { İadeEtDüğmesi_Click(); });
    connect(KapatDüğmesi_, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
    İadeTarihiKutusu_->setDate(QDate::currentDate());
}

StoğaİadeEtFormu::~StoğaİadeEtFormu() = default;

bool StoğaİadeEtFormu::TabloVar() { return ::TabloVar(); }

void StoğaİadeEtFormu::İadeEtDüğmesi_Click()
{
    auto reddet = [](const QString& metin, QWidget* odak) {
        mesaj::göster(metin, mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam);
        odak->setFocus();
    };
    if (!İadeTarihiKutusu_->date().isValid()) return reddet(metin::İadeTarihiGiriniz, İadeTarihiKutusu_);
    const QString miktarMetni = İadeMiktarıKutusu_->text();
    if (!sıfırdanBüyükMü(miktarMetni)) return reddet(metin::İadeMiktarıGiriniz, İadeMiktarıKutusu_);
    const double iade = turkce::sayıOku(miktarMetni);
    if (yüzdelik::stokYüzdeliği(iade) > yüzdelik::stokYüzdeliği(satır_.miktar)) return reddet(metin::İadeÇıkıştanFazla, İadeMiktarıKutusu_);

    // The table is made before the kind of the return is known, also when a whole return is declined.
    if (!TabloVar()) {
        try {
            İadeTablosunuOluştur(*AçıkVeritabanı);
        } catch (const std::exception& e) {
            OrtakHataİşleyici(e);
        }
    }
    const bool tümü = yüzdelik::stokYüzdeliği(iade) == yüzdelik::stokYüzdeliği(satır_.miktar);
    if (tümü
        && mesaj::göster(metin::TümüİadeEdilsinMi, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır)
               == mesaj::Yanıt::Hayır) {
        İadeMiktarıKutusu_->setFocus();
        return;
    }
    try {
        const Sonuç sonuç =
            stoğaİadeEt(*AçıkVeritabanı, SeçiliHareketNo, satır_.görülen(), İadeTarihiKutusu_->date(), iade, tümü);
        if (sonuç == Sonuç::TarihGeçersiz) return reddet(metin::İadeTarihiGiriniz, İadeTarihiKutusu_);
        if (sonuç == Sonuç::MiktarGeçersiz) return reddet(metin::İadeMiktarıGiriniz, İadeMiktarıKutusu_);
        if (sonuç == Sonuç::Silinmiş || sonuç == Sonuç::Değişmiş)
            mesaj::göster(sonuç == Sonuç::Silinmiş ? metin::HareketSilinmiş : metin::HareketDeğişmiş,
                          mesaj::Simge::Ünlem, mesaj::Düğmeler::Tamam);
    } catch (const std::exception& e) {
        OrtakHataİşleyici(e);  // nothing was written
    }
    yenileVeKapat();
}

void StoğaİadeEtFormu::yenileVeKapat()
{
    geçmiş_.ÜrünListesi_Click();
    geçmiş_.satırıYenidenSeç(false);
    accept();
}
