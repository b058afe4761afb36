#pragma once
// The query plans of the statements a routine runs, for the tests that keep a list on the index meant
// for it.
#include "platform/Database.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <sqlite3.h>

namespace test {

// Runs `iş` and gives, for each statement it ran on `db` that names `tablo`, in the order they ran, the
// lines of its query plan that name the table ("SEARCH CikisIslemleriTablosu USING INDEX ...").
inline QList<QStringList> sorguPlanları(platform::Database& db, const QString& tablo, const std::function<void()>& iş)
{
    QStringList sorgular;
    struct İzleme {
        sqlite3* bağlantı;
        ~İzleme() { sqlite3_trace_v2(bağlantı, 0, nullptr, nullptr); }
    } izleme{db.handle()};
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* liste, void* sorgu, void*) {
            static_cast<QStringList*>(liste)->append(QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(sorgu))));
            return 0;
        },
        &sorgular);
    iş();
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);

    QList<QStringList> planlar;
    for (const QString& sorgu : sorgular) {
        if (!sorgu.contains(tablo)) continue;
        QStringList plan;
        platform::Statement s = db.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sorgu);
        while (s.next())
            if (s.text(3).contains(tablo)) plan << s.text(3);
        planlar << plan;
    }
    return planlar;
}

}  // namespace test
