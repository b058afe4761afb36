#include "core/ListeAktarimi.h"

#include "core/ExcelAktarimi.h"
#include "core/ListeGorunumu.h"
#include "platform/CalismaKitabi.h"

#include <QProgressBar>

QString MSExceleAktar(QProgressBar& çubuk, const ListeGörünümü& liste, const ListeAktarımTablosu& tablo)
{
    QList<AktarımSütunu> sütunlar = tablo.sütunlar;
    if (sütunlar.isEmpty()) {
        for (int c = 0; c < liste.sütunSayısı(); ++c) {
            AktarımSütunu s;
            s.listeSütunu = c;
            s.tür = liste.sütunTürü(c) == SütunTürü::Sayı ? AktarımSütunu::Tür::Sayı : AktarımSütunu::Tür::Metin;
            sütunlar.append(s);
        }
    }

    platform::ListeTablosu t;
    t.sayfaAdı = tablo.sayfaAdı;
    t.başlık = tablo.başlık;
    t.başlıkSütunSayısı = tablo.başlıkSütunSayısı > 0 ? tablo.başlıkSütunSayısı : int(sütunlar.size());
    t.sütunBaşlığıYüksekliği = tablo.sütunBaşlığıYüksekliği;
    t.sayfaGenişliğineSığdır = tablo.sayfaGenişliğineSığdır;  // and the page setup: only with a printer
    for (const AktarımSütunu& s : sütunlar) {
        platform::ListeSütunu ps;
        ps.başlık = liste.sütunBaşlığı(s.listeSütunu);
        ps.genişlikTwips = liste.sütunGenişliğiTwips(s.listeSütunu);
        ps.tür = s.tür == AktarımSütunu::Tür::Sayı ? platform::ListeSütunu::Tür::Sayı : platform::ListeSütunu::Tür::Metin;
        ps.sayıBiçimi = s.sayıBiçimi;
        t.sütunlar.append(ps);
    }
    t.satırSayısı = liste.satırSayısı();
    const ListeGörünümü* l = &liste;
    t.satır = [l, sütunlar](int r) {
        QList<ListeDeğeri> satır;
        satır.reserve(sütunlar.size());
        for (const AktarımSütunu& s : sütunlar) satır.append(l->hücreDeğeri(r, s.listeSütunu));
        return satır;
    };
    t.toplamSatırı = tablo.toplamSatırı;

    return ListeyiExceleAktar(çubuk, std::move(t));
}

bool ListeAktarımınıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                           std::function<void(QProgressBar&)> aktar)
{
    return ExcelAktarmayıBaşlat(sahip, görevKodu, satırSayısı, std::move(aktar));
}
