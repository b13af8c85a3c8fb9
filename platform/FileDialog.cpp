#include "platform/FileDialog.h"

#include "platform/Dialogs.h"
#include "platform/FileMask.h"
#include "platform/Form.h"
#include "platform/StrUtils.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

std::function<std::optional<std::string>(TOpenDialog&)> TOpenDialog::Responder;

TOpenDialog::TOpenDialog(TComponent* owner)
    : TComponent(owner)
{
}

TSaveDialog::TSaveDialog(TComponent* owner)
    : TOpenDialog(owner)
{
}

std::string TOpenDialog::DefaultExtension() const
{
    std::string ext = Trim(DefaultExt.substr(0, DefaultExt.find(';')));
    if (ext.rfind("*.", 0) == 0)
        ext = ext.substr(2);
    else if (!ext.empty() && ext[0] == '.')
        ext = ext.substr(1);
    if (ext.find_first_of("*?") != std::string::npos)
        return {};
    return ext;
}

namespace {

// A mask as the file-system view can match it without regard to case.
QString caseless(const std::string& mask)
{
    if (mask == "*.*")
        return QStringLiteral("*");
    QString out;
    for (QChar c : BytesToQString(mask)) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

// Each filter as "Description (masks)": the dialog matches by the masks in
// the last parentheses and, with the details hidden, shows the description
// alone, exactly as the program wrote it.
QStringList qtFilters(const std::string& filter)
{
    QStringList result;
    for (const auto& item : ParseFilter(filter)) {
        QStringList masks;
        for (const auto& mask : SplitMaskList(item.Mask))
            masks << caseless(mask);
        result << BytesToQString(item.Description) + QStringLiteral(" (") + masks.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

}

bool TOpenDialog::Accept(std::string name)
{
    if (name.empty())
        return false;
    std::string ext = DefaultExtension();
    if (IsSave() && !ext.empty() && ExtractFileExt(name).empty())
        name += "." + ext;
    if ((Options & ofPathMustExist) && !DirectoryExists(ExtractFileDir(name).empty() ? "." : ExtractFileDir(name)))
        return false;
    if ((Options & ofFileMustExist) && !FileExists(name))
        return false;
    if (IsSave() && (Options & ofOverwritePrompt) && FileExists(name)) {
        std::string text = name + " already exists.\nDo you want to replace it?";
        if (MessageBox(text, Title.empty() ? "Save As" : Title, MB_YESNO | MB_ICONWARNING) != IDYES)
            return false;
    }
    FileName = name;
    return true;
}

bool TOpenDialog::Execute()
{
    if (Responder) {
        auto answer = Responder(*this);
        return answer && Accept(*answer);
    }
    TModalHandBack handBack;
    QFileDialog dialog(QApplication::activeWindow(), BytesToQString(Title));
    dialog.setAcceptMode(IsSave() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(IsSave() ? QFileDialog::AnyFile : ((Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters = qtFilters(Filter);
    dialog.setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[FilterIndex - 1]);
    std::string dir = InitialDir.empty() ? ExtractFileDir(FileName) : InitialDir;
    if (!dir.empty())
        dialog.setDirectory(BytesToQString(dir));
    if (!FileName.empty())
        dialog.selectFile(BytesToQString(ExtractFileName(FileName)));
    while (dialog.exec() == QDialog::Accepted) {
        QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty())
            return false;
        FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        if (Accept(QStringToBytes(chosen.first())))
            return true;
    }
    return false;
}
