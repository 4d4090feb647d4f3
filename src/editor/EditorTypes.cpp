#include "editor/EditorTypes.h"

#include "editor/EdButtonBhv.h"
#include "editor/EdCameraMoverBhv.h"
#include "editor/EdDialogBhv.h"
#include "editor/EdDlgComponentPickerBhv.h"
#include "editor/EdDlgMessageBoxBhv.h"
#include "editor/EdDlgPrefabPickerBhv.h"
#include "editor/EdFieldBhv.h"
#include "editor/EdHotReloadMonitorBhv.h"
#include "editor/EdLevelEditorBhv.h"
#include "editor/EdListItemBhv.h"
#include "editor/EdPalAutoCreateListBhv.h"
#include "editor/EdPalMainBhv.h"
#include "editor/EdPalObjectEditBhv.h"
#include "editor/EdPalObjectListBhv.h"
#include "editor/EdPalPrefabListBhv.h"
#include "editor/EdPaletteBhv.h"
#include "editor/EdPropertyRowBhv.h"
#include "editor/EdRootBhv.h"
#include "editor/EdRowMultiContainerBhv.h"
#include "editor/EdShapeEditorBhv.h"
#include "editor/EdSpacerBhv.h"
#include "editor/EdSpritePickerBhv.h"
#include "editor/EdTitleBarBhv.h"
#include "editor/EdToggleBhv.h"
#include "prefabs/PrefabManager.h"

void RegisterEditorTypes(PrefabManager& manager) {
    manager.Register<EdHotReloadMonitorBhv>("EdHotReloadMonitorBhv");
    manager.Register<EdRootBhv>("EdRootBhv");
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
