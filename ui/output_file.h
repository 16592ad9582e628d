// Files written for the user: one that was made read-only stays as it is,
// and a new one replaces the old whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace airfoil {

// Whether `path` (links followed) is an existing file its owner made
// read-only: no write permission for this process, or no write bit at all.
// The superuser may write anything, but a cleared write bit is the owner's
// "keep this" all the same.
bool write_protected(const std::string& path);

// Writes `bytes` to `path` through a new temporary file in the same folder,
// renamed over the name at the end. Whatever stood there before, a symbolic
// link included, is replaced, never written through or truncated first; a
// write-protected file is not replaced, and a failed write leaves everything
// as it was. Returns why it failed, in English, or an empty string.
std::string replace_file(const std::string& path, std::string_view bytes);

}  // namespace airfoil
