#pragma once
// The invoice layout: sixteen whole millimetres from the paper's edges, kept per user in the section
// "Ayarlar\Fatura", each with a factory value and the bounds its box in the layout window allows. The
// invoice uses all sixteen, the delivery note the first ten.
#include <QString>

#include <array>

namespace fatura {

inline const QString FaturaBölümü = QStringLiteral("Ayarlar\\Fatura");

// The positions in the order in which they are loaded, saved and reset.
enum class Konum {
    MüşteriÜst, MüşteriSol, AdresGenişliği, VergiÜst, VergiSol, TarihÜst, TarihSol, İçerikÜst,
    AdıSol, MiktarSol, FiyatSol, TutarSol, RakamÜst, RakamSol, YazıÜst, YazıSol
};
inline constexpr int KonumSayısı = 16;

struct KonumTanımı {
    const char* anahtar;  // settings key
    const char* kutu;     // its box in the layout window
    int çerçeve;          // the frame of the box (0 to 4)
    const char* etiket;   // the box's caption
    int fabrika;
    int enAz;
    int enÇok;
};

const std::array<KonumTanımı, KonumSayısı>& konumTanımları();
const KonumTanımı& tanım(Konum k);

// The stored value of a position, as the layout window shows it and the prints use it. A key that is
// absent, holds no whole number, or a number outside the bounds of the position's box (a hand-edited
// settings file) gives the factory value, without a message.
int konumOku(Konum k);

// All sixteen at once.
class FaturaDüzeni {
public:
    static FaturaDüzeni fabrika();
    static FaturaDüzeni kayıtlı();  // konumOku of each
    int operator[](Konum k) const { return değerler_[std::size_t(k)]; }
    void set(Konum k, int değer) { değerler_[std::size_t(k)] = değer; }

private:
    std::array<int, KonumSayısı> değerler_{};
};

}  // namespace fatura
