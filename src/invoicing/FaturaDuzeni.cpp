#include "invoicing/FaturaDuzeni.h"

#include "platform/Ayarlar.h"

namespace fatura {

const std::array<KonumTanımı, KonumSayısı>& konumTanımları()
{
    static const std::array<KonumTanımı, KonumSayısı> t{{
        {"Musteri Adi Ust", "MüşteriÜstBoşluğuKutusu", 0, "Üst Boşluk :", 65, 10, 100},
        {"Musteri Adi Sol", "MüşteriSolBoşluğuKutusu", 0, "Sol Boşluk :", 35, 10, 140},
        {"Adres Genisligi", "MüşteriGenişliğiKutusu", 0, "Genişlik :", 55, 40, 70},
        {"Vergi Ust", "VergiÜstBoşluğuKutusu", 1, "Üst Boşluk :", 100, 10, 110},
        {"Vergi Sol", "VergiSolBoşluğuKutusu", 1, "Sol Boşluk :", 35, 10, 140},
        {"Tarih Ust", "TarihÜstBoşluğuKutusu", 2, "Üst Boşluk :", 85, 10, 100},
        {"Tarih Sol", "TarihSolBoşluğuKutusu", 2, "Sol Boşluk :", 160, 10, 180},
        {"Icerik Ust", "İçerikÜstBoşluğuKutusu", 3, "İçerik Üst Boşluğu :", 120, 40, 140},
        {"Adi Sol", "AdıSolBoşluğuKutusu", 3, "Adı Sol Boşluğu :", 40, 20, 80},
        {"Miktar Sol", "MiktarıSolBoşluğuKutusu", 3, "Miktarı Sol Boşluğu :", 95, 40, 130},
        {"Fiyat Sol", "FiyatıSolBoşluğuKutusu", 3, "Fiyatı Sol Boşluğu :", 120, 60, 180},
        {"Tutar Sol", "TutarıSolBoşluğuKutusu", 3, "Tutarı Sol Boşluğu :", 160, 70, 200},
        {"Rakam Ust", "RakamToplamıÜstBoşluğuKutusu", 4, "Üst Boşluk (Rakam) :", 255, 80, 270},
        {"Rakam Sol", "RakamToplamıSolBoşluğuKutusu", 4, "Sol Boşluk (Rakam) :", 160, 10, 200},
        {"Yazi Ust", "YazıToplamıÜstBoşluğuKutusu", 4, "Üst Boşluk (Yazı) :", 260, 80, 270},
        {"Yazi Sol", "YazıToplamıSolBoşluğuKutusu", 4, "Sol Boşluk (Yazı) :", 30, 20, 50},
    }};
    return t;
}

const KonumTanımı& tanım(Konum k) { return konumTanımları()[std::size_t(k)]; }

int konumOku(Konum k)
{
    const KonumTanımı& t = tanım(k);
    bool tamam = false;
    const int n = ayarlar::oku(FaturaBölümü, QString::fromUtf8(t.anahtar)).trimmed().toInt(&tamam);
    if (!tamam || n < t.enAz || n > t.enÇok) return t.fabrika;
    return n;
}

FaturaDüzeni FaturaDüzeni::fabrika()
{
    FaturaDüzeni d;
    for (int i = 0; i < KonumSayısı; ++i) d.değerler_[i] = konumTanımları()[i].fabrika;
    return d;
}

FaturaDüzeni FaturaDüzeni::kayıtlı()
{
    FaturaDüzeni d;
    for (int i = 0; i < KonumSayısı; ++i) d.değerler_[i] = konumOku(Konum(i));
    return d;
}

}  // namespace fatura
