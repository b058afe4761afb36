#include "core/AlanGirisiKurallari.h"

#include "core/OrtakYordamlar.h"
#include "platform/TurkceMetin.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMetaMethod>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <functional>
#include <utility>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace AlanGirişiKuralları {

namespace {

bool rakam(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The text of a key that a filter looks at: printable characters. Control characters (Backspace,
// Delete, the Ctrl shortcuts) and keys without text pass every filter.
bool yazılabilir(const QString& metin)
{
    for (QChar c : metin)
        if (!c.isPrint()) return false;
    return !metin.isEmpty();
}

// Where a new text differs from the old: the lengths of their common beginning and of their common end
// (not overlapping). What came in is yeni.mid(baş, yeni.size() - baş - son).
std::pair<int, int> fark(const QString& eski, const QString& yeni)
{
    const int enKısa = int(std::min(eski.size(), yeni.size()));
    int baş = 0;
    while (baş < enKısa && yeni[baş] == eski[baş]) ++baş;
    int son = 0;
    while (son < enKısa - baş && yeni[yeni.size() - 1 - son] == eski[eski.size() - 1 - son]) ++son;
    return {baş, son};
}

// Protected focusNextPrevChild of QWidget, reached through a member pointer.
struct OdakErişimi : QWidget {
    using QWidget::focusNextPrevChild;
};

// The line edit that holds the text of a box, if it has one.
QLineEdit* satırKutusu(QWidget* kutu)
{
    if (auto* e = qobject_cast<QLineEdit*>(kutu)) return e;
    if (auto* c = qobject_cast<QComboBox*>(kutu)) return c->lineEdit();
    return nullptr;
}

// The behaviours attached to one box. It lives as the box's child and filters the events of the box
// (and of the line edit inside an editable combo box).
class KutuKuralları : public QObject {
public:
    KutuKuralları(QWidget* kutu) : QObject(kutu), kutu_(kutu)
    {
        setObjectName(QStringLiteral("AlanGirişiKuralları"));
        kutu->installEventFilter(this);
        satır_ = satırKutusu(kutu);
        if (satır_ && satır_ != kutu) satır_->installEventFilter(this);
        if (satır_) {
            önceki_ = satır_->text();
            connect(satır_, &QLineEdit::textEdited, this, [this](const QString&) { kullanıcıDeğiştirdi(); });
            connect(satır_, &QLineEdit::textChanged, this, [this](const QString&) { değişti(); });
        } else if (auto* p = qobject_cast<QPlainTextEdit*>(kutu)) {
            önceki_ = p->toPlainText();
            connect(p, &QPlainTextEdit::textChanged, this, [this] { çokSatırDeğişti(); });
        } else if (auto* t = qobject_cast<QTextEdit*>(kutu)) {
            önceki_ = t->toPlainText();
            connect(t, &QTextEdit::textChanged, this, [this] { çokSatırDeğişti(); });
        }
        // Back in its window after a message box or another program: if the window's focus is now
        // elsewhere (moved there meanwhile), the box is left after all.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* yeni) {
            if (!pencereDışı_ || !yeni || yeni->window() != kutu_->window()) return;
            pencereDışı_ = false;
            if (yeni != kutu_ && !kutu_->isAncestorOf(yeni)) ayrıldı();
        });
    }

    void ekle(Kurallar k, QLabel* etiket)
    {
        kurallar_ |= k;
        if (etiket) etiket_ = etiket;
    }

    void listeyiBağla(QListWidget* liste) { liste_ = liste; }

    static KutuKuralları* bul(QWidget* kutu)
    {
        for (QObject* o : kutu->children())
            if (auto* k = dynamic_cast<KutuKuralları*>(o)) return k;
        return nullptr;
    }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        switch (olay->type()) {
        case QEvent::FocusIn:
            if (nesne == kutu_) odakGeldi(static_cast<QFocusEvent*>(olay));
            break;
        case QEvent::FocusOut:
            if (nesne == kutu_) odakGitti(static_cast<QFocusEvent*>(olay));
            break;
        case QEvent::KeyPress:
            return tuşBasıldı(nesne, static_cast<QKeyEvent*>(olay));
        default:
            break;
        }
        return false;
    }

private:
    // Only a move of the focus between the window's controls enters or leaves a box: not a popup, and
    // not the window losing and regaining its activation (a message box, another program).
    void odakGeldi(QFocusEvent* olay)
    {
        if (olay->reason() == Qt::PopupFocusReason) return;
        if (pencereDışı_ && olay->reason() == Qt::ActiveWindowFocusReason) {
            pencereDışı_ = false;
            return;
        }
        if (kurallar_ & Kural::TümünüSeç) ::TümünüSeç(kutu_);
        if ((kurallar_ & Kural::EtiketVurgusu) && etiket_) etiketRengi(VurguRengi);
    }

    void odakGitti(QFocusEvent* olay)
    {
        if (olay->reason() == Qt::PopupFocusReason) return;
        if (olay->reason() == Qt::ActiveWindowFocusReason && kutu_->window()->isVisible()) {
            pencereDışı_ = true;
            return;
        }
        ayrıldı();
    }

    void ayrıldı()
    {
        if ((kurallar_ & Kural::EtiketVurgusu) && etiket_)
            etiketRengi(kutu_->window()->palette().color(QPalette::Active, QPalette::WindowText));
        if (kurallar_ & Kural::TutarBiçimi) metniYaz(tutarBiçiminde(metin()));
        else if (kurallar_ & Kural::KesmeİşaretiniDeğiştir) metniYaz(kesmeİşaretiniDeğiştir(metin()));
        else if (kurallar_ & Kural::KırpmaBiçimi) metniYaz(kırp(metin()));
    }

    void etiketRengi(const QColor& renk)
    {
        // Only the enabled groups: a label whose frame is disabled keeps drawing greyed.
        QPalette p = etiket_->palette();
        p.setColor(QPalette::Active, QPalette::WindowText, renk);
        p.setColor(QPalette::Inactive, QPalette::WindowText, renk);
        etiket_->setPalette(p);
    }

    // What the key filters make of a text that the user brings in.
    QString süz(const QString& metin) const
    {
        if (kurallar_ & Kural::RakamTuşSüzgeci) return rakamTuşlarınıSüz(metin);
        if (kurallar_ & Kural::SayıTuşSüzgeci) return sayıTuşlarınıSüz(metin);
        if (kurallar_ & Kural::TürkçeBüyükHarf) return türkçeBüyükHarfSüz(metin);
        return metin;
    }

    bool süzgeçVar() const
    {
        return kurallar_ & (Kural::RakamTuşSüzgeci | Kural::SayıTuşSüzgeci | Kural::TürkçeBüyükHarf);
    }

    bool tuşBasıldı(QObject* nesne, QKeyEvent* olay)
    {
        if (yeniden_) return false;  // the key this filter itself sent on
        if ((kurallar_ & Kural::EnterİleSonrakiAlan)
            && (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter)) {
            sonrakiAlan();
            return true;
        }
        if (!süzgeçVar() || !yazılabilir(olay->text())) return false;
        if (olay->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        const QString süzülmüş = süz(olay->text());
        if (süzülmüş == olay->text()) return false;
        if (süzülmüş.isEmpty()) return true;  // the key is dropped
        QKeyEvent yeni(olay->type(), olay->key(), olay->modifiers(), süzülmüş, olay->isAutoRepeat(),
                       olay->count());
        yeniden_ = true;
        QCoreApplication::sendEvent(nesne, &yeni);
        yeniden_ = false;
        return true;
    }

    void sonrakiAlan()
    {
        QWidget* pencere = kutu_->window();
        (pencere->*(&OdakErişimi::focusNextPrevChild))(true);
    }

    // A change the user made in the line edit: what came in goes through the key filters.
    void kullanıcıDeğiştirdi()
    {
        if (!süzgeçVar() || düzeltiliyor_) return;
        const QString yeni = satır_->text();
        const auto [baş, son] = fark(önceki_, yeni);
        const QString gelen = yeni.mid(baş, yeni.size() - baş - son);
        const QString süzülmüş = süz(gelen);
        if (süzülmüş == gelen) return;
        düzeltiliyor_ = true;
        // The edit is taken back and made again with the filtered text, so that it stays one step of
        // the undo history. A password box, whose undo only clears it, has its new text replaced in place.
        const QString eski = önceki_;
        bool geriAlındı = false;
        if (satır_->echoMode() == QLineEdit::Normal && satır_->isUndoAvailable()) {
            satır_->undo();
            geriAlındı = satır_->text() == eski;
            if (!geriAlındı) satır_->redo();
        }
        // The part to replace: the old text's in the first case, what came in otherwise.
        const int uzunluk = geriAlındı ? int(eski.size()) - baş - son : int(gelen.size());
        if (uzunluk > 0) satır_->setSelection(baş, uzunluk);
        else satır_->setCursorPosition(baş);
        satır_->insert(süzülmüş);
        düzeltiliyor_ = false;
        değişti();  // the change steps, once, for the text as it now stands
    }

    // Every change of the line edit, also the window's own.
    void değişti()
    {
        if (düzeltiliyor_) {
            önceki_ = satır_->text();
            return;
        }
        if (sayıKontrolü_) return;
        if (kurallar_ & Kural::SayıOlmayanıSil) {
            sayıKontrolü_ = true;
            // Takes off the character before the caret until the text reads as a number, or until
            // nothing more changes.
            while (!satır_->text().isEmpty() && !turkce::yazılırkenSayıMı(satır_->text())) {
                const QString önce = satır_->text();
                satır_->backspace();
                if (satır_->text() == önce) break;
            }
            sayıKontrolü_ = false;
        }
        önceki_ = satır_->text();
        if (liste_) listeyeBak();
    }

    // A change of a multi-line box. Having no sign of who made it, the box takes what came in while it
    // has the focus as the user's.
    void çokSatırDeğişti()
    {
        const QString yeni = metin();
        if (süzgeçVar() && !düzeltiliyor_ && kutu_->hasFocus()) {
            const auto [baş, son] = fark(önceki_, yeni);
            const QString gelen = yeni.mid(baş, yeni.size() - baş - son);
            const QString süzülmüş = süz(gelen);
            if (süzülmüş != gelen) {
                düzeltiliyor_ = true;
                QTextCursor imleç(qobject_cast<QPlainTextEdit*>(kutu_)
                                      ? qobject_cast<QPlainTextEdit*>(kutu_)->document()
                                      : qobject_cast<QTextEdit*>(kutu_)->document());
                imleç.setPosition(baş);
                imleç.setPosition(baş + int(gelen.size()), QTextCursor::KeepAnchor);
                imleç.insertText(süzülmüş);
                düzeltiliyor_ = false;
            }
        }
        önceki_ = metin();
    }

    void listeyeBak()
    {
        const QString aranan = satır_->text();
        if (aranan.trimmed().isEmpty()) return;
        liste_->setCurrentRow(listedeÖnEkleBul(liste_, aranan));
    }

    QString metin() const
    {
        if (satır_) return satır_->text();
        if (auto* p = qobject_cast<QPlainTextEdit*>(kutu_)) return p->toPlainText();
        if (auto* t = qobject_cast<QTextEdit*>(kutu_)) return t->toPlainText();
        return {};
    }

    void metniYaz(const QString& yeni)
    {
        if (yeni == metin()) return;
        if (satır_) satır_->setText(yeni);
        else if (auto* p = qobject_cast<QPlainTextEdit*>(kutu_)) p->setPlainText(yeni);
        else if (auto* t = qobject_cast<QTextEdit*>(kutu_)) t->setPlainText(yeni);
    }

    QWidget* kutu_;
    QLineEdit* satır_ = nullptr;
    QPointer<QLabel> etiket_;
    QPointer<QListWidget> liste_;
    Kurallar kurallar_;
    QString önceki_;
    bool yeniden_ = false;
    bool düzeltiliyor_ = false;
    bool sayıKontrolü_ = false;
    bool pencereDışı_ = false;  // the window lost its activation while the box had the focus
};

// The box whose events count: the combo box for its own line edit.
QWidget* asılKutu(QWidget* kutu)
{
    if (auto* e = qobject_cast<QLineEdit*>(kutu))
        if (auto* c = qobject_cast<QComboBox*>(e->parentWidget()); c && c->lineEdit() == e) return c;
    return kutu;
}

KutuKuralları* kurallarıAl(QWidget* kutu)
{
    kutu = asılKutu(kutu);
    if (auto* k = KutuKuralları::bul(kutu)) return k;
    return new KutuKuralları(kutu);
}

bool etkinDenetim(QWidget* kutu)
{
    QWidget* odak = kutu->window()->focusWidget();
    return odak && (odak == kutu || kutu->isAncestorOf(odak) || odak->focusProxy() == kutu);
}

}  // namespace

void uygula(QWidget* kutu, Kurallar kurallar, QLabel* etiket)
{
    if (!kutu) return;
    kurallarıAl(kutu)->ekle(kurallar, etiket);
}

void listedeBul(QLineEdit* bulKutusu, QListWidget* liste)
{
    if (!bulKutusu || !liste) return;
    kurallarıAl(bulKutusu)->listeyiBağla(liste);
}

int listedeÖnEkleBul(const QListWidget* liste, const QString& metin)
{
    const QString önEk = turkce::katla(metin);
    for (int i = 0; i < liste->count(); ++i)
        if (turkce::katla(liste->item(i)->text()).startsWith(önEk)) return i;
    return -1;
}

int listedeTamBul(const QListWidget* liste, const QString& metin)
{
    const QString aranan = turkce::katla(metin);
    for (int i = 0; i < liste->count(); ++i)
        if (turkce::katla(liste->item(i)->text()) == aranan) return i;
    return -1;
}

int listedeTamBul(const QComboBox* kutu, const QString& metin)
{
    const QString aranan = turkce::katla(metin);
    for (int i = 0; i < kutu->count(); ++i)
        if (turkce::katla(kutu->itemText(i)) == aranan) return i;
    return -1;
}

void kaydetDüğmesiniEtkinleştir(QWidget* kutu, QAbstractButton* düğme)
{
    if (!kutu || !düğme) return;
    QPointer<QAbstractButton> hedef(düğme);
    auto etkinleştir = [kutu, hedef] {
        if (hedef && etkinDenetim(kutu)) hedef->setEnabled(true);
    };
    if (auto* e = qobject_cast<QLineEdit*>(kutu)) {
        QObject::connect(e, &QLineEdit::textChanged, düğme, etkinleştir);
    } else if (auto* c = qobject_cast<QComboBox*>(kutu)) {
        QObject::connect(c, &QComboBox::currentIndexChanged, düğme, etkinleştir);
        QObject::connect(c, &QComboBox::editTextChanged, düğme, etkinleştir);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(kutu)) {
        QObject::connect(p, &QPlainTextEdit::textChanged, düğme, etkinleştir);
    } else if (auto* t = qobject_cast<QTextEdit*>(kutu)) {
        QObject::connect(t, &QTextEdit::textChanged, düğme, etkinleştir);
    } else if (auto* d = qobject_cast<QDateTimeEdit*>(kutu)) {
        QObject::connect(d, &QDateTimeEdit::dateTimeChanged, düğme, etkinleştir);
    } else if (auto* s = qobject_cast<QSpinBox*>(kutu)) {
        QObject::connect(s, &QSpinBox::valueChanged, düğme, etkinleştir);
    } else if (auto* s = qobject_cast<QDoubleSpinBox*>(kutu)) {
        QObject::connect(s, &QDoubleSpinBox::valueChanged, düğme, etkinleştir);
    } else if (auto* b = qobject_cast<QAbstractButton*>(kutu)) {
        QObject::connect(b, &QAbstractButton::toggled, düğme, etkinleştir);
    } else {
        // Any other box (a control of our own): its textChanged(QString) or Change() signal.
        const QMetaObject* mo = kutu->metaObject();
        int i = mo->indexOfSignal("textChanged(QString)");
        if (i < 0) i = mo->indexOfSignal("Change()");
        if (i < 0) return;
        // A signal known only by its name reaches the routine through an action's trigger() slot.
        auto* aracı = new QAction(düğme);
        QObject::connect(aracı, &QAction::triggered, düğme, etkinleştir);
        QObject::connect(kutu, mo->method(i), aracı,
                         aracı->metaObject()->method(aracı->metaObject()->indexOfSlot("trigger()")));
    }
}

QString türkçeBüyükHarfSüz(const QString& metin) { return turkce::büyükHarf(metin); }

QString sayıTuşlarınıSüz(const QString& metin)
{
    QString sonuç;
    for (QChar c : metin)
        if (rakam(c) || c == QLatin1Char(',') || !c.isPrint()) sonuç += c;
    return sonuç;
}

QString rakamTuşlarınıSüz(const QString& metin)
{
    QString sonuç;
    for (QChar c : metin)
        if (rakam(c) || !c.isPrint()) sonuç += c;
    return sonuç;
}

QString tutarBiçiminde(const QString& metin)
{
    if (metin.isEmpty()) return metin;
    bool tamam = false;
    const double değer = turkce::sayıOku(metin, &tamam);
    return tamam ? turkce::tutarBiçimi(değer) : metin;
}

QString kırp(const QString& metin)
{
    int baş = 0, son = int(metin.size());
    while (baş < son && metin[baş] == QLatin1Char(' ')) ++baş;
    while (son > baş && metin[son - 1] == QLatin1Char(' ')) --son;
    return metin.mid(baş, son - baş);
}

QString kesmeİşaretiniDeğiştir(const QString& metin)
{
    QString sonuç = metin;
    sonuç.replace(QLatin1Char('\''), QChar(0x2019));
    return kırp(sonuç);
}

}  // namespace AlanGirişiKuralları
