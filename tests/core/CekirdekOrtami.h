#pragma once
// The common ground of the start-up and main-window tests: a first start (no settings, no openers, no
// database, no main window) before each test, and nothing left behind after it.
#include "core/Acicilar.h"
#include "core/AnaForm.h"
#include "core/KarsilamaFormu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/Kabuk.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QStringList>

#include <gtest/gtest.h>

class ÇekirdekTesti : public ::testing::Test {
protected:
    void SetUp() override
    {
        temizle();
        test::ayarlarıTemizle();
        açıcılar::temizle();
    }
    void TearDown() override
    {
        temizle();
        açıcılar::temizle();
        kabuk::klasörSeçiciyiDeğiştir(nullptr);
    }

    static void temizle()
    {
        delete AnaForm::örnek();
        KarşılamaFormu::Kapat();
        QApplication::processEvents();
        AçıkVeritabanı.reset();
        SunucuYolu.clear();
        GirişŞifresiSor = false;
        UyarıVar = 0;
        YazıcıVar = true;
        StokListesiTürü = 0;
        SeçiliFirmaTablosu.clear();
        ListelerMenüsüTag.clear();
        kabuk::tekKopyayıBırak();
    }

    // The folder chooser answers with these folders in turn, then as cancelled.
    static void klasörSeçimleri(QStringList klasörler)
    {
        auto sıra = std::make_shared<QStringList>(std::move(klasörler));
        kabuk::klasörSeçiciyiDeğiştir([sıra](QWidget*, const QString&) {
            return sıra->isEmpty() ? QString() : sıra->takeFirst();
        });
    }
};
