#pragma once

#include "core/Behavior.h"

#include <functional>
#include <string>
#include <vector>

class EdDialogBhv;

// A question with one button per answer in its "Buttons" row, and optional lines of
// text ("Line" rows) above it. Enter chooses the first answer, Esc the last, a typed
// letter the first answer starting with it. Choosing hides the box and then calls the
// callback once with the answer.
class EdDlgMessageBoxBhv : public Behavior {
public:
    using Callback = std::function<void(const std::string&)>;

    ~EdDlgMessageBoxBhv() override;
    void Start() override;
    void HandleInput() override;

    // Replaces the buttons, the lines and the pending callback of any earlier question;
    // each of `lines` is a row of its own between the title and the buttons.
    void Open(const std::string& title, const std::vector<std::string>& answers, Callback callback,
              const std::vector<std::string>& lines = {});
    void Choose(const std::string& answer);
    // Hides the box without answering (the callback is dropped).
    void Dismiss();
    bool IsShown() const;

    const std::vector<std::string>& Answers() const { return answers_; }

private:
    void MakeButtons();
    void MakeLines(const std::vector<std::string>& lines);

    EdDialogBhv* dialog_ = nullptr;
    std::vector<std::string> answers_;
    Callback callback_;
};
