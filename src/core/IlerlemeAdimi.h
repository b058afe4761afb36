#pragma once
// The one rule by which every list fill and spreadsheet export moves the progress window's bar: by
// thousandths of its rows. Each set of the bar repaints it and formats its text again, which over a
// million rows costs more than the rest of the fill, and the bar shows no finer step anyway.
//
//     İlerlemeAdımı adım(çubuk, satırSayısı);
//     while (...) { adım.ilerle(); ... }
//     adım.bitir();
#include <QtGlobal>
#include <limits>

class QProgressBar;

class İlerlemeAdımı {
public:
    // How the bar's range is set from the row count; each list keeps the range it always had.
    enum class Aralık {
        EnAzBir,     // 0 to the count, at least 1 (an empty range would show the busy bar)
        SayıArtıBir, // 0 to the count plus one: the bar never fills
        BoşsaDokunma // 0 to the count; with no row counted the bar keeps the range it has
    };
    // The bar's value is the number of the row in hand. With no bar, nothing is shown.
    İlerlemeAdımı(QProgressBar* çubuk, int satırSayısı, Aralık aralık = Aralık::EnAzBir);
    İlerlemeAdımı(QProgressBar& çubuk, int satırSayısı, Aralık aralık = Aralık::EnAzBir)
        : İlerlemeAdımı(&çubuk, satırSayısı, aralık) {}

    // One more row is in. The bar is set when the row begins a new thousandth; the counted last row sets
    // it to that row, and rows beyond the count leave it there.
    void ilerle()
    {
        if (++sıra_ >= sonraki_) ayarla();
    }
    // Every row is in: the bar at the last row that came (a thousandth step may have passed it over), also
    // when fewer rows came than were counted.
    void bitir();

private:
    void ayarla();

    QProgressBar* çubuk_;
    qint64 toplam_;
    qint64 sıra_ = 0;
    qint64 sonraki_ = std::numeric_limits<qint64>::max();
};
