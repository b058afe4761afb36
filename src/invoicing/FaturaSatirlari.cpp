#include "invoicing/FaturaSatirlari.h"

#include "platform/TurkceMetin.h"

#include <QLatin1Char>

namespace fatura {

using platform::Statement;

namespace {

// A stored date ("2026-03-07", maybe with a time after it), read without the general date parser: the tree
// reads one per day of every firm.
QDate günOku(const Statement& s, int sütun)
{
    const QString metin = s.text(sütun);
    if (metin.size() >= 10 && metin[4] == QLatin1Char('-') && metin[7] == QLatin1Char('-')) {
        bool y = false, a = false, g = false;
        const QDate gün(QStringView(metin).mid(0, 4).toInt(&y), QStringView(metin).mid(5, 2).toInt(&a),
                        QStringView(metin).mid(8, 2).toInt(&g));
        if (y && a && g) return gün;
    }
    return turkce::saklananTarih(metin);
}

}  // namespace

QList<AğaçFirması> firmaAğacınıOku(platform::Database& db, bool yazdırılanlar, const QString& bulMetni)
{
    // The exits are grouped by firm and stored date before the firm's name is joined to them; a time of
    // day kept with a date sorts right after the bare date, so the rows of one day come together.
    QString sql = QStringLiteral(
        "SELECT Gunler.FirmaNo, Gunler.Tarihi, AliciFirmalarTablosu.Adi "
        "FROM (SELECT FirmaNo, Tarihi FROM CikisIslemleriTablosu "
        "      WHERE Nedeni = 0 AND (Fatura <> 0) = ?1 GROUP BY FirmaNo, Tarihi) AS Gunler "
        "JOIN AliciFirmalarTablosu ON Gunler.FirmaNo = AliciFirmalarTablosu.Nosu ");
    if (!bulMetni.isEmpty())
        sql += QStringLiteral("WHERE substr(TR_KATLA(AliciFirmalarTablosu.Adi), 1, length(TR_KATLA(?2))) = TR_KATLA(?2) ");
    sql += QStringLiteral("ORDER BY Gunler.FirmaNo, Gunler.Tarihi");

    Statement s = db.prepare(sql);
    s.bind(1, yazdırılanlar ? 1 : 0);
    if (!bulMetni.isEmpty()) s.bind(2, bulMetni);
    QList<AğaçFirması> ağaç;
    while (s.next()) {
        const int no = int(s.integer(0));
        const QDate gün = günOku(s, 1);
        if (!gün.isValid()) continue;  // no day to list its lines by
        if (ağaç.isEmpty() || ağaç.last().firmaNo != no) ağaç.append({no, s.text(2), {}});
        if (ağaç.last().günler.isEmpty() || ağaç.last().günler.last() != gün) ağaç.last().günler.append(gün);
    }
    return ağaç;
}

std::optional<MüşteriBilgileri> müşteriOku(platform::Database& db, int firmaNo)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT Adi, Adresi, VergiDairesi, VergiNumarasi FROM AliciFirmalarTablosu WHERE Nosu = ?1"));
    s.bind(1, firmaNo);
    if (!s.next()) return std::nullopt;
    return MüşteriBilgileri{s.text(0), s.text(1), s.text(2), s.text(3)};
}

FaturaKalemi satırıHesapla(qint64 hareketNo, const QString& kodu, const QString& adı, const QString& birimi,
                           double miktar, double fiyat, std::optional<double> kdvOranı)
{
    FaturaKalemi s;
    s.hareketNo = hareketNo;
    s.kodu = kodu;
    s.adı = adı;
    s.birimi = birimi;
    s.miktar = miktar;
    s.kdvOranı = kdvOranı;
    s.fiyat = para::paraya(fiyat);
    // The price is taken to four decimals before it is multiplied.
    const double tutar = para::doubleOlarak(s.fiyat) * miktar;
    s.tutar = para::paraya(tutar);
    if (kdvOranı) {
        s.kdvMiktarı = *kdvOranı / 100.0 * tutar;
        s.kdv = para::paraya(s.kdvMiktarı);
    }
    return s;
}

QList<FaturaKalemi> satırlarıOku(platform::Database& db, int firmaNo, const QDate& gün, bool yazdırılanlar)
{
    // The day as a range of stored texts: the date index serves it, and a stored time of day still matches.
    Statement s = db.prepare(QStringLiteral(
        "SELECT CikisIslemleriTablosu.HareketNo, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
        "CikisIslemleriTablosu.Miktari, UrunBilgileriTablosu.MiktarBirimi, CikisIslemleriTablosu.Fiyati, "
        "UrunBilgileriTablosu.KDVOrani, CikisIslemleriTablosu.UrunNo "
        "FROM CikisIslemleriTablosu LEFT JOIN UrunBilgileriTablosu "
        "ON CikisIslemleriTablosu.UrunNo = UrunBilgileriTablosu.UrunNo "
        "WHERE CikisIslemleriTablosu.FirmaNo = ?1 AND CikisIslemleriTablosu.Tarihi >= ?2 "
        "AND CikisIslemleriTablosu.Tarihi < ?3 AND CikisIslemleriTablosu.Nedeni = 0 "
        "AND (CikisIslemleriTablosu.Fatura <> 0) = ?4 ORDER BY CikisIslemleriTablosu.HareketNo"));
    s.bindAll({firmaNo, turkce::tarihSaklama(gün), turkce::tarihSaklama(gün.addDays(1)), yazdırılanlar ? 1 : 0});
    QList<FaturaKalemi> satırlar;
    while (s.next()) {
        std::optional<double> oran;
        if (!s.isNull(6)) oran = s.real(6);
        satırlar.append(satırıHesapla(s.integer(0), s.text(1), s.text(2), s.text(4), s.real(3), s.real(5), oran));
        satırlar.last().ürünNo = int(s.integer(7));
    }
    return satırlar;
}

Toplamlar toplamlarıHesapla(const QList<FaturaKalemi>& satırlar)
{
    Toplamlar t;
    for (const FaturaKalemi& s : satırlar) {
        t.toplam += para::kuruşaYuvarla(s.tutar);
        t.kdv += s.kdv;
    }
    t.genel = t.toplam + t.kdv;
    return t;
}

QString sayıMetni(double değer)
{
    QString m = QString::number(değer, 'g', 15);
    m.replace(QLatin1Char('.'), QLatin1Char(','));
    return m;
}

QString kdvOranıMetni(const FaturaKalemi& s)
{
    return s.kdvOranı ? para::biçimle(para::paraya(*s.kdvOranı)) : QStringLiteral("0");
}

QString kdvMiktarıMetni(const FaturaKalemi& s) { return s.kdvOranı ? sayıMetni(s.kdvMiktarı) : QStringLiteral("0"); }

}  // namespace fatura
