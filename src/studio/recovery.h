// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies of unsaved levels: where they live, what they hold, and which were left by a studio that has gone.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorvik::studio {

// A level with unsaved edits and the file it belongs to (empty for a level never saved).
struct RecoveryCopy {
    std::string levelText;  // Windows-1252, as in a level file
    std::filesystem::path document;
};

// `${XDG_STATE_HOME:-$HOME/.local/state}/zorvik`; a relative XDG_STATE_HOME is ignored, as the XDG rules
// say. Nothing when there is no absolute home either.
std::optional<std::filesystem::path> recoveryFolder(const char* stateHome, const char* home);
// The same from the environment.
std::optional<std::filesystem::path> recoveryFolder();

// The copy that the studio of process `pid` keeps in `folder`.
std::filesystem::path recoveryFile(const std::filesystem::path& folder, int pid);

// The copy is a level file whose second line names the document, so the game and the studio can open it too.
// The folder is made (readable by its owner only) when it is missing. Throws FileError.
void writeRecovery(const std::filesystem::path& file, const RecoveryCopy& copy);
// Nothing when the file cannot be read or holds no square board.
std::optional<RecoveryCopy> readRecovery(const std::filesystem::path& file);

// Copies whose studio has ended (or is this very process, which has only just started), the newest first.
std::vector<std::filesystem::path> leftRecoveries(const std::filesystem::path& folder, int ownPid);

} // namespace zorvik::studio
