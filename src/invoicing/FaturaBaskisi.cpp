#include "invoicing/FaturaBaskisi.h"

#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/YaziciSecmeFormu.h"
#include "invoicing/YaziTipiSecmeFormu.h"
#include "invoicing/YaziyaCevir.h"
#include "platform/Database.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "platform/Yazicilar.h"

#include <QAbstractButton>

#include <functional>

using yazdırma::Satır;
using yazdırma::YazıcıYüzeyi;

namespace fatura {

namespace {
// The product code stands at the same place on every invoice.
constexpr double KodSol = 15;
// Gaps below a line (mm).
constexpr double TarihAralığı = 4;
constexpr double AdresAralığı = 2;
constexpr double BaşlıkAralığı = 1;
constexpr double ToplamAralığı = 2;

// A line break inside an address word is printed as a blank.
QString tekSatır(QString metin)
{
    metin.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    metin.replace(QLatin1Char('\n'), QLatin1Char(' '));
    metin.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return metin;
}

void soldanYaz(YazıcıYüzeyi& s, double x, const QString& metin, Satır satır = Satır::Bitir)
{
    s.setX(x);
    s.yaz(metin, satır);
}

void sağdanYaz(YazıcıYüzeyi& s, double x, const QString& metin, Satır satır = Satır::Bitir)
{
    s.setX(x - s.metinGenişliği(metin));
    s.yaz(metin, satır);
}
}  // namespace

void adresiYaz(YazıcıYüzeyi& s, const QString& adres, double sol, double genişlik)
{
    using AlanGirişiKuralları::kırp;
    QString satır;
    QString kalan = adres;
    for (qsizetype boşluk = kalan.indexOf(QLatin1Char(' ')); boşluk >= 0; boşluk = kalan.indexOf(QLatin1Char(' '))) {
        QString sözcük = kalan.left(boşluk);
        kalan = kalan.mid(boşluk + 1);
        if (sözcük == QLatin1String("-")) sözcük.clear();
        // The line is measured before the word joins it.
        if (s.metinGenişliği(tekSatır(satır)) <= genişlik) {
            satır = kırp(satır) + QLatin1Char(' ') + kırp(sözcük);
        } else {
            soldanYaz(s, sol, tekSatır(satır));
            satır = kırp(sözcük);
        }
    }
    soldanYaz(s, sol, tekSatır(kırp(satır) + QLatin1Char(' ') + kırp(kalan)));
}

namespace {
// The customer and tax blocks, and the item lines from the current Y; shared by both prints. False when
// the lines do not fit above the bottom reserve.
void müşteriyiYaz(YazıcıYüzeyi& s, const FaturaVerisi& v, const FaturaDüzeni& d)
{
    s.setY(d[Konum::MüşteriÜst]);
    soldanYaz(s, d[Konum::MüşteriSol], QStringLiteral("SAYIN "), Satır::Sürdür);
    s.yaz(v.firmaAdı);
    s.setY(s.y() + AdresAralığı);
    adresiYaz(s, v.adresi, d[Konum::MüşteriSol], d[Konum::AdresGenişliği]);
}

void vergiBilgileriniYaz(YazıcıYüzeyi& s, const FaturaVerisi& v, const FaturaDüzeni& d)
{
    s.setY(d[Konum::VergiÜst]);
    soldanYaz(s, d[Konum::VergiSol], v.vergiDairesi);
    soldanYaz(s, d[Konum::VergiSol], v.vergiNumarası);
}

bool sığıyor(const YazıcıYüzeyi& s) { return s.sayfaYüksekliği() > s.y() + AltPay; }
}  // namespace

bool faturayıDiz(YazıcıYüzeyi& s, const FaturaVerisi& v, const EkFaturaBilgileri& ek, const QString& yazıyla,
                 const FaturaBaskıAyarları& a)
{
    const FaturaDüzeni& d = a.düzen;
    s.setYazıTipi(a.yazıTipi);
    auto kalın = [&](bool açık) { s.setKalın(açık); };

    // Dates: the delivery note's number and date, then the invoice date, each a line plus 4 mm apart.
    const double T = d[Konum::TarihÜst], L = d[Konum::TarihSol];
    s.setY(T);
    soldanYaz(s, L, ek.irsaliyeNo);
    s.setY(s.y() + TarihAralığı);
    soldanYaz(s, L, turkce::tarihBiçimi(ek.irsaliyeTarihi));
    s.setY(s.y() + TarihAralığı);
    soldanYaz(s, L, turkce::tarihBiçimi(v.tarih));
    if (a.boşKağıt) {
        kalın(true);
        s.setY(T);
        soldanYaz(s, L - 21, QStringLiteral("İrsaliye No :"));
        s.setY(s.y() + TarihAralığı);
        soldanYaz(s, L - 25, QStringLiteral("İrsaliye Tarihi :"));
        s.setY(s.y() + TarihAralığı);
        soldanYaz(s, L - 24, QStringLiteral("Fatura Tarihi :"));
        kalın(false);
    }

    müşteriyiYaz(s, v, d);

    if (a.boşKağıt) {
        kalın(true);
        s.setY(d[Konum::VergiÜst]);
        soldanYaz(s, d[Konum::VergiSol] - 8, QStringLiteral("VD :"));
        soldanYaz(s, d[Konum::VergiSol] - 8, QStringLiteral("VN :"));
        kalın(false);
    }
    vergiBilgileriniYaz(s, v, d);

    s.setY(d[Konum::İçerikÜst]);
    if (a.boşKağıt) {
        kalın(true);
        s.setAltıÇizili(true);
        soldanYaz(s, KodSol, QStringLiteral("Kodu"), Satır::Sürdür);
        soldanYaz(s, d[Konum::AdıSol], QStringLiteral("Ürün Adı"), Satır::Sürdür);
        soldanYaz(s, d[Konum::MiktarSol], QStringLiteral("Miktarı"), Satır::Sürdür);
        sağdanYaz(s, d[Konum::FiyatSol], QStringLiteral("Fiyatı"), Satır::Sürdür);
        sağdanYaz(s, d[Konum::TutarSol], QStringLiteral("Tutarı"));
        s.setAltıÇizili(false);
        kalın(false);
        s.setY(s.y() + BaşlıkAralığı);
    }
    for (const FaturaSatırı& r : v.satırlar) {
        soldanYaz(s, KodSol, r.kodu, Satır::Sürdür);
        soldanYaz(s, d[Konum::AdıSol], r.adı, Satır::Sürdür);
        soldanYaz(s, d[Konum::MiktarSol], turkce::miktarBiçimi(r.miktarı, a.ondalıklıMiktar), Satır::Sürdür);
        sağdanYaz(s, d[Konum::FiyatSol], para::biçimle(r.fiyatı), Satır::Sürdür);
        sağdanYaz(s, d[Konum::TutarSol], para::biçimle(r.tutarı));
        if (!sığıyor(s)) return false;
    }

    const double RY = d[Konum::RakamÜst], RX = d[Konum::RakamSol];
    if (a.boşKağıt) {
        kalın(true);
        s.setY(RY);
        soldanYaz(s, RX - 45, QStringLiteral("Toplam"));
        s.setY(s.y() + ToplamAralığı);
        soldanYaz(s, RX - 45, QStringLiteral("KDV Toplamı"));
        s.setY(s.y() + ToplamAralığı);
        soldanYaz(s, RX - 45, QStringLiteral("Yekün"));
        kalın(false);
    }
    s.setY(RY);
    sağdanYaz(s, RX, para::biçimle(v.toplam));
    s.setY(s.y() + ToplamAralığı);
    sağdanYaz(s, RX, para::biçimle(v.kdvToplamı));
    s.setY(s.y() + ToplamAralığı);
    sağdanYaz(s, RX, para::biçimle(v.genelToplam));

    s.setY(d[Konum::YazıÜst]);
    soldanYaz(s, d[Konum::YazıSol], a.boşKağıt ? QStringLiteral("Yalnız ") + yazıyla : yazıyla);
    return true;
}

bool irsaliyeyiDiz(YazıcıYüzeyi& s, const FaturaVerisi& v, const EkİrsaliyeBilgileri& ek, const FaturaDüzeni& d,
                   bool ondalıklıMiktar)
{
    const double L = d[Konum::TarihSol];
    s.setY(d[Konum::TarihÜst]);
    soldanYaz(s, L, turkce::tarihBiçimi(ek.düzenlemeTarihi));
    s.setY(s.y() + TarihAralığı);
    soldanYaz(s, L, turkce::tarihBiçimi(ek.fiiliSevkTarihi));
    s.setY(s.y() + TarihAralığı);
    soldanYaz(s, L, ek.düzenlemeSaati.toString(QStringLiteral("HH:mm:ss")));

    müşteriyiYaz(s, v, d);
    vergiBilgileriniYaz(s, v, d);

    s.setY(d[Konum::İçerikÜst]);
    for (const FaturaSatırı& r : v.satırlar) {
        soldanYaz(s, KodSol, r.kodu, Satır::Sürdür);
        soldanYaz(s, d[Konum::AdıSol], r.adı, Satır::Sürdür);
        soldanYaz(s, d[Konum::MiktarSol], turkce::miktarBiçimi(r.miktarı, ondalıklıMiktar));
        if (!sığıyor(s)) return false;
    }
    return true;
}

void çıkışlarıFaturalandır(platform::Database& db, const QList<qint64>& hareketNolar)
{
    platform::Transaction t(db);
    platform::Statement işaretle = db.prepare(QStringLiteral("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE HareketNo = ?"));
    for (qint64 no : hareketNolar) {
        işaretle.reset();
        işaretle.bind(1, no);
        işaretle.exec();
    }
    t.commit();
}

namespace {
bool yazdırılabilir(const FaturaVerisi& v)
{
    if (v.satırlar.isEmpty()) return false;
    if (!YazıcıVar) {
        mesaj::göster(YazıcıYokMetni, mesaj::Simge::Ünlem);
        return false;
    }
    return true;
}

// The print button is disabled while a print runs and usable again whichever way it ends.
class DüğmeKilidi {
public:
    explicit DüğmeKilidi(QAbstractButton* düğme) : düğme_(düğme)
    {
        if (düğme_) düğme_->setEnabled(false);
    }
    ~DüğmeKilidi() { bırak(true); }
    void bırak(bool odak)
    {
        if (!düğme_) return;
        düğme_->setEnabled(true);
        if (odak) düğme_->setFocus(Qt::OtherFocusReason);
        düğme_ = nullptr;
    }

private:
    QAbstractButton* düğme_;
};

// Asks the printer, opens a document on it, lays it out and sends it. A layout that does not fit is
// dropped before anything goes out, with the critical message; an error of the printer goes to the
// common error reporter. True only when the document went out.
bool yazıcıyaGönder(QWidget* pencere, const QString& belgeAdı, const std::function<bool(YazıcıYüzeyi&)>& diz)
{
    if (!YazıcıSeçmeFormu::YazıcıSeçimi(pencere)) {
        YazdırmaİptalEdildi = false;
        return false;
    }
    try {
        std::unique_ptr<YazıcıYüzeyi> belge = yazdırma::belgeAç(belgeAdı);
        if (!diz(*belge)) {
            belge->vazgeç();
            mesaj::göster(SığmıyorMetni, mesaj::Simge::Kritik);
            return false;
        }
        belge->bitir();
        return true;
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
        return false;
    }
}

QString belgeAdı(const QString& tür, const FaturaVerisi& v)
{
    return tür + QStringLiteral(" - ") + v.firmaAdı + QStringLiteral(" - ") + turkce::tarihBiçimi(v.tarih);
}
}  // namespace

bool FaturaYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& v)
{
    if (!yazdırılabilir(v)) return false;
    DüğmeKilidi kilit(düğme);
    const std::optional<EkFaturaBilgileri> ek = EkFaturaBilgileriFormu::sor(pencere, v.tarih);
    if (!ek) return false;

    // The stored invoice font, read once a run unless the font window has filled it.
    if (FaturaYazıTipiAdı.isEmpty() && FaturaYazıTipiBoyutu == 0) FaturaYazıTipiniYükle();
    FaturaBaskıAyarları a;
    a.düzen = FaturaDüzeni::kayıtlı();
    a.yazıTipi.ad = FaturaYazıTipiAdı;
    a.yazıTipi.boyut = FaturaYazıTipiBoyutu;
    a.boşKağıt = FaturaBoşKağıdaGöre == 1;
    a.ondalıklıMiktar = OndalıklıMiktar == 1;
    const QString yazıyla = YazıyaÇevir(para::biçimle(v.genelToplam));
    if (!yazıcıyaGönder(pencere, belgeAdı(QStringLiteral("Fatura"), v),
                        [&](YazıcıYüzeyi& s) { return faturayıDiz(s, v, *ek, yazıyla, a); }))
        return false;

    // The page is out: its exits are invoiced now, all together.
    QList<qint64> hareketNolar;
    for (const FaturaSatırı& r : v.satırlar) hareketNolar.append(r.hareketNo);
    try {
        if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
        çıkışlarıFaturalandır(*AçıkVeritabanı, hareketNolar);
    } catch (const platform::DbError& hata) {
        mesaj::göster(İşaretlenemediMetni + QStringLiteral("\n\n") + hata.text(), mesaj::Simge::Kritik);
    }
    kilit.bırak(false);
    return true;
}

bool İrsaliyeYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& v)
{
    if (!yazdırılabilir(v)) return false;
    DüğmeKilidi kilit(düğme);
    const std::optional<EkİrsaliyeBilgileri> ek = EkİrsaliyeBilgileriFormu::sor(pencere);
    if (!ek) return false;
    const FaturaDüzeni düzen = FaturaDüzeni::kayıtlı();
    const bool ondalıklı = OndalıklıMiktar == 1;
    return yazıcıyaGönder(pencere, belgeAdı(QStringLiteral("İrsaliye"), v),
                          [&](YazıcıYüzeyi& s) { return irsaliyeyiDiz(s, v, *ek, düzen, ondalıklı); });
}

}  // namespace fatura
