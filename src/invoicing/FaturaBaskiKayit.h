#pragma once
// Registers the opener of the invoice layout window with the main window's menu item (the main window
// makes its printer check before it runs the opener).

void FaturaBaskıPencereleriniKaydet();
