#include "platform/YazdirmaSunucusu.h"
#include "platform/Yazicilar.h"
#include "platform/YaziciBelgesi.h"
#include <gtest/gtest.h>
#include <cups/cups.h>
#include <QDebug>
using namespace yazdırma;
TEST(ZZDeneme, Liste)
{
    cupsSetServer("127.0.0.1:18631");
    int sorulan = 0;
    parolaSorucusunuDeğiştir([&](const ParolaSorusu& s) -> std::optional<QString> { ++sorulan; qDebug() << "parola" << s.yazıcı << s.kullanıcı << s.yanlış; if (sorulan < 3) return QString("yanlis"); return std::nullopt; });
    for (const Yazıcı& y : sunucununYazıcıları()) {
        qDebug() << y.ad << y.bağlantıYeri << y.kağıt << y.varsayılan << y.seçenekler.size();
    }
    EXPECT_EQ(sorulan, 0);
    for (QString ad : {"Kabul", "Korumali", "Yok"}) {
        try { yazıcıyıDenetle(ad); qDebug() << ad << "var"; } catch (const YazdırmaHatası& h) { qDebug() << h.metin(); }
    }
    EXPECT_EQ(sorulan, 0);
    for (QString ad : {"Kabul/ozel", "Korumali"}) {
        sistemYazıcılarınıDeğiştir(std::nullopt);
        try {
            EXPECT_TRUE(geçerliYazıcıyıDeğiştir(ad));
            auto b = belgeAç("Deneme");
            b->yaz("merhaba");
            b->bitir();
        } catch (const YazdırmaHatası& h) { qDebug() << h.metin(); }
        qDebug() << ad << "sorulan" << sorulan;
    }
    parolaSorucusunuDeğiştir({});
    cupsSetServer(nullptr);
}
