#pragma once

#include "core/IEditable.h"

#include <memory>
#include <string>

// One component entry of a prefab: the registered type name and the property values
// that differ from that type's defaults. Its Properties own their values (texture and
// font references as names); its TypeTag is the described component type's, so it
// compares equal to live components of that type.
class PrefabComponent : public IEditable {
public:
    std::string TypeName;

    // Same type name and tag, and a copy of every stored value.
    std::unique_ptr<PrefabComponent> Clone() const;
};
