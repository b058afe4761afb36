#pragma once
// The photo picker: drives, folders and the picture files of a folder, with a preview of the clicked file
// fitted into a box of the photo box's size. On "Tamam" it sets FotoğrafAdı to the picture's file name and
// hands over the preview picture (önizleme()), which the product window shows and stores at save.
#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class FotoğrafKutusu;

class FotoğrafSeçFormu : public QDialog {
public:
    explicit FotoğrafSeçFormu(QWidget* sahip = nullptr);

    // The preview picture handed over by "Tamam".
    QImage önizleme() const;
    // The folder whose files are listed.
    QString klasör() const { return klasörYolu_; }
    // Shows a folder (the folder list's path); false when it is not a folder that can be read.
    bool klasörüAyarla(const QString& yol);

    void SürücüListesi_Change();
    void KlasörListesi_Change();
    void DosyaListesi_Click();
    void OrjinalFotoğrafKutusu_Change();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

protected:
    // Every close of the picker remembers the folder shown.
    void done(int sonuç) override;

private:
    void sürücüleriDoldur();
    void sürücüyüSeç(const QString& kök);
    QString programSürücüsü() const;

    QComboBox* SürücüListesi = nullptr;
    QListWidget* KlasörListesi = nullptr;
    QListWidget* DosyaListesi = nullptr;
    FotoğrafKutusu* ÖrnekKutusu = nullptr;
    QLabel* OrjinalFotoğrafKutusu = nullptr;
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;

    QString klasörYolu_;
    QImage orjinal_;         // the picture of the last file that loaded
    QString gösterilenAd_;   // that file's name: the picture the preview shows
};
