#pragma once
// What the report tests share: a server folder with a few products, firms, people and movements written
// straight in SQL, readers of a list view, and the catching of prints and exports.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/Yazicilar.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

namespace raporTest {

inline const QString Gün1 = QStringLiteral("2026-03-07");
inline const QString Gün2 = QStringLiteral("2026-03-31");

class RaporTesti : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ayarlarıTemizle();
        sunucu_ = std::make_unique<test::SunucuKlasörü>();
        eskiKlasör_ = kabuk::belgeKlasörü();
        kabuk::belgeKlasörünüDeğiştir(belgeler_.path());
        kabuk::açıcıyıDeğiştir([this](const QUrl& u) {
            açılanlar.append(u.toLocalFile());
            return true;
        });
        yazdırma::sistemYazıcılarınıDeğiştir(QList<yazdırma::Yazıcı>{});
        kayıtlar = std::make_shared<yazdırma::YazıcıKayıtları>();
        yazdırma::kaydediciyeYönlendir(kayıtlar);
    }
    void TearDown() override
    {
        yazdırma::kaydediciyeYönlendir(nullptr);
        yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
        kabuk::belgeKlasörünüDeğiştir(eskiKlasör_);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        YazıcıVar = false;
        OndalıklıMiktar = 1;
        ListelerMenüsüTag.clear();
    }
    platform::Database& db() { return sunucu_->db(); }

    int ürün(const QString& kodu, const QVariant& adı, const QVariant& birimi = "Adet", const QVariant& kdv = 18.0)
    {
        db().exec("INSERT INTO UrunBilgileriTablosu (Kodu, Adi, MiktarBirimi, KDVOrani, Fiyati) VALUES (?, ?, ?, ?, 1)",
                  {kodu, adı, birimi, kdv});
        return int(db().lastInsertId());
    }
    int firma(bool alıcı, const QVariant& adı)
    {
        db().exec(alıcı ? "INSERT INTO AliciFirmalarTablosu (Adi, Adresi) VALUES (?, 'A')"
                        : "INSERT INTO SaticiFirmalarTablosu (Adi, Adresi) VALUES (?, 'A')",
                  {adı});
        return int(db().lastInsertId());
    }
    int kişi(const QString& adı)
    {
        db().exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES (?)", {adı});
        return int(db().lastInsertId());
    }
    int giriş(int ürünNo, int firmaNo, const QString& gün, double miktar, double fiyat, int kişiNo = 0)
    {
        db().exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, GirisiYapan) "
                  "VALUES (?, ?, ?, ?, ?, ?)",
                  {ürünNo, firmaNo, gün, miktar, fiyat, kişiNo});
        return int(db().lastInsertId());
    }
    int çıkış(int ürünNo, int firmaNo, const QString& gün, double miktar, double fiyat, int neden, int kişiNo = 0)
    {
        db().exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)",
                  {ürünNo, firmaNo, gün, miktar, fiyat, neden, kişiNo});
        return int(db().lastInsertId());
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

    std::unique_ptr<test::SunucuKlasörü> sunucu_;
    QTemporaryDir belgeler_;
    QString eskiKlasör_;
    QStringList açılanlar;
    std::shared_ptr<yazdırma::YazıcıKayıtları> kayıtlar;
};

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

// The texts of one printed line (page, Y), left to right.
inline QStringList yazılanSatır(const yazdırma::KaydedilenBelge& b, int sayfa, double y)
{
    QStringList s;
    for (const auto& m : b.metinler(sayfa))
        if (std::abs(m.y - y) < 0.01) s << m.metin;
    return s;
}

}  // namespace raporTest
