#include "themes/zip_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

struct ArchiveReleaser {
  void operator()(archive* reader) const { archive_read_free(reader); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveReleaser>;

constexpr size_t kReadBlockBytes = 64 * 1024;

// Only the ZIP format: a package is never anything else.
ArchiveReader OpenZip(const std::string& path) {
  ArchiveReader reader(archive_read_new());
  if (!reader) return nullptr;
  archive_read_support_format_zip(reader.get());
  if (archive_read_open_filename(reader.get(), path.c_str(), kReadBlockBytes) != ARCHIVE_OK) return nullptr;
  return reader;
}

enum class EntryRead { Whole, Cut, Failed };

// Reads the current entry's data, at most maxBytes of it.
EntryRead ReadEntryData(archive* reader, size_t maxBytes, std::string& data) {
  data.clear();
  char block[16 * 1024];
  for (;;) {
    const la_ssize_t got = archive_read_data(reader, block, sizeof block);
    if (got < 0) return EntryRead::Failed;
    if (got == 0) return EntryRead::Whole;
    const size_t room = maxBytes - data.size();
    if (size_t(got) > room) {
      data.append(block, room);
      return EntryRead::Cut;
    }
    data.append(block, size_t(got));
  }
}

bool IsEntry(int headerStatus) { return headerStatus == ARCHIVE_OK || headerStatus == ARCHIVE_WARN; }

}  // namespace

bool ListZipEntries(const std::string& path, std::map<std::string, int64_t>& sizes) {
  sizes.clear();
  ArchiveReader reader = OpenZip(path);
  if (!reader) return false;
  archive_entry* entry = nullptr;
  int status;
  while (IsEntry(status = archive_read_next_header(reader.get(), &entry))) {
    const char* name = archive_entry_pathname(entry);
    if (name) sizes[name] = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
  }
  return status == ARCHIVE_EOF;
}

bool ReadZipEntryStart(const std::string& path, const std::string& name, size_t maxBytes, std::string& data) {
  data.clear();
  ArchiveReader reader = OpenZip(path);
  if (!reader) return false;
  archive_entry* entry = nullptr;
  while (IsEntry(archive_read_next_header(reader.get(), &entry))) {
    const char* entryName = archive_entry_pathname(entry);
    if (!entryName || name != entryName) continue;
    if (ReadEntryData(reader.get(), maxBytes, data) == EntryRead::Failed) data.clear();
    break;
  }
  return true;
}

bool ReadZipEntries(const std::string& path, const std::set<std::string>& names,
                    const std::function<void(const std::string& name, std::string_view data)>& use) {
  ArchiveReader reader = OpenZip(path);
  if (!reader) return false;
  archive_entry* entry = nullptr;
  std::string data;
  while (IsEntry(archive_read_next_header(reader.get(), &entry))) {
    const char* entryName = archive_entry_pathname(entry);
    if (!entryName || !names.contains(entryName)) continue;
    if (ReadEntryData(reader.get(), kMaxZipEntryBytes, data) == EntryRead::Whole) use(entryName, data);
  }
  return true;
}
