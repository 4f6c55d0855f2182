// STUB
#include "plot/text_table.h"
int TextTable::ReadAll(const char*, RowList&) { return 1; }
