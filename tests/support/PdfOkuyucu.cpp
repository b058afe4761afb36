#include "support/PdfOkuyucu.h"

#include <QProcess>
#include <QRegularExpression>

namespace test {

QList<PdfSözcüğü> pdfSözcükleri(const QString& dosya)
{
    constexpr double MmBaşınaPunto = 72.0 / 25.4;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), dosya, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression sayfaİfadesi(QStringLiteral("<page "));
    static const QRegularExpression sözcükİfadesi(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    QList<PdfSözcüğü> sonuç;
    int sayfa = 0;
    for (const QString& satır : html.split(QLatin1Char('\n'))) {
        if (satır.contains(sayfaİfadesi)) ++sayfa;
        const auto m = sözcükİfadesi.match(satır);
        if (!m.hasMatch()) continue;
        const double x1 = m.captured(1).toDouble() / MmBaşınaPunto;
        const double x2 = m.captured(3).toDouble() / MmBaşınaPunto;
        sonuç.append({sayfa, x1, m.captured(2).toDouble() / MmBaşınaPunto, x2 - x1, m.captured(4)});
    }
    return sonuç;
}

}  // namespace test
