#include "stock_lists/FirmaHareketListesi.h"

#include "core/IlerlemeAdimi.h"
#include "core/OrtakDegiskenler.h"
#include "platform/TurkceMetin.h"

#include <QTime>
#include <cmath>

namespace firma_hareketleri {

namespace {

// The statements of the two modes. Only the firm's own movements are read (the firm must still be
// there), each with its product's code, name, unit and VAT rate.
const QString SatıcıHareketleri = QStringLiteral(
    "SELECT H.HareketNo, U.Kodu, U.Adi, H.Tarihi, H.Miktari, U.MiktarBirimi, U.KDVOrani, H.Fiyati "
    "FROM SaticiFirmalarTablosu AS F JOIN GirisIslemleriTablosu AS H ON F.Nosu = H.FirmaNo "
    "LEFT JOIN UrunBilgileriTablosu AS U ON H.UrunNo = U.UrunNo "
    "WHERE H.FirmaNo = ?1");
const QString AlıcıHareketleri = QStringLiteral(
    "SELECT H.HareketNo, U.Kodu, U.Adi, H.Tarihi, H.Miktari, U.MiktarBirimi, U.KDVOrani, H.Fiyati "
    "FROM AliciFirmalarTablosu AS F JOIN CikisIslemleriTablosu AS H ON F.Nosu = H.FirmaNo "
    "LEFT JOIN UrunBilgileriTablosu AS U ON H.UrunNo = U.UrunNo "
    "WHERE H.FirmaNo = ?1");
const QString SatıcıSayısı = QStringLiteral(
    "SELECT count(*) FROM SaticiFirmalarTablosu AS F JOIN GirisIslemleriTablosu AS H ON F.Nosu = H.FirmaNo "
    "WHERE H.FirmaNo = ?1");
const QString AlıcıSayısı = QStringLiteral(
    "SELECT count(*) FROM AliciFirmalarTablosu AS F JOIN CikisIslemleriTablosu AS H ON F.Nosu = H.FirmaNo "
    "WHERE H.FirmaNo = ?1");

// The cells read with as few calls into the engine as they need: a long list reads millions of them.
ListeDeğeri metinYaDaBoş(const platform::Statement& s, int sütun)
{
    const QByteArrayView metin = s.utf8(sütun);
    return metin.isNull() ? ListeDeğeri() : ListeDeğeri(QString::fromUtf8(metin));
}

// The movement's day; a movement stored with a time of day shows it after the day ("02.04.2026
// 17:45:00"), as a text that still sorts as a date.
ListeDeğeri tarihHücresi(const platform::Statement& s, int sütun)
{
    // A plain stored day ("2026-02-01") is read straight from the engine's text: every row has one.
    const QByteArrayView ham = s.utf8(sütun);
    if (ham.isNull()) return {};
    if (ham.size() == 10) return ListeDeğeri::tarih(turkce::saklananTarihUtf8(ham));
    const QString saklanan = s.text(sütun);
    const QDate gün = turkce::saklananTarih(saklanan);
    const QTime saat = saklanan.size() > 10 ? QTime::fromString(saklanan.mid(11, 8), Qt::ISODate) : QTime();
    if (!gün.isValid() || !saat.isValid() || saat == QTime(0, 0)) return ListeDeğeri::tarih(gün);
    return ListeDeğeri(turkce::tarihBiçimi(gün) + QLatin1Char(' ') + saat.toString(QStringLiteral("HH:mm:ss")));
}

}  // namespace

FirmaTürü firmaListesiTürü(const QString& seçiliFirmaTablosu)
{
    return seçiliFirmaTablosu == AlıcıFirmaTablosuAdı ? FirmaTürü::Alıcı : FirmaTürü::Satıcı;
}

FirmaTürü hareketTürü(const QString& tag)
{
    // Read as a number: a tag that is no number counts as 0.
    bool sayı = false;
    const int değer = tag.trimmed().toInt(&sayı);
    return !sayı || değer == 0 ? FirmaTürü::Satıcı : FirmaTürü::Alıcı;
}

QString pencereBaşlığı(FirmaTürü tür)
{
    return tür == FirmaTürü::Satıcı ? QStringLiteral("Satıcı Firmaların Stok Hareketleri")
                                    : QStringLiteral("Alıcı Firmaların (Müşterilerin) Stok Hareketleri");
}

QString sayfaAdı(FirmaTürü tür)
{
    return (tür == FirmaTürü::Satıcı ? QStringLiteral("Satıcı") : QStringLiteral("Alıcı"))
           + QStringLiteral(" Firma Stok Hareketleri");
}

QString aktarımBaşlığı(const QString& firmaAdı)
{
    return firmaAdı + QStringLiteral(" Adlı Firmanın Stok Hareketleri");
}

QString yazdırmaBaşlığı(const QString& firmaAdı)
{
    return firmaAdı + QStringLiteral(" ADLI FİRMANIN STOK HAREKETLERİ");
}

QList<ListeGirdisi> firmalar(platform::Database& db, FirmaTürü tür)
{
    platform::Statement s = db.prepare(tür == FirmaTürü::Alıcı
                                           ? QStringLiteral("SELECT Nosu, Adi FROM AliciFirmalarTablosu WHERE Nosu > ?1")
                                           : QStringLiteral("SELECT Nosu, Adi FROM SaticiFirmalarTablosu"));
    if (tür == FirmaTürü::Alıcı) s.bind(1, FişliSatışFirması);
    QList<ListeGirdisi> girdiler;
    while (s.next()) girdiler.append({s.text(1), s.integer(0)});
    return girdiler;
}

double tutar(double miktar, double fiyat)
{
    // The price as a whole number of ten-thousandths, as a currency value holds it (a half goes to the
    // even neighbour).
    return miktar * (std::nearbyint(fiyat * 10000.0) / 10000.0);
}

void hareketleriOku(platform::Database& db, FirmaTürü tür, qint64 firmaNo,
                    const std::function<void(Hareket&&)>& satır, QProgressBar* çubuk)
{
    const bool satıcı = tür == FirmaTürü::Satıcı;
    İlerlemeAdımı adım(çubuk, çubuk ? db.scalar(satıcı ? SatıcıSayısı : AlıcıSayısı, {firmaNo}).toInt() : 0,
                       İlerlemeAdımı::Aralık::BoşsaDokunma);
    platform::Statement s = db.prepare(satıcı ? SatıcıHareketleri : AlıcıHareketleri);
    s.bind(1, firmaNo);
    while (s.next()) {
        adım.ilerle();
        Hareket h;
        h.hareketNo = s.integer(0);
        h.hücreler.reserve(SütunSayısı);
        h.hücreler.append(metinYaDaBoş(s, 1));
        h.hücreler.append(metinYaDaBoş(s, 2));
        h.hücreler.append(tarihHücresi(s, 3));
        const bool miktarVar = !s.isNull(4);
        const double miktar = s.real(4);
        const bool fiyatVar = !s.isNull(7);
        const double fiyat = s.real(7);
        h.hücreler.append(miktarVar ? ListeDeğeri::sayı(miktar) : ListeDeğeri());
        h.hücreler.append(metinYaDaBoş(s, 5));
        h.hücreler.append(s.isNull(6) ? ListeDeğeri::sayı(0, ListeDeğeri::Biçim::TamSayı) : ListeDeğeri::sayı(s.real(6)));
        h.hücreler.append(fiyatVar ? ListeDeğeri::sayı(fiyat) : ListeDeğeri());
        h.hücreler.append(miktarVar && fiyatVar ? ListeDeğeri::sayı(tutar(miktar, fiyat)) : ListeDeğeri());
        satır(std::move(h));
    }
    adım.bitir();
}

QList<Hareket> hareketler(platform::Database& db, FirmaTürü tür, qint64 firmaNo)
{
    QList<Hareket> liste;
    hareketleriOku(db, tür, firmaNo, [&liste](Hareket&& h) { liste.append(std::move(h)); });
    return liste;
}

}  // namespace firma_hareketleri
