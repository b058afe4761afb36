#include "platform/CalismaKitabi.h"
#include "platform/GeciciDosya.h"
#include "platform/Kabuk.h"
#include "platform/KitapDenetimi.h"
#include "platform/Yazicilar.h"
#include "support/Ortam.h"
#include "support/XlsxOkuyucu.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <csignal>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Each test writes into a documents folder of its own, so that it can count the files left there.
class ÇalışmaKitabıTesti : public ::testing::Test {
protected:
    void SetUp() override { kabuk::belgeKlasörünüDeğiştir(dizin_.path() + QStringLiteral("/Kavrenta")); }
    void TearDown() override
    {
        kabuk::belgeKlasörünüDeğiştir(eskiKlasör_);
        kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
        dosya::yazmaSınırınıDeğiştir(std::nullopt);
        dosya::adVermeSınamasınıDeğiştir(std::nullopt);
    }
    QStringList dosyalar() const
    {
        return QDir(kabuk::belgeKlasörü()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString eskiKlasör_ = kabuk::belgeKlasörü();
    QTemporaryDir dizin_;
};

ListeTablosu örnekListe()
{
    ListeTablosu t;
    t.sayfaAdı = QStringLiteral("Girişi Yapılacak Ürünler");
    t.başlık = QStringLiteral("Giriş Yapılacak Ürünler Listesi");
    using Tür = ListeSütunu::Tür;
    t.sütunlar = {{QStringLiteral("Firması"), 1600, Tür::Metin, YatayHiza::Genel, {}},
                  {QStringLiteral("Miktarı"), 1455, Tür::Sayı, YatayHiza::Genel, {}},
                  {QStringLiteral("KDV"), 800, Tür::SayıBoşsaSıfır, YatayHiza::Genel, {}},
                  {QStringLiteral("Fiyatı"), 1000, Tür::Sayı, YatayHiza::Sağ, QStringLiteral("#,##0.00")},
                  {QStringLiteral("Girişi Yapan"), 0, Tür::Metin, YatayHiza::Genel, {}}};
    t.satırlar = {{QStringLiteral("Şirin Ticaret"), ListeDeğeri::sayı(1250), ListeDeğeri(), ListeDeğeri::sayı(3.5)},
                  {QStringLiteral("0012"), ListeDeğeri(), ListeDeğeri::sayı(18, ListeDeğeri::Biçim::Kısa),
                   ListeDeğeri::sayı(1234567.891)}};
    return t;
}

// A list of `n` rows of a text, a number, a date and an amount, read one row at a time.
ListeTablosu uzunListe(int n)
{
    ListeTablosu t = örnekListe();
    using Tür = ListeSütunu::Tür;
    t.sütunlar = {{QStringLiteral("Adı"), 3000, Tür::Metin, YatayHiza::Genel, {}},
                  {QStringLiteral("Miktarı"), 1100, Tür::Sayı, YatayHiza::Genel, {}},
                  {QStringLiteral("Tarihi"), 1200, Tür::Tarih, YatayHiza::Genel, {}},
                  {QStringLiteral("Tutarı"), 1300, Tür::Sayı, YatayHiza::Sağ, QStringLiteral("#,##0.00")}};
    t.satırlar.clear();
    t.satırSayısı = n;
    t.satır = [](int i) {
        return QList<ListeDeğeri>{QStringLiteral("Çelik vida %1 mm").arg(i), ListeDeğeri::sayı(i),
                                  ListeDeğeri::tarih(QDate(2026, 1 + i % 12, 1 + i % 28)), ListeDeğeri::sayı(i * 2.5)};
    };
    return t;
}

// Runs `iş` in a child process whose files may grow to `sınır` bytes, and returns what it returned. A
// write past the limit fails (EFBIG) as a write to a full disk does, instead of ending the process.
QByteArray sınırlıSüreçte(rlim_t sınır, const std::function<QByteArray()>& iş)
{
    int boru[2];
    if (::pipe(boru) != 0) return {};
    const pid_t süreç = ::fork();
    if (süreç < 0) {
        ::close(boru[0]);
        ::close(boru[1]);
        return {};
    }
    if (süreç == 0) {
        ::close(boru[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = sınır;
        setrlimit(RLIMIT_FSIZE, &r);
        const QByteArray sonuç = iş();
        for (qsizetype yazılan = 0; yazılan < sonuç.size();) {
            const ssize_t n = ::write(boru[1], sonuç.constData() + yazılan, size_t(sonuç.size() - yazılan));
            if (n <= 0) break;
            yazılan += n;
        }
        ::_exit(0);
    }
    ::close(boru[1]);
    QByteArray sonuç;
    char tampon[4096];
    for (ssize_t n; (n = ::read(boru[0], tampon, sizeof tampon)) > 0;) sonuç.append(tampon, n);
    ::close(boru[0]);
    int durum = 0;
    ::waitpid(süreç, &durum, 0);
    return sonuç;
}

// The free bytes of a disk of `boy` bytes holding nothing but the files this process has open right in
// `klasör`: the library's temporary files, removed there as soon as they are made, take its room until
// they are closed.
qint64 küçükDiskteBoşYer(qint64 boy, const QString& klasör)
{
    const QString kök = QFileInfo(klasör).canonicalFilePath();
    for (const QFileInfo& bağ : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System))
        if (QFileInfo(bağ.symLinkTarget()).path() == kök) boy -= bağ.size();
    return std::max<qint64>(boy, 0);
}

// In a child process: the folders where the library looks in turn for one to make its temporary files in
// ($TMPDIR, /tmp, the current folder) are all /tmp, laid over with a file system of its own that takes
// one new file more (the one the library keeps the sheet's rows in, made with the workbook) and then
// none (those it makes when the workbook is closed), while its free-space reading shows room. It is
// mounted in a mount namespace of the child's (in a user namespace of its own where the child may not
// mount as it is) and goes with it; the test's folder `dizin`, if it lay under /tmp, is laid over it
// again. false where the system allows no mounting.
bool geçiciKlasörüDoldur(const QString& dizin)
{
    const QByteArray kimlik = QByteArray::number(::getuid()), grup = QByteArray::number(::getgid());
    const auto yaz = [](const char* yol, const QByteArray& metin) {
        const int fd = ::open(yol, O_WRONLY);
        const bool yazıldı = fd >= 0 && ::write(fd, metin.constData(), size_t(metin.size())) == metin.size();
        if (fd >= 0) ::close(fd);
        return yazıldı;
    };
    if (::unshare(CLONE_NEWNS) != 0
        && (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !yaz("/proc/self/setgroups", "deny")
            || !yaz("/proc/self/uid_map", kimlik + ' ' + kimlik + " 1")
            || !yaz("/proc/self/gid_map", grup + ' ' + grup + " 1")))
        return false;
    const QByteArray yer = QFile::encodeName(dizin);
    const int eskiDizin = ::open(yer.constData(), O_PATH | O_DIRECTORY);
    if (eskiDizin < 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("tmpfs", "/tmp", "tmpfs", 0, "nr_inodes=64") != 0)
        return false;
    if (!QFileInfo::exists(dizin)
        && (!QDir().mkpath(dizin)
            || ::mount(("/proc/self/fd/" + QByteArray::number(eskiDizin)).constData(), yer.constData(), nullptr,
                       MS_BIND, nullptr) != 0))
        return false;
    // Every file that the file system can still take but one.
    int sıra = 0;
    for (int fd; (fd = ::open(("/tmp/dolu-" + QByteArray::number(sıra)).constData(), O_CREAT | O_WRONLY, 0600)) >= 0;
         ++sıra)
        ::close(fd);
    if (errno != ENOSPC || sıra == 0 || ::unlink("/tmp/dolu-0") != 0 || ::chdir("/tmp") != 0) return false;
    qputenv("TMPDIR", "/tmp");
    return true;
}

}  // namespace

TEST_F(ÇalışmaKitabıTesti, ListeOrtakDüzendeYazılırVeGeriOkunur)
{
    QList<int> ilerleme;
    const QString yol = listeyiYaz(örnekListe(), [&](int r) { ilerleme.append(r); });
    EXPECT_EQ(ilerleme, (QList<int>{1, 2}));
    EXPECT_EQ(QFileInfo(yol).absolutePath(), QFileInfo(kabuk::belgeKlasörü()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(yol).fileName().startsWith(QStringLiteral("Girişi Yapılacak Ürünler 20")));
    EXPECT_TRUE(yol.endsWith(QStringLiteral(".xlsx")));
    EXPECT_EQ(dosyalar(), QStringList{QFileInfo(yol).fileName()});  // no working file left behind

    const test::XlsxSayfa s = test::xlsxOku(yol);
    ASSERT_TRUE(s.okundu);
    EXPECT_EQ(s.sayfaAdı, "Girişi Yapılacak Ürünler");

    // Title: A1, merged over A1:H1, the whole row bold and centred both ways, 30 points high.
    EXPECT_EQ(s.metin("A1"), "Giriş Yapılacak Ürünler Listesi");
    EXPECT_EQ(s.birleşikler, QStringList{"A1:H1"});
    EXPECT_TRUE(s.hücre("A1").kalın);
    EXPECT_EQ(s.hücre("A1").yatay, "center");
    EXPECT_EQ(s.hücre("A1").dikey, "center");
    EXPECT_TRUE(s.satırBiçimleri.value(1).kalın);
    EXPECT_EQ(s.satırBiçimleri.value(1).yatay, "center");
    EXPECT_DOUBLE_EQ(s.satırYükseklikleri.value(1), 30);
    EXPECT_DOUBLE_EQ(s.satırYükseklikleri.value(2), 20);

    // Headers in row 2: bold, centred both ways, wrapped.
    const QStringList başlıklar{"Firması", "Miktarı", "KDV", "Fiyatı", "Girişi Yapan"};
    for (int i = 0; i < başlıklar.size(); ++i) {
        const QString ref = QChar(u'A' + i) + QStringLiteral("2");
        const test::XlsxHücre h = s.hücre(ref);
        EXPECT_EQ(h.değer, başlıklar[i]) << ref.toStdString();
        EXPECT_FALSE(h.sayı);
        EXPECT_TRUE(h.kalın && h.kaydır) << ref.toStdString();
        EXPECT_EQ(h.yatay, "center");
        EXPECT_EQ(h.dikey, "center");
    }

    // Widths: twips / 100; a width of 0 hides the column.
    EXPECT_DOUBLE_EQ(s.sütunlar.value(1).genişlik, test::yazılanGenişlik(16));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(2).genişlik, test::yazılanGenişlik(14.55));
    EXPECT_DOUBLE_EQ(s.sütunlar.value(3).genişlik, test::yazılanGenişlik(8));
    EXPECT_FALSE(s.sütunlar.value(1).gizli);
    EXPECT_TRUE(s.sütunlar.value(5).gizli);
    EXPECT_DOUBLE_EQ(s.sütunlar.value(5).genişlik, 0);

    // Data from row 3: texts stay texts (a code with leading zeros too), numbers are numbers.
    EXPECT_EQ(s.metin("A3"), "Şirin Ticaret");
    EXPECT_FALSE(s.hücre("A3").kalın);
    EXPECT_EQ(s.metin("A4"), "0012");
    EXPECT_FALSE(s.hücre("A4").sayı);
    EXPECT_TRUE(s.hücre("B3").sayı);
    EXPECT_DOUBLE_EQ(s.metin("B3").toDouble(), 1250);
    EXPECT_FALSE(s.var("B4"));  // an empty cell stays empty
    EXPECT_TRUE(s.hücre("C3").sayı);
    EXPECT_DOUBLE_EQ(s.metin("C3").toDouble(), 0);  // ... or gives 0 where the column says so
    EXPECT_DOUBLE_EQ(s.metin("C4").toDouble(), 18);
    EXPECT_DOUBLE_EQ(s.metin("D4").toDouble(), 1234567.89);  // as the list shows it: "1.234.567,89"
    EXPECT_EQ(s.hücre("D3").sayıBiçimi, "#,##0.00");
    EXPECT_EQ(s.hücre("D3").yatay, "right");
    EXPECT_EQ(s.hücre("B3").sayıBiçimi, "");
    EXPECT_FALSE(s.var("E3"));  // a shorter row leaves the rest empty
    EXPECT_EQ(s.sonSatır, 4);

    // Without a printer nothing of the page setup is set.
    EXPECT_NE(s.solKenar, ListeKenarBoşluğuİnç);
    EXPECT_FALSE(s.yataydaOrtalı);
    EXPECT_FALSE(s.kılavuzÇizgileriYazdırılır);
    EXPECT_FALSE(s.sayfaGenişliğineSığar);
}

TEST_F(ÇalışmaKitabıTesti, SayfaDüzeniVeSayfaGenişliğineSığdırma)
{
    ListeTablosu t = örnekListe();
    t.sayfaDüzeni = true;
    t.sayfaGenişliğineSığdır = true;
    t.başlıkSütunSayısı = 7;
    t.sütunBaşlığıYüksekliği = 30;
    const test::XlsxSayfa s = test::xlsxOku(listeyiYaz(t));
    EXPECT_DOUBLE_EQ(s.solKenar, ListeKenarBoşluğuİnç);
    EXPECT_DOUBLE_EQ(s.sağKenar, ListeKenarBoşluğuİnç);
    EXPECT_DOUBLE_EQ(s.üstKenar, ListeKenarBoşluğuİnç);
    EXPECT_DOUBLE_EQ(s.altKenar, ListeKenarBoşluğuİnç);
    EXPECT_TRUE(s.yataydaOrtalı);
    EXPECT_TRUE(s.kılavuzÇizgileriYazdırılır);
    EXPECT_TRUE(s.sayfaGenişliğineSığar);
    EXPECT_EQ(s.birleşikler, QStringList{"A1:G1"});
    EXPECT_DOUBLE_EQ(s.satırYükseklikleri.value(2), 30);
}

TEST_F(ÇalışmaKitabıTesti, SayıOlmayanDeğerDosyaBırakmaz)
{
    // A text, even one that reads as a number (and one with a placeholder in it), and a number that is
    // none, which would make a file the spreadsheet program cannot read.
    const QList<ListeDeğeri> yanlışlar = {QStringLiteral("12"), QStringLiteral("%3 adet"),
                                          ListeDeğeri::sayı(std::numeric_limits<double>::quiet_NaN())};
    for (const ListeDeğeri& yanlış : yanlışlar) {
        ListeTablosu t = örnekListe();
        t.satırlar.append({QStringLiteral("X"), yanlış});
        try {
            listeyiYaz(t);
            ADD_FAILURE() << "no error";
        } catch (const ÇalışmaKitabıHatası& h) {
            if (yanlış.tür() == ListeDeğeri::Tür::Metin) {
                EXPECT_TRUE(h.metin().contains("\"" + yanlış.metin() + "\" bir sayı değil (satır 3, sütun \"Miktarı\")"))
                    << h.what();
            }
        }
        EXPECT_TRUE(dosyalar().isEmpty()) << dosyalar().join(", ").toStdString();
    }
}

// A date goes in as a date where the column takes values, as its text where the column takes texts;
// so does a number.
TEST_F(ÇalışmaKitabıTesti, TarihVeSayıSütunununTürüneGöreYazılır)
{
    ListeTablosu t;
    t.sayfaAdı = QStringLiteral("Liste");
    using Tür = ListeSütunu::Tür;
    t.sütunlar = {{QStringLiteral("Tarihi"), 1100, Tür::Tarih, YatayHiza::Genel, {}},
                  {QStringLiteral("Tarih metni"), 1100, Tür::Metin, YatayHiza::Genel, {}},
                  {QStringLiteral("KDV"), 800, Tür::Metin, YatayHiza::Genel, {}},
                  {QStringLiteral("Adet"), 800, Tür::Sayı, YatayHiza::Genel, {}}};
    const QDate gün(2026, 12, 7);
    t.satırlar = {{ListeDeğeri::tarih(gün), ListeDeğeri::tarih(gün), ListeDeğeri::sayı(8.5, ListeDeğeri::Biçim::Kısa),
                   ListeDeğeri::sayı(2.5, ListeDeğeri::Biçim::TamSayı)},
                  {ListeDeğeri(), ListeDeğeri(), ListeDeğeri(), ListeDeğeri::sayı(-2.5, ListeDeğeri::Biçim::TamSayı)}};
    const test::XlsxSayfa s = test::xlsxOku(listeyiYaz(t));
    ASSERT_TRUE(s.okundu);
    EXPECT_TRUE(s.hücre("A3").sayı);
    EXPECT_DOUBLE_EQ(s.metin("A3").toDouble(), QDate(1899, 12, 30).daysTo(gün));  // the spreadsheet's day number
    EXPECT_EQ(s.hücre("A3").sayıBiçimi, "dd.mm.yyyy");
    EXPECT_FALSE(s.hücre("B3").sayı);
    EXPECT_EQ(s.metin("B3"), "07.12.2026");
    EXPECT_FALSE(s.hücre("C3").sayı);
    EXPECT_EQ(s.metin("C3"), "8,5");
    EXPECT_DOUBLE_EQ(s.metin("D3").toDouble(), 3);  // "###0" rounds half away from zero
    EXPECT_DOUBLE_EQ(s.metin("D4").toDouble(), -3);
    EXPECT_FALSE(s.var("A4"));
}

TEST_F(ÇalışmaKitabıTesti, SatırlarTekTekOkunabilir)
{
    ListeTablosu t = örnekListe();
    const QList<QList<ListeDeğeri>> satırlar = t.satırlar;
    t.satırlar.clear();
    QList<int> okunan;
    t.satırSayısı = int(satırlar.size());
    t.satır = [&](int i) {
        okunan << i;
        return satırlar[i];
    };
    const test::XlsxSayfa s = test::xlsxOku(listeyiYaz(t));
    EXPECT_EQ(okunan, (QList<int>{0, 1}));
    EXPECT_EQ(s.metin("A3"), "Şirin Ticaret");
    EXPECT_DOUBLE_EQ(s.metin("D4").toDouble(), 1234567.89);
    EXPECT_EQ(s.sonSatır, 4);
}

TEST_F(ÇalışmaKitabıTesti, AynıAdlaYazılanKitaplarÜstüneYazmaz)
{
    QStringList yollar;
    for (int i = 0; i < 3; ++i) yollar << listeyiYaz(örnekListe());
    yollar.removeDuplicates();
    EXPECT_EQ(yollar.size(), 3);
    EXPECT_EQ(dosyalar().size(), 3);
    for (const QString& y : yollar) EXPECT_EQ(test::xlsxOku(y).metin("A3"), "Şirin Ticaret");
}

TEST_F(ÇalışmaKitabıTesti, OluşturucuKurallarıVeSığdırılanGenişlik)
{
    ÇalışmaKitabı k(QStringLiteral("Satıcı/Alıcı: [Firma] Stok Hareketleri ve Dahası"));
    EXPECT_EQ(k.sayfaAdı(), QStringLiteral("Satıcı-Alıcı- -Firma- Stok Hare"));  // 31 characters, no / : [ ]
    k.sütunuSığdır(1);
    k.sütunuSığdır(2);
    k.sütunuSığdır(3);
    HücreBiçimi tutar;
    tutar.sayıBiçimi = QStringLiteral("#,##0.00");
    k.metin(1, 1, QStringLiteral("Kısa"));
    k.metin(2, 1, QStringLiteral("Oldukça uzun bir ürün adı, kırk karakter"));
    k.sayı(2, 2, 1234567.5, tutar);
    k.metin(3, 3, QStringLiteral("Az"));
    k.sayı(3, 4, 7);
    k.yatayYazdır();
    EXPECT_THROW(k.metin(2, 1, QStringLiteral("geri")), ÇalışmaKitabıHatası);  // rows go in order
    EXPECT_THROW(k.metin(4, 0, QStringLiteral("dışarıda")), ÇalışmaKitabıHatası);
    const QString yol = k.kaydet();
    EXPECT_THROW(k.metin(5, 1, QStringLiteral("sonra")), ÇalışmaKitabıHatası);

    const test::XlsxSayfa s = test::xlsxOku(yol);
    EXPECT_EQ(s.sayfaAdı, k.sayfaAdı());
    EXPECT_EQ(s.yön, "landscape");
    EXPECT_FALSE(s.var("A4"));
    // Fitted widths follow the widest value: about one character of the default font each, plus padding.
    const double uzun = s.sütunlar.value(1).genişlik, tutarı = s.sütunlar.value(2).genişlik,
                 kısa = s.sütunlar.value(3).genişlik;
    EXPECT_GT(uzun, 30);
    EXPECT_LT(uzun, 45);
    EXPECT_GT(tutarı, 11);  // "1,234,567.50"
    EXPECT_LT(tutarı, 16);
    EXPECT_GT(kısa, 2);
    EXPECT_LT(kısa, 5);
    EXPECT_FALSE(s.sütunlar.contains(4));  // not fitted: the default width
}

TEST_F(ÇalışmaKitabıTesti, AçılamayanKitabınYoluBildirilir)
{
    QUrl açılan;
    kabuk::açıcıyıDeğiştir([&](const QUrl& u) {
        açılan = u;
        return false;
    });
    const QString yol = listeyiYaz(örnekListe());
    test::MesajYanıtlayıcı yanıtlayıcı({QStringLiteral("Tamam")});
    çalışmaKitabınıAç(yol);
    EXPECT_EQ(açılan, QUrl::fromLocalFile(yol));
    ASSERT_EQ(yanıtlayıcı.sayı(), 1);
    EXPECT_TRUE(yanıtlayıcı.sonMetin().contains(yol));
    EXPECT_EQ(yanıtlayıcı.görülenler().first().simge, mesaj::Simge::Bilgi);
}

TEST_F(ÇalışmaKitabıTesti, KaydedilmeyenKitapİzBırakmaz)
{
    {
        ÇalışmaKitabı k(QStringLiteral("Boş"));
        k.metin(1, 1, QStringLiteral("yarım"));
        EXPECT_EQ(dosyalar().size(), 1);  // the hidden working file
    }
    EXPECT_TRUE(dosyalar().isEmpty());
}

// A workbook that cannot be written leaves no file and says, as a failed PDF does, which file it was to be
// and why: its folder below a file, its working file turned into a folder, a disk that takes no more
// (the process's file size limit makes the library's own writes fail), a close that fails.
TEST_F(ÇalışmaKitabıTesti, YazılamayanKitapNedeniniSöylerDosyaBırakmaz)
{
    QTemporaryFile engel;
    ASSERT_TRUE(engel.open());
    enum class Neden { KlasörDosyanınAltında, ÇalışmaDosyasıKlasör, DosyaBoyuSınırı, Kapanış };
    const QList<std::pair<Neden, QString>> durumlar = {
        {Neden::KlasörDosyanınAltında, "Klasör bulunamadı."},
        {Neden::ÇalışmaDosyasıKlasör, dosya::yazmaHatasıMetni(EISDIR)},
        {Neden::DosyaBoyuSınırı, "Dosya, diskin alabileceğinden büyük."},
        {Neden::Kapanış, "Diskte yeterli boş yer yok."}};
    for (const auto& [neden, metni] : durumlar) {
        SCOPED_TRACE(int(neden));
        const QString klasör = neden == Neden::KlasörDosyanınAltında
                                   ? engel.fileName() + QStringLiteral("/Kavrenta")
                                   : dizin_.path() + QStringLiteral("/%1").arg(int(neden));
        kabuk::belgeKlasörünüDeğiştir(klasör);
        QString metin;
        try {
            ÇalışmaKitabı k(QStringLiteral("Liste"));
            k.metin(1, 1, QStringLiteral("bir"));
            ASSERT_EQ(dosyalar().size(), 1);
            const QString çalışma = klasör + QLatin1Char('/') + dosyalar().first();
            if (neden == Neden::ÇalışmaDosyasıKlasör) {
                ASSERT_TRUE(QFile::remove(çalışma));
                ASSERT_TRUE(QDir().mkdir(çalışma));
            }
            rlimit eskiSınır{};
            getrlimit(RLIMIT_FSIZE, &eskiSınır);
            const auto eskiİşleyici = std::signal(SIGXFSZ, SIG_IGN);
            if (neden == Neden::DosyaBoyuSınırı) {
                rlimit sınır = eskiSınır;
                sınır.rlim_cur = 4096;  // less than the smallest workbook
                setrlimit(RLIMIT_FSIZE, &sınır);
            }
            if (neden == Neden::Kapanış) dosya::yazmaSınırınıDeğiştir(dosya::YazmaSınırı{.kapanışHatası = ENOSPC});
            try {
                k.kaydet();
            } catch (const ÇalışmaKitabıHatası& h) {
                metin = h.metin();
            }
            setrlimit(RLIMIT_FSIZE, &eskiSınır);
            std::signal(SIGXFSZ, eskiİşleyici);
            dosya::yazmaSınırınıDeğiştir(std::nullopt);
        } catch (const ÇalışmaKitabıHatası& h) {
            metin = h.metin();
        }
        // The name it was to take: the sheet name and the time.
        const QRegularExpression beklenen(
            QStringLiteral("^Çalışma kitabı yazılamadı: %1/Liste \\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d\\.xlsx\n\n%2$")
                .arg(QRegularExpression::escape(klasör), QRegularExpression::escape(metni)));
        EXPECT_TRUE(beklenen.match(metin).hasMatch()) << metin.toStdString();
        EXPECT_TRUE(QDir(klasör).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

// The library writes the sheet and the other parts through temporary files and ignores a failed write to
// them. Here they fail past a size that the compressed workbook stays under (the file size limit of a
// child process, as a nearly full temporary folder): every outcome is a workbook that holds every row,
// or the failure told, with nothing left in the documents folder. Where the temporary folder lies on a
// small disk (of `geçiciDisk` bytes, which the library's files there fill while they are open), the
// failure names that folder and its full disk, not the documents folder's; so also where the library
// cannot make its files there for want of room (`geçiciYerYok`), whatever the free space it shows.
TEST_F(ÇalışmaKitabıTesti, GeçiciDosyalarıEksikKalanKitapAdAlmaz)
{
    struct Durum {
        int satır;
        rlim_t sınır;
        std::optional<qint64> geçiciDisk = std::nullopt;
        bool geçiciYerYok = false;
    };
    const QString eksik = QStringLiteral("Yazılan kitap geri okunduğunda eksik çıktı.");
    const QString geçiciDolu = QStringLiteral("Geçici klasörün diskinde yeterli boş yer yok: ");
    int reddedilen = 0, atlanan = 0;
    // The workbook of 2,000 rows is about 58 KB, its sheet 360 KB; of 20,000 rows ten times as much. A
    // disk of 1.5 MiB takes the sheet's first 1 MiB but not the library's copy of it, for which it has
    // room again once the library has closed its files. One of 224 KiB has 128 KiB beside the sheet's
    // first 96 KiB: room for the copy of the sheet, not for the rest of the workbook as well.
    for (const Durum& d : {Durum{2000, 96 * 1024}, Durum{2000, 256 * 1024}, Durum{20000, 1024 * 1024},
                           Durum{20000, 8192 * 1024}, Durum{20000, 1024 * 1024, 1536 * 1024},
                           Durum{2000, 96 * 1024, 0}, Durum{2000, 96 * 1024, 224 * 1024},
                           Durum{2000, 8192 * 1024, std::nullopt, true}}) {
        SCOPED_TRACE(QStringLiteral("%1 satır, %2 KiB, disk %3%4")
                         .arg(d.satır)
                         .arg(d.sınır / 1024)
                         .arg(d.geçiciDisk.value_or(-1))
                         .arg(d.geçiciYerYok ? ", geçici yer yok" : "")
                         .toStdString());
        const QString sonuç = QString::fromUtf8(sınırlıSüreçte(d.sınır, [&]() -> QByteArray {
            if (d.geçiciYerYok && !geçiciKlasörüDoldur(dizin_.path())) return "?";
            if (d.geçiciDisk)
                geçiciKlasörünBoşYeriniDeğiştir(
                    [&](const QString& klasör) { return küçükDiskteBoşYer(*d.geçiciDisk, klasör); });
            try {
                return "+" + listeyiYaz(uzunListe(d.satır)).toUtf8();
            } catch (const ÇalışmaKitabıHatası& h) {
                return "-" + h.metin().toUtf8();
            }
        }));
        if (sonuç == QStringLiteral("?")) {
            ++atlanan;
        } else if (sonuç.startsWith(QLatin1Char('+'))) {
            const QString yol = sonuç.mid(1);
            const test::XlsxSayfa s = test::xlsxOku(yol);
            EXPECT_EQ(s.sonSatır, d.satır + 2);
            int eksik = 0;
            for (int i = 0; i < d.satır; ++i)
                if (s.metin(QStringLiteral("A%1").arg(i + 3)) != QStringLiteral("Çelik vida %1 mm").arg(i)) ++eksik;
            EXPECT_EQ(eksik, 0);
            EXPECT_EQ(dosyalar(), QStringList{QFileInfo(yol).fileName()});
            QFile::remove(yol);
        } else {
            ++reddedilen;
            const QString neden = d.geçiciYerYok ? geçiciDolu + QStringLiteral("/tmp")
                                  : d.geçiciDisk ? geçiciDolu + QDir::tempPath()
                                                 : eksik;
            const QRegularExpression beklenen(
                QStringLiteral("^Çalışma kitabı yazılamadı: %1/Girişi Yapılacak Ürünler [-0-9 .]+\\.xlsx\n\n%2$")
                    .arg(QRegularExpression::escape(kabuk::belgeKlasörü()), QRegularExpression::escape(neden)));
            EXPECT_TRUE(beklenen.match(sonuç.mid(1)).hasMatch()) << sonuç.toStdString();
            EXPECT_TRUE(dosyalar().isEmpty()) << dosyalar().join(", ").toStdString();
        }
    }
    EXPECT_EQ(reddedilen + atlanan, 7);
    if (atlanan) GTEST_SKIP() << "Bu sistemde bir alt süreç kendi dosya sistemini bağlayamıyor.";
}

// The reading back on the parts of a real workbook with one fault planted at a time: each is refused for
// what it is, and the same parts unspoilt are accepted.
TEST_F(ÇalışmaKitabıTesti, KitabınHerParçasıVeSatırıDenetlenir)
{
    const QString yol = listeyiYaz(örnekListe());  // rows 1 to 4
    EXPECT_EQ(yazılanKitabıDenetle(yol, 4, 4), KitapKusuru::Yok);
    EXPECT_EQ(yazılanKitabıDenetle(yol, 5, 5), KitapKusuru::SatırlarEksik);
    EXPECT_EQ(yazılanKitabıDenetle(yol, 4, 5), KitapKusuru::SatırlarEksik);
    const QList<test::ZipParçası> parçalar = test::xlsxParçaları(yol);
    ASSERT_EQ(parçalar.size(), 9);
    const auto yeri = [&](const QString& ad) {
        for (int i = 0; i < parçalar.size(); ++i)
            if (parçalar[i].ad == ad) return i;
        return -1;
    };
    const int sayfa = yeri(QStringLiteral("xl/worksheets/sheet1.xml"));
    ASSERT_GE(sayfa, 0);
    const QByteArray xml = parçalar[sayfa].içerik;
    const qsizetype satır3 = xml.indexOf("<row r=\"3\""), satır4 = xml.indexOf("<row r=\"4\"");
    const qsizetype veriSonu = xml.indexOf("</sheetData>");
    ASSERT_TRUE(satır3 > 0 && satır4 > satır3 && veriSonu > satır4);

    const QString denenen = dizin_.path() + QStringLiteral("/denenen.xlsx");
    const auto denetle = [&](const QList<test::ZipParçası>& p) {
        QFile f(denenen);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(test::zipYap(p));
        f.close();
        return yazılanKitabıDenetle(denenen, 4, 4);
    };
    // The parts with one of them changed.
    const auto biriDeğişmiş = [&](int i, const std::function<void(test::ZipParçası&)>& değiştir) {
        QList<test::ZipParçası> p = parçalar;
        değiştir(p[i]);
        return p;
    };
    const auto sayfası = [&](const QByteArray& yeni) {
        return biriDeğişmiş(sayfa, [&](test::ZipParçası& p) { p.içerik = yeni; });
    };
    EXPECT_EQ(denetle(parçalar), KitapKusuru::Yok);
    EXPECT_EQ(denetle(biriDeğişmiş(yeri("xl/styles.xml"), [](test::ZipParçası& p) { p.yanlışCrc = true; })),
              KitapKusuru::ParçaBozuk);
    EXPECT_EQ(denetle(biriDeğişmiş(yeri("docProps/app.xml"), [](test::ZipParçası& p) { p.içerik.clear(); })),
              KitapKusuru::ParçaBoş);
    QList<test::ZipParçası> eksik = parçalar;
    eksik.removeAt(yeri("docProps/core.xml"));
    EXPECT_EQ(denetle(eksik), KitapKusuru::ParçaEksik);
    EXPECT_EQ(denetle(biriDeğişmiş(yeri("xl/workbook.xml"), [](test::ZipParçası& p) { p.içerik.chop(3); })),
              KitapKusuru::XmlBozuk);
    // The sheet: a row gone (the last one still there), cut after its last row, a piece lost within a row;
    // a row closed before its last cell (the tags balanced), cut after its rows (the root left open), rows
    // 1, 3, 2, 4 and 1, 3, 3, 4 (as many as written, the last one the same).
    QByteArray kapanışlarıTers = xml, satırlarıDönük = xml, satırıYinelenen = xml;
    kapanışlarıTers.replace(xml.indexOf("</c></row>", satır3), 10, "</row></c>");
    satırlarıDönük.replace("<row r=\"2\"", "<row r=\"X\"").replace("<row r=\"3\"", "<row r=\"2\"");
    satırlarıDönük.replace("<row r=\"X\"", "<row r=\"3\"");
    satırıYinelenen.replace("<row r=\"2\"", "<row r=\"3\"");
    const QList<std::pair<QByteArray, KitapKusuru>> sayfalar = {
        {xml.left(satır3) + xml.mid(satır4), KitapKusuru::SatırlarEksik},
        {xml.left(veriSonu), KitapKusuru::XmlBozuk},
        {xml.left(satır3 + 20) + xml.mid(satır3 + 40), KitapKusuru::XmlBozuk},
        {kapanışlarıTers, KitapKusuru::XmlBozuk},
        {xml.left(veriSonu + qsizetype(sizeof "</sheetData>") - 1), KitapKusuru::XmlBozuk},
        {satırlarıDönük, KitapKusuru::XmlBozuk},
        {satırıYinelenen, KitapKusuru::XmlBozuk},
    };
    for (int i = 0; i < sayfalar.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(denetle(sayfası(sayfalar[i].first)), sayfalar[i].second);
    }
    // A file cut short: its zip directory gone.
    const QByteArray zip = test::zipYap(parçalar);
    QFile f(denenen);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(zip.left(zip.size() - 30));
    f.close();
    EXPECT_EQ(yazılanKitabıDenetle(denenen, 4, 4), KitapKusuru::Okunamadı);
}

// A workbook written whole that cannot take its name stays where it was written, and the message says
// why and where it is.
TEST_F(ÇalışmaKitabıTesti, AdVerilemeyenKitapYerindeKalır)
{
    dosya::adVermeSınamasınıDeğiştir(dosya::AdVermeSınaması{false, false, [](const QString&) { return EROFS; }});
    QString metin;
    try {
        listeyiYaz(örnekListe());
    } catch (const ÇalışmaKitabıHatası& h) {
        metin = h.metin();
    }
    dosya::adVermeSınamasınıDeğiştir(std::nullopt);
    ASSERT_EQ(dosyalar().size(), 1);
    const QString çalışma = kabuk::belgeKlasörü() + QLatin1Char('/') + dosyalar().first();
    const QRegularExpression beklenen(
        QStringLiteral("^Çalışma kitabı adıyla kaydedilemedi: %1/Girişi Yapılacak Ürünler [-0-9 .]+\\.xlsx\n\n"
                       "Klasör, yalnızca okunabilen bir diskte\\.\n\nKitabın tamamı şu dosyada:\n%2\n\n"
                       "Bu dosya bir gün saklanır; sonra bu klasöre yeni bir dosya yazılırken silinir\\.$")
            .arg(QRegularExpression::escape(kabuk::belgeKlasörü()), QRegularExpression::escape(çalışma)));
    EXPECT_TRUE(beklenen.match(metin).hasMatch()) << metin.toStdString();
    EXPECT_EQ(test::xlsxOku(çalışma).metin("A3"), "Şirin Ticaret");
}

// Exported lists and PDFs get the permissions the user's umask gives, so that others on the share can
// read them.
TEST_F(ÇalışmaKitabıTesti, DosyalarUmaskİzinleriyleYazılır)
{
    yazdırma::sistemYazıcılarınıDeğiştir(QList<yazdırma::Yazıcı>{});
    yazdırma::geçerliYazıcıyıDeğiştir(yazdırma::PdfYazıcısıAdı);
    const auto izni = [](const QString& yol) {
        struct stat durum {};
        return stat(QFile::encodeName(yol).constData(), &durum) == 0 ? int(durum.st_mode & 0777) : -1;
    };
    const mode_t eski = umask(022);
    QList<int> izinler;
    for (const mode_t maske : {022, 027}) {
        umask(maske);
        izinler << izni(listeyiYaz(örnekListe()));
        auto belge = yazdırma::belgeAç(QStringLiteral("Liste %1").arg(maske));
        belge->yaz("x");
        belge->bitir();
        izinler << izni(kabuk::belgeKlasörü() + QStringLiteral("/Liste %1.pdf").arg(maske));
    }
    umask(eski);
    yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
    EXPECT_EQ(izinler, (QList<int>{0644, 0644, 0640, 0640}));
}

// The real check asks the desktop's MIME database (xdg-mime; without it, the registrations themselves)
// whether a program handles a file type: the spreadsheet export asks it about .xlsx files, the PDF
// printer about PDF files.
TEST(HesapTablosuProgramı, MasaüstününKayıtlarındanOkunur)
{
    const QStringList değişkenler{"XDG_DATA_HOME",
                                  "XDG_DATA_DIRS",
                                  "XDG_CONFIG_HOME",
                                  "XDG_CONFIG_DIRS",
                                  "XDG_CURRENT_DESKTOP",
                                  "DESKTOP_SESSION",
                                  "KDE_FULL_SESSION",
                                  "GNOME_DESKTOP_SESSION_ID",
                                  "PATH"};
    QMap<QString, QByteArray> eski;
    for (const QString& d : değişkenler)
        if (qEnvironmentVariableIsSet(d.toLatin1())) eski[d] = qgetenv(d.toLatin1());
    QTemporaryDir dizin;
    const QString veri = dizin.path() + "/veri", ayar = dizin.path() + "/ayar", boş = dizin.path() + "/bos";
    QDir().mkpath(veri + "/applications");
    QDir().mkpath(ayar);
    QDir().mkpath(boş);
    for (const QString& d : değişkenler.mid(4, 4)) qunsetenv(d.toLatin1());
    qputenv("XDG_DATA_HOME", veri.toUtf8());
    qputenv("XDG_DATA_DIRS", boş.toUtf8());
    qputenv("XDG_CONFIG_HOME", ayar.toUtf8());
    qputenv("XDG_CONFIG_DIRS", boş.toUtf8());
    hesapTablosuDenetiminiDeğiştir({});
    kabuk::işleyiciDenetiminiDeğiştir({});

    const QString tür = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
    const QByteArray yol = eski.value("PATH", "/usr/bin:/bin");
    QList<bool> sonuçlar, pdf;
    for (const QByteArray& path : {yol, boş.toUtf8()}) {  // with xdg-mime, and where it cannot be found
        qputenv("PATH", path);
        QFile::remove(veri + "/applications/mimeinfo.cache");
        sonuçlar << hesapTablosuProgramıVarMı();
        QFile masaüstü(veri + "/applications/hesap.desktop");
        ASSERT_TRUE(masaüstü.open(QIODevice::WriteOnly));
        masaüstü.write(
            ("[Desktop Entry]\nType=Application\nName=Hesap\nExec=true %f\nMimeType=" + tür + ";\n").toUtf8());
        masaüstü.close();
        QFile önbellek(veri + "/applications/mimeinfo.cache");
        ASSERT_TRUE(önbellek.open(QIODevice::WriteOnly));
        önbellek.write(("[MIME Cache]\n" + tür + "=hesap.desktop;\n").toUtf8());
        önbellek.close();
        sonuçlar << hesapTablosuProgramıVarMı();
        pdf << kabuk::işleyiciVarMı("application/pdf");  // a spreadsheet program opens no PDF
    }

    hesapTablosuDenetiminiDeğiştir([] { return true; });
    kabuk::işleyiciDenetiminiDeğiştir([](const QString&) { return true; });
    for (const QString& d : değişkenler) {
        if (eski.contains(d))
            qputenv(d.toLatin1(), eski[d]);
        else
            qunsetenv(d.toLatin1());
    }
    EXPECT_EQ(sonuçlar, (QList<bool>{false, true, false, true}));
    EXPECT_EQ(pdf, (QList<bool>{false, false}));
}
