#include "ui/common/excel.h"

bool IsExcelInstalled()
{
    // Spreadsheets are written by the program itself, not by automating an
    // installed spreadsheet program, so they can always be written.
    return true;
}
