#pragma once

#include <memory>
#include <filesystem>
#include <string>
#include <vector>

class EdDlgMessageBoxBhv;
class EditorState;
class PrefabEditCommand;
class Prefab;
class PrefabManager;

// The editor's changes to whole prefabs (create, duplicate, rename, remove, revert,
// save), each checked, told to the user when refused or altered, kept in step with
// the editor's selection and entered into the undo history. The palettes and the
// edit palette's name row go through here.
class PrefabOperations {
public:
    enum class Outcome {
        Done,       // changed (and entered into the history)
        Unchanged,  // nothing to do
        Refused,    // not allowed; the user was told why
        AskAgain,   // other prefabs use it: the user was asked (press again, or the message box)
    };

    // Over Engine::Prefabs and Engine::EditorState.
    PrefabOperations();
    PrefabOperations(PrefabManager& prefabs, EditorState& state);

    // A new empty prefab "NewPrefab" (or the first unused numbered name), modified and
    // selected for editing.
    Prefab* Create();
    // A copy of source under the first unused form of its unnumbered name, modified
    // and selected for editing.
    Prefab* Duplicate(const Prefab& source);
    // Names the prefab `text`, or the first unused numbered form of it (and says so).
    // SelectedPrefabName, the entries of every prefab that create it and the live
    // objects made of it follow, in one undo step. Refuses names that cannot be file
    // names and the prefabs the game needs; asks first (press again) when other
    // prefabs create it.
    Outcome Rename(Prefab& prefab, const std::string& text);
    // Takes the named prefab out (its file goes at the next save all), with the entries
    // of other prefabs that create it and the live objects those made, in one undo
    // step; the selection moves to the next prefab in name order. Refused for the
    // prefabs the game needs. When entries create it the message box asks first,
    // naming their prefabs (AskAgain; "Yes" removes); without a message box, press again.
    Outcome Remove(const std::string& name);
    // Reads the prefab again from its file, dropping unsaved changes.
    Outcome Revert(Prefab& prefab);
    // Reads the prefab from the shipped file that the player's own saved copy covers;
    // saving it then deletes that copy. Unchanged, with a message, without one.
    Outcome RevertToShipped(Prefab& prefab);

    // Saves one prefab or every modified one; failures are told to the user.
    bool Save(Prefab& prefab);
    bool SaveAll();

    // The prefabs whose entries create `name`, in name order.
    std::vector<std::string> UsersOf(const std::string& name) const;

    // How long a "press again" question stays open.
    static constexpr float ConfirmSeconds = 4.0f;
    // Forgets an open question (tests, and a change of selection).
    static void ForgetQuestion();

private:
    void AskToRemove(EdDlgMessageBoxBhv& box, const std::string& name);
    Outcome RemoveWithEntries(const std::string& name);
    // Replaces the prefab's entries with the file's, as one undoable step.
    Outcome ReadBack(Prefab& prefab, const std::filesystem::path& file, const std::string& fileName, bool modified);
    // Done when the change may go ahead: refused for required prefabs, asked first
    // (Done on the second press in time) when other prefabs use it.
    Outcome CheckRemovable(const std::string& name, const std::string& verb);
    void Select(Prefab* prefab);
    std::unique_ptr<PrefabEditCommand> Begin(std::vector<std::string> names);
    void Record(std::unique_ptr<PrefabEditCommand> command, const std::vector<std::string>& created = {});

    PrefabManager& prefabs_;
    EditorState& state_;
};
