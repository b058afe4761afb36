#pragma once
// The progress window in which long list fills and spreadsheet exports run. It does no work of its own:
// the calling window hands it a routine, which runs once the window is on screen, moves the bar through an
// İlerlemeAdımı (core/IlerlemeAdimi.h) as its rows go, and ends the window when it returns (or fails).
#include <QDialog>
#include <QString>
#include <exception>
#include <functional>

class QLabel;
class QProgressBar;

class ListeleniyorFormu : public QDialog {
    Q_OBJECT
public:
    using Yordam = std::function<void(QProgressBar&)>;

    // Shows the window modally over `sahip` (the calling window, or the main window while the caller is
    // not yet shown), runs `yordam` in it and returns when the routine is done and the window is gone.
    // `görevKodu` is the task ("1" to "18") and stays as the window's tag; `dışaAktarım` dresses the
    // window for a spreadsheet export instead of a list fill. An error that the routine raises is
    // reported through the common error reporter once the window is closed; the result then is false.
    static bool çalıştır(QWidget* sahip, const QString& görevKodu, bool dışaAktarım, Yordam yordam);

    QString görevKodu() const { return görevKodu_; }
    QProgressBar* İlerlemeÇubuğu;
    QLabel* SimgeKutusu;
    QLabel* Etiket;

    // The texts of the two dresses.
    static const QString ListeBaşlığı;
    static const QString ListeEtiketi;
    static const QString AktarımBaşlığı;
    static const QString AktarımEtiketi;

public slots:
    void reject() override;  // no close box and no Esc: only the routine ends the window

protected:
    void showEvent(QShowEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;

private:
    ListeleniyorFormu(QWidget* sahip, const QString& görevKodu, bool dışaAktarım, Yordam yordam);
    void görevi_çalıştır();

    QString görevKodu_;
    Yordam yordam_;
    bool başladı_ = false;
    bool bitti_ = false;
    std::exception_ptr hata_;
};
