#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <memory>

#include "writers.h"

namespace {

struct WriterReleaser {
  void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryReleaser {
  void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

// A fixed date, so that a rebuild makes the same archive.
constexpr time_t kEntryTime = 1704067200;  // 2024-01-01 00:00:00 UTC

bool AddFile(archive* writer, const PackageFile& file) {
  std::unique_ptr<archive_entry, EntryReleaser> entry(archive_entry_new());
  if (!entry) return false;
  archive_entry_set_pathname(entry.get(), file.name.c_str());
  archive_entry_set_filetype(entry.get(), AE_IFREG);
  archive_entry_set_perm(entry.get(), 0644);
  archive_entry_set_size(entry.get(), la_int64_t(file.data.size()));
  archive_entry_set_mtime(entry.get(), kEntryTime, 0);
  if (archive_write_header(writer, entry.get()) != ARCHIVE_OK) return false;
  return archive_write_data(writer, file.data.data(), file.data.size()) == la_ssize_t(file.data.size());
}

}  // namespace

bool WriteZip(const std::string& path, const std::vector<PackageFile>& files) {
  const std::string temporary = path + ".part";
  bool written = false;
  {
    std::unique_ptr<archive, WriterReleaser> writer(archive_write_new());
    written = writer && archive_write_set_format_zip(writer.get()) == ARCHIVE_OK &&
              archive_write_zip_set_compression_deflate(writer.get()) == ARCHIVE_OK &&
              archive_write_open_filename(writer.get(), temporary.c_str()) == ARCHIVE_OK;
    for (size_t i = 0; written && i < files.size(); ++i) written = AddFile(writer.get(), files[i]);
    written = written && archive_write_close(writer.get()) == ARCHIVE_OK;
  }
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}
