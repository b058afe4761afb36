#pragma once
// Registers the opener of the movement history window with the main window's menu item and toolbar.

void HareketGeçmişiPencereleriniKaydet();
