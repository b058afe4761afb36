#include "core/OrtakYordamlar.h"
#include "platform/Database.h"
#include "platform/YaziciYuzeyi.h"
#include "support/Ortam.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QLabel>
#include <QTest>

using mesaj::Simge;

TEST(OrtakHataİşleyici, AğVeYolHatalarıMesajGösteripProgramıBitirir)
{
    for (int numara : {3043, 3044}) {
        test::MesajYanıtlayıcı yanıt;
        EXPECT_THROW(OrtakHataİşleyici(numara, "ağ"), test::ProgramBitti);
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(), "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
        EXPECT_EQ(yanıt.görülenler()[0].simge, Simge::Ünlem);
        EXPECT_EQ(yanıt.görülenler()[0].başlık, "Kavrenta");
    }
    test::MesajYanıtlayıcı yanıt;
    EXPECT_THROW(OrtakHataİşleyici(platform::DbError(3051, "kilitli")), test::ProgramBitti);
    EXPECT_EQ(yanıt.sonMetin(), "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(yanıt.görülenler()[0].simge, Simge::Ünlem);
}

TEST(OrtakHataİşleyici, SessizHataMesajsızGeçilir)
{
    test::MesajYanıtlayıcı yanıt;
    EXPECT_NO_THROW(OrtakHataİşleyici(3356, "yok sayılır"));
    EXPECT_EQ(yanıt.sayı(), 0);
}

// A print that the user gave up on at the printer's password is no error: a plain message says that nothing
// was printed, and asks nothing.
TEST(OrtakHataİşleyici, ParolasıVerilmeyenBaskıHataSayılmaz)
{
    test::MesajYanıtlayıcı yanıt({"Tamam"});
    EXPECT_NO_THROW(OrtakHataİşleyici(yazdırma::YazdırmaHatası::parolaVerilmedi("Muhasebe")));
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Yazıcının parolası verilmediği için yazdırma iptal edildi: Muhasebe\n\n"
                                "Hiçbir şey yazdırılmadı, hiçbir kayıt işaretlenmedi.");
    EXPECT_EQ(yanıt.görülenler()[0].simge, Simge::Bilgi);
    EXPECT_EQ(yanıt.görülenler()[0].başlık, "Kavrenta");
}

TEST(OrtakHataİşleyici, DiğerHatalarSorulurEvetDevamHayırBitirir)
{
    {
        test::MesajYanıtlayıcı yanıt({"Evet"});
        EXPECT_NO_THROW(OrtakHataİşleyici(3000, "disk I/O hatası"));
        ASSERT_EQ(yanıt.sayı(), 1);
        const test::GörülenMesaj& m = yanıt.görülenler()[0];
        EXPECT_EQ(m.başlık, "Hata oluştu!");
        EXPECT_EQ(m.simge, Simge::Kritik);
        // Six lines: the question's two, an empty line, the code, an empty line, the description.
        const QStringList satırlar = QString(m.metin).replace("\r\n", "\n").split('\n');
        EXPECT_EQ(satırlar, QStringList({"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! ",
                                         "Yine de devam etmek istiyor musunuz?", "", "Hata Kodu: 3000", "",
                                         "Hata Mesajı: disk I/O hatası"}));
    }
    {
        test::MesajYanıtlayıcı yanıt({"Hayır"});
        EXPECT_THROW(OrtakHataİşleyici(std::runtime_error("beklenmedik")), test::ProgramBitti);
        EXPECT_TRUE(yanıt.sonMetin().contains("Hata Mesajı: beklenmedik"));
    }
    // A real failed write of the database is never the silent number.
    test::SunucuKlasörü sunucu;
    sunucu.db().execScript("CREATE TABLE T (A INTEGER NOT NULL)");
    try {
        sunucu.db().exec("INSERT INTO T (A) VALUES (NULL)");
        FAIL();
    } catch (const platform::DbError& e) {
        EXPECT_NE(e.number(), 3356);
        test::MesajYanıtlayıcı yanıt({"Evet"});
        OrtakHataİşleyici(e);
        EXPECT_EQ(yanıt.sayı(), 1);
        EXPECT_FALSE(yanıt.sonMetin().contains("INSERT"));  // never the statement
    }
}

TEST(OrtakHataİşleyici, KilitliVeritabanıTürkçeAçıklanır)
{
    test::SunucuKlasörü sunucu;
    auto öteki = platform::Database::open(sunucu.veritabanıYolu());
    öteki->execScript("BEGIN IMMEDIATE");
    sunucu.db().setBusyTimeout(20);
    test::MesajYanıtlayıcı yanıt({"Evet"});
    HatadaDevam([&] { sunucu.db().exec("INSERT INTO GirisCikisYapanlarTablosu (AdiSoyadi) VALUES ('A')"); });
    öteki->execScript("ROLLBACK");
    ASSERT_EQ(yanıt.sayı(), 1);
    const QStringList satırlar = QString(yanıt.sonMetin()).replace("\r\n", "\n").split('\n');
    EXPECT_EQ(satırlar.mid(3), QStringList({"Hata Kodu: 3000", "",
                                           "Hata Mesajı: Veritabanı, başka bir bilgisayar onu kullandığı için şu anda kilitli. "
                                           "Lütfen, biraz sonra tekrar deneyiniz."}));
}

TEST(OrtakYordamlar, TümünüSeçVeDosyaVarMı)
{
    QLineEdit kutu("12345");
    kutu.setCursorPosition(2);
    TümünüSeç(&kutu);
    EXPECT_EQ(kutu.selectedText(), "12345");
    QLabel etiket("metin");
    EXPECT_NO_THROW(TümünüSeç(&etiket));
    EXPECT_NO_THROW(TümünüSeç(nullptr));

    QTemporaryDir dizin;
    EXPECT_TRUE(DosyaVarMı(dizin.path()));
    EXPECT_FALSE(DosyaVarMı(dizin.path() + "/Stok.vtb"));
    EXPECT_FALSE(DosyaVarMı(""));
    test::yeniVeritabanı(dizin.path() + "/Stok.vtb");
    EXPECT_TRUE(DosyaVarMı(dizin.path() + "/Stok.vtb"));
}

TEST(MesajKutusunuOrtala, EtkinPencereninÜstündeOrtalanırKüçükVeyaEksideYerindeKalır)
{
    QWidget pencere;
    pencere.setGeometry(100, 100, 640, 480);
    pencere.show();
    pencere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pencere));
    EXPECT_EQ(mesaj::sahipPencere(), &pencere);
    pencere.showMaximized();
    ASSERT_TRUE(test::bekle([&] { return pencere.isMaximized(); }));
    EXPECT_EQ(mesaj::sahipPencere(), &pencere);

    pencere.showNormal();
    pencere.move(-300, 50);  // on a monitor left of the primary one
    ASSERT_TRUE(test::bekle([&] { return pencere.x() < 0; }));
    EXPECT_EQ(mesaj::sahipPencere(), nullptr);
    pencere.move(100, 100);
    pencere.showMinimized();
    ASSERT_TRUE(test::bekle([&] { return pencere.isMinimized(); }));
    EXPECT_EQ(mesaj::sahipPencere(), nullptr);
}
