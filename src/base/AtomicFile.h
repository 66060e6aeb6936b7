#pragma once
#include <string>

// Replaces the file at path with contents so that readers (and the next
// start after a crash or power loss) see either the old or the new file,
// never a truncated one: the bytes go to a temporary file in the same
// directory, are flushed to the disk, and the temporary file is renamed over
// the old one. A symbolic link at path is followed, so the file it points to
// is replaced and the link stays. The old file's permissions are kept.
// Returns false, leaving the old file untouched and no temporary file
// behind, if any step fails (directory not writable, disk full, ...).
bool replaceFileAtomically(const std::string& path, const std::string& contents);
