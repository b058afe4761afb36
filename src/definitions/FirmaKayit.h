#pragma once
// Registers the openers of the firm window: "SatıcıFirmaTanımlaMenüsü" and "AlıcıFirmaTanımlaMenüsü".
// The caller sets SeçiliFirmaTablosu first; the opener makes the window (which reads the table name as
// it loads), sets its Tag and caption and shows it modally over the given owner.
void FirmaPencereleriniKaydet();
