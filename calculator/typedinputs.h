#pragma once
// The calculator's boxes as the user types into them. A text that does not read as a number, or
// a number the box cannot take (a negative focal length), marks the box before any computation
// sees it, and the results that depend on the box show "N/A" until it reads again. A
// computation that fails on a box's value does the same for that box. Each refusal is still
// raised, so that a command writing a box gets its message box; a keystroke's guard only marks.

#include "controls/edit.h"

#include <QString>
#include <vector>

// The numbers a box takes besides being readable.
enum class TBound {
    AnyNumber,
    NotNegative,  // 0 and above
    Positive,     // above 0
    Percentage,   // 0 to 100
    Elevation,    // -90 to 90 (degrees)
    Declination,  // -89 to 89 (degrees): short of the pole, where the sky does not turn past the camera
};

struct TInputRule {
    TEdit* field;
    QString name;  // as a message names it, in the user's language: "focal length"
    QString unit;  // as a message writes it after a number: " mm"; empty for none
    TBound bound;
    // The results computed from the box: labels then show "N/A", other result boxes are emptied.
    std::vector<TEdit*> results;
};

// What a result shows when it cannot be computed: "N/A" in the user's language. The pages
// compare their results with it, so every "N/A" they write must be this one.
QString NotAvailableText();

// Why `text` is no value for the box; empty when it is one. An empty text is one: the pages
// give it their own "N/A".
QString InputProblem(const TInputRule& rule, const QString& text);

class TTypedInputs {
public:
    // Puts itself in front of each field's handler; the fields and results outlive it.
    explicit TTypedInputs(std::vector<TInputRule> rules);
    TTypedInputs(const TTypedInputs&) = delete;
    TTypedInputs& operator=(const TTypedInputs&) = delete;

private:
    void changed(std::size_t index);
    void retryFailedComputations(std::size_t changedIndex);
    bool anyMarkedBesides(std::size_t index) const;
    void showResultsOfMarked();

    std::vector<TInputRule> FRules;
    std::vector<TNotifyEvent> FHandlers;  // each field's own handler, run once its text is a value
};
