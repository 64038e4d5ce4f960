// SPDX-License-Identifier: GPL-3.0-or-later
// File names between the toolkit's strings and the file system's bytes, in the system's encoding.
#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace zorvik::studio {

inline std::filesystem::path toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString fromPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

} // namespace zorvik::studio
