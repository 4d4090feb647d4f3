#pragma once

#include "editor/palettes/EdListPaletteBhv.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class EdDialogBhv;
class EdFieldBhv;
class EdPropertyRowBhv;

// A dialog choosing one name from a list filtered as the user types into the
// "Filter" row: Up and Down move the highlighted row (scrolling past the first or
// last one), a click highlights one, "BtnOk" or Enter chooses it, "BtnCancel" or Esc
// closes without an answer. Choosing hides the dialog, then calls the callback once.
// Enter chooses in the update, once the filter has taken what was typed before it.
class EdDlgPickerBhv : public EdListPaletteBhv {
public:
    using Callback = std::function<void(const std::string&)>;

    void Start() override;
    void HandleInput() override;
    void Update() override;

    // Replaces any pending callback; the filter starts empty and takes the keyboard.
    void Open(Callback callback);
    // The highlighted entry's answer; nothing happens on an empty list.
    void ChooseCurrent();
    void Cancel();
    bool IsShown() const;

    // What the list shows for the current filter.
    const std::vector<std::string>& Entries() const { return entries_; }
    std::size_t Current = 0;

protected:
    // Every name that can be chosen, in order, for a filter ("" for none).
    virtual std::vector<std::string> ListFor(const std::string& filter) const = 0;
    // The answer an entry stands for.
    virtual std::string AnswerFor(const std::string& entry) const { return entry; }

    std::size_t EntryCount() const override { return entries_.size(); }
    void FillRow(EdListItemBhv& row, std::size_t entry) override;
    void OnRowLeftClick(std::size_t entry) override;

private:
    void FollowFilter();
    void MoveCurrent(int step);

    EdDialogBhv* dialog_ = nullptr;
    EdPropertyRowBhv* filterRow_ = nullptr;
    EdFieldBhv* filterField_ = nullptr;
    std::string filter_;
    std::vector<std::string> entries_;
    Callback callback_;
    bool chooseAfterFilter_ = false;
};
