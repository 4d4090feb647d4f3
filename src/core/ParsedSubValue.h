#pragma once

#include <functional>
#include <string>

struct SubProperty;

// Text typed for one sub-value of a property, checked and converted once
// (SubProperty::ParseChecked): either why it is refused, or the converted value, which
// is then written without parsing the text again. The check and the commit of an
// edit share one of these.
class ParsedSubValue {
public:
    // Writes the converted value into a view of the sub-value it was parsed for.
    using Assign = std::function<void(const SubProperty&)>;

    // Accepted, with nothing to write (text for a sub-value the type does not have).
    ParsedSubValue() = default;
    // why is never empty.
    static ParsedSubValue Refused(std::string why);
    static ParsedSubValue Converted(Assign assign);

    bool IsAccepted() const { return refusal_.empty(); }
    // "" when accepted, else why not, for the user.
    const std::string& Refusal() const { return refusal_; }
    // Writes the value into target: the same sub-value of a property of the same value
    // type, or of a value stored apart from a live object (a reference kept as its
    // name). A refused text writes nothing.
    void AssignTo(const SubProperty& target) const;

private:
    std::string refusal_;
    Assign assign_;
};
