// The entry change, exit change and return windows, opened from the history on a real database: their
// filling, the save button that only the user enables, the checks in their order with their messages,
// what they write, and the history reloaded and reselected after them.
#include "GecmisOrtami.h"

#include "core/IadeTablosu.h"
#include "movement_history/StokCikisiDegistirFormu.h"

#include <QClipboard>

using namespace gecmis;

namespace {
QStringList metinler(const test::MesajYanıtlayıcı& y)
{
    QStringList l;
    for (const auto& m : y.görülenler()) l << m.metin;
    return l;
}
double miktar(platform::Database& db, const char* tablo, int no)
{
    return db.scalar(QStringLiteral("SELECT Miktari FROM %1 WHERE HareketNo = ?1").arg(tablo), {no}).toDouble();
}
const QString DeğişmişMetni =
    QStringLiteral("Bu hareket başka bir bilgisayarda değiştirilmiş!\n\nLütfen, hareketi yeniden seçiniz.");

// The exit window with the handling of its save's result in reach.
struct SonuçGösteren : StokÇıkışıDeğiştirFormu {
    using StokÇıkışıDeğiştirFormu::StokÇıkışıDeğiştirFormu;
    using DeğiştirPenceresi::sonucuİşle;
};
}  // namespace

TEST(GirişDeğiştir, DoldurmaDenetimlerVeKayıt)
{
    Veri v;
    auto& db = v.db();
    const int e = giriş(db, v.şeker, 5, 12, v.satıcıY, "2026-02-03");
    giriş(db, v.şeker, 10, 11, v.satıcıX);
    çıkış(db, v.şeker, 12, 20, v.alıcıA);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.satırSeç("5,00");
    const int sıra = g.seçili();

    test::MesajYanıtlayıcı y;
    const bool açıldı = pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokGirişiDeğiştirFormu", [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), "Stok Girişi Değiştir");
        EXPECT_EQ(SeçiliHareketNo, e);
        EXPECT_DOUBLE_EQ(DiğerHareketlerToplamı, 10);
        auto* firmalar = liste(w, "FirmaListesi");
        auto* ürünler = liste(w, "ÜrünListesi");
        EXPECT_EQ(firmalar->seçiliNumara(), v.satıcıY);
        EXPECT_EQ(ürünler->seçiliNumara(), v.şeker);
        EXPECT_EQ(kutu(w, "ÜrünKoduKutusu")->text(), "S-01");
        EXPECT_EQ(kutu(w, "MiktarBirimiKutusu")->text(), "Kg");
        EXPECT_EQ(kutu(w, "KDVOranıKutusu")->text(), "8,00");
        EXPECT_EQ(kutu(w, "KalanKutusu")->text(), "3,00");
        EXPECT_EQ(bul<QDateEdit>(w, "TarihiKutusu")->date(), QDate(2026, 2, 3));
        EXPECT_EQ(kutu(w, "MiktarıKutusu")->text(), "5,00");
        EXPECT_EQ(kutu(w, "FiyatıKutusu")->text(), "12,00");
        QPushButton* kaydet = düğme(w, "KaydetDüğmesi");
        EXPECT_FALSE(kaydet->isEnabled());

        // The product reached through its find box does not enable the save; the history's firm again
        // does not either; another firm does.
        yaz(kutu(w, "ÜrünBulKutusu"), "ŞEK");
        EXPECT_FALSE(kaydet->isEnabled());
        yaz(kutu(w, "FirmaBulKutusu"), "BEY");
        EXPECT_FALSE(kaydet->isEnabled());
        yaz(kutu(w, "FirmaBulKutusu"), "Q");  // no firm at all
        EXPECT_TRUE(kaydet->isEnabled());

        // The checks in their order.
        kaydet->click();
        seç(firmalar, "ACAR GIDA");
        yaz(kutu(w, "ÜrünBulKutusu"), "Q");
        EXPECT_EQ(kutu(w, "KalanKutusu")->text(), "0");
        EXPECT_EQ(kutu(w, "FiyatıKutusu")->text(), "");
        kaydet->click();
        seç(ürünler, "ŞEKER");
        EXPECT_EQ(kutu(w, "FiyatıKutusu")->text(), "12,50");  // the product's list price
        yaz(kutu(w, "MiktarıKutusu"), "0,0");
        yaz(kutu(w, "FiyatıKutusu"), "");
        EXPECT_EQ(kutu(w, "MiktarıKutusu")->text(), "0,00");
        kaydet->click();
        yaz(kutu(w, "MiktarıKutusu"), "1,99");
        kaydet->click();
        yaz(kutu(w, "FiyatıKutusu"), "3,5");
        kaydet->click();  // 10 + 1,99 − 12 < 0
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(y.görülenler().last().simge, mesaj::Simge::Ünlem);
        yaz(kutu(w, "MiktarıKutusu"), "2");
        kaydet->click();  // exactly 0
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_TRUE(açıldı);
    EXPECT_EQ(metinler(y), QStringList({"Lütfen listeden bir FİRMA seçiniz.", "Lütfen listeden bir ÜRÜN seçiniz.",
                                        "Lütfen geçerli bir MİKTAR giriniz.", "Lütfen geçerli bir FİYAT giriniz.",
                                        "Bu değişiklik sonucunda stok mevcudunuz NEGATİF olacağı için değişiklik "
                                        "yapılamıyor!"}));
    auto s = db.prepare("SELECT FirmaNo, Miktari, Fiyati FROM GirisIslemleriTablosu WHERE HareketNo = ?1");
    s.bind(1, e);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.integer(0), v.satıcıX);
    EXPECT_DOUBLE_EQ(s.real(1), 2);
    EXPECT_DOUBLE_EQ(s.real(2), 3.5);
    EXPECT_EQ(g.toplam("KalanKutusu"), "0,00");
    EXPECT_EQ(g.seçili(), sıra);
}

TEST(GirişDeğiştir, ÜrünListesindeSeçilenÜrünKaydetiAçar)
{
    Veri v;
    giriş(v.db(), v.şeker, 5, 12, v.satıcıY);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.satırSeç("5,00");
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokGirişiDeğiştirFormu", [&](QDialog* w) {
        // A click on the product already chosen brings its list price back and enables nothing.
        auto* ürünler = liste(w, "ÜrünListesi");
        QTest::mouseClick(ürünler->viewport(), Qt::LeftButton, {},
                          ürünler->visualItemRect(ürünler->currentItem()).center());
        EXPECT_EQ(kutu(w, "FiyatıKutusu")->text(), "12,50");
        EXPECT_FALSE(düğme(w, "KaydetDüğmesi")->isEnabled());
        // Whatever has the focus: the find box's search does not count, a pick in the list does.
        kutu(w, "ÜrünBulKutusu")->setText("UN");
        EXPECT_EQ(kutu(w, "ÜrünKoduKutusu")->text(), "U-03");
        EXPECT_FALSE(düğme(w, "KaydetDüğmesi")->isEnabled());
        seç(ürünler, "ÇAY");
        EXPECT_TRUE(düğme(w, "KaydetDüğmesi")->isEnabled());
    });
}

TEST(GirişDeğiştir, BaşkaYerdeSilinmişHareketKaydedilmişSayılmaz)
{
    Veri v;
    auto& db = v.db();
    const int e = giriş(db, v.şeker, 5, 12, v.satıcıY);
    giriş(db, v.şeker, 7, 12, v.satıcıX);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.satırSeç("5,00");
    test::MesajYanıtlayıcı y;
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokGirişiDeğiştirFormu", [&](QDialog* w) {
        platform::Database::open(v.sunucu.veritabanıYolu())
            ->exec("DELETE FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e});
        yaz(kutu(w, "MiktarıKutusu"), "6");
        düğme(w, "KaydetDüğmesi")->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(metinler(y), QStringList({"Bu hareket başka bir bilgisayarda silinmiş!"}));
    EXPECT_EQ(g.sütun(3), QStringList({"7,00"}));
    EXPECT_EQ(tohum::sayı(db, "GirisIslemleriTablosu"), 1);
}

TEST(GirişDeğiştir, BaşkaYerdeDeğişenGirişEskiDeğerleriyleYazılmaz)
{
    Veri v;
    auto& db = v.db();
    const int e = giriş(db, v.şeker, 3, 12, v.satıcıY);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.satırSeç("3,00");
    test::MesajYanıtlayıcı y;
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokGirişiDeğiştirFormu", [&](QDialog* w) {
        // Another workstation makes the entry 1 while the window shows 3; the window changes the price only.
        platform::Database::open(v.sunucu.veritabanıYolu())
            ->exec("UPDATE GirisIslemleriTablosu SET Miktari = 1 WHERE HareketNo = ?1", {e});
        yaz(kutu(w, "FiyatıKutusu"), "13");
        düğme(w, "KaydetDüğmesi")->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(metinler(y), QStringList({DeğişmişMetni}));
    EXPECT_EQ(db.scalar("SELECT Miktari || '/' || Fiyati FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e})
                  .toString(),
              "1.0/12.0");
    EXPECT_EQ(g.sütun(3), QStringList({"1,00"}));
}

TEST(ÇıkışDeğiştir, İadedenSonraEskiPencereÇıkışıGeriYazmaz)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 10, 12.5, v.satıcıX);
    const int c = çıkış(db, v.şeker, 1, 20, v.alıcıA, 0);
    İadeTablosunuOluştur(db);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.tür(1);
    g.satırSeç("1,00");
    {
        test::MesajYanıtlayıcı y;
        pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokÇıkışıDeğiştirFormu", [&](QDialog* w) {
            // Another workstation returns 0,40 of the 1,00 the window shows: the exit becomes 0,60.
            auto öbür = platform::Database::open(v.sunucu.veritabanıYolu());
            ASSERT_EQ(hareket::stoğaİadeEt(*öbür, c, {v.şeker, v.alıcıA, QDate(2026, 1, 6), 1, 20, 0}, QDate(2026, 2, 1),
                                           0.4, false),
                      hareket::Sonuç::Tamam);
            yaz(kutu(w, "FiyatıKutusu"), "21");
            düğme(w, "KaydetDüğmesi")->click();
            EXPECT_FALSE(w->isVisible());
        });
        EXPECT_EQ(metinler(y), QStringList({DeğişmişMetni}));
        EXPECT_EQ(db.scalar("SELECT Miktari || '/' || Fiyati FROM CikisIslemleriTablosu WHERE HareketNo = ?1", {c})
                      .toString(),
                  "0.6/20.0");
        EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);
        EXPECT_EQ(g.sütun(3), QStringList({"0,60"}));
    }

    // The return window opened on the 0,60 while another workstation makes it 0,50: its return is refused.
    g.satırSeç("0,60");
    test::MesajYanıtlayıcı y2;
    pencerede(düğme(&g.p, "StoğaİadeEtDüğmesi"), "StoğaİadeEtFormu", [&](QDialog* w) {
        platform::Database::open(v.sunucu.veritabanıYolu())
            ->exec("UPDATE CikisIslemleriTablosu SET Miktari = 0.5 WHERE HareketNo = ?1", {c});
        yaz(kutu(w, "İadeMiktarıKutusu"), "0,3");
        düğme(w, "İadeEtDüğmesi")->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(metinler(y2), QStringList({DeğişmişMetni}));
    EXPECT_DOUBLE_EQ(miktar(db, "CikisIslemleriTablosu", c), 0.5);
    EXPECT_EQ(g.sütun(3), QStringList({"0,50"}));
}

TEST(ÇıkışDeğiştir, KaydınReddettiğiDeğerinMesajıVeKutusu)
{
    Veri v;
    giriş(v.db(), v.şeker, 10, 12.5, v.satıcıX);
    çıkış(v.db(), v.şeker, 1, 20, v.alıcıA, 0);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.tür(1);
    g.satırSeç("1,00");
    SonuçGösteren w(&g.p, g.p);
    göster(&w);
    struct Durum {
        hareket::Sonuç sonuç;
        const char* metin;
        const char* kutu;
    };
    for (const Durum& d : {Durum{hareket::Sonuç::TarihGeçersiz, "Lütfen geçerli bir TARİH giriniz.", "TarihiKutusu"},
                           Durum{hareket::Sonuç::MiktarGeçersiz, "Lütfen geçerli bir MİKTAR giriniz.", "MiktarıKutusu"},
                           Durum{hareket::Sonuç::FiyatGeçersiz, "Lütfen geçerli bir FİYAT giriniz.", "FiyatıKutusu"},
                           Durum{hareket::Sonuç::NedenGeçersiz, "Lütfen ÇIKIŞ NEDENİ'ni belirtiniz.", "NedeniKutusu"}}) {
        test::MesajYanıtlayıcı y;
        QApplication::setActiveWindow(&w);
        w.sonucuİşle(d.sonuç, true);
        EXPECT_EQ(y.sonMetin(), QString::fromUtf8(d.metin));
        ASSERT_TRUE(w.focusWidget());
        EXPECT_EQ(w.focusWidget()->objectName(), QString::fromUtf8(d.kutu));
        EXPECT_TRUE(w.isVisible());
    }
}

TEST(ÇıkışDeğiştir, FişliSatışNedenVeAlıştanDüşükFiyat)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 10, 12.5, v.satıcıX);
    const int fişli = çıkış(db, v.şeker, 2, 20, FişliSatışFirması, 1);
    çıkış(db, v.şeker, 7, 20, v.alıcıA, 0);
    db.exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE HareketNo = ?1", {fişli});
    Geçmiş g;
    g.ürün("ŞEKER");
    g.tür(1);
    g.satırSeç("2,00");

    test::MesajYanıtlayıcı y({"Tamam", "Tamam", "Hayır", "Evet"});
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokÇıkışıDeğiştirFormu", [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), "Stok Çıkışı Değıiştir");
        EXPECT_DOUBLE_EQ(DiğerHareketlerToplamı, 7);
        auto* neden = açılır(w, "NedeniKutusu");
        EXPECT_EQ(neden->currentText(), "Fişli Satış");
        EXPECT_EQ(liste(w, "FirmaListesi")->seçiliSatır(), -1);  // the reserved buyer is not offered
        EXPECT_EQ(kutu(w, "EnDüşükAlışKutusu")->text(), "12,50");
        EXPECT_EQ(kutu(w, "KalanKutusu")->text(), "1,00");
        QPushButton* kaydet = düğme(w, "KaydetDüğmesi");
        EXPECT_FALSE(kaydet->isEnabled());

        neden->setCurrentIndex(-1);
        kaydet->setEnabled(true);
        kaydet->click();  // no reason
        neden->setCurrentIndex(0);
        kaydet->click();  // an invoiced sale needs a firm
        neden->setCurrentIndex(1);
        yaz(kutu(w, "MiktarıKutusu"), "3,01");
        yaz(kutu(w, "FiyatıKutusu"), "12,49");
        kaydet->click();  // below the lowest purchase price: No
        EXPECT_EQ(w->focusWidget(), kutu(w, "FiyatıKutusu"));
        kaydet->click();  // Yes, then 10 − (3,01 + 7) < 0
        EXPECT_TRUE(w->isVisible());
        yaz(kutu(w, "MiktarıKutusu"), "3");
        kaydet->click();  // Yes again; exactly 0
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(metinler(y),
              QStringList({"Lütfen ÇIKIŞ NEDENİ'ni belirtiniz.", "Lütfen listeden bir FİRMA seçiniz.",
                           "Bu ürünü, en düşük alışınızdan da daha aşağı bir FİYAT'a satmak istiyor musunuz?",
                           "Bu ürünü, en düşük alışınızdan da daha aşağı bir FİYAT'a satmak istiyor musunuz?",
                           "Bu değişiklik sonucunda stok mevcudunuz NEGATİF olacağı için değişiklik yapılamıyor!",
                           "Bu ürünü, en düşük alışınızdan da daha aşağı bir FİYAT'a satmak istiyor musunuz?"}));
    EXPECT_EQ(db.scalar("SELECT FirmaNo || '/' || Miktari || '/' || Nedeni || '/' || Fatura FROM CikisIslemleriTablosu "
                        "WHERE HareketNo = ?1",
                        {fişli})
                  .toString(),
              "1/3.0/1/1");
    EXPECT_EQ(g.toplam("KalanKutusu"), "0,00");
}

TEST(ÇıkışDeğiştir, BaşkaÜrüneTaşımaVeHediyeFiyatı)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 10, 12.5, v.satıcıX);
    giriş(db, v.çay, 4, 30, v.satıcıX);
    const int c = çıkış(db, v.şeker, 2, 20, v.alıcıA, 0);
    çıkış(db, v.şeker, 8, 20, v.alıcıB, 0);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.tür(1);
    g.satırSeç("2,00");
    const int sıra = g.seçili();
    // Another workstation's exit of the target product arrives after the window opened.
    test::MesajYanıtlayıcı y;
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokÇıkışıDeğiştirFormu", [&](QDialog* w) {
        seç(liste(w, "ÜrünListesi"), "ÇAY");
        EXPECT_TRUE(düğme(w, "KaydetDüğmesi")->isEnabled());
        EXPECT_EQ(kutu(w, "KalanKutusu")->text(), "4,00");
        açılır(w, "NedeniKutusu")->setCurrentIndex(3);  // a gift: any price, also none, but one that is a price
        yaz(kutu(w, "FiyatıKutusu"), "9999999999999");
        düğme(w, "KaydetDüğmesi")->click();
        EXPECT_EQ(w->focusWidget(), kutu(w, "FiyatıKutusu"));
        yaz(kutu(w, "FiyatıKutusu"), "");
        yaz(kutu(w, "MiktarıKutusu"), "4");
        platform::Database::open(v.sunucu.veritabanıYolu())
            ->exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni, CikisiYapan) "
                   "VALUES (?1, ?2, '2026-01-07', 0.5, 1, 2, 0)",
                   {v.çay, v.alıcıB});
        düğme(w, "KaydetDüğmesi")->click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(kutu(w, "FiyatıKutusu")->text(), "0");
        yaz(kutu(w, "MiktarıKutusu"), "3,5");
        düğme(w, "KaydetDüğmesi")->click();
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(metinler(y), QStringList({"Lütfen geçerli bir FİYAT giriniz.",
                                        "Bu değişiklik sonucunda stok mevcudunuz NEGATİF olacağı için değişiklik "
                                        "yapılamıyor!"}));
    EXPECT_DOUBLE_EQ(tohum::stok(db, v.çay), 0);
    EXPECT_EQ(db.scalar("SELECT UrunNo FROM CikisIslemleriTablosu WHERE HareketNo = ?1", {c}).toInt(), v.çay);
    // The exit left this product's list; the row before takes the selection.
    EXPECT_EQ(g.sütun(3), QStringList({"8,00"}));
    EXPECT_EQ(g.seçili(), std::min(sıra, 0));
}

TEST(StoğaİadeEt, KısmiVeTamİade)
{
    Veri v;
    auto& db = v.db();
    giriş(db, v.şeker, 20, 12.5, v.satıcıX);
    const int c = çıkış(db, v.şeker, 10, 20, v.alıcıA, 0);
    const int d = çıkış(db, v.şeker, 1, 20, v.alıcıB, 0);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.tür(1);
    g.satırSeç("10,00");
    const int sıra = g.seçili();
    EXPECT_FALSE(TabloVar(db));

    {
        test::MesajYanıtlayıcı y({"Tamam", "Tamam", "Tamam", "Hayır"});
        pencerede(düğme(&g.p, "StoğaİadeEtDüğmesi"), "StoğaİadeEtFormu", [&](QDialog* w) {
            EXPECT_EQ(w->windowTitle(), "Çıkışı Stoğa İade Et");
            EXPECT_EQ(bul<QDateEdit>(w, "İadeTarihiKutusu")->date(), QDate::currentDate());
            QLineEdit* m = kutu(w, "İadeMiktarıKutusu");
            EXPECT_EQ(m->text(), "");
            düğme(w, "İadeEtDüğmesi")->click();  // no quantity
            // A pasted minus never arrives; a negative the box was given otherwise is refused.
            m->setFocus();
            QApplication::clipboard()->setText("-2,5");
            m->paste();
            EXPECT_EQ(m->text(), "2,5");
            m->setText("-2,5");
            düğme(w, "İadeEtDüğmesi")->click();
            yaz(m, "10,01");
            düğme(w, "İadeEtDüğmesi")->click();
            yaz(m, "10");
            düğme(w, "İadeEtDüğmesi")->click();  // the whole of it: No
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->focusWidget(), m);
            EXPECT_TRUE(TabloVar(db));  // made before the question
            bul<QDateEdit>(w, "İadeTarihiKutusu")->setDate(QDate(2020, 3, 4));
            yaz(m, "2,5");
            düğme(w, "İadeEtDüğmesi")->click();
            EXPECT_FALSE(w->isVisible());
        });
        EXPECT_EQ(metinler(y), QStringList({"Stoğa iade edilecek MİKTARI giriniz!", "Stoğa iade edilecek MİKTARI giriniz!",
                                            "Stoğa iade edilecek miktar, ÇIKIŞ miktarını geçemez!",
                                            "Çıkış miktarının TÜMÜNÜ stoğa iade etmek istediğinizden emin misiniz?"}));
        EXPECT_DOUBLE_EQ(miktar(db, "CikisIslemleriTablosu", c), 7.5);
        EXPECT_EQ(db.scalar("SELECT CikisHareketiNo || '/' || IadeTarihi || '/' || IadeMiktari FROM "
                            "StogaIadeBilgileriTablosu")
                      .toString(),
                  QStringLiteral("%1/2020-03-04/2.5").arg(c));
        EXPECT_EQ(g.hareketler()->hücre(g.seçili(), 3), "7,50");
        EXPECT_EQ(g.seçili(), sıra);
    }

    // The whole of the other exit: Yes deletes it and writes no return row.
    g.satırSeç("1,00");
    {
        test::MesajYanıtlayıcı y2({"Evet"});
        pencerede(düğme(&g.p, "StoğaİadeEtDüğmesi"), "StoğaİadeEtFormu", [&](QDialog* w) {
            yaz(kutu(w, "İadeMiktarıKutusu"), "1");
            düğme(w, "İadeEtDüğmesi")->click();
            EXPECT_FALSE(w->isVisible());
        });
        EXPECT_EQ(y2.sayı(), 1);
        EXPECT_FALSE(db.scalar("SELECT 1 FROM CikisIslemleriTablosu WHERE HareketNo = ?1", {d}).isValid());
        EXPECT_EQ(tohum::sayı(db, "StogaIadeBilgileriTablosu"), 1);
        EXPECT_EQ(g.sütun(3), QStringList({"7,50"}));
        EXPECT_EQ(g.seçili(), 0);
    }

    // An exit with a return asks before its change window opens; No leaves it closed.
    g.satırSeç("7,50");
    test::MesajYanıtlayıcı y3({"Hayır"});
    bool açıldı = false;
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokÇıkışıDeğiştirFormu", [&](QDialog*) { açıldı = true; });
    EXPECT_FALSE(açıldı);
    EXPECT_EQ(y3.sonMetin(), "Bu hareket için İADE işlemi yapılmış, yine de değişiklik yapmak ister misiniz?");
}

TEST(GirişDeğiştir, AynıAdlıİkiFirmadanKendiFirmasıKalır)
{
    Veri v;
    auto& db = v.db();
    const int ikinci = tohum::satıcı(db, "ACAR GIDA");  // an older file may hold two firms of one name
    const int e = giriş(db, v.şeker, 5, 12, ikinci);
    Geçmiş g;
    g.ürün("ŞEKER");
    g.satırSeç("5,00");
    test::MesajYanıtlayıcı y;
    pencerede(düğme(&g.p, "DeğişiklikYapDüğmesi"), "StokGirişiDeğiştirFormu", [&](QDialog* w) {
        EXPECT_EQ(liste(w, "FirmaListesi")->seçiliNumara(), ikinci);
        yaz(kutu(w, "MiktarıKutusu"), "6");
        düğme(w, "KaydetDüğmesi")->click();
    });
    EXPECT_EQ(y.sayı(), 0);
    EXPECT_EQ(db.scalar("SELECT FirmaNo FROM GirisIslemleriTablosu WHERE HareketNo = ?1", {e}).toInt(), ikinci);
    EXPECT_DOUBLE_EQ(miktar(db, "GirisIslemleriTablosu", e), 6);
}
