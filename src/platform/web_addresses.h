#pragma once
// The product's addresses on the web.
#include <QString>

inline const QString HelpSite = QStringLiteral("https://tesselmar.blogspot.com");
// Help page on problems with the database server.
inline const QString ServerHelpPage = HelpSite + QStringLiteral("/2011/09/problemas-com-servidor-mysql.html");
// The donation page and the maker's addresses shown in "Sobre...".
inline const QString DonationPage = HelpSite + QStringLiteral("/p/donativos.html");
inline const QString MakerSite = HelpSite;
inline const QString FeedbackAddress = QStringLiteral("tesselmar.feedback@gmail.com");
