#pragma once
// The command line's answers share one context for the translators (its name is the context).

#include <QCoreApplication>

struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
