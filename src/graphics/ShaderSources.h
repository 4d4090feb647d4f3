#pragma once

// GLSL 330 sources of src/graphics/shaders/<name>.glsl, built into the library.
extern const char* const SpriteVSSource;
extern const char* const SpritePSSource;
extern const char* const MaskPSSource;
extern const char* const LitPSSource;
extern const char* const ShadowPSSource;
extern const char* const LightVSSource;
extern const char* const LightPSSource;
extern const char* const LightConstVSSource;
extern const char* const LightConstPSSource;
