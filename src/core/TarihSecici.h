#pragma once
// The date box of every window: "dd.MM.yyyy" with a calendar that drops down, Turkish month and day names
// whatever the machine's locale. Tab and Shift+Tab leave the box for the next or previous control at once,
// as they leave every other box (the day, month and year are stepped through with the arrow keys).
#include <QDate>
#include <QDateEdit>
#include <QString>

QDateEdit* tarihSeçici(QWidget* üst, const QString& ad, const QDate& tarih = QDate::currentDate());
