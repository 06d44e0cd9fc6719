#pragma once
// Catches what the program hands to the desktop (web pages, mail, files)
// for the life of the object; the desktop takes over again afterwards.
#include <string>
#include <vector>

#include "ui/online/open_link.h"

class OpenedLinks {
 public:
  OpenedLinks() {
    SetLinkSeam([this](const std::string& target) { targets.push_back(target); });
  }
  ~OpenedLinks() { SetLinkSeam({}); }
  OpenedLinks(const OpenedLinks&) = delete;
  OpenedLinks& operator=(const OpenedLinks&) = delete;

  std::vector<std::string> targets;
};
