#pragma once

#include <string>

namespace zelmora {

// Where core code shows a message to the user: a warning box in the window,
// stderr in the command-line program, a recorder in tests.
class MessageView {
public:
  virtual ~MessageView() = default;
  virtual void ShowWarning(const std::string& text) = 0;
};

}  // namespace zelmora
