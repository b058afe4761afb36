#pragma once
// The splash window: the picture "KARSILAMA" from the start until the main window has loaded, or until
// the user clicks it. Its load refuses screens lower than 600 pixels.
#include <QPixmap>
#include <QWidget>

class KarşılamaFormu : public QWidget {
public:
    inline static const QString EkranUyarısı =
        QStringLiteral("Bu programın çalışması için ekran çözünürlüğünüzün en az \n800 x 600 piksel olması gerekiyor!");

    KarşılamaFormu();
    ~KarşılamaFormu() override;

    // The loaded splash, or null.
    static KarşılamaFormu* örnek();
    // Unloads the splash when it is loaded.
    static void Kapat();
    // Shows the message and ends the program when the screen is lower than 600 pixels.
    static void EkranıDenetle(int yükseklik);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QPixmap resim_;
};
