// Entry point of every test program: an offscreen application with its settings and documents in
// temporary folders, a spreadsheet program taken as installed (opening switched off), and a stand-in
// for ending the program that unwinds instead of leaving.
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/ProgramSonu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ayarDizini;
    qputenv("XDG_CONFIG_HOME", ayarDizini.path().toUtf8());
    QTemporaryDir belgeDizini;
    QApplication uygulama(argc, argv);
    kabuk::belgeKlasörünüDeğiştir(belgeDizini.path() + QStringLiteral("/Kavrenta"));
    kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
    platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
    program::bitirmeYordamınıDeğiştir([] { throw test::ProgramBitti(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
