#include "invoicing/YaziyaCevir.h"

#include <array>

namespace {

int rakam(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : 0; }

}  // namespace

QString YazıyaÇevir(const QString& tutar)
{
    static const std::array<QString, 10> birler = {QString(), "Bir", "İki", "Üç", "Dört", "Beş", "Altı", "Yedi",
                                                   "Sekiz", "Dokuz"};
    static const std::array<QString, 10> onlar = {QString(), "On", "Yirmi", "Otuz", "Kırk", "Elli", "Altmış",
                                                  "Yetmiş", "Seksen", "Doksan"};
    static const std::array<QString, 5> gruplar = {"Trilyon", "Milyar", "Milyon", "Bin", QString()};

    QString metin = tutar.trimmed();
    const bool eksi = metin.startsWith(QLatin1Char('-'));
    if (eksi) metin.remove(0, 1);

    // Lira and kuruş parts, split at the last comma. Group dots of the lira part are no digits.
    const int virgül = metin.lastIndexOf(QLatin1Char(','));
    QString lira = virgül >= 0 ? metin.left(virgül) : metin;
    QString kuruş = virgül >= 0 ? metin.mid(virgül + 1) : QString();
    lira.remove(QLatin1Char('.'));
    while (!lira.isEmpty() && rakam(lira[0]) == 0) lira.remove(0, 1);
    if (kuruş.size() == 1) kuruş += QLatin1Char('0');
    kuruş.truncate(2);  // further decimals are below a kuruş

    // Fifteen digits, the most significant first.
    std::array<int, 15> hane{};
    const QString dolgulu = lira.rightJustified(15, QLatin1Char('0'), true);
    for (int i = 0; i < 15; ++i) hane[i] = rakam(dolgulu[i]);

    QString sonuç;
    for (int g = 0; g < 5; ++g) {
        const int yüzler = hane[3 * g], on = hane[3 * g + 1], bir = hane[3 * g + 2];
        QString grup;
        if (yüzler == 1) grup = QStringLiteral("Yüz");
        else if (yüzler > 1) grup = birler[yüzler] + QStringLiteral("Yüz");
        grup += onlar[on] + birler[bir];
        if (!grup.isEmpty()) grup += gruplar[g];
        if (g == 3 && grup == QLatin1String("BirBin")) grup = QStringLiteral("Bin");
        sonuç += grup;
    }

    QString kuruşSözü;
    if (!kuruş.isEmpty()) {
        kuruşSözü = onlar[rakam(kuruş.front())] + birler[rakam(kuruş.back())];
        if (!kuruşSözü.isEmpty()) kuruşSözü += QStringLiteral("Kuruş");
    }

    // Zero is no amount to put a sign before.
    const bool sıfır = sonuç.isEmpty() && kuruşSözü.isEmpty();
    return (eksi && !sıfır ? QStringLiteral("Eksi") : QString()) + sonuç + QStringLiteral("TL") + kuruşSözü;
}
