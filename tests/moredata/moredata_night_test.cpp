// The Night block of More Data: the dark sky of the shown day's night and the Milky Way's core
// in it, or in words why there is none.

#include "moredata_test_support.h"
#include "tests/locale_switch.h"

#include <QRegularExpression>

namespace {

class NightBlock : public MoreDataWindow {
protected:
    Tfrm_more& showAt(double latitude, double longitude, int year, int month, int day)
    {
        clock.set(At(year, month, day, 12));
        store({Place("Here", latitude, longitude)});
        Tfrm_more& w = create();
        w.LocationChange();
        return w;
    }
    const TLocaleSwitch english{"C.UTF-8"};
};

struct TNightWords {
    const char* Name;
    double Latitude, Longitude;  // west positive
    int Year, Month, Day;
    const char* DarkSky;  // the words, or "" where the row holds spans of time
    const char* Core;     // the words, or "" where the row holds spans of time
};

class NightWords : public NightBlock, public testing::WithParamInterface<TNightWords> {};

TEST_P(NightWords, SayWhyOrGiveTheSpans)
{
    const TNightWords& c = GetParam();
    Tfrm_more& w = showAt(c.Latitude, c.Longitude, c.Year, c.Month, c.Day);
    EXPECT_EQ(w.lbl_night.text(), "Night");
    EXPECT_EQ(w.lbl_darksky.text(), "Dark sky");
    EXPECT_EQ(w.lbl_mwcore.text(), "Milky Way core");
    // "18:08 UTC – 06:10 UTC"
    static const QRegularExpression span(QStringLiteral("^\\d\\d:\\d\\d UTC – \\d\\d:\\d\\d UTC"));
    if (*c.DarkSky)
        EXPECT_EQ(w.val_darksky.text(), c.DarkSky);
    else
        EXPECT_TRUE(span.match(w.val_darksky.text()).hasMatch()) << w.val_darksky.text().toStdString();
    if (*c.Core)
        EXPECT_EQ(w.val_mwcore.text(), c.Core);
    else
        EXPECT_TRUE(span.match(w.val_mwcore.text()).hasMatch() && w.val_mwcore.text().contains(", highest "))
            << w.val_mwcore.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Nights, NightWords,
    testing::Values(TNightWords{"WhiteNight", 64.0, 21.9, 2024, 6, 21,
                                "No dark sky: the sun stays above −18° all night", "–"},
                    TNightWords{"FullMoon", 52.0, -13.4, 2024, 12, 15, "No dark sky: the moon is up all night", "–"},
                    TNightWords{"CoreTooLow", 52.0, -13.4, 2024, 12, 30, "", "The core stays below 10°"},
                    TNightWords{"CoreHigh", 0.0, -36.8, 2024, 6, 6, "", ""}),
    [](const testing::TestParamInfo<TNightWords>& info) { return std::string(info.param.Name); });

// On the equator the core culminates 61 degrees high in the south; the row says so with the
// compass point of its direction.
TEST_F(NightBlock, TheCoresHighestPointHasItsAltitudeAndDirection)
{
    Tfrm_more& w = showAt(0.0, -36.8, 2024, 6, 6);
    EXPECT_TRUE(w.val_mwcore.text().endsWith("at 61° altitude, 180° S")) << w.val_mwcore.text().toStdString();
}

TEST_F(NightBlock, IsEmptyWithoutAPlace)
{
    Tfrm_more& w = create();
    w.LocationChange();
    EXPECT_EQ(w.val_darksky.text(), w.val_moonriselight.text());
    EXPECT_EQ(w.val_mwcore.text(), w.val_moonriselight.text());
}

// The German and Thai texts come from the string table like the Light block's.
TEST_F(NightBlock, SpeaksTheInterfaceLanguage)
{
    for (const char* locale : {"de_DE.UTF-8", "th_TH.UTF-8"}) {
        const TLocaleSwitch language(locale);
        Tfrm_more& w = showAt(64.0, 21.9, 2024, 6, 21);
        EXPECT_NE(w.val_darksky.text(), "No dark sky: the sun stays above −18° all night") << locale;
        EXPECT_NE(w.lbl_night.text(), "Night") << locale;
        EXPECT_FALSE(w.val_darksky.text().isEmpty()) << locale;
    }
}

}  // namespace
