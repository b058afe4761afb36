#pragma once
// What the stock-list tests share: a server folder seeded with a few products and movements (through the
// common seeding), and the readers of a list view.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "support/ListeOkuyucu.h"
#include "support/SunucuTesti.h"
#include "support/Tohum.h"

namespace stokTest {

using tohum::giriş;
using tohum::ürün;
using tohum::çıkış;
using test::satır;
using test::sütun;

// A1 KALEM: in 12 at 10, out 7 at 12 (remaining 5: at the threshold 5); B2 DEFTER: in 100 at 2.5;
// C3 SİLGİ: in 4 at 5, out 4 at 8 (0 left, gain 12); D4 CETVEL: in 1, out 3 (−2); E5 only exits.
inline void örnekStok(platform::Database& db)
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

class StokListesiTesti : public test::SunucuTesti {
protected:
    void TearDown() override
    {
        StokListesiTürü = 0;
        UyarılacakSayı = 5;
        OndalıklıMiktar = 1;
        YazıcıVar = false;
    }
};

}  // namespace stokTest
