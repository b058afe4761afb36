#pragma once
// One cell of a list view: the value it holds, not its text. The list formats a cell only when it is
// shown, printed or exported, always with the fixed Turkish formats (never the machine's locale):
// numbers "##,##0.00" ("1.234,50"), "###0" ("1235") or the shortest form ("8,5"), dates "dd.MM.yyyy".
//
// Sorting compares the values themselves: texts by the Turkish alphabet without regard to letter case,
// numbers and dates by value; empty cells come first in ascending order.
//
// A cell takes 16 bytes: a number or a date is held in place; a text is held in a buffer of its own,
// shared by the copies of the cell (a list of 100,000 rows keeps its texts once).
#include <QDate>
#include <QString>
#include <QStringView>
#include <atomic>
#include <bit>
#include <utility>

class ListeDeğeri {
public:
    enum class Tür : quint8 { Boş, Metin, Sayı, Tarih };
    // How a number is shown: two decimals with groups ("##,##0.00"); a whole number without groups
    // ("###0", rounded half away from zero; also for counters such as a movement number); or its
    // shortest text, up to 15 significant digits, with a decimal comma and no groups ("18", "8,5",
    // "0,000008"), for rates and figures that are shown as they were computed.
    enum class Biçim : quint8 { Tutar, TamSayı, Kısa };

    ListeDeğeri() noexcept = default;  // an empty cell
    ListeDeğeri(const QString& metin) : ListeDeğeri(QStringView(metin)) {}  // NOLINT: a text is a cell
    ListeDeğeri(const char* metin) : ListeDeğeri(QString::fromUtf8(metin)) {}  // NOLINT
    explicit ListeDeğeri(QStringView metin);
    static ListeDeğeri sayı(double değer, Biçim biçim = Biçim::Tutar)
    {
        ListeDeğeri d;
        d.yer_ = std::bit_cast<quint64>(değer);
        d.tür_ = Tür::Sayı;
        d.biçim_ = biçim;
        return d;
    }
    static ListeDeğeri tarih(const QDate& tarih)
    {
        ListeDeğeri d;
        if (!tarih.isValid()) return d;
        d.yer_ = quint64(tarih.toJulianDay());
        d.tür_ = Tür::Tarih;
        return d;
    }

    ListeDeğeri(const ListeDeğeri& öbür) noexcept : yer_(öbür.yer_), tür_(öbür.tür_), biçim_(öbür.biçim_)
    {
        if (Metin* m = metinYeri()) m->sayaç.fetch_add(1, std::memory_order_relaxed);
    }
    ListeDeğeri(ListeDeğeri&& öbür) noexcept : yer_(öbür.yer_), tür_(öbür.tür_), biçim_(öbür.biçim_)
    {
        öbür.yer_ = 0;
        öbür.tür_ = Tür::Boş;
    }
    ListeDeğeri& operator=(const ListeDeğeri& öbür) noexcept
    {
        ListeDeğeri kopya(öbür);
        takas(kopya);
        return *this;
    }
    ListeDeğeri& operator=(ListeDeğeri&& öbür) noexcept
    {
        ListeDeğeri taşınan(std::move(öbür));
        takas(taşınan);
        return *this;
    }
    ~ListeDeğeri()
    {
        if (Metin* m = metinYeri()) bırak(m);
    }

    Tür tür() const { return tür_; }
    bool boşMu() const { return tür_ == Tür::Boş; }
    Biçim biçim() const { return biçim_; }
    QString metin() const { return metinGörünümü().toString(); }  // "" unless a text
    double sayı() const { return tür_ == Tür::Sayı ? std::bit_cast<double>(yer_) : 0.0; }  // 0 unless a number
    // The number as its text shows it: rounded to hundredths (Tutar) or to a whole number (TamSayı), as
    // held (Kısa). What an export writes, so that a sheet adds up as the list reads.
    double gösterilenSayı() const;
    QDate tarih() const { return tür_ == Tür::Tarih ? QDate::fromJulianDay(qint64(yer_)) : QDate(); }
    // The text without a copy, valid while the cell (or a copy of it) lives; empty unless a text.
    QStringView metinGörünümü() const
    {
        const Metin* m = metinYeri();
        return m ? QStringView(reinterpret_cast<const char16_t*>(m + 1), m->uzunluk) : QStringView();
    }

    // The text the list shows ("" for an empty cell).
    QString görünen() const;

    bool operator==(const ListeDeğeri& öbür) const;

    void takas(ListeDeğeri& öbür) noexcept
    {
        std::swap(yer_, öbür.yer_);
        std::swap(tür_, öbür.tür_);
        std::swap(biçim_, öbür.biçim_);
    }

private:
    // A text's buffer: the number of cells that hold it and its length, then its UTF-16 characters.
    struct Metin {
        std::atomic<qint32> sayaç;
        qint32 uzunluk;
    };
    Metin* metinYeri() const
    {
        return tür_ == Tür::Metin ? reinterpret_cast<Metin*>(static_cast<quintptr>(yer_)) : nullptr;
    }
    static void bırak(Metin* m);

    // A number's bits, a date's Julian day or the address of a text's buffer (0 for an empty text).
    quint64 yer_ = 0;
    Tür tür_ = Tür::Boş;
    Biçim biçim_ = Biçim::Tutar;
};

// A cell may be moved in memory as its bytes: it holds no address of itself.
Q_DECLARE_TYPEINFO(ListeDeğeri, Q_RELOCATABLE_TYPE);
