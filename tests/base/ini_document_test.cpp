#include "base/ini_document.h"

#include <gtest/gtest.h>

#include <random>

#include "base/files.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

IniDocument FromText(std::string_view text) {
  IniDocument ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(IniDocumentTest, MatchesSectionAndKeyNamesWithoutCase) {
  const IniDocument ini = FromText("[Main]\nOutDir = /home/a b\n");
  EXPECT_EQ(ini.ReadString("MAIN", "outdir", "x"), "/home/a b");
  EXPECT_TRUE(ini.SectionExists("main"));
  EXPECT_TRUE(ini.KeyExists("mAiN", "OUTDIR"));
  EXPECT_FALSE(ini.KeyExists("Progress", "OutDir"));
  EXPECT_EQ(ini.ReadString("Main", "Missing", "def"), "def");
}

TEST(IniDocumentTest, UpdatesInPlaceAndKeepsEverythingElse) {
  IniDocument ini = FromText(
      "; written by hand\n"
      "[MAIN]\n"
      "Width=934\n"
      "MyOwnKey=keep me\n"
      "\n"
      "[PROGRESS]\n"
      "Left=10\n");
  ini.WriteInteger("main", "WIDTH", 1000);
  ini.WriteBool("MAIN", "Maximized", true);
  ini.WriteString("Progress", "Top", "20");
  ini.WriteString("Extra", "Name", "value");
  EXPECT_EQ(ini.Text(),
            "; written by hand\n"
            "[MAIN]\n"
            "Width=1000\n"
            "MyOwnKey=keep me\n"
            "Maximized=1\n"
            "\n"
            "[PROGRESS]\n"
            "Left=10\n"
            "Top=20\n"
            "\n"
            "[Extra]\n"
            "Name=value\n");
}

TEST(IniDocumentTest, ReadsIntegersAndBooleans) {
  const IniDocument ini = FromText(
      "[S]\nhex=0x1F\nHEX2=0X1f\nneg=-5\nbad=12abc\nbig=99999999999\n"
      "t=1\nf=0\nother=7\nword=yes\nempty=\n");
  EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "hex2", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -5);
  EXPECT_EQ(ini.ReadInteger("S", "bad", 42), 42);
  EXPECT_EQ(ini.ReadInteger("S", "big", 42), 42);
  EXPECT_EQ(ini.ReadInt64("S", "big", 42), 99999999999);
  EXPECT_EQ(ini.ReadInteger("S", "missing", 42), 42);
  EXPECT_TRUE(ini.ReadBool("S", "t", false));
  EXPECT_FALSE(ini.ReadBool("S", "f", true));
  EXPECT_TRUE(ini.ReadBool("S", "other", false));
  EXPECT_TRUE(ini.ReadBool("S", "word", true));
  EXPECT_FALSE(ini.ReadBool("S", "word", false));
  EXPECT_TRUE(ini.ReadBool("S", "empty", true));
}

TEST(IniDocumentTest, TrimsUnquotesAndCutsStrings) {
  const std::string longValue(3000, 'x');
  const IniDocument ini = FromText(
      "[S]\nd=  \" a b \"  \ns='c'\nhalf=\"open\nmixed=\"x'\nq=\"\"\"\"\n"
      "long=" +
      longValue + "\nutf=" + std::string(2100, 'e') + "é\n");
  EXPECT_EQ(ini.ReadString("S", "d", ""), " a b ");
  EXPECT_EQ(ini.ReadString("S", "s", ""), "c");
  EXPECT_EQ(ini.ReadString("S", "half", ""), "\"open");
  EXPECT_EQ(ini.ReadString("S", "mixed", ""), "\"x'");
  EXPECT_EQ(ini.ReadString("S", "q", ""), "\"\"");
  EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(2047, 'x'));
  EXPECT_EQ(ini.ReadString("S", "utf", "").size(), 2047u);
}

TEST(IniDocumentTest, WrittenStringsReadBackUnchanged) {
  IniDocument ini;
  const std::string values[] = {"plain", " leading",        "trailing ", "\"quoted\"", "'single'",
                                "a=b",   "; not a comment", "",          "\"",         "Ünïcödé"};
  for (const std::string& v : values) {
    ini.WriteString("S", "k", v);
    EXPECT_EQ(FromText(ini.Text()).ReadString("S", "k", "def"), v) << v;
  }
}

TEST(IniDocumentTest, LineBreaksInAValueCannotPlantKeys) {
  IniDocument ini;
  ini.WriteString("S", "name", "x\n[S]\nEvil=1");
  const IniDocument back = FromText(ini.Text());
  EXPECT_FALSE(back.KeyExists("S", "Evil"));
  EXPECT_EQ(back.Sections(), std::vector<std::string>{"S"});
}

TEST(IniDocumentTest, DuplicatesAndUnnamedPart) {
  IniDocument ini = FromText("top=1\n[A]\nk=first\nk=second\n[b]\nx=1\n[a]\nk=third\nj=2\n");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
  EXPECT_EQ(ini.ReadString("A", "j", ""), "2");
  EXPECT_EQ(ini.ReadString("", "top", ""), "1");
  EXPECT_FALSE(ini.KeyExists("A", "top"));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"A", "b"}));
  EXPECT_EQ(ini.Keys("a"), (std::vector<std::string>{"k", "j"}));
  ini.WriteString("A", "k", "new");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "new");
  ini.EraseKey("A", "K");
  EXPECT_FALSE(ini.KeyExists("A", "k"));
  ini.EraseSection("A");
  EXPECT_EQ(ini.Text(), "top=1\n[b]\nx=1\n");
}

TEST(IniDocumentTest, FileWithoutSectionsReadsAsDefaults) {
  const IniDocument ini = FromText("just some text\nkey=value\n=orphan\n");
  EXPECT_TRUE(ini.Sections().empty());
  EXPECT_EQ(ini.ReadString("MAIN", "key", "def"), "def");
}

struct BomCase {
  const char* name;
  std::string bytes;
};

class IniEncodingTest : public testing::TestWithParam<BomCase> {};

TEST_P(IniEncodingTest, ByteOrderMarkSelectsTheEncoding) {
  const IniDocument ini = FromText(GetParam().bytes);
  EXPECT_EQ(ini.ReadString("Sect", "Name", ""), "Größe");
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Boms, IniEncodingTest,
    testing::Values(BomCase{"NoMark", "[Sect]\r\nName=Größe\r\n"},
                    BomCase{"Utf8", "\xEF\xBB\xBF[Sect]\r\nName=Größe\r\n"},
                    BomCase{"Utf16LittleEndian", Utf16(u"[Sect]\r\nName=Größe\r\n", false)},
                    BomCase{"Utf16BigEndian", Utf16(u"[Sect]\r\nName=Größe\r\n", true)},
                    BomCase{"Utf8Doubled", "\xEF\xBB\xBF\xEF\xBB\xBF[Sect]\r\nName=Größe\r\n"},
                    BomCase{"Utf16Doubled", Utf16(u"\uFEFF[Sect]\r\nName=Größe\r\n", false)}),
    [](const auto& info) { return std::string(info.param.name); });

// Found by fuzzing: a doubled mark hid the first header, and the saved text,
// which then began with the mark, read back with the keys in another section.
TEST(IniDocumentTest, DoubledMarkReadsTheSameAfterSaving) {
  static const char bytes[] =
      "\xFF\xFE\xFF\xFE[\0M\0A\0I\0N\0]\0\r\0\n\0L\0a\0n\0g\0=\0F\0r\0\r\0\n\0";
  IniDocument ini = FromText(std::string_view(bytes, sizeof bytes - 1));
  ini.WriteString("MAIN", "Lang", "Fr");
  const IniDocument reread = FromText(ini.Text());
  EXPECT_EQ(reread.Keys("MAIN"), std::vector<std::string>{"Lang"});
  EXPECT_EQ(reread.ReadString("MAIN", "Lang", ""), "Fr");
  EXPECT_EQ(reread.Text(), ini.Text());
}

// Found by fuzzing: a key after a mark, written first into a new document,
// made the saved file begin with what reads as the file's mark.
TEST(IniDocumentTest, MarkBeforeANameIsABlank) {
  const IniDocument read =
      FromText("; hand-written\n\xEF\xBB\xBFSortIndex=2\n[AVI]\n\xEF\xBB\xBF[MPG]\n");
  EXPECT_EQ(read.Keys(""), std::vector<std::string>{"SortIndex"});
  EXPECT_TRUE(read.SectionExists("MPG"));
  IniDocument fresh;
  fresh.WriteString("", read.Keys("").front(), "2");
  EXPECT_EQ(FromText(fresh.Text()).ReadString("", "SortIndex", ""), "2");
}

TEST(IniDocumentTest, BinaryGarbageReadsWhatItCan) {
  std::mt19937 rng(7);
  std::string bytes = "[Main]\nGood=1\n";
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(rng() & 0xFF);
  bytes += "\n[Tail]\nAfter=2\n";
  IniDocument ini = FromText(bytes);
  EXPECT_EQ(ini.ReadInteger("Main", "Good", 0), 1);
  EXPECT_EQ(ini.ReadInteger("Tail", "After", 0), 2);
  ini.WriteInteger("Tail", "After", 3);
  EXPECT_EQ(FromText(ini.Text()).ReadInteger("Tail", "After", 0), 3);
}

TEST(IniDocumentTest, HugeLineDoesNotStopReading) {
  std::string bytes = "[S]\nbig=";
  bytes.append(50 * 1024 * 1024, 'v');
  bytes += "\n[" + std::string(1024 * 1024, 'n') + "\nafter=5\n";
  const IniDocument ini = FromText(bytes);
  EXPECT_EQ(ini.ReadString("S", "big", "").size(), 2047u);
  EXPECT_EQ(ini.ReadInteger("S", "after", 0), 5);  // the garbage header is no section
}

TEST(IniDocumentTest, FilesLoadAndSaveThroughTheDisk) {
  test::TempDir dir;
  IniDocument ini;
  EXPECT_FALSE(ini.LoadFromFile(dir.file("missing.ini")).ok());
  ini.WriteString("MAIN", "Name", "Größe");
  const std::string path = dir.file("zelmora.ini");
  ASSERT_TRUE(ini.SaveToFile(path));
  EXPECT_EQ(ReadWholeFile(path).value(), "[MAIN]\nName=Größe\n");
  IniDocument back;
  ASSERT_TRUE(back.LoadFromFile(path));
  EXPECT_EQ(back.ReadString("main", "name", ""), "Größe");
  EXPECT_FALSE(back.LoadFromFile(dir.path()).ok());
  EXPECT_TRUE(back.Sections().empty());
}

}  // namespace
}  // namespace zelmora
