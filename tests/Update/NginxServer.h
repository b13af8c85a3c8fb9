#pragma once
// A real web server for the tests: nginx with a configuration of the
// test's own, serving a folder on 127.0.0.1, started in the foreground and
// stopped with the object.

#include "tests/support/Loopback.h"
#include "tests/support/Spawn.h"
#include "tests/support/TempDir.h"

#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

class NginxServer {
public:
    static constexpr const char* Program = "/usr/sbin/nginx";
    static bool Available() { return ::access(Program, X_OK) == 0; }

    NginxServer()
    {
        // The workers run as an unprivileged user and must reach the files.
        ::chmod(m_dir.Path().c_str(), 0755);
        for (const char* folder : { "www", "tmp", "logs" })
            ::mkdir(m_dir.File(folder).c_str(), 0755);
    }
    ~NginxServer() { Stop(); }

    // The folder served as "/".
    std::string Root() const { return m_dir.File("www"); }
    const std::string& Dir() const { return m_dir.Path(); }

    // Writes the configuration for `listen` (address:port) into the folder;
    // returns its path.
    std::string WriteConfig(const std::string& listen) const
    {
        const std::string& d = m_dir.Path();
        std::string conf = d + "/nginx.conf";
        std::ofstream c(conf);
        c << "daemon off;\nworker_processes 1;\npid " << d << "/nginx.pid;\nerror_log " << d << "/error.log;\n"
          << "events { worker_connections 64; }\nhttp {\n  access_log " << d << "/access.log;\n";
        for (const char* kind : { "client_body", "proxy", "fastcgi", "uwsgi", "scgi" })
            c << "  " << kind << "_temp_path " << d << "/tmp;\n";
        c << "  types { text/plain txt; text/html html htm; application/octet-stream exe bin; }\n"
          << "  sendfile on;\n  server {\n    listen " << listen << ";\n    root " << Root() << ";\n  }\n}\n";
        return conf;
    }

    // Starts on an ephemeral port of 127.0.0.1; false when it would not come up.
    bool Start()
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = UnusedLoopbackPort();
            std::string conf = WriteConfig("127.0.0.1:" + std::to_string(m_port));
            m_pid = SpawnProgram({ Program, "-p", m_dir.Path(), "-c", conf });
            if (m_pid > 0 && WaitForLoopbackPort(m_port, m_pid))
                return true;
            Stop();
        }
        return false;
    }

    void Stop()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGQUIT);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(m_port) + path; }

    void Put(const std::string& path, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(Root() + path).parent_path());
        std::ofstream(Root() + path, std::ios::binary) << bytes;
    }

private:
    TempDir m_dir { "nginx" };
    pid_t m_pid = -1;
    int m_port = 0;
};
