#pragma once
// Test fixtures: a temporary server folder with a fresh Stok.vtb, temporary settings and documents
// folders, a stand-in for ending the program, and an answerer for modal message boxes.
#include "platform/Database.h"
#include "platform/Mesaj.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <stdexcept>

class QWidget;

#include <gtest/gtest.h>

namespace test {

// Thrown by the stand-in for ending the program, so that a test sees the end and goes on. It is not a
// std::exception on purpose: the program's own handlers catch std::exception and report it, and the end
// of the program must pass through them as the real end would.
struct ProgramBitti {
    const char* what() const noexcept { return "program ended"; }
};

// Makes a database file from the current layout (schema/Stok.sql) or from the older one that the
// upgrade brings up to date.
void yeniVeritabanı(const QString& dosya);
void eskiVeritabanı(const QString& dosya);

// A server folder in a temporary directory, with Stok.vtb (current layout unless told otherwise),
// opened as the program's open database and set as the server folder in use.
class SunucuKlasörü {
public:
    enum class Düzen { Güncel, Eski, Yok };
    explicit SunucuKlasörü(Düzen düzen = Düzen::Güncel, bool aç = true);
    ~SunucuKlasörü();
    QString yol() const { return dizin_.path(); }
    QString veritabanıYolu() const { return dizin_.path() + QStringLiteral("/Stok.vtb"); }
    platform::Database& db();

private:
    QTemporaryDir dizin_;
};

// Clears the settings file, so that each test starts as a first start.
void ayarlarıTemizle();

// One message box seen by the answerer.
struct GörülenMesaj {
    QString metin;
    QString başlık;
    mesaj::Simge simge = mesaj::Simge::Yok;
};

// Answers the modal message boxes that appear, in order, with the given button texts ("Evet", "Hayır",
// "Tamam", "İptal"), and records what each box said. Boxes beyond the list are answered with their
// default button. Checked by polling while the test's event loop runs.
class MesajYanıtlayıcı {
public:
    explicit MesajYanıtlayıcı(QStringList yanıtlar = {});
    ~MesajYanıtlayıcı();
    const QList<GörülenMesaj>& görülenler() const;
    int sayı() const { return int(görülenler().size()); }
    QString sonMetin() const { return görülenler().isEmpty() ? QString() : görülenler().last().metin; }
    void ekle(const QString& yanıt);

private:
    struct Durum;
    std::shared_ptr<Durum> d_;
};

// Runs the event loop until the condition holds or the time runs out (ms); true when it held.
bool bekle(const std::function<bool()>& koşul, int süre = 5000);

// Types the text key by key into the widget; the letters beyond ASCII (which QTest::keyClicks cannot
// type) go as key events that carry their text, as a Turkish keyboard sends them.
void yaz(QWidget* hedef, const QString& metin);

// Input as the window system queues a user's, to be delivered by the event loop that runs next: a click
// in the middle of the widget, a key (with what is held with it) pressed and let go in the widget's
// window, a text typed there key by key (each key carrying its letter), the mouse wheel turned over the
// middle of the widget by whole notches (more than nought: towards the user, the view moving down), the
// desktop's request to close that window, and its request that the program end (a logout).
void sıradaTıkla(QWidget* hedef);
void sıradaBas(QWidget* pencere, int tuş, Qt::KeyboardModifiers basılı = Qt::NoModifier);
void sıradaYaz(QWidget* pencere, const QString& metin);
void sıradaTekerlek(QWidget* hedef, int çentik);
void sıradaKapat(QWidget* pencere);
void sıradaSonlandır();

// The visible top-level window with this object name, or null.
QWidget* pencere(const QString& ad);

// Runs `iş` once, as soon as a visible top-level window with this object name appears (polled from the
// event loop, so it works while a modal window runs its own loop). Keep the returned object alive as
// long as the wait should last; `olduMu()` tells whether the work ran.
class Görününce {
public:
    Görününce(const QString& ad, std::function<void(QWidget*)> iş);
    ~Görününce();
    bool olduMu() const;

private:
    struct Durum;
    std::shared_ptr<Durum> d_;
};

// While it lives, a statement's wait for a lock that another connection holds calls `kayıt` (with true
// when the wait begins, false when it is over; on the waiting connection's thread) instead of showing the
// busy cursor; the cursor is back afterwards, however the test ends.
class BeklemeKaydı {
public:
    explicit BeklemeKaydı(std::function<void(bool bekliyor)> kayıt)
    {
        platform::beklemeGöstergesiniDeğiştir(std::move(kayıt));
    }
    ~BeklemeKaydı() { platform::beklemeGöstergesiniDeğiştir({}); }
    BeklemeKaydı(const BeklemeKaydı&) = delete;
    BeklemeKaydı& operator=(const BeklemeKaydı&) = delete;
};

// While it lives, every update of `sütun` in `tablo` made through `db` (that connection only, inside its
// transaction) calls `f` once for each row, before the statement goes on: a test does something at that
// moment of another connection's transaction.
class GüncellemeKancası {
public:
    GüncellemeKancası(platform::Database& db, const QString& tablo, const QString& sütun, std::function<void()> f);
    ~GüncellemeKancası();
    GüncellemeKancası(const GüncellemeKancası&) = delete;
    GüncellemeKancası& operator=(const GüncellemeKancası&) = delete;

private:
    platform::Database& db_;
    std::unique_ptr<std::function<void()>> f_;
};

// A test suite with a print server of the tests' own (S: BaskıSunucusu or AksakBaskıSunucusu), started once
// for the suite; each test of it fails at once when the server did not start.
template <class Taban, class S>
class BaskıSunucululuSınama : public Taban {
protected:
    static void SetUpTestSuite() { baskı_ = new S; }
    static void TearDownTestSuite()
    {
        delete baskı_;
        baskı_ = nullptr;
    }
    void SetUp() override
    {
        Taban::SetUp();
        ASSERT_TRUE(baskı_->hazır()) << baskı_->hata().toStdString();
    }

    static inline S* baskı_ = nullptr;
};

// Installed by every test program: a message box that no answerer is waiting for is closed after half a
// second, and any other modal window that nothing waits for after ten, failing the running test with its
// text, so that a test fails instead of hanging.
void beklenmeyenPencereleriKapat();

}  // namespace test
