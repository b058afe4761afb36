#pragma once
// Ending the program at once: no window receives its closing events. Tests put a routine in place
// that records the call and unwinds instead of leaving the process.
#include <functional>

namespace program {

[[noreturn]] void bitir();
// From now on SIGTERM (a system shutdown, `kill`) asks the program to end as the desktop's logout does
// (QCoreApplication::quit()): its windows are closed, the main window asking as it does, and a request
// given during a print's wait on the print server is carried out once the print is over; another SIGTERM
// meanwhile is held with it. Called once the program's event loop runs; before, SIGTERM ends the program
// at once.
void sonlandırmaSinyaliniAl();

// Replaces the end routine; an empty function restores the real one. The replacement must not return
// normally (it throws); if it does, the process ends all the same.
void bitirmeYordamınıDeğiştir(std::function<void()> yordam);

}  // namespace program
