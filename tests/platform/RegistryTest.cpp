#include "platform/Registry.h"

#include "tests/platform/XdgSandbox.h"
#include "tests/support/ThrownMessage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A settings store of the test's own, in place of the program's one.
struct RegistryTest : ::testing::Test {
    std::string storeFile(std::string root = "HKEY_LOCAL_MACHINE") const { return m_xdg.Config() + "/corvana-registry/" + root; }

    // The settings pattern of the program: a fresh accessor per use.
    static std::unique_ptr<TRegistry> settings()
    {
        auto r = machine();
        r->LazyWrite = false;
        r->OpenKey("Software\\Corvana", true);
        return r;
    }

    // An accessor with no key open yet.
    static std::unique_ptr<TRegistry> machine()
    {
        auto r = std::make_unique<TRegistry>();
        r->RootKey = HKEY_LOCAL_MACHINE;
        return r;
    }

    template <class F> static std::string raised(F&& step) { return ThrownMessage<ERegistryException>(step); }

    XdgSandbox m_xdg;
};

}  // namespace

TEST_F(RegistryTest, AbsentKeyIsCreatedOnlyWhenAsked)
{
    auto r = machine();
    EXPECT_EQ((std::tuple { r->OpenKey("Software\\Corvana", false), r->KeyExists("\\Software\\Corvana") }),
        std::tuple(false, false));
    EXPECT_EQ((std::tuple { r->OpenKey("Software\\Corvana", true), r->CurrentPath(), r->KeyExists("\\Software\\Corvana"),
                  fs::exists(storeFile()), fs::exists(storeFile("HKEY_CURRENT_USER")), r->ValueExists("Upercase"),
                  r->ReadString("Upercase"), raised([&] { r->ReadInteger("Panel"); }), r->GetDataType("Panel") }),
        std::tuple(true, "Software\\Corvana", true, true, false, false, "", "Failed to get data for 'Panel'", rdUnknown));
    r->CloseKey();
    EXPECT_EQ(raised([&] { r->WriteString("Tip", "No"); }), "Failed to set data for 'Tip'");
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreCase)
{
    settings()->WriteString("Upercase", "No");
    auto r = machine();
    ASSERT_TRUE(r->OpenKey("\\SOFTWARE\\corvana\\", false));
    EXPECT_EQ((std::tuple { r->CurrentPath(), r->ReadString("UPERCASE") }), std::tuple("Software\\Corvana", "No"));
    r->WriteString("upercase", "Yes");
    EXPECT_EQ((std::tuple { r->GetValueNames(), settings()->ReadString("Upercase") }),
        std::tuple(std::vector<std::string> { "Upercase" }, "Yes"));
}

TEST_F(RegistryTest, TypesSurviveAReopenAndAreChecked)
{
    settings()->WriteString("Upercase", "No");
    settings()->WriteInteger("Panel", 1);
    settings()->WriteInteger("Negative", -2147483647 - 1);
    settings()->WriteBool("Flag", true);
    settings()->WriteString("TNumber", "12");
    auto r = settings();
    EXPECT_EQ((std::tuple { r->GetDataType("Upercase"), r->GetDataType("Panel"), r->ReadInteger("Panel"),
                  r->ReadInteger("Negative"), r->ReadBool("Flag"), r->ReadInteger("Flag") }),
        std::tuple(rdString, rdInteger, 1, -2147483647 - 1, true, 1));
    for (const char* name : { "Upercase", "TNumber" })
        EXPECT_EQ(raised([&] { r->ReadInteger(name); }), "Invalid data type for '" + std::string(name) + "'");
    EXPECT_EQ(raised([&] { r->ReadString("Panel"); }), "Invalid data type for 'Panel'");
    // A write may change a value's type.
    r->WriteString("Panel", "2");
    EXPECT_EQ(settings()->ReadString("Panel"), "2");
}

TEST_F(RegistryTest, ADamagedFileReadsEmptyRefusesWritesAndStaysAsItIs)
{
    settings()->WriteString("Upercase", "No");
    const std::string file = storeFile();
    const std::string damaged = ReadFileBytes(file) + "this line is not a setting\n";
    WriteFileBytes(file, damaged);

    auto r = machine();
    EXPECT_EQ((std::tuple { r->OpenKey("Software\\Corvana", true), r->ReadString("Upercase"), r->ValueExists("Upercase"),
                  raised([&] { r->ReadInteger("Panel"); }), raised([&] { r->WriteString("Upercase", "Yes"); }),
                  raised([&] { r->WriteInteger("Panel", 1); }), r->DeleteKey("\\Software"), ReadFileBytes(file) }),
        std::tuple(false, "", false, "Failed to get data for 'Panel'", "Failed to set data for 'Upercase'",
            "Failed to set data for 'Panel'", false, damaged));

    // A failed open forgets the key opened before it.
    WriteFileBytes(file, "# corvana-registry 1\n[Software\\Corvana]\nTip=s:No\n");
    auto reopened = settings();
    EXPECT_EQ(reopened->ReadString("Tip"), "No");
    WriteFileBytes(file, damaged);
    EXPECT_EQ((std::tuple { reopened->OpenKey("\\Software\\Corvana", false), reopened->ReadString("Tip"),
                  raised([&] { reopened->WriteString("Tip", "Yes"); }), ReadFileBytes(file) }),
        std::tuple(false, "", "Failed to set data for 'Tip'", damaged));

    // Damage that appears while a key is open is found by the write.
    WriteFileBytes(file, "# corvana-registry 1\n[Software\\Corvana]\n");
    auto open = settings();
    const std::string garbage = std::string("\x00\xFF\x01 binary", 10);
    WriteFileBytes(file, garbage);
    EXPECT_THROW(open->WriteString("Tip", "No"), ERegistryException);
    EXPECT_EQ(ReadFileBytes(file), garbage);

    for (const char* bad : {"[Software\n", "# corvana-registry 1\nName=s:before any key\n",
                            "# corvana-registry 1\n[K]\nPanel=i:12x\n", "# corvana-registry 1\n[K]\nTip=q:No\n",
                            "# corvana-registry 1\n[K]\nTip=s:%G1\n", "# corvana-registry 1\n[K]\nTip\n"}) {
        WriteFileBytes(file, bad);
        EXPECT_EQ((std::tuple { settings()->ValueExists("Tip"), ReadFileBytes(file) }), std::tuple(false, bad));
    }
}

TEST_F(RegistryTest, AnUnwritableStoreRefusesWritesAndKeepsTheFile)
{
    settings()->WriteString("Upercase", "No");
    const std::string file = storeFile(), folder = m_xdg.Config() + "/corvana-registry";
    const std::string before = ReadFileBytes(file);
    if (::geteuid() != 0) {
        ::chmod(folder.c_str(), 0555);
        auto r = settings();
        EXPECT_EQ((std::tuple { r->ReadString("Upercase"), raised([&] { r->WriteString("Upercase", "Yes"); }),
                      r->OpenKey("\\Software\\Other", true) }),
            std::tuple("No", "Failed to set data for 'Upercase'", false));
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(ReadFileBytes(file), before);

        ::chmod(file.c_str(), 0);
        auto unreadable = machine();
        EXPECT_EQ((std::tuple { unreadable->OpenKey("Software\\Corvana", true), unreadable->ReadString("Upercase"),
                      raised([&] { unreadable->WriteString("Upercase", "Yes"); }) }),
            std::tuple(false, "", "Failed to set data for 'Upercase'"));
        ::chmod(file.c_str(), 0600);
        EXPECT_EQ(ReadFileBytes(file), before);
    }
    // A configuration folder that is a plain file cannot hold a store.
    const std::string plain = m_xdg.File("plain");
    WriteFileBytes(plain, "not a folder");
    setenv("XDG_CONFIG_HOME", plain.c_str(), 1);
    TRegistry r;
    EXPECT_EQ((std::tuple { r.OpenKey("Software\\Corvana", true), raised([&] { r.WriteString("Upercase", "Yes"); }),
                  ReadFileBytes(plain) }), std::tuple(false, "Failed to set data for 'Upercase'", "not a folder"));
}

TEST_F(RegistryTest, TwoAccessorsSeeEachOthersWrites)
{
    auto a = settings();
    auto b = settings();
    a->WriteString("Upercase", "No");
    b->WriteInteger("Panel", 1);  // b opened before a wrote; a's value stays
    // a sees b's value only once it opens the key again.
    EXPECT_EQ((std::tuple { settings()->ReadString("Upercase"), settings()->ReadInteger("Panel"), a->ValueExists("Panel"),
                  a->OpenKey("\\Software\\Corvana", false), a->ReadInteger("Panel") }),
        std::tuple("No", 1, false, true, 1));

    // Programs writing at the same time lose nothing.
    std::vector<pid_t> children;
    for (int child = 0; child < 4; ++child) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < 25; ++i)
                failures += raised([&] { settings()->WriteInteger("c" + std::to_string(child) + "-" + std::to_string(i), i); })
                    != "(nothing raised)";
            ::_exit(failures);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0) << "every child ended with no failed write";
    }
    EXPECT_EQ((std::tuple { settings()->GetValueNames().size(), settings()->ReadInteger("c3-24") }), std::tuple(2u + 4 * 25, 24));
}

TEST_F(RegistryTest, AnyBytesRoundTrip)
{
    const std::pair<std::string, std::string> stored[] = {
        { "v0", "line one\nline two\r\n" }, { "v1", "a=b==c" }, { "v2", "%41 is not A" },
        { "v3", std::string("nul\0inside", 10) }, { "v4", "\xFF\xFE\x80 raw" }, { "v5", "caf\xC3\xA9" }, { "v6", "  blanks  " },
        { "v7", "[not a key]" }, { "v8", "# not a comment" }, { "v9", "" }, { "plain", "name plain" },
        { "with=equals", "name with=equals" }, { "#hash", "name #hash" }, { "[bracket", "name [bracket" },
        { "new\nline", "name new\nline" }, { "", "name " }, { "caf\xC3\xA9", "name caf\xC3\xA9" },
    };
    {
        TRegistry r;
        ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Odd = [key]\n", true));
        for (const auto& [name, value] : stored)
            r.WriteString(name, value);
    }
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Brelwick\\Corvana\\ToolBar\\Odd = [key]\n", false));
    for (const auto& [name, value] : stored)
        EXPECT_EQ(r.ReadString(name), value);
    // The file stays one setting per line.
    const std::string text = ReadFileBytes(storeFile("HKEY_CURRENT_USER"));
    EXPECT_EQ((std::tuple { text.rfind("# corvana-registry 1\n", 0), std::count(text.begin(), text.end(), '\n') }),
        std::tuple(0u, 1 + 5 + 17));
}

TEST_F(RegistryTest, PathsSubkeysAndDeletion)
{
    using Names = std::vector<std::string>;
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Brelwick\\Corvana\\", true));
    ASSERT_TRUE(r.OpenKey("ToolBar\\Standard", true));  // relative to the open key
    EXPECT_EQ(r.CurrentPath(), "Software\\Brelwick\\Corvana\\ToolBar\\Standard");
    r.WriteString("Visible", "1");
    ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Main Menu", true));
    EXPECT_EQ((std::tuple { r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar", false), r.GetKeyNames(),
                  r.OpenKey("\\Software", false), r.GetKeyNames(), r.KeyExists("Brelwick\\Corvana\\toolbar\\standard") }),
        std::tuple(true, Names { "Main Menu", "Standard" }, true, Names { "Brelwick" }, true));
    ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard", false));
    EXPECT_EQ((std::tuple { r.DeleteValue("VISIBLE"), r.DeleteValue("Visible"), r.ValueExists("Visible") }),
        std::tuple(true, false, false));

    EXPECT_EQ((std::tuple { r.DeleteKey("\\Software\\Brelwick\\Corvana\\ToolBar"),
                  r.KeyExists("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard"), r.KeyExists("\\Software\\Brelwick\\Corvana"),
                  r.DeleteKey("\\Software\\Brelwick\\Corvana\\ToolBar"), r.DeleteKey("\\") }),
        std::tuple(true, false, true, false, false));

    // A key removed by someone else comes back with the next write to it.
    r.WriteString("Visible", "0");
    EXPECT_TRUE(r.KeyExists("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard"));

    // The roots are apart.
    r.RootKey = HKEY_CLASSES_ROOT;
    EXPECT_FALSE(r.KeyExists("\\Software"));
}

TEST_F(RegistryTest, KeysTooDeepOrNamesTooLongReadAsADamagedStore)
{
    const std::string file = storeFile();
    fs::create_directories(fs::path(file).parent_path());
    auto path = [](std::size_t depth, std::string p = "Software") {
        for (std::size_t i = 1; i < depth; ++i)
            p += "\\k";
        return p;
    };
    const std::tuple<const char*, std::string, bool> cases[] = {
        { "20,000 levels", "[" + path(20000, "k") + "]\n", false },
        { "one level too deep", "[" + path(TRegistryStore::kMaxKeyDepth + 1) + "]\n", false },
        { "deepest allowed", "[" + path(TRegistryStore::kMaxKeyDepth) + "]\n", true },
        { "key name too long", "[Software\\" + std::string(TRegistryStore::kMaxKeyName + 1, 'n') + "]\n", false },
        { "longest key name", "[Software\\" + std::string(TRegistryStore::kMaxKeyName, 'n') + "]\n", true },
        { "value name too long", "[K]\n" + std::string(TRegistryStore::kMaxValueName + 1, 'v') + "=s:x\n", false },
    };
    for (const auto& [name, line, readable] : cases) {
        SCOPED_TRACE(name);
        const std::string text = "# corvana-registry 1\n[Software\\Corvana]\nTip=s:No\n" + line;
        WriteFileBytes(file, text);
        EXPECT_EQ(settings()->ReadString("Tip"), readable ? "No" : "");
        EXPECT_TRUE(ReadFileBytes(file) == text) << "never written over";
    }

    // Nor can such a key or value be made.
    fs::remove(file);
    auto r = machine();
    EXPECT_FALSE(r->OpenKey(path(TRegistryStore::kMaxKeyDepth + 1), true));
    ASSERT_TRUE(r->OpenKey("Software\\Corvana", true));
    EXPECT_THROW(r->WriteString(std::string(TRegistryStore::kMaxValueName + 1, 'v'), "x"), ERegistryException);
    EXPECT_FALSE(fs::exists(file) && ReadFileBytes(file).find("vvvv") != std::string::npos);
}
