#pragma once
// Registers the definition windows with the openers table: "ÜrünTanımlaMenüsü" (the product window) and
// "TanımlamaSeçFormu" (the definition chooser), each shown modally with the given owner.
void TanımlamaPencereleriniKaydet();
