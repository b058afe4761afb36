#include "CekirdekOrtami.h"

#include "core/BaslangicModulu.h"
#include "core/VeritabaninaBaglanFormu.h"
#include "platform/Ayarlar.h"
#include "support/AksakBaskiSunucusu.h"

#include <QAbstractProxyModel>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <fcntl.h>
#include <sys/stat.h>

using namespace BaşlangıçModülü;

TEST(Başlangıç, BaşlıkSürümdenKurulur)
{
    EXPECT_EQ(BaşlıkMetniOluştur(1, 8, 3), "Velnaro - Kavrenta 1.83 (İstemci)");
    EXPECT_EQ(BaşlıkMetniOluştur(1, 10, 12), "Velnaro - Kavrenta 1.1012 (İstemci)");
    EXPECT_EQ(BaşlıkMetniOluştur(2, 0, 0), "Velnaro - Kavrenta 2.00 (İstemci)");
}

TEST(Başlangıç, İşletimSistemiDenetimi)
{
    auto sürüm = [](int platform, int ana, const QString& paket = {}) {
        SürümBilgisi s;
        s.alındı = true;
        s.platformKimliği = platform;
        s.anaSürüm = ana;
        s.servisPaketi = paket;
        return s;
    };
    EXPECT_FALSE(İşletimSistemiUygun(SürümBilgisi{}));  // the query failed
    EXPECT_FALSE(İşletimSistemiUygun(sürüm(2, 3)));
    EXPECT_FALSE(İşletimSistemiUygun(sürüm(2, 4, "Service Pack 1")));
    EXPECT_FALSE(İşletimSistemiUygun(sürüm(2, 4, "Service Pack 2")));
    EXPECT_FALSE(İşletimSistemiUygun(sürüm(2, 4, QString("Service Pack 2") + QChar(u'\0') + "çöp")));
    EXPECT_TRUE(İşletimSistemiUygun(sürüm(2, 4)));
    EXPECT_TRUE(İşletimSistemiUygun(sürüm(2, 4, "Service Pack 3")));
    EXPECT_TRUE(İşletimSistemiUygun(sürüm(2, 4, "service pack 2")));  // letter case counts
    EXPECT_TRUE(İşletimSistemiUygun(sürüm(2, 5, "Service Pack 1")));
    EXPECT_TRUE(İşletimSistemiUygun(sürüm(1, 3)));  // not of the NT family
    EXPECT_TRUE(İşletimSistemiUygun(İşletimSistemiSürümü()));

    WindowsNT = false;
    İşletimSisteminiDenetle();
    EXPECT_TRUE(WindowsNT);

    test::MesajYanıtlayıcı yanıt;
    EXPECT_THROW(İşletimSisteminiDenetle(sürüm(2, 4, "Service Pack 2")), test::ProgramBitti);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis Pack 3\" veya "
                                "daha yüksek bir sürümün yüklü olması gerekiyor.");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Kritik);
}

TEST(Başlangıç, AlçakEkranReddedilir)
{
    test::MesajYanıtlayıcı yanıt;
    EXPECT_NO_THROW(KarşılamaFormu::EkranıDenetle(600));
    EXPECT_EQ(yanıt.sayı(), 0);
    // 1024 x 576: wide enough, but too low.
    EXPECT_THROW(KarşılamaFormu::EkranıDenetle(576), test::ProgramBitti);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(),
              "Bu programın çalışması için ekran çözünürlüğünüzün en az \n800 x 600 piksel olması gerekiyor!");
    EXPECT_EQ(yanıt.görülenler()[0].simge, mesaj::Simge::Ünlem);
}

TEST_F(ÇekirdekTesti, İkinciKopyaÖndekiniÖneGetirirVeBiter)
{
    int çalındı = 0;
    ASSERT_TRUE(kabuk::tekKopyaOl("Velnaro - Kavrenta 9.99 (İstemci)", [&] { ++çalındı; }));
    EXPECT_FALSE(kabuk::tekKopyaOl("Velnaro - Kavrenta 9.99 (İstemci)", {}));
    EXPECT_TRUE(test::bekle([&] { return çalındı == 1; }));
    kabuk::tekKopyayıBırak();

    // A running copy with this program's title: a new start ends before any window of its own.
    ASSERT_TRUE(kabuk::tekKopyaOl(ProgramınBaşlığı(), [&] { ++çalındı; }));
    test::MesajYanıtlayıcı yanıt;
    EXPECT_THROW(Main(), test::ProgramBitti);
    EXPECT_TRUE(test::bekle([&] { return çalındı == 2; }));
    EXPECT_EQ(AnaForm::örnek(), nullptr);
    EXPECT_EQ(KarşılamaFormu::örnek(), nullptr);
    EXPECT_EQ(yanıt.sayı(), 0);
}

TEST_F(ÇekirdekTesti, İlkBaşlangıçVeritabanınıBulurAçarVeGünceller)
{
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Eski, false);
    klasörSeçimleri({sunucu.yol()});
    QStringList sıra;
    bool uyarıdaGüncelMiydi = true;
    açıcılar::kaydet("TercihleriOku", [&](QWidget* sahip) {
        sıra << "TercihleriOku";
        EXPECT_EQ(sahip, nullptr);
        EXPECT_EQ(AnaForm::örnek(), nullptr);
        UyarıVar = 1;
    });
    açıcılar::kaydet("StokListesiUyarısı", [&](QWidget* sahip) {
        sıra << "StokListesiUyarısı";
        EXPECT_EQ(sahip, AnaForm::örnek());
        EXPECT_EQ(StokListesiTürü, 1);
        uyarıdaGüncelMiydi = AlanVarMı("UrunBilgileriTablosu", "UreticiKodu");
    });

    test::MesajYanıtlayıcı yanıt({"Evet"});
    // The print server is not asked anything at start: a slow one would hold the main window back.
    test::AksakBaskıSunucusu baskı;
    Main();
    EXPECT_TRUE(baskı.işlemler().isEmpty());

    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), VeritabanınaBağlanFormu::SunucuSorusu);
    EXPECT_EQ(sıra, QStringList({"TercihleriOku", "StokListesiUyarısı"}));
    EXPECT_FALSE(uyarıdaGüncelMiydi) << "the warning list comes before the upgrade";

    AnaForm* ana = AnaForm::örnek();
    ASSERT_NE(ana, nullptr);
    EXPECT_TRUE(ana->isVisible());
    EXPECT_EQ(ana->windowTitle(), ProgramınBaşlığı());
    EXPECT_EQ(ana->DurumPaneli(2)->text(), "   Veritabanı bağlantısı tamam!");
    EXPECT_EQ(KarşılamaFormu::örnek(), nullptr);
    EXPECT_EQ(AyarlarUygulamaAdı, "Velnaro\\Kavrenta");
    EXPECT_TRUE(ProgramKlasörü.endsWith('/'));
    EXPECT_TRUE(YazıcıVar);
    EXPECT_EQ(SunucuYolu, sunucu.yol());
    ASSERT_TRUE(AçıkVeritabanı);
    EXPECT_TRUE(AlanVarMı("UrunBilgileriTablosu", "UreticiKodu"));
    EXPECT_TRUE(TabloVarMı("GirisCikisYapanlarTablosu"));
    EXPECT_EQ(ayarlar::oku("Sunucular", "Sunucu-1"), sunucu.yol());
    EXPECT_EQ(ayarlar::oku("Ayarlar", "Veritabani"), "0");

    // A second start while this copy runs brings its main window to the front.
    ana->showMinimized();
    EXPECT_FALSE(kabuk::tekKopyaOl(BaşlıkMetni, {}));
    EXPECT_TRUE(test::bekle([&] { return !ana->isMinimized(); }));
}

TEST_F(ÇekirdekTesti, BağlanmadanVazgeçilinceHiçbirPencereKalmazVeGüncellemeOlmaz)
{
    test::SunucuKlasörü sunucu(test::SunucuKlasörü::Düzen::Eski, false);
    // A remembered server that cannot be reached: the failure forgets it, then the user gives up.
    ayarlar::yaz("Sunucular", "Sunucu-1", sunucu.yol() + "/yok");
    test::Görününce vazgeç("VeritabanınaBağlanFormu", [](QWidget* w) {
        test::bekle([w] { return w->findChild<QPushButton*>("YenidenDeneDüğmesi")->isEnabled(); });
        w->findChild<QPushButton*>("VazgeçDüğmesi")->click();
    });
    test::MesajYanıtlayıcı yanıt({"Evet"});
    Main();
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), VeritabanınaBağlanFormu::ÇıkışSorusu);
    ASSERT_NE(AnaForm::örnek(), nullptr);
    EXPECT_FALSE(AnaForm::örnek()->isVisible());
    EXPECT_FALSE(AçıkVeritabanı);
    EXPECT_TRUE(ayarlar::anahtarlar("Sunucular").isEmpty());

    auto db = platform::Database::open(sunucu.veritabanıYolu());
    EXPECT_EQ(db->scalar("SELECT count(*) FROM pragma_table_info('UrunBilgileriTablosu') WHERE name = 'Markasi'").toInt(), 0);
}

TEST(Başlangıç, QtPencereleriTürkçeKonuşur)
{
    // The common set-up (run by every test program, as by the program) loads Qt's Turkish texts.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("İptal"));

    // The folder chooser (the first start asks for the server folder with it) is Turkish whatever the
    // machine's locale (the tests run under "C"): its buttons, and in its list a folder's type and date.
    QTemporaryDir kök;
    ASSERT_TRUE(QDir(kök.path()).mkdir("Alt"));
    const qint64 saniye = QDateTime(QDate(2023, 12, 7), QTime(14, 5)).toSecsSinceEpoch();
    const timespec zamanlar[2] = {{saniye, 0}, {saniye, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(kök.filePath("Alt")).constData(), zamanlar, 0), 0);
    auto pencere = kabuk::klasörSeçmePenceresi(nullptr, "Sunucu", kök.path());
    QStringList düğmeler;
    for (QAbstractButton* d : pencere->findChild<QDialogButtonBox*>()->buttons()) düğmeler << d->text();
    EXPECT_EQ(düğmeler, QStringList({"&Seç", "İptal"}));

    // A row of the list as its view shows it, found through Qt's file model beneath.
    auto* dosyaModeli = pencere->findChild<QFileSystemModel*>();
    ASSERT_TRUE(dosyaModeli);
    const auto* liste = pencere->findChild<QTreeView*>("treeView");
    const auto* vekil = qobject_cast<QAbstractProxyModel*>(liste->model());
    const auto satır = [&](const QString& yol) {
        const QModelIndex i = dosyaModeli->index(yol);
        return vekil ? vekil->mapFromSource(i) : i;
    };
    const QModelIndex alt = satır(kök.filePath("Alt"));
    ASSERT_EQ(alt.data().toString(), "Alt");
    EXPECT_EQ(alt.siblingAtColumn(2).data().toString(), "Klasör");
    EXPECT_EQ(alt.siblingAtColumn(3).data().toString(), "07.12.2023 14:05");
    EXPECT_EQ(satır(QDir::rootPath()).siblingAtColumn(2).data().toString(), "Sürücü");

    // The detail view opens the date column wide enough for a whole date inside the cell's margins, in
    // the view's own font, and for its header as the header measures it (text, margins, sort arrow).
    const QFontMetrics ölçü(liste->font());
    const int hücrePayı = 2 * (liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1);
    EXPECT_GE(liste->header()->sectionSize(3), ölçü.horizontalAdvance("07.12.2023 14:05") + hücrePayı);
    EXPECT_GE(liste->header()->sectionSize(3), liste->header()->sectionSizeHint(3));

    // A column that the user made wider (as dragging its header's edge does) is not narrowed back when the
    // window opens again and fits its columns: Qt brings the width back from the last opening.
    const int önceki = liste->header()->sectionSize(3);
    liste->header()->resizeSection(3, önceki + 100);
    pencere.reset();
    const auto yine = kabuk::klasörSeçmePenceresi(nullptr, "Sunucu", kök.path());
    QHeaderView* başlık = yine->findChild<QTreeView*>("treeView")->header();
    EXPECT_EQ(başlık->sectionSize(3), önceki + 100);
    başlık->resizeSection(3, önceki);  // the next opening as this one found it
}
