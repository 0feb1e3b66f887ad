// The error that ends an operation when a text does not convert to a number. Its text is shown
// as it stands by the application's one error handler (a message box, or stderr and exit 2).
#pragma once

#include <stdexcept>
#include <string>

namespace balka {

class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace balka
