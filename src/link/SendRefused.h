#pragma once
// A send that cannot be made is refused with this error before anything is
// sent; what() is the text shown to the operator (UTF-8).
#include <stdexcept>

class SendRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
