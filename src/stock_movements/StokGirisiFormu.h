#pragma once
// The stock-entry window: goods coming in from seller firms are collected on a working list, line by
// line, and committed to the shared database in one step.
#include "stock_movements/StokSatirlari.h"
#include "stock_movements/StokVeritabani.h"

#include <QDialog>
#include <QHash>
#include <optional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ListeGörünümü;
class SıralıListeKutusu;

class StokGirişiFormu : public QDialog {
public:
    explicit StokGirişiFormu(QWidget* sahip = nullptr);
    ~StokGirişiFormu() override;

    // The window's operations, as its buttons and lists run them.
    void ÜrünListesi_Click();
    void ListeyeEkleDüğmesi_Click();
    void ListeyiStoğaEkleDüğmesi_Click();
    void ÜrünüListedenÇıkarDüğmesi_Click();
    void ListeyiTemizleDüğmesi_Click();
    void ListeyiExceleAktarDüğmesi_Click();
    // Writes the working list into a new workbook and opens it; runs behind the progress window.
    void MSExceleAktar(QProgressBar& çubuk);

    // The lines in the list's current order.
    QList<stok::GirişSatırı> satırlar() const;

    void reject() override;  // every way of closing comes here

    static inline const QString DüzenBölümü = QStringLiteral("Listeler\\Liste-5");

private:
    void pencereyiKur();
    void listeleriDoldur();
    void listeDurumu();
    void odakla(stok::Alan alan);
    bool kapanabilirMi();

    QGroupBox* Çerçeve0_ = nullptr;
    QGroupBox* Çerçeve1_ = nullptr;
    SıralıListeKutusu* FirmaListesi_ = nullptr;
    QLineEdit* FirmaBulKutusu_ = nullptr;
    SıralıListeKutusu* ÜrünListesi_ = nullptr;
    QLineEdit* ÜrünBulKutusu_ = nullptr;
    QLineEdit* ÜrünKoduKutusu_ = nullptr;
    QLineEdit* MiktarBirimiKutusu_ = nullptr;
    QLineEdit* KDVOranıKutusu_ = nullptr;
    QLineEdit* KalanKutusu_ = nullptr;
    QComboBox* GirişiYapanKutusu_ = nullptr;
    QWidget* Altlık_ = nullptr;
    QDateEdit* TarihiKutusu_ = nullptr;
    QLineEdit* MiktarıKutusu_ = nullptr;
    QLineEdit* FiyatıKutusu_ = nullptr;
    QPushButton* ListeyeEkleDüğmesi_ = nullptr;
    ListeGörünümü* StoğaGirilecekÜrünListesi_ = nullptr;
    QPushButton* ListeyiStoğaEkleDüğmesi_ = nullptr;
    QPushButton* ÜrünüListedenÇıkarDüğmesi_ = nullptr;
    QPushButton* ListeyiTemizleDüğmesi_ = nullptr;
    QPushButton* ListeyiExceleAktarDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
    QList<QLabel*> Etiket_;

    std::optional<stok::ÜrünBilgisi> seçiliÜrün_;
    // The lines by the number each list row carries; the row order is the list's.
    QHash<qint64, stok::GirişSatırı> satırlar_;
    qint64 sonSatırNo_ = 0;
};
