#pragma once
// The pictures the program carries, shown wherever no theme package has one.

// Fills every slot of the three image sets and the banner with the built-in
// pictures; a name has the same picture in the menu and the toolbar sets.
// False when a picture is missing or does not decode.
bool LoadBuiltInImages();
