#pragma once
// The return window: goods of the exit selected in the movement history come back to stock, wholly (the
// exit is deleted) or in part (the exit's quantity goes down and the return is recorded in the returns
// table).
#include "movement_history/HareketGecmisi.h"

#include <QDialog>
#include <QList>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class StoğaİadeEtFormu : public QDialog {
public:
    StoğaİadeEtFormu(QWidget* sahip, HareketGeçmişi& geçmiş);
    ~StoğaİadeEtFormu() override;

    // Whether the open database has the returns table; needs no window.
    static bool TabloVar();

    void İadeEtDüğmesi_Click();
    void KapatDüğmesi_Click() { reject(); }

    QDateEdit* İadeTarihiKutusu() const { return İadeTarihiKutusu_; }

private:
    void yenileVeKapat();

    HareketGeçmişi& geçmiş_;
    SeçiliHareket satır_;
    QWidget* Altlık_ = nullptr;
    QGroupBox* Çerçeve_ = nullptr;
    QDateEdit* İadeTarihiKutusu_ = nullptr;
    QLineEdit* İadeMiktarıKutusu_ = nullptr;
    QPushButton* İadeEtDüğmesi_ = nullptr;
    QPushButton* KapatDüğmesi_ = nullptr;
    QList<QLabel*> Etiket_;
};
