#pragma once

// The reflective side of every concrete component and behaviour: the prefab loader,
// the serializer and the editor reach its values by property name through it.
// The property map itself arrives with property reflection.
class IEditable {
public:
    IEditable() = default;
    IEditable(const IEditable&) = delete;
    IEditable& operator=(const IEditable&) = delete;
    virtual ~IEditable() = default;
};
