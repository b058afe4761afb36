#pragma once
// The password a printer on the print server asks for, when the program prints on it: a small modal
// window that names the printer and the user, and says when the password given before was wrong.
#include "platform/YazdirmaSunucusu.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

class YazıcıParolasıFormu : public QDialog {
public:
    explicit YazıcıParolasıFormu(const yazdırma::ParolaSorusu& soru, QWidget* sahip = nullptr);

    // Shows the window over the active window, with the normal pointer while it waits for the user; the
    // password given, or no value when the user cancelled.
    static std::optional<QString> sor(const yazdırma::ParolaSorusu& soru);

private:
    QLabel* Etiket;
    QLabel* UyarıEtiketi;
    QLineEdit* ParolaKutusu;
};
