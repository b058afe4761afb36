#pragma once
// Ending the program at once: no window receives its closing events. Tests put a routine in place
// that records the call and unwinds instead of leaving the process.
#include <functional>

namespace program {

[[noreturn]] void bitir();
// Replaces the end routine; an empty function restores the real one. The replacement must not return
// normally (it throws); if it does, the process ends all the same.
void bitirmeYordamınıDeğiştir(std::function<void()> yordam);

}  // namespace program
