#include "platform/KayitliSorgular.h"

namespace sorgular {

platform::Statement çıkışİşlemleri(platform::Database& db, const QDate& başlangıç, const QDate& bitiş)
{
    platform::Statement s = db.prepare(CikisIslemleriSorgusu);
    s.bind(1, başlangıç);
    s.bind(2, bitiş);
    return s;
}

}  // namespace sorgular
