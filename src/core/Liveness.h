#pragma once

// Tells weak handles whether the object that owns it still exists. The shared token
// is made on the first handle asked for, so an object that never hands one out pays
// one null pointer; the owner expires it when it dies and the last handle frees it.
// Main thread only: the counts are plain integers.
class Liveness {
public:
    struct Token {
        unsigned References = 1;  // the owner's, until it expires
        bool Alive = true;
    };

    Liveness() = default;
    // A copy of an object is another object: it starts without a token.
    Liveness(const Liveness&) {}
    Liveness& operator=(const Liveness&) { return *this; }
    ~Liveness() { Expire(); }

    // The owner's token, made now if there is none; a dead one once the owner expired.
    Token* Share() const;
    // Every handle reads null from now on, and so does every handle made later (during
    // the rest of the owner's destruction). Called as the owner's destruction begins.
    void Expire();

    // A handle's reference; the last one frees the token. Null is ignored.
    static void Acquire(Token* token);
    static void Release(Token* token);

private:
    // Shared by every expired owner; its own reference keeps it from being freed.
    static inline Token dead_{1, false};

    mutable Token* token_ = nullptr;
};
