#pragma once
// Registers the openers of the stock lists' windows for the main window's menus and the start-up.
void StokListeleriniKaydet();
