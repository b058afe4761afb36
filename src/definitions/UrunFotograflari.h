#pragma once
// Product photos: the "Images" folder of the server folder, the lookup of a photo file without regard to
// letter case, the free names under which a new photo is stored, and the preview picture that the photo
// picker draws and the product window stores.
//
// A photo file holds the preview picture (the inner size of the photo box, the picture fitted and centred on
// white) written as a bitmap, under the name of the file the user picked, whatever that file's format.
#include <QImage>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <stdexcept>

namespace ürün {

// Inner size of the photo boxes (1800 x 1365 twips less their sunken border): the size of a stored photo.
inline constexpr QSize FotoğrafKutusuİçBoyutu{116, 87};
inline constexpr QSize FotoğrafKutusuBoyutu{120, 91};

// A photo file could not be written, replaced or removed; the text names the file.
struct FotoğrafHatası : std::runtime_error {
    explicit FotoğrafHatası(const QString& metin) : std::runtime_error(metin.toStdString()) {}
};

// SunucuYolu + "/Images".
QString fotoğrafKlasörü(const QString& sunucuYolu);

// The form in which two photo names compare equal: letter case ignored, the dotted and dotless i taken
// as one letter, so that a name matches whether the file system that holds it folds case by the Turkish
// rule or not.
QString fotoğrafAnahtarı(const QString& ad);
bool aynıFotoğrafAdı(const QString& a, const QString& b);

// True for the name of a file in the photo folder itself: not empty, not "." or "..", without a folder
// separator or a NUL character. No other name is ever read, written or deleted as a photo.
bool düzDosyaAdıMı(const QString& ad);

// The path of an existing photo file: the exact spelling first, then any file of the folder whose name
// differs only in letter case (older data from a file system that ignores case). Empty when none exists, and
// for a name that holds a folder.
QString fotoğrafDosyasınıBul(const QString& klasör, const QString& ad);

// Keys (fotoğrafAnahtarı) of the names of the files in a folder.
QSet<QString> dosyaAnahtarları(const QString& klasör);

// "stem-2.ext", "stem-3.ext", ...: the n-th derived name of a picked file name.
QString türetilmişAd(const QString& ad, int n);

// The name under which a photo picked as `seçilenAd` is stored for a product whose own photo is `kendiAdı`
// (empty for none): the picked name, unless another product names it (`başkalarınınAdları`, keys) or a file of
// that name exists (`dosyalar`, keys) that is not the product's own; then the first free derived name.
QString serbestAd(const QString& seçilenAd, const QString& kendiAdı, const QSet<QString>& başkalarınınAdları,
                  const QSet<QString>& dosyalar);

// Where a picture of the given size is drawn in a box of the given inner size: the whole picture, as large
// as fits, centred. Sizes are rounded to the nearest whole pixel, a half to the even neighbour.
QRect önizlemeAlanı(QSize resim, QSize kutu);
// The preview picture: the box's size, white, with the picture drawn in önizlemeAlanı.
QImage önizlemeResmi(const QImage& resim, QSize kutu = FotoğrafKutusuİçBoyutu);

// Reads a picture file whatever its extension says (a stored photo is a bitmap under a .jpg name too).
QImage resmiOku(const QString& yol);

}  // namespace ürün
