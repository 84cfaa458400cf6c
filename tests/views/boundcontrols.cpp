#include "tests/views/boundcontrols.h"

#include "controls/bindingview.h"
#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/dateedit.h"
#include "controls/datefieldview.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/list.h"
#include "controls/slider.h"
#include "controls/statusbar.h"
#include "controls/tabsheet.h"
#include "controls/timer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {

template <typename C, typename... Shown>
bool isKind(const TControl& control, const QObject& shown, bool& known)
{
    if (known || !dynamic_cast<const C*>(&control))
        return false;
    known = true;
    return (qobject_cast<const Shown*>(&shown) || ...);
}

// The most derived kinds first: a memo is an edit box, a radio group a list.
bool shownAsItsKind(const TControl& control, const QObject& shown)
{
    bool known = false;
    return isKind<TMemo, QPlainTextEdit>(control, shown, known) ||
           isKind<TLabel, QLabel, QGroupBox>(control, shown, known) ||
           isKind<TEdit, QLineEdit>(control, shown, known) || isKind<TRadioGroup, QGroupBox>(control, shown, known) ||
           isKind<TList, QComboBox, QListWidget>(control, shown, known) ||
           isKind<TMenuItem, QAction, QMenu>(control, shown, known) ||
           isKind<TButton, QPushButton>(control, shown, known) || isKind<TCheckBox, QCheckBox>(control, shown, known) ||
           isKind<TDateEdit, TDateField>(control, shown, known) || isKind<TSlider, QSlider>(control, shown, known) ||
           isKind<TImage, TImageWidget>(control, shown, known) || isKind<TTimer, QTimer>(control, shown, known) ||
           isKind<TStatusBar, QStatusBar>(control, shown, known) || isKind<TTabSheet, QWidget>(control, shown, known);
}

}  // namespace

QStringList UnboundControls(const TControlList& controls, const QObject& view)
{
    QStringList faults;
    for (const TControl* control : controls) {
        const QString name = QString::fromLatin1(control->name());
        const QList<QObject*> found = view.findChildren<QObject*>(name);
        if (found.isEmpty())
            faults << name + ": not shown";
        else if (std::none_of(found.begin(), found.end(),
                              [&](const QObject* o) { return shownAsItsKind(*control, *o); }))
            faults << name + ": shown as " + QString::fromLatin1(found.front()->metaObject()->className());
    }
    return faults;
}
