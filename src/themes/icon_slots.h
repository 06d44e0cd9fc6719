#pragma once
// The names that have a picture, and the slot that holds each picture. Every
// name has a slot of its own, distinct across the three tables, so replacing
// one picture never touches another table's picture of the same name.
#include <map>
#include <string>
#include <vector>

struct IconSlotTable {
  std::vector<std::string> names;         // in table order
  std::map<std::string, int> slotOfName;  // name -> slot number
};

struct IconSlotTableSet {
  IconSlotTable mainButtons;
  IconSlotTable menuImages;
  IconSlotTable toolbarImages;
};

extern IconSlotTableSet IconSlotTables;

// Builds the three tables; called once at start-up before anything reads them.
void FillIconSlotTables();
// The slot of a name in a table, or -1 when the table has no such name.
int FindIconSlot(const IconSlotTable& table, const std::string& name);
// Slots of the three tables together; slot numbers run from 0 below it.
int IconSlotCount();
