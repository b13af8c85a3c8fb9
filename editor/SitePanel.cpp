// The side panel's "Web Pages" and "Link to File" tabs: the link tree that
// opens its pages in the browser or drops them into the page as anchors,
// and the small file browser whose files go into the page as a link, an
// image, a background sound or preformatted text.
//
// Label3 remembers which list was clicked last (Orvelin: the tree,
// Orvelins: the file list, "Orvelin is best": neither since Link To File);
// a drop and Link To File act on it, not on where the drag came from.

#include "generators/HomePage.h"
#include "editor/Unit1.h"

#include "dialogs/Unit3.h"
#include "platform/DragDrop.h"
#include "platform/Exception.h"
#include "platform/FormBuilder.h"
#include "platform/StrUtils.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace {

const char* const kOrvelin = "Orvelin";
const char* const kOrvelins = "Orvelins";
const char* const kNoSource = "Orvelin is best";

enum TLinkKind { lkGroup, lkWeb, lkMail };

// The link tree, depth first; a group row has no target.
struct LinkRow {
    int level;
    const char* caption;
    int image, selectedImage;
    TLinkKind kind;
    const char* target;    // web address, or mail address for lkMail
    const char* linkText;  // the anchor's text when dropped
};

const LinkRow kLinks[] = {
    { 0, "Products", 0, 1, lkGroup, "", "" },
    { 1, "Corvana", 2, 2, lkWeb, kProductHomePage, "Corvana's Homepage" },
    { 1, "Palisade", 3, 3, lkWeb, "http://www.corvana.example/palisade/", "Palisade's Homepage" },
    { 0, "E-Mail", 0, 1, lkGroup, "", "" },
    { 1, "E-Mail the author", 4, 4, lkMail, "author@corvana.example", "Tomas Brelwick" },
    { 0, "Web Pages", 0, 1, lkGroup, "", "" },
    { 1, "DuckDuckGo", 5, 5, lkWeb, "https://duckduckgo.com/", "DuckDuckGo" },
    { 1, "The GNU Project", 5, 5, lkWeb, "https://www.gnu.org/", "The GNU Project" },
    { 1, "The Qt Company", 5, 5, lkWeb, "https://www.qt.io/", "The Qt Company" },
    { 1, "Mozilla", 5, 5, lkWeb, "https://www.mozilla.org/", "Mozilla" },
};

// The pictures of the tree: closed and open group, the two products, mail,
// a web site.
std::vector<QIcon> linkPictures()
{
    QStyle* style = QApplication::style();
    const QStyle::StandardPixmap pictures[] = { QStyle::SP_DirClosedIcon, QStyle::SP_DirOpenIcon, QStyle::SP_ComputerIcon,
        QStyle::SP_DriveHDIcon, QStyle::SP_MessageBoxInformation, QStyle::SP_DriveNetIcon };
    std::vector<QIcon> icons;
    for (auto p : pictures)
        icons.push_back(style->standardIcon(p));
    return icons;
}

const char* const kFileFilter =
    "All files (*.*)|*.*|All Web Files|*.htm; *.html; *.gif; *.jpg|All Web Documents|*.htm; *.html|All Web Images|*.gif; *.jpg";

// The markup pieces of a file insert and a tree anchor, in both cases.
struct Pieces {
    const char* anchorStart;
    const char* anchorEnd;
    const char* imageStart;
    const char* imageMiddle;
    const char* soundStart;
    const char* soundEnd;
    const char* textStart;
    const char* textEnd;
    const char* emptyAnchorEnd;
};

const Pieces kUpper = { "<A HREF=", "</A>", "<IMG SRC=", " BORDER=0 ALT=", "<BGSOUND SRC=", " LOOP=INFINITE>", "<PRE>\n", "\n</PRE>", "></A>" };
const Pieces kLower = { "<a href=", "</a>", "<img src=", " border=0 alt=", "<bgsound src=", " loop=infinite>", "<pre>\n", "\n</pre>", "></a>" };

// A file's bare name as it goes between the quotes of an attribute: bytes
// that would end the value or the tag, break the line, or are not text are
// written as "%" and two hex digits, as addresses write them ("%" itself
// too); everything else, blanks and letters of any script, stays.
std::string hrefName(const std::string& name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool sequence = length > 1 && i + std::size_t(length) <= name.size();
        for (int k = 1; sequence && k < length; ++k)
            sequence = (static_cast<unsigned char>(name[i + std::size_t(k)]) >> 6) == 2;
        if (sequence) {
            out.append(name, i, std::size_t(length));
            i += std::size_t(length) - 1;
            continue;
        }
        if (c < 0x20 || c >= 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '%') {
            static const char hex[] = "0123456789ABCDEF";
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += char(c);
        }
    }
    return out;
}

}

void TForm1::buildWebPagesTab()
{
    TreeView1 = NewControl<TTreeView>(this, TabSheet1, "TreeView1", 8, 136, 185, 129);
    TreeView1->SetImages(linkPictures());
    std::vector<TTreeNode*> parents;
    for (const LinkRow& row : kLinks) {
        parents.resize(std::size_t(row.level));
        parents.push_back(TreeView1->AddChild(row.level ? parents[std::size_t(row.level - 1)] : nullptr, row.caption, row.image, row.selectedImage));
    }
    TreeView1->FullExpand();
    SetDragMode(TreeView1, dmAutomatic);
    TreeView1->OnClick = Method(this, &TForm1::TreeView1Click);
    TreeView1->OnDblClick = Method(this, &TForm1::TreeView1DblClick);

    Button1 = NewControl<TButton>(this, TabSheet1, "Button1", 8, 272, 75, 25);
    Button1->SetCaption("Go There!");
    Button1->OnClick = Method(this, &TForm1::Button1Click);
}

void TForm1::buildLinkToFileTab()
{
    DriveComboBox1 = NewControl<TDriveComboBox>(this, TabSheet2, "DriveComboBox1", 8, 8, 185, 22);
    DirectoryListBox1 = NewControl<TDirectoryListBox>(this, TabSheet2, "DirectoryListBox1", 8, 34, 185, 121);
    FileListBox1 = NewControl<TFileListBox>(this, TabSheet2, "FileListBox1", 8, 159, 185, 145);
    FileListBox1->SetItemHeight(16);
    FilterComboBox1 = NewControl<TFilterComboBox>(this, TabSheet2, "FilterComboBox1", 8, 308, 185, 22);
    FilterComboBox1->SetFilter(kFileFilter);
    Button2 = NewControl<TButton>(this, TabSheet2, "Button2", 8, 336, 185, 25);
    Button2->SetCaption("&Link To File");

    DriveComboBox1->DirList = DirectoryListBox1;
    DirectoryListBox1->DriveCombo = DriveComboBox1;
    DirectoryListBox1->FileList = FileListBox1;
    FilterComboBox1->FileList = FileListBox1;
    FilterComboBox1->SetItemIndex(0);
    // The folder list starts at the folder that is current at start; one
    // that cannot be read leaves the lists empty.
    try {
        DirectoryListBox1->SetDirectory(GetCurrentDir());
    } catch (const Exception&) {
    }

    SetDragMode(FileListBox1, dmAutomatic);
    FileListBox1->OnClick = Method(this, &TForm1::FileListBox1Click);
    FileListBox1->OnDblClick = Method(this, &TForm1::FileListBox1DblClick);
    Button2->OnClick = Method(this, &TForm1::Button2Click);
}

void TForm1::acceptPanelDrops()
{
    SetDropHandlers(RichEdit1, Method(this, &TForm1::RichEdit1DragOver), Method(this, &TForm1::RichEdit1DragDrop));
}

void TForm1::TreeView1Click(TObject*) { Label3->SetCaption(kOrvelin); }

void TForm1::TreeView1DblClick(TObject*) { openTreeItem(); }

void TForm1::Button1Click(TObject*) { openTreeItem(); }

void TForm1::openTreeItem()
{
    TTreeNode* selected = TreeView1->Selected();
    if (!selected)
        return;
    const LinkRow& row = kLinks[selected->AbsoluteIndex()];
    if (row.kind == lkWeb) {
        GoToWeb1->Url = row.target;
        GoToWeb1->OpenUrl();
    } else if (row.kind == lkMail) {
        GoToWeb1->EMail = row.target;
        GoToWeb1->SendMail();
    }
}

void TForm1::FileListBox1Click(TObject*) { Label3->SetCaption(kOrvelins); }

void TForm1::FileListBox1DblClick(TObject* sender) { Button2Click(sender); }

void TForm1::Button2Click(TObject*)
{
    // Link To File writes upper-case tags, whatever the tag case.
    if (Label3->Caption() == kOrvelins)
        fileInsert(true);
    Form3->Label2->SetCaption(kOrvelin);
    Label3->SetCaption(kNoSource);
}

void TForm1::RichEdit1DragOver(TObject*, TObject*, int, int, bool& accept) { accept = true; }

void TForm1::RichEdit1DragDrop(TObject*, TObject*, int, int)
{
    const Pieces& p = UpperCaseTags() ? kUpper : kLower;
    const std::string q = Page().Quote();
    if (Label3->Caption() == kOrvelin) {
        if (TTreeNode* selected = TreeView1->Selected()) {
            const LinkRow& row = kLinks[selected->AbsoluteIndex()];
            if (row.kind != lkGroup) {
                std::string target = row.kind == lkMail ? std::string("mailto:") + row.target : row.target;
                Page().Replace(p.anchorStart + q + target + q + ">" + row.linkText + p.anchorEnd);
            }
        }
        Page().Focus();
    } else if (Label3->Caption() == kOrvelins) {
        fileInsert(UpperCaseTags());
    }
    Form3->Label2->SetCaption(kOrvelin);
}

void TForm1::fileInsert(bool upperCase)
{
    // The list may have lost its selection since the click (another folder
    // or filter): then there is nothing to insert and nothing to ask.
    if (FileListBox1->ItemIndex() < 0)
        return;
    const std::string path = FileListBox1->FileName();
    const std::string file = hrefName(FileListBox1->Items(FileListBox1->ItemIndex()));
    const Pieces& p = upperCase ? kUpper : kLower;
    TPage& page = Page();
    const std::string q = page.Quote();

    Form3->ShowModal();
    const std::string word = Form3->Label2->Caption();
    if (word == "Image") {
        page.Replace(p.imageStart + q + file + q + p.imageMiddle + q + q + ">");
        page.Focus();
        page.MoveCaretBack(2);
    } else if (word == "Sound") {
        page.Replace(p.soundStart + q + file + q + p.soundEnd);
        page.Focus();
    } else if (word == "Text") {
        // The file is read first: one that cannot be read leaves the page
        // as it was.
        RichEdit2->Lines().LoadFromFile(path);
        page.Replace(p.textStart + RichEdit2->Text() + p.textEnd);
        page.Focus();
    } else if (word == "No") {
        page.Focus();
    } else {
        page.Replace(p.anchorStart + q + file + q + p.emptyAnchorEnd);
        page.Focus();
        page.MoveCaretBack(4);
    }
}
