#include "core/StokSorgulari.h"

#include "core/OrtakDegiskenler.h"

namespace stok {

using platform::Database;
using platform::Statement;

namespace {

QList<AdNo> adlarVeNumaralar(Database& db, const QString& sql)
{
    QList<AdNo> sonuç;
    Statement s = db.prepare(sql);
    while (s.next()) sonuç.append({s.text(1), int(s.integer(0))});
    return sonuç;
}

std::optional<double> sayıYaDaBoş(const Statement& s, int sütun)
{
    if (s.isNull(sütun)) return std::nullopt;
    return s.real(sütun);
}

double toplam(Statement& s, int ürünNo)
{
    s.reset();
    s.bind(1, ürünNo);
    const double t = s.next() ? s.real(0) : 0.0;
    s.reset();
    return t;
}

}  // namespace

QList<AdNo> ürünler(Database& db)
{
    return adlarVeNumaralar(db, QStringLiteral("SELECT UrunNo, Adi FROM UrunBilgileriTablosu"));
}

QList<AdNo> satıcıFirmalar(Database& db)
{
    return adlarVeNumaralar(db, QStringLiteral("SELECT Nosu, Adi FROM SaticiFirmalarTablosu"));
}

QList<AdNo> alıcıFirmalar(Database& db)
{
    Statement s = db.prepare(QStringLiteral("SELECT Nosu, Adi FROM AliciFirmalarTablosu WHERE Nosu > ?1"));
    s.bind(1, FişliSatışFirması);
    QList<AdNo> sonuç;
    while (s.next()) sonuç.append({s.text(1), int(s.integer(0))});
    return sonuç;
}

QList<AdNo> kişiler(Database& db)
{
    return adlarVeNumaralar(db, QStringLiteral("SELECT Nosu, AdiSoyadi FROM GirisCikisYapanlarTablosu"));
}

std::optional<ÜrünBilgisi> ürünBilgisi(Database& db, int ürünNo)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT Kodu, Adi, MiktarBirimi, KDVOrani, Fiyati FROM UrunBilgileriTablosu WHERE UrunNo = ?1"));
    s.bind(1, ürünNo);
    if (!s.next()) return std::nullopt;
    ÜrünBilgisi b;
    b.kodu = s.text(0);
    b.adı = s.text(1);
    b.birimi = s.text(2);
    b.kdvOranı = sayıYaDaBoş(s, 3);
    b.fiyatı = sayıYaDaBoş(s, 4);
    return b;
}

StokOkuyucu::StokOkuyucu(Database& db)
    : giriş_(db.prepare(QStringLiteral("SELECT Sum(Miktari) FROM GirisIslemleriTablosu WHERE UrunNo = ?1"))),
      çıkış_(db.prepare(QStringLiteral("SELECT Sum(Miktari) FROM CikisIslemleriTablosu WHERE UrunNo = ?1")))
{
}

StokDurumu StokOkuyucu::oku(int ürünNo)
{
    StokDurumu d;
    d.giriş = toplam(giriş_, ürünNo);
    d.çıkış = toplam(çıkış_, ürünNo);
    return d;
}

StokDurumu ürünStoğu(Database& db, int ürünNo) { return StokOkuyucu(db).oku(ürünNo); }

AlışFiyatları alışFiyatları(Database& db, int ürünNo)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT Min(Fiyati), Avg(Fiyati), Max(Fiyati) FROM GirisIslemleriTablosu WHERE UrunNo = ?1"));
    s.bind(1, ürünNo);
    AlışFiyatları f;
    if (s.next()) {
        f.enDüşük = sayıYaDaBoş(s, 0);
        f.ortalama = sayıYaDaBoş(s, 1);
        f.enYüksek = sayıYaDaBoş(s, 2);
    }
    return f;
}

}  // namespace stok
