#include "platform/ProgramSonu.h"

#include "platform/Ayarlar.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace program {

namespace {
std::function<void()>& yerine()
{
    static std::function<void()> y;
    return y;
}
// The signal's handler may only write a byte; the event loop reads it.
int sinyalBorusu[2] = {-1, -1};

void sinyalGeldi(int)
{
    const int hata = errno;
    [[maybe_unused]] const ssize_t n = ::write(sinyalBorusu[1], "x", 1);
    errno = hata;
}
}  // namespace

void sonlandırmaSinyaliniAl()
{
    if (sinyalBorusu[0] < 0) {
        if (::pipe2(sinyalBorusu, O_CLOEXEC | O_NONBLOCK) != 0) return;
        auto* okuyan = new QSocketNotifier(sinyalBorusu[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(okuyan, &QSocketNotifier::activated, [] {
            char b[16];
            while (::read(sinyalBorusu[0], b, sizeof b) > 0) {}
            QCoreApplication::quit();
        });
    }
    // The handler stays for every SIGTERM that follows (no SA_RESETHAND): a second one given during a
    // print is held as the first, not the end of the process.
    struct sigaction eylem {};
    eylem.sa_handler = &sinyalGeldi;
    sigemptyset(&eylem.sa_mask);
    eylem.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &eylem, nullptr);
}

void bitir()
{
    ayarlar::kaydet();
    if (yerine()) yerine()();
    std::_Exit(0);
}

void bitirmeYordamınıDeğiştir(std::function<void()> yordam) { yerine() = std::move(yordam); }

}  // namespace program
