#pragma once
// The baseline of a list fill: the least the raw libraries need for the same rows on screen. The list's SQL
// is stepped with the SQLite C API into typed rows, which a minimal table model hands to a plain table
// view, formatting only the cells it shows. Also the measure that runs a path and its baseline in turn.
#include "platform/Database.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

namespace bench {

// A prepared statement of the C API, finalized when it goes.
class HamSorgu {
public:
    HamSorgu(platform::Database& db, const QString& sql)
    {
        if (sqlite3_prepare_v2(db.handle(), sql.toUtf8().constData(), -1, &s_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db.handle()));
    }
    ~HamSorgu() { sqlite3_finalize(s_); }
    HamSorgu(const HamSorgu&) = delete;
    HamSorgu& operator=(const HamSorgu&) = delete;
    sqlite3_stmt* operator*() const { return s_; }
    bool adım() { return sqlite3_step(s_) == SQLITE_ROW; }
    QString metin(int i) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s_, i)), sqlite3_column_bytes(s_, i));
    }
    // A stored day "YYYY-MM-DD" as its Julian day number (0 when there is none).
    qint64 gün(int i) const
    {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
        if (!t || sqlite3_column_bytes(s_, i) < 10) return 0;
        auto sayı = [t](int baş, int adet) {
            int n = 0;
            for (int k = baş; k < baş + adet; ++k) n = n * 10 + (t[k] - '0');
            return n;
        };
        return QDate(sayı(0, 4), sayı(5, 2), sayı(8, 2)).toJulianDay();
    }

private:
    sqlite3_stmt* s_ = nullptr;
};

// A table model over a vector of typed rows; `hücre` formats one shown cell.
template <class Satır>
class HamTablo : public QAbstractTableModel {
public:
    using Hücre = std::function<QVariant(const Satır&, int sütun)>;
    HamTablo(QStringList başlıklar, Hücre hücre) : başlıklar_(std::move(başlıklar)), hücre_(std::move(hücre)) {}

    void doldur(std::vector<Satır>&& satırlar)
    {
        beginResetModel();
        satırlar_ = std::move(satırlar);
        endResetModel();
    }
    const std::vector<Satır>& satırlar() const { return satırlar_; }

    int rowCount(const QModelIndex& üst = {}) const override { return üst.isValid() ? 0 : int(satırlar_.size()); }
    int columnCount(const QModelIndex& üst = {}) const override { return üst.isValid() ? 0 : int(başlıklar_.size()); }
    QVariant data(const QModelIndex& i, int rol) const override
    {
        if (rol != Qt::DisplayRole || !i.isValid()) return {};
        return hücre_(satırlar_[size_t(i.row())], i.column());
    }
    QVariant headerData(int bölüm, Qt::Orientation yön, int rol) const override
    {
        if (rol != Qt::DisplayRole || yön != Qt::Horizontal) return {};
        return başlıklar_.value(bölüm);
    }

private:
    QStringList başlıklar_;
    Hücre hücre_;
    std::vector<Satır> satırlar_;
};

// A plain table view over the model, shown at the list window's size.
template <class Satır>
struct HamListe {
    HamTablo<Satır> model;
    QTableView görünüm;
    HamListe(QStringList başlıklar, typename HamTablo<Satır>::Hücre hücre) : model(std::move(başlıklar), std::move(hücre))
    {
        görünüm.setModel(&model);
        görünüm.resize(820, 520);
        görünüm.show();
    }
    // The rows in, and the view's first paint.
    void göster(std::vector<Satır>&& satırlar)
    {
        model.doldur(std::move(satırlar));
        QCoreApplication::processEvents();
        görünüm.repaint();
    }
};

// The path and its baseline in turn, once each per iteration, the best of each: counters yol_ms, taban_ms and
// their ratio (oran). Before each of them, outside the measure: `hazırla`, then what the runs before left
// behind is cleared away (deferred deletes, queued events, and the memory they freed, given back to the
// system), so that each starts from the same state whichever ran before it. A first round of each, before
// the counted ones, is not counted: the first listing also meets the file, the fonts and the allocator
// for the first time.
inline void oranıÖlç(benchmark::State& durum, const std::function<void()>& yol, const std::function<void()>& taban,
                     const std::function<void()>& hazırla = {})
{
    const auto temizle = [&hazırla] {
        if (hazırla) hazırla();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        malloc_trim(0);
    };
    temizle();
    taban();
    temizle();
    yol();
    double yolEnİyi = 1e300, tabanEnİyi = 1e300;
    for (auto _ : durum) {
        QElapsedTimer saat;
        temizle();
        saat.start();
        taban();
        tabanEnİyi = std::min(tabanEnİyi, double(saat.nsecsElapsed()));
        temizle();
        saat.restart();
        yol();
        yolEnİyi = std::min(yolEnİyi, double(saat.nsecsElapsed()));
    }
    durum.counters["yol_ms"] = yolEnİyi / 1e6;
    durum.counters["taban_ms"] = tabanEnİyi / 1e6;
    durum.counters["oran"] = yolEnİyi / tabanEnİyi;
}

}  // namespace bench
