#pragma once
// The periodic profit list: for all dates, the current week, month or year, or a range of days, each
// product's exit quantity and amount and the profit on them, with the total profit and the number of
// products. Column store "Listeler\Liste-11"; progress codes "17" (fill) and "18" (export). No refresh
// button, no F5, and no sort until a header is clicked: the rows stand in the query's order.
#include "core/ListePenceresi.h"

#include <QDate>
#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;

class KarListesiFormu : public ListePenceresi {
public:
    explicit KarListesiFormu(QWidget* sahip = nullptr);

    // The period last listed (the query's two dates); both start at the zero date.
    QDate BaşlangıçTarihi;
    QDate BitişTarihi;
    // The running total of a fill; 0 before and after it.
    double ToplamKar = 0;

    // The fill (code "17"): the list, the total and the count for the period last listed.
    void ListeyiYükle(QProgressBar& çubuk);

    void TümTarihleriGösterOnayı_Click();
    void DönemSeçKutusu_Click();
    void ListeleDüğmesi_Click();

    QList<QGroupBox*> Çerçeve;
    QList<QWidget*> Altlık;
    QList<QLabel*> Etiket;
    QComboBox* DönemSeçKutusu;
    QCheckBox* TümTarihleriGösterOnayı;
    QDateEdit* BaşlangıçTarihiKutusu;
    QDateEdit* BitişTarihiKutusu;
    QPushButton* ListeleDüğmesi;
    ListeGörünümü* KarListesi;
    QLineEdit* ToplamKarKutusu;

    // The messages of the listing.
    static const QString DönemSeçinizMetni;
    static const QString BitişKüçükMetni;

protected:
    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;
    void yerleştir() override;

private:
    void tarihKutularınıEtkinleştir(bool etkin);
};

// The opener of the main window's menu item.
void KarListesiniAç(QWidget* sahip);
