#include "core/OrtakYordamlar.h"

#include "platform/Kabuk.h"
#include "platform/Mesaj.h"
#include "platform/ProgramSonu.h"
#include "platform/YaziciYuzeyi.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
constexpr int SessizHata = 3356;

const QString HataDevamSorusuMetni = QStringLiteral(
    "Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam etmek istiyor musunuz?");
const QString HataKoduEtiketiMetni = QStringLiteral("Hata Kodu:");
const QString HataMesajıEtiketiMetni = QStringLiteral("Hata Mesajı:");
const QString HataBaşlığıMetni = QStringLiteral("Hata oluştu!");
}  // namespace

QString AğHatasıMetni()
{
    return QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
}

QString DosyaErişimHatasıMetni()
{
    return QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
}

void OrtakHataİşleyici(int numara, const QString& açıklama)
{
    using namespace mesaj;
    switch (numara) {
    case platform::hata::AğBağlantısıYok:
    case platform::hata::YolGeçersiz:
        göster(AğHatasıMetni(), Simge::Ünlem, Düğmeler::Tamam);
        program::bitir();
    case platform::hata::DosyaAçılamıyor:
        göster(DosyaErişimHatasıMetni(), Simge::Ünlem, Düğmeler::Tamam);
        program::bitir();
    case SessizHata: return;
    default: break;
    }
    const QString metin = HataDevamSorusuMetni + QStringLiteral("\r\n\r\n") + HataKoduEtiketiMetni
                          + QLatin1Char(' ') + QString::number(numara) + QStringLiteral("\r\n\r\n")
                          + HataMesajıEtiketiMetni + QLatin1Char(' ') + açıklama;
    if (göster(metin, Simge::Kritik, Düğmeler::EvetHayır, Yanıt::Evet, HataBaşlığıMetni) == Yanıt::Hayır)
        program::bitir();
}

void OrtakHataİşleyici(const platform::DbError& hata) { OrtakHataİşleyici(hata.number(), hata.text()); }

void OrtakHataİşleyici(const std::exception& hata)
{
    if (const auto* db = dynamic_cast<const platform::DbError*>(&hata)) {
        OrtakHataİşleyici(*db);
        return;
    }
    // A print that the user gave up on (no password for the printer) is no error: the user is told that
    // nothing was printed.
    if (const auto* baskı = dynamic_cast<const yazdırma::YazdırmaHatası*>(&hata); baskı && baskı->vazgeçildi()) {
        mesaj::göster(baskı->metin(), mesaj::Simge::Bilgi);
        return;
    }
    OrtakHataİşleyici(platform::hata::Genel, QString::fromUtf8(hata.what()));
}

void TümünüSeç(QWidget* denetim)
{
    if (auto* e = qobject_cast<QLineEdit*>(denetim)) e->selectAll();
    else if (auto* c = qobject_cast<QComboBox*>(denetim)) {
        if (c->lineEdit()) c->lineEdit()->selectAll();
    } else if (auto* s = qobject_cast<QAbstractSpinBox*>(denetim)) s->selectAll();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(denetim)) t->selectAll();
    else if (auto* x = qobject_cast<QTextEdit*>(denetim)) x->selectAll();
}

bool DosyaVarMı(const QString& yol) { return kabuk::dosyaVarMı(yol); }

QString ŞifreDönüştür(const QString& metin, const QString& tablo, const QString& anahtar)
{
    QString sonuç;
    const qsizetype n = tablo.size();
    if (n == 0 || anahtar.isEmpty()) return sonuç;
    qsizetype p = 0;
    for (const QChar c : metin) {
        const qsizetype x = tablo.indexOf(c);
        const qsizetype y = tablo.indexOf(anahtar.at(p));
        if (x >= 0 && y >= 0) sonuç += tablo.at(((y - x) % n + n) % n);
        p = (p + 1) % anahtar.size();
    }
    return sonuç;
}
