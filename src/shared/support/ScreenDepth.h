// The screen colour depth that the palette decisions of the DIB and picture
// code are made for. It is read in one place so that a test can pretend a
// palette screen on a true-colour display.
#pragma once

// Bits per pixel of the main window's device context, or of the screen when
// there is no main window yet; the override instead, when one is set.
int GetScreenBitsPerPixel();

// Makes GetScreenBitsPerPixel answer nBits; 0 measures the screen again.
void SetScreenBitsPerPixelOverride(int nBits);
