#include "definitions/FirmaIslemleri.h"
#include "support/Ortam.h"

#include <algorithm>

using namespace firma;
using Durum = KayıtSonucu::Durum;

namespace {
FirmaBilgisi yeni(const QString& ad, const QString& adres = QStringLiteral("ADRES"))
{
    FirmaBilgisi f;
    f.adı = ad;
    f.adresi = adres;
    return f;
}

qint64 ekle(platform::Database& db, FirmaTürü tür, const QString& ad)
{
    const KayıtSonucu s = firmaKaydet(db, tür, yeni(ad), std::nullopt);
    EXPECT_EQ(s.durum, Durum::Kaydedildi) << ad.toStdString();
    return s.nosu;
}

int satırSayısı(platform::Database& db, const QString& tablo)
{
    return db.scalar("SELECT count(*) FROM " + tablo).toInt();
}
}  // namespace

TEST(Firmaİşlemleri, TabloYalnızcaBilinenİkiAddanSeçilir)
{
    EXPECT_EQ(türüBul("SaticiFirmalarTablosu "), FirmaTürü::Satıcı);
    EXPECT_EQ(türüBul("AliciFirmalarTablosu "), FirmaTürü::Alıcı);
    EXPECT_EQ(türüBul("AliciFirmalarTablosu"), FirmaTürü::Alıcı);
    EXPECT_FALSE(türüBul("UrunBilgileriTablosu "));
    EXPECT_FALSE(türüBul("AliciFirmalarTablosu; DROP TABLE UrunBilgileriTablosu"));
    EXPECT_FALSE(türüBul(""));
    EXPECT_EQ(etiketi(FirmaTürü::Satıcı), "0");
    EXPECT_EQ(etiketi(FirmaTürü::Alıcı), "1");
}

TEST(Firmaİşlemleri, AyrılmışAlıcıListelenmezOkunmazDeğişmezSilinmez)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const qint64 a = ekle(db, FirmaTürü::Alıcı, "ALICI");
    const qint64 s = ekle(db, FirmaTürü::Satıcı, "SATICI");
    ASSERT_EQ(s, 1);
    ekle(db, FirmaTürü::Satıcı, "İKİNCİ SATICI");

    const auto alıcılar = firmalar(db, FirmaTürü::Alıcı);
    ASSERT_EQ(alıcılar.size(), 1);
    EXPECT_EQ(alıcılar[0].nosu, a);
    EXPECT_EQ(alıcılar[0].adı, "ALICI");
    // Seller number 1 is an ordinary firm.
    EXPECT_EQ(firmalar(db, FirmaTürü::Satıcı).size(), 2);
    EXPECT_TRUE(firmaOku(db, FirmaTürü::Satıcı, s));
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Satıcı, yeni("SATICI", "YENİ"), s).durum, Durum::Kaydedildi);

    EXPECT_FALSE(firmaOku(db, FirmaTürü::Alıcı, 1));
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Alıcı, yeni("YENİ AD"), 1).durum, Durum::FirmaYok);
    EXPECT_EQ(firmaSil(db, FirmaTürü::Alıcı, 1), SilmeSonucu::FirmaYok);
    EXPECT_EQ(db.scalar("SELECT Adi FROM AliciFirmalarTablosu WHERE Nosu = 1").toString(), "Fişli Satış");
    EXPECT_FALSE(db.inTransaction());
}

TEST(Firmaİşlemleri, EklemeYeniAnahtarıVeSaklananBiçimiVerir)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    // Another row makes the new key differ from a count.
    ekle(db, FirmaTürü::Alıcı, "ÖNCEKİ");
    db.exec("DELETE FROM AliciFirmalarTablosu WHERE Adi = 'ÖNCEKİ'");

    FirmaBilgisi f = yeni("  O'NEİL TİCARET ", " ÇARŞI CAD. 'NO 5' ");
    f.telefonu = "5321234567";
    f.faksı = "0";
    f.vergiNumarası = "0123456789";
    const KayıtSonucu s = firmaKaydet(db, FirmaTürü::Alıcı, f, std::nullopt);
    ASSERT_EQ(s.durum, Durum::Kaydedildi);
    EXPECT_EQ(s.nosu, db.scalar("SELECT max(Nosu) FROM AliciFirmalarTablosu").toLongLong());
    EXPECT_EQ(s.nosu, 3);

    auto q = db.prepare("SELECT Adi, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi FROM AliciFirmalarTablosu "
                        "WHERE Nosu = ?");
    q.bind(1, s.nosu);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.text(0), QString("O’NEİL TİCARET"));
    EXPECT_EQ(q.text(1), "0532 123 45 67");
    // Optional values left empty are empty texts, not NULL.
    EXPECT_FALSE(q.isNull(2));
    EXPECT_EQ(q.text(2), "");
    EXPECT_FALSE(q.isNull(3));
    EXPECT_EQ(q.text(4), "012 345 6789");
    EXPECT_EQ(q.text(5), QString("ÇARŞI CAD. ’NO 5’"));
    EXPECT_EQ(s.kaydedilen.adı, QString("O’NEİL TİCARET"));
    EXPECT_EQ(s.kaydedilen.nosu, s.nosu);
}

TEST(Firmaİşlemleri, AdHarfBüyüklüğüneBakılmadanTekOlur)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const qint64 izmir = ekle(db, FirmaTürü::Satıcı, "İZMİR IŞIK TİCARET");
    const qint64 diğer = ekle(db, FirmaTürü::Satıcı, "DİĞER");

    for (const char* ad : {"İZMİR IŞIK TİCARET", "izmir ışık ticaret", "İzmir Işık Ticaret", " izmir ışık ticaret "}) {
        const KayıtSonucu s = firmaKaydet(db, FirmaTürü::Satıcı, yeni(ad), std::nullopt);
        EXPECT_EQ(s.durum, Durum::AdTekrarı) << ad;
    }
    // Dotted and dotless i are different letters: not a duplicate.
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Satıcı, yeni("IZMIR IŞIK TİCARET"), std::nullopt).durum,
              Durum::Kaydedildi);
    // The same name in the other table is allowed; the reserved buyer's name is taken in its table.
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Alıcı, yeni("izmir ışık ticaret"), std::nullopt).durum, Durum::Kaydedildi);
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Alıcı, yeni("FİŞLİ SATIŞ"), std::nullopt).durum, Durum::AdTekrarı);

    // A change may keep the firm's own name, in any letter case, but not take another's.
    FirmaBilgisi f = yeni("izmir ışık ticaret", "YENİ ADRES");
    f.telefonu = "2125551234";
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Satıcı, f, izmir).durum, Durum::Kaydedildi);
    EXPECT_EQ(firmaOku(db, FirmaTürü::Satıcı, izmir)->telefonu, "0212 555 12 34");
    EXPECT_EQ(firmaKaydet(db, FirmaTürü::Satıcı, yeni("diğer"), izmir).durum, Durum::AdTekrarı);
    EXPECT_EQ(firmaOku(db, FirmaTürü::Satıcı, izmir)->adresi, "YENİ ADRES");
    EXPECT_EQ(firmaOku(db, FirmaTürü::Satıcı, diğer)->adı, "DİĞER");
    EXPECT_EQ(satırSayısı(db, "SaticiFirmalarTablosu"), 3);
}

TEST(Firmaİşlemleri, HareketiOlanFirmaSilinmezAlıcıDeğişinceUyarılır)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const qint64 satıcı = ekle(db, FirmaTürü::Satıcı, "SATICI");
    const qint64 alıcı = ekle(db, FirmaTürü::Alıcı, "ALICI");
    // The numbers cross: an entry from seller `alıcı` and an exit to buyer `satıcı` must not count.
    db.exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) VALUES (1, ?, '2024-01-02', 1, 1)",
            {satıcı});
    db.exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) "
            "VALUES (1, ?, '2024-01-03', 1, 1, 0)",
            {alıcı});
    ASSERT_NE(satıcı, alıcı);

    EXPECT_TRUE(hareketiVar(db, FirmaTürü::Satıcı, satıcı));
    EXPECT_TRUE(hareketiVar(db, FirmaTürü::Alıcı, alıcı));
    EXPECT_FALSE(hareketiVar(db, FirmaTürü::Satıcı, alıcı));
    EXPECT_FALSE(hareketiVar(db, FirmaTürü::Alıcı, satıcı));

    EXPECT_EQ(firmaSil(db, FirmaTürü::Satıcı, satıcı), SilmeSonucu::HareketVar);
    EXPECT_EQ(firmaSil(db, FirmaTürü::Alıcı, alıcı), SilmeSonucu::HareketVar);
    EXPECT_EQ(satırSayısı(db, "SaticiFirmalarTablosu"), 1);
    EXPECT_EQ(satırSayısı(db, "AliciFirmalarTablosu"), 2);

    // A buyer with exits is changed with the invoice warning; a seller with entries without one.
    KayıtSonucu s = firmaKaydet(db, FirmaTürü::Alıcı, yeni("ALICI", "YENİ"), alıcı);
    EXPECT_EQ(s.durum, Durum::Kaydedildi);
    EXPECT_TRUE(s.çıkışVar);
    s = firmaKaydet(db, FirmaTürü::Satıcı, yeni("SATICI", "YENİ"), satıcı);
    EXPECT_EQ(s.durum, Durum::Kaydedildi);
    EXPECT_FALSE(s.çıkışVar);

    db.exec("DELETE FROM GirisIslemleriTablosu");
    EXPECT_EQ(firmaSil(db, FirmaTürü::Satıcı, satıcı), SilmeSonucu::Silindi);
    EXPECT_EQ(firmaSil(db, FirmaTürü::Satıcı, satıcı), SilmeSonucu::FirmaYok);
    EXPECT_EQ(satırSayısı(db, "SaticiFirmalarTablosu"), 0);
    EXPECT_FALSE(db.inTransaction());
}

TEST(Firmaİşlemleri, YazmaHatasıHiçbirŞeyBırakmaz)
{
    test::SunucuKlasörü sunucu;
    auto& db = sunucu.db();
    const qint64 no = ekle(db, FirmaTürü::Satıcı, "ESKİ");
    db.execScript("CREATE TRIGGER engel BEFORE UPDATE ON SaticiFirmalarTablosu BEGIN SELECT RAISE(ABORT, 'disk'); END;"
                  "CREATE TRIGGER engel2 BEFORE INSERT ON SaticiFirmalarTablosu BEGIN SELECT RAISE(ABORT, 'disk'); END;");
    EXPECT_THROW(firmaKaydet(db, FirmaTürü::Satıcı, yeni("YENİ"), no), platform::DbError);
    EXPECT_THROW(firmaKaydet(db, FirmaTürü::Satıcı, yeni("YENİ"), std::nullopt), platform::DbError);
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(firmaOku(db, FirmaTürü::Satıcı, no)->adı, "ESKİ");
    EXPECT_EQ(satırSayısı(db, "SaticiFirmalarTablosu"), 1);
}
