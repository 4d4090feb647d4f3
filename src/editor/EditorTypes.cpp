#include "editor/EditorTypes.h"

#include "editor/EdMessageBarBhv.h"
#include "editor/EdRootBhv.h"
#include "editor/dialogs/EdDialogBhv.h"
#include "editor/dialogs/EdDlgComponentPickerBhv.h"
#include "editor/dialogs/EdDlgMessageBoxBhv.h"
#include "editor/dialogs/EdDlgPrefabPickerBhv.h"
#include "editor/hotreload/EdHotReloadMonitorBhv.h"
#include "editor/level/EdLevelEditorBhv.h"
#include "editor/palettes/EdPalAutoCreateListBhv.h"
#include "editor/palettes/EdPalMainBhv.h"
#include "editor/palettes/EdPalObjectEditBhv.h"
#include "editor/palettes/EdPalObjectListBhv.h"
#include "editor/palettes/EdPalPrefabListBhv.h"
#include "editor/palettes/EdPaletteBhv.h"
#include "editor/tools/EdCameraMoverBhv.h"
#include "editor/tools/EdShapeEditorBhv.h"
#include "editor/tools/EdSpritePickerBhv.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "editor/widgets/EdRowMultiContainerBhv.h"
#include "editor/widgets/EdSpacerBhv.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "prefabs/PrefabManager.h"

void RegisterEditorTypes(PrefabManager& manager) {
    manager.Register<EdHotReloadMonitorBhv>("EdHotReloadMonitorBhv");
    manager.Register<EdRootBhv>("EdRootBhv");
    manager.Register<EdMessageBarBhv>("EdMessageBarBhv");
    manager.Register<EdLevelEditorBhv>("EdLevelEditorBhv");
    manager.Register<EdCameraMoverBhv>("EdCameraMoverBhv");
    manager.Register<EdShapeEditorBhv>("EdShapeEditorBhv");
    manager.Register<EdSpritePickerBhv>("EdSpritePickerBhv");
    manager.Register<EdButtonBhv>("EdButtonBhv");
    manager.Register<EdToggleBhv>("EdToggleBhv");
    manager.Register<EdFieldBhv>("EdFieldBhv");
    manager.Register<EdListItemBhv>("EdListItemBhv");
    manager.Register<EdTitleBarBhv>("EdTitleBarBhv");
    manager.Register<EdSpacerBhv>("EdSpacerBhv");
    manager.Register<EdRowMultiContainerBhv>("EdRowMultiContainerBhv");
    manager.Register<EdPropertyRowBhv>("EdPropertyRowBhv");
    manager.Register<EdPalObjectEditBhv>("EdPalObjectEditBhv");
    manager.Register<EdPaletteBhv>("EdPaletteBhv");
    manager.Register<EdDialogBhv>("EdDialogBhv");
    manager.Register<EdDlgMessageBoxBhv>("EdDlgMessageBoxBhv");
    manager.Register<EdDlgPrefabPickerBhv>("EdDlgPrefabPickerBhv");
    manager.Register<EdDlgComponentPickerBhv>("EdDlgComponentPickerBhv");
    manager.Register<EdPalMainBhv>("EdPalMainBhv");
    manager.Register<EdPalObjectListBhv>("EdPalObjectListBhv");
    manager.Register<EdPalPrefabListBhv>("EdPalPrefabListBhv");
    manager.Register<EdPalAutoCreateListBhv>("EdPalAutoCreateListBhv");
}
