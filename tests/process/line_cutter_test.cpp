#include "process/line_cutter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process_test_util.h"

namespace zelmora {
namespace {

using test::CutInChunks;
using test::CutWhole;
using Lines = std::vector<std::string>;

struct CutCase {
  const char* name;
  std::string bytes;
  Lines entries;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CutCase& c, std::ostream* os) {
  *os << c.name;
}

class LineCutterCases : public testing::TestWithParam<CutCase> {};

TEST_P(LineCutterCases, GivesTheEntriesWhateverTheChunkSizes) {
  const CutCase& c = GetParam();
  EXPECT_EQ(CutWhole(c.bytes).entries, c.entries);
  for (unsigned seed = 1; seed <= 20; ++seed)
    ASSERT_EQ(CutInChunks(c.bytes, seed, 4).entries, c.entries) << "seed " << seed;
}

const std::string Full(LineCutter::MaxLineLength, 'x');

INSTANTIATE_TEST_SUITE_P(
    Sequences, LineCutterCases,
    testing::Values(
        CutCase{"A progress line rewritten by a bare CR keeps one entry",
                "A\r\nB\rC\r\nD\r\n",
                {"A", "C", "D", ""}},
        CutCase{"Progress then a log line leave the last progress, the log and an empty entry",
                "P1\rP2\r\nL\r\n",
                {"P2", "L", ""}},
        CutCase{"A LF that does not follow a CR ends the line like CR LF",
                "one\ntwo\n",
                {"one", "two", ""}},
        CutCase{"Linux progress lines end with CR and the last one with LF",
                "head\nframe=1\rframe=2\rframe=3\nsummary\n",
                {"head", "frame=3", "summary", ""}},
        CutCase{"An empty line between CR LF ends adds an empty entry",
                "a\r\n\r\nb\r\n",
                {"a", "", "b", ""}},
        CutCase{
            "A last line without a line end is delivered at the end", "a\r\nlast", {"a", "last"}},
        CutCase{"Output that ends with a bare CR keeps its last line",
                "a\r\nprogress\r",
                {"a", "progress"}},
        CutCase{"No output gives one empty entry", "", {""}},
        CutCase{"A zero byte cuts the delivered text", std::string("ab\0cd\r\n", 7), {"ab", ""}},
        CutCase{"Invalid UTF-8 becomes replacement marks",
                "a\xff"
                "b\n",
                {"a\xEF\xBF\xBD"
                 "b",
                 ""}},
        CutCase{"A line of exactly the limit is one entry and the rest starts another",
                Full + "tail",
                {Full, "tail"}},
        CutCase{"A line end right after a full line adds no empty entry",
                Full + "\r\nnext\r\n",
                {Full, "next", ""}},
        CutCase{"A LF-ended full line is followed by the next line",
                Full + "\nnext\n",
                {Full, "next", ""}},
        CutCase{"Two limits of text without line ends give two entries",
                Full + Full,
                {Full, Full, ""}}),
    [](const testing::TestParamInfo<CutCase>& info) {
      std::string name;
      for (const char* p = info.param.name; *p != '\0'; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
      return name;
    });

TEST(LineCutter, ALetterAcrossTheLengthLimitIsCarriedToTheNextEntry) {
  std::string bytes = std::string(LineCutter::MaxLineLength - 1, 'x') +
                      "\xC3\xA9"
                      "z\n";
  Lines entries = CutWhole(bytes).entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], std::string(LineCutter::MaxLineLength - 1, 'x'));
  EXPECT_EQ(entries[1], "\xC3\xA9z");
}

TEST(LineCutter, AnnouncesEveryCompletedLineIncludingReplacedOnes) {
  EXPECT_EQ(CutWhole("P1\rP2\r\nL\r\n").announced, (Lines{"P1", "P2", "L", ""}));
}

TEST(LineCutter, AppendsOrReplacesRelativeToWhatTheListHoldsNow) {
  // The output handler deletes lines while the cutter is still appending.
  Lines entries;
  LineCutter cutter(&entries, [&entries](const std::string&) {
    if (entries.size() > 1) entries.erase(entries.begin());
  });
  cutter.Feed("a\nb\nP1\rP2\r");
  EXPECT_EQ(entries, (Lines{"P2"}));
  entries.clear();
  cutter.Feed("P3\r");
  EXPECT_EQ(entries, (Lines{"P3"}));  // replacing in an empty list appends
}

TEST(LineCutter, WithoutAListOnlyAnnounces) {
  Lines announced;
  LineCutter cutter(nullptr, [&announced](const std::string& line) { announced.push_back(line); });
  cutter.Feed("a\r\nb\r");
  cutter.Finish();
  EXPECT_EQ(announced, (Lines{"a", "b"}));
}

struct TranscriptCase {
  const char* file;
  size_t entries;
};

void PrintTo(const TranscriptCase& c, std::ostream* os) {
  *os << c.file;
}

class LineCutterTranscripts : public testing::TestWithParam<TranscriptCase> {};

TEST_P(LineCutterTranscripts, RandomChunksGiveTheSameAsOneRead) {
  std::string bytes = test::ReadProcessFixture(GetParam().file);
  test::CutResult whole = CutWhole(bytes);
  EXPECT_EQ(whole.entries.size(), GetParam().entries);
  for (unsigned seed = 1; seed <= 30; ++seed) {
    test::CutResult chunked = CutInChunks(bytes, seed);
    ASSERT_EQ(chunked.entries, whole.entries) << "seed " << seed;
    ASSERT_EQ(chunked.announced, whole.announced) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LineCutterTranscripts,
                         testing::Values(TranscriptCase{"linux_lf_lines_cr_progress.txt", 16},
                                         TranscriptCase{"windows_crlf_lines_cr_progress.txt", 16},
                                         TranscriptCase{"progress_kib_units.txt", 3},
                                         TranscriptCase{"banner_merged_with_progress.txt", 23}));

TEST(LineCutter, LinuxAndWindowsLineEndsGiveTheSameEntries) {
  EXPECT_EQ(CutWhole(test::ReadProcessFixture("linux_lf_lines_cr_progress.txt")).entries,
            CutWhole(test::ReadProcessFixture("windows_crlf_lines_cr_progress.txt")).entries);
}

}  // namespace
}  // namespace zelmora
