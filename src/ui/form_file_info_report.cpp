#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

#include "base/files.h"
#include "base/paths.h"
#include "core/program_title.h"
#include "media/file_info_report.h"
#include "ui/file_dialogs.h"
#include "ui/form_file_info.h"
#include "ui/qt_text.h"

namespace zelmora {

// The report, and the stream choosers: each of them analyses the shown file
// again, so a file that changed on disk is described as it is now.

TVideoFileInfo FormFileInfo::FreshInfo() {
  TVideoFileInfo fresh;
  InitVideoFileInfo(fresh);
  if (m_analyzer && m_analyzer(m_shown.FileName, fresh)) return fresh;
  return m_shown;
}

void FormFileInfo::StreamChosen() {
  if (!m_hasFile) return;
  const int audioNo = m_cbAudioStreamNo->currentIndex() + 1;
  const int videoNo = m_cbVideoStreamNo->currentIndex() + 1;
  UpdateList(FreshInfo(), audioNo, videoNo);
}

std::string FormFileInfo::GetInfoAsText() {
  // The fresh analysis may lose the file (it was removed): the report
  // still names the file shown.
  return zelmora::GetInfoAsText(m_shown, FreshInfo(), m_context.Strings.FileInfo, ProgramTitle());
}

std::string FormFileInfo::ProposedReportName() const {
  return m_shown.FileName + "_info.txt";
}

Status FormFileInfo::SaveReportTo(const std::string& fileName) {
  return WriteFileAtomic(fileName, GetInfoAsText());
}

void FormFileInfo::actCopyToClipboardExecute() {
  if (!m_hasFile) return;
  QGuiApplication::clipboard()->setText(ToQString(GetInfoAsText()));
}

void FormFileInfo::actSaveExecute() {
  if (!m_hasFile) return;
  FileDialogs::SaveOptions options;
  options.Directory = ToQString(ExtractFileDir(m_shown.FileName));
  options.FileName = ToQString(ExtractFileName(ProposedReportName()));
  options.Filter = ToQString(m_context.Strings.FileInfo.dlgSaveFilter + "|*.txt");
  options.DefaultSuffix = QStringLiteral("txt");
  const QString fileName = FileDialogs::GetSaveFileName(this, options);
  if (fileName.isEmpty()) return;
  const Status saved = SaveReportTo(ToStdString(fileName));
  if (!saved) MessageBoxes::ShowWarning(this, ToQString(saved.error().message));
}

}  // namespace zelmora
