// Editor benchmark: start-up to the first painted main window, resident
// memory after start-up, Open and Save of a 20 MiB page, and one tag-sized
// insert into that page. Runs headless unless a display is given.

#include "editor/Unit27.h"
#include "editor/Unit1.h"
#include "generators/Unit2.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileDialog.h"
#include "platform/Messages.h"
#include "platform/Mouse.h"
#include "platform/Registry.h"
#include "widgets/TB97.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

QElapsedTimer g_clock;
qint64 g_firstPaint = -1;

class PaintWatch final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && g_firstPaint < 0)
            g_firstPaint = g_clock.nsecsElapsed();
        return false;
    }
};

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double ms(qint64 ns) { return double(ns) / 1e6; }

// How long the process had already run when `main` began (loading and
// linking), from its start time in /proc, in clock ticks since boot.
qint64 startUpBeforeMain()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::size_t paren = text.rfind(')');
    if (paren == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(paren + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    double started = double(std::strtoll(field.c_str(), nullptr, 10)) / double(::sysconf(_SC_CLK_TCK));
    timespec now {};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    double elapsed = double(now.tv_sec) + double(now.tv_nsec) / 1e9 - started;
    return elapsed > 0 ? qint64(elapsed * 1e9) : 0;
}

void report(const char* what, double value, const char* unit, double target)
{
    std::printf("%-40s %10.1f %-4s (target under %.0f %s) %s\n", what, value, unit, target, unit,
        value < target ? "ok" : "MISSED");
}

qint64 median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct BarFigures {
    qint64 dragStep = 0, floatOff = 0, redock = 0, restore = 0;
    bool ok = true;
};

// The main window's bars: drag steps along a row, floating off the dock and
// back, and the restore of three bars from stored state; each result checked.
BarFigures measureBars()
{
    BarFigures f;
    QElapsedTimer t;
    TitaToolBar* standard = Form1->Standard;
    standard->SetWidth(500);
    std::vector<qint64> steps;
    standard->MouseDown(mbLeft, ssLeft, 200, 5);
    for (int i = 0; i < 200; ++i) {
        int before = standard->Left();
        t.start();
        standard->MouseMove(ssLeft, i % 2 ? 190 : 210, 5);
        steps.push_back(t.nsecsElapsed());
        f.ok = f.ok && standard->Left() != before;
    }
    standard->MouseUp(mbLeft, 0, 200, 5);
    f.dragStep = median(steps);

    TitaToolBar* bar = Form1->Toolbar1;
    std::vector<qint64> floats, docks;
    for (int i = 0; i < 10; ++i) {
        bar->MouseDown(mbLeft, ssLeft, 5, 5);
        t.start();
        bar->MouseMove(ssLeft, 5, 400);
        ProcessPostedMessages();
        floats.push_back(t.nsecsElapsed());
        f.ok = f.ok && bar->Floating();
        bar->MouseUp(mbLeft, 0, 5, 400);
        // Over the dock by the title strip, then the move that docks it.
        int dockTop = Form1->itaDock1->Widget()->mapToGlobal(QPoint(0, 0)).y();
        int dy = dockTop + 20 - bar->Widget()->mapToGlobal(QPoint(0, 0)).y();
        bar->MouseDown(mbLeft, ssLeft, 40, -10);
        bar->MouseMove(ssLeft, 40, -10 + dy);
        t.start();
        bar->MouseMove(ssLeft, 40, -10 + dy);
        ProcessPostedMessages();
        docks.push_back(t.nsecsElapsed());
        f.ok = f.ok && !bar->Floating();
        bar->MouseUp(mbLeft, 0, 40, -10 + dy);
    }
    f.floatOff = median(floats);
    f.redock = median(docks);

    // Stored state for the three bars, then their restore as at start-up.
    for (TitaToolBar* b : { Form1->MainMenu, Form1->Standard, Form1->Toolbar1 })
        b->SaveState();
    t.start();
    for (TitaToolBar* b : { Form1->MainMenu, Form1->Standard, Form1->Toolbar1 })
        b->Loaded();
    f.restore = t.nsecsElapsed();
    f.ok = f.ok && Form1->itaDock1->Height() == 74 && Form1->MainMenu->Top() == 0;
    return f;
}

}

int main(int argc, char** argv)
{
    qint64 beforeMain = startUpBeforeMain();
    g_clock.start();
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char folder[] = "/tmp/corvana-bench-XXXXXX";
    if (!::mkdtemp(folder))
        return 1;
    setenv("XDG_CONFIG_HOME", folder, 1);

    QApplication qt(argc, argv);
    qt.setQuitOnLastWindowClosed(false);
    Application = new TApplication;
    Application->Title = "Corvana";
    Application->OnException = [](TObject*, const std::exception& e) { std::fprintf(stderr, "error: %s\n", e.what()); };
    {
        // No start-up tip in a measurement.
        TRegistry reg;
        reg.RootKey = HKEY_LOCAL_MACHINE;
        reg.OpenKey("Software\\Corvana", true);
        reg.WriteString("Tip", "No");
    }
    PaintWatch watch;
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form27);
    Form1->Widget()->installEventFilter(&watch);
    Form1->RichEdit1->Widget()->installEventFilter(&watch);
    Form1->Show();
    while (g_firstPaint < 0 && g_clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ProcessPostedMessages();
    long rss = residentKiB();
    BarFigures bars = measureBars();

    // The tool buttons: all of them made, one hover, one toolbar repaint.
    int buttons = 0;
    for (int i = 0; i < Form1->ComponentCount(); ++i)
        buttons += dynamic_cast<TToolbarButton97*>(Form1->Components(i)) != nullptr;
    if (buttons != 161) {
        std::fprintf(stderr, "error: %d tool buttons, not 161\n", buttons);
        return 1;
    }
    TToolbarButton97::SetApplicationActiveSource([] { return true; });
    auto* bold = static_cast<TToolbarButton97*>(Form1->FindComponent("ToolbarButton9711"));
    TPoint cursor = bold->ClientToScreen({ 5, 5 });
    SetCursorPosSource([&] { return cursor; });
    qint64 boldPainted = -1;
    class ButtonPaintWatch final : public QObject {
    public:
        explicit ButtonPaintWatch(qint64& at) : m_at(at) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                m_at = g_clock.nsecsElapsed();
            return false;
        }
    private:
        qint64& m_at;
    } boldWatch(boldPainted);
    bold->Widget()->installEventFilter(&boldWatch);
    qint64 hoverStart = g_clock.nsecsElapsed();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), bold->Widget()->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bold->Widget(), &move);
    while (boldPainted < hoverStart && g_clock.nsecsElapsed() - hoverStart < 1000000000)
        QCoreApplication::processEvents();
    qint64 hover = boldPainted - hoverStart;
    if (Form1->StatusBar1->SimpleText() != "Bold" || bold->State() != tsHot || boldPainted < hoverStart) {
        std::fprintf(stderr, "error: the hover over Bold did not show its text and hot frame\n");
        return 1;
    }
    const int repaints = 100;
    QElapsedTimer r;
    r.start();
    for (int i = 0; i < repaints; ++i)
        Form1->Standard->Widget()->repaint();
    qint64 toolbarRepaint = r.nsecsElapsed() / repaints;
    SetCursorPosSource(nullptr);

    // A 20 MiB page of ordinary markup lines.
    std::string page;
    const std::string line = "<P>Lorem ipsum <B>dolor</B> sit amet, <A HREF=\"x.htm\">consectetur</A> adipiscing.</P>\r\n";
    while (page.size() < (std::size_t(20) << 20))
        page += line;
    std::string path = std::string(folder) + "/big.htm";
    std::ofstream(path, std::ios::binary).write(page.data(), std::streamsize(page.size()));

    TOpenDialog::Responder = [&](TOpenDialog&) -> std::optional<std::string> { return path; };
    QElapsedTimer t;
    t.start();
    Form1->Open1Click(Form1);
    qint64 open = t.nsecsElapsed();
    QCoreApplication::processEvents();

    Form1->RichEdit1->SetSelStart(int(page.size() / 2));
    t.restart();
    Form1->RichEdit1->SetSelText("<STRONG></STRONG>");
    QCoreApplication::processEvents();
    qint64 insert = t.nsecsElapsed();

    t.restart();
    Form1->Save1Click(Form1);
    qint64 save = t.nsecsElapsed();

    // The side panel's file list over a folder of 10,000 files: a quarter
    // each of pages, pictures, other pictures and text files.
    std::string site = std::string(folder) + "/site";
    std::filesystem::create_directory(site);
    const char* const kinds[] = { ".htm", ".gif", ".jpg", ".txt" };
    for (int i = 0; i < 10000; ++i)
        std::ofstream(site + "/file" + std::to_string(i) + kinds[i % 4]);
    Form1->PageControl1->SetActivePage(Form1->TabSheet2);
    Form1->FilterComboBox1->SetItemIndex(0);
    QCoreApplication::processEvents();
    t.restart();
    Form1->FileListBox1->SetDirectory(site);
    QCoreApplication::processEvents();
    qint64 fill = t.nsecsElapsed();
    bool fillRight = Form1->FileListBox1->Count() == 10000 && Form1->FileListBox1->Items(0) == "file0.htm";
    t.restart();
    Form1->FilterComboBox1->SetItemIndex(3);  // "All Web Images": *.gif; *.jpg
    QCoreApplication::processEvents();
    qint64 filter = t.nsecsElapsed();
    bool filterRight = Form1->FileListBox1->Count() == 5000;
    if (!fillRight || !filterRight) {
        std::fprintf(stderr, "wrong file list: %d files after the fill, %d after the filter\n", fillRight ? 10000 : Form1->FileListBox1->Count(),
            Form1->FileListBox1->Count());
        return 1;
    }

    std::printf("corvana editor benchmark (%s platform)\n", qPrintable(QGuiApplication::platformName()));
    report("start to first painted main window", ms(beforeMain + g_firstPaint), "ms", 300);
    report("resident memory after start-up", double(rss) / 1024.0, "MiB", 80);
    report("one hover onto a tool button, painted", ms(hover), "ms", 16);
    report("full repaint of the Standard toolbar", ms(toolbarRepaint), "ms", 2);
    report("Open of a 20 MiB page", ms(open), "ms", 1000);
    report("Save of a 20 MiB page", ms(save), "ms", 300);
    report("one tag-sized insert into that page", ms(insert), "ms", 16);
    report("file list of a 10,000-file folder", ms(fill), "ms", 150);
    report("file-type filter switch in that folder", ms(filter), "ms", 50);
    report("one drag step of a bar along its row", ms(bars.dragStep), "ms", 4);
    report("a bar dragged off the dock (float)", ms(bars.floatOff), "ms", 50);
    report("a floating bar dropped on the dock", ms(bars.redock), "ms", 50);
    report("restoring three stored bars at start-up", ms(bars.restore), "ms", 10);
    if (!bars.ok) {
        std::fprintf(stderr, "the bars did not end where they should\n");
        return 1;
    }

    delete Application;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
