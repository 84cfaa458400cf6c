#include "calculator/typedinputs.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TypedInputs)
};

QString boundProblem(const TInputRule& rule, double value)
{
    switch (rule.bound) {
    case TBound::AnyNumber: return {};
    //: %1 is the name of the box, such as "focal length" (translated in InputRules).
    case TBound::NotNegative: return value >= 0 ? QString() : Text::tr("The %1 must not be negative").arg(rule.name);
    case TBound::Positive:
        //: %1 is the name of the box; %2 is its unit with a leading space (" mm"), or empty.
        return value > 0 ? QString() : Text::tr("The %1 must be greater than 0%2").arg(rule.name, rule.unit);
    case TBound::Percentage:
        return value >= 0 && value <= 100 ? QString()
                                          : Text::tr("The %1 must be between 0 and 100%2").arg(rule.name, rule.unit);
    case TBound::Elevation:
        return value >= -90 && value <= 90 ? QString()
                                           : Text::tr("The %1 must be between -90 and 90%2").arg(rule.name, rule.unit);
    case TBound::Declination:
        return value >= -89 && value <= 89 ? QString()
                                           : Text::tr("The %1 must be between -89 and 89%2").arg(rule.name, rule.unit);
    }
    return {};
}

}  // namespace

QString NotAvailableText()
{
    //: A result that cannot be computed ("not available"); keep it short.
    return Text::tr("N/A");
}

QString InputProblem(const TInputRule& rule, const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    const QString unreadable = FloatProblem(text);
    return unreadable.isEmpty() ? boundProblem(rule, StrToFloat(text)) : unreadable;
}

TTypedInputs::TTypedInputs(std::vector<TInputRule> rules)
    : FRules(std::move(rules))
{
    for (std::size_t index = 0; index < FRules.size(); ++index) {
        TEdit& field = *FRules[index].field;
        FHandlers.push_back(field.onChange);
        field.onChange = [this, index] { changed(index); };
    }
}

void TTypedInputs::changed(std::size_t index)
{
    TInputRule& rule = FRules[index];
    const QString problem = InputProblem(rule, rule.field->text());
    rule.field->setError(problem);
    if (!problem.isEmpty()) {
        showResultsOfMarked();
        throw EInputError(problem);
    }
    try {
        if (FHandlers[index])
            FHandlers[index]();
    } catch (const EUserError& error) {
        // A box marked before has stopped the computation: it already says why.
        if (!anyMarkedBesides(index)) {
            rule.field->setError(error.message());
            showResultsOfMarked();
            throw;
        }
    }
    retryFailedComputations(index);
    showResultsOfMarked();
}

// A box whose value reads but whose computation failed (a temperature the comfort formula
// cannot take with this humidity) may compute now that another box changed.
void TTypedInputs::retryFailedComputations(std::size_t changedIndex)
{
    for (std::size_t index = 0; index < FRules.size(); ++index) {
        TInputRule& rule = FRules[index];
        if (index == changedIndex || rule.field->error().isEmpty() || !InputProblem(rule, rule.field->text()).isEmpty())
            continue;
        try {
            if (FHandlers[index])
                FHandlers[index]();
            rule.field->setError(QString());
        } catch (const EUserError&) {
        }
    }
}

bool TTypedInputs::anyMarkedBesides(std::size_t index) const
{
    for (std::size_t other = 0; other < FRules.size(); ++other)
        if (other != index && !FRules[other].field->error().isEmpty())
            return true;
    return false;
}

void TTypedInputs::showResultsOfMarked()
{
    for (const TInputRule& rule : FRules) {
        if (rule.field->error().isEmpty())
            continue;
        for (TEdit* result : rule.results)
            result->setText(dynamic_cast<TLabel*>(result) ? NotAvailableText() : QString());
    }
}
