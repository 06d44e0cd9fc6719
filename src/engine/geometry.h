#pragma once
// The geometry steps of the pipeline: rotate, resize and flip.
#include "engine/bitmap.h"

// Unit 0 pixels: value; unit 1 percent: value % of current, rounded to the
// nearest integer; any other unit: 0.
int ResolveSize(int value, int unit, int current);

// Rotates by [Transform] Image Rotation when rotation is on and the angle is
// strictly between 0 and 360.
Bitmap RotateStep(Bitmap bitmap);
// Resizes to the [Transform] target; currentWidth and currentHeight are the
// bitmap's size after the rotation.
Bitmap ResizeStep(Bitmap bitmap, int currentWidth, int currentHeight);
// Mirrors the bitmap in place as the flip settings ask; null is ignored.
void FlipStep(FIBITMAP* bitmap);
