#include "core/IadeTablosu.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Database.h"

bool TabloVar(platform::Database& db)
{
    try {
        return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                        "AND name = ?1 COLLATE NOCASE"),
                         {İadeTablosuAdı})
                   .toLongLong()
               > 0;
    } catch (const std::exception&) {
        return false;
    }
}

bool TabloVar() { return AçıkVeritabanı ? TabloVar(*AçıkVeritabanı) : false; }

void İadeTablosunuOluştur(platform::Database& db)
{
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS StogaIadeBilgileriTablosu ("
                           "IadeNo INTEGER CONSTRAINT BirincilAnahtar PRIMARY KEY AUTOINCREMENT, "
                           "CikisHareketiNo INTEGER, IadeTarihi TEXT, IadeMiktari REAL)"));
}
