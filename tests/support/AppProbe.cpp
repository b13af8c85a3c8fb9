// A probe preloaded into a program that a test starts as a child process.
// It lets the test see the program's windows and press its buttons as a
// user would, without any hook in the program itself.
//
// Every 50 ms, from the program's own message loop (so an answer also says
// the loop runs):
// - $APP_PROBE_OUT gets the top-level windows, one a line: "window <TAB>
//   title <TAB> class <TAB> number of widgets inside <TAB> 1 when shown", and
//   $APP_PROBE_OUT.log gets each message box the first time it shows:
//   "message <TAB> text";
// - new lines of $APP_PROBE_IN are carried out: "click <TAB> window title
//   <TAB> button text" presses that button of that window with the mouse
//   (the window title "(message)" names the message box shown).

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

QString g_out, g_in;
int g_done = 0;

// Presses the button of that text in the shown window of that title.
void click(const QString& title, const QString& text)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    auto window = std::ranges::find_if(windows, [&](QWidget* w) {
        bool message = qobject_cast<QMessageBox*>(w) != nullptr;
        return w->isVisible() && (title == "(message)" ? message : !message && w->windowTitle() == title);
    });
    const QList<QAbstractButton*> buttons
        = window == windows.end() ? QList<QAbstractButton*>() : (*window)->findChildren<QAbstractButton*>();
    auto button = std::ranges::find_if(buttons, [&](auto* b) { return b->isVisible() && b->text().remove('&') == text; });
    if (button != buttons.end())
        QTest::mouseClick(*button, Qt::LeftButton);
}

void look()
{
    QByteArray state, shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        state += "window\t" + w->windowTitle().toUtf8() + "\t" + w->metaObject()->className() + "\t" +
                 QByteArray::number(w->findChildren<QWidget*>().size()) + "\t" + (w->isVisible() ? "1" : "0") + "\n";
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && !box->property("probeSeen").toBool()) {
            box->setProperty("probeSeen", true);
            shown += "message\t" + box->text().toUtf8() + "\n";
        }
    }
    // Replaced whole, so that the test never reads half a list.
    QSaveFile list(g_out);
    if (list.open(QIODevice::WriteOnly) && list.write(state) == state.size())
        list.commit();
    QFile log(g_out + ".log");
    if (!shown.isEmpty() && log.open(QIODevice::Append))
        log.write(shown);

    QFile in(g_in);
    if (!in.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = in.readAll().split('\n');
    for (; g_done + 1 < lines.size(); ++g_done) {
        QList<QByteArray> f = lines[g_done].split('\t');
        // Pressed from a fresh call, so that a modal window the press opens
        // does not hold this look up.
        if (f.size() == 3 && f[0] == "click")
            QTimer::singleShot(0, qApp, [t = QString::fromUtf8(f[1]), b = QString::fromUtf8(f[2])] { click(t, b); });
    }
}

void startProbe()
{
    g_out = qEnvironmentVariable("APP_PROBE_OUT");
    g_in = qEnvironmentVariable("APP_PROBE_IN");
    if (g_out.isEmpty() || g_in.isEmpty())
        return;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, look);
    timer->start(50);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
