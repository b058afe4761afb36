#pragma once
// Routines every window calls: the common error reporter, text selection and the path test.
#include "platform/Database.h"

#include <QString>
#include <exception>

class QWidget;

// The common error reporter. A lost network or path (3043, 3044) and a file that cannot be opened
// (3051) show their message and end the program; 3356 is cleared silently; any other error shows its
// number and text and asks whether to go on: "Hayır" ends the program, "Evet" returns to the caller.
void OrtakHataİşleyici(int numara, const QString& açıklama);
void OrtakHataİşleyici(const platform::DbError& hata);
// Any other exception is reported with the general number.
void OrtakHataİşleyici(const std::exception& hata);

// Runs one statement of a routine under the common error trapping: an error goes to the reporter and,
// when the user goes on, this returns so that the routine continues with its next statement.
template <typename F>
void HatadaDevam(F&& iş)
{
    try {
        iş();
    } catch (const std::exception& hata) {
        OrtakHataİşleyici(hata);
    }
}
// Runs one statement and skips an error without a message.
template <typename F>
void HatayıAtla(F&& iş)
{
    try {
        iş();
    } catch (const std::exception&) {
    }
}

// The texts the reporter and the connection windows show for the file and network errors.
QString AğHatasıMetni();
QString DosyaErişimHatasıMetni();

// Selects the whole text of a box that has one; does nothing for other controls.
void TümünüSeç(QWidget* denetim);

// True when a file or a folder exists at the path.
bool DosyaVarMı(const QString& yol);

// The scrambling of the login password: each character is replaced over the table with a repeating key
// (the table's character at the key character's index less the character's own, modulo the table's
// length). Scrambling and unscrambling are the same call. A character that is not in the table gives
// nothing, and the key moves on all the same.
QString ŞifreDönüştür(const QString& metin, const QString& tablo, const QString& anahtar);
inline const QString ŞifreTablosu = QStringLiteral("8274015963");
inline const QString ŞifreAnahtarı = QStringLiteral("6093");
