#include "platform/FileCtrl.h"

#include "platform/Exception.h"
#include "platform/ListBox.h"
#include "platform/StrUtils.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QListWidget>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace {

// "\040" and its kind stand for blanks and other bytes in a mounts table.
std::string decodeOctal(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char* d = field.c_str() + i + 1;
            if (std::all_of(d, d + 3, [](char c) { return c >= '0' && c <= '7'; })) {
                out += char((d[0] - '0') * 64 + (d[1] - '0') * 8 + (d[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// A choice the user makes in a drive or filter box passes on to the list tied
// to it, then to OnChange; none while the control is being destroyed.
void whenChosen(QComboBox* box, TWinControl* control, const TNotifyEvent& onChange, std::function<void()> passOn)
{
    QObject::connect(box, qOverload<int>(&QComboBox::activated), [control, &onChange, passOn](int) {
        if (control->Destroying())
            return;
        passOn();
        if (onChange)
            onChange(control);
    });
}

bool under(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/';
}

std::string join(const std::string& folder, const std::string& name) { return folder == "/" ? "/" + name : folder + "/" + name; }

bool isFolder(const std::string& folder, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat st {};
    return ::stat(join(folder, entry->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The visible entries of a folder, folders or files, sorted without regard
// to case. Raises EInOutError when the folder cannot be read.
std::vector<std::string> listFolder(const std::string& folder, bool folders)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        throw EInOutError("Cannot read the folder " + folder + ": " + std::strerror(errno));
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (isFolder(folder, entry) == folders)
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        int c = LowerCase(a).compare(LowerCase(b));
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString shown(const std::string& name)
{
    // A line break in a name would break the line of the list.
    QString text = BytesToQString(name);
    text.replace(QLatin1Char('\n'), QChar(0x21B5));
    return text;
}

}

std::vector<std::string> PlacesFromMounts(const std::string& mountsText, const std::string& home)
{
    std::vector<std::string> places { "/" };
    if (!home.empty() && home != "/")
        places.push_back(home);
    std::istringstream lines(mountsText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point))
            continue;
        point = decodeOctal(point);
        if ((under(point, "/media") || under(point, "/run/media") || under(point, "/mnt")) &&
            std::find(places.begin(), places.end(), point) == places.end())
            places.push_back(point);
    }
    return places;
}

std::vector<std::string> MachinePlaces()
{
    std::ifstream mounts("/proc/self/mounts");
    std::string text((std::istreambuf_iterator<char>(mounts)), {});
    const char* home = std::getenv("HOME");
    return PlacesFromMounts(text, home ? ExtractFileDir(std::string(home) + "/") : std::string());
}

// ---------------------------------------------------------------------------

TDriveComboBox::TDriveComboBox(TComponent* owner)
    : TWinControl(owner)
    , m_box(new QComboBox)
{
    SetWidget(m_box);
    SetBounds(0, 0, 145, 22);
    whenChosen(m_box, this, OnChange, [this] {
        if (DirList)
            DirList->SetDirectory(Drive());
    });
    SetPlaces(MachinePlaces());
}

void TDriveComboBox::SetPlaces(const std::vector<std::string>& places)
{
    m_places = places;
    m_box->clear();
    for (const std::string& p : places)
        m_box->addItem(BytesToQString(p));
}

std::string TDriveComboBox::Drive() const
{
    int i = m_box->currentIndex();
    return i >= 0 && i < int(m_places.size()) ? m_places[std::size_t(i)] : "/";
}

void TDriveComboBox::SetDrive(const std::string& place)
{
    auto it = std::find(m_places.begin(), m_places.end(), place);
    if (it == m_places.end())
        return;
    m_box->setCurrentIndex(int(it - m_places.begin()));
    if (DirList)
        DirList->SetDirectory(place);
}

void TDriveComboBox::ShowPlaceOf(const std::string& folder)
{
    int best = 0;
    for (std::size_t i = 0; i < m_places.size(); ++i)
        if ((folder == m_places[i] || under(folder, m_places[i])) && m_places[i].size() > m_places[std::size_t(best)].size())
            best = int(i);
    m_box->setCurrentIndex(best);
}

// ---------------------------------------------------------------------------

TDirectoryListBox::TDirectoryListBox(TComponent* owner)
    : TWinControl(owner)
    , m_list(new QListWidget)
{
    m_list->setUniformItemSizes(true);
    SetWidget(m_list);
    SetBounds(0, 0, 145, 97);
    QObject::connect(m_list, &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
        if (!Destroying())
            OpenItem(m_list->row(item));
    });
}

void TDirectoryListBox::OpenItem(int index)
{
    if (index >= 0 && index < int(m_folders.size()))
        SetDirectory(m_folders[std::size_t(index)]);
}

void TDirectoryListBox::SetDirectory(const std::string& folder)
{
    std::string dir = folder.empty() ? "/" : folder;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    m_directory = dir;
    m_folders.clear();
    m_list->clear();
    // The chain from "/" down, indented by depth, then the folders inside.
    int depth = 0;
    m_folders.push_back("/");
    m_list->addItem(QStringLiteral("/"));
    for (std::size_t pos = 1; pos < dir.size() && dir != "/";) {
        std::size_t slash = dir.find('/', pos);
        std::string part = dir.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        std::string path = dir.substr(0, slash);
        ++depth;
        m_folders.push_back(path);
        m_list->addItem(QString(depth * 2, QLatin1Char(' ')) + shown(part));
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    m_list->setCurrentRow(int(m_folders.size()) - 1);
    std::vector<std::string> inside;
    std::string error;
    try {
        inside = listFolder(dir, true);
    } catch (const EInOutError& e) {
        error = e.Message;
    }
    for (const std::string& name : inside) {
        m_folders.push_back(join(dir, name));
        m_list->addItem(QString((depth + 1) * 2, QLatin1Char(' ')) + shown(name));
    }
    if (DriveCombo)
        DriveCombo->ShowPlaceOf(dir);
    if (FileList)
        FileList->SetDirectory(dir);
    if (OnChange)
        OnChange(this);
    if (!error.empty())
        throw EInOutError(error);
}

// ---------------------------------------------------------------------------

TFileListBox::TFileListBox(TComponent* owner)
    : TWinControl(owner)
    , m_list(new QListWidget)
    , m_picks(TListPicks::Watch(m_list, this))
{
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    SetWidget(m_list);
    SetBounds(0, 0, 145, 97);
}

bool TFileListBox::WidgetEvent(QEvent* e)
{
    m_picks->Saw(e);
    return TWinControl::WidgetEvent(e);
}

void TFileListBox::SetDirectory(const std::string& folder)
{
    m_directory = folder;
    Update();
}

void TFileListBox::SetMask(const std::string& mask)
{
    m_mask = mask;
    Update();
}

void TFileListBox::Update()
{
    m_picks->ByProgram = true;
    m_names.clear();
    m_list->clear();
    m_picks->ByProgram = false;
    if (m_directory.empty())
        return;
    std::vector<std::string> all = listFolder(m_directory, false);
    QStringList rows;
    rows.reserve(int(all.size()));
    for (std::string& name : all) {
        if (!MatchesMask(name, m_mask))
            continue;
        rows.push_back(shown(name));
        m_names.push_back(std::move(name));
    }
    m_picks->ByProgram = true;
    m_list->addItems(rows);
    m_picks->ByProgram = false;
}

int TFileListBox::ItemIndex() const
{
    QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void TFileListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        m_list->clearSelection();
        return;
    }
    m_picks->ByProgram = true;
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    m_picks->ByProgram = false;
}

std::string TFileListBox::FileName() const
{
    int i = ItemIndex();
    return i < 0 ? std::string() : join(m_directory, m_names[std::size_t(i)]);
}

void TFileListBox::SetItemHeight(int height)
{
    m_list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(height));
}

// ---------------------------------------------------------------------------

TFilterComboBox::TFilterComboBox(TComponent* owner)
    : TWinControl(owner)
    , m_box(new QComboBox)
{
    SetWidget(m_box);
    SetBounds(0, 0, 145, 22);
    whenChosen(m_box, this, OnChange, [this] {
        if (FileList)
            FileList->SetMask(Mask());
    });
}

void TFilterComboBox::SetFilter(const std::string& filter)
{
    m_filters = ParseFilter(filter);
    m_box->clear();
    for (const TFilterItem& f : m_filters)
        m_box->addItem(BytesToQString(f.Description));
}

int TFilterComboBox::ItemIndex() const { return m_box->currentIndex(); }

void TFilterComboBox::SetItemIndex(int index)
{
    m_box->setCurrentIndex(index);
    if (FileList)
        FileList->SetMask(Mask());
}

std::string TFilterComboBox::Mask() const
{
    int i = m_box->currentIndex();
    return i >= 0 && i < int(m_filters.size()) ? m_filters[std::size_t(i)].Mask : "*.*";
}
