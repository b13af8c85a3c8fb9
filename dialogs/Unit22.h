#pragma once
// TForm22, "Map Name": the skeleton of an image map, its name and one area
// whose values the user fills in later.

#include "dialogs/ElementDialog.h"

class TForm22 : public TOkCancelDialog {
public:
    TForm22(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // the map's name

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm22* Form22;
