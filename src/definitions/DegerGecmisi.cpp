#include "definitions/DegerGecmisi.h"

#include "platform/Ayarlar.h"
#include "platform/TurkceMetin.h"

#include <algorithm>
#include <climits>

namespace değerGeçmişi {

QStringList oku(const Tanım& tanım)
{
    struct Değer {
        int sıra;
        QString değer;
    };
    QList<Değer> değerler;
    for (const auto& [anahtar, değer] : ayarlar::tümü(tanım.bölüm)) {
        bool sayı = false;
        const int sıra = anahtar.startsWith(tanım.önEk) ? anahtar.mid(tanım.önEk.size()).toInt(&sayı) : 0;
        değerler.append({sayı ? sıra : INT_MAX, değer});
    }
    // The store lists keys by name ("Birim-10" before "Birim-2"); the number decides.
    std::stable_sort(değerler.begin(), değerler.end(), [](const Değer& a, const Değer& b) { return a.sıra < b.sıra; });
    QStringList sonuç;
    for (const Değer& d : değerler) sonuç.append(d.değer);
    return sonuç;
}

bool ekle(QStringList& liste, const QString& değer, const Tanım& tanım)
{
    if (değer.trimmed().isEmpty()) return false;
    for (const QString& d : liste)
        if (turkce::eşit(d, değer)) return false;
    liste.prepend(değer);
    while (liste.size() > EnÇokDeğer) liste.removeLast();
    // Rewritten whole, so that key 1 always holds the newest value and the order survives a restart.
    ayarlar::bölümüSil(tanım.bölüm);
    for (int i = 0; i < liste.size(); ++i) ayarlar::yaz(tanım.bölüm, tanım.önEk + QString::number(i + 1), liste[i]);
    ayarlar::kaydet();
    return true;
}

}  // namespace değerGeçmişi
