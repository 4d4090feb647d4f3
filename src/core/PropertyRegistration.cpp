#include "core/PropertyRegistration.h"

void PropertyRegistration::AssignThroughText(PropertyRegistration& target) const {
    target.GetSubProperty("", 0).FromText(GetSubProperty("", 0).ToText());
}
