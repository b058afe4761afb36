// The invoicing window driven as a user drives it, offscreen, against a real database file.
#include "invoicing/FaturaYazdirFormu.h"
#include "FaturaTohumu.h"

#include "core/Acicilar.h"
#include "core/ListeGorunumu.h"
#include "invoicing/FaturaKayit.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace t = faturaTohumu;

namespace {

struct FaturaPenceresi {
    test::SunucuKlasörü sunucu;
    int alfa = 0, beta = 0, kalem = 0, defter = 0;
    std::unique_ptr<FaturaYazdırFormu> p;
    QTreeWidget* ağaç = nullptr;
    ListeGörünümü* liste = nullptr;

    FaturaPenceresi()
    {
        test::ayarlarıTemizle();
        auto& db = sunucu.db();
        kalem = t::ürün(db, "K-2", "KALEM", "Adet", 18.0);
        defter = t::ürün(db, "D-1", "DEFTER", QVariant(), QVariant());
        beta = t::alıcı(db, "BETA BÜRO", "Cumhuriyet Cad. 5\nKonak / İzmir");
        alfa = t::alıcı(db, "ALFA KIRTASİYE");
        t::çıkış(db, beta, kalem, "2026-03-05", 3, 12.5);
        t::çıkış(db, beta, defter, "2026-03-05", 2.5, 4);
        t::çıkış(db, beta, kalem, "2026-03-05", 1, 1, 3);  // another reason: never on an invoice
        t::çıkış(db, beta, kalem, "2026-03-09", 1, 2);
        t::çıkış(db, alfa, defter, "2026-03-01", 1, 7, 0, true);
    }
    void aç()
    {
        p = std::make_unique<FaturaYazdırFormu>();
        p->show();
        ağaç = p->findChild<QTreeWidget*>("FirmaListesi");
        liste = dynamic_cast<ListeGörünümü*>(p->findChild<QTableView*>("ÜrünListesi"));
    }
    QString kutu(const char* ad) const
    {
        if (auto* k = p->findChild<QPlainTextEdit*>(ad)) return k->toPlainText();
        return p->findChild<QLineEdit*>(ad)->text();
    }
    QString toplamlar() const
    {
        return kutu("ToplamKutusu") + " " + kutu("KDVToplamıKutusu") + " " + kutu("GenelToplamKutusu");
    }
    QStringList düğümler() const
    {
        QStringList s;
        for (int i = 0; i < ağaç->topLevelItemCount(); ++i) {
            QTreeWidgetItem* kök = ağaç->topLevelItem(i);
            s << kök->data(0, Qt::UserRole).toString() + " " + kök->text(0);
            for (int j = 0; j < kök->childCount(); ++j) s << "  " + kök->child(j)->text(0);
        }
        return s;
    }
    QTreeWidgetItem* düğüm(int kök, int gün = -1) const
    {
        QTreeWidgetItem* k = ağaç->topLevelItem(kök);
        return gün < 0 ? k : k->child(gün);
    }
    // A click on the node, as the user makes it.
    void tıkla(QTreeWidgetItem* d)
    {
        ağaç->scrollToItem(d);
        QTest::mouseClick(ağaç->viewport(), Qt::LeftButton, {}, ağaç->visualItemRect(d).center());
    }
    QStringList sütun(int c) const
    {
        QStringList s;
        for (int r = 0; r < liste->satırSayısı(); ++r) s << liste->hücre(r, c);
        return s;
    }
    QString seçili() const { return ağaç->currentItem() ? ağaç->currentItem()->text(0) : QString(); }
};

}  // namespace

TEST(FaturaYazdırFormu, GünSeçilinceMüşteriSatırlarVeToplamlar)
{
    FaturaPenceresi f;
    f.aç();
    EXPECT_EQ(f.p->windowTitle(), "Fatura Yazdır");
    // Firms by number, each day once, dates as the user reads them; no node selected, nothing shown.
    EXPECT_EQ(f.düğümler(), QStringList({QString("F-%1 BETA BÜRO").arg(f.beta), "  05.03.2026", "  09.03.2026"}));
    EXPECT_EQ(f.ağaç->currentItem(), nullptr);
    EXPECT_EQ(f.liste->satırSayısı(), 0);

    f.tıkla(f.düğüm(0));
    f.ağaç->expandItem(f.düğüm(0));
    f.tıkla(f.düğüm(0, 0));
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "BETA BÜRO");
    EXPECT_EQ(f.kutu("AdresiKutusu"), "Cumhuriyet Cad. 5\nKonak / İzmir");
    EXPECT_EQ(f.kutu("VergiDairesiKutusu"), "Merkez");
    // Sorted by code; a product without unit or VAT rate shows an empty unit and "0".
    EXPECT_EQ(f.sütun(FaturaYazdırFormu::Kodu), QStringList({"D-1", "K-2"}));
    EXPECT_EQ(f.liste->satır(0).mid(1), QStringList({"D-1", "DEFTER", "2,5", "", "0", "4,00", "10,00", "0"}));
    EXPECT_EQ(f.liste->satır(1).mid(1), QStringList({"K-2", "KALEM", "3", "Adet", "18,00", "12,50", "37,50", "6,75"}));
    EXPECT_EQ(f.toplamlar(), "47,50 6,75 54,25");

    // What the prints take: the shown day, the lines in the list's order, the totals.
    fatura::FaturaVerisi v = f.p->faturaVerisi();
    EXPECT_EQ(v.tarih, QDate(2026, 3, 5));
    EXPECT_EQ(v.firmaNo, f.beta);
    EXPECT_FALSE(v.yazdırılanlar);
    EXPECT_EQ(v.firmaAdı, "BETA BÜRO");
    ASSERT_EQ(v.satırlar.size(), 2);
    EXPECT_EQ(v.satırlar[0].kodu, "D-1");
    EXPECT_EQ(v.genelToplam, 542500);
    f.liste->sütunaTıklandı(FaturaYazdırFormu::Tutarı);  // ascending by amount...
    f.liste->sütunaTıklandı(FaturaYazdırFormu::Tutarı);  // ...then descending
    EXPECT_EQ(f.p->faturaVerisi().satırlar[0].kodu, "K-2");

    // A firm node empties the display.
    f.tıkla(f.düğüm(0));
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "");
    EXPECT_EQ(f.kutu("AdresiKutusu"), "");
    EXPECT_EQ(f.liste->satırSayısı(), 0);
    EXPECT_EQ(f.toplamlar(), "  ");
    EXPECT_FALSE(f.p->gösterilenGün().has_value());

    // The invoiced ones instead.
    f.p->findChild<QCheckBox*>("YazdırılanlarıGösterOnayı")->click();
    EXPECT_EQ(f.düğümler(), QStringList({QString("F-%1 ALFA KIRTASİYE").arg(f.alfa), "  01.03.2026"}));
    f.tıkla(f.düğüm(0));
    f.ağaç->expandItem(f.düğüm(0));
    f.tıkla(f.düğüm(0, 0));
    EXPECT_EQ(f.toplamlar(), "7,00 0,00 7,00");
    EXPECT_TRUE(f.p->faturaVerisi().yazdırılanlar);
    // Unticking reloads the tree but leaves these lines shown: they still print as a reprint.
    f.p->findChild<QCheckBox*>("YazdırılanlarıGösterOnayı")->click();
    EXPECT_EQ(f.toplamlar(), "7,00 0,00 7,00");
    EXPECT_TRUE(f.p->faturaVerisi().yazdırılanlar);
}

TEST(FaturaYazdırFormu, FirmasıSilinenGünHiçbirŞeyGöstermez)
{
    FaturaPenceresi f;
    f.aç();
    f.p->FirmaListesi_NodeClick(f.düğüm(0, 1));
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "BETA BÜRO");
    f.sunucu.db().exec("DELETE FROM AliciFirmalarTablosu WHERE Nosu = ?", {f.beta});

    test::MesajYanıtlayıcı yanıtlar;
    f.p->FirmaListesi_NodeClick(f.düğüm(0, 0));
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "");
    EXPECT_EQ(f.kutu("VergiNumarasıKutusu"), "");
    EXPECT_EQ(f.liste->satırSayısı(), 0);
    EXPECT_TRUE(f.p->faturaVerisi().satırlar.isEmpty());
    EXPECT_EQ(yanıtlar.sayı(), 0);
    // Its exits now have no firm: they leave the tree.
    f.p->ListeyiYenileDüğmesi_Click();
    EXPECT_TRUE(f.düğümler().isEmpty());
}

TEST(FaturaYazdırFormu, YenilemeGösterilenGünüKorur)
{
    FaturaPenceresi f;
    auto& db = f.sunucu.db();
    const int gama = t::alıcı(db, "GAMA");
    t::çıkış(db, gama, f.kalem, "2026-03-02");
    f.aç();
    f.p->FirmaListesi_NodeClick(f.düğüm(0, 1));  // BETA, 09.03.2026: one line

    // Another client adds a line to that day and a day before it; F5 shows the same day with both lines.
    t::çıkış(db, f.beta, f.defter, "2026-03-09", 1, 3);
    t::çıkış(db, f.beta, f.defter, "2026-03-04");
    QApplication::setActiveWindow(f.p.get());
    QTest::keyClick(f.ağaç, Qt::Key_F5);
    EXPECT_EQ(f.seçili(), "09.03.2026");
    EXPECT_EQ(f.p->gösterilenGün()->tarih, QDate(2026, 3, 9));
    EXPECT_EQ(f.liste->satırSayısı(), 2);

    // The day got invoiced elsewhere: the node now at its place is shown; past the end, the last node.
    db.exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE FirmaNo = ? AND Tarihi = '2026-03-09'", {f.beta});
    f.p->ListeyiYenileDüğmesi_Click();
    EXPECT_EQ(f.düğümler().size(), 5);
    EXPECT_EQ(f.seçili(), "GAMA");
    EXPECT_EQ(f.liste->satırSayısı(), 0);

    // An empty tree is reloaded as well, and shows what came in since.
    db.exec("UPDATE CikisIslemleriTablosu SET Fatura = 1");
    f.p->ListeyiYenileDüğmesi_Click();
    EXPECT_TRUE(f.düğümler().isEmpty());
    t::çıkış(db, gama, f.kalem, "2026-03-10");
    f.p->ListeyiYenileDüğmesi_Click();
    EXPECT_EQ(f.düğümler(), QStringList({QString("F-%1 GAMA").arg(gama), "  10.03.2026"}));
}

TEST(FaturaYazdırFormu, YazdırmadanSonraÖncekiDüğümSeçilir)
{
    FaturaPenceresi f;
    f.aç();
    f.p->FirmaListesi_NodeClick(f.düğüm(0, 1));  // BETA 09.03: node 3 of the tree
    // A find reloads the tree; the printed day is still the one shown, not what the tree selects now.
    f.p->YazdırılanlarıGösterOnayı_Click();
    EXPECT_EQ(f.p->faturaVerisi().tarih, QDate(2026, 3, 9));

    f.sunucu.db().exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE Tarihi = '2026-03-09'");
    f.p->yazdırıldıktanSonraYenile();
    EXPECT_EQ(f.seçili(), "05.03.2026");
    EXPECT_EQ(f.liste->satırSayısı(), 2);

    // The first node printed: the first node is shown. The last day gone: the display empties.
    f.sunucu.db().exec("UPDATE CikisIslemleriTablosu SET Fatura = 1 WHERE Tarihi = '2026-03-05'");
    f.p->yazdırıldıktanSonraYenile();
    EXPECT_TRUE(f.düğümler().isEmpty());
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "");
    EXPECT_FALSE(f.p->gösterilenGün().has_value());
}

TEST(FaturaYazdırFormu, BulKutusu)
{
    FaturaPenceresi f;
    auto& db = f.sunucu.db();
    t::çıkış(db, t::alıcı(db, "İNCİ O'NEIL"), f.kalem, "2026-03-02");
    f.aç();
    QApplication::setActiveWindow(f.p.get());
    auto* bul = f.p->findChild<QLineEdit*>("BulKutusu");
    auto* bulDüğmesi = f.p->findChild<QPushButton*>("BulDüğmesi");
    auto* temizle = f.p->findChild<QPushButton*>("TemizleDüğmesi");
    EXPECT_FALSE(bulDüğmesi->isEnabled());
    bul->setFocus();
    QTest::sendKeyEvent(QTest::Click, bul, Qt::Key_I, QStringLiteral("i"), Qt::NoModifier);
    QTest::keyClicks(bul, "nci o'n");
    EXPECT_EQ(bul->text(), "İNCİ O'N");
    EXPECT_TRUE(bulDüğmesi->isEnabled());
    EXPECT_TRUE(temizle->isEnabled());
    QTest::keyClick(bul, Qt::Key_Return);
    EXPECT_EQ(f.düğümler().size(), 2);
    EXPECT_EQ(f.düğüm(0)->text(0), "İNCİ O'NEIL");

    // Emptied by hand: the buttons go off and the whole tree comes back.
    bul->selectAll();
    QTest::keyClick(bul, Qt::Key_Backspace);
    EXPECT_FALSE(bulDüğmesi->isEnabled());
    EXPECT_FALSE(temizle->isEnabled());
    EXPECT_EQ(f.düğümler().size(), 5);
}

TEST(FaturaYazdırFormu, OkunamayanAğaçBirKezBildirilir)
{
    FaturaPenceresi f;
    f.aç();
    f.p->FirmaListesi_NodeClick(f.düğüm(0, 0));
    f.sunucu.db().exec("ALTER TABLE CikisIslemleriTablosu RENAME TO Baska");
    test::MesajYanıtlayıcı yanıtlar({"Evet"});
    f.p->ListeyiYenileDüğmesi_Click();
    EXPECT_EQ(yanıtlar.sayı(), 1);
    EXPECT_TRUE(f.düğümler().isEmpty());
    EXPECT_EQ(f.liste->satırSayısı(), 0);
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "");
}

TEST(FaturaYazdırFormu, SütunDüzeniSaklanır)
{
    FaturaPenceresi f;
    f.aç();
    f.liste->sütunGenişliğiniAyarla(FaturaYazdırFormu::KDVMiktarı, 1500);
    f.liste->sütunKonumunuAyarla(FaturaYazdırFormu::Tutarı, 1);
    f.p->findChild<QPushButton*>("KapatDüğmesi")->click();
    EXPECT_FALSE(f.p->isVisible());
    EXPECT_EQ(ayarlar::oku("Listeler\\Liste-3", "Genislik-9"), "1500");

    f.aç();
    EXPECT_EQ(f.liste->sütunGenişliğiTwips(FaturaYazdırFormu::KDVMiktarı), 1500);
    EXPECT_EQ(f.liste->sütunKonumu(FaturaYazdırFormu::Tutarı), 1);
}

TEST(FaturaYazdırFormu, KatlamaF5VeOnayKutusu)
{
    FaturaPenceresi f;
    f.aç();
    f.tıkla(f.düğüm(0));
    f.ağaç->expandItem(f.düğüm(0));
    f.tıkla(f.düğüm(0, 0));
    ASSERT_EQ(f.liste->satırSayısı(), 2);
    // Folding the firm over its shown day selects the firm, which clears the display.
    f.ağaç->collapseItem(f.düğüm(0));
    EXPECT_EQ(f.seçili(), "BETA BÜRO");
    EXPECT_EQ(f.kutu("FirmaAdıKutusu"), "");
    EXPECT_EQ(f.liste->satırSayısı(), 0);

    // F5 reaches the refresh from any control, the window active or not.
    t::çıkış(f.sunucu.db(), f.beta, f.kalem, "2026-03-12");
    QTest::keyClick(f.p->findChild<QLineEdit*>("BulKutusu"), Qt::Key_F5);
    EXPECT_EQ(f.düğüm(0)->childCount(), 3);

    // The box reloads the tree however it gets ticked.
    f.p->findChild<QCheckBox*>("YazdırılanlarıGösterOnayı")->setChecked(true);
    EXPECT_EQ(f.düğümler(), QStringList({QString("F-%1 ALFA KIRTASİYE").arg(f.alfa), "  01.03.2026"}));
}

TEST(FaturaYazdırFormu, MenüÖğesindenSahibineBağlıAçılır)
{
    FaturaPenceresi f;
    FaturaPencereleriniKaydet();
    QWidget sahip;
    sahip.show();
    QWidget* üst = nullptr;
    bool kipli = false;
    test::Görününce açılınca("FaturaYazdırFormu", [&](QWidget* p) {
        üst = p->parentWidget();
        kipli = p->isModal();
        p->close();
    });
    EXPECT_TRUE(açıcılar::aç("FaturaYazdırMenüsü", &sahip));
    EXPECT_TRUE(açılınca.olduMu());
    EXPECT_EQ(üst, &sahip);
    EXPECT_TRUE(kipli);
}
