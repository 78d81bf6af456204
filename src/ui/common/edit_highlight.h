#pragma once
// The focus highlight of edits: light yellow while an edit has the focus,
// white otherwise.
class QWidget;

// Every line edit, text edit and plain-text edit of the window (the
// data-bound edits and memos derive from them) gets the background
// RGB (255, 255, 206) while it has the focus and white when it loses it.
// The line edits inside spin boxes, date edits and drop-down lists are not
// edits of their own and keep their look. Hooking a window twice is
// harmless; edits added later are hooked by calling it again.
void HookEditHighlight(QWidget *window);
