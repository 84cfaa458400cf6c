#pragma once
// Where the settings file is kept.

#include <QString>

// "shutterly.ini" in `programDir` when that folder is writable or the file already exists there
// (a copy carried beside the program wins); otherwise "shutterly.ini" in `configDir`, so that a
// program installed in a folder the user cannot write to can still keep its settings. An
// installed copy (its menu entry in ../share/applications) counts as unwritable even for a user
// who could write there, such as root in /usr/bin or anyone in ~/.local/bin.
QString SettingsFilePath(const QString& programDir, const QString& configDir);

// The settings file of this run: `requested` when the user named one, otherwise SettingsFilePath
// of the program's folder and the user's configuration folder ($XDG_CONFIG_HOME, usually
// ~/.config). Called once at start-up, after the application object is made; creates the
// configuration folder when it is the one chosen.
QString SettingsFileName(const QString& requested);

// Why the settings file cannot be read, or nothing when it can or is not there yet: a file the
// user may not read would otherwise show as a file without places.
QString SettingsReadProblem(const QString& fileName);
