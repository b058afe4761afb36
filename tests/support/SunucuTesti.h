#pragma once
// Fixtures of the window tests. SunucuTesti: the settings cleared and a fresh server folder opened as the
// program's database. BelgeTesti: besides, the documents folder a temporary one and every written file
// caught instead of opened (`açılanlar`), and the printers replaced by the given ones with every document
// recorded (`kayıtlar`).
#include "core/OrtakDegiskenler.h"
#include "platform/YaziciKaydedici.h"
#include "platform/Yazicilar.h"
#include "support/AcilanDosyalar.h"
#include "support/Ortam.h"

#include <memory>

namespace test {

class SunucuTesti : public ::testing::Test {
protected:
    void SetUp() override
    {
        ayarlarıTemizle();
        sunucu_ = std::make_unique<SunucuKlasörü>();
    }
    platform::Database& db() { return sunucu_->db(); }

    std::unique_ptr<SunucuKlasörü> sunucu_;
};

class BelgeTesti : public SunucuTesti {
protected:
    explicit BelgeTesti(QList<yazdırma::Yazıcı> yazıcılar = {}) : yazıcılar_(std::move(yazıcılar)) {}
    void SetUp() override
    {
        SunucuTesti::SetUp();
        yazdırma::sistemYazıcılarınıDeğiştir(yazıcılar_);
        yazdırma::kaydediciyeYönlendir(kayıtlar);
    }
    void TearDown() override
    {
        yazdırma::kaydediciyeYönlendir(nullptr);
        yazdırma::sistemYazıcılarınıDeğiştir(std::nullopt);
        YazıcıVar = false;
        OndalıklıMiktar = 1;
    }

    AçılanDosyalar açılanlar;
    std::shared_ptr<yazdırma::YazıcıKayıtları> kayıtlar = std::make_shared<yazdırma::YazıcıKayıtları>();

private:
    QList<yazdırma::Yazıcı> yazıcılar_;
};

}  // namespace test
