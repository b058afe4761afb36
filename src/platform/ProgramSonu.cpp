#include "platform/ProgramSonu.h"

#include "platform/Ayarlar.h"

#include <cstdlib>

namespace program {

namespace {
std::function<void()>& yerine()
{
    static std::function<void()> y;
    return y;
}
}  // namespace

void bitir()
{
    ayarlar::kaydet();
    if (yerine()) yerine()();
    std::_Exit(0);
}

void bitirmeYordamınıDeğiştir(std::function<void()> yordam) { yerine() = std::move(yordam); }

}  // namespace program
