#include <filesystem>
#include <functional>

#include "file_list_fixture.h"
#include "filelist/file_list_actions.h"

namespace zelmora::test {
namespace {

namespace fs = std::filesystem;
using enum TFileListColumn;

TEST_F(FileListTest, TheSameFileReachedAnotherWayIsOneRow) {
  const std::string file = MakeFile("clip.webm");
  dir.mkdir("sub");
  fs::create_symlink(file, dir.file("link.webm"));
  fs::create_directory_symlink(dir.path(), dir.file("linkdir"));
  struct Case {
    const char* sentence;
    std::string secondPath;
  };
  const Case cases[] = {
      {"the very same path", file},
      {"a path with ./ in it", dir.path() + "/./clip.webm"},
      {"a path with .. in it", dir.path() + "/sub/../clip.webm"},
      {"a doubled slash", dir.path() + "//clip.webm"},
      {"a symbolic link to the file", dir.file("link.webm")},
      {"a symbolic link to its folder", dir.file("linkdir/clip.webm")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    FileListModel fresh(params, strings, analyzer, events);
    ASSERT_TRUE(fresh.AddToList(file, true));
    EXPECT_TRUE(fresh.IsFileOnList(c.secondPath));
    EXPECT_FALSE(fresh.AddToList(c.secondPath, true));
    EXPECT_EQ(fresh.RowCount(), 1);
  }
}

TEST_F(FileListTest, NamesDifferingOnlyInLetterCaseAreTwoFiles) {
  AddNamed({"a.webm", "A.webm"});
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.webm", "A.webm"}));
}

TEST_F(FileListTest, FilesTheListCannotTakeAddNothing) {
  dir.mkdir("folder.webm");
  MakeFile("notes.txt");
  MakeFile("clip.webm.part");
  const std::string cases[] = {dir.file("missing.webm"), dir.file("folder.webm"),
                               dir.file("notes.txt"), dir.file("clip.webm.part"), ""};
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(list.AddToList(path, true));
  }
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_TRUE(events.iconPaths.empty());
}

TEST_F(FileListTest, AnAddedRowHoldsNameFolderSizeStatusAndIcon) {
  const std::string file = MakeFile("my clip $1 'x'.webm", "12345");
  ASSERT_TRUE(list.AddToList(file, false));
  const TFileListRow& row = list.Row(0);
  EXPECT_EQ(row.No, 1);
  EXPECT_FALSE(row.Active);
  EXPECT_EQ(row.FileName, "my clip $1 'x'.webm");
  EXPECT_EQ(row.Directory, dir.path());
  EXPECT_EQ(list.GetNgFullFileName(0), file);
  EXPECT_EQ(row.Size, 5);
  EXPECT_EQ(row.Status, "Ready");
  EXPECT_EQ(row.Icon, 0);
  EXPECT_EQ(events.iconPaths, std::vector<std::string>{file});
  // Without analysis the numeric cells stay 0 and show nothing.
  EXPECT_EQ(row.Duration, 0);
  EXPECT_EQ(CellText(row, colDuration), "");
  EXPECT_EQ(CellText(row, colVideoBitrate), "");
}

TEST_F(FileListTest, RowAccessOutsideTheRowsGivesEmptyText) {
  AddNamed({"a.webm"});
  for (int row : {-1, 1, 1000}) {
    SCOPED_TRACE(row);
    EXPECT_FALSE(list.IsValidRowIndex(row));
    EXPECT_EQ(list.GetNgFullFileName(row), "");
    EXPECT_EQ(list.GetNgDirectory(row), "");
    EXPECT_EQ(list.GetNgShortFileName(row), "");
    EXPECT_FALSE(list.IsRowChecked(row));
  }
  list.SetRowStatus(5, "Done");  // ignored, no crash
  EXPECT_TRUE(events.changedRows.empty());
}

TEST_F(FileListTest, RemovingCheckedRowsTwoAndFourOfFiveRenumbersTheRest) {
  AddNamed({"1.webm", "2.webm", "3.webm", "4.webm", "5.webm"});
  for (int row : {0, 2, 4}) list.SetChecked(row, false);
  list.actRemoveChecked();
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"1.webm", "3.webm", "5.webm"}));
  EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(events.iconClears, 0);
  // The removed files can be added again; the kept ones still cannot.
  EXPECT_TRUE(list.AddToList(dir.file("2.webm"), true));
  EXPECT_FALSE(list.AddToList(dir.file("3.webm"), true));
}

TEST_F(FileListTest, RemovingEveryRowEmptiesTheIconStoreButClearingDoesNot) {
  AddNamed({"1.webm", "2.webm"});
  list.actRemoveChecked();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(events.iconClears, 1);
  EXPECT_TRUE(events.iconPaths.empty());

  AddNamed({"3.webm"});
  list.actClearFileList();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(events.iconClears, 1);
  EXPECT_EQ(events.iconPaths.size(), 1u);
  EXPECT_TRUE(list.AddToList(dir.file("3.webm"), true));  // no longer listed
}

TEST_F(FileListTest, GridInfoCountsCheckedAndSelectedRows) {
  AddNamed({"1.webm", "2.webm", "3.webm", "4.webm"});
  list.SetChecked(1, false);
  list.SetChecked(3, false);
  list.SetSelected(0, true);
  list.SetSelected(1, true);
  list.SetSelected(3, true);
  EXPECT_EQ(list.GetGridInfo(), (TGridInfo{4, 2, 2, 3, 1, 2}));
  EXPECT_EQ(list.GetNgCheckedCount(), 2);
}

TEST(ListActionStatesTest, CommandsAreEnabledByTheCounts) {
  struct Case {
    const char* sentence;
    TGridInfo info;
    TListActionStates expected;
  };
  const Case cases[] = {
      {"an empty list enables nothing", {}, {}},
      {"all checked, none selected",
       {3, 3, 0, 0, 0, 0},
       {false, true, true, false, false, true, true, true, true, true, true, false}},
      {"none checked, one selected",
       {3, 0, 3, 1, 0, 1},
       {true, false, true, true, false, false, true, true, true, false, false, true}},
      {"mixed, selection holds both kinds",
       {4, 2, 2, 2, 1, 1},
       {true, true, true, true, true, true, true, true, true, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(ListActionStates(c.info), c.expected);
  }
}

TEST_F(FileListTest, CheckCommandsChangeTheRightRowsAndTellTheWindowOnce) {
  AddNamed({"1.webm", "2.webm", "3.webm"});
  auto checks = [this] {
    std::string marks;
    for (const TFileListRow& row : list.Rows()) marks += row.Active ? 'x' : '-';
    return marks;
  };
  list.SetSelected(1, true);
  struct Step {
    const char* sentence;
    std::function<void()> action;
    const char* expected;
  };
  const Step steps[] = {
      {"uncheck all", [this] { list.actUncheckAll(); }, "---"},
      {"check selected", [this] { list.actCheckSelected(); }, "-x-"},
      {"invert", [this] { list.actInvertSelection(); }, "x-x"},
      {"uncheck selected leaves the others", [this] { list.actUncheckSelected(); }, "x-x"},
      {"check all", [this] { list.actCheckAll(); }, "xxx"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.sentence);
    const int before = events.listChanges;
    step.action();
    EXPECT_EQ(checks(), step.expected);
    EXPECT_EQ(events.listChanges, before + 1);
  }
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});  // invert left the selection alone
}

TEST_F(FileListTest, SortingOrdersByTheCellValue) {
  // Sizes 10, 9 and 100 bytes: numeric order differs from text order.
  list.AddToList(MakeFile("b.webm", std::string(10, 'x')), false);
  list.AddToList(MakeFile("C.webm", std::string(9, 'x')), true);
  list.AddToList(MakeFile("a.webm", std::string(100, 'x')), true);

  ASSERT_TRUE(list.SortByColumn(colFileName, true));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.webm", "b.webm", "C.webm"}));
  ASSERT_TRUE(list.SortByColumn(colSize, false));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.webm", "b.webm", "C.webm"}));
  ASSERT_TRUE(list.SortByColumn(colSize, true));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"C.webm", "b.webm", "a.webm"}));
  ASSERT_TRUE(list.SortByColumn(colActive, true));
  EXPECT_EQ(list.Row(0).FileName, "b.webm");
  EXPECT_FALSE(list.Row(0).Active);
  // Sorting keeps the numbers the rows were given.
  EXPECT_EQ(list.Row(0).No, 1);
  EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3}));
  ASSERT_TRUE(list.SortByColumn(colNo, false));
  EXPECT_EQ(Numbers(), (std::vector<int64_t>{3, 2, 1}));
  EXPECT_FALSE(list.SortByColumn(colIcon, true));
}

TEST_F(FileListTest, TheCurrentRowAndSelectionFollowTheirRowWhenItMoves) {
  AddNamed({"a.webm", "b.webm", "c.webm"});
  list.SelectOnly(0);
  ASSERT_TRUE(list.MoveRow(0, 2));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"b.webm", "c.webm", "a.webm"}));
  EXPECT_EQ(list.CurrentRow(), 2);
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
  ASSERT_TRUE(list.MoveRow(2, 0));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.webm", "b.webm", "c.webm"}));
  EXPECT_FALSE(list.MoveRow(0, 3));
  list.SetChecked(1, false);
  list.SetChecked(2, false);
  list.actRemoveChecked();  // the current row goes with it
  EXPECT_EQ(list.CurrentRow(), -1);
}

TEST_F(FileListTest, TheConversionRunReadsAndWritesRowsThroughTheRowSource) {
  AddNamed({"a.webm", "b.webm"});
  list.SetChecked(0, false);
  RowSource& source = list;
  EXPECT_EQ(source.RowCount(), 2);
  EXPECT_FALSE(source.IsRowChecked(0));
  EXPECT_TRUE(source.IsRowChecked(1));
  EXPECT_EQ(source.RowFullFileName(1), dir.file("b.webm"));
  source.SetRowStatus(1, "Error (1)", TColor{0xE2, 0x35, 0x1D});
  EXPECT_EQ(list.Row(1).Status, "Error (1)");
  EXPECT_EQ(list.Row(1).StatusColour, (TColor{0xE2, 0x35, 0x1D}));
  EXPECT_EQ(events.changedRows, std::vector<int>{1});
}

TEST_F(FileListTest, TheFooterAndCountsFollowEveryKindOfChange) {
  int next = 0;
  auto add = [&](int count) {
    for (int i = 0; i < count; ++i, ++next) {
      list.AddToList(MakeFile(std::to_string(next) + ".webm", std::string(100 + next, 'x')), true);
    }
  };
  auto fresh = [this] {
    TListTotals totals;
    for (const TFileListRow& row : list.Rows()) totals.Add(row);
    return totals.Grid;
  };
  struct Step {
    const char* sentence;
    std::function<void()> change;
  };
  const Step steps[] = {
      {"files appended", [&] { add(3); }},
      {"a row unchecked", [&] { list.SetChecked(1, false); }},
      {"more files appended", [&] { add(2); }},
      {"a row selected", [&] { list.SetSelected(4, true); }},
      {"a row moved to the top", [&] { list.MoveRow(4, 0); }},
      {"appended after the move", [&] { add(1); }},
      {"sorted by size", [&] { list.SortByColumn(colSize, false); }},
      {"checks inverted", [&] { list.actInvertSelection(); }},
      {"checked rows removed", [&] { list.actRemoveChecked(); }},
      {"appended after the removal", [&] { add(2); }},
      {"selection cleared", [&] { list.ClearSelection(); }},
      {"everything cleared", [&] { list.actClearFileList(); }},
      {"appended to the empty list", [&] { add(1); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.sentence);
    step.change();
    list.CalcFooter();
    EXPECT_EQ(list.Footer().Texts, ComputeFooter(list.Rows(), strings).Texts);
    EXPECT_EQ(list.GetGridInfo(), fresh());
  }
}

TEST_F(FileListTest, AFileInTheRootFolderKeepsOneSlash) {
  TFileListRow row;
  row.Directory = "/";
  row.FileName = "a.webm";
  EXPECT_EQ(RowFullFileName(row), "/a.webm");
}

}  // namespace
}  // namespace zelmora::test
