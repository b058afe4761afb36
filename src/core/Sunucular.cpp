#include "core/Sunucular.h"

#include "platform/Ayarlar.h"

#include <QMap>

namespace sunucular {

namespace {
const QString Önek = QStringLiteral("Sunucu-");
}

QStringList oku()
{
    // The keys by their numbers ("Sunucu-10" after "Sunucu-9"), whatever order the store lists them in.
    QMap<int, QString> sıralı;
    QStringList diğerleri;
    for (const auto& [anahtar, değer] : ayarlar::tümü(Bölüm)) {
        bool sayı = false;
        const int n = anahtar.startsWith(Önek) ? anahtar.mid(Önek.size()).toInt(&sayı) : 0;
        if (sayı) sıralı.insert(n, değer);
        else diğerleri << değer;
    }
    return QStringList(sıralı.values()) + diğerleri;
}

void yaz(int sıra, const QString& klasör) { ayarlar::yaz(Bölüm, Önek + QString::number(sıra + 1), klasör); }

void hepsiniSil() { ayarlar::bölümüSil(Bölüm); }

int sonSıra()
{
    bool sayı = false;
    const int n = ayarlar::oku(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), QStringLiteral("0"))
                      .trimmed()
                      .toInt(&sayı);
    return sayı && n > 0 ? n : 0;
}

void sonSırayıYaz(int sıra)
{
    ayarlar::yaz(QStringLiteral("Ayarlar"), QStringLiteral("Veritabani"), QString::number(sıra));
}

}  // namespace sunucular
