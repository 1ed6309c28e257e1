#pragma once

#include <optional>
#include <string>

#include "core/app_params.h"

namespace zelmora {

// The rows a conversion run works through, as the file list holds them.
// The run lives below the file list, so it sees the list only through this
// interface; the file-list model implements it and a test can hand in its own.
class RowSource {
public:
  virtual ~RowSource() = default;

  virtual int RowCount() const = 0;
  // False for an index outside 0 .. RowCount() - 1.
  virtual bool IsRowChecked(int row) const = 0;
  // Directory + "/" + file name; empty for an index outside the rows.
  virtual std::string RowFullFileName(int row) const = 0;
  // Writes the status cell. No colour means the list's ordinary text colour.
  // An index outside the rows is ignored.
  virtual void SetRowStatus(int row, const std::string& text,
                            std::optional<TColor> colour = std::nullopt) = 0;
};

}  // namespace zelmora
