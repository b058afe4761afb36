#include "movement_history/HareketIslemleri.h"

#include "core/IadeTablosu.h"
#include "core/OrtakDegiskenler.h"
#include "core/Para.h"
#include "core/StokKurallari.h"
#include "platform/TurkceMetin.h"

#include <optional>

namespace hareket {

using platform::Database;
using platform::Statement;

bool sıfırdanBüyükMü(const QString& metin)
{
    bool tamam = false;
    const double değer = turkce::sayıOku(metin, &tamam);
    const auto yazılacak = yüzdelik::yazılacakDeğer(değer);
    return tamam && yazılacak && *yazılacak > 0;
}

namespace {

qint64 kuruş(double değer) { return yüzdelik::stokYüzdeliği(değer); }

// A date that is stored as its ISO text: the text has four digits of year.
bool saklanabilirTarih(const QDate& tarih) { return tarih.isValid() && tarih.year() >= 1 && tarih.year() <= 9999; }

// The value as it is written, at least `enAz` hundredths (1: above 0, 0: not below 0); false when it
// cannot be written.
bool yazılabilir(double& değer, qint64 enAz)
{
    const auto y = yüzdelik::yazılacakDeğer(değer);
    if (!y || *yüzdelik::yüzdeliğeÇevir(*y) < enAz) return false;
    değer = *y;
    return true;
}

// What a change or a return takes, checked before anything is read, in the order of the windows' checks.
// The price of an entry or a sale must be above 0, of any other exit not below 0, as the stock windows'
// commits take it.
Sonuç değerleriDenetle(const QDate& tarih, double& miktar, double& fiyat, qint64 enAzFiyat)
{
    if (!saklanabilirTarih(tarih)) return Sonuç::TarihGeçersiz;
    if (!yazılabilir(miktar, 1)) return Sonuç::MiktarGeçersiz;
    if (!yazılabilir(fiyat, enAzFiyat)) return Sonuç::FiyatGeçersiz;
    return Sonuç::Tamam;
}

// The product's entry and exit totals, each in whole hundredths.
struct Toplamlar {
    qint64 giriş = 0;
    qint64 çıkış = 0;
};

Toplamlar toplamlar(Database& db, int ürünNo)
{
    Toplamlar t;
    t.giriş = kuruş(db.scalar(QStringLiteral("SELECT Sum(Miktari) FROM GirisIslemleriTablosu WHERE UrunNo = ?1"),
                              {ürünNo})
                        .toDouble());
    t.çıkış = kuruş(db.scalar(QStringLiteral("SELECT Sum(Miktari) FROM CikisIslemleriTablosu WHERE UrunNo = ?1"),
                              {ürünNo})
                        .toDouble());
    return t;
}

// The stored movement; nothing when the row is gone.
std::optional<GörülenHareket> hareketiOku(Database& db, bool giriş, int hareketNo)
{
    Statement s = db.prepare(
        giriş ? QStringLiteral("SELECT UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, NULL FROM GirisIslemleriTablosu "
                               "WHERE HareketNo = ?1")
              : QStringLiteral("SELECT UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni FROM CikisIslemleriTablosu "
                               "WHERE HareketNo = ?1"));
    s.bind(1, hareketNo);
    if (!s.next()) return std::nullopt;
    return GörülenHareket{int(s.integer(0)), int(s.integer(1)), turkce::saklananTarih(s.text(2)), s.real(3),
                          s.real(4), s.isNull(5) ? -1 : int(s.integer(5))};
}

// Whether the stored movement is still what the window showed: the same product, firm and day, the same
// quantity as its two decimals show it, the same price as the lists keep it, the same reason.
bool görüldüğüGibi(const GörülenHareket& kayıtlı, const GörülenHareket& görülen)
{
    return kayıtlı.ürünNo == görülen.ürünNo && kayıtlı.firmaNo == görülen.firmaNo && kayıtlı.tarih == görülen.tarih
           && kuruş(kayıtlı.miktar) == kuruş(görülen.miktar)
           && para::paraya(kayıtlı.fiyat) == para::paraya(görülen.fiyat) && kayıtlı.nedeni == görülen.nedeni;
}

// The stored movement, when it is still as the window showed it: Tamam with the row in `h`, or Silinmiş
// or Değişmiş.
Sonuç görüldüğüGibiOku(Database& db, bool giriş, int hareketNo, const GörülenHareket& görülen,
                       std::optional<GörülenHareket>& h)
{
    h = hareketiOku(db, giriş, hareketNo);
    if (!h) return Sonuç::Silinmiş;
    return görüldüğüGibi(*h, görülen) ? Sonuç::Tamam : Sonuç::Değişmiş;
}

bool kayıtVar(Database& db, const QString& sql, int no) { return db.scalar(sql, {no}).isValid(); }

bool ürünVar(Database& db, int ürünNo)
{
    return kayıtVar(db, QStringLiteral("SELECT 1 FROM UrunBilgileriTablosu WHERE UrunNo = ?1"), ürünNo);
}

// What a change checks first, inside its transaction: the movement is there and still as the window
// showed it, the chosen product and the chosen firm (a seller for an entry, a buyer for an exit) are
// there. Tamam, with the movement read into `h`.
Sonuç değişecekKayıtlar(Database& db, bool giriş, int hareketNo, const GörülenHareket& görülen, int ürünNo,
                        int firmaNo, std::optional<GörülenHareket>& h)
{
    if (const Sonuç s = görüldüğüGibiOku(db, giriş, hareketNo, görülen, h); s != Sonuç::Tamam) return s;
    if (!ürünVar(db, ürünNo)) return Sonuç::ÜrünYok;
    const QString firma = giriş ? QStringLiteral("SELECT 1 FROM SaticiFirmalarTablosu WHERE Nosu = ?1")
                                : QStringLiteral("SELECT 1 FROM AliciFirmalarTablosu WHERE Nosu = ?1");
    if (!kayıtVar(db, firma, firmaNo)) return Sonuç::FirmaYok;
    return Sonuç::Tamam;
}

bool iadeVarİçinde(Database& db, int hareketNo)
{
    if (!TabloVar(db)) return false;
    return db.scalar(QStringLiteral("SELECT 1 FROM StogaIadeBilgileriTablosu WHERE CikisHareketiNo = ?1"), {hareketNo})
        .isValid();
}

}  // namespace

bool iadeVarMı(Database& db, int hareketNo) { return iadeVarİçinde(db, hareketNo); }

Sonuç girişiSil(Database& db, int hareketNo, const std::optional<GörülenHareket>& görülen)
{
    platform::Transaction işlem(db);
    const auto h = hareketiOku(db, true, hareketNo);
    if (!h) return Sonuç::Silinmiş;
    if (görülen && !görüldüğüGibi(*h, *görülen)) return Sonuç::Değişmiş;
    const Toplamlar t = toplamlar(db, h->ürünNo);
    if (t.giriş - kuruş(h->miktar) - t.çıkış < 0) return Sonuç::StokEksiyeDüşer;
    db.exec(QStringLiteral("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1"), {hareketNo});
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç çıkışıSil(Database& db, int hareketNo, const std::optional<GörülenHareket>& görülen)
{
    platform::Transaction işlem(db);
    const auto h = hareketiOku(db, false, hareketNo);
    if (!h) return Sonuç::Silinmiş;
    if (görülen && !görüldüğüGibi(*h, *görülen)) return Sonuç::Değişmiş;
    if (iadeVarİçinde(db, hareketNo)) return Sonuç::İadeVar;
    db.exec(QStringLiteral("DELETE FROM CikisIslemleriTablosu WHERE HareketNo = ?1"), {hareketNo});
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç girişiDeğiştir(Database& db, int hareketNo, const GörülenHareket& görülen, GirişDeğişikliği d)
{
    if (const Sonuç s = değerleriDenetle(d.tarih, d.miktar, d.fiyat, 1); s != Sonuç::Tamam) return s;
    platform::Transaction işlem(db);
    std::optional<GörülenHareket> h;
    if (const Sonuç s = değişecekKayıtlar(db, true, hareketNo, görülen, d.ürünNo, d.firmaNo, h); s != Sonuç::Tamam)
        return s;
    // The product that has the entry now loses its old quantity; it gains the new one only when the
    // entry stays with it.
    const Toplamlar t = toplamlar(db, h->ürünNo);
    const qint64 yeni = d.ürünNo == h->ürünNo ? kuruş(d.miktar) : 0;
    if (t.giriş - kuruş(h->miktar) + yeni - t.çıkış < 0) return Sonuç::StokEksiyeDüşer;
    db.exec(QStringLiteral("UPDATE GirisIslemleriTablosu SET UrunNo = ?1, FirmaNo = ?2, Tarihi = ?3, Miktari = ?4, "
                           "Fiyati = ?5 WHERE HareketNo = ?6"),
            {d.ürünNo, d.firmaNo, turkce::tarihSaklama(d.tarih), d.miktar, d.fiyat, hareketNo});
    if (db.changes() != 1) return Sonuç::Silinmiş;
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç çıkışıDeğiştir(Database& db, int hareketNo, const GörülenHareket& görülen, ÇıkışDeğişikliği d)
{
    if (d.nedeni < 0 || d.nedeni >= ÇıkışNedenleri.size()) return Sonuç::NedenGeçersiz;
    const qint64 enAzFiyat = stok::satışMı(d.nedeni) ? 1 : 0;
    if (const Sonuç s = değerleriDenetle(d.tarih, d.miktar, d.fiyat, enAzFiyat); s != Sonuç::Tamam) return s;
    platform::Transaction işlem(db);
    std::optional<GörülenHareket> h;
    if (const Sonuç s = değişecekKayıtlar(db, false, hareketNo, görülen, d.ürünNo, d.firmaNo, h); s != Sonuç::Tamam)
        return s;
    // Only the product that has the exit afterwards can lose stock; the one it leaves gains.
    const Toplamlar t = toplamlar(db, d.ürünNo);
    const qint64 eski = d.ürünNo == h->ürünNo ? kuruş(h->miktar) : 0;
    if (t.giriş - (t.çıkış - eski + kuruş(d.miktar)) < 0) return Sonuç::StokEksiyeDüşer;
    db.exec(QStringLiteral("UPDATE CikisIslemleriTablosu SET UrunNo = ?1, FirmaNo = ?2, Tarihi = ?3, Miktari = ?4, "
                           "Fiyati = ?5, Nedeni = ?6 WHERE HareketNo = ?7"),
            {d.ürünNo, d.firmaNo, turkce::tarihSaklama(d.tarih), d.miktar, d.fiyat, d.nedeni, hareketNo});
    if (db.changes() != 1) return Sonuç::Silinmiş;
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç stoğaİadeEt(Database& db, int hareketNo, const GörülenHareket& görülen, const QDate& tarih, double miktar,
                  bool tümü)
{
    if (!saklanabilirTarih(tarih)) return Sonuç::TarihGeçersiz;
    if (!yazılabilir(miktar, 1)) return Sonuç::MiktarGeçersiz;
    platform::Transaction işlem(db);
    std::optional<GörülenHareket> h;
    if (const Sonuç s = görüldüğüGibiOku(db, false, hareketNo, görülen, h); s != Sonuç::Tamam) return s;
    const qint64 iade = kuruş(miktar);
    const qint64 çıkan = kuruş(h->miktar);
    if (tümü) {
        if (iade != çıkan) return Sonuç::Değişmiş;
        db.exec(QStringLiteral("DELETE FROM CikisIslemleriTablosu WHERE HareketNo = ?1"), {hareketNo});
    } else {
        if (iade >= çıkan) return Sonuç::Değişmiş;
        db.exec(QStringLiteral("UPDATE CikisIslemleriTablosu SET Miktari = ?1 WHERE HareketNo = ?2"),
                {double(çıkan - iade) / 100.0, hareketNo});
        db.exec(QStringLiteral("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) "
                               "VALUES (?1, ?2, ?3)"),
                {hareketNo, turkce::tarihSaklama(tarih), double(iade) / 100.0});
    }
    işlem.commit();
    return Sonuç::Tamam;
}

}  // namespace hareket
