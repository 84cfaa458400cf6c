#include "locations/frmlocationsview.h"

#include "controls/bindingview.h"
#include "controls/guard.h"
#include "help/helpview.h"
#include "locations/frmlocations.h"
#include "locations/placesearchview.h"

#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimeZone>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Input masks: "#" a digit or sign, optional; "9" a digit, required; ":" kept in the text;
// blanks stand for empty positions and are left out of the text the logic reads.
const QString LongitudeMask = QStringLiteral("###9:#9:#9; ");
const QString LatitudeMask = QStringLiteral("##9:#9:#9; ");
const QString AltitudeMask = QStringLiteral("####; ");

// Focus moving into or out of a coordinate field. The field's "editing finished" is not used:
// a masked field does not send it while its text is incomplete, yet leaving it must still
// run the change.
class TFocusReporter : public QObject {
public:
    TFocusReporter(TEdit& control, QObject* parent)
        : QObject(parent),
          FControl(control)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            TGuard::run([this] { FControl.enter(); });
        else if (event->type() == QEvent::FocusOut)
            TGuard::run([this] { FControl.exit(); });
        return QObject::eventFilter(watched, event);
    }

private:
    TEdit& FControl;
};

// The standard menu's "Paste", whatever the language: its text ends in the paste keys.
QAction* pasteAction(const QMenu& menu)
{
    const QString keys = u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions())
        if (action->objectName() == QLatin1String("edit-paste") || action->text().endsWith(keys))
            return action;
    return nullptr;
}

// Text pasted into a coordinate field, by the keys, its menu, the middle button or a drop, is
// offered to the editor first: coordinates as maps give them fill both fields, which the mask
// would garble. What the editor leaves goes into the field as usual.
class TCoordinatePaste : public QObject {
public:
    TCoordinatePaste(Tfrm_locations& form, TEdit& control, QLineEdit* widget)
        : QObject(widget),
          FForm(form),
          FControl(control),
          FWidget(widget)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                break;
            paste(QGuiApplication::clipboard()->text());
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection())
                break;
            paste(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        case QEvent::Drop: {
            const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
            if (!data->hasText())
                break;
            paste(data->text());
            static_cast<QDropEvent*>(event)->acceptProposedAction();
            return true;
        }
        case QEvent::ContextMenu: menu(static_cast<QContextMenuEvent*>(event)->globalPos()); return true;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void paste(const QString& text)
    {
        bool taken = false;
        TGuard::run([&] { taken = FForm.PasteCoordinates(FControl, text); });
        if (!taken && !FWidget->isReadOnly())
            FWidget->insert(text);
    }

    void menu(const QPoint& at)
    {
        QMenu* menu = FWidget->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (QAction* pasting = pasteAction(*menu)) {
            pasting->disconnect();
            connect(pasting, &QAction::triggered, this, [this] { paste(QGuiApplication::clipboard()->text()); });
        }
        menu->popup(at);
    }

    Tfrm_locations& FForm;
    TEdit& FControl;
    QLineEdit* FWidget;
};

QLineEdit* maskedEdit(TEdit& control, const QString& mask, QWidget* parent)
{
    QLineEdit* widget = Bind::edit(control, parent);
    widget->setInputMask(mask);
    // Room for every position of the mask, so that the caption beside it cannot squeeze it.
    QStyleOptionFrame frame;
    frame.initFrom(widget);
    const QString widest(mask.section(u';', 0, 0).size(), u'0');
    widget->setMinimumWidth(widget->style()
                                ->sizeFromContents(QStyle::CT_LineEdit, &frame,
                                                   QSize(widget->fontMetrics().horizontalAdvance(widest), 0), widget)
                                .width());
    if (control.onEnter || control.onExit) {
        QObject::disconnect(widget, &QLineEdit::editingFinished, nullptr, nullptr);
        widget->installEventFilter(new TFocusReporter(control, widget));
    }
    return widget;
}

QPushButton* smallButton(TButton& control, QWidget* parent)
{
    QPushButton* button = Bind::button(control, parent);
    button->setAutoDefault(false);
    return button;
}

// The small buttons beside the list share one width: 48 pixels, or the widest caption's in a
// language with longer words.
void ShareWidth(std::initializer_list<QPushButton*> buttons)
{
    int width = 48;
    for (const QPushButton* button : buttons)
        width = std::max(width, button->sizeHint().width());
    for (QPushButton* button : buttons)
        button->setFixedWidth(width);
}

}  // namespace

FrmLocationsView::FrmLocationsView(Tfrm_locations& form, QWidget* parent)
    : QDialog(parent),
      FForm(form)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    BindHelpKey(this, Tfrm_locations::HelpContext);

    QLabel* findCaption = Bind::label(FForm.lbl_find, this);
    QLineEdit* find = Bind::edit(FForm.edt_find, this);
    findCaption->setBuddy(find);
    new TPlaceSearchView(
        find, &FForm.FoundPlaces, [this](int row) { FForm.TakeFoundPlace(row); },
        [this] { FForm.edt_find.setText(QString()); });
    QListWidget* list = Bind::listBox(FForm.lbx_location, this);
    QPushButton* up = smallButton(FForm.btn_plus, this);
    QPushButton* down = smallButton(FForm.btn_minus, this);
    QPushButton* add = smallButton(FForm.btn_new, this);
    QPushButton* remove = smallButton(FForm.btn_del, this);
    QLineEdit* name = Bind::edit(FForm.edt_name, this);
    QLabel* longitudeCaption = Bind::label(FForm.lbl_longitude, this);
    QLineEdit* longitude = maskedEdit(FForm.edt_longitude, LongitudeMask, this);
    QLabel* longitudeSense = Bind::label(FForm.lbl_longitude_sense, this);
    QLabel* latitudeCaption = Bind::label(FForm.lbl_latitude, this);
    QLineEdit* latitude = maskedEdit(FForm.edt_latitude, LatitudeMask, this);
    QLabel* latitudeSense = Bind::label(FForm.lbl_latitude_sense, this);
    for (auto [control, widget] :
         {std::pair{&FForm.edt_longitude, longitude}, std::pair{&FForm.edt_latitude, latitude}})
        widget->installEventFilter(new TCoordinatePaste(FForm, *control, widget));
    QLabel* nearest = Bind::label(FForm.lbl_nearest, this);
    nearest->setWordWrap(true);
    // Room for the longest note, the forms a paste may take, so that the dialog never grows.
    nearest->setMinimumHeight(3 * nearest->fontMetrics().lineSpacing());
    nearest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* altitudeCaption = Bind::label(FForm.lbl_altitude, this);
    QLineEdit* altitude = maskedEdit(FForm.edt_altitude, AltitudeMask, this);
    QLabel* zoneCaption = Bind::label(FForm.lbl_timezone, this);
    QLineEdit* zone = Bind::edit(FForm.edt_timezone, this);
    QLabel* zoneNote = Bind::label(FForm.lbl_timezone_note, this);
    zoneNote->setWordWrap(true);
    // Every zone the system knows, found by any part of its id ("berl", "new_y", "kolkata").
    QStringList zones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        zones.append(QString::fromUtf8(id));
    auto* completer = new QCompleter(zones, zone);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    zone->setCompleter(completer);
    QPushButton* ok = Bind::button(FForm.btn_ok, this);
    QPushButton* cancel = Bind::button(FForm.btn_cancel, this);
    QPushButton* import = Bind::button(FForm.btn_import, this);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    import->setAutoDefault(false);

    FForm.dlg.onExecute = [this] {
        return !QFileDialog::getOpenFileName(this, QString(), QString(),
                                             QStringLiteral("STSplus city file (stsplus.cty)"))
                    .isEmpty();
    };
    FForm.dlg_take.onExecute = [this](const QString& question, const QStringList& answers) {
        QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Cancel, this);
        QList<QAbstractButton*> buttons;
        for (const QString& answer : answers) {
            QPushButton* button = box.addButton(answer, QMessageBox::AcceptRole);
            if (buttons.isEmpty())
                box.setDefaultButton(button);
            buttons.append(button);
        }
        box.exec();
        return static_cast<int>(buttons.indexOf(box.clickedButton()));
    };
    Bind::window(FForm, this);

    ShareWidth({up, down, add, remove});
    auto* smallButtons = new QVBoxLayout;
    for (QPushButton* button : {up, down, add, remove})
        smallButtons->addWidget(button);
    smallButtons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list, 1);
    listRow->addLayout(smallButtons);

    auto* fields = new QGridLayout;
    fields->addWidget(name, 0, 0, 1, 3);
    fields->addWidget(longitudeCaption, 1, 0);
    fields->addWidget(longitude, 1, 1);
    fields->addWidget(longitudeSense, 1, 2);
    fields->addWidget(latitudeCaption, 2, 0);
    fields->addWidget(latitude, 2, 1);
    fields->addWidget(latitudeSense, 2, 2);
    fields->addWidget(nearest, 3, 0, 1, 3);
    fields->addWidget(altitudeCaption, 4, 0);
    fields->addWidget(altitude, 4, 1);
    fields->addWidget(zoneCaption, 5, 0);
    fields->addWidget(zone, 5, 1, 1, 2);
    fields->addWidget(zoneNote, 6, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(import);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findCaption);
    findRow->addWidget(find, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findRow);
    layout->addLayout(listRow, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(268, 322)));
}
