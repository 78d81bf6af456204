#pragma once
// The data-bound widgets: each follows one field of a table object, its
// cursor and its state, like Delphi's data-aware controls.
#include "ui/common/db_check_box.h"
#include "ui/common/db_combo_box.h"
#include "ui/common/db_date_edit.h"
#include "ui/common/db_edit.h"
#include "ui/common/db_memo.h"
#include "ui/common/db_radio_group.h"
