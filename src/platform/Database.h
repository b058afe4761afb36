#pragma once
// The one way the program talks to the shared database file: a thin layer over SQLite.
// Every statement is prepared and takes its values as bound parameters; errors raise DbError with a
// Jet-like number so that the callers' error handling can tell a lost network from a missing file.
#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// Error numbers the windows test for.
namespace hata {
inline constexpr int DosyaBulunamadı = 3024;   // the file is missing
inline constexpr int AğBağlantısıYok = 3043;   // network lost
inline constexpr int YolGeçersiz = 3044;       // path invalid
inline constexpr int DosyaAçılamıyor = 3051;   // cannot be opened, or cannot be written (read-only file or folder)
inline constexpr int DosyaAdıGeçersiz = 3055;  // bad file name
inline constexpr int Genel = 3000;             // anything else; the text says what happened, in Turkish
}  // namespace hata

class DbError : public std::runtime_error {
public:
    DbError(int number, const QString& text);
    int number() const { return number_; }
    QString text() const { return text_; }

private:
    int number_;
    QString text_;
};

class Database;

// A prepared statement. Parameters are numbered from 1, columns from 0.
class Statement {
public:
    Statement(Statement&&) noexcept;
    Statement& operator=(Statement&&) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& bind(int index, const QVariant& value);
    Statement& bindAll(std::initializer_list<QVariant> values);
    // Steps once; true while a row is there to read.
    bool next();
    // Runs the statement to its end (for writes).
    void exec();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    QVariant value(int column) const;   // NULL gives an invalid QVariant
    QString text(int column) const;     // NULL gives ""
    // The text as the engine holds it (UTF-8), valid until the next step: for reading a long list's
    // cells without a string of its own per cell. NULL gives an empty view.
    QByteArrayView utf8(int column) const;
    double real(int column) const;      // NULL gives 0
    qint64 integer(int column) const;   // NULL gives 0

private:
    friend class Database;
    Statement(Database* db, sqlite3_stmt* stmt);
    Database* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

class Database {
public:
    // Opens an existing file read-write (never creates one). Throws DbError.
    static std::shared_ptr<Database> open(const QString& path, const QString& connectString = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Statement prepare(const QString& sql);
    // Runs one statement with its bound values.
    void exec(const QString& sql, std::initializer_list<QVariant> params = {});
    // Runs several statements without parameters (layout changes).
    void execScript(const QString& sql);
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, std::initializer_list<QVariant> params = {});

    qint64 lastInsertId() const;
    int changes() const;
    bool inTransaction() const;
    QString path() const { return path_; }
    sqlite3* handle() const { return db_; }

    // Throws DbError for an SQLite result code, with a description the user can read (never the
    // statement's text).
    [[noreturn]] void fail(int rc) const;

    // How long a statement waits for a lock that another workstation holds before it fails (10 s).
    void setBusyTimeout(int milliseconds) { busyTimeout_ = milliseconds; }

private:
    friend class Statement;
    friend class BeklemeGözcüsü;
    Database(sqlite3* db, const QString& path);
    static int kilidiBekle(void* veri, int kaçıncı);
    sqlite3* db_;
    QString path_;
    int busyTimeout_ = 10000;
    bool beklemeGösteriliyor_ = false;
};

// What the program shows while a statement waits for a lock held by another workstation: called with
// true when the wait begins and with false when the statement is over. By default the busy cursor;
// tests may put a recorder in its place (an empty function restores the default).
void beklemeGöstergesiniDeğiştir(std::function<void(bool bekliyor)> gösterge);

// BEGIN IMMEDIATE on construction (BEGIN EXCLUSIVE, or a plain BEGIN, when asked); rolls back on
// destruction unless commit() was called.
class Transaction {
public:
    // Immediate: the write lock from the start; other workstations go on reading until the commit, which
    // waits for their reads to end. Exclusive: no other workstation reads either until the commit, which
    // then waits on nobody; for a transaction that does something that cannot be taken back before it
    // commits. Reading: no lock until the first read, then the read lock to the end, so that what is read
    // stays as it was read while other workstations go on reading; for reads that must hold while
    // something is done with them.
    enum class Kilit { Anında, Özel, Okuma };
    explicit Transaction(Database& db, Kilit kilit = Kilit::Anında);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    bool done_ = false;
};

// Maps an SQLite result code (extended or primary) to the program's error number.
int hataNumarası(int sqliteCode);
// The Turkish description of an SQLite result code: the lock held elsewhere, a read-only file, a full
// disk, an input/output error, a file that is not a database, a damaged file, a table or a column that
// the file lacks (told from SQLite's text); SQLite's own text (given) for anything else.
QString hataAçıklaması(int sqliteCode, const QString& sqliteMetni = {});

}  // namespace platform
