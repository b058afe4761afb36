#pragma once
// Registers the opener of the invoicing window with the main window's menu item and toolbar button.

void FaturaPencereleriniKaydet();
