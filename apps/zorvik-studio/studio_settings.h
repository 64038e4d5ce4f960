// SPDX-License-Identifier: GPL-3.0-or-later
// Where the studio keeps what the designer set between sessions: zorvik/zorvik-studio.conf in the user's config folder.
#pragma once

#include <QSettings>

namespace zorvik::studio {

inline QSettings studioSettings() { return QSettings(QStringLiteral("zorvik"), QStringLiteral("zorvik-studio")); }

} // namespace zorvik::studio
