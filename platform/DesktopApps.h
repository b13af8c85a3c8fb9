#pragma once
// The desktop's default applications: mimeapps.list and desktop files, as
// the freedesktop.org conventions place them.
//
// Lists are read from, in order: $XDG_CONFIG_HOME (default ~/.config), each
// folder of $XDG_CONFIG_DIRS (default /etc/xdg), $XDG_DATA_HOME/applications
// (default ~/.local/share/applications) and each $XDG_DATA_DIRS/applications
// (default /usr/local/share:/usr/share). The first installed application
// wins: of the lists' "Default Applications" entries, in list order; else of
// their "Added Associations" entries; else of the "MIME Cache" entries of
// each applications folder's mimeinfo.cache, in folder order. An
// application named in a list's "Removed Associations" counts only as a
// default.

#include <string>
#include <string_view>
#include <vector>

// The default application's command for a MIME type, as an argument vector
// (program first) with the field codes removed; empty when there is none.
std::vector<std::string> DefaultApplicationCommand(const std::string& mimeType);

// The command that shows `address` in the web browser, the address as its
// last argument: the application for "text/html", else for
// "x-scheme-handler/http"; else the first command of $BROWSER (its "%s"
// replaced by the address, or the address added); else "xdg-open". The
// address is always one argument, whatever it holds.
std::vector<std::string> BrowserCommand(const std::string& address);

// The pieces, for callers and tests.
std::vector<std::string> MimeAppsListFiles();
std::vector<std::string> ApplicationFolders();
// The desktop file of an application id, or empty when not installed.
std::string FindDesktopFile(const std::string& desktopId);
// The value of `key` in `group` of a desktop or list file, unescaped; empty
// when missing. Lines are read whole, however long.
std::string ReadDesktopValue(const std::string& path, const std::string& group, const std::string& key);
// An Exec value split into words by its quoting rules.
std::vector<std::string> SplitExecLine(std::string_view);
// Each "%" goes with the character after it, save a "%" in the very last
// place; a word that was only field codes goes entirely.
std::vector<std::string> RemoveFieldCodes(const std::vector<std::string>& words);
