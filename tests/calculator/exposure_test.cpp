#include "calculator/shutter_speeds.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// Shutter list indexes used below.
constexpr int OneTwoFifth = 15;
constexpr int OneSecond = 36;
constexpr int OnePointThreeSeconds = 37;
// ISO list indexes.
constexpr int Iso50 = 1;
constexpr int Iso400 = 10;

class Exposure : public CalculatorForm {
protected:
    void SetUp() override { form.FormCreate(); }

    QStringList valueLabels() const
    {
        return {form.exposure.lblEV1.text(), form.exposure.lblEV1_T.text(), form.exposure.lblEV1_A.text(),
                form.exposure.lblEV1_S.text(), form.exposure.lblEV1_L.text()};
    }
    QStringList settingLabels() const
    {
        return {form.exposure.lblEV2_S.text(), form.exposure.lblEV2_T.text(), form.exposure.lblEV2_A.text(),
                form.exposure.lblEV2Shutter.text(), form.exposure.lblEV2FRatio.text()};
    }
};

TEST(ShutterSpeedTable, EachTimeIsWhatItsNameStates)
{
    ASSERT_EQ(std::size(ShutterSpeeds), 54u);
    EXPECT_STREQ(ShutterSpeeds[DefaultShutterSpeed].name, "1/400th");
    for (const TShutterSpeed& speed : ShutterSpeeds) {
        QString name = QString::fromLatin1(speed.name);
        double stated = 0;
        if (name.startsWith("1/")) {
            name = name.mid(2);
            name.remove("th").remove("rd");
            stated = 1 / name.toDouble();
        } else {
            ASSERT_TRUE(name.endsWith(" sec")) << speed.name;
            stated = name.chopped(4).toDouble();
        }
        EXPECT_EQ(speed.seconds, stated) << speed.name;
    }
    for (std::size_t i = 1; i < std::size(ShutterSpeeds); ++i)
        EXPECT_LT(ShutterSpeeds[i - 1].seconds, ShutterSpeeds[i].seconds) << ShutterSpeeds[i].name;
}

TEST(ShutterSpeedTable, RejectsWhatIsNotAListOrNotASelection)
{
    const TEdit notAList;
    expectUserError([&] { ShutterSeconds(notAList); }, "Sender is not an TComboBox!");
    const TList nothingSelected(ShutterSpeedNames());
    expectUserError([&] { ShutterSeconds(nothingSelected); }, "Item index = -1");
    const TList shortList(QStringList{"a"}, 0);
    EXPECT_EQ(ShutterSeconds(shortList), 1.0 / 4000);
}

TEST_F(Exposure, StartUpValues)
{
    EXPECT_EQ(form.exposure.cmbxEV1Shutter.text(), "1/400th");
    EXPECT_EQ(form.exposure.cmbxEV2Shutter.text(), "1/400th");
    EXPECT_EQ(valueLabels(), QStringList({LocaleText("14.6"), LocaleText("8.6"), "6", "5", LocaleText("9.6")}));
    EXPECT_EQ(settingLabels(), QStringList({"5", LocaleText("8.6"), "6", "1/512 sec", LocaleText("9.2")}));
}

TEST_F(Exposure, ValueAtIso100FromOtherSettings)
{
    form.exposure.cmbxEV1Shutter.setItemIndex(OneTwoFifth);
    form.exposure.edtEV1Fratio.setText(LocaleText("5.6"));
    form.exposure.cmbxEV1ISO.setItemIndex(Iso400);
    // T 7, A 5 (2 log2 5.6 = 4.97), S 7.
    EXPECT_EQ(valueLabels(), QStringList({"10", "7", "5", "7", "5"}));
    form.exposure.cmbxEV1Shutter.setItemIndex(OnePointThreeSeconds);
    EXPECT_EQ(form.exposure.lblEV1_T.text(), LocaleText("-0.4"));
    EXPECT_EQ(form.exposure.lblEV1_L.text(), LocaleText("-2.4"));
}

TEST_F(Exposure, EmptyFRatioLeavesTheValuesAlone)
{
    form.exposure.edtEV1Fratio.setText("");
    form.exposure.cmbxEV1Shutter.setItemIndex(OneTwoFifth);
    form.exposure.cmbxEV1ISO.setItemIndex(Iso400);
    EXPECT_EQ(valueLabels(), QStringList({LocaleText("14.6"), LocaleText("8.6"), "6", "5", LocaleText("9.6")}));
}

// The time and speed do not depend on the f-ratio and are shown; what does shows "N/A".
TEST_F(Exposure, NonPositiveFRatioFailsAfterSpeedAndTime)
{
    for (const char* fRatio : {"0", "-2"}) {
        form.exposure.edtEV1Fratio.setText("8");
        form.exposure.cmbxEV1ISO.setItemIndex(4);
        expectUserError([&] { form.exposure.edtEV1Fratio.setText(fRatio); }, "F ratio must be greater than zero!");
        EXPECT_EQ(form.exposure.edtEV1Fratio.error(), "F ratio must be greater than zero!");
        expectUserError([&] { form.exposure.cmbxEV1ISO.setItemIndex(Iso400); }, "F ratio must be greater than zero!");
        EXPECT_EQ(valueLabels(), QStringList({"N/A", LocaleText("8.6"), "N/A", "7", "N/A"})) << fRatio;
    }
    form.exposure.edtEV1Fratio.setText("8");
    EXPECT_EQ(form.exposure.edtEV1Fratio.error(), "");
    EXPECT_EQ(valueLabels(), QStringList({LocaleText("12.6"), LocaleText("8.6"), "6", "7", LocaleText("7.6")}));
}

TEST_F(Exposure, SettingsGroupNonPositiveFRatio)
{
    expectUserError([&] { form.exposure.edtEV2Fratio.setText(LocaleText("0.0")); },
                    "F ratio must be greater than zero!");
    expectUserError([&] { form.exposure.cmbxEV2ISO.setItemIndex(Iso50); }, "F ratio must be greater than zero!");
    EXPECT_EQ(settingLabels(), QStringList({"4", LocaleText("8.6"), "N/A", "N/A", "N/A"}));
}

TEST_F(Exposure, TextsThatAreNotNumbers)
{
    expectUserError([&] { form.exposure.edtEV1Fratio.setText("f8"); }, "'f8' is not a valid floating point value");
    expectUserError([&] { form.exposure.edtEV2.setText("ten"); }, "'ten' is not a valid floating point value");
    const QString foreign = ForeignDecimalText("8.0");
    expectUserError([&] { form.exposure.edtEV2Fratio.setText(foreign); }, ForeignDecimalMessage(foreign));
    EXPECT_EQ(valueLabels(), QStringList({"N/A", LocaleText("8.6"), "N/A", "5", "N/A"}));
    EXPECT_EQ(settingLabels(), QStringList({"5", LocaleText("8.6"), "N/A", "N/A", "N/A"}));
}

TEST_F(Exposure, NoShutterSelectionIsAnError)
{
    expectUserError([&] { form.exposure.cmbxEV1Shutter.setItemIndex(-1); }, "Item index = -1");
    expectUserError([&] { form.exposure.cmbxEV2Shutter.setItemIndex(-1); }, "Item index = -1");
    EXPECT_EQ(form.exposure.lblEV1.text(), LocaleText("14.6"));
    EXPECT_EQ(form.exposure.lblEV2FRatio.text(), LocaleText("9.2"));
}

struct SettingsCase {
    const char* light;
    const char* fRatio;
    int shutter;
    const char* time;
    const char* shutterToUse;
    const char* fRatioToUse;
};

class ExposureSettings : public Exposure, public testing::WithParamInterface<SettingsCase> {};

TEST_P(ExposureSettings, FromLightValue)
{
    const SettingsCase& c = GetParam();
    form.exposure.edtEV2.setText(LocaleText(c.light));
    form.exposure.edtEV2Fratio.setText(LocaleText(c.fRatio));
    form.exposure.cmbxEV2Shutter.setItemIndex(c.shutter);
    EXPECT_EQ(form.exposure.lblEV2_T.text(), LocaleText(c.time));
    EXPECT_EQ(form.exposure.lblEV2Shutter.text(), LocaleText(c.shutterToUse));
    EXPECT_EQ(form.exposure.lblEV2FRatio.text(), LocaleText(c.fRatioToUse));
}

INSTANTIATE_TEST_SUITE_P(Cases, ExposureSettings,
                         testing::Values(SettingsCase{"10", "8", DefaultShutterSpeed, "8.6", "1/512 sec", "9.2"},
                                         SettingsCase{"15", "16", DefaultShutterSpeed, "8.6", "1/4096 sec", "52"},
                                         SettingsCase{"15", "16", OneSecond, "0", "1/4096 sec", "1024"},
                                         SettingsCase{"-5", "2", OneSecond, "0", "4 sec", "1"},
                                         // S + L - A = 0: exactly one second.
                                         SettingsCase{"1", "8", OneSecond, "0", "1 sec", "8"},
                                         // 2^1.5 s is written with two decimals.
                                         SettingsCase{"-0.5", "8", OnePointThreeSeconds, "-0.4", "2.83 sec", "5.5"},
                                         SettingsCase{"-2", "8", DefaultShutterSpeed, "8.6", "8 sec", "0.1"}));

TEST_F(Exposure, LoneMinusWhileTypingMarksTheLightValue)
{
    expectUserError([&] { form.exposure.edtEV2.setText("-"); }, "'-' is not a valid floating point value");
    form.exposure.cmbxEV2Shutter.setItemIndex(OneSecond);
    form.exposure.edtEV2Fratio.setText("4");
    EXPECT_EQ(settingLabels(), QStringList({"5", LocaleText("8.6"), "6", "N/A", "N/A"}));
    form.exposure.edtEV2.setText("-2");
    EXPECT_EQ(settingLabels(), QStringList({"5", "0", "4", "2 sec", LocaleText("2.8")}));
    form.exposure.edtEV2.setText("");
    expectUserError([&] { form.exposure.edtEV2.setText("--"); }, "'--' is not a valid floating point value");
}

TEST_F(Exposure, HugeLightValuesOverflowInsteadOfShowingInfinity)
{
    expectUserError([&] { form.exposure.edtEV2.setText("-2000"); }, OverflowMessage);
    EXPECT_EQ(form.exposure.lblEV2Shutter.text(), "N/A");
    // So fast that the time underflows to zero, and the f-ratio overflows.
    expectUserError([&] { form.exposure.edtEV2.setText("5000"); }, OverflowMessage);
    EXPECT_EQ(form.exposure.lblEV2FRatio.text(), "N/A");
    EXPECT_EQ(form.exposure.edtEV2.error(), OverflowMessage);
}

}  // namespace
