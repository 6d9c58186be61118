// A command's orderly stop: the message the user is shown, always beginning
// "Error: ". A command that throws it leaves the working state as it was.
#pragma once

#include <stdexcept>
#include <string>

namespace skyvex {

class Refusal : public std::runtime_error {
 public:
  // Prefixes "Error: " unless the message already carries it.
  explicit Refusal(const std::string& message)
      : std::runtime_error(message.rfind("Error: ", 0) == 0 ? message : "Error: " + message) {}
};

}  // namespace skyvex
