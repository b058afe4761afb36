#pragma once
// The preferences window: grid lines in every list view, decimals in printed quantities, the running-low
// list at start-up with its threshold, invoices on blank paper. Loading it reads the five preferences from
// section "Ayarlar" into their globals (core/OrtakDegiskenler.h); "Tamam" sets the globals and writes
// them; "İptal", Esc and the close box leave both as they were.
//
// The window is made afresh for every showing, and the start-up reads the preferences without making it,
// with tercihleriOku().
#include <QDialog>

class AyarliKutu;
class QCheckBox;
class QLabel;
class QPushButton;

// The settings keys of the five preferences, in section "Ayarlar".
namespace TercihAnahtarları {
inline const QString Bölüm = QStringLiteral("Ayarlar");
inline const QString ÇizgiliListeler = QStringLiteral("Cizgili Listeler");
inline const QString OndalıklıMiktar = QStringLiteral("Ondalikli Miktar");
inline const QString UyarıVar = QStringLiteral("Uyari Var");
inline const QString UyarılacakSayı = QStringLiteral("Uyarilacak Sayi");
inline const QString FaturaBoşKağıdaGöre = QStringLiteral("Fatura Bos Kagida Gore");
}  // namespace TercihAnahtarları

class TercihlerFormu : public QDialog {
    Q_OBJECT

public:
    explicit TercihlerFormu(QWidget* sahip = nullptr);

    // Reads the five preferences into their globals, each with its default (1, 1, 1, 5, 0). A value that
    // does not read as a number of its kind goes to the common error reporter, and its global keeps what
    // it held.
    static void tercihleriOku();

private:
    void Form_Load();
    void MevcutAzalıncaUyarılsınOnayı_Click();
    void İlkAyarlarDüğmesi_Click();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();
    // The threshold box and its label follow the warning check box.
    void bağımlılıkKuralı();

    QWidget* Altlık;
    QCheckBox* TümListelerÇizgiliOlsunOnayı;
    QCheckBox* MiktarlarOndalıklıOlsunOnayı;
    QCheckBox* MevcutAzalıncaUyarılsınOnayı;
    AyarliKutu* UyarılacakSayıKutusu;
    QLabel* Etiket;
    QCheckBox* FaturaBoşKağıdaGöreYazdırılsınOnayı;
    QPushButton* İlkAyarlarDüğmesi;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};

// Registers the openers of this part of the program: "TercihleriOku" (the start-up's reading of the
// preferences), "TercihlerMenüsü", "HakkındaMenüsü" and "HataBildirmeMenüsü" (each shows its window
// modally over the given owner).
void TercihPencereleriniKaydet();
