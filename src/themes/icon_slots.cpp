#include "themes/icon_slots.h"

IconSlotTableSet IconSlotTables;

namespace {

const std::vector<std::string> kMainButtonNames = {"Convert", "InFiles", "InFolder"};

// The menu and the toolbar tables list the same names, each with slots of its own.
const std::vector<std::string> kCommandImageNames = {
    "New", "Add", "InFiles", "InFolder", "OutFolder", "OutFormat", "FavFolder", "ImportFiles",
    "ExportFiles", "Exit", "Copy", "Delete", "SelectAll", "Convert", "Error", "Preferences",
    "CustomConverter", "Help", "Email", "Web", "Updates", "About"};

void FillTable(IconSlotTable& table, const std::vector<std::string>& names, int& nextSlot) {
  table.names = names;
  table.slotOfName.clear();
  for (const std::string& name : names) table.slotOfName[name] = nextSlot++;
}

}  // namespace

void FillIconSlotTables() {
  int nextSlot = 0;
  FillTable(IconSlotTables.mainButtons, kMainButtonNames, nextSlot);
  FillTable(IconSlotTables.menuImages, kCommandImageNames, nextSlot);
  FillTable(IconSlotTables.toolbarImages, kCommandImageNames, nextSlot);
}

int FindIconSlot(const IconSlotTable& table, const std::string& name) {
  const auto found = table.slotOfName.find(name);
  return found == table.slotOfName.end() ? -1 : found->second;
}

int IconSlotCount() {
  return int(kMainButtonNames.size() + 2 * kCommandImageNames.size());
}
