#pragma once
// The amount of an invoice in Turkish words, as it is printed under the grand total.
#include <QString>

// Turns an amount text as the invoicing window shows it ("1.234,56") into words joined without spaces:
// the lira words, "TL", then the kuruş words and "Kuruş" when there are any
// ("BinİkiYüzOtuzDörtTLElliAltıKuruş"). A zero lira part gives no words before "TL"; one decimal digit is
// tens of kuruş ("15,5" -> "OnBeşTLElliKuruş"); a text without a comma is whole lira. Up to 15 lira digits
// (trillions) are named. A negative amount is written with "Eksi" before its words. The function reads
// nothing else and never fails: a character that is not a digit counts as 0.
QString YazıyaÇevir(const QString& tutar);
