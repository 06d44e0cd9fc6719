#pragma once
// Hands a web address, a "mailto:" link or a file to the desktop's default
// handler. Failures are silent: nothing is reported.
#include <functional>
#include <string>

void OpenLink(const std::string& target);

// Tests receive the targets instead of the desktop; an empty function
// restores the desktop.
using LinkSeam = std::function<void(const std::string& target)>;
void SetLinkSeam(LinkSeam seam);
