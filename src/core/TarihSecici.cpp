#include "core/TarihSecici.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <utility>

namespace {

bool ayırıcı(const QString& metin)
{
    return metin.size() == 1 && QStringLiteral("./-,").contains(metin[0]);
}

class TarihSeçici : public QDateEdit {
public:
    TarihSeçici(const QDate& tarih, QWidget* üst) : QDateEdit(tarih, üst) { lineEdit()->installEventFilter(this); }

protected:
    // The date box's own rule steps through its sections first; here Tab goes straight on.
    bool focusNextPrevChild(bool sonraki) override { return QWidget::focusNextPrevChild(sonraki); }

    void focusInEvent(QFocusEvent* olay) override
    {
        const bool dahaÖnceOdaktaydı = odaktaydı_;
        odaktaydı_ = true;
        QDateEdit::focusInEvent(olay);
        switch (olay->reason()) {
        case Qt::PopupFocusReason:
            return;  // back from the calendar or a menu: the part chosen before stays
        case Qt::ActiveWindowFocusReason:
            if (dahaÖnceOdaktaydı) return;  // back in the window after a message box
            break;
        case Qt::MouseFocusReason:
            // The click is handled after this event: the caret lands where the mouse is, and the
            // release below puts the selection on the day.
            tıklamaylaGirdi_ = true;
            return;
        default:
            break;
        }
        günüSeç();
    }

    void focusOutEvent(QFocusEvent* olay) override
    {
        tıklamaylaGirdi_ = false;
        QDateEdit::focusOutEvent(olay);
    }

    void keyPressEvent(QKeyEvent* olay) override
    {
        // A separator after a part that is not filled yet moves to the next part. Right after a part
        // that filled itself (the next part is already selected whole), it is only what the user types
        // out of habit, and does nothing; so does one after the year.
        if (ayırıcı(olay->text()) && !(olay->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            const int i = currentSectionIndex();
            if (!bölümBütünSeçili() && i >= 0 && i + 1 < sectionCount()) setSelectedSection(sectionAt(i + 1));
            olay->accept();
            return;
        }
        QDateEdit::keyPressEvent(olay);
    }

    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (nesne == lineEdit() && olay->type() == QEvent::MouseButtonRelease) {
            // Without a selection, digits typed where the caret stands in a filled part would be refused.
            const bool girdi = std::exchange(tıklamaylaGirdi_, false);
            if (girdi) günüSeç();
            else if (!lineEdit()->hasSelectedText() && currentSection() != NoSection) setSelectedSection(currentSection());
        }
        return QDateEdit::eventFilter(nesne, olay);
    }

private:
    void günüSeç() { setSelectedSection(sectionAt(0)); }

    bool bölümBütünSeçili() const
    {
        const QLineEdit* e = lineEdit();
        return e->hasSelectedText() && e->selectedText() == sectionText(currentSection());
    }

    bool odaktaydı_ = false;
    bool tıklamaylaGirdi_ = false;
};

}  // namespace

QDateEdit* tarihSeçici(QWidget* üst, const QString& ad, const QDate& tarih)
{
    auto* t = new TarihSeçici(tarih, üst);
    t->setObjectName(ad);
    t->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    t->setCalendarPopup(true);
    t->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    return t;
}
