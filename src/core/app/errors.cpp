#include "core/app/errors.h"

namespace bulbicalc {

ConversionError::ConversionError(const std::string& text)
    : Error("'" + text + "' is not a valid floating point value")
{
}

IntegerConversionError::IntegerConversionError(const std::string& text)
    : Error("'" + text + "' is not a valid integer value")
{
}

DivisionByZeroError::DivisionByZeroError() : Error("Floating point division by zero") {}

InvalidOperationError::InvalidOperationError() : Error("Invalid floating point operation") {}

double divide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        if (numerator == 0.0 || numerator != numerator)
            throw InvalidOperationError();
        throw DivisionByZeroError();
    }
    return numerator / denominator;
}

} // namespace bulbicalc
