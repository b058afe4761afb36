#include "core/ExcelAktarimi.h"

#include "core/IlerlemeAdimi.h"
#include "core/ListeleniyorFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Mesaj.h"

#include <utility>

namespace {
// While an export runs behind the progress window, a workbook that could not be opened waits here until
// the window has closed, so that the message about it never stands over the progress window.
QString* açılamayanKitap = nullptr;
}  // namespace

bool ExcelAktarmayıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                          std::function<void(QProgressBar&)> MSExceleAktar)
{
    if (satırSayısı <= 0) return false;
    // The program writes the workbook itself: no spreadsheet program is needed to make it.
    QString yol;
    QString* önceki = std::exchange(açılamayanKitap, &yol);
    const bool bitti = ListeleniyorFormu::çalıştır(sahip, görevKodu, true, std::move(MSExceleAktar));
    açılamayanKitap = önceki;
    if (!yol.isEmpty()) platform::açılamayanKitabıBildir(yol);
    return bitti;
}

QString ListeyiExceleAktar(QProgressBar& çubuk, platform::ListeTablosu liste)
{
    İlerlemeAdımı adım(çubuk, liste.kaçSatır());
    liste.sayfaDüzeni = YazıcıVar;
    liste.sayfaGenişliğineSığdır = liste.sayfaGenişliğineSığdır && YazıcıVar;
    const QString yol = platform::listeyiYaz(liste, [&adım](int) { adım.ilerle(); });
    adım.bitir();
    if (platform::çalışmaKitabınıAçmayıDene(yol)) return yol;
    if (açılamayanKitap) *açılamayanKitap = yol;
    else platform::açılamayanKitabıBildir(yol);
    return yol;
}
