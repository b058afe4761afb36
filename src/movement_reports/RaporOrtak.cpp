#include "movement_reports/RaporOrtak.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Database.h"
#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

#include <cmath>

namespace rapor {

ListeDeğeri metinHücresi(const platform::Statement& s, int sütun)
{
    if (s.isNull(sütun)) return {};
    return ListeDeğeri(s.text(sütun));
}

ListeDeğeri tarihHücresi(const platform::Statement& s, int sütun)
{
    const QByteArrayView metin = s.utf8(sütun);  // no string made: a long list has a date in every row
    return metin.isNull() ? ListeDeğeri() : ListeDeğeri::tarih(turkce::saklananTarihUtf8(metin));
}

qint64 kuruş(double değer)
{
    // A figure that already stands on a hundredth, as the rows of a list hold them, is read at once: no
    // decimal reading can take it to another hundredth.
    const double ölçekli = değer * 100.0;
    const double yakın = std::nearbyint(ölçekli);
    if (std::fabs(ölçekli - yakın) < 1e-6 && std::fabs(değer) <= yüzdelik::HesapSınırı) return qint64(yakın);
    return yüzdelik::yüzdeliğeÇevir(değer).value_or(0);
}

double satırTutarı(double miktar, double fiyat) { return kuruşDeğeri(miktar * paraDeğeri(fiyat)); }

QString nedenMetni(qint64 kod)
{
    return kod >= 0 && kod < ÇıkışNedenleri.size() ? ÇıkışNedenleri.at(int(kod)) : QString();
}

int oku(platform::Database& db, const QString& sayımSql, const QString& sql, const QVariantList& parametreler,
        const std::function<Satır(const platform::Statement&)>& satırYap, const SatırAlıcı& alıcı)
{
    return oku(db, sayımSql, sql, parametreler,
               [&satırYap](const platform::Statement& s, Satır& satır) { satır = satırYap(s); }, alıcı);
}

int oku(platform::Database& db, const QString& sayımSql, const QString& sql, const QVariantList& parametreler,
        const std::function<void(const platform::Statement&, Satır&)>& satırıDoldur, const SatırAlıcı& alıcı)
{
    auto bağla = [&parametreler](platform::Statement& s) {
        for (int i = 0; i < parametreler.size(); ++i) s.bind(i + 1, parametreler.at(i));
    };
    platform::Statement sayım = db.prepare(sayımSql);
    bağla(sayım);
    const int toplam = sayım.next() ? int(sayım.integer(0)) : 0;
    if (alıcı.başla) alıcı.başla(toplam);

    platform::Statement s = db.prepare(sql);
    bağla(s);
    int sayı = 0;
    Satır satır;
    while (s.next()) {
        satırıDoldur(s, satır);
        alıcı.satır(std::move(satır));
        ++sayı;
    }
    if (alıcı.bitti) alıcı.bitti();
    return sayı;
}

QString listelemeBaşlığı(const QString& düz, const QString& tümüEki, Listeleme tür, const QDate& gün,
                         bool satırVar)
{
    if (!satırVar) return düz;
    switch (tür) {
    case Listeleme::Açılış:
        return düz;
    case Listeleme::Tarihe:
        return düz + QStringLiteral(" (") + turkce::tarihBiçimi(gün) + QStringLiteral(" Tarihi İtabariyle...)");
    case Listeleme::Tümü:
        return düz + tümüEki;
    }
    return düz;
}

}  // namespace rapor
