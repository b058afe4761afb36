#pragma once
// Registers the openers of the four movement reports with the main window's menu items.

void HareketRaporlarınıKaydet();
