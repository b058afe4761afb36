#include "movement_reports/CikisNedenineGore.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Database.h"
#include "platform/TurkceMetin.h"

namespace rapor {

const QList<ListeSütunu>& nedenSütunları()
{
    static const QList<ListeSütunu> sütunlar = {
        {QStringLiteral("Firması"), 1600, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("Tarihi"), 1100, Qt::AlignLeft, SütunTürü::Tarih},
        {QStringLiteral("Miktarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Birimi"), 1100, Qt::AlignLeft, SütunTürü::Metin},
        {QStringLiteral("KDV"), 1000, Qt::AlignHCenter, SütunTürü::Sayı},
        {QStringLiteral("Fiyatı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
        {QStringLiteral("Tutarı"), 1100, Qt::AlignRight, SütunTürü::Sayı},
    };
    return sütunlar;
}

QList<ListeGirdisi> nedenÜrünleri(platform::Database& db, int neden)
{
    platform::Statement s = db.prepare(QStringLiteral(
        "SELECT UrunBilgileriTablosu.UrunNo, UrunBilgileriTablosu.Adi FROM CikisIslemleriTablosu "
        "INNER JOIN UrunBilgileriTablosu ON UrunBilgileriTablosu.UrunNo = CikisIslemleriTablosu.UrunNo "
        "WHERE CikisIslemleriTablosu.Nedeni = ?1 "
        "GROUP BY UrunBilgileriTablosu.UrunNo, UrunBilgileriTablosu.Adi"));
    s.bind(1, neden);
    QList<ListeGirdisi> ürünler;
    while (s.next())
        if (!s.isNull(1)) ürünler.append({s.text(1), s.integer(0)});
    return ürünler;
}

namespace {

// One product's exits of a reason. The reason is compared as "+Nedeni", which keeps the engine off the
// invoice index (it leads with the reason and would read every exit of that reason): the product index
// finds the product's few rows.
const QString HareketlerinKaynağı = QStringLiteral(
    " FROM (UrunBilgileriTablosu INNER JOIN CikisIslemleriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = CikisIslemleriTablosu.UrunNo) "
    "INNER JOIN AliciFirmalarTablosu ON CikisIslemleriTablosu.FirmaNo = AliciFirmalarTablosu.Nosu "
    "WHERE CikisIslemleriTablosu.UrunNo = ?1 AND +CikisIslemleriTablosu.Nedeni = ?2");

Satır hareketSatırı(const platform::Statement& s)
{
    const double miktar = s.real(2);
    const double fiyat = s.real(3);
    return {metinHücresi(s, 0),
            tarihHücresi(s, 1),
            tutarHücresi(kuruşDeğeri(miktar)),
            metinHücresi(s, 4),
            // A rate that is not there shows "0", and is the number 0 wherever it goes.
            s.isNull(5) ? ListeDeğeri::sayı(0, ListeDeğeri::Biçim::TamSayı) : tutarHücresi(kuruşDeğeri(s.real(5))),
            tutarHücresi(kuruşDeğeri(fiyat)),
            tutarHücresi(satırTutarı(miktar, fiyat))};
}

}  // namespace

int nedenHareketleri(platform::Database& db, int ürünNo, int neden, const SatırAlıcı& alıcı)
{
    return oku(db, QStringLiteral("SELECT count(*)") + HareketlerinKaynağı,
               QStringLiteral("SELECT AliciFirmalarTablosu.Adi, CikisIslemleriTablosu.Tarihi, "
                              "CikisIslemleriTablosu.Miktari, CikisIslemleriTablosu.Fiyati, "
                              "UrunBilgileriTablosu.MiktarBirimi, UrunBilgileriTablosu.KDVOrani")
                   + HareketlerinKaynağı,
               {ürünNo, neden}, hareketSatırı, alıcı);
}

QString çıkışToplamı(platform::Database& db, int ürünNo, int neden)
{
    const QVariant toplam = db.scalar(QStringLiteral("SELECT Sum(Miktari) AS CikisToplami FROM CikisIslemleriTablosu "
                                                     "WHERE UrunNo = ?1 AND +Nedeni = ?2"),
                                      {ürünNo, neden});
    return toplam.isValid() && !toplam.isNull() ? turkce::tutarBiçimi(toplam.toDouble()) : QStringLiteral("0");
}

QString nedenYazdırmaBaşlığı(const QString& ürünAdı, int neden)
{
    static const QStringList ekler = {
        QStringLiteral(" ADLI ÜRÜNÜN FATURALI SATIŞ HAREKETLERİ"), QStringLiteral(" ADLI ÜRÜNÜN FİŞLİ SATIŞ HAREKETLERİ"),
        QStringLiteral(" ADLI ÜRÜNDEN EMANET VERİLENLER"),        QStringLiteral(" ADLI ÜRÜNDEN HEDİYE VERİLENLER"),
        QStringLiteral(" ADLI ÜRÜNDEN İMHA EDİLENLER"),           QStringLiteral(" ADLI ÜRÜNDEN DİĞER NEDENLE STOKTAN ÇIKANLAR")};
    return ürünAdı + ekler.value(neden);
}

QString nedenAktarımBaşlığı(int neden)
{
    return QStringLiteral("Çıkış Nedeni \"") + nedenMetni(neden) + QStringLiteral("\" Olan Stok Hareketleri");
}

}  // namespace rapor
