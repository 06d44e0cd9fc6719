#include "online/links.h"

#include "app/product.h"
#include "online/vendor.h"
#include "platform/files.h"
#include "platform/folders.h"

std::string ManualFileName() { return std::string(kShortName) + ".html"; }

std::string ManualPath() {
  for (const std::string& folder : {ProgramFolder(), ProgramDataFolder()})
    if (IsRegularFile(folder + ManualFileName())) return folder + ManualFileName();
  return ManualFileName();
}

std::string VendorSiteUrl() { return VendorUrl() + "/"; }

std::string VendorSiteCaption() {
  const std::string url = VendorUrl();
  const size_t scheme = url.find("://");
  return scheme == std::string::npos ? url : url.substr(scheme + 3);
}

std::string SupportMailLink() { return "mailto:" + SupportMailAddress(); }

std::string FeedbackMailLink() { return SupportMailLink() + "?subject=" + ProductTitle() + " Feedback"; }

std::string UninstallPageUrl() { return VendorUrl() + "/" + kShortName + "/uninstall.html"; }
