#pragma once
// The password a printer on the print server asks for, when the program prints on it: a small modal
// window that names the printer, takes the user's name (the program's user unless changed, for an
// account of the print server's own) and the password, and says when the password given before was wrong.
#include "platform/YazdirmaSunucusu.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

class YazıcıParolasıFormu : public QDialog {
public:
    explicit YazıcıParolasıFormu(const yazdırma::ParolaSorusu& soru, QWidget* sahip = nullptr);

    // Shows the window over the active window, with the normal pointer while it waits for the user; the
    // password given, with the user's name left in `soru.kullanıcı`, or no value when the user cancelled.
    static std::optional<QString> sor(yazdırma::ParolaSorusu& soru);

private:
    QLabel* Etiket;
    QLabel* UyarıEtiketi;
    QLineEdit* KullanıcıKutusu;
    QLineEdit* ParolaKutusu;
};
