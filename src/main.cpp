// Wires the subsystems' windows into the main window's openers and starts the program.
#include "core/Acicilar.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication uygulama(argc, argv);
    return 0;
}
