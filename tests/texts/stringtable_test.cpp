#include "texts/stringtable.h"

#include "../test_printers.h"

#include <gtest/gtest.h>

namespace {

constexpr int FirstId = 42000;
constexpr int LastId = 42247;

TEST(StringTable, EveryNumberHasATextInEachLanguage)
{
    for (int id = FirstId; id <= LastId; ++id)
        for (QLocale::Language language : {QLocale::German, QLocale::English, QLocale::Thai})
            EXPECT_FALSE(LocalString(id, language).isEmpty()) << id << " " << language;
    EXPECT_TRUE(LocalString(FirstId - 1, QLocale::English).isEmpty());
    EXPECT_TRUE(LocalString(LastId + 1, QLocale::English).isEmpty());
}

struct TTranslation {
    int id;
    const char* german;
    const char* english;
    const char* thai;
};

class StringTableLanguages : public ::testing::TestWithParam<TTranslation> {};

TEST_P(StringTableLanguages, EachLanguageAnswersWithItsOwnText)
{
    const TTranslation& row = GetParam();
    EXPECT_EQ(LocalString(row.id, QLocale::German), QString::fromUtf8(row.german));
    EXPECT_EQ(LocalString(row.id, QLocale::English), QString::fromUtf8(row.english));
    EXPECT_EQ(LocalString(row.id, QLocale::Thai), QString::fromUtf8(row.thai));
    // Any other language gets English.
    EXPECT_EQ(LocalString(row.id, QLocale::French), QString::fromUtf8(row.english));
}

INSTANTIATE_TEST_SUITE_P(Rows, StringTableLanguages,
                         ::testing::Values(TTranslation{42000, "Lunaria", "Lunaria", "ลูนาเรีย"},
                                           TTranslation{42012, "Vollmond:", "Full moon:", "จันทร์เต็มดวง:"},
                                           TTranslation{42049, "Ungültig", "Invalid", "ไม่ถูกต้อง"},
                                           TTranslation{42089, "Kilometer", "kilometer", "กิโลเมตร"},
                                           TTranslation{42117, "Schwein", "Pig", "หมู"},
                                           TTranslation{42118, "+ West / − Ost", "+ west / − east",
                                                        "+ ตะวันตก / − ตะวันออก"}));

TEST(StringTable, EnglishTextsTheWindowsQuote)
{
    const struct {
        int id;
        const char* text;
    } rows[] = {
        {42001, "Julian date:"},
        {42024, "Set &Universal Time..."},
        {42051, "Set Universal Time"},
        {42059, "Edit locations"},
        {42063, "New Location"},
        {42070, "Begin of sommer"},
        {42076, "&Minimize to Tray"},
        {42081, "Positive numbers are northern latitude"},
        {42092, "%1% days, %2% hours, %3% minutes"},
        {42093, "(0% = New, 100% = Full)"},
        {42095, "Lunaria for Linux"},
        {42104, "Annular-total"},
        {42106, "Rat"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LocalString(row.id, QLocale::English), QString::fromUtf8(row.text)) << row.id;
}

TEST(StringTable, AgeTemplatesHoldTheirThreeFieldsAndNoFourth)
{
    for (QLocale::Language language : {QLocale::German, QLocale::English, QLocale::Thai}) {
        const QString format = LocalString(42092, language);
        for (const char* field : {"%1%", "%2%", "%3%"})
            EXPECT_TRUE(format.contains(QLatin1String(field))) << language << field;
        EXPECT_FALSE(format.contains(QLatin1String("%4%")));
    }
}

TEST(StringTable, LightTemplatesHoldTheirField)
{
    // Sun never sinks / climbs, from, until, lit share; the exported events' morning, evening
    // and azimuth.
    for (const int id : {42144, 42145, 42154, 42155, 42156, 42183, 42184, 42185})
        for (QLocale::Language language : {QLocale::German, QLocale::English, QLocale::Thai})
            EXPECT_EQ(LocalString(id, language).count(QLatin1String("%1%")), 1) << id << " " << language;
}

TEST(StringTable, MenuCaptionsLoseTheirAcceleratorAsTitles)
{
    const struct {
        const char* caption;
        const char* title;
    } cases[] = {{"&About", "About"},
                 {"\u00dc&ber", "\u00dcber"},
                 {"\u0e40\u0e01\u0e35\u0e48\u0e22\u0e27\u0e01\u0e31\u0e1a (&A)",
                  "\u0e40\u0e01\u0e35\u0e48\u0e22\u0e27\u0e01\u0e31\u0e1a"},
                 {"Set &Julian Date...", "Set Julian Date..."},
                 {"Planner (no key)", "Planner (no key)"}};
    for (const auto& c : cases)
        EXPECT_EQ(WithoutAccelerator(QString::fromUtf8(c.caption)), QString::fromUtf8(c.title)) << c.caption;
}

}  // namespace
