#include "controls/errors.h"

EUserError::EUserError(const QString& message)
    : std::runtime_error(message.toStdString()),
      FMessage(message)
{}

QString EUserError::message() const { return FMessage; }
