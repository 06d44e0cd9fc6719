#pragma once
// Reading ZIP archives (theme packages) with libarchive. A package is
// outside data: no entry is read beyond a fixed number of bytes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

// Far above any picture or theme.cfg a package needs.
inline constexpr size_t kMaxZipEntryBytes = size_t(16) << 20;

// Every entry's uncompressed size by exact name. False when the file does
// not open as a ZIP archive or its entry list is damaged.
bool ListZipEntries(const std::string& path, std::map<std::string, int64_t>& sizes);

// Up to maxBytes from the start of the entry named exactly `name`. A missing
// or unreadable entry gives empty data; false only when the file does not
// open as a ZIP archive.
bool ReadZipEntryStart(const std::string& path, const std::string& name, size_t maxBytes, std::string& data);

// Hands each entry whose exact name is in `names` to `use`, one at a time
// in archive order. Entries above kMaxZipEntryBytes and entries whose data
// cannot be read are skipped. False when the file does not open as a ZIP
// archive.
bool ReadZipEntries(const std::string& path, const std::set<std::string>& names,
                    const std::function<void(const std::string& name, std::string_view data)>& use);
