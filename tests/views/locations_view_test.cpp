#include "controls/control.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "locations/placesearchview.h"
#include "tests/locations/selectedentry.h"
#include "tests/shown_text.h"
#include "tests/views/boundcontrols.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
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

// Keys sent to the search field, one by one, with the focus in it as the user has it.
void press(QWidget* widget, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &event);
}

class PlaceSearchView : public LocationsView {
protected:
    void SetUp() override
    {
        LocationsView::SetUp();
        form->dlg_take.onExecute = [this](const QString&, const QStringList&) {
            ++questions;
            return 1;
        };
        view->show();
        find = child<QLineEdit>("edt_find");
        list = child<QListView>("lst_found");
        ASSERT_NE(find, nullptr);
        ASSERT_NE(list, nullptr);
        find->setFocus();
    }

    void typeSearch(const QString& text)
    {
        for (QChar c : text)
            press(find, 0, QString(c));
    }

    QLineEdit* find = nullptr;
    QListView* list = nullptr;
    int questions = 0;
};

TEST_F(PlaceSearchView, TypingListsThePlacesUnderTheFieldAndEnterTakesTheFirst)
{
    EXPECT_TRUE(list->isHidden());
    typeSearch("trom");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("Tromsø, 54, Norway · Europe/Oslo"));
    EXPECT_EQ(list->currentIndex().row(), 0);
    // Under the field, inside the dialog, over what lies below.
    EXPECT_GE(list->geometry().top(), find->geometry().bottom());
    EXPECT_TRUE(view->rect().contains(list->geometry()));

    press(find, Qt::Key_Return);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(child<QLineEdit>("edt_name")->text(), QStringLiteral("Tromsø"));
    EXPECT_EQ(child<QListWidget>("lbx_location")->count(), 2);
    EXPECT_TRUE(list->isHidden());
    EXPECT_TRUE(find->text().isEmpty());
    // Enter took the place; it did not press OK.
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(form->modalResult(), TModalResult::None);
}

TEST_F(PlaceSearchView, ArrowsMoveThroughAtMostTwelveRowsAndAClickTakesOne)
{
    typeSearch("san");
    ASSERT_TRUE(list->isVisible());
    const int row = list->sizeHintForRow(0);
    EXPECT_LE(list->height(), TPlaceSearchView::VisibleRows * row + 2 * list->frameWidth());
    EXPECT_GT(list->model()->rowCount(), TPlaceSearchView::VisibleRows);
    press(find, Qt::Key_Down);
    press(find, Qt::Key_Down);
    press(find, Qt::Key_Up);
    EXPECT_EQ(list->currentIndex().row(), 1);
    press(find, Qt::Key_Up);
    press(find, Qt::Key_Up);
    EXPECT_EQ(list->currentIndex().row(), 0);
    const int second = list->model()->index(1, 0).data(TFoundPlaces::PlaceIndexRole).toInt();
    emit list->clicked(list->model()->index(1, 0));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(child<QLineEdit>("edt_name")->text(), TPlaceTable::BuiltIn().at(second).Name);
}

TEST_F(PlaceSearchView, EscapeEmptiesTheSearchBeforeItClosesTheDialog)
{
    typeSearch("ber");
    ASSERT_TRUE(list->isVisible());
    press(find, Qt::Key_Escape);
    EXPECT_TRUE(find->text().isEmpty());
    EXPECT_TRUE(list->isHidden());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(questions, 0);
}

// A paste by the keys into either field; what the editor does with it is its logic's (tested
// there): here, that the view hands the whole text over instead of the mask garbling it.
TEST_F(LocationsView, CoordinatesPastedByTheKeysFillBothFields)
{
    for (const char* name : {"edt_latitude", "edt_longitude"}) {
        SCOPED_TRACE(name);
        QGuiApplication::clipboard()->setText(QStringLiteral("40.7128, -74.0060"));
        QLineEdit* field = child<QLineEdit>(name);
        send(field, QEvent::FocusIn);
        press(field, Qt::Key_V, {}, Qt::ControlModifier);
        send(field, QEvent::FocusOut);
        EXPECT_EQ(form->edt_latitude.text(), QStringLiteral("40:42:46"));
        EXPECT_EQ(form->edt_longitude.text(), QStringLiteral("74:0:22"));
        EXPECT_NEAR(SelectedLongitude(*form), 74.006, 1.0 / 3600);
        form->edt_latitude.setText(QStringLiteral("0:0:0"));
    }
}

TEST_F(LocationsView, ARefusedPasteLeavesTheFieldRedAndTheMaskedTextIsPastedAsUsual)
{
    QLineEdit* latitude = child<QLineEdit>("edt_latitude");
    QGuiApplication::clipboard()->setText(QStringLiteral("Berlin"));
    send(latitude, QEvent::FocusIn);
    press(latitude, Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(latitude->palette().color(QPalette::Base), clUnreadable);
    EXPECT_EQ(latitude->toolTip(), form->lbl_nearest.text());
    EXPECT_EQ(child<QLabel>("lbl_nearest")->text(), form->lbl_nearest.text());
    EXPECT_EQ(form->edt_latitude.text(), QStringLiteral("10:15:0"));

    latitude->selectAll();
    press(latitude, Qt::Key_Delete);
    latitude->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("+52:31:12"));
    press(latitude, Qt::Key_V, {}, Qt::ControlModifier);
    send(latitude, QEvent::FocusOut);
    EXPECT_NEAR(SelectedLatitude(*form), 52.52, 1.0 / 3600);
}

TEST_F(LocationsView, TheFieldsMenuPastesThroughTheEditorToo)
{
    view->show();
    QLineEdit* longitude = child<QLineEdit>("edt_longitude");
    QGuiApplication::clipboard()->setText(QStringLiteral("geo:52.52,13.405"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), longitude->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(longitude, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto pasting = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
        return action->text().endsWith(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText));
    });
    ASSERT_NE(pasting, actions.end());
    QAction* paste = *pasting;
    paste->trigger();
    menu->close();
    EXPECT_EQ(form->edt_latitude.text(), QStringLiteral("52:31:12"));
    EXPECT_EQ(form->edt_longitude.text(), QStringLiteral("-13:24:18"));
}

}  // namespace
