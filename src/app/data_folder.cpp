#include "app/data_folder.h"

#include "platform/files.h"
#include "platform/folders.h"

std::string DataFolder(const std::string& makerFolder, const std::string& shortName) {
  std::string folder = WithTrailingSlash(UserConfigFolder());
  // A new account may not have its configuration folder yet.
  if (folder != "/" && !IsFolder(folder)) CreateFolderTree(folder);
  for (const std::string& level : {makerFolder, shortName}) {
    folder += level + "/";
    if (!IsFolder(folder)) CreateFolder(folder);
  }
  return folder;
}
