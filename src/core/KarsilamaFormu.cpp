#include "core/KarsilamaFormu.h"

#include "platform/Mesaj.h"
#include "platform/ProgramSonu.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<KarşılamaFormu>& yüklü()
{
    static QPointer<KarşılamaFormu> k;
    return k;
}
constexpr int EnAzYükseklik = 600;
}  // namespace

KarşılamaFormu::KarşılamaFormu() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("KarşılamaFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    yüklü() = this;
    // 8200 x 5400 twips.
    setFixedSize(8200 / 15, 5400 / 15);
    resim_ = QPixmap(QStringLiteral(":/KARSILAMA.png"));
    if (QScreen* ekran = QGuiApplication::primaryScreen()) {
        move(ekran->geometry().center() - rect().center());
        EkranıDenetle(ekran->geometry().height());
    }
}

KarşılamaFormu::~KarşılamaFormu() = default;

KarşılamaFormu* KarşılamaFormu::örnek() { return yüklü(); }

void KarşılamaFormu::Kapat()
{
    if (KarşılamaFormu* k = yüklü()) {
        yüklü() = nullptr;
        k->close();
    }
}

void KarşılamaFormu::EkranıDenetle(int yükseklik)
{
    if (yükseklik >= EnAzYükseklik) return;
    mesaj::göster(EkranUyarısı, mesaj::Simge::Ünlem);
    program::bitir();
}

void KarşılamaFormu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawPixmap((width() - resim_.width()) / 2, (height() - resim_.height()) / 2, resim_);
}

void KarşılamaFormu::mousePressEvent(QMouseEvent*) { Kapat(); }
