#pragma once

class GameObject;
class LevelBhv;

// The gameplay screen's child "Level", or null without a screen or a level.
GameObject* CurrentLevel();
// The LevelBhv on the current level, or null.
LevelBhv* CurrentLevelBhv();
// Sets the current level's IsModified.
void MarkLevelModified();
// Sets it when the object is the level or lies below it: its change is the level's.
void MarkLevelModifiedBy(const GameObject& object);
