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
#include "platform/YazdirmaSunucusu.h"
#include "platform/YaziciBelgesi.h"
#include "platform/Yazicilar.h"

#include <QAbstractButton>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

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

// Texts one under the other from y, each left at its x (ending at it when `sağa`), each next one a line
// plus `aralık` below the one before.
void altAltaYaz(YazıcıYüzeyi& s, double y, double aralık, const QList<std::pair<double, QString>>& metinler,
                bool sağa = false)
{
    s.setY(y);
    for (qsizetype i = 0; i < metinler.size(); ++i) {
        if (i > 0) s.setY(s.y() + aralık);
        if (sağa) sağdanYaz(s, metinler[i].first, metinler[i].second);
        else soldanYaz(s, metinler[i].first, metinler[i].second);
    }
}

// The customer block: "SAYIN " and the name, then the address 2 mm below. Both prints have it.
void müşteriyiYaz(YazıcıYüzeyi& s, const FaturaVerisi& v, const FaturaDüzeni& d)
{
    s.setY(d[Konum::MüşteriÜst]);
    soldanYaz(s, d[Konum::MüşteriSol], QStringLiteral("SAYIN "), Satır::Sürdür);
    s.yaz(v.firmaAdı);
    s.setY(s.y() + AdresAralığı);
    adresiYaz(s, v.adresi, d[Konum::MüşteriSol], d[Konum::AdresGenişliği]);
}

// The tax office and, below it, the tax number.
void vergiBilgileriniYaz(YazıcıYüzeyi& s, const FaturaVerisi& v, const FaturaDüzeni& d)
{
    const double x = d[Konum::VergiSol];
    altAltaYaz(s, d[Konum::VergiÜst], 0, {{x, v.vergiDairesi}, {x, v.vergiNumarası}});
}

// Two measures closer than this are one: a position summed from line heights does not cross a limit by
// the rounding of the sum.
constexpr double Eşlik = 1e-6;

// After an item line: the next one would still begin more than the bottom reserve above the page's end.
bool sığıyor(const YazıcıYüzeyi& s) { return s.sayfaYüksekliği() - (s.y() + AltPay) > Eşlik; }

// The lowest place an invoice's item lines may end at: the top of the totals in figures and of the total
// in words, each where it stands below the first item line; elsewhere only the page's end limits them.
double kalemSınırı(const FaturaDüzeni& d, double ilkSatır)
{
    double sınır = std::numeric_limits<double>::infinity();
    for (Konum k : {Konum::RakamÜst, Konum::YazıÜst})
        if (d[k] > ilkSatır) sınır = std::min(sınır, double(d[k]));
    return sınır;
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

bool faturayıDiz(YazıcıYüzeyi& s, const FaturaVerisi& v, const EkFaturaBilgileri& ek, const QString& yazıyla,
                 const FaturaBaskıAyarları& a)
{
    const FaturaDüzeni& d = a.düzen;
    s.setYazıTipi(a.yazıTipi);

    // Dates: the delivery note's number and date, then the invoice date, each a line plus 4 mm apart.
    const double T = d[Konum::TarihÜst], L = d[Konum::TarihSol];
    altAltaYaz(s, T, TarihAralığı,
               {{L, ek.irsaliyeNo}, {L, turkce::tarihBiçimi(ek.irsaliyeTarihi)}, {L, turkce::tarihBiçimi(v.tarih)}});
    if (a.boşKağıt) {
        s.setKalın(true);
        altAltaYaz(s, T, TarihAralığı,
                   {{L - 21, QStringLiteral("İrsaliye No :")},
                    {L - 25, QStringLiteral("İrsaliye Tarihi :")},
                    {L - 24, QStringLiteral("Fatura Tarihi :")}});
        s.setKalın(false);
    }

    müşteriyiYaz(s, v, d);

    if (a.boşKağıt) {
        s.setKalın(true);
        const double x = d[Konum::VergiSol] - 8;
        altAltaYaz(s, d[Konum::VergiÜst], 0, {{x, QStringLiteral("VD :")}, {x, QStringLiteral("VN :")}});
        s.setKalın(false);
    }
    vergiBilgileriniYaz(s, v, d);

    s.setY(d[Konum::İçerikÜst]);
    if (a.boşKağıt) {
        s.setKalın(true);
        s.setAltıÇizili(true);
        soldanYaz(s, KodSol, QStringLiteral("Kodu"), Satır::Sürdür);
        soldanYaz(s, d[Konum::AdıSol], QStringLiteral("Ürün Adı"), Satır::Sürdür);
        soldanYaz(s, d[Konum::MiktarSol], QStringLiteral("Miktarı"), Satır::Sürdür);
        sağdanYaz(s, d[Konum::FiyatSol], QStringLiteral("Fiyatı"), Satır::Sürdür);
        sağdanYaz(s, d[Konum::TutarSol], QStringLiteral("Tutarı"));
        s.setAltıÇizili(false);
        s.setKalın(false);
        s.setY(s.y() + BaşlıkAralığı);
    }
    const double sınır = kalemSınırı(d, s.y());
    for (const FaturaSatırı& r : v.satırlar) {
        soldanYaz(s, KodSol, r.kodu, Satır::Sürdür);
        soldanYaz(s, d[Konum::AdıSol], r.adı, Satır::Sürdür);
        soldanYaz(s, d[Konum::MiktarSol], turkce::miktarBiçimi(r.miktarı, a.ondalıklıMiktar), Satır::Sürdür);
        sağdanYaz(s, d[Konum::FiyatSol], para::biçimle(r.fiyatı), Satır::Sürdür);
        sağdanYaz(s, d[Konum::TutarSol], para::biçimle(r.tutarı));
        if (!sığıyor(s) || s.y() - sınır > Eşlik) return false;
    }

    const double RY = d[Konum::RakamÜst], RX = d[Konum::RakamSol];
    if (a.boşKağıt) {
        s.setKalın(true);
        altAltaYaz(s, RY, ToplamAralığı,
                   {{RX - 45, QStringLiteral("Toplam")}, {RX - 45, QStringLiteral("KDV Toplamı")},
                    {RX - 45, QStringLiteral("Yekün")}});
        s.setKalın(false);
    }
    altAltaYaz(s, RY, ToplamAralığı,
               {{RX, para::biçimle(v.toplam)}, {RX, para::biçimle(v.kdvToplamı)}, {RX, para::biçimle(v.genelToplam)}},
               true);

    s.setY(d[Konum::YazıÜst]);
    soldanYaz(s, d[Konum::YazıSol], a.boşKağıt ? QStringLiteral("Yalnız ") + yazıyla : yazıyla);
    return true;
}

bool irsaliyeyiDiz(YazıcıYüzeyi& s, const FaturaVerisi& v, const EkİrsaliyeBilgileri& ek, const FaturaDüzeni& d,
                   bool ondalıklıMiktar)
{
    const double L = d[Konum::TarihSol];
    altAltaYaz(s, d[Konum::TarihÜst], TarihAralığı,
               {{L, turkce::tarihBiçimi(ek.düzenlemeTarihi)}, {L, turkce::tarihBiçimi(ek.fiiliSevkTarihi)},
                {L, ek.düzenlemeSaati.toString(QStringLiteral("HH:mm:ss"))}});

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

bool satırlarGösterildiğiGibi(platform::Database& db, const FaturaVerisi& v)
{
    // The first column tells whether the exit still belongs where the window found it: the same
    // conditions as the window's line list (FaturaSatirlari.cpp), the invoiced state only outside a reprint.
    platform::Statement oku = db.prepare(QStringLiteral(
        "SELECT c.FirmaNo = ?2 AND c.Tarihi >= ?3 AND c.Tarihi < ?4 AND c.Nedeni = 0 AND (?5 OR (c.Fatura <> 0) = 0), "
        "c.UrunNo, c.Miktari, c.Fiyati, u.Kodu, u.Adi, u.KDVOrani "
        "FROM CikisIslemleriTablosu AS c LEFT JOIN UrunBilgileriTablosu AS u ON c.UrunNo = u.UrunNo "
        "WHERE c.HareketNo = ?1"));
    const QString gün = turkce::tarihSaklama(v.tarih), ertesiGün = turkce::tarihSaklama(v.tarih.addDays(1));
    for (const FaturaSatırı& r : v.satırlar) {
        oku.reset();
        oku.bindAll({r.hareketNo, v.firmaNo, gün, ertesiGün, v.yazdırılanlar ? 1 : 0});
        if (!oku.next()) return false;  // deleted, or fully returned
        const bool aynı = oku.integer(0) != 0 && oku.integer(1) == r.ürünNo && oku.real(2) == r.miktarı &&
                          para::paraya(oku.real(3)) == r.fiyatı && oku.text(4) == r.kodu && oku.text(5) == r.adı &&
                          oku.real(6) == r.kdvOranı;
        if (!aynı) return false;
    }
    return true;
}

void çıkışlarıFaturalandır(platform::Database& db, const QList<qint64>& hareketNolar)
{
    std::optional<platform::Transaction> kendi;
    if (!db.inTransaction()) kendi.emplace(db);
    platform::Statement işaretle = db.prepare(QStringLiteral("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE HareketNo = ?"));
    for (qint64 no : hareketNolar) {
        işaretle.reset();
        işaretle.bind(1, no);
        işaretle.exec();
        if (db.changes() != 1)
            throw platform::DbError(platform::hata::Genel, QStringLiteral("%1 numaralı çıkış bulunamadı.").arg(no));
    }
    if (kendi) kendi->commit();
}

bool faturalandır(platform::Database& db, const FaturaVerisi& v)
{
    using platform::Transaction;
    Transaction t(db, v.yazdırılanlar ? Transaction::Kilit::Okuma : Transaction::Kilit::Özel);
    if (!satırlarGösterildiğiGibi(db, v)) return false;
    if (!v.yazdırılanlar) {
        QList<qint64> hareketNolar;
        for (const FaturaSatırı& r : v.satırlar) hareketNolar.append(r.hareketNo);
        çıkışlarıFaturalandır(db, hareketNolar);
    }
    t.commit();
    return true;
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

// The printer choice; false when it was cancelled.
bool yazıcıSeç(QWidget* pencere)
{
    if (YazıcıSeçmeFormu::YazıcıSeçimi(pencere)) return true;
    YazdırmaİptalEdildi = false;
    return false;
}

// Opens a document on the chosen printer, lays it out and readies it to go out (hazırla()): written whole,
// with its paper job made. A layout that does not fit is dropped before anything goes out: nothing then.
// Throws what the printer or the layout throws.
std::unique_ptr<YazıcıYüzeyi> dizVeHazırla(const QString& belgeAdı, const std::function<bool(YazıcıYüzeyi&)>& diz)
{
    std::unique_ptr<YazıcıYüzeyi> belge = yazdırma::belgeAç(belgeAdı);
    if (!diz(*belge)) {
        belge->vazgeç();
        return nullptr;
    }
    belge->hazırla();
    return belge;
}

// Asks the printer, then lays the document out and prints it. A layout that does not fit is dropped with
// the critical message; an error of the printer goes to the common error reporter. True only when the
// document went out.
bool yazıcıyaGönder(QWidget* pencere, const QString& belgeAdı, const std::function<bool(YazıcıYüzeyi&)>& diz)
{
    if (!yazıcıSeç(pencere)) return false;
    try {
        std::unique_ptr<YazıcıYüzeyi> belge = dizVeHazırla(belgeAdı, diz);
        if (!belge) {
            mesaj::göster(SığmıyorMetni, mesaj::Simge::Kritik);
            return false;
        }
        belge->göster();
        return true;
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
        return false;
    }
}

// "Fatura - firm - date": a long firm name is shortened, so that the file name keeps the type and the date.
QString belgeAdı(const QString& tür, const FaturaVerisi& v)
{
    return yazdırma::belgeAdıKısaltarak(tür + QStringLiteral(" - "), v.firmaAdı,
                                        QStringLiteral(" - ") + turkce::tarihBiçimi(v.tarih));
}
}  // namespace

FaturaSonucu FaturaYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& v)
{
    // The program told to end meanwhile ends once the print's messages are answered.
    const yazdırma::BaskıSüresince baskı;
    if (!yazdırılabilir(v)) return FaturaSonucu::Yazdırılmadı;
    DüğmeKilidi kilit(düğme);
    const std::optional<EkFaturaBilgileri> ek = EkFaturaBilgileriFormu::sor(pencere, v.tarih);
    if (!ek) return FaturaSonucu::Yazdırılmadı;

    // The stored invoice font, read once a run unless the font window has filled it.
    if (FaturaYazıTipiAdı.isEmpty() && FaturaYazıTipiBoyutu == 0) FaturaYazıTipiniYükle();
    FaturaBaskıAyarları a;
    a.düzen = FaturaDüzeni::kayıtlı();
    a.yazıTipi.ad = FaturaYazıTipiAdı;
    a.yazıTipi.boyut = FaturaYazıTipiBoyutu;
    a.boşKağıt = FaturaBoşKağıdaGöre == 1;
    a.ondalıklıMiktar = OndalıklıMiktar == 1;
    const QString yazıyla = YazıyaÇevir(para::biçimle(v.genelToplam));
    if (!yazıcıSeç(pencere)) return FaturaSonucu::Yazdırılmadı;

    // Everything that can wait on the user, a disk or the network comes before the transaction: the
    // document is laid out from the lines as shown and written whole, and a paper printer's job is made
    // and given the document, held by the print server.
    std::unique_ptr<YazıcıYüzeyi> belge;
    try {
        belge = dizVeHazırla(belgeAdı(QStringLiteral("Fatura"), v),
                             [&](YazıcıYüzeyi& s) { return faturayıDiz(s, v, *ek, yazıyla, a); });
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
        return FaturaSonucu::Yazdırılmadı;
    }
    if (!belge) {
        mesaj::göster(SığmıyorMetni, mesaj::Simge::Kritik);
        return FaturaSonucu::Yazdırılmadı;
    }

    // The transaction. Whatever it refuses takes the document back (the held job cancelled, the PDF
    // removed): nothing goes out and nothing is marked.
    try {
        if (!AçıkVeritabanı) throw platform::DbError(platform::hata::Genel, QStringLiteral("Veritabanı açık değil."));
        if (!faturalandır(*AçıkVeritabanı, v)) {
            belge->vazgeç();
            mesaj::göster(SatırlarDeğişmişMetni, mesaj::Simge::Ünlem);
            return FaturaSonucu::SatırlarDeğişmiş;
        }
    } catch (const std::exception& hata) {
        belge->vazgeç();
        OrtakHataİşleyici(hata);
        return FaturaSonucu::Yazdırılmadı;
    }

    // The marks are kept: the document goes out (a paper job is released, a PDF named and opened).
    try {
        belge->göster();
    } catch (const yazdırma::YazdırmaHatası& hata) {
        if (v.yazdırılanlar) {
            OrtakHataİşleyici(hata);
            return FaturaSonucu::Yazdırılmadı;
        }
        mesaj::göster((hata.belirsiz() ? DoğrulanamadıMetni : GönderilemediMetni).arg(hata.yazıcı(), hata.neden()),
                      mesaj::Simge::Ünlem);
        kilit.bırak(false);
        return FaturaSonucu::İşaretlendi;
    } catch (const std::exception& hata) {
        // Failed in any other way, nothing tells whether the invoice went out; its exits are marked.
        if (v.yazdırılanlar) {
            OrtakHataİşleyici(hata);
            return FaturaSonucu::Yazdırılmadı;
        }
        mesaj::göster(DoğrulanamadıMetni.arg(yazdırma::geçerliYazıcı().ad, QString::fromLocal8Bit(hata.what())),
                      mesaj::Simge::Ünlem);
        kilit.bırak(false);
        return FaturaSonucu::İşaretlendi;
    }
    kilit.bırak(false);
    return FaturaSonucu::Yazdırıldı;
}

bool İrsaliyeYazdır(QWidget* pencere, QAbstractButton* düğme, const FaturaVerisi& v)
{
    const yazdırma::BaskıSüresince baskı;
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
