#pragma once
// TForm10, "Page Generator": an entry page for search engines, built from
// the site's title, address, keywords and description, saved to a file of
// its own and shown on request. It never touches the page being edited.

#include "dialogs/ElementDialog.h"
#include "platform/ComCtrls.h"
#include "platform/RichEdit.h"
#include "widgets/explbtn.h"

#include <array>

class TForm10 : public TElementDialog {
public:
    TForm10(TComponent* owner, TPage& page);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;  // "Description"
    TTabSheet* TabSheet2;  // "Page Generator"
    TLabel* Label1;
    TEdit* Edit1;  // title
    TLabel* Label2;
    TEdit* Edit2;  // forwarding address
    TCheckBox* CheckBox1;  // no forwarding
    TLabel* Label3;
    // The keyword edits in reading order (K1 to K8): Edit3, Edit4, Edit5,
    // Edit8 on the first row, Edit6, Edit7, Edit10, Edit9 on the second.
    std::array<TEdit*, 8> Keywords;
    TLabel* Label4;
    TEdit* Edit11;  // description
    TRichEdit* RichEdit1;  // the code view, hidden until asked for
    TButton* Button1;  // Generate
    TButton* Button2;  // Exit
    TButton* Button3;  // View Code / Hide Code, shown after a save
    TOfficeButton* OfficeButton1;  // the generator, hidden
    TSaveDialog* SaveDialog1;

    void FormActivate(TObject* sender);
    void Button1Click(TObject* sender);
    void OfficeButton1Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm10* Form10;
