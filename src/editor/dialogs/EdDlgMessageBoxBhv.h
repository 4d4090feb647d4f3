#pragma once

#include "core/Behavior.h"

#include <functional>
#include <string>
#include <vector>

class EdDialogBhv;

// A question with one button per answer in its "Buttons" row. Enter chooses the first
// answer, Esc the last, a typed letter the first answer starting with it. Choosing
// hides the box and then calls the callback once with the answer.
class EdDlgMessageBoxBhv : public Behavior {
public:
    using Callback = std::function<void(const std::string&)>;

    ~EdDlgMessageBoxBhv() override;
    void Start() override;
    void HandleInput() override;

    // Replaces the buttons and the pending callback of any earlier question.
    void Open(const std::string& title, const std::vector<std::string>& answers, Callback callback);
    void Choose(const std::string& answer);
    // Hides the box without answering (the callback is dropped).
    void Dismiss();
    bool IsShown() const;

    const std::vector<std::string>& Answers() const { return answers_; }

private:
    void MakeButtons();

    EdDialogBhv* dialog_ = nullptr;
    std::vector<std::string> answers_;
    Callback callback_;
};
