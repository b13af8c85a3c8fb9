// A program with one window, for the tests of what watches programs:
//   test_show_window DISPLAY MARKER
// waits a while in its event loop, then shows its window on DISPLAY (or,
// with an empty DISPLAY, on the platform it inherits) and creates the file
// MARKER once the window is painted.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Window : QWidget {
    std::string marker;
    void paintEvent(QPaintEvent*) override
    {
        if (std::FILE* f = std::fopen(marker.c_str(), "w"))
            std::fclose(f);
    }
};

}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    if (*argv[1]) {
        setenv("DISPLAY", argv[1], 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    QApplication app(argc, argv);
    Window window;
    window.marker = argv[2];
    window.setWindowTitle("shown");
    window.resize(240, 120);
    // Asleep before any window shows: idle only counts once it is there.
    QTimer::singleShot(800, &window, [&] { window.show(); });
    return app.exec();
}
