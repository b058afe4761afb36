#pragma once
// The stock list: for every product that has ever come in, what came in and went out (quantity and
// price total), what remains and the gain. Two modes, read from StokListesiTürü at every fill and
// export: 0 the current stock, 1 the products running low (remaining quantity at or below the
// threshold UyarılacakSayı). Column store "Listeler\Liste-7"; progress codes "13" (fill), "14" (export).
#include "core/ListeDegeri.h"
#include "core/ListePenceresi.h"

#include <QList>
#include <QString>
#include <QVariant>

class QProgressBar;

namespace stokListesi {

inline const QString DoldurmaKodu = QStringLiteral("13");
inline const QString AktarmaKodu = QStringLiteral("14");
inline constexpr int Bölüm = 7;

// The list's query: the entry totals per product joined with the exit totals. Columns: Kodu, Adi,
// GirisToplami, GirisTutari, CikisToplami, CikisTutari (the last two NULL for a product without exits).
QString sorgu();

// The figures of one product as the query gives them; no value (NULL) for a missing field.
struct Kaynak {
    QVariant kodu, adı, girişToplamı, girişTutarı, çıkışToplamı, çıkışTutarı;
};

// The row of a product: code, name, entered quantity and total, exited quantity and total, remaining
// quantity, remaining total (when positive, else 0) and gain (when the remaining total is not
// positive, else 0). A missing text is empty; a missing figure counts as 0.
QList<ListeDeğeri> satırı(const Kaynak& k);

// Whether a product belongs to the running-low list: its remaining quantity, in whole hundredths as the
// list shows it, is at or below the threshold.
bool azalıyorMu(const Kaynak& k, int eşik);

// "Stok Listesi (Toplam : 12)" / "Mevcudu Azalan Ürünler (Toplam : 12)".
QString başlık(int tür, int satırSayısı);

}  // namespace stokListesi

class StokListesiFormu : public ListePenceresi {
public:
    explicit StokListesiFormu(QWidget* sahip = nullptr);

    // The openers' fill: the fill behind the progress window, owned by the main window.
    void StokListesiYükle();
    // The fill itself (code "13"): adds the rows of the current mode, then sets the caption.
    void ListeyiYükle(QProgressBar& çubuk);
    void ListeyiYenileDüğmesi_Click() override;

    ListeGörünümü* StokListesi;

    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;
};

// The openers of the stock list: the main window's two menu items and the start-up warning.
void StokListesiniAç(QWidget* sahip, int tür);
// The start-up low-stock warning: the running-low list, shown over `sahip` only when it has rows.
// True when it was shown.
bool AzalanStokUyarısı(QWidget* sahip);
