#pragma once
// What the stock-list tests share: a server folder seeded with a few products and movements, and small
// readers of a list view.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "support/Ortam.h"

#include <QStringList>

namespace stokTest {

inline int ürün(platform::Database& db, const QString& kodu, const QString& adı)
{
    db.exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani, Fiyati) VALUES (?, ?, 'Adet', 18, 10)",
            {kodu, adı});
    return int(db.lastInsertId());
}

inline void giriş(platform::Database& db, int ürünNo, double miktar, double fiyat)
{
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
            "VALUES (?, 1, '2026-01-05', ?, ?, 0)",
            {ürünNo, miktar, fiyat});
}

inline void çıkış(platform::Database& db, int ürünNo, double miktar, double fiyat)
{
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
            "VALUES (?, 1, '2026-01-06', ?, ?, 1, 0)",
            {ürünNo, miktar, fiyat});
}

// A1 KALEM: in 12 at 10, out 7 at 12 (remaining 5: at the threshold 5); B2 DEFTER: in 100 at 2.5;
// C3 SİLGİ: in 4 at 5, out 4 at 8 (0 left, gain 12); D4 CETVEL: in 1, out 3 (−2); E5 only exits.
inline void tohum(platform::Database& db)
{
    const int d = ürün(db, "D4", "CETVEL");
    const int b = ürün(db, "B2", "DEFTER");
    const int a = ürün(db, "A1", "KALEM");
    const int c = ürün(db, "C3", "SİLGİ");
    const int e = ürün(db, "E5", "TEBEŞİR");
    giriş(db, a, 12, 10);
    çıkış(db, a, 7, 12);
    giriş(db, b, 100, 2.5);
    giriş(db, c, 4, 5);
    çıkış(db, c, 4, 8);
    giriş(db, d, 1, 1);
    çıkış(db, d, 3, 1);
    çıkış(db, e, 1, 1);
}

inline QStringList satır(const ListeGörünümü* l, int r)
{
    QStringList s;
    for (int c = 0; c < l->sütunSayısı(); ++c) s << l->hücre(r, c);
    return s;
}

inline QStringList sütun(const ListeGörünümü* l, int c)
{
    QStringList s;
    for (int r = 0; r < l->satırSayısı(); ++r) s << l->hücre(r, c);
    return s;
}

class StokListesiTesti : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ayarlarıTemizle();
        sunucu_ = std::make_unique<test::SunucuKlasörü>();
    }
    void TearDown() override
    {
        StokListesiTürü = 0;
        UyarılacakSayı = 5;
        OndalıklıMiktar = 1;
        YazıcıVar = false;
    }
    platform::Database& db() { return sunucu_->db(); }

    std::unique_ptr<test::SunucuKlasörü> sunucu_;
};

}  // namespace stokTest
