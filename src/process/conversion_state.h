#pragma once

namespace zelmora {

// State of a conversion run, written by the run and read by the output
// interpretation, the progress window and the error log.
struct TConversionState {
  bool Running = false;
  bool AbortRequested = false;
  bool AbortTimedOut = false;
  bool BatchFileMode = false;
  bool NoVideoProgress = false;
  bool TwoPass = false;
  int Pass = 0;
  int FileNo = 0;
  int FileCount = 0;
  int ErrorCount = 0;
};

}  // namespace zelmora
