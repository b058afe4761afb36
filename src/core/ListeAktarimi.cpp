#include "core/ListeAktarimi.h"

#include "core/ListeGorunumu.h"
#include "core/ListePenceresi.h"
#include "core/ListeleniyorFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"

#include <QProgressBar>

namespace {

platform::ListeHücresi hücresi(const ListeDeğeri& değer, AktarımSütunu::Tür tür)
{
    if (değer.boşMu()) return {};
    if (tür == AktarımSütunu::Tür::Sayı && değer.tür() == ListeDeğeri::Tür::Sayı)
        return platform::ListeHücresi::sayıyla(değer.sayı());
    return platform::ListeHücresi::metinle(değer.görünen());
}

}  // namespace

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
    t.sayfaDüzeni = YazıcıVar;
    t.sayfaGenişliğineSığdır = tablo.sayfaGenişliğineSığdır && YazıcıVar;
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
    t.hücreler = [l, sütunlar](int r) {
        QList<platform::ListeHücresi> satır;
        satır.reserve(sütunlar.size());
        for (const AktarımSütunu& s : sütunlar) satır.append(hücresi(listeHücreDeğeri(*l, r, s.listeSütunu), s.tür));
        return satır;
    };
    for (int i = 0; i < tablo.toplamSatırı.size(); ++i)
        t.toplamSatırı.append(hücresi(tablo.toplamSatırı[i], i < sütunlar.size() ? sütunlar[i].tür : AktarımSütunu::Tür::Sayı));

    çubuk.setMaximum(std::max(1, t.satırSayısı));
    çubuk.setValue(0);
    const QString yol = platform::listeyiYaz(t, [&çubuk](int satır) { çubuk.setValue(satır); });
    platform::çalışmaKitabınıAç(yol);
    return yol;
}

bool ListeAktarımınıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                           std::function<void(QProgressBar&)> aktar)
{
    if (satırSayısı <= 0) return false;
    return ListeleniyorFormu::çalıştır(sahip, görevKodu, true, std::move(aktar));
}
