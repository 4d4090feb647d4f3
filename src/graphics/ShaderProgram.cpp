#include "graphics/ShaderProgram.h"

#include "core/StartupError.h"

#include <epoxy/gl.h>

#include <vector>

namespace {

GLuint Compile(GLenum stage, const char* source, const std::string& name) {
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        GLint length = 0;
        glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
        glGetShaderInfoLog(shader, length, nullptr, log.data());
        glDeleteShader(shader);
        throw StartupError("shader " + name + " does not compile: " + log.data());
    }
    return shader;
}

}  // namespace

void ShaderProgram::Build(const std::string& name, const char* vertexSource, const char* pixelSource) {
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource, name);
    const GLuint pixel = Compile(GL_FRAGMENT_SHADER, pixelSource, name);
    program_ = glCreateProgram();
    glAttachShader(program_, vertex);
    glAttachShader(program_, pixel);
    glLinkProgram(program_);
    glDeleteShader(vertex);
    glDeleteShader(pixel);
    GLint ok = GL_FALSE;
    glGetProgramiv(program_, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {};
        glGetProgramInfoLog(program_, sizeof log, nullptr, log);
        throw StartupError("shader " + name + " does not link: " + log);
    }
}

void ShaderProgram::Release() {
    glDeleteProgram(program_);
    program_ = 0;
}

void ShaderProgram::Use() const {
    glUseProgram(program_);
}

void ShaderProgram::SetSampler(const char* name, int unit) const {
    glUniform1i(glGetUniformLocation(program_, name), unit);
}

void ShaderProgram::SetVector(const char* name, float x, float y) const {
    glUniform2f(glGetUniformLocation(program_, name), x, y);
}

void ShaderProgram::SetFloat(const char* name, float value) const {
    glUniform1f(glGetUniformLocation(program_, name), value);
}

void ShaderProgram::SetCamera(const CameraConstants& camera) const {
    const GLint rows = glGetUniformLocation(program_, "g_CameraRotScale");
    glUniform2fv(rows, 2, &camera.RotScale[0][0]);
    SetVector("g_CameraPos", camera.Pos.x, camera.Pos.y);
}
