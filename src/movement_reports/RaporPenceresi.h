#pragma once
// What the report windows share on screen: putting report rows into a list behind the progress bar, and
// the base of the two windows that list one day or every day (daily movements, returned products): the
// date box, the by-date and list-all buttons, the list's right-click menu, and the listing that a refresh
// repeats.
#include "core/ListePenceresi.h"
#include "movement_reports/RaporOrtak.h"

#include <optional>

class QAction;
class QDateEdit;
class QLabel;
class QProgressBar;

namespace rapor {

// Rows into the list: the bar's maximum is the row count, its value the row's number; `her`, when given,
// sees each row first.
SatırAlıcı listeAlıcısı(ListeGörünümü& liste, QProgressBar& çubuk, std::function<void(const Satır&)> her = {});

// The window's caption labels "Etiket(0)", "Etiket(1)"...: each text's label, its access key moving to
// its control.
QList<QLabel*> etiketler(QWidget* pencere, const QList<QPair<const char*, QWidget*>>& metinler);

// The window's owner while it is still being made (the main window), or the window once shown.
QWidget* doldurmaSahibi(QWidget* pencere);

}  // namespace rapor

class TarihliListePenceresi : public ListePenceresi {
public:
    QLabel* TarihEtiketi;                          // "Tarihi &Değiştir :" ("Etiket(3)" or "Etiket")
    QDateEdit* TarihKutusu;                        // the day; today when the window opens
    QPushButton* SeçilenTariheGöreListeleDüğmesi;
    QPushButton* TümünüListeleDüğmesi;             // "Tü&münü Listele"
    QAction* TümHareketleriListeleMenüsü;
    QAction* ListeyiMSExceleGönderMenüsü;
    QAction* ListeyiYazdırMenüsü;

    // The first load: the date box's day under the plain caption, with no message.
    void İlkYükleme();
    void SeçilenTariheGöreListeleDüğmesi_Click();
    void TümünüListeleDüğmesi_Click();
    // Also F5: repeats the last listing (first load, by date or every day) without its message.
    void ListeyiYenileDüğmesi_Click() override;

    // The fill (the window's fill code): the rows of the date box's day, or of every day after a list-all.
    virtual void ListeyiYükle(QProgressBar& çubuk) = 0;

    rapor::Listeleme sonListeleme() const { return sonListeleme_; }

protected:
    struct Metinler {
        QString tarihEtiketi;  // the name of the date box's caption label
        QString tariheGöreDüğmesi;
        QString tarihteYok;  // by date, nothing found
        QString hiçYok;      // every day, nothing found
    };
    TarihliListePenceresi(QWidget* sahip, ListeTanımı tanım, const Metinler& metinler);

    // The caption after a listing of the kind.
    virtual QString başlık(rapor::Listeleme tür, const QDate& gün, bool satırVar) const = 0;
    // The day the fill lists: none after a list-all.
    std::optional<QDate> listelenecekGün() const;

    void yerleştir() override;
    // Controls of the window's own between the list and the date row (the totals of the daily list).
    QHBoxLayout* ekDüzen() const { return ekDüzen_; }

private:
    void listele(rapor::Listeleme tür, bool mesajlı);

    Metinler metinler_;
    rapor::Listeleme sonListeleme_ = rapor::Listeleme::Açılış;
    rapor::Listeleme yüklenen_ = rapor::Listeleme::Açılış;
    QHBoxLayout* ekDüzen_;
};
