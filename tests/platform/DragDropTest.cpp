#include "platform/DragDrop.h"

#include "platform/ExtCtrls.h"
#include "platform/Memo.h"
#include "tests/support/MouseInput.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <memory>

// A drag's data names its control while that control can be dragged; data
// from elsewhere names none. (Drops on a target are driven in the editor's
// side-panel tests.)
TEST(DragDrop, DataFromElsewhereOrAControlNoLongerDraggableNamesNoSource)
{
    TPanel source(nullptr);
    std::unique_ptr<QMimeData> before(DragData(&source));
    EXPECT_EQ(DragSource(before.get()), nullptr);
    SetDragMode(&source, dmAutomatic);
    std::unique_ptr<QMimeData> data(DragData(&source));
    QMimeData text;
    text.setText("hello");
    EXPECT_EQ((std::vector<TControl*> { DragSource(data.get()), DragSource(&text), DragSource(nullptr) }),
        (std::vector<TControl*> { &source, nullptr, nullptr }));
    SetDragMode(&source, dmManual);
    EXPECT_EQ(DragSource(data.get()), nullptr);
}

// The offscreen platform ends every drag at once, so the drop is the event
// the target receives from the desktop.
TEST(DragDrop, ATargetHearsDragsOfTheProgramsControlsOnly)
{
    TPanel window(nullptr);
    auto* source = NewControl<TPanel>(&window, &window, "Source", 10, 10, 100, 40);
    auto* target = NewControl<TMemo>(&window, &window, "Target", 10, 100, 200, 100);
    SetDragMode(source, dmAutomatic);
    std::vector<std::string> heard;
    SetDropHandlers(
        target,
        [&](TObject* sender, TObject* from, int, int, bool& accept) {
            heard.push_back(from == source && sender == target ? "over" : "over?");
            accept = true;
        },
        [&](TObject* sender, TObject* from, int, int) { heard.push_back(from == source && sender == target ? "drop" : "drop?"); });
    QWidget* to = target->Editor()->viewport();
    auto send = [&](QMimeData* data) {
        const bool taken = DragEnterAt(to, data, QPoint(5, 5));
        DropAt(to, data, QPoint(5, 5));
        return taken;
    };
    std::unique_ptr<QMimeData> ours(DragData(source));
    QMimeData text;
    text.setText("from another program");
    // The editor's own drop does not run.
    EXPECT_EQ((std::tuple { send(ours.get()), send(&text), heard, target->Text() }),
        std::tuple(true, false, std::vector<std::string> { "over", "drop" }, ""));
}
