#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// The two ways an entry moves within an ordered list, each under one name:
//
// ShiftEntry: the entry goes to index clamp(i + offset) and the entries between
// close up behind it (components, prefab entries). False when it stays put.
//
// SwapEntry: the entry trades places with the one `offset` places away; nothing
// happens when that lies outside the list (siblings, auto-create entries).
template <class T>
bool ShiftEntry(std::vector<T>& list, std::size_t index, int offset) {
    const long long last = static_cast<long long>(list.size()) - 1;
    const long long target = std::clamp(static_cast<long long>(index) + offset, 0LL, last);
    if (index >= list.size() || target == static_cast<long long>(index)) {
        return false;
    }
    T entry = std::move(list[index]);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(target), std::move(entry));
    return true;
}

template <class T>
bool SwapEntry(std::vector<T>& list, std::size_t index, int offset) {
    const long long target = static_cast<long long>(index) + offset;
    if (index >= list.size() || target < 0 || target >= static_cast<long long>(list.size())) {
        return false;
    }
    std::swap(list[index], list[static_cast<std::size_t>(target)]);
    return true;
}

// The index of the entry whose address (or owned pointer) is `entry`, or size().
template <class T, class P>
std::size_t IndexOf(const std::vector<T>& list, const P* entry) {
    const auto at = std::find_if(list.begin(), list.end(), [entry](const T& e) { return &*e == entry; });
    return static_cast<std::size_t>(at - list.begin());
}
