#include "ingest/server_file.h"

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/refusal.h"
#include "core/text.h"

namespace skyvex {

FileDialogRequest serverFileDialog(const WorkingState& state) {
  return {"Open Skyvex Server File", "Server Files (*.ini)|vx2Server.ini|", state.serverFolder, false};
}

void openServerFile(WorkingState& state, const std::string& chosenPath) {
  if (chosenPath.empty()) throw Refusal("Error: Could not find server INI file.");
  const std::string parent = GetParentFolderName(chosenPath);
  const std::string folder = withSeparator(parent.empty() ? "." : parent);
  // The fixed name is read, whatever file of the folder was picked.
  const std::string path = folder + kServerFileName;
  std::string bytes, reason;
  if (!readFileBytes(path, bytes, reason))
    throw Refusal("Error: Could not read the server file " + path + ": " + reason + ".");

  std::string serverName = state.serverName;
  int16_t mapIndex = state.mapIndex;
  for (const std::string& line : splitLines(bytes)) {
    if (InStrNoCase(line, "serverdesc")) {
      const long p = InStr(line, "=");
      // The value between the quotes that follow "=": positions p + 2 to the
      // last but one; fewer than two characters after "=" give no name.
      if (p > 0) serverName = Mid(line, p + 2, static_cast<long>(line.size()) - p - 2);
    }
    if (InStrNoCase(line, "usemap")) {
      if (InStrNoCase(line, "alsace")) mapIndex = 1;
      if (InStrNoCase(line, "flanders")) mapIndex = 2;
      if (InStrNoCase(line, "island")) mapIndex = 3;
      if (InStrNoCase(line, "marne")) mapIndex = 4;
      if (InStrNoCase(line, "verdun")) mapIndex = 5;
    }
  }
  state.serverFolder = folder;
  state.logFolder = folder;
  state.serverName = serverName;
  state.mapIndex = mapIndex;
}

bool openServerFileCommand(WorkingState& state, Platform& platform) {
  return openChosenFile(platform, serverFileDialog(state),
                        [&](const std::string& chosen) { openServerFile(state, chosen); });
}

}  // namespace skyvex
