#include "controls/control.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "tests/locations/selectedentry.h"
#include "tests/shown_text.h"
#include "tests/views/boundcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

class LocationsView : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(dir.filePath("shutterly.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Current]\nIndex=0\n[Location0]\nName=Home\nLongitude=271800\nLatitude=36900\nElevation=3\n");
        file.close();
        form = std::make_unique<Tfrm_locations>(file.fileName());
        view = std::make_unique<FrmLocationsView>(*form);
    }

    template <typename W>
    W* child(const char* name) const
    {
        return view->findChild<W*>(QString::fromLatin1(name));
    }

    static void send(QWidget* widget, QEvent::Type type)
    {
        QFocusEvent event(type, Qt::TabFocusReason);
        QApplication::sendEvent(widget, &event);
    }

    // Focus in, the keys of `text` from the field's start, focus out: as a user types.
    static void type(QLineEdit* field, const QString& text)
    {
        send(field, QEvent::FocusIn);
        field->setCursorPosition(0);
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
        send(field, QEvent::FocusOut);
    }

    QTemporaryDir dir;
    std::unique_ptr<Tfrm_locations> form;
    std::unique_ptr<FrmLocationsView> view;
};

TEST_F(LocationsView, EveryControlIsBound)
{
    EXPECT_EQ(UnboundControls(form->controls(), *view), QStringList());
    EXPECT_EQ(view->windowTitle(), Shown("Edit locations"));
}

TEST_F(LocationsView, ShowsTheListHintsAndMasks)
{
    EXPECT_EQ(child<QListWidget>("lbx_location")->currentRow(), 0);
    EXPECT_EQ(child<QLineEdit>("edt_name")->text(), "Home");
    EXPECT_EQ(child<QLineEdit>("edt_longitude")->text(), "75:30:0");
    EXPECT_EQ(child<QLineEdit>("edt_longitude")->inputMask(), "###9:#9:#9");
    EXPECT_EQ(child<QLineEdit>("edt_latitude")->inputMask(), "##9:#9:#9");
    EXPECT_EQ(child<QPushButton>("btn_plus")->toolTip(), Shown("Move up"));
    EXPECT_TRUE(
        child<QLineEdit>("edt_latitude")->toolTip().startsWith(Shown("Positive numbers are northern latitude")));
    EXPECT_TRUE(child<QPushButton>("btn_import")->isHidden());
    EXPECT_TRUE(child<QPushButton>("btn_ok")->isDefault());
}

TEST_F(LocationsView, CoordinateTypedIntoTheMaskIsTakenWhenTheFieldIsLeft)
{
    QLineEdit* longitude = child<QLineEdit>("edt_longitude");
    type(longitude, "+032:26:00");
    EXPECT_DOUBLE_EQ(SelectedLongitude(*form), 32 + 26 / 60.0);
    EXPECT_EQ(longitude->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
}

TEST_F(LocationsView, UnreadableCoordinateShowsRed)
{
    QLineEdit* latitude = child<QLineEdit>("edt_latitude");
    send(latitude, QEvent::FocusIn);
    latitude->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(latitude, &erase);
    EXPECT_EQ(form->edt_latitude.text(), "::");
    send(latitude, QEvent::FocusOut);
    EXPECT_DOUBLE_EQ(SelectedLatitude(*form), 10.25);
    EXPECT_EQ(latitude->palette().color(QPalette::Base), clUnreadable);
}

// "13.40" typed for Berlin: the mask drops the point, which reads as 1340 degrees.
TEST_F(LocationsView, LongitudeOutOfRangeShowsRedBesideItsSense)
{
    QLineEdit* longitude = child<QLineEdit>("edt_longitude");
    longitude->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(longitude, &erase);
    type(longitude, "13.40");
    EXPECT_EQ(form->edt_longitude.text(), "1340::");
    EXPECT_DOUBLE_EQ(SelectedLongitude(*form), 75.5);
    EXPECT_EQ(longitude->palette().color(QPalette::Base), clUnreadable);

    view->show();
    for (const auto& [field, sense] :
         {std::pair{"edt_longitude", "lbl_longitude_sense"}, std::pair{"edt_latitude", "lbl_latitude_sense"}}) {
        const QLabel* caption = child<QLabel>(sense);
        ASSERT_NE(caption, nullptr) << sense;
        EXPECT_FALSE(caption->text().isEmpty());
        EXPECT_TRUE(caption->isVisible());
        // Beside the field, on its line.
        const QRect box = child<QLineEdit>(field)->geometry();
        EXPECT_GE(caption->geometry().left(), box.right()) << sense;
        EXPECT_LT(std::abs(caption->geometry().center().y() - box.center().y()), box.height()) << sense;
    }
}

TEST_F(LocationsView, AddSelectsTheNewLineInTheListBox)
{
    child<QPushButton>("btn_new")->click();
    QListWidget* list = child<QListWidget>("lbx_location");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), Shown("New Location"));
    EXPECT_EQ(list->currentRow(), 1);
    list->setCurrentRow(0);
    EXPECT_EQ(child<QLineEdit>("edt_name")->text(), "Home");
}

}  // namespace
