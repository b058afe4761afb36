// Entry point of every test program: an offscreen application with its settings and documents in
// temporary folders, a program for every file type taken as installed (opening switched off), a
// stand-in for ending the program that unwinds instead of leaving, and the printers' saved options in
// files of the program's own (the system's and the user's), empty at the start of every test.
#include "core/BaslangicModulu.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/ProgramSonu.h"
#include "support/BaskiSunucusu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Saved printer options written by a test are gone before the next one.
class SeçenekTemizleyici : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { test::kayıtlıSeçenekleriSil(); }
};

}  // namespace

int main(int argc, char** argv)
{
    // The icons and pictures live in an object of the support library that nothing else refers to.
    Q_INIT_RESOURCE(kavrenta);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ayarDizini;
    qputenv("XDG_CONFIG_HOME", ayarDizini.path().toUtf8());
    QTemporaryDir belgeDizini;
    // The single-instance socket lies in the temporary folder: keep the tests' apart from a running program.
    QTemporaryDir geçiciDizin;
    qputenv("TMPDIR", geçiciDizin.path().toUtf8());
    // libcups reads its configuration (client.conf) and the system's saved printer options (lpoptions)
    // from this folder instead of /etc/cups.
    // Each thread takes the folder from the environment when it first calls libcups: set before anything
    // does, and before any thread is started.
    QTemporaryDir cupsDizini;
    qputenv("CUPS_SERVERROOT", cupsDizini.path().toUtf8());
    // The user's own saved printer options (~/.cups/lpoptions) are those of a home folder of the tests' own.
    QTemporaryDir evDizini;
    qputenv("HOME", evDizini.path().toUtf8());
    // Nor does the runner's own default printer count.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    test::kayıtlıSeçenekleriSil();
    QApplication uygulama(argc, argv);
    // The program ends through its own routine, never because a test closed its last window.
    uygulama.setQuitOnLastWindowClosed(false);
    // The same style and font as the program.
    BaşlangıçModülü::OrtakDenetimleriHazırla();
    kabuk::belgeKlasörünüDeğiştir(belgeDizini.path() + QStringLiteral("/Kavrenta"));
    kabuk::açıcıyıDeğiştir([](const QUrl&) { return true; });
    kabuk::işleyiciDenetiminiDeğiştir([](const QString&) { return true; });
    platform::hesapTablosuDenetiminiDeğiştir([] { return true; });
    program::bitirmeYordamınıDeğiştir([] { throw test::ProgramBitti(); });
    test::beklenmeyenPencereleriKapat();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SeçenekTemizleyici);
    return RUN_ALL_TESTS();
}
