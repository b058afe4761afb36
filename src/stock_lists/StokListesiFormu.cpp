#include "stock_lists/StokListesiFormu.h"

#include "core/AnaForm.h"
#include "core/BaslangicModulu.h"
#include "core/IlerlemeAdimi.h"
#include "core/OrtakDegiskenler.h"

#include <QProgressBar>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace stokListesi {

QString sorgu()
{
    return QStringLiteral(
        "SELECT GirisToplamiSorgusu.Kodu, GirisToplamiSorgusu.Adi, GirisToplamiSorgusu.GirisToplami, "
        "GirisToplamiSorgusu.GirisTutari, CikisToplamiSorgusu.CikisToplami, CikisToplamiSorgusu.CikisTutari "
        "FROM GirisToplamiSorgusu LEFT JOIN CikisToplamiSorgusu "
        "ON GirisToplamiSorgusu.UrunNo = CikisToplamiSorgusu.UrunNo ");
}

namespace {
double sayısı(const QVariant& v) { return v.isValid() && !v.isNull() ? v.toDouble() : 0.0; }
QString metni(const QVariant& v) { return v.isValid() && !v.isNull() ? v.toString() : QString(); }
ListeDeğeri tutar(double d) { return ListeDeğeri::sayı(d); }
}  // namespace

QList<ListeDeğeri> satırı(const Kaynak& k)
{
    const double giren = sayısı(k.girişToplamı);
    const double girenTutar = sayısı(k.girişTutarı);
    const double çıkan = sayısı(k.çıkışToplamı);
    const double çıkanTutar = sayısı(k.çıkışTutarı);
    const double kalanTutar = girenTutar - çıkanTutar;
    // Without exits the whole entry total remains, whatever its sign, and there is no gain.
    const bool çıkışıVar = k.çıkışToplamı.isValid() && !k.çıkışToplamı.isNull();
    const bool kalanVar = !çıkışıVar || kalanTutar > 0;
    return {metni(k.kodu),
            metni(k.adı),
            tutar(giren),
            tutar(girenTutar),
            tutar(çıkan),
            tutar(çıkanTutar),
            tutar(giren - çıkan),
            tutar(kalanVar ? kalanTutar : 0),
            tutar(kalanVar ? 0 : çıkanTutar - girenTutar)};
}

bool azalıyorMu(const Kaynak& k, int eşik)
{
    // In whole hundredths, as the list shows it: 8,3 in and 3,3 out leave 5,00, not 5.000000000000001.
    return std::llround((sayısı(k.girişToplamı) - sayısı(k.çıkışToplamı)) * 100) <= qint64(eşik) * 100;
}

QString başlık(int tür, int satırSayısı)
{
    return (tür == 1 ? QStringLiteral("Mevcudu Azalan Ürünler (Toplam : ") : QStringLiteral("Stok Listesi (Toplam : "))
           + QString::number(satırSayısı) + QLatin1Char(')');
}

}  // namespace stokListesi

namespace {

ListeTanımı stokListesiTanımı()
{
    const auto sayı = [](const char* başlık, int genişlik) {
        return ListeSütunu{QString::fromUtf8(başlık), genişlik, Qt::AlignRight, SütunTürü::Sayı};
    };
    ListeTanımı t;
    t.listeAdı = QStringLiteral("StokListesi");
    t.bölümNo = stokListesi::Bölüm;
    t.doldurmaKodu = stokListesi::DoldurmaKodu;
    t.aktarmaKodu = stokListesi::AktarmaKodu;
    t.sütunlar = {{QStringLiteral("Kodu"), 1000, Qt::AlignLeft, SütunTürü::Metin},
                  {QStringLiteral("Ürün Adı"), 2200, Qt::AlignLeft, SütunTürü::Metin},
                  sayı("Giren Miktar", 1100),
                  sayı("Giren Tutar", 1100),
                  sayı("Çıkan Miktar", 1100),
                  sayı("Çıkan Tutar", 1100),
                  sayı("Kalan Miktar", 1100),
                  sayı("Kalan Tutar", 1100),
                  sayı("Kazanç", 1100)};
    return t;
}

}  // namespace

StokListesiFormu::StokListesiFormu(QWidget* sahip) : ListePenceresi(sahip, stokListesiTanımı())
{
    setObjectName(QStringLiteral("StokListesiFormu"));
    StokListesi = liste();
    kur();
    resize(800, 480);
}

void StokListesiFormu::StokListesiYükle()
{
    // The fill's progress window belongs to the main window, also when the open list is refreshed.
    QWidget* sahip = AnaForm::örnek();
    listeyiDoldur(sahip ? sahip : static_cast<QWidget*>(this), [this](QProgressBar& çubuk) { ListeyiYükle(çubuk); });
}

void StokListesiFormu::ListeyiYükle(QProgressBar& çubuk)
{
    const int tür = StokListesiTürü;
    const int eşik = UyarılacakSayı;
    QList<stokListesi::Kaynak> kaynaklar;
    {
        auto sorgu = AçıkVeritabanı->prepare(stokListesi::sorgu());
        while (sorgu.next())
            kaynaklar.append({sorgu.value(0), sorgu.value(1), sorgu.value(2), sorgu.value(3), sorgu.value(4),
                              sorgu.value(5)});
    }
    İlerlemeAdımı adım(çubuk, int(kaynaklar.size()), İlerlemeAdımı::Aralık::BoşsaDokunma);
    {
        ListeGörünümü::Doldurma doldurma(StokListesi);
        for (const stokListesi::Kaynak& k : std::as_const(kaynaklar)) {
            adım.ilerle();
            if (tür == 1 && !stokListesi::azalıyorMu(k, eşik)) continue;
            StokListesi->satırEkle(stokListesi::satırı(k));
        }
    }
    adım.bitir();
    setWindowTitle(stokListesi::başlık(tür, StokListesi->satırSayısı()));
}

void StokListesiFormu::ListeyiYenileDüğmesi_Click()
{
    ListeyiYenileDüğmesi->setEnabled(false);
    if (StokListesi->satırSayısı() > 0) StokListesi->temizle();
    StokListesiYükle();
    StokListesi->setFocus();
    ListeyiYenileDüğmesi->setEnabled(true);
}

ListeAktarımTablosu StokListesiFormu::aktarımTablosu() const
{
    const bool azalan = StokListesiTürü == 1;
    ListeAktarımTablosu t;
    t.sayfaAdı = azalan ? QStringLiteral("Mevcudu Azalanlar") : QStringLiteral("Stok Listesi");
    t.başlık = azalan ? QStringLiteral("Mevcudu Azalan Ürünler") : QStringLiteral("Stok Listesi");
    t.başlıkSütunSayısı = 8;  // "A1:H1", one column short of the table
    t.sayfaGenişliğineSığdır = true;
    return t;
}

YazdırmaDüzeni StokListesiFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = windowTitle();
    d.altBoşluk = 15;
    d.sütunBaşlığıPuntosu = 9;
    d.sütunlar = {{QStringLiteral("Kodu"), 0, 15, false, B::Listelendiği},
                  {QStringLiteral("Ürün Adı"), 1, 25, false, B::Listelendiği},
                  {QStringLiteral("Giren Miktar"), 2, 75, true, B::Miktar},
                  {QStringLiteral("Giren Tutar"), 3, 95, true, B::Tutar},
                  {QStringLiteral("Çıkan Miktar"), 4, 115, true, B::Miktar},
                  {QStringLiteral("Çıkan Tutar"), 5, 135, true, B::Tutar},
                  {QStringLiteral("Kalan Miktar"), 6, 155, true, B::Miktar},
                  {QStringLiteral("Kalan Tutar"), 7, 175, true, B::Tutar},
                  {QStringLiteral("Kazanç"), 8, 190, true, B::Tutar}};
    return d;
}

void StokListesiniAç(QWidget* sahip, int tür)
{
    StokListesiTürü = tür;
    StokListesiFormu pencere(sahip);
    pencere.StokListesiYükle();
    pencere.exec();
}

bool AzalanStokUyarısı(QWidget* sahip)
{
    // The warning comes before the start-up brings an older file up to date; the list reads the total views
    // in their current layout, so the file is brought up to date first (a current file is not written to).
    BaşlangıçModülü::VeritabanınıGüncelle();
    StokListesiTürü = 1;
    StokListesiFormu pencere(sahip);
    pencere.StokListesiYükle();
    if (pencere.StokListesi->satırSayısı() == 0) return false;
    pencere.exec();
    return true;
}
