#pragma once
// The two working lists as spreadsheet tables: sheet name, title, the header cells with the lists'
// current widths, and the rows in the lists' current order with their number columns as numbers.
#include "platform/CalismaKitabi.h"

class ListeGörünümü;

namespace stok {

// Task codes of the two exports behind the progress window.
inline const QString GirişListesiGörevi = QStringLiteral("11");
inline const QString ÇıkışListesiGörevi = QStringLiteral("12");

platform::ListeTablosu girişListesiTablosu(const ListeGörünümü& liste);
platform::ListeTablosu çıkışListesiTablosu(const ListeGörünümü& liste);

}  // namespace stok
