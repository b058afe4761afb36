#include "core/ListeleniyorFormu.h"

#include "core/OrtakYordamlar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

const QString ListeleniyorFormu::ListeBaşlığı = QStringLiteral("Liste Oluşturuluyor...");
const QString ListeleniyorFormu::ListeEtiketi = QStringLiteral("Liste oluşturulurken lütfen, bekleyiniz!");
const QString ListeleniyorFormu::AktarımBaşlığı = QStringLiteral("MS Excel'e Aktarılıyor...");
const QString ListeleniyorFormu::AktarımEtiketi = QStringLiteral("MS Excel'e aktarılırken lütfen, bekleyiniz!");

ListeleniyorFormu::ListeleniyorFormu(QWidget* sahip, const QString& görevKodu, bool dışaAktarım, Yordam yordam)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      görevKodu_(görevKodu),
      yordam_(std::move(yordam))
{
    setObjectName(QStringLiteral("ListeleniyorFormu"));
    setWindowTitle(dışaAktarım ? AktarımBaşlığı : ListeBaşlığı);
    setModal(true);

    SimgeKutusu = new QLabel(this);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setPixmap(QPixmap(dışaAktarım ? QStringLiteral(":/EXCEL.png") : QStringLiteral(":/LISTE.png")));
    SimgeKutusu->setFixedSize(32, 32);
    SimgeKutusu->setScaledContents(true);

    Etiket = new QLabel(dışaAktarım ? AktarımEtiketi : ListeEtiketi, this);
    Etiket->setObjectName(QStringLiteral("Etiket"));

    İlerlemeÇubuğu = new QProgressBar(this);
    İlerlemeÇubuğu->setObjectName(QStringLiteral("İlerlemeÇubuğu"));
    İlerlemeÇubuğu->setRange(0, 100);
    İlerlemeÇubuğu->setValue(0);
    İlerlemeÇubuğu->setTextVisible(false);

    auto* düzen = new QGridLayout(this);
    düzen->setContentsMargins(12, 12, 12, 12);
    düzen->setHorizontalSpacing(12);
    düzen->addWidget(SimgeKutusu, 0, 0, Qt::AlignVCenter);
    düzen->addWidget(Etiket, 0, 1, Qt::AlignVCenter);
    düzen->addWidget(İlerlemeÇubuğu, 1, 0, 1, 2);
    const QSize boyut = sizeHint();
    setFixedSize(std::max(360, boyut.width()), boyut.height());
}

void ListeleniyorFormu::showEvent(QShowEvent* olay)
{
    QDialog::showEvent(olay);
    if (başladı_) return;
    başladı_ = true;
    // The task starts once the window is on screen and the modal loop runs.
    QTimer::singleShot(0, this, [this] { görevi_çalıştır(); });
}

void ListeleniyorFormu::görevi_çalıştır()
{
    // Let the window and its texts be drawn before the work starts; the routine itself does not yield.
    QCoreApplication::processEvents();
    try {
        if (yordam_) yordam_(*İlerlemeÇubuğu);
    } catch (...) {
        hata_ = std::current_exception();
    }
    bitti_ = true;
    done(hata_ ? QDialog::Rejected : QDialog::Accepted);
}

void ListeleniyorFormu::reject()
{
    if (bitti_) QDialog::reject();
}

void ListeleniyorFormu::closeEvent(QCloseEvent* olay)
{
    if (bitti_)
        QDialog::closeEvent(olay);
    else
        olay->ignore();
}

bool ListeleniyorFormu::çalıştır(QWidget* sahip, const QString& görevKodu, bool dışaAktarım, Yordam yordam)
{
    std::exception_ptr hata;
    {
        ListeleniyorFormu pencere(sahip, görevKodu, dışaAktarım, std::move(yordam));
        pencere.exec();
        hata = pencere.hata_;
    }
    if (!hata) return true;
    try {
        std::rethrow_exception(hata);
    } catch (const std::exception& h) {
        OrtakHataİşleyici(h);
    } catch (...) {
        OrtakHataİşleyici(platform::hata::Genel, QStringLiteral("Bilinmeyen hata"));
    }
    return false;
}
