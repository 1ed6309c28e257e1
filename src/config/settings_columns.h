#pragma once

// The column keys of the settings file; used only by the settings reader and writer.

namespace zelmora {

class IniDocument;
struct TSettingsRecord;

void ReadColumnKeys(const IniDocument& ini, TSettingsRecord& settings);
void WriteColumnKeys(IniDocument& ini, const TSettingsRecord& settings);

}  // namespace zelmora
