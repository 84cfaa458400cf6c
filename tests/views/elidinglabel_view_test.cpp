// The room a result label keeps for its longest usual text: the widest month name of the user's
// language, as that language is at the time, and no other.

#include "controls/bindingview.h"

#include "tests/locale_switch.h"

#include <QFontMetrics>
#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

int ReservedWidth(const QString& text)
{
    TElidingLabel label(text);
    label.reserveRoomForResults();
    return label.minimumSizeHint().width();
}

QStringList MonthNames(const QLocale& language)
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << language.monthName(month, QLocale::LongFormat);
    return names;
}

class ReservedRoomForMonths : public testing::TestWithParam<const char*> {};

TEST_P(ReservedRoomForMonths, FollowTheUsersLanguage)
{
    const QLocale language(QString::fromLatin1(GetParam()).section(u'.', 0, 0));
    const QFontMetrics metrics(TElidingLabel().font());
    const QStringList names = MonthNames(language);
    const auto byWidth = [&](const QString& a, const QString& b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    };
    const QString narrowest = *std::min_element(names.begin(), names.end(), byWidth);
    const QString widest = *std::max_element(names.begin(), names.end(), byWidth);

    int inLanguage = 0;
    int inEnglish = 0;
    {
        const TLocaleSwitch user(GetParam());
        inLanguage = ReservedWidth(narrowest);
    }
    {
        const TLocaleSwitch english("C.UTF-8");
        inEnglish = ReservedWidth(narrowest);
    }
    EXPECT_GE(inLanguage, metrics.horizontalAdvance(widest));
    EXPECT_LT(inEnglish, inLanguage) << "'" << narrowest.toStdString() << "' is no month in English";
}

INSTANTIATE_TEST_SUITE_P(Languages, ReservedRoomForMonths, testing::Values("de_DE.UTF-8", "th_TH.UTF-8"));

}  // namespace
