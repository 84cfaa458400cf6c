#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr int AnswerMilliseconds = 3000;
const QByteArray ComeForward = "come forward\n";

// The settings file as every start names it, links and "." resolved where it exists.
QString SameFileName(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

}  // namespace

QString TSingleInstance::lockFileName(const QString& settingsFile) { return SameFileName(settingsFile) + ".lock"; }

QString TSingleInstance::serverName(const QString& settingsFile)
{
    // A socket name has room for about a hundred bytes, a path not: the name carries a digest
    // of the path, and the user, whose copies alone it should reach.
    const QByteArray digest =
        QCryptographicHash::hash(QFile::encodeName(SameFileName(settingsFile)), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("shutterly-%1-%2").arg(::geteuid()).arg(QString::fromLatin1(digest.left(32)));
}

TSingleInstance::TSingleInstance(const QString& settingsFile)
    : FSettingsFile(settingsFile),
      FLock(lockFileName(settingsFile))
{
    // Held for as long as the program runs: only a lock whose process is gone is stale.
    FLock.setStaleLockTime(0);
    if (FLock.tryLock(0)) {
        FServer = std::make_unique<QLocalServer>();
        FServer->setSocketOptions(QLocalServer::UserAccessOption);
        // A socket left by a killed copy would keep the name taken; the lock says it is ours.
        QLocalServer::removeServer(serverName(settingsFile));
        FServer->listen(serverName(settingsFile));
        return;
    }
    // A folder the lock cannot be made in cannot take the settings either: the copy runs, and
    // its saves say why they fail.
    FAnotherRuns = FLock.error() == QLockFile::LockFailedError;
}

bool TSingleInstance::callTheRunningCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName(FSettingsFile));
    if (!socket.waitForConnected(AnswerMilliseconds))
        return false;
    socket.write(ComeForward);
    if (!socket.waitForBytesWritten(AnswerMilliseconds))
        return false;
    // The running copy answers once its window is on its way to the front.
    return socket.waitForReadyRead(AnswerMilliseconds) && socket.readAll().startsWith(ComeForward.trimmed());
}

void TSingleInstance::onCalled(std::function<void()> comeForward)
{
    if (!FServer)
        return;
    QObject::connect(FServer.get(), &QLocalServer::newConnection, FServer.get(), [this, comeForward] {
        while (QLocalSocket* caller = FServer->nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            QObject::connect(caller, &QLocalSocket::readyRead, caller, [caller, comeForward] {
                if (!caller->readAll().contains(ComeForward.trimmed()))
                    return;
                comeForward();
                caller->write(ComeForward);
                caller->flush();
            });
        }
    });
}
