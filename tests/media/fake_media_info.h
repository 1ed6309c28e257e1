#pragma once

#include <map>
#include <string>
#include <tuple>

#include "media/media_info_reader.h"

namespace zelmora::test {

// MediaInfo answers from a table, for cases no real file produces.
class FakeMediaInfo : public MediaInfoSource {
public:
  FakeMediaInfo& Set(MediaInfoStreamKind kind, size_t number, const std::string& parameter,
                     const std::string& value) {
    m_answers[{kind, number, parameter}] = value;
    return *this;
  }
  std::string Inform() override { return "General\nFormat : Fake\n"; }
  std::string Get(MediaInfoStreamKind kind, size_t number, const std::string& parameter) override {
    auto found = m_answers.find({kind, number, parameter});
    return found == m_answers.end() ? std::string() : found->second;
  }

private:
  std::map<std::tuple<MediaInfoStreamKind, size_t, std::string>, std::string> m_answers;
};

}  // namespace zelmora::test
