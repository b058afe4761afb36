#include "movement_reports/YapanlaraGore.h"

#include "platform/Database.h"

namespace rapor {

const QList<ListeSütunu>& yapanSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("Ürün Adı"), 1500, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Firması"), 1300, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1000, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1000, Qt::AlignRight, SütunTürü::Sayı},
    };
    return sütunlar;
}

QList<ListeGirdisi> yapanlar(platform::Database& db)
{
    platform::Statement s = db.prepare(QStringLiteral("SELECT Nosu, AdiSoyadi FROM GirisCikisYapanlarTablosu"));
    QList<ListeGirdisi> kişiler;
    while (s.next()) kişiler.append({s.text(1), s.integer(0)});
    return kişiler;
}

namespace {

const QString GirişKaynağı = QStringLiteral(
    " FROM (GirisIslemleriTablosu LEFT JOIN UrunBilgileriTablosu "
    "ON GirisIslemleriTablosu.UrunNo = UrunBilgileriTablosu.UrunNo) "
    "LEFT JOIN SaticiFirmalarTablosu ON GirisIslemleriTablosu.FirmaNo = SaticiFirmalarTablosu.Nosu "
    "WHERE GirisIslemleriTablosu.GirisiYapan = ?1");
const QString GirişAlanları = QStringLiteral(
    "SELECT UrunBilgileriTablosu.Adi, SaticiFirmalarTablosu.Adi, GirisIslemleriTablosu.Tarihi, "
    "GirisIslemleriTablosu.Miktari, GirisIslemleriTablosu.Fiyati");
const QString ÇıkışKaynağı = QStringLiteral(
    " FROM (CikisIslemleriTablosu LEFT JOIN UrunBilgileriTablosu "
    "ON CikisIslemleriTablosu.UrunNo = UrunBilgileriTablosu.UrunNo) "
    "LEFT JOIN AliciFirmalarTablosu ON CikisIslemleriTablosu.FirmaNo = AliciFirmalarTablosu.Nosu "
    "WHERE CikisIslemleriTablosu.CikisiYapan = ?1");
const QString ÇıkışAlanları = QStringLiteral(
    "SELECT UrunBilgileriTablosu.Adi, AliciFirmalarTablosu.Adi, CikisIslemleriTablosu.Tarihi, "
    "CikisIslemleriTablosu.Miktari, CikisIslemleriTablosu.Fiyati");

Satır yapanSatırı(const platform::Statement& s)
{
    const double miktar = s.real(3);
    const double fiyat = s.real(4);
    return {metinHücresi(s, 0),
            metinHücresi(s, 1),
            tarihHücresi(s, 2),
            tutarHücresi(kuruşDeğeri(miktar)),
            tutarHücresi(kuruşDeğeri(fiyat)),
            tutarHücresi(satırTutarı(miktar, fiyat))};
}

}  // namespace

int yapanHareketleri(platform::Database& db, int kişiNo, bool giriş, const SatırAlıcı& alıcı)
{
    const QString& kaynak = giriş ? GirişKaynağı : ÇıkışKaynağı;
    return oku(db, QStringLiteral("SELECT count(*)") + kaynak, (giriş ? GirişAlanları : ÇıkışAlanları) + kaynak,
               {kişiNo}, yapanSatırı, alıcı);
}

QString yapanAktarımBaşlığı(const QString& kişiAdı, bool giriş)
{
    return kişiAdı + QStringLiteral(" Adlı Personelin ") + (giriş ? QStringLiteral("Giriş") : QStringLiteral("Çıkış"))
           + QStringLiteral(" Hareketleri");
}

}  // namespace rapor
