#include "tests/dialogs/PageFixture.h"

#include "generators/PageSkeleton.h"

TPageWindow::TPageWindow(TComponent* owner)
    : TForm(owner)
{
    Name = "PageWindow";
    SetBounds(0, 0, 600, 400);
    Edit2 = NewControl<TEdit>(this, this, "Edit2");
    Edit2->SetText("\"");
    Edit2->SetVisible(false);
    Edit4 = NewControl<TEdit>(this, this, "Edit4");
    Edit4->SetText("Upercase");
    Edit4->SetVisible(false);
    RichEdit3 = NewControl<TRichEdit>(this, this, "RichEdit3");
    RichEdit3->SetVisible(false);
    RichEdit3->PlainText = true;
    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1", 0, 0, 600, 400);
    RichEdit1->PlainText = true;
    RichEdit1->SetWordWrap(false);
    RichEdit1->SetText(PageSkeleton(true, kDefaultTitle));
    RichEdit1->SetModified(false);
    m_page = std::make_unique<TPage>(*RichEdit1, *RichEdit3, *Edit2, *Edit4);
}

#define CORVANA_FORGET_DIALOG(n) Form##n = nullptr;

void PageTest::TearDown()
{
    ScriptedDesktopTest::TearDown();
    PageWindow = nullptr;
    CORVANA_PAGE_DIALOGS(CORVANA_FORGET_DIALOG)
}
