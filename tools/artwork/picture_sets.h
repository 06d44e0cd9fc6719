#pragma once
// The two sets of pictures the generator makes.
#include <string>
#include <vector>

// A picture of the program's built-in set.
struct BuiltInPicture {
  std::string set;  // "Buttons", "Icons" or "Banner"
  std::string name;
  std::string png;
};

// The program's icon at one size.
struct ProgramIcon {
  int pixels;
  std::string png;
};

// A file of a theme package.
struct PackageFile {
  std::string name;
  std::string data;
};

// Every picture of the built-in set, in the clean look. False when one
// cannot be drawn.
bool MakeBuiltInSet(std::vector<BuiltInPicture>& pictures);
// The program's icon at each of the sizes. False when one cannot be drawn.
bool MakeProgramIcons(const std::vector<int>& sizes, std::vector<ProgramIcon>& icons);
// theme.cfg and the pictures of the "handdrawn" package, at every toolbar
// size. False when one cannot be drawn.
bool MakeHandDrawnPackage(std::vector<PackageFile>& files);
