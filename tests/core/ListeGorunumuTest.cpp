#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "support/Ortam.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QList<ListeSütunu> sütunlar = {
    {QStringLiteral("Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
    {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
    {QStringLiteral("No"), 0, Qt::AlignLeft, SütunTürü::Metin},
};

QStringList sütunDeğerleri(const ListeGörünümü& liste, int sütun)
{
    QStringList sonuç;
    for (int i = 0; i < liste.satırSayısı(); ++i) sonuç.append(liste.hücre(i, sütun));
    return sonuç;
}

}  // namespace

TEST(ListeGörünümü, SayıSütunuDeğereGöreSıralanır)
{
    ListeGörünümü liste;
    liste.sütunlarıKur(sütunlar);
    liste.satırEkle({"b", "10.12.2025", "10,00"}, 1);
    liste.satırEkle({"a", "02.01.2026", "9,00"}, 2);
    liste.satırEkle({"c", "", "1.234,50"}, 3);
    SıralamaSütunu = 0;
    liste.sütunaTıklandı(2);
    EXPECT_EQ(sütunDeğerleri(liste, 2), (QStringList{"9,00", "10,00", "1.234,50"}));
    EXPECT_EQ(liste.satırDeğeri(0), 2);
    liste.sütunaTıklandı(2);
    EXPECT_EQ(sütunDeğerleri(liste, 2), (QStringList{"1.234,50", "10,00", "9,00"}));
}

TEST(ListeGörünümü, DüzenAyarlardanGeriOkunur)
{
    test::ayarlarıTemizle();
    const QString bölüm = QStringLiteral("Listeler\\Liste-5");
    {
        ListeGörünümü liste;
        liste.sütunlarıKur(sütunlar);
        liste.düzeniOku(bölüm);
        EXPECT_EQ(liste.sütunGenişliğiTwips(0), 1800);
        EXPECT_EQ(liste.sütunGenişliğiTwips(3), 0);
        liste.sütunKonumunuAyarla(2, 0);
        liste.sütunGenişliğiniAyarla(1, 1500);
        liste.düzeniYaz(bölüm);
    }
    EXPECT_EQ(ayarlar::oku(bölüm, "Konum-3"), "1");
    EXPECT_EQ(ayarlar::oku(bölüm, "Genislik-2"), "1500");
    ListeGörünümü liste;
    liste.sütunlarıKur(sütunlar);
    liste.düzeniOku(bölüm);
    EXPECT_EQ(liste.görünümSırası(), (QList<int>{2, 0, 1, 3}));
    EXPECT_EQ(liste.sütunGenişliğiTwips(1), 1500);
    EXPECT_EQ(liste.sütunGenişliğiTwips(3), 0);
}
