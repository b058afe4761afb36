#pragma once
// The server change window: the remembered server folders (at most four), adding one by browsing, and
// connecting the running program to the database of the selected folder.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class SunucuDeğiştirFormu : public QDialog {
public:
    explicit SunucuDeğiştirFormu(QWidget* sahip);

    void Form_Load();
    void Form_Activate();
    void SunucuListesi_Click();
    void SunucuSeçDüğmesi_Click();
    void SeçilenSunucuyaBağlanDüğmesi_Click();
    void VaçgeçDüğmesi_Click();

protected:
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    void reject() override;

private:
    void listeyiKaydet();

    QLabel* Etiket[3];
    QListWidget* SunucuListesi;
    QPushButton* SunucuSeçDüğmesi;
    QPushButton* SeçilenSunucuyaBağlanDüğmesi;
    QPushButton* VaçgeçDüğmesi;
};
