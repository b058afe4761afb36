#include "movement_reports/GunlukHareketler.h"

#include "platform/Database.h"
#include "platform/TurkceMetin.h"

#include <QHash>

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

// The movement table and its firm table come from this fixed pair, never from text. The movements are
// read in the table's own order (or the date index's) and each one's product is looked up: CROSS JOIN
// keeps SQLite from walking the products instead and reaching the movements through the product index,
// which would read the movement table's pages at random.
const QString GirişKaynağı = QStringLiteral(
    " FROM (GirisIslemleriTablosu CROSS JOIN UrunBilgileriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = GirisIslemleriTablosu.UrunNo) "
    "LEFT JOIN SaticiFirmalarTablosu ON GirisIslemleriTablosu.FirmaNo = SaticiFirmalarTablosu.Nosu");
const QString GirişAlanları = QStringLiteral(
    "SELECT GirisIslemleriTablosu.Tarihi, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
    "SaticiFirmalarTablosu.Adi, GirisIslemleriTablosu.Miktari, GirisIslemleriTablosu.Fiyati, "
    "UrunBilgileriTablosu.UrunNo, SaticiFirmalarTablosu.Nosu");
const QString GirişGünü = QStringLiteral(" WHERE GirisIslemleriTablosu.Tarihi = ?1");

const QString ÇıkışKaynağı = QStringLiteral(
    " FROM (CikisIslemleriTablosu CROSS JOIN UrunBilgileriTablosu "
    "ON UrunBilgileriTablosu.UrunNo = CikisIslemleriTablosu.UrunNo) "
    "LEFT JOIN AliciFirmalarTablosu ON CikisIslemleriTablosu.FirmaNo = AliciFirmalarTablosu.Nosu");
const QString ÇıkışAlanları = QStringLiteral(
    "SELECT CikisIslemleriTablosu.Tarihi, UrunBilgileriTablosu.Kodu, UrunBilgileriTablosu.Adi, "
    "AliciFirmalarTablosu.Adi, CikisIslemleriTablosu.Miktari, CikisIslemleriTablosu.Fiyati, "
    "UrunBilgileriTablosu.UrunNo, AliciFirmalarTablosu.Nosu");
const QString ÇıkışGünü = QStringLiteral(" WHERE CikisIslemleriTablosu.Tarihi = ?1");

// The rows of a long list name the same products and firms again and again: their names are read once
// and shared by every row that names them.
struct GünlükSatırlar {
    struct Ürün {
        ListeDeğeri kodu, adı;
    };
    QHash<qint64, Ürün> ürünler;
    QHash<qint64, ListeDeğeri> firmalar;

    // Every cell of the row set in place: none is copied through a list of its own.
    void operator()(const platform::Statement& s, Satır& satır)
    {
        const qint64 ürünNo = s.integer(6);
        auto ü = ürünler.constFind(ürünNo);
        if (ü == ürünler.cend()) ü = ürünler.insert(ürünNo, {metinHücresi(s, 1), metinHücresi(s, 2)});
        // Each copy of a name counts itself in the name's buffer, and over thousands of products those
        // buffers have mostly left the cache by the time a row names them again: they are fetched now, so
        // that the rounding of the figures below runs while they come.
        __builtin_prefetch(ü->kodu.metinGörünümü().data(), 1);
        __builtin_prefetch(ü->adı.metinGörünümü().data(), 1);
        const double miktar = kuruşDeğeri(s.real(4));
        const double fiyat = kuruşDeğeri(s.real(5));
        satır.resize(günlükSütunları().size());
        ListeDeğeri* h = satır.data();
        h[0] = tarihHücresi(s, 0);
        h[1] = ü->kodu;
        h[2] = ü->adı;
        if (s.isNull(7)) {
            h[3] = ListeDeğeri();
        } else {
            const qint64 firmaNo = s.integer(7);
            auto f = firmalar.constFind(firmaNo);
            if (f == firmalar.cend()) f = firmalar.insert(firmaNo, metinHücresi(s, 3));
            h[3] = *f;
        }
        h[4] = tutarHücresi(miktar);
        h[5] = tutarHücresi(fiyat);
        h[6] = tutarHücresi(satırTutarı(miktar, fiyat));
    }
};

}  // namespace

int günlükHareketler(platform::Database& db, GünlükMod mod, std::optional<QDate> gün, const SatırAlıcı& alıcı)
{
    const bool giriş = mod == GünlükMod::Giriş;
    const QString kaynak = (giriş ? GirişKaynağı : ÇıkışKaynağı) + (gün ? (giriş ? GirişGünü : ÇıkışGünü) : QString());
    QVariantList parametreler;
    if (gün) parametreler.append(turkce::tarihSaklama(*gün));
    // The rows are counted on the movement table, without the joins: a firm is joined on its key and left,
    // so it neither adds nor drops a row; the product is joined on its key, so a movement counts once if
    // its product row is still there and not at all otherwise. For one day the count walks the date index.
    // For every day, walking the product index over a million movements would keep the bar at 0 for a
    // while: the engine counts the table at once, and takes off the movements without a product number
    // and those whose number no product has. Those lie below the lowest product number, above the highest
    // or in a gap between two neighbouring numbers, each a range of the product index it counts without
    // reading the movements in it. With no product at all, no movement is listed.
    const QString tablo = giriş ? QStringLiteral("GirisIslemleriTablosu") : QStringLiteral("CikisIslemleriTablosu");
    const QString sayım =
        gün ? QStringLiteral("SELECT count(*) FROM %1 WHERE UrunNo IN (SELECT UrunNo FROM UrunBilgileriTablosu) "
                             "AND Tarihi = ?1")
                  .arg(tablo)
            : QStringLiteral(
                  "SELECT CASE WHEN NOT EXISTS (SELECT 1 FROM UrunBilgileriTablosu) THEN 0 ELSE "
                  "(SELECT count(*) FROM %1) "
                  "- (SELECT count(*) FROM %1 WHERE UrunNo IS NULL) "
                  "- (SELECT count(*) FROM %1 WHERE UrunNo < (SELECT min(UrunNo) FROM UrunBilgileriTablosu)) "
                  "- (SELECT count(*) FROM %1 WHERE UrunNo > (SELECT max(UrunNo) FROM UrunBilgileriTablosu)) "
                  "- (SELECT coalesce(sum((SELECT count(*) FROM %1 WHERE UrunNo > Alt AND UrunNo < Ust)), 0) "
                  "FROM (SELECT lag(UrunNo) OVER (ORDER BY UrunNo) AS Alt, UrunNo AS Ust FROM UrunBilgileriTablosu) "
                  "WHERE Ust > Alt + 1) END")
                  .arg(tablo);
    return oku(db, sayım, (giriş ? GirişAlanları : ÇıkışAlanları) + kaynak, parametreler, GünlükSatırlar{}, alıcı);
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
