#pragma once
// The invoice layout window: the sixteen positions of "Ayarlar\Fatura" in boxes of whole millimetres,
// the current printer with its orientation and paper, and a preview of the page at 1:5 with a row of
// dashes where each block starts. Tamam (enabled by a change the user makes, the factory positions or a
// confirmed font) saves all sixteen; İptal, Esc and the close box save nothing. Every opening reads the
// printer and the stored positions afresh.
#include "invoicing/FaturaDuzeni.h"

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QSizeF>

class AyarliKutu;
class QGroupBox;
class QLabel;
class QPushButton;

namespace fatura {

// One placeholder of the preview: where it starts on the 1:5 page (mm from its top-left corner).
struct ÖnizlemeÖğesi {
    double x = 0;
    double y = 0;
    QString metin;
};
// The placeholders of a layout, in the order they are drawn.
QList<ÖnizlemeÖğesi> önizlemeÖğeleri(const FaturaDüzeni& düzen);

// The labels' texts for a paper in millimetres: "210 x 297 mm"; "Dikey", or "Yatay" when it is wider
// than high.
QString kağıtBoyutuMetni(QSizeF kağıt);
QString yazdırmaYönüMetni(QSizeF kağıt);

}  // namespace fatura

class FaturaAyarlarıFormu : public QDialog {
public:
    explicit FaturaAyarlarıFormu(QWidget* sahip = nullptr);

    AyarliKutu* kutu(fatura::Konum k) const { return kutular_[int(k)]; }
    // The positions the boxes hold now.
    fatura::FaturaDüzeni düzen() const;

protected:
    void changeEvent(QEvent* olay) override;

private:
    void Form_Load();
    void Form_Activate();
    void kutuDeğişti(int sıra);
    void İlkAyarlarDüğmesi_Click();
    void TamamDüğmesi_Click();
    void YazıTipiSeçDüğmesi_Click();
    void ÖnizlemeyiÇiz();
    void önizlemeyiYerleştir(QSizeF kağıt);

    QList<AyarliKutu*> kutular_;
    QList<QWidget*> Altlık;
    QList<QGroupBox*> Çerçeve;
    QList<QLabel*> Etiket;
    QLabel* YazıcıAdıEtiketi;
    QLabel* YazdırmaYönüEtiketi;
    QLabel* KağıtBoyutuEtiketi;
    QWidget* ÖnizlemeKutusu;
    QPushButton* YazıTipiSeçDüğmesi;
    QPushButton* İlkAyarlarDüğmesi;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};
