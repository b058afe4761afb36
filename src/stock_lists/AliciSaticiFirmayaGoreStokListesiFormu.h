#pragma once
// The movements of one firm: the user picks a seller firm and sees every stock entry bought from it, or a
// buyer firm and every stock exit made to it, whatever its date. The firms come from the table in use
// (SeçiliFirmaTablosu); the movements by the window's Tag ("0" entries, any other exits), both set by the
// opener. Column store "Listeler\Liste-1"; progress codes "1" (fill) and "2" (export).
#include "core/ListePenceresi.h"

#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QProgressBar;
class SıralıListeKutusu;

class AlıcıSatıcıFirmayaGöreStokListesiFormu : public ListePenceresi {
public:
    explicit AlıcıSatıcıFirmayaGöreStokListesiFormu(QWidget* sahip = nullptr);

    // "0": the movements of a seller firm; any other value: those of a buyer firm.
    QString Tag;

    // The fill (code "1"): the movements of the firm selected in FirmaListesi. The caller empties the
    // list first.
    void HareketleriGöster(QProgressBar& çubuk);
    // A firm picked (by a click, the keys or the find box): its movements, behind the progress window.
    void FirmaListesi_Click();
    // Also F5: the firms read again, none selected, the movement list empty.
    void ListeyiYenileDüğmesi_Click() override;

    QList<QLabel*> Etiket;
    SıralıListeKutusu* FirmaListesi;
    QLineEdit* BulKutusu;
    ListeGörünümü* HareketListesi;

protected:
    ListeAktarımTablosu aktarımTablosu() const override;
    YazdırmaDüzeni yazdırmaDüzeni() const override;
    void yerleştir() override;

private:
    void firmalarıDoldur();
    QString seçiliFirmaAdı() const;
};

// The openers of the main window's two menu items: the seller firms' or the buyer firms' movements.
void SatıcıFirmalaraGöreStokListesiniAç(QWidget* sahip);
void AlıcıFirmalaraGöreStokListesiniAç(QWidget* sahip);
