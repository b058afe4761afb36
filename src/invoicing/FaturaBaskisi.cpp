#include "invoicing/FaturaVerisi.h"

namespace fatura {

bool FaturaYazdır(QWidget*, QAbstractButton*, const FaturaVerisi&) { return false; }

bool İrsaliyeYazdır(QWidget*, QAbstractButton*, const FaturaVerisi&) { return false; }

}  // namespace fatura
