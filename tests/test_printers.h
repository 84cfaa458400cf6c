#pragma once
// Lets GoogleTest print Qt values in failure messages.

#include <QColor>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QColor& color, std::ostream* out) { *out << color.name().toStdString(); }
