#include "core/Acicilar.h"

#include <QHash>

namespace açıcılar {

namespace {
QHash<QString, Açıcı>& tablo()
{
    static QHash<QString, Açıcı> t;
    return t;
}
}  // namespace

void kaydet(const QString& ad, Açıcı açıcı) { tablo().insert(ad, std::move(açıcı)); }

bool varMı(const QString& ad) { return tablo().contains(ad); }

bool aç(const QString& ad, QWidget* sahip)
{
    const auto it = tablo().constFind(ad);
    if (it == tablo().constEnd() || !*it) return false;
    (*it)(sahip);
    return true;
}

void temizle() { tablo().clear(); }

}  // namespace açıcılar
