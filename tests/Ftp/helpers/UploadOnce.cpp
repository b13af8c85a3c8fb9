// One upload the way the ftp tool makes it, in a process of its own, so that
// a test can run many at once, each with its own synchronous wait:
//   ftp_upload_once PORT USER PASSWORD LOCALFILE HOSTFILE [TIMEOUT]
// prints "<1 ok | 0 failed> <milliseconds> <error message>".

#include "Ftp/Ftpcli.h"
#include "platform/Application.h"
#include "platform/Messages.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 6)
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    Application = new TApplication;
    TFtpClient client(nullptr);
    client.HostName = "127.0.0.1";
    client.SetPort(argv[1]);
    client.UserName = argv[2];
    client.PassWord = argv[3];
    client.LocalFileName = argv[4];
    client.HostFileName = argv[5];
    client.SetBinary(true);
    if (argc > 6)
        client.Timeout = std::atoi(argv[6]);
    std::uint64_t start = GetTickCount64();
    bool ok = client.TransmitSync();
    std::printf("%d %llu %s\n", ok ? 1 : 0, (unsigned long long)(GetTickCount64() - start), client.ErrorMessage().c_str());
    std::fflush(stdout);
    delete Application;
    return 0;
}
