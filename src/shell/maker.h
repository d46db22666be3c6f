#pragma once

#include <QString>

// The maker's addresses: shown in the about box and opened by the web-site command.
inline const QString kMakerWebSite = QStringLiteral("http://www.vantrelpress.example/");
inline const QString kMakerWebSiteShown = QStringLiteral("www.vantrelpress.example");
