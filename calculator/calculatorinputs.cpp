#include "calculator/calculatorinputs.h"

#include "calculator/frmmain.h"
#include "controls/checkbox.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/numbers.h"
#include "controls/slider.h"
#include "locations/inifile.h"

#include <optional>

namespace {

const QString Section = QStringLiteral("Calculator");

// A box the user types into; labels, memos and the boxes the pages fill in are results.
TEdit* TypedBox(TControl* control)
{
    auto* edit = dynamic_cast<TEdit*>(control);
    if (!edit || dynamic_cast<TLabel*>(control) || dynamic_cast<TMemo*>(control) || edit->readOnly())
        return nullptr;
    return edit;
}

std::optional<QString> StoredText(TControl* control)
{
    if (const TEdit* edit = TypedBox(control))
        return edit->text();
    if (const auto* list = dynamic_cast<TList*>(control))
        return QString::number(list->itemIndex());
    if (const auto* box = dynamic_cast<TCheckBox*>(control))
        return QString::number(box->checked() ? 1 : 0);
    if (const auto* slider = dynamic_cast<TSlider*>(control))
        return QString::number(slider->position());
    return std::nullopt;
}

std::optional<int> WholeNumber(const QString& text, int lowest, int highest)
{
    bool read = false;
    const int value = text.toInt(&read);
    return read && value >= lowest && value <= highest ? std::optional<int>(value) : std::nullopt;
}

bool ReadsAsNumber(const QString& text)
{
    if (text.trimmed().isEmpty())
        return true;
    try {
        StrToFloat(text);
        return true;
    } catch (...) {
        return false;
    }
}

// Sets the control to `text` as the user would; false when the text is no value of it.
bool Restore(TControl* control, const QString& text)
{
    if (TEdit* edit = TypedBox(control)) {
        if (!ReadsAsNumber(text))
            return false;
        edit->setText(text);
        return true;
    }
    if (auto* list = dynamic_cast<TList*>(control)) {
        const auto index = WholeNumber(text, 0, list->count() - 1);
        if (index)
            list->setItemIndex(*index);
        return index.has_value();
    }
    if (auto* box = dynamic_cast<TCheckBox*>(control)) {
        const auto checked = WholeNumber(text, 0, 1);
        if (checked)
            box->setChecked(*checked == 1);
        return checked.has_value();
    }
    if (auto* slider = dynamic_cast<TSlider*>(control)) {
        const auto position = WholeNumber(text, slider->minimum(), slider->maximum());
        if (position)
            slider->setPosition(*position);
        return position.has_value();
    }
    return false;
}

}  // namespace

void SaveCalculatorInputs(const TFrmMain& form, const QString& fileName)
{
    TIniFile file(fileName);
    file.Batch([&] {
        for (TControl* control : form.controls()) {
            if (const auto text = StoredText(control))
                file.WriteString(Section, QString::fromLatin1(control->name()), *text);
        }
    });
}

// One pass over the inputs in the pages' order; whether any control took its stored value.
bool RestorePass(TFrmMain& form, const TIniFile& file)
{
    bool changed = false;
    for (TControl* control : form.controls()) {
        const std::optional<QString> before = StoredText(control);
        if (!before)
            continue;
        const QString stored = file.ReadString(Section, QString::fromLatin1(control->name()), *before);
        if (stored == *before)
            continue;
        try {
            if (Restore(control, stored)) {
                changed = true;
                continue;
            }
        } catch (...) {
        }
        // The page refused it, or it is no value of the control: the value before stands.
        try {
            Restore(control, *before);
        } catch (...) {
        }
    }
    return changed;
}

void LoadCalculatorInputs(TFrmMain& form, const QString& fileName)
{
    // A later input can recompute an earlier one (the main light's distance sets the f-ratio),
    // so the pass is repeated until the inputs are as stored; the stored ones were consistent.
    constexpr int MostPasses = 3;
    const TIniFile file(fileName);
    for (int pass = 0; pass < MostPasses && RestorePass(form, file); ++pass) {
    }
}
