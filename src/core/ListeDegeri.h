#pragma once
// One cell of a list view: the value it holds, not its text. The list formats a cell only when it is
// shown, printed or exported, always with the fixed Turkish formats (core never asks the machine's
// locale): numbers "##,##0.00" ("1.234,50") or "###0" ("1235"), dates "dd.MM.yyyy".
//
// Sorting compares the values themselves: texts by the Turkish alphabet without regard to letter case,
// numbers and dates by value; empty cells come first in ascending order.
#include <QDate>
#include <QString>

class ListeDeğeri {
public:
    enum class Tür : quint8 { Boş, Metin, Sayı, Tarih };
    // How a number is shown: two decimals with groups ("##,##0.00"), a whole number without groups
    // ("###0", rounded half away from zero; also for counters such as a movement number), or as the number
    // reads, without groups and with as many decimals as it has ("12,5", "10"; up to 15 digits).
    enum class Biçim : quint8 { Tutar, TamSayı, Genel };

    ListeDeğeri() = default;  // an empty cell
    ListeDeğeri(const QString& metin) : metin_(metin), tür_(Tür::Metin) {}  // NOLINT: a text is a cell
    ListeDeğeri(const char* metin) : ListeDeğeri(QString::fromUtf8(metin)) {}  // NOLINT
    static ListeDeğeri sayı(double değer, Biçim biçim = Biçim::Tutar)
    {
        ListeDeğeri d;
        d.sayı_ = değer;
        d.tür_ = Tür::Sayı;
        d.biçim_ = biçim;
        return d;
    }
    static ListeDeğeri tarih(const QDate& tarih)
    {
        ListeDeğeri d;
        if (!tarih.isValid()) return d;
        d.sayı_ = double(tarih.toJulianDay());
        d.tür_ = Tür::Tarih;
        return d;
    }

    Tür tür() const { return tür_; }
    bool boşMu() const { return tür_ == Tür::Boş; }
    Biçim biçim() const { return biçim_; }
    QString metin() const { return tür_ == Tür::Metin ? metin_ : QString(); }  // "" unless a text
    double sayı() const { return tür_ == Tür::Sayı ? sayı_ : 0.0; }             // 0 unless a number
    QDate tarih() const { return tür_ == Tür::Tarih ? QDate::fromJulianDay(qint64(sayı_)) : QDate(); }

    // The text the list shows ("" for an empty cell).
    QString görünen() const;

    bool operator==(const ListeDeğeri& öbür) const
    {
        return tür_ == öbür.tür_ && biçim_ == öbür.biçim_ && sayı_ == öbür.sayı_ && metin_ == öbür.metin_;
    }

private:
    QString metin_;
    double sayı_ = 0;  // a number, or a date's Julian day
    Tür tür_ = Tür::Boş;
    Biçim biçim_ = Biçim::Tutar;
};
