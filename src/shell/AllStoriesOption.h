// The File-menu option "Search Whole Documents": when ticked, a run reads
// every story of each document (footnotes, endnotes, comments, text boxes,
// headers and footers, mailto: links) after its main story. Remembered in
// the settings as "AllStories", "0" or "1".
#pragma once

#include "shell/MenuOption.h"

class QAction;
class QMenuBar;

namespace harvelux::shell {

inline constexpr const char* kAllStoriesKey = "AllStories";
inline constexpr const char* kAllStoriesCaption = "Search &Whole Documents (Headers, Notes, Text Boxes, Links)";

inline bool loadAllStories(SettingsStore& settings) { return loadMenuOption(settings, kAllStoriesKey); }
inline void storeAllStories(SettingsStore& settings, bool on) { storeMenuOption(settings, kAllStoriesKey, on); }

// The menu command with this ID, or null.
QAction* findMenuCommand(const QMenuBar& menuBar, int id);

}  // namespace harvelux::shell
