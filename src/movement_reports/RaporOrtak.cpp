#include "movement_reports/RaporOrtak.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Database.h"
#include "platform/TurkceMetin.h"
#include "platform/Yuzdelik.h"

namespace rapor {

ListeDeğeri metinHücresi(const platform::Statement& s, int sütun)
{
    if (s.isNull(sütun)) return {};
    return ListeDeğeri(s.text(sütun));
}

ListeDeğeri tarihHücresi(const platform::Statement& s, int sütun)
{
    if (s.isNull(sütun)) return {};
    const QString metin = s.text(sütun);
    // The stored form "2026-12-07" read at once (a long list has a date in every row); anything else
    // through the common reading.
    if (metin.size() >= 10 && metin[4] == QLatin1Char('-') && metin[7] == QLatin1Char('-')) {
        int parça[3] = {0, 0, 0};
        bool tamam = true;
        for (int i = 0, p = 0; i < 10 && tamam; ++i) {
            if (i == 4 || i == 7) {
                ++p;
                continue;
            }
            const int rakam = metin[i].unicode() - '0';
            tamam = rakam >= 0 && rakam <= 9;
            parça[p] = parça[p] * 10 + rakam;
        }
        if (tamam) return ListeDeğeri::tarih(QDate(parça[0], parça[1], parça[2]));
    }
    return ListeDeğeri::tarih(turkce::saklananTarih(metin));
}

ListeDeğeri tutarHücresi(double değer) { return ListeDeğeri::sayı(değer); }

qint64 kuruş(double değer) { return yüzdelik::yüzdeliğeÇevir(değer).value_or(0); }

double satırTutarı(double miktar, double fiyat) { return kuruşDeğeri(miktar * paraDeğeri(fiyat)); }

QString nedenMetni(qint64 kod)
{
    return kod >= 0 && kod < ÇıkışNedenleri.size() ? ÇıkışNedenleri.at(int(kod)) : QString();
}

int oku(platform::Database& db, const QString& sayımSql, const QString& sql, const QVariantList& parametreler,
        const std::function<Satır(const platform::Statement&)>& satırYap, const SatırAlıcı& alıcı)
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
    while (s.next()) {
        alıcı.satır(satırYap(s));
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
