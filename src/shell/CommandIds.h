// The main window's command IDs: toolbar buttons 1000-1004, menu items
// 2000-2012 2016 and 2017. Toolbar and menu lead to the same operation where
// they mean the same thing.
#pragma once

namespace harvelux::shell::command {

// Toolbar "Standard".
inline constexpr int kAddFiles = 1000;
inline constexpr int kAddFolder = 1001;
inline constexpr int kStartExtracting = 1002;
inline constexpr int kClearList = 1003;
inline constexpr int kLoadSamples = 1004;

// Menu "&File".
inline constexpr int kMenuAddFiles = 2000;
inline constexpr int kMenuAddFolder = 2001;
inline constexpr int kMenuClearSelected = 2002;
inline constexpr int kMenuClearAll = 2003;
inline constexpr int kMenuExit = 2004;
inline constexpr int kMenuStartExtracting = 2005;  // "Stop Extracting" during a run
inline constexpr int kMenuAllStories = 2012;       // checkable: read whole documents
inline constexpr int kMenuInternational = 2016;    // checkable: international addresses
inline constexpr int kMenuOcr = 2017;              // checkable: read scanned pages and pictures

// Menu "&Help".
inline constexpr int kMenuHelp = 2007;
inline constexpr int kMenuLoadSamples = 2008;
inline constexpr int kMenuVideo = 2009;
inline constexpr int kMenuFaq = 2010;
inline constexpr int kMenuHomePage = 2011;
inline constexpr int kMenuAbout = 2006;

// Pop-up menus carry this ID and raise no command.
inline constexpr int kPopup = 0;

}  // namespace harvelux::shell::command
