#pragma once

#include <exception>

namespace remote {

// The user stopped the work (Cancel in the progress or a sign-in dialog);
// nothing has been changed and nothing needs saying.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

}  // namespace remote
