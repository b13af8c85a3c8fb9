// Files as the editor reads and writes them: whole files, line breaks,
// streams, settings files, and the bytes of a file as text.

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/IniFiles.h"
#include "platform/Stream.h"
#include "platform/TextCodec.h"
#include "tests/support/TempDir.h"
#include "tests/support/ThrownMessage.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

long entriesIn(const std::string& folder) { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); }

mode_t modeOf(const std::string& path) { return mode_t(fs::status(path).permissions()) & 07777; }

// Each test writes into a folder of its own.
struct FileIO : ::testing::Test {
    TempDir dir;
};

}  // namespace

TEST_F(FileIO, ReadsEveryByte)
{
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    all += std::string(200000, 'x');  // more than one read
    WriteFileBytes(dir.File("a.bin"), all);
    WriteFileBytes(dir.File("empty"), "");
    EXPECT_EQ((std::tuple { ReadWholeFile(dir.File("a.bin")), ReadWholeFile(dir.File("empty")) }), std::tuple(all, ""));
}

TEST_F(FileIO, ReadFailuresRaiseFileOpenError)
{
    for (const std::string& path : { dir.File("missing.htm"), dir.Path() })
        EXPECT_EQ(ThrownMessage<EFOpenError>([&] { ReadWholeFile(path); }), "Cannot open file " + path);
    if (::geteuid() != 0) {
        WriteFileBytes(dir.File("secret"), "x");
        ::chmod(dir.File("secret").c_str(), 0);
        EXPECT_THROW(ReadWholeFile(dir.File("secret")), EFOpenError);
    }
}

TEST_F(FileIO, AFailingReadRaisesReadError)
{
    // Opens as a file, but its first bytes cannot be read.
    EXPECT_EQ(ThrownMessage<EReadError>([] { ReadWholeFile("/proc/self/mem"); }), "Stream read error");
}

TEST_F(FileIO, WriteCreatesAndReplacesWithoutLeftovers)
{
    const std::string file = dir.File("page.htm");
    WriteFileAtomically(file, "first");
    mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ((std::tuple { ReadFileBytes(file), modeOf(file) }), std::tuple("first", 0666 & ~mask));

    ::chmod(file.c_str(), 0640);
    WriteFileAtomically(file, "second, longer than the first");
    EXPECT_EQ((std::tuple { ReadFileBytes(file), modeOf(file) }), std::tuple("second, longer than the first", 0640u));
    WriteFileAtomically(file, "");
    EXPECT_EQ((std::tuple { ReadFileBytes(file), entriesIn(dir.Path()) }), std::tuple("", 1));

    const std::string longest = dir.File(std::string(251, 'n') + ".htm");
    WriteFileAtomically(longest, "long name");
    EXPECT_EQ(ReadFileBytes(longest), "long name");
}

TEST_F(FileIO, SymbolicLinksAreWrittenThrough)
{
    fs::create_directory(dir.File("real"));
    WriteFileBytes(dir.File("real/page.htm"), "old");
    fs::create_symlink("real/page.htm", dir.File("link.htm"));
    WriteFileAtomically(dir.File("link.htm"), "new");
    EXPECT_EQ((std::tuple { fs::is_symlink(dir.File("link.htm")), ReadFileBytes(dir.File("real/page.htm")),
                  entriesIn(dir.File("real")) }), std::tuple(true, "new", 1));

    // A link to a file not there yet makes that file.
    fs::create_symlink("real/later.htm", dir.File("dangling.htm"));
    WriteFileAtomically(dir.File("dangling.htm"), "made");
    EXPECT_EQ((std::tuple { fs::is_symlink(dir.File("dangling.htm")), ReadFileBytes(dir.File("real/later.htm")) }),
        std::tuple(true, "made"));
}

TEST_F(FileIO, CreateFailuresRaiseFileCreateErrorAndKeepTheOldFile)
{
    // A file where a folder should be.
    WriteFileBytes(dir.File("plain"), "x");
    const std::string impossible = dir.File("plain/page.htm");
    EXPECT_EQ(ThrownMessage<EFCreateError>([&] { WriteFileAtomically(impossible, "data"); }), "Cannot create file " + impossible);
    // A folder where the file should be.
    fs::create_directory(dir.File("folder"));
    EXPECT_THROW(WriteFileAtomically(dir.File("folder"), "data"), EFCreateError);
    EXPECT_TRUE(fs::is_directory(dir.File("folder")));

    if (::geteuid() != 0) {
        WriteFileBytes(dir.File("locked.htm"), "keep");
        ::chmod(dir.File("locked.htm").c_str(), 0444);
        EXPECT_THROW(WriteFileAtomically(dir.File("locked.htm"), "lost"), EFCreateError);
        EXPECT_EQ(ReadFileBytes(dir.File("locked.htm")), "keep");

        fs::create_directory(dir.File("ro"));
        WriteFileBytes(dir.File("ro/page.htm"), "keep");
        ::chmod(dir.File("ro").c_str(), 0555);
        EXPECT_THROW(WriteFileAtomically(dir.File("ro/page.htm"), "lost"), EFCreateError);
        EXPECT_EQ((std::tuple { ReadFileBytes(dir.File("ro/page.htm")), entriesIn(dir.File("ro")) }), std::tuple("keep", 1));
    }
}

TEST_F(FileIO, AFullDiskRaisesWriteErrorAndKeepsTheOldFile)
{
    const std::string file = dir.File("page.htm");
    WriteFileBytes(file, "the old page");

    // The file-size limit makes writes fail past a few bytes as a full disk
    // would; the signal it sends is ignored so that the write reports it.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit small { 1024, saved.rlim_max };
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message = ThrownMessage<EWriteError>([&] { WriteFileAtomically(file, std::string(100000, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ((std::tuple { message, ReadFileBytes(file), entriesIn(dir.Path()) }),
        std::tuple("Stream write error", "the old page", 1));
}

TEST_F(FileIO, LineBreaks)
{
    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts { ToEditorText("a\r\nb\rc\nd\r\n\r\ne"), ToEditorText("\n\r\r\n"), ToEditorText("end\r") }),
        (Texts { "a\nb\nc\nd\n\ne", "\n\n\n", "end\n" }));
    EXPECT_EQ((Texts { ToFileText("a\nb\n\nc"), ToFileText("no break"), ToFileText("") }),
        (Texts { "a\r\nb\r\n\r\nc", "no break", "" }));
    // What the editor saves it reads back unchanged.
    const std::string page = "<HTML>\n<BODY>\n\n</BODY>\n</HTML>\n";
    EXPECT_EQ(ToEditorText(ToFileText(page)), page);
}

// Streams over a file and over memory.
TEST(Stream, FileStreamsCreateReadAndRefuseMissingFiles)
{
    TempDir dir("stream");
    {
        TFileStream out(dir.File("a.bin"), fmCreate);
        out.WriteBuffer("hello world", 11);
        EXPECT_EQ(out.Size(), 11);
    }
    TFileStream in(dir.File("a.bin"), fmOpenRead);
    char buf[16] = {};
    in.ReadBuffer(buf, 5);
    EXPECT_EQ((std::tuple { std::string(buf, 5), in.Position() }), std::tuple("hello", 5));
    EXPECT_THROW(in.ReadBuffer(buf, 16), EReadError);
    EXPECT_THROW(TFileStream(dir.File("missing.bin"), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.File("no/such/folder.bin"), fmCreate), EFCreateError);
}

TEST(Stream, MemoryStreamsGrowAndSeek)
{
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    m.WriteBuffer("XYZ", 3);
    char c = 0;
    EXPECT_EQ((std::tuple { m.Data(), m.Seek(-1, soEnd), m.Read(&c, 5), c, m.Seek(-10, soCurrent) }),
        std::tuple("aXYZ", 3, 1, 'Z', -1));
}

TEST(IniFile, ReadsValuesWholeAcrossLineEndsAndCase)
{
    TIniFile ini = TIniFile::FromText("; a comment\r\n[Orvelin]\r\nItems = 2\r\n0=Say \"hello\", then go.\r\n"
                                      "1=a=b;c\r[Other]\n0=elsewhere\n[orvelin]\n1=second copy\n2=  padded  ");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "Orvelin", "Items", "2" }, { "ORVELIN", "items", "2" }, { "Orvelin", "0", "Say \"hello\", then go." },
        { "Orvelin", "1", "a=b;c" }, { "Other", "0", "elsewhere" }, { "Orvelin", "2", "padded" }, { "Orvelin", "3", "(none)" },
        { "Missing", "0", "(none)" },
    };
    for (const auto& [section, key, value] : cases)
        EXPECT_EQ(ini.ReadString(section, key, "(none)"), value) << section << " " << key;
    EXPECT_EQ((std::tuple { ini.SectionExists("other"), ini.ValueExists("Other", "1"), ini.ReadInteger("Orvelin", "Items", -1),
                  ini.ReadInteger("Orvelin", "0", -1) }), std::tuple(true, false, 2, -1));
}

TEST(IniFile, MissingFileReadsAsEmpty)
{
    TempDir dir { "ini" };
    TIniFile ini(dir.File("nothing.ini"));
    EXPECT_EQ((std::tuple { ini.SectionExists("Orvelin"), ini.ReadString("Orvelin", "Items", "d") }), std::tuple(false, "d"));
    WriteFileBytes(dir.File("t.ini"), "[S]\nk=v");
    EXPECT_EQ(TIniFile(dir.File("t.ini")).ReadString("s", "K", ""), "v");
}

TEST(TextCodec, EveryByteSequenceSurvivesTheRoundTrip)
{
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    // Valid UTF-8 of 2, 3 and 4 bytes; cut short; over-long; a surrogate; the private range used for raw bytes; line and
    // paragraph separators.
    const std::string samples[] = { "plain ASCII <HTML>", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\xC3", "\xC0\xAF",
        "\xED\xA0\x80", "\xEF\x9C\x80\xEF\x9F\xBF", "\xE2\x80\xA8\xE2\x80\xA9", std::string("nul\0inside", 10), all };
    for (const auto& s : samples)
        EXPECT_EQ(QStringToBytes(BytesToQString(s)), s);
}

TEST(TextCodec, ValidUtf8ShowsAsText)
{
    EXPECT_EQ((std::tuple { BytesToQString("caf\xC3\xA9"), BytesToQString("\xE9").size() }),
        std::tuple(QString::fromUtf8("caf\xC3\xA9"), 1));
}
