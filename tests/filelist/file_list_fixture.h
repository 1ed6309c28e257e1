#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_params.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_model.h"
#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora::test {

// Records what the list tells the window, and hands out icon indices the
// way the window's icon store would.
class RecordingListEvents : public FileListEvents {
public:
  int AddIcon(const std::string& fullPath) override {
    iconPaths.push_back(fullPath);
    return static_cast<int>(iconPaths.size()) - 1;
  }
  void ClearIcons() override {
    iconPaths.clear();
    ++iconClears;
  }
  void UpdateInitialFolders(const std::string& folder) override {
    initialFolders.push_back(folder);
  }
  void ProcessPendingEvents() override { ++pendingEventCalls; }
  void ListChanged() override { ++listChanges; }
  void RowChanged(int row) override { changedRows.push_back(row); }

  std::vector<std::string> iconPaths;
  int iconClears = 0;
  std::vector<std::string> initialFolders;
  int pendingEventCalls = 0;
  int listChanges = 0;
  std::vector<int> changedRows;
};

// A list without analysis over a fresh folder of files.
class FileListTest : public ::testing::Test {
protected:
  FileListTest() { params.FileAnalysis = TFileAnalysis::faNone; }

  // A file with a few bytes in it, inside the temporary folder.
  std::string MakeFile(const std::string& name, const std::string& bytes = "data") {
    return dir.write(name, bytes);
  }
  // Adds the named files of the temporary folder, checked.
  void AddNamed(const std::vector<std::string>& names) {
    for (const std::string& name : names) ASSERT_TRUE(list.AddToList(MakeFile(name), true));
  }
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const TFileListRow& row : list.Rows()) names.push_back(row.FileName);
    return names;
  }
  std::vector<int64_t> Numbers() const {
    std::vector<int64_t> numbers;
    for (const TFileListRow& row : list.Rows()) numbers.push_back(row.No);
    return numbers;
  }

  TempDir dir;
  TAppParams params;
  TAppStrings strings;
  NullFileAnalyzer analyzer;
  RecordingListEvents events;
  FileListModel list{params, strings, analyzer, events};
};

}  // namespace zelmora::test
