#include "core/Liveness.h"

Liveness::Token* Liveness::Share() const {
    if (token_ == nullptr) {
        token_ = new Token();
    }
    return token_;
}

void Liveness::Expire() {
    if (token_ == &dead_) {
        return;
    }
    if (token_ != nullptr) {
        token_->Alive = false;
        Release(token_);
    }
    token_ = &dead_;
}

void Liveness::Acquire(Token* token) {
    if (token != nullptr) {
        ++token->References;
    }
}

void Liveness::Release(Token* token) {
    if (token != nullptr && --token->References == 0) {
        delete token;
    }
}
