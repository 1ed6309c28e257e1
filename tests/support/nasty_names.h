#pragma once

#include <string>
#include <vector>

namespace zelmora::test {

// File names a shell would love to misread; the "pwned" ones create a file
// of that name when they are ever run as a command.
inline const std::vector<std::string> NastyNames = {
    "plain.webm",
    "with space.webm",
    "double\"quote.webm",
    "it's.webm",
    "$HOME$(touch pwned1).webm",
    "`touch pwned2`.webm",
    "semi;touch pwned3;.webm",
    "new\nline.webm",
    "\xC3\xBCn\xC3\xAF c\xC3\xB8"
    "d\xC3\xA9.webm",
    "-leading dash.webm",
    "back\\slash\\\" end\\.webm",
};

}  // namespace zelmora::test
