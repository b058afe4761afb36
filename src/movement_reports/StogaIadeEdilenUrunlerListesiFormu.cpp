#include "movement_reports/StogaIadeEdilenUrunlerListesiFormu.h"

#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"

#include <QProgressBar>

namespace {

ListeTanımı iadeTanımı()
{
    ListeTanımı t;
    t.listeAdı = QStringLiteral("İadeBilgileriListesi");
    t.bölümNo = 9;
    t.sütunlar = rapor::iadeSütunları();
    t.doldurmaKodu = rapor::İadeListesiGörevi;
    t.aktarmaKodu = rapor::İadeAktarımGörevi;
    t.düğmeler = ListeTanımı::Yenile | ListeTanımı::Yazdır | ListeTanımı::Kapat;  // export: the list's menu
    return t;
}

}  // namespace

StoğaİadeEdilenÜrünlerListesiFormu::StoğaİadeEdilenÜrünlerListesiFormu(QWidget* sahip)
    : TarihliListePenceresi(sahip, iadeTanımı(),
                            {QStringLiteral("Etiket"), QStringLiteral("Seçilen &Tarihe Göre Listele"), rapor::İadeTarihteYokMetni,
                             rapor::İadeHiçYokMetni})
{
    setObjectName(QStringLiteral("StoğaİadeEdilenÜrünlerListesiFormu"));
    İadeBilgileriListesi = liste();
    kur();
    // A database that cannot take the table (read only) is reported, and the window opens all the same.
    HatadaDevam([] { rapor::iadeTablosunuHazırla(*AçıkVeritabanı); });
    setWindowTitle(rapor::İadeDüzBaşlık);
    setFixedSize(794, 568);  // 11910 × 8520 twips
}

void StoğaİadeEdilenÜrünlerListesiFormu::ListeyiYükle(QProgressBar& çubuk)
{
    if (İadeBilgileriListesi->satırSayısı() > 0) İadeBilgileriListesi->temizle();
    ListeGörünümü::Doldurma doldurma(İadeBilgileriListesi);
    rapor::iadeler(*AçıkVeritabanı, listelenecekGün(), rapor::listeAlıcısı(*İadeBilgileriListesi, çubuk));
}

QString StoğaİadeEdilenÜrünlerListesiFormu::başlık(rapor::Listeleme tür, const QDate& gün, bool satırVar) const
{
    return rapor::iadeBaşlığı(tür, gün, satırVar);
}

ListeAktarımTablosu StoğaİadeEdilenÜrünlerListesiFormu::aktarımTablosu() const
{
    ListeAktarımTablosu t;
    t.sayfaAdı = rapor::İadeSayfaAdı;
    t.başlık = windowTitle();
    t.başlıkSütunSayısı = 8;  // "A1:H1"
    t.sütunBaşlığıYüksekliği = 30;
    t.sayfaGenişliğineSığdır = true;
    return t;
}

YazdırmaDüzeni StoğaİadeEdilenÜrünlerListesiFormu::yazdırmaDüzeni() const
{
    using B = YazdırmaBiçimi;
    YazdırmaDüzeni d;
    d.başlık = windowTitle();
    d.altBoşluk = 20;
    d.sütunBaşlığıPuntosu = 10;
    d.sütunlar = {{QStringLiteral("Firma Adı"), 0, 0, false, B::Listelendiği},
                  {QStringLiteral("Ürün Adı"), 1, 0, false, B::Listelendiği},
                  {QStringLiteral("Tarihi"), 2, 0, false, B::Listelendiği},
                  {QStringLiteral("Miktarı"), 3, 0, true, B::Miktar},
                  {QStringLiteral("Fiyatı"), 4, 0, true, B::Tutar},
                  {QStringLiteral("Nedeni"), 5, 0, false, B::Listelendiği},
                  {QStringLiteral("İade Tarihi"), 6, 0, false, B::Listelendiği},
                  {QStringLiteral("İade Miktarı"), 7, 0, true, B::Tutar}};
    // The columns spread over the page's width.
    d.sayfayaGöre = [](YazdırmaDüzeni& düzen, int genişlik) {
        const auto x = rapor::iadeSütunKonumları(genişlik);
        for (int i = 0; i < düzen.sütunlar.size(); ++i) düzen.sütunlar[i].x = x[size_t(i)];
    };
    return d;
}

void İadeListesiniAç(QWidget* sahip)
{
    StoğaİadeEdilenÜrünlerListesiFormu pencere(sahip);
    pencere.İlkYükleme();
    pencere.exec();
}
