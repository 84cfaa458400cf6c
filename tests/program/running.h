#pragma once
// The real program, started as a user starts it (offscreen), and what it leaves behind.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A running copy of the program, killed when the test leaves it.
class TRunningProgram {
public:
    // Starts the program with the arguments given as bytes (as the system passes them), its
    // output into `output` and its errors into `errors`; a `locale` given replaces the test's.
    TRunningProgram(const std::vector<QByteArray>& arguments, const QString& output, const QString& errors,
                    const char* locale = nullptr)
    {
        const QByteArray program = QByteArrayLiteral(SHUTTERLY_BINARY_DIR "/shutterly");
        std::vector<QByteArray> words{program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        const QByteArray out = QFile::encodeName(output);
        const QByteArray err = QFile::encodeName(errors);
        FPid = fork();
        if (FPid == 0) {
            std::vector<char*> argv;
            for (QByteArray& word : words)
                argv.push_back(word.data());
            argv.push_back(nullptr);
            const int in = ::open("/dev/null", O_RDONLY);
            const int outFile = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFile = ::open(err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(in, 0);
            ::dup2(outFile, 1);
            ::dup2(errFile, 2);
            if (locale) {
                ::setenv("LC_ALL", locale, 1);
                ::setenv("LANG", locale, 1);
            }
            ::execv(program.constData(), argv.data());
            _exit(127);
        }
    }
    ~TRunningProgram()
    {
        if (running()) {
            ::kill(FPid, SIGKILL);
            wait(std::chrono::seconds(10));
        }
    }
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;

    pid_t pid() const { return FPid; }
    bool running() const { return FPid > 0 && !FExitCode; }
    void signal(int number) const { ::kill(FPid, number); }

    // The exit code (128 + the signal for one that killed it), or nothing when it still runs
    // after `limit`.
    std::optional<int> wait(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!FExitCode) {
            int status = 0;
            if (::waitpid(FPid, &status, WNOHANG) == FPid)
                FExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else if (std::chrono::steady_clock::now() > end)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return FExitCode;
    }

private:
    pid_t FPid = -1;
    std::optional<int> FExitCode;
};

// Waits until `holds` is true, for at most `limit`.
inline bool WaitUntil(const std::function<bool()>& holds, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!holds()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
