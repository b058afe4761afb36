#pragma once
// A written workbook read back whole before it takes its name. The spreadsheet library writes the sheet
// and every other part of the file through temporary files of its own and does not notice when a write
// to them fails (a full temporary folder): the file then holds empty, cut or short parts while the
// library reports success. Reading the file back is what tells.
#include <QString>

namespace platform {

// What the reading back of a workbook found; Yok when the workbook is whole.
enum class KitapKusuru {
    Yok,
    Okunamadı,      // the file, or the zip's directory of its parts, cannot be read
    ParçaEksik,     // a part that every workbook of ours has is missing
    ParçaBoş,       // a part is empty
    ParçaBozuk,     // a part does not inflate to its stored size and CRC-32
    XmlBozuk,       // a part is not well-formed XML; for the sheet also: cut short, not closed
    SatırlarEksik,  // the sheet holds another number of rows, or another last row, than was written
};

// Reads the workbook at `yol` back: every part present, none empty, each inflating to its stored size and
// CRC-32 and being well-formed XML; and its one sheet holding `satırSayısı` rows (every row the library
// writes: one with a cell, a height or a look), the last numbered `sonSatır` (from 1). The sheet, tens of
// megabytes for a long list, is gone through piece by piece as it is inflated, never held whole.
KitapKusuru yazılanKitabıDenetle(const QString& yol, qint64 satırSayısı, int sonSatır);

}  // namespace platform
