// A German or a Thai session shows no English: every window is built once in English and once
// in the other language, and a text the other language shows as English does may hold no English
// word, only names, units and figures.

#include "astro/calendar.h"
#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "locations/location.h"
#include "locations/settingsfile.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"
#include "moonwindow/moonwindowview.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "planner/frmplanner.h"
#include "planner/frmplannerview.h"
#include "tests/locale_switch.h"
#include "texts/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Words that are the same in every language the program speaks.
const QStringList Names = {
    // the program, the place table's source, time and its zones
    "Shutterly", "GeoNames", "UTC", "GMT", "CET", "CEST", "Europe", "Berlin",
    // units, codes and abbreviations photographers use as they are
    "ISO", "EV", "ND", "mm", "cm", "km", "PDF", "PNG", "CSV", "ICS", "iCalendar", "LAT", "LON",
    // the camera makers named in the sensor list
    "Nikon", "Canon", "APS", "DX", "Four", "Thirds", "Micro"};

// Every text a user reads in `window`: labels, buttons, group titles, tabs, menus, list items,
// tool tips and memo texts.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    QList<QObject*> objects = window->findChildren<QObject*>();
    for (QObject* object : objects) {
        if (auto* widget = qobject_cast<QWidget*>(object))
            texts << widget->toolTip() << widget->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(object))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            texts << group->title();
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
            texts << memo->toPlainText();
        else if (auto* action = qobject_cast<QAction*>(object))
            texts << action->text() << action->toolTip();
        if (auto* list = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(object))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return texts;
}

// Words German writes as English does.
const QStringList GermanAsEnglish = {"Lunaria", "Lunation", "West",  "April", "August", "September", "November",
                                     "Total",   "Minute",   "Tevet", "Adar",  "Nisan",  "Elul"};

// The English words of `text` that `language` would not write: runs of three or more Latin
// letters that are no name.
QStringList EnglishWords(const QString& text, QLocale::Language language)
{
    static const QRegularExpression Word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList words;
    for (auto match = Word.globalMatch(text); match.hasNext();) {
        const QString word = match.next().captured();
        if (!Names.contains(word) && !(language == QLocale::German && GermanAsEnglish.contains(word)))
            words << word;
    }
    return words;
}

// The windows as the program connects them, on one fixed day, with their texts.
class TWindows {
public:
    explicit TWindows(const QString& settingsFile)
        : moon(calculator, clock, settingsFile),
          moonView(moon),
          more(calculator, clock, settingsFile),
          moreView(more),
          locations(settingsFile),
          locationsView(locations),
          utc(clock),
          utcView(utc)
    {
        calculator.FormCreate();
        moon.FormCreate();
        moon.connectWindows(&more, &locations, &utc);
        calculator.connectWindows(&moon, &more, &locations);
        calculator.TimerTimer();
        more.LocationChange();
        locations.Show();
        // The date dialogs as they open, their results filled in.
        utc.FormShow();
        moon.julianDialog().FormShow();
        moon.jewishDialog().FormShow();
        TLocation berlin;
        berlin.Name = QStringLiteral("Berlin");
        berlin.Latitude = 52.52;
        berlin.Longitude = -13.405;
        const TPlaceZone zone{QTimeZone("Europe/Berlin")};
        planner.ShowDay(berlin, zone.day(astro::CalendarToDateTime(2027, 6, 21)), zone, zone);
    }

    // Each window's texts, named by the window.
    QList<std::pair<QString, QStringList>> texts()
    {
        QList<std::pair<QString, QStringList>> all;
        for (QWidget* window : std::initializer_list<QWidget*>{&calculatorView, &moonView, &moreView, &locationsView,
                                                               &utcView, &plannerView})
            all.append({window->objectName(), ShownTexts(window)});
        return all;
    }

private:
    TFixedClock clock{astro::CalendarToDateTime(2027, 6, 21) + 0.5, -120};
    TFrmMain calculator{clock};
    CalculatorWindowView calculatorView{calculator};
    TMainForm moon;
    MoonWindowView moonView;
    Tfrm_more more;
    FrmMoreView moreView;
    Tfrm_locations locations;
    FrmLocationsView locationsView;
    Tfrm_utc utc;
    FrmUtcView utcView;
    Tfrm_planner planner;
    FrmPlannerView plannerView{planner};
};

void RemoveTranslations()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
        delete translator;
}

class Untranslated : public testing::TestWithParam<const char*> {
protected:
    ~Untranslated() override
    {
        // The suite's own language for the tests after this one.
        RemoveTranslations();
        InstallTranslations(*qApp);
    }

    QStringList windowTexts(const char* locale)
    {
        const TLocaleSwitch language(locale);
        RemoveTranslations();
        InstallTranslations(*qApp, QLocale());
        QTemporaryDir folder;
        TLocation home;
        home.Name = QStringLiteral("Berlin");
        home.Latitude = 52.52;
        home.Longitude = -13.405;
        const TLocationList places{home};
        const QString settings = folder.filePath(QStringLiteral("shutterly.ini"));
        SaveLocations(settings, &places, 0);
        TWindows windows(settings);
        QStringList texts;
        for (const auto& [window, shown] : windows.texts())
            for (const QString& text : shown)
                texts << window + u'\t' + text;
        return texts;
    }
};

TEST_P(Untranslated, NoWindowShowsAnEnglishWord)
{
    const QStringList english = windowTexts("C.UTF-8");
    QStringList faults;
    for (const QString& text : windowTexts(GetParam()))
        if (english.contains(text) &&
            !EnglishWords(text.section(u'\t', 1),
                          QLocale(QString::fromLatin1(GetParam()).section(u'.', 0, 0)).language())
                 .isEmpty())
            faults << text.left(160);
    faults.removeDuplicates();
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " texts stay English:\n" << faults.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Untranslated, testing::Values("de_DE.UTF-8", "th_TH.UTF-8"));

}  // namespace
