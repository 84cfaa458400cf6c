#pragma once
// Files and processes for the settings-file tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot prepare " + path.toStdString());
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A temporary folder that an unprivileged user may enter.
class TTestFolder {
public:
    TTestFolder() { QFile::setPermissions(FDir.path(), QFileDevice::Permissions(0x7777)); }
    QString path(const QString& name) const { return FDir.filePath(name); }

private:
    QTemporaryDir FDir;
};

constexpr int CannotDropPrivileges = 125;

// Root may write to read-only files and folders, so a read-only case is run by the user
// "nobody" in a child process when the tests run as root. Returns what `body` returns (the
// child's exit status), or CannotDropPrivileges.
inline int runUnprivileged(const std::function<int()>& body)
{
    if (geteuid() != 0)
        return body();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        return CannotDropPrivileges;
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(CannotDropPrivileges);
        int result = 1;
        try {
            result = body();
        } catch (...) {
        }
        _exit(result);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : CannotDropPrivileges;
}

// While alive, no file of this process may grow beyond `bytes`: a write past it fails as on a
// full disk. This holds for root as well.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FSaved);
        FSavedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FSaved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSavedHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FSavedHandler)(int) = nullptr;
};
