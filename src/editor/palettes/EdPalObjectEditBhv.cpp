#include "editor/palettes/EdPalObjectEditBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgPickerBhv.h"
#include "editor/level/EngineObjects.h"
#include "editor/level/LevelKeeping.h"
#include "editor/palettes/EdPaletteBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/prefabs/ComponentEdits.h"
#include "editor/prefabs/PrefabOperations.h"
#include "editor/tools/EdShapeEditorBhv.h"
#include "editor/undo/ObjectEditCommand.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "input/InputManager.h"
#include "physics/B2FixtureComponent.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

using EdPaletteParts::FindWidget;

namespace {

constexpr float kScrollRepeatDelay = 0.3f;
constexpr float kScrollRepeatStep = 0.05f;
constexpr int kWheelStep = 3;

struct FlagToggle {
    const char* Name;
    bool GameObject::*Flag;
};
constexpr FlagToggle kFlagToggles[] = {{"ChkInputEnabled", &GameObject::InputEnabled},
                                       {"ChkUpdateEnabled", &GameObject::UpdateEnabled},
                                       {"ChkDrawEnabled", &GameObject::DrawEnabled}};

// A refusal is told; true when there was one.
bool Refused(const std::string& refusal) {
    if (refusal.empty()) return false;
    TellUser(refusal);
    return true;
}

EditTarget CurrentTarget() {
    return Engine::EditorState != nullptr ? EditTarget::FromSelection(*Engine::EditorState) : EditTarget{};
}

std::string TypeNameOf(const IEditable& component) {
    return Engine::Prefabs != nullptr ? Engine::Prefabs->TypeNameOf(component) : "";
}

void Show(GameObject& object, bool shown) {
    object.DrawEnabled = object.InputEnabled = object.UpdateEnabled = shown;
}

// The field checks typed text right before it commits it, so the commit applies what
// that check converted instead of parsing the text again. A commit of other text than
// the last check's (none comes from the field) is checked on its own.
void WireCheckAndCommit(EdPropertyRowBhv& property, const PropertyRowBinding& binding) {
    auto checked = std::make_shared<std::optional<PropertyEdits::CheckedText>>();
    property.SetCheck([binding, checked](const std::string& text) {
        *checked = PropertyEdits::Check(CurrentTarget(), binding, text);
        const std::string& refusal = (*checked)->Parsed.Refusal();
        if (!refusal.empty()) TellUser(binding.Key + ": " + refusal);
        return refusal.empty();
    });
    property.SetOnCommit([binding, checked](const std::string& text) {
        const std::optional<PropertyEdits::CheckedText> last = std::exchange(*checked, std::nullopt);
        if (last && last->Text == text) {
            PropertyEdits::Apply(CurrentTarget(), binding, *last);
        } else {
            PropertyEdits::Commit(CurrentTarget(), binding, text);
        }
    });
}

// Says what is shown, or why nothing is.
std::string TitleOf(const EditTarget& target) {
    if (target.What != EditTarget::Kind::None) return target.Title();
    const std::size_t selected = Engine::EditorState != nullptr ? Engine::EditorState->LevelSelectionCount : 0;
    return selected > 1 ? std::to_string(selected) + " objects selected: pick one to edit" : "Nothing selected";
}

void PushRename(GameObject& object, const std::string& before, const std::string& after) {
    EditHistory& history = Engine::EditorState->History;
    history.Push(std::make_unique<ObjectEditCommand>(
        history.SlotFor(&object), [before](GameObject& o) { o.Name = before; }, [after](GameObject& o) { o.Name = after; }));
}

}  // namespace

EdPalObjectEditBhv::EdPalObjectEditBhv() { AddProperty("VisibleRows", VisibleRows); }

EdPalObjectEditBhv::~EdPalObjectEditBhv() {
    LeaveSlot(&EditorState::ObjectEditPalette, this);
}

void EdPalObjectEditBhv::Start() {
    EnterSlot(&EditorState::ObjectEditPalette, this);
    WireFixedRows();
}

void EdPalObjectEditBhv::WireFixedRows() {
    if (Owner() == nullptr) return;
    GameObject& palette = *Owner();
    if (auto* name = FindWidget<EdPropertyRowBhv>(palette, "NameProperty")) {
        name->SetOnCommit([this](const std::string& text) { CommitName(text); });
    }
    for (const FlagToggle& toggle : kFlagToggles) {
        if (auto* widget = FindWidget<EdToggleBhv>(palette, toggle.Name)) {
            widget->OnChanged = [this, flag = toggle.Flag](bool value) { SetFlag(flag, value); };
        }
    }
    EdPaletteParts::OnClick(palette, "BtnScrollUp", [this] { Scroll(-1); });
    EdPaletteParts::OnClick(palette, "BtnScrollDown", [this] { Scroll(1); });
    EdPaletteParts::OnClick(palette, "BtnAdd", [this] { AskForComponent(); });
    EdPaletteParts::OnClick(palette, "BtnRemove", [this] { RemoveComponent(); });
    EdPaletteParts::OnClick(palette, "BtnMoveUp", [this] { MoveComponent(-1); });
    EdPaletteParts::OnClick(palette, "BtnMoveDown", [this] { MoveComponent(1); });
}

void EdPalObjectEditBhv::HandleInput() {
    const EditorState* state = Engine::EditorState;
    const InputManager* input = Engine::InputManager;
    if (state == nullptr || input == nullptr || !state->IsActive || state->IsKeyboardCaptured || Owner() == nullptr ||
        !Owner()->DrawEnabled) {
        return;
    }
    const bool ctrl = input->IsKeyDown(KeyCtrl);
    if (ctrl && input->IsKeyPressed(KeyL)) {
        PropertyEdits::CentreSprite(CurrentTarget());
    }
    if (ctrl && input->IsKeyPressed(KeyE)) {
        EditShape();
    }
}

// The shape editor opens on the selected component when it is a fixture, else on
// the instance's first fixture.
void EdPalObjectEditBhv::EditShape() {
    const EditTarget target = CurrentTarget();
    auto* editor = InSlot<EdShapeEditorBhv>(&EditorState::ShapeEditor);
    if (!target.IsLive() || editor == nullptr) {
        TellUser("Ctrl+E edits the shape of a fixture of an object in the level");
        return;
    }
    const std::vector<IEditable*> components = target.Components();
    B2FixtureComponent* fixture = nullptr;
    if (SelectedComponent < components.size()) {
        fixture = dynamic_cast<B2FixtureComponent*>(components[SelectedComponent]);
    }
    for (std::size_t i = 0; fixture == nullptr && i < components.size(); ++i) {
        fixture = dynamic_cast<B2FixtureComponent*>(components[i]);
    }
    if (fixture == nullptr) {
        TellUser("The selected object has no fixture to edit");
        return;
    }
    if (Refused(LevelKeeping::RefusalToEdit(*target.Object, *fixture, "Shape"))) return;
    editor->Edit(*fixture);
}

void EdPalObjectEditBhv::Update() {
    const EditTarget target = CurrentTarget();
    std::vector<const void*> shown = target.Signature();
    if (shown != shown_) {
        shown_ = std::move(shown);
        Rebuild(target);
    }
    Refresh(target);
    RepeatHeldScroll();
    if (const int notches = WheelNotchesFor(*Owner())) {
        Scroll(-kWheelStep * notches);
    }
}

void EdPalObjectEditBhv::Rebuild(const EditTarget& target) {
    for (Row& row : rows_) row.Object->Destroy();
    rows_.clear();
    ScrollOffset = 0;
    const std::vector<IEditable*> components = target.Components();
    if (SelectedComponent >= components.size()) SelectedComponent = NoComponent;
    for (std::size_t i = 0; i < components.size(); ++i) {
        AddHeaderRow(*components[i], i);
        for (const PropertyRowBinding& binding : PropertyEdits::RowsOf(*components[i], i)) AddPropertyRow(binding);
    }
}

void EdPalObjectEditBhv::AddHeaderRow(const IEditable& component, std::size_t index) {
    auto* object = new GameObject("EdButton");
    Owner()->AddChild(object);
    Row row{object, nullptr, object->GetComponent<EdButtonBhv>(), TypeNameOf(component), {}};
    row.Binding.Component = index;
    if (row.Header != nullptr) row.Header->OnClick = [this, index] { SelectedComponent = index; };
    rows_.push_back(std::move(row));
}

void EdPalObjectEditBhv::AddPropertyRow(const PropertyRowBinding& binding) {
    auto* object = new GameObject("EdPropertyRow");
    Owner()->AddChild(object);
    auto* property = object->GetComponent<EdPropertyRowBhv>();
    if (property != nullptr) {
        property->Label = binding.Key;
        WireCheckAndCommit(*property, binding);
        if (EdButtonBhv* label = property->LabelButton()) {
            label->OnClick = [this, index = binding.Component] { SelectedComponent = index; };
        }
    }
    rows_.push_back({object, property, nullptr, "", binding});
}

void EdPalObjectEditBhv::Refresh(const EditTarget& target) {
    RefreshFixedRows(target);
    for (Row& row : rows_) {
        if (row.Header != nullptr) {
            const bool selected = row.Binding.Component == SelectedComponent;
            row.Header->Title = (selected ? "> " : "") + row.TypeName;
        } else if (row.Property != nullptr) {
            const PropertyEdits::Shown shown = PropertyEdits::Read(target, row.Binding);
            row.Property->ValueText = shown.Text;
            row.Property->IsLabelGrayed = !shown.IsStored;
        }
    }
    ShowScrolledRows();
}

void EdPalObjectEditBhv::RefreshFixedRows(const EditTarget& target) {
    GameObject& palette = *Owner();
    if (auto* title = FindWidget<EdTitleBarBhv>(palette, "TitleBar")) title->Title = TitleOf(target);
    std::string name, prefab;
    if (target.What == EditTarget::Kind::Entry) {
        name = target.Entry->Name;
        prefab = target.Entry->PrefabName;
    } else if (target.IsLive()) {
        name = target.Object->Name;
        prefab = target.Object->PrefabName;
    } else if (target.What == EditTarget::Kind::Prefab) {
        name = target.StoredIn->Name;
    }
    if (auto* row = FindWidget<EdPropertyRowBhv>(palette, "NameProperty")) row->ValueText = name;
    if (auto* row = FindWidget<EdPropertyRowBhv>(palette, "PrefabNameProperty")) row->ValueText = prefab;
    if (GameObject* flags = EdPaletteParts::FindDescendant(palette, "FlagToggles")) Show(*flags, target.IsLive());
    for (const FlagToggle& toggle : kFlagToggles) {
        auto* widget = FindWidget<EdToggleBhv>(palette, toggle.Name);
        if (widget != nullptr && target.IsLive()) widget->Value = target.Object->*toggle.Flag;
    }
    const bool hasComponent = SelectedComponent != NoComponent;
    for (const char* name : {"BtnRemove", "BtnMoveUp", "BtnMoveDown"}) {
        if (auto* button = FindWidget<EdButtonBhv>(palette, name)) button->IsGrayedOut = !hasComponent;
    }
    if (auto* add = FindWidget<EdButtonBhv>(palette, "BtnAdd")) add->IsGrayedOut = target.What == EditTarget::Kind::None;
}

void EdPalObjectEditBhv::ShowScrolledRows() {
    const int count = static_cast<int>(rows_.size());
    const int window = std::max(VisibleRows, 1);
    ScrollOffset = std::clamp(ScrollOffset, 0, std::max(count - window, 0));
    for (int i = 0; i < count; ++i) {
        Show(*rows_[static_cast<std::size_t>(i)].Object, i >= ScrollOffset && i < ScrollOffset + window);
    }
    if (auto* up = FindWidget<EdButtonBhv>(*Owner(), "BtnScrollUp")) up->IsGrayedOut = ScrollOffset == 0;
    if (auto* down = FindWidget<EdButtonBhv>(*Owner(), "BtnScrollDown")) {
        down->IsGrayedOut = ScrollOffset + window >= count;
    }
}

// A held scroll button keeps scrolling after a short delay.
void EdPalObjectEditBhv::RepeatHeldScroll() {
    auto* up = FindWidget<EdButtonBhv>(*Owner(), "BtnScrollUp");
    auto* down = FindWidget<EdButtonBhv>(*Owner(), "BtnScrollDown");
    const int step = up != nullptr && up->IsPressed ? -1 : down != nullptr && down->IsPressed ? 1 : 0;
    if (step == 0) {
        heldSeconds_ = 0.0f;
        return;
    }
    const float before = heldSeconds_;
    heldSeconds_ += Engine::FrameTime != nullptr ? Engine::FrameTime->DeltaSeconds : 0.0f;
    if (heldSeconds_ < kScrollRepeatDelay) return;
    const int stepsBefore = static_cast<int>(std::max(before - kScrollRepeatDelay, 0.0f) / kScrollRepeatStep);
    const int stepsNow = static_cast<int>((heldSeconds_ - kScrollRepeatDelay) / kScrollRepeatStep);
    for (int i = stepsBefore; i < stepsNow; ++i) Scroll(step);
}

void EdPalObjectEditBhv::Scroll(int step) {
    ScrollOffset += step;
    ShowScrolledRows();
}

void EdPalObjectEditBhv::CommitName(const std::string& text) {
    const EditTarget target = CurrentTarget();
    if (target.What == EditTarget::Kind::Entry && target.StoredIn != nullptr) {
        PropertyEdits::EditStored(*target.StoredIn, [&] {
            target.Entry->Name = text;
            return true;
        });
    } else if (target.IsLive()) {
        const std::string before = target.Object->Name;
        if (before == text || RefuseOnEngineObject(target.Object, "Cannot rename") ||
            Refused(LevelKeeping::RefusalToRename(*target.Object)) ||
            Refused(text.empty() ? "Cannot rename " + before + ": an object needs a name" : "")) {
            return;
        }
        target.Object->Name = text;
        PushRename(*target.Object, before, text);
    } else if (target.What == EditTarget::Kind::Prefab) {
        PrefabOperations().Rename(*target.StoredIn, text);  // checked, numbered, undoable
    }
}

void EdPalObjectEditBhv::SetFlag(bool GameObject::*flag, bool value) {
    const EditTarget target = CurrentTarget();
    if (!target.IsLive()) return;
    GameObject& object = *target.Object;
    if (RefuseOnEngineObject(&object, "Cannot switch") || Refused(LevelKeeping::RefusalToSwitch(object))) {
        return;  // the toggle shows the flag again next frame
    }
    const bool before = object.*flag;
    if (before == value) return;
    object.*flag = value;
    EditHistory& history = Engine::EditorState->History;
    history.Push(std::make_unique<ObjectEditCommand>(
        history.SlotFor(&object), [flag, before](GameObject& o) { o.*flag = before; },
        [flag, value](GameObject& o) { o.*flag = value; }));
}

bool EdPalObjectEditBhv::IsComponentChosen() const {
    if (SelectedComponent == NoComponent) {
        TellUser("Click a component's name or one of its rows first");
    }
    return SelectedComponent != NoComponent;
}

void EdPalObjectEditBhv::RemoveComponent() {
    if (IsComponentChosen() && ComponentEdits::Remove(CurrentTarget(), SelectedComponent)) {
        SelectedComponent = NoComponent;
    }
}

void EdPalObjectEditBhv::MoveComponent(int offset) {
    if (!IsComponentChosen()) return;
    const std::size_t count = CurrentTarget().Components().size();
    if ((offset < 0 && SelectedComponent == 0) || (offset > 0 && SelectedComponent + 1 >= count)) {
        TellUser(offset < 0 ? "The component is first already" : "The component is last already");
        return;
    }
    if (!ComponentEdits::Move(CurrentTarget(), SelectedComponent, offset)) return;
    const long last = static_cast<long>(CurrentTarget().Components().size()) - 1;
    SelectedComponent = static_cast<std::size_t>(std::clamp(static_cast<long>(SelectedComponent) + offset, 0L, last));
}

std::vector<std::string> EdPalObjectEditBhv::AddableComponentTypes() { return ComponentEdits::AddableTypes(); }

void EdPalObjectEditBhv::AskForComponent() {
    auto* picker = InSlot<EdDlgPickerBhv>(&EditorState::ComponentPicker);
    if (CurrentTarget().What == EditTarget::Kind::None) {
        TellUser("Select an object, a prefab or an entry to add a component to");
        return;
    }
    if (picker == nullptr) return;
    picker->Open([this](const std::string& type) {
        if (!type.empty()) AddComponentOfType(type);
    });
}

bool EdPalObjectEditBhv::AddComponentOfType(const std::string& typeName) {
    return ComponentEdits::Add(CurrentTarget(), typeName);
}
