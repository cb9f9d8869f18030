// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own translations and Qt's, chosen for the user's message language.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace translations {

// The user's message languages, most wanted first, chosen as GNU gettext does: the locale is the
// first set of LC_ALL, LC_MESSAGES and LANG; when it is "C" or "POSIX" (or none is set) the
// answer is English, and LANGUAGE is not read, so that a script's LC_ALL=C gets English. Any
// other locale, "C.UTF-8" among them, lets LANGUAGE's colon-separated list speak instead of the
// locale; an entry "C" or "POSIX" there ends the list. Each entry appears without codeset and
// modifier, then without territory ("de_DE.UTF-8" gives "de_DE", "de").
using Environment = std::function<QString(const char*)>;
QStringList wanted(const Environment& environment);

// The first wanted language that has a catalogue in one of `folders`: "de", "pt_BR"; empty
// for English.
QString choose(const QStringList& wanted, const QStringList& folders);

// The first language `environment` asks for that has a catalogue in `folders`: the one choice
// the monitor and the tools make; without arguments, of the process's environment and the
// program's folders.
QString userLanguage(const Environment& environment, const QStringList& folders);
QString userLanguage();

// The folders searched for the program's catalogues: "translations" beside the program, then
// the installed data folder's.
QStringList programFolders();

// Installs the program's catalogue and Qt's own for `language` (empty: removes them, English).
// Qt's catalogue comes from Qt's translations folder or from beside the program. Returns
// whether the program's catalogue loaded.
bool install(const QString& language, const QStringList& folders = programFolders());

} // namespace translations
