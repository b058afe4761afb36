#pragma once
// The choice of the font in which invoices are printed: a family of the system that prints Turkish and a
// size from 8 to 16 points, with a sample. It opens at the stored font; a stored face the system lacks
// shows as the family that is printed in its place ("Arial Tur": Arial, or its metric twin), and one the
// system does not know at all leaves the list without a selection. Tamam saves the choice in
// "Ayarlar\Fatura" at once and keeps it in FaturaYazıTipiAdı and FaturaYazıTipiBoyutu; İptal, Esc and the
// close box save nothing. The window is accepted only by Tamam (the layout window then counts its own
// contents as changed).
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The invoice font, as stored; filled by FaturaYazıTipiniYükle.
inline QString FaturaYazıTipiAdı;
inline int FaturaYazıTipiBoyutu = 0;

// Default name when none is stored; the system's font matching stands in when that face is missing.
inline const QString VarsayılanFaturaYazıTipi = QStringLiteral("Arial Tur");

// Fills the two globals from the settings: the stored name or "Arial Tur"; the stored size, or the
// printer's whole font size when none is stored or the stored text is no size from 1 to 255.
void FaturaYazıTipiniYükle();

class YazıTipiSeçmeFormu : public QDialog {
public:
    explicit YazıTipiSeçmeFormu(QWidget* sahip = nullptr);

private:
    void Form_Load();
    void YazıTipiAdıListesi_Click();
    void YazıTipiBoyutuListesi_Click();
    void TamamDüğmesi_Click();

    QWidget* Altlık;
    QGroupBox* Çerçeve;
    QComboBox* YazıTipiAdıListesi;
    QComboBox* YazıTipiBoyutuListesi;
    QLabel* ÖrnekEtiketi;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
    int yerineSeçilen_ = -1;  // the entry selected at opening for a stored face the system lacks
};
