#pragma once
// Reads a list view back as the user sees it: the shown texts of one row or of one column.
#include "core/ListeGorunumu.h"

#include <QStringList>

namespace test {

inline QStringList satır(const ListeGörünümü* l, int r)
{
    QStringList s;
    for (int c = 0; c < l->sütunSayısı(); ++c) s << l->hücre(r, c);
    return s;
}

inline QStringList sütun(const ListeGörünümü* l, int c)
{
    QStringList s;
    for (int r = 0; r < l->satırSayısı(); ++r) s << l->hücre(r, c);
    return s;
}

}  // namespace test
