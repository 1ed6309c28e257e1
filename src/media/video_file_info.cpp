#include "media/video_file_info.h"

namespace zelmora {

void InitVideoFileInfo(TVideoFileInfo& info) {
  info = TVideoFileInfo{};
}

}  // namespace zelmora
