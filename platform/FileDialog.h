#pragma once
// TOpenDialog and TSaveDialog: the common file dialogs, with the class
// library's filter strings ("Description|*.a; *.b|...").

#include "platform/Component.h"

#include <functional>
#include <optional>
#include <string>

enum TOpenOption : unsigned {
    ofOverwritePrompt = 1,
    ofHideReadOnly = 2,
    ofPathMustExist = 4,
    ofFileMustExist = 8,
};

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);

    // Shows the dialog; true when the user chose a file (in FileName).
    virtual bool Execute();

    std::string Title;
    std::string Filter;
    int FilterIndex = 1;
    // An extension ("htm") is appended to a name typed without one. A
    // pattern ("*.htm; *.html") counts by its first extension.
    std::string DefaultExt;
    std::string FileName;
    std::string InitialDir;
    unsigned Options = ofHideReadOnly;

    // The extension DefaultExt stands for, without the dot ("" for none or "*").
    std::string DefaultExtension() const;

    // Tests answer in place of the user: the chosen path, or nullopt for Cancel.
    static std::function<std::optional<std::string>(TOpenDialog&)> Responder;

protected:
    virtual bool IsSave() const { return false; }
    // Applies the default extension and the existence and overwrite rules to
    // a chosen name; false when the choice does not stand.
    bool Accept(std::string name);
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner);

protected:
    bool IsSave() const override { return true; }
};
