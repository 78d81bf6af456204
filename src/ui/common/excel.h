#pragma once
// Whether the program can write spreadsheets (the export of a table).

// True when .xlsx files can be written. The program writes them itself
// (the spreadsheet layer over libxlsxwriter, linked into the program), so
// no outside spreadsheet program has to be installed: the answer is
// always true here. Callers keep asking, so a build without that layer
// can answer false in this one place.
bool IsExcelInstalled();
