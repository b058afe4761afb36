#pragma once
// The date box of every window: "dd.MM.yyyy" with a calendar that drops down, Turkish month and day names
// whatever the machine's locale. Tab and Shift+Tab leave the box for the next or previous control at once,
// as they leave every other box (the day, month and year are stepped through with the arrow keys).
//
// A date is typed from its day on: however the box is entered (Tab, Shift+Tab, a click, the window's own
// focus), the day is selected, so "07122026" or "07.12.2026" gives 7 December 2026; a part that is filled
// moves on to the next one, and a dot (or "/", "-", ",") typed after a shorter part ("7.12.2026") does too.
// A click in the box while it has the focus selects the part under the mouse, so typing replaces it.
#include <QDate>
#include <QDateEdit>
#include <QString>

QDateEdit* tarihSeçici(QWidget* üst, const QString& ad, const QDate& tarih = QDate::currentDate());
