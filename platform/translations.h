// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own translations and Qt's, chosen for the user's message language.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace translations {

// The user's message languages, most wanted first, chosen as gettext does: the locale is the
// first set of LC_ALL, LC_MESSAGES and LANG; "C", "POSIX" or none means English and nothing
// else; otherwise LANGUAGE's colon-separated list comes before the locale. Each entry appears
// without codeset and modifier, then without territory ("de_DE.UTF-8" gives "de_DE", "de").
QStringList wanted(const std::function<QString(const char*)>& environment);
QStringList wantedFromEnvironment();

// The first wanted language that has a catalogue in one of `folders`: "de", "pt_BR"; empty
// for English.
QString choose(const QStringList& wanted, const QStringList& folders);

// The folders searched for the program's catalogues: "translations" beside the program, then
// the installed data folder's.
QStringList programFolders();

// Installs the program's catalogue and Qt's own for `language` (empty: removes them, English).
// Qt's catalogue comes from Qt's translations folder or from beside the program. Returns
// whether the program's catalogue loaded.
bool install(const QString& language, const QStringList& folders = programFolders());

} // namespace translations
