#pragma once
// One running Shutterly per settings file. Two copies on one file would each save the list they
// read, and the later save would drop the places the other added. The first copy holds a lock
// file beside the settings file and listens on a local socket; a later start for the same file
// asks that copy to come to the front and ends. A lock left by a copy that was killed is taken
// over. Another settings file is another lock: copies on different files run side by side.

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class TSingleInstance {
public:
    explicit TSingleInstance(const QString& settingsFile);

    // Whether another running copy holds the settings file.
    bool anotherRuns() const { return FAnotherRuns; }
    // Asks the copy that holds the file to bring its window to the front; false when it did not
    // answer within a few seconds.
    bool callTheRunningCopy() const;
    // Runs `comeForward` whenever a later start asks for this copy.
    void onCalled(std::function<void()> comeForward);

    // The lock file of a settings file, and the name of its local socket.
    static QString lockFileName(const QString& settingsFile);
    static QString serverName(const QString& settingsFile);

private:
    QString FSettingsFile;
    QLockFile FLock;
    bool FAnotherRuns = false;
    std::unique_ptr<QLocalServer> FServer;
};
