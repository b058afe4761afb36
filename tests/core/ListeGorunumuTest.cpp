#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"
#include "platform/TurkceMetin.h"
#include "support/Ortam.h"

#include <QDialog>
#include <QHeaderView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <numeric>

namespace {

const QList<ListeSütunu> sütunlar = {
    {QStringLiteral("Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
    {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
    {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
    {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
    {QStringLiteral("No"), 0, Qt::AlignLeft, SütunTürü::Metin},
};

QStringList sütunDeğerleri(const ListeGörünümü& liste, int sütun)
{
    QStringList sonuç;
    for (int i = 0; i < liste.satırSayısı(); ++i) sonuç.append(liste.hücre(i, sütun));
    return sonuç;
}

QList<qint64> değerler(const ListeGörünümü& liste)
{
    QList<qint64> sonuç;
    for (int i = 0; i < liste.satırSayısı(); ++i) sonuç.append(liste.satırDeğeri(i));
    return sonuç;
}

// A list window: the list view shown in a dialog, its columns created, some rows in it.
struct Pencere {
    QDialog pencere;
    ListeGörünümü* liste = new ListeGörünümü(&pencere);

    Pencere()
    {
        (new QVBoxLayout(&pencere))->addWidget(liste);
        liste->setObjectName(QStringLiteral("StoğaGirilecekÜrünListesi"));
        liste->sütunlarıKur(sütunlar);
        pencere.resize(700, 300);
    }

    void göster()
    {
        pencere.show();
        pencere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&pencere));
    }

    // A click on the header of the column, where the user sees it.
    void başlığaTıkla(int sütun)
    {
        QHeaderView* başlık = liste->horizontalHeader();
        const QPoint yer(başlık->sectionViewportPosition(sütun) + başlık->sectionSize(sütun) / 2,
                         başlık->height() / 2);
        QTest::mouseClick(başlık->viewport(), Qt::LeftButton, {}, yer);
    }
};

// Starts from the state a previous list window may have left.
void sıralamaDurumu(int sütun, int yön)
{
    SıralamaSütunu = sütun;
    SıralamaYönü = yön;
}

}  // namespace

TEST(ListeGörünümü, TarihSütunuDeğereGöreHerİkiYöndeSıralanır)
{
    Pencere p;
    p.göster();
    auto gün = [](int y, int a, int g) { return ListeDeğeri::tarih(QDate(y, a, g)); };
    p.liste->satırEkle({"a", gün(2025, 12, 10)}, 1);
    p.liste->satırEkle({"b", gün(2026, 1, 2)}, 2);
    p.liste->satırEkle({"c", ListeDeğeri()}, 3);
    p.liste->satırEkle({"d", "9.12.2025"}, 4);  // a date given as its text sorts with the dates
    p.liste->satırEkle({"e", gün(2026, 1, 2)}, 5);
    sıralamaDurumu(0, 0);

    p.başlığaTıkla(1);
    EXPECT_EQ(SıralamaSütunu, 1);
    EXPECT_EQ(SıralamaYönü, 0);
    EXPECT_EQ(SayısalSıralama, 0);
    EXPECT_EQ(sütunDeğerleri(*p.liste, 1), (QStringList{"", "9.12.2025", "10.12.2025", "02.01.2026", "02.01.2026"}));
    EXPECT_EQ(değerler(*p.liste), (QList<qint64>{3, 4, 1, 2, 5}));

    p.başlığaTıkla(1);
    EXPECT_EQ(SıralamaYönü, 1);
    // Equal dates keep the order they had (2 before 5); the empty cell goes last.
    EXPECT_EQ(değerler(*p.liste), (QList<qint64>{2, 5, 1, 4, 3}));

    p.başlığaTıkla(1);
    EXPECT_EQ(SıralamaYönü, 0);
    EXPECT_EQ(değerler(*p.liste), (QList<qint64>{3, 4, 1, 2, 5}));
}

TEST(ListeGörünümü, SayıSütunuDeğereGöreHerİkiYöndeSıralanır)
{
    Pencere p;
    using B = ListeDeğeri::Biçim;
    p.liste->satırEkle({"a", {}, ListeDeğeri::sayı(10)}, 1);
    p.liste->satırEkle({"b", {}, ListeDeğeri::sayı(9)}, 2);
    p.liste->satırEkle({"c", {}, {}}, 3);
    p.liste->satırEkle({"d", {}, ListeDeğeri::sayı(1234.5)}, 4);
    p.liste->satırEkle({"e", {}, ListeDeğeri::sayı(-5)}, 5);
    p.liste->satırEkle({"f", {}, ListeDeğeri::sayı(9, B::TamSayı)}, 6);
    p.liste->satırEkle({"g", {}, ListeDeğeri::sayı(8.995, B::Kısa)}, 7);  // shown "8,995": by its value, not text
    sıralamaDurumu(1, 1);

    p.liste->sütunaTıklandı(2);
    EXPECT_EQ(SayısalSıralama, 1);
    EXPECT_EQ(sütunDeğerleri(*p.liste, 2), (QStringList{"", "-5,00", "8,995", "9,00", "9", "10,00", "1.234,50"}));
    p.liste->sütunaTıklandı(2);
    EXPECT_EQ(sütunDeğerleri(*p.liste, 2), (QStringList{"1.234,50", "10,00", "9,00", "9", "8,995", "-5,00", ""}));
    // Another column starts ascending again, whatever the direction was.
    p.liste->sütunaTıklandı(3);
    EXPECT_EQ(SıralamaSütunu, 3);
    EXPECT_EQ(SıralamaYönü, 0);
}

TEST(ListeGörünümü, MetinSütunuTürkçeAlfabeyleSıralanırVeSıralıKalır)
{
    Pencere p;
    for (const char* ad : {"Zil", "ılık", "İğne", "Çanta", "cam", "Işık", "iç", "Ödev", "ordu"})
        p.liste->satırEkle({QString::fromUtf8(ad)});
    p.liste->satırEkle({ListeDeğeri()});
    sıralamaDurumu(2, 0);
    p.liste->sütunaTıklandı(0);
    EXPECT_EQ(sütunDeğerleri(*p.liste, 0),
              (QStringList{"", "cam", "Çanta", "ılık", "Işık", "iç", "İğne", "ordu", "Ödev", "Zil"}));
    p.liste->satırSil(0);
    // While a text column is the sort, new rows go to their place.
    EXPECT_EQ(p.liste->satırEkle({"Dolap"}), 2);
    p.liste->sütunaTıklandı(0);
    EXPECT_EQ(p.liste->hücre(0, 0), "Zil");
    EXPECT_EQ(p.liste->satırEkle({"Şişe"}), 1);
    // After a number column, they go to the end.
    p.liste->sütunaTıklandı(2);
    const int son = p.liste->satırSayısı();
    EXPECT_EQ(p.liste->satırEkle({"Ayna"}), son);
}

TEST(ListeGörünümü, MetinSütunuSatırSatırKarşılaştırmaylaAynıSıralanır)
{
    // Many rows of few texts: equal texts, texts equal but for letter case, the dotted and dotless i, the
    // Turkish letters against their plain twins, and empty cells.
    const QStringList metinler = {"ışık", "IŞIK", "Işık", "isik", "İğne", "igne", "iğne", "", "çam", "Çam", "cam",
                                  "şeker", "Seker", "ŞEKER", "ağaç", "AĞAÇ", "agac", "ödev", "Ödev", "odev", "üzüm",
                                  "Üzüm", "uzum", "ılık", "ilik", "İLİK", "ILIK", "İ", "I", "ı", "i", ""};
    ASSERT_EQ(turkce::karşılaştır("ŞEKER", "şeker"), 0);
    ASSERT_EQ(turkce::karşılaştır("ILIK", "ılık"), 0);
    ListeGörünümü liste;
    liste.sütunlarıKur({{QStringLiteral("Adı"), 1800, Qt::AlignLeft, SütunTürü::Metin},
                        {QStringLiteral("No"), 800, Qt::AlignRight, SütunTürü::Sayı}});
    for (int tur = 0; tur < 3; ++tur)
        for (int i = 0; i < metinler.size(); ++i) {
            const int no = liste.satırSayısı();
            liste.satırEkle({ListeDeğeri(metinler[(i * 7 + tur) % metinler.size()]), ListeDeğeri::sayı(no)}, no);
        }
    for (const int yön : {0, 1, 0}) {
        // What a plain stable sort that collates row against row makes of the current order.
        const QList<qint64> şimdiki = değerler(liste);
        const QStringList önceki = sütunDeğerleri(liste, 0);
        QList<int> sıra(önceki.size());
        std::iota(sıra.begin(), sıra.end(), 0);
        std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) {
            const int k = turkce::karşılaştır(önceki[a], önceki[b]);
            return yön == 0 ? k < 0 : k > 0;
        });
        QList<qint64> beklenen;
        for (const int i : sıra) beklenen.append(şimdiki[i]);
        liste.sırala(0, yön);
        EXPECT_EQ(değerler(liste), beklenen) << "direction " << yön;
        for (int i = 0; i < liste.satırSayısı(); ++i)  // the cells went with their rows
            ASSERT_EQ(liste.hücreDeğeri(i, 1).sayı(), liste.satırDeğeri(i));
    }
}

TEST(ListeGörünümü, AçılıştakiSıralamaİlkSütunuArtanSıralar)
{
    for (auto [sütun, yön] : {std::pair{0, 0}, {0, 1}, {3, 0}, {2, 1}}) {
        Pencere p;
        p.liste->satırEkle({"b"});
        p.liste->satırEkle({"A"});
        p.liste->satırEkle({"c"});
        sıralamaDurumu(sütun, yön);
        p.liste->ilkSıralama();
        EXPECT_EQ(sütunDeğerleri(*p.liste, 0), (QStringList{"A", "b", "c"})) << sütun << yön;
        EXPECT_EQ(SıralamaSütunu, 0);
        EXPECT_EQ(SıralamaYönü, 0);
        EXPECT_EQ(p.liste->okluSütun(), 0);
    }
}

TEST(ListeGörünümü, SeçiliSatırSıralamadaYerindeKalır)
{
    Pencere p;
    p.göster();
    for (int i = 0; i < 200; ++i) p.liste->satırEkle({QString::number(i), "", QString::number(i)}, i);
    p.liste->satırıSeç(0);
    sıralamaDurumu(0, 0);
    p.liste->sütunaTıklandı(2);
    p.liste->sütunaTıklandı(2);
    EXPECT_EQ(p.liste->seçiliSatır(), 199);
    EXPECT_EQ(p.liste->satırDeğeri(p.liste->seçiliSatır()), 0);
    // The selected row is scrolled into view.
    const QRect satırAlanı = p.liste->visualRect(p.liste->model()->index(199, 0));
    EXPECT_TRUE(p.liste->viewport()->rect().intersects(satırAlanı));
    p.liste->satırıSeç(-1);
    EXPECT_EQ(p.liste->seçiliSatır(), -1);
}

TEST(ListeGörünümü, BaşlıktaOkVeHizalama)
{
    Pencere p;
    p.göster();
    QAbstractItemModel* m = p.liste->model();
    auto hizalama = [&](int s) {
        return m->headerData(s, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(p.liste->okluSütun(), -1);
    EXPECT_EQ(hizalama(3), Qt::AlignHCenter);
    sıralamaDurumu(0, 0);
    p.başlığaTıkla(3);
    EXPECT_EQ(p.liste->okluSütun(), 3);
    EXPECT_EQ(hizalama(3), Qt::AlignLeft);
    EXPECT_EQ(hizalama(2), Qt::AlignRight);
    p.başlığaTıkla(2);
    EXPECT_EQ(p.liste->okluSütun(), 2);

    // The arrows: up for ascending, down for descending, grey left edge and white right edge.
    const QList<QPixmap>& oklar = ListeSütunuSimgeleri();
    ASSERT_EQ(oklar.size(), 2);
    const QImage yukarı = oklar[0].toImage(), aşağı = oklar[1].toImage();
    EXPECT_EQ(yukarı.size(), QSize(16, 16));
    EXPECT_EQ(yukarı.pixelColor(7, 4), QColor(128, 128, 128));   // the apex at the top
    EXPECT_EQ(yukarı.pixelColor(3, 11), QColor(128, 128, 128));
    EXPECT_EQ(yukarı.pixelColor(11, 11), QColor(Qt::white));
    EXPECT_EQ(yukarı.pixelColor(7, 8).alpha(), 0);               // hollow
    EXPECT_EQ(aşağı.pixelColor(7, 11).alpha(), 255);              // the apex at the bottom
    EXPECT_EQ(aşağı.pixelColor(7, 4).alpha(), 255);
    EXPECT_EQ(aşağı.pixelColor(7, 1).alpha(), 0);

    // The arrow stands right of a left-aligned caption and left of a right-aligned one: found as the
    // pixels of a column that change when the arrow moves to another column.
    QHeaderView* b = p.liste->horizontalHeader();
    auto değişenler = [&](const QImage& x, const QImage& y, int sütun) {
        QList<int> yerler;
        const int sol = b->sectionViewportPosition(sütun);
        for (int i = 0; i < b->sectionSize(sütun); ++i)
            for (int j = 0; j < x.height(); ++j)
                if (x.pixel(sol + i, j) != y.pixel(sol + i, j)) {
                    yerler.append(i);
                    break;
                }
        return yerler;
    };
    sıralamaDurumu(2, 1);
    p.başlığaTıkla(0);
    const QImage okİlkte = b->grab().toImage();
    p.başlığaTıkla(2);
    const QImage okÜçüncüde = b->grab().toImage();
    const QList<int> ilk = değişenler(okİlkte, okÜçüncüde, 0);
    const QList<int> üçüncü = değişenler(okİlkte, okÜçüncüde, 2);
    ASSERT_FALSE(ilk.isEmpty());
    ASSERT_FALSE(üçüncü.isEmpty());
    EXPECT_GT(ilk.first(), b->fontMetrics().horizontalAdvance("Adı"));
    EXPECT_LE(ilk.last() - ilk.first(), 16);
    EXPECT_LT(üçüncü.last(), b->sectionSize(2) - b->fontMetrics().horizontalAdvance("Miktarı"));
    EXPECT_LE(üçüncü.last() - üçüncü.first(), 16);
    // The arrow keeps the direction of its own sort when another list window changes the state meanwhile.
    const int yön = SıralamaYönü;
    sıralamaDurumu(0, 1 - yön);
    const QImage başkaDurumda = b->grab().toImage();
    sıralamaDurumu(2, yön);
    EXPECT_EQ(b->grab().toImage(), başkaDurumda);
}

TEST(ListeGörünümü, DüzenAyarlardanGeriOkunur)
{
    test::ayarlarıTemizle();
    const QString bölüm = QStringLiteral("Listeler\\Liste-5");
    {
        Pencere p;
        p.liste->düzeniOku(bölüm);  // nothing stored: as created
        EXPECT_EQ(p.liste->görünümSırası(), (QList<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(p.liste->sütunGenişliğiTwips(0), 1800);
        EXPECT_EQ(p.liste->sütunGenişliğiTwips(4), 0);
        // The user drags the quantity column to the front and widens the date.
        QHeaderView* b = p.liste->horizontalHeader();
        b->moveSection(b->visualIndex(2), 0);
        b->resizeSection(1, 100);
        p.liste->düzeniYaz(bölüm);
    }
    EXPECT_EQ(ayarlar::oku(bölüm, "Konum-3"), "1");
    EXPECT_EQ(ayarlar::oku(bölüm, "Konum-1"), "2");
    EXPECT_EQ(ayarlar::oku(bölüm, "Genislik-2"), "1500");
    EXPECT_EQ(ayarlar::oku(bölüm, "Genislik-5"), "0");

    Pencere p;
    p.liste->düzeniOku(bölüm);
    EXPECT_EQ(p.liste->görünümSırası(), (QList<int>{2, 0, 1, 3, 4}));
    EXPECT_EQ(p.liste->sütunKonumu(2), 0);
    EXPECT_EQ(p.liste->sütunGenişliğiTwips(1), 1500);
    EXPECT_EQ(p.liste->sütunGenişliğiTwips(4), 0);
    // Cells stay under their column number wherever it is shown.
    p.liste->satırEkle({"ad", "01.01.2026", "5,00"});
    EXPECT_EQ(p.liste->hücre(0, 2), "5,00");

    // A width written with a decimal comma is read; unreadable values keep what was created.
    ayarlar::yaz(bölüm, "Genislik-1", "1234,5");
    ayarlar::yaz(bölüm, "Genislik-3", "geniş");
    ayarlar::yaz(bölüm, "Konum-4", "99");
    Pencere q;
    q.liste->düzeniOku(bölüm);
    EXPECT_NEAR(q.liste->sütunGenişliğiTwips(0), 1234, 15);
    EXPECT_EQ(q.liste->sütunGenişliğiTwips(2), 1100);
    EXPECT_EQ(q.liste->sütunKonumu(3), 3);
}

TEST(ListeGörünümü, ÇizgilerTercihiİzler)
{
    Pencere p;
    ÇizgiliListeler = 0;
    p.göster();
    EXPECT_FALSE(p.liste->showGrid());
    ÇizgiliListeler = 1;
    QDialog başka;
    başka.show();
    başka.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&başka));
    p.pencere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.pencere));
    EXPECT_TRUE(p.liste->showGrid());
}

TEST(ListeGörünümü, DoldurmaSonundaGörünür)
{
    Pencere p;
    {
        ListeGörünümü::Doldurma doldurma(p.liste);
        for (int i = 0; i < 5; ++i) p.liste->satırEkle({QStringLiteral("Ürün %1").arg(i), {}, ListeDeğeri::sayı(1)}, 100 + i);
        p.liste->satırSil(4);
        EXPECT_EQ(p.liste->satırSayısı(), 4);
        EXPECT_EQ(p.liste->model()->rowCount(), 0);  // the view takes them at the end
    }
    EXPECT_EQ(p.liste->model()->rowCount(), 4);
    EXPECT_EQ(p.liste->değerleBul(103), 3);
    EXPECT_EQ(p.liste->değerleBul(104), -1);
    EXPECT_EQ(p.liste->hücreyleBul(0, "Ürün 2"), 2);
    EXPECT_EQ(p.liste->hücreyleBul(2, "1,00"), 0);  // by the shown text
    EXPECT_EQ(p.liste->hücre(1, 4), QString());  // a cell not given is empty
    EXPECT_TRUE(p.liste->hücreDeğeri(1, 4).boşMu());
    EXPECT_TRUE(p.liste->hücreDeğeri(9, 0).boşMu());
    EXPECT_TRUE(p.liste->hücreDeğeri(0, 5).boşMu());
    p.liste->hücreDeğeriniDeğiştir(1, 1, ListeDeğeri::tarih(QDate(2026, 12, 7)));
    EXPECT_EQ(p.liste->hücre(1, 1), "07.12.2026");
    EXPECT_EQ(p.liste->model()->index(1, 1).data().toString(), "07.12.2026");  // what the view shows
    EXPECT_EQ(p.liste->hücreDeğeri(1, 1).tarih(), QDate(2026, 12, 7));
}
