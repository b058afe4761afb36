#include "core/BaslangicModulu.h"

#include "core/Acicilar.h"
#include "core/AnaForm.h"
#include "core/KarsilamaFormu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/VeritabaninaBaglanFormu.h"
#include "platform/Kabuk.h"
#include "platform/KayitliSorgular.h"
#include "platform/Mesaj.h"
#include "platform/ProgramSonu.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QDir>
#include <QFont>
#include <QProxyStyle>
#include <QStyleOption>
#include <QSysInfo>
#include <functional>

#ifndef KAVRENTA_SURUM_ANA
#define KAVRENTA_SURUM_ANA 1
#define KAVRENTA_SURUM_ALT 0
#define KAVRENTA_SURUM_DUZELTME 0
#endif

namespace BaşlangıçModülü {

namespace {

// Brings the running copy to the front when a second copy knocks.
void öneGel()
{
    if (AnaForm* ana = AnaForm::örnek(); ana && ana->isVisible()) {
        ana->showNormal();
        ana->raise();
        ana->activateWindow();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

struct Dizin {
    const char* tablo;
    const char* ad;
    const char* tanım;
};
// The indexes of the movement tables: by product (covering the quantity and the price), by date, by
// firm, and the exits by reason, invoiced mark, firm and date (all the invoicing tree reads).
constexpr Dizin Dizinler[] = {
    {"GirisIslemleriTablosu", "GirisIslemleriUrunNoDizini",
     "CREATE INDEX IF NOT EXISTS GirisIslemleriUrunNoDizini ON GirisIslemleriTablosu (UrunNo, Miktari, Fiyati)"},
    {"GirisIslemleriTablosu", "GirisIslemleriTarihiDizini",
     "CREATE INDEX IF NOT EXISTS GirisIslemleriTarihiDizini ON GirisIslemleriTablosu (Tarihi)"},
    {"CikisIslemleriTablosu", "CikisIslemleriUrunNoDizini",
     "CREATE INDEX IF NOT EXISTS CikisIslemleriUrunNoDizini ON CikisIslemleriTablosu (UrunNo, Miktari, Fiyati)"},
    {"CikisIslemleriTablosu", "CikisIslemleriTarihiDizini",
     "CREATE INDEX IF NOT EXISTS CikisIslemleriTarihiDizini ON CikisIslemleriTablosu (Tarihi)"},
    {"GirisIslemleriTablosu", "GirisIslemleriFirmaNoDizini",
     "CREATE INDEX IF NOT EXISTS GirisIslemleriFirmaNoDizini ON GirisIslemleriTablosu (FirmaNo)"},
    {"CikisIslemleriTablosu", "CikisIslemleriFirmaNoDizini",
     "CREATE INDEX IF NOT EXISTS CikisIslemleriFirmaNoDizini ON CikisIslemleriTablosu (FirmaNo)"},
    {"CikisIslemleriTablosu", "CikisIslemleriFaturaDizini",
     "CREATE INDEX IF NOT EXISTS CikisIslemleriFaturaDizini ON CikisIslemleriTablosu (Nedeni, Fatura, FirmaNo, "
     "Tarihi)"},
};

platform::Database& açıkVeritabanı()
{
    if (!AçıkVeritabanı) throw platform::DbError(91, QStringLiteral("Açık bir veritabanı yok."));
    return *AçıkVeritabanı;
}

int alanSayısı(const QString& sorgu)
{
    // The view's columns as a SELECT sees them; a missing view raises here.
    return açıkVeritabanı().prepare(QStringLiteral("SELECT * FROM \"%1\" LIMIT 0").arg(sorgu)).columnCount();
}

bool dizinVarMı(const QString& ad)
{
    return açıkVeritabanı()
               .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?"), {ad})
               .toInt()
           > 0;
}

// The columns that an older file lacks, in the order they are added.
struct Sütun {
    const char* tablo;
    const char* ad;
    const char* tür;
};
constexpr Sütun EklenenSütunlar[] = {
    {"UrunBilgileriTablosu", "UreticiKodu", "VARCHAR(128)"},
    {"UrunBilgileriTablosu", "Markasi", "VARCHAR(255)"},
    {"UrunBilgileriTablosu", "Fotografi", "VARCHAR(255)"},
    {"GirisIslemleriTablosu", "GirisiYapan", "SMALLINT"},
    {"CikisIslemleriTablosu", "CikisiYapan", "SMALLINT"},
};

// One step of the upgrade: `eksik` tells whether the file still lacks what `ekle` adds. An up-to-date
// file is only read, never locked or written. Otherwise the test is made again inside a write
// transaction, so that two workstations starting together on an older file do not both add the same
// thing (the later one would be refused a duplicate). A failing step goes to the error reporter and,
// when the user goes on, the next step follows.
void güncellemeAdımı(const std::function<bool()>& eksik, const std::function<void()>& ekle)
{
    HatadaDevam([&] {
        if (!eksik()) return;
        platform::Transaction işlem(açıkVeritabanı());
        if (eksik()) ekle();
        işlem.commit();
    });
}

}  // namespace

namespace {
// Password boxes show "*" for each character.
class ProgramBiçemi : public QProxyStyle {
public:
    ProgramBiçemi() : QProxyStyle(QStringLiteral("Fusion")) {}
    int styleHint(StyleHint ipucu, const QStyleOption* seçenek, const QWidget* denetim,
                  QStyleHintReturn* dönüş) const override
    {
        if (ipucu == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(ipucu, seçenek, denetim, dönüş);
    }
    // Column headers keep their caption a few pixels off the dividers, also when it is right-aligned.
    void drawControl(ControlElement öğe, const QStyleOption* seçenek, QPainter* ressam,
                     const QWidget* denetim) const override
    {
        if (öğe == CE_HeaderLabel) {
            if (const auto* başlık = qstyleoption_cast<const QStyleOptionHeader*>(seçenek)) {
                QStyleOptionHeader içeride(*başlık);
                içeride.rect.adjust(3, 0, -4, 0);
                QProxyStyle::drawControl(öğe, &içeride, ressam, denetim);
                return;
            }
        }
        QProxyStyle::drawControl(öğe, seçenek, ressam, denetim);
    }
};
}  // namespace

void OrtakDenetimleriHazırla()
{
    QApplication::setStyle(new ProgramBiçemi());
    QFont yazı(QStringLiteral("Liberation Sans"), 8);
    yazı.setStyleHint(QFont::SansSerif);
    QApplication::setFont(yazı);
    // Qt's own dialogs and buttons (the folder chooser, file dialogs) speak Turkish too. Without Qt's Turkish
    // translation on the machine they keep Qt's English texts; nothing is said.
    static QTranslator çeviri;
    if (çeviri.isEmpty()
        && çeviri.load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&çeviri);
}

QString BaşlıkMetniOluştur(int ana, int alt, int düzeltme)
{
    return ProgramAdıMetni + QLatin1Char(' ') + QString::number(ana) + QLatin1Char('.') + QString::number(alt)
           + QString::number(düzeltme) + QStringLiteral(" (İstemci)");
}

QString ProgramınBaşlığı()
{
    return BaşlıkMetniOluştur(KAVRENTA_SURUM_ANA, KAVRENTA_SURUM_ALT, KAVRENTA_SURUM_DUZELTME);
}

SürümBilgisi İşletimSistemiSürümü()
{
    SürümBilgisi s;
    s.alındı = true;
    s.platformKimliği = NTPlatformu;
    const QStringList çekirdek = QSysInfo::kernelVersion().split(QLatin1Char('.'));
    // Every Linux the program builds on is newer than anything the check guards against.
    s.anaSürüm = qMax(5, çekirdek.value(0).toInt());
    s.altSürüm = çekirdek.value(1).toInt();
    return s;
}

bool İşletimSistemiUygun(const SürümBilgisi& sürüm)
{
    if (!sürüm.alındı) return false;
    if (sürüm.platformKimliği != NTPlatformu) return true;
    if (sürüm.anaSürüm < 4) return false;
    if (sürüm.anaSürüm == 4) {
        const QString paket = sürüm.servisPaketi.section(QChar(u'\0'), 0, 0);
        if (paket == QStringLiteral("Service Pack 1") || paket == QStringLiteral("Service Pack 2")) return false;
    }
    return true;
}

void İşletimSisteminiDenetle(const SürümBilgisi& sürüm)
{
    if (sürüm.alındı) WindowsNT = sürüm.platformKimliği == NTPlatformu;
    if (!İşletimSistemiUygun(sürüm)) {
        mesaj::göster(İşletimSistemiUyarısı, mesaj::Simge::Kritik);
        program::bitir();
    }
}

void İşletimSisteminiDenetle() { İşletimSisteminiDenetle(İşletimSistemiSürümü()); }

std::shared_ptr<platform::Database> VeritabanınıAç(const QString& sunucuKlasörü)
{
    return platform::Database::open(sunucuKlasörü + QLatin1Char('/') + VeritabanıDosyası, BağlantıMetni);
}

bool AlanVarMı(const QString& tablo, const QString& alan)
{
    platform::Database& db = açıkVeritabanı();
    if (!db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type IN ('table', 'view') AND name = ?"),
                   {tablo})
             .toInt())
        throw platform::DbError(platform::hata::Genel, QStringLiteral("Tablo bulunamadı: %1").arg(tablo));
    platform::Statement s = db.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    s.bind(1, tablo);
    while (s.next())
        if (s.text(0) == alan) return true;
    return false;
}

bool TabloVarMı(const QString& tablo)
{
    return açıkVeritabanı()
               .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"), {tablo})
               .toInt()
           > 0;
}

void VeritabanınıGüncelle()
{
    // 1. The total views: an older file has 3 and 2 fields. Both texts are written.
    güncellemeAdımı(
        [] {
            return AçıkVeritabanı
                   && (alanSayısı(QStringLiteral("GirisToplamiSorgusu")) == 3
                       || alanSayısı(QStringLiteral("CikisToplamiSorgusu")) == 2);
        },
        [] {
            açıkVeritabanı().execScript(QStringLiteral("DROP VIEW CikisToplamiSorgusu; DROP VIEW GirisToplamiSorgusu;"));
            açıkVeritabanı().execScript(sorgular::GirisToplamiSorgusu);
            açıkVeritabanı().execScript(sorgular::CikisToplamiSorgusu);
        });
    // 2-6. The product columns and the person who made a movement.
    for (const Sütun& s : EklenenSütunlar) {
        const QString tablo = QString::fromUtf8(s.tablo);
        const QString ad = QString::fromUtf8(s.ad);
        güncellemeAdımı([&] { return !AlanVarMı(tablo, ad); },
                        [&] {
                            açıkVeritabanı().execScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                                            .arg(tablo, ad, QString::fromUtf8(s.tür)));
                        });
    }
    // 7. The people table.
    güncellemeAdımı([] { return !TabloVarMı(QStringLiteral("GirisCikisYapanlarTablosu")); },
                    [] {
                        açıkVeritabanı().execScript(QStringLiteral(
                            "CREATE TABLE GirisCikisYapanlarTablosu (Nosu INTEGER PRIMARY KEY AUTOINCREMENT, "
                            "AdiSoyadi VARCHAR(255))"));
                    });
    // 8. The indexes.
    for (const Dizin& d : Dizinler) {
        güncellemeAdımı(
            [&d] { return TabloVarMı(QString::fromUtf8(d.tablo)) && !dizinVarMı(QString::fromUtf8(d.ad)); },
            [&d] { açıkVeritabanı().execScript(QString::fromUtf8(d.tanım)); });
    }
}

void Main()
{
    // Errors of the steps below go to the reporter; when the user goes on, the next step follows.
    HatadaDevam([] { OrtakDenetimleriHazırla(); });
    HatadaDevam([] { BaşlıkMetni = ProgramınBaşlığı(); });

    // A copy already runs for this user: it comes to the front, this one ends.
    HatadaDevam([] {
        if (!kabuk::tekKopyaOl(BaşlıkMetni, öneGel)) program::bitir();
    });

    HatadaDevam([] { (new KarşılamaFormu())->show(); });
    QCoreApplication::processEvents();

    // Errors inside the check are skipped silently.
    HatayıAtla([] { İşletimSisteminiDenetle(); });

    HatadaDevam([] {
        ProgramKlasörü = QCoreApplication::applicationDirPath();
        if (!ProgramKlasörü.endsWith(QLatin1Char('/'))) ProgramKlasörü += QLatin1Char('/');
    });
    HatadaDevam([] { AyarlarUygulamaAdı = QStringLiteral("Velnaro\\") + ÜrünAdı; });
    HatadaDevam([] { YazıcıVar = kabuk::yazıcıVar(); });

    // The preferences window's load reads the preferences into their globals.
    HatadaDevam([] { açıcılar::aç(QStringLiteral("TercihleriOku"), nullptr); });

    HatadaDevam([] { (new AnaForm())->Form_Load(); });

    // Finding the server, opening the database, the login password and the low-stock warning.
    HatadaDevam([] {
        VeritabanınaBağlanFormu bağlan;
        bağlan.exec();
    });

    if (SunucuYolu.isEmpty() || !AçıkVeritabanı) return;
    VeritabanınıGüncelle();
}

}  // namespace BaşlangıçModülü
