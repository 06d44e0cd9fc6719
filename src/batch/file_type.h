#pragma once
// Names the type of a file from its first bytes, for the debug output of a
// console run; the conversion does not depend on it.
#include <string>

// One of the names of the signature table, or "[ERROR] UNRECOGNIZED" when no
// signature matches or the file cannot be read.
std::string IdentifyFileType(const std::string& path);
