#pragma once
// What the report tests share: a server folder with a few products, firms, people and movements written
// straight in SQL, readers of a list view, and the catching of prints and exports.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/Yazicilar.h"
#include "support/ListeOkuyucu.h"
#include "support/Ortam.h"
#include "support/SunucuTesti.h"
#include "support/Tohum.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

namespace raporTest {

inline const QString Gün1 = QStringLiteral("2026-03-07");
inline const QString Gün2 = QStringLiteral("2026-03-31");

class RaporTesti : public test::BelgeTesti {
protected:
    void TearDown() override
    {
        BelgeTesti::TearDown();
        ListelerMenüsüTag.clear();
    }

    int ürün(const QString& kodu, const QVariant& adı, const QVariant& birimi = "Adet", const QVariant& kdv = 18.0)
    {
        return tohum::ürün(db(), kodu, adı, birimi, kdv, 1.0);
    }
    int firma(bool alıcı, const QVariant& adı) { return alıcı ? tohum::alıcı(db(), adı) : tohum::satıcı(db(), adı); }
    int kişi(const QString& adı)
    {
        db().exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?)", {adı});
        return int(db().lastInsertId());
    }
    int giriş(int ürünNo, int firmaNo, const QString& gün, double miktar, double fiyat, int kişiNo = 0)
    {
        return tohum::giriş(db(), ürünNo, miktar, fiyat, firmaNo, gün, kişiNo);
    }
    int çıkış(int ürünNo, int firmaNo, const QString& gün, double miktar, double fiyat, int neden, int kişiNo = 0)
    {
        return tohum::çıkış(db(), ürünNo, miktar, fiyat, firmaNo, neden, gün, kişiNo);
    }
    void iade(int hareketNo, const QString& gün, double miktar)
    {
        db().exec("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) VALUES (?, ?, ?)",
                  {hareketNo, gün, miktar});
    }

    // Presses the print button and confirms the printer choice; the document is in `kayıtlar`.
    void yazdır(QPushButton* düğme)
    {
        YazıcıVar = true;
        test::Görününce tamam("YazıcıSeçmeFormu",
                              [](QWidget* w) { w->findChild<QPushButton*>("TamamDüğmesi")->click(); });
        düğme->click();
        EXPECT_TRUE(tamam.olduMu());
    }
};

using test::satır;
using test::sütun;

// The texts of one printed line (page, Y), left to right.
inline QStringList yazılanSatır(const yazdırma::KaydedilenBelge& b, int sayfa, double y)
{
    QStringList s;
    for (const auto& m : b.metinler(sayfa))
        if (std::abs(m.y - y) < 0.01) s << m.metin;
    return s;
}

}  // namespace raporTest
