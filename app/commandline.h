#pragma once
// The program's command line: help, version, another settings file, and the light or the night
// of a place or the places of a name printed without a window. Started without options, the program behaves as it always has.

#include "cli/nightrequest.h"

#include <QString>
#include <QStringList>

struct TCommandLine {
    enum TAction { caStart, caShowHelp, caShowVersion, caReject, caLight, caFind, caNight };

    TAction action = caStart;
    // The absolute path of the settings file the user asked for; empty for the usual one.
    QString settingsFile;
    // The help or version text for standard output, or the reason of a rejection for standard
    // error; ends with a line break.
    QString message;
    // A rejection that holds for any toolkit options besides (the settings file named is no
    // settings file): it is said before the toolkit starts.
    bool answerAtOnce = false;
    // With caLight: the options of --light as typed (cli/lightcommand.h reads them); its
    // SettingsFile is left to the caller, which knows the usual one.
    TLightRequest light = {};
    // With caNight: the options of --night as typed (cli/nightcommand.h reads them); its
    // Days.SettingsFile is left to the caller as light's is.
    TNightRequest night = {};
    // With caFind: the text of --find and of --limit as typed (null: not given).
    QString findText = {};
    QString findLimit = {};

    // What the process returns when it ends without starting: 0 after help or version, 2 for
    // a command line it cannot follow; the light's own exit code is its command's.
    int exitCode() const { return action == caReject ? 2 : 0; }
};

// Reads the arguments (the first one names the program). Needs no application object and no
// display, so that --help and --version work anywhere. The folder of a requested settings file
// must exist, since every later write would fail there; the file itself is created by the
// first write.
// Only a regular file (or one not there yet) of at most LargestSettingsFile bytes is a settings
// file; anything else is refused in one line.
TCommandLine ParseCommandLine(const QStringList& arguments);

// Why an argument as the system passed it cannot be used, or nothing: a name that is not valid
// text in the local encoding would turn into another name on its way through the program, and a
// file of that other name would be written.
QString ArgumentProblem(const QByteArray& argument);
