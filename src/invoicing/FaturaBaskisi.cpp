#include "invoicing/FaturaVerisi.h"

#include "platform/TurkceMetin.h"

namespace fatura {

QString paraBiçimi(Para tutar) { return turkce::tutarBiçimi(double(tutar) / ParaBirimi); }

bool FaturaYazdır(QWidget*, QAbstractButton*, const FaturaVerisi&) { return false; }

bool İrsaliyeYazdır(QWidget*, QAbstractButton*, const FaturaVerisi&) { return false; }

}  // namespace fatura
