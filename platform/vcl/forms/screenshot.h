#pragma once
// Screenshots of windows: how tests and people look at what users see.

#include <string>

class TControl;

// Renders `control` (a form or any control, shown or not) into a PNG file
// at the host path `pngPath`, making its folder; false when the image
// could not be written.
bool SaveScreenshot(const TControl& control, const std::string& pngPath);
