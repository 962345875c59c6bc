#pragma once
// The window's zoom: the whole window drawn 1 to 4 times as large, through
// Qt's scale factor, which draws the LCD's picture by whole pixels. The
// factor is fixed when the program starts, so a change starts the window
// again. Stored in the per-user settings, group "View", key "Zoom".

#include <optional>

namespace sumire {

inline constexpr int kMinZoom = 1, kMaxZoom = 4;

// The stored zoom; nothing when none (or none valid) is stored.
std::optional<int> readZoomSetting();
// 0 removes the setting: the zoom then follows the desktop's scale factor.
void writeZoomSetting(int zoom);

// Before the application object exists: `zoom` (1 to 4) replaces the
// desktop's scale factor; 0 keeps it, rounded to a whole factor.
void applyZoomBeforeStart(int zoom);
// Puts back the scale variables the program found, for a program it starts.
void restoreScaleEnvironment();

}  // namespace sumire
