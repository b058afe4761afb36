#include "core/ListeYazdirma.h"

#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "core/YaziciSecmeFormu.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"
#include "platform/YazdirmaSunucusu.h"
#include "platform/Yazicilar.h"

#include <QPushButton>

#include <cmath>

namespace {

using yazdırma::Satır;
using yazdırma::YazıcıYüzeyi;

constexpr double BaşlıkPuntosu = 14;
constexpr double SatırPuntosu = 8;

// Whole millimetres of a page size, halves to even.
int tamMm(double mm) { return int(std::nearbyint(mm)); }

double sütunX(const YazıcıYüzeyi& yüzey, double x, bool sağa, const QString& metin)
{
    return sağa ? x - yüzey.metinGenişliği(metin) : x;
}

}  // namespace

QString YazıcıYokMetni()
{
    return QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
}

QString yazdırmaMetni(const ListeDeğeri& değer, YazdırmaBiçimi biçim)
{
    if (biçim == YazdırmaBiçimi::Listelendiği || değer.tür() != ListeDeğeri::Tür::Sayı) return değer.görünen();
    if (biçim == YazdırmaBiçimi::Miktar) return turkce::miktarBiçimi(değer.sayı(), OndalıklıMiktar == 1);
    return turkce::tutarBiçimi(değer.sayı());
}

void listeyiÇiz(YazıcıYüzeyi& yüzey, YazdırmaDüzeni düzen, int satırSayısı,
                const std::function<ListeDeğeri(int, int)>& hücre)
{
    const int genişlik = tamMm(yüzey.sayfaGenişliği());
    const int yükseklik = tamMm(yüzey.sayfaYüksekliği());
    if (düzen.sayfayaGöre) düzen.sayfayaGöre(düzen, genişlik);
    const QString& başlık = düzen.başlık;

    // Title, centred (it may start left of the paper when it is wider).
    yüzey.setYazıTipiBoyutu(BaşlıkPuntosu);
    yüzey.setKalın(true);
    yüzey.setAltıÇizili(true);
    yüzey.setY(düzen.üstBoşluk);
    yüzey.setX((genişlik - yüzey.metinGenişliği(başlık)) / 2);
    yüzey.yaz(başlık);

    // Header row.
    yüzey.setYazıTipiBoyutu(düzen.sütunBaşlığıPuntosu);
    yüzey.setY(yüzey.y() + 5);
    for (int i = 0; i < düzen.sütunlar.size(); ++i) {
        const YazdırmaSütunu& s = düzen.sütunlar[i];
        yüzey.setX(sütunX(yüzey, s.x, s.sağa, s.başlık));
        yüzey.yaz(s.başlık, i + 1 == düzen.sütunlar.size() ? Satır::Bitir : Satır::Sürdür);
    }

    // Rows.
    yüzey.setYazıTipiBoyutu(SatırPuntosu);
    yüzey.setKalın(false);
    yüzey.setAltıÇizili(false);
    yüzey.setY(yüzey.y() + 1);
    for (int r = 0; r < satırSayısı; ++r) {
        Sayaç = r + 1;
        if (yüzey.y() + düzen.altBoşluk >= yükseklik) {
            yüzey.yeniSayfa();
            yüzey.setY(5);
            yüzey.setX(10);
            yüzey.yaz(başlık, Satır::Sürdür);
            const QString sayfa = QStringLiteral("Sayfa - ") + QString::number(yüzey.sayfaNo());
            yüzey.setX(genişlik - (yüzey.metinGenişliği(sayfa) + 10));
            yüzey.yaz(sayfa);
            yüzey.çizgi(10, 10, genişlik - 10, 10);
            yüzey.setY(düzen.üstBoşluk);
        }
        for (int i = 0; i < düzen.sütunlar.size(); ++i) {
            const YazdırmaSütunu& s = düzen.sütunlar[i];
            // A cell is formatted from the number its text shows ("2,50" prints as 3 in whole numbers).
            const ListeDeğeri& değer = hücre(r, s.hücre);
            const QString metin = yazdırmaMetni(
                değer.tür() == ListeDeğeri::Tür::Sayı ? ListeDeğeri::sayı(değer.gösterilenSayı(), değer.biçim()) : değer,
                s.biçim);
            yüzey.setX(sütunX(yüzey, s.x, s.sağa, metin));
            yüzey.yaz(metin, i + 1 == düzen.sütunlar.size() ? Satır::Bitir : Satır::Sürdür);
        }
    }

    // Closing lines, straight after the last row.
    for (const KapanışSatırı& k : düzen.kapanış) {
        yüzey.setKalın(k.kalın);
        yüzey.setY(yüzey.y() + k.boşluk);
        for (int i = 0; i < k.hücreler.size(); ++i) {
            const KapanışHücresi& h = k.hücreler[i];
            const QString metin = yazdırmaMetni(h.değer, h.biçim);
            yüzey.setX(sütunX(yüzey, h.x, h.sağa, metin));
            yüzey.yaz(metin, i + 1 == k.hücreler.size() ? Satır::Bitir : Satır::Sürdür);
        }
    }

    yüzey.setKalın(false);
    yüzey.setAltıÇizili(false);
    yüzey.bitir();
}

void listeyiÇiz(YazıcıYüzeyi& yüzey, const YazdırmaDüzeni& düzen, const ListeGörünümü& liste)
{
    listeyiÇiz(yüzey, düzen, liste.satırSayısı(),
               [&liste](int satır, int sütun) { return liste.hücreDeğeri(satır, sütun); });
}

bool ListeYazdırma(QWidget* pencere, ListeGörünümü& liste, const YazdırmaDüzeni& düzen, QPushButton* YazdırDüğmesi)
{
    // The program told to end meanwhile ends once the print's messages are answered.
    const yazdırma::BaskıSüresince baskı;
    if (liste.satırSayısı() == 0) return false;
    if (!YazıcıVar) {
        mesaj::göster(YazıcıYokMetni(), mesaj::Simge::Ünlem);
        return false;
    }
    if (!YazıcıSeçmeFormu::YazıcıSeçimi(pencere)) {
        YazdırmaİptalEdildi = false;
        return false;
    }

    if (YazdırDüğmesi) YazdırDüğmesi->setEnabled(false);
    if (pencere) pencere->setCursor(Qt::WaitCursor);
    BaşlıkMetni = düzen.başlık;
    bool gitti = false;
    try {
        auto belge = yazdırma::belgeAç(düzen.başlık);
        listeyiÇiz(*belge, düzen, liste);
        gitti = true;
    } catch (const std::exception& hata) {
        // The document is dropped with its surface; the report comes once.
        OrtakHataİşleyici(hata);
    }
    if (YazdırDüğmesi) YazdırDüğmesi->setEnabled(true);
    if (pencere) pencere->unsetCursor();
    liste.setFocus();
    return gitti;
}
