#pragma once
// The standard messages every window shows; each returns the button pressed.
#include "platform/prompt/prompt.h"

// Warning (OK): a required field is empty, so the row cannot be stored.
MsgButton WarnFieldEmpty(const QString &caption);
// Confirmation (Yes, Cancel) before deleting the row described by text.
// Callers delete only on mbYes.
MsgButton ConfirmDeleteRecord(const QString &text);
// Information (OK): the row was stored.
MsgButton NotifyRecordSaved();
