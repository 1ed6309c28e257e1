#include "filelist/supported_types.h"

#include <algorithm>

#include "base/text.h"

namespace zelmora {

bool IsSupportedVideoFile(std::string_view path) {
  const size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string ext = UpperCase(name.substr(dot + 1));
  return std::find(SupportedVideoExtensions.begin(), SupportedVideoExtensions.end(), ext) !=
         SupportedVideoExtensions.end();
}

std::string AddFilesDialogFilter(const TAppStrings& strings) {
  std::string all;
  for (std::string_view ext : SupportedVideoExtensions) {
    if (!all.empty()) all += ';';
    all += "*." + LowerCase(ext);
  }
  return strings.Main.dlgOpen_Filter1 + "|*.webm;*.mp4;*.flv;*.3gp;*.3gpp;*.3g2|" +
         strings.Main.dlgOpen_Filter2 + "|" + all;
}

std::string OpenFileListDialogFilter(const TAppStrings& strings) {
  return strings.Main.dlgOpenFileList_Filter + "|*.lst";
}

std::string SaveFileListDialogFilter(const TAppStrings& strings) {
  return strings.Main.dlgSaveFileList_Filter + "|*.lst";
}

}  // namespace zelmora
