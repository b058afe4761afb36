#pragma once
// Registers the openers of the windows that the application core itself provides: the login password
// window and the server change window.
void ÇekirdekPencereleriniKaydet();
