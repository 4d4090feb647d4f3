#pragma once

#include "graphics/Camera2d.h"

#include <string>

// One linked pair of GLSL shaders (a vertex and a pixel shader). Samplers named in
// the pixel shader are tied to fixed texture units at link time.
class ShaderProgram {
public:
    ShaderProgram() = default;
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;
    ~ShaderProgram() = default;

    // Compiles and links; throws StartupError with the compiler's log on failure.
    void Build(const std::string& name, const char* vertexSource, const char* pixelSource);
    void Release();

    void Use() const;
    // Setters act on the current program (Use first); uniforms it lacks are ignored.
    void SetSampler(const char* name, int unit) const;
    void SetVector(const char* name, float x, float y) const;
    void SetFloat(const char* name, float value) const;
    void SetCamera(const CameraConstants& camera) const;

    unsigned Handle() const { return program_; }

private:
    unsigned program_ = 0;
};
