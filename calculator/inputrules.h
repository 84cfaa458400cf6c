#pragma once
// What each box of the calculator takes, and which results it feeds.

#include "calculator/typedinputs.h"

class TFrmMain;

std::vector<TInputRule> CalculatorInputRules(TFrmMain& form);
