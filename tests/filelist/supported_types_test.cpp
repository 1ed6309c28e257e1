#include "filelist/supported_types.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "i18n/app_strings.h"

namespace zelmora::test {
namespace {

TEST(SupportedTypesTest, TheExtensionAfterTheLastDotDecides) {
  struct Case {
    const char* name;
    bool supported;
  };
  const Case cases[] = {
      {"clip.webm", true},
      {"clip.Webm", true},
      {"CLIP.WEBM", true},
      {"clip.webm.part", false},
      {"clip", false},
      {"/a.webm/clip", false},
      {"movie.dvr-ms", true},
      {"track.TRUE-HD", true},
      {"a.b.mkv", true},
      {"clip.", false},
      {".webm", true},
      {"/dir.avi/x.txt", false},
      {"", false},
      {"clip.webm ", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsSupportedVideoFile(c.name), c.supported);
  }
}

TEST(SupportedTypesTest, TheAddFilesFilterListsWebTypesThenEveryType) {
  TAppStrings strings;
  const std::string filter = AddFilesDialogFilter(strings);
  const std::vector<std::string> parts = Split(filter, '|');
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0], "YouTube videos (WebM, MP4, FLV, 3GP)");
  EXPECT_EQ(parts[1], "*.webm;*.mp4;*.flv;*.3gp;*.3gpp;*.3g2");
  EXPECT_EQ(parts[2], "All supported files");
  const std::vector<std::string> all = Split(parts[3], ';');
  ASSERT_EQ(all.size(), 77u);
  EXPECT_EQ(all.front(), "*.webm");
  EXPECT_EQ(all[34], "*.dvr-ms");
  EXPECT_EQ(all.back(), "*.tta");
  EXPECT_EQ(OpenFileListDialogFilter(strings), "File list (*.LST)|*.lst");
}

}  // namespace
}  // namespace zelmora::test
