#pragma once
// The product's addresses on the web.
#include <QString>

inline const QString HelpSite = QStringLiteral("https://tesselmar.blogspot.com");
// Help page on problems with the database server.
inline const QString ServerHelpPage = HelpSite + QStringLiteral("/2011/09/problemas-com-servidor-mysql.html");
