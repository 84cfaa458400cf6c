#include "controls/errors.h"

EUserError::EUserError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString EUserError::message() const { return QString::fromStdString(what()); }
