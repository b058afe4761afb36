#include "CekirdekOrtami.h"

#include "core/BaslangicModulu.h"
#include "core/CekirdekPencereler.h"
#include "core/SunucuDegistirFormu.h"
#include "platform/Ayarlar.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class SunucuTesti : public ÇekirdekTesti {
protected:
    void SetUp() override
    {
        ÇekirdekTesti::SetUp();
        ana = new AnaForm();
        ana->show();
        // Five server folders, each with a current database, and the first one open.
        for (const char* ad : {"A", "B", "C", "D", "E"}) {
            const QString yol = kök.path() + "/" + ad;
            QDir().mkpath(yol);
            test::yeniVeritabanı(yol + "/Stok.vtb");
            klasör << yol;
        }
        AçıkVeritabanı = BaşlangıçModülü::VeritabanınıAç(klasör[0]);
        SunucuYolu = klasör[0];
    }
    void hatırla(int kaç)
    {
        for (int i = 0; i < kaç; ++i) ayarlar::yaz("Sunucular", QString("Sunucu-%1").arg(i + 1), klasör[i]);
    }
    static QStringList ayar()
    {
        QStringList l;
        for (const auto& [anahtar, değer] : ayarlar::tümü("Sunucular")) l << anahtar + "=" + değer;
        return l;
    }
    static QStringList liste(SunucuDeğiştirFormu& f)
    {
        QStringList l;
        auto* s = f.findChild<QListWidget*>("SunucuListesi");
        for (int i = 0; i < s->count(); ++i) l << s->item(i)->text();
        return l;
    }
    static int seçili(SunucuDeğiştirFormu& f) { return f.findChild<QListWidget*>("SunucuListesi")->currentRow(); }
    static QPushButton* düğme(SunucuDeğiştirFormu& f, const char* ad) { return f.findChild<QPushButton*>(ad); }

    AnaForm* ana = nullptr;
    QTemporaryDir kök;
    QStringList klasör;
};

}  // namespace

TEST_F(SunucuTesti, ListeAyarlardanGelirSonBağlanılanSeçilir)
{
    hatırla(3);
    ayarlar::yaz("Ayarlar", "Veritabani", "1");
    SunucuDeğiştirFormu f(ana);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Sunucu Değiştirme");
    EXPECT_EQ(liste(f), klasör.mid(0, 3));
    EXPECT_EQ(seçili(f), 1);
    EXPECT_EQ(f.findChild<QLabel*>("Etiket(2)")->text(), klasör[1]);

    // "Sunucu-10" is not put between "Sunucu-1" and "Sunucu-2".
    test::ayarlarıTemizle();
    ayarlar::yaz("Sunucular", "Sunucu-2", klasör[1]);
    ayarlar::yaz("Sunucular", "Sunucu-10", klasör[4]);
    ayarlar::yaz("Sunucular", "Sunucu-1", klasör[0]);
    SunucuDeğiştirFormu g(ana);
    EXPECT_EQ(liste(g), QStringList({klasör[0], klasör[1], klasör[4]}));
}

TEST_F(SunucuTesti, YeniKlasörEklenirAynısıSeçilirDosyasızıReddedilir)
{
    hatırla(2);
    SunucuDeğiştirFormu f(ana);
    f.show();
    // The same folder written otherwise is the same folder: it is selected, nothing is written.
    klasörSeçimleri({klasör[1] + "/./", klasör[2]});
    düğme(f, "SunucuSeçDüğmesi")->click();
    EXPECT_EQ(liste(f), klasör.mid(0, 2));
    EXPECT_EQ(seçili(f), 1);
    EXPECT_EQ(ayar().size(), 2);
    // A new one is appended under the next key.
    düğme(f, "SunucuSeçDüğmesi")->click();
    EXPECT_EQ(liste(f), klasör.mid(0, 3));
    EXPECT_EQ(seçili(f), 2);
    EXPECT_EQ(ayar().last(), "Sunucu-3=" + klasör[2]);

    // A folder without the database file: the message, and the list stays.
    QDir().mkpath(kök.path() + "/boş");
    klasörSeçimleri({kök.path() + "/boş"});
    test::MesajYanıtlayıcı yanıt;
    düğme(f, "SunucuSeçDüğmesi")->click();
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\n\n"
                                "Lütfen, farklı bir SUNUCU seçip yeniden deneyiniz.");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Ünlem);
    EXPECT_EQ(liste(f), klasör.mid(0, 3));

    // A cancelled browser changes nothing, not even the open database's folder.
    klasörSeçimleri({});
    düğme(f, "SunucuSeçDüğmesi")->click();
    EXPECT_EQ(liste(f), klasör.mid(0, 3));
    EXPECT_EQ(SunucuYolu, klasör[0]);
}

TEST_F(SunucuTesti, BeşinciKlasörDördüncününYerineGeçer)
{
    hatırla(4);
    SunucuDeğiştirFormu f(ana);
    f.show();
    klasörSeçimleri({klasör[4]});
    düğme(f, "SunucuSeçDüğmesi")->click();
    const QStringList beklenen = {klasör[0], klasör[1], klasör[2], klasör[4]};
    EXPECT_EQ(liste(f), beklenen);
    EXPECT_EQ(seçili(f), 3);
    EXPECT_EQ(ayar(), QStringList({"Sunucu-1=" + klasör[0], "Sunucu-2=" + klasör[1], "Sunucu-3=" + klasör[2],
                                   "Sunucu-4=" + klasör[4]}));
}

TEST_F(SunucuTesti, KlasörAdlarıHarfBüyüklüğüneDuyarlıdır)
{
    const QString küçük = kök.path() + "/sunucu";
    const QString büyük = kök.path() + "/Sunucu";
    for (const QString& k : {küçük, büyük}) {
        QDir().mkpath(k);
        test::yeniVeritabanı(k + "/Stok.vtb");
    }
    ayarlar::yaz("Sunucular", "Sunucu-1", küçük);
    SunucuDeğiştirFormu f(ana);
    klasörSeçimleri({büyük});
    düğme(f, "SunucuSeçDüğmesi")->click();
    EXPECT_EQ(liste(f), QStringList({küçük, büyük}));
}

TEST_F(SunucuTesti, EskiDüzendekiVeritabanınaBağlanırGüncellenir)
{
    hatırla(2);
    const QString eski = kök.path() + "/Eski";
    QDir().mkpath(eski);
    test::eskiVeritabanı(eski + "/Stok.vtb");
    ayarlar::yaz("Sunucular", "Sunucu-3", eski);
    ana->DurumPaneli(2)->clear();
    SunucuDeğiştirFormu f(ana);
    f.show();
    f.findChild<QListWidget*>("SunucuListesi")->setCurrentRow(2);
    test::MesajYanıtlayıcı yanıt;
    düğme(f, "SeçilenSunucuyaBağlanDüğmesi")->click();
    EXPECT_EQ(yanıt.sayı(), 0) << yanıt.sonMetin().toStdString();
    EXPECT_FALSE(f.isVisible());
    ASSERT_TRUE(AçıkVeritabanı);
    EXPECT_EQ(AçıkVeritabanı->path(), eski + "/Stok.vtb");
    EXPECT_EQ(SunucuYolu, eski);
    EXPECT_EQ(ana->DurumPaneli(2)->text(), "   Veritabanı bağlantısı tamam!");
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "2");
    EXPECT_TRUE(BaşlangıçModülü::AlanVarMı("UrunBilgileriTablosu", "Fotografi"));
    EXPECT_TRUE(BaşlangıçModülü::TabloVarMı("GirisCikisYapanlarTablosu"));
}

TEST_F(SunucuTesti, VeritabanıOlmayanKlasöreBağlanılamazEskisiKalır)
{
    hatırla(2);
    QFile::remove(klasör[1] + "/Stok.vtb");
    ayarlar::yaz("Ayarlar", "Veritabani", "0");
    SunucuDeğiştirFormu f(ana);
    f.show();
    f.findChild<QListWidget*>("SunucuListesi")->setCurrentRow(1);
    auto önceki = AçıkVeritabanı;
    test::MesajYanıtlayıcı yanıt;
    düğme(f, "SeçilenSunucuyaBağlanDüğmesi")->click();
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Bilgi);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(AçıkVeritabanı, önceki);
    EXPECT_EQ(SunucuYolu, klasör[0]);
    EXPECT_EQ(liste(f), klasör.mid(0, 2));  // this window never forgets a server
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "0");

    // The list is empty: the connect button does nothing.
    test::ayarlarıTemizle();
    SunucuDeğiştirFormu boş(ana);
    boş.show();
    düğme(boş, "SeçilenSunucuyaBağlanDüğmesi")->click();
    EXPECT_EQ(yanıt.sayı(), 1);
    EXPECT_TRUE(boş.isVisible());
    EXPECT_EQ(AçıkVeritabanı, önceki);
}

TEST_F(SunucuTesti, VazgeçYalnızBuPencereyiKapatır)
{
    ÇekirdekPencereleriniKaydet();
    hatırla(1);
    test::Görününce vazgeç("SunucuDeğiştirFormu", [](QWidget* w) {
        EXPECT_EQ(w->parentWidget(), AnaForm::örnek());
        QTest::keyClick(w, Qt::Key_Escape);
    });
    ana->menüÖğesi("SunucuDeğiştirMenüsü")->trigger();
    EXPECT_TRUE(vazgeç.olduMu());
    EXPECT_TRUE(ana->isVisible());
    EXPECT_TRUE(AçıkVeritabanı);
}
