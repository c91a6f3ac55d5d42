#pragma once

#include <stdexcept>

namespace gui {

// A name, window or object that is not there: the routine that asked for it ends, and the runtime reports it.
class NilObjectError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An object asked for as a class it does not have.
class TypeMismatchError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace gui
