#pragma once
// The definition chooser: opens the product window or the firm window for sellers or buyers.
#include <QDialog>

class QRadioButton;
class QPushButton;

class TanımlamaSeçFormu : public QDialog {
public:
    explicit TanımlamaSeçFormu(QWidget* sahip = nullptr);

    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

private:
    QRadioButton* TanımlamaSeç[3] = {};
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;
};
