#include "platform/Registry.h"

#include "platform/Exception.h"
#include "tests/support/TempDir.h"
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
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_old = old ? old : "";
        setenv("XDG_CONFIG_HOME", m_config.Path().c_str(), 1);
    }
    void TearDown() override { setenv("XDG_CONFIG_HOME", m_old.c_str(), 1); }

    std::string storeFile(const std::string& root) const { return m_config.Path() + "/corvana-registry/" + root; }

    // The settings pattern of the program: a fresh accessor per use.
    static std::unique_ptr<TRegistry> settings(HKEY root = HKEY_LOCAL_MACHINE)
    {
        auto r = machine(root);
        r->LazyWrite = false;
        r->OpenKey("Software\\Corvana", true);
        return r;
    }

    // An accessor with no key open yet.
    static std::unique_ptr<TRegistry> machine(HKEY root = HKEY_LOCAL_MACHINE)
    {
        auto r = std::make_unique<TRegistry>();
        r->RootKey = root;
        return r;
    }

    TempDir m_config{"registry"};
    std::string m_old;
};

}  // namespace

TEST_F(RegistryTest, AbsentKeyIsCreatedOnlyWhenAsked)
{
    auto r = machine();
    EXPECT_FALSE(r->OpenKey("Software\\Corvana", false));
    EXPECT_FALSE(r->KeyExists("\\Software\\Corvana"));
    EXPECT_TRUE(r->OpenKey("Software\\Corvana", true));
    EXPECT_EQ(r->CurrentPath(), "Software\\Corvana");
    EXPECT_TRUE(r->KeyExists("\\Software\\Corvana"));
    EXPECT_TRUE(fs::exists(storeFile("HKEY_LOCAL_MACHINE")));
    EXPECT_FALSE(fs::exists(storeFile("HKEY_CURRENT_USER")));
    EXPECT_FALSE(r->ValueExists("Upercase"));
    EXPECT_EQ(r->ReadString("Upercase"), "");
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->ReadInteger("Panel"); }), "Failed to get data for 'Panel'");
    EXPECT_EQ(r->GetDataType("Panel"), rdUnknown);
    r->CloseKey();
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->WriteString("Tip", "No"); }), "Failed to set data for 'Tip'");
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreCase)
{
    settings()->WriteString("Upercase", "No");
    auto r = machine();
    ASSERT_TRUE(r->OpenKey("\\SOFTWARE\\corvana\\", false));
    EXPECT_EQ(r->CurrentPath(), "Software\\Corvana");
    EXPECT_EQ(r->ReadString("UPERCASE"), "No");
    r->WriteString("upercase", "Yes");
    EXPECT_EQ(r->GetValueNames(), std::vector<std::string>{"Upercase"});
    EXPECT_EQ(settings()->ReadString("Upercase"), "Yes");
}

TEST_F(RegistryTest, TypesSurviveAReopenAndAreChecked)
{
    {
        auto r = settings();
        r->WriteString("Upercase", "No");
        r->WriteInteger("Panel", 1);
        r->WriteInteger("Negative", -2147483647 - 1);
        r->WriteBool("Flag", true);
        r->WriteString("TNumber", "12");
    }
    auto r = settings();
    EXPECT_EQ(r->GetDataType("Upercase"), rdString);
    EXPECT_EQ(r->GetDataType("Panel"), rdInteger);
    EXPECT_EQ(r->ReadInteger("Panel"), 1);
    EXPECT_EQ(r->ReadInteger("Negative"), -2147483647 - 1);
    EXPECT_TRUE(r->ReadBool("Flag"));
    EXPECT_EQ(r->ReadInteger("Flag"), 1);
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->ReadInteger("Upercase"); }), "Invalid data type for 'Upercase'");
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->ReadInteger("TNumber"); }), "Invalid data type for 'TNumber'");
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->ReadString("Panel"); }), "Invalid data type for 'Panel'");
    // A write may change a value's type.
    r->WriteString("Panel", "2");
    EXPECT_EQ(settings()->ReadString("Panel"), "2");
}

TEST_F(RegistryTest, ADamagedFileReadsEmptyRefusesWritesAndStaysAsItIs)
{
    settings()->WriteString("Upercase", "No");
    const std::string file = storeFile("HKEY_LOCAL_MACHINE");
    const std::string damaged = ReadFileBytes(file) + "this line is not a setting\n";
    WriteFileBytes(file, damaged);

    auto r = machine();
    EXPECT_FALSE(r->OpenKey("Software\\Corvana", true));
    EXPECT_EQ(r->ReadString("Upercase"), "");
    EXPECT_FALSE(r->ValueExists("Upercase"));
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->ReadInteger("Panel"); }), "Failed to get data for 'Panel'");
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->WriteString("Upercase", "Yes"); }), "Failed to set data for 'Upercase'");
    EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->WriteInteger("Panel", 1); }), "Failed to set data for 'Panel'");
    EXPECT_FALSE(r->DeleteKey("\\Software"));
    EXPECT_EQ(ReadFileBytes(file), damaged);

    // A failed open forgets the key opened before it.
    WriteFileBytes(file, "# corvana-registry 1\n[Software\\Corvana]\nTip=s:No\n");
    auto reopened = settings();
    EXPECT_EQ(reopened->ReadString("Tip"), "No");
    WriteFileBytes(file, damaged);
    EXPECT_FALSE(reopened->OpenKey("\\Software\\Corvana", false));
    EXPECT_EQ(reopened->ReadString("Tip"), "");
    EXPECT_THROW(reopened->WriteString("Tip", "Yes"), ERegistryException);
    EXPECT_EQ(ReadFileBytes(file), damaged);

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
        EXPECT_FALSE(settings()->ValueExists("Tip")) << bad;
        EXPECT_EQ(ReadFileBytes(file), bad);
    }
}

TEST_F(RegistryTest, AnUnwritableStoreRefusesWritesAndKeepsTheFile)
{
    settings()->WriteString("Upercase", "No");
    const std::string file = storeFile("HKEY_LOCAL_MACHINE");
    const std::string before = ReadFileBytes(file);
    if (::geteuid() != 0) {
        ::chmod((m_config.Path() + "/corvana-registry").c_str(), 0555);
        auto r = settings();
        EXPECT_EQ(r->ReadString("Upercase"), "No");
        EXPECT_EQ(ThrownMessage<ERegistryException>([&] { r->WriteString("Upercase", "Yes"); }), "Failed to set data for 'Upercase'");
        EXPECT_FALSE(r->OpenKey("\\Software\\Other", true));
        ::chmod((m_config.Path() + "/corvana-registry").c_str(), 0755);
        EXPECT_EQ(ReadFileBytes(file), before);

        ::chmod(file.c_str(), 0);
        auto unreadable = machine();
        EXPECT_FALSE(unreadable->OpenKey("Software\\Corvana", true));
        EXPECT_EQ(unreadable->ReadString("Upercase"), "");
        EXPECT_THROW(unreadable->WriteString("Upercase", "Yes"), ERegistryException);
        ::chmod(file.c_str(), 0600);
        EXPECT_EQ(ReadFileBytes(file), before);
    }
    // A configuration folder that is a plain file cannot hold a store.
    TempDir other("registry");
    WriteFileBytes(other.File("config"), "not a folder");
    setenv("XDG_CONFIG_HOME", other.File("config").c_str(), 1);
    TRegistry r;
    EXPECT_FALSE(r.OpenKey("Software\\Corvana", true));
    EXPECT_THROW(r.WriteString("Upercase", "Yes"), ERegistryException);
    EXPECT_EQ(ReadFileBytes(other.File("config")), "not a folder");
}

TEST_F(RegistryTest, TwoAccessorsSeeEachOthersWrites)
{
    auto a = settings();
    auto b = settings();
    a->WriteString("Upercase", "No");
    b->WriteInteger("Panel", 1);  // b opened before a wrote; a's value stays
    EXPECT_EQ(settings()->ReadString("Upercase"), "No");
    EXPECT_EQ(settings()->ReadInteger("Panel"), 1);
    EXPECT_FALSE(a->ValueExists("Panel"));  // until it opens the key again
    a->OpenKey("\\Software\\Corvana", false);
    EXPECT_EQ(a->ReadInteger("Panel"), 1);

    // Programs writing at the same time lose nothing.
    std::vector<pid_t> children;
    for (int child = 0; child < 4; ++child) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < 25; ++i) {
                try {
                    settings()->WriteInteger("c" + std::to_string(child) + "-" + std::to_string(i), i);
                } catch (...) {
                    ++failures;
                }
            }
            ::_exit(failures);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    auto r = settings();
    EXPECT_EQ(r->GetValueNames().size(), 2u + 4 * 25);
    EXPECT_EQ(r->ReadInteger("c3-24"), 24);
}

TEST_F(RegistryTest, AnyBytesRoundTrip)
{
    const std::string values[] = {
        "line one\nline two\r\n", "a=b==c", "%41 is not A", std::string("nul\0inside", 10), "\xFF\xFE\x80 raw",
        "caf\xC3\xA9", "  blanks  ", "[not a key]", "# not a comment", "",
    };
    const std::string names[] = {"plain", "with=equals", "#hash", "[bracket", "new\nline", "", "caf\xC3\xA9"};
    {
        TRegistry r;
        ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Odd = [key]\n", true));
        int i = 0;
        for (const auto& v : values)
            r.WriteString("v" + std::to_string(i++), v);
        for (const auto& n : names)
            r.WriteString(n, "name " + n);
    }
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Brelwick\\Corvana\\ToolBar\\Odd = [key]\n", false));
    int i = 0;
    for (const auto& v : values)
        EXPECT_EQ(r.ReadString("v" + std::to_string(i++)), v);
    for (const auto& n : names)
        EXPECT_EQ(r.ReadString(n), "name " + n);
    // The file stays one setting per line.
    const std::string text = ReadFileBytes(storeFile("HKEY_CURRENT_USER"));
    EXPECT_EQ(text.rfind("# corvana-registry 1\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 5 + 17);
}

TEST_F(RegistryTest, PathsSubkeysAndDeletion)
{
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Brelwick\\Corvana\\", true));
    ASSERT_TRUE(r.OpenKey("ToolBar\\Standard", true));  // relative to the open key
    EXPECT_EQ(r.CurrentPath(), "Software\\Brelwick\\Corvana\\ToolBar\\Standard");
    r.WriteString("Visible", "1");
    ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Main Menu", true));
    ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar", false));
    EXPECT_EQ(r.GetKeyNames(), (std::vector<std::string>{"Main Menu", "Standard"}));
    ASSERT_TRUE(r.OpenKey("\\Software", false));
    EXPECT_EQ(r.GetKeyNames(), std::vector<std::string>{"Brelwick"});

    EXPECT_TRUE(r.KeyExists("Brelwick\\Corvana\\toolbar\\standard"));
    ASSERT_TRUE(r.OpenKey("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard", false));
    EXPECT_TRUE(r.DeleteValue("VISIBLE"));
    EXPECT_FALSE(r.DeleteValue("Visible"));
    EXPECT_FALSE(r.ValueExists("Visible"));

    EXPECT_TRUE(r.DeleteKey("\\Software\\Brelwick\\Corvana\\ToolBar"));
    EXPECT_FALSE(r.KeyExists("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard"));
    EXPECT_TRUE(r.KeyExists("\\Software\\Brelwick\\Corvana"));
    EXPECT_FALSE(r.DeleteKey("\\Software\\Brelwick\\Corvana\\ToolBar"));
    EXPECT_FALSE(r.DeleteKey("\\"));

    // A key removed by someone else comes back with the next write to it.
    r.WriteString("Visible", "0");
    EXPECT_TRUE(r.KeyExists("\\Software\\Brelwick\\Corvana\\ToolBar\\Standard"));

    // The roots are apart.
    r.RootKey = HKEY_CLASSES_ROOT;
    EXPECT_FALSE(r.KeyExists("\\Software"));
}

TEST_F(RegistryTest, KeysTooDeepOrNamesTooLongReadAsADamagedStore)
{
    const std::string file = storeFile("HKEY_LOCAL_MACHINE");
    fs::create_directories(fs::path(file).parent_path());
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += i ? "\\k" : "k";
    auto path = [](std::size_t depth) {
        std::string p = "Software";
        for (std::size_t i = 1; i < depth; ++i)
            p += "\\k";
        return p;
    };
    struct Case {
        const char* name;
        std::string line;
        bool readable;
    };
    const Case cases[] = {
        { "20,000 levels", "[" + deep + "]\n", false },
        { "one level too deep", "[" + path(TRegistryStore::kMaxKeyDepth + 1) + "]\n", false },
        { "deepest allowed", "[" + path(TRegistryStore::kMaxKeyDepth) + "]\n", true },
        { "key name too long", "[Software\\" + std::string(TRegistryStore::kMaxKeyName + 1, 'n') + "]\n", false },
        { "longest key name", "[Software\\" + std::string(TRegistryStore::kMaxKeyName, 'n') + "]\n", true },
        { "value name too long", "[K]\n" + std::string(TRegistryStore::kMaxValueName + 1, 'v') + "=s:x\n", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = "# corvana-registry 1\n[Software\\Corvana]\nTip=s:No\n" + c.line;
        WriteFileBytes(file, text);
        EXPECT_EQ(settings()->ReadString("Tip"), c.readable ? "No" : "");
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
