#pragma once

#include "filelist/file_list_model.h"

namespace zelmora {

// The enabled states of the commands that depend on the list.
struct TListActionStates {
  bool actCheckAll = false;
  bool actUncheckAll = false;
  bool actInvertSelection = false;
  bool actCheckSelected = false;
  bool actUncheckSelected = false;
  bool actRemoveChecked = false;
  bool actClearFileList = false;
  bool actSaveFileList = false;      // the list has rows
  bool actShowHideFileInfo = false;  // the list has rows
  bool actConvert = false;           // a row is checked
  bool actSaveBAT = false;           // a row is checked
  bool actExploreDirectory = false;  // a row is selected
  friend bool operator==(const TListActionStates&, const TListActionStates&) = default;
};

TListActionStates ListActionStates(const TGridInfo& info);

}  // namespace zelmora
