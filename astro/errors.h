#pragma once
// Failures of the almanac library. Every one carries the message a window shows or logs.

#include <stdexcept>
#include <string>

namespace astro {

// Base of every failure the library raises; what() is the message.
class EAstroError : public std::runtime_error {
public:
    explicit EAstroError(const std::string& message)
        : std::runtime_error(message)
    {}
};

// Bad calendar input: an invalid year, month or day, a date in the 1582 gap, a negative JD.
class EConvertError : public EAstroError {
public:
    using EAstroError::EAstroError;
};

// An instant or argument outside the range an algorithm was built for.
class E_OutOfAlgorithmRange : public EAstroError {
public:
    using EAstroError::EAstroError;
};

// A body that does not rise or set on the day asked for.
class E_NoRiseSet : public EAstroError {
public:
    using EAstroError::EAstroError;
};

}  // namespace astro
