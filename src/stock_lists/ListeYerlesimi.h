#pragma once
// Places for the controls of the list windows, given in twips as the windows are designed.
#include <QRect>
#include <QtGlobal>

namespace yerleşim {

// Twips to pixels: 15 twips are one pixel.
inline QRect twip(int sol, int üst, int genişlik, int yükseklik)
{
    return QRect(qRound(sol / 15.0), qRound(üst / 15.0), qRound(genişlik / 15.0), qRound(yükseklik / 15.0));
}

}  // namespace yerleşim
