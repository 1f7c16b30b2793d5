#pragma once

#include <stdexcept>
#include <string>

namespace bulbicalc {

// Every failure that aborts a handler chain. The window shows what() in its
// error box; what was written before the failure stays.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text that is not a floating point number: "'%s' is not a valid floating point value".
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& text);
};

// Text that is not a whole number: "'%s' is not a valid integer value".
class IntegerConversionError : public Error {
public:
    explicit IntegerConversionError(const std::string& text);
};

// A non-zero value divided by zero.
class DivisionByZeroError : public Error {
public:
    DivisionByZeroError();
};

// Zero divided by zero, and other operations without a defined result.
class InvalidOperationError : public Error {
public:
    InvalidOperationError();
};

// Files that cannot be opened, read or written, and malformed file contents.
class FileError : public Error {
public:
    using Error::Error;
};

// A name that no control, grid or chart of the window has: a defect of the
// program (a handler or a caller naming a control that does not exist), not
// something the user did. The window reports it apart from the user's errors.
class UnknownNameError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Division that raises the errors the user sees instead of yielding an
// infinite or undefined value.
double divide(double numerator, double denominator);

} // namespace bulbicalc
