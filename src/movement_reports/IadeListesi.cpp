#include "movement_reports/IadeListesi.h"

#include "core/IadeTablosu.h"
#include "platform/Database.h"
#include "platform/TurkceMetin.h"

#include <cfenv>
#include <cmath>

namespace rapor {

const QList<ListeSütunu>& iadeSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("Çıkış Yapılan Firma"), 1800, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Çıkış Yapılan Ürün"), 1800, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Çıkış Tarihi"), 1200, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Çıkış Miktarı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Çıkış Fiyatı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Çıkış Nedeni"), 1400, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("İade Tarihi"), 1200, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("İade Miktarı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
    };
    return sütunlar;
}

void iadeTablosunuHazırla(platform::Database& db)
{
    if (!TabloVar(db)) İadeTablosunuOluştur(db);
}

namespace {

const QString İadeKaynağı = QStringLiteral(
    " FROM ((CikisIslemleriTablosu LEFT JOIN AliciFirmalarTablosu "
    "ON CikisIslemleriTablosu.FirmaNo = AliciFirmalarTablosu.Nosu) "
    "LEFT JOIN UrunBilgileriTablosu ON CikisIslemleriTablosu.UrunNo = UrunBilgileriTablosu.UrunNo) "
    "INNER JOIN StogaIadeBilgileriTablosu ON CikisIslemleriTablosu.HareketNo = StogaIadeBilgileriTablosu.CikisHareketiNo");
const QString İadeGünü = QStringLiteral(" WHERE StogaIadeBilgileriTablosu.IadeTarihi = ?1");

ListeDeğeri genelSayı(const platform::Statement& s, int sütun)
{
    if (s.isNull(sütun)) return {};
    return ListeDeğeri::sayı(s.real(sütun), ListeDeğeri::Biçim::Kısa);
}

Satır iadeSatırı(const platform::Statement& s)
{
    const QString neden = s.isNull(5) ? QString() : nedenMetni(s.integer(5));
    return {metinHücresi(s, 0),
            metinHücresi(s, 1),
            tarihHücresi(s, 2),
            genelSayı(s, 3),
            genelSayı(s, 4),
            neden.isEmpty() ? ListeDeğeri() : ListeDeğeri(neden),
            tarihHücresi(s, 6),
            genelSayı(s, 7)};
}

}  // namespace

int iadeler(platform::Database& db, std::optional<QDate> gün, const SatırAlıcı& alıcı)
{
    if (!TabloVar(db)) {
        if (alıcı.başla) alıcı.başla(0);
        if (alıcı.bitti) alıcı.bitti();
        return 0;
    }
    const QString kaynak = İadeKaynağı + (gün ? İadeGünü : QString());
    QVariantList parametreler;
    if (gün) parametreler.append(turkce::tarihSaklama(*gün));
    return oku(db, QStringLiteral("SELECT count(*)") + kaynak,
               QStringLiteral("SELECT AliciFirmalarTablosu.Adi, UrunBilgileriTablosu.Adi, CikisIslemleriTablosu.Tarihi, "
                              "CikisIslemleriTablosu.Miktari, CikisIslemleriTablosu.Fiyati, CikisIslemleriTablosu.Nedeni, "
                              "StogaIadeBilgileriTablosu.IadeTarihi, StogaIadeBilgileriTablosu.IadeMiktari")
                   + kaynak,
               parametreler, iadeSatırı, alıcı);
}

QString iadeBaşlığı(Listeleme tür, const QDate& gün, bool satırVar)
{
    return listelemeBaşlığı(İadeDüzBaşlık, QStringLiteral(" (Tüm İadeler)"), tür, gün, satırVar);
}

std::array<int, 8> iadeSütunKonumları(int genişlik)
{
    const double w = genişlik;
    // Nearest whole number, a half going to the even neighbour.
    auto yakın = [](double x) {
        const int eski = std::fegetround();
        std::fesetround(FE_TONEAREST);
        const double y = std::nearbyint(x);
        std::fesetround(eski);
        return int(y);
    };
    std::array<int, 8> x{};
    x[0] = 15;
    x[1] = yakın(x[0] + w / 6);
    x[2] = yakın(x[1] + w / 6.5);
    x[3] = yakın(x[2] + w / 7.5);
    x[4] = yakın(x[3] + w / 13);
    x[5] = x[4] + 5;
    x[6] = yakın(x[5] + w / 10);
    x[7] = yakın(x[6] + w / 5);
    return x;
}

}  // namespace rapor
