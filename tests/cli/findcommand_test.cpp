// `--find`: the matches of a name as lines for scripts, their exit codes and refusals.

#include "cli/findcommand.h"

#include "places/placetable.h"

#include <gtest/gtest.h>

namespace {

const TPlaceTable& Table()
{
    static const TPlaceTable table("[countries]\nNO\tNorway\nUS\tUnited States\nDE\tGermany\n"
                                   "[zones]\nEurope/Oslo\nAmerica/Denver\nEurope/Berlin\n"
                                   "[places]\n"
                                   "Tromsø\tTromso\tNO\t54\t69.6489\t18.9551\t10\t64448\t0\n"
                                   "Trombone Flats\t\tUS\tCO\t39.5\t-105.25\t1600\t5200\t1\n"
                                   "Frankfurt am Main\t\tDE\t05\t50.1155\t8.6842\t112\t650000\t2\n");
    return table;
}

struct TFindCase {
    const char* name;
    const char* text;
    const char* limit;  // nullptr: not given
    int exitCode;
    const char* output;
    const char* error;
};

class FindCommand : public testing::TestWithParam<TFindCase> {};

TEST_P(FindCommand, PrintsTheMatchesOrSaysWhyNot)
{
    const TFindCase& c = GetParam();
    const TFindAnswer answer =
        RunFindCommand(QString::fromUtf8(c.text), c.limit ? QString::fromUtf8(c.limit) : QString(), Table());
    EXPECT_EQ(answer.ExitCode, c.exitCode);
    EXPECT_EQ(answer.Output, QString::fromUtf8(c.output));
    EXPECT_EQ(answer.Error, QString::fromUtf8(c.error));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindCommand,
    testing::Values(TFindCase{"MorePopulousFirst", "trom", nullptr, 0,
                              "Tromsø\t54\tNO\t69.6489\t18.9551\tEurope/Oslo\t64448\n"
                              "Trombone Flats\tCO\tUS\t39.5000\t-105.2500\tAmerica/Denver\t5200\n",
                              ""},
                    TFindCase{"Limited", "TROM", "1", 0, "Tromsø\t54\tNO\t69.6489\t18.9551\tEurope/Oslo\t64448\n", ""},
                    TFindCase{"LaterWord", "main", nullptr, 0,
                              "Frankfurt am Main\t05\tDE\t50.1155\t8.6842\tEurope/Berlin\t650000\n", ""},
                    TFindCase{"NoMatch", "xyz", nullptr, 1, "", "No place of the table matches 'xyz'.\n"},
                    TFindCase{"EmptyText", " ", nullptr, 2, "", "The option --find needs the name of a place.\n"},
                    TFindCase{"LimitZero", "trom", "0", 2, "",
                              "The option --limit takes a whole number from 1 to 1000, not '0'.\n"},
                    TFindCase{"LimitNoNumber", "trom", "ten", 2, "",
                              "The option --limit takes a whole number from 1 to 1000, not 'ten'.\n"},
                    TFindCase{"LimitTooLarge", "trom", "1001", 2, "",
                              "The option --limit takes a whole number from 1 to 1000, not '1001'.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
