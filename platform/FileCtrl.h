#pragma once
// The file-browsing controls: a place selector (TDriveComboBox), a folder
// list (TDirectoryListBox), a file list (TFileListBox) and a file-type
// filter (TFilterComboBox). Linked, each drives the next: a place opens its
// folder in the folder list, a folder lists its files, a filter sets the
// file list's mask.
//
// Names are bytes: a file name that is not valid UTF-8, or that holds a line
// break, is listed (shown as well as it can be) and handed back exactly.

#include "platform/Control.h"
#include "platform/FileMask.h"

#include <string>
#include <vector>

class QComboBox;
class QListWidget;

class TFileListBox;
class TDirectoryListBox;
class TListPicks;

// The places of this machine a user would pick: "/", the home folder, and
// the mount points under /media, /run/media and /mnt, from a mounts table
// in the /proc/self/mounts layout (octal escapes such as "\040" decoded).
std::vector<std::string> PlacesFromMounts(const std::string& mountsText, const std::string& home);
std::vector<std::string> MachinePlaces();

class TDriveComboBox : public TWinControl {
public:
    explicit TDriveComboBox(TComponent* owner);

    TDirectoryListBox* DirList = nullptr;
    const std::vector<std::string>& Places() const { return m_places; }
    void SetPlaces(const std::vector<std::string>&);
    // The place shown; choosing one opens it in DirList.
    std::string Drive() const;
    void SetDrive(const std::string& place);
    // The place that holds a folder (the longest that is a prefix of it).
    void ShowPlaceOf(const std::string& folder);

    TNotifyEvent OnChange;

private:
    QComboBox* m_box;
    std::vector<std::string> m_places;
    bool m_updating = false;
};

class TDirectoryListBox : public TWinControl {
public:
    explicit TDirectoryListBox(TComponent* owner);

    TFileListBox* FileList = nullptr;
    TDriveComboBox* DriveCombo = nullptr;
    // Absolute, without a trailing "/" (but "/" itself).
    const std::string& Directory() const { return m_directory; }
    // Lists the chain from "/" down to the folder and the folders inside it.
    // A folder that cannot be read raises EInOutError; the list then shows
    // the chain only, and the file list goes with it.
    void SetDirectory(const std::string& folder);
    // The folder of each line, in order.
    const std::vector<std::string>& Folders() const { return m_folders; }
    // Opening a line (a double click) makes it the directory.
    void OpenItem(int index);

    TNotifyEvent OnChange;

private:
    QListWidget* m_list;
    std::string m_directory;
    std::vector<std::string> m_folders;
};

// Its OnClick fires when the user picks a file, by a click or with the
// arrow keys, as a list box's does.
class TFileListBox : public TWinControl {
public:
    explicit TFileListBox(TComponent* owner);

    const std::string& Directory() const { return m_directory; }
    void SetDirectory(const std::string& folder);
    // Masks separated by ";", matched case-insensitively; "*.*" takes all.
    const std::string& Mask() const { return m_mask; }
    void SetMask(const std::string& mask);
    // Reads the folder again. A folder that cannot be read lists nothing and
    // raises EInOutError naming it.
    void Update();

    int Count() const { return int(m_names.size()); }
    const std::string& Items(int index) const { return m_names.at(std::size_t(index)); }
    int ItemIndex() const;
    void SetItemIndex(int);
    // The selected file's whole path; empty when none is selected.
    std::string FileName() const;
    void SetItemHeight(int);

protected:
    bool WidgetEvent(QEvent*) override;

private:
    QListWidget* m_list;
    TListPicks* m_picks;
    std::string m_directory;
    std::string m_mask = "*.*";
    std::vector<std::string> m_names;
};

class TFilterComboBox : public TWinControl {
public:
    explicit TFilterComboBox(TComponent* owner);

    TFileListBox* FileList = nullptr;
    // "Description|masks|Description|masks...".
    void SetFilter(const std::string& filter);
    const std::vector<TFilterItem>& Filters() const { return m_filters; }
    int ItemIndex() const;
    void SetItemIndex(int);
    std::string Mask() const;

    TNotifyEvent OnChange;

private:
    QComboBox* m_box;
    std::vector<TFilterItem> m_filters;
};
