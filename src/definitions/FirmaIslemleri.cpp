#include "definitions/FirmaIslemleri.h"

#include "core/OrtakDegiskenler.h"
#include "definitions/FirmaBicimleri.h"

using platform::Database;
using platform::Transaction;

namespace firma {

namespace {
// The statements of each table, written out once; the kind picks one of the two.
struct Cümleler {
    QString liste;
    QString oku;
    QString adVar;
    QString ekle;
    QString değiştir;
    QString hareket;
    QString sil;
};

// `hariç` is the condition that keeps a reserved row out of every statement, or empty.
Cümleler cümleleriYaz(const QString& tablo, const QString& hareketTablosu, const QString& hariç)
{
    const QString ve = hariç.isEmpty() ? QString() : QStringLiteral(" AND ") + hariç;
    const QString nerede = hariç.isEmpty() ? QString() : QStringLiteral(" WHERE ") + hariç;
    Cümleler c;
    c.liste = QStringLiteral("SELECT Nosu, Adi FROM %1%2").arg(tablo, nerede);
    c.oku = QStringLiteral("SELECT Nosu, Adi, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi FROM %1 "
                           "WHERE Nosu = ?%2")
                .arg(tablo, ve);
    c.adVar = QStringLiteral("SELECT Nosu FROM %1 WHERE TR_KATLA(Adi) = TR_KATLA(?) AND Nosu <> ? LIMIT 1")
                  .arg(tablo);
    c.ekle = QStringLiteral("INSERT INTO %1 (Adi, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi) "
                            "VALUES (?, ?, ?, ?, ?, ?)")
                 .arg(tablo);
    c.değiştir = QStringLiteral("UPDATE %1 SET Adi = ?, Telefonu = ?, Faksi = ?, VergiDairesi = ?, "
                                "VergiNumarasi = ?, Adresi = ? WHERE Nosu = ?%2")
                     .arg(tablo, ve);
    c.hareket = QStringLiteral("SELECT 1 FROM %1 WHERE FirmaNo = ? LIMIT 1").arg(hareketTablosu);
    c.sil = QStringLiteral("DELETE FROM %1 WHERE Nosu = ?%2").arg(tablo, ve);
    return c;
}

const Cümleler& cümleler(FirmaTürü tür)
{
    // The reserved buyer of receipt sales is outside every statement of the buyer table.
    static const Cümleler satıcı = cümleleriYaz(QStringLiteral("SaticiFirmalarTablosu"),
                                                 QStringLiteral("GirisIslemleriTablosu"), QString());
    static const Cümleler alıcı =
        cümleleriYaz(QStringLiteral("AliciFirmalarTablosu"), QStringLiteral("CikisIslemleriTablosu"),
                     QStringLiteral("Nosu <> %1").arg(FişliSatışFirması));
    return tür == FirmaTürü::Alıcı ? alıcı : satıcı;
}

// An empty text is stored as an empty text, never as NULL.
QVariant metin(const QString& s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }

QString kesmeİşaretiniDeğiştir(const QString& s)
{
    QString sonuç = s;
    sonuç.replace(QLatin1Char('\''), QChar(0x2019));
    return sonuç.trimmed();
}
}  // namespace

std::optional<FirmaTürü> türüBul(const QString& tabloAdı)
{
    const QString ad = tabloAdı.trimmed();
    if (ad == SatıcıFirmaTablosuAdı.trimmed()) return FirmaTürü::Satıcı;
    if (ad == AlıcıFirmaTablosuAdı.trimmed()) return FirmaTürü::Alıcı;
    return std::nullopt;
}

QString etiketi(FirmaTürü tür) { return tür == FirmaTürü::Alıcı ? QStringLiteral("1") : QStringLiteral("0"); }

QList<FirmaListeÖğesi> firmalar(Database& db, FirmaTürü tür)
{
    QList<FirmaListeÖğesi> sonuç;
    auto s = db.prepare(cümleler(tür).liste);
    while (s.next()) sonuç.append({s.integer(0), s.text(1)});
    return sonuç;
}

std::optional<FirmaBilgisi> firmaOku(Database& db, FirmaTürü tür, qint64 nosu)
{
    auto s = db.prepare(cümleler(tür).oku);
    s.bind(1, nosu);
    if (!s.next()) return std::nullopt;
    FirmaBilgisi f;
    f.nosu = s.integer(0);
    f.adı = s.text(1);
    f.telefonu = s.text(2);
    f.faksı = s.text(3);
    f.vergiDairesi = s.text(4);
    f.vergiNumarası = s.text(5);
    f.adresi = s.text(6);
    return f;
}

FirmaBilgisi saklanacakBiçim(const FirmaBilgisi& b)
{
    FirmaBilgisi f = b;
    f.adı = kesmeİşaretiniDeğiştir(b.adı);
    f.telefonu = telefonBiçimi(b.telefonu);
    f.faksı = telefonBiçimi(b.faksı);
    f.vergiDairesi = kesmeİşaretiniDeğiştir(b.vergiDairesi);
    f.vergiNumarası = vergiNumarasıBiçimi(b.vergiNumarası);
    f.adresi = kesmeİşaretiniDeğiştir(b.adresi);
    return f;
}

KayıtSonucu firmaKaydet(Database& db, FirmaTürü tür, const FirmaBilgisi& bilgi, std::optional<qint64> değiştirilenNo)
{
    using Durum = KayıtSonucu::Durum;
    KayıtSonucu sonuç;
    sonuç.kaydedilen = saklanacakBiçim(bilgi);
    const FirmaBilgisi& f = sonuç.kaydedilen;
    const Cümleler& c = cümleler(tür);

    Transaction işlem(db);
    if (db.scalar(c.adVar, {f.adı, değiştirilenNo.value_or(0)}).isValid()) {
        sonuç.durum = Durum::AdTekrarı;
        return sonuç;
    }
    if (f.adı.isEmpty()) {
        sonuç.durum = Durum::AdBoş;
        return sonuç;
    }
    if (f.adresi.isEmpty()) {
        sonuç.durum = Durum::AdresBoş;
        return sonuç;
    }
    if (değiştirilenNo) {
        if (tür == FirmaTürü::Alıcı) sonuç.çıkışVar = hareketiVar(db, tür, *değiştirilenNo);
        db.exec(c.değiştir, {metin(f.adı), metin(f.telefonu), metin(f.faksı), metin(f.vergiDairesi),
                             metin(f.vergiNumarası), metin(f.adresi), *değiştirilenNo});
        if (db.changes() == 0) {
            sonuç.durum = Durum::FirmaYok;
            sonuç.çıkışVar = false;
            return sonuç;
        }
        sonuç.nosu = *değiştirilenNo;
    } else {
        db.exec(c.ekle, {metin(f.adı), metin(f.telefonu), metin(f.faksı), metin(f.vergiDairesi),
                         metin(f.vergiNumarası), metin(f.adresi)});
        sonuç.nosu = db.lastInsertId();
    }
    işlem.commit();
    sonuç.kaydedilen.nosu = sonuç.nosu;
    sonuç.durum = Durum::Kaydedildi;
    return sonuç;
}

bool hareketiVar(Database& db, FirmaTürü tür, qint64 nosu)
{
    return db.scalar(cümleler(tür).hareket, {nosu}).isValid();
}

SilmeSonucu firmaSil(Database& db, FirmaTürü tür, qint64 nosu)
{
    Transaction işlem(db);
    if (hareketiVar(db, tür, nosu)) return SilmeSonucu::HareketVar;
    db.exec(cümleler(tür).sil, {nosu});
    if (db.changes() == 0) return SilmeSonucu::FirmaYok;
    işlem.commit();
    return SilmeSonucu::Silindi;
}

}  // namespace firma
