#pragma once
// A real web server for the tests: nginx with a configuration of the
// test's own, serving a folder on 127.0.0.1, started in the foreground and
// stopped with the object.

#include "tests/support/Spawn.h"
#include "tests/support/TempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
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
        return m_program.emplace([this](int port) {
            return std::vector<std::string> { Program, "-p", Dir(), "-c", WriteConfig("127.0.0.1:" + std::to_string(port)) };
        }).Port() > 0;
    }

    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(m_program->Port()) + path; }

    void Put(const std::string& path, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(Root() + path).parent_path());
        std::ofstream(Root() + path, std::ios::binary) << bytes;
    }

private:
    TempDir m_dir { "nginx" };
    // After the folder, so that the server ends first.
    std::optional<LoopbackProgram> m_program;
};
