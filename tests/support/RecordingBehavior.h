#pragma once

#include "core/Behavior.h"

#include <functional>
#include <string>
#include <vector>

// A behaviour that writes "<tag>.<hook>" into a shared log and can run extra code
// from its hooks; tests read the log to check order and reach.
class RecordingBehavior : public Behavior {
public:
    RecordingBehavior(std::vector<std::string>& log, std::string tag) : log_(log), tag_(std::move(tag)) {}
    ~RecordingBehavior() override { log_.push_back(tag_ + ".deleted"); }

    void Start() override { Record("start"); }
    void Update() override {
        Record("update");
        if (onUpdate) onUpdate();
    }
    void HandleInput() override {
        Record("input");
        if (onInput) onInput();
    }

    std::function<void()> onUpdate;
    std::function<void()> onInput;

private:
    void Record(const char* hook) { log_.push_back(tag_ + "." + hook); }

    std::vector<std::string>& log_;
    std::string tag_;
};

// A plain component whose deletion is logged.
class RecordingComponent : public Component {
public:
    RecordingComponent(std::vector<std::string>& log, std::string tag) : log_(log), tag_(std::move(tag)) {}
    ~RecordingComponent() override { log_.push_back(tag_ + ".deleted"); }

private:
    std::vector<std::string>& log_;
    std::string tag_;
};
