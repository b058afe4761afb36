#pragma once
// The font families an invoice can be printed in: scalable outline families that hold the Turkish
// letters, in the system's order, without vertical-writing ("@") families.
#include <QStringList>

class QComboBox;

// The qualifying families.
QStringList türkçeYazıTipleri();
// Replaces the list's entries by the qualifying families.
void YazıTipleriniListele(QComboBox* liste);
