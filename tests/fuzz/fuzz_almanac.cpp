// The almanac's entry points with arbitrary doubles and whole numbers: each call ends with a
// finite result or the library's error (an angle helper may answer NaN for a non-finite input).

#include "fuzz_support.h"
#include "tests/astro/almanac_entry_points.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    using namespace astro::testing;
    TFuzzBytes bytes(data, size);
    const auto& entries = AlmanacEntryPoints();
    const TEntryPoint& entry = entries[bytes.Take<quint8>() % entries.size()];
    TEntryArguments arguments;
    arguments.A = bytes.Take<double>();
    arguments.B = bytes.Take<double>();
    arguments.Latitude = bytes.Take<double>();
    arguments.N = bytes.Take<int>();
    arguments.M = bytes.Take<int>();
    arguments.D = bytes.Take<int>();
    const std::string broken = RuleBrokenBy(entry, arguments);
    if (!broken.empty())
        Finding(broken);
    return 0;
}
