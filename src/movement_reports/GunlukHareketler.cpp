#include "movement_reports/GunlukHareketler.h"

#include "platform/Database.h"
#include "platform/TurkceMetin.h"

namespace rapor {

GünlükMod günlükMod(const QString& menüEtiketi)
{
    return menüEtiketi.trimmed() == QStringLiteral("1") ? GünlükMod::Giriş : GünlükMod::Çıkış;
}

const QList<ListeSütunu>& günlükSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("Tarihi"), 1200, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Kodu"), 1200, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Ürün Adı"), 3000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Firma Adı"), 2000, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Miktarı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1200, Qt::AlignRight, SütunTürü::Sayı},
    };
    return sütunlar;
}

namespace {

// The movement table and its firm table come from this fixed pair, never from text.
const QString GirişKaynağı = QStringLiteral(
    " FROM (UrunBilgileriTablosu INNER JOIN GirisIslemleriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = GirisIslemleriTablosu.UrunNo) "
    "LEFT JOIN SaticiFirmalarTablosu ON GirisIslemleriTablosu.FirmaNo = SaticiFirmalarTablosu.Nosu");
const QString GirişAlanları = QStringLiteral(
    "SELECT GirisIslemleriTablosu.Tarihi, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
    "SaticiFirmalarTablosu.Adi, GirisIslemleriTablosu.Miktari, GirisIslemleriTablosu.Fiyati");
const QString GirişGünü = QStringLiteral(" WHERE GirisIslemleriTablosu.Tarihi = ?1");

const QString ÇıkışKaynağı = QStringLiteral(
    " FROM (UrunBilgileriTablosu INNER JOIN CikisIslemleriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = CikisIslemleriTablosu.UrunNo) "
    "LEFT JOIN AliciFirmalarTablosu ON CikisIslemleriTablosu.FirmaNo = AliciFirmalarTablosu.Nosu");
const QString ÇıkışAlanları = QStringLiteral(
    "SELECT CikisIslemleriTablosu.Tarihi, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
    "AliciFirmalarTablosu.Adi, CikisIslemleriTablosu.Miktari, CikisIslemleriTablosu.Fiyati");
const QString ÇıkışGünü = QStringLiteral(" WHERE CikisIslemleriTablosu.Tarihi = ?1");

Satır günlükSatır(const platform::Statement& s)
{
    const double miktar = kuruşDeğeri(s.real(4));
    const double fiyat = kuruşDeğeri(s.real(5));
    return {tarihHücresi(s, 0),
            metinHücresi(s, 1),
            metinHücresi(s, 2),
            metinHücresi(s, 3),
            tutarHücresi(miktar),
            tutarHücresi(fiyat),
            tutarHücresi(kuruşDeğeri(miktar * paraDeğeri(fiyat)))};
}

}  // namespace

int günlükHareketler(platform::Database& db, GünlükMod mod, std::optional<QDate> gün, const SatırAlıcı& alıcı)
{
    const bool giriş = mod == GünlükMod::Giriş;
    const QString kaynak = (giriş ? GirişKaynağı : ÇıkışKaynağı) + (gün ? (giriş ? GirişGünü : ÇıkışGünü) : QString());
    QVariantList parametreler;
    if (gün) parametreler.append(turkce::tarihSaklama(*gün));
    return oku(db, QStringLiteral("SELECT count(*)") + kaynak, (giriş ? GirişAlanları : ÇıkışAlanları) + kaynak,
               parametreler, günlükSatır, alıcı);
}

void GünlükToplamlar::ekle(const Satır& satır)
{
    miktar += kuruş(satır.value(4).sayı());
    fiyat += kuruş(satır.value(5).sayı());
    tutar += kuruş(satır.value(6).sayı());
}

QString GünlükToplamlar::miktarMetni() const { return turkce::tutarBiçimi(double(miktar) / 100.0); }
QString GünlükToplamlar::fiyatMetni() const { return turkce::tutarBiçimi(double(fiyat) / 100.0); }
QString GünlükToplamlar::tutarMetni() const { return turkce::tutarBiçimi(double(tutar) / 100.0); }

QString günlükDüzBaşlık(GünlükMod mod)
{
    return mod == GünlükMod::Giriş ? QStringLiteral("Günlük Giriş Hareketleri") : QStringLiteral("Günlük Çıkış Hareketleri");
}

QString günlükBaşlık(GünlükMod mod, Listeleme tür, const QDate& gün, bool satırVar)
{
    return listelemeBaşlığı(günlükDüzBaşlık(mod), QStringLiteral(" (Tümü)"), tür, gün, satırVar);
}

}  // namespace rapor
