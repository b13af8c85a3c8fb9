#pragma once
// TForm2, "New Template": the choice of the page a New starts from. The
// dialog only records the choice; the main window's new-page procedure
// reads it (the selected item, the title) and does the page work.

#include "platform/ComCtrls.h"
#include "platform/FormBuilder.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"

class TForm2 : public TDesignedForm {
public:
    explicit TForm2(TComponent* owner);

    TLabel* Label1;
    TEdit* Edit1;
    TButton* Button1;
    TButton* Button2;
    TListView* ListView1;
    TRichEdit* RichEdit1;
    // "Orvelin": go ahead with the selected item; "Orvelins": cancelled.
    TLabel* Label2;

    void FormActivate(TObject* sender);
    void ListView1Click(TObject* sender);
    void Button1Click(TObject* sender);
    void ListView1DblClick(TObject* sender);
    void Button2Click(TObject* sender);

    // The position (0, 1 or 2) of the selected item, -1 with none.
    int SelectedPosition() const;
};

extern TForm2* Form2;
