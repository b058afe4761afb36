#include "stock_lists/KarHesabi.h"

#include "platform/KayitliSorgular.h"
#include "platform/TurkceMetin.h"


namespace kar_listesi {

QStringList dönemSeçenekleri()
{
    return {QStringLiteral("HAFTALIK LİSTE"), QStringLiteral("AYLIK LİSTE"), QStringLiteral("YILLIK LİSTE"),
            QStringLiteral("TARİH BELİRLE")};
}

TarihAralığı dönemAralığı(int yer, const QDate& bugün)
{
    switch (yer) {
    case Haftalık: {
        const QDate pazartesi = bugün.addDays(1 - bugün.dayOfWeek());
        return {pazartesi, pazartesi.addDays(6)};
    }
    case Aylık:
        return {QDate(bugün.year(), bugün.month(), 1), QDate(bugün.year(), bugün.month(), bugün.daysInMonth())};
    case Yıllık:
        return {QDate(bugün.year(), 1, 1), QDate(bugün.year(), 12, 31)};
    default:
        return {bugün, bugün};
    }
}

std::optional<TarihAralığı> tümTarihler(platform::Database& db)
{
    platform::Statement s = db.prepare(QStringLiteral("SELECT Min(Tarihi), Max(Tarihi) FROM CikisIslemleriTablosu"));
    if (!s.next() || s.isNull(0)) return std::nullopt;
    const TarihAralığı aralık{turkce::saklananTarih(s.text(0)), turkce::saklananTarih(s.text(1))};
    if (!aralık.başlangıç.isValid() || !aralık.bitiş.isValid()) return std::nullopt;
    return aralık;
}

qint64 kuruşa(double değer)
{
    // The shown text read back, so that the cell, the total and the screen never disagree.
    QString metin = turkce::tutarBiçimi(değer);
    metin.remove(QLatin1Char('.'));
    metin.remove(QLatin1Char(','));
    return metin.toLongLong();
}

KarListesi karListesi(platform::Database& db, const TarihAralığı& dönem)
{
    KarListesi liste;
    platform::Statement s = sorgular::çıkışİşlemleri(db, dönem.başlangıç, dönem.bitiş);
    while (s.next()) {
        QList<ListeDeğeri> hücreler;
        hücreler.reserve(SütunSayısı);
        hücreler.append(s.isNull(0) ? ListeDeğeri() : ListeDeğeri(QString::number(s.integer(0))));
        hücreler.append(s.isNull(1) ? ListeDeğeri() : ListeDeğeri(s.text(1)));
        hücreler.append(s.isNull(2) ? ListeDeğeri() : ListeDeğeri::sayı(double(kuruşa(s.real(2))) / 100.0));
        hücreler.append(s.isNull(3) ? ListeDeğeri() : ListeDeğeri::sayı(double(kuruşa(s.real(3))) / 100.0));
        // The profit from the values as read, before any rounding; the total adds the rounded cells.
        if (!s.isNull(2) && !s.isNull(3) && !s.isNull(4)) {
            const qint64 kâr = kuruşa(s.real(3) - s.real(2) * s.real(4));
            hücreler.append(ListeDeğeri::sayı(double(kâr) / 100.0));
            liste.toplamKuruş += kâr;
        } else {
            hücreler.append(ListeDeğeri());
        }
        liste.satırlar.append(std::move(hücreler));
    }
    return liste;
}

}  // namespace kar_listesi
