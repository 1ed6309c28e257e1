#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zelmora::test {

// The Qt Test classes of tests_ui: each file registers its own, the one
// main runs them all (or the one named on the command line).
struct UiTestEntry {
  std::string Name;
  std::function<std::unique_ptr<QObject>()> Make;
};

inline std::vector<UiTestEntry>& UiTests() {
  static std::vector<UiTestEntry> tests;
  return tests;
}

inline int RegisterUiTest(std::string name, std::function<std::unique_ptr<QObject>()> make) {
  UiTests().push_back({std::move(name), std::move(make)});
  return static_cast<int>(UiTests().size());
}

}  // namespace zelmora::test

#define ZELMORA_UI_TEST(Class)                          \
  [[maybe_unused]] static const int Class##Registered = \
      zelmora::test::RegisterUiTest(#Class, [] { return std::unique_ptr<QObject>(new Class); })
