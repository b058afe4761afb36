#pragma once
// A label used as a link in the about and error-report windows: its text in the link colour under the
// pointing hand; a click opens its address with the desktop's web browser or mail program, and the window
// stays as it is (a link that cannot be opened is not reported). The window decides when it is underlined:
// üzerineGelince tells it that the pointer moves over the label.
#include <QLabel>
#include <QUrl>

#include <functional>

class BağlantıEtiketi : public QLabel {
public:
    BağlantıEtiketi(const QString& metin, const QUrl& adres, QWidget* üst = nullptr);

    QUrl adres() const { return adres_; }
    bool altıÇizili() const { return font().underline(); }
    void setAltıÇizili(bool altıÇizili);

    // Called whenever the pointer moves over the label.
    std::function<void()> üzerineGelince;

protected:
    void mouseMoveEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;

private:
    QUrl adres_;
};
