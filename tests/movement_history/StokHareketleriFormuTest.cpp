// The movement history window on a real database: the lists and totals, the delete with its refusals,
// the export, and the registration with the main window.
#include "GecmisOrtami.h"

#include "core/Acicilar.h"
#include "core/IadeTablosu.h"
#include "movement_history/HareketGecmisiKayit.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "support/XlsxOkuyucu.h"

#include <QTemporaryDir>
#include <QUrl>

using namespace gecmis;

TEST(StokHareketleri, GirişVeÇıkışListeleriToplamlarıyla)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 10, 12.5, v.satıcıY, "2026-02-03");
    giriş(db, v.şeker, 2.5, 13.00005, v.satıcıX, "2026-02-04 09:30:00");
    çıkış(db, v.şeker, 4, 20, v.alıcıA, 0);
    çıkış(db, v.şeker, 1, 15, FişliSatışFirması, 1);
    çıkış(db, v.şeker, 1, 15, 999, 1);  // a firm that is gone: not shown, yet counted in the totals
    const int nedensiz = çıkış(db, v.şeker, 0.25, 15, v.alıcıA);
    db.exec("UPDATE CikisIslemleriTablosu SET Nedeni = NULL WHERE HareketNo = ?1", {nedensiz});
    giriş(db, v.un, 3, 9, v.satıcıX);

    Geçmiş g;
    EXPECT_EQ(g.p.windowTitle(), "Stok Hareketleri (İzleme/Düzenleme)");
    EXPECT_EQ(g.hareketler()->satırSayısı(), 0);
    EXPECT_FALSE(düğme(&g.p, "StoğaİadeEtDüğmesi")->isEnabled());
    EXPECT_EQ(g.hareketler()->okluSütun(), int(StokHareketleriFormu::Firması));

    g.ürün("ŞEKER");
    // Sorted by firm; the hidden columns hold the movement number and (for exits) the reason.
    EXPECT_EQ(g.sütun(1), QStringList({"ACAR GIDA", "BEYAZ TİCARET"}));
    EXPECT_EQ(g.sütun(2), QStringList({"04.02.2026 09:30:00", "03.02.2026"}));
    EXPECT_EQ(g.hareketler()->satır(0).mid(3, 6), QStringList({"2,50", "Kg", "8,00", "13,00", "32,50", ""}));
    EXPECT_EQ(g.hareketler()->hücre(1, 7), "125,00");
    EXPECT_EQ(g.toplam("GirişToplamıKutusu"), "12,50");
    EXPECT_EQ(g.toplam("ÇıkışToplamıKutusu"), "6,25");
    EXPECT_EQ(g.toplam("KalanKutusu"), "6,25");

    g.tür(1);
    EXPECT_TRUE(düğme(&g.p, "StoğaİadeEtDüğmesi")->isEnabled());
    EXPECT_EQ(g.hareketler()->satırSayısı(), 3);
    auto neden = [&](const char* miktar) {
        return g.hareketler()->hücre(g.hareketler()->hücreyleBul(StokHareketleriFormu::Miktarı, miktar), 8);
    };
    EXPECT_EQ(neden("4,00"), "0");
    EXPECT_EQ(neden("1,00"), "1");
    EXPECT_EQ(neden("0,25"), "");  // no reason recorded: not the first reason
    EXPECT_EQ(g.toplam("GirişToplamıKutusu"), "12,50");  // the same totals whichever type is shown

    // No unit and no VAT rate: an empty cell and "0"; a product without movements shows 0,00 three times.
    g.tür(0);
    EXPECT_FALSE(düğme(&g.p, "StoğaİadeEtDüğmesi")->isEnabled());
    g.ürün("UN");
    EXPECT_EQ(g.hareketler()->satır(0).mid(4, 2), QStringList({"", "0"}));
    g.ürün("ÇAY");
    EXPECT_EQ(g.hareketler()->satırSayısı(), 0);
    EXPECT_EQ(g.toplam("KalanKutusu"), "0,00");

    // The find box: a text that begins no name leaves no product and an empty list.
    g.ürün("ŞEKER");
    yaz(kutu(&g.p, "ÜrünBulKutusu"), "x");
    EXPECT_EQ(kutu(&g.p, "ÜrünBulKutusu")->text(), "X");
    EXPECT_EQ(liste(&g.p, "ÜrünListesi")->seçiliSatır(), -1);
    EXPECT_EQ(g.hareketler()->satırSayısı(), 0);
    EXPECT_EQ(g.toplam("GirişToplamıKutusu"), "");

    // F5 reads the products again and chooses none.
    tohum::ürün(db, "B-9", "BİBER");
    g.ürün("UN");
    QApplication::setActiveWindow(&g.p);
    QTest::keyClick(liste(&g.p, "ÜrünListesi"), Qt::Key_F5);
    EXPECT_EQ(liste(&g.p, "ÜrünListesi")->count(), 4);
    EXPECT_EQ(liste(&g.p, "ÜrünListesi")->seçiliSatır(), -1);
    EXPECT_EQ(g.hareketler()->satırSayısı(), 0);
}

TEST(StokHareketleri, SilmeVeRetleri)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 4, 1, v.satıcıX);
    giriş(db, v.şeker, 6, 1, v.satıcıY);
    giriş(db, v.şeker, 0.5, 1, v.satıcıY);
    çıkış(db, v.şeker, 4, 2, v.alıcıA);
    const int iadeli = çıkış(db, v.şeker, 0.5, 2, v.alıcıB);
    Geçmiş g;
    g.ürün("ŞEKER");

    {  // No: nothing happens. (Delete on the list asks as the button does.)
        test::MesajYanıtlayıcı y({"Hayır"});
        g.satırSeç("6,00");
        QApplication::setActiveWindow(&g.p);
        g.hareketler()->setFocus();
        QTest::keyClick(g.hareketler(), Qt::Key_Delete);
        ASSERT_EQ(y.sayı(), 1);
        EXPECT_EQ(y.sonMetin(), "Bu hareketi SİLMEK istediğinizden emin misiniz?");
        EXPECT_EQ(y.görülenler()[0].simge, mesaj::Simge::Soru);
        EXPECT_EQ(g.hareketler()->satırSayısı(), 3);
    }
    {  // 10,5 in, 4,5 out: the 6 may go, and leaves exactly 0 after the 0,5 exit below.
        test::MesajYanıtlayıcı y({"Evet"});
        g.satırSeç("6,00");
        const int sıra = g.seçili();
        düğme(&g.p, "SilDüğmesi")->click();
        EXPECT_EQ(y.sayı(), 1);
        EXPECT_DOUBLE_EQ(DiğerHareketlerToplamı, 4.5);  // 10,50 entered less the 6,00 row
        EXPECT_EQ(g.sütun(3).size(), 2);
        EXPECT_EQ(g.seçili(), std::min(sıra, 1));  // the same place, or the new last row
        EXPECT_EQ(g.toplam("KalanKutusu"), "0,00");
    }
    {  // Now any entry would take the stock below zero: refused, nothing deleted, no reload.
        test::MesajYanıtlayıcı y({"Evet", "Tamam"});
        g.satırSeç("0,50");
        düğme(&g.p, "SilDüğmesi")->click();
        ASSERT_EQ(y.sayı(), 2);
        EXPECT_EQ(y.sonMetin(), "Bu hareket silinirse stok mevcudunuz NEGATİF olacağı için işlem yapılamıyor!");
        EXPECT_EQ(y.görülenler()[1].simge, mesaj::Simge::Ünlem);
        EXPECT_EQ(g.hareketler()->satırSayısı(), 2);
    }
    {  // An exit with a return: refused before the question.
        İadeTablosunuOluştur(db);
        db.exec("INSERT INTO StogaIadeBilgileriTablosu (CikisHareketiNo, IadeTarihi, IadeMiktari) "
                "VALUES (?1, '2026-02-01', 0.5)",
                {iadeli});
        g.tür(1);
        test::MesajYanıtlayıcı y({"Tamam"});
        g.satırSeç("0,50");
        düğme(&g.p, "SilDüğmesi")->click();
        ASSERT_EQ(y.sayı(), 1);
        EXPECT_EQ(y.sonMetin(), "İADE işlemi yapıldığı için bu hareketi silemezsiniz!");
        EXPECT_EQ(y.görülenler()[0].simge, mesaj::Simge::Kritik);
    }
    {  // An exit deleted on another workstation meanwhile: said so, and the list is read again.
        auto öbür = platform::Database::open(v.sunucu.veritabanıYolu());
        g.satırSeç("4,00");
        öbür->exec("DELETE FROM CikisIslemleriTablosu WHERE Miktari = 4");
        test::MesajYanıtlayıcı y({"Evet", "Tamam"});
        düğme(&g.p, "SilDüğmesi")->click();
        ASSERT_EQ(y.sayı(), 2);
        EXPECT_EQ(y.sonMetin(), "Bu hareket başka bir bilgisayarda silinmiş!");
        EXPECT_EQ(g.sütun(3), QStringList({"0,50"}));
        EXPECT_EQ(g.seçili(), 0);
    }
    {  // An entry moved to another seller meanwhile: said so, nothing deleted, and the list is read again.
        g.tür(0);
        g.satırSeç("4,00");
        platform::Database::open(v.sunucu.veritabanıYolu())
            ->exec("UPDATE GirisIslemleriTablosu SET FirmaNo = ?1 WHERE Miktari = 4", {v.satıcıY});
        test::MesajYanıtlayıcı y({"Evet", "Tamam"});
        düğme(&g.p, "SilDüğmesi")->click();
        ASSERT_EQ(y.sayı(), 2);
        EXPECT_EQ(y.sonMetin(), "Bu hareket başka bir bilgisayarda değiştirilmiş!\n\nLütfen, hareketi yeniden seçiniz.");
        EXPECT_EQ(y.görülenler()[1].simge, mesaj::Simge::Ünlem);
        EXPECT_EQ(tohum::sayı(db, "GirisIslemleriTablosu"), 2);
        EXPECT_EQ(g.sütun(1), QStringList({"BEYAZ TİCARET", "BEYAZ TİCARET"}));
    }
    {  // No row selected: nothing at all.
        test::MesajYanıtlayıcı y;
        g.hareketler()->satırıSeç(-1);
        düğme(&g.p, "SilDüğmesi")->click();
        düğme(&g.p, "DeğişiklikYapDüğmesi")->click();
        düğme(&g.p, "StoğaİadeEtDüğmesi")->click();
        EXPECT_EQ(y.sayı(), 0);
    }
}

TEST(StokHareketleri, MSExceleAktarılır)
{
    QTemporaryDir dizin;
    const QString eskiKlasör = kabuk::belgeKlasörü();
    kabuk::belgeKlasörünüDeğiştir(dizin.path());
    QStringList açılanlar;
    kabuk::açıcıyıDeğiştir([&](const QUrl& u) {
        açılanlar.append(u.toLocalFile());
        return true;
    });
    Veri v;
    giriş(v.db(), v.şeker, 1234.5, 2, v.satıcıX, "2026-03-04");
    çıkış(v.db(), v.şeker, 3, 1.25, v.alıcıA, 5);
    Geçmiş g;
    düğme(&g.p, "ListeyiExceleAktarDüğmesi")->click();  // nothing chosen, nothing shown: nothing
    EXPECT_TRUE(açılanlar.isEmpty());
    g.ürün("ŞEKER");
    g.tür(1);
    EXPECT_EQ(düğme(&g.p, "ListeyiExceleAktarDüğmesi")->text(), "MS &Excel'e Aktar");
    düğme(&g.p, "ListeyiExceleAktarDüğmesi")->click();
    g.tür(0);
    düğme(&g.p, "ListeyiExceleAktarDüğmesi")->click();
    kabuk::belgeKlasörünüDeğiştir(eskiKlasör);
    kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
    ASSERT_EQ(açılanlar.size(), 2);

    const test::XlsxSayfa çıkışlar = test::xlsxOku(açılanlar[0]);
    EXPECT_EQ(çıkışlar.sayfaAdı, "Stok Hareketleri");
    EXPECT_EQ(çıkışlar.hücreler.value("A1").değer, "ŞEKER Adlı Ürünün Çıkış Hareketleri");
    EXPECT_TRUE(çıkışlar.birleşikler.contains("A1:G1"));
    EXPECT_EQ(çıkışlar.hücreler.value("A2").değer, "Firması");
    EXPECT_EQ(çıkışlar.hücreler.value("G2").değer, "Tutarı");
    EXPECT_FALSE(çıkışlar.hücreler.contains("H2"));  // neither the number nor the reason
    EXPECT_EQ(çıkışlar.hücreler.value("A3").değer, "ÇINAR MARKET");
    EXPECT_EQ(çıkışlar.hücreler.value("G3").değer, "3.75");
    EXPECT_TRUE(çıkışlar.hücreler.value("G3").sayı);
    EXPECT_FALSE(çıkışlar.hücreler.contains("H3"));

    const test::XlsxSayfa girişler = test::xlsxOku(açılanlar[1]);
    EXPECT_EQ(girişler.hücreler.value("A1").değer, "ŞEKER Adlı Ürünün Giriş Hareketleri");
    EXPECT_EQ(girişler.hücreler.value("B3").değer, "04.03.2026");
    EXPECT_FALSE(girişler.hücreler.value("B3").sayı);
    EXPECT_EQ(girişler.hücreler.value("C3").değer, "1234.5");
    EXPECT_TRUE(girişler.hücreler.value("C3").sayı);
    EXPECT_EQ(girişler.hücreler.value("C3").sayıBiçimi, "");  // a plain number, as the list's text read
    // Each sheet column as wide as its list column: 1600, 1100, 1100, 1000, 1000, 1100, 1100 twips.
    const double genişlikler[] = {16, 11, 11, 10, 10, 11, 11};
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(girişler.sütunlar.value(i + 1).genişlik, test::yazılanGenişlik(genişlikler[i])) << i;
    EXPECT_EQ(girişler.hücreler.value("D3").değer, "Kg");
}

TEST(StokHareketleri, AnaPenceredenAçılır)
{
    açıcılar::temizle();
    HareketGeçmişiPencereleriniKaydet();
    EXPECT_TRUE(açıcılar::varMı("ÜrünlereGöreStokHareketleriMenüsü"));
    Veri v;
    test::Görününce kapat("StokHareketleriFormu", [](QWidget* w) { w->close(); });
    EXPECT_TRUE(açıcılar::aç("ÜrünlereGöreStokHareketleriMenüsü", nullptr));
    EXPECT_TRUE(kapat.olduMu());
    açıcılar::temizle();
}
