#pragma once
#include <string>

// The per-user data folder: the user's configuration folder, then the
// maker's and the product's folder, each created when missing (a failed
// create is not reported). Always ends in "/".
std::string DataFolder(const std::string& makerFolder, const std::string& shortName);
