#pragma once
// Registers the openers of the stock-entry and stock-exit windows with the main window's menu items.

void StokPencereleriniKaydet();
