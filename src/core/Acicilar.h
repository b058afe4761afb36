#pragma once
// The table of openers: the main window, the definition chooser and the start-up know the windows of
// the other subsystems only by name. main.cpp registers, for each menu item's name, the routine that
// opens its window; an item without an opener does nothing.
#include <QString>
#include <functional>

class QWidget;

namespace açıcılar {

using Açıcı = std::function<void(QWidget* sahip)>;

void kaydet(const QString& ad, Açıcı açıcı);
bool varMı(const QString& ad);
// Runs the opener registered under the name; false when there is none.
bool aç(const QString& ad, QWidget* sahip);
void temizle();

}  // namespace açıcılar
