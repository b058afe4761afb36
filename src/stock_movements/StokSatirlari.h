#pragma once
// The lines of the two working lists, kept as values, with the texts the lists show derived from them;
// the checks that a line must pass before it is added; and the totals of the exit list. The rules and
// texts that the movement change windows share with them are in core/StokKurallari.h.
#include "core/ListeDegeri.h"
#include "core/StokKurallari.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace stok {

// One line of the stock-entry list.
struct GirişSatırı {
    int ürünNo = 0;
    int firmaNo = 0;
    QString firmaAdı;
    QDate tarih;
    double miktar = 0;
    QString birimi;
    QString kodu;
    QString adı;
    std::optional<double> kdvOranı;  // empty when the product has none
    double fiyat = 0;
    int girişiYapan = 0;             // 0 when no person was given
};

// One line of the stock-exit list.
struct ÇıkışSatırı {
    int ürünNo = 0;
    int firmaNo = 0;                 // the reserved buyer for a receipt sale
    QString firmaAdı;                // not shown; named in messages
    QDate tarih;
    double miktar = 0;
    QString birimi;
    QString kodu;
    QString adı;
    double kdvOranı = 0;             // rounded to two decimals, 0 when the product has none
    double fiyat = 0;
    int nedeni = 0;                  // 0 to 5
    int çıkışıYapan = 0;             // 0 when no person was given

    double tutar() const { return miktar * fiyat; }
    double kdvMiktarı() const { return kdvOranı / 100.0 * miktar * fiyat; }
};

// Column values of a line, in the columns' created order (11 for entries, 13 for exits), and the texts
// the list shows for them.
QList<ListeDeğeri> sütunDeğerleri(const GirişSatırı& satır);
QList<ListeDeğeri> sütunDeğerleri(const ÇıkışSatırı& satır);
template <class Satır>
QStringList sütunMetinleri(const Satır& satır);

// A number in its shortest text with a decimal comma and no group dots: 18, 8,5, 0,045.
QString kısaSayı(double değer);

// Where the focus goes after a refusal.
enum class Alan { Yok, NedeniKutusu, FirmaListesi, ÜrünListesi, TarihiKutusu, MiktarıKutusu, FiyatıKutusu };

struct Ret {
    QString metin;
    Alan odak = Alan::Yok;
    bool stokMiktaraYazılsın = false;  // the quantity box receives the stock on hand
};

// What the entry window's boxes hold when the user adds a line.
struct GirişGirdisi {
    std::optional<int> firmaNo;
    std::optional<int> ürünNo;
    QDate tarih;            // invalid when the box holds none
    QString miktarMetni;
    QString fiyatMetni;
};

// The checks of a new entry line, in order; the first that fails is returned.
std::optional<Ret> girişSatırınıDenetle(const GirişGirdisi& girdi, const QList<GirişSatırı>& liste);

struct ÇıkışGirdisi {
    int neden = -1;
    std::optional<int> firmaNo;
    std::optional<int> ürünNo;
    double stok = 0;        // as the product choice showed it
    QDate tarih;
    QString miktarMetni;
    QString fiyatMetni;
};

// The checks of a new exit line, in order, up to the price; the question about a price below the
// lowest purchase price comes after them (satışFiyatıAlıştanDüşükMü).
std::optional<Ret> çıkışSatırınıDenetle(const ÇıkışGirdisi& girdi, const QList<ÇıkışSatırı>& liste);

// Sums of the exit list: the amounts as the list shows them, the VAT of each line unrounded, both.
struct Toplamlar {
    double tutar = 0;
    double kdv = 0;
    double genel = 0;
};
Toplamlar toplamlarıHesapla(const QList<ÇıkışSatırı>& liste);

// The texts of the add refusals and questions.
namespace metin {
inline const QString GirişTekrarı =
    QStringLiteral("Bu ÜRÜN listeye daha önce eklenmiş!\n\nLütfen, ürünü ya da firmayı değiştiriniz.");
inline const QString ÇıkışTekrarı = QStringLiteral("Bu ÜRÜN listeye daha önce eklenmiş!\n\nLütfen, ÜRÜNÜ değiştiriniz.");
inline const QString MevcutKalmamış =
    QStringLiteral("Bu ürünün stokta MEVCUDU kalmamış!\n\nLütfen, başka bir ürün seçiniz.");
inline const QString MiktarStoktanFazla = QStringLiteral("Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!");
inline const QString GirişListesiUyarısı = QStringLiteral(
    "Listenizde stoğa eklenmemiş ürünler var, devam ederseniz bu ürünler stoğa eklenmeyecek!\n\n"
    "Bu ürünleri stoğa eklemeden devam etmek istediğinize emin misiniz?");
inline const QString ÇıkışListesiUyarısı = QStringLiteral(
    "Listenizde stoktan çıkılmamış ürünler var, devam ederseniz bu ürünler stoktan çıkmayacak!\n\n"
    "Bu ürünleri stoktan çıkmadan devam etmek istediğinize emin misiniz?");
}  // namespace metin

}  // namespace stok
