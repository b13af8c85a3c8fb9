// The real editor starting with a hostile file in place of one it reads at
// start-up: it starts whole and stays responsive, the file counts as missing
// or damaged, and every window closes by its own button.

#include "tests/editor/EditorProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct BadFile {
    const char* file;     // "store", "user store" (the bars'), or a file of the program folder
    const char* kind;     // what stands in its place
    const char* message;  // part of the one message shown; empty: none
};

void PrintTo(const BadFile& bad, std::ostream* os) { *os << bad.file << " as " << bad.kind; }

const char* const kStoreFailure = "Failed to set data for 'TNumber'.";

const BadFile kBadFiles[] = {
    { "store", "fifo", kStoreFailure }, { "store", "device", kStoreFailure }, { "store", "folder", kStoreFailure },
    { "store", "huge", kStoreFailure }, { "store", "malformed", kStoreFailure }, { "user store", "fifo", "" },
    { "user store", "device", "" }, { "Tips.dat", "fifo", "Tips.dat" }, { "Tips.dat", "device", "Tips.dat" },
    { "Tips.dat", "folder", "Tips.dat" }, { "Tips.dat", "huge", "Tips.dat" }, { "Corvana.bmp", "fifo", "Corvana.bmp" },
    { "Corvana.bmp", "device", "Corvana.bmp" }, { "Corvana.bmp", "folder", "Corvana.bmp" },
    { "Corvana.bmp", "huge", "Corvana.bmp" }, { "ToolGlyphs.bmp", "fifo", "" }, { "ToolGlyphs.bmp", "device", "" },
    { "ToolGlyphs.bmp", "folder", "" }, { "ToolGlyphs.bmp", "huge", "" },
};

void plant(const std::string& path, const std::string& kind)
{
    fs::create_directories(fs::path(path).parent_path());
    fs::remove(path);
    if (kind == "fifo")
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    else if (kind == "device")
        fs::create_symlink("/dev/zero", path);
    else if (kind == "folder")
        fs::create_directory(path);
    else if (kind == "huge")
        fs::resize_file((WriteFileBytes(path, ""), path), std::uintmax_t(20) << 30);
    else
        WriteFileBytes(path, "\x01 not a settings file [[[\n");
}

// What a later write would change: the kind of file, its size, its bytes.
std::string fingerprint(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return "missing";
    std::string print = std::to_string(st.st_mode) + "/" + std::to_string(st.st_size);
    if (S_ISREG(st.st_mode) && st.st_size < 4096)
        print += "/" + ReadFileBytes(path);
    return print;
}

class StartupFilesTest : public ::testing::TestWithParam<BadFile> {};

}  // namespace

TEST_P(StartupFilesTest, TheEditorStartsWholeAndEveryWindowClosesByItsOwnButton)
{
    const BadFile& bad = GetParam();
    EditorProcess editor;
    const std::string file = bad.file;
    const std::string path = file == "store"        ? editor.StoreFile("HKEY_LOCAL_MACHINE")
                             : file == "user store" ? editor.StoreFile("HKEY_CURRENT_USER")
                                                    : editor.ProgramFile(file);
    plant(path, bad.kind);
    const std::string before = fingerprint(path);
    editor.Start();

    // Each message is answered as it comes, until the start-up tip shows.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);  // generous: many tests may start at once
    bool tip = false;
    while (!tip && std::chrono::steady_clock::now() < deadline) {
        if (editor.WaitForWindow("(message)", 0)) {
            editor.Click("(message)", "OK");
            ASSERT_TRUE(editor.WaitUntilGone("(message)")) << "the message box closes by its OK button";
        } else {
            tip = editor.WaitForWindow("Tip of the Day", 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
    ASSERT_TRUE(tip) << "no start-up tip; the editor wrote: " << editor.Errors();
    editor.Click("Tip of the Day", "Close");
    EXPECT_TRUE(editor.WaitUntilGone("Tip of the Day")) << "the Close button closes the tip";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    EXPECT_TRUE(editor.WaitForWindow("Corvana", 1000));
    EXPECT_EQ(editor.TitledWindows(), 26) << "every window of the editor is made";
    std::vector<std::string> messages = editor.Messages();
    if (*bad.message) {
        ASSERT_EQ(messages.size(), 1u) << "shown once: " << (messages.empty() ? "" : messages.back());
        EXPECT_NE(messages[0].find(bad.message), std::string::npos) << messages[0];
    } else {
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
    EXPECT_EQ(fingerprint(path), before) << "the file is left as it was";
}

INSTANTIATE_TEST_SUITE_P(BadFiles, StartupFilesTest, ::testing::ValuesIn(kBadFiles), [](const auto& info) {
    return std::regex_replace(std::string(info.param.file) + "_" + info.param.kind, std::regex("[^A-Za-z0-9_]"), "_");
});
