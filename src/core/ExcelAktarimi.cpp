#include "core/ExcelAktarimi.h"

#include "core/ListeleniyorFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Mesaj.h"

#include <QProgressBar>

QString ExcelKurulDeğilMetni() { return QStringLiteral("Bilgisayarınızda MS Excel kurulu değil!"); }

bool ExcelAktarmayıBaşlat(QWidget* sahip, const QString& görevKodu, int satırSayısı,
                          std::function<void(QProgressBar&)> MSExceleAktar)
{
    if (satırSayısı <= 0) return false;
    if (!platform::hesapTablosuProgramıVarMı()) {
        mesaj::göster(ExcelKurulDeğilMetni(), mesaj::Simge::Bilgi);
        return false;
    }
    return ListeleniyorFormu::çalıştır(sahip, görevKodu, true, std::move(MSExceleAktar));
}

QString ListeyiExceleAktar(QProgressBar& çubuk, platform::ListeTablosu liste)
{
    çubuk.setMaximum(std::max(1, liste.kaçSatır()));
    çubuk.setValue(0);
    liste.sayfaDüzeni = YazıcıVar;
    liste.sayfaGenişliğineSığdır = liste.sayfaGenişliğineSığdır && YazıcıVar;
    const QString yol = platform::listeyiYaz(liste, [&çubuk](int satır) { çubuk.setValue(satır); });
    platform::çalışmaKitabınıAç(yol);
    return yol;
}
