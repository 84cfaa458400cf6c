#include "locations/frmlocations.h"

#include "locations/coordinatetext.h"
#include "places/greatcircle.h"
#include "testfiles.h"
#include "tests/locations/selectedentry.h"
#include "texts/stringtable.h"

#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QByteArray TwoPlaces = "[Current]\nIndex=1\n"
                             "[Location0]\nName=Home\nLongitude=-545400\nLatitude=-136800\nElevation=120\n"
                             "[Location1]\nName=Coast\nLongitude=271800\nLatitude=36900\nElevation=3\n"
                             "TimeZone=America/Bogota\n";

// The editor with a stand-in for the question "fill the entry or add a new one?".
class PlaceSearch : public ::testing::Test {
protected:
    Tfrm_locations& open(const QByteArray& content = TwoPlaces)
    {
        writeBytes(fileName, content);
        editor = std::make_unique<Tfrm_locations>(fileName);
        editor->dlg_take.onExecute = [this](const QString& question, const QStringList& answers) {
            questions.append(question);
            lastAnswers = answers;
            return answer;
        };
        return *editor;
    }

    // Finds `query` and takes its first match.
    void take(const QString& query)
    {
        editor->edt_find.setText(query);
        ASSERT_GT(editor->FoundPlaces.rowCount(), 0) << query.toStdString();
        editor->TakeFoundPlace(0);
    }

    static QString rowText(const Tfrm_locations& form, int row)
    {
        return form.FoundPlaces.data(form.FoundPlaces.index(row, 0)).toString();
    }

    TTestFolder folder;
    QString fileName = folder.path("shutterly.ini");
    std::unique_ptr<Tfrm_locations> editor;
    QStringList questions;
    QStringList lastAnswers;
    int answer = 1;  // add as new
};

// Degrees as the editor's fields show them, to the minute: "69:39" for 69.6489.
QString ToTheMinute(double degrees)
{
    const long minutes = std::lround(std::abs(degrees) * 60);
    return QStringLiteral("%1%2:%3")
        .arg(degrees < 0 ? "-" : "+")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

TEST_F(PlaceSearch, TypingOffersTheTownAndTakingItMakesANewLocation)
{
    Tfrm_locations& form = open();
    form.edt_find.setText(QStringLiteral("trom"));
    ASSERT_GT(form.FoundPlaces.rowCount(), 0);
    EXPECT_EQ(rowText(form, 0), QStringLiteral("Tromsø, 54, Norway · Europe/Oslo"));

    form.TakeFoundPlace(0);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("Coast")));
    EXPECT_TRUE(questions[0].contains(QStringLiteral("Tromsø")));
    EXPECT_EQ(lastAnswers.size(), 2);
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Coast", "Tromsø"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 2);
    EXPECT_EQ(form.edt_name.text(), QStringLiteral("Tromsø"));
    // East of Greenwich: negative in the editor's west-positive convention.
    EXPECT_EQ(ToTheMinute(SelectedLatitude(form)), QStringLiteral("+69:39"));
    EXPECT_EQ(ToTheMinute(SelectedLongitude(form)), QStringLiteral("-18:57"));
    EXPECT_EQ(form.edt_latitude.text(), AngleToEditText(69.6489));
    EXPECT_EQ(form.edt_longitude.text(), AngleToEditText(-18.9551));
    EXPECT_EQ(form.edt_timezone.text(), QStringLiteral("Europe/Oslo"));
    EXPECT_EQ(form.selected()->TimeZone, QStringLiteral("Europe/Oslo"));
    // The search is done with.
    EXPECT_TRUE(form.edt_find.text().isEmpty());
    EXPECT_EQ(form.FoundPlaces.rowCount(), 0);
}

TEST_F(PlaceSearch, TheAnswerDecidesWhatTheFoundPlaceBecomes)
{
    const struct {
        int answer;
        QStringList names;
        int selected;
    } rows[] = {
        {0, {"Home", "Berlin"}, 1},           // fills the selected entry
        {1, {"Home", "Coast", "Berlin"}, 2},  // a new location
        {-1, {"Home", "Coast"}, 1},           // cancelled: nothing changes
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        answer = row.answer;
        Tfrm_locations& form = open();
        take(QStringLiteral("berlin"));
        EXPECT_EQ(form.lbx_location.items(), row.names);
        EXPECT_EQ(form.lbx_location.itemIndex(), row.selected);
        const bool taken = row.answer >= 0;
        EXPECT_EQ(form.edt_name.text(), taken ? QStringLiteral("Berlin") : QStringLiteral("Coast"));
        EXPECT_EQ(form.edt_timezone.text(), taken ? QStringLiteral("Europe/Berlin") : QStringLiteral("America/Bogota"));
        EXPECT_NEAR(SelectedLatitude(form), taken ? 52.52 : 10.25, 0.01);
        // A cancelled take keeps the search for another pick.
        EXPECT_EQ(form.edt_find.text().isEmpty(), taken);
    }
}

TEST_F(PlaceSearch, WithoutAnEntryThePlaceIsAddedWithoutAQuestion)
{
    Tfrm_locations& form = open("");
    take(QStringLiteral("new york"));
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(form.lbx_location.items(), QStringList({"New York City"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 0);
    EXPECT_TRUE(form.edt_latitude.enabled());
    EXPECT_EQ(form.edt_altitude.text(), QStringLiteral("57"));
}

TEST_F(PlaceSearch, ATakenPlaceIsSavedWithItsZone)
{
    Tfrm_locations& form = open();
    take(QStringLiteral("trom"));
    form.btn_okClick();
    Tfrm_locations reread(fileName);
    ASSERT_EQ(reread.lbx_location.items().size(), 3);
    EXPECT_EQ(reread.lbx_location.itemIndex(), 2);
    EXPECT_EQ(reread.edt_timezone.text(), QStringLiteral("Europe/Oslo"));
    EXPECT_NEAR(SelectedLongitude(reread), -18.9551, 0.5 / 3600);
}

TEST_F(PlaceSearch, RowsBeyondTheListAndEmptySearchesTakeNothing)
{
    Tfrm_locations& form = open();
    form.edt_find.setText(QStringLiteral("   "));
    EXPECT_EQ(form.FoundPlaces.rowCount(), 0);
    form.edt_find.setText(QStringLiteral("xqzxqz"));
    EXPECT_EQ(form.FoundPlaces.rowCount(), 0);
    form.TakeFoundPlace(0);
    form.edt_find.setText(QStringLiteral("berlin"));
    form.TakeFoundPlace(form.FoundPlaces.rowCount());
    form.TakeFoundPlace(-1);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Coast"}));
}

TEST_F(PlaceSearch, TheListKeepsToItsMostRows)
{
    Tfrm_locations& form = open();
    form.edt_find.setText(QStringLiteral("s"));
    EXPECT_EQ(form.FoundPlaces.rowCount(), TFoundPlaces::MostRows);
    const QString tip = form.FoundPlaces.data(form.FoundPlaces.index(0, 0), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains(u'\n'));
    EXPECT_FALSE(form.FoundPlaces.data(form.FoundPlaces.index(TFoundPlaces::MostRows, 0)).isValid());
}

struct TPasteCase {
    const char* text;
    const char* latitude;   // the fields afterwards
    const char* longitude;  // west positive
};

class PastedIntoTheEditor : public PlaceSearch, public ::testing::WithParamInterface<TPasteCase> {};

TEST_P(PastedIntoTheEditor, FillBothFieldsWhicheverTakesThePaste)
{
    for (const bool intoLatitude : {true, false}) {
        SCOPED_TRACE(intoLatitude ? "latitude field" : "longitude field");
        Tfrm_locations& form = open();
        TEdit& field = intoLatitude ? form.edt_latitude : form.edt_longitude;
        field.enter();
        EXPECT_TRUE(form.PasteCoordinates(field, QString::fromUtf8(GetParam().text)));
        field.exit();
        EXPECT_EQ(form.edt_latitude.text(), QString::fromLatin1(GetParam().latitude));
        EXPECT_EQ(form.edt_longitude.text(), QString::fromLatin1(GetParam().longitude));
        EXPECT_DOUBLE_EQ(SelectedLatitude(form), EditTextToAngle(form.edt_latitude.text()));
        EXPECT_DOUBLE_EQ(SelectedLongitude(form), EditTextToAngle(form.edt_longitude.text()));
        EXPECT_TRUE(field.error().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, PastedIntoTheEditor,
                         ::testing::Values(TPasteCase{"40.7128, -74.0060", "40:42:46", "74:0:22"},
                                           TPasteCase{"52.5200, 13.4050", "52:31:12", "-13:24:18"},
                                           TPasteCase{"52.52 N 13.405 E", "52:31:12", "-13:24:18"},
                                           TPasteCase{"52°31'12\"N 13°24'18\"E", "52:31:12", "-13:24:18"},
                                           TPasteCase{"geo:-33.8688,151.2093", "-33:52:8", "-151:12:33"},
                                           TPasteCase{" 34.0522° N, 118.2437° W\n", "34:3:8", "118:14:37"}));

TEST_F(PlaceSearch, APasteOfNewYorkNamesItAsTheNearestPlaceAndSuggestsItsZone)
{
    Tfrm_locations& form = open();
    form.PasteCoordinates(form.edt_latitude, QStringLiteral("40.7128, -74.0060"));
    EXPECT_EQ(form.edt_timezone.text(), QStringLiteral("America/New_York"));
    EXPECT_TRUE(form.lbl_timezone_note.text().contains(QStringLiteral("New York")));
    form.btn_okClick();
    EXPECT_EQ(Tfrm_locations(fileName).edt_timezone.text(), QStringLiteral("America/New_York"));
    const QString near = form.lbl_nearest.text();
    EXPECT_TRUE(near.startsWith(LocalString(42192).section(u'%', 0, 0) + QStringLiteral("New York City, US, ")))
        << near.toStdString();
}

TEST_F(PlaceSearch, AFieldsOwnTextIsLeftToTheField)
{
    Tfrm_locations& form = open();
    for (const char* text : {"+052:31:12", "52:31", " 13 ", "-018:57:00"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(form.PasteCoordinates(form.edt_latitude, QString::fromLatin1(text)));
        EXPECT_EQ(form.edt_latitude.text(), QStringLiteral("10:15:0"));
    }
    // Beyond the field's degrees it is refused instead.
    EXPECT_TRUE(form.PasteCoordinates(form.edt_latitude, QStringLiteral("95:00:00")));
    EXPECT_FALSE(form.PasteCoordinates(form.edt_longitude, QStringLiteral("95:00:00")));
}

TEST_F(PlaceSearch, ARefusedPasteIsMarkedAndNamesTheFormsUntilTheFieldsReadAgain)
{
    Tfrm_locations& form = open();
    const QString before = form.lbl_nearest.text();
    EXPECT_FALSE(before.isEmpty());
    for (const char* text : {"Berlin", "52.52", "91, 13", "52.52 N 13.405 N", "geo:", ""}) {
        SCOPED_TRACE(text);
        form.edt_longitude.enter();
        EXPECT_TRUE(form.PasteCoordinates(form.edt_longitude, QString::fromUtf8(text)));
        EXPECT_EQ(form.edt_longitude.error(), LocalString(42193));
        EXPECT_EQ(form.lbl_nearest.text(), LocalString(42193));
        // Nothing of the entry changed.
        EXPECT_EQ(form.edt_longitude.text(), QStringLiteral("75:30:0"));
        EXPECT_DOUBLE_EQ(SelectedLongitude(form), 75.5);
        form.edt_longitude.exit();
    }
    form.edt_altitude.setText(QStringLiteral("4"));
    EXPECT_TRUE(form.edt_longitude.error().isEmpty());
    EXPECT_EQ(form.lbl_nearest.text(), before);
}

TEST_F(PlaceSearch, TheNearestPlaceFollowsTheSelectedEntry)
{
    Tfrm_locations& form = open("[Location0]\nName=Here\nLongitude=-48258\nLatitude=189072\n"
                                "[Location1]\nName=Pole\nLongitude=0\nLatitude=-324000\n");
    // Berlin's centre, 13.405 E 52.52 N: the table's Berlin lies half a kilometre away.
    const TPlace berlin = TPlaceTable::BuiltIn().at(TPlaceTable::BuiltIn().Find(QStringLiteral("Berlin, DE"), 1)[0]);
    const double km = GreatCircleKm(52.52, -13.405, berlin.Latitude, berlin.Longitude);
    EXPECT_EQ(form.lbl_nearest.text(), LocalString(42192)
                                           .replace(QStringLiteral("%1%"), QStringLiteral("Berlin"))
                                           .replace(QStringLiteral("%2%"), QStringLiteral("DE"))
                                           .replace(QStringLiteral("%3%"), QLocale().toString(km, 'f', 1)));
    form.lbx_location.setItemIndex(1);
    // From the South Pole the nearest town is thousands of kilometres off: whole kilometres.
    const QRegularExpression fraction(QRegularExpression::escape(QLocale().decimalPoint()) + QStringLiteral("[0-9]"));
    EXPECT_FALSE(form.lbl_nearest.text().contains(fraction)) << form.lbl_nearest.text().toStdString();
    form.btn_delClick();
    form.btn_delClick();
    EXPECT_TRUE(form.lbl_nearest.text().isEmpty());
}

}  // namespace
