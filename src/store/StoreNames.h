#pragma once
// Checks shared by both stores: which file and folder names are accepted,
// and the atomic replace of a local file.
#include <QString>

namespace StoreNames {

// A file name (no folders): not empty, not "." or "..", no path separator,
// no control character (a CR/LF would end an FTP command early).
bool checkFileName(const QString& name, QString* error);
// A configured folder: no control characters. Any text else is used as is.
bool checkFolder(const QString& folder, QString* error);
// The folder stays below the store's root: no ".." segment.
bool checkFolderStaysInside(const QString& folder, QString* error);

// Copies `from` to `to` through a temporary file beside `to`, so that an
// existing `to` is replaced only by a complete copy.
bool copyAtomically(const QString& from, const QString& to, QString* error);

} // namespace StoreNames
