#pragma once
// Turkish text, numbers and dates, fixed to Turkish whatever the machine's locale.
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>
#include <vector>

namespace turkce {

// Upper-case by the Turkish rule: i -> İ, ı -> I, the rest as the Turkish locale says.
QString büyükHarf(const QString& metin);
QChar büyükHarf(QChar harf);
// Lower-case by the Turkish rule: I -> ı, İ -> i.
QString küçükHarf(const QString& metin);
// The form in which two texts compare equal without regard to letter case (Turkish upper case).
QString katla(const QString& metin);
// Collation order of the Turkish alphabet; < 0, 0, > 0. Case-insensitive when the flag says so.
int karşılaştır(const QString& a, const QString& b, bool harfBüyüklüğüneDuyarlı = false);
// The order of the texts in the Turkish alphabet without regard to letter case, ascending or descending:
// the indexes of the texts, texts that sort equal in the order they had (a stable sort). Each distinct
// text is collated once, so a column in which many rows name the same thing sorts fast.
std::vector<int> sıralamaDizini(const std::vector<QStringView>& metinler, bool azalan = false);
bool eşit(const QString& a, const QString& b);  // equal without regard to letter case
bool ileBaşlar(const QString& metin, const QString& önEk);  // prefix test without regard to letter case

// Reads a number in the Turkish format: a decimal comma, and dots between thousands groups ("1.234,50";
// "1.5" is no number). An optional leading minus sign is read too. Blanks at both ends are ignored.
// A text that is no number reads as 0 with `tamam` false.
bool sayıMı(const QString& metin);
double sayıOku(const QString& metin, bool* tamam = nullptr);
// The looser test of a number box while it is typed or edited: a dot may stand between any two digits of
// the whole part, so that taking a digit out of "1.234,50" does not make the text stop being a number.
bool yazılırkenSayıMı(const QString& metin);

// "##,##0.00": 1234.5 -> "1.234,50".
QString tutarBiçimi(double değer);
// "###0": 1234.5 -> "1235".
QString tamSayıBiçimi(double değer);
// The value a number shows with the given decimals, rounded as the formats above round it: yuvarla(x, 2)
// reads as tutarBiçimi(x) reads, yuvarla(x, 0) as tamSayıBiçimi(x).
double yuvarla(double değer, int ondalık);
// The shortest text of a number, up to 15 significant digits, never in exponent form, with a decimal
// comma and no groups: 18, 8,5, 0,000008.
QString kısaSayıBiçimi(double değer);
// Quantities on printed pages: two decimals when decimal quantities are on, whole numbers otherwise.
QString miktarBiçimi(double değer, bool ondalıklı);

// Dates as the user sees them ("07.12.2026") and as they are stored ("2026-12-07").
QString tarihBiçimi(const QDate& tarih);
QString tarihSaklama(const QDate& tarih);
// Reads a stored date; a time part after the date is ignored.
QDate saklananTarih(const QString& metin);
// The same, read straight from the database engine's UTF-8 text: a long list reads a day in every row.
QDate saklananTarihUtf8(QByteArrayView metin);

}  // namespace turkce
