#pragma once
// Failures of the window logic. A handler raises one of these; the guard shows its message.

#include <QString>
#include <stdexcept>

// A failure whose message is shown to the user as it stands.
class EUserError : public std::runtime_error {
public:
    explicit EUserError(const QString& message);
    // The whole message; what() ends at a NUL character that user data may bring in.
    QString message() const;

private:
    QString FMessage;
};

// A text that is not a number, or a number a helper rejects ("ISO cannot be zero").
class EInputError : public EUserError {
public:
    using EUserError::EUserError;
};

// Division by zero, an invalid operation or an overflow in the arithmetic of a result.
class EMathError : public EUserError {
public:
    using EUserError::EUserError;
};

inline const char* const ZeroDivideMessage = "Floating point division by zero";
inline const char* const InvalidOpMessage = "Invalid floating point operation";
inline const char* const OverflowMessage = "Floating point overflow";
