#include "core/ParsedSubValue.h"

ParsedSubValue ParsedSubValue::Refused(std::string why) {
    ParsedSubValue refused;
    refused.refusal_ = std::move(why);
    return refused;
}

ParsedSubValue ParsedSubValue::Converted(Assign assign) {
    ParsedSubValue converted;
    converted.assign_ = std::move(assign);
    return converted;
}

void ParsedSubValue::AssignTo(const SubProperty& target) const {
    if (IsAccepted() && assign_) {
        assign_(target);
    }
}
