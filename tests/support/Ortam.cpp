#include "support/Ortam.h"

#include "core/OrtakDegiskenler.h"
#include "platform/Ayarlar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>
#include <sqlite3.h>

namespace test {

namespace {
void betikÇalıştır(const QString& dosya, const QByteArray& betik)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dosya.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK)
        throw std::runtime_error("cannot create test database");
    char* hata = nullptr;
    const int rc = sqlite3_exec(db, betik.constData(), nullptr, nullptr, &hata);
    const std::string metin = hata ? hata : "";
    sqlite3_free(hata);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("test database script failed: " + metin);
}
}  // namespace

void yeniVeritabanı(const QString& dosya)
{
    QFile f(QStringLiteral(KAVRENTA_SCHEMA));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("schema/Stok.sql not found");
    betikÇalıştır(dosya, f.readAll());
}

void eskiVeritabanı(const QString& dosya)
{
    betikÇalıştır(dosya, R"(
CREATE TABLE UrunBilgileriTablosu (UrunNo INTEGER PRIMARY KEY AUTOINCREMENT, Kodu TEXT, Adi TEXT,
  MiktarBirimi TEXT, Fiyati REAL, KDVOrani REAL, Aciklama TEXT);
CREATE TABLE SaticiFirmalarTablosu (Nosu INTEGER PRIMARY KEY AUTOINCREMENT, Adi TEXT, Telefonu TEXT, Faksi TEXT,
  VergiDairesi TEXT, VergiNumarasi TEXT, Adresi TEXT);
CREATE TABLE AliciFirmalarTablosu (Nosu INTEGER PRIMARY KEY AUTOINCREMENT, Adi TEXT, Telefonu TEXT, Faksi TEXT,
  VergiDairesi TEXT, VergiNumarasi TEXT, Adresi TEXT);
CREATE TABLE GirisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY AUTOINCREMENT, UrunNo INTEGER, FirmaNo INTEGER,
  Tarihi TEXT, Miktari REAL, Fiyati REAL);
CREATE TABLE CikisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY AUTOINCREMENT, UrunNo INTEGER, FirmaNo INTEGER,
  Tarihi TEXT, Miktari REAL, Fiyati REAL, Nedeni INTEGER, Fatura INTEGER NOT NULL DEFAULT 0);
CREATE VIEW GirisToplamiSorgusu AS SELECT GirisIslemleriTablosu.UrunNo,
  Sum(GirisIslemleriTablosu.Miktari) AS GirisToplami, Sum(GirisIslemleriTablosu.Fiyati) AS GirisTutari
  FROM GirisIslemleriTablosu GROUP BY GirisIslemleriTablosu.UrunNo;
CREATE VIEW CikisToplamiSorgusu AS SELECT CikisIslemleriTablosu.UrunNo,
  Sum(CikisIslemleriTablosu.Miktari) AS CikisToplami
  FROM CikisIslemleriTablosu GROUP BY CikisIslemleriTablosu.UrunNo;
INSERT INTO AliciFirmalarTablosu (Nosu, Adi, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi)
  VALUES (1, 'Fişli Satış', '', '', '', '', '');
)");
}

SunucuKlasörü::SunucuKlasörü(Düzen düzen, bool aç)
{
    if (düzen == Düzen::Güncel) yeniVeritabanı(veritabanıYolu());
    else if (düzen == Düzen::Eski) eskiVeritabanı(veritabanıYolu());
    SunucuYolu = yol();
    if (aç && düzen != Düzen::Yok) AçıkVeritabanı = platform::Database::open(veritabanıYolu());
}

SunucuKlasörü::~SunucuKlasörü()
{
    AçıkVeritabanı.reset();
    SunucuYolu.clear();
}

platform::Database& SunucuKlasörü::db()
{
    if (!AçıkVeritabanı) AçıkVeritabanı = platform::Database::open(veritabanıYolu());
    return *AçıkVeritabanı;
}

void ayarlarıTemizle()
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velnaro"), QStringLiteral("Kavrenta"));
    for (const QString& g : s.childGroups()) ayarlar::bölümüSil(g);
    for (const QString& k : s.childKeys()) ayarlar::anahtarıSil(QString(), k);
    ayarlar::kaydet();
}

// ---------------------------------------------------------------------------------------------------

struct MesajYanıtlayıcı::Durum {
    QStringList yanıtlar;
    QList<GörülenMesaj> görülenler;
    QTimer zamanlayıcı;
};

namespace {
// How many answerers and window waits are alive: while one is, the boxes and windows are the test's.
int canlıYanıtlayıcı = 0;
}  // namespace

MesajYanıtlayıcı::MesajYanıtlayıcı(QStringList yanıtlar) : d_(std::make_shared<Durum>())
{
    ++canlıYanıtlayıcı;
    d_->yanıtlar = std::move(yanıtlar);
    std::weak_ptr<Durum> zayıf = d_;
    d_->zamanlayıcı.setInterval(10);
    QObject::connect(&d_->zamanlayıcı, &QTimer::timeout, [zayıf] {
        auto d = zayıf.lock();
        if (!d) return;
        auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!kutu || !kutu->isVisible() || kutu->property("yanıtlandı").toBool()) return;
        kutu->setProperty("yanıtlandı", true);
        GörülenMesaj m;
        m.metin = kutu->text();
        m.başlık = kutu->windowTitle();
        switch (kutu->icon()) {
        case QMessageBox::Information: m.simge = mesaj::Simge::Bilgi; break;
        case QMessageBox::Warning: m.simge = mesaj::Simge::Ünlem; break;
        case QMessageBox::Question: m.simge = mesaj::Simge::Soru; break;
        case QMessageBox::Critical: m.simge = mesaj::Simge::Kritik; break;
        default: m.simge = mesaj::Simge::Yok; break;
        }
        d->görülenler.append(m);
        QAbstractButton* düğme = kutu->defaultButton();
        if (!d->yanıtlar.isEmpty()) {
            const QString yanıt = d->yanıtlar.takeFirst();
            for (QAbstractButton* b : kutu->buttons())
                if (b->text() == yanıt) düğme = b;
        }
        if (!düğme && !kutu->buttons().isEmpty()) düğme = kutu->buttons().first();
        QPointer<QAbstractButton> p = düğme;
        QTimer::singleShot(0, kutu, [p] {
            if (p) p->click();
        });
    });
    d_->zamanlayıcı.start();
}

MesajYanıtlayıcı::~MesajYanıtlayıcı()
{
    d_->zamanlayıcı.stop();
    --canlıYanıtlayıcı;
}

const QList<GörülenMesaj>& MesajYanıtlayıcı::görülenler() const { return d_->görülenler; }

void MesajYanıtlayıcı::ekle(const QString& yanıt) { d_->yanıtlar.append(yanıt); }

QWidget* pencere(const QString& ad)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == ad && w->isVisible()) return w;
    return nullptr;
}

struct Görününce::Durum {
    QString ad;
    std::function<void(QWidget*)> iş;
    bool oldu = false;
    QTimer zamanlayıcı;
};

Görününce::Görününce(const QString& ad, std::function<void(QWidget*)> iş) : d_(std::make_shared<Durum>())
{
    ++canlıYanıtlayıcı;
    d_->ad = ad;
    d_->iş = std::move(iş);
    std::weak_ptr<Durum> zayıf = d_;
    d_->zamanlayıcı.setInterval(10);
    QObject::connect(&d_->zamanlayıcı, &QTimer::timeout, [zayıf] {
        auto d = zayıf.lock();
        if (!d || d->oldu) return;
        QWidget* w = pencere(d->ad);
        if (!w) return;
        d->oldu = true;
        d->zamanlayıcı.stop();
        QPointer<QWidget> p = w;
        // Run outside the timer's slot, so that the work may open modal windows of its own.
        QTimer::singleShot(0, w, [d, p] {
            if (p) d->iş(p);
        });
    });
    d_->zamanlayıcı.start();
}

Görününce::~Görününce()
{
    d_->zamanlayıcı.stop();
    --canlıYanıtlayıcı;
}

bool Görününce::olduMu() const { return d_->oldu; }

void sıradaTıkla(QWidget* hedef)
{
    QWindow* pencere = hedef->window()->windowHandle();
    const QPointF yer = hedef->mapTo(hedef->window(), hedef->rect().center());
    using Q = QWindowSystemInterface;
    Q::handleMouseEvent<Q::AsynchronousDelivery>(pencere, yer, pencere->mapToGlobal(yer), Qt::LeftButton, Qt::LeftButton,
                                                 QEvent::MouseButtonPress);
    Q::handleMouseEvent<Q::AsynchronousDelivery>(pencere, yer, pencere->mapToGlobal(yer), Qt::NoButton, Qt::LeftButton,
                                                 QEvent::MouseButtonRelease);
}

void sıradaBas(QWidget* pencere, int tuş, Qt::KeyboardModifiers basılı)
{
    using Q = QWindowSystemInterface;
    for (const QEvent::Type tür : {QEvent::KeyPress, QEvent::KeyRelease})
        Q::handleKeyEvent<Q::AsynchronousDelivery>(pencere->window()->windowHandle(), tür, tuş, basılı);
}

void sıradaYaz(QWidget* pencere, const QString& metin)
{
    using Q = QWindowSystemInterface;
    for (const QChar c : metin)
        for (const QEvent::Type tür : {QEvent::KeyPress, QEvent::KeyRelease})
            Q::handleKeyEvent<Q::AsynchronousDelivery>(pencere->window()->windowHandle(), tür, c.toUpper().unicode(),
                                                       Qt::NoModifier, QString(c));
}

void sıradaTekerlek(QWidget* hedef, int çentik)
{
    QWindow* pencere = hedef->window()->windowHandle();
    const QPointF yer = hedef->mapTo(hedef->window(), hedef->rect().center());
    // The wheel's call has no choice of delivery: it takes the default one, made the queued one for it.
    using Q = QWindowSystemInterface;
    const bool eşzamanlı = QWindowSystemInterfacePrivate::synchronousWindowSystemEvents;
    Q::setSynchronousWindowSystemEvents(false);
    Q::handleWheelEvent(pencere, yer, pencere->mapToGlobal(yer), QPoint(),
                        QPoint(0, -QWheelEvent::DefaultDeltasPerStep * çentik));
    Q::setSynchronousWindowSystemEvents(eşzamanlı);
}

void sıradaKapat(QWidget* pencere)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        pencere->window()->windowHandle());
}

void sıradaSonlandır()
{
    QWindowSystemInterface::handleApplicationTermination<QWindowSystemInterface::AsynchronousDelivery>();
}

bool bekle(const std::function<bool()>& koşul, int süre)
{
    QElapsedTimer t;
    t.start();
    while (!koşul()) {
        if (t.elapsed() > süre) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(5);
    }
    return true;
}

void beklenmeyenPencereleriKapat()
{
    static QTimer zamanlayıcı;
    static QPointer<QWidget> görülen;
    static QElapsedTimer süre;
    zamanlayıcı.setInterval(50);
    QObject::connect(&zamanlayıcı, &QTimer::timeout, [] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || canlıYanıtlayıcı > 0) {
            görülen = nullptr;
            return;
        }
        if (w != görülen) {  // give the test a moment to reach the window it drives itself
            görülen = w;
            süre.start();
            return;
        }
        auto* kutu = qobject_cast<QMessageBox*>(w);
        if (süre.elapsed() < (kutu ? 500 : 10000)) return;
        görülen = nullptr;
        ADD_FAILURE() << "Beklenmeyen pencere kapatıldı: "
                      << (kutu ? kutu->text() : w->objectName() + QStringLiteral(" ") + w->windowTitle())
                             .toStdString();
        if (auto* pencere = qobject_cast<QDialog*>(w)) pencere->reject();
        else w->close();
    });
    zamanlayıcı.start();
}

void yaz(QWidget* hedef, const QString& metin)
{
    for (QChar c : metin) {
        if (c.unicode() < 128) QTest::keyClick(hedef, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

GüncellemeKancası::GüncellemeKancası(platform::Database& db, const QString& tablo, const QString& sütun,
                                     std::function<void()> f)
    : db_(db), f_(std::make_unique<std::function<void()>>(std::move(f)))
{
    sqlite3_create_function_v2(
        db.handle(), "TEST_KANCASI", 0, SQLITE_UTF8, f_.get(),
        [](sqlite3_context* c, int, sqlite3_value**) { (*static_cast<std::function<void()>*>(sqlite3_user_data(c)))(); },
        nullptr, nullptr, nullptr);
    db.execScript(QStringLiteral("CREATE TEMP TRIGGER TestKancası AFTER UPDATE OF %2 ON main.%1 BEGIN SELECT TEST_KANCASI(); END")
                      .arg(tablo, sütun));
}

GüncellemeKancası::~GüncellemeKancası()
{
    db_.execScript(QStringLiteral("DROP TRIGGER IF EXISTS temp.TestKancası"));
    sqlite3_create_function_v2(db_.handle(), "TEST_KANCASI", 0, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace test
