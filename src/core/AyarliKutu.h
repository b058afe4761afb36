#pragma once
// The numeric box: a whole number between a lower bound EnDusuk and an upper bound EnYuksek, typed into a
// text box or stepped with the spin button on its right end (or the Up and Down keys), with an optional
// unit Birim written after the number once the box is left ("15 mm").
//
// Text and number are kept in step: what the user types moves the spin button's position while it lies
// within the bounds, without touching what is being typed; the spin button, the arrow keys and Value
// write the position into the text. A number outside the bounds is refused when the user leaves the box:
// the range message, the focus back in the box, the number brought to the bound it passed ("10 mm").
//
// Change is raised on every change of the text, whoever made it. Enabled is the widget's own enabled
// state; while the control is disabled the spin position no longer rewrites the text.
#include <QWidget>

class QAbstractSlider;
class QLineEdit;

class AyarliKutu : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int EnDusuk READ EnDusuk WRITE setEnDusuk)
    Q_PROPERTY(int EnYuksek READ EnYuksek WRITE setEnYuksek)
    Q_PROPERTY(QString Birim READ Birim WRITE setBirim)

public:
    explicit AyarliKutu(QWidget* üst = nullptr);

    QString Text() const;
    void setText(const QString& metin);
    // The spin position.
    int Value() const;
    void setValue(int değer);
    int EnDusuk() const;
    void setEnDusuk(int değer);
    int EnYuksek() const;
    void setEnYuksek(int değer);
    QString Birim() const { return birim_; }
    void setBirim(const QString& birim) { birim_ = birim; }

    // The check made when the focus leaves the box, for a host that is about to use the number: false when
    // the number lay outside the bounds (the range message has been shown, the number is now the bound
    // and the box has the focus).
    bool doğrula();

    QLineEdit* değerKutusu() const { return kutu_; }

    // The number that a text begins with ("15 mm" gives 15, "" and "mm" give 0).
    static double baştakiSayı(const QString& metin);

signals:
    void Change();

protected:
    void resizeEvent(QResizeEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void metinDeğişti(const QString& metin);
    void konumDeğişti(int konum);
    void odakAyrıldı();
    void aralığıDenetle();
    void ayrılırkenYaz();  // the number within the bounds, followed by the unit
    void aralıkMesajı(int sınır);

    QLineEdit* kutu_;
    QAbstractSlider* düğme_;
    QString birim_;
    bool metindenKonum_ = false;  // the position is being set from what was typed
    bool mesajGösteriliyor_ = false;
};
