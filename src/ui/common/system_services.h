#pragma once
// Services of the desktop: the busy cursor and opening documents and web
// addresses with the user's default programs.
#include <QString>
#include <QUrl>

// Qt::WaitCursor (or any shape but the arrow) shows that shape over the
// whole application; Qt::ArrowCursor removes every override. Pending events
// then run, so the change shows at once.
void SetScreenCursor(Qt::CursorShape shape);

// The address OpenDocument hands on: an existing file or an absolute path as
// a file URL, anything else as a web address (http when it has no scheme).
QUrl DocumentUrl(const QString &target);

// Opens a file or web address with the system's default program; false when
// nothing could open it.
bool OpenDocument(const QString &target);
