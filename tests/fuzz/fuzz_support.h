#pragma once
// Helpers shared by the fuzz targets: a finding ends the run at once with a message, and the
// targets that go through files keep them in memory-backed storage where the system has it,
// so that each input costs microseconds rather than a disk sync.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

// Reports a broken rule and aborts, which libFuzzer records as a finding with its input.
[[noreturn]] inline void Finding(const std::string& what)
{
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

// A folder for the target's files for the whole run.
inline const QTemporaryDir& FuzzFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/shutterly-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/shutterly-fuzz-XXXXXX"));
    if (!folder.isValid())
        Finding("no temporary folder");
    return folder;
}

// A reader of the fuzzer's bytes that hands out values and zeros once the bytes run out.
class TFuzzBytes {
public:
    TFuzzBytes(const unsigned char* data, size_t size)
        : FData(data),
          FSize(size)
    {}

    template <typename T>
    T Take()
    {
        T value{};
        unsigned char* out = reinterpret_cast<unsigned char*>(&value);
        for (size_t i = 0; i < sizeof(T) && FPos < FSize; ++i)
            out[i] = FData[FPos++];
        return value;
    }

    QByteArray Rest() const { return QByteArray(reinterpret_cast<const char*>(FData + FPos), qsizetype(FSize - FPos)); }

private:
    const unsigned char* FData;
    size_t FSize;
    size_t FPos = 0;
};
