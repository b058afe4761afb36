#include "core/SiraliListe.h"
#include "support/Ortam.h"

#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Names in an order that neither the code points nor an English collation give.
const QList<ListeGirdisi> karışık = {
    {QStringLiteral("Zil"), 1},  {QStringLiteral("ılık"), 2}, {QStringLiteral("İğne"), 3},
    {QStringLiteral("Çanta"), 4}, {QStringLiteral("cam"), 5},  {QStringLiteral("Işık"), 6},
    {QStringLiteral("iç"), 7},   {QStringLiteral("Ödev"), 8}, {QStringLiteral("ordu"), 9},
    {QStringLiteral("şal"), 10}, {QStringLiteral("Sabun"), 11}, {QStringLiteral("ütü"), 12},
    {QStringLiteral("Uç"), 13},
};
const QStringList türkçeSırası = {"cam", "Çanta", "ılık", "Işık", "iç", "İğne", "ordu",
                                  "Ödev", "Sabun", "şal", "Uç", "ütü", "Zil"};

QStringList metinler(const SıralıListeKutusu& liste)
{
    QStringList s;
    for (int i = 0; i < liste.count(); ++i) s.append(liste.metin(i));
    return s;
}

}  // namespace

TEST(SıralıListe, TürkçeAlfabeyleSıralarMakineninDilineBakmaz)
{
    const QLocale önceki;
    QLocale::setDefault(QLocale::c());
    SıralıListeKutusu tek, toplu;
    for (const ListeGirdisi& g : karışık) tek.ekle(g.metin, g.numara);
    toplu.doldur(karışık);
    QLocale::setDefault(önceki);
    EXPECT_EQ(metinler(tek), türkçeSırası);
    EXPECT_EQ(metinler(toplu), türkçeSırası);
    // Each entry keeps its number.
    for (int i = 0; i < tek.count(); ++i) {
        const auto bulunan = std::find_if(karışık.begin(), karışık.end(),
                                          [&](const ListeGirdisi& g) { return g.metin == tek.metin(i); });
        EXPECT_EQ(tek.numara(i), bulunan->numara);
        EXPECT_EQ(toplu.numara(i), bulunan->numara);
    }
    // Equal texts keep the order in which they came.
    tek.ekle(QStringLiteral("CAM"), 50);
    tek.ekle(QStringLiteral("Cam"), 51);
    EXPECT_EQ(tek.numara(1), 50);
    EXPECT_EQ(tek.numara(2), 51);
}

TEST(SıralıListe, SeçimVeTıklama)
{
    SıralıListeKutusu liste;
    QSignalSpy tıklandı(&liste, &QListWidget::currentRowChanged);
    liste.doldur(karışık);
    EXPECT_EQ(liste.seçiliNumara(), -1);
    EXPECT_EQ(liste.numarayıSeç(8), 7);
    EXPECT_EQ(liste.seçiliNumara(), 8);
    EXPECT_EQ(liste.metin(liste.seçiliSatır()), "Ödev");
    EXPECT_EQ(tıklandı.count(), 1);
    // An entry added before the selected one moves the selection with it, without a click.
    liste.ekle(QStringLiteral("Ayna"), 20);
    EXPECT_EQ(liste.seçiliNumara(), 8);
    EXPECT_EQ(liste.seçiliSatır(), 8);
    EXPECT_EQ(tıklandı.count(), 1);
    EXPECT_EQ(liste.numarayıSeç(999), -1);
    EXPECT_EQ(liste.seçiliNumara(), -1);
    EXPECT_TRUE(liste.selectedItems().isEmpty());
    EXPECT_EQ(tıklandı.count(), 2);
    liste.numarayıSeç(20);
    liste.temizle();
    EXPECT_EQ(liste.girdiSayısı(), 0);
    EXPECT_EQ(tıklandı.count(), 3);
    EXPECT_EQ(liste.seçiliNumara(), -1);
    EXPECT_EQ(liste.numara(0), 0);
}

TEST(SıralıListe, AçılırKutu)
{
    SıralıAçılırKutu kutu;
    QSignalSpy seçildi(&kutu, &QComboBox::currentIndexChanged);
    for (const ListeGirdisi& g : karışık) kutu.ekle(g.metin, g.numara);
    EXPECT_EQ(kutu.seçiliNumara(), -1);
    EXPECT_EQ(seçildi.count(), 0);
    QStringList s;
    for (int i = 0; i < kutu.count(); ++i) s.append(kutu.itemText(i));
    EXPECT_EQ(s, türkçeSırası);
    EXPECT_EQ(kutu.numarayıSeç(6), 3);
    EXPECT_EQ(kutu.currentText(), "Işık");
    EXPECT_EQ(kutu.seçiliNumara(), 6);
    EXPECT_EQ(seçildi.count(), 1);
    kutu.doldur({{QStringLiteral("b"), 2}, {QStringLiteral("A"), 1}});
    EXPECT_EQ(kutu.currentIndex(), -1);
    EXPECT_EQ(kutu.numara(0), 1);
    EXPECT_EQ(kutu.numarayıBul(2), 1);
}
