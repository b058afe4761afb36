#include "core/TarihSecici.h"

#include <QLocale>

namespace {
class TarihSeçici : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    // The date box's own rule steps through its sections first; here Tab goes straight on.
    bool focusNextPrevChild(bool sonraki) override { return QWidget::focusNextPrevChild(sonraki); }
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
