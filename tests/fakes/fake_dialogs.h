#pragma once
// A scripted user: records every box and answers questions, file dialogs and menus.
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace sentrel::test {

struct ShownMessage {
    std::string prompt;
    int style = 0;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
    friend void PrintTo(const ShownMessage& m, std::ostream* os) {
        *os << "{\"" << m.prompt << "\", " << m.style << ", \"" << m.title << "\"}";
    }
};

using Messages = std::vector<ShownMessage>;
using Texts = std::vector<std::string>;

class FakeDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& prompt, int style, const std::string& title) override {
        messages.push_back({prompt, style, title});
        WhileOpen();
    }
    bool AskYesNo(const std::string& prompt, const std::string& title) override {
        questions.push_back({prompt, kMsgQuestion, title});
        WhileOpen();
        return answerYes;
    }
    std::string ShowFileDialog(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        WhileOpen();
        if (filePaths.empty()) {
            return {};
        }
        std::string path = filePaths.front();
        filePaths.pop_front();
        return path;
    }
    std::string PopupMenu(const MenuItem& menu, std::optional<Point> /*at*/) override {
        menusShown.push_back(menu.name);
        return menuChoice;
    }

    Messages messages;
    Messages questions;
    std::function<void()> whileOpen;
    bool answerYes = true;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::string> filePaths;  // answers of the file dialog, "" = cancel
    std::vector<std::string> menusShown;
    std::string menuChoice;

private:
    // What happens while a box or a dialog is open: each runs a message loop, so timer ticks
    // and other events can run inside it. A copy runs, as the action may replace itself.
    void WhileOpen() {
        if (whileOpen) {
            auto action = whileOpen;
            action();
        }
    }
};

}  // namespace sentrel::test
