#include "app/product.h"

std::string MakerFolderName() {
  std::string name = kProductName;
  return name.substr(0, name.find(' '));
}

std::string VersionText(int number) {
  std::string text = std::to_string(number);
  if (text.size() >= 1) text.insert(1, ".");
  if (text.size() >= 3) text.insert(3, ".");
  if (!text.empty() && text.back() == '0') text = text.substr(0, 3);
  return text;
}

std::string TitleText(const std::string& name, int number) {
  return name + " " + VersionText(number);
}

std::string ProductTitle() { return TitleText(kProductName, kVersionNumber); }

std::string MakerNotice() { return "Copyright \xC2\xA9 Tarnwick Software"; }

const ProductFormatLists& ProductFormats() {
  static const ProductFormatLists lists{{"pcd"}, {"jpg"}};
  return lists;
}
