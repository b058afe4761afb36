#pragma once
// Registers the openers of the windows that the application core itself provides: the login password
// window, the server change window, the preferences and the about and error-report windows.
void ÇekirdekPencereleriniKaydet();
