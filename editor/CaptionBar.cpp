// The main window's title bar, painted by the program: black to dark blue
// with white text while the window is active, grey to silver with silver
// text while it is not.

#include "editor/Unit1.h"

void TForm1::buildCaptionBar()
{
    MarsCaption1 = NewComponent<TMarsCaption>("MarsCaption1");
    MarsCaption1->SetActiveBeginColor(clBlack);
    MarsCaption1->SetActiveEndColor(10485760);
    MarsCaption1->SetActiveFontColor(clWhite);
    MarsCaption1->SetInactiveBeginColor(clGray);
    MarsCaption1->SetInactiveEndColor(clSilver);
    MarsCaption1->SetInactiveFontColor(clSilver);
    MarsCaption1->SetNumColors(64);
    MarsCaption1->SetAutoSize(false);
    TFont font;
    font.Name = "MS Sans Serif";
    font.Size = 8;  // height -11
    font.Style = fsBold;
    MarsCaption1->SetApplicationNameFont(font);
    font.Style = 0;
    MarsCaption1->SetCaptionFont(font);
}
