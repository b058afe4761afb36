#include "movement_history/HareketIslemleri.h"

#include "core/IadeTablosu.h"
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

// The quantity and the price as they are written: a quantity of at least 0,01, a price of 0 or more.
bool yazılabilir(double& miktar, double& fiyat)
{
    const auto m = yüzdelik::yazılacakDeğer(miktar);
    const auto f = yüzdelik::yazılacakDeğer(fiyat);
    if (!m || *m <= 0 || !f || *f < 0) return false;
    miktar = *m;
    fiyat = *f;
    return true;
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

// The movement's product and quantity; nothing when the row is gone.
struct KayıtlıHareket {
    int ürünNo = 0;
    double miktar = 0;
};

std::optional<KayıtlıHareket> hareketiOku(Database& db, bool giriş, int hareketNo)
{
    Statement s = db.prepare(giriş ? QStringLiteral("SELECT UrunNo, Miktari FROM GirisIslemleriTablosu WHERE HareketNo = ?1")
                                   : QStringLiteral("SELECT UrunNo, Miktari FROM CikisIslemleriTablosu WHERE HareketNo = ?1"));
    s.bind(1, hareketNo);
    if (!s.next()) return std::nullopt;
    return KayıtlıHareket{int(s.integer(0)), s.real(1)};
}

bool kayıtVar(Database& db, const QString& sql, int no) { return db.scalar(sql, {no}).isValid(); }

bool ürünVar(Database& db, int ürünNo)
{
    return kayıtVar(db, QStringLiteral("SELECT 1 FROM UrunBilgileriTablosu WHERE UrunNo = ?1"), ürünNo);
}

// What a change checks first, inside its transaction: the movement, the chosen product and the chosen firm
// (a seller for an entry, a buyer for an exit) are there. Tamam, with the movement read into `h`.
Sonuç değişecekKayıtlar(Database& db, bool giriş, int hareketNo, int ürünNo, int firmaNo,
                        std::optional<KayıtlıHareket>& h)
{
    h = hareketiOku(db, giriş, hareketNo);
    if (!h) return Sonuç::Silinmiş;
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

Sonuç girişiSil(Database& db, int hareketNo)
{
    platform::Transaction işlem(db);
    const auto h = hareketiOku(db, true, hareketNo);
    if (!h) return Sonuç::Silinmiş;
    const Toplamlar t = toplamlar(db, h->ürünNo);
    if (t.giriş - kuruş(h->miktar) - t.çıkış < 0) return Sonuç::StokEksiyeDüşer;
    db.exec(QStringLiteral("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1"), {hareketNo});
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç çıkışıSil(Database& db, int hareketNo)
{
    platform::Transaction işlem(db);
    if (!hareketiOku(db, false, hareketNo)) return Sonuç::Silinmiş;
    if (iadeVarİçinde(db, hareketNo)) return Sonuç::İadeVar;
    db.exec(QStringLiteral("DELETE FROM CikisIslemleriTablosu WHERE HareketNo = ?1"), {hareketNo});
    işlem.commit();
    return Sonuç::Tamam;
}

Sonuç girişiDeğiştir(Database& db, int hareketNo, GirişDeğişikliği d)
{
    if (!yazılabilir(d.miktar, d.fiyat)) return Sonuç::DeğerGeçersiz;
    platform::Transaction işlem(db);
    std::optional<KayıtlıHareket> h;
    if (const Sonuç s = değişecekKayıtlar(db, true, hareketNo, d.ürünNo, d.firmaNo, h); s != Sonuç::Tamam) return s;
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

Sonuç çıkışıDeğiştir(Database& db, int hareketNo, ÇıkışDeğişikliği d)
{
    if (!yazılabilir(d.miktar, d.fiyat)) return Sonuç::DeğerGeçersiz;
    platform::Transaction işlem(db);
    std::optional<KayıtlıHareket> h;
    if (const Sonuç s = değişecekKayıtlar(db, false, hareketNo, d.ürünNo, d.firmaNo, h); s != Sonuç::Tamam) return s;
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

Sonuç stoğaİadeEt(Database& db, int hareketNo, const QDate& tarih, double miktar, bool tümü)
{
    const auto yazılacak = yüzdelik::yazılacakDeğer(miktar);
    if (!yazılacak || *yazılacak <= 0) return Sonuç::DeğerGeçersiz;
    platform::Transaction işlem(db);
    const auto h = hareketiOku(db, false, hareketNo);
    if (!h) return Sonuç::Silinmiş;
    const qint64 iade = kuruş(*yazılacak);
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
