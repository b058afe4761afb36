#include "platform/Database.h"

#include "platform/TurkceMetin.h"

#include <QDir>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <iterator>
#include <sqlite3.h>

namespace platform {

DbError::DbError(int number, const QString& text)
    : std::runtime_error(text.toStdString()), number_(number), text_(text)
{
}

int hataNumarası(int sqliteCode)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_IOERR: return hata::AğBağlantısıYok;  // the file went away under us: a lost share
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH: return hata::DosyaAçılamıyor;
    // A file that is not a database, a read-only file and a lock held too long by another workstation are
    // ordinary errors: the user sees the text and chooses whether to go on.
    default: return hata::Genel;
    }
}

QString hataAçıklaması(int sqliteCode, const QString& sqliteMetni)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Veritabanı, başka bir bilgisayar onu kullandığı için şu anda kilitli. "
                              "Lütfen, biraz sonra tekrar deneyiniz.");
    case SQLITE_READONLY:
        return QStringLiteral("Veritabanı dosyası salt okunur, değişiklikler kaydedilemedi. "
                              "Lütfen, dosyanın ve klasörünün yazma izinlerini kontrol ediniz.");
    case SQLITE_FULL:
        return QStringLiteral("Disk dolu olduğu için veritabanına yazılamadı. "
                              "Lütfen, diskte yer açıp tekrar deneyiniz.");
    case SQLITE_IOERR:
        return QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken bir giriş/çıkış hatası oluştu.");
    case SQLITE_NOTADB: return QStringLiteral("Açılan dosya bir veritabanı dosyası değil.");
    case SQLITE_CORRUPT: return QStringLiteral("Veritabanı dosyası bozuk.");
    case SQLITE_ERROR: {
        // A file that another program's database has taken the place of, or whose tables another program
        // changed, lacks what a statement names: said in the words of the start-up check.
        static const QRegularExpression tablo(QStringLiteral("^no such table: (?:main\\.)?(.+)$"));
        static const QRegularExpression alan(QStringLiteral("^no such column: (.+)$"));
        static const QRegularExpression tablodaAlan(
            QStringLiteral("^table (?:main\\.)?(\\S+) has no column named (.+)$"));
        if (const auto e = tablo.match(sqliteMetni); e.hasMatch())
            return QStringLiteral("Tablo bulunamadı: %1").arg(e.captured(1));
        if (const auto e = alan.match(sqliteMetni); e.hasMatch())
            return QStringLiteral("Alan bulunamadı: %1").arg(e.captured(1));
        if (const auto e = tablodaAlan.match(sqliteMetni); e.hasMatch())
            return QStringLiteral("Alan bulunamadı: %1.%2").arg(e.captured(1), e.captured(2));
        break;
    }
    default: break;
    }
    return sqliteMetni.isEmpty() ? QString::fromUtf8(sqlite3_errstr(sqliteCode)) : sqliteMetni;
}

namespace {

// TR_KATLA(x): the text in the form in which Turkish texts compare without regard to letter case.
void katlaFonksiyonu(sqlite3_context* ctx, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // By the text's length: a code may hold a NUL character, and the text goes on after it.
    const auto* metin = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const int uzunluk = sqlite3_value_bytes(args[0]);
    const QByteArray katlı = turkce::katla(QString::fromUtf8(metin, uzunluk)).toUtf8();
    sqlite3_result_text(ctx, katlı.constData(), int(katlı.size()), SQLITE_TRANSIENT);
}

// Collation TURKCE: the Turkish alphabet's order, without regard to letter case.
int türkçeSıralama(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char*>(s2), n2);
    return turkce::karşılaştır(a, b);
}

QString sqliteMetni(sqlite3* db, int rc)
{
    const char* msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return hataAçıklaması(rc, QString::fromUtf8(msg ? msg : sqlite3_errstr(rc)));
}

void imleçleGöster(bool bekliyor)
{
    // Only the program's own thread has windows (a test may open a connection in another thread).
    const QCoreApplication* uygulama = QCoreApplication::instance();
    if (!qobject_cast<const QGuiApplication*>(uygulama) || QThread::currentThread() != uygulama->thread()) return;
    if (bekliyor) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else QGuiApplication::restoreOverrideCursor();
}

std::function<void(bool)>& gösterge()
{
    static std::function<void(bool)> g;
    return g;
}

void göster(bool bekliyor)
{
    if (gösterge()) gösterge()(bekliyor);
    else imleçleGöster(bekliyor);
}

}  // namespace

void beklemeGöstergesiniDeğiştir(std::function<void(bool)> g) { gösterge() = std::move(g); }

// Around every step of the engine: ends the waiting indicator that a wait for a lock began.
class BeklemeGözcüsü {
public:
    explicit BeklemeGözcüsü(Database& db) : db_(db) {}
    ~BeklemeGözcüsü()
    {
        if (!db_.beklemeGösteriliyor_) return;
        db_.beklemeGösteriliyor_ = false;
        göster(false);
    }
    BeklemeGözcüsü(const BeklemeGözcüsü&) = delete;
    BeklemeGözcüsü& operator=(const BeklemeGözcüsü&) = delete;

private:
    Database& db_;
};

int Database::kilidiBekle(void* veri, int kaçıncı)
{
    // The engine's own steps of waiting, up to the connection's limit; the indicator from the first one.
    static constexpr int Gecikmeler[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    static constexpr int Geçenler[] = {0, 1, 3, 8, 18, 33, 53, 78, 103, 128, 178, 228};
    constexpr int n = int(std::size(Gecikmeler));
    auto* db = static_cast<Database*>(veri);
    int gecikme = Gecikmeler[std::min(kaçıncı, n - 1)];
    const int geçen = kaçıncı < n ? Geçenler[kaçıncı] : Geçenler[n - 1] + gecikme * (kaçıncı - (n - 1));
    if (geçen + gecikme > db->busyTimeout_) {
        gecikme = db->busyTimeout_ - geçen;
        if (gecikme <= 0) return 0;
    }
    if (!db->beklemeGösteriliyor_) {
        db->beklemeGösteriliyor_ = true;
        göster(true);
    }
    sqlite3_sleep(gecikme);
    return 1;
}

// ---------------------------------------------------------------------------------------------------

Database::Database(sqlite3* db, const QString& path) : db_(db), path_(path) {}

Database::~Database() { sqlite3_close_v2(db_); }

std::shared_ptr<Database> Database::open(const QString& path, const QString& connectString)
{
    // The connect string of the shared file is accepted for one place of truth, but SQLite files carry no
    // password: the file is protected by the permissions of its folder.
    Q_UNUSED(connectString);
    const QFileInfo bilgi(path);
    if (path.isEmpty() || bilgi.fileName().isEmpty())
        throw DbError(hata::DosyaAdıGeçersiz, QStringLiteral("Geçersiz dosya adı: %1").arg(path));
    if (!bilgi.absoluteDir().exists())
        throw DbError(hata::YolGeçersiz, QStringLiteral("Yol bulunamadı: %1").arg(bilgi.absolutePath()));
    if (!bilgi.exists())
        throw DbError(hata::DosyaBulunamadı, QStringLiteral("Dosya bulunamadı: %1").arg(path));
    if (!bilgi.isFile() || !bilgi.isReadable())
        throw DbError(hata::DosyaAçılamıyor, QStringLiteral("Dosya açılamıyor: %1").arg(path));
    // Every write needs the file and, for its journal, the folder: without them the file is refused here
    // rather than failing at the user's first save.
    if (!bilgi.isWritable() || !QFileInfo(bilgi.absolutePath()).isWritable())
        throw DbError(hata::DosyaAçılamıyor, QStringLiteral("Dosyaya yazılamıyor: %1").arg(path));

    sqlite3* db = nullptr;
    const QByteArray ad = path.toUtf8();
    int rc = sqlite3_open_v2(ad.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString metin = sqliteMetni(db, rc);
        sqlite3_close_v2(db);
        throw DbError(hataNumarası(rc), metin);
    }
    std::shared_ptr<Database> sonuç(new Database(db, path));
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_handler(db, &Database::kilidiBekle, sonuç.get());
    sqlite3_create_function_v2(db, "TR_KATLA", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, katlaFonksiyonu,
                               nullptr, nullptr, nullptr);
    sqlite3_create_collation_v2(db, "TURKCE", SQLITE_UTF8, nullptr, türkçeSıralama, nullptr);
    // Reading the schema here tells at once whether the file is a database at all.
    sonuç->execScript(QStringLiteral("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF;"));
    sonuç->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return sonuç;
}

void Database::fail(int rc) const
{
    const int kod = sqlite3_extended_errcode(db_) ? sqlite3_extended_errcode(db_) : rc;
    throw DbError(hataNumarası(kod), sqliteMetni(db_, kod));
}

Statement Database::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray metin = sql.toUtf8();
    const BeklemeGözcüsü gözcü(*this);
    const int rc = sqlite3_prepare_v2(db_, metin.constData(), int(metin.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) fail(rc);
    return Statement(this, stmt);
}

void Database::exec(const QString& sql, std::initializer_list<QVariant> params)
{
    Statement s = prepare(sql);
    s.bindAll(params);
    s.exec();
}

void Database::execScript(const QString& sql)
{
    char* hataMetni = nullptr;
    const QByteArray metin = sql.toUtf8();
    const BeklemeGözcüsü gözcü(*this);
    const int rc = sqlite3_exec(db_, metin.constData(), nullptr, nullptr, &hataMetni);
    if (rc != SQLITE_OK) {
        const int kod = sqlite3_extended_errcode(db_) ? sqlite3_extended_errcode(db_) : rc;
        const QString m = hataAçıklaması(kod, QString::fromUtf8(hataMetni ? hataMetni : sqlite3_errstr(rc)));
        sqlite3_free(hataMetni);
        throw DbError(hataNumarası(kod), m);
    }
}

QVariant Database::scalar(const QString& sql, std::initializer_list<QVariant> params)
{
    Statement s = prepare(sql);
    s.bindAll(params);
    return s.next() ? s.value(0) : QVariant();
}

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }
int Database::changes() const { return sqlite3_changes(db_); }
bool Database::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

// ---------------------------------------------------------------------------------------------------

Statement::Statement(Database* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}

Statement::Statement(Statement&& o) noexcept : db_(o.db_), stmt_(o.stmt_) { o.stmt_ = nullptr; }

Statement& Statement::operator=(Statement&& o) noexcept
{
    if (this != &o) {
        sqlite3_finalize(stmt_);
        db_ = o.db_;
        stmt_ = o.stmt_;
        o.stmt_ = nullptr;
    }
    return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool: rc = sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0); break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: rc = sqlite3_bind_int64(stmt_, index, value.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: rc = sqlite3_bind_double(stmt_, index, value.toDouble()); break;
        case QMetaType::QDate: {
            const QByteArray t = value.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime: {
            const QByteArray t =
                value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(stmt_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK) db_->fail(rc);
    return *this;
}

Statement& Statement::bindAll(std::initializer_list<QVariant> values)
{
    int i = 1;
    for (const QVariant& v : values) bind(i++, v);
    return *this;
}

bool Statement::next()
{
    const BeklemeGözcüsü gözcü(*db_);
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const int ext = sqlite3_extended_errcode(db_->handle());
    sqlite3_reset(stmt_);
    db_->fail(ext ? ext : rc);
}

void Statement::exec()
{
    while (next()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_NULL: return QVariant();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, column)),
                          sqlite3_column_bytes(stmt_, column));
    default: return text(column);
    }
}

QString Statement::text(int column) const
{
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return t ? QString::fromUtf8(t, sqlite3_column_bytes(stmt_, column)) : QString();
}

QByteArrayView Statement::utf8(int column) const
{
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return t ? QByteArrayView(t, sqlite3_column_bytes(stmt_, column)) : QByteArrayView();
}

double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }
qint64 Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

// ---------------------------------------------------------------------------------------------------

Transaction::Transaction(Database& db, Kilit kilit) : db_(db)
{
    switch (kilit) {
    case Kilit::Anında: db_.execScript(QStringLiteral("BEGIN IMMEDIATE")); break;
    case Kilit::Özel: db_.execScript(QStringLiteral("BEGIN EXCLUSIVE")); break;
    case Kilit::Okuma: db_.execScript(QStringLiteral("BEGIN")); break;
    }
}

Transaction::~Transaction()
{
    if (!done_ && db_.inTransaction()) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    db_.execScript(QStringLiteral("COMMIT"));
    done_ = true;
}

}  // namespace platform
