#pragma once

#include <functional>

class GameObject;

// Whoever keeps plain pointers to objects outside the tree (the editor's selection
// and list root) hears of each object's removal here, as its destructor starts,
// while the object still sits among its siblings. The object itself knows nothing
// of its listeners.
class RemovalNotices {
public:
    using Listener = std::function<void(GameObject& removed)>;

    // Returns the number to stop listening with.
    static int Listen(Listener listener);
    static void Stop(int id);
    static void Announce(GameObject& removed);
};
