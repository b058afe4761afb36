#include "core/AyarliKutu.h"

#include "core/AlanGirisiKurallari.h"
#include "platform/Mesaj.h"

#include <QAbstractSlider>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

// 15 twips to the pixel: the control is never narrower than 500 twips, and the spin button's left edge
// stands 295 twips inside the right end.
constexpr int EnDarGenişlik = 34;
constexpr int DüğmePayı = 20;

// The spin button: its position is the number, its ends the two bounds; the upper half raises the number.
// It never keeps the focus: a click on it puts the focus into the text box.
class SayıDüğmesi : public QAbstractSlider {
public:
    SayıDüğmesi(QWidget* üst, QLineEdit* kutu) : QAbstractSlider(üst), kutu_(kutu)
    {
        setOrientation(Qt::Vertical);
        setFocusPolicy(Qt::NoFocus);
        setSingleStep(1);
        setPageStep(1);
    }

protected:
    void mousePressEvent(QMouseEvent* olay) override
    {
        if (olay->button() != Qt::LeftButton) return;
        if (kutu_->isEnabled() && !kutu_->hasFocus()) kutu_->setFocus(Qt::MouseFocusReason);
        basılı_ = olay->position().y() < height() / 2.0 ? 1 : 2;
        const SliderAction eylem = basılı_ == 1 ? SliderSingleStepAdd : SliderSingleStepSub;
        triggerAction(eylem);
        setRepeatAction(eylem, 400, 60);
        update();
    }

    void mouseReleaseEvent(QMouseEvent*) override
    {
        basılı_ = 0;
        setRepeatAction(SliderNoAction);
        update();
    }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        const int yarı = height() / 2;
        const QRect yarılar[2] = {QRect(0, 0, width(), yarı), QRect(0, yarı, width(), height() - yarı)};
        for (int i = 0; i < 2; ++i) {
            QStyleOptionButton düğme;
            düğme.initFrom(this);
            düğme.rect = yarılar[i];
            düğme.state |= basılı_ == i + 1 ? QStyle::State_Sunken : QStyle::State_Raised;
            p.drawControl(QStyle::CE_PushButtonBevel, düğme);
            QStyleOption ok;
            ok.initFrom(this);
            ok.rect = yarılar[i].adjusted(4, 2, -4, -2);
            p.drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, ok);
        }
    }

private:
    QLineEdit* kutu_;
    int basılı_ = 0;  // 1 upper half, 2 lower half
};

int enYakınTamSayı(double n)
{
    // A half goes to the even neighbour.
    const double r = std::nearbyint(n);
    if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return int(r);
}

QString sayıMetni(double n) { return QString::number(n, 'g', 15); }

}  // namespace

AyarliKutu::AyarliKutu(QWidget* üst) : QWidget(üst)
{
    kutu_ = new QLineEdit(this);
    kutu_->setObjectName(QStringLiteral("DeğerKutusu"));
    kutu_->setMaxLength(6);
    kutu_->setTextMargins(0, 0, DüğmePayı - 2, 0);
    kutu_->installEventFilter(this);
    using K = AlanGirişiKuralları::Kural;
    AlanGirişiKuralları::uygula(kutu_, K::TümünüSeç | K::EnterİleSonrakiAlan | K::RakamTuşSüzgeci);
    düğme_ = new SayıDüğmesi(this, kutu_);
    düğme_->setObjectName(QStringLiteral("DeğerDeğiştirDüğmesi"));
    düğme_->setRange(0, 100);
    setFocusProxy(kutu_);
    setMinimumWidth(EnDarGenişlik);
    setFixedHeight(kutu_->sizeHint().height());
    connect(kutu_, &QLineEdit::textChanged, this, &AyarliKutu::metinDeğişti);
    connect(düğme_, &QAbstractSlider::valueChanged, this, &AyarliKutu::konumDeğişti);
}

QString AyarliKutu::Text() const { return kutu_->text(); }

void AyarliKutu::setText(const QString& metin) { kutu_->setText(metin); }

int AyarliKutu::Value() const { return düğme_->value(); }

void AyarliKutu::setValue(int değer) { düğme_->setValue(değer); }

int AyarliKutu::EnDusuk() const { return düğme_->minimum(); }

void AyarliKutu::setEnDusuk(int değer) { düğme_->setMinimum(değer); }

int AyarliKutu::EnYuksek() const { return düğme_->maximum(); }

void AyarliKutu::setEnYuksek(int değer) { düğme_->setMaximum(değer); }

double AyarliKutu::baştakiSayı(const QString& metin)
{
    int i = 0;
    const int n = int(metin.size());
    while (i < n && (metin[i] == QLatin1Char(' ') || metin[i] == QLatin1Char('\t'))) ++i;
    const int baş = i;
    if (i < n && (metin[i] == QLatin1Char('-') || metin[i] == QLatin1Char('+'))) ++i;
    while (i < n && metin[i] >= QLatin1Char('0') && metin[i] <= QLatin1Char('9')) ++i;
    if (i < n && metin[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && metin[i] >= QLatin1Char('0') && metin[i] <= QLatin1Char('9')) ++i;
    }
    bool tamam = false;
    const double değer = metin.mid(baş, i - baş).toDouble(&tamam);
    return tamam ? değer : 0;
}

void AyarliKutu::resizeEvent(QResizeEvent*)
{
    kutu_->setGeometry(0, 0, width(), height());
    düğme_->setGeometry(width() - DüğmePayı, 2, DüğmePayı - 2, height() - 4);
}

void AyarliKutu::metinDeğişti(const QString& metin)
{
    if (metin.isEmpty()) {
        // An emptied box holds 0, selected, so that the next digit replaces it. That is a change of its
        // own, which raises Change.
        kutu_->setText(QStringLiteral("0"));
        kutu_->selectAll();
        return;
    }
    const double n = baştakiSayı(metin);
    if (n >= EnDusuk() && n <= EnYuksek()) {
        // The position follows the text without writing back into it: what is being typed stays as it is.
        metindenKonum_ = true;
        düğme_->setValue(enYakınTamSayı(n));
        metindenKonum_ = false;
    }
    emit Change();
}

void AyarliKutu::konumDeğişti(int konum)
{
    if (metindenKonum_ || testAttribute(Qt::WA_ForceDisabled)) return;
    kutu_->setText(QString::number(konum) + birim_);
    if (kutu_->hasFocus()) kutu_->selectAll();
}

bool AyarliKutu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne != kutu_) return QWidget::eventFilter(nesne, olay);
    switch (olay->type()) {
    case QEvent::KeyPress: {
        auto* tuş = static_cast<QKeyEvent*>(olay);
        if (tuş->key() == Qt::Key_Up && Value() < EnYuksek()) {
            setValue(Value() + 1);
            kutu_->selectAll();
            return true;
        }
        if (tuş->key() == Qt::Key_Down && Value() > EnDusuk()) {
            setValue(Value() - 1);
            kutu_->selectAll();
            return true;
        }
        return false;
    }
    case QEvent::FocusOut: {
        const auto neden = static_cast<QFocusEvent*>(olay)->reason();
        if (neden != Qt::ActiveWindowFocusReason && neden != Qt::PopupFocusReason && !mesajGösteriliyor_)
            odakAyrıldı();
        return false;
    }
    default: return false;
    }
}

void AyarliKutu::odakAyrıldı()
{
    const double n = baştakiSayı(Text());
    if (n > EnYuksek() || n < EnDusuk()) {
        // The range message waits until the focus change has finished: a click that took the focus away
        // (on İptal, say) is not cut in half by a modal box, and a window that is closing is not told.
        QTimer::singleShot(0, this, &AyarliKutu::aralığıDenetle);
        return;
    }
    ayrılırkenYaz();
}

void AyarliKutu::aralığıDenetle()
{
    // Not when the window has closed, the box has been disabled or taken the focus back meanwhile.
    if (!isVisible() || !isEnabled() || kutu_->hasFocus() || mesajGösteriliyor_) return;
    if (doğrula()) ayrılırkenYaz();
}

void AyarliKutu::ayrılırkenYaz()
{
    setValue(enYakınTamSayı(baştakiSayı(Text())));
    kutu_->setText(sayıMetni(baştakiSayı(Text())) + birim_);
}

bool AyarliKutu::doğrula()
{
    if (!isEnabled()) return true;  // a disabled box cannot be left, and holds what the window put there
    const double n = baştakiSayı(Text());
    if (n > EnYuksek()) aralıkMesajı(EnYuksek());
    else if (n < EnDusuk()) aralıkMesajı(EnDusuk());
    else return true;
    return false;
}

void AyarliKutu::aralıkMesajı(int sınır)
{
    mesajGösteriliyor_ = true;
    mesaj::göster(QStringLiteral("Belirlediğiniz değer, %1 ile %2 arasında olmalıdır!").arg(EnDusuk()).arg(EnYuksek()),
                  mesaj::Simge::Bilgi, mesaj::Düğmeler::Tamam, QStringLiteral("Hatalı değer!"));
    // The focus is back in the box before the number changes, so that the host takes the correction for
    // the user's own change; the bound is written with the unit, as every number the box writes.
    kutu_->setFocus(Qt::OtherFocusReason);
    setValue(sınır);
    setText(QString::number(sınır) + birim_);
    if (kutu_->hasFocus()) kutu_->selectAll();
    mesajGösteriliyor_ = false;
}
