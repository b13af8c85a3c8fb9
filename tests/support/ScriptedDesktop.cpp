#include "tests/support/ScriptedDesktop.h"

#include "platform/Application.h"
#include "platform/FileDialog.h"

void ScriptedDesktopTest::StartDesktop()
{
    delete Application;
    Application = new TApplication;
    Application->Title = "Corvana";
    Application->OnException = [this](TObject*, const std::exception& e) { Errors.push_back(e.what()); };
    QuestionResponder = [this](const TQuestion& q) {
        Questions.push_back(q);
        if (Answers.empty())
            return int(mrCancel);
        int answer = Answers.front();
        Answers.pop_front();
        return answer;
    };
    TOpenDialog::Responder = [this](TOpenDialog& dialog) -> std::optional<std::string> {
        FileDialogTitles.push_back(dialog.Title);
        if (FileChoices.empty())
            return std::nullopt;
        auto choice = FileChoices.front();
        FileChoices.pop_front();
        return choice;
    };
    TForm::ModalResponder = [this](TForm* form) {
        ++ModalShowings;
        if (InModal)
            InModal(form);
        else
            form->SetModalResult(mrCancel);
    };
}

void ScriptedDesktopTest::TearDown()
{
    delete Application;
    Application = new TApplication;
    QuestionResponder = nullptr;
    TOpenDialog::Responder = nullptr;
    TForm::ModalResponder = nullptr;
}

void ScriptedDesktopTest::Do(const std::function<void()>& command)
{
    try {
        command();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}
