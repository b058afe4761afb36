#pragma once
// The per-user settings store: sections and keys as the program names them ("Listeler\Liste-5"),
// kept in an INI file under the organisation "Velnaro" and the application "Kavrenta".
#include <QString>
#include <QStringList>
#include <QVariant>

namespace ayarlar {

QString oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan = {});
void yaz(const QString& bölüm, const QString& anahtar, const QString& değer);
void anahtarıSil(const QString& bölüm, const QString& anahtar);
void bölümüSil(const QString& bölüm);
// The keys of a section, in the store's order, and their values.
QStringList anahtarlar(const QString& bölüm);
QList<QPair<QString, QString>> tümü(const QString& bölüm);
// Writes pending changes to disk (before the program ends at once).
void kaydet();

// Booleans as the store keeps them: "-1" true, "0" false; "True"/"False" are read too.
bool mantıksalOku(const QString& bölüm, const QString& anahtar, bool varsayılan);
QString mantıksalMetin(bool değer);

}  // namespace ayarlar
