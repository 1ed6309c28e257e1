#pragma once

#include <string>

namespace zelmora {

// What the file list tells the window around it. Every call has a do-nothing
// default, so a headless user (the command-line program, a test) overrides
// only what it needs.
class FileListEvents {
public:
  virtual ~FileListEvents() = default;

  // The small icon of a newly added file is appended to the window's icon
  // store; returns its index there, or -1 when there is none.
  virtual int AddIcon(const std::string& fullPath) {
    (void)fullPath;
    return -1;
  }
  // The last row is gone: the window's icon store is emptied.
  virtual void ClearIcons() {}

  // A file was added from this folder: the add-files and save-batch dialogs
  // start there next time.
  virtual void AddedFileFolder(const std::string& folder) { (void)folder; }
  // The last folder files were taken from: every file dialog and the folder
  // browser start there next time.
  virtual void UpdateInitialFolders(const std::string& folder) { (void)folder; }

  // Long additions call these so the window stays responsive: pending
  // window events are served, the grid shows its newest row.
  virtual void ProcessPendingEvents() {}
  virtual void ScrollToLastRow() {}
  // A bulk change starts or ends; the grid repaints once at the end.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}

  // Rows, check marks, selection or order changed; the footer has already
  // been recalculated. The window recomputes its enabled states.
  virtual void ListChanged() {}
  // One row's cells changed (its status during a conversion).
  virtual void RowChanged(int row) { (void)row; }
};

}  // namespace zelmora
