#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "core/Vector2.h"

// One particle: at Start it draws its motion, life, colours and sizes from the
// ranges below; each update it moves, ages, and sets its tint and sprite size for
// its age, fading in and out with a smooth step, and queues its object for deletion
// at the end of its life.
class Pcl_SimpleBhv : public Behavior {
public:
    Pcl_SimpleBhv();

    void Start() override;
    void Update() override;

    // World units per second; each component drawn between min and max.
    Vector2 VelocityMin;
    Vector2 VelocityMax;
    // Radians, and radians per second.
    float RotationMin = 0.0f;
    float RotationMax = 0.0f;
    float AngularMin = 0.0f;
    float AngularMax = 0.0f;
    // Seconds.
    float LifespanMin = 1.0f;
    float LifespanMax = 1.0f;
    // Fractions of the life; 0 means no fade at that end.
    float FadeInAmount = 0.25f;
    float FadeOutAmount = 0.25f;
    // One draw places both the start and the end tint in their ranges, so a particle's
    // colours come from the same place in each; the same holds for the sizes.
    Color TintStartMin{255, 255, 255, 255};
    Color TintStartMax{255, 255, 255, 255};
    Color TintEndMin{255, 255, 255, 255};
    Color TintEndMax{255, 255, 255, 255};
    // Factors on the sprite's size at Start.
    float SizeStartMin = 1.0f;
    float SizeStartMax = 1.0f;
    float SizeEndMin = 1.0f;
    float SizeEndMax = 1.0f;
    // World units per second², added to the velocity.
    Vector2 Force;

    Vector2 Velocity() const { return velocity_; }
    float Lifespan() const { return lifespan_; }
    float Age() const { return age_; }

private:
    void Apply();
    // Age over lifespan, 0 ... 1; a life of no length is over at once.
    float LifeFraction() const;
    void ApplyTint(float a);

    Vector2 velocity_;
    float angularSpeed_ = 0.0f;
    Color tintStart_{255, 255, 255, 255};
    Color tintEnd_{255, 255, 255, 255};
    float sizeStart_ = 1.0f;
    float sizeEnd_ = 1.0f;
    float lifespan_ = 1.0f;
    Vector2 baseSize_{1.0f, 1.0f};
    float age_ = 0.0f;
};
