// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts the monitor composes, each from one template of the user's language. The store
// keeps its texts untranslated, so a change of language reads them again.
namespace monitortexts {

// "N/A": no connection known yet.
QString none();
// Whether a stored text is the store's mark of none ("N/A", kept untranslated).
bool isNoneMark(const QString& stored);
// The tray hint's and the connect balloon's lines.
QString connectionLine(const QString& name);
QString speedLine(const QString& bitsPerSecond);
QString durationLine(const QString& duration);
QString clientIpLine(const QString& address);
// The duration's tooltip while connected.
QString onlineTip(const QString& online);
// The last connection's times: as the store keeps them, and as shown.
QString storedTimes(const QString& online, const QString& offline);
QString timesTip(const QString& online, const QString& offline);
// A stored text shown: the stored times and the none mark in the user's language, any other
// text (an older version's, stored translated) as it stands.
QString shownStored(const QString& stored);
// The main window's caption while connected.
QString caption(const QString& name, const QString& duration);

} // namespace monitortexts
