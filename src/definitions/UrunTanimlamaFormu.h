#pragma once
// The product window: the list of products with its find box, the details of the selected product with its
// photo, and the add, change, save and delete of products. Four modes: browse with nothing or a product
// selected, adding and changing; the detail frame is enabled only while adding or changing.
#include <QDialog>
#include <QImage>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class FotoğrafKutusu;
class SıralıListeKutusu;

class ÜrünTanımlamaFormu : public QDialog {
public:
    explicit ÜrünTanımlamaFormu(QWidget* sahip = nullptr);

    void ÜrünListesi_Click();
    void EkleDüğmesi_Click();
    void DeğiştirDüğmesi_Click();
    void SilKaydetDüğmesi_Click();
    void KapatVazgeçDüğmesi_Click();
    void FotoğrafEkleDüğmesi_Click();
    void FotoğrafıSilDüğmesi_Click();

protected:
    // Esc presses KapatVazgeçDüğmesi: it cancels an open edit, or closes the window.
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void Form_Load();
    void kaydet();
    void sil();
    void tarayaDön();
    void düzenlemeyiAç(bool değişiklik);
    void alanlarıBoşalt();
    void satırıGöster(int satır);
    void fotoğrafıGöster(qint64 urunNo);
    void geçmişeEkle(QComboBox* kutu, const QString& değer, int hangisi);

    QGroupBox* Çerçeve[2] = {};
    QLabel* Etiket[10] = {};
    QLineEdit* BulKutusu = nullptr;
    SıralıListeKutusu* ÜrünListesi = nullptr;
    QLineEdit* ÜrünKoduKutusu = nullptr;
    QLineEdit* ÜreticiKoduKutusu = nullptr;
    QPlainTextEdit* ÜrünAdıKutusu = nullptr;
    QComboBox* MarkasıKutusu = nullptr;
    QComboBox* MiktarBirimiKutusu = nullptr;
    QComboBox* KDVOranıKutusu = nullptr;
    QLineEdit* FiyatıKutusu = nullptr;
    QPlainTextEdit* AçıklamaKutusu = nullptr;
    FotoğrafKutusu* ÜrünFotoğrafıKutusu = nullptr;
    QPushButton* FotoğrafEkleDüğmesi = nullptr;
    QPushButton* FotoğrafıSilDüğmesi = nullptr;
    QPushButton* EkleDüğmesi = nullptr;
    QPushButton* DeğiştirDüğmesi = nullptr;
    QPushButton* SilKaydetDüğmesi = nullptr;
    QPushButton* KapatVazgeçDüğmesi = nullptr;

    QString YüklüÜrünKodu;       // the code of the product the list showed last
    qint64 SeçiliÜrünNo = 0;     // UrunNo of the selected product
    QString EskiFotoğrafAdı;     // the photo the product had when its change began
    bool FotoğrafKaldırıldı = false;
    QImage yeniFotoğraf_;        // the picture picked during this edit, stored at save
};
