#include "stock_movements/StokVeritabani.h"

#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace stok {

using platform::Database;
using platform::Statement;

namespace {

bool kayıtVar(Statement& s, int no)
{
    s.reset();
    s.bind(1, no);
    return s.next();
}

// A quantity or price as it is written: rounded to hundredths, and at least the given number of
// hundredths (1 above 0, 0 not below it); nothing when it cannot be written.
std::optional<double> yazılacak(double değer, qint64 enAz)
{
    const auto d = yüzdelik::yazılacakDeğer(değer);
    if (!d || *yüzdelik::yüzdeliğeÇevir(*d) < enAz) return std::nullopt;
    return d;
}

template <class Satır>
std::optional<KayıtRet> değerleriDenetle(const QList<Satır>& liste, const std::function<qint64(const Satır&)>& enAzFiyat)
{
    for (int i = 0; i < liste.size(); ++i) {
        if (!yazılacak(liste[i].miktar, 1))
            return KayıtRet{stok::metin::MiktarGiriniz, i, KayıtRet::Neden::GeçersizDeğer};
        if (!yazılacak(liste[i].fiyat, enAzFiyat(liste[i])))
            return KayıtRet{stok::metin::FiyatGiriniz, i, KayıtRet::Neden::GeçersizDeğer};
    }
    return std::nullopt;
}

// The first line whose product or whose firm is no longer there, each product and firm looked up once;
// run inside the commit's transaction, so that nothing is deleted between the check and the write.
template <class Satır>
std::optional<KayıtRet> silinmişKaydıBul(Database& db, const QList<Satır>& liste, bool giriş)
{
    Statement ürünVar = db.prepare(QStringLiteral("SELECT 1 FROM UrunBilgileriTablosu WHERE UrunNo = ?1"));
    Statement firmaVar = db.prepare(giriş ? QStringLiteral("SELECT 1 FROM SaticiFirmalarTablosu WHERE Nosu = ?1")
                                          : QStringLiteral("SELECT 1 FROM AliciFirmalarTablosu WHERE Nosu = ?1"));
    QSet<int> bakılanÜrünler, bakılanFirmalar;
    for (int i = 0; i < liste.size(); ++i) {
        const Satır& s = liste[i];
        if (!bakılanÜrünler.contains(s.ürünNo)) {
            if (!kayıtVar(ürünVar, s.ürünNo)) return KayıtRet{metin::ürünSilinmiş(s.adı, giriş), i};
            bakılanÜrünler.insert(s.ürünNo);
        }
        if (!bakılanFirmalar.contains(s.firmaNo)) {
            if (!kayıtVar(firmaVar, s.firmaNo)) return KayıtRet{metin::firmaSilinmiş(s.firmaAdı, giriş), i};
            bakılanFirmalar.insert(s.firmaNo);
        }
    }
    return std::nullopt;
}

}  // namespace

int kişiEkle(Database& db, const QString& adıSoyadı)
{
    Statement s = db.prepare(QStringLiteral("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?1)"));
    s.bind(1, adıSoyadı);
    s.exec();
    return int(db.lastInsertId());
}

namespace metin {

QString ürünSilinmiş(const QString& ürünAdı, bool giriş)
{
    return QStringLiteral("“%1” ürünü başka bir bilgisayarda silinmiş!\n\n%2 Lütfen, bu ürünü listeden çıkarınız.")
        .arg(ürünAdı, giriş ? QStringLiteral("Liste stoğa eklenmedi.") : QStringLiteral("Liste stoktan çıkılmadı."));
}

QString firmaSilinmiş(const QString& firmaAdı, bool giriş)
{
    return QStringLiteral(
               "“%1” firması başka bir bilgisayarda silinmiş!\n\n%2 Lütfen, bu firmanın satırlarını listeden çıkarınız.")
        .arg(firmaAdı, giriş ? QStringLiteral("Liste stoğa eklenmedi.") : QStringLiteral("Liste stoktan çıkılmadı."));
}

QString stokYetmiyor(const QString& ürünAdı, double mevcut, double istenen)
{
    return stok::metin::MiktarStoktanFazla
           + QStringLiteral("\n\nÜrün: %1\nStok mevcudu: %2\nListedeki miktar: %3\n\nListe stoktan çıkılmadı.")
                 .arg(ürünAdı, turkce::tutarBiçimi(mevcut), turkce::tutarBiçimi(istenen));
}

}  // namespace metin

std::optional<KayıtRet> girişleriKaydet(Database& db, const QList<GirişSatırı>& liste)
{
    if (liste.isEmpty()) return std::nullopt;
    if (auto ret = değerleriDenetle<GirişSatırı>(liste, [](const GirişSatırı&) { return qint64(1); })) return ret;
    platform::Transaction işlem(db);
    if (auto ret = silinmişKaydıBul(db, liste, true)) return ret;

    Statement ekle = db.prepare(QStringLiteral(
        "INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));
    for (const GirişSatırı& s : liste) {
        ekle.reset();
        ekle.bindAll({s.ürünNo, s.firmaNo, turkce::tarihSaklama(s.tarih), *yazılacak(s.miktar, 1),
                      *yazılacak(s.fiyat, 1), s.girişiYapan});
        ekle.exec();
    }
    ekle.reset();
    işlem.commit();
    return std::nullopt;
}

std::optional<KayıtRet> çıkışlarıKaydet(Database& db, const QList<ÇıkışSatırı>& liste)
{
    if (liste.isEmpty()) return std::nullopt;
    const auto fiyatSınırı = [](const ÇıkışSatırı& s) { return satışMı(s.nedeni) ? qint64(1) : qint64(0); };
    if (auto ret = değerleriDenetle<ÇıkışSatırı>(liste, fiyatSınırı)) return ret;
    // The write lock is taken first, so that the stock read below stays true until the commit.
    platform::Transaction işlem(db);
    if (auto ret = silinmişKaydıBul(db, liste, false)) return ret;

    QHash<int, qint64> istenen;  // per product, all its lines together, in hundredths
    QHash<int, int> ilkSatır;
    for (int i = 0; i < liste.size(); ++i) {
        const ÇıkışSatırı& s = liste[i];
        if (!ilkSatır.contains(s.ürünNo)) ilkSatır.insert(s.ürünNo, i);
        istenen[s.ürünNo] += *yüzdelik::yüzdeliğeÇevir(s.miktar);
    }
    StokOkuyucu okuyucu(db);
    for (int i = 0; i < liste.size(); ++i) {
        const ÇıkışSatırı& s = liste[i];
        if (ilkSatır.value(s.ürünNo) != i) continue;
        const double mevcut = okuyucu.oku(s.ürünNo).kalan();
        const qint64 toplam = istenen.value(s.ürünNo);
        if (toplam > yüzdelik::stokYüzdeliği(mevcut))
            return KayıtRet{metin::stokYetmiyor(s.adı, mevcut, double(toplam) / 100.0), i,
                            KayıtRet::Neden::StokYetmiyor};
    }

    Statement ekle = db.prepare(QStringLiteral(
        "INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    for (const ÇıkışSatırı& s : liste) {
        ekle.reset();
        ekle.bindAll({s.ürünNo, s.firmaNo, turkce::tarihSaklama(s.tarih), *yazılacak(s.miktar, 1),
                      *yazılacak(s.fiyat, fiyatSınırı(s)), s.nedeni, s.çıkışıYapan});
        ekle.exec();
    }
    ekle.reset();
    işlem.commit();
    return std::nullopt;
}

}  // namespace stok
