#pragma once
// Message boxes: real modal boxes with the program's texts, Turkish buttons, centred over the active
// window, titled "Kavrenta" unless another title is given.
#include <QString>

class QWidget;

namespace mesaj {

enum class Simge { Yok, Bilgi, Ünlem, Soru, Kritik };
enum class Düğmeler { Tamam, TamamİptalEt, EvetHayır, EvetHayırİptal };
enum class Yanıt { Tamam, İptal, Evet, Hayır };

inline const QString VarsayılanBaşlık = QStringLiteral("Kavrenta");

// Shows the box and returns the button the user chose. The first button is the default unless
// another is given. `ortala` false leaves the box where the platform puts it.
Yanıt göster(const QString& metin, Simge simge = Simge::Yok, Düğmeler düğmeler = Düğmeler::Tamam,
             const QString& başlık = VarsayılanBaşlık, bool ortala = true);
Yanıt göster(const QString& metin, Simge simge, Düğmeler düğmeler, Yanıt varsayılan,
             const QString& başlık = VarsayılanBaşlık, bool ortala = true);

// The window over which the next box is centred: the active window, unless it is minimised or lies
// partly at negative screen coordinates (then the box goes where the platform puts it).
QWidget* sahipPencere();

}  // namespace mesaj
