// The whole update: search, show, download and start the installer, with
// the updater's own host name, against nginx on port 80 of a private
// network namespace where that name is 127.0.0.1.
//
// The outer test builds the namespace (unshare -mn, a hosts file of its own
// bound over /etc/hosts, loopback up, nginx) and runs this test program
// again inside it for the inner test, which drives the windows.

#include "tests/Update/NginxServer.h"
#include "tests/Update/UpdaterFixture.h"
#include "tests/support/MouseInput.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

const char* const kInnerFlag = "CORVANA_UPDATE_IN_NAMESPACE";

TEST(UpdaterEndToEnd, SearchShowDownloadAndStartInAPrivateNetwork)
{
    if (std::getenv(kInnerFlag))
        GTEST_SKIP() << "inside the namespace already";
    if (!NginxServer::Available())
        GTEST_SKIP() << "nginx is not installed";
    if (std::system("unshare -mn sh -c 'mount --bind /etc/hosts /etc/hosts && ip link set lo up' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no permission to make a private network namespace with a hosts file of its own";

    NginxServer nginx;
    nginx.Put("/Corvana/update/update.txt", kDescription);
    nginx.Put("/Corvana/update/update.exe", kInstaller);
    std::string conf = nginx.WriteConfig("127.0.0.1:80");
    std::string hosts = nginx.Dir() + "/hosts";
    std::ofstream(hosts) << "127.0.0.1 localhost update.corvana.example\n";

    std::string script = nginx.Dir() + "/run.sh";
    std::string self = std::filesystem::read_symlink("/proc/self/exe");
    std::ofstream(script) << "set -e\nmount --bind '" << hosts << "' /etc/hosts\nip link set lo up\n"
                          << NginxServer::Program << " -p '" << nginx.Dir() << "' -c '" << conf << "' &\nserver=$!\n"
                          << "for i in $(seq 100); do\n  if (exec 3<>/dev/tcp/127.0.0.1/80) 2>/dev/null; then break; fi\n"
                          << "  sleep 0.05\ndone\n"
                          << "set +e\n" << kInnerFlag << "=1 '" << self << "' --gtest_filter='UpdaterInNamespace.*'\nrc=$?\n"
                          << "kill -QUIT $server; wait $server\nexit $rc\n";
    EXPECT_EQ(std::system(("unshare -mn bash '" + script + "'").c_str()), 0) << "(a wait status)";
    std::string log = ReadFileBytes(nginx.Dir() + "/access.log");
    EXPECT_NE(log.find("GET /Corvana/update/update.txt HTTP/1.0\" 200"), std::string::npos) << log;
    EXPECT_NE(log.find("GET /Corvana/update/update.exe HTTP/1.0\" 200"), std::string::npos) << log;
}

using UpdaterInNamespace = UpdaterFixture;

TEST_F(UpdaterInNamespace, SearchShowDownloadAndStart)
{
    if (!std::getenv(kInnerFlag))
        GTEST_SKIP() << "runs inside the namespace of UpdaterEndToEnd";

    ClickOn(Form1->Button1);
    ExpectDescriptionShown();
    ASSERT_TRUE(Form1->Button3->Visible());

    ClickOn(Form1->Button3);
    EXPECT_EQ(Status(), "Done...");
    ExpectInstallerStarted();
}
