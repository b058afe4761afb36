#pragma once
// The stock-exit window: goods leaving stock for one reason and one buyer firm are collected on a
// working list, checked against the stock on hand, totalled, and committed in one step.
#include "stock_movements/StokSatirlari.h"
#include "stock_movements/StokVeritabani.h"

#include <QDialog>
#include <QHash>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ListeGörünümü;
class SıralıListeKutusu;

class StokÇıkışıFormu : public QDialog {
public:
    explicit StokÇıkışıFormu(QWidget* sahip = nullptr);
    ~StokÇıkışıFormu() override;

    void ÜrünListesi_Click();
    void FiyatlarGizlensinSeçeneği_Click();
    void ToplamlarıHesapla();
    void ListeyeEkleDüğmesi_Click();
    void ListeyiStoktanÇıkDüğmesi_Click();
    void ÜrünüListedenÇıkarDüğmesi_Click();
    void ListeyiTemizleDüğmesi_Click();
    void ListeyiExceleAktarDüğmesi_Click();
    // Writes the working list into a new workbook and opens it; runs behind the progress window.
    void MSExceleAktar(QProgressBar& çubuk);

    // The lines in the list's current order.
    QList<stok::ÇıkışSatırı> satırlar() const;

    void reject() override;  // every way of closing comes here

    static inline const QString DüzenBölümü = QStringLiteral("Listeler\\Liste-4");

private:
    void pencereyiKur();
    void listeleriDoldur();
    void listeDurumu();
    void toplamlarıBoşalt();
    void odakla(stok::Alan alan);
    bool kapanabilirMi();

    QGroupBox* Çerçeve0_ = nullptr;
    QGroupBox* Çerçeve1_ = nullptr;
    SıralıListeKutusu* FirmaListesi_ = nullptr;
    QLineEdit* FirmaBulKutusu_ = nullptr;
    SıralıListeKutusu* ÜrünListesi_ = nullptr;
    QLineEdit* ÜrünBulKutusu_ = nullptr;
    QCheckBox* FiyatlarGizlensinSeçeneği_ = nullptr;
    QLineEdit* EnDüşükAlışKutusu_ = nullptr;
    QLineEdit* OrtalamaAlışKutusu_ = nullptr;
    QLineEdit* EnYüksekAlışKutusu_ = nullptr;
    QLineEdit* KalanKutusu_ = nullptr;
    QComboBox* ÇıkışıYapanKutusu_ = nullptr;
    QWidget* Altlık0_ = nullptr;
    QWidget* Altlık1_ = nullptr;
    QDateEdit* TarihiKutusu_ = nullptr;
    QLineEdit* MiktarıKutusu_ = nullptr;
    QLineEdit* FiyatıKutusu_ = nullptr;
    QComboBox* NedeniKutusu_ = nullptr;
    QPushButton* ListeyeEkleDüğmesi_ = nullptr;
    ListeGörünümü* StoktanÇıkılacakÜrünListesi_ = nullptr;
    QLineEdit* ToplamKutusu_ = nullptr;
    QLineEdit* KDVToplamıKutusu_ = nullptr;
    QLineEdit* GenelToplamKutusu_ = nullptr;
    QPushButton* ListeyiStoktanÇıkDüğmesi_ = nullptr;
    QPushButton* ÜrünüListedenÇıkarDüğmesi_ = nullptr;
    QPushButton* ListeyiTemizleDüğmesi_ = nullptr;
    QPushButton* ListeyiExceleAktarDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
    QList<QLabel*> Etiket_;

    // What the product choice found: the product, its purchase prices and its stock at that moment.
    std::optional<stok::ÜrünBilgisi> seçiliÜrün_;
    stok::AlışFiyatları alış_;
    double kalan_ = 0;
    // The texts of the three price boxes, shown as they are or as "*".
    QString fiyatMetinleri_[3];

    QHash<qint64, stok::ÇıkışSatırı> satırlar_;
    qint64 sonSatırNo_ = 0;
};
